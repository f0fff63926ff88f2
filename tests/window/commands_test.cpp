// SPDX-License-Identifier: GPL-3.0-or-later
#include "form_fixture.hpp"
#include "named_rows.hpp"
#include "scoped_time_zone.hpp"

namespace satrivox::testing {
namespace {

using satrivox::testing::operator<<;

const QDateTime kNoon(QDate(2000, 1, 1), QTime(12, 0));

class Commands : public FormTest {
protected:
    void SetUp() override { Open(); }

    QStringList OffsetsAt(const QDateTime& instant) {
        Picker()->setDateTime(instant);
        Button("Command1")->click();
        return Offsets();
    }
};

TEST_F(Commands, PlotDrawsThePickersValue) {
    const QStringList noon = Offsets();
    const QStringList later = OffsetsAt(kNoon.addSecs(6 * 3600));
    EXPECT_NE(later, noon);
    EXPECT_EQ(OffsetsAt(kNoon), noon);
}

TEST_F(Commands, PickerEditsDrawNothingUntilACommandPlots) {
    const QStringList before = Offsets();
    Picker()->setDateTime(kNoon.addDays(3));
    EXPECT_EQ(Offsets(), before);
}

TEST_F(Commands, NowMovesThePickerToThePresentWithItsSecondsAndPlots) {
    now = QDateTime(QDate(2003, 7, 22), QTime(13, 30, 42));
    Button("Command4")->click();
    EXPECT_EQ(Picker()->dateTime(), now);
    const QStringList shown = Offsets();
    EXPECT_EQ(OffsetsAt(QDateTime(QDate(2003, 7, 22), QTime(13, 30))), shown);
}

TEST_F(Commands, AnimateAndStopSwitchBetweenIdleAndAnimating) {
    Button("Command2")->click();
    EXPECT_EQ(Mode(), "Animating");
    Button("Command3")->click();
    EXPECT_EQ(Mode(), "Idle");
}

TEST_F(Commands, NowDuringAnAnimationMovesItWithoutStoppingIt) {
    Button("Command2")->click();
    now = kNoon.addYears(5);
    Button("Command4")->click();
    EXPECT_EQ(Mode(), "Animating");
    Tick("Timer1");
    EXPECT_EQ(Picker()->dateTime(), now.addSecs(3600));
}

TEST_F(Commands, TrackingStopsAnAnimationAndEndsInIdleWithStopDisabled) {
    Button("Command2")->click();
    Check("Check1")->click();
    EXPECT_EQ(Mode(), "Tracking");
    Check("Check1")->click();
    EXPECT_EQ(Mode(), "Idle");
}

TEST_F(Commands, TrackingTickCopiesThePresentIntoThePickerAndPlotsIt) {
    Check("Check1")->click();
    now = QDateTime(QDate(2003, 11, 22), QTime(13, 30, 59));
    Tick("Timer2");
    EXPECT_EQ(Picker()->dateTime(), now);
    const QStringList tracked = Offsets();
    Check("Check1")->click();
    EXPECT_EQ(OffsetsAt(QDateTime(QDate(2003, 11, 22), QTime(13, 30))), tracked);
}

TEST_F(Commands, PictureSwitchShowsAndHidesThePictureWithoutRedrawing) {
    const QImage before = form->Surface();
    Check("Check2")->click();
    EXPECT_FALSE(Get<QLabel>("Image1")->isHidden());
    Check("Check2")->click();
    EXPECT_TRUE(Get<QLabel>("Image1")->isHidden());
    EXPECT_EQ(form->Surface(), before);
}

struct StepRow {
    const char* hazard;
    const char* text;
    qint64 millisecondsPerTick;
};

class AnimationStep : public Commands, public ::testing::WithParamInterface<StepRow> {};

TEST_P(AnimationStep, EachTickPlotsThePickerThenStepsIt) {
    SetStep(GetParam().text);
    Picker()->setDateTime(kNoon);
    const QStringList atNoon = OffsetsAt(kNoon);
    Button("Command2")->click();
    Tick("Timer1");
    EXPECT_EQ(Offsets(), atNoon) << "the first tick draws the value the animation started from";
    EXPECT_EQ(Picker()->dateTime(), kNoon.addMSecs(GetParam().millisecondsPerTick));
    Tick("Timer1");
    EXPECT_EQ(Picker()->dateTime(), kNoon.addMSecs(2 * GetParam().millisecondsPerTick));
    EXPECT_EQ(Mode(), "Animating");
}

INSTANTIATE_TEST_SUITE_P(Window, AnimationStep,
                         ::testing::Values(StepRow{"an_hour", "60", 3600000}, StepRow{"backwards", "-15", -900000},
                                           StepRow{"half_a_minute", "0.5", 30000},
                                           StepRow{"trailing_words", " 2 minutes", 120000},
                                           StepRow{"not_a_number", "abc", 0}, StepRow{"empty", "", 0}),
                         [](const auto& info) { return std::string(info.param.hazard); });

TEST_F(FormTest, AnimationRunsOnThroughTheHourTheClocksSkip) {
    const ScopedTimeZone zone("America/New_York");
    Open();
    Picker()->setDateTime(QDateTime(QDate(2024, 3, 10), QTime(1, 0)));
    Button("Command2")->click();
    Tick("Timer1");
    EXPECT_EQ(Picker()->dateTime(), QDateTime(QDate(2024, 3, 10), QTime(3, 0))) << "02:00 does not exist that day";
    Tick("Timer1");
    EXPECT_EQ(Picker()->dateTime(), QDateTime(QDate(2024, 3, 10), QTime(4, 0)));
}

TEST_F(Commands, StepTypedDuringAnAnimationTakesEffectAtTheNextTick) {
    Picker()->setDateTime(kNoon);
    Button("Command2")->click();
    Tick("Timer1");
    SetStep("-30");
    Tick("Timer1");
    EXPECT_EQ(Picker()->dateTime(), kNoon.addSecs(3600 - 1800));
}

class Fault : public FormTest {
protected:
    bool faulty = false;

