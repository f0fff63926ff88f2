// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAccessible>
#include <QApplication>
#include <QCalendarWidget>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include "form_fixture.hpp"

namespace satrivox::testing {
namespace {

class Form : public FormTest {
protected:
    void SetUp() override { Open(); }

    void ShowActive() {
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
};

TEST_F(Form, StartUpShowsThePresentMinuteAndItsPlotInIdle) {
    EXPECT_EQ(Picker()->dateTime(), QDateTime(QDate(2000, 1, 1), QTime(12, 0)));
    EXPECT_EQ(Picker()->displayFormat(), "MM/dd/yyyy HH:mm");
    EXPECT_EQ(Picker()->minimumDateTime(), QDateTime(QDate(1601, 1, 1), QTime(0, 0)));
    EXPECT_EQ(Picker()->maximumDateTime(), QDateTime(QDate(9999, 12, 31), QTime(23, 59, 59, 999)));
    EXPECT_EQ(Mode(), "Idle");
    EXPECT_FALSE(Check("Check1")->isChecked() || Check("Check2")->isChecked());
    EXPECT_EQ(Get<QLineEdit>("Text1")->text(), "60");
    EXPECT_GT(Get<QLineEdit>("Text1")->maxLength(), 32767) << "the step box has no length limit";
    EXPECT_EQ(Offsets(), QStringList({"0.46", "0.27", "1.23", "-7.48"}));
    EXPECT_TRUE(Get("Image1")->isHidden());
    EXPECT_EQ(Get("Image1")->geometry(), QRect(341, 137, 29, 26)) << "the picture centred on the plot's centre";
}

// The width the style leaves for a caption; text wider than it is clipped.
int CaptionWidth(const QWidget& widget) {
    QStyleOptionButton option;
    option.initFrom(&widget);
    if (qobject_cast<const QPushButton*>(&widget) != nullptr) {
        return widget.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &widget).width();
    }
    if (qobject_cast<const QCheckBox*>(&widget) != nullptr) {
        return widget.style()->subElementRect(QStyle::SE_CheckBoxContents, &option, &widget).width();
    }
    return widget.contentsRect().width();
}

TEST_F(Form, EveryCaptionFitsAndEveryControlHasANameAScreenReaderSpeaks) {
    Get<QLabel>("Label11")->setText("-11.20");  // the widest offset
    for (QWidget* widget : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const std::string name = widget->objectName().toStdString();
        const QString text = widget->property("text").toString();
        EXPECT_LE(QFontMetrics(widget->font()).horizontalAdvance(text), CaptionWidth(*widget)) << name;
        EXPECT_GE(widget->font().pointSizeF(), 6.0) << name;
        EXPECT_FALSE(QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name).isEmpty()) << name;
    }
    EXPECT_EQ(Get<QLabel>("Label1")->buddy(), Get("Text1"));
}

TEST_F(Form, KeyboardAloneVisitsEveryControlInOrderAndRunsEveryCommand) {
    ShowActive();
    QStringList visited;
    QWidget* widget = Button("Command1");
    do {
        visited << widget->objectName();
        do {
            widget = widget->nextInFocusChain();
        } while (!(widget->focusPolicy() & Qt::TabFocus) || !widget->isEnabled() || widget->parentWidget() != form.get());
    } while (widget != Button("Command1"));
    EXPECT_EQ(visited, QStringList({"Command1", "DTPicker1", "Text1", "Command2", "Command4", "Check1", "Check2"}));
    // Tab moves through the picker's fields before it leaves the picker.
    const auto press = [](const char* name) {
        for (int step = 0; step < 12 && QApplication::focusWidget()->objectName() != name; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        ASSERT_EQ(QApplication::focusWidget()->objectName(), name);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    };
    press("Command2");
    EXPECT_EQ(Mode(), "Animating");
    press("Command3");
    EXPECT_EQ(Mode(), "Idle");
    now = now.addDays(100);
    press("Command4");
    EXPECT_EQ(Picker()->dateTime(), now);
    press("Check1");
    EXPECT_EQ(Mode(), "Tracking");
    press("Check1");
    press("Check2");
    EXPECT_TRUE(Get("Image1")->isVisible());
    Picker()->setDateTime(QDateTime(QDate(2000, 1, 1), QTime(12, 0)));
    press("Command1");
    EXPECT_EQ(Offsets(), QStringList({"0.46", "0.27", "1.23", "-7.48"}));
}

// The calendar keeps the platform's light colours, and the focus frame on the
// check boxes stands out on the window's black.
TEST_F(Form, CalendarAndFocusFrameStayReadableOnBlack) {
    EXPECT_GT(Picker()->calendarWidget()->palette().color(QPalette::Window).lightness(), 128);
    ShowActive();
    QCheckBox* box = Check("Check2");
    const QImage unfocused = box->grab().toImage();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    ASSERT_EQ(QApplication::focusWidget(), box);
    const QImage focused = box->grab().toImage();
    int brightFrame = 0;
    for (int y = 0; y < focused.height(); ++y) {
        for (int x = 0; x < focused.width(); ++x) {
            brightFrame += focused.pixel(x, y) != unfocused.pixel(x, y) && qGray(focused.pixel(x, y)) > 128 ? 1 : 0;
        }
    }
    EXPECT_GT(brightFrame, 20);
}

}  // namespace
}  // namespace satrivox::testing
