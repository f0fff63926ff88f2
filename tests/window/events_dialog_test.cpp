// SPDX-License-Identifier: GPL-3.0-or-later
#include "form_test.hpp"

namespace satrivox::testing {
namespace {

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
    // The rows of the moons' own events, by their codes ("II.Sh.I"): mutual
    // events name a moon too.
    int MoonsEvents() const {
        static const QRegularExpression kOwnCode(R"(^I{1,3}V?\.(Tr|Sh|Ec|Oc)\.[IEDR]$)");
        int rows = 0;
        for (int row = 0; row < table->model()->rowCount(); ++row) {
            rows += kOwnCode.match(Cell(row, 4)).hasMatch() ? 1 : 0;
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
    Reopen();
    EXPECT_EQ(Count(dialog->grab().toImage(), kGreenOrBlue), 0) << "first opened in a window already at night";
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
    EXPECT_EQ(Cell(sets, 5), "0.0°");
    EXPECT_EQ(table->model()->index(sets, 3).data(Qt::ForegroundRole).value<QColor>(), QGuiApplication::palette().color(QPalette::PlaceholderText))
        << "dimmed: Jupiter is down";
    EXPECT_TRUE(table->model()->index(sets, 3).data(Qt::ToolTipRole).toString().contains("Jupiter is 0.0° up"));
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
    EXPECT_EQ(settings::ObserverPlace().value_or(ephemeris::Place{}).name, "Sydney %1") << "and the command line's";
    type("placeCoordinates", "");
    EXPECT_TRUE(night().startsWith("Lisbon")) << "the zone's again";
}

// The focus passing through the place's fields, nothing typed, leaves the time
// zone's place the zone's: it is not made the observer's own.
TEST_F(EventsDialog, FocusThroughThePlaceKeepsTheZonesPlace) {
    const ScopedTimeZone zone("Europe/Lisbon");
    Reopen();
    auto* coordinates = dialog->findChild<QLineEdit*>("placeCoordinates");
    ASSERT_FALSE(coordinates->text().isEmpty()) << "Lisbon, from the zone";
    emit dialog->findChild<QLineEdit*>("placeName")->editingFinished();
    emit coordinates->editingFinished();
    EXPECT_FALSE(settings::ReadEventsDialogSettings().place.has_value());
}

}  // namespace
}  // namespace satrivox::testing
