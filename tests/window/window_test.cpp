// SPDX-License-Identifier: GPL-3.0-or-later
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
namespace {

const QStringList kNoonOffsets{"0.46", "0.27", "1.23", "-7.48"};

// Where the window keeps its view: a folder of the test's own (see main), empty
// at the start of every test.
std::filesystem::path SettingsFolder() {
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

// ---- The plot, at the screen's pixel ratio: 1, or 2 under QT_SCALE_FACTOR=2 ------

constexpr int kCentreX = 355, kRow = 150;
constexpr QRgb kRed = qRgb(255, 0, 0), kCyan = qRgb(0, 255, 255), kWhite = qRgb(255, 255, 255);

// Offsets that put each moon's dot `pixels` from the centre.
ephemeris::SatelliteOffsets AtPixels(double io, double europa, double ganymede, double callisto) {
    const double perRadius = 6.0 / 46.0 * 60.0;
    return {io / perRadius, europa / perRadius, ganymede / perRadius, callisto / perRadius, 4.0};
}

// Pixels of `image` (within `area`, if given) that pass `test`.
int Count(const QImage& image, const std::function<bool(QRgb)>& test, QRect area = {}) {
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
int DevicePixel(double place, qreal ratio) {
    return static_cast<int>(std::floor((static_cast<float>(place) + 0.5F) * ratio));
}

// The lit device pixels within `reach` of `centre`, as offsets from it, by colour.
std::map<std::pair<int, int>, QRgb> LitAround(const QImage& surface, QPoint centre, int reach) {
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
bool SymmetricAndSolid(const std::map<std::pair<int, int>, QRgb>& shape) {
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

// At ratio 1, the shapes the window has always drawn: a dot is a filled cross
// of five pixels on the pixel nearest its place, halves up, and covers a moon
// drawn earlier at the same place; an old dot that touched the ring leaves a
// nick in it until the next plot draws the ring again.
TEST_F(Plot, AtRatioOneADotIsACrossAndAnOldDotNicksTheRingUntilTheNextPlot) {
    std::map<std::pair<int, int>, QRgb> cross;
    for (const auto& pixel : {std::pair{0, -1}, {-1, 0}, {0, 0}, {1, 0}, {0, 1}}) {
        cross[pixel] = kCyan;
    }
    for (const double fraction : {0.49, 0.5, -0.49, -0.51}) {
        Replot(AtPixels(-30 + fraction, -30 + fraction, 90, 200));
        const int nearest = kCentreX - 30 + (fraction >= 0.5 ? 1 : fraction < -0.5 ? -1 : 0);
        EXPECT_EQ(LitAround(form->Surface(), {nearest, kRow}, 2), cross) << "Europa over Io, " << fraction;
    }
    for (const auto& [io, expected] : {std::pair{7, kRed}, {40, qRgb(0, 0, 0)}, {40, kWhite}}) {
        Replot(AtPixels(io, 80, -120, 200));
        EXPECT_EQ(form->Surface().pixel(kCentreX + 6, kRow), expected) << "Io at " << io;
    }
}

// A plot repaints what it changed, the ring and the old and new dots, and no more;
// with every dot on one side and then the other, the ring's own rectangle counts.
TEST_F(Plot, RepaintsOnlyWhatItChanged) {
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    struct : QObject {
        QRegion painted;
        bool eventFilter(QObject*, QEvent* event) override {
            painted += event->type() == QEvent::Paint ? static_cast<QPaintEvent*>(event)->region() : QRegion();
            return false;
        }
    } spy;
    form->installEventFilter(&spy);
    for (const int side : {-1, 1}) {
        Replot(AtPixels(side * 40, side * 80, side * 120, side * 200));
        QCoreApplication::processEvents();
        spy.painted = {};
        Replot(AtPixels(side * 30, side * 80, side * 120, side * 200));
        QCoreApplication::processEvents();
        for (const QRect& changed : {QRect(kCentreX - 6, kRow - 6, 13, 13), QRect(kCentreX + side * 40 - 1, kRow - 1, 3, 3),
                                     QRect(kCentreX + side * 30 - 1, kRow - 1, 3, 3)}) {
            EXPECT_TRUE(QRegion(changed).subtracted(spy.painted).isEmpty()) << side;
        }
        EXPECT_LE(spy.painted.boundingRect().height(), 13);
    }
}

// On screens scaled 1, 1.25, 1.5, 1.75 and 2, the window draws its last plot
// again at the new ratio. Wherever a moon's place falls, its dot is one disc,
// symmetric both ways, on the device pixel nearest that place; the ring is one
// circle on the same pixel as a dot at offset 0; an erase leaves nothing lit;
// and the picture, drawn for ratio 1 or 2 at the control's size, 29 x 26, has
// its middle pixel on the ring's, and its disc within those 26 rows.
TEST_F(Plot, ShapesAndPictureAreExactAtEveryScaleFactor) {
    form->show();
    Click("Check2");
    // ratio: pixels of a dot, of the ring, the ring's diameter, as the README lists them
    const std::map<qreal, std::array<int, 3>> sizes{
        {1.0, {5, 32, 13}}, {1.25, {5, 44, 17}}, {1.5, {13, 100, 19}}, {1.75, {13, 136, 23}}, {2.0, {13, 140, 25}}};
    std::set<qreal> ratios;
    for (QScreen* screen : QGuiApplication::screens()) {
        form->windowHandle()->setScreen(screen);
        QCoreApplication::processEvents();
        const qreal ratio = form->devicePixelRatioF();
        ASSERT_EQ(form->Surface().devicePixelRatio(), ratio) << screen->name().toStdString();
        const QPoint centre(DevicePixel(kCentreX, ratio), DevicePixel(kRow, ratio));
        const std::array<int, 3>& size = sizes.at(ratio);
        Click("Check2");
        for (const double fraction : {0.0, 0.3, 0.5, 0.7}) {
            Replot(AtPixels(0.0, 60 + fraction, -90.5 - fraction, 150.25 + fraction));
            const QImage& surface = form->Surface();
            const auto middle = LitAround(surface, centre, size[2] / 2 + 1);  // the ring and what it holds
            const auto io = LitAround(surface, centre, 3);
            auto ring = middle;
            std::erase_if(ring, [&io](const auto& pixel) { return io.contains(pixel.first); });
            EXPECT_TRUE(SymmetricAndSolid(ring) && SymmetricAndSolid(io)) << ratio << " ring and Io's dot on one pixel";
            EXPECT_TRUE(io.size() == static_cast<std::size_t>(size[0]) && middle.size() == io.size() + size[1]) << ratio;
            std::size_t lit = middle.size();
            for (const double place : {60 + fraction, -90.5 - fraction, 150.25 + fraction}) {
                const auto dot = LitAround(surface, QPoint(DevicePixel(kCentreX + place, ratio), centre.y()), 3);
                EXPECT_TRUE(dot.size() == io.size() && SymmetricAndSolid(dot)) << ratio << " a dot " << place << " from the centre";
                lit += dot.size();
            }
            EXPECT_EQ(Count(surface, kLit), static_cast<int>(lit)) << ratio << ": every earlier dot erased";
        }
        Click("Check2");
        const QImage& shown = form->Surface();
        QRect picture;  // over the ring and Io's dot
        for (const auto& [pixel, rgb] : LitAround(shown, centre, size[2] + 4)) {
            picture |= QRect(centre + QPoint(pixel.first, pixel.second), QSize(1, 1));
        }
        EXPECT_TRUE(picture.width() % 2 == 1 && picture.height() % 2 == 1 && picture.center() == centre) << ratio;
        const QImage drawn(ratio == 1.0 ? ":/window/planet.png" : ":/window/planet@2x.png");
        EXPECT_EQ(drawn.size(), Get("Image1")->size() * (ratio == 1.0 ? 1 : 2)) << "the control's 29 x 26";
        const QRect area(centre - QPoint(drawn.width() / 2, drawn.height() / 2), drawn.size());
        EXPECT_TRUE((ratio != 1.0 && ratio != 2.0) || shown.copy(area) == drawn.convertToFormat(shown.format())) << ratio;
        ratios.insert(ratio);
    }
    EXPECT_EQ(ratios, std::set<qreal>({1.0, 1.25, 1.5, 1.75, 2.0}));
}

// ---- At the eyepiece: the view mirrored, night colours, names, the copied line ----

QString Negated(const QString& number) { return number.startsWith('-') ? number.mid(1) : "-" + number; }

// However a plot comes (Plot, Now, an animation's tick, tracking's tick), the
// mirrored view is the other reflected about the centre column to the pixel,
// dots, a nick in the ring and picture alike, with "E" and "W" at the row's
// ends and every number negated.
TEST_F(Plot, MirroredViewIsTheOtherReflectedWithItsNumbersNegated) {
    form->show();
    Click("Check2");
    const std::map<std::string, std::function<void()>> ways{
        {"plot", [this] { Click("Command1"); }},
        {"now", [this] { Click("Command4"); }},
        {"animation", [this] { Click("Command2"), Tick("Timer1"), Click("Command3"); }},
        {"tracking", [this] { Click("Check1"), Tick("Timer2"), Click("Check1"); }}};
    for (const auto& [way, plot] : ways) {
        std::array<QImage, 2> views;
        std::array<QStringList, 2> numbers;
        for (const int mirrored : {0, 1}) {
            model = AtPixels(7.5, -80.5, 120.2, -199.7);
            plot();
            model = AtPixels(40.5, -6.5, 120.2, -199.7);
            plot();
            const QImage& surface = form->Surface();
            views[mirrored] = surface.scaled(surface.size() / surface.devicePixelRatio());
            numbers[mirrored] = Offsets();
            Trigger("actionMirrorEastWest");
        }
        for (int y = kRow - 8; y <= kRow + 8; ++y) {
            for (int x = 30; x <= 680; ++x) {
                ASSERT_EQ(views[1].pixel(x, y), views[0].pixel(2 * kCentreX - x, y)) << way << " at " << x << "," << y;
            }
        }
        for (const QRect& end : {QRect(0, kRow - 8, 30, 17), QRect(680, kRow - 8, 30, 17)}) {
            EXPECT_TRUE(Count(views[0], kLit, end) == 0 && Count(views[1], kLit, end) > 0) << way;
        }
        std::transform(numbers[0].begin(), numbers[0].end(), numbers[0].begin(), Negated);
        EXPECT_EQ(numbers[1], numbers[0]) << way;
    }
}

// Names are drawn, close moons' each in a place of its own (as many pixels lit
// as when spread out), and erased with their dots: after any sequence of plots,
// toggles and moves between screens of every ratio, the surface differs from
// the same plot drawn afresh only where an old dot nicked the ring.
TEST_F(Plot, NamesApartAndNoStaleLetterAfterAnySequenceOfPlotsTogglesAndScreens) {
    form->show();
    const auto lit = [this](const ephemeris::SatelliteOffsets& offsets) { return Replot(offsets), Count(form->Surface(), kLit); };
    const int spreadOut = lit(AtPixels(-200, -100, 100, 200)), close = lit(AtPixels(100, 103, 106, 109));
    Trigger("actionMoonNames");
    const int names = lit(AtPixels(-200, -100, 100, 200)) - spreadOut;
    EXPECT_TRUE(names > 0 && lit(AtPixels(100, 103, 106, 109)) - close == names) << "every name drawn, close ones apart";
    // Apart, every name sits above its dot, whichever moon lies furthest out.
    const QRect underTheRow(0, kRow + 7, form->Surface().width(), 7);
    for (const auto& apart : {AtPixels(200, -200, -100, 100), AtPixels(-200, 200, 100, -100)}) {
        Replot(apart);
        EXPECT_EQ(Count(form->Surface(), kLit, underTheRow), 0);
    }
    std::mt19937 random(13);
    const auto near = [&random](double x, int spread) { return x + static_cast<double>(random() % spread); };
    for (int step = 0; step < 150 && !HasFailure(); ++step) {
        if (const unsigned what = random() % 6; what < 3) {
            const double x = near(-150, 300);
            Replot(AtPixels(x, near(x, 9), near(x - 8, 9), near(-200, 400)));
        } else if (what < 5) {
            Trigger(what == 3 ? "actionMirrorEastWest" : "actionMoonNames");
        } else {
            form->windowHandle()->setScreen(QGuiApplication::screens().at(static_cast<int>(random() % 5)));
            QCoreApplication::processEvents();
        }
        const QImage drawn = form->Surface();
        Trigger("actionMirrorEastWest");
        Trigger("actionMirrorEastWest");
        const qreal ratio = drawn.devicePixelRatio();
        const int radius = static_cast<int>(std::lround(6 * ratio));
        const QRect ring(QPoint(DevicePixel(kCentreX, ratio) - radius, DevicePixel(kRow, ratio) - radius), QSize(2, 2) * radius + QSize(1, 1));
        ASSERT_EQ(drawn.size(), form->Surface().size());
        for (int y = 0; y < drawn.height(); ++y) {
            for (int x = 0; x < drawn.width(); ++x) {
                ASSERT_TRUE(drawn.pixel(x, y) == form->Surface().pixel(x, y) || ring.contains(x, y))
                    << "step " << step << " at " << x << "," << y << " at ratio " << ratio;
            }
        }
    }
}

const auto kGreenOrBlue = [](QRgb rgb) { return qGreen(rgb) > 40 || qBlue(rgb) > 40; };

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
    ASSERT_EQ(form->actions().size(), 6);
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

struct SettingsRow {
    const char* hazard;
    const char* file;  // the settings file's bytes, or a folder where "/"
    bool mirroredNamed;
    bool keptAsItWas;  // after a toggle
};

class ViewSettings : public FormTest, public ::testing::WithParamInterface<SettingsRow> {};

// The view is read at start-up and saved when a toggle changes. Nothing is
// written before; a file Satrivox cannot read as its own gives the default view
// without a word, and is never written over.
TEST_P(ViewSettings, AreReadAtStartAndNeverWriteOverWhatIsNotTheirs) {
    const SettingsRow& row = GetParam();
    const std::filesystem::path file = row.file == std::string("folder_is_a_file") ? SettingsFolder() : SettingsFolder() / "satrivox.conf";
    std::filesystem::create_directories(file.parent_path());
    if (row.file == std::string("/")) {
        std::filesystem::create_directory(file);
    } else if (*row.file != '\0') {
        std::ofstream(file, std::ios::binary) << row.file;
    }
    const auto contents = [&file] { return std::filesystem::is_directory(file) ? "/" : (std::stringstream() << std::ifstream(file, std::ios::binary).rdbuf()).str(); };
    const std::string before = contents();
    Open();
    EXPECT_EQ(Get<QAction>("actionMirrorEastWest")->isChecked() && Get<QAction>("actionMoonNames")->isChecked(), row.mirroredNamed);
    EXPECT_EQ(Get<QLabel>("Label8")->text().startsWith('-'), row.mirroredNamed) << "Io's offset, drawn left when mirrored, negative";
    EXPECT_EQ(contents(), before) << "nothing written at start";
    Trigger("actionNightColours");
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(contents() == before, row.keptAsItWas);
    Open();
    EXPECT_EQ(Get<QAction>("actionNightColours")->isChecked(), !row.keptAsItWas) << "remembered";
    Trigger("actionMirrorEastWest");
    Open();
    EXPECT_EQ(Get<QAction>("actionMirrorEastWest")->isChecked(), row.keptAsItWas == row.mirroredNamed) << "the mirror too";
}

INSTANTIATE_TEST_SUITE_P(
    Window, ViewSettings,
    ::testing::Values(SettingsRow{"none_yet", "", false, false},
                      SettingsRow{"mirrored_and_named", "[view]\nmirrorEastWest=true\nmoonNames=true\n", true, false},
                      SettingsRow{"value_not_true_or_false", "[view]\nmirrorEastWest=1\nmoonNames=yes\n", false, false},
                      SettingsRow{"garbled", "\x01[view\nmirrorEastWest=true\nmoonNames=true\n", false, true},
                      SettingsRow{"another_kind", "\x89PNG\r\n\x1a\n\x00\x00\x00\rIHDR", false, true},
                      SettingsRow{"someone_elses_keys", "[General]\nbackup=/home\n[view]\nmirrorEastWest=true\nmoonNames=true\n", true, true},
                      SettingsRow{"unreadable", "/", false, true},
                      SettingsRow{"folder_is_a_file", "folder_is_a_file", false, true}),
    kHazardName);

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

struct AnimationRow {
    const char* hazard;
    const char* zone;
    QDateTime (*start)();
    const char* step;
    int ticks;
    QStringList expected;  // the picker after the first ticks, then after the last
};

class Animation : public FormTest, public ::testing::WithParamInterface<AnimationRow> {};

// Each tick plots the picker, then steps it by the minutes the text begins with:
// N ticks of s minutes move it N x s minutes to the millisecond. A step into a
// time the zone skips lands on the side it moves towards, passing the gap.
TEST_P(Animation, EachTickPlotsThePickerThenStepsIt) {
    const AnimationRow& row = GetParam();
    const ScopedTimeZone zone(row.zone);
    Open();
    const QStringList atStart = OffsetsAt(row.start());
    SetStep(row.step);
    Click("Command2");
    QStringList shown;
    for (int tick = 1; tick <= row.ticks; ++tick) {
        Tick("Timer1");
        EXPECT_TRUE(tick > 1 || Offsets() == atStart) << "the first tick draws the value the animation started from";
        if (tick < row.expected.size() || tick == row.ticks) {
            shown << Picker()->time().toString("HH:mm:ss.zzz");
        }
    }
    EXPECT_EQ(shown, row.expected);
}

QDateTime Noon() { return {QDate(2000, 1, 1), QTime(12, 0)}; }
template <int Month, int Day, int Hour, int Minute>
QDateTime At() { return {QDate(2026, Month, Day), QTime(Hour, Minute)}; }

INSTANTIATE_TEST_SUITE_P(
    Window, Animation,
    ::testing::Values(
        AnimationRow{"half_a_minute_and_words", "UTC", Noon, " 0.5 minutes", 2, {"12:00:30.000", "12:01:00.000"}},
        AnimationRow{"explicit_plus", "UTC", Noon, "+7", 1, {"12:07:00.000"}},
        AnimationRow{"bare_fraction", "UTC", Noon, "\t.25", 1, {"12:00:15.000"}},
        AnimationRow{"trailing_point_and_blank_inside", "UTC", Noon, "7. 5", 1, {"12:07:00.000"}},
        AnimationRow{"exponent", "UTC", Noon, "2.5E-2", 1, {"12:00:01.500"}},
        AnimationRow{"exponent_without_sign", "UTC", Noon, "1e1", 1, {"12:10:00.000"}},
        AnimationRow{"incomplete_exponent", "UTC", Noon, "3e+x", 1, {"12:03:00.000"}},
        AnimationRow{"no_number_sign_or_point_alone", "UTC", Noon, "-.abc", 2, {"12:00:00.000", "12:00:00.000"}},
        AnimationRow{"hexadecimal_strtod_would_take", "UTC", Noon, "0x10", 1, {"12:00:00.000"}},
        AnimationRow{"below_a_millisecond", "UTC", Noon, "0.00001", 1000, {"12:00:00.001", "12:00:00.600"}},
        AnimationRow{"far_below_a_millisecond", "UTC", Noon, "0.000001", 1000, {"12:00:00.000", "12:00:00.060"}},
        AnimationRow{"backwards_below_a_millisecond", "UTC", Noon, "-0.00001", 1000, {"11:59:59.999", "11:59:59.400"}},
        AnimationRow{"new_york_gap_backwards", "America/New_York", At<3, 8, 4, 0>, "-30", 4,
                     {"03:30:00.000", "03:00:00.000", "01:30:00.000", "01:00:00.000"}},
        AnimationRow{"new_york_gap_forwards", "America/New_York", At<3, 8, 1, 0>, "30", 3,
                     {"01:30:00.000", "03:00:00.000", "03:30:00.000"}},
        AnimationRow{"lord_howe_gap_backwards", "Australia/Lord_Howe", At<10, 4, 3, 0>, "-15", 4,
                     {"02:45:00.000", "02:30:00.000", "01:45:00.000", "01:30:00.000"}},
        AnimationRow{"lord_howe_gap_forwards", "Australia/Lord_Howe", At<10, 4, 1, 30>, "15", 3,
                     {"01:45:00.000", "02:30:00.000", "02:45:00.000"}}),
    kHazardName);

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

class PresentMoment : public FormTest, public ::testing::WithParamInterface<const char*> {};

// The present moment goes into the picker, seconds included except at start-up,
// and is plotted for its own instant: 06:45:30 UT on the night New York's clocks
// go back is the second 01:45 of that night, also for "Plot" while the picker is
// untouched; typed in, the same wall-clock time is its first pass.
TEST_P(PresentMoment, IsPlottedForItsOwnInstantInEitherPass) {
    const ScopedTimeZone zone("America/New_York");
    now = QDateTime(QDate(2026, 11, 1), QTime(6, 45, 30, 250), QTimeZone::utc());
    Open();
    const std::string how = GetParam();
    if (how != "start_up") {
        Click(how == "now" ? "Command4" : "Check1");
    }
    if (how == "tracking") {
        Tick("Timer2");
        Click("Check1");
    }
    EXPECT_EQ(Picker()->time().toString("HH:mm:ss.zzz"), how == "start_up" ? "01:45:00.000" : "01:45:30.250");
    const QStringList secondPass{"-0.05", "-0.81", "-1.98", "-3.69"};
    EXPECT_EQ(Offsets(), secondPass);
    Click("Command1");
    EXPECT_EQ(Offsets(), secondPass) << "Plot with the picker untouched";
    const QDateTime shown = Picker()->dateTime();
    Picker()->setDateTime(shown.addSecs(60));
    EXPECT_EQ(OffsetsAt(shown), QStringList({"-0.31", "-0.62", "-1.84", "-3.58"})) << "typed in: the first pass";
}

INSTANTIATE_TEST_SUITE_P(Window, PresentMoment, ::testing::Values("start_up", "now", "tracking"),
                         [](const auto& info) { return std::string(info.param); });

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

// ---- Precise positions and the events dialog ----------------------------------------

// With precise positions the dots and numbers are the precise theory's, the
// ring is the disc's own size (8 pixels), and the copied line says "precise";
// off again, the window is what it was, to the bit. The choice is remembered.
TEST_F(Plot, PrecisePositionsDrawTheTheoryAndGiveTheModelBackExactly) {
    ephemeris::PreciseView precise;
    const std::array<double, 4> pixels{30, -55, 100, -180};
    for (std::size_t moon = 0; moon < 4; ++moon) {
        precise.moons[moon].westRadii = pixels[moon] / (6.0 / 46.0 * 60.0);
        precise.moons[moon].westArcmin = precise.moons[moon].westRadii * 0.5;
    }
    environment.computePrecise = [&precise](ephemeris::UniversalTime) { return precise; };
    Open();
    const QImage model = form->Surface();
    const QStringList numbers = Offsets();
    Trigger("actionPrecisePositions");
    EXPECT_EQ(Offsets(), QStringList({"1.92", "-3.51", "6.39", "-11.50"}));
    const QImage& surface = form->Surface();
    const std::array<QRgb, 4> colours{kRed, kCyan, qRgb(255, 255, 200), kWhite};
    for (std::size_t moon = 0; moon < 4; ++moon) {
        EXPECT_EQ(surface.pixel(kCentreX + static_cast<int>(pixels[moon]), kRow), colours[moon]) << moon;
    }
    EXPECT_TRUE(surface.pixel(kCentreX + 8, kRow) == kWhite && surface.pixel(kCentreX + 6, kRow) != kWhite) << "the disc's radius";
    Trigger("actionCopyOffsets");
    EXPECT_TRUE(QGuiApplication::clipboard()->text().endsWith("Callisto -11.50  arcmin  precise"));
    Trigger("actionPrecisePositions");
    EXPECT_TRUE(form->Surface() == model && Offsets() == numbers);
    Trigger("actionPrecisePositions");
    Open();
    EXPECT_TRUE(Get<QAction>("actionPrecisePositions")->isChecked() && Offsets().front() == "1.92") << "remembered";
}

// Where the precise theory cannot compute the plotted instant (past 2500),
// turning it on says so and leaves the window and the setting as they were.
TEST_F(Plot, PrecisePositionsRefusedForTheInstantLeaveTheModel) {
    environment.computePrecise = [](ephemeris::UniversalTime) -> ephemeris::PreciseView {
        throw std::out_of_range("Events and precise positions are computed for the years 1600 to 2500 only");
    };
    Open();
    const QImage model = form->Surface();
    const QStringList numbers = Offsets();
    Trigger("actionPrecisePositions");
    EXPECT_EQ(Messages().size(), 1);
    EXPECT_FALSE(Get<QAction>("actionPrecisePositions")->isChecked());
    EXPECT_TRUE(form->Surface() == model && Offsets() == numbers);
    Open();
    EXPECT_FALSE(Get<QAction>("actionPrecisePositions")->isChecked()) << "not remembered";
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

// The events dialog, opened from its key on the picker's date: a night, a
// week or a month of events from local noon as FindMoonEvents finds them.
class EventsDialog : public FormTest {
protected:
    void SetUp() override { Reopen(); }
    // A new window on 2019 January 5, 23:00, and its dialog by its key.
    void Reopen() {
        if (dialog != nullptr) {
            dialog->close();
        }
        Open();
        Show();
        Picker()->setDateTime({QDate(2019, 1, 5), QTime(23, 0)});
        QTest::keySequence(form.get(), QKeySequence("Ctrl+Shift+E"));
        dialog = form->findChild<QDialog*>("EventsDialog");
        ASSERT_TRUE(dialog != nullptr && Active(dialog));
        table = dialog->findChild<QTableView*>("eventTable");
    }
    // The window with the keyboard, not merely one beside it (QWindow::isActive).
    static bool Active(QDialog* window) {
        return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
    }
    QString Cell(int row, int column) const { return table->model()->index(row, column).data().toString(); }
    int MoonsEvents() const {
        int rows = 0;
        for (int row = 0; row < table->model()->rowCount(); ++row) {
            rows += Cell(row, 2).isEmpty() ? 0 : 1;
        }
        return rows;
    }
    int Row(const QString& code) const {
        for (int row = 0; row < table->model()->rowCount(); ++row) {
            if (Cell(row, 4) == code) {
                return row;
            }
        }
        return -1;
    }
    QDialog* dialog = nullptr;
    QTableView* table = nullptr;
};

TEST_F(EventsDialog, ListsEachSpanFromLocalNoonInLocalTime) {
    ASSERT_EQ(MoonsEvents(), 13);
    EXPECT_EQ(QStringList({Cell(0, 0), Cell(0, 1), Cell(0, 2), Cell(0, 3), Cell(0, 4)}),
              QStringList({"01/05/2019", "12:22 UTC", "Ganymede", "Ganymede's shadow starts to cross the disc", "III.Sh.I"}));
    QAccessibleTableInterface* cells = QAccessible::queryAccessibleInterface(table)->tableInterface();
    QStringList heard;
    for (int column = 0; column < 4; ++column) {
        heard << cells->cellAt(0, column)->text(QAccessible::Name);
    }
    EXPECT_EQ(heard.mid(1), QStringList({"12:22 UTC", "Ganymede", "Ganymede's shadow starts to cross the disc"}));
    EXPECT_TRUE(heard[0].contains("January") && heard[0].contains("2019")) << "the date in words: " << heard[0].toStdString();
    QStringList headings;
    for (int column = 0; column < table->model()->columnCount(); ++column) {
        headings << table->model()->headerData(column, Qt::Horizontal).toString();
    }
    EXPECT_EQ(headings, QStringList({"Date", "Time", "Moon", "Event", "Code", "Jupiter", "Sun"}));
    EXPECT_EQ(table->model()->headerData(5, Qt::Horizontal, Qt::ToolTipRole).toString(), "Jupiter's altitude above the horizon");
    auto* span = dialog->findChild<QComboBox*>("spanBox");
    for (const auto& [index, days] : {std::pair{1, 7}, {2, 31}}) {
        span->setCurrentIndex(index);
        const auto from = ephemeris::UniversalTime{std::chrono::sys_days{std::chrono::year{2019} / 1 / 5} + std::chrono::hours{12}};
        auto events = ephemeris::FindMoonEvents(from, from + std::chrono::days{days});
        std::erase_if(events, [](const ephemeris::MoonEvent& event) { return !event.visible; });
        EXPECT_EQ(MoonsEvents(), static_cast<int>(events.size())) << days;
    }
    const ScopedTimeZone zone("Asia/Kathmandu");
    span->setCurrentIndex(0);
    EXPECT_TRUE(Cell(0, 1).endsWith("+0545") && Cell(0, 0) == "01/05/2019") << "noon here is 06:15 UT";
}

// Enter or a double-click sets the picker to the event's instant and plots it:
// with precise positions, Io leaving the disc is on the ring. Tracking, which
// would move the picker on, stops.
TEST_F(EventsDialog, ChoosingAnEventPlotsItsInstantAndPutsTheMoonOnTheLimb) {
    Trigger("actionPrecisePositions");
    Click("Check1");
    table->setFocus();
    table->setCurrentIndex(table->model()->index(Row("I.Tr.E"), 0));
    QTest::keyClick(table, Qt::Key_Return);
    EXPECT_EQ(Mode(), "Idle");
    EXPECT_EQ(Picker()->dateTime().toString("MM/dd/yyyy HH:mm"), "01/05/2019 17:03");
    const int side = Get<QLabel>("Label8")->text().startsWith('-') ? -1 : 1;
    EXPECT_EQ(form->Surface().pixel(kCentreX + side * 8, kRow), kRed) << "Io's dot on the ring";
    const QPoint ingress = table->visualRect(table->model()->index(Row("III.Tr.I"), 3)).center();
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, ingress);
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, ingress);
    EXPECT_EQ(Picker()->dateTime().toString("HH:mm:ss"), "14:59:00");
    EXPECT_LE(std::abs(Get<QLabel>("Label10")->text().toDouble()), 0.28) << "Ganymede within a radius of the centre";
    table->setFocus();
    dialog->findChild<QComboBox*>("spanBox")->setCurrentIndex(1);
    QTest::keyClick(table, Qt::Key_Return);
    EXPECT_EQ(Picker()->dateTime().toString("HH:mm:ss"), "12:21:36") << "a new list starts at its first row";
}

// Ctrl+C copies the chosen rows (all of them if none); the list saves as CSV or
// as an iCalendar file, and a file that cannot be written is said so.
TEST_F(EventsDialog, CopiesAndSavesTheList) {
    table->setFocus();
    QTest::keySequence(table, QKeySequence::Copy);
    EXPECT_EQ(QGuiApplication::clipboard()->text().count(QLatin1Char(10)), table->model()->rowCount() + 1) << "a heading and every row";
    table->selectRow(Row("I.Sh.I"));
    QTest::keySequence(table, QKeySequence::Copy);
    const QStringList copied = QGuiApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    EXPECT_TRUE(copied.size() == 2 && copied[1].endsWith("I.Sh.I")) << copied.join('|').toStdString();
    QTemporaryDir folder;
    auto* events = static_cast<window::EventsDialog*>(dialog);
    for (const char* name : {"night.csv", "night.ics"}) {
        EXPECT_TRUE(events->SaveTo(folder.filePath(name)).isEmpty());
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_TRUE(file.readLine().startsWith(QString(name).endsWith("csv") ? "time,moon,code,event,jupiter_altitude" : "BEGIN:VCALENDAR")) << name;
    }
    EXPECT_FALSE(events->SaveTo(folder.filePath("no/such/folder/night.csv")).isEmpty());
}

// The span and the dialog's place are remembered; Tab reaches every control in
// order; night colours reach it, with no green or blue light.
TEST_F(EventsDialog, RemembersItsSpanAndPlaceAndWorksByKeyboardAndAtNight) {
    dialog->findChild<QComboBox*>("spanBox")->setCurrentIndex(1);
    dialog->move(dialog->pos() + QPoint(37, 61));  // clear of the top, where Qt moves a restored window down to show its title bar
    const QPoint place = dialog->pos();
    Reopen();
    EXPECT_EQ(dialog->findChild<QComboBox*>("spanBox")->currentIndex(), 1);
    EXPECT_EQ(dialog->pos(), place);
    dialog->findChild<QWidget*>("fromDate")->setFocus();
    QStringList order;
    for (int step = 0; step < 16 && order.size() < 10; ++step) {
        if (const QString name = QApplication::focusWidget()->objectName(); order.isEmpty() || order.back() != name) {
            order << name;
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(order, QStringList({"fromDate", "spanBox", "placeName", "placeCoordinates", "redSpotBox", "eventTable",
                                  "showButton", "copyButton", "saveButton", "closeButton"}))
        << "\"Only what I can see\" is off without a place";
    QTest::keySequence(dialog, QKeySequence("Ctrl+Shift+N"));
    EXPECT_TRUE(Get<QAction>("actionNightColours")->isChecked()) << "the view's keys work in the dialog";
    EXPECT_EQ(Count(dialog->grab().toImage(), kGreenOrBlue), 0) << "with the date's field edited";
}

// The date reaches the years the events are computed for and no further: a
// later window date says so; a date typed in lists once, when it is entered.
TEST_F(EventsDialog, TakesTheEnginesYearsAndADateOnceItIsEntered) {
    auto* from = dialog->findChild<QDateEdit*>("fromDate");
    const QSignalSpy listed(table->model(), &QAbstractItemModel::modelReset);
    from->setFocus();
    from->setSelectedSection(QDateTimeEdit::YearSection);
    QTest::keyClicks(from, "1600");
    EXPECT_EQ(listed.count(), 0) << "while typing";
    QTest::keyClick(from, Qt::Key_Return);
    EXPECT_EQ(listed.count(), 1);
    EXPECT_EQ(from->date(), QDate(1600, 1, 5));
    const auto noon = ephemeris::UniversalTime{std::chrono::sys_days{std::chrono::year{1600} / 1 / 5} + std::chrono::hours{12}};
    auto events = ephemeris::FindMoonEvents(noon, noon + std::chrono::days{1});
    std::erase_if(events, [](const ephemeris::MoonEvent& event) { return !event.visible; });
    EXPECT_EQ(MoonsEvents(), static_cast<int>(events.size())) << "the engine's first year";
    Picker()->setDate(QDate(2501, 3, 1));
    QTest::keySequence(form.get(), QKeySequence("Ctrl+Shift+E"));
    EXPECT_EQ(from->date(), QDate(2500, 12, 31));
    EXPECT_TRUE(dialog->findChild<QLabel*>("summaryLabel")->text().startsWith(
        "The window's date, 03/01/2501, is outside the years 1600 to 2500 that events are computed for: the list starts on 12/31/2500."));
}

// Under a zone with a city the dialog knows the place without asking and
// says what can be seen from it; a place typed in wins and is remembered,
// coordinates it cannot read leave the place as it was with one message, and
// empty coordinates give the zone's city back. Without a place it asks for one.
TEST_F(EventsDialog, KnowsThePlaceAndWhatCanBeSeenFromIt) {
    const auto field = [this](const char* name) { return dialog->findChild<QLineEdit*>(name); };
    const auto night = [this] { return dialog->findChild<QLabel*>("nightLabel")->text(); };
    const auto type = [&](const char* name, const QString& text) {
        field(name)->selectAll();
        QTest::keyClick(field(name), Qt::Key_Delete);
        QTest::keyClicks(field(name), text);
        QTest::keyClick(field(name), Qt::Key_Return);
    };
    EXPECT_TRUE(night().startsWith("Where are you?") && table->isColumnHidden(5)) << "UTC names no place";
    const ScopedTimeZone zone("Europe/Lisbon");
    Reopen();
    EXPECT_EQ(field("placeName")->text() + " " + field("placeCoordinates")->text(), "Lisbon 38.72°N, 9.13°W");
    EXPECT_TRUE(night().startsWith("Lisbon (38.72°N, 9.13°W): night from 18:32 WET")) << night().toStdString();
    const int sets = Row("J.Set");
    ASSERT_GE(sets, 0);
    EXPECT_EQ(Cell(sets, 5), "-0.4°");
    EXPECT_EQ(table->model()->index(sets, 3).data(Qt::ForegroundRole).value<QColor>(), QGuiApplication::palette().color(QPalette::PlaceholderText))
        << "dimmed: Jupiter is down";
    EXPECT_TRUE(table->model()->index(sets, 3).data(Qt::ToolTipRole).toString().contains("Jupiter is -0.4° up"));
    type("placeCoordinates", "somewhere");
    auto* problem = dialog->findChild<QLabel*>("placeProblem");
    EXPECT_TRUE(problem->isVisible() && problem->text().startsWith("The place is unchanged: ")) << problem->text().toStdString();
    EXPECT_TRUE(night().startsWith("Lisbon"));
    type("placeName", "Sydney %1");
    type("placeCoordinates", "-33.87, 151.21");
    EXPECT_FALSE(problem->isVisible());
    EXPECT_TRUE(night().startsWith("Sydney %1 (33.87°S, 151.21°E): ") && night().contains(QRegularExpression("″ across, magnitude -\\d\\.\\d\\.$")))
        << "the name's own %1 left as typed: " << night().toStdString();
    auto* onlySeen = dialog->findChild<QCheckBox*>("onlyVisibleBox");
    onlySeen->click();
    ASSERT_GT(table->model()->rowCount(), 0);
    for (int row = 0; row < table->model()->rowCount(); ++row) {
        EXPECT_FALSE(table->model()->index(row, 3).data(Qt::ForegroundRole).isValid()) << Cell(row, 4).toStdString();
    }
    dialog->findChild<QSpinBox*>("redSpotBox")->setValue(294);
    Reopen();
    EXPECT_TRUE(night().startsWith("Sydney") && dialog->findChild<QCheckBox*>("onlyVisibleBox")->isChecked() &&
                dialog->findChild<QSpinBox*>("redSpotBox")->value() == 294)
        << "remembered";
    EXPECT_EQ(settings::ObserverPlace()->name, "Sydney %1") << "and the command line's";
    type("placeCoordinates", "");
    EXPECT_TRUE(night().startsWith("Lisbon")) << "the zone's again";
}

// A place garbled in the settings file gives the zone's city.
TEST_F(FormTest, AGarbledPlaceGivesTheZonesCity) {
    const ScopedTimeZone zone("Europe/Lisbon");
    std::filesystem::create_directories(SettingsFolder());
    for (const char* place : {"name=Here\nlatitude=38.72\nlongitude=-9.14\n", "name=Here\nlatitude=north pole\nlongitude=-9.14\n",
                              "name=Here\nlatitude=91\nlongitude=-9.14\n", "name=\nlatitude=38.72\nlongitude=-9.14\n"}) {
        std::ofstream(SettingsFolder() / "satrivox.conf") << "[place]\n" << place;
        EXPECT_EQ(settings::ObserverPlace()->name, place == std::string_view("name=Here\nlatitude=38.72\nlongitude=-9.14\n") ? "Here" : "Lisbon") << place;
    }
    std::ofstream(SettingsFolder() / "satrivox.conf") << "[events]\nredSpotLongitude=400\n";
    EXPECT_EQ(settings::RedSpotLongitude(), lists::kDefaultRedSpotLongitude);
}

// A mutual event in words: who passes before or shades whom, the light lost
// (to a tenth of a percent under 1 %), and what to know of it.
TEST(EventList, MutualEventsInWords) {
    const ephemeris::UniversalTime at{};
    ephemeris::MutualEvent event{ephemeris::Moon::Europa, ephemeris::Moon::Io, ephemeris::MutualKind::Occultation,
                                 ephemeris::MutualShape::Partial, at, at, at, std::nullopt, std::nullopt, 0.01, 0.3, false, false};
    const auto words = [&event] { return lists::Words({event.begin, event, std::nullopt}); };
    EXPECT_EQ(words(), "Europa passes in front of Io: Io loses 1 % of its light");
    event = {ephemeris::Moon::Callisto, ephemeris::Moon::Ganymede, ephemeris::MutualKind::Eclipse, ephemeris::MutualShape::Partial,
             at, at, at, at, at, 0.004, 1.44, true, true};
    EXPECT_EQ(words(), "Callisto's shadow falls on Ganymede: Ganymede loses 0.4 % of its light near Jupiter's limb; "
                       "slow, 1.4 min per 100 km (unseen: behind Jupiter or in its shadow)");
    EXPECT_EQ(lists::Code({event.begin, event, std::nullopt}), "4E3P");
    EXPECT_EQ(lists::MoonOf({event.begin, event, std::nullopt}), "Ganymede");
}

// An event is seen from the place from Jupiter 5 degrees up and the Sun 6
// degrees down; an event nobody can see never is; without a place, nothing says.
TEST(EventList, SeenFromHereAtItsEdges) {
    const ephemeris::MoonEvent io{ephemeris::UniversalTime{}, ephemeris::Moon::Io, ephemeris::EventKind::TransitIngress, true};
    const auto seen = [&io](double jupiter, double sun, bool visible = true) {
        ephemeris::MoonEvent event = io;
        event.visible = visible;
        return lists::SeenFromHere({event.time, event, ephemeris::Altitudes{jupiter, sun}});
    };
    EXPECT_EQ(seen(5.0, -6.0), true);
    EXPECT_EQ(seen(4.95, -30.0), false);
    EXPECT_EQ(seen(60.0, -5.95), false);
    EXPECT_EQ(seen(60.0, -30.0, false), false);
    EXPECT_EQ(lists::SeenFromHere({io.time, lists::RedSpotTransit{70.0}, ephemeris::Altitudes{5.0, -6.0}}), true);
    EXPECT_EQ(lists::SeenFromHere({io.time, io, std::nullopt}), std::nullopt);
}

// ---- Long runs ---------------------------------------------------------------------

long ResidentKB() {
    long size = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> size >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

class LongRun : public FormTest {
protected:
    const QDateTime kFirst{QDate(1601, 1, 1), QTime(0, 0)};
    const QDateTime kLast{QDate(9999, 12, 31), QTime(23, 59, 59, 999)};

    void SetUp() override { Open(); }

    // Ticks with the step before each from `stepAt`, restarting after each stop: the
    // picker stays in range and stops only at an end, saying so. After the first
    // tenth no object is left behind and, over a long run, memory grows less than
    // 512 KB, below a leak of 10 bytes a tick over 90,000 (under ASan, LeakSanitizer checks).
    int Run(const char* timer, int ticks, const std::function<QString(int)>& stepAt) {
        const auto objects = [this] { return QApplication::allWidgets().size() + form->findChildren<QObject*>().size(); };
        [[maybe_unused]] long residentKB = ResidentKB();  // unread under AddressSanitizer
        qsizetype census = objects();
        int stops = 0;
        for (int tick = 1; tick <= ticks && !HasFailure(); ++tick) {
            SetStep(stepAt(tick));
            if (timer == std::string("Timer1") && Get("Command2")->isEnabled()) {
                Click("Command2");
            }
            now = now.addSecs(1);
            Tick(timer);
            const QDateTime at = Picker()->dateTime();
            EXPECT_TRUE(at >= kFirst && at <= kLast) << stepAt(tick).toStdString();
            if (Mode() == "Idle") {
                ++stops;
                const QString end = at == kFirst ? "start" : at == kLast ? "end" : "nowhere";
                EXPECT_EQ(Messages().size(), 1);
                EXPECT_TRUE(Messages().value(0)->text().contains(
                    QString("reached the %1 of the date range, %2").arg(end, at.toString("MM/dd/yyyy HH:mm"))));
                qDeleteAll(Messages());
            }
            if (tick % 1000 == 0) {
                QCoreApplication::sendPostedEvents();
            }
            if (tick == ticks / 10) {
                residentKB = ResidentKB();
                census = objects();
            }
        }
        EXPECT_EQ(objects(), census);
#if !defined(__SANITIZE_ADDRESS__)
        EXPECT_TRUE(ticks < 10000 || ResidentKB() - residentKB <= 512) << ResidentKB() - residentKB << " KB";
#endif
        return stops;
    }
};

TEST_F(LongRun, HundredThousandAnimationAndTenThousandTrackingTicksNeitherGrowNorDrift) {
    Picker()->setDateTime(kNoon);
    EXPECT_EQ(Run("Timer1", 100000, [](int) { return "0.25"; }), 0);
    EXPECT_EQ(Picker()->dateTime(), kNoon.addSecs(100000LL * 15));
    Click("Command3");
    Click("Check1");
    Run("Timer2", 10000, [](int) { return ""; });
    EXPECT_EQ(Picker()->dateTime(), now);
}

TEST_F(LongRun, StepsOfAnySizeStopOnlyAtTheRangesEnds) {
    for (const auto& [step, reachesTheEnd] : {std::pair{"1e-9", false}, {"0.001", false}, {"1", true}, {"60", true},
                                              {"1e5", true}, {"1e9", true}, {"1e15", true}, {"1e300", true}, {"1e400", true}}) {
        Picker()->setDateTime(kLast.addSecs(-120));
        EXPECT_EQ(Run("Timer1", 500, [&](int) { return QString(step); }) > 0, reachesTheEnd) << step;
        Picker()->setDateTime(kFirst.addSecs(120));
        EXPECT_EQ(Run("Timer1", 500, [&](int) { return "-" + QString(step); }) > 0, reachesTheEnd) << step;
    }
    const char* typed[] = {"1e400", "-1e400", "abc", "60", "-1e9", "1e-9", "", "1e300", "-0.5"};
    Picker()->setDateTime(kFirst.addYears(4000));
    EXPECT_GT(Run("Timer1", 300, [&](int tick) { return QString(typed[(tick * 7) % std::size(typed)]); }), 50)
        << "steps typed while running";
}

}  // namespace
}  // namespace satrivox::testing

// Widgets run without a display, on two screens scaled 1 and 2 (times
// QT_SCALE_FACTOR), with a settings folder of their own; every test sees UTC
// unless it sets a zone.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" SATRIVOX_TEST_SCREENS);
    qputenv("QT_SCREEN_SCALE_FACTORS", "ratio-1=1;ratio-2=2;ratio-1.25=1.25;ratio-1.5=1.5;ratio-1.75=1.75");
    QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
    ::setenv("TZ", "UTC", 1);
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
