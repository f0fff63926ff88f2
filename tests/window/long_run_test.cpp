// SPDX-License-Identifier: GPL-3.0-or-later
#include "form_test.hpp"

namespace satrivox::testing {
namespace {

// ---- Long runs ---------------------------------------------------------------------

long ResidentKB() {
    long size = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> size >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

class LongRun : public FormTest {
protected:
    const QDateTime kFirst{QDate(1601, 1, 1), QTime(0, 0)};
    const QDateTime kLast{QDate(9999, 12, 31), QTime(23, 59, 59, 999)};

    void SetUp() override { Open(); }

    // Ticks with the step before each from `stepAt`, restarting after each stop: the
    // picker stays in range and stops only at an end, saying so. After the first
    // tenth no object is left behind and, over a long run, memory grows less than
    // 512 KB, below a leak of 10 bytes a tick over 90,000 (under ASan, LeakSanitizer checks).
    int Run(const char* timer, int ticks, const std::function<QString(int)>& stepAt) {
        const auto objects = [this] { return QApplication::allWidgets().size() + form->findChildren<QObject*>().size(); };
        [[maybe_unused]] long residentKB = ResidentKB();  // unread under AddressSanitizer
        qsizetype census = objects();
        int stops = 0;
        for (int tick = 1; tick <= ticks && !HasFailure(); ++tick) {
            SetStep(stepAt(tick));
            if (timer == std::string("Timer1") && Get("Command2")->isEnabled()) {
                Click("Command2");
            }
            now = now.addSecs(1);
            Tick(timer);
            const QDateTime at = Picker()->dateTime();
            EXPECT_TRUE(at >= kFirst && at <= kLast) << stepAt(tick).toStdString();
            if (Mode() == "Idle") {
                ++stops;
                const QString end = at == kFirst ? "start" : at == kLast ? "end" : "nowhere";
                EXPECT_EQ(Messages().size(), 1);
                EXPECT_TRUE(Messages().value(0)->text().contains(
                    QString("reached the %1 of the date range, %2").arg(end, at.toString("MM/dd/yyyy HH:mm"))));
                qDeleteAll(Messages());
            }
            if (tick % 1000 == 0) {
                QCoreApplication::sendPostedEvents();
            }
            if (tick == ticks / 10) {
                residentKB = ResidentKB();
                census = objects();
            }
        }
        EXPECT_EQ(objects(), census);
#if !defined(__SANITIZE_ADDRESS__)
        EXPECT_TRUE(ticks < 10000 || ResidentKB() - residentKB <= 512) << ResidentKB() - residentKB << " KB";
#endif
        return stops;
    }
};

TEST_F(LongRun, HundredThousandAnimationAndTenThousandTrackingTicksNeitherGrowNorDrift) {
    Picker()->setDateTime(kNoon);
    EXPECT_EQ(Run("Timer1", 100000, [](int) { return "0.25"; }), 0);
    EXPECT_EQ(Picker()->dateTime(), kNoon.addSecs(100000LL * 15));
    Click("Command3");
    Click("Check1");
    Run("Timer2", 10000, [](int) { return ""; });
    EXPECT_EQ(Picker()->dateTime(), now);
}

TEST_F(LongRun, StepsOfAnySizeStopOnlyAtTheRangesEnds) {
    for (const auto& [step, reachesTheEnd] : {std::pair{"1e-9", false}, {"0.001", false}, {"1", true}, {"60", true},
                                              {"1e5", true}, {"1e9", true}, {"1e15", true}, {"1e300", true}, {"1e400", true}}) {
        Picker()->setDateTime(kLast.addSecs(-120));
        EXPECT_EQ(Run("Timer1", 500, [&](int) { return QString(step); }) > 0, reachesTheEnd) << step;
        Picker()->setDateTime(kFirst.addSecs(120));
        EXPECT_EQ(Run("Timer1", 500, [&](int) { return "-" + QString(step); }) > 0, reachesTheEnd) << step;
    }
    const char* typed[] = {"1e400", "-1e400", "abc", "60", "-1e9", "1e-9", "", "1e300", "-0.5"};
    Picker()->setDateTime(kFirst.addYears(4000));
    EXPECT_GT(Run("Timer1", 300, [&](int tick) { return QString(typed[(tick * 7) % std::size(typed)]); }), 50)
        << "steps typed while running";
}

}  // namespace
}  // namespace satrivox::testing
