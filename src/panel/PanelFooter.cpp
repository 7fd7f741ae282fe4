#include "panel/PanelFooter.h"

#include "appearance/LocalizationManager.h"
#include "appearance/SymbolIcons.h"
#include "rows/FocusRingButton.h"
#include "settings/SyncTexts.h"
#include "sync/SyncService.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

namespace tolvik {

PanelFooter::PanelFooter(QWidget* parent)
    : QWidget(parent)
    , m_settings(new FocusRingButton(this))
    , m_quit(new FocusRingButton(this))
    , m_syncStatus(new QLabel(this))
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
    m_syncStatus->setAlignment(Qt::AlignCenter);
    m_syncStatus->setStyleSheet(QStringLiteral("color: #e0352b;"));
    m_syncStatus->setCursor(Qt::PointingHandCursor);
    // The room between the two buttons is narrower than most of these lines in most languages: they wrap there
    // instead of being cut off at both ends.
    m_syncStatus->setWordWrap(true);
    row->addWidget(m_syncStatus, 100);
    row->addStretch(1);
    row->addWidget(m_quit);
    if (SyncService* sync = SyncService::shared()) {
        connect(sync, &SyncService::stateChanged, this, &PanelFooter::refreshSyncStatus);
        connect(sync, &SyncService::accountsChanged, this, &PanelFooter::refreshSyncStatus);
    }
    refreshSyncStatus();
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
    refreshSyncStatus();
}

void PanelFooter::refreshSyncStatus()
{
    // Only while a problem lasts; the first account with one speaks, its full text in the tooltip.
    QString line;
    QString detail;
    if (SyncService* sync = SyncService::shared()) {
        for (const SyncAccount& account : sync->accounts()) {
            const AccountSyncState state = sync->state(account.id);
            if (!state.running && state.problem != SyncProblem::none) {
                line = SyncTexts::footerLine(state);
                detail = account.id + QStringLiteral(": ") + SyncTexts::problem(state);
                break;
            }
        }
    }
    m_syncStatus->setText(line);
    m_syncStatus->setToolTip(detail);
    m_syncStatus->setVisible(!line.isEmpty());
}

void PanelFooter::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (SyncService* sync = SyncService::shared()) {
        sync->notePanelOpened();
    }
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
