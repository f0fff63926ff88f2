// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/satellite_model.hpp"

namespace ephemeris::detail {

// The theory for the day number d from J2000.0 (UT), without the time base or
// the floating-point guard around it.
SatelliteOffsets SatelliteModel(double d);

}  // namespace ephemeris::detail
