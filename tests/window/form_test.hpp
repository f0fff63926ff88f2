// SPDX-License-Identifier: GPL-3.0-or-later
// What the window's tests share: a window offscreen whose clock stands still,
// and the plot's fixture and measures.
#pragma once

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <QtWidgets>

#include <unistd.h>

#include <clocale>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <ranges>
#include <set>
#include <sstream>

#include "events_dialog.hpp"
#include "lists/event_list.hpp"
#include "lists/event_words.hpp"
#include "settings/view_settings.hpp"
#include "support.hpp"
#include "window/form1.hpp"

namespace satrivox::testing {

inline const QStringList kNoonOffsets{"0.46", "0.27", "1.23", "-7.48"};

// Where the window keeps its view: a folder of the test's own (see main), empty
// at the start of every test.
inline std::filesystem::path SettingsFolder() {
    return std::filesystem::path(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation).toStdString()) /
           "satrivox";
}

// A window, offscreen, whose clock stands still at `now`; timer ticks are delivered directly.
class FormTest : public ::testing::Test {
protected:
    FormTest() { std::filesystem::remove_all(SettingsFolder()); }

    const QDateTime kNoon{QDate(2000, 1, 1), QTime(12, 0)};
    QDateTime now{QDate(2000, 1, 1), QTime(12, 0, 37, 250)};
    Form1::Environment environment{[this] { return now; }};
    std::unique_ptr<Form1> form;

    void Open() {
        form.reset();  // one window at a time, as the program has
        form = std::make_unique<Form1>(environment);
    }
    void Show() {
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    template <typename Control = QWidget>
    Control* Get(const char* name) const {
        auto* control = form->findChild<Control*>(name);
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    void Click(const char* button) const { Get<QAbstractButton>(button)->click(); }
    void Trigger(const char* action) const { Get<QAction>(action)->trigger(); }
    void Tick(const char* timer) const { QMetaObject::invokeMethod(Get<QTimer>(timer), "timeout"); }
    void SetStep(const QString& step) const { Get<QLineEdit>("Text1")->setText(step); }
    QDateTimeEdit* Picker() const { return Get<QDateTimeEdit>("DTPicker1"); }
    QList<QMessageBox*> Messages() const { return form->findChildren<QMessageBox*>(); }
    QStringList Offsets() const {
        QStringList offsets;
        for (const char* label : {"Label8", "Label9", "Label10", "Label11"}) {
            offsets << Get<QLabel>(label)->text();
        }
        return offsets;
    }
    QStringList OffsetsAt(const QDateTime& instant) const {
        Picker()->setDateTime(instant);
        Click("Command1");
        return Offsets();
    }

    // Idle, Animating or Tracking as a user sees it: the timers' intervals (-1 if one
    // ticks at 0 or stands at another) and which of Plot, Animate, Stop, Now are enabled.
    std::string Mode() const {
        std::string state;
        for (const char* name : {"Timer1", "Timer2"}) {
            const QTimer* timer = Get<QTimer>(name);
            state += std::to_string(timer->isActive() == (timer->interval() != 0) ? timer->interval() : -1) + " ";
        }
        for (const char* button : {"Command1", "Command2", "Command3", "Command4"}) {
            state += Get(button)->isEnabled() ? '1' : '0';
        }
        const std::map<std::string, std::string> modes{{"0 0 1101", "Idle"}, {"100 0 0011", "Animating"}, {"0 1000 0000", "Tracking"}};
        return modes.contains(state) ? modes.at(state) : "inconsistent " + state;
    }
};

// ---- The plot, at the screen's pixel ratio: 1, or 2 under QT_SCALE_FACTOR=2 ------

inline constexpr int kCentreX = 355, kRow = 150;
inline constexpr QRgb kRed = qRgb(255, 0, 0), kCyan = qRgb(0, 255, 255), kWhite = qRgb(255, 255, 255);

// Offsets that put each moon's dot `pixels` from the centre.
inline ephemeris::SatelliteOffsets AtPixels(double io, double europa, double ganymede, double callisto) {
    const double perRadius = 6.0 / 46.0 * 60.0;
    return {io / perRadius, europa / perRadius, ganymede / perRadius, callisto / perRadius, 4.0};
}

// Pixels of `image` (within `area`, if given) that pass `test`.
inline int Count(const QImage& image, const std::function<bool(QRgb)>& test, QRect area = {}) {
    area = area.isNull() ? image.rect() : area;
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += test(image.pixel(x, y)) ? 1 : 0;
        }
    }
    return count;
}
const auto kLit = [](QRgb rgb) { return rgb != qRgb(0, 0, 0); };

// The device pixel nearest the middle of the window pixel at `place`.
inline int DevicePixel(double place, qreal ratio) {
    return static_cast<int>(std::floor((static_cast<float>(place) + 0.5F) * ratio));
}

// The lit device pixels within `reach` of `centre`, as offsets from it, by colour.
inline std::map<std::pair<int, int>, QRgb> LitAround(const QImage& surface, QPoint centre, int reach) {
    std::map<std::pair<int, int>, QRgb> lit;
    for (int dy = -reach; dy <= reach; ++dy) {
        for (int dx = -reach; dx <= reach; ++dx) {
            if (const QRgb rgb = surface.pixel(centre + QPoint(dx, dy)); rgb != qRgb(0, 0, 0)) {
                lit[{dx, dy}] = rgb;
            }
        }
    }
    return lit;
}

// Symmetric both ways, and solid: no row broken into more than two runs.
inline bool SymmetricAndSolid(const std::map<std::pair<int, int>, QRgb>& shape) {
    std::map<int, int> runs;
    for (const auto& [pixel, rgb] : shape) {
        runs[pixel.second] += shape.contains({pixel.first - 1, pixel.second}) ? 0 : 1;
    }
    return std::all_of(runs.begin(), runs.end(), [](const auto& row) { return row.second <= 2; }) &&
           std::all_of(shape.begin(), shape.end(), [&shape](const auto& pixel) {
               return shape.contains({-pixel.first.first, pixel.first.second}) && shape.contains({pixel.first.first, -pixel.first.second});
           });
}

class Plot : public FormTest {
protected:
    ephemeris::SatelliteOffsets model = AtPixels(40, 80, -120, 200);

    void SetUp() override {
        environment.computeOffsets = [this](ephemeris::UniversalTime) { return model; };
        Open();
    }
    void Replot(const ephemeris::SatelliteOffsets& offsets) {
        model = offsets;
        form->PlotJupiter(Picker()->dateTime());
    }
};

const auto kGreenOrBlue = [](QRgb rgb) { return qGreen(rgb) > 40 || qBlue(rgb) > 40; };

}  // namespace satrivox::testing
