// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/form1.hpp"

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <cmath>
#include <exception>

#include "caption_fit.hpp"
#include "instant_conversion.hpp"
#include "ui_form1.h"
#include "window/leading_number.hpp"

// Off unless enabled (QT_LOGGING_RULES="satrivox.plot.debug=true"): lets a
// packaging test see the packaged program reach its first plot.
Q_LOGGING_CATEGORY(lcPlot, "satrivox.plot", QtWarningMsg)

namespace {

constexpr int kAnimationIntervalMs = 100;
constexpr int kTrackingIntervalMs = 1000;
constexpr short kCenterY = 150;
constexpr double kPlanetRadiusPixels = 6.0 / 1.0;
constexpr double kDotRadiusPixels = 1.0;
// Jupiter's equatorial semi-diameter in arcminutes at 1 AU.
constexpr double kArcminutesPerRadiusAtOneAU = 1.6375;
constexpr double kMillisecondsPerMinute = 60000.0;

const QColor kPlanetColour(255, 255, 255);
// Io, Europa, Ganymede, Callisto.
const std::array<QColor, 4> kMoonColours{QColor(255, 0, 0), QColor(0, 255, 255), QColor(255, 255, 200),
                                         QColor(255, 255, 255)};

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
    : QWidget(parent), environment_(std::move(environment)), ui(std::make_unique<Ui::Form1>()) {
    // The form's pictures live in this static library's resources, which the
    // linker keeps only when they are named.
    Q_INIT_RESOURCE(window);
    ui->setupUi(this);
    window::FitCaptions(*this);
    Timer1 = CreateTimer(*this, "Timer1");
    Timer2 = CreateTimer(*this, "Timer2");
    ConnectHandlers();

    const qreal pixelRatio = screen() != nullptr ? screen()->devicePixelRatio() : 1.0;
    surface_ = QImage(size() * pixelRatio, QImage::Format_RGB32);
    surface_.setDevicePixelRatio(pixelRatio);
    surface_.fill(BackColor());

    ui->Command1->setFocus();
    RunHandler([this] { Form_Load(); });
}

Form1::~Form1() = default;

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
}

void Form1::Form_Load() {
    // The present minute: through the picker's own pattern, which has no seconds.
    const QString pattern = ui->DTPicker1->displayFormat();
    ui->DTPicker1->setDateTime(QDateTime::fromString(environment_.currentDateTime().toString(pattern), pattern));

    state_.CenterX = static_cast<short>(std::nearbyint(static_cast<float>(ScaleWidth()) / 2.0F));
    state_.CenterY = kCenterY;
    state_.DegToRad = ephemeris::Pi / 180.0;

    // The picture is an odd number of pixels wide: its middle column goes on
    // the centre column, where the disc is drawn.
    ui->Image1->move(static_cast<int>(std::lround(state_.CenterX - static_cast<float>(ui->Image1->width()) / 2.0F)),
                 static_cast<int>(std::lround(state_.CenterY - static_cast<float>(ui->Image1->height()) / 2.0F)));

    PlotJupiter(ui->DTPicker1->dateTime());
}

void Form1::PlotJupiter(const QDateTime& TheTime) {
    const ephemeris::SatelliteOffsets offsets = environment_.computeOffsets(window::ToInstant(TheTime));
    const std::array<double, 4> x{offsets.X1, offsets.X2, offsets.X3, offsets.X4};
    const double scale = 6.0 / 46.0 * 60.0;  // pixels per Jupiter radius

    QPainter painter(&surface_);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    const auto Circle = [&painter](double centreX, double centreY, double radius, const QColor& colour) {
        painter.setPen(QPen(colour, 1));
        const auto r = static_cast<float>(radius);
        painter.drawEllipse(QPointF(static_cast<float>(centreX), static_cast<float>(centreY)), r, r);
    };

    Circle(state_.CenterX, state_.CenterY, kPlanetRadiusPixels, kPlanetColour);
    for (const double last : state_.LastOffset) {
        Circle(state_.CenterX + scale * last, state_.CenterY, kDotRadiusPixels, BackColor());
    }
    for (std::size_t moon = 0; moon < x.size(); ++moon) {
        Circle(state_.CenterX + x[moon] * scale, state_.CenterY, kDotRadiusPixels, kMoonColours[moon]);
    }
    painter.end();

    const double arcminutesPerRadius = kArcminutesPerRadiusAtOneAU / offsets.Delta;
    const std::array<QLabel*, 4> labels{ui->Label8, ui->Label9, ui->Label10, ui->Label11};
    for (std::size_t moon = 0; moon < x.size(); ++moon) {
        labels[moon]->setText(QString::number(x[moon] * arcminutesPerRadius, 'f', 2));
    }
    state_.LastOffset = x;
    update();
    qCDebug(lcPlot) << "plotted" << TheTime.toString(ui->DTPicker1->displayFormat());
}

void Form1::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), surface_);
}

void Form1::Command1_Click() {
    PlotJupiter(ui->DTPicker1->dateTime());
}

void Form1::Command4_Click() {
    ui->DTPicker1->setDateTime(environment_.currentDateTime());
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
    ui->DTPicker1->setDateTime(environment_.currentDateTime());
    PlotJupiter(ui->DTPicker1->dateTime());
}

void Form1::Check2_Click() {
    ui->Image1->setVisible(ui->Check2->isChecked());
}

// Moves the picker on by `minutes`. A step that would leave the picker's range
// puts it at the range's end and stops the animation, with a word to the user.
void Form1::StepPicker(double minutes) {
    const auto milliseconds = [](const QDateTime& dateTime) {
        return static_cast<double>(window::ToInstant(dateTime).time_since_epoch().count());
    };
    const double target = milliseconds(ui->DTPicker1->dateTime()) + minutes * kMillisecondsPerMinute;
    const bool beforeFirst = target < milliseconds(ui->DTPicker1->minimumDateTime());
    if (beforeFirst || target > milliseconds(ui->DTPicker1->maximumDateTime())) {
        const QDateTime end = beforeFirst ? ui->DTPicker1->minimumDateTime() : ui->DTPicker1->maximumDateTime();
        ui->DTPicker1->setDateTime(end);
        Command3_Click();
        ShowMessage(tr("The animation has reached the %1 of the date range, %2, and has stopped.")
                        .arg(beforeFirst ? tr("start") : tr("end"), end.toString(ui->DTPicker1->displayFormat())));
        return;
    }
    const std::chrono::milliseconds step{std::llround(target)};
    ui->DTPicker1->setDateTime(window::ToDateTime(ephemeris::Instant{step}));
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
    box->open();
}

QColor Form1::BackColor() const {
    return palette().color(backgroundRole());
}

int Form1::ScaleWidth() const {
    return width();
}
