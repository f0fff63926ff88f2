// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QRectF>
#include <QString>

#include <array>
#include <optional>
#include <vector>

#include "events/observer_place.hpp"
#include "model/time_base.hpp"

class QPainter;

namespace drawing {

// What a chart shows: local days from `first`, as the computer's time zone
// counts them, from the first day's 00:00 to the last day's 24:00.
struct ChartRequest {
    QDate first;
    int days = 0;  // 1 to kMostChartDays
    bool mirrored = false;  // east and west swapped, as the window's mirrored view
    std::optional<ephemeris::Place> place;  // none: no night shown
    std::optional<double> redSpotLongitude;  // System II; none: no Red Spot marks
    bool mutualMarks = true;
};
inline constexpr int kMostChartDays = 62;

// The calendar month of `date`.
ChartRequest MonthOf(QDate date);

// The chart in numbers, ready to draw at any size. Across, offsets to the west
// along Jupiter's equator at a constant angular scale, counted in the disc's
// equatorial radii at mid-span (so the disc's band widens and narrows with its
// apparent size); down, days since the span's start (UT, a constant scale).
struct MonthChart {
    // A point of a moon's curve, and the curve's slope there (radii a day):
    // drawn as cubic pieces through them, smooth at every size.
    struct Point {
        double day = 0.0;
        double west = 0.0;
        double slope = 0.0;
    };
    // A stretch of one moon's curve, seen or not (behind the disc or in
    // Jupiter's shadow); each begins and ends at a listed event or the span's end.
    struct Stretch {
        bool hidden = false;
        std::vector<Point> points;
    };
    // A moon's shadow crossing the disc, from its ingress to its egress.
    struct ShadowTrack {
        std::size_t moon = 0;
        std::vector<Point> points;
    };
    struct Hours {
        double begin = 0.0;
        double end = 0.0;
    };
    struct MutualMark {
        std::size_t moon = 0;  // the moon eclipsed or covered
        double day = 0.0;      // its maximum
        double west = 0.0;
        QString code;          // "2O1P"
    };
    struct DayLine {
        double day = 0.0;  // a local midnight
        QDate date;
    };
    struct Disc {
        double day = 0.0;
        double halfWidth = 0.0;  // radii at mid-span
    };

    ChartRequest request;
    ephemeris::UniversalTime from;
    ephemeris::UniversalTime until;
    double spanDays = 0.0;
    double arcminutesPerRadius = 0.0;  // at mid-span
    double widest = 0.0;               // radii either side of the centre the page must hold
    QString zone;                      // "Europe/Lisbon"
    std::array<std::vector<Stretch>, 4> curves;  // Io, Europa, Ganymede, Callisto
    std::vector<Disc> disc;
    std::vector<ShadowTrack> shadows;
    std::vector<Hours> night;       // the Sun 12 degrees down or more
    std::vector<Hours> observable;  // and Jupiter 5 degrees up or more
    std::vector<double> redSpotTransits;
    std::vector<MutualMark> mutualMarks;
    std::vector<DayLine> dayLines;

    // The day of an instant and back.
    [[nodiscard]] double DayOf(ephemeris::UniversalTime instant) const;
    [[nodiscard]] ephemeris::UniversalTime InstantOf(double day) const;
    // A moon's offset on its drawn curve at `day`, and whether it is seen then.
    [[nodiscard]] std::optional<Point> CurveAt(std::size_t moon, double day) const;
    [[nodiscard]] bool HiddenAt(std::size_t moon, double day) const;
    // The disc's half width at `day`, between the daily values.
    [[nodiscard]] double HalfWidthAt(double day) const;
};

// Computes the chart. Throws ephemeris::OutsidePreciseYears for a span outside
// 1600-2500, and ephemeris::ArithmeticFault if the arithmetic faults.
MonthChart ComputeMonthChart(const ChartRequest& request);

// The colours to draw in: the window's moons on a dark ground, the same in
// night colours, or darker shades on white paper.
enum class ChartColours { Screen, Night, Paper };

// Where the chart falls on a page: its plot and the mapping of day and
// offset to page coordinates, and back.
class ChartLayout {
public:
    ChartLayout(const MonthChart& chart, const QRectF& page);

    [[nodiscard]] const QRectF& Page() const { return page_; }
    [[nodiscard]] const QRectF& Plot() const { return plot_; }
    [[nodiscard]] double FontPixels() const { return font_; }
    [[nodiscard]] double Y(double day) const;
    [[nodiscard]] double X(double west) const;
    [[nodiscard]] double DayAt(double y) const;
    [[nodiscard]] double WestAt(double x) const;

private:
    QRectF page_;
    QRectF plot_;
    double font_ = 0.0;
    double spanDays_ = 1.0;
    double widest_ = 1.0;
    bool mirrored_ = false;
};

// Draws the chart onto `page`, and a line at `marked` if it is within the span.
void PaintMonthChart(QPainter& painter, const ChartLayout& layout, const MonthChart& chart, ChartColours colours,
                     std::optional<ephemeris::UniversalTime> marked = std::nullopt);

// The chart's first title line: "December 2026" for a calendar month, else
// its first and last days.
QString ChartSpanName(const ChartRequest& request);

}  // namespace drawing
