// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/form1.hpp"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QClipboard>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <cmath>
#include <exception>

#include "caption_fit.hpp"
#include "events_dialog.hpp"
#include "month_chart_window.hpp"
#include "telescope_window.hpp"
#include "focus_frame_style.hpp"
#include "jupiter_plot.hpp"
#include "lists/event_list.hpp"
#include "lists/instant_conversion.hpp"
#include "lists/observing_log.hpp"
#include "model/angles.hpp"
#include "night_colours.hpp"
#include "plot_drawing.hpp"
#include "resource_icon.hpp"
#include "settings/view_settings.hpp"
#include "ui_form1.h"
#include "window/leading_number.hpp"

// Off unless enabled (QT_LOGGING_RULES="satrivox.plot.debug=true"): lets a
// packaging test see the packaged program reach its first plot.
Q_LOGGING_CATEGORY(lcPlot, "satrivox.plot", QtWarningMsg)

namespace {

constexpr int kAnimationIntervalMs = 100;
constexpr int kTrackingIntervalMs = 1000;
constexpr short kCenterY = 150;
constexpr double kMillisecondsPerMinute = 60000.0;

// An interval of 0 means no ticks, where QTimer would fire continuously.
void SetInterval(QTimer& timer, int milliseconds) {
    timer.stop();
    timer.setInterval(milliseconds);
    if (milliseconds > 0) {
        timer.start();
    }
}

QTimer* CreateTimer(QWidget& form, const char* name) {
    auto* timer = new QTimer(&form);
    timer->setObjectName(name);
    timer->setInterval(0);
    return timer;
}

}  // namespace

Form1::Form1() : Form1(Environment{}) {}

Form1::Form1(Environment environment, QWidget* parent)
    : QWidget(parent),
      environment_(std::move(environment)),
      nightColours_(std::make_unique<window::NightColours>()),
      ui(std::make_unique<Ui::Form1>()) {
    // The form's pictures live in this static library's resources, which the
    // linker keeps only when they are named.
    Q_INIT_RESOURCE(window);
    ui->setupUi(this);
    setWindowIcon(QIcon(new window::ResourceIconEngine(QStringLiteral(":/window/icons/64.png"))));
    window::FitCaptions(*this);
    // The picker and its calendar keep the platform's colours rather than
    // inherit the window's black, on which out-of-range days would vanish.
    QPalette pickerPalette = ui->DTPicker1->palette();
    pickerPalette.setColor(QPalette::Window, QApplication::palette().color(QPalette::Window));
    ui->DTPicker1->setPalette(pickerPalette);
    auto* focusFrameStyle = new window::FocusFrameStyle;
    focusFrameStyle->setParent(this);
    ui->Check1->setStyle(focusFrameStyle);
    ui->Check2->setStyle(focusFrameStyle);
    plot_ = new window::JupiterPlot(*this);
    Timer1 = CreateTimer(*this, "Timer1");
    Timer2 = CreateTimer(*this, "Timer2");
    ConnectHandlers();

    ui->Command1->setFocus();
    RunHandler([this] { Form_Load(); });
    // After the first plot, which a view other than the default draws again.
    SetView(settings::ReadViewOptions(), false);
}

// Night colours go back while the controls they were given to are all there.
Form1::~Form1() {
    nightColours_->Restore();
}

