// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLocale>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

#include "chart_wording.hpp"
#include "drawing/month_chart.hpp"
#include "lists/event_words.hpp"
#include "lists/observing_log.hpp"
#include "translations/language.hpp"

namespace drawing {
namespace {

struct Palette {
    QColor background;
    QColor text;
    QColor faint;  // lines of the days and hours
    QColor disc;
    QColor shadow;
    QColor night;
    QColor observable;
    QColor redSpot;
    QColor marked;
    std::array<QColor, 4> moons;
};

// The window's moons on a dark ground; its night colours, all red on black;
// and shades of them dark enough to read on white paper, in black and white too.
const Palette kScreen{QColor(16, 16, 24),    QColor(220, 220, 220), QColor(80, 80, 96),   QColor(236, 226, 200),
                      QColor(0, 0, 0),       QColor(28, 34, 64),    QColor(44, 58, 106),  QColor(235, 95, 60),
                      QColor(255, 200, 0),   {QColor(255, 0, 0), QColor(0, 255, 255), QColor(255, 255, 200), QColor(255, 255, 255)}};
const Palette kNight{QColor(0, 0, 0),       QColor(170, 0, 0),   QColor(70, 0, 0),     QColor(90, 0, 0),
                     QColor(0, 0, 0),       QColor(22, 0, 0),    QColor(40, 0, 0),     QColor(230, 0, 0),
                     QColor(255, 0, 0),     {QColor(255, 0, 0), QColor(210, 0, 0), QColor(170, 0, 0), QColor(135, 0, 0)}};
const Palette kPaper{QColor(255, 255, 255), QColor(0, 0, 0),     QColor(170, 170, 170), QColor(236, 226, 200),
                     QColor(0, 0, 0),       QColor(226, 228, 238), QColor(200, 206, 228), QColor(190, 40, 20),
                     QColor(0, 0, 0),       {QColor(200, 0, 0), QColor(0, 110, 160), QColor(150, 105, 0), QColor(70, 70, 70)}};

const Palette& PaletteOf(ChartColours colours) {
    switch (colours) {
        case ChartColours::Night:
            return kNight;
        case ChartColours::Paper:
            return kPaper;
        case ChartColours::Screen:
            break;
    }
    return kScreen;
}

constexpr double kTitleLines = 4.4;   // font heights above the scale
constexpr double kScaleLines = 2.6;
constexpr double kDayLabelWidth = 4.6;

QFont FontOf(double pixels, bool bold = false) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
    font.setBold(bold);
    return font;
}

// The span's curves, each a path of cubic pieces.
QPainterPath PathOf(const ChartLayout& layout, const std::vector<MonthChart::Point>& points) {
    QPainterPath path;
    if (points.empty()) {
        return path;
    }
    path.moveTo(layout.X(points.front().west), layout.Y(points.front().day));
    for (std::size_t i = 1; i < points.size(); ++i) {
        const MonthChart::Point& p = points[i - 1];
        const MonthChart::Point& q = points[i];
        const double third = (q.day - p.day) / 3.0;
        path.cubicTo(layout.X(p.west + p.slope * third), layout.Y(p.day + third), layout.X(q.west - q.slope * third),
                     layout.Y(q.day - third), layout.X(q.west), layout.Y(q.day));
    }
    return path;
}

// Text on a patch of the ground, so that it reads over lines and curves.
void Label(QPainter& painter, const QPointF& at, const QString& text, const QColor& colour, const QColor& ground) {
    const QRectF box = painter.fontMetrics().boundingRect(text).toRectF().translated(at);
    painter.fillRect(box.adjusted(-1, 0, 1, 0), ground);
    painter.setPen(colour);
    painter.drawText(at, text);
}

class ChartPainter {
public:
    ChartPainter(QPainter& painter, const ChartLayout& layout, const MonthChart& chart, const Palette& palette)
        : painter_(painter), layout_(layout), chart_(chart), palette_(palette), font_(layout.FontPixels()) {}

    void Paint(std::optional<ephemeris::UniversalTime> marked) {
        painter_.save();
        painter_.setRenderHint(QPainter::Antialiasing);
        painter_.fillRect(layout_.Page(), palette_.background);
        Titles();
        Scale();
        painter_.save();
        painter_.setClipRect(layout_.Plot());
        Shading();
        Disc();
        DaysAndHours();
        RedSpot();
        Shadows();
        Curves();
        MutualMarks();
        if (marked) {
            Marked(chart_.DayOf(*marked));
        }
        painter_.restore();
        Names();
        painter_.setPen(QPen(palette_.faint, Width(0.06)));
        painter_.setBrush(Qt::NoBrush);
        painter_.drawRect(layout_.Plot());
        painter_.restore();
    }

private:
    [[nodiscard]] double Width(double fontHeights) const { return std::max(1.0, fontHeights * font_); }

