// SPDX-License-Identifier: GPL-3.0-or-later
#include "theory/delta_t.hpp"

#include <algorithm>

#include "delta_t_table.hpp"  // made from data/delta_t.txt

namespace ephemeris {
namespace {

using detail::DeltaTRow;
using detail::kDeltaTTable;

constexpr double kExtrapolationYears = 100.0;
constexpr double kSlopeYears = 10.0;  // the last observations' trend is taken over a decade

constexpr bool YearsRise() {
    return std::is_sorted(kDeltaTTable.begin(), kDeltaTTable.end(),
                          [](const DeltaTRow& a, const DeltaTRow& b) { return a.year <= b.year; });
}
static_assert(kDeltaTTable.size() > kSlopeYears && YearsRise(), "data/delta_t.txt: a row a year, in order");

// Morrison and Stephenson (2004): the tidal slowing of the Earth's rotation
// over the last millennia, without the decade-long fluctuations about it.
double LongTermParabola(double year) {
    const double centuries = (year - 1820.0) / 100.0;
    return -20.0 + 32.0 * centuries * centuries;
}

double LongTermSlope(double year) {
    return 0.64 * (year - 1820.0) / 100.0;
}

// A cubic from the last observed value, at the slope of the ten years before
// it, to the parabola a century later, with the parabola's own slope there.
double Extrapolated(double year) {
    const DeltaTRow& last = kDeltaTTable.back();
    const DeltaTRow& decadeBefore = kDeltaTTable[kDeltaTTable.size() - 1 - static_cast<std::size_t>(kSlopeYears)];
    const double slope = (last.seconds - decadeBefore.seconds) / (last.year - decadeBefore.year);
    const double end = last.year + kExtrapolationYears;
    const double s = (year - last.year) / kExtrapolationYears;
    const double h00 = (1.0 + 2.0 * s) * (1.0 - s) * (1.0 - s);
    const double h10 = s * (1.0 - s) * (1.0 - s);
    const double h01 = s * s * (3.0 - 2.0 * s);
    const double h11 = s * s * (s - 1.0);
    return h00 * last.seconds + h10 * kExtrapolationYears * slope + h01 * LongTermParabola(end) +
           h11 * kExtrapolationYears * LongTermSlope(end);
}

}  // namespace

double DeltaTSeconds(double year) {
    const DeltaTRow& last = kDeltaTTable.back();
    if (year >= last.year + kExtrapolationYears) {
        return LongTermParabola(year);
    }
    if (year >= last.year) {
        return Extrapolated(year);
    }
    // The row after `year`, or the second row for a year before the first.
    const auto after = std::max(std::upper_bound(kDeltaTTable.begin(), kDeltaTTable.end(), year,
                                                 [](double y, const DeltaTRow& row) { return y < row.year; }),
                                kDeltaTTable.begin() + 1);
    const DeltaTRow& before = *(after - 1);
    return before.seconds + (year - before.year) / (after->year - before.year) * (after->seconds - before.seconds);
}

}  // namespace ephemeris
