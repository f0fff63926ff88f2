// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <optional>

#include "drawing/telescope_view.hpp"

namespace window {

// The eyepiece's view as a widget: the scene at the zoom and orientation
// asked, or a line saying why there is none.
class TelescopeView : public QWidget {
    Q_OBJECT

public:
    explicit TelescopeView(QWidget* parent = nullptr);

    void Display(const drawing::TelescopeScene* scene, double zoom, drawing::Orientation orientation, drawing::ViewColours colours);
    [[nodiscard]] drawing::ViewLayout Layout() const;

signals:
    void zoomed(double notches);

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    const drawing::TelescopeScene* scene_ = nullptr;
    double zoom_ = drawing::kWholeSystem;
    drawing::Orientation orientation_;
    drawing::ViewColours colours_ = drawing::ViewColours::Day;
};

// Jupiter in the eyepiece in a window of its own, following the main
// window's instant: every plot, "Now", animation step and tracking tick
// redraws it. The mouse wheel and + and - zoom from the whole system to the
// disc filling the view; Home returns to the whole system. It remembers where
// it stood.
class TelescopeWindow : public QWidget {
    Q_OBJECT

public:
    explicit TelescopeWindow(QWidget* parent = nullptr);

    void SetView(drawing::Orientation orientation, bool nightColours);
    // The main window's plotted instant; outside 1600-2500 the view says it
    // cannot be drawn.
    void Follow(ephemeris::UniversalTime instant, std::optional<double> redSpotLongitude);

    [[nodiscard]] double Zoom() const { return zoom_; }
    [[nodiscard]] const std::optional<drawing::TelescopeScene>& Scene() const { return scene_; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void ZoomBy(double notches);
    void Redisplay();

    ephemeris::PreciseViewSeries views_;
    std::optional<drawing::TelescopeScene> scene_;
    drawing::Orientation orientation_;
    bool night_ = false;
    double zoom_ = drawing::kWholeSystem;
    bool placed_ = false;
    TelescopeView* view_ = nullptr;
};

}  // namespace window
