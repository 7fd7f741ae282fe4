#pragma once

#include <QString>

namespace tolvik {

/// An account that owns reminder lists, as the store held it at the last load.
struct ReminderAccount
{
    QString id;
    QString name;

    friend bool operator==(const ReminderAccount&, const ReminderAccount&) = default;
};

} // namespace tolvik
