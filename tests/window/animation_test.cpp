// SPDX-License-Identifier: GPL-3.0-or-later
#include "form_test.hpp"

namespace satrivox::testing {
namespace {

struct AnimationRow {
    const char* hazard;
    const char* zone;
    QDateTime (*start)();
    const char* step;
    int ticks;
    QStringList expected;  // the picker after the first ticks, then after the last
};

class Animation : public FormTest, public ::testing::WithParamInterface<AnimationRow> {};

// Each tick plots the picker, then steps it by the minutes the text begins with:
// N ticks of s minutes move it N x s minutes to the millisecond. A step into a
// time the zone skips lands on the side it moves towards, passing the gap.
TEST_P(Animation, EachTickPlotsThePickerThenStepsIt) {
    const AnimationRow& row = GetParam();
    const ScopedTimeZone zone(row.zone);
    Open();
    const QStringList atStart = OffsetsAt(row.start());
    SetStep(row.step);
    Click("Command2");
    QStringList shown;
    for (int tick = 1; tick <= row.ticks; ++tick) {
        Tick("Timer1");
        EXPECT_TRUE(tick > 1 || Offsets() == atStart) << "the first tick draws the value the animation started from";
        if (tick < row.expected.size() || tick == row.ticks) {
            shown << Picker()->time().toString("HH:mm:ss.zzz");
        }
    }
    EXPECT_EQ(shown, row.expected);
}

QDateTime Noon() { return {QDate(2000, 1, 1), QTime(12, 0)}; }
template <int Month, int Day, int Hour, int Minute>
QDateTime At() { return {QDate(2026, Month, Day), QTime(Hour, Minute)}; }

INSTANTIATE_TEST_SUITE_P(
    Window, Animation,
    ::testing::Values(
        AnimationRow{"half_a_minute_and_words", "UTC", Noon, " 0.5 minutes", 2, {"12:00:30.000", "12:01:00.000"}},
        AnimationRow{"explicit_plus", "UTC", Noon, "+7", 1, {"12:07:00.000"}},
        AnimationRow{"bare_fraction", "UTC", Noon, "\t.25", 1, {"12:00:15.000"}},
        AnimationRow{"trailing_point_and_blank_inside", "UTC", Noon, "7. 5", 1, {"12:07:00.000"}},
        AnimationRow{"exponent", "UTC", Noon, "2.5E-2", 1, {"12:00:01.500"}},
        AnimationRow{"exponent_without_sign", "UTC", Noon, "1e1", 1, {"12:10:00.000"}},
        AnimationRow{"incomplete_exponent", "UTC", Noon, "3e+x", 1, {"12:03:00.000"}},
        AnimationRow{"no_number_sign_or_point_alone", "UTC", Noon, "-.abc", 2, {"12:00:00.000", "12:00:00.000"}},
        AnimationRow{"hexadecimal_strtod_would_take", "UTC", Noon, "0x10", 1, {"12:00:00.000"}},
        AnimationRow{"below_a_millisecond", "UTC", Noon, "0.00001", 1000, {"12:00:00.001", "12:00:00.600"}},
        AnimationRow{"far_below_a_millisecond", "UTC", Noon, "0.000001", 1000, {"12:00:00.000", "12:00:00.060"}},
        AnimationRow{"backwards_below_a_millisecond", "UTC", Noon, "-0.00001", 1000, {"11:59:59.999", "11:59:59.400"}},
        AnimationRow{"new_york_gap_backwards", "America/New_York", At<3, 8, 4, 0>, "-30", 4,
                     {"03:30:00.000", "03:00:00.000", "01:30:00.000", "01:00:00.000"}},
        AnimationRow{"new_york_gap_forwards", "America/New_York", At<3, 8, 1, 0>, "30", 3,
                     {"01:30:00.000", "03:00:00.000", "03:30:00.000"}},
        AnimationRow{"lord_howe_gap_backwards", "Australia/Lord_Howe", At<10, 4, 3, 0>, "-15", 4,
                     {"02:45:00.000", "02:30:00.000", "01:45:00.000", "01:30:00.000"}},
        AnimationRow{"lord_howe_gap_forwards", "Australia/Lord_Howe", At<10, 4, 1, 30>, "15", 3,
                     {"01:45:00.000", "02:30:00.000", "02:45:00.000"}}),
    kHazardName);

}  // namespace
}  // namespace satrivox::testing
