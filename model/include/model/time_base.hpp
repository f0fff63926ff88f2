// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <string>

namespace ephemeris {

// A civil date-time on the computer's local clock, to the millisecond. Whole
// minutes stay whole and a picker value with seconds converts without loss.
using Instant = std::chrono::local_time<std::chrono::milliseconds>;

// An instant in universal time, to the millisecond, counted as the system clock
// counts (days of 86,400 seconds from 1970-01-01 00:00 UT).
using UniversalTime = std::chrono::sys_time<std::chrono::milliseconds>;

// Shifts the local instant t to universal time: the result holds UT's calendar
// fields (it is returned as an Instant, a plain civil date-time).
//
// The time zone is the computer's as any POSIX program reads it: the TZ
// environment variable, else the system setting, re-read on every call. The
// offset used is the zone's full UTC offset in force at t, with its daylight
// amount, historical changes and odd minutes and seconds (local mean time).
// Local times the zone does not define:
//   - skipped (the clock jumps forward): read with the offset in force before
//     the jump, so 02:30 in a skipped 02:00-03:00 hour is the instant the clock
//     shows as 03:30;
//   - doubled (the clock falls back): the earlier of the two instants, the
//     first pass through the hour.
// Both hold for every zone of the database and for hand-written POSIX rules
// that keep daylight or standard time for less than a day; an offset kept for
// less than an hour, with both its changes in one hour of the clock, may go
// unseen.
// Any instant converts, including one whose UT lies outside the picker's
// 1601-9999 range. Throws ArithmeticFault (overflow) only for instants more
// than 10^15 seconds (about 31 million years) from 1970.
Instant LocalToUT(Instant t);

// The local wall-clock time of the universal-time instant ut: the inverse of
// LocalToUT wherever the local time exists, and the only way to reach the
// second pass of a doubled hour. Same zone, same limits.
Instant UTToLocal(UniversalTime ut);

// The zone's abbreviation at the universal-time instant ut, as the C library
// gives it: "CET", "EDT", or the UTC offset ("+0545") where the zone has no
// name for its time. Same zone, same limits.
std::string ZoneAbbreviation(UniversalTime ut);

// Days from J2000.0 (2000-01-01 12:00 UT) to the UT calendar date Y-M-D at H
// hours (H = hour + minute / 60), counted in the proleptic Gregorian calendar.
// From 1900-03-01 to 2100-02-28 the result is bit-identical to the classic
// integer formula 367Y - 7(Y + (M+9)\12)\4 + 275M\9 + D - 730531.5 + H/24;
// outside that range it stays correct where that formula drifts by a day for
// every skipped century leap day.
// Y, M and D must hold whole numbers with Y in -32767..32767 (the years
// std::chrono::year holds), M in 1..12 and |D| <= 1e12 (D may run past the end
// of the month and counts on), and H must be finite; anything else throws
// ArithmeticFault (invalid operation).
double DaysSinceJ2000(double Y, double M, double D, double H);

}  // namespace ephemeris
