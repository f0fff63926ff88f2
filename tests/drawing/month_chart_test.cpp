// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <cmath>

#include "drawing/chart_files.hpp"
#include "drawing/month_chart.hpp"
#include "lists/event_list.hpp"
#include "support.hpp"
#include "theory/jupiter_system.hpp"
#include "translations/language.hpp"

namespace drawing {
namespace {

using namespace std::chrono;
using ephemeris::EventKind;
using satrivox::testing::ScopedTimeZone;

const ephemeris::Place kLisbon{"Lisbon", 38.72, -9.13};
// The window's own colours of the moons, which the chart on screen keeps.
const std::array<QColor, 4> kWindowMoons{QColor(255, 0, 0), QColor(0, 255, 255), QColor(255, 255, 200), QColor(255, 255, 255)};

ChartRequest January2019(std::optional<ephemeris::Place> place = std::nullopt) {
    ChartRequest request = MonthOf(QDate(2019, 1, 17));
    request.place = place;
    request.redSpotLongitude = 294.0;
    return request;
}

QImage Drawn(const MonthChart& chart, ChartColours colours = ChartColours::Screen, QSize size = QSize(1240, 1754)) {
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    PaintMonthChart(painter, ChartLayout(chart, QRectF(image.rect())), chart, colours);
    return image;
}

// Whether a pixel within one of (x, y) has that colour.
bool ColourNear(const QImage& image, double x, double y, const QColor& colour) {
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            const QColor seen = image.pixelColor(static_cast<int>(std::lround(x)) + dx, static_cast<int>(std::lround(y)) + dy);
            if (std::abs(seen.red() - colour.red()) + std::abs(seen.green() - colour.green()) + std::abs(seen.blue() - colour.blue()) < 40) {
                return true;
            }
        }
    }
    return false;
}

TEST(MonthChart, IsTheCalendarMonthFromItsFirstMidnightToItsLast) {
    const ScopedTimeZone zone("America/New_York");
    const MonthChart chart = ComputeMonthChart(MonthOf(QDate(2026, 3, 20)));
    EXPECT_EQ(chart.from, satrivox::testing::At(2026y / 3 / 1, 5h));
    EXPECT_EQ(chart.until, satrivox::testing::At(2026y / 4 / 1, 4h)) << "summer time from March 8";
    ASSERT_EQ(chart.dayLines.size(), 32U);
    EXPECT_EQ(chart.dayLines[8].date, QDate(2026, 3, 9));
    EXPECT_NEAR(chart.dayLines[8].day, 8.0 - 1.0 / 24.0, 1e-9) << "midnight an hour earlier in UT";
    EXPECT_EQ(ChartSpanName(chart.request), "March 2026");
    EXPECT_THROW(ComputeMonthChart(MonthOf(QDate(2501, 1, 1))), ephemeris::OutsidePreciseYears);
}

// Every moon's curve, between its points too, within a few thousandths of a
// radius of the precise theory; and drawn where the chart's mapping puts it.
TEST(MonthChart, CurvesFollowThePreciseTheoryOnThePage) {
    const ScopedTimeZone zone("Europe/Lisbon");
    const MonthChart chart = ComputeMonthChart(January2019());
    const QImage image = Drawn(chart);
    const ChartLayout layout(chart, QRectF(image.rect()));
    ephemeris::PreciseViewSeries views;
    int drawnChecked = 0;
    for (double day = 0.1; day < chart.spanDays; day += 0.37) {
        if (std::fmod(day, 7.0) < 0.3) {
            continue;  // under the names written every week
        }
        const ephemeris::PreciseView view = views.At(chart.InstantOf(day));
        for (std::size_t moon = 0; moon < 4; ++moon) {
            const double west = view.moons[moon].westArcmin / chart.arcminutesPerRadius;
            const std::optional<MonthChart::Point> drawn = chart.CurveAt(moon, day);
            ASSERT_TRUE(drawn) << day;
            EXPECT_NEAR(drawn->west, west, 0.003) << "moon " << moon << " on day " << day;
            bool alone = std::abs(west) > 2.0;
            for (std::size_t other = 0; other < 4; ++other) {
                alone = alone && (other == moon || std::abs(view.moons[other].westArcmin / chart.arcminutesPerRadius - west) > 1.5);
            }
            if (alone) {
                EXPECT_TRUE(ColourNear(image, layout.X(west), layout.Y(day), kWindowMoons[moon])) << "moon " << moon << " on day " << day;
                ++drawnChecked;
            }
        }
    }
    EXPECT_GT(drawnChecked, 100);
    EXPECT_NEAR(layout.DayAt(layout.Y(12.3)), 12.3, 1e-9);
    EXPECT_NEAR(layout.WestAt(layout.X(-7.5)), -7.5, 1e-9);
    EXPECT_LT(layout.X(-5.0), layout.X(5.0)) << "east on the left, as the window";
    ChartRequest mirrored = January2019();
    mirrored.mirrored = true;
    MonthChart swapped = chart;
    swapped.request = mirrored;
    EXPECT_NEAR(ChartLayout(swapped, QRectF(image.rect())).X(-5.0), layout.X(5.0), 1e-9) << "mirrored about the centre";
}

