// SPDX-License-Identifier: GPL-3.0-or-later
#include "form_test.hpp"

namespace satrivox::testing {
namespace {

// At ratio 1, the shapes the window has always drawn: a dot is a filled cross
// of five pixels on the pixel nearest its place, halves up, and covers a moon
// drawn earlier at the same place; an old dot that touched the ring leaves a
// nick in it until the next plot draws the ring again.
TEST_F(Plot, AtRatioOneADotIsACrossAndAnOldDotNicksTheRingUntilTheNextPlot) {
    std::map<std::pair<int, int>, QRgb> cross;
    for (const auto& pixel : {std::pair{0, -1}, {-1, 0}, {0, 0}, {1, 0}, {0, 1}}) {
        cross[pixel] = kCyan;
    }
    for (const double fraction : {0.49, 0.5, -0.49, -0.51}) {
        Replot(AtPixels(-30 + fraction, -30 + fraction, 90, 200));
        const int nearest = kCentreX - 30 + (fraction >= 0.5 ? 1 : fraction < -0.5 ? -1 : 0);
        EXPECT_EQ(LitAround(form->Surface(), {nearest, kRow}, 2), cross) << "Europa over Io, " << fraction;
    }
    for (const auto& [io, expected] : {std::pair{7, kRed}, {40, qRgb(0, 0, 0)}, {40, kWhite}}) {
        Replot(AtPixels(io, 80, -120, 200));
        EXPECT_EQ(form->Surface().pixel(kCentreX + 6, kRow), expected) << "Io at " << io;
    }
}

// A plot repaints what it changed, the ring and the old and new dots, and no more;
// with every dot on one side and then the other, the ring's own rectangle counts.
TEST_F(Plot, RepaintsOnlyWhatItChanged) {
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    struct : QObject {
        QRegion painted;
        bool eventFilter(QObject*, QEvent* event) override {
            painted += event->type() == QEvent::Paint ? static_cast<QPaintEvent*>(event)->region() : QRegion();
            return false;
        }
    } spy;
    Get("plot")->installEventFilter(&spy);  // behind the controls, as large as the window
    for (const int side : {-1, 1}) {
        Replot(AtPixels(side * 40, side * 80, side * 120, side * 200));
        QCoreApplication::processEvents();
        spy.painted = {};
        Replot(AtPixels(side * 30, side * 80, side * 120, side * 200));
        QCoreApplication::processEvents();
        for (const QRect& changed : {QRect(kCentreX - 6, kRow - 6, 13, 13), QRect(kCentreX + side * 40 - 1, kRow - 1, 3, 3),
                                     QRect(kCentreX + side * 30 - 1, kRow - 1, 3, 3)}) {
            EXPECT_TRUE(QRegion(changed).subtracted(spy.painted).isEmpty()) << side;
        }
        EXPECT_LE(spy.painted.boundingRect().height(), 13);
    }
}

// On screens scaled 1, 1.25, 1.5, 1.75 and 2, the window draws its last plot
// again at the new ratio. Wherever a moon's place falls, its dot is one disc,
// symmetric both ways, on the device pixel nearest that place; the ring is one
// circle on the same pixel as a dot at offset 0; an erase leaves nothing lit;
// and the picture, drawn for ratio 1 or 2 at the control's size, 29 x 26, has
// its middle pixel on the ring's, and its disc within those 26 rows.
TEST_F(Plot, ShapesAndPictureAreExactAtEveryScaleFactor) {
    form->show();
    Click("Check2");
    // ratio: pixels of a dot, of the ring, the ring's diameter, as the README lists them
    const std::map<qreal, std::array<int, 3>> sizes{
        {1.0, {5, 32, 13}}, {1.25, {5, 44, 17}}, {1.5, {13, 100, 19}}, {1.75, {13, 136, 23}}, {2.0, {13, 140, 25}}};
    std::set<qreal> ratios;
    for (QScreen* screen : QGuiApplication::screens()) {
        form->windowHandle()->setScreen(screen);
        QCoreApplication::processEvents();
        const qreal ratio = form->devicePixelRatioF();
        ASSERT_EQ(form->Surface().devicePixelRatio(), ratio) << screen->name().toStdString();
        const QPoint centre(DevicePixel(kCentreX, ratio), DevicePixel(kRow, ratio));
        const std::array<int, 3>& size = sizes.at(ratio);
        Click("Check2");
        for (const double fraction : {0.0, 0.3, 0.5, 0.7}) {
            Replot(AtPixels(0.0, 60 + fraction, -90.5 - fraction, 150.25 + fraction));
            const QImage& surface = form->Surface();
            const auto middle = LitAround(surface, centre, size[2] / 2 + 1);  // the ring and what it holds
            const auto io = LitAround(surface, centre, 3);
            auto ring = middle;
            std::erase_if(ring, [&io](const auto& pixel) { return io.contains(pixel.first); });
            EXPECT_TRUE(SymmetricAndSolid(ring) && SymmetricAndSolid(io)) << ratio << " ring and Io's dot on one pixel";
            EXPECT_TRUE(io.size() == static_cast<std::size_t>(size[0]) && middle.size() == io.size() + size[1]) << ratio;
            std::size_t lit = middle.size();
            for (const double place : {60 + fraction, -90.5 - fraction, 150.25 + fraction}) {
                const auto dot = LitAround(surface, QPoint(DevicePixel(kCentreX + place, ratio), centre.y()), 3);
                EXPECT_TRUE(dot.size() == io.size() && SymmetricAndSolid(dot)) << ratio << " a dot " << place << " from the centre";
                lit += dot.size();
            }
            EXPECT_EQ(Count(surface, kLit), static_cast<int>(lit)) << ratio << ": every earlier dot erased";
        }
        Click("Check2");
        const QImage& shown = form->Surface();
        QRect picture;  // over the ring and Io's dot
        for (const auto& [pixel, rgb] : LitAround(shown, centre, size[2] + 4)) {
            picture |= QRect(centre + QPoint(pixel.first, pixel.second), QSize(1, 1));
        }
        EXPECT_TRUE(picture.width() % 2 == 1 && picture.height() % 2 == 1 && picture.center() == centre) << ratio;
        const QImage drawn(ratio == 1.0 ? ":/window/planet.png" : ":/window/planet@2x.png");
        EXPECT_EQ(drawn.size(), Get("Image1")->size() * (ratio == 1.0 ? 1 : 2)) << "the control's 29 x 26";
        const QRect area(centre - QPoint(drawn.width() / 2, drawn.height() / 2), drawn.size());
        EXPECT_TRUE((ratio != 1.0 && ratio != 2.0) || shown.copy(area) == drawn.convertToFormat(shown.format())) << ratio;
        ratios.insert(ratio);
    }
    EXPECT_EQ(ratios, std::set<qreal>({1.0, 1.25, 1.5, 1.75, 2.0}));
}

// ---- At the eyepiece: the view mirrored, night colours, names, the copied line ----

QString Negated(const QString& number) { return number.startsWith('-') ? number.mid(1) : "-" + number; }

// However a plot comes (Plot, Now, an animation's tick, tracking's tick), the
// mirrored view is the other reflected about the centre column to the pixel,
// dots, a nick in the ring and picture alike, with "E" and "W" at the row's
// ends and every number negated.
TEST_F(Plot, MirroredViewIsTheOtherReflectedWithItsNumbersNegated) {
    form->show();
    Click("Check2");
    const std::map<std::string, std::function<void()>> ways{
        {"plot", [this] { Click("Command1"); }},
        {"now", [this] { Click("Command4"); }},
        {"animation", [this] { Click("Command2"), Tick("Timer1"), Click("Command3"); }},
        {"tracking", [this] { Click("Check1"), Tick("Timer2"), Click("Check1"); }}};
    for (const auto& [way, plot] : ways) {
        std::array<QImage, 2> views;
        std::array<QStringList, 2> numbers;
        for (const int mirrored : {0, 1}) {
            model = AtPixels(7.5, -80.5, 120.2, -199.7);
            plot();
            model = AtPixels(40.5, -6.5, 120.2, -199.7);
            plot();
            const QImage& surface = form->Surface();
            views[mirrored] = surface.scaled(surface.size() / surface.devicePixelRatio());
            numbers[mirrored] = Offsets();
            Trigger("actionMirrorEastWest");
        }
        for (int y = kRow - 8; y <= kRow + 8; ++y) {
            for (int x = 30; x <= 680; ++x) {
                ASSERT_EQ(views[1].pixel(x, y), views[0].pixel(2 * kCentreX - x, y)) << way << " at " << x << "," << y;
            }
        }
        for (const QRect& end : {QRect(0, kRow - 8, 30, 17), QRect(680, kRow - 8, 30, 17)}) {
            EXPECT_TRUE(Count(views[0], kLit, end) == 0 && Count(views[1], kLit, end) > 0) << way;
        }
        std::transform(numbers[0].begin(), numbers[0].end(), numbers[0].begin(), Negated);
        EXPECT_EQ(numbers[1], numbers[0]) << way;
    }
}

// Names are drawn, close moons' each in a place of its own (as many pixels lit
// as when spread out), and erased with their dots: after any sequence of plots,
// toggles and moves between screens of every ratio, the surface differs from
// the same plot drawn afresh only where an old dot nicked the ring.
TEST_F(Plot, NamesApartAndNoStaleLetterAfterAnySequenceOfPlotsTogglesAndScreens) {
    form->show();
    const auto lit = [this](const ephemeris::SatelliteOffsets& offsets) { return Replot(offsets), Count(form->Surface(), kLit); };
    const int spreadOut = lit(AtPixels(-200, -100, 100, 200)), close = lit(AtPixels(100, 103, 106, 109));
    Trigger("actionMoonNames");
    const int names = lit(AtPixels(-200, -100, 100, 200)) - spreadOut;
    EXPECT_TRUE(names > 0 && lit(AtPixels(100, 103, 106, 109)) - close == names) << "every name drawn, close ones apart";
    // Apart, every name sits above its dot, whichever moon lies furthest out.
    const QRect underTheRow(0, kRow + 7, form->Surface().width(), 7);
    for (const auto& apart : {AtPixels(200, -200, -100, 100), AtPixels(-200, 200, 100, -100)}) {
        Replot(apart);
        EXPECT_EQ(Count(form->Surface(), kLit, underTheRow), 0);
    }
    std::mt19937 random(13);
    const auto near = [&random](double x, int spread) { return x + static_cast<double>(random() % spread); };
    for (int step = 0; step < 150 && !HasFailure(); ++step) {
        if (const unsigned what = random() % 6; what < 3) {
            const double x = near(-150, 300);
            Replot(AtPixels(x, near(x, 9), near(x - 8, 9), near(-200, 400)));
        } else if (what < 5) {
            Trigger(what == 3 ? "actionMirrorEastWest" : "actionMoonNames");
        } else {
            form->windowHandle()->setScreen(QGuiApplication::screens().at(static_cast<int>(random() % 5)));
            QCoreApplication::processEvents();
        }
        const QImage drawn = form->Surface();
        Trigger("actionMirrorEastWest");
        Trigger("actionMirrorEastWest");
        const qreal ratio = drawn.devicePixelRatio();
        const int radius = static_cast<int>(std::lround(6 * ratio));
        const QRect ring(QPoint(DevicePixel(kCentreX, ratio) - radius, DevicePixel(kRow, ratio) - radius), QSize(2, 2) * radius + QSize(1, 1));
        ASSERT_EQ(drawn.size(), form->Surface().size());
        for (int y = 0; y < drawn.height(); ++y) {
            for (int x = 0; x < drawn.width(); ++x) {
                ASSERT_TRUE(drawn.pixel(x, y) == form->Surface().pixel(x, y) || ring.contains(x, y))
                    << "step " << step << " at " << x << "," << y << " at ratio " << ratio;
            }
        }
    }
}

// ---- Precise positions and the events dialog ----------------------------------------

// With precise positions the dots and numbers are the precise theory's, the
// ring is the disc's own size (8 pixels), and the copied line says "precise";
// off again, the window is what it was, to the bit. The choice is remembered.
TEST_F(Plot, PrecisePositionsDrawTheTheoryAndGiveTheModelBackExactly) {
    ephemeris::PreciseView precise;
    const std::array<double, 4> pixels{30, -55, 100, -180};
    for (std::size_t moon = 0; moon < 4; ++moon) {
        precise.moons[moon].westRadii = pixels[moon] / (6.0 / 46.0 * 60.0);
        precise.moons[moon].westArcmin = precise.moons[moon].westRadii * 0.5;
    }
    environment.computePrecise = [&precise](ephemeris::UniversalTime) { return precise; };
    Open();
    const QImage model = form->Surface();
    const QStringList numbers = Offsets();
    Trigger("actionPrecisePositions");
    EXPECT_EQ(Offsets(), QStringList({"1.92", "-3.51", "6.39", "-11.50"}));
    const QImage& surface = form->Surface();
    const std::array<QRgb, 4> colours{kRed, kCyan, qRgb(255, 255, 200), kWhite};
    for (std::size_t moon = 0; moon < 4; ++moon) {
        EXPECT_EQ(surface.pixel(kCentreX + static_cast<int>(pixels[moon]), kRow), colours[moon]) << moon;
    }
    EXPECT_TRUE(surface.pixel(kCentreX + 8, kRow) == kWhite && surface.pixel(kCentreX + 6, kRow) != kWhite) << "the disc's radius";
    Trigger("actionCopyOffsets");
    EXPECT_TRUE(QGuiApplication::clipboard()->text().endsWith("Callisto -11.50  arcmin  precise"));
    Trigger("actionPrecisePositions");
    EXPECT_TRUE(form->Surface() == model && Offsets() == numbers);
    Trigger("actionPrecisePositions");
    Open();
    EXPECT_TRUE(Get<QAction>("actionPrecisePositions")->isChecked() && Offsets().front() == "1.92") << "remembered";
}

// Where the precise theory cannot compute the plotted instant (past 2500),
// turning it on says so and leaves the window and the setting as they were.
TEST_F(Plot, PrecisePositionsRefusedForTheInstantLeaveTheModel) {
    environment.computePrecise = [](ephemeris::UniversalTime) -> ephemeris::PreciseView {
        throw std::out_of_range("Events and precise positions are computed for the years 1600 to 2500 only");
    };
    Open();
    const QImage model = form->Surface();
    const QStringList numbers = Offsets();
    Trigger("actionPrecisePositions");
    EXPECT_EQ(Messages().size(), 1);
    EXPECT_FALSE(Get<QAction>("actionPrecisePositions")->isChecked());
    EXPECT_TRUE(form->Surface() == model && Offsets() == numbers);
    Open();
    EXPECT_FALSE(Get<QAction>("actionPrecisePositions")->isChecked()) << "not remembered";
}

}  // namespace
}  // namespace satrivox::testing
