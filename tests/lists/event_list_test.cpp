// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "lists/event_list.hpp"
#include "lists/event_words.hpp"

namespace satrivox::testing {
namespace {

// A mutual event in words: who passes before or shades whom, the light lost
// (to a tenth of a percent under 1 %), and what to know of it.
TEST(EventList, MutualEventsInWords) {
    const ephemeris::UniversalTime at{};
    ephemeris::MutualEvent event{ephemeris::Moon::Europa, ephemeris::Moon::Io, ephemeris::MutualKind::Occultation,
                                 ephemeris::MutualShape::Partial, at, at, at, std::nullopt, std::nullopt, 0.01, 0.3, false, false};
    const auto words = [&event] { return lists::Words({event.begin, event, std::nullopt}); };
    EXPECT_EQ(words(), "Europa passes in front of Io: Io loses 1 % of its light");
    event = {ephemeris::Moon::Callisto, ephemeris::Moon::Ganymede, ephemeris::MutualKind::Eclipse, ephemeris::MutualShape::Partial,
             at, at, at, at, at, 0.004, 1.44, true, true};
    EXPECT_EQ(words(), "Callisto's shadow falls on Ganymede: Ganymede loses 0.4 % of its light near Jupiter's limb; "
                       "slow, 1.4 min per 100 km (unseen: behind Jupiter or in its shadow)");
    EXPECT_EQ(lists::Code({event.begin, event, std::nullopt}), "4E3P");
    EXPECT_EQ(lists::MoonOf({event.begin, event, std::nullopt}), "Ganymede");
}

// An event is seen from the place from Jupiter 5 degrees up and the Sun 6
// degrees down; an event nobody can see never is; without a place, nothing says.
TEST(EventList, SeenFromHereAtItsEdges) {
    const ephemeris::MoonEvent io{ephemeris::UniversalTime{}, ephemeris::Moon::Io, ephemeris::EventKind::TransitIngress, true};
    const auto seen = [&io](double jupiter, double sun, bool visible = true) {
        ephemeris::MoonEvent event = io;
        event.visible = visible;
        return lists::SeenFromHere({event.time, event, ephemeris::Altitudes{jupiter, sun}});
    };
    EXPECT_EQ(seen(5.0, -6.0), true);
    EXPECT_EQ(seen(4.95, -30.0), false);
    EXPECT_EQ(seen(60.0, -5.95), false);
    EXPECT_EQ(seen(60.0, -30.0, false), false);
    EXPECT_EQ(lists::SeenFromHere({io.time, lists::RedSpotTransit{70.0}, ephemeris::Altitudes{5.0, -6.0}}), true);
    EXPECT_EQ(lists::SeenFromHere({io.time, io, std::nullopt}), std::nullopt);
}

}  // namespace
}  // namespace satrivox::testing
