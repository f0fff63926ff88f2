// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace ephemeris {

// `text` without the blanks (spaces, tabs, line ends) at either end: what
// people type and files hold before a date, a place or a zone's name is read.
constexpr std::string_view Trimmed(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\n\r\f\v";
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

}  // namespace ephemeris
