// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ephemeris/angles.hpp"
#include "ephemeris/arithmetic_fault.hpp"
#include "ephemeris/delta_t.hpp"
#include "ephemeris/galilean_theory.hpp"
#include "ephemeris/jupiter_sky.hpp"
#include "ephemeris/jupiter_system.hpp"
#include "ephemeris/moon_events.hpp"
#include "ephemeris/mutual_events.hpp"
#include "ephemeris/observer_place.hpp"
#include "ephemeris/satellite_model.hpp"
#include "ephemeris/time_base.hpp"
