// SPDX-License-Identifier: GPL-3.0-or-later
#include <QGuiApplication>
#include <QWindow>

#include <set>

#include "form_fixture.hpp"

namespace satrivox::testing {
namespace {

constexpr int kCentreX = 355;
constexpr int kRow = 150;
constexpr QRgb kRed = qRgb(255, 0, 0), kCyan = qRgb(0, 255, 255), kWhite = qRgb(255, 255, 255);
const QStringList kDot{"...#...", "..###..", "...#..."};
const QStringList kNothing{".......", ".......", "......."};

// Offsets that put each moon's dot `pixels` from the centre.
ephemeris::SatelliteOffsets AtPixels(double io, double europa, double ganymede, double callisto) {
    const double perRadius = 6.0 / 46.0 * 60.0;
    return {io / perRadius, europa / perRadius, ganymede / perRadius, callisto / perRadius, 4.0};
}

// Runs at the screen's pixel ratio, 1 or (QT_SCALE_FACTOR=2) 2: a window pixel
// is '#' if its block of device pixels is all `colour`, '.' if all black.
class Plot : public FormTest {
protected:
    ephemeris::SatelliteOffsets model = AtPixels(40, 80, -120, 200);

    void SetUp() override {
        environment.computeOffsets = [this](ephemeris::UniversalTime) { return model; };
        Open();
    }

    void Replot(const ephemeris::SatelliteOffsets& offsets) {
        model = offsets;
        form->PlotJupiter(Picker()->dateTime());
    }

    char Pixel(int x, int y, QRgb colour) const {
        const QImage& surface = form->Surface();
        const int ratio = qRound(surface.devicePixelRatio());
        std::set<QRgb> block;
        for (int device = 0; device < ratio * ratio; ++device) {
            block.insert(surface.pixel(x * ratio + device % ratio, y * ratio + device / ratio));
        }
        if (block.size() != 1) {
            return '?';
        }
        return *block.begin() == colour ? '#' : *block.begin() == qRgb(0, 0, 0) ? '.' : '?';
    }

    // The window's pixels from x - 3 to x + 3 on the three rows through the plot's row.
    QStringList Around(int x, QRgb colour) const {
        QStringList rows{"", "", ""};
        for (int column = x - 3; column <= x + 3; ++column) {
            for (int row = 0; row < 3; ++row) {
                rows[row] += Pixel(column, kRow - 1 + row, colour);
            }
        }
        return rows;
    }
};

// Wherever its centre falls between pixels, a dot is the same filled cross,
// symmetric both ways, on the pixel nearest its centre.
TEST_F(Plot, EveryDotHasOneSymmetricShapeWhereverItsCentreFalls) {
    for (const double fraction : {0.0, 0.2, 0.49, 0.51, 0.8, -0.2, -0.49, -0.51, -0.8}) {
        Replot(AtPixels(40 + fraction, 80, -120, 200));
        EXPECT_EQ(Around(kCentreX + 40 + static_cast<int>(std::lround(fraction)), kRed), kDot) << fraction;
    }
    EXPECT_EQ(Around(kCentreX + 80, kCyan), kDot);
    EXPECT_EQ(Around(kCentreX - 120, qRgb(255, 255, 200)), kDot);
    EXPECT_EQ(Around(kCentreX + 200, kWhite), kDot);
    for (int y = 0; y < kRow - 1; ++y) {
        ASSERT_EQ(Pixel(kCentreX + 200, y, kWhite), '.') << "nothing above the row, y " << y;
    }
}

TEST_F(Plot, NextPlotPaintsOverExactlyThePreviousDotsAndALaterMoonCoversAnEarlierOne) {
    Replot(AtPixels(-30.3, -30.4, 90.5, -180.2));
    for (const int x : {kCentreX + 40, kCentreX + 80, kCentreX - 120, kCentreX + 200}) {
        EXPECT_EQ(Around(x, kWhite), kNothing) << x;
    }
    EXPECT_EQ(Around(kCentreX - 30, kCyan), kDot) << "Europa over Io";
    EXPECT_EQ(Around(kCentreX - 180, kWhite), kDot);
}

TEST_F(Plot, DiscIsARingOfRadiusSixThatAnOldDotNicksUntilTheNextPlot) {
    int ring = 0;
    for (int dy = -7; dy <= 7; ++dy) {
        for (int dx = -7; dx <= 7; ++dx) {
            const bool lit = Pixel(kCentreX + dx, kRow + dy, kWhite) == '#';
            ring += lit ? 1 : 0;
            EXPECT_EQ(lit, lit && std::abs(std::hypot(dx, dy) - 6.0) < 0.75) << dx << "," << dy;
            EXPECT_TRUE(Pixel(kCentreX - dx, kRow + dy, kWhite) == Pixel(kCentreX + dx, kRow + dy, kWhite) &&
                        Pixel(kCentreX + dx, kRow - dy, kWhite) == Pixel(kCentreX + dx, kRow + dy, kWhite));
        }
    }
    EXPECT_EQ(ring, 32) << "a thin ring, symmetric both ways, and hollow";
    Replot(AtPixels(7, 80, -120, 200));
    EXPECT_EQ(Pixel(kCentreX + 6, kRow, kRed), '#');
    Replot(AtPixels(40, 80, -120, 200));
    EXPECT_EQ(Pixel(kCentreX + 6, kRow, kWhite), '.') << "the erase comes after the ring";
    Replot(AtPixels(40, 80, -120, 200));
    EXPECT_EQ(Pixel(kCentreX + 6, kRow, kWhite), '#');
}

TEST_F(Plot, OffsetsAreWrittenInArcminutesWithTwoDecimals) {
    Replot({1.0, -2.5, 0.001, -0.004, 1.6375});
    EXPECT_EQ(Offsets(), QStringList({"1.00", "-2.50", "0.00", "-0.00"}));
    Replot({10.0, 20.0, -30.0, 26.0, 3.275});
    EXPECT_EQ(Offsets(), QStringList({"5.00", "10.00", "-15.00", "13.00"}));
}

// Moved to a screen of another pixel ratio, the window draws its last plot
// again on a surface of that ratio, and shows it.
TEST_F(Plot, FollowsTheScreenToAnotherPixelRatio) {
    form->show();
    const qreal before = form->Surface().devicePixelRatio();
    form->windowHandle()->setScreen(QGuiApplication::screens().at(1));
    QCoreApplication::processEvents();
    EXPECT_EQ(form->Surface().devicePixelRatio(), 2 * before);
    EXPECT_EQ(Around(kCentreX + 40, kRed), kDot);
    EXPECT_EQ(Pixel(kCentreX - 6, kRow, kWhite), '#');
    EXPECT_EQ(form->grab().toImage().pixel(qRound(2 * before * (kCentreX + 200)), qRound(2 * before * kRow)), kWhite);
}

TEST_F(FormTest, CheckpointPlotPutsCallistoLeftOfTheRingAtX190) {
    Open();
    form->PlotJupiter(QDateTime(QDate(2000, 1, 1), QTime(12, 0)));
    EXPECT_EQ(Offsets(), QStringList({"0.46", "0.27", "1.23", "-7.48"}));
    // Callisto at -21.12 radii: x = 355 - 165.3 = 189.7.
    const int ratio = qRound(form->Surface().devicePixelRatio());
    for (int x = 186; x <= 193; ++x) {
        EXPECT_EQ(form->Surface().pixel(x * ratio, kRow * ratio) == kWhite, x >= 189 && x <= 191) << x;
    }
}

}  // namespace
}  // namespace satrivox::testing
