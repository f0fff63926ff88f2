// SPDX-License-Identifier: GPL-3.0-or-later
#include "form_test.hpp"

namespace satrivox::testing {
namespace {

// ---- Start-up and the form ---------------------------------------------------------

class Form : public FormTest {
    void SetUp() override { Open(); }
};

// The width the style leaves for a caption; text wider than it is clipped.
int CaptionWidth(const QWidget& widget) {
    QStyleOptionButton option;
    option.initFrom(&widget);
    const QStyle::SubElement contents = qobject_cast<const QPushButton*>(&widget) ? QStyle::SE_PushButtonContents
                                        : qobject_cast<const QCheckBox*>(&widget) ? QStyle::SE_CheckBoxContents
                                                                                   : QStyle::SE_CustomBase;
    return contents == QStyle::SE_CustomBase ? widget.contentsRect().width()
                                             : widget.style()->subElementRect(contents, &option, &widget).width();
}

TEST_F(Form, EveryCaptionFitsAndEveryControlHasANameAScreenReaderSpeaks) {
    Get<QLabel>("Label11")->setText("-11.20");  // the widest offset
    for (QWidget* widget : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QString text = widget->property("text").toString();
        EXPECT_LE(QFontMetrics(widget->font()).horizontalAdvance(text), CaptionWidth(*widget)) << text.toStdString();
        EXPECT_EQ(widget->font().pointSizeF(), QApplication::font().pointSizeF()) << "condensed, not shrunk";
        EXPECT_FALSE(QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name).isEmpty());
    }
    EXPECT_EQ(Get<QLabel>("Label1")->buddy(), Get("Text1"));
    EXPECT_FALSE(form->windowIcon().isNull()) << "the planet, in the title bar and the task switcher";
}

// Start-up leaves the window idle on the present minute and its plot, the
// picture hidden. Tab then reaches every command (through the picker's fields
// first), and the space bar runs it.
TEST_F(Form, StartsIdleAndTheKeyboardAloneReachesAndRunsEveryCommand) {
    Show();
    EXPECT_EQ(QApplication::focusWidget(), Get("Command1")) << "Plot has the focus";
    EXPECT_EQ(Picker()->dateTime(), kNoon);
    EXPECT_EQ(Mode(), "Idle");
    EXPECT_EQ(Offsets(), kNoonOffsets);
    const auto press = [](const char* name) {
        for (int step = 0; step < 12 && QApplication::focusWidget()->objectName() != name; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        ASSERT_EQ(QApplication::focusWidget()->objectName(), name);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    };
    now = now.addDays(100);
    QStringList modes;
    for (const char* control : {"Command2", "Command3", "Command4", "Check1", "Check1", "Check2", "Command1"}) {
        press(control);
        modes << QString::fromStdString(Mode()) + (Get("Image1")->isVisible() ? " picture" : "");
    }
    EXPECT_EQ(modes, QStringList({"Animating", "Idle", "Idle", "Tracking", "Idle", "Idle picture", "Idle picture"}));
    EXPECT_EQ(Picker()->dateTime(), now) << "Now, then Plot the present";
    EXPECT_EQ(Get("Image1")->pos(), QPoint(341, 137)) << "the picture centred on the plot's centre";
}

// The calendar keeps the platform's light colours, and the keyboard focus frame
// of a check box stands out on the window's black.
TEST_F(Form, CalendarAndFocusFrameStayReadableOnBlack) {
    EXPECT_GT(Picker()->calendarWidget()->palette().color(QPalette::Window).lightness(), 128);
    Show();
    for (const char* name : {"Check2", "Check1"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        auto* box = Get<QCheckBox>(name);
        ASSERT_EQ(QApplication::focusWidget(), box);
        QStyleOptionButton option;
        option.initFrom(box);
        option.text = box->text();
        const QRect frame = box->style()->subElementRect(QStyle::SE_CheckBoxFocusRect, &option, box);
        const QImage focused = box->grab().toImage();
        const qreal ratio = focused.devicePixelRatio();
        EXPECT_GT(std::ranges::count_if(std::views::iota(frame.left(), frame.right()), [&](int x) {
                      return qGray(focused.pixel(qRound(x * ratio), qRound(frame.top() * ratio))) > 128;
                  }), frame.width() / 4) << name << ": its frame's top edge, light on black";
    }
}

// Night colours: no pixel of the window, with names, the picture, keyboard focus
// and disabled commands, nor of the open calendar or a message box, has green or
// blue above 40 of 255; and turned off, today's colours come back exactly.
TEST_F(FormTest, NightColoursShowNoGreenOrBlueLightAndGiveTodaysBack) {
    Open();
    Show();
    const auto calendar = [this] {
        QTest::mouseClick(Picker(), Qt::LeftButton, {}, QPoint(Picker()->width() - 6, Picker()->height() / 2));
        return Picker()->calendarWidget()->window();
    };
    const QImage day = form->grab().toImage();
    Trigger("actionNightColours");
    Trigger("actionNightColours");
    EXPECT_EQ(form->grab().toImage(), day);
    const QImage dayCalendar = calendar()->grab().toImage();
    calendar()->close();
    Trigger("actionNightColours");
    Trigger("actionNightColours");
    EXPECT_EQ(calendar()->grab().toImage(), dayCalendar) << "its arrows' icons given back";
    calendar()->close();
    Trigger("actionMoonNames");
    Click("Check2");
    const qreal ratio = form->devicePixelRatioF();
    const QPoint middle(DevicePixel(kCentreX, ratio), DevicePixel(kRow, ratio));
    const QRgb daylight = form->Surface().pixel(middle);
    Trigger("actionNightColours");
    EXPECT_EQ(form->Surface().pixel(middle), qRgb(qGray(daylight) * 3 / 4, 0, 0)) << "the picture in dim red";
    Get("Text1")->setFocus();
    EXPECT_EQ(Count(form->grab().toImage(), kGreenOrBlue), 0) << "a text cursor in the step box";
    Get("Command1")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(Count(form->grab().toImage(), kGreenOrBlue), 0) << "idle, focus on the picture's check box";
    Click("Command2");
    EXPECT_EQ(Count(form->grab().toImage(), kGreenOrBlue), 0) << "animating";
    Click("Check1");
    EXPECT_EQ(Count(form->grab().toImage(), kGreenOrBlue), 0) << "tracking, every command disabled";
    Click("Check1");
    ASSERT_TRUE(calendar()->isVisible());
    EXPECT_EQ(Count(calendar()->grab().toImage(), kGreenOrBlue), 0) << "the calendar";
    calendar()->close();
    Picker()->setDateTime(Picker()->maximumDateTime());
    Click("Command2");
    Tick("Timer1");
    ASSERT_EQ(Messages().size(), 1);
    EXPECT_EQ(Count(Messages().front()->grab().toImage(), kGreenOrBlue), 0) << "a message box";
    Trigger("actionNightColours");
    for (const QLineEdit* field : form->findChildren<QLineEdit*>()) {
        EXPECT_EQ(field->style(), QApplication::style()) << "the text cursor back by day";
    }
}

// One line for an observing log: the plotted instant as the picker shows it, the
// zone's name for its time, the offsets as the table shows them; Ctrl+C in the
// step box still copies its own text.
TEST_F(FormTest, CopyOffsetsGivesOneLineOfThePlottedInstant) {
    const ScopedTimeZone zone("Europe/Paris");
    Open();
    const QString offsets = "Io -1.60  Europa -2.71  Ganymede -4.44  Callisto -8.78";
    OffsetsAt({QDate(2026, 12, 7), QTime(21, 0)});
    Trigger("actionCopyOffsets");
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), ("12/07/2026 21:00 CET  " + offsets + "  arcmin").toStdString());
    Trigger("actionMirrorEastWest");
    Click("Command2");
    Tick("Timer1");
    const ScopedTimeZone unnamed("<+0545>-5:45");
    Trigger("actionCopyOffsets");
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), ("12/07/2026 21:00 +0545  " + QString(offsets).replace(" -", " ") + "  arcmin").toStdString())
        << "mirrored, and the instant drawn, not the picker's next";
    Get<QLineEdit>("Text1")->selectAll();
    QTest::keySequence(Get("Text1"), QKeySequence::Copy);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "60");
}

