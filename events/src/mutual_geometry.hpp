// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <unordered_map>

#include "theory/galilean_theory.hpp"
#include "theory/jupiter_geometry.hpp"

namespace ephemeris::detail {

// The four moons' states from the theory at hourly nodes of TT, interpolated
// between (0.5 km at Io): a search evaluates its geometry hundreds of times an
// hour of sky, and the series cost 3 us a moon.
class MoonStates {
public:
    StateVector At(Moon moon, double days);  // days of TT since J2000.0

private:
    const std::array<StateVector, 4>& Node(std::int64_t index);

    std::unordered_map<std::int64_t, std::array<StateVector, 4>> nodes_;
};

// How long, in minutes, a stretch's slower contact takes to move the gap by
// 100 km (days of the observer's clock in, km out): an error of 100 km in
// the moons' places moves that contact so much. Infinite where the gap does
// not change there.
double MinutesPer100Km(const std::function<double(double)>& gap, double begin, double end);

// The four moons at one instant of the observer's clock, as the Earth sees them.
struct Scene {
    JupiterSystem::Planet planet;
    std::array<StateVector, 4> states;  // when Jupiter's light left
    std::array<Emitted, 4> seen;

    [[nodiscard]] Vector3 FromEarth(Moon moon) const { return Seen(moon).barycentric - planet.earth; }
    [[nodiscard]] const Emitted& Seen(Moon moon) const { return seen[static_cast<std::size_t>(moon)]; }
};

// What the mutual events' search sees of the moons.
class MutualGeometry {
public:
    Scene SceneAt(double observerDays);
    // For each pair, Io-Europa, Io-Ganymede, Io-Callisto, Europa-Ganymede,
    // Europa-Callisto, Ganymede-Callisto, the gap (km) between the two discs as
    // the Earth sees them, then between one's disc and the other's penumbra:
    // negative while one covers or shades the other.
    std::array<double, 12> Gaps(double observerDays);
    // The Earth, the Sun and Jupiter it uses, for the search's other questions
    // (is a moon behind the disc?) to share their daily nodes.
    JupiterSystem& System() { return system_; }

private:
    JupiterSystem system_;
    MoonStates states_;
};

}  // namespace ephemeris::detail
