// SPDX-License-Identifier: GPL-3.0-or-later
#include "telescope_window.hpp"

#include <QAction>
#include <QPainter>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>

#include "settings/view_settings.hpp"

namespace window {
namespace {

constexpr double kZoomStep = 0.1;  // of the way from the whole system to the disc, a notch or a key press
const QSize kFirstSize(800, 600);

}  // namespace

TelescopeView::TelescopeView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("telescope"));
    setAccessibleName(tr("Telescope view"));
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(200, 150);
}

void TelescopeView::Display(const drawing::TelescopeScene* scene, double zoom, drawing::Orientation orientation,
                         drawing::ViewColours colours) {
    scene_ = scene;
    zoom_ = zoom;
    orientation_ = orientation;
    colours_ = colours;
    const QString description =
        scene == nullptr ? tr("Jupiter's view is drawn for the years 1600 to 2500 only") : drawing::DescribeTelescopeView(*scene);
    if (accessibleDescription() != description) {
        setAccessibleDescription(description);
    }
    update();
}

drawing::ViewLayout TelescopeView::Layout() const {
    return {QRectF(rect()), zoom_, orientation_};
}

void TelescopeView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    if (scene_ != nullptr) {
        drawing::PaintTelescopeView(painter, Layout(), *scene_, colours_);
        return;
    }
    painter.fillRect(rect(), Qt::black);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, accessibleDescription());
}

void TelescopeView::wheelEvent(QWheelEvent* event) {
    emit zoomed(event->angleDelta().y() / 120.0);
    event->accept();
}

TelescopeWindow::TelescopeWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("telescopeView"));
    setWindowTitle(tr("Telescope view"));
    view_ = new TelescopeView;
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    const auto action = [this](const QString& text, const QList<QKeySequence>& keys, auto slot) {
        auto* added = new QAction(text, this);
        added->setShortcuts(keys);
        added->setShortcutContext(Qt::WindowShortcut);
        connect(added, &QAction::triggered, this, slot);
        addAction(added);
    };
    action(tr("Zoom in"), {QKeySequence(Qt::Key_Plus), QKeySequence(Qt::Key_Equal)}, [this] { ZoomBy(1.0); });
    action(tr("Zoom out"), {QKeySequence(Qt::Key_Minus)}, [this] { ZoomBy(-1.0); });
    action(tr("The whole system"), {QKeySequence(Qt::Key_Home)}, [this] {
        zoom_ = drawing::kWholeSystem;
        Redisplay();
    });
    setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(view_, &TelescopeView::zoomed, this, &TelescopeWindow::ZoomBy);
    resize(kFirstSize);
}

void TelescopeWindow::SetView(drawing::Orientation orientation, bool nightColours) {
    orientation_ = orientation;
    night_ = nightColours;
    Redisplay();
}

void TelescopeWindow::Follow(ephemeris::UniversalTime instant, std::optional<double> redSpotLongitude) {
    if (ephemeris::WithinPreciseYears(instant)) {
        scene_ = drawing::ComputeTelescopeScene(views_, instant, redSpotLongitude);
    } else {
        scene_.reset();
    }
    Redisplay();
}

void TelescopeWindow::ZoomBy(double notches) {
    zoom_ = std::clamp(zoom_ + notches * kZoomStep, drawing::kWholeSystem, drawing::kDiscFills);
    Redisplay();
}

void TelescopeWindow::Redisplay() {
    view_->Display(scene_ ? &*scene_ : nullptr, zoom_, orientation_, night_ ? drawing::ViewColours::Night : drawing::ViewColours::Day);
}

void TelescopeWindow::showEvent(QShowEvent* event) {
    if (!placed_) {
        placed_ = true;
        restoreGeometry(settings::ReadGeometry(settings::Placed::TelescopeView));
    }
    QWidget::showEvent(event);
}

void TelescopeWindow::hideEvent(QHideEvent* event) {
    settings::SaveGeometry(settings::Placed::TelescopeView, saveGeometry());
    QWidget::hideEvent(event);
}

}  // namespace window