// The view's commands are in the window's context menu with their keys, and the
// keys work from every control: none is a key of any standard or editing command.
TEST_F(Form, ViewCommandsHaveKeysThatWorkFromEveryControlAndEditNothing) {
    Show();
    QList<QKeySequence> standard;
    const QMetaEnum keys = QMetaEnum::fromType<QKeySequence::StandardKey>();
    for (int key = 0; key < keys.keyCount(); ++key) {
        standard << QKeySequence::keyBindings(static_cast<QKeySequence::StandardKey>(keys.value(key)));
    }
    ASSERT_EQ(form->actions().size(), 9);
    for (const char* control : {"Command1", "DTPicker1", "Text1", "Command2", "Command4", "Check1", "Check2"}) {
        Get(control)->setFocus();
        const QString step = Get<QLineEdit>("Text1")->text(), picked = Picker()->text();
        for (QAction* action : form->actions()) {
            EXPECT_TRUE(action->isShortcutVisibleInContextMenu() && !standard.contains(action->shortcut())) << action->text().toStdString();
            QSignalSpy triggered(action, &QAction::triggered);
            QTest::keySequence(QApplication::focusWidget(), action->shortcut());
            QTest::keySequence(QApplication::focusWidget(), action->isCheckable() ? action->shortcut() : QKeySequence());
            EXPECT_EQ(triggered.count(), action->isCheckable() ? 2 : 1) << control << ": " << action->text().toStdString();
            if (auto* events = form->findChild<QDialog*>("EventsDialog"); events != nullptr && events->isVisible()) {
                events->close();  // back to the window, as the dialog's Close does
                Show();
                Get(control)->setFocus();
            }
        }
        EXPECT_TRUE(Get<QLineEdit>("Text1")->text() == step && Picker()->text() == picked) << control;
    }
    QList<QAction*> menu;
    QTimer::singleShot(0, [&menu] {
        menu = QApplication::activePopupWidget()->actions();
        QApplication::activePopupWidget()->close();
    });
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, {}, {});  // as the platform turns the menu key
    QApplication::sendEvent(QApplication::focusWidget(), &menuKey);
    EXPECT_EQ(menu, form->actions()) << "the menu key";
}

