// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/month_chart.hpp"

#include <QDateTime>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <future>
#include <map>

#include "chart_wording.hpp"
#include "events/jupiter_sky.hpp"
#include "events/moon_events.hpp"
#include "events/mutual_events.hpp"
#include "lists/event_list.hpp"
#include "lists/event_words.hpp"
#include "lists/instant_conversion.hpp"
#include "theory/jupiter_system.hpp"
#include "translations/language.hpp"

namespace drawing {
namespace {

using namespace std::chrono;
using ephemeris::UniversalTime;

constexpr double kMillisecondsPerDay = 86400000.0;
// Each moon's curve is sampled in proportion to how fast it bends: a cubic
// piece then stays within a thousandth of a radius of the theory.
constexpr std::array<hours, 4> kCurveSteps{hours{1}, hours{2}, hours{4}, hours{8}};
constexpr hours kWidestStep{8};
constexpr minutes kShadowStep{30};
// Longer than any eclipse, occultation or shadow transit lasts: events this far
// outside the span tell whether one is under way at its ends.
constexpr hours kEventMargin{24};
constexpr double kRoomAround = 1.04;  // the page's width beyond the widest swing

struct Interval {
    UniversalTime begin;
    UniversalTime end;
};

UniversalTime LocalMidnight(QDate date) {
    return lists::ToUniversalTime(QDateTime(date, QTime(0, 0)));
}

UniversalTime Clamped(UniversalTime instant) {
    const UniversalTime first{sys_days{year{ephemeris::kPreciseFirstYear} / January / 1}};
    return std::clamp(instant, first, ephemeris::kPreciseEnd - milliseconds{1});
}

// Each moon's intervals of one pair of events (begin, end), from the events
// found a margin around the span: an end without its begin began before them.
std::array<std::vector<Interval>, 4> Intervals(const std::vector<ephemeris::MoonEvent>& events, ephemeris::EventKind begins,
                                               UniversalTime searchFrom) {
    std::array<std::vector<Interval>, 4> intervals;
    std::array<std::optional<UniversalTime>, 4> open;
    for (const ephemeris::MoonEvent& event : events) {
        const auto moon = static_cast<std::size_t>(event.moon);
        if (event.kind == begins) {
            open[moon] = event.time;
        } else if (event.kind == ephemeris::OtherEnd(begins)) {
            intervals[moon].push_back({open[moon].value_or(searchFrom), event.time});
            open[moon].reset();
        }
    }
    for (std::size_t moon = 0; moon < 4; ++moon) {
        if (open[moon]) {
            intervals[moon].push_back({*open[moon], ephemeris::kPreciseEnd});
        }
    }
    return intervals;
}

// Behind the disc or in Jupiter's shadow, or both at once: one interval.
std::vector<Interval> Union(std::vector<Interval> a, const std::vector<Interval>& b) {
    a.insert(a.end(), b.begin(), b.end());
    std::sort(a.begin(), a.end(), [](const Interval& x, const Interval& y) { return x.begin < y.begin; });
    std::vector<Interval> merged;
    for (const Interval& interval : a) {
        if (!merged.empty() && interval.begin <= merged.back().end) {
            merged.back().end = std::max(merged.back().end, interval.end);
        } else {
            merged.push_back(interval);
        }
    }
    return merged;
}

bool Within(const std::vector<Interval>& intervals, UniversalTime instant) {
    return std::any_of(intervals.begin(), intervals.end(),
                       [instant](const Interval& interval) { return interval.begin <= instant && instant < interval.end; });
}

// The slopes of a curve through `points`, from each point's neighbours
// (exact for a parabola, however unevenly they are spaced).
void SetSlopes(std::vector<MonthChart::Point>& points) {
    const std::size_t n = points.size();
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t a = i == 0 ? 0 : i - 1;
        const std::size_t b = i + 1 == n ? i : i + 1;
        if (a == i || b == i) {
            const std::size_t other = a == i ? b : a;
            points[i].slope = other == i ? 0.0 : (points[other].west - points[i].west) / (points[other].day - points[i].day);
            continue;
        }
        const double before = points[i].day - points[a].day;
        const double after = points[b].day - points[i].day;
        const double left = (points[i].west - points[a].west) / before;
        const double right = (points[b].west - points[i].west) / after;
        points[i].slope = (left * after + right * before) / (before + after);
    }
}

// The cubic through two points with their slopes, at `day` between them.
double Hermite(const MonthChart::Point& p, const MonthChart::Point& q, double day) {
    const double h = q.day - p.day;
    const double s = (day - p.day) / h;
    const double s2 = s * s;
    const double s3 = s2 * s;
    return (2 * s3 - 3 * s2 + 1) * p.west + (s3 - 2 * s2 + s) * h * p.slope + (-2 * s3 + 3 * s2) * q.west +
           (s3 - s2) * h * q.slope;
}

class ChartComputation {
public:
    explicit ChartComputation(MonthChart& chart) : chart_(chart) {}