    // A line of the titles in the painter's font, or a smaller one where a
    // language's words would run off the page.
    void Line(double y, const QString& text) {
        const QRectF page = layout_.Page();
        const double room = page.width() - 2 * font_;
        const QFont font = painter_.font();
        for (int pixels = font.pixelSize() - 1; pixels > 1 && QFontMetricsF(painter_.font()).horizontalAdvance(text) > room; --pixels) {
            painter_.setFont(FontOf(pixels, font.bold()));
        }
        painter_.drawText(QPointF(page.left() + font_, y), text);
        painter_.setFont(font);
    }

    void Titles() {
        double y = layout_.Page().top() + 1.6 * font_;
        painter_.setPen(palette_.text);
        painter_.setFont(FontOf(1.3 * font_, true));
        Line(y, ChartWording::tr("Jupiter's moons, %1").arg(ChartSpanName(chart_.request)));
        painter_.setFont(FontOf(0.8 * font_));
        QStringList facts{ChartWording::tr("Local time, %1").arg(chart_.zone)};
        if (const auto& place = chart_.request.place) {
            const QString where = lists::CoordinatesText(*place);
            facts << (place->name.empty() ? where : ChartWording::tr("%1 (%2)").arg(QString::fromStdString(place->name), where));
        }
        if (chart_.request.redSpotLongitude) {
            facts << ChartWording::tr("Red Spot at %1° (System II)").arg(*chart_.request.redSpotLongitude, 0, 'f', 0);
        }
        facts << QStringLiteral("Satrivox %1").arg(QStringLiteral(SATRIVOX_VERSION));
        y += 1.2 * font_;
        Line(y, facts.join(QStringLiteral(" · ")));
        y += 1.1 * font_;
        QString legend = ChartWording::tr("Dotted: behind Jupiter or in its shadow · black on the disc: a moon's shadow");
        if (chart_.request.redSpotLongitude) {
            legend += QStringLiteral(" · ") + ChartWording::tr("◂: the Red Spot on the central meridian");
        }
        Line(y, legend);
        y += 1.1 * font_;
        Line(y, chart_.request.place
                              ? ChartWording::tr("Shaded: night (the Sun 12° down); more strongly: Jupiter 5° up or more as well")
                              : ChartWording::tr("No place is known, so the night is not shaded: set one in the events dialog, "
                                                 "or give --where LAT,LON"));
    }

    void Scale() {
        const QRectF plot = layout_.Plot();
        const double top = plot.top() - kScaleLines * font_;
        const double numbers = top + 0.9 * font_;
        // East and west at the scale's corners, and the unit before it: a number
        // that would run into a side's word (a long one, in some languages) is left out.
        painter_.setPen(palette_.text);
        painter_.setFont(FontOf(0.75 * font_, true));
        const QFontMetricsF sideMetrics(painter_.font());
        const QString east = ChartWording::tr("East");
        const QString west = ChartWording::tr("West");
        const QString& leftSide = chart_.request.mirrored ? west : east;
        const QString& rightSide = chart_.request.mirrored ? east : west;
        const double gap = 0.3 * font_;
        const double leftEnd = plot.left() + sideMetrics.horizontalAdvance(leftSide) + gap;
        const double rightStart = plot.right() - sideMetrics.horizontalAdvance(rightSide) - gap;
        painter_.drawText(QPointF(plot.left(), numbers), leftSide);
        painter_.drawText(QPointF(rightStart + gap, numbers), rightSide);
        painter_.setFont(FontOf(0.65 * font_));
        const QString unit = ChartWording::tr("radii");
        painter_.drawText(QPointF(plot.left() - QFontMetricsF(painter_.font()).horizontalAdvance(unit) - 0.4 * font_, numbers), unit);

        const double step = chart_.widest > 12 ? 5.0 : chart_.widest > 5 ? 2.0 : 1.0;
        painter_.setFont(FontOf(0.75 * font_));
        const QFontMetricsF metrics(painter_.font());
        for (double r = -std::floor(chart_.widest / step) * step; r <= chart_.widest; r += step) {
            const double x = layout_.X(r);
            painter_.setPen(QPen(palette_.faint, Width(0.05)));
            painter_.drawLine(QPointF(x, plot.top() - 0.4 * font_), QPointF(x, plot.top()));
            painter_.setPen(palette_.text);
            const QString radii = QString::number(std::abs(r), 'f', 0);
            const QString arcminutes = QString::number(std::abs(r) * chart_.arcminutesPerRadius, 'f', 1) + QStringLiteral("′");
            const double half = metrics.horizontalAdvance(radii) / 2;
            if (x - half >= leftEnd && x + half <= rightStart) {
                painter_.drawText(QPointF(x - half, numbers), radii);
            }
            if (r != 0.0) {
                painter_.drawText(QPointF(x - metrics.horizontalAdvance(arcminutes) / 2, top + 1.8 * font_), arcminutes);
            }
        }
    }

