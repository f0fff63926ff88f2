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

#include "support.hpp"
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

    template <typename Control = QWidget>
    Control* Get(const char* name) const {
        auto* control = form->findChild<Control*>(name);
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    QPushButton* Button(const char* name) const { return Get<QPushButton>(name); }
    QCheckBox* Check(const char* name) const { return Get<QCheckBox>(name); }
    QDateTimeEdit* Picker() const { return Get<QDateTimeEdit>("DTPicker1"); }
    QStringList Offsets() const {
        return {Get<QLabel>("Label8")->text(), Get<QLabel>("Label9")->text(), Get<QLabel>("Label10")->text(),
                Get<QLabel>("Label11")->text()};
    }
    QStringList OffsetsAt(const QDateTime& instant) const {
        Picker()->setDateTime(instant);
        Button("Command1")->click();
        return Offsets();
    }
    // One tick delivered at once, as the event loop would deliver it.
    void Tick(const char* timer) const { QMetaObject::invokeMethod(Get<QTimer>(timer), "timeout"); }
    void SetStep(const QString& step) const { Get<QLineEdit>("Text1")->setText(step); }
    QList<QMessageBox*> Messages() const { return form->findChildren<QMessageBox*>(); }

    // Idle, Animating or Tracking, read from the controls as a user sees them.
    std::string Mode() const {
        // A timer ticks exactly when its interval is not 0; -1 flags a mismatch.
        const auto interval = [this](const char* name) {
            const QTimer* timer = Get<QTimer>(name);
            return timer->isActive() == (timer->interval() != 0) ? timer->interval() : -1;
        };
        const auto enabled = [this](const char* name) { return Button(name)->isEnabled() ? '1' : '0'; };
        const std::string state = std::to_string(interval("Timer1")) + "/" + std::to_string(interval("Timer2")) + " " +
                                  enabled("Command1") + enabled("Command2") + enabled("Command3") + enabled("Command4");
        if (state == "0/0 1101") {
            return "Idle";
        }
        if (state == "100/0 0011") {
            return "Animating";
        }
        return state == "0/1000 0000" ? "Tracking" : "inconsistent " + state;
    }
};

}  // namespace satrivox::testing

QT_BEGIN_NAMESPACE
// Readable date-times in test failures.
inline void PrintTo(const QDateTime& dateTime, std::ostream* stream) {
    *stream << dateTime.toString("yyyy-MM-dd HH:mm:ss.zzz t").toStdString();
}
QT_END_NAMESPACE
