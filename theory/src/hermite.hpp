// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace ephemeris::detail {

// The cubic Hermite basis at s in [0, 1] of an interval: the weights of its
// two ends' values (at0, at1) and of their slopes per whole interval (slope0,
// slope1). ΔT's extrapolation and the daily nodes' interpolation share it.
struct HermiteWeights {
    double at0, slope0, at1, slope1;
};

constexpr HermiteWeights HermiteBasis(double s) {
    return {(1.0 + 2.0 * s) * (1.0 - s) * (1.0 - s), s * (1.0 - s) * (1.0 - s), s * s * (3.0 - 2.0 * s), s * s * (s - 1.0)};
}

}  // namespace ephemeris::detail
