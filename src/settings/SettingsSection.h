#pragma once

#include <QFrame>
#include <QString>

class QHBoxLayout;
class QLabel;
class QVBoxLayout;

namespace tolvik {

/// One group of a settings form: a header of a symbol and a bold title, above a rounded card that holds the rows.
/// The symbol is tinted to the palette's text colour and follows theme changes.
class SettingsSection : public QWidget
{
    Q_OBJECT

public:
    explicit SettingsSection(const QString& symbolName, QWidget* parent = nullptr);

    void setTitle(const QString& title);
    QString title() const;
    /// The layout of the card; callers add their rows to it.
    QVBoxLayout* contentLayout() const { return m_content; }
    /// Puts `widget` at the end of the header line, beside the title.
    void addHeaderWidget(QWidget* widget);

protected:
    void changeEvent(QEvent* event) override;

private:
    void tintIcon();

    QString m_symbolName;
    QLabel* m_icon;
    QLabel* m_title;
    QHBoxLayout* m_header;
    QVBoxLayout* m_content;
};

/// The rounded, lightly filled card behind a section's rows.
class SectionCard : public QFrame
{
    Q_OBJECT

public:
    explicit SectionCard(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace tolvik
