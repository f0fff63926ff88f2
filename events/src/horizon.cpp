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
constexpr double kLowestRefracted = 0.05;  // sine of the altitude below which refraction is held

struct Refraction {
    double a = 0.0;
    double b = 0.0;
    Refraction() { Erfa().refco(1013.25, 10.0, 0.5, 0.55, &a, &b); }
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
    static const Refraction refraction;
    const double sine = std::max(std::sin(altitude * kDegree), kLowestRefracted);
    const double tangent = std::sqrt(1.0 - sine * sine) / sine;  // of the zenith distance
    return altitude + (refraction.a + refraction.b * tangent * tangent) * tangent / kDegree;
}

}  // namespace ephemeris::detail
