// A reminder changed on two devices: the row's sub-menu that shows the other version and chooses between the two.
#include "rows/ReminderRow.h"

#include "appearance/DateTexts.h"
#include "appearance/LocalizationManager.h"
#include "model/RemindersViewModel.h"

#include <QMenu>
#include <QPointer>

namespace tolvik {

namespace {

/// One line of a menu: line breaks read as spaces, an ampersand stays a character, and a long text is cut.
QString menuLine(const QString& text)
{
    constexpr qsizetype longest = 60;
    QString line = text.simplified();
    if (line.size() > longest) {
        line = line.left(longest - 1) + QChar(0x2026);
    }
    line.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return line;
}

/// What the other version says where it differs from this one, one menu line each; its title always.
QStringList differences(const ReminderItem& mine, const ReminderItem& other)
{
    QStringList lines{localizedString(QStringLiteral("twoDevices.other")).arg(menuLine(other.title))};
    if (mine.dueDate != other.dueDate || mine.dueIsAllDay != other.dueIsAllDay) {
        lines.append(other.dueDate ? localizedString(QStringLiteral("panel.a11y.rowDue"))
                                         .arg(other.dueIsAllDay ? DateTexts::rowDueDay(other.dueDate->date())
                                                                : DateTexts::rowDueDate(*other.dueDate))
                                   : localizedString(QStringLiteral("panel.a11y.rowNoDue")));
    }
    if (mine.notes.value_or(QString()) != other.notes.value_or(QString()) && other.notes) {
        lines.append(localizedString(QStringLiteral("twoDevices.otherNotes")).arg(menuLine(*other.notes)));
    }
    if (mine.isCompleted != other.isCompleted) {
        lines.append(localizedString(other.isCompleted ? QStringLiteral("twoDevices.otherCompleted")
                                                       : QStringLiteral("twoDevices.otherOpen")));
    }
    return lines;
}

} // namespace

void ReminderRow::addVersionActions(QMenu* menu)
{
    if (m_model == nullptr || !m_model->hasOtherVersion(m_reminder)) {
        return;
    }
    menu->addSeparator();
    QMenu* versions = menu->addMenu(localizedString(QStringLiteral("twoDevices.menu")));
    versions->menuAction()->setObjectName(QStringLiteral("twoDevicesMenu"));
    versions->setPalette(menu->palette());
    const std::optional<ReminderItem> other = m_model->otherVersion(m_reminder);
    // The other version's words are information, not commands.
    for (const QString& line : other ? differences(m_reminder, *other) : QStringList()) {
        versions->addAction(line)->setEnabled(false);
    }
    versions->addSeparator();
    QPointer<RemindersViewModel> model = m_model;
    const ReminderItem reminder = m_reminder;
    QAction* keep = versions->addAction(localizedString(QStringLiteral("twoDevices.keepThis")));
    keep->setObjectName(QStringLiteral("keepThisVersion"));
    connect(keep, &QAction::triggered, this, [model, reminder] {
        if (model) {
            model->keepThisVersion(reminder);
        }
    });
    QAction* use = versions->addAction(localizedString(QStringLiteral("twoDevices.useOther")));
    use->setObjectName(QStringLiteral("useOtherVersion"));
    // An unreadable other version is never written over a readable one.
    use->setEnabled(other.has_value());
    connect(use, &QAction::triggered, this, [model, reminder] {
        if (model) {
            model->useOtherVersion(reminder);
        }
    });
}

} // namespace tolvik
