// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "model/refusal.hpp"
#include "model/time_base.hpp"

namespace app {

// A moment as written on the command line: a wall-clock time of the computer's
// zone (an ephemeris::Instant, read as the window reads its picker), or an
// instant of universal time.
using Moment = std::variant<ephemeris::Instant, ephemeris::UniversalTime>;

// What ReadWhen made of the text: the moment, or why there is none.
struct WhenReading {
    std::optional<Moment> moment;
    ephemeris::Refusal problem;  // one clause, none when there is a moment
};

// Reads one of:
//   YYYY-MM-DD                       that date's local noon, the night after it
//   YYYY-MM-DD HH:MM[:SS[.fff]]      a local wall-clock time ('T' for the space too)
//   YYYY-MM-DDTHH:MM[:SS[.fff]]Z     ISO 8601 in UT, or with an offset from it:
//   ...+HH:MM, -HH:MM, +HHMM, +HH    an instant, whatever the computer's zone
// Blanks around the text are ignored. The year has four digits and every field
// must exist in the calendar and on the clock (no month 13, no February 30th,
// no hour 24); fractions of a second are kept to the millisecond. Pure.
WhenReading ReadWhen(std::string_view text);

}  // namespace app
