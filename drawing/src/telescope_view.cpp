// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/telescope_view.hpp"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <tuple>

#include "events/jupiter_sky.hpp"
#include "lists/event_words.hpp"
#include "lists/observing_log.hpp"
#include "theory/galilean_theory.hpp"

namespace drawing {
namespace {

// The view's words, in the user's language.
struct ViewWording {
    Q_DECLARE_TR_FUNCTIONS(ViewWording)
};

constexpr double kDegree = std::numbers::pi / 180.0;
constexpr double kEquatorialRadiusKm = 71492.0;
constexpr double kDiscRoom = 1.15;             // the disc's radius, filling the view, and a little sky
constexpr double kRedSpotLatitude = -22.0;     // degrees
constexpr double kRedSpotWidthRadii = 0.19;    // about 13,500 km
constexpr double kRedSpotHeightRadii = 0.15;
constexpr double kNearMeridian = 20.0;         // degrees of longitude
constexpr std::array<std::array<double, 2>, 2> kBelts{{{7.0, 17.0}, {-20.0, -8.0}}};  // north and south, degrees
constexpr std::array<double, 4> kOrbitRadii{5.9, 9.4, 15.0, 26.4};  // the inset's circles

struct Palette {
    QColor sky;
    QColor disc;
    QColor belt;
    QColor unlit;  // laid over the limb away from the Sun
    QColor redSpot;
    QColor shadow;
    QColor text;
    QColor faint;
    std::array<QColor, 4> moons;
};
const Palette kDay{QColor(0, 0, 0),        QColor(236, 222, 190), QColor(176, 138, 100), QColor(0, 0, 0, 120),
                   QColor(205, 95, 60),     QColor(0, 0, 0),       QColor(210, 210, 210), QColor(110, 110, 120),
                   {QColor(255, 0, 0), QColor(0, 255, 255), QColor(255, 255, 200), QColor(255, 255, 255)}};
const Palette kNight{QColor(0, 0, 0),      QColor(120, 0, 0),     QColor(80, 0, 0),      QColor(0, 0, 0, 120),
                     QColor(165, 0, 0),     QColor(0, 0, 0),       QColor(150, 0, 0),     QColor(70, 0, 0),
                     {QColor(255, 0, 0), QColor(210, 0, 0), QColor(170, 0, 0), QColor(135, 0, 0)}};

double Flattening(const ephemeris::PreciseView& view) {
    return view.polarRadiusArcmin / view.equatorialRadiusArcmin;
}

bool OnTheDisc(const ephemeris::PreciseView& view, const ephemeris::ApparentMoon& moon) {
    return std::hypot(moon.westRadii, moon.northRadii / Flattening(view)) < 1.0;
}

// A length on the sky in arcseconds that makes a bar of about `pixels`.
double BarArcseconds(double arcsecondsPerPixel, double pixels) {
    constexpr std::array kLengths{1.0, 2.0, 5.0, 10.0, 20.0, 30.0, 60.0, 120.0, 300.0, 600.0, 1200.0};
    const double wanted = arcsecondsPerPixel * pixels;
    return *std::min_element(kLengths.begin(), kLengths.end(),
                             [wanted](double a, double b) { return std::abs(std::log(a / wanted)) < std::abs(std::log(b / wanted)); });
}

class ViewPainter {
public:
    ViewPainter(QPainter& painter, const ViewLayout& layout, const TelescopeScene& scene, const Palette& palette)
        : painter_(painter), layout_(layout), scene_(scene), palette_(palette),
          font_(std::max(9.0, std::min(layout.Area().width(), layout.Area().height()) / 40.0)) {}

    void Paint() {
        painter_.save();
        painter_.setRenderHint(QPainter::Antialiasing);
        painter_.fillRect(layout_.Area(), palette_.sky);
        painter_.setClipRect(layout_.Area());
        Disc();
        Shadows();
        Moons();
        painter_.setClipping(false);
        Captions();
        FromAbove();
        painter_.restore();
    }

private:
    [[nodiscard]] QRectF DiscRect() const {
        const QPointF centre = layout_.At(0.0, 0.0);
        const double rx = layout_.PixelsPerRadius();
        const double ry = rx * Flattening(scene_.view);
        return {centre.x() - rx, centre.y() - ry, 2 * rx, 2 * ry};
    }

