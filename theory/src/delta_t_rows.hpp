// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <span>

namespace ephemeris::detail {

struct DeltaTRow {
    double year;     // its January 1st
    double seconds;  // TT - UT1
};

// Whether TT - UT can be read from `rows`: years strictly rising, so that each
// year falls between two rows, and the last `slopeYears` + 1 rows a year apart,
// the extrapolation's slope being taken over them.
constexpr bool ReadableDeltaTRows(std::span<const DeltaTRow> rows, std::size_t slopeYears) {
    if (rows.size() <= slopeYears) {
        return false;
    }
    for (std::size_t i = 1; i < rows.size(); ++i) {
        if (!(rows[i - 1].year < rows[i].year)) {
            return false;
        }
        if (i + slopeYears >= rows.size() && rows[i].year - rows[i - 1].year != 1.0) {
            return false;
        }
    }
    return true;
}

}  // namespace ephemeris::detail
