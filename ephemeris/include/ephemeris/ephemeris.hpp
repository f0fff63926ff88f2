// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ephemeris/angles.hpp"
#include "ephemeris/arithmetic_fault.hpp"
#include "ephemeris/satellite_model.hpp"
#include "ephemeris/time_base.hpp"