    void Disc() {
        const QRectF disc = DiscRect();
        QPainterPath outline;
        outline.addEllipse(disc);
        painter_.setPen(Qt::NoPen);
        painter_.setBrush(palette_.disc);
        painter_.drawPath(outline);
        painter_.save();
        painter_.setClipPath(outline, Qt::IntersectClip);
        // The belts: latitudes on a sphere seen from near its equator's plane.
        const double flattening = Flattening(scene_.view);
        for (const auto& [south, north] : kBelts) {
            const QPointF a = layout_.At(-1.0, std::sin(south * kDegree) * flattening);
            const QPointF b = layout_.At(1.0, std::sin(north * kDegree) * flattening);
            painter_.fillRect(QRectF(a, b).normalized(), palette_.belt);
        }
        if (const std::optional<QPointF> spot = RedSpotOnDisc(scene_)) {
            const double shrink = std::sqrt(std::max(0.0, 1.0 - spot->x() * spot->x()));  // foreshortened toward the limb
            painter_.setBrush(palette_.redSpot);
            painter_.drawEllipse(layout_.At(spot->x(), spot->y()), kRedSpotWidthRadii / 2.0 * shrink * layout_.PixelsPerRadius(),
                                 kRedSpotHeightRadii / 2.0 * flattening * layout_.PixelsPerRadius());
        }
        Unlit(disc);
        painter_.restore();
    }

    // The limb away from the Sun: the far half of the disc less the half of
    // the terminator's ellipse, cos(phase) of a radius wide, on that side.
    void Unlit(const QRectF& disc) {
        const double phase = scene_.view.phaseDegrees * kDegree;
        const QPointF towardSun = layout_.At(scene_.view.sunWest, 0.0) - layout_.At(0.0, 0.0);
        if (phase <= 0.0 || towardSun.x() == 0.0) {
            return;
        }
        const double side = towardSun.x() > 0.0 ? -1.0 : 1.0;  // the far side's direction on the screen
        QPainterPath far;
        far.addRect(side > 0 ? QRectF(disc.center().x(), disc.top(), disc.width(), disc.height())
                             : QRectF(disc.left(), disc.top(), disc.width() / 2.0, disc.height()));
        QPainterPath terminator;
        const double half = disc.width() / 2.0 * std::cos(phase);
        terminator.addEllipse(disc.center(), half, disc.height() / 2.0);
        painter_.setBrush(palette_.unlit);
        painter_.drawPath(far.subtracted(terminator));
    }

    [[nodiscard]] double MoonPixels(std::size_t moon) const {
        return std::max(2.5, kMoonRadiusKm[moon] / kEquatorialRadiusKm * layout_.PixelsPerRadius());
    }

    void Shadows() {
        painter_.setPen(Qt::NoPen);
        painter_.setBrush(palette_.shadow);
        for (std::size_t moon = 0; moon < 4; ++moon) {
            if (const ephemeris::ApparentMoon& seen = scene_.view.moons.at(moon); seen.shadowOnDisc) {
                painter_.drawEllipse(layout_.At(seen.shadowWestRadii, seen.shadowNorthRadii), MoonPixels(moon), MoonPixels(moon));
            }
        }
    }

    void Moons() {
        painter_.setFont(QFont(QStringLiteral("DejaVu Sans"), -1));
        QFont font = painter_.font();
        font.setPixelSize(static_cast<int>(std::lround(font_ * 0.9)));
        painter_.setFont(font);
        for (std::size_t moon = 0; moon < 4; ++moon) {
            const ephemeris::ApparentMoon& seen = scene_.view.moons.at(moon);
            if (seen.occulted) {
                continue;
            }
            const QPointF at = layout_.At(seen.westRadii, seen.northRadii);
            const double r = MoonPixels(moon);
            if (seen.eclipsed) {
                QColor dim = palette_.moons[moon];
                dim.setAlpha(140);
                painter_.setPen(QPen(dim, 1.0));
                painter_.setBrush(Qt::NoBrush);
            } else {
                painter_.setPen(Qt::NoPen);
                painter_.setBrush(palette_.moons[moon]);
            }
            painter_.drawEllipse(at, r, r);
            painter_.setPen(palette_.moons[moon]);
            painter_.drawText(at + QPointF(r + 3.0, -r - 3.0), lists::MoonName(static_cast<ephemeris::Moon>(moon)));
        }
    }

