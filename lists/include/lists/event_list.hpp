// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <variant>
#include <vector>

#include "events/jupiter_sky.hpp"
#include "events/moon_events.hpp"
#include "events/mutual_events.hpp"
#include "events/observer_place.hpp"

namespace lists {

// The Great Red Spot's System II longitude unless the observer sets another:
// Sky & Telescope's 294 degrees of January 2019 carried on at the 17.5 degrees
// a year the Spot drifted from 2012 (JUPOS, 182 degrees in August 2012) to
// then, for December 2026. Observers publish the measured value every month.
inline constexpr double kDefaultRedSpotLongitude = 70.0;

// Jupiter at least 5 degrees up and the Sun at least 6 degrees down: low
// enough for a telescope to see the planet through the air, dark enough (civil
// twilight over) for its moons to show.
inline constexpr double kLowestJupiter = 5.0;
inline constexpr double kHighestSun = -6.0;

// What a list of events holds.
struct ListRequest {
    ephemeris::UniversalTime from;
    ephemeris::UniversalTime until;
    bool unseen = false;                        // the moons' events nobody can see, marked
    bool onlyMutual = false;                    // the moons' mutual events alone
    std::optional<ephemeris::Place> place;      // the night's events and every event's altitudes
    std::optional<double> redSpotLongitude = kDefaultRedSpotLongitude;  // none: no Red Spot transits
};

// The Great Red Spot on the central meridian.
struct RedSpotTransit {
    double longitude;  // System II, degrees

    bool operator==(const RedSpotTransit&) const = default;
};

// An event of the list at its time: a mutual event at its begin, with
// Jupiter's and the Sun's altitudes at its maximum.
struct ListedEvent {
    ephemeris::UniversalTime time;
    std::variant<ephemeris::MoonEvent, ephemeris::SkyEventKind, RedSpotTransit, ephemeris::MutualEvent> what;
    std::optional<ephemeris::Altitudes> altitudes;  // Jupiter's and the Sun's, where a place is known

    bool operator==(const ListedEvent&) const = default;
};

// Every event the request asks for, in order of time. Throws
// ephemeris::OutsidePreciseYears outside 1600-2500.
std::vector<ListedEvent> ListEvents(const ListRequest& request);

// The codes of the noticeable mutual events in progress at `instant`
// (begun, not yet over), for a plot of the precise positions: "2O1P".
QStringList MutualCodesAt(ephemeris::UniversalTime instant);

// Those of the events that can be seen from their place.
std::vector<ListedEvent> OnlySeenFromHere(std::vector<ListedEvent> events);

// A mutual event's maximum and end, if it is one.
const ephemeris::MutualEvent* MutualOf(const ListedEvent& event);
// Whether it can be seen from the place (nothing where none is known): a
// moon's event that can be seen at all, or Jupiter's or the Spot's, while
// Jupiter is at least 5 degrees up and the Sun at least 6 degrees down.
std::optional<bool> SeenFromHere(const ListedEvent& event);

}  // namespace lists
