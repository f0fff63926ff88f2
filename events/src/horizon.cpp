// SPDX-License-Identifier: GPL-3.0-or-later
#include "horizon.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "theory/erfa_library.hpp"
#include "theory/jupiter_geometry.hpp"

namespace ephemeris::detail {
namespace {

constexpr double kDegree = std::numbers::pi / 180.0;
constexpr double kLowFormulaBelow = 15.0;  // degrees: ERFA's two terms above, Saemundsson's below
constexpr double kLowestRefracted = -1.0;  // degrees: below the horizon, refraction is held at this altitude's
constexpr double kPressure = 1013.25;      // hPa
constexpr double kCelsius = 10.0;

struct Refraction {
    double a = 0.0;
    double b = 0.0;
    Refraction() { Erfa().refco(kPressure, kCelsius, 0.5, 0.55, &a, &b); }
};

}  // namespace

Horizon::Position Horizon::Of(const Vector3& direction, double observerDays) {
    if (const double day = std::floor(observerDays); frame_.day != day) {
        frame_.day = day;
        Erfa().pnm00b(kJ2000, day, frame_.rotation);
        frame_.equinoxes = Erfa().ee00b(kJ2000, day);
    }
    const double siderealTime = Erfa().gmst06(kJ2000, UniversalDays(observerDays), kJ2000, observerDays) + frame_.equinoxes;
    double in[3] = {direction[0], direction[1], direction[2]};
    double ofDate[3];
    Erfa().rxp(frame_.rotation, in, ofDate);
    double rightAscension = 0.0;
    double declination = 0.0;
    Erfa().c2s(ofDate, &rightAscension, &declination);
    return {Erfa().anpm(siderealTime + place_.longitude * kDegree - rightAscension), declination};
}

double Horizon::Altitude(const Position& position) const {
    const double latitude = place_.latitude * kDegree;
    return std::asin(std::sin(latitude) * std::sin(position.declination) +
                     std::cos(latitude) * std::cos(position.declination) * std::cos(position.hourAngle)) /
           kDegree;
}

double Horizon::Refracted(double altitude) {
    if (altitude < kLowFormulaBelow) {
        // Saemundsson (Sky and Telescope 72, 70, 1986), Meeus's Astronomical
        // Algorithms (16.4): R = 1.02' cot(h + 10.3 / (h + 5.11)) for a true
        // altitude h, at 1010 hPa and 10 degrees C, scaled to the pressure here.
        const double h = std::max(altitude, kLowestRefracted);
        const double arcminutes = 1.02 / std::tan((h + 10.3 / (h + 5.11)) * kDegree) * (kPressure / 1010.0);
        return altitude + arcminutes / 60.0;
    }
    static const Refraction refraction;
    const double tangent = 1.0 / std::tan(altitude * kDegree);  // of the zenith distance
    return altitude + (refraction.a + refraction.b * tangent * tangent) * tangent / kDegree;
}

}  // namespace ephemeris::detail
