// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QRectF>
#include <QString>

#include <optional>

#include "model/time_base.hpp"
#include "theory/jupiter_system.hpp"

class QPainter;

namespace drawing {

// Jupiter and its moons at one instant as the eyepiece shows them.
struct TelescopeScene {
    ephemeris::UniversalTime instant;
    ephemeris::PreciseView view;
    std::optional<double> redSpotLongitude;  // System II; none: no Spot drawn
    double centralMeridian = 0.0;            // System II, degrees
};

// The scene at `instant`: the precise view from `views` (whose daily
// positions it shares), and the central meridian. Throws as the theory does.
TelescopeScene ComputeTelescopeScene(ephemeris::PreciseViewSeries& views, ephemeris::UniversalTime instant,
                                     std::optional<double> redSpotLongitude);

// How the instrument turns the picture: north up or south up (an inverting
// telescope turns it half round), east and west swapped (a star diagonal).
struct Orientation {
    bool southUp = false;
    bool mirrored = false;
};

// From the whole system, Callisto's widest swing across the view (0), to the
// disc filling it (1).
inline constexpr double kWholeSystem = 0.0;
inline constexpr double kDiscFills = 1.0;

// Where things fall in a picture: offsets on the sky (radii west and north)
// to pixels, for a zoom and an orientation.
class ViewLayout {
public:
    ViewLayout(const QRectF& area, double zoom, Orientation orientation);

    [[nodiscard]] QPointF At(double west, double north) const;
    [[nodiscard]] double PixelsPerRadius() const { return perRadius_; }
    [[nodiscard]] const QRectF& Area() const { return area_; }
    [[nodiscard]] const Orientation& Turned() const { return orientation_; }

private:
    QRectF area_;
    double perRadius_ = 1.0;
    Orientation orientation_;
};

// The moons' radii in km, and the widest swing the whole system shows (radii).
inline constexpr std::array<double, 4> kMoonRadiusKm{1821.6, 1560.8, 2631.2, 2410.3};
inline constexpr double kSystemRadii = 28.0;

// Where the Great Red Spot is on the disc (radii west and north), if on the
// side facing the Earth: at latitude 22 degrees south.
std::optional<QPointF> RedSpotOnDisc(const TelescopeScene& scene);

enum class ViewColours { Day, Night };
void PaintTelescopeView(QPainter& painter, const ViewLayout& layout, const TelescopeScene& scene, ViewColours colours);

// The view in words, for a screen reader: "Io and its shadow on the disc;
// Europa behind the planet; Ganymede 4.2 radii east, 0.3 north; the Great Red
// Spot near the central meridian".
QString DescribeTelescopeView(const TelescopeScene& scene);

}  // namespace drawing
