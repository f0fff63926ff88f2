// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>

#include "model/time_base.hpp"

namespace satrivox::testing {

// A local civil instant from its calendar fields.
inline ephemeris::Instant Local(int year, unsigned month, unsigned day, int hour, int minute, int second = 0,
                                int millisecond = 0) {
    using namespace std::chrono;
    return local_days{std::chrono::year{year} / month / day} + hours{hour} + minutes{minute} + seconds{second} +
           milliseconds{millisecond};
}

// A UTC instant from its calendar fields.
inline ephemeris::UniversalTime At(std::chrono::year_month_day day, std::chrono::hours hour = std::chrono::hours{0},
                                   std::chrono::minutes minute = std::chrono::minutes{0},
                                   std::chrono::seconds second = std::chrono::seconds{0}) {
    return ephemeris::UniversalTime{std::chrono::sys_days{day} + hour + minute + second};
}

// Sets TZ for one test (nullptr unsets it) and puts the previous value back
// afterwards. It leaves tzset() to the code under test, which must see the
// change itself; a test that reads the C library directly calls tzset() after.
class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* zone) : previous_(std::getenv("TZ") ? std::optional<std::string>(std::getenv("TZ")) : std::nullopt) {
        Apply(zone);
    }
    ~ScopedTimeZone() { Apply(previous_ ? previous_->c_str() : nullptr); }

private:
    static void Apply(const char* zone) { zone != nullptr ? ::setenv("TZ", zone, 1) : ::unsetenv("TZ"); }
    std::optional<std::string> previous_;
};

#ifdef SATRIVOX_TEST_DATA
// One of the reference files in tests/data, open.
inline std::ifstream Data(const char* name) {
    std::ifstream stream(std::string(SATRIVOX_TEST_DATA) + "/" + name);
    EXPECT_TRUE(stream.is_open()) << name;
    return stream;
}
#endif

inline constexpr auto kHazardName = [](const auto& info) { return std::string(info.param.hazard); };

}  // namespace satrivox::testing
