// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/satellite_model.hpp"

#include <cmath>

#include "angle_arithmetic.hpp"
#include "model/angles.hpp"
#include "model/floating_point_guard.hpp"
#include "model_arithmetic.hpp"

namespace ephemeris {
namespace {

struct UniversalTimeFields {
    double year;
    double month;
    double day;
    double hours;  // hour + minute / 60
};

// The UT instant rounded to the nearest second, halves up (std::chrono::round
// would take them to even), then read to the minute: a whole-minute instant
// keeps its minute, and seconds are dropped.
UniversalTimeFields SplitToMinute(UniversalTime ut) {
    using namespace std::chrono;
    // The days of the years std::chrono::year holds, less the half second the rounding may add.
    constexpr sys_days kFirstDay{year::min() / January / 1};
    constexpr sys_days kDayAfterLast = sys_days{year::max() / December / 31} + days{1};
    if (ut < kFirstDay || ut >= kDayAfterLast - milliseconds(500)) {
        throw ArithmeticFault("ComputeSatelliteOffsets", ArithmeticFault::Condition::Overflow);
    }
    const sys_time<minutes> minute = floor<minutes>(floor<seconds>(ut + milliseconds(500)));
    const sys_days day = floor<days>(minute);
    const year_month_day date{day};
    const hh_mm_ss time{minute - day};
    return {static_cast<double>(static_cast<int>(date.year())), static_cast<double>(static_cast<unsigned>(date.month())),
            static_cast<double>(static_cast<unsigned>(date.day())),
            static_cast<double>(time.hours().count()) + static_cast<double>(time.minutes().count()) / 60.0};
}

}  // namespace

namespace detail {

// Every statement in the order and grouping of the model's own formulation;
// doubled angles are sums and squares go through pow so that results agree to
// the last bits with other implementations of it.
SatelliteOffsets SatelliteModel(double d) {
    const double k = DegToRad;

    // Earth and Jupiter.
    const double Mo = NormalizeRadians((d * 0.9856003 + 357.529) * k);
    const double V = (d * 0.00111588 + 172.74) * k;
    const double s = std::sin(V) * 0.329 * k;
    const double Nj = NormalizeRadians((d * 0.0830853 + 20.02) * k + s);
    const double J = NormalizeRadians((d * 0.9025179 + 66.115) * k - s);
    const double A = (std::sin(Mo) * 1.915 + std::sin(Mo + Mo) * 0.02) * k;
    const double B = (std::sin(Nj) * 5.555 + std::sin(Nj + Nj) * 0.168) * k;
    const double K = A + J - B;
    const double R = 1.00014 - std::cos(Mo) * 0.01671 - std::cos(Mo + Mo) * 0.00014;
    const double r = 5.20872 - std::cos(Nj) * 0.25208 - std::cos(Nj + Nj) * 0.00611;
    const double Delta = std::sqrt(std::pow(r, 2) + std::pow(R, 2) - R * 2 * r * std::cos(K));
    const double psi = ArcSine(R / Delta * std::sin(K));

    // Satellites, at the light-time corrected day number.
    const double tl = d - Delta / 173;
    const double u1 = NormalizeRadians((tl * 203.4058643 + 163.8067) * k + psi - B);
    const double u2 = NormalizeRadians((tl * 101.2916334 + 358.4108) * k + psi - B);
    const double u3 = NormalizeRadians((tl * 50.2345179 + 5.7129) * k + psi - B);
    const double u4 = NormalizeRadians((tl * 21.4879801 + 224.8151) * k + psi - B);
    const double G = NormalizeRadians((tl * 50.310482 + 331.18) * k);
    const double Hh = NormalizeRadians((tl * 21.569231 + 87.4) * k);
    const double u12 = u1 - u2;
    const double u23 = u2 - u3;
    const double r1 = 5.9073 - std::cos(u12 + u12) * 0.0244;
    const double r2 = 9.3991 - std::cos(u23 + u23) * 0.0882;
    const double r3 = 14.9924 - std::cos(G) * 0.0216;
    const double r4 = 26.3699 - std::cos(Hh) * 0.1935;

    return {std::sin(u1) * r1, std::sin(u2) * r2, std::sin(u3) * r3, std::sin(u4) * r4, Delta};
}

}  // namespace detail

SatelliteOffsets ComputeSatelliteOffsets(Instant t) {
    return ComputeSatelliteOffsets(UniversalTime{LocalToUT(t).time_since_epoch()});
}

SatelliteOffsets ComputeSatelliteOffsets(UniversalTime t) {
    const UniversalTimeFields ut = SplitToMinute(t);
    detail::FloatingPointGuard guard;
    double d = DaysSinceJ2000(ut.year, ut.month, ut.day, ut.hours);
    detail::Materialize(d);
    SatelliteOffsets offsets = detail::SatelliteModel(d);
    detail::Materialize(offsets);
    guard.Finish("ComputeSatelliteOffsets");
    return offsets;
}

}  // namespace ephemeris
