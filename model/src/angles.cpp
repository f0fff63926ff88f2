// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/angles.hpp"

#include "angle_arithmetic.hpp"
#include "model/floating_point_guard.hpp"

namespace ephemeris {
namespace {

// A quiet NaN passes through IEEE arithmetic without raising a flag; taking
// its integer part or its sign is the invalid operation the model faults on.
void RejectNaN(double x, const char* routine) {
    if (std::isnan(x)) {
        throw ArithmeticFault(routine, ArithmeticFault::Condition::InvalidOperation);
    }
}

template <typename Routine>
double Guarded(double x, const char* name, Routine routine) {
    RejectNaN(x, name);
    detail::FloatingPointGuard guard;
    detail::Materialize(x);
    double y = routine(x);
    detail::Materialize(y);
    guard.Finish(name);
    return y;
}

}  // namespace

double TruncateToInteger(double x) {
    return Guarded(x, "TruncateToInteger", detail::TruncateToInteger);
}

double NormalizeRadians(double x) {
    return Guarded(x, "NormalizeRadians", detail::NormalizeRadians);
}

double ArcSine(double x) {
    return Guarded(x, "ArcSine", detail::ArcSine);
}

}  // namespace ephemeris
