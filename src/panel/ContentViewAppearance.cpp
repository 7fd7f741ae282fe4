// The panel's looks and size: the stored view preferences, the material it paints, and the measured heights the
// window's size follows.
#include "panel/ContentView.h"

#include "appearance/MenuSizeOption.h"
#include "appearance/Preferences.h"
#include "panel/PanelFooter.h"
#include "panel/PanelHeader.h"
#include "panel/PanelSizing.h"
#include "panel/QuickAddField.h"
#include "panel/SearchBar.h"
#include "panel/UndoBar.h"

#include <QLayout>
#include <QPainter>
#include <QTimer>

namespace tolvik {

namespace {

constexpr int cornerRadius = 12;

/// Drops every cached size hint under `root`, deepest first. Qt refreshes these only while a widget is visible, so
/// a panel that changed while closed would otherwise measure its old content.
void refreshSizeHints(QWidget* root)
{
    const QList<QWidget*> descendants = root->findChildren<QWidget*>();
    for (auto it = descendants.crbegin(); it != descendants.crend(); ++it) {
        if (QLayout* layout = (*it)->layout()) {
            layout->invalidate();
        }
        (*it)->updateGeometry();
    }
    if (root->layout() != nullptr) {
        root->layout()->invalidate();
    }
}

} // namespace

QString ContentView::storedString(const QString& key, const QString& fallback) const
{
    return Preferences::shared().string(key, fallback);
}

QString ContentView::selectedAccountIDsRaw() const
{
    return storedString(PreferenceKey::selectedAccountIDs, QString());
}

QString ContentView::selectedListIDsRaw() const
{
    return storedString(PreferenceKey::selectedListIDs, QString());
}

QString ContentView::menuSizeRaw() const
{
    return storedString(PreferenceKey::menuSizePreference, QStringLiteral("standard"));
}

QString ContentView::menuTransparencyRaw() const
{
    return storedString(PreferenceKey::menuTransparencyPreference, QStringLiteral("high"));
}

QString ContentView::themeRaw() const
{
    return storedString(PreferenceKey::themePreference, QStringLiteral("system"));
}

QString ContentView::languageRaw() const
{
    return storedString(PreferenceKey::languagePreference, QStringLiteral("system"));
}

int ContentView::panelWidth() const
{
    return tolvik::panelWidth(menuSizeOptionFromStored(menuSizeRaw()));
}

qreal ContentView::panelHeight(std::optional<qreal> availableScreenHeight) const
{
    return PanelSizing::panelHeight(m_headerHeight, m_footerHeight, m_listContentHeight, availableScreenHeight);
}

Material ContentView::material() const
{
    return tolvik::material(menuTransparencyOptionFromStored(menuTransparencyRaw()));
}

AppTheme ContentView::theme() const
{
    return appThemeFromStored(themeRaw());
}

void ContentView::setOpaqueBackground(bool opaque)
{
    m_opaqueBackground = opaque;
    update();
}

void ContentView::measureIfPending()
{
    if (m_measurePending || m_sizeHintsStale) {
        measure();
    }
}

void ContentView::scheduleMeasure()
{
    if (m_measurePending) {
        return;
    }
    m_measurePending = true;
    // The list content is measured on the next turn, once the current layout pass is over.
    QTimer::singleShot(0, this, &ContentView::measure);
}

void ContentView::measure()
{
    m_measurePending = false;
    if (m_sizeHintsStale) {
        refreshSizeHints(m_listContent);
        m_sizeHintsStale = false;
    }
    const int contentWidth = panelWidth() - 2 * PanelSizing::margin;
    const auto heightOf = [contentWidth](QWidget* widget) -> qreal {
        QLayout* layout = widget->layout();
        if (layout == nullptr) {
            return widget->sizeHint().height();
        }
        layout->activate();
        return layout->hasHeightForWidth() ? layout->totalHeightForWidth(contentWidth)
                                           : layout->totalSizeHint().height();
    };
    // The search and quick-add fields sit under the header and count with it, each one gap below the last.
    qreal header = heightOf(m_header);
    for (QWidget* field : {static_cast<QWidget*>(m_search), static_cast<QWidget*>(m_quickAdd)}) {
        header += field->isVisibleTo(this) ? PanelSizing::spacing + heightOf(field) : 0;
    }
    // The undo bar sits on the footer and counts with it, one gap apart.
    const qreal footer =
        heightOf(m_footer) + (m_undoBar->isVisibleTo(this) ? PanelSizing::spacing + heightOf(m_undoBar) : 0);
    const qreal list = heightOf(m_listContent);
    const bool listChanged = !qFuzzyCompare(list + 1, m_listContentHeight + 1);
    const bool framingChanged = !qFuzzyCompare(header + 1, m_headerHeight + 1) ||
                                !qFuzzyCompare(footer + 1, m_footerHeight + 1) || m_lastWidth != panelWidth();
    m_headerHeight = header;
    m_footerHeight = footer;
    m_listContentHeight = list;
    m_lastWidth = panelWidth();
    if (listChanged || framingChanged) {
        Q_EMIT panelSizeChanged(listChanged && !framingChanged);
    }
}

void ContentView::applyAppearance()
{
    ThemePalette::apply(window(), theme());
    if (window() != this) {
        ThemePalette::apply(this, theme());
    }
    update();
    refreshNoMatchesLabel();
    scheduleMeasure();
}

void ContentView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (m_opaqueBackground) {
        painter.fillRect(rect(), palette().color(QPalette::Window));
        return;
    }
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(rect(), Qt::transparent);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QPen(palette().color(QPalette::Mid), 1));
    painter.setBrush(materialFill(material(), palette()));
    painter.drawRoundedRect(box, cornerRadius, cornerRadius);
}

} // namespace tolvik
