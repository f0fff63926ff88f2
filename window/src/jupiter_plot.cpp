// SPDX-License-Identifier: GPL-3.0-or-later
#include "jupiter_plot.hpp"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

#include "night_colours.hpp"

namespace window {
namespace {

constexpr qreal kPaintStripRows = 16.0;

}  // namespace

JupiterPlot::JupiterPlot(QWidget& form) : QWidget(&form) {
    setObjectName(QStringLiteral("plot"));
    // Heard as what it shows; the window describes the moons' order in words.
    setAccessibleName(tr("Jupiter and its moons"));
    // The form's own menu and clicks: the plot takes none of them.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setGeometry(QRect(QPoint(0, 0), form.minimumSize()));
    lower();
    Redraw(view_, std::nullopt);
}

void JupiterPlot::Plot(const MoonOffsets& previous, const MoonOffsets& next) {
    PlotDrawing plot(surface_, centre_, view_);
    QRegion drawn;
    if (view_.moonNames) {  // before the ring, which comes back whole where a name's box crossed it
        drawn += plot.EraseNames(previous, BackColor());
    }
    drawn += plot.Planet();
    for (const double last : previous) {
        drawn += plot.Dot(last, BackColor());
    }
    for (std::size_t moon = 0; moon < next.size(); ++moon) {
        drawn += plot.Dot(next[moon], ColoursOf(view_).moons[moon]);
    }
    if (view_.moonNames) {
        drawn += plot.Names(next);
    }
    if (pictureSize_) {  // over the plot, as the picture's control is
        drawn += plot.Picture(picture_);
    }
    shown_ = next;
    update(drawn);
}

void JupiterPlot::Redraw(const settings::ViewOptions& view, const std::optional<MoonOffsets>& offsets) {
    view_ = view;
    shown_ = offsets;
    PreparePicture();
    const qreal ratio = devicePixelRatioF();
    surface_ = QImage(size() * ratio, QImage::Format_RGB32);
    surface_.setDevicePixelRatio(ratio);
    surface_.fill(BackColor());
    if (shown_) {
        PlotDrawing plot(surface_, centre_, view_);
        plot.Sides();
        plot.Planet();
        for (std::size_t moon = 0; moon < shown_->size(); ++moon) {
            plot.Dot((*shown_)[moon], ColoursOf(view_).moons[moon]);
        }
        if (view_.moonNames) {
            plot.Names(*shown_);
        }
        if (pictureSize_) {
            plot.Picture(picture_);
        }
    }
    update();
}

void JupiterPlot::ShowPicture(std::optional<QSize> size) {
    pictureSize_ = size;
    Redraw(view_, shown_);
}

// The planet's picture as the view shows it, in the surface's own pixels, read
// when first shown: reading it at start-up would load Qt's image plugins for a
// picture most runs never show. Drawn for ratio 1 (29 x 26, the control's size)
// and 2 (58 x 52), the disc centred on the middle pixel (width / 2, height / 2),
// which goes on the ring's; for any other ratio the disc of the larger drawing
// is scaled to the odd size that fits the control, so that it has a middle pixel.
void JupiterPlot::PreparePicture() {
    if (!pictureSize_) {
        return;
    }
    const qreal ratio = devicePixelRatioF();
    QImage& source = ratio > 1.0 ? planetPicture2x_ : planetPicture_;
    if (source.isNull()) {
        source.load(ratio > 1.0 ? QStringLiteral(":/window/planet@2x.png") : QStringLiteral(":/window/planet.png"));
    }
    QImage shown = source;
    if (const QSize size = *pictureSize_ * ratio; shown.size() != size) {
        const QPoint middle(source.width() / 2, source.height() / 2);
        const QPoint reach(std::min(middle.x(), source.width() - 1 - middle.x()), std::min(middle.y(), source.height() - 1 - middle.y()));
        const QSize odd(2 * ((size.width() - 1) / 2) + 1, 2 * ((size.height() - 1) / 2) + 1);
        shown = source.copy(QRect(middle - reach, middle + reach)).scaled(odd, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    shown = view_.nightColours ? NightTinted(shown) : shown;
    if (view_.mirrored) {  // about the middle column, which an even width leaves right of centre
        shown = shown.mirrored(true, false).copy(QRect(-(1 - shown.width() % 2), 0, shown.width(), shown.height()));
    }
    picture_ = shown;
}

bool JupiterPlot::event(QEvent* event) {
    // Moved to a screen of another pixel ratio: the last plot again, sharp.
    bool ratioMayChange = event->type() == QEvent::ScreenChangeInternal;
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    ratioMayChange = ratioMayChange || event->type() == QEvent::DevicePixelRatioChange;
#endif
    if (ratioMayChange && surface_.devicePixelRatio() != devicePixelRatioF()) {
        Redraw(view_, shown_);
    }
    return QWidget::event(event);
}

void JupiterPlot::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRectF area = event->rect();
    const qreal ratio = surface_.devicePixelRatio();
    // In strips: the labels' own backgrounds cut the region to paint into many
    // rectangles, and Qt hands a blit of more than about 96 such spans to a pool
    // of threads whose start costs more than the blit.
    for (qreal top = area.top(); top < area.bottom(); top += kPaintStripRows) {
        const QRectF strip(area.left(), top, area.width(), std::min(kPaintStripRows, area.bottom() - top));
        painter.drawImage(strip, surface_, QRectF(strip.topLeft() * ratio, strip.size() * ratio));
    }
}

// The window's own background, which the night colours change.
QColor JupiterPlot::BackColor() const {
    return parentWidget()->palette().color(parentWidget()->backgroundRole());
}

}  // namespace window
