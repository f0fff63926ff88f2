// SPDX-License-Identifier: GPL-3.0-or-later
#include <QProcess>

#include "form_test.hpp"
#include "lists/instant_conversion.hpp"
#include "month_chart_window.hpp"

namespace satrivox::testing {
namespace {

// The month chart, opened from its key on the picker's date, 2019 January 5.
class MonthChartWindow : public FormTest {
protected:
    void SetUp() override {
        Open();
        Show();
        Picker()->setDateTime({QDate(2019, 1, 5), QTime(23, 0)});
        Click("Command1");
        QTest::keySequence(form.get(), QKeySequence("Ctrl+Shift+H"));
        chart = form->findChild<window::MonthChartWindow*>("monthChart");
        ASSERT_NE(chart, nullptr);
        ASSERT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == chart; }));
        view = chart->findChild<window::ChartView*>("chart");
    }
    [[nodiscard]] double MarkedY() const {
        const drawing::MonthChart& shown = chart->Chart();
        return view->Layout()->Y(shown.DayOf(lists::ToUniversalTime(Picker()->dateTime())));
    }
    window::MonthChartWindow* chart = nullptr;
    window::ChartView* view = nullptr;
};

TEST_F(MonthChartWindow, ShowsThePickersMonthAndFollowsEveryPlot) {
    EXPECT_EQ(chart->Chart().request.first, QDate(2019, 1, 1));
    EXPECT_EQ(chart->Chart().request.days, 31);
    EXPECT_FALSE(chart->isModal());
    const QImage before = view->grab().toImage();
    EXPECT_TRUE(view->accessibleDescription().startsWith("January 2019, 31 days; marked 01/05/2019 23:00 UTC: Io "))
        << view->accessibleDescription().toStdString();
    // A plot a day later moves the line; an animation past the month's end takes the chart on.
    Picker()->setDateTime({QDate(2019, 1, 6), QTime(23, 0)});
    Click("Command1");
    EXPECT_NE(view->grab().toImage(), before);
    EXPECT_TRUE(view->accessibleDescription().contains("marked 01/06/2019 23:00 UTC"));
    // The pointer on Europa's curve: the screen reader hears Europa, the moon nearest it.
    const double day = 9.3;
    const QPointF onEuropa(view->Layout()->X(chart->Chart().CurveAt(1, day)->west), view->Layout()->Y(day));
    emit view->pointerMoved(onEuropa);
    EXPECT_TRUE(view->accessibleDescription().contains(QRegularExpression("; at 01/10/2019 \\d\\d:\\d\\d UTC, Europa ")))
        << view->accessibleDescription().toStdString();
    Picker()->setDateTime({QDate(2019, 1, 31), QTime(23, 50)});
    Click("Command1");
    SetStep("20");
    Click("Command2");
    Tick("Timer1");
    Tick("Timer1");
    Click("Command3");
    EXPECT_EQ(chart->Chart().request.first, QDate(2019, 2, 1)) << "followed into February";
    // Paged away, the chart stays where the user took it.
    QTest::keyClick(view, Qt::Key_PageUp);
    QTest::keyClick(view, Qt::Key_PageUp);
    EXPECT_EQ(chart->Chart().request.first, QDate(2018, 12, 1));
    Click("Command1");
    EXPECT_EQ(chart->Chart().request.first, QDate(2018, 12, 1));
    QTest::keyClick(view, Qt::Key_Home);
    EXPECT_EQ(chart->Chart().request.first, QDate(2019, 2, 1)) << "the picker's month";
    QTest::keyClick(view, Qt::Key_PageDown);
    EXPECT_EQ(chart->Chart().request.first, QDate(2019, 3, 1));
}

// Past 2500 there is no chart: the window says so, and its keys do nothing.
TEST_F(MonthChartWindow, OutsideTheYearsItSaysSoAndTheKeysDoNothing) {
    Open();
    Show();
    Picker()->setDateTime({QDate(2600, 6, 1), QTime(0, 0)});
    Trigger("actionMonthChart");
    chart = form->findChild<window::MonthChartWindow*>("monthChart");
    view = chart->findChild<window::ChartView*>("chart");
    EXPECT_FALSE(chart->HasChart());
    EXPECT_TRUE(chart->findChild<QLabel*>("chartSpan")->text().contains("1600 to 2500"));
    for (const Qt::Key key : {Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Plus, Qt::Key_Home}) {
        QTest::keyClick(view, key);
    }
    EXPECT_NE(chart->PrintToFile("unused.pdf", QPageSize::A4), "");
}

