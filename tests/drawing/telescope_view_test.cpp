// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <cmath>
#include <functional>
#include <sstream>

#include "drawing/telescope_view.hpp"
#include "events/moon_events.hpp"
#include "support.hpp"

namespace drawing {
namespace {

using namespace std::chrono;
using ephemeris::EventKind;
using satrivox::testing::At;

// The window's colours of the moons, which the view keeps.
const std::array<QColor, 4> kMoons{QColor(255, 0, 0), QColor(0, 255, 255), QColor(255, 255, 200), QColor(255, 255, 255)};
// A square that makes the disc 400 pixels across with the disc filling the view.
const QRectF kSquare(0, 0, 460, 460);

struct Drawn {
    TelescopeScene scene;
    ViewLayout layout;
    QImage image;
};

Drawn Draw(ephemeris::UniversalTime instant, QRectF area = kSquare, double zoom = kDiscFills, Orientation turned = {}) {
    ephemeris::PreciseViewSeries views;
    Drawn drawn{ComputeTelescopeScene(views, instant, std::nullopt), ViewLayout(area, zoom, turned),
                QImage(area.size().toSize(), QImage::Format_RGB32)};
    QPainter painter(&drawn.image);
    PaintTelescopeView(painter, drawn.layout, drawn.scene, ViewColours::Day);
    return drawn;
}

// The centre of the pixels near `at` that `test` picks, and how many there are.
std::pair<QPointF, int> Centroid(const QImage& image, QPointF at, double reach, const std::function<bool(QColor)>& test) {
    QPointF sum;
    int count = 0;
    for (int y = static_cast<int>(at.y() - reach); y <= static_cast<int>(at.y() + reach); ++y) {
        for (int x = static_cast<int>(at.x() - reach); x <= static_cast<int>(at.x() + reach); ++x) {
            if (image.rect().contains(x, y) && test(image.pixelColor(x, y))) {
                sum += QPointF(x + 0.5, y + 0.5);
                ++count;
            }
        }
    }
    return {count > 0 ? sum / count : QPointF(), count};
}

bool Near(QColor seen, QColor wanted) {
    return std::abs(seen.red() - wanted.red()) + std::abs(seen.green() - wanted.green()) + std::abs(seen.blue() - wanted.blue()) < 30;
}

double Pixels(std::size_t moon, const ViewLayout& layout) {
    return kMoonRadiusKm[moon] / 71492.0 * layout.PixelsPerRadius();
}

// 2019 January 5, 15:30 UT: Io and its shadow on the disc, Ganymede in transit.
TEST(TelescopeView, MoonsAndShadowsWithinAPixelOfTheTheory) {
    const Drawn drawn = Draw(ephemeris::UniversalTime{sys_days{2019y / 1 / 5} + 15h + 30min});
    EXPECT_DOUBLE_EQ(drawn.layout.PixelsPerRadius(), 200.0);
    const ephemeris::PreciseView& view = drawn.scene.view;
    ASSERT_TRUE(view.moons[0].inFront && view.moons[0].shadowOnDisc && view.moons[2].inFront);
    for (const std::size_t moon : {0U, 2U}) {
        const QPointF expected = drawn.layout.At(view.moons[moon].westRadii, view.moons[moon].northRadii);
        const auto [centre, count] = Centroid(drawn.image, expected, Pixels(moon, drawn.layout) + 1.0,
                                              [moon](QColor c) { return Near(c, kMoons[moon]); });
        EXPECT_GT(count, 20) << moon;
        EXPECT_LT(std::hypot(centre.x() - expected.x(), centre.y() - expected.y()), 1.0) << "moon " << moon;
    }
    const QPointF shadow = drawn.layout.At(view.moons[0].shadowWestRadii, view.moons[0].shadowNorthRadii);
    const auto [centre, count] = Centroid(drawn.image, shadow, Pixels(0, drawn.layout) + 1.0, [](QColor c) { return c.value() < 40; });
    EXPECT_GT(count, 20);
    EXPECT_LT(std::hypot(centre.x() - shadow.x(), centre.y() - shadow.y()), 1.0) << "Io's shadow";
    EXPECT_EQ(DescribeTelescopeView(drawn.scene),
              "Io and its shadow on the disc; Europa 8.4 radii east, 0.3 north; Ganymede on the disc; Callisto 16.8 radii west, 0.9 north");
}

// The inset in the lower right corner holds each moon; the local and the
// universal time start at the same column.
TEST(TelescopeView, TheInsetHoldsEveryMoonAndTheTimesLineUp) {
    const Drawn drawn = Draw(ephemeris::UniversalTime{sys_days{2019y / 1 / 5} + 15h + 30min}, QRectF(0, 0, 800, 600), kWholeSystem);
    const auto count = [&drawn](QRect box, const std::function<bool(QColor)>& wanted) {
        int found = 0;
        for (int y = box.top(); y <= box.bottom(); ++y) {
            for (int x = box.left(); x <= box.right(); ++x) {
                found += wanted(drawn.image.pixelColor(x, y)) ? 1 : 0;
            }
        }
        return found;
    };
    const QRect inset(640, 440, 160, 160);  // the inset's 144 pixels and its margin
    for (const std::size_t moon : {0U, 1U, 2U}) {
        EXPECT_GE(count(inset, [moon](QColor c) { return Near(c, kMoons[moon]); }), 4) << "moon " << moon;
    }
    const auto firstColumn = [&drawn](int top, int bottom) {
        for (int x = 0; x < 400; ++x) {
            for (int y = top; y < bottom; ++y) {
                if (drawn.image.pixelColor(x, y).value() > 128) {
                    return x;
                }
            }
        }
        return -1;
    };
    const int local = firstColumn(0, 26);
    EXPECT_GE(local, 10);
    EXPECT_NEAR(firstColumn(26, 46), local, 2);
}

// Behind the disc: not drawn. In Jupiter's shadow: an outline, dark within.
TEST(TelescopeView, HiddenMoonsAreNotDrawnAndEclipsedOnesOnlyOutlined) {
    const std::vector<ephemeris::MoonEvent> events = ephemeris::FindMoonEvents(At(2019y / 1 / 1), At(2019y / 1 / 8));
    int checked = 0;
    for (std::size_t k = 0; k + 1 < events.size(); ++k) {
        const ephemeris::MoonEvent& begin = events[k];
        if (begin.kind != EventKind::OccultationDisappearance && begin.kind != EventKind::EclipseDisappearance) {
            continue;
        }
        const auto end = std::find_if(events.begin() + static_cast<std::ptrdiff_t>(k), events.end(), [&](const ephemeris::MoonEvent& e) {
            return e.moon == begin.moon && e.kind == ephemeris::OtherEnd(begin.kind);
        });
        if (end == events.end()) {
            continue;  // over after the week
        }
        const auto moon = static_cast<std::size_t>(begin.moon);
        const Drawn drawn = Draw(begin.time + (end->time - begin.time) / 2, QRectF(0, 0, 800, 600), 0.5);
        const ephemeris::ApparentMoon& seen = drawn.scene.view.moons[moon];
        const QPointF at = drawn.layout.At(seen.westRadii, seen.northRadii);
        const double r = std::max(2.5, Pixels(moon, drawn.layout));
        const int inside = Centroid(drawn.image, at, r * 0.5, [moon](QColor c) { return Near(c, kMoons[moon]); }).second;
        if (begin.kind == EventKind::OccultationDisappearance && !seen.eclipsed) {
            EXPECT_TRUE(seen.occulted);
            EXPECT_EQ(inside, 0) << "behind the disc, not drawn";
            ++checked;
        } else if (begin.kind == EventKind::EclipseDisappearance && !seen.occulted) {
            EXPECT_TRUE(seen.eclipsed);
            EXPECT_EQ(inside, 0) << "dark within";
            const int ring = Centroid(drawn.image, at, r + 1.5, [](QColor c) { return c.value() > 60; }).second;
            EXPECT_GT(ring, 3) << "its outline";
            ++checked;
        }
    }
    EXPECT_GE(checked, 4);
}

// The shadow is on the disc from the instant of its ingress to that of its
// egress, ours and the published ones within their minute.
TEST(TelescopeView, ShadowsOnTheDiscBetweenTheirIngressAndEgress) {
    const std::array<std::string, 4> kNumerals{"I", "II", "III", "IV"};
    ephemeris::PreciseViewSeries views;
    std::ifstream published = satrivox::testing::Data("published-2019-01.txt");
    std::string line;
    int shadows = 0;
    while (std::getline(published, line)) {
        std::istringstream fields(line);
        int y = 0, m = 0, d = 0, hh = 0, mm = 0;
        char dash = 0, colon = 0;
        std::string code;
        if (line.starts_with('#') || !(fields >> y >> dash >> m >> dash >> d >> hh >> colon >> mm >> code) ||
            code.find(".Sh.") == std::string::npos) {
            continue;
        }
        const std::string numeral = code.substr(0, code.find('.'));
        const auto moon = static_cast<std::size_t>(std::find(kNumerals.begin(), kNumerals.end(), numeral) - kNumerals.begin());
        const auto minute = At(std::chrono::year{y} / m / d, hours{hh}, minutes{mm});
        const bool ingress = code.ends_with(".I");
        EXPECT_EQ(views.At(minute + (ingress ? 1min : -1min)).moons[moon].shadowOnDisc, true) << line;
        EXPECT_EQ(views.At(minute + (ingress ? -1min : 1min)).moons[moon].shadowOnDisc, false) << line;
        ++shadows;
    }
    EXPECT_GE(shadows, 8);
}

TEST(TelescopeView, TurnsAsTheInstrumentDoes) {
    const ephemeris::UniversalTime instant{sys_days{2019y / 1 / 5} + 15h + 30min};
    const QRectF area(0, 0, 800, 600);
    for (const auto& [turned, right, up] : {std::tuple{Orientation{false, false}, 1.0, 1.0}, std::tuple{Orientation{false, true}, -1.0, 1.0},
                                            std::tuple{Orientation{true, false}, -1.0, -1.0}, std::tuple{Orientation{true, true}, 1.0, -1.0}}) {
        const Drawn drawn = Draw(instant, area, kWholeSystem, turned);
        const QPointF west = drawn.layout.At(1.0, 0.0) - drawn.layout.At(0.0, 0.0);
        const QPointF north = drawn.layout.At(0.0, 1.0) - drawn.layout.At(0.0, 0.0);
        EXPECT_EQ(west.x() > 0.0 ? 1.0 : -1.0, right);
        EXPECT_EQ(north.y() < 0.0 ? 1.0 : -1.0, up);
        // Callisto, far from the rest, where the layout says.
        const ephemeris::ApparentMoon& callisto = drawn.scene.view.moons[3];
        const QPointF at = drawn.layout.At(callisto.westRadii, callisto.northRadii);
        EXPECT_GT(Centroid(drawn.image, at, 2.0, [](QColor c) { return Near(c, kMoons[3]); }).second, 2);
    }
    EXPECT_LT(ViewLayout(area, kWholeSystem, {}).PixelsPerRadius() * kSystemRadii, 301.0) << "the whole system fits";
}

}  // namespace
}  // namespace drawing
