// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes given as WHEN on the command line: the reader gives a moment or a
// reason, never both or neither, never reads outside the text, and a moment it
// gives lies within the four-digit years its format allows.
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "app/when_reader.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace std::chrono;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const app::WhenReading reading = app::ReadWhen(text);
    if (reading.moment.has_value() == reading.problem.Refused()) {
        std::abort();
    }
    if (reading.moment) {
        // A day either side for an offset from UT; no fraction beyond the millisecond.
        const auto since = std::visit([](auto moment) { return moment.time_since_epoch(); }, *reading.moment);
        constexpr sys_days kFirst{year{0} / January / 1};
        constexpr sys_days kLast{year{9999} / December / 31};
        if (since < (kFirst - days{1}).time_since_epoch() || since > (kLast + days{2}).time_since_epoch()) {
            std::abort();
        }
    }
    return 0;
}
