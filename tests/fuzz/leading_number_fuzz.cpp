// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes typed as an animation step: the conversion returns a number (or
// +-infinity for an overflowing one) and never reads outside the text.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "window/leading_number.hpp"

namespace {

bool StartsLikeANumber(std::string_view text) {
    const std::size_t start = text.find_first_not_of(" \t\n\r\f\v");
    if (start == std::string_view::npos) {
        return false;
    }
    const char c = text[start];
    return c == '+' || c == '-' || c == '.' || (c >= '0' && c <= '9');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double step = window::LeadingNumber(text);
    if (std::isnan(step) || (step != 0.0 && !StartsLikeANumber(text))) {
        std::abort();
    }
    return 0;
}
