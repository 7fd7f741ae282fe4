#include "panel/PanelFooter.h"

#include "appearance/LocalizationManager.h"
#include "appearance/SymbolIcons.h"
#include "rows/FocusRingButton.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QToolButton>

namespace tolvik {

PanelFooter::PanelFooter(QWidget* parent)
    : QWidget(parent)
    , m_settings(new FocusRingButton(this))
    , m_quit(new FocusRingButton(this))
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(sideInset, 0, sideInset, 0);
    row->setSpacing(spacing);
    for (QToolButton* button : {m_settings, m_quit}) {
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setAutoRaise(true);
        button->setCursor(Qt::PointingHandCursor);
        button->setFocusPolicy(Qt::TabFocus);
        button->setIconSize(QSize(16, 16));
    }
    row->addWidget(m_settings);
    row->addStretch(1);
    row->addWidget(m_quit);
    connect(m_settings, &QToolButton::clicked, this, &PanelFooter::settingsRequested);
    connect(m_quit, &QToolButton::clicked, this, &PanelFooter::quitRequested);
    refreshIcons();
    refreshTexts();
}

void PanelFooter::refreshTexts()
{
    m_settings->setText(localizedString(QStringLiteral("footer.settings")));
    m_quit->setText(localizedString(QStringLiteral("footer.quit")));
    m_quit->setToolTip(localizedString(QStringLiteral("help.quitApp")));
    m_settings->setToolTip(localizedString(QStringLiteral("panel.a11y.settingsHelp")));
}

void PanelFooter::refreshIcons()
{
    const QColor color = palette().color(QPalette::WindowText);
    m_settings->setIcon(SymbolIcons::icon(QStringLiteral("gearshape"), color));
    m_quit->setIcon(SymbolIcons::icon(QStringLiteral("power"), color));
}

void PanelFooter::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        refreshIcons();
    }
}

} // namespace tolvik