    void Compute() {
        // The mutual events' search shares nothing with the rest: on a second
        // core it costs the chart no time.
        std::future<std::vector<ephemeris::MutualEvent>> mutual;
        if (chart_.request.mutualMarks) {
            mutual = std::async(std::launch::async, [from = chart_.from, until = chart_.until] {
                return ephemeris::FindMutualEvents(from, until);
            });
        }
        const UniversalTime searchFrom = Clamped(chart_.from - kEventMargin);
        const std::vector<ephemeris::MoonEvent> events = ephemeris::FindMoonEvents(searchFrom, Clamped(chart_.until + kEventMargin));
        const auto occulted = Intervals(events, ephemeris::EventKind::OccultationDisappearance, searchFrom);
        const auto eclipsed = Intervals(events, ephemeris::EventKind::EclipseDisappearance, searchFrom);
        const auto shadows = Intervals(events, ephemeris::EventKind::ShadowIngress, searchFrom);

        const UniversalTime mid = chart_.from + (chart_.until - chart_.from) / 2;
        chart_.arcminutesPerRadius = View(mid).equatorialRadiusArcmin;
        double widest = 1.0;
        for (std::size_t moon = 0; moon < 4; ++moon) {
            const std::vector<Interval> hidden = Union(occulted[moon], eclipsed[moon]);
            std::vector<MonthChart::Point> points = Curve(moon, hidden);
            for (const MonthChart::Point& point : points) {
                if (point.day >= 0.0 && point.day <= chart_.spanDays) {
                    widest = std::max(widest, std::abs(point.west));
                }
            }
            chart_.curves[moon] = Stretches(points, hidden);
            for (const Interval& shadow : shadows[moon]) {
                if (shadow.end > chart_.from && shadow.begin < chart_.until && shadow.end < ephemeris::kPreciseEnd) {
                    chart_.shadows.push_back({moon, ShadowTrack(moon, shadow)});
                }
            }
        }
        chart_.widest = std::ceil(widest * kRoomAround);
        for (UniversalTime t = chart_.from;; t += hours{6}) {
            const UniversalTime at = std::min(t, chart_.until);
            chart_.disc.push_back({chart_.DayOf(at), View(at).equatorialRadiusArcmin / chart_.arcminutesPerRadius});
            if (at == chart_.until) {
                break;
            }
        }
        Sky();
        RedSpot();
        if (mutual.valid()) {
            MutualMarks(mutual.get());
        }
    }

private:
    const ephemeris::PreciseView& View(UniversalTime instant) {
        auto found = views_.find(instant);
        if (found == views_.end()) {
            found = views_.emplace(instant, series_.At(Clamped(instant))).first;
        }
        return found->second;
    }

    double West(std::size_t moon, UniversalTime instant) {
        return View(instant).moons[moon].westArcmin / chart_.arcminutesPerRadius;
    }

