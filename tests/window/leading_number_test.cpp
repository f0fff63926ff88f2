// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <limits>

#include "support.hpp"
#include "window/leading_number.hpp"

namespace window {
namespace {

struct NumberRow {
    const char* hazard;
    const char* text;
    double expected;
};

class LeadingNumberRows : public ::testing::TestWithParam<NumberRow> {};

TEST_P(LeadingNumberRows, TakesTheNumberTheTextBeginsWith) {
    EXPECT_EQ(LeadingNumber(GetParam().text), GetParam().expected);
}

constexpr double kInfinity = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Window, LeadingNumberRows,
    ::testing::Values(NumberRow{"explicit_plus", "+7", 7}, NumberRow{"bare_fraction", ".25", 0.25},
                      NumberRow{"trailing_point", "7.", 7}, NumberRow{"exponent", "1e3", 1000},
                      NumberRow{"negative_exponent", "2.5E-2", 0.025}, NumberRow{"leading_blanks", " \t 42", 42},
                      NumberRow{"incomplete_exponent", "3e", 3}, NumberRow{"exponent_sign_only", "3e+x", 3},
                      NumberRow{"sign_alone", "-", 0}, NumberRow{"point_alone", ".", 0},
                      NumberRow{"infinity_word", "inf", 0}, NumberRow{"nan_word", "nan", 0},
                      NumberRow{"hexadecimal", "0x10", 0}, NumberRow{"blank_inside_number", "1 2", 1},
                      NumberRow{"overflow", "1e400", kInfinity}, NumberRow{"negative_overflow", "-1e400", -kInfinity},
                      NumberRow{"underflow", "1e-400", 0}),
    satrivox::testing::kHazardName);

TEST(LeadingNumber, StopsAtTheEndOfTheViewItIsGiven) {
    EXPECT_EQ(LeadingNumber(std::string_view("12345", 2)), 12);
}

}  // namespace
}  // namespace window
