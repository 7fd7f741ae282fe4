#pragma once

#include <QString>
#include <QWidget>

class QLabel;

namespace tolvik {

class Preferences;

/// The third settings tab: the version line, who made the application with a link to their site, and what it is.
class AboutSettingsTab : public QWidget
{
    Q_OBJECT

public:
    explicit AboutSettingsTab(QWidget* parent = nullptr);

    /// The version line for a marketing version and a build number; an empty value shows as an em dash.
    static QString versionText(const QString& marketingVersion, const QString& buildNumber);
    /// The version and build number this binary was configured with.
    static QString marketingVersion();
    static QString buildNumber();
    static QString developerUrl();

    QLabel* versionLabel() const { return m_version; }
    QLabel* developerHeading() const { return m_developerHeading; }
    QLabel* developerLink() const { return m_developerLink; }
    QLabel* descriptionLabel() const { return m_description; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void updateLink();

    QLabel* m_version;
    QLabel* m_developerHeading;
    QLabel* m_developerLink;
    QLabel* m_description;
};

} // namespace tolvik