void Form1::ConnectHandlers() {
    const auto wire = [this](auto* sender, auto signal, void (Form1::*handler)()) {
        connect(sender, signal, this, [this, handler] { RunHandler([this, handler] { (this->*handler)(); }); });
    };
    wire(ui->Command1, &QPushButton::clicked, &Form1::Command1_Click);
    wire(ui->Command2, &QPushButton::clicked, &Form1::Command2_Click);
    wire(ui->Command3, &QPushButton::clicked, &Form1::Command3_Click);
    wire(ui->Command4, &QPushButton::clicked, &Form1::Command4_Click);
    wire(ui->Check1, &QCheckBox::clicked, &Form1::Check1_Click);
    wire(ui->Check2, &QCheckBox::clicked, &Form1::Check2_Click);
    wire(Timer1, &QTimer::timeout, &Form1::Timer1_Timer);
    wire(Timer2, &QTimer::timeout, &Form1::Timer2_Timer);
    // Any change of the picker but the present moment's own is a value of the
    // user's or the animation's, for which a doubled time is its first pass.
    connect(ui->DTPicker1, &QDateTimeEdit::dateTimeChanged, this, [this] { present_.reset(); });

    const auto toggle = [this](QAction* action, bool settings::ViewOptions::*option) {
        connect(action, &QAction::triggered, this, [this, option](bool checked) {
            settings::ViewOptions view = view_;
            view.*option = checked;
            SetView(view, true);
        });
    };
    toggle(ui->actionMirrorEastWest, &settings::ViewOptions::mirrored);
    toggle(ui->actionNightColours, &settings::ViewOptions::nightColours);
    toggle(ui->actionMoonNames, &settings::ViewOptions::moonNames);
    toggle(ui->actionPrecisePositions, &settings::ViewOptions::precisePositions);
    toggle(ui->actionSouthUp, &settings::ViewOptions::southUp);
    // Through RunHandler as every handler: with precise positions the copy
    // searches for mutual events, and nothing may be thrown through Qt.
    connect(ui->actionCopyOffsets, &QAction::triggered, this, [this] { RunHandler([this] { CopyOffsets(); }); });
    connect(ui->actionEvents, &QAction::triggered, this, &Form1::ShowEvents);
    connect(ui->actionMonthChart, &QAction::triggered, this, [this] { RunHandler([this] { ShowMonthChart(); }); });
    connect(ui->actionTelescopeView, &QAction::triggered, this, [this] { RunHandler([this] { ShowTelescopeView(); }); });
}

void Form1::Form_Load() {
    SetPickerToPresent(false);

    state_.CenterX = static_cast<short>(std::nearbyint(static_cast<float>(ScaleWidth()) / 2.0F));
    state_.CenterY = kCenterY;
    state_.DegToRad = ephemeris::DegToRad;
    plot_->SetCentre({state_.CenterX, state_.CenterY});

    // The picture is an odd number of pixels wide: its middle column goes on
    // the centre column, where the disc is drawn.
    ui->Image1->move(static_cast<int>(std::lround(state_.CenterX - static_cast<float>(ui->Image1->width()) / 2.0F)),
                     static_cast<int>(std::lround(state_.CenterY - static_cast<float>(ui->Image1->height()) / 2.0F)));

    PlotJupiter(ui->DTPicker1->dateTime());
}

void Form1::PlotJupiter(const QDateTime& TheTime) {
    const Plotted plotted = Compute(TheTime, PlottedInstant(TheTime));
    plot_->Plot(state_.LastOffset, plotted.radii);
    plotted_ = plotted;
    ShowOffsets();
    state_.LastOffset = plotted.radii;
    ui->actionCopyOffsets->setEnabled(true);
    if (monthChart_ != nullptr) {
        monthChart_->SetHome(ui->DTPicker1->date());
        monthChart_->Mark(plotted.universal);
    }
    if (telescope_ != nullptr) {
        telescope_->Follow(plotted.universal, settings::RedSpotLongitude());
    }
    qCDebug(lcPlot) << "plotted" << TheTime.toString(ui->DTPicker1->displayFormat());
}

std::array<QLabel*, 4> Form1::OffsetLabels() const {
    return {ui->Label8, ui->Label9, ui->Label10, ui->Label11};
}