    void SetUp() override {
        environment.computeOffsets = [this](ephemeris::Instant t) {
            if (faulty) {
                throw ephemeris::ArithmeticFault("ComputeSatelliteOffsets",
                                                 ephemeris::ArithmeticFault::Condition::Overflow);
            }
            return ephemeris::ComputeSatelliteOffsets(t);
        };
        Open();
        faulty = true;
    }

    void ExpectReportedAndUndrawn(const QStringList& offsets, const QImage& surface) {
        EXPECT_EQ(Offsets(), offsets);
        EXPECT_EQ(form->Surface(), surface);
        EXPECT_EQ(Mode(), "Idle");
        EXPECT_FALSE(Check("Check1")->isChecked());
        ASSERT_EQ(Messages().size(), 1);
        EXPECT_TRUE(Messages().front()->text().contains("Arithmetic fault in ComputeSatelliteOffsets: overflow"));
    }
};

TEST_F(Fault, InAPlotIsReportedAndTheWindowLivesOn) {
    const QStringList offsets = Offsets();
    const QImage surface = form->Surface();
    Button("Command1")->click();
    ExpectReportedAndUndrawn(offsets, surface);
}

TEST_F(Fault, StopsAnAnimationWithoutSteppingThePicker) {
    const QStringList offsets = Offsets();
    const QImage surface = form->Surface();
    const QDateTime start = Picker()->dateTime();
    Button("Command2")->click();
    Tick("Timer1");
    ExpectReportedAndUndrawn(offsets, surface);
    EXPECT_EQ(Picker()->dateTime(), start);
}

TEST_F(Fault, StopsTracking) {
    const QStringList offsets = Offsets();
    const QImage surface = form->Surface();
    Check("Check1")->click();
    Tick("Timer2");
    ExpectReportedAndUndrawn(offsets, surface);
}

}  // namespace
}  // namespace satrivox::testing