    void Shading() {
        const QRectF plot = layout_.Plot();
        for (const auto& [spans, colour] : {std::pair{&chart_.night, palette_.night}, std::pair{&chart_.observable, palette_.observable}}) {
            for (const MonthChart::Hours& span : *spans) {
                painter_.fillRect(QRectF(QPointF(plot.left(), layout_.Y(span.begin)), QPointF(plot.right(), layout_.Y(span.end))), colour);
            }
        }
    }

    void Disc() {
        QPolygonF band;
        for (const MonthChart::Disc& sample : chart_.disc) {
            band << QPointF(layout_.X(-sample.halfWidth), layout_.Y(sample.day));
        }
        for (auto sample = chart_.disc.rbegin(); sample != chart_.disc.rend(); ++sample) {
            band << QPointF(layout_.X(sample->halfWidth), layout_.Y(sample->day));
        }
        painter_.setPen(Qt::NoPen);
        painter_.setBrush(palette_.disc);
        painter_.drawPolygon(band);
        painter_.setBrush(Qt::NoBrush);
    }

    void DaysAndHours() {
        const QRectF plot = layout_.Plot();
        painter_.setPen(QPen(palette_.faint, Width(0.06)));
        for (const MonthChart::DayLine& line : chart_.dayLines) {
            painter_.drawLine(QPointF(plot.left(), layout_.Y(line.day)), QPointF(plot.right(), layout_.Y(line.day)));
        }
        painter_.setPen(QPen(palette_.faint, Width(0.04)));
        for (double day = 0.25; day < chart_.spanDays; day += 0.25) {
            const double y = layout_.Y(day);
            painter_.drawLine(QPointF(plot.left(), y), QPointF(plot.left() + 0.5 * font_, y));
            painter_.drawLine(QPointF(plot.right() - 0.5 * font_, y), QPointF(plot.right(), y));
        }
    }

    void RedSpot() {
        painter_.setPen(Qt::NoPen);
        painter_.setBrush(palette_.redSpot);
        const double size = 0.35 * font_;
        const double side = chart_.request.mirrored ? 1.0 : -1.0;  // on the band's east side
        for (const double day : chart_.redSpotTransits) {
            const double edge = layout_.X(side * chart_.HalfWidthAt(day));
            const double y = layout_.Y(day);
            const double out = chart_.request.mirrored ? size : -size;
            painter_.drawPolygon(QPolygonF{QPointF(edge + out * 0.3, y), QPointF(edge + out * 1.8, y - size),
                                           QPointF(edge + out * 1.8, y + size)});
        }
        painter_.setBrush(Qt::NoBrush);
    }

    void Shadows() {
        painter_.setPen(QPen(palette_.shadow, Width(0.4), Qt::SolidLine, Qt::RoundCap));
        for (const MonthChart::ShadowTrack& track : chart_.shadows) {
            painter_.drawPath(PathOf(layout_, track.points));
        }
    }

    void Curves() {
        for (std::size_t moon = 0; moon < 4; ++moon) {
            for (const MonthChart::Stretch& stretch : chart_.curves[moon]) {
                QPen pen(palette_.moons[moon], Width(0.17), stretch.hidden ? Qt::DotLine : Qt::SolidLine, Qt::RoundCap);
                painter_.setPen(pen);
                painter_.drawPath(PathOf(layout_, stretch.points));
            }
        }
    }

