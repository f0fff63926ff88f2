// SPDX-License-Identifier: GPL-3.0-or-later
#include "theory/delta_t.hpp"

#include <algorithm>
#include <cstddef>

#include "delta_t_table.hpp"  // made from data/delta_t.txt
#include "hermite.hpp"

namespace ephemeris {
namespace {

using detail::DeltaTRow;
using detail::kDeltaTTable;

constexpr double kExtrapolationYears = 100.0;
constexpr std::size_t kSlopeYears = 10;  // the last observations' trend is taken over a decade
static_assert(detail::ReadableDeltaTRows(kDeltaTTable, kSlopeYears),
              "data/delta_t.txt: years rising, the last eleven a year apart");

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
    const DeltaTRow& decadeBefore = kDeltaTTable[kDeltaTTable.size() - 1 - kSlopeYears];
    const double slope = (last.seconds - decadeBefore.seconds) / (last.year - decadeBefore.year);
    const double end = last.year + kExtrapolationYears;
    const detail::HermiteWeights w = detail::HermiteBasis((year - last.year) / kExtrapolationYears);
    return w.at0 * last.seconds + w.slope0 * kExtrapolationYears * slope + w.at1 * LongTermParabola(end) +
           w.slope1 * kExtrapolationYears * LongTermSlope(end);
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
