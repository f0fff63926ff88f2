// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace ephemeris::detail {

// Read from the C library: Debian 12's libstdc++ (GCC 12) has no <chrono> zone
// database, and Qt is not for this library.

// The UTC offset, in seconds east of Greenwich, that turns the local wall-clock
// second `localSeconds` (counted from 1970-01-01 00:00 local) into UT:
// UT = local - offset. Follows the computer's zone (TZ, else the system
// setting) as it is at the moment of the call; the rule for skipped and
// doubled local times is the one documented at LocalToUT.
std::int64_t LocalUtcOffset(std::int64_t localSeconds);

// The UTC offset in force at the universal-time second `utSeconds` (counted
// from 1970-01-01 00:00 UT) in the same zone: local = UT + offset.
std::int64_t UtcOffsetAt(std::int64_t utSeconds);

// The zone's abbreviation at that second, as localtime_r gives it.
std::string AbbreviationAt(std::int64_t utSeconds);

}  // namespace ephemeris::detail
