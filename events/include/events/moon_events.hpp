// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/time_base.hpp"
#include "theory/galilean_theory.hpp"
#include "theory/jupiter_system.hpp"

namespace ephemeris {

// What happens to a moon, or its shadow, at the edge of Jupiter's disc or shadow.
enum class EventKind : std::uint8_t {
    TransitIngress,            // Tr.I: the moon's centre comes onto the sunlit disc
    TransitEgress,             // Tr.E: and leaves it
    ShadowIngress,             // Sh.I: its shadow's centre comes onto the half of the disc facing the Earth
    ShadowEgress,              // Sh.E: and leaves it
    EclipseDisappearance,      // Ec.D: the moon's centre enters Jupiter's shadow (half its light gone)
    EclipseReappearance,       // Ec.R: and leaves it
    OccultationDisappearance,  // Oc.D: the moon's centre goes behind the limb
    OccultationReappearance,   // Oc.R: and comes out again
};

// Whether the event begins its phenomenon (a transit, a shadow transit, an
// eclipse, an occultation) rather than ends it, and the event at its other
// end: Tr.I and Tr.E are one transit. Written out, so that no order of the
// kinds above is assumed anywhere.
constexpr bool Begins(EventKind kind) {
    switch (kind) {
        case EventKind::TransitIngress:
        case EventKind::ShadowIngress:
        case EventKind::EclipseDisappearance:
        case EventKind::OccultationDisappearance:
            return true;
        case EventKind::TransitEgress:
        case EventKind::ShadowEgress:
        case EventKind::EclipseReappearance:
        case EventKind::OccultationReappearance:
            break;
    }
    return false;
}

constexpr EventKind OtherEnd(EventKind kind) {
    switch (kind) {
        case EventKind::TransitIngress:
            return EventKind::TransitEgress;
        case EventKind::TransitEgress:
            return EventKind::TransitIngress;
        case EventKind::ShadowIngress:
            return EventKind::ShadowEgress;
        case EventKind::ShadowEgress:
            return EventKind::ShadowIngress;
        case EventKind::EclipseDisappearance:
            return EventKind::EclipseReappearance;
        case EventKind::EclipseReappearance:
            return EventKind::EclipseDisappearance;
        case EventKind::OccultationDisappearance:
            return EventKind::OccultationReappearance;
        case EventKind::OccultationReappearance:
            break;
    }
    return EventKind::OccultationDisappearance;
}

static_assert([] {
    for (const EventKind kind : {EventKind::TransitIngress, EventKind::TransitEgress, EventKind::ShadowIngress,
                                 EventKind::ShadowEgress, EventKind::EclipseDisappearance, EventKind::EclipseReappearance,
                                 EventKind::OccultationDisappearance, EventKind::OccultationReappearance}) {
        if (OtherEnd(OtherEnd(kind)) != kind || Begins(kind) == Begins(OtherEnd(kind))) {
            return false;
        }
    }
    return true;
}(), "each kind of event has one other end, and one of the two begins");

struct MoonEvent {
    UniversalTime time;  // to the millisecond, as seen from the Earth
    Moon moon;
    EventKind kind;
    // False where nothing can be seen: an occultation's start or end while the
    // moon is eclipsed, an eclipse's while the moon is behind the disc.
    bool visible;

    bool operator==(const MoonEvent&) const = default;
};

// The code the published tables use: the moon as a Roman numeral, the kind,
// the phase, e.g. "II.Sh.I" for Europa's shadow ingress.
std::string EventCode(Moon moon, EventKind kind);

// Every event of the four moons from `from` until just before `until` (UT), in
// order of time, those that cannot be seen included and marked. Geometry of
// ComputePreciseView; Jupiter an oblate spheroid (equatorial radius 71492 km,
// polar 66854 km); shadows and eclipses cast from the Sun's centre. No event is
// missed, however short: each conjunction of a moon with the disc or its shadow
// is found first and its contacts after.
// Throws OutsidePreciseYears unless both ends lie within 1600-2500, and
// ArithmeticFault if the arithmetic raises invalid operation, division by zero
// or overflow.
std::vector<MoonEvent> FindMoonEvents(UniversalTime from, UniversalTime until);

}  // namespace ephemeris