// ---- Commands and timers ---------------------------------------------------------

TEST_F(FormTest, CommandsPlotAndSwitchModes) {
    Open();
    Picker()->setDateTime(kNoon.addSecs(6 * 3600));
    EXPECT_EQ(Offsets(), kNoonOffsets) << "editing the picker draws nothing";
    Click("Command1");
    EXPECT_NE(Offsets(), kNoonOffsets);
    Click("Command2");
    EXPECT_EQ(Mode(), "Animating");
    now = now.addYears(5);
    Click("Command4");
    EXPECT_EQ(Mode(), "Animating") << "Now moves an animation without stopping it";
    Tick("Timer1");
    EXPECT_EQ(Picker()->dateTime(), now.addSecs(3600));
    SetStep("-30");
    Tick("Timer1");
    EXPECT_EQ(Picker()->dateTime(), now.addSecs(1800)) << "a step typed while running counts at the next tick";
    Click("Check1");
    EXPECT_EQ(Mode(), "Tracking");
    Click("Check1");
    EXPECT_EQ(Mode(), "Idle") << "the animation does not resume";
}

// Qt takes the C library's numeric locale from the environment; a step still
// reads '.' as its decimal point where the locale's is ','.
TEST_F(FormTest, StepReadsADecimalPointUnderADecimalCommaLocale) {
    Open();
    const std::string locales = std::filesystem::temp_directory_path() / ("satrivox-locales-" + std::to_string(::getpid()));
    ASSERT_EQ(std::system(("mkdir " + locales + " && localedef -i de_DE -f UTF-8 " + locales + "/de_DE.UTF-8").c_str()), 0);
    ::setenv("LOCPATH", locales.c_str(), 1);
    ASSERT_NE(std::setlocale(LC_NUMERIC, "de_DE.UTF-8"), nullptr);
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    SetStep("0.5");
    Click("Command2");
    Tick("Timer1");
    std::setlocale(LC_NUMERIC, "C");
    ::unsetenv("LOCPATH");
    std::filesystem::remove_all(locales);
    EXPECT_EQ(Picker()->dateTime(), kNoon.addSecs(30));
}

