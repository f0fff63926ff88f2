// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAccessible>
#include <QApplication>
#include <QFontMetrics>
#include <QTest>
#include <QStyle>
#include <QStyleOptionButton>

#include "form_fixture.hpp"
#include "named_rows.hpp"

namespace satrivox::testing {
namespace {

struct ControlRow {
    const char* hazard;  // the control's name
    const char* className;
    QRect rect;
    const char* text;
    QColor textColour;  // invalid: the platform's own colours
    Qt::Alignment alignment;
};

const QColor kGrey(224, 224, 224);
const QColor kNone;
constexpr Qt::Alignment kRight = Qt::AlignRight;
constexpr Qt::Alignment kLeft = Qt::AlignLeft;
constexpr Qt::Alignment kCentre = Qt::AlignHCenter;

const ControlRow kLayout[] = {
    {"Command1", "QPushButton", {240, 8, 81, 33}, "Plot", kNone, {}},
    {"DTPicker1", "QDateTimeEdit", {8, 8, 153, 25}, nullptr, kNone, {}},
    {"Text1", "QLineEdit", {328, 48, 49, 19}, "60", kNone, {}},
    {"Label1", "QLabel", {240, 48, 81, 17}, "Animate:", kGrey, kRight},
    {"Command2", "QPushButton", {240, 72, 49, 25}, "Animate", kNone, {}},
    {"Label2", "QLabel", {384, 48, 121, 17}, "minutes every 100 ms", kGrey, kLeft},
    {"Command3", "QPushButton", {296, 72, 49, 25}, "Stop", kNone, {}},
    {"Label3", "QLabel", {512, 32, 57, 17}, "IO:", QColor(255, 0, 0), kRight},
    {"Label4", "QLabel", {512, 48, 57, 17}, "Europa:", QColor(0, 255, 255), kRight},
    {"Label5", "QLabel", {512, 64, 57, 17}, "Ganymede:", QColor(255, 255, 0), kRight},
    {"Label6", "QLabel", {512, 80, 57, 17}, "Callisto:", QColor(255, 255, 255), kRight},
    {"Label7", "QLabel", {560, 16, 81, 17}, "Arcminutes", kGrey, kCentre},
    {"Label8", "QLabel", {576, 32, 49, 17}, nullptr, kGrey, kCentre},
    {"Label9", "QLabel", {576, 48, 49, 17}, nullptr, kGrey, kCentre},
    {"Label10", "QLabel", {576, 64, 49, 17}, nullptr, kGrey, kCentre},
    {"Label11", "QLabel", {576, 80, 49, 17}, nullptr, kGrey, kCentre},
    {"Command4", "QPushButton", {96, 40, 65, 25}, "Now", kNone, {}},
    {"Check1", "QCheckBox", {8, 40, 81, 17}, "Track Now", kGrey, {}},
    {"Check2", "QCheckBox", {8, 72, 113, 17}, "Jupiter picture", kGrey, {}},
};

class Layout : public FormTest, public ::testing::WithParamInterface<ControlRow> {
protected:
    void SetUp() override { Open(); }
};

TEST_P(Layout, ControlStandsWhereTheLayoutPutsIt) {
    const ControlRow& row = GetParam();
    const QWidget* widget = Get<QWidget>(row.hazard);
    ASSERT_NE(widget, nullptr);
    EXPECT_STREQ(widget->metaObject()->className(), row.className);
    EXPECT_EQ(widget->geometry(), row.rect);
    if (row.text != nullptr) {
        EXPECT_EQ(widget->property("text").toString(), QString(row.text));
    }
    if (row.textColour.isValid()) {
        EXPECT_EQ(widget->palette().color(QPalette::WindowText), row.textColour);
        EXPECT_EQ(widget->palette().color(QPalette::Window), QColor(0, 0, 0));
        EXPECT_TRUE(widget->autoFillBackground());
    }
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask, row.alignment);
    }
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

TEST_P(Layout, CaptionIsNotClipped) {
    const QWidget* widget = Get<QWidget>(GetParam().hazard);
    const QString text = widget->property("text").toString();
    EXPECT_LE(QFontMetrics(widget->font()).horizontalAdvance(text), CaptionWidth(*widget)) << text.toStdString();
    EXPECT_GE(widget->font().pointSizeF(), 6.0);
}

TEST_P(Layout, HasANameAScreenReaderSpeaks) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(Get<QWidget>(GetParam().hazard));
    ASSERT_NE(accessible, nullptr);
    EXPECT_FALSE(accessible->text(QAccessible::Name).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Window, Layout, ::testing::ValuesIn(kLayout),
                         [](const auto& info) { return std::string(info.param.hazard); });

TEST_F(FormTest, OffsetsStayInsideTheirLabelsAtTheirWidest) {
    Open();
    const QLabel* label = Get<QLabel>("Label11");
    EXPECT_LE(label->fontMetrics().horizontalAdvance("-11.20"), label->contentsRect().width());
}

TEST_F(FormTest, WindowIsAFixedBlackFrameTitledSatrivox) {
    Open();
    EXPECT_EQ(form->windowTitle(), "Satrivox");
    EXPECT_EQ(form->size(), QSize(710, 286));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    EXPECT_EQ(form->palette().color(form->backgroundRole()), QColor(0, 0, 0));
}

TEST_F(FormTest, FocusStartsOnPlotAndTheKeyVisitsTheCommandsInOrder) {
    Open();
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    ASSERT_EQ(QApplication::focusWidget(), Button("Command1"));
    QStringList visited;
    QWidget* widget = Button("Command1");
    do {
        visited << widget->objectName();
        widget = widget->nextInFocusChain();
        while (!(widget->focusPolicy() & Qt::TabFocus) || !widget->isEnabled() || widget->parentWidget() != form.get()) {
            widget = widget->nextInFocusChain();
        }
    } while (widget != Button("Command1"));
    EXPECT_EQ(visited, QStringList({"Command1", "DTPicker1", "Text1", "Command2", "Command4", "Check1", "Check2"}));
}

TEST_F(FormTest, OffsetsAndPictureAreNamedForAScreenReader) {
    Open();
    const char* moons[] = {"Io", "Europa", "Ganymede", "Callisto"};
    const char* labels[] = {"Label8", "Label9", "Label10", "Label11"};
    for (int moon = 0; moon < 4; ++moon) {
        const QString name = QAccessible::queryAccessibleInterface(Get<QLabel>(labels[moon]))->text(QAccessible::Name);
        EXPECT_TRUE(name.startsWith(moons[moon]) && name.contains("arcminutes")) << name.toStdString();
    }
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(Get<QLabel>("Image1"))->text(QAccessible::Name).isEmpty());
    EXPECT_EQ(Get<QLabel>("Label1")->buddy(), Get<QLineEdit>("Text1"));
}