    void Captions() {
        const QRectF area = layout_.Area();
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(static_cast<int>(std::lround(font_)));
        painter_.setFont(font);
        painter_.setPen(palette_.text);
        const double line = font_ * 1.3;
        const lists::ClockReading local = lists::ReadClock(scene_.instant, lists::Clock::Local);
        const lists::ClockReading universal = lists::ReadClock(scene_.instant, lists::Clock::Universal);
        painter_.drawText(QPointF(area.left() + font_, area.top() + line), local.Shown(lists::DateFormat() + QStringLiteral(" HH:mm")));
        painter_.drawText(QPointF(area.left() + font_, area.top() + 2 * line), universal.Shown(QStringLiteral("HH:mm")));

        // The scale: a bar of a round number of arcseconds.
        const double arcsecondsPerPixel = scene_.view.equatorialRadiusArcmin * 60.0 / layout_.PixelsPerRadius();
        const double arcseconds = BarArcseconds(arcsecondsPerPixel, area.width() / 6.0);
        const double length = arcseconds / arcsecondsPerPixel;
        const QPointF start(area.left() + font_, area.bottom() - font_);
        painter_.setPen(QPen(palette_.text, 1.5));
        painter_.drawLine(start, start + QPointF(length, 0.0));
        painter_.drawText(start + QPointF(0.0, -0.5 * font_),
                          arcseconds >= 60.0 ? QStringLiteral("%1′").arg(arcseconds / 60.0) : QStringLiteral("%1″").arg(arcseconds));

        // North and east, as the instrument turns them.
        const QPointF corner(area.right() - 3.0 * font_, area.top() + 3.0 * font_);
        const double arm = 2.0 * font_;
        const QPointF centre = layout_.At(0.0, 0.0);
        for (const auto& [west, north, name] : {std::tuple{0.0, 1.0, ViewWording::tr("N", "north")}, std::tuple{-1.0, 0.0, ViewWording::tr("E", "east")}}) {
            QPointF direction = layout_.At(west, north) - centre;
            direction /= std::hypot(direction.x(), direction.y());
            painter_.drawLine(corner, corner + arm * direction);
            painter_.drawText(corner + (arm + 0.4 * font_) * direction + QPointF(-0.35 * font_, 0.35 * font_), name);
        }
    }

    // The system from above Jupiter's north pole, the Earth below: each moon
    // on its orbit, the directions to the Earth and the Sun.
    void FromAbove() {
        const QRectF area = layout_.Area();
        const double size = std::min(area.width(), area.height()) * 0.24;
        const QPointF centre(area.right() - size / 2.0 - font_ * 0.5, area.bottom() - size / 2.0 - font_ * 0.5);
        const double scale = size / 2.0 / (kOrbitRadii.back() * 1.1);
        const double turn = -std::numbers::pi / 2.0 - scene_.view.earthDirection;  // the Earth's way points down
        const double mirror = layout_.Turned().mirrored ? -1.0 : 1.0;
        const auto place = [&](double along, double across) {
            const double x = along * std::cos(turn) - across * std::sin(turn);
            const double y = along * std::sin(turn) + across * std::cos(turn);
            return centre + QPointF(mirror * x * scale, -y * scale);
        };
        painter_.setPen(QPen(palette_.faint, 1.0));
        painter_.setBrush(Qt::NoBrush);
        for (const double radius : kOrbitRadii) {
            painter_.drawEllipse(centre, radius * scale, radius * scale);
        }
        painter_.setPen(Qt::NoPen);
        painter_.setBrush(palette_.disc);
        painter_.drawEllipse(centre, std::max(2.0, scale), std::max(2.0, scale));
        for (std::size_t moon = 0; moon < 4; ++moon) {
            const ephemeris::ApparentMoon& seen = scene_.view.moons.at(moon);
            painter_.setBrush(palette_.moons.at(moon));
            painter_.drawEllipse(place(seen.alongEquatorRadii, seen.acrossEquatorRadii), 2.5, 2.5);
        }
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(static_cast<int>(std::lround(font_ * 0.75)));
        painter_.setFont(font);
        const double reach = kOrbitRadii.back() * 1.08;
        const auto end = [&](double direction) { return place(reach * std::cos(direction), reach * std::sin(direction)); };
        const QPointF earth = end(scene_.view.earthDirection);
        const QPointF sun = end(scene_.view.sunDirection);
        const QFontMetricsF metrics(font);
        // The two lines are seldom more than 12 degrees apart: each name on its own side.
        const bool sunRight = sun.x() >= earth.x();
        for (const auto& [at, name, right] : {std::tuple{earth, ViewWording::tr("Earth"), !sunRight}, std::tuple{sun, ViewWording::tr("Sun"), sunRight}}) {
            painter_.setPen(QPen(palette_.text, 1.0, Qt::DashLine));
            painter_.drawLine(centre, at);
            const double width = metrics.horizontalAdvance(name);
            painter_.drawText(at + QPointF(right ? 3.0 : -width - 3.0, 0.0), name);
        }
    }

