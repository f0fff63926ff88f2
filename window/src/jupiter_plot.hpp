// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QWidget>

#include <optional>

#include "plot_drawing.hpp"
#include "settings/view_options.hpp"

namespace window {

// The plot of Jupiter and its moons, behind the window's controls and as large
// as the window: a surface at the screen's pixel ratio on which each plot
// paints over the previous dots and draws the new ones, and only what changed
// is repainted; the planet's picture over the plot while it is shown. Moved to
// a screen of another ratio, it draws its last plot and its picture again.
class JupiterPlot : public QWidget {
    Q_OBJECT

public:
    // Fills `form`, beneath every control already on it.
    explicit JupiterPlot(QWidget& form);

    void SetCentre(QPoint centre) { centre_ = centre; }
    [[nodiscard]] QPoint Centre() const { return centre_; }

    // The moons at `next` (radii west) in place of those at `previous`.
    void Plot(const MoonOffsets& previous, const MoonOffsets& next);
    // The whole plot again in `view`, with the moons at `offsets` if any.
    void Redraw(const settings::ViewOptions& view, const std::optional<MoonOffsets>& offsets);
    // The planet's picture over the plot, filling a control of `size` at the
    // centre, or none.
    void ShowPicture(std::optional<QSize> size);

    // What has been drawn, at the screen's pixel ratio.
    [[nodiscard]] const QImage& Surface() const { return surface_; }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void PreparePicture();
    [[nodiscard]] QColor BackColor() const;

    QPoint centre_;
    settings::ViewOptions view_;
    std::optional<MoonOffsets> shown_;  // the moons as last drawn
    std::optional<QSize> pictureSize_;  // the picture's control, while it is shown
    QImage surface_;
    QImage planetPicture_;    // for pixel ratio 1
    QImage planetPicture2x_;  // for pixel ratio 2, and scaled for any other
    QImage picture_;          // as shown, at the window's ratio and in its view
};

}  // namespace window
