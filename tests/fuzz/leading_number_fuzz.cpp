// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes typed as an animation step: the conversion returns a number (or
// +-infinity for an overflowing one), 0 unless the text starts like a number,
// and never reads outside the text.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "window/leading_number.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double step = window::LeadingNumber(text);
    const std::size_t start = text.find_first_not_of(" \t\n\r\f\v");
    const bool startsLikeANumber =
        start != std::string_view::npos && std::string_view("+-.0123456789").find(text[start]) != std::string_view::npos;
    if (std::isnan(step) || (step != 0.0 && !startsLikeANumber)) {
        std::abort();
    }
    return 0;
}
