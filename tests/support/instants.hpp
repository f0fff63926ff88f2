// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>

#include "ephemeris/time_base.hpp"

namespace satrivox::testing {

// A local civil instant from its calendar fields.
inline ephemeris::Instant Local(int year, unsigned month, unsigned day, int hour, int minute, int second = 0,
                                int millisecond = 0) {
    using namespace std::chrono;
    const local_days date{std::chrono::year{year} / std::chrono::month{month} / std::chrono::day{day}};
    return date + hours{hour} + minutes{minute} + seconds{second} + milliseconds{millisecond};
}

}  // namespace satrivox::testing
