// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRegion>

#include <array>

#include "view_settings.hpp"

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
const PlotColours& ColoursOf(const ViewOptions& view);

// Draws the plot in window pixels with a painter on the window's surface: the
// planet's ring at `centre`, a moon's dot on the row through it, west to the
// right (to the left, mirrored), and as the view asks, each moon's initial by
// its dot and the sides of the sky at the row's ends. Every call returns the
// pixels it may have changed, for the repaint.
class PlotDrawing {
public:
    PlotDrawing(QPainter& painter, QPoint centre, int width, const ViewOptions& view);

    QRegion Planet() const;
    // A moon's dot `radii` from the centre, in `colour`; in the background's
    // colour it erases exactly the dot drawn there.
    QRegion Dot(double radii, const QColor& colour) const;
    // The four moons' initials, each in its dot's colour; the names of moons
    // close together go to different sides of the row, so none overlaps another.
    QRegion Names(const MoonOffsets& offsets) const;
    QRegion EraseNames(const MoonOffsets& offsets, const QColor& background) const;
    // While mirrored, "E" and "W" at the ends of the row: the view no longer
    // has east on the left, as the sky does with north up.
    QRegion Sides() const;

private:
    [[nodiscard]] int Column(double radii) const;
    [[nodiscard]] std::array<QRect, 4> NameBoxes(const MoonOffsets& offsets) const;
    [[nodiscard]] QRect LetterBox(int column, int top) const;

    QPainter& painter_;
    QPoint centre_;
    int width_;
    ViewOptions view_;
    QFont font_;
};

}  // namespace window
