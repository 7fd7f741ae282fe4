#include "ModelHarness.h"

#include <QCoro/QCoroTask>
#include <QDir>
#include <QUrl>

namespace tolvik::interop {

ModelHarness::ModelHarness(const QString& root, const QString& preferencesPath)
    : m_root(root)
    , m_preferences(std::make_unique<Preferences>(preferencesPath))
{
    m_preferences->setInteger(PreferenceKey::reminderTimeframe, rawValue(ReminderTimeframe::unlimited));
    m_store = new VdirStore(root);
    m_model = new RemindersViewModel(m_store, *m_preferences);
}

ModelHarness::~ModelHarness()
{
    // The model owns the store; the preferences must outlive the model.
    delete m_model;
}

void ModelHarness::refresh()
{
    QCoro::waitFor(m_model->refresh());
}

std::optional<ReminderItem> ModelHarness::reminder(const QString& title) const
{
    for (const ReminderItem& item : m_model->reminders()) {
        if (item.title == title) {
            return item;
        }
    }
    return std::nullopt;
}

QString ModelHarness::idOf(const QString& title) const
{
    const std::optional<ReminderItem> item = reminder(title);
    return item ? item->id : QString();
}

QString ModelHarness::pathOf(const QString& reminderID) const
{
    // Ids percent-encode '%' and ','; the file names these tests meet hold neither, except todoman's '@'.
    return m_root + QLatin1Char('/') + QUrl::fromPercentEncoding(reminderID.toUtf8());
}

QString ModelHarness::add(const QString& title, const QString& listID, std::optional<QDateTime> due,
                          std::optional<QString> notes, int priority, RecurrenceOption recurrence)
{
    return wait(m_model->addReminder(title, std::move(notes), std::move(due), priority, recurrence, listID));
}

QString ModelHarness::wait(QCoro::Task<> task)
{
    QCoro::waitFor(std::move(task));
    return m_model->lastOperationError().value_or(QString());
}

QString ModelHarness::wait(QCoro::Task<bool> task)
{
    QCoro::waitFor(std::move(task));
    return m_model->lastOperationError().value_or(QString());
}

QString ModelHarness::wait(QCoro::Task<std::optional<UndoableChange>> task)
{
    QCoro::waitFor(std::move(task));
    return m_model->lastOperationError().value_or(QString());
}

QStringList icsFiles(const QString& folder)
{
    QStringList names = QDir(folder).entryList({QStringLiteral("*.ics")}, QDir::Files, QDir::Name);
    return names;
}

} // namespace tolvik::interop