// A fault in a plot, however the plot came, draws nothing, stops any animation
// or tracking without stepping the picker, and says why.
TEST_F(FormTest, FaultIsReportedAndTheWindowLivesOnInIdle) {
    bool faulty = false;
    environment.computeOffsets = [&faulty](ephemeris::UniversalTime t) {
        if (faulty) {
            throw ephemeris::ArithmeticFault("ComputeSatelliteOffsets", ephemeris::ArithmeticFault::Condition::Overflow);
        }
        return ephemeris::ComputeSatelliteOffsets(t);
    };
    Open();
    faulty = true;
    const QImage surface = form->Surface();
    for (const auto& [control, timer] : {std::pair{"Command1", ""}, {"Command2", "Timer1"}, {"Check1", "Timer2"}}) {
        Click(control);
        if (*timer != '\0') {
            Tick(timer);
        }
        EXPECT_TRUE(Offsets() == kNoonOffsets && form->Surface() == surface && Mode() == "Idle") << control;
        EXPECT_FALSE(Get<QCheckBox>("Check1")->isChecked());
        ASSERT_EQ(Messages().size(), 1);
        EXPECT_TRUE(Messages().front()->text().contains("Arithmetic fault in ComputeSatelliteOffsets: overflow"));
        Messages().front()->close();  // gone once closed: the next loop sees only its own
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(std::string(control) == "Check1" || Picker()->dateTime() == kNoon) << "the animation did not step";
    }
}

// With precise positions, at a mutual event's maximum the two moons stand
// within their discs' size of each other, and the copied line names the
// event while it lasts.
TEST_F(FormTest, AMutualEventIsPlottedAndNamedWhileItLasts) {
    Open();
    Trigger("actionPrecisePositions");
    const QStringList offsets = OffsetsAt({QDate(2014, 12, 30), QTime(21, 44)});
    EXPECT_LE(std::fabs(offsets[0].toDouble() - offsets[1].toDouble()), 0.03) << "Europa in front of Io";
    Trigger("actionCopyOffsets");
    EXPECT_TRUE(QGuiApplication::clipboard()->text().endsWith("arcmin  precise  2O1P in progress"))
        << QGuiApplication::clipboard()->text().toStdString();
    OffsetsAt({QDate(2014, 12, 30), QTime(21, 51)});
    Trigger("actionCopyOffsets");
    EXPECT_TRUE(QGuiApplication::clipboard()->text().endsWith("arcmin  precise")) << "over at 21:50";
}

// A place garbled in the settings file gives the zone's city.
TEST_F(FormTest, AGarbledPlaceGivesTheZonesCity) {
    const ScopedTimeZone zone("Europe/Lisbon");
    std::filesystem::create_directories(SettingsFolder());
    for (const char* place : {"name=Here\nlatitude=38.72\nlongitude=-9.14\n", "name=Here\nlatitude=north pole\nlongitude=-9.14\n",
                              "name=Here\nlatitude=91\nlongitude=-9.14\n", "name=Here\nlatitude=38.72\nlongitude=180.5\n", "name=\nlatitude=38.72\nlongitude=-9.14\n"}) {
        std::ofstream(SettingsFolder() / "satrivox.conf") << "[place]\n" << place;
        EXPECT_EQ(settings::ObserverPlace().value_or(ephemeris::Place{}).name, place == std::string_view("name=Here\nlatitude=38.72\nlongitude=-9.14\n") ? "Here" : "Lisbon") << place;
    }
    std::ofstream(SettingsFolder() / "satrivox.conf") << "[events]\nredSpotLongitude=400\n";
    EXPECT_EQ(settings::RedSpotLongitude(), lists::kDefaultRedSpotLongitude);
}

}  // namespace
}  // namespace satrivox::testing
