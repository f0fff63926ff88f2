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
constexpr double kRingRadius = 6.0;                     // the model's ring, window pixels
constexpr int kLetterPixels = 10;                       // height of the initials' type
constexpr int kSideMargin = 12;                         // from the window's edge to the middle of "E" or "W"
constexpr std::array<char, 4> kInitials{'I', 'E', 'G', 'C'};

const PlotColours kDayColours{QColor(255, 255, 255),
                              {QColor(255, 0, 0), QColor(0, 255, 255), QColor(255, 255, 200), QColor(255, 255, 255)},
                              QColor(224, 224, 224)};
const PlotColours kNightColours{QColor(150, 0, 0),
                               {QColor(255, 0, 0), QColor(210, 0, 0), QColor(170, 0, 0), QColor(135, 0, 0)},
                               QColor(170, 0, 0)};

// The half-widths, row by row out from the middle, of a disc of `radius` whose
// edge is the circle the midpoint rule draws, one eighth mirrored to the rest.
// Radius 6 less radius 5 is the ring the window has always drawn at ratio 1:
// 32 pixels, (0, 6) (1, 6) (2, 6) (3, 5) (4, 4) and their images.
std::vector<int> DiscSpans(int radius) {
    std::vector<int> spans(static_cast<std::size_t>(std::max(radius + 1, 0)), 0);
    for (int along = 0, across = radius, error = 1 - radius; along <= across;) {
        spans[static_cast<std::size_t>(across)] = std::max(spans[static_cast<std::size_t>(across)], along);
        spans[static_cast<std::size_t>(along)] = std::max(spans[static_cast<std::size_t>(along)], across);
        ++along;
        if (error < 0) {
            error += 2 * along + 1;
        } else {
            --across;
            error += 2 * (along - across) + 1;
        }
    }
    return spans;
}

}  // namespace

const PlotColours& ColoursOf(const settings::ViewOptions& view) {
    return view.nightColours ? kNightColours : kDayColours;
}

PlotGeometry::PlotGeometry(qreal ratio, double ringWindowPixels)
    : ratio(ratio), stroke(std::max(1, static_cast<int>(std::lround(ratio)))),
      ringRadius(static_cast<int>(std::lround(ringWindowPixels * ratio))) {
    for (int dy = -stroke; dy <= stroke; ++dy) {
        for (int dx = -stroke; dx <= stroke; ++dx) {
            if (dx * dx + dy * dy <= stroke * stroke) {
                dot.emplace_back(dx, dy);
            }
        }
    }
    // The disc of the ring's radius less the one `stroke` smaller: solid however thick.
    const std::vector<int> outer = DiscSpans(ringRadius), inner = DiscSpans(ringRadius - stroke);
    for (int dy = -ringRadius; dy <= ringRadius; ++dy) {
        const auto row = static_cast<std::size_t>(std::abs(dy));
        const int hole = row < inner.size() ? inner[row] : -1;
        for (int dx = -outer[row]; dx <= outer[row]; ++dx) {
            if (std::abs(dx) > hole) {
                ring.emplace_back(dx, dy);
            }
        }
    }
}

int PlotGeometry::DevicePixel(float logical) const {
    return static_cast<int>(std::floor((logical + 0.5F) * ratio));
}

PlotDrawing::PlotDrawing(QImage& surface, QPoint centre, const settings::ViewOptions& view)
    : surface_(surface),
      centre_(centre),
      view_(view),
      geometry_(surface.devicePixelRatio(), view.precisePositions ? kPixelsPerRadius : kRingRadius),
      deviceCentre_(geometry_.DevicePixel(static_cast<float>(centre.x())), geometry_.DevicePixel(static_cast<float>(centre.y()))) {
    font_.setPixelSize(kLetterPixels);
    font_.setBold(true);
}

// Measured when first needed: loading the letters' font would cost a plot
// without names or sides, start-up's first among them, a font look-up.
QSize PlotDrawing::Letter() const {
    if (!letter_) {
        const QFontMetrics metrics(font_);
        int width = 0;
        for (const char letter : {'I', 'E', 'G', 'C', 'W'}) {
            width = std::max(width, metrics.boundingRect(QLatin1Char(letter)).width());
        }
        letter_ = QSize((width + 2) | 1, metrics.height());
    }
    return *letter_;
}

PlotDrawing::~PlotDrawing() = default;