// Above the plot, each tick's radii and arcminutes centred on it, East and
// West at the ends (the window's sides).
TEST(MonthChart, TheScaleIsAboveThePlotEachLabelOnItsTick) {
    const ScopedTimeZone zone("UTC");
    const MonthChart chart = ComputeMonthChart(MonthOf(QDate(2019, 1, 1)));
    const QImage image = Drawn(chart, ChartColours::Paper);
    const ChartLayout layout(chart, QRectF(image.rect()));
    const double font = layout.FontPixels();
    const double top = layout.Plot().top() - 2.6 * font;  // the scale's two rows
    // The centre of the dark pixels (text) in a box, and how many there are.
    const auto ink = [&image](double left, double right, double from, double to) {
        double sum = 0.0;
        int count = 0;
        for (int y = static_cast<int>(from); y < static_cast<int>(to); ++y) {
            for (int x = static_cast<int>(left); x < static_cast<int>(right); ++x) {
                if (image.pixelColor(x, y).value() < 100) {
                    sum += x + 0.5;
                    ++count;
                }
            }
        }
        return std::pair{count > 0 ? sum / count : 0.0, count};
    };
    for (double r = -20.0; r <= 20.0; r += 10.0) {
        const double x = layout.X(r);
        const auto [radii, radiiInk] = ink(x - 1.5 * font, x + 1.5 * font, top + 0.1 * font, top + 1.0 * font);
        EXPECT_GT(radiiInk, 20) << r;
        EXPECT_NEAR(radii, x, 0.15 * font) << r;
        if (r != 0.0) {
            const auto [arcminutes, arcminutesInk] = ink(x - 1.5 * font, x + 1.5 * font, top + 1.0 * font, top + 1.9 * font);
            EXPECT_GT(arcminutesInk, 20) << r;
            EXPECT_NEAR(arcminutes, x, 0.15 * font) << r;
        }
    }
    // "East" in the scale's bold type: as much ink as the word drawn so on its own.
    QFont bold("DejaVu Sans");
    bold.setPixelSize(static_cast<int>(std::lround(0.75 * font)));
    bold.setBold(true);
    QImage alone(image.size(), QImage::Format_RGB32);
    alone.fill(Qt::white);
    {
        QPainter painter(&alone);
        painter.setFont(bold);
        painter.setPen(Qt::black);
        painter.drawText(QPointF(layout.Plot().left(), top + 0.9 * font), "East");
    }
    const double wordRight = layout.Plot().left() + QFontMetricsF(bold).horizontalAdvance("East") + 1.0;
    const int east = ink(layout.Plot().left(), wordRight, top + 0.1 * font, top + 1.0 * font).second;
    int expected = 0;
    for (int y = static_cast<int>(top + 0.1 * font); y < static_cast<int>(top + 1.0 * font); ++y) {
        for (int x = static_cast<int>(layout.Plot().left()); x < static_cast<int>(wordRight); ++x) {
            expected += alone.pixelColor(x, y).value() < 100 ? 1 : 0;
        }
    }
    EXPECT_GT(expected, 20);
    EXPECT_NEAR(east, expected, 0.1 * expected) << "East";
    EXPECT_GT(ink(layout.Plot().right() - 2.5 * font, layout.Plot().right(), top + 0.1 * font, top + 1.0 * font).second, 20) << "West";
}

