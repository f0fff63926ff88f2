// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

namespace ephemeris {

// The four great moons, in their order from Jupiter.
enum class Moon { Io, Europa, Ganymede, Callisto };
inline constexpr std::array<Moon, 4> kMoons{Moon::Io, Moon::Europa, Moon::Ganymede, Moon::Callisto};

// A position and velocity relative to Jupiter's centre: au and au a day, on the
// axes of the Earth's mean equator and equinox of J2000 (the ICRF's, to within
// the frame bias of 0.02 arcseconds).
struct StateVector {
    std::array<double, 3> position{};
    std::array<double, 3> velocity{};
};

// The precise theory of the four moons: L1.2 (Duriez, Lainey & Vienne, IMCCE,
// 2006), with every periodic term and the Chebyshev corrections of very long
// period, fitted to observations from 1891 to 2003. Its positions agree with
// JPL's jup365 ephemeris within about 400 km.
//
// `julianDateTT` is a Julian date in Terrestrial Time (the theory's time; TDB
// differs by less than 2 ms). The result is geometric: where the moon is at that
// instant, without light time. The theory is stated for the years 1140 to 2760;
// beyond the span of its Chebyshev corrections (about 1130 to 2762), where they
// would diverge, this throws std::domain_error. Pure.
StateVector JovicentricState(Moon moon, double julianDateTT);

}  // namespace ephemeris
