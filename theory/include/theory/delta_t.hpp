// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace ephemeris {

// TT - UT1, in seconds, at `year`: a year of UT with its fraction (2019.5 is
// about 2019-07-02). The Earth's rotation is irregular, so this is a table of
// observed values (theory/data/delta_t.txt) between which it interpolates
// linearly, and a stated guess beyond them:
//   1600        120 s (Morrison and Stephenson, 2004), joined by a line to
//               the table that follows (and that line taken on before 1600);
//   1620-2018   The Astronomical Almanac's table of each year's first day
//               (pages K8-K9; lunar tidal term -26 arcsec/cy^2), from 1955 on
//               from atomic time;
//   2019-2026   the IERS / USNO values for each January 1st;
//   after 2026  a cubic that leaves the last value at the slope of the decade
//               before it and meets, in 2126, the long-term parabola of Morrison
//               and Stephenson (2004), -20 + 32 ((year - 1820) / 100)^2 seconds,
//               which it follows from then on.
// How far the truth may stray: about 20 s around 1620, 5 s around 1700, a
// second in the 19th century, a tenth of a second since 1955; after 2026 the
// error grows roughly with the square of the time since: about a second by
// 2030, tens of seconds by 2075, minutes by 2150, tens of minutes by 2500.
double DeltaTSeconds(double year);

}  // namespace ephemeris
