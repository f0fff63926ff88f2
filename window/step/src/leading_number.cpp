// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/leading_number.hpp"

#include <clocale>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace window {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

std::size_t SkipDigits(std::string_view text, std::size_t at) {
    while (at < text.size() && IsDigit(text[at])) {
        ++at;
    }
    return at;
}

// Length of the number at the start of `text`, or 0 if there is none. Only
// the forms above are accepted; strtod alone would also take "inf", "nan" and
// hexadecimal.
std::size_t NumberLength(std::string_view text) {
    std::size_t at = 0;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        ++at;
    }
    const std::size_t integerStart = at;
    at = SkipDigits(text, at);
    bool anyDigit = at > integerStart;
    if (at < text.size() && text[at] == '.') {
        const std::size_t fractionStart = at + 1;
        const std::size_t fractionEnd = SkipDigits(text, fractionStart);
        anyDigit = anyDigit || fractionEnd > fractionStart;
        at = fractionEnd;
    }
    if (!anyDigit) {
        return 0;
    }
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        std::size_t exponent = at + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) {
            ++exponent;
        }
        const std::size_t exponentEnd = SkipDigits(text, exponent);
        if (exponentEnd > exponent) {
            at = exponentEnd;
        }
    }
    return at;
}

locale_t ClassicNumericLocale() {
    static const locale_t classic = newlocale(LC_NUMERIC_MASK, "C", nullptr);
    return classic;
}

}  // namespace

double LeadingNumber(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && IsBlank(text[start])) {
        ++start;
    }
    const std::string_view rest = text.substr(start);
    const std::size_t length = NumberLength(rest);
    if (length == 0) {
        return 0.0;
    }
    // A copy ends the number with a terminator, so strtod cannot read past it.
    const std::string number(rest.substr(0, length));
    return strtod_l(number.c_str(), nullptr, ClassicNumericLocale());
}

}  // namespace window
