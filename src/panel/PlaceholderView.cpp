#include "panel/PlaceholderView.h"

#include "appearance/LocalizationManager.h"
#include "appearance/SymbolIcons.h"
#include "rows/RowStyle.h"

#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace tolvik {

PlaceholderContent placeholderContent(Placeholder placeholder)
{
    const QString openSettings = QStringLiteral("button.openSystemSettings");
    switch (placeholder) {
    case Placeholder::requestAccess:
        return {QStringLiteral("lock.open"), QStringLiteral("placeholder.requestAccessTitle"),
                QStringLiteral("placeholder.requestAccessMessage"), QStringLiteral("button.grantPermission")};
    case Placeholder::readAccess:
        return {QStringLiteral("square.and.pencil"), QStringLiteral("placeholder.readAccessTitle"),
                QStringLiteral("placeholder.readAccessMessage"), openSettings};
    case Placeholder::permissionRequired:
        return {QStringLiteral("exclamationmark.shield"), QStringLiteral("placeholder.permissionRequiredTitle"),
                QStringLiteral("placeholder.permissionRequiredMessage"), openSettings};
    case Placeholder::noLists:
        return {QStringLiteral("tray"), QStringLiteral("placeholder.noListsTitle"),
                QStringLiteral("placeholder.noListsMessage"), QStringLiteral("button.openSettings")};
    case Placeholder::allCaughtUp:
        break;
    }
    // Empty lists show no sections and so no add buttons: without this one a first reminder could not be added.
    return {QStringLiteral("checkmark.circle"), QStringLiteral("placeholder.allCaughtUpTitle"),
            QStringLiteral("placeholder.allCaughtUpMessage"), QStringLiteral("button.newReminder")};
}

PlaceholderView::PlaceholderView(QWidget* parent)
    : QWidget(parent)
    , m_symbol(new QLabel(this))
    , m_title(new QLabel(this))
    , m_message(new QLabel(this))
    , m_button(new QPushButton(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, verticalPadding, 0, verticalPadding);
    layout->setSpacing(spacing);
    m_symbol->setAlignment(Qt::AlignCenter);
    m_symbol->setFixedHeight(symbolSize);
    for (QLabel* label : {m_title, m_message}) {
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(true);
        label->setTextFormat(Qt::PlainText);
    }
    m_button->setDefault(true);
    m_button->setAutoDefault(false);
    m_button->setCursor(Qt::PointingHandCursor);
    layout->addWidget(m_symbol);
    layout->addWidget(m_title);
    layout->addWidget(m_message);
    layout->addWidget(m_button, 0, Qt::AlignHCenter);
    connect(m_button, &QPushButton::clicked, this, [this] { Q_EMIT buttonClicked(m_placeholder); });
    setPlaceholder(Placeholder::noLists);
}

void PlaceholderView::chooseList(const QList<ReminderList>& lists)
{
    delete m_listMenu;
    m_listMenu = new QMenu(this);
    const int side = fontMetrics().height() / 2 + 2;
    for (const ReminderList& list : lists) {
        QPixmap dot(QSize(side, side) * devicePixelRatioF());
        dot.setDevicePixelRatio(devicePixelRatioF());
        dot.fill(Qt::transparent);
        QPainter painter(&dot);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(list.color);
        painter.drawEllipse(QRectF(0, 0, side, side));
        painter.end();
        // A menu reads "&" as a shortcut marker; a list's name is shown as the store has it.
        QString name = list.name;
        name.replace(QLatin1Char('&'), QStringLiteral("&&"));
        const QString id = list.id;
        connect(m_listMenu->addAction(QIcon(dot), name), &QAction::triggered, this,
                [this, id] { Q_EMIT listChosen(id); });
    }
    m_listMenu->popup(m_button->mapToGlobal(QPoint(0, m_button->height())));
}

void PlaceholderView::setPlaceholder(Placeholder placeholder)
{
    m_placeholder = placeholder;
    m_button->setVisible(placeholderContent(placeholder).buttonKey.has_value());
    refreshSymbol();
    refreshTexts();
}

void PlaceholderView::refreshTexts()
{
    const PlaceholderContent content = placeholderContent(m_placeholder);
    m_title->setText(localizedString(content.titleKey));
    m_message->setText(localizedString(content.messageKey));
    if (content.buttonKey) {
        m_button->setText(localizedString(*content.buttonKey));
    }
}

void PlaceholderView::refreshSymbol()
{
    const QColor dimmed = RowStyle::secondaryText(palette());
    m_symbol->setPixmap(SymbolIcons::pixmap(placeholderContent(m_placeholder).symbol, dimmed,
                                            QSize(symbolSize, symbolSize), devicePixelRatioF()));
    m_message->setFont(RowStyle::captionFont(font()));
    QPalette messagePalette = m_message->palette();
    messagePalette.setColor(QPalette::WindowText, dimmed);
    m_message->setPalette(messagePalette);
}

void PlaceholderView::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange) {
        refreshSymbol();
    }
}

} // namespace tolvik
