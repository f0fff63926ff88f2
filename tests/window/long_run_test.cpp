// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include <unistd.h>

#include <fstream>
#include <iostream>
#include <limits>

#include "form_fixture.hpp"

namespace satrivox::testing {
namespace {

// Allocator noise stays well inside this; a leak of even 10 bytes a tick over
// 90,000 ticks does not. AddressSanitizer holds freed memory in quarantine, so
// under it growth says nothing and LeakSanitizer checks for leaks instead.
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

class LongRun : public FormTest {
protected:
    const QDateTime kFirst{QDate(1601, 1, 1), QTime(0, 0)};
    const QDateTime kLast{QDate(9999, 12, 31), QTime(23, 59, 59, 999)};

    void SetUp() override { Open(); }

    // Ticks as the event loop would deliver them, handing it its posted events
    // (repaints, deferred deletes) now and then; real timer ticks stay out.
    // Returns the growth of resident memory over all but the first tenth.
    long Run(const char* timer, int ticks, const std::function<void()>& betweenTicks) {
        long residentKB = 0;
        qsizetype objects = 0;
        for (int tick = 1; tick <= ticks; ++tick) {
            betweenTicks();
            Tick(timer);
            if (tick % 1000 == 0) {
                QCoreApplication::sendPostedEvents();
            }
            if (tick == ticks / 10) {
                residentKB = ResidentKB();
                objects = QApplication::allWidgets().size() + form->findChildren<QObject*>().size();
            }
        }
        EXPECT_EQ(QApplication::allWidgets().size() + form->findChildren<QObject*>().size(), objects);
        std::cout << "resident memory over the last " << ticks - ticks / 10 << " ticks: " << ResidentKB() - residentKB
                  << " KB\n";
        return ResidentKB() - residentKB;
    }

    int Abuse(const QDateTime& start, int ticks, const std::function<QString(int)>& stepAt);
};

TEST_F(LongRun, HundredThousandAnimationTicksNeitherGrowNorDrift) {
    const QDateTime start(QDate(2000, 1, 1), QTime(0, 0));
    Picker()->setDateTime(start);
    SetStep("0.25");
    Button("Command2")->click();
    EXPECT_LE(Run("Timer1", 100000, [] {}), kMemoryGrowthBoundKB);
    EXPECT_EQ(Picker()->dateTime(), start.addSecs(100000LL * 15));
    EXPECT_EQ(Mode(), "Animating");
}

TEST_F(LongRun, TenThousandTrackingTicksFollowTheClock) {
    const QDateTime start(QDate(2024, 3, 1), QTime(8, 0, 0));
    now = start;
    Check("Check1")->click();
    EXPECT_LE(Run("Timer2", 10000, [this] { now = now.addSecs(1); }), kMemoryGrowthBoundKB);
    EXPECT_EQ(Picker()->dateTime(), start.addSecs(10000));
    EXPECT_EQ(Mode(), "Tracking");
}

// Animates from `start`, the step before each tick given by `stepAt`, starting
// again after each stop: the picker never leaves the range, and each stop is at
// an end with a message naming it. Returns the number of stops.
int LongRun::Abuse(const QDateTime& start, int ticks, const std::function<QString(int)>& stepAt) {
    Picker()->setDateTime(start);
    int stops = 0;
    for (int tick = 0; tick < ticks && !HasFailure(); ++tick) {
        SetStep(stepAt(tick));
        if (Button("Command2")->isEnabled()) {
            Button("Command2")->click();
        }
        Tick("Timer1");
        const QDateTime at = Picker()->dateTime();
        EXPECT_TRUE(at >= kFirst && at <= kLast) << stepAt(tick).toStdString();
        if (Mode() == "Animating") {
            EXPECT_TRUE(Messages().isEmpty());
            continue;
        }
        ++stops;
        EXPECT_TRUE(at == kFirst || at == kLast);
        const QString sentence = at == kFirst ? "reached the start of the date range, %1" : "reached the end of the date range, %1";
        EXPECT_EQ(Messages().size(), 1);
        EXPECT_TRUE(Messages().front()->text().contains(sentence.arg(at.toString("MM/dd/yyyy HH:mm"))));
        qDeleteAll(Messages());
    }
    return stops;
}

TEST_F(LongRun, StepsOfAnySizeStopAtTheRangesEnds) {
    const std::pair<const char*, bool> steps[] = {{"1e-9", false}, {"0.001", false}, {"1", true},      {"60", true},
                                                  {"1e5", true},   {"1e9", true},     {"1e15", true},  {"1e300", true},
                                                  {"1e400", true}};
    for (const auto& [step, reachesTheEnd] : steps) {
        const QString forwards(step);
        EXPECT_EQ(Abuse(kLast.addSecs(-120), 500, [&](int) { return forwards; }) > 0, reachesTheEnd) << step;
        EXPECT_EQ(Abuse(kFirst.addSecs(120), 500, [&](int) { return "-" + forwards; }) > 0, reachesTheEnd) << step;
    }
}

TEST_F(LongRun, StepsTypedWhileRunningNeverTakeThePickerOut) {
    const char* steps[] = {"1e400", "-1e400", "abc", "60", "-1e9", "1e-9", "", "1e300", "-0.5"};
    EXPECT_GT(Abuse(kFirst.addYears(4000), 300, [&](int tick) { return QString(steps[(tick * 7) % std::size(steps)]); }), 50);
}

}  // namespace
}  // namespace satrivox::testing
