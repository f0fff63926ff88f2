// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>

#include "model/time_base.hpp"

namespace lists {

// The picker's wall-clock fields as the model's civil instant, and back: no
// time zone is applied either way.
ephemeris::Instant ToInstant(const QDateTime& dateTime);
// A moment Qt holds (the present, from its clock) as the model's UT instant.
ephemeris::UniversalTime ToUniversalTime(const QDateTime& moment);
QDateTime ToDateTime(ephemeris::Instant wallClock);
// The same fields carried as UTC, which skips no hour: Qt moves a local time
// its zone skips (02:30 to 03:30), and a clock's reading must stay as it is.
QDateTime ToUtcDateTime(ephemeris::Instant wallClock);

// The wall-clock time a step of the clock lands on: wallClock itself, unless
// the zone skips it; then out of the gap on the side the step moves towards
// (02:30 in a skipped 02:00-03:00 hour is 03:30 going forwards, 01:30 going
// backwards), so that a step never undoes the one before.
ephemeris::Instant LandOutsideGap(ephemeris::Instant wallClock, bool forwards);

}  // namespace lists