// In every language the titles stay on the page, and the span's name is
// written as the language writes it.
TEST(MonthChart, EveryLanguagesTitlesStayOnThePage) {
    const ScopedTimeZone zone("UTC");
    for (const QString& name : translations::Languages()) {
        translations::UsersLanguage language(name);
        language.Install();
        ChartRequest request = MonthOf(QDate(2019, 1, 1));
        // A place's name as long as users type them, in the line of facts.
        request.place = ephemeris::Place{"Observatório Astronômico Municipal do Morro Azul, cúpula do refrator de 150 mm, Campinas, São Paulo", -22.9, -47.1};
        const MonthChart chart = ComputeMonthChart(request);
        EXPECT_EQ(ChartSpanName(chart.request), QLocale(name).standaloneMonthName(1) + " 2019");
        const QImage image = Drawn(chart, ChartColours::Paper, QSize(700, 1300));  // a window's, narrower than paper
        const ChartLayout layout(chart, QRectF(image.rect()));
        const int margin = static_cast<int>(layout.FontPixels() * 0.9);
        int inked = 0;
        for (int y = 0; y < static_cast<int>(layout.Plot().top() - 2.6 * layout.FontPixels()); ++y) {
            for (int x = image.width() - margin; x < image.width(); ++x) {
                inked += image.pixelColor(x, y).value() < 100 ? 1 : 0;
            }
        }
        EXPECT_EQ(inked, 0) << name.toStdString();
        // The long line of facts shrunk only as much as it must: it still reaches across the page.
        const double font = layout.FontPixels();
        int rightmost = -1;
        for (int y = static_cast<int>(2.15 * font); y < static_cast<int>(2.9 * font); ++y) {
            for (int x = image.width() - 1; x > rightmost; --x) {
                if (image.pixelColor(x, y).value() < 100) {
                    rightmost = x;
                }
            }
        }
        EXPECT_GT(rightmost, image.width() * 0.85) << name.toStdString();
    }
}

// The band is as wide as the disc each day, and its edges are on the page there.
TEST(MonthChart, TheBandIsAsWideAsTheDisc) {
    const ScopedTimeZone zone("UTC");
    const MonthChart chart = ComputeMonthChart(MonthOf(QDate(2026, 6, 1)));  // Jupiter near conjunction: its disc shrinks
    const QImage image = Drawn(chart, ChartColours::Paper);
    const ChartLayout layout(chart, QRectF(image.rect()));
    const QColor disc(236, 226, 200);
    for (const double day : {2.3, 15.6, 28.9}) {
        const ephemeris::PreciseView view = ephemeris::ComputePreciseView(chart.InstantOf(day));
        const double half = view.equatorialRadiusArcmin / chart.arcminutesPerRadius;
        EXPECT_NEAR(chart.HalfWidthAt(day), half, 1e-4);
        bool moonNear = false;
        for (const ephemeris::ApparentMoon& moon : view.moons) {
            moonNear = moonNear || std::abs(std::abs(moon.westArcmin / chart.arcminutesPerRadius) - half) < 0.6;
        }
        if (!moonNear) {
            for (const double side : {-1.0, 1.0}) {
                EXPECT_TRUE(ColourNear(image, layout.X(side * half * 0.9), layout.Y(day), disc)) << day;
                EXPECT_TRUE(ColourNear(image, layout.X(side * (half + 0.25)), layout.Y(day), Qt::white)) << day;
            }
        }
    }
    EXPECT_GT(chart.HalfWidthAt(0.0), chart.HalfWidthAt(chart.spanDays) * 1.01) << "the width changes over the span";
}

// Each hidden stretch of a curve, and each shadow's track, begins and ends at
// an event of the list (or at the span's ends).
TEST(MonthChart, StretchesBeginAndEndAtTheListedEvents) {
    const ScopedTimeZone zone("Europe/Lisbon");
    const MonthChart chart = ComputeMonthChart(January2019());
    lists::ListRequest request{chart.from, chart.until, true, false, std::nullopt, std::nullopt};
    std::vector<std::pair<ephemeris::UniversalTime, EventKind>> listed;
    for (const lists::ListedEvent& event : lists::ListEvents(request)) {
        if (const auto* moon = std::get_if<ephemeris::MoonEvent>(&event.what)) {
            listed.emplace_back(event.time, moon->kind);
        }
    }
    const auto isListed = [&](double day, std::initializer_list<EventKind> kinds) {
        const ephemeris::UniversalTime at = chart.InstantOf(day);
        return day <= 0.0 || day >= chart.spanDays ||
               std::any_of(listed.begin(), listed.end(), [&](const auto& event) {
                   return abs(event.first - at) <= 200ms && std::find(kinds.begin(), kinds.end(), event.second) != kinds.end();
               });
    };
    int hidden = 0;
    for (std::size_t moon = 0; moon < 4; ++moon) {
        for (const MonthChart::Stretch& stretch : chart.curves[moon]) {
            if (stretch.hidden) {
                EXPECT_TRUE(isListed(stretch.points.front().day, {EventKind::OccultationDisappearance, EventKind::EclipseDisappearance}))
                    << moon << " " << stretch.points.front().day << " " << stretch.points.back().day;
                EXPECT_TRUE(isListed(stretch.points.back().day, {EventKind::OccultationReappearance, EventKind::EclipseReappearance}))
                    << moon << " " << stretch.points.front().day << " " << stretch.points.back().day;
                ++hidden;
            }
        }
    }
    EXPECT_GT(hidden, 30);
    for (const MonthChart::ShadowTrack& track : chart.shadows) {
        EXPECT_TRUE(isListed(track.points.front().day, {EventKind::ShadowIngress}));
        EXPECT_TRUE(isListed(track.points.back().day, {EventKind::ShadowEgress}));
    }
    const auto shadowsListed = std::count_if(listed.begin(), listed.end(), [](const auto& e) { return e.second == EventKind::ShadowIngress; });
    EXPECT_GE(chart.shadows.size(), static_cast<std::size_t>(shadowsListed));
}

