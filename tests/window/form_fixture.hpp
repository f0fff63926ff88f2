// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <memory>

#include "window/form1.hpp"

namespace satrivox::testing {

// A window whose clock stands still at `now` (seconds included), and whose
// model is the real one unless a test replaces it.
class FormTest : public ::testing::Test {
protected:
    QDateTime now{QDate(2000, 1, 1), QTime(12, 0, 37, 250)};
    Form1::Environment environment{[this] { return now; }};
    std::unique_ptr<Form1> form;

    void Open() { form = std::make_unique<Form1>(environment); }

    template <typename Control>
    Control* Get(const char* name) const {
        auto* control = form->findChild<Control*>(name);
        EXPECT_NE(control, nullptr) << name;
        return control;
    }

    QPushButton* Button(const char* name) const { return Get<QPushButton>(name); }
    QCheckBox* Check(const char* name) const { return Get<QCheckBox>(name); }
    QDateTimeEdit* Picker() const { return Get<QDateTimeEdit>("DTPicker1"); }
    QTimer* Timer(const char* name) const { return Get<QTimer>(name); }
    QString Text(const char* label) const { return Get<QLabel>(label)->text(); }

    QStringList Offsets() const { return {Text("Label8"), Text("Label9"), Text("Label10"), Text("Label11")}; }

    // One tick delivered at once, as the event loop would deliver it.
    void Tick(const char* timer) const { QMetaObject::invokeMethod(Timer(timer), "timeout"); }

    void SetStep(const QString& step) const { Get<QLineEdit>("Text1")->setText(step); }

    QList<QMessageBox*> Messages() const { return form->findChildren<QMessageBox*>(); }

    // Idle, Animating or Tracking, read from the controls as a user sees them.
    std::string Mode() const {
        // A timer ticks exactly when its interval is not 0; -1 flags a mismatch.
        const auto interval = [this](const char* name) {
            const QTimer* timer = Timer(name);
            return timer->isActive() == (timer->interval() != 0) ? timer->interval() : -1;
        };
        const int t1 = interval("Timer1");
        const int t2 = interval("Timer2");
        const bool plot = Button("Command1")->isEnabled();
        const bool animate = Button("Command2")->isEnabled();
        const bool stop = Button("Command3")->isEnabled();
        const bool nowButton = Button("Command4")->isEnabled();
        if (t1 == 0 && t2 == 0 && plot && animate && !stop && nowButton) {
            return "Idle";
        }
        if (t1 == 100 && t2 == 0 && !plot && !animate && stop && nowButton) {
            return "Animating";
        }
        if (t1 == 0 && t2 == 1000 && !plot && !animate && !stop && !nowButton) {
            return "Tracking";
        }
        return "inconsistent";
    }
};

}  // namespace satrivox::testing

QT_BEGIN_NAMESPACE
// Readable date-times in test failures.
inline void PrintTo(const QDateTime& dateTime, std::ostream* stream) {
    *stream << dateTime.toString("yyyy-MM-dd HH:mm:ss.zzz t").toStdString();
}
QT_END_NAMESPACE