    QPainter& painter_;
    const ViewLayout& layout_;
    const TelescopeScene& scene_;
    const Palette& palette_;
    double font_;
};

}  // namespace

TelescopeScene ComputeTelescopeScene(ephemeris::PreciseViewSeries& views, ephemeris::UniversalTime instant,
                                     std::optional<double> redSpotLongitude) {
    return {instant, views.At(instant), redSpotLongitude, ephemeris::CentralMeridianSystemII(instant)};
}

ViewLayout::ViewLayout(const QRectF& area, double zoom, Orientation orientation) : area_(area), orientation_(orientation) {
    const double half = std::min(area.width(), area.height()) / 2.0;
    const double system = half / kSystemRadii;
    const double disc = half / kDiscRoom;
    perRadius_ = system * std::pow(disc / system, std::clamp(zoom, kWholeSystem, kDiscFills));
}

QPointF ViewLayout::At(double west, double north) const {
    const double across = (orientation_.mirrored != orientation_.southUp) ? -west : west;
    const double up = orientation_.southUp ? -north : north;
    return area_.center() + QPointF(across * perRadius_, -up * perRadius_);
}

std::optional<QPointF> RedSpotOnDisc(const TelescopeScene& scene) {
    if (!scene.redSpotLongitude) {
        return std::nullopt;
    }
    // West longitudes: a spot of greater longitude than the meridian's has yet to reach it, east of it.
    const double fromMeridian = std::remainder(*scene.redSpotLongitude - scene.centralMeridian, 360.0) * kDegree;
    if (std::cos(fromMeridian) <= 0.0) {
        return std::nullopt;
    }
    return QPointF(-std::sin(fromMeridian) * std::cos(kRedSpotLatitude * kDegree),
                   std::sin(kRedSpotLatitude * kDegree) * Flattening(scene.view));
}

void PaintTelescopeView(QPainter& painter, const ViewLayout& layout, const TelescopeScene& scene, ViewColours colours) {
    ViewPainter(painter, layout, scene, colours == ViewColours::Night ? kNight : kDay).Paint();
}

QString DescribeTelescopeView(const TelescopeScene& scene) {
    QStringList parts;
    QStringList shadows;
    for (std::size_t moon = 0; moon < 4; ++moon) {
        const ephemeris::ApparentMoon& seen = scene.view.moons[moon];
        const QString name = lists::MoonName(static_cast<ephemeris::Moon>(moon));
        const bool inTransit = seen.inFront && OnTheDisc(scene.view, seen);
        if (inTransit && seen.shadowOnDisc) {
            parts << ViewWording::tr("%1 and its shadow on the disc").arg(name);
            continue;
        }
        if (seen.shadowOnDisc) {
            shadows << ViewWording::tr("%1's shadow on the disc").arg(name);
        }
        if (seen.occulted) {
            parts << ViewWording::tr("%1 behind the planet").arg(name);
        } else if (seen.eclipsed) {
            parts << ViewWording::tr("%1 dark in Jupiter's shadow").arg(name);
        } else if (inTransit) {
            parts << ViewWording::tr("%1 on the disc").arg(name);
        } else {
            const QString along = QString::number(std::abs(seen.westRadii), 'f', 1);
            const QString across = QString::number(std::abs(seen.northRadii), 'f', 1);
            parts << ViewWording::tr("%1 %2, %3", "a moon, its distance east or west, and north or south")
                         .arg(name,
                              seen.westRadii >= 0.0 ? ViewWording::tr("%1 radii west").arg(along)
                                                    : ViewWording::tr("%1 radii east").arg(along),
                              seen.northRadii >= 0.0 ? ViewWording::tr("%1 north").arg(across)
                                                     : ViewWording::tr("%1 south").arg(across));
        }
    }
    parts << shadows;
    if (const std::optional<QPointF> spot = RedSpotOnDisc(scene)) {
        const double fromMeridian = std::remainder(*scene.redSpotLongitude - scene.centralMeridian, 360.0);
        parts << (std::abs(fromMeridian) < kNearMeridian ? ViewWording::tr("the Great Red Spot near the central meridian")
                  : spot->x() < 0.0                      ? ViewWording::tr("the Great Red Spot on the eastern half of the disc")
                                                         : ViewWording::tr("the Great Red Spot on the western half of the disc"));
    }
    return parts.join(QStringLiteral("; "));
}

}  // namespace drawing
