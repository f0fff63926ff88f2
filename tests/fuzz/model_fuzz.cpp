// SPDX-License-Identifier: GPL-3.0-or-later
// An instant in the picker's range (8 bytes) under any TZ text that follows:
// finite offsets within their orbits, or ArithmeticFault. TZ values naming files
// outside the zone database are passed over: the C library would read any file.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "model/arithmetic_fault.hpp"
#include "model/satellite_model.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace std::chrono;
    const ephemeris::Instant first = local_days{1601y / January / 1} + milliseconds{0};
    const ephemeris::Instant last = local_days{9999y / December / 31} + hours{24} - milliseconds{1};
    std::uint64_t draw = 0;
    if (size < sizeof draw) {
        return 0;
    }
    std::memcpy(&draw, data, sizeof draw);
    const auto span = static_cast<std::uint64_t>((last - first).count()) + 1;
    const ephemeris::Instant instant = first + milliseconds{static_cast<std::int64_t>(draw % span)};
    const std::string zone(reinterpret_cast<const char*>(data) + sizeof draw,
                           strnlen(reinterpret_cast<const char*>(data) + sizeof draw, size - sizeof draw));
    if (zone.starts_with('/') || zone.starts_with(":/") || zone.find("..") != std::string::npos) {
        return 0;
    }
    ::setenv("TZ", zone.c_str(), 1);
    try {
        const ephemeris::SatelliteOffsets o = ephemeris::ComputeSatelliteOffsets(instant);
        const auto within = [](double x, double bound) { return std::isfinite(x) && std::fabs(x) <= bound; };
        if (!within(o.X1, 5.9073 + 0.0244) || !within(o.X2, 9.3991 + 0.0882) || !within(o.X3, 14.9924 + 0.0216) ||
            !within(o.X4, 26.3699 + 0.1935) || !(o.Delta > 3.9 && o.Delta < 6.5)) {
            std::abort();
        }
    } catch (const ephemeris::ArithmeticFault&) {
        // A fault reported as such is a sound answer.
    }
    return 0;
}
