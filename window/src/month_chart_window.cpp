// SPDX-License-Identifier: GPL-3.0-or-later
#include "month_chart_window.hpp"

#include <QAction>
#include <QEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <cmath>

#include "drawing/chart_files.hpp"
#include "lists/event_words.hpp"
#include "lists/observing_log.hpp"
#include "settings/view_settings.hpp"
#include "theory/jupiter_system.hpp"

namespace window {
namespace {

constexpr std::array kStretches{1.0, 1.5, 2.0, 3.0, 4.0, 6.0, 8.0};
const QSize kFirstSize(720, 900);

}  // namespace

ChartView::ChartView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("chart"));
    setAccessibleName(tr("Month chart"));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
}

void ChartView::Display(const drawing::MonthChart* chart, drawing::ChartColours colours, std::optional<ephemeris::UniversalTime> marked) {
    chart_ = chart;
    colours_ = colours;
    marked_ = marked;
    update();
}

std::optional<drawing::ChartLayout> ChartView::Layout() const {
    if (chart_ == nullptr) {
        return std::nullopt;
    }
    return drawing::ChartLayout(*chart_, QRectF(rect()));
}

void ChartView::paintEvent(QPaintEvent* /*event*/) {
    if (const std::optional<drawing::ChartLayout> layout = Layout()) {
        QPainter painter(this);
        drawing::PaintMonthChart(painter, *layout, *chart_, colours_, marked_);
    }
}

void ChartView::mousePressEvent(QMouseEvent* event) {
    const std::optional<drawing::ChartLayout> layout = Layout();
    if (event->button() != Qt::LeftButton || !layout || !layout->Plot().contains(event->position())) {
        QWidget::mousePressEvent(event);
        return;
    }
    emit instantChosen(chart_->InstantOf(layout->DayAt(event->position().y())));
}

void ChartView::mouseMoveEvent(QMouseEvent* event) {
    emit pointerMoved(event->position());
    QWidget::mouseMoveEvent(event);
}

MonthChartWindow::MonthChartWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("monthChart"));
    setWindowTitle(tr("Month chart"));
    title_ = new QLabel(this);
    title_->setObjectName(QStringLiteral("chartSpan"));
    auto* print = new QPushButton(tr("Print…"), this);
    print->setObjectName(QStringLiteral("print"));
    auto* save = new QPushButton(tr("Save as…"), this);
    save->setObjectName(QStringLiteral("save"));
    view_ = new ChartView;
    scroll_ = new QScrollArea(this);
    scroll_->setWidget(view_);
    scroll_->setFocusPolicy(Qt::NoFocus);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);  // the width stays as the stretch changes
    scroll_->viewport()->installEventFilter(this);

    auto* top = new QHBoxLayout;
    top->addWidget(title_, 1);
    top->addWidget(print);
    top->addWidget(save);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(scroll_, 1);

    const auto action = [this](const QString& text, const QKeySequence& key, auto slot) {
        auto* added = new QAction(text, this);
        added->setShortcut(key);
        added->setShortcutContext(Qt::WindowShortcut);
        connect(added, &QAction::triggered, this, slot);
        addAction(added);
        return added;
    };
    // Without a chart (the picker's month outside 1600-2500) there is nothing to page, print or save.
    action(tr("Month before"), QKeySequence(Qt::Key_PageUp), [this] {
        if (chart_) {
            ShowMonthOf(chart_->request.first.addMonths(-1));
        }
    });
    action(tr("Month after"), QKeySequence(Qt::Key_PageDown), [this] {
        if (chart_) {
            ShowMonthOf(chart_->request.first.addMonths(1));
        }
    });
    const auto restretch = [this](int by) {
        const auto at = std::find(kStretches.begin(), kStretches.end(), stretch_);
        const auto index = std::clamp<std::ptrdiff_t>(at - kStretches.begin() + by, 0, kStretches.size() - 1);
        stretch_ = kStretches[static_cast<std::size_t>(index)];
        Redisplay();
    };
    QAction* stretch = action(tr("Stretch time"), QKeySequence(Qt::Key_Plus), [restretch] { restretch(1); });
    stretch->setShortcuts({QKeySequence(Qt::Key_Plus), QKeySequence(Qt::Key_Equal)});
    action(tr("Squeeze time"), QKeySequence(Qt::Key_Minus), [restretch] { restretch(-1); });
    action(tr("The picker's month"), QKeySequence(Qt::Key_Home), [this] { ShowMonthOf(home_); });
    const auto marks = [this](const QString& text, const char* name, bool Marks::*shown) {
        auto* toggle = new QAction(text, this);
        toggle->setObjectName(QString::fromLatin1(name));
        toggle->setCheckable(true);
        toggle->setChecked(true);
        connect(toggle, &QAction::toggled, this, [this, shown](bool checked) {
            marks_.*shown = checked;
            if (chart_) {
                ShowMonthOf(chart_->request.first);
            }
        });
        addAction(toggle);
    };
    marks(tr("Red Spot marks"), "redSpotMarks", &Marks::redSpot);
    marks(tr("Mutual event marks"), "mutualMarks", &Marks::mutual);
    QAction* printAction = action(tr("Print…"), QKeySequence::Print, [this] { AskToPrint(); });
    QAction* saveAction = action(tr("Save as…"), QKeySequence::SaveAs, [this] { AskWhereToSave(); });
    connect(print, &QPushButton::clicked, printAction, &QAction::trigger);
    connect(save, &QPushButton::clicked, saveAction, &QAction::trigger);
    setContextMenuPolicy(Qt::ActionsContextMenu);

    connect(view_, &ChartView::instantChosen, this, &MonthChartWindow::instantChosen);
    connect(view_, &ChartView::pointerMoved, this, [this](QPointF at) { Describe(at); });
    resize(kFirstSize);
}