QPainter& PlotDrawing::Painter() {
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(&surface_);
        painter_->setFont(font_);
    }
    return *painter_;
}

QRegion PlotDrawing::Fill(const std::vector<QPoint>& pixels, QPoint at, const QColor& colour) {
    QRect touched;
    for (const QPoint& offset : pixels) {
        const QPoint pixel = at + offset;
        if (surface_.valid(pixel)) {
            surface_.setPixel(pixel, colour.rgb());
            touched |= QRect(pixel, QSize(1, 1));
        }
    }
    return WindowPixels(touched);
}

QRect PlotDrawing::WindowPixels(const QRect& device) const {
    const qreal ratio = geometry_.ratio;
    return QRectF(device.x() / ratio, device.y() / ratio, device.width() / ratio, device.height() / ratio).toAlignedRect();
}

QRegion PlotDrawing::Picture(const QImage& picture) {
    const QRect area(deviceCentre_ - QPoint(picture.width() / 2, picture.height() / 2), picture.size());
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (surface_.valid(area.topLeft() + QPoint(x, y))) {
                surface_.setPixel(area.topLeft() + QPoint(x, y), picture.pixel(x, y));
            }
        }
    }
    return WindowPixels(area);
}

QRegion PlotDrawing::Planet() {
    return Fill(geometry_.ring, deviceCentre_, ColoursOf(view_).planet);
}

// The device column nearest the moon's place; mirrored, its reflection about
// the centre column, so that both views agree to the pixel.
int PlotDrawing::Column(double radii) const {
    const int column = geometry_.DevicePixel(static_cast<float>(centre_.x() + radii * kPixelsPerRadius));
    return view_.mirrored ? 2 * deviceCentre_.x() - column : column;
}

// Every dot has one shape wherever its place falls, symmetric both ways, so an
// erase covers exactly what was drawn and a moon drawn later covers an earlier
// one at the same place.
QRegion PlotDrawing::Dot(double radii, const QColor& colour) {
    return Fill(geometry_.dot, QPoint(Column(radii), deviceCentre_.y()), colour);
}

// A box one letter wide, centred on `middle`, in which the letter is drawn and
// clipped: filling it erases the letter whole.
QRect PlotDrawing::LetterBox(qreal middle, int top) const {
    return {QPoint(static_cast<int>(std::floor(middle - Letter().width() / 2.0)), top), Letter()};
}

// In order of column, each name takes the first place of four where it meets
// no name already there: above the row, below it, then further out either way.
std::array<QRect, 4> PlotDrawing::NameBoxes(const MoonOffsets& offsets) const {
    const int height = Letter().height();
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
            const QRect box = LetterBox((columns[moon] + 0.5) / geometry_.ratio, tops[place]);
            if (box.left() > freeFrom[place]) {
                boxes[moon] = box;
                freeFrom[place] = box.right();
                break;
            }
        }
    }
    return boxes;
}

QRegion PlotDrawing::Names(const MoonOffsets& offsets) {
    const std::array<QRect, 4> boxes = NameBoxes(offsets);
    QRegion drawn;
    for (std::size_t moon = 0; moon < boxes.size(); ++moon) {
        Painter().setPen(ColoursOf(view_).moons[moon]);
        Painter().drawText(boxes[moon], Qt::AlignCenter, QString(QLatin1Char(kInitials[moon])));
        drawn += boxes[moon];
    }
    return drawn;
}

QRegion PlotDrawing::EraseNames(const MoonOffsets& offsets, const QColor& background) {
    QRegion erased;
    for (const QRect& box : NameBoxes(offsets)) {
        Painter().fillRect(box, background);
        erased += box;
    }
    return erased;
}

QRegion PlotDrawing::Sides() {
    if (!view_.mirrored) {
        return {};
    }
    const int top = centre_.y() - Letter().height() / 2;
    const qreal width = surface_.width() / geometry_.ratio;
    QRegion drawn;
    Painter().setPen(ColoursOf(view_).sides);
    for (const auto& [middle, side] : {std::pair{kSideMargin + 0.5, 'W'}, {width - kSideMargin - 0.5, 'E'}}) {
        const QRect box = LetterBox(middle, top);
        Painter().drawText(box, Qt::AlignCenter, QString(QLatin1Char(side)));
        drawn += box;
    }
    return drawn;
}

}  // namespace window
