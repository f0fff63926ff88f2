// SPDX-License-Identifier: GPL-3.0-or-later
#include "form_fixture.hpp"

namespace satrivox::testing {
namespace {

constexpr int kCentreX = 355;
constexpr int kRow = 150;
const double kPixelsPerRadius = 6.0 / 46.0 * 60.0;
const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kRed(255, 0, 0);
const QColor kCyan(0, 255, 255);
const QColor kPaleYellow(255, 255, 200);

// Offsets that put each moon's dot `pixels` from the centre.
ephemeris::SatelliteOffsets AtPixels(double io, double europa, double ganymede, double callisto, double delta = 4.0) {
    return {io / kPixelsPerRadius, europa / kPixelsPerRadius, ganymede / kPixelsPerRadius, callisto / kPixelsPerRadius,
            delta};
}

class Plot : public FormTest {
protected:
    ephemeris::SatelliteOffsets model = AtPixels(40, 80, -120, 200);

    void SetUp() override {
        environment.computeOffsets = [this](ephemeris::Instant) { return model; };
        Open();
    }

    QColor Pixel(int x, int y = kRow) const { return form->Surface().pixelColor(x, y); }

    // A radius-1 circle drawn without antialiasing is a four-pixel cross
    // around an unpainted centre.
    void ExpectDot(int x, const QColor& colour) const {
        EXPECT_EQ(Pixel(x - 1), colour) << x;
        EXPECT_EQ(Pixel(x + 1), colour) << x;
        EXPECT_EQ(Pixel(x, kRow - 1), colour) << x;
        EXPECT_EQ(Pixel(x, kRow + 1), colour) << x;
    }

    void Replot(const ephemeris::SatelliteOffsets& offsets) {
        model = offsets;
        form->PlotJupiter(Picker()->dateTime());
    }
};

TEST_F(Plot, DiscIsAThirteenPixelRingAtTheCentre) {
    EXPECT_EQ(Pixel(kCentreX - 6), kWhite);
    EXPECT_EQ(Pixel(kCentreX + 6), kWhite);
    EXPECT_EQ(Pixel(kCentreX, kRow - 6), kWhite);
    EXPECT_EQ(Pixel(kCentreX, kRow + 6), kWhite);
    EXPECT_EQ(Pixel(kCentreX - 7), kBlack);
    EXPECT_EQ(Pixel(kCentreX + 7), kBlack);
    EXPECT_EQ(Pixel(kCentreX), kBlack) << "the disc is not filled";
}

TEST_F(Plot, DotsStandAtTheirOffsetsInTheirColours) {
    ExpectDot(kCentreX + 40, kRed);
    ExpectDot(kCentreX + 80, kCyan);
    ExpectDot(kCentreX - 120, kPaleYellow);
    ExpectDot(kCentreX + 200, kWhite);
    for (int y = 0; y < 286; ++y) {
        if (y < kRow - 6 || y > kRow + 6) {
            ASSERT_EQ(Pixel(kCentreX + 40, y), kBlack) << "nothing above or below the row, y " << y;
        }
    }
}

TEST_F(Plot, OffsetsAreWrittenInArcminutesWithTwoDecimals) {
    Replot({1.0, -2.5, 0.001, -0.004, 1.6375});
    EXPECT_EQ(Offsets(), QStringList({"1.00", "-2.50", "0.00", "-0.00"}));
    Replot({10.0, 20.0, -30.0, 26.0, 3.275});
    EXPECT_EQ(Offsets(), QStringList({"5.00", "10.00", "-15.00", "13.00"}));
}

TEST_F(Plot, NextPlotPaintsOverThePreviousDots) {
    Replot(AtPixels(-30, -60, 90, -180));
    for (const int x : {kCentreX + 40, kCentreX + 80, kCentreX - 120, kCentreX + 200}) {
        ExpectDot(x, kBlack);
    }
    ExpectDot(kCentreX - 30, kRed);
    ExpectDot(kCentreX - 180, kWhite);
}

TEST_F(Plot, LaterMoonIsDrawnOnTopOfAnEarlierOne) {
    Replot(AtPixels(50, 50, -100, -100));
    ExpectDot(kCentreX + 50, kCyan);
    ExpectDot(kCentreX - 100, kWhite);
}

TEST_F(Plot, AnOldDotOnTheOutlineNicksTheDiscUntilTheNextPlot) {
    Replot(AtPixels(7, 80, -120, 200));
    EXPECT_EQ(Pixel(kCentreX + 6), kRed);
    Replot(AtPixels(40, 80, -120, 200));
    EXPECT_EQ(Pixel(kCentreX + 6), kBlack) << "the erase comes after the disc";
    Replot(AtPixels(40, 80, -120, 200));
    EXPECT_EQ(Pixel(kCentreX + 6), kWhite);
}

TEST_F(FormTest, CheckpointPlotPutsCallistoLeftOfTheDiscNearX190) {
    Open();
    form->PlotJupiter(QDateTime(QDate(2000, 1, 1), QTime(12, 0)));
    EXPECT_EQ(Offsets(), QStringList({"0.46", "0.27", "1.23", "-7.48"}));
    // Callisto at -21.12 radii: x = 355 - 165.3 = 189.7.
    QList<int> lit;
    for (int x = 150; x < 349; ++x) {
        if (form->Surface().pixelColor(x, kRow) == kWhite || form->Surface().pixelColor(x, kRow - 1) == kWhite) {
            lit << x;
        }
    }
    ASSERT_FALSE(lit.isEmpty());
    EXPECT_GE(lit.front(), 188);
    EXPECT_LE(lit.back(), 191);
}

TEST_F(FormTest, DrawingSurvivesTheWindowBeingPainted) {
    Open();
    form->show();
    const QImage onScreen = form->grab().toImage();
    EXPECT_EQ(onScreen.pixelColor(kCentreX - 6, kRow), kWhite);
    EXPECT_EQ(onScreen.pixelColor(kCentreX, kRow - 6), kWhite);
}

}  // namespace
}  // namespace satrivox::testing
