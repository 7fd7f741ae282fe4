#include "settings/AboutSettingsTab.h"

#include "appearance/LocalizationManager.h"
#include "appearance/Preferences.h"
#include "settings/SettingsStyle.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

namespace tolvik {

AboutSettingsTab::AboutSettingsTab(QWidget* parent)
    : QWidget(parent)
    , m_version(makeStyledLabel(TextStyle::headline, false, this))
    , m_developerHeading(makeStyledLabel(TextStyle::subheadline, false, this))
    , m_developerLink(makeStyledLabel(TextStyle::title3, false, this))
    , m_description(makeStyledLabel(TextStyle::body, false, this))
{
    m_version->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_developerLink->setTextFormat(Qt::RichText);
    m_developerLink->setTextInteractionFlags(Qt::TextBrowserInteraction);
    // QLabel hands the address to QDesktopServices, which opens the default browser.
    m_developerLink->setOpenExternalLinks(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(16);
    layout->addWidget(m_version);
    auto* divider = new QFrame(this);
    divider->setFrameShape(QFrame::HLine);
    divider->setFrameShadow(QFrame::Sunken);
    layout->addWidget(divider);

    auto* developer = new QVBoxLayout;
    developer->setSpacing(8);
    developer->addWidget(m_developerHeading);
    developer->addWidget(m_developerLink);
    developer->addWidget(m_description);
    layout->addLayout(developer);
    layout->addStretch(1);

    connect(&Preferences::shared(), &Preferences::changed, this, [this](const QString& key) {
        if (key == PreferenceKey::languagePreference) {
            retranslate();
        }
    });
    retranslate();
}

QString AboutSettingsTab::versionText(const QString& marketingVersion, const QString& buildNumber)
{
    const QString missing(QChar(0x2014));
    return localizedString(QStringLiteral("settings.about.version"))
        .arg(marketingVersion.isEmpty() ? missing : marketingVersion, buildNumber.isEmpty() ? missing : buildNumber);
}

QString AboutSettingsTab::marketingVersion()
{
    return QStringLiteral(TOLVIK_VERSION);
}

QString AboutSettingsTab::buildNumber()
{
    return QStringLiteral(TOLVIK_BUILD_NUMBER);
}

QString AboutSettingsTab::developerUrl()
{
    return QStringLiteral(TOLVIK_DEVELOPER_URL);
}

void AboutSettingsTab::retranslate()
{
    m_version->setText(versionText(marketingVersion(), buildNumber()));
    m_developerHeading->setText(localizedString(QStringLiteral("settings.about.developer")));
    updateLink();
    m_description->setText(localizedString(QStringLiteral("settings.about.description")));
}

void AboutSettingsTab::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange) {
        updateLink();
    }
    QWidget::changeEvent(event);
}

void AboutSettingsTab::updateLink()
{
    // A label's rich text takes its link colour from the application's palette, not the window's theme; name it.
    const QString name = localizedString(QStringLiteral("settings.about.developerName")).toHtmlEscaped();
    m_developerLink->setText(QStringLiteral("<a href=\"%1\" style=\"color: %2\">%3</a>")
                                 .arg(developerUrl().toHtmlEscaped(), palette().color(QPalette::Link).name(), name));
    m_developerLink->setToolTip(developerUrl());
}

} // namespace tolvik
