#pragma once

#include <QColor>
#include <QString>

namespace tolvik {

/// One reminder list, as the store held it at the last load.
struct ReminderList
{
    QString id;
    QString name;
    QColor color;
    QString accountID;
    QString accountName;

    friend bool operator==(const ReminderList&, const ReminderList&) = default;
};

} // namespace tolvik
