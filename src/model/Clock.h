#pragma once

#include <QDateTime>

#include <functional>

namespace tolvik {

/// Where the model reads "now"; tests hand in a fixed moment.
using Clock = std::function<QDateTime()>;

/// The system clock.
inline Clock systemClock()
{
    return [] { return QDateTime::currentDateTime(); };
}

} // namespace tolvik