// Shaded where the list says night begins and ends, lighter while Jupiter is
// also 5 degrees up; no shading without a place.
TEST(MonthChart, ShadesTheNightAndTheObservableHoursAsListed) {
    const ScopedTimeZone zone("Europe/Lisbon");
    const MonthChart chart = ComputeMonthChart(January2019(kLisbon));
    lists::ListRequest request{chart.from, chart.until, false, false, kLisbon, std::nullopt};
    std::vector<ephemeris::UniversalTime> begins;
    std::vector<ephemeris::UniversalTime> ends;
    for (const lists::ListedEvent& event : lists::ListEvents(request)) {
        if (const auto* sky = std::get_if<ephemeris::SkyEventKind>(&event.what)) {
            if (*sky == ephemeris::SkyEventKind::NightBegin) {
                begins.push_back(event.time);
            } else if (*sky == ephemeris::SkyEventKind::NightEnd) {
                ends.push_back(event.time);
            }
        }
    }
    ASSERT_EQ(chart.night.size(), 32U) << "31 nights, the first begun before the month";
    ASSERT_EQ(begins.size(), 31U);
    for (std::size_t k = 0; k < begins.size(); ++k) {
        EXPECT_LT(abs(chart.InstantOf(chart.night[k + 1].begin) - begins[k]), 1s);
        EXPECT_LT(abs(chart.InstantOf(chart.night[k].end) - ends[k]), 1s);
    }
    ASSERT_FALSE(chart.observable.empty());
    for (const MonthChart::Hours& hours : chart.observable) {
        EXPECT_TRUE(std::any_of(chart.night.begin(), chart.night.end(),
                                [&](const MonthChart::Hours& night) { return night.begin <= hours.begin && hours.end <= night.end; }));
        EXPECT_NEAR(ephemeris::AltitudesAt(chart.InstantOf(hours.begin), {kLisbon.latitude, kLisbon.longitude}).jupiter, 5.0, 0.01)
            << "January 2019: Jupiter rises before dawn";
    }
    const QImage image = Drawn(chart, ChartColours::Paper);
    const ChartLayout layout(chart, QRectF(image.rect()));
    const double edge = layout.Plot().left() + 0.25 * (layout.X(-chart.widest * 0.9) - layout.Plot().left()) + layout.FontPixels();
    const double midnight = (chart.night[10].begin + chart.night[10].end) / 2.0;
    const double noon = (chart.night[10].end + chart.night[11].begin) / 2.0;
    const double dawn = (chart.observable[10].begin + chart.observable[10].end) / 2.0;
    EXPECT_TRUE(ColourNear(image, edge, layout.Y(midnight), QColor(226, 228, 238)));
    EXPECT_TRUE(ColourNear(image, edge, layout.Y(noon), Qt::white));
    EXPECT_TRUE(ColourNear(image, edge, layout.Y(dawn), QColor(200, 206, 228)));
    EXPECT_TRUE(ComputeMonthChart(January2019()).night.empty());
}

