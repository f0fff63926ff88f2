// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "ephemeris/observer_place.hpp"

namespace window {

// What the events dialog remembers of the observer, read the same way by the
// command line.

// The place the observer set in the dialog; else the principal place of the
// computer's time zone; else (UTC, a POSIX rule) nothing.
std::optional<ephemeris::Place> ObserverPlace();

// The Great Red Spot's System II longitude the observer set, else the default.
double RedSpotLongitude();

}  // namespace window