MonthChartWindow::~MonthChartWindow() = default;

void MonthChartWindow::SetHome(QDate pickerDate) {
    home_ = pickerDate;
}

void MonthChartWindow::SetView(bool mirrored, bool nightColours) {
    night_ = nightColours;
    if (mirrored_ != mirrored && chart_) {
        mirrored_ = mirrored;
        drawing::ChartRequest request = chart_->request;
        request.mirrored = mirrored;
        Recompute(request);
        return;
    }
    mirrored_ = mirrored;
    Redisplay();
}

void MonthChartWindow::Mark(ephemeris::UniversalTime instant) {
    const bool followed = chart_ && marked_ && *marked_ >= chart_->from && *marked_ < chart_->until;
    marked_ = instant;
    if (followed && (instant < chart_->from || instant >= chart_->until) && ephemeris::WithinPreciseYears(instant)) {
        ShowMonthOf(lists::ReadClock(instant, lists::Clock::Local).wallClock.date());
        return;
    }
    Redisplay();
}

void MonthChartWindow::ShowMonthOf(QDate date) {
    drawing::ChartRequest request = drawing::MonthOf(date);
    request.mirrored = mirrored_;
    request.place = settings::ObserverPlace();
    if (marks_.redSpot) {
        request.redSpotLongitude = settings::RedSpotLongitude();
    }
    request.mutualMarks = marks_.mutual;
    Recompute(request);
}

void MonthChartWindow::Recompute(const drawing::ChartRequest& request) {
    try {
        chart_ = drawing::ComputeMonthChart(request);
    } catch (const ephemeris::OutsidePreciseYears&) {
        // Before 1600 or past 2500: the chart that was stays, and the title says why it does.
        title_->setText(tr("The chart is drawn for the years %1 to %2 only")
                            .arg(ephemeris::kPreciseFirstYear)
                            .arg(ephemeris::kPreciseLastYear));
        return;
    }
    title_->setText(drawing::ChartSpanName(chart_->request));
    setWindowTitle(tr("Month chart: %1").arg(title_->text()));
    Redisplay();
}

void MonthChartWindow::Redisplay() {
    if (!chart_) {
        return;
    }
    const QSize viewport = scroll_->viewport()->size();
    view_->resize(viewport.width(), static_cast<int>(std::lround(viewport.height() * stretch_)));
    view_->Display(&*chart_, night_ ? drawing::ChartColours::Night : drawing::ChartColours::Screen, marked_);
    if (const std::optional<drawing::ChartLayout> layout = view_->Layout(); layout && marked_) {
        scroll_->ensureVisible(0, static_cast<int>(layout->Y(chart_->DayOf(*marked_))), 0, viewport.height() / 3);
    }
    Describe(std::nullopt);
}

