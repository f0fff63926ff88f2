// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QImage>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>

#include "ephemeris/ephemeris.hpp"

class QTimer;

namespace Ui {
class Form1;
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
    // What the window takes from outside: the present local date-time and the
    // satellite model. Tests replace them to stand still in time or to fault.
    struct Environment {
        std::function<QDateTime()> currentDateTime = [] { return QDateTime::currentDateTime(); };
        std::function<ephemeris::SatelliteOffsets(ephemeris::Instant)> computeOffsets =
            static_cast<ephemeris::SatelliteOffsets (*)(ephemeris::Instant)>(ephemeris::ComputeSatelliteOffsets);
    };

    // Builds the window and runs its start-up: picker at the present minute,
    // plot centre fixed, picture centred on it, first plot drawn.
    Form1();
    explicit Form1(Environment environment, QWidget* parent = nullptr);
    ~Form1() override;

    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    // Plots the local instant TheTime: draws the planet's disc, paints over the
    // previous four dots, draws the new ones on the row through the centre and
    // writes the offsets in arcminutes into Label8..Label11. Throws
    // ephemeris::ArithmeticFault, with nothing drawn, if the model faults.
    void PlotJupiter(const QDateTime& TheTime);

    // What has been drawn on the window's surface, at the screen's pixel ratio.
    [[nodiscard]] const QImage& Surface() const { return surface_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct PlotState {
        short CenterX = 0;
        short CenterY = 0;
        std::array<double, 4> LastOffset{};
        double DegToRad = 0.0;
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
    void StepPicker(double minutes);

    [[nodiscard]] QColor BackColor() const;
    [[nodiscard]] int ScaleWidth() const;

    Environment environment_;
    PlotState state_;
    QImage surface_;

    std::unique_ptr<Ui::Form1> ui;
    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;
};
