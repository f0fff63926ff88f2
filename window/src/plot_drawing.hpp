// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRegion>

#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "settings/view_options.hpp"

class QPainter;

namespace window {

// Io, Europa, Ganymede and Callisto: each moon's offset from the planet's
// centre in Jupiter radii, positive to the west.
using MoonOffsets = std::array<double, 4>;

// The colours of the plot in one colour scheme.
struct PlotColours {
    QColor planet;
    std::array<QColor, 4> moons;  // Io, Europa, Ganymede, Callisto
    QColor sides;                 // the "E" and "W" at the row's ends
};

// Today's colours, or night colours: dim reds, each moon's told apart from the
// others by its brightness.
const PlotColours& ColoursOf(const settings::ViewOptions& view);

// The plot's shapes on the surface's own pixels at a pixel ratio: every dot one
// filled disc and the ring one circle of `ringWindowPixels` radius, both
// symmetric both ways and centred on a device pixel, so that each looks the
// same wherever it lands at any ratio.
struct PlotGeometry {
    explicit PlotGeometry(qreal ratio, double ringWindowPixels = 6.0);

    // The device pixel whose centre is nearest to the centre of window pixel
    // `logical` (window pixels are counted from 0, each a unit square).
    [[nodiscard]] int DevicePixel(float logical) const;

    qreal ratio;
    int stroke;                // a dot's radius and the ring's width: 1, or the ratio rounded
    int ringRadius;            // in device pixels, rounded
    std::vector<QPoint> dot;   // the pixels of a dot, about its centre
    std::vector<QPoint> ring;  // the pixels of the ring, about its centre
};

// Draws the plot on the window's surface: the planet's ring at `centre` (a
// window pixel), a moon's dot on the row through it, west to the right (to the
// left, mirrored), and as the view asks, each moon's initial by its dot and the
// sides of the sky at the row's ends. The ring has the radius the window has
// always drawn, 6 pixels, or with precise positions the disc's own (a Jupiter
// radius, 7.83 pixels), so that a moon at the limb touches it. Every call
// returns the window pixels it may have changed, for the repaint.
class PlotDrawing {
public:
    PlotDrawing(QImage& surface, QPoint centre, const settings::ViewOptions& view);
    ~PlotDrawing();

    PlotDrawing(const PlotDrawing&) = delete;
    PlotDrawing& operator=(const PlotDrawing&) = delete;

    QRegion Planet();
    // A moon's dot `radii` from the centre, in `colour`; in the background's
    // colour it erases exactly the dot drawn there.
    QRegion Dot(double radii, const QColor& colour);
    // The four moons' initials, each in its dot's colour; the names of moons
    // close together go to different sides of the row, so none overlaps another.
    QRegion Names(const MoonOffsets& offsets);
    QRegion EraseNames(const MoonOffsets& offsets, const QColor& background);
    // While mirrored, "E" and "W" at the ends of the row: the view no longer
    // has east on the left, as the sky does with north up.
    QRegion Sides();
    // A picture in device pixels, its middle pixel on the ring's.
    QRegion Picture(const QImage& picture);

private:
    [[nodiscard]] int Column(double radii) const;
    [[nodiscard]] std::array<QRect, 4> NameBoxes(const MoonOffsets& offsets) const;
    [[nodiscard]] QRect LetterBox(qreal middle, int top) const;
    // Fills device pixels and says which window pixels they touch.
    QRegion Fill(const std::vector<QPoint>& pixels, QPoint at, const QColor& colour);
    [[nodiscard]] QRect WindowPixels(const QRect& device) const;
    [[nodiscard]] QSize Letter() const;
    QPainter& Painter();

    QImage& surface_;
    QPoint centre_;
    settings::ViewOptions view_;
    PlotGeometry geometry_;
    QPoint deviceCentre_;
    QFont font_;
    mutable std::optional<QSize> letter_;  // a box that holds any of the letters drawn, clipped
    std::unique_ptr<QPainter> painter_;  // for the letters, begun when first needed
};

}  // namespace window
