// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include <fstream>
#include <iostream>
#include <limits>

#include "form_fixture.hpp"
#include "named_rows.hpp"

namespace satrivox::testing {
namespace {

using satrivox::testing::operator<<;

// Allocator noise stays well inside this; a leak of even 10 bytes a tick
// over 90,000 ticks does not. AddressSanitizer holds freed memory in
// quarantine, so under it growth says nothing and LeakSanitizer checks
// for leaks instead.
#if defined(__SANITIZE_ADDRESS__)
constexpr long kMemoryGrowthBoundKB = std::numeric_limits<long>::max();
#else
constexpr long kMemoryGrowthBoundKB = 512;
#endif

long ResidentKB() {
    std::ifstream statm("/proc/self/statm");
    long size = 0;
    long resident = 0;
    statm >> size >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

struct Census {
    qsizetype widgets;
    qsizetype children;
    qsizetype timers;
    bool operator==(const Census&) const = default;
};

class LongRun : public FormTest {
protected:
    void SetUp() override { Open(); }

    Census Count() const {
        return {QApplication::allWidgets().size(), form->findChildren<QObject*>().size(),
                form->findChildren<QTimer*>().size()};
    }

    // Ticks as the event loop would deliver them, handing it its posted events
    // (repaints, deferred deletes) now and then; real timer ticks stay out.
    void Run(const char* timer, int ticks, const std::function<void()>& betweenTicks = [] {}) {
        for (int tick = 1; tick <= ticks; ++tick) {
            betweenTicks();
            Tick(timer);
            if (tick % 1000 == 0) {
                QCoreApplication::sendPostedEvents();
            }
        }
    }
};

TEST_F(LongRun, HundredThousandAnimationTicksNeitherGrowNorDrift) {
    const QDateTime start(QDate(2000, 1, 1), QTime(0, 0));
    Picker()->setDateTime(start);
    SetStep("0.25");
    Button("Command2")->click();
    Run("Timer1", 10000);
    const Census census = Count();
    const long residentKB = ResidentKB();
    Run("Timer1", 90000);
    std::cout << "resident memory over 90,000 animation ticks: " << ResidentKB() - residentKB << " KB\n";
    EXPECT_LE(ResidentKB() - residentKB, kMemoryGrowthBoundKB);
    EXPECT_EQ(Count(), census);
    EXPECT_EQ(Picker()->dateTime(), start.addSecs(100000LL * 15));
    EXPECT_EQ(Mode(), "Animating");
}

TEST_F(LongRun, TenThousandTrackingTicksFollowTheClock) {
    const QDateTime start(QDate(2024, 3, 1), QTime(8, 0, 0));
    now = start;
    Check("Check1")->click();
    const auto advanceClock = [this] { now = now.addSecs(1); };
    Run("Timer2", 1000, advanceClock);
    const Census census = Count();
    const long residentKB = ResidentKB();
    Run("Timer2", 9000, advanceClock);
    std::cout << "resident memory over 9,000 tracking ticks: " << ResidentKB() - residentKB << " KB\n";
    EXPECT_LE(ResidentKB() - residentKB, kMemoryGrowthBoundKB);
    EXPECT_EQ(Count(), census);
    EXPECT_EQ(Picker()->dateTime(), start.addSecs(10000));
    EXPECT_EQ(Mode(), "Tracking");
}

struct AbuseRow {
    std::string hazard;
    std::string step;
    QDateTime start;
};

const QDateTime kFirst(QDate(1601, 1, 1), QTime(0, 0));
const QDateTime kLast(QDate(9999, 12, 31), QTime(23, 59, 59, 999));
const QDateTime kNearLast(QDate(9999, 12, 31), QTime(23, 58));
const QDateTime kNearFirst(QDate(1601, 1, 1), QTime(0, 2));

class RangeAbuse : public LongRun, public ::testing::WithParamInterface<AbuseRow> {};

TEST_P(RangeAbuse, NeverLeavesTheRangeAndSaysWhyItStopped) {
    Picker()->setDateTime(GetParam().start);
    SetStep(QString::fromStdString(GetParam().step));
    Button("Command2")->click();
    for (int tick = 0; tick < 500 && Mode() == "Animating"; ++tick) {
        Tick("Timer1");
        ASSERT_GE(Picker()->dateTime(), kFirst);
        ASSERT_LE(Picker()->dateTime(), kLast);
    }
    if (Mode() == "Idle") {
        const QDateTime end = Picker()->dateTime();
        EXPECT_TRUE(end == kFirst || end == kLast);
        ASSERT_EQ(Messages().size(), 1);
        EXPECT_TRUE(Messages().front()->text().contains(end.toString("MM/dd/yyyy HH:mm")));
    } else {
        EXPECT_EQ(Mode(), "Animating");
        EXPECT_TRUE(Messages().isEmpty());
    }
}

// Each step forward from just before the end, and backward from just after the start.
std::vector<AbuseRow> AbuseRows() {
    const std::pair<const char*, const char*> steps[] = {
        {"nanominutes", "1e-9"}, {"milliminutes", "0.001"}, {"minutes", "1"},          {"hours", "60"},
        {"months", "1e5"},       {"millennia", "1e9"},      {"beyond_calendar", "1e15"}, {"largest_doubles", "1e300"},
        {"overflow", "1e400"}};
    std::vector<AbuseRow> rows;
    for (const auto& [name, step] : steps) {
        rows.push_back({std::string(name) + "_forward", step, kNearLast});
        rows.push_back({std::string(name) + "_backward", std::string("-") + step, kNearFirst});
    }
    return rows;
}

INSTANTIATE_TEST_SUITE_P(Window, RangeAbuse, ::testing::ValuesIn(AbuseRows()),
                         [](const auto& info) { return info.param.hazard; });

TEST_F(LongRun, StepsTypedWhileRunningNeverTakeThePickerOut) {
    const char* steps[] = {"1e400", "-1e400", "abc", "60", "-1e9", "1e-9", "", "1e300", "-0.5"};
    int stops = 0;
    for (int round = 0; round < 300; ++round) {
        if (Button("Command2")->isEnabled()) {
            Button("Command2")->click();
        }
        SetStep(steps[(round * 7) % std::size(steps)]);
        Tick("Timer1");
        ASSERT_GE(Picker()->dateTime(), kFirst);
        ASSERT_LE(Picker()->dateTime(), kLast);
        if (Mode() == "Idle") {
            ++stops;
            ASSERT_EQ(Messages().size(), 1) << "round " << round;
            delete Messages().front();
        } else {
            ASSERT_EQ(Mode(), "Animating");
        }
    }
    EXPECT_GT(stops, 50);
}

}  // namespace
}  // namespace satrivox::testing