// The span, and the moon nearest the pointer, or every moon at the marked instant.
void MonthChartWindow::Describe(std::optional<QPointF> pointer) {
    const std::optional<drawing::ChartLayout> layout = view_->Layout();
    if (!layout) {
        return;
    }
    const auto offset = [](double west) {
        return west >= 0.0 ? tr("%1 radii west").arg(west, 0, 'f', 1) : tr("%1 radii east").arg(-west, 0, 'f', 1);
    };
    const auto when = [this](double day) {
        return lists::ReadClock(chart_->InstantOf(day), lists::Clock::Local).Shown(lists::DateFormat() + QStringLiteral(" HH:mm"));
    };
    QString description = tr("%1, %2 days").arg(title_->text()).arg(chart_->request.days);
    if (pointer && layout->Plot().contains(*pointer)) {
        const double day = layout->DayAt(pointer->y());
        const double west = layout->WestAt(pointer->x());
        std::optional<std::size_t> nearest;
        double distance = 0.0;
        for (std::size_t moon = 0; moon < 4; ++moon) {
            if (const auto on = chart_->CurveAt(moon, day); on && (!nearest || std::abs(on->west - west) < distance)) {
                nearest = moon;
                distance = std::abs(on->west - west);
            }
        }
        if (nearest) {
            description += tr("; at %1, %2 %3").arg(when(day), lists::MoonName(static_cast<ephemeris::Moon>(*nearest)),
                                                    offset(chart_->CurveAt(*nearest, day)->west));
        }
    } else if (marked_ && *marked_ >= chart_->from && *marked_ < chart_->until) {
        const double day = chart_->DayOf(*marked_);
        QStringList moons;
        for (std::size_t moon = 0; moon < 4; ++moon) {
            if (const auto on = chart_->CurveAt(moon, day)) {
                moons << tr("%1 %2").arg(lists::MoonName(static_cast<ephemeris::Moon>(moon)), offset(on->west));
            }
        }
        description += tr("; marked %1: %2").arg(when(day), moons.join(QStringLiteral(", ")));
    }
    if (view_->accessibleDescription() != description) {
        view_->setAccessibleDescription(description);
    }
}

drawing::PaintPage MonthChartWindow::OnPaper() const {
    return [this](QPainter& painter, const QRectF& page) {
        drawing::PaintMonthChart(painter, drawing::ChartLayout(*chart_, page), *chart_, drawing::ChartColours::Paper);
    };
}

QString MonthChartWindow::PrintToFile(const QString& file, QPageSize::PageSizeId size) const {
    if (!chart_) {
        return tr("there is no chart to print");
    }
    using Print = bool (*)(const QString&, int, const drawing::PaintPage&);
    QString problem;
    const auto print = reinterpret_cast<Print>(drawing::ModuleFunction("satrivox-print", "SatrivoxPrintToFile", problem));
    if (print == nullptr) {
        return problem;
    }
    return print(file, size, OnPaper()) ? QString() : tr("the page could not be printed");
}

void MonthChartWindow::AskToPrint() {
    if (!chart_) {
        return;
    }
    using Print = bool (*)(QWidget*, const QString&, const drawing::PaintPage&);
    QString problem;
    const auto print = reinterpret_cast<Print>(drawing::ModuleFunction("satrivox-print", "SatrivoxPrint", problem));
    if (print == nullptr) {
        QMessageBox::warning(this, windowTitle(), tr("Printing is not available: %1").arg(problem));
        return;
    }
    print(this, tr("Jupiter's moons, %1").arg(title_->text()), OnPaper());
}

void MonthChartWindow::AskWhereToSave() {
    if (!chart_) {
        return;
    }
    const QString pdf = tr("PDF (*.pdf)");
    const QString svg = tr("SVG picture (*.svg)");
    const QString png = tr("PNG picture (*.png)");
    QString filter = pdf;
    QString path = QFileDialog::getSaveFileName(this, tr("Save the chart"), title_->text() + QStringLiteral(".pdf"),
                                                QStringList{pdf, svg, png}.join(QStringLiteral(";;")), &filter);
    if (path.isEmpty()) {
        return;
    }
    if (!drawing::ChartFormatOf(path)) {
        path += filter == svg ? QStringLiteral(".svg") : filter == png ? QStringLiteral(".png") : QStringLiteral(".pdf");
    }
    if (const QString problem = drawing::WriteChart(*chart_, path, *drawing::ChartFormatOf(path)); !problem.isEmpty()) {
        QMessageBox::warning(this, windowTitle(), tr("The chart could not be saved to %1: %2").arg(path, problem));
    }
}

// The chart is as wide as the scroll area's viewport and as tall as it times the stretch.
bool MonthChartWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == scroll_->viewport() && event->type() == QEvent::Resize) {
        Redisplay();
    }
    return QWidget::eventFilter(watched, event);
}

void MonthChartWindow::showEvent(QShowEvent* event) {
    if (!placed_) {
        placed_ = true;
        restoreGeometry(settings::ReadGeometry(settings::Placed::MonthChart));
    }
    QWidget::showEvent(event);
}

void MonthChartWindow::hideEvent(QHideEvent* event) {
    settings::SaveGeometry(settings::Placed::MonthChart, saveGeometry());
    QWidget::hideEvent(event);
}

}  // namespace window
