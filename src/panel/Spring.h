#pragma once

namespace tolvik {

/// A damped spring described the way designers tune it: `response` is the period of the undamped oscillation in
/// seconds and `damping` the damping ratio (1 settles without overshoot, below 1 overshoots a little).
struct Spring
{
    double response;
    double damping;

    /// Progress from 0 towards 1 after `seconds`, starting at rest.
    double value(double seconds) const;
    /// How long until the spring stays within a thousandth of its target, in milliseconds.
    int settleMilliseconds() const;
};

inline constexpr Spring appearSpring{0.35, 0.7};
inline constexpr Spring heightSpring{0.3, 0.8};

} // namespace tolvik
