// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <unordered_map>
#include <utility>

#include "events/mutual_events.hpp"
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

// The six pairs of moons, each with its gaps at GapIndex: two discs' and a
// disc's and a shadow's.
inline constexpr std::array<std::pair<Moon, Moon>, 6> kPairs{{{Moon::Io, Moon::Europa},
                                                              {Moon::Io, Moon::Ganymede},
                                                              {Moon::Io, Moon::Callisto},
                                                              {Moon::Europa, Moon::Ganymede},
                                                              {Moon::Europa, Moon::Callisto},
                                                              {Moon::Ganymede, Moon::Callisto}}};

// Where the gaps of the two moons a and b (either way round) stand in Gaps().
constexpr std::size_t GapIndex(Moon a, Moon b, MutualKind kind) {
    std::size_t pair = 0;
    while (pair + 1 < kPairs.size() && kPairs[pair] != std::pair{a, b} && kPairs[pair] != std::pair{b, a}) {
        ++pair;
    }
    return 2 * pair + (kind == MutualKind::Eclipse ? 1 : 0);
}
static_assert([] {
    std::array<bool, 2 * kPairs.size()> taken{};
    for (const auto& [a, b] : kPairs) {
        for (const MutualKind kind : {MutualKind::Occultation, MutualKind::Eclipse}) {
            const std::size_t index = GapIndex(a, b, kind);
            if (index >= taken.size() || taken[index] || GapIndex(b, a, kind) != index) {
                return false;
            }
            taken[index] = true;
        }
    }
    return true;
}(), "each pair's two gaps have places of their own");

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
    // For each pair, at GapIndex, the gap (km) between the two discs as the
    // Earth sees them and between one's disc and the other's penumbra:
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
