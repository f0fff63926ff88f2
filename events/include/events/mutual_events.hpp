// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/time_base.hpp"
#include "theory/galilean_theory.hpp"

namespace ephemeris {

// The moons' mean radii (km, NASA's Jovian Satellite Fact Sheet), as the
// campaigns that time their mutual events use them.
inline constexpr std::array<double, 4> kMoonRadiiKm{1821.6, 1560.8, 2631.2, 2410.3};

// One moon hiding another from the Earth, or shading it from the Sun.
enum class MutualKind : std::uint8_t {
    Occultation,  // AoB: A in front of B as seen from the Earth, each at its own light time
    Eclipse,      // AeB: A's shadow on B, as the Sun sees them
};

// How A covers B at the maximum: in part; inside B's disc (A's disc within
// it, or B wholly within the shadow's antumbra, where the Sun shows round A);
// or wholly (B covered, or wholly in the umbra).
enum class MutualShape : std::uint8_t { Partial, Annular, Total };

struct MutualEvent {
    Moon active;   // A: in front, or casting the shadow
    Moon passive;  // B: the moon that loses light
    MutualKind kind;
    MutualShape shape;
    // The outer contacts (the discs touching; for an eclipse, B touching the
    // penumbra) and the maximum, when the centres come closest.
    UniversalTime begin;
    UniversalTime maximum;
    UniversalTime end;
    // An eclipse's contacts with the umbra, where B enters it.
    std::optional<UniversalTime> umbraBegin;
    std::optional<UniversalTime> umbraEnd;
    // The fraction of B's light lost at the maximum, B a uniform disc: for an
    // eclipse, the part of the Sun each point of B still sees, averaged over B.
    double depth = 0.0;
    // Minutes a contact moves for 100 km of error in the moons' positions, at
    // the slower contact: a minute or more marks a slow, sensitive event.
    double minutesPer100Km = 0.0;
    // At the maximum: B within a Jupiter radius of the limb, where the
    // planet's glare troubles a measure of its light.
    bool nearLimb = false;
    // At the maximum B, or for an occultation A, is behind Jupiter or in its
    // shadow, where nothing of the event can be measured.
    bool hidden = false;

    bool operator==(const MutualEvent&) const = default;
};

// The code the published tables use: A's and B's numbers (1 Io .. 4 Callisto),
// O or E, and the shape at the maximum: "2O1P", "3E4T".
std::string MutualCode(const MutualEvent& event);

// Every mutual occultation and eclipse of the four moons whose begin falls
// from `from` until just before `until` (UT), in order of begin, those that
// cannot be seen (hidden, or under 1 % deep) included. Geometry of
// ComputePreciseView; the Sun a disc of 695700 km. No event is missed, however
// short: each close approach of two moons, or of one and another's shadow, is
// found first and its contacts after; approaches whose discs never part are
// one event. Throws OutsidePreciseYears unless both ends lie within 1600-2500,
// and ArithmeticFault if the arithmetic raises invalid operation, division by
// zero or overflow.
std::vector<MutualEvent> FindMutualEvents(UniversalTime from, UniversalTime until);

// Whether an event is worth listing: seen (not hidden) and at least 1 % deep.
bool Noticeable(const MutualEvent& event);

}  // namespace ephemeris