TEST_F(FormTest, KeyboardAloneReachesAndRunsEveryCommand) {
    Open();
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    const auto press = [](Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); };
    const auto tabTo = [&](const char* name) {
        for (int step = 0; step < 10 && QApplication::focusWidget()->objectName() != name; ++step) {
            press(Qt::Key_Tab);
        }
        ASSERT_EQ(QApplication::focusWidget()->objectName(), name);
    };
    tabTo("Command2");
    press(Qt::Key_Space);
    EXPECT_EQ(Mode(), "Animating");
    tabTo("Command3");
    press(Qt::Key_Space);
    EXPECT_EQ(Mode(), "Idle");
    now = now.addDays(100);
    tabTo("Command4");
    press(Qt::Key_Space);
    EXPECT_EQ(Picker()->dateTime(), now);
    tabTo("Check1");
    press(Qt::Key_Space);
    EXPECT_EQ(Mode(), "Tracking");
    press(Qt::Key_Space);
    EXPECT_EQ(Mode(), "Idle");
    tabTo("Check2");
    press(Qt::Key_Space);
    EXPECT_TRUE(Get<QLabel>("Image1")->isVisible());
    tabTo("Command1");
    Picker()->setDateTime(QDateTime(QDate(2000, 1, 1), QTime(12, 0)));
    press(Qt::Key_Space);
    EXPECT_EQ(Offsets(), QStringList({"0.46", "0.27", "1.23", "-7.48"}));
}

TEST_F(FormTest, StartUpShowsThePresentMinuteAndItsPlotInIdle) {
    Open();
    EXPECT_EQ(Picker()->dateTime(), QDateTime(QDate(2000, 1, 1), QTime(12, 0)));
    EXPECT_EQ(Picker()->displayFormat(), "MM/dd/yyyy HH:mm");
    EXPECT_EQ(Picker()->minimumDateTime(), QDateTime(QDate(1601, 1, 1), QTime(0, 0)));
    EXPECT_EQ(Picker()->maximumDateTime(), QDateTime(QDate(9999, 12, 31), QTime(23, 59, 59, 999)));
    EXPECT_EQ(Mode(), "Idle");
    EXPECT_FALSE(Check("Check1")->isChecked());
    EXPECT_FALSE(Check("Check2")->isChecked());
    EXPECT_EQ(Get<QLineEdit>("Text1")->text(), "60");
    EXPECT_GT(Get<QLineEdit>("Text1")->maxLength(), 32767) << "the step box has no length limit";
    EXPECT_EQ(Offsets(), QStringList({"0.46", "0.27", "1.23", "-7.48"}));

    const QLabel* picture = Get<QLabel>("Image1");
    EXPECT_TRUE(picture->isHidden());
    EXPECT_EQ(picture->geometry(), QRect(341, 137, 29, 26));
}

TEST_F(FormTest, PictureIsAGreyPlanetOnBlack) {
    Open();
    const QImage picture = Get<QLabel>("Image1")->pixmap().toImage();
    ASSERT_EQ(picture.size(), QSize(29, 26));
    int lit = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QColor c = picture.pixelColor(x, y);
            ASSERT_TRUE(c.red() == c.green() && c.green() == c.blue()) << x << "," << y;
            lit += c.red() > 0 ? 1 : 0;
        }
    }
    EXPECT_EQ(picture.pixelColor(0, 0), QColor(0, 0, 0));
    EXPECT_GT(picture.pixelColor(14, 13).red(), 64);
    EXPECT_GT(lit, 29 * 26 / 2);
}

}  // namespace
}  // namespace satrivox::testing
