// SPDX-License-Identifier: GPL-3.0-or-later
#include "form_test.hpp"
#include "lists/instant_conversion.hpp"
#include "telescope_window.hpp"

namespace satrivox::testing {
namespace {

// The telescope view, opened from its key on 2019 January 5, 15:30 UTC.
class TelescopeWindow : public FormTest {
protected:
    void SetUp() override {
        Open();
        Show();
        Picker()->setDateTime({QDate(2019, 1, 5), QTime(15, 30)});
        Click("Command1");
        QTest::keySequence(form.get(), QKeySequence("Ctrl+Shift+V"));
        telescope = form->findChild<window::TelescopeWindow*>("telescopeView");
        ASSERT_NE(telescope, nullptr);
        ASSERT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == telescope; }));
        view = telescope->findChild<window::TelescopeView*>("telescope");
    }
    [[nodiscard]] ephemeris::UniversalTime Shown() const { return telescope->Scene()->instant; }
    window::TelescopeWindow* telescope = nullptr;
    window::TelescopeView* view = nullptr;
};

TEST_F(TelescopeWindow, FollowsEveryPlotAndTheAnimation) {
    EXPECT_EQ(Shown(), lists::ToUniversalTime(QDateTime(QDate(2019, 1, 5), QTime(15, 30))));
    EXPECT_TRUE(view->accessibleDescription().startsWith("Io and its shadow on the disc")) << view->accessibleDescription().toStdString();
    // The window shows the view: the planet's pale disc at its centre in the black sky.
    const QImage shown = view->grab().toImage();
    const QPoint centre = view->Layout().At(0.0, 0.0).toPoint() * shown.devicePixelRatio();
    EXPECT_GT(shown.pixelColor(centre).lightness(), 150);
    EXPECT_LT(shown.pixelColor(2, shown.height() / 2).lightness(), 40);
    Picker()->setDateTime({QDate(2019, 1, 5), QTime(18, 0)});
    Click("Command1");
    EXPECT_EQ(Shown(), lists::ToUniversalTime(QDateTime(QDate(2019, 1, 5), QTime(18, 0))));
    SetStep("10");
    Click("Command2");
    Tick("Timer1");
    Tick("Timer1");
    EXPECT_EQ(Shown(), lists::ToUniversalTime(QDateTime(QDate(2019, 1, 5), QTime(18, 10))));
    Click("Command3");
    Picker()->setDateTime({QDate(2600, 1, 1), QTime(0, 0)});
    Click("Command1");
    EXPECT_FALSE(telescope->Scene().has_value());
    EXPECT_TRUE(view->accessibleDescription().contains("1600 to 2500"));
}

TEST_F(TelescopeWindow, ZoomsTurnsAndRemembers) {
    const double system = view->Layout().PixelsPerRadius();
    QTest::keyClick(view, Qt::Key_Plus);
    QTest::keyClick(view, Qt::Key_Plus);
    EXPECT_NEAR(telescope->Zoom(), 0.2, 1e-9);
    QWheelEvent wheel(QPointF(50, 50), view->mapToGlobal(QPointF(50, 50)), {}, QPoint(0, 360), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(view, &wheel);
    EXPECT_NEAR(telescope->Zoom(), 0.5, 1e-9);
    EXPECT_GT(view->Layout().PixelsPerRadius(), 3 * system);
    QTest::keyClick(view, Qt::Key_Home);
    EXPECT_EQ(telescope->Zoom(), drawing::kWholeSystem);
    const QPointF west = view->Layout().At(1.0, 0.0) - view->Layout().At(0.0, 0.0);
    Trigger("actionSouthUp");
    EXPECT_NEAR((view->Layout().At(1.0, 0.0) - view->Layout().At(0.0, 0.0)).x(), -west.x(), 1e-9);
    EXPECT_TRUE(settings::ReadViewOptions().southUp);
    Trigger("actionMirrorEastWest");
    EXPECT_NEAR((view->Layout().At(1.0, 0.0) - view->Layout().At(0.0, 0.0)).x(), west.x(), 1e-9) << "south up and mirrored";
    Trigger("actionNightColours");
    const QImage night = view->grab().toImage();
    EXPECT_EQ(Count(night, [](QRgb pixel) { return qGreen(pixel) > 40 || qBlue(pixel) > 40; }), 0) << "red on black only";
    telescope->resize(500, 400);
    telescope->close();
    EXPECT_EQ(settings::ReadGeometry(settings::Placed::TelescopeView), telescope->saveGeometry());
}

}  // namespace
}  // namespace satrivox::testing
