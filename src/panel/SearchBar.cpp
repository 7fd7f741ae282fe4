#include "panel/SearchBar.h"

#include "appearance/LocalizationManager.h"
#include "appearance/Preferences.h"
#include "appearance/SymbolIcons.h"
#include "rows/RowStyle.h"

#include <QAction>
#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>

namespace tolvik {

SearchBar::SearchBar(Preferences& preferences, QWidget* parent)
    : QWidget(parent)
    , m_preferences(preferences)
    , m_edit(new QLineEdit(this))
    , m_icon(new QAction(this))
    , m_wide(new QCheckBox(this))
{
    setObjectName(QStringLiteral("searchBar"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(8);
    m_edit->setObjectName(QStringLiteral("searchField"));
    // Reached by Ctrl+F and the header's button, as the quick-add field is by Ctrl+N; Tab keeps to the lists.
    m_edit->setFocusPolicy(Qt::ClickFocus);
    m_edit->addAction(m_icon, QLineEdit::LeadingPosition);
    m_edit->installEventFilter(this);
    row->addWidget(m_edit, 1);
    m_wide->setFocusPolicy(Qt::StrongFocus);
    m_wide->setFont(RowStyle::captionFont(font()));
    row->addWidget(m_wide);

    connect(m_edit, &QLineEdit::textChanged, this, [this] {
        if (m_open) {
            Q_EMIT searchChanged();
        }
    });
    connect(m_wide, &QCheckBox::toggled, this, [this] {
        if (m_open) {
            Q_EMIT searchChanged();
        }
        // The switch is a detour from typing: the field takes the keyboard back at once.
        if (m_wide->hasFocus()) {
            m_edit->setFocus(Qt::OtherFocusReason);
        }
    });
    connect(&m_preferences, &Preferences::changed, this, [this](const QString& key) {
        if (key == PreferenceKey::languagePreference) {
            retranslate();
        }
    });
    retranslate();
    refreshIcon();
    hide();
}

QString SearchBar::text() const
{
    return m_open ? m_edit->text() : QString();
}

bool SearchBar::isWide() const
{
    return m_open && m_wide->isChecked();
}

void SearchBar::open()
{
    const bool opening = !m_open;
    m_open = true;
    show();
    m_edit->setFocus(Qt::ShortcutFocusReason);
    m_edit->selectAll();
    if (opening) {
        Q_EMIT opened();
    }
}

void SearchBar::close()
{
    if (!m_open) {
        return;
    }
    // Closed first, so that emptying the field and the switch announces no search of its own.
    m_open = false;
    m_edit->clear();
    m_wide->setChecked(false);
    hide();
    Q_EMIT closed();
}

bool SearchBar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_edit && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
        if (modifiers == Qt::NoModifier) {
            switch (key->key()) {
            case Qt::Key_Escape:
                close();
                return true;
            case Qt::Key_Up:
                Q_EMIT resultsRequested(true);
                return true;
            case Qt::Key_Down:
            case Qt::Key_Return:
            case Qt::Key_Enter:
                Q_EMIT resultsRequested(false);
                return true;
            default:
                break;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SearchBar::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        refreshIcon();
    } else if (event->type() == QEvent::FontChange) {
        m_wide->setFont(RowStyle::captionFont(font()));
    }
}

void SearchBar::retranslate()
{
    m_edit->setPlaceholderText(localizedString(QStringLiteral("search.placeholder")));
    m_edit->setAccessibleName(localizedString(QStringLiteral("search.placeholder")));
    m_wide->setText(localizedString(QStringLiteral("search.allLists")));
    m_wide->setToolTip(localizedString(QStringLiteral("search.allLists.help")));
    m_wide->setAccessibleDescription(localizedString(QStringLiteral("search.allLists.help")));
}

void SearchBar::refreshIcon()
{
    m_icon->setIcon(SymbolIcons::icon(QStringLiteral("magnifyingglass"), RowStyle::secondaryText(palette())));
}

} // namespace tolvik