// The last plot's offsets in arcminutes, negative to the left as the view
// shows them, so that the table reads like the plot. A screen reader hears each
// with its moon and unit, and the plot as the moons' order from left to right
// with the planet among them; each is announced when it changes, and only then.
void Form1::ShowOffsets() {
    std::array<std::pair<double, QString>, 5> leftToRight{{{0.0, tr("Jupiter")}}};
    for (std::size_t moon = 0; moon < plotted_->arcminutes.size(); ++moon) {
        const double shown = view_.mirrored ? -plotted_->arcminutes[moon] : plotted_->arcminutes[moon];
        const QString name = lists::MoonName(static_cast<ephemeris::Moon>(moon));
        QLabel* label = OffsetLabels()[moon];
        label->setText(lists::ArcminutesText(shown));
        const QString spoken = tr("%1, %2 arcminutes").arg(name, label->text());
        if (label->accessibleName() != spoken) {
            label->setAccessibleName(spoken);
        }
        leftToRight[moon + 1] = {shown, name};
    }
    std::stable_sort(leftToRight.begin(), leftToRight.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    QStringList names;
    std::transform(leftToRight.begin(), leftToRight.end(), std::back_inserter(names), [](const auto& place) { return place.second; });
    if (const QString plot = tr("From left to right: %1").arg(names.join(QLatin1String(", "))); accessibleDescription() != plot) {
        setAccessibleDescription(plot);
    }
}

// The offsets for the instant from the window's model, or with precise
// positions on from the precise theory; throws, with nothing changed, if either faults.
Form1::Plotted Form1::Compute(const QDateTime& wallClock, ephemeris::UniversalTime universal) const {
    Plotted plotted{wallClock, universal, {}, {}, view_.precisePositions};
    if (view_.precisePositions) {
        const ephemeris::PreciseView view = environment_.computePrecise(universal);
        for (std::size_t moon = 0; moon < view.moons.size(); ++moon) {
            plotted.radii[moon] = view.moons[moon].westRadii;
            plotted.arcminutes[moon] = view.moons[moon].westArcmin;
        }
    } else {
        const ephemeris::SatelliteOffsets offsets = environment_.computeOffsets(universal);
        plotted.radii = {offsets.X1, offsets.X2, offsets.X3, offsets.X4};
        plotted.arcminutes = lists::ModelArcminutes(offsets);
    }
    return plotted;
}

ephemeris::UniversalTime Form1::PlottedInstant(const QDateTime& TheTime) const {
    const ephemeris::Instant wallClock = lists::ToInstant(TheTime);
    if (present_ && present_->shown == wallClock) {
        return present_->universal;
    }
    return ephemeris::UniversalTime{ephemeris::LocalToUT(wallClock).time_since_epoch()};
}

void Form1::SetView(settings::ViewOptions view, bool save) {
    if (view == view_) {
        return;
    }
    if (view.precisePositions != view_.precisePositions && plotted_) {
        view.precisePositions = ReplotWithTheory(view.precisePositions);
    }
    if (view.nightColours != view_.nightColours) {
        ApplyNightColours(view);
    }
    view_ = view;
    ui->actionMirrorEastWest->setChecked(view.mirrored);
    ui->actionNightColours->setChecked(view.nightColours);
    ui->actionMoonNames->setChecked(view.moonNames);
    ui->actionPrecisePositions->setChecked(view.precisePositions);
    ui->actionSouthUp->setChecked(view.southUp);
    plot_->Redraw(view_, plotted_ ? std::optional(state_.LastOffset) : std::nullopt);
    if (plotted_) {
        ShowOffsets();
    }
    if (monthChart_ != nullptr) {
        monthChart_->SetView(view_.mirrored, view_.nightColours);
    }
    if (telescope_ != nullptr) {
        telescope_->SetView({view_.southUp, view_.mirrored}, view_.nightColours);
    }
    if (save) {
        settings::SaveViewOptions(view_);
    }
}

// The last plot's instant again, from the other theory. Where that theory
// cannot compute it (the precise one stops at 2500), the message says so and
// the view keeps the theory it had. Returns the theory now shown.
bool Form1::ReplotWithTheory(bool precise) {
    const bool had = view_.precisePositions;
    view_.precisePositions = precise;
    bool computed = false;
    RunHandler([this, &computed] {
        plotted_ = Compute(plotted_->wallClock, plotted_->universal);
        state_.LastOffset = plotted_->radii;
        computed = true;
    });
    view_.precisePositions = computed ? precise : had;
    return view_.precisePositions;
}

// Dim red on black for the whole window, each moon's caption in its own red,
// or today's colours back.
void Form1::ApplyNightColours(const settings::ViewOptions& view) {
    nightColours_->Restore();
    if (!view.nightColours) {
        return;
    }
    const std::array<QLabel*, 4> captions{ui->Label3, ui->Label4, ui->Label5, ui->Label6};
    std::vector<std::pair<QWidget*, QColor>> widgets{{this, window::NightPalette().color(QPalette::WindowText)}};
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const auto caption = std::find(captions.begin(), captions.end(), child);
        widgets.emplace_back(child, caption == captions.end() ? widgets.front().second
                                                              : window::ColoursOf(view).moons[caption - captions.begin()]);
    }
    widgets.emplace_back(ui->DTPicker1->calendarWidget(), widgets.front().second);
    nightColours_->Apply(*this, widgets);
}