    void MutualMarks() {
        painter_.setFont(FontOf(0.6 * font_));
        for (const MonthChart::MutualMark& mark : chart_.mutualMarks) {
            const QPointF at(layout_.X(mark.west), layout_.Y(mark.day));
            painter_.setPen(QPen(palette_.moons[mark.moon], Width(0.1)));
            painter_.drawEllipse(at, 0.3 * font_, 0.3 * font_);
            Label(painter_, at + QPointF(0.45 * font_, 0.25 * font_), mark.code, palette_.text, palette_.background);
        }
    }

    void Marked(double day) {
        if (day < 0.0 || day > chart_.spanDays) {
            return;
        }
        const QRectF plot = layout_.Plot();
        painter_.setPen(QPen(palette_.marked, Width(0.12)));
        painter_.drawLine(QPointF(plot.left(), layout_.Y(day)), QPointF(plot.right(), layout_.Y(day)));
    }

    // The days down the left, and each moon's name at the top and every week.
    void Names() {
        const QRectF plot = layout_.Plot();
        const QLocale locale = translations::DatesLocale();
        painter_.setFont(FontOf(0.75 * font_));
        const QFontMetricsF metrics(painter_.font());
        painter_.setPen(palette_.text);
        for (const MonthChart::DayLine& line : chart_.dayLines) {
            if (line.date == chart_.request.first.addDays(chart_.request.days)) {
                continue;
            }
            const QString text = locale.toString(line.date, ChartWording::tr("ddd d", "the date of a day down the chart's left: Qt's date format"));
            painter_.drawText(QPointF(plot.left() - metrics.horizontalAdvance(text) - 0.4 * font_, layout_.Y(line.day) + font_), text);
        }
        painter_.setFont(FontOf(0.7 * font_, true));
        const QFontMetricsF names(painter_.font());
        for (int week = 0; week * 7 < chart_.request.days; ++week) {
            const double day = 7.0 * week;
            std::vector<QRectF> placed;
            for (std::size_t moon = 0; moon < 4; ++moon) {
                const std::optional<MonthChart::Point> on = chart_.CurveAt(moon, day);
                if (!on) {
                    continue;
                }
                const QString name = lists::MoonName(static_cast<ephemeris::Moon>(moon));
                QRectF box = names.boundingRect(name);
                const double x = layout_.X(on->west);
                box.moveTo(x + box.width() + 0.6 * font_ < plot.right() ? x + 0.3 * font_ : x - box.width() - 0.3 * font_,
                           layout_.Y(day) + 0.3 * font_);
                // Names of moons close together go one under another.
                while (std::any_of(placed.begin(), placed.end(), [&box](const QRectF& other) { return other.intersects(box); })) {
                    box.translate(0, box.height());
                }
                placed.push_back(box);
                Label(painter_, QPointF(box.left(), box.top() + names.ascent()), name, palette_.moons[moon], palette_.background);
            }
        }
    }

    QPainter& painter_;
    const ChartLayout& layout_;
    const MonthChart& chart_;
    const Palette& palette_;
    double font_;
};

}  // namespace

ChartLayout::ChartLayout(const MonthChart& chart, const QRectF& page)
    : page_(page),
      font_(std::max(6.0, std::min(page.width() / 58.0, page.height() / 48.0))),
      spanDays_(chart.spanDays),
      widest_(chart.widest),
      mirrored_(chart.request.mirrored) {
    const double top = (kTitleLines + kScaleLines + 0.6) * font_;
    plot_ = QRectF(page.left() + (kDayLabelWidth + 0.6) * font_, page.top() + top,
                   page.width() - (kDayLabelWidth + 1.6) * font_, page.height() - top - 1.2 * font_);
}

double ChartLayout::Y(double day) const {
    return plot_.top() + day / spanDays_ * plot_.height();
}

double ChartLayout::X(double west) const {
    const double across = west / widest_ * plot_.width() / 2.0;
    return plot_.center().x() + (mirrored_ ? -across : across);
}

double ChartLayout::DayAt(double y) const {
    return (y - plot_.top()) / plot_.height() * spanDays_;
}

double ChartLayout::WestAt(double x) const {
    const double across = (x - plot_.center().x()) / (plot_.width() / 2.0) * widest_;
    return mirrored_ ? -across : across;
}

void PaintMonthChart(QPainter& painter, const ChartLayout& layout, const MonthChart& chart, ChartColours colours,
                     std::optional<ephemeris::UniversalTime> marked) {
    ChartPainter(painter, layout, chart, PaletteOf(colours)).Paint(marked);
}

}  // namespace drawing
