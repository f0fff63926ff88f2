// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTimeZone>

#include <unistd.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>

#include "form_fixture.hpp"

namespace satrivox::testing {
namespace {

class Commands : public FormTest {
protected:
    const QDateTime kNoon{QDate(2000, 1, 1), QTime(12, 0)};

    void SetUp() override { Open(); }

    void Animate(const QString& step, int ticks) {
        SetStep(step);
        Button("Command2")->click();
        for (int tick = 0; tick < ticks; ++tick) {
            Tick("Timer1");
        }
    }
};

TEST_F(Commands, PlotDrawsThePickersValueAndEditsDrawNothing) {
    const QStringList noon = Offsets();
    Picker()->setDateTime(kNoon.addSecs(6 * 3600));
    EXPECT_EQ(Offsets(), noon) << "editing the picker draws nothing";
    Button("Command1")->click();
    EXPECT_NE(Offsets(), noon);
    EXPECT_EQ(OffsetsAt(kNoon), noon);
}

// "Now" and each tracking tick put the present moment, seconds included, into
// the picker and plot it; the plot is the minute's.
TEST_F(Commands, NowAndTrackingShowThePresentWithItsSeconds) {
    for (const bool tracking : {false, true}) {
        now = now.addDays(1000).addSecs(1234);
        tracking ? Check("Check1")->click() : Button("Command4")->click();
        if (tracking) {
            Tick("Timer2");
        }
        EXPECT_EQ(Picker()->dateTime(), now);
        const QStringList shown = Offsets();
        if (tracking) {
            Check("Check1")->click();
        }
        EXPECT_EQ(OffsetsAt(QDateTime(now.date(), QTime(now.time().hour(), now.time().minute()))), shown);
    }
}

TEST_F(Commands, ModesFollowTheCommands) {
    Button("Command2")->click();
    EXPECT_EQ(Mode(), "Animating");
    now = kNoon.addYears(5);
    Button("Command4")->click();
    EXPECT_EQ(Mode(), "Animating") << "Now moves an animation without stopping it";
    Tick("Timer1");
    EXPECT_EQ(Picker()->dateTime(), now.addSecs(3600));
    SetStep("-30");
    Tick("Timer1");
    EXPECT_EQ(Picker()->dateTime(), now.addSecs(1800)) << "a step typed while running counts at the next tick";
    Check("Check1")->click();
    EXPECT_EQ(Mode(), "Tracking");
    Check("Check1")->click();
    EXPECT_EQ(Mode(), "Idle") << "the animation does not resume";
    Button("Command2")->click();
    Button("Command3")->click();
    EXPECT_EQ(Mode(), "Idle");
}

TEST_F(Commands, PictureSwitchShowsAndHidesThePictureWithoutRedrawing) {
    const QImage before = form->Surface();
    Check("Check2")->click();
    EXPECT_FALSE(Get("Image1")->isHidden());
    Check("Check2")->click();
    EXPECT_TRUE(Get("Image1")->isHidden());
    EXPECT_EQ(form->Surface(), before);
}

struct StepRow {
    const char* hazard;
    const char* text;
    int ticks;
    qint64 milliseconds;  // how far the ticks move the picker
};

class AnimationStep : public Commands, public ::testing::WithParamInterface<StepRow> {};

// Each tick plots the picker, then steps it: N ticks of s minutes move it by
// N x s minutes, as exactly as its milliseconds can show.
TEST_P(AnimationStep, EachTickPlotsThePickerThenStepsIt) {
    const QStringList atNoon = OffsetsAt(kNoon);
    Animate(GetParam().text, 1);
    EXPECT_EQ(Offsets(), atNoon) << "the first tick draws the value the animation started from";
    Animate(GetParam().text, GetParam().ticks - 1);
    EXPECT_EQ(Picker()->dateTime(), kNoon.addMSecs(GetParam().milliseconds));
    EXPECT_EQ(Mode(), "Animating");
}

INSTANTIATE_TEST_SUITE_P(
    Window, AnimationStep,
    ::testing::Values(StepRow{"an_hour", "60", 2, 7200000}, StepRow{"backwards", "-15", 2, -1800000},
                      StepRow{"half_a_minute", "0.5", 2, 60000}, StepRow{"trailing_words", " 2 minutes", 2, 240000},
                      StepRow{"not_a_number", "abc", 2, 0}, StepRow{"empty", "", 2, 0},
                      StepRow{"below_a_millisecond", "0.00001", 1000, 600},
                      StepRow{"far_below_a_millisecond", "0.000001", 1000, 60},
                      StepRow{"backwards_below_a_millisecond", "-0.00001", 1000, -600}),
    kHazardName);

// Qt takes the C library's numeric locale from the environment; a step still
// reads '.' as its decimal point where the locale's is ','.
TEST_F(Commands, StepReadsADecimalPointUnderADecimalCommaLocale) {
    const auto locales = std::filesystem::temp_directory_path() / ("satrivox-locales-" + std::to_string(::getpid()));
    std::filesystem::create_directories(locales);
    const std::string define = "localedef -i de_DE -f UTF-8 " + (locales / "de_DE.UTF-8").string();
    ASSERT_EQ(std::system(define.c_str()), 0) << "needs Debian's locales package";
    ::setenv("LOCPATH", locales.c_str(), 1);
    ASSERT_NE(std::setlocale(LC_NUMERIC, "de_DE.UTF-8"), nullptr);
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    Picker()->setDateTime(kNoon);
    Animate("0.5", 1);
    std::setlocale(LC_NUMERIC, "C");
    ::unsetenv("LOCPATH");
    std::filesystem::remove_all(locales);
    EXPECT_EQ(Picker()->dateTime(), kNoon.addSecs(30));
}

struct GapRow {
    const char* hazard;
    const char* zone;
    QTime start;  // on the night the clocks go forward
    const char* step;
    QStringList expected;  // the picker after each tick
};

class ThroughTheSkippedHour : public FormTest, public ::testing::WithParamInterface<GapRow> {};

// A step into a wall-clock time the zone skips lands on the side it moves
// towards, so an animation passes the gap either way.
TEST_P(ThroughTheSkippedHour, AnimationPassesTheGap) {
    const ScopedTimeZone zone(GetParam().zone);
    Open();
    const QDate night = GetParam().zone == std::string("America/New_York") ? QDate(2026, 3, 8) : QDate(2026, 10, 4);
    Picker()->setDateTime(QDateTime(night, GetParam().start));
    SetStep(GetParam().step);
    Button("Command2")->click();
    QStringList shown;
    for (qsizetype tick = 0; tick < GetParam().expected.size(); ++tick) {
        Tick("Timer1");
        shown << Picker()->time().toString("HH:mm");
    }
    EXPECT_EQ(shown, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Window, ThroughTheSkippedHour,
    ::testing::Values(
        GapRow{"new_york_backwards", "America/New_York", QTime(5, 0), "-30", {"04:30", "04:00", "03:30", "03:00", "01:30", "01:00"}},
        GapRow{"new_york_forwards", "America/New_York", QTime(0, 30), "30", {"01:00", "01:30", "03:00", "03:30"}},
        GapRow{"lord_howe_backwards", "Australia/Lord_Howe", QTime(3, 0), "-15", {"02:45", "02:30", "01:45", "01:30"}},
        GapRow{"lord_howe_forwards", "Australia/Lord_Howe", QTime(1, 30), "15", {"01:45", "02:30", "02:45"}}),
    kHazardName);

struct PresentRow {
    const char* hazard;  // what sets the picker to the present moment
};

class SecondPass : public FormTest, public ::testing::WithParamInterface<PresentRow> {};

// 06:45 UT on the night New York's clocks go back is the second 01:45 of that
// night: the present moment is plotted for its own instant, also by "Plot"
// while the picker is untouched; typed in, the same time is its first pass.
TEST_P(SecondPass, PresentMomentIsPlottedForItsOwnInstant) {
    const QStringList secondPass{"-0.05", "-0.81", "-1.98", "-3.69"};
    const ScopedTimeZone zone("America/New_York");
    now = QDateTime(QDate(2026, 11, 1), QTime(6, 45, 30), QTimeZone::utc());
    Open();
    const std::string how = GetParam().hazard;
    if (how == "now") {
        Button("Command4")->click();
    } else if (how == "tracking") {
        Check("Check1")->click();
        Tick("Timer2");
        Check("Check1")->click();
    }
    EXPECT_EQ(Picker()->time().toString("HH:mm"), "01:45");
    EXPECT_EQ(Offsets(), secondPass);
    Button("Command1")->click();
    EXPECT_EQ(Offsets(), secondPass) << "Plot with the picker untouched";
    const QDateTime shown = Picker()->dateTime();
    Picker()->setDateTime(shown.addSecs(60));
    EXPECT_EQ(OffsetsAt(shown), QStringList({"-0.31", "-0.62", "-1.84", "-3.58"})) << "typed in: the first pass";
}

INSTANTIATE_TEST_SUITE_P(Window, SecondPass,
                         ::testing::Values(PresentRow{"start_up"}, PresentRow{"now"}, PresentRow{"tracking"}),
                         kHazardName);

// A fault in a plot, however the plot came, draws nothing, stops any animation
// or tracking without stepping the picker, and says why.
TEST_F(FormTest, FaultIsReportedAndTheWindowLivesOnInIdle) {
    bool faulty = false;
    environment.computeOffsets = [&faulty](ephemeris::UniversalTime t) {
        if (faulty) {
            throw ephemeris::ArithmeticFault("ComputeSatelliteOffsets", ephemeris::ArithmeticFault::Condition::Overflow);
        }
        return ephemeris::ComputeSatelliteOffsets(t);
    };
    Open();
    faulty = true;
    const QStringList offsets = Offsets();
    const QImage surface = form->Surface();
    const QDateTime start = Picker()->dateTime();
    for (const std::string way : {"plot", "animation", "tracking"}) {
        way == "plot" ? Button("Command1")->click() : way == "animation" ? Button("Command2")->click() : Check("Check1")->click();
        if (way != "plot") {
            Tick(way == "animation" ? "Timer1" : "Timer2");
        }
        EXPECT_TRUE(Offsets() == offsets && form->Surface() == surface) << way;
        EXPECT_EQ(Mode(), "Idle");
        EXPECT_FALSE(Check("Check1")->isChecked());
        ASSERT_EQ(Messages().size(), 1);
        EXPECT_TRUE(Messages().front()->text().contains("Arithmetic fault in ComputeSatelliteOffsets: overflow"));
        qDeleteAll(Messages());
        EXPECT_TRUE(way == "tracking" || Picker()->dateTime() == start) << "the animation stopped before its step";
    }
}

}  // namespace
}  // namespace satrivox::testing
