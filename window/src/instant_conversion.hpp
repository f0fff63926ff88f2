// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>

#include "ephemeris/time_base.hpp"

namespace window {

// The picker's local date-time as the ephemeris's civil instant, and back.
// Both are wall-clock values: no time zone is applied either way, except to a
// wall-clock time the zone skips, which becomes the time the clock shows then.
ephemeris::Instant ToInstant(const QDateTime& dateTime);
QDateTime ToDateTime(ephemeris::Instant instant);

}  // namespace window
