// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QImage>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "model/arithmetic_fault.hpp"
#include "model/satellite_model.hpp"
#include "model/time_base.hpp"
#include "settings/view_options.hpp"
#include "theory/jupiter_system.hpp"

class QLabel;
class QTimer;

namespace Ui {
class Form1;
}
namespace window {
class EventsDialog;
class JupiterPlot;
class MonthChartWindow;
class TelescopeWindow;
class NightColours;
}

// The program's one window: the date-time picker, the commands, the offsets
// table and the plot of Jupiter and its four great moons.
//
// The controls come from the Designer form form1.ui; every one is a child whose
// objectName is its name (Command1..Command4, Check1, Check2, Text1, Image1,
// DTPicker1, Label1..Label11), as are the timers Timer1 and Timer2.
// The window is in one of three modes, carried by the controls themselves:
//   Idle       Timer1 0,   Timer2 0,    Plot/Animate/Now enabled, Stop disabled
//   Animating  Timer1 100, Timer2 0,    Stop and Now enabled
//   Tracking   Timer1 0,   Timer2 1000, all four buttons disabled
class Form1 : public QWidget {
    Q_OBJECT

public:
    // What the window takes from outside: the present moment (a QDateTime that
    // carries its offset from UTC), the satellite model and the precise theory
    // for a universal-time instant. Tests replace them to stand still in time
    // or to fault.
    struct Environment {
        std::function<QDateTime()> currentDateTime = [] { return QDateTime::currentDateTime(); };
        std::function<ephemeris::SatelliteOffsets(ephemeris::UniversalTime)> computeOffsets =
            [](ephemeris::UniversalTime ut) { return ephemeris::ComputeSatelliteOffsets(ut); };
        std::function<ephemeris::PreciseView(ephemeris::UniversalTime)> computePrecise =
            [](ephemeris::UniversalTime ut) { return ephemeris::ComputePreciseView(ut); };
    };

    // Builds the window and runs its start-up: picker at the present minute,
    // plot centre fixed, picture centred on it, first plot drawn, then the view
    // the observer chose in an earlier run.
    Form1();
    explicit Form1(Environment environment, QWidget* parent = nullptr);
    ~Form1() override;

    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    // Plots the local wall-clock time TheTime: draws the planet's ring, paints
    // over the previous four dots, draws the new ones on the row through the
    // centre and writes the offsets in arcminutes into Label8..Label11,
    // negative to the left, as the view shows them (mirrored or not), from the
    // window's model or, with precise positions on, from the precise theory.
    // A doubled wall-clock time is its first pass, unless TheTime is the
    // picker's value as start-up, "Now", tracking or a chosen event set it
    // from an exact instant: that is plotted for that instant, in either pass.
    // Throws ephemeris::ArithmeticFault (or, precise, OutsidePreciseYears),
    // with nothing drawn, if the computation faults.
    void PlotJupiter(const QDateTime& TheTime);

    // What has been drawn on the window's plot, at the screen's pixel ratio.
    [[nodiscard]] const QImage& Surface() const;

private:
    struct PlotState {
        short CenterX = 0;
        short CenterY = 0;
        std::array<double, 4> LastOffset{};
        double DegToRad = 0.0;
    };

    // The picker's value when it was last set from the present moment, and the
    // instant it stands for: its wall-clock fields alone cannot tell the two
    // passes of a doubled hour apart.
    struct PresentMoment {
        ephemeris::Instant shown;
        ephemeris::UniversalTime universal;
    };

    // Where the animation stands below the picker's millisecond: steps shorter
    // than a millisecond add up here until they move the picker.
    struct AnimationCarry {
        ephemeris::Instant shown;
        double milliseconds = 0.0;
    };

    // The instant the window shows, for redrawing it in another view and for
    // copying its offsets: each moon's offset to the west in radii, as drawn,
    // and in arcminutes, as the table shows it unmirrored.
    struct Plotted {
        QDateTime wallClock;
        ephemeris::UniversalTime universal;
        std::array<double, 4> radii{};
        std::array<double, 4> arcminutes{};
        bool precise = false;
    };

    void ConnectHandlers();
    void Form_Load();

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Check1_Click();
    void Check2_Click();
    void Timer1_Timer();
    void Timer2_Timer();

    // Runs one event handler; a fault in it stops any animation or tracking and
    // is shown in a message box instead of ending the program.
    template <typename Handler>
    void RunHandler(Handler handler);
    void EnterIdle();
    void ShowMessage(const QString& text);
    void SetPickerToPresent(bool withSeconds);
    void StepPicker(double minutes);
    [[nodiscard]] ephemeris::UniversalTime PlottedInstant(const QDateTime& TheTime) const;
    [[nodiscard]] Plotted Compute(const QDateTime& wallClock, ephemeris::UniversalTime universal) const;

    // The view the observer chose: applied to the whole window at once, and
    // with `save`, remembered for the next run.
    void SetView(settings::ViewOptions view, bool save);
    [[nodiscard]] bool ReplotWithTheory(bool precise);
    void ApplyNightColours(const settings::ViewOptions& view);
    [[nodiscard]] std::array<QLabel*, 4> OffsetLabels() const;
    void ShowOffsets();
    void CopyOffsets();
    void ShowEvents();
    void ShowMonthChart();
    void ShowTelescopeView();
    // Sets the picker to an event's instant and plots it.
    void ShowInstant(ephemeris::UniversalTime instant);

    [[nodiscard]] int ScaleWidth() const;

    Environment environment_;
    PlotState state_;
    std::optional<Plotted> plotted_;
    std::optional<PresentMoment> present_;
    AnimationCarry carry_;
    settings::ViewOptions view_;
    std::unique_ptr<window::NightColours> nightColours_;
    window::EventsDialog* eventsDialog_ = nullptr;  // made when first asked for
    window::MonthChartWindow* monthChart_ = nullptr;  // likewise
    window::TelescopeWindow* telescope_ = nullptr;    // likewise
    window::JupiterPlot* plot_ = nullptr;           // the plot and the planet's picture, behind the controls

    std::unique_ptr<Ui::Form1> ui;
    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;
};