// One line for an observing log: the plotted date and time as the picker shows
// them, the zone's abbreviation then, each moon's offset as the table shows it.
void Form1::CopyOffsets() {
    const std::array<QLabel*, 4> labels = OffsetLabels();
    QGuiApplication::clipboard()->setText(lists::OffsetsLine(
        plotted_->wallClock.toString(ui->DTPicker1->displayFormat()),
        QString::fromStdString(ephemeris::ZoneAbbreviation(plotted_->universal)),
        {labels[0]->text(), labels[1]->text(), labels[2]->text(), labels[3]->text()}, plotted_->precise,
        plotted_->precise ? lists::MutualCodesAt(plotted_->universal) : QStringList()));
}

// Made when first asked for, so that start-up pays nothing for it; it keeps
// its place and span while the program runs, and works the view's keys too.
void Form1::ShowEvents() {
    if (eventsDialog_ == nullptr) {
        eventsDialog_ = new window::EventsDialog(this);
        eventsDialog_->addActions(actions());
        nightColours_->Restyle(*eventsDialog_);
        connect(eventsDialog_, &window::EventsDialog::eventChosen, this, [this](qint64 instant) {
            RunHandler([this, instant] { ShowInstant(ephemeris::UniversalTime{std::chrono::milliseconds{instant}}); });
        });
    }
    eventsDialog_->ListFrom(ui->DTPicker1->date());
    eventsDialog_->show();
    eventsDialog_->raise();
    eventsDialog_->activateWindow();
}

// Made when first asked for, as the events dialog; a click on it plots the
// instant as a chosen event does.
void Form1::ShowMonthChart() {
    if (monthChart_ == nullptr) {
        monthChart_ = new window::MonthChartWindow(this);
        monthChart_->addActions(actions());
        nightColours_->Restyle(*monthChart_);
        monthChart_->SetView(view_.mirrored, view_.nightColours);
        connect(monthChart_, &window::MonthChartWindow::instantChosen, this, [this](ephemeris::UniversalTime instant) {
            RunHandler([this, instant] { ShowInstant(instant); });
        });
    }
    monthChart_->SetHome(ui->DTPicker1->date());
    if (plotted_) {
        monthChart_->Mark(plotted_->universal);
    }
    monthChart_->ShowMonthOf(ui->DTPicker1->date());
    monthChart_->show();
    monthChart_->raise();
    monthChart_->activateWindow();
}

// Made when first asked for; it follows every plot from then on.
void Form1::ShowTelescopeView() {
    if (telescope_ == nullptr) {
        telescope_ = new window::TelescopeWindow(this);
        telescope_->addActions(actions());
        nightColours_->Restyle(*telescope_);
        telescope_->SetView({view_.southUp, view_.mirrored}, view_.nightColours);
    }
    if (plotted_) {
        telescope_->Follow(plotted_->universal, settings::RedSpotLongitude());
    }
    telescope_->show();
    telescope_->raise();
    telescope_->activateWindow();
}

// Tracking would move the picker on within a second: it stops. An animation
// goes on from the event, as it does from "Now".
void Form1::ShowInstant(ephemeris::UniversalTime instant) {
    if (ui->Check1->isChecked()) {
        ui->Check1->setChecked(false);
        Check1_Click();
    }
    const ephemeris::Instant local = ephemeris::UTToLocal(instant);
    ui->DTPicker1->setDateTime(lists::ToDateTime(local));
    present_ = PresentMoment{local, instant};
    PlotJupiter(ui->DTPicker1->dateTime());
}

void Form1::Command1_Click() {
    PlotJupiter(ui->DTPicker1->dateTime());
}

void Form1::Command4_Click() {
    SetPickerToPresent(true);
    PlotJupiter(ui->DTPicker1->dateTime());
}

void Form1::Command2_Click() {
    ui->Command3->setEnabled(true);
    ui->Command2->setEnabled(false);
    ui->Command1->setEnabled(false);
    SetInterval(*Timer1, kAnimationIntervalMs);
}

void Form1::Command3_Click() {
    SetInterval(*Timer1, 0);
    ui->Command3->setEnabled(false);
    ui->Command2->setEnabled(true);
    ui->Command1->setEnabled(true);
}

void Form1::Timer1_Timer() {
    PlotJupiter(ui->DTPicker1->dateTime());
    StepPicker(window::LeadingNumber(ui->Text1->text().toStdString()));
}

