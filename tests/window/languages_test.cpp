// SPDX-License-Identifier: GPL-3.0-or-later
#include "form_test.hpp"
#include "translation_file.hpp"
#include "translations/language.hpp"

namespace satrivox::testing {
namespace {

// A caption as it is drawn, without its shortcut's marks.
int CaptionAdvance(const QWidget& widget) {
    return QFontMetrics(widget.font()).horizontalAdvance(QString(widget.property("text").toString()).remove('&'));
}

// The width the style leaves for a caption; text wider than it is clipped.
int CaptionRoom(const QWidget& widget) {
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

// Each language the program speaks, in the window and the events dialog: the
// words its file gives, and every caption and column whole.
class Languages : public FormTest, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override {
        language.Install();
        Open();
        Show();
    }
    translations::UsersLanguage language{GetParam()};
    const TranslationFile words{GetParam()};
};

TEST_P(Languages, EveryCaptionOfTheWindowIsTheLanguagesAndFitsItsControl) {
    ASSERT_EQ(language.Language(), GetParam());
    EXPECT_EQ(Get<QAbstractButton>("Command1")->text(), words("Form1", "Plot"));
    EXPECT_EQ(Get<QAbstractButton>("Check1")->text(), words("Form1", "Track Now"));
    EXPECT_EQ(Get<QAbstractButton>("Check2")->text(), words("Form1", "Jupiter picture"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(Get("Label8"))->text(QAccessible::Name),
              words("Form1", "%1, %2 arcminutes").arg(words("EventWording", "Io"), Get<QLabel>("Label8")->text()));
    EXPECT_EQ(Picker()->displayFormat(), "MM/dd/yyyy HH:mm") << "the picker keeps its own format";
    const QSize size = form->size();
    Get<QLabel>("Label11")->setText("-11.20");  // the widest offset
    for (QWidget* widget : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QString text = widget->property("text").toString();
        EXPECT_LE(QFontMetrics(widget->font()).horizontalAdvance(text), CaptionRoom(*widget)) << text.toStdString();
    }
    EXPECT_EQ(form->size(), size);
}

TEST_P(Languages, TheEventsDialogSpeaksItWithItsDatesAndShowsWholeWordsAndColumns) {
    const ScopedTimeZone zone("Europe/Berlin");  // a place, so every column shows
    Picker()->setDateTime({QDate(2019, 1, 5), QTime(23, 0)});
    QTest::keySequence(form.get(), QKeySequence("Ctrl+Shift+E"));
    auto* dialog = form->findChild<QDialog*>("EventsDialog");
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
    auto* table = dialog->findChild<QTableView*>("eventTable");
    const auto cell = [table](int row, int column, int role = Qt::DisplayRole) {
        return table->model()->index(row, column).data(role).toString();
    };
    EXPECT_EQ(dialog->windowTitle(), words("EventsDialog", "Events of Jupiter's moons"));
    EXPECT_EQ(dialog->findChild<QPushButton*>("closeButton")->text(), words("EventsDialog", "C&lose"));
    EXPECT_FALSE(table->horizontalHeader()->isSectionHidden(6)) << "with a place, the altitudes show";
    EXPECT_EQ(cell(0, 0), QDate(2019, 1, 5).toString(words("ObservingLog", "MM/dd/yyyy")));
    EXPECT_EQ(cell(0, 0, Qt::AccessibleTextRole), QLocale(GetParam()).toString(QDate(2019, 1, 5), QLocale::LongFormat));
    EXPECT_EQ(cell(0, 2), words("EventWording", "Ganymede"));
    EXPECT_EQ(cell(0, 3), words("EventWording", "%1's shadow starts to cross the disc").arg(words("EventWording", "Ganymede")));
    EXPECT_EQ(cell(0, 4), "III.Sh.I") << "codes are the same in every language";
    EXPECT_EQ(table->model()->headerData(3, Qt::Horizontal).toString(), words("window::EventListModel", "Event"));

    // A night of the moons' mutual events, their words the longest.
    dialog->findChild<QDateEdit*>("fromDate")->setDate(QDate(2026, 12, 9));
    ASSERT_TRUE(cell(2, 4).contains(QRegularExpression("^\\dE\\dP$"))) << cell(2, 4).toStdString();
    for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
        EXPECT_LE(CaptionAdvance(*button), CaptionRoom(*button)) << button->text().toStdString();
    }
    for (QLabel* label : dialog->findChildren<QLabel*>()) {
        if (!label->wordWrap() && label->isVisible()) {
            EXPECT_LE(CaptionAdvance(*label), CaptionRoom(*label)) << label->text().toStdString();
        }
    }
    const QHeaderView* header = table->horizontalHeader();
    for (int column = 0; column < header->count(); ++column) {
        const int needed = std::max(static_cast<const QAbstractItemView*>(table)->sizeHintForColumn(column),
                                    header->sectionSizeHint(column));
        EXPECT_TRUE(column == 3 || header->isSectionHidden(column) || header->sectionSize(column) >= needed) << "column " << column;
    }
    // The event's words, wrapped in the column that takes the dialog's width, within their row,
    // at the narrowest the dialog can be.
    dialog->resize(dialog->minimumSizeHint().width(), dialog->height());
    QApplication::processEvents();
    for (int row = 0; row < table->model()->rowCount(); ++row) {
        EXPECT_GE(table->rowHeight(row), static_cast<const QAbstractItemView*>(table)->sizeHintForRow(row))
            << cell(row, 3).toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, Languages, ::testing::Values("de", "fr", "es", "it", "pt_BR"));

}  // namespace
}  // namespace satrivox::testing
