// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot_drawing.hpp"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace window {
namespace {

constexpr double kPixelsPerRadius = 6.0 / 46.0 * 60.0;  // plot scale, per Jupiter radius
constexpr int kLetterPixels = 10;                       // height of the initials' type
constexpr int kSideMargin = 12;                         // from the window's edge to the middle of "E" or "W"
constexpr std::array<char, 4> kInitials{'I', 'E', 'G', 'C'};

const PlotColours kDayColours{QColor(255, 255, 255),
                              {QColor(255, 0, 0), QColor(0, 255, 255), QColor(255, 255, 200), QColor(255, 255, 255)},
                              QColor(224, 224, 224)};
const PlotColours kNightColours{QColor(150, 0, 0),
                               {QColor(255, 0, 0), QColor(210, 0, 0), QColor(170, 0, 0), QColor(135, 0, 0)},
                               QColor(170, 0, 0)};

// The planet's ring, radius 6, as the pixels of one eighth of it, from the top
// to the diagonal; the other seven eighths are its mirror images. Drawn pixel
// by pixel like the dots, it keeps its shape and its centre on theirs.
constexpr std::array<std::pair<int, int>, 5> kRingEighth{{{0, 6}, {1, 6}, {2, 6}, {3, 5}, {4, 4}}};

}  // namespace

const PlotColours& ColoursOf(const ViewOptions& view) {
    return view.nightColours ? kNightColours : kDayColours;
}

PlotDrawing::PlotDrawing(QPainter& painter, QPoint centre, int width, const ViewOptions& view)
    : painter_(painter), centre_(centre), width_(width), view_(view) {
    font_.setPixelSize(kLetterPixels);
    font_.setBold(true);
}

QRegion PlotDrawing::Planet() const {
    const QColor& colour = ColoursOf(view_).planet;
    for (const auto& [along, across] : kRingEighth) {
        for (const int sx : {-1, 1}) {
            for (const int sy : {-1, 1}) {
                painter_.fillRect(centre_.x() + sx * along, centre_.y() + sy * across, 1, 1, colour);
                painter_.fillRect(centre_.x() + sx * across, centre_.y() + sy * along, 1, 1, colour);
            }
        }
    }
    const int radius = kRingEighth.front().second;
    return QRect(centre_.x() - radius, centre_.y() - radius, 2 * radius + 1, 2 * radius + 1);
}

// The pixel column nearest the moon's place; mirrored, its reflection about the
// centre column, so that both views agree to the pixel.
int PlotDrawing::Column(double radii) const {
    const auto place = static_cast<float>(centre_.x() + radii * kPixelsPerRadius);
    const int column = static_cast<int>(std::floor(place + 0.5F));
    return view_.mirrored ? 2 * centre_.x() - column : column;
}

// A moon's dot, radius 1: the pixel nearest its place and the four beside it,
// filled. Every dot has this one shape wherever its place falls, symmetric
// both ways, so an erase covers exactly what was drawn and a moon drawn later
// covers an earlier one at the same place.
QRegion PlotDrawing::Dot(double radii, const QColor& colour) const {
    const int column = Column(radii);
    const int row = centre_.y();
    painter_.fillRect(column - 1, row, 3, 1, colour);
    painter_.fillRect(column, row - 1, 1, 3, colour);
    return QRect(column - 1, row - 1, 3, 3);
}

// A box one letter wide, centred on `column`, in which the letter is drawn and
// clipped: filling it erases the letter whole.
QRect PlotDrawing::LetterBox(int column, int top) const {
    const QFontMetrics metrics(font_);
    int width = 0;
    for (const char initial : {'I', 'E', 'G', 'C', 'W'}) {
        width = std::max(width, metrics.boundingRect(QLatin1Char(initial)).width());
    }
    width = (width + 2) | 1;
    return {column - width / 2, top, width, metrics.height()};
}

// In order of column, each name takes the first place of four where it meets
// no name already there: above the row, below it, then further out either way.
std::array<QRect, 4> PlotDrawing::NameBoxes(const MoonOffsets& offsets) const {
    const int height = QFontMetrics(font_).height();
    const int row = centre_.y();
    const std::array<int, 4> tops{row - 2 - height, row + 3, row - 2 - 2 * height, row + 3 + height};
    std::array<int, 4> columns{};
    std::transform(offsets.begin(), offsets.end(), columns.begin(), [this](double radii) { return Column(radii); });
    std::array<std::size_t, 4> order{};
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&columns](std::size_t a, std::size_t b) { return columns[a] < columns[b]; });

    std::array<QRect, 4> boxes{};
    std::array<int, 4> freeFrom{};
    freeFrom.fill(std::numeric_limits<int>::min());
    for (const std::size_t moon : order) {
        for (std::size_t place = 0; place < tops.size(); ++place) {
            const QRect box = LetterBox(columns[moon], tops[place]);
            if (box.left() > freeFrom[place]) {
                boxes[moon] = box;
                freeFrom[place] = box.right();
                break;
            }
        }
    }
    return boxes;
}

QRegion PlotDrawing::Names(const MoonOffsets& offsets) const {
    const std::array<QRect, 4> boxes = NameBoxes(offsets);
    painter_.setFont(font_);
    QRegion drawn;
    for (std::size_t moon = 0; moon < boxes.size(); ++moon) {
        painter_.setPen(ColoursOf(view_).moons[moon]);
        painter_.drawText(boxes[moon], Qt::AlignCenter, QString(QLatin1Char(kInitials[moon])));
        drawn += boxes[moon];
    }
    return drawn;
}

QRegion PlotDrawing::EraseNames(const MoonOffsets& offsets, const QColor& background) const {
    QRegion erased;
    for (const QRect& box : NameBoxes(offsets)) {
        painter_.fillRect(box, background);
        erased += box;
    }
    return erased;
}

QRegion PlotDrawing::Sides() const {
    if (!view_.mirrored) {
        return {};
    }
    const int top = centre_.y() - QFontMetrics(font_).height() / 2;
    QRegion drawn;
    painter_.setFont(font_);
    painter_.setPen(ColoursOf(view_).sides);
    for (const auto& [column, side] : {std::pair{kSideMargin, 'W'}, {width_ - 1 - kSideMargin, 'E'}}) {
        const QRect box = LetterBox(column, top);
        painter_.drawText(box, Qt::AlignCenter, QString(QLatin1Char(side)));
        drawn += box;
    }
    return drawn;
}

}  // namespace window