    // The moon's points: its own step from a step before the span to a step
    // after, and the instants it is hidden or seen again.
    std::vector<MonthChart::Point> Curve(std::size_t moon, const std::vector<Interval>& hidden) {
        const auto step = duration_cast<milliseconds>(kCurveSteps[moon]);
        std::vector<UniversalTime> times;
        for (UniversalTime t = chart_.from - kWidestStep; t <= chart_.until + step + kWidestStep; t += step) {
            if (t >= chart_.from - step && t <= chart_.until + step) {
                times.push_back(t);
            }
        }
        for (const Interval& interval : hidden) {
            for (const UniversalTime end : {interval.begin, interval.end}) {
                if (end > chart_.from - step && end < chart_.until + step) {
                    // A grid point a moment away from the event would make a piece too short to bend.
                    std::erase_if(times, [end, step](UniversalTime t) { return abs(t - end) < step / 8; });
                    times.push_back(end);
                }
            }
        }
        std::sort(times.begin(), times.end());
        std::vector<MonthChart::Point> points;
        for (const UniversalTime t : times) {
            points.push_back({chart_.DayOf(t), West(moon, t), 0.0});
        }
        SetSlopes(points);
        return points;
    }

    std::vector<MonthChart::Stretch> Stretches(const std::vector<MonthChart::Point>& points, const std::vector<Interval>& hidden) {
        std::vector<MonthChart::Stretch> stretches;
        for (std::size_t i = 0; i + 1 < points.size(); ++i) {
            const bool isHidden = Within(hidden, chart_.InstantOf((points[i].day + points[i + 1].day) / 2.0));
            if (stretches.empty() || stretches.back().hidden != isHidden) {
                stretches.push_back({isHidden, {points[i]}});
            }
            stretches.back().points.push_back(points[i + 1]);
        }
        return stretches;
    }

    std::vector<MonthChart::Point> ShadowTrack(std::size_t moon, const Interval& shadow) {
        std::vector<UniversalTime> times{shadow.begin};
        for (UniversalTime t = shadow.begin + kShadowStep; t < shadow.end - kShadowStep / 4; t += kShadowStep) {
            times.push_back(t);
        }
        times.push_back(shadow.end);
        std::vector<MonthChart::Point> points;
        for (const UniversalTime t : times) {
            const ephemeris::PreciseView& view = View(t);
            points.push_back({chart_.DayOf(t), view.moons[moon].shadowWestRadii * view.equatorialRadiusArcmin / chart_.arcminutesPerRadius, 0.0});
        }
        SetSlopes(points);
        return points;
    }

    void Sky() {
        if (!chart_.request.place) {
            return;
        }
        const ephemeris::Coordinates at{chart_.request.place->latitude, chart_.request.place->longitude};
        const auto days = [this](const std::vector<ephemeris::Hours>& hours) {
            std::vector<MonthChart::Hours> spans;
            for (const ephemeris::Hours& span : hours) {
                spans.push_back({chart_.DayOf(span.begin), chart_.DayOf(span.end)});
            }
            return spans;
        };
        chart_.night = days(ephemeris::FindHoursWithin(chart_.from, chart_.until, at, {ephemeris::kNightSunAltitude, std::nullopt}));
        chart_.observable =
            days(ephemeris::FindHoursWithin(chart_.from, chart_.until, at, {ephemeris::kNightSunAltitude, lists::kLowestJupiter}));
    }

    void RedSpot() {
        if (chart_.request.redSpotLongitude) {
            for (const UniversalTime transit : ephemeris::FindMeridianTransits(chart_.from, chart_.until, *chart_.request.redSpotLongitude)) {
                chart_.redSpotTransits.push_back(chart_.DayOf(transit));
            }
        }
    }

