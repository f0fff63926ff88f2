// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary instants in the picker's range under arbitrary TZ values, zone
// names and POSIX rule strings alike: the model gives finite offsets within
// their orbits, or throws ArithmeticFault. Anything else aborts.
//
// Input: 8 bytes choosing the instant, then the TZ text. TZ values naming files
// outside the zone database (absolute paths, "..") are passed over: the C
// library would read /dev/stdin or any other file the way it reads a zone.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

#include "ephemeris/ephemeris.hpp"

namespace {

using namespace std::chrono;

const ephemeris::Instant kFirst = local_days{1601y / January / 1} + milliseconds{0};
const ephemeris::Instant kLast = local_days{9999y / December / 31} + hours{24} - milliseconds{1};

bool NamesAFileOutsideTheZoneDatabase(const std::string& zone) {
    return zone.find('/') == 0 || zone.find(":/") == 0 || zone.find("..") != std::string::npos;
}

bool Within(double x, double bound) {
    return std::isfinite(x) && std::fabs(x) <= bound;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < sizeof(std::uint64_t)) {
        return 0;
    }
    std::uint64_t draw = 0;
    std::memcpy(&draw, data, sizeof draw);
    const auto span = static_cast<std::uint64_t>((kLast - kFirst).count()) + 1;
    const ephemeris::Instant instant = kFirst + milliseconds{static_cast<std::int64_t>(draw % span)};

    const std::string zone(reinterpret_cast<const char*>(data) + sizeof draw,
                           strnlen(reinterpret_cast<const char*>(data) + sizeof draw, size - sizeof draw));
    if (NamesAFileOutsideTheZoneDatabase(zone)) {
        return 0;
    }
    ::setenv("TZ", zone.c_str(), 1);

    try {
        const ephemeris::SatelliteOffsets o = ephemeris::ComputeSatelliteOffsets(instant);
        const bool sound = Within(o.X1, 5.9073 + 0.0244) && Within(o.X2, 9.3991 + 0.0882) &&
                           Within(o.X3, 14.9924 + 0.0216) && Within(o.X4, 26.3699 + 0.1935) && o.Delta > 3.9 &&
                           o.Delta < 6.5;
        if (!sound) {
            std::abort();
        }
    } catch (const ephemeris::ArithmeticFault&) {
        // A fault reported as such is a sound answer.
    }
    return 0;
}
