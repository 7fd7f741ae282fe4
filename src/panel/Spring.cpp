#include "panel/Spring.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tolvik {

double Spring::value(double seconds) const
{
    if (seconds <= 0 || response <= 0) {
        return seconds <= 0 ? 0.0 : 1.0;
    }
    const double omega = 2 * std::numbers::pi / response;
    const double zeta = std::max(0.0, damping);
    if (zeta >= 1.0) {
        // Critically damped: the fastest curve that does not overshoot.
        return 1.0 - std::exp(-omega * seconds) * (1.0 + omega * seconds);
    }
    const double dampedOmega = omega * std::sqrt(1.0 - zeta * zeta);
    const double decay = std::exp(-zeta * omega * seconds);
    return 1.0 -
           decay * (std::cos(dampedOmega * seconds) + zeta * omega / dampedOmega * std::sin(dampedOmega * seconds));
}

int Spring::settleMilliseconds() const
{
    if (response <= 0) {
        return 0;
    }
    const double omega = 2 * std::numbers::pi / response;
    const double zeta = std::clamp(damping, 0.05, 1.0);
    // The envelope e^(-zeta*omega*t) (with its amplitude factor) falls below 1e-3.
    const double seconds = std::log(1000.0 / std::sqrt(1.0 - std::min(zeta * zeta, 0.99))) / (zeta * omega);
    return static_cast<int>(std::ceil(seconds * 1000));
}

} // namespace tolvik