    void MutualMarks(const std::vector<ephemeris::MutualEvent>& events) {
        for (const ephemeris::MutualEvent& event : events) {
            if (!ephemeris::Noticeable(event) || event.maximum >= chart_.until) {
                continue;
            }
            const auto moon = static_cast<std::size_t>(event.passive);
            const double day = chart_.DayOf(event.maximum);
            const std::optional<MonthChart::Point> on = chart_.CurveAt(moon, day);
            chart_.mutualMarks.push_back({moon, day, on ? on->west : 0.0, QString::fromStdString(ephemeris::MutualCode(event))});
        }
    }

    MonthChart& chart_;
    ephemeris::PreciseViewSeries series_;
    std::map<UniversalTime, ephemeris::PreciseView> views_;
};

}  // namespace

ChartRequest MonthOf(QDate date) {
    ChartRequest request;
    request.first = QDate(date.year(), date.month(), 1);
    request.days = date.daysInMonth();
    return request;
}

QString ChartSpanName(const ChartRequest& request) {
    const QDate last = request.first.addDays(request.days - 1);
    const QLocale locale = translations::DatesLocale();
    if (request.first.day() == 1 && last.day() == last.daysInMonth() && last.month() == request.first.month()) {
        return locale.standaloneMonthName(request.first.month()) + QLatin1Char(' ') + QString::number(request.first.year());
    }
    const QString format = ChartWording::tr("d MMMM yyyy", "a day of the chart's span: Qt's date format");
    return request.days == 1 ? locale.toString(request.first, format)
                             : ChartWording::tr("%1 – %2", "the chart's first and last days").arg(locale.toString(request.first, format), locale.toString(last, format));
}

double MonthChart::DayOf(UniversalTime instant) const {
    return static_cast<double>((instant - from).count()) / kMillisecondsPerDay;
}

UniversalTime MonthChart::InstantOf(double day) const {
    return from + milliseconds{std::llround(day * kMillisecondsPerDay)};
}

std::optional<MonthChart::Point> MonthChart::CurveAt(std::size_t moon, double day) const {
    for (const Stretch& stretch : curves.at(moon)) {
        const auto after = std::upper_bound(stretch.points.begin(), stretch.points.end(), day,
                                            [](double d, const Point& point) { return d < point.day; });
        if (after == stretch.points.begin() || after == stretch.points.end()) {
            continue;
        }
        const Point& p = *(after - 1);
        return Point{day, Hermite(p, *after, day), 0.0};
    }
    return std::nullopt;
}

bool MonthChart::HiddenAt(std::size_t moon, double day) const {
    return std::any_of(curves.at(moon).begin(), curves.at(moon).end(), [day](const Stretch& stretch) {
        return stretch.hidden && stretch.points.front().day <= day && day < stretch.points.back().day;
    });
}

double MonthChart::HalfWidthAt(double day) const {
    const auto after = std::upper_bound(disc.begin(), disc.end(), day, [](double d, const Disc& sample) { return d < sample.day; });
    if (after == disc.begin()) {
        return disc.front().halfWidth;
    }
    if (after == disc.end()) {
        return disc.back().halfWidth;
    }
    const Disc& p = *(after - 1);
    return p.halfWidth + (after->halfWidth - p.halfWidth) * (day - p.day) / (after->day - p.day);
}

MonthChart ComputeMonthChart(const ChartRequest& request) {
    MonthChart chart;
    chart.request = request;
    chart.from = LocalMidnight(request.first);
    chart.until = LocalMidnight(request.first.addDays(request.days));
    if (!ephemeris::WithinPreciseYears(chart.from) || !ephemeris::WithinPreciseYears(chart.until - milliseconds{1})) {
        throw ephemeris::OutsidePreciseYears();
    }
    chart.spanDays = chart.DayOf(chart.until);
    chart.zone = QString::fromStdString(ephemeris::ComputersZoneName());
    for (int d = 0; d <= request.days; ++d) {
        const QDate date = request.first.addDays(d);
        chart.dayLines.push_back({chart.DayOf(LocalMidnight(date)), date});
    }
    ChartComputation(chart).Compute();
    return chart;
}

}  // namespace drawing