void Form1::Check1_Click() {
    if (ui->Check1->isChecked()) {
        SetInterval(*Timer1, 0);
        ui->Command1->setEnabled(false);
        ui->Command2->setEnabled(false);
        ui->Command3->setEnabled(false);
        ui->Command4->setEnabled(false);
        SetInterval(*Timer2, kTrackingIntervalMs);
    } else {
        ui->Command1->setEnabled(true);
        ui->Command2->setEnabled(true);
        ui->Command3->setEnabled(false);
        ui->Command4->setEnabled(true);
        SetInterval(*Timer2, 0);
    }
}

void Form1::Timer2_Timer() {
    SetPickerToPresent(true);
    PlotJupiter(ui->DTPicker1->dateTime());
}

void Form1::Check2_Click() {
    ui->Image1->setVisible(ui->Check2->isChecked());
    plot_->ShowPicture(ui->Check2->isChecked() ? std::optional(ui->Image1->size()) : std::nullopt);
}

// The present local date-time into the picker (start-up drops the seconds),
// remembering the instant it stands for.
void Form1::SetPickerToPresent(bool withSeconds) {
    const ephemeris::UniversalTime now = lists::ToUniversalTime(environment_.currentDateTime());
    const ephemeris::Instant local = ephemeris::UTToLocal(now);
    const ephemeris::Instant shown = withSeconds ? local : std::chrono::floor<std::chrono::minutes>(local);
    ui->DTPicker1->setDateTime(lists::ToDateTime(shown));
    present_ = PresentMoment{shown, now - (local - shown)};
}

// Moves the picker on by `minutes` of the wall clock, carrying what is below
// a millisecond to the next step. A step that would leave the picker's range
// puts it at the range's end and stops the animation, with a word to the user.
void Form1::StepPicker(double minutes) {
    const ephemeris::Instant current = lists::ToInstant(ui->DTPicker1->dateTime());
    if (current != carry_.shown) {
        carry_ = {current, 0.0};  // moved by the user or "Now" since the last step
    }
    const double step = minutes * kMillisecondsPerMinute + carry_.milliseconds;
    const auto milliseconds = [](const QDateTime& dateTime) {
        return static_cast<double>(lists::ToInstant(dateTime).time_since_epoch().count());
    };
    const double target = static_cast<double>(current.time_since_epoch().count()) + step;
    const bool beforeFirst = target < milliseconds(ui->DTPicker1->minimumDateTime());
    if (beforeFirst || target > milliseconds(ui->DTPicker1->maximumDateTime())) {
        const QDateTime end = beforeFirst ? ui->DTPicker1->minimumDateTime() : ui->DTPicker1->maximumDateTime();
        ui->DTPicker1->setDateTime(end);
        Command3_Click();
        const QString text =
            beforeFirst ? tr("The animation has reached the start of the date range, %1, and has stopped.")
                        : tr("The animation has reached the end of the date range, %1, and has stopped.");
        ShowMessage(text.arg(end.toString(ui->DTPicker1->displayFormat())));
        return;
    }
    const std::chrono::milliseconds whole{std::llround(step)};
    const ephemeris::Instant next = lists::LandOutsideGap(current + whole, step >= 0.0);
    ui->DTPicker1->setDateTime(lists::ToDateTime(next));
    carry_ = {next, step - static_cast<double>(whole.count())};
}

template <typename Handler>
void Form1::RunHandler(Handler handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        EnterIdle();
        ShowMessage(tr("The moons could not be plotted for this instant, and any animation or tracking has "
                       "stopped.\n\n%1")
                        .arg(QString::fromUtf8(error.what())));
    }
}

void Form1::EnterIdle() {
    if (ui->Check1->isChecked()) {
        ui->Check1->setChecked(false);
        Check1_Click();
    }
    if (ui->Command3->isEnabled()) {
        Command3_Click();
    }
}

void Form1::ShowMessage(const QString& text) {
    auto* box = new QMessageBox(QMessageBox::Warning, windowTitle(), text, QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    if (view_.nightColours) {
        box->setIconPixmap(QPixmap::fromImage(window::NightTinted(box->iconPixmap().toImage())));
    }
    box->open();
}

int Form1::ScaleWidth() const {
    return width();
}

const QImage& Form1::Surface() const {
    return plot_->Surface();
}