TEST(MonthChart, MarksTheRedSpotAndTheMutualEventsUnlessTurnedOff) {
    const ScopedTimeZone zone("UTC");
    ChartRequest october = MonthOf(QDate(2026, 10, 1));
    october.redSpotLongitude = 70.0;
    const MonthChart chart = ComputeMonthChart(october);
    const std::vector<lists::ListedEvent> listed =
        lists::ListEvents({chart.from, chart.until, false, false, std::nullopt, 70.0});
    const auto transits = std::count_if(listed.begin(), listed.end(),
                                        [](const lists::ListedEvent& e) { return std::holds_alternative<lists::RedSpotTransit>(e.what); });
    EXPECT_EQ(chart.redSpotTransits.size(), static_cast<std::size_t>(transits));
    std::size_t mutual = 0;
    for (const lists::ListedEvent& event : listed) {
        if (const ephemeris::MutualEvent* m = lists::MutualOf(event); m != nullptr && m->maximum < chart.until) {
            const auto found = std::find_if(chart.mutualMarks.begin(), chart.mutualMarks.end(), [&](const MonthChart::MutualMark& mark) {
                return mark.code == QString::fromStdString(ephemeris::MutualCode(*m)) && abs(chart.InstantOf(mark.day) - m->maximum) <= 1ms;
            });
            ASSERT_NE(found, chart.mutualMarks.end());
            EXPECT_EQ(found->moon, static_cast<std::size_t>(m->passive));
            EXPECT_NEAR(found->west, chart.CurveAt(found->moon, found->day)->west, 1e-9) << "on the curve of the moon that loses light";
            ++mutual;
        }
    }
    EXPECT_GT(mutual, 5U);
    EXPECT_EQ(chart.mutualMarks.size(), mutual);
    october.redSpotLongitude.reset();
    october.mutualMarks = false;
    const MonthChart bare = ComputeMonthChart(october);
    EXPECT_TRUE(bare.redSpotTransits.empty() && bare.mutualMarks.empty());
}

// PDF with its text as text, SVG with a path a stretch, PNG; a file written
// whole or not at all.
TEST(ChartFiles, AreWrittenReadableAndNeverHalfWritten) {
    const ScopedTimeZone zone("Europe/Lisbon");
    const MonthChart chart = ComputeMonthChart(January2019(kLisbon));
    const QTemporaryDir folder;
    const QString pdf = folder.filePath("january.pdf");
    ASSERT_EQ(WriteChart(chart, pdf, ChartFormat::Pdf), "");
    QProcess text;
    text.start("pdftotext", {pdf, "-"});
    ASSERT_TRUE(text.waitForFinished(30000));
    const QString words = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(words.contains("Jupiter's moons, January 2019")) << words.left(300).toStdString();
    EXPECT_TRUE(words.contains("Callisto") && words.contains("Wed 16"));
    QProcess info;
    info.start("pdfinfo", {pdf});
    ASSERT_TRUE(info.waitForFinished(30000));
    EXPECT_TRUE(QString::fromUtf8(info.readAllStandardOutput()).contains(QRegularExpression("Page size: +595 x 842 pts \\(A4\\)")));

    const QString svg = folder.filePath("january.svg");
    ASSERT_EQ(WriteChart(chart, svg, ChartFormat::Svg), "");
    QFile svgFile(svg);
    ASSERT_TRUE(svgFile.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&svgFile);
    int paths = 0;
    bool title = false;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement) {
            paths += xml.name() == QLatin1String("path") ? 1 : 0;
            title = title || (xml.name() == QLatin1String("text") && xml.readElementText().contains("January 2019"));
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    std::size_t stretches = chart.shadows.size();
    for (const auto& curve : chart.curves) {
        stretches += curve.size();
    }
    EXPECT_GE(static_cast<std::size_t>(paths), stretches);
    EXPECT_TRUE(title);

    const QString png = folder.filePath("january.png");
    ASSERT_EQ(WriteChart(chart, png, ChartFormat::Png), "");
    EXPECT_EQ(QImage(png).size(), QSize(1240, 1754));

    QFile(folder.filePath("a-file")).open(QIODevice::WriteOnly);
    EXPECT_NE(WriteChart(chart, folder.filePath("a-file/chart.pdf"), ChartFormat::Pdf), "");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 4) << "nothing half written beside them";
    EXPECT_EQ(ChartFormatOf("x.PDF"), ChartFormat::Pdf);
    EXPECT_EQ(ChartFormatOf("x.svg"), ChartFormat::Svg);
    EXPECT_EQ(ChartFormatOf("x.png"), ChartFormat::Png);
    EXPECT_EQ(ChartFormatOf("x.jpg"), std::nullopt);
}

}  // namespace
}  // namespace drawing

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