TEST_F(MonthChartWindow, AClickPlotsTheInstantUnderIt) {
    Click("Check1");
    const drawing::ChartLayout layout = *view->Layout();
    const double day = 20.0 + 21.5 / 24.0;  // January 21, 21:30 UTC
    QTest::mouseClick(view, Qt::LeftButton, {}, QPointF(layout.Plot().center().x(), layout.Y(day)).toPoint());
    const QDateTime shown = Picker()->dateTime();
    EXPECT_EQ(shown.date(), QDate(2019, 1, 21));
    const double pixelMs = (layout.DayAt(1.0) - layout.DayAt(0.0)) * 86400000.0;
    EXPECT_LE(std::abs(shown.time().msecsSinceStartOfDay() - QTime(21, 30).msecsSinceStartOfDay()), pixelMs)
        << shown.toString().toStdString() << ": within the pixel's minutes";
    EXPECT_EQ(Mode(), "Idle") << "tracking stopped, as a chosen event stops it";
    EXPECT_NEAR(MarkedY(), layout.Y(day), 1.5);
}

TEST_F(MonthChartWindow, TheMarksCanBeTurnedOff) {
    ASSERT_FALSE(chart->Chart().redSpotTransits.empty());
    chart->findChild<QAction*>("redSpotMarks")->trigger();
    EXPECT_TRUE(chart->Chart().redSpotTransits.empty());
    Picker()->setDateTime({QDate(2026, 12, 5), QTime(23, 0)});
    Click("Command1");
    ASSERT_EQ(chart->Chart().request.first, QDate(2026, 12, 1)) << "followed the plot";
    ASSERT_FALSE(chart->Chart().mutualMarks.empty()) << "December 2026, in the season of mutual events";
    chart->findChild<QAction*>("mutualMarks")->trigger();
    EXPECT_TRUE(chart->Chart().mutualMarks.empty() && chart->Chart().redSpotTransits.empty()) << "both stay off";
}

TEST_F(MonthChartWindow, StretchesTimeAndRemembersWhereItStood) {
    const int height = view->height();
    QTest::keyClick(view, Qt::Key_Plus);
    QTest::keyClick(view, Qt::Key_Plus);
    EXPECT_EQ(chart->Stretch(), 2.0);
    EXPECT_NEAR(view->height(), 2 * height, 2);
    QTest::keyClick(view, Qt::Key_Minus);
    EXPECT_EQ(chart->Stretch(), 1.5);
    for (int press = 0; press < 9; ++press) {
        QTest::keyClick(view, Qt::Key_Minus);
    }
    EXPECT_EQ(chart->Stretch(), 1.0);
    chart->resize(640, 700);
    chart->move(40, 60);
    chart->close();
    EXPECT_EQ(settings::ReadGeometry(settings::Placed::MonthChart), chart->saveGeometry());
}

TEST_F(MonthChartWindow, FollowsTheViewsMirrorAndNightColours) {
    const drawing::ChartLayout plain = *view->Layout();
    Trigger("actionMirrorEastWest");
    EXPECT_TRUE(chart->Chart().request.mirrored);
    EXPECT_NEAR(view->Layout()->X(-5.0), plain.X(5.0), 1e-9);
    Trigger("actionNightColours");
    const QImage night = view->grab().toImage();
    EXPECT_EQ(Count(night, [](QRgb pixel) { return qGreen(pixel) > 40 || qBlue(pixel) > 40; }), 0) << "red on black only";
}

// One page, portrait, the printer's own size.
TEST_F(MonthChartWindow, PrintsTheMonthOnOnePage) {
    const QTemporaryDir folder;
    ASSERT_EQ(chart->PrintToFile(folder.filePath("printed.pdf"), QPageSize::Letter), "");
    QProcess info;
    info.start("pdfinfo", {folder.filePath("printed.pdf")});
    ASSERT_TRUE(info.waitForFinished(30000));
    const QString said = QString::fromUtf8(info.readAllStandardOutput());
    EXPECT_TRUE(said.contains(QRegularExpression("Pages: +1\n")) && said.contains("612 x 792 pts (letter)")) << said.toStdString();
}

}  // namespace
}  // namespace satrivox::testing
