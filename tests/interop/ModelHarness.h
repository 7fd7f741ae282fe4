#pragma once

#include "appearance/Preferences.h"
#include "model/RemindersViewModel.h"
#include "store/VdirStore.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace tolvik::interop {

/// The real model on the real store at `root`, with its own preferences file and no timeframe limit, so that
/// every open reminder is published whatever its due date.
class ModelHarness
{
public:
    ModelHarness(const QString& root, const QString& preferencesPath);
    ~ModelHarness();

    RemindersViewModel& model() { return *m_model; }
    VdirStore& store() { return *m_store; }

    /// Re-reads the folders and waits for the model to publish them.
    void refresh();
    /// The open reminder with that title, or nothing.
    std::optional<ReminderItem> reminder(const QString& title) const;
    /// The id of the open reminder with that title; empty when there is none.
    QString idOf(const QString& title) const;
    /// The path of a reminder's file, from its id (list id / file name).
    QString pathOf(const QString& reminderID) const;

    /// Adds a reminder and waits; returns the model's error text, empty on success.
    QString add(const QString& title, const QString& listID, std::optional<QDateTime> due = std::nullopt,
                std::optional<QString> notes = std::nullopt, int priority = 0,
                RecurrenceOption recurrence = RecurrenceOption::none);
    /// Runs one of the model's mutations to its end; returns the model's error text, empty on success.
    QString wait(QCoro::Task<> task);
    QString wait(QCoro::Task<bool> task);
    QString wait(QCoro::Task<std::optional<UndoableChange>> task);

private:
    QString m_root;
    std::unique_ptr<Preferences> m_preferences;
    RemindersViewModel* m_model = nullptr;
    VdirStore* m_store = nullptr;
};

/// Every `.ics` file name in a folder, sorted.
QStringList icsFiles(const QString& folder);

} // namespace tolvik::interop
