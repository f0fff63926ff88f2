// SPDX-License-Identifier: GPL-3.0-or-later
#include "form_test.hpp"

namespace satrivox::testing {
namespace {

class PresentMoment : public FormTest, public ::testing::WithParamInterface<const char*> {};

// The present moment goes into the picker, seconds included except at start-up,
// and is plotted for its own instant: 06:45:30 UT on the night New York's clocks
// go back is the second 01:45 of that night, also for "Plot" while the picker is
// untouched; typed in, the same wall-clock time is its first pass.
TEST_P(PresentMoment, IsPlottedForItsOwnInstantInEitherPass) {
    const ScopedTimeZone zone("America/New_York");
    now = QDateTime(QDate(2026, 11, 1), QTime(6, 45, 30, 250), QTimeZone::utc());
    Open();
    const std::string how = GetParam();
    if (how != "start_up") {
        Click(how == "now" ? "Command4" : "Check1");
    }
    if (how == "tracking") {
        Tick("Timer2");
        Click("Check1");
    }
    EXPECT_EQ(Picker()->time().toString("HH:mm:ss.zzz"), how == "start_up" ? "01:45:00.000" : "01:45:30.250");
    const QStringList secondPass{"-0.05", "-0.81", "-1.98", "-3.69"};
    EXPECT_EQ(Offsets(), secondPass);
    Click("Command1");
    EXPECT_EQ(Offsets(), secondPass) << "Plot with the picker untouched";
    const QDateTime shown = Picker()->dateTime();
    Picker()->setDateTime(shown.addSecs(60));
    EXPECT_EQ(OffsetsAt(shown), QStringList({"-0.31", "-0.62", "-1.84", "-3.58"})) << "typed in: the first pass";
}

INSTANTIATE_TEST_SUITE_P(Window, PresentMoment, ::testing::Values("start_up", "now", "tracking"),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
}  // namespace satrivox::testing
