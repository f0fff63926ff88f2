// SPDX-License-Identifier: GPL-3.0-or-later
#include "events_dialog.hpp"

#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMessageBox>
#include <QSaveFile>
#include <QKeyEvent>

#include <algorithm>
#include <cmath>

#include "events/observer_place.hpp"
#include "lists/event_words.hpp"
#include "lists/instant_conversion.hpp"
#include "lists/observing_log.hpp"
#include "model/time_base.hpp"
#include "theory/jupiter_system.hpp"
#include "ui_events_dialog.h"

namespace window {

using lists::Clock;
using lists::ClockReading;
using lists::EventsCalendar;
using lists::EventsCsv;
using lists::EventsText;
using lists::ListedEvent;
using lists::ListEvents;
using lists::NightSummary;
using lists::OnlySeenFromHere;
using lists::ReadClock;
using lists::ToInstant;
using settings::EventSpan;
using settings::EventsDialogSettings;
using settings::ReadEventsDialogSettings;
using settings::SaveEventsDialogSettings;
namespace {

ephemeris::UniversalTime LocalNoon(const QDate& date) {
    const ephemeris::Instant noon = ToInstant(QDateTime(date, QTime(12, 0)));
    return ephemeris::UniversalTime{ephemeris::LocalToUT(noon).time_since_epoch()};
}

QString Shown(ephemeris::UniversalTime instant) {
    const ClockReading reading = ReadClock(instant, Clock::Local);
    return reading.Shown(lists::DateFormat() + QStringLiteral(" HH:mm"));
}

}  // namespace

EventsDialog::EventsDialog(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::EventsDialog>()) {
    ui->setupUi(this);
    // The window's way of writing a date, and the years the engine computes;
    // the date is taken once its editing ends
    // (keyboardTracking off in the form), not at every digit typed.
    ui->fromDate->setDisplayFormat(lists::DateFormat());
    ui->fromDate->setDateRange(QDate(ephemeris::kPreciseFirstYear, 1, 1), QDate(ephemeris::kPreciseLastYear, 12, 31));
    ui->eventTable->setModel(&model_);
    ui->eventTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    ui->eventTable->horizontalHeader()->setSectionResizeMode(EventListModel::EventColumn, QHeaderView::Stretch);
    // An event's words longer than its column (a mutual event's, in any language) wrap
    // onto another line of their row rather than being cut short.
    ui->eventTable->setWordWrap(true);
    ui->eventTable->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    const EventsDialogSettings remembered = ReadEventsDialogSettings();
    ui->spanBox->setCurrentIndex(static_cast<int>(remembered.span));
    ui->onlyVisibleBox->setChecked(remembered.onlyVisible);
    ui->redSpotBox->setValue(static_cast<int>(std::lround(remembered.redSpotLongitude)) % 360);
    setPlace_ = remembered.place;
    ShowPlace();
    if (!remembered.geometry.isEmpty()) {
        restoreGeometry(remembered.geometry);
    }
    connect(ui->fromDate, &QDateEdit::dateChanged, this, &EventsDialog::Refresh);
    const auto refreshAndRemember = [this] {
        Refresh();
        Remember();
    };
    connect(ui->spanBox, &QComboBox::currentIndexChanged, this, refreshAndRemember);
    connect(ui->onlyVisibleBox, &QCheckBox::toggled, this, refreshAndRemember);
    connect(ui->redSpotBox, &QSpinBox::valueChanged, this, refreshAndRemember);
    connect(ui->placeName, &QLineEdit::editingFinished, this, &EventsDialog::TakePlace);
    connect(ui->placeCoordinates, &QLineEdit::editingFinished, this, &EventsDialog::TakePlace);
    connect(ui->eventTable, &QAbstractItemView::activated, this, &EventsDialog::ChooseCurrent);
    connect(ui->showButton, &QPushButton::clicked, this, &EventsDialog::ChooseCurrent);
    connect(ui->copyButton, &QPushButton::clicked, this, &EventsDialog::CopyList);
    connect(ui->saveButton, &QPushButton::clicked, this, &EventsDialog::AskWhereToSave);
    // The table would copy its current cell alone.
    ui->eventTable->installEventFilter(this);
}

EventsDialog::~EventsDialog() {
    if (isVisible()) {
        Remember();
    }
}

void EventsDialog::ListFrom(const QDate& date) {
    const QDate from = std::clamp(date, ui->fromDate->minimumDate(), ui->fromDate->maximumDate());
    if (ui->fromDate->date() == from) {
        Refresh();
    } else {
        ui->fromDate->setDate(from);  // which lists them
    }
    if (from != date) {
        ui->summaryLabel->setText(tr("The window's date, %1, is outside the years %2 to %3 that events are computed for: "
                                     "the list starts on %4.\n%5")
                                      .arg(date.toString(ui->fromDate->displayFormat()))
                                      .arg(ephemeris::kPreciseFirstYear)
                                      .arg(ephemeris::kPreciseLastYear)
                                      .arg(from.toString(ui->fromDate->displayFormat()), ui->summaryLabel->text()));
    }
}

EventSpan EventsDialog::Span() const {
    return static_cast<EventSpan>(ui->spanBox->currentIndex());
}

void EventsDialog::Refresh() {
    const QDate from = ui->fromDate->date();
    const QDate until = Span() == EventSpan::Night ? from.addDays(1) : Span() == EventSpan::Week ? from.addDays(7)
                                                                                                 : from.addMonths(1);
    const ephemeris::UniversalTime start = LocalNoon(from);
    const ephemeris::UniversalTime end = LocalNoon(until);
    const std::optional<ephemeris::Place> place = Place();
    std::vector<ListedEvent> events;
    QString summary;
    QString night;
    try {
        events = ListEvents({start, end, false, false, place, ui->redSpotBox->value()});
        if (place) {
            night = NightSummary(*place, start, Clock::Local).trimmed();
            if (ui->onlyVisibleBox->isChecked()) {
                events = OnlySeenFromHere(std::move(events));
            }
        } else {
            night = tr("Where are you? The time zone does not say. Type your place's latitude and longitude above to "
                       "see Jupiter's night there and which events you can see.");
        }
        const QString count = events.empty() ? tr("No events") : events.size() == 1 ? tr("1 event") : tr("%1 events").arg(events.size());
        summary = tr("%1 from %2 to %3").arg(count, Shown(start), Shown(end));
    } catch (const ephemeris::OutsidePreciseYears&) {
        summary = tr("Events are computed for the years %1 to %2; this span runs past them.")
                      .arg(ephemeris::kPreciseFirstYear)
                      .arg(ephemeris::kPreciseLastYear);
    } catch (const std::exception& fault) {
        summary = QString::fromUtf8(fault.what());
    }
    model_.SetEvents(std::move(events));
    ui->eventTable->setColumnHidden(EventListModel::JupiterColumn, !place);
    ui->eventTable->setColumnHidden(EventListModel::SunColumn, !place);
    ui->onlyVisibleBox->setEnabled(place.has_value());
    ui->nightLabel->setText(night);
    ui->summaryLabel->setText(summary);
    if (model_.rowCount() > 0) {  // for Enter, choosing nothing: Copy then takes every row
        ui->eventTable->selectionModel()->setCurrentIndex(model_.index(0, 0), QItemSelectionModel::NoUpdate);
    }
}

// The place typed in the fields: empty coordinates go back to the time
// zone's place; coordinates that cannot be read leave the place as it was,
// with why.
void EventsDialog::TakePlace() {
    if (!ui->placeName->isModified() && !ui->placeCoordinates->isModified()) {
        return;  // focus passing through the fields
    }
    const QString coordinates = ui->placeCoordinates->text().trimmed();
    if (coordinates.isEmpty()) {
        setPlace_.reset();
    } else {
        ephemeris::Refusal problem;
        const std::optional<ephemeris::Coordinates> read = ephemeris::ReadCoordinates(coordinates.toStdString(), &problem);
        if (!read) {
            ui->placeProblem->setText(tr("The place is unchanged: %1. Type the latitude, then the longitude, in degrees "
                                         "with N, S, E, W or signs, such as \"38.72 N, 9.14 W\" or \"38.72, -9.14\".")
                                          .arg(lists::Explained(problem)));
            ui->placeProblem->show();
            return;
        }
        const QString name = ui->placeName->text().trimmed();
        setPlace_ = ephemeris::Place{name.isEmpty() ? tr("Here").toStdString() : name.toStdString(), read->latitude, read->longitude};
    }
    ui->placeProblem->hide();
    ShowPlace();
    Refresh();
    Remember();
}

void EventsDialog::ShowPlace() {
    const std::optional<ephemeris::Place> place = Place();
    ui->placeName->setText(place ? QString::fromStdString(place->name) : QString());
    ui->placeCoordinates->setText(place ? lists::CoordinatesText(*place) : QString());
    ui->placeName->setModified(false);
    ui->placeCoordinates->setModified(false);
}

void EventsDialog::ChooseCurrent() {
    const QModelIndex current = ui->eventTable->currentIndex();
    if (current.isValid()) {
        emit eventChosen(current.data(EventListModel::kInstantRole).toLongLong());
    }
}

// The chosen rows, or every row if none is chosen, as the command line's text.
void EventsDialog::CopyList() const {
    std::vector<ListedEvent> events;
    const QModelIndexList rows = ui->eventTable->selectionModel()->selectedRows();
    for (int row = 0; row < model_.rowCount(); ++row) {
        if (rows.isEmpty() || ui->eventTable->selectionModel()->isRowSelected(row)) {
            events.push_back(model_.Events()[static_cast<std::size_t>(row)]);
        }
    }
    QGuiApplication::clipboard()->setText(EventsText(events, Clock::Local));
}

QString EventsDialog::SaveTo(const QString& path) const {
    QSaveFile file(path);
    const bool calendar = path.endsWith(QLatin1String(".ics"), Qt::CaseInsensitive);
    const QString text = calendar ? EventsCalendar(model_.Events(), QDateTime::currentDateTimeUtc())
                                  : EventsCsv(model_.Events(), Clock::Local);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit()) {
        return file.errorString();
    }
    return {};
}

void EventsDialog::AskWhereToSave() {
    const QString csv = tr("CSV (*.csv)");
    const QString calendar = tr("iCalendar (*.ics)");
    QString filter = csv;
    QString path = QFileDialog::getSaveFileName(this, tr("Save the events"),
                                                QStringLiteral("jupiter-events-%1.csv").arg(ui->fromDate->date().toString(Qt::ISODate)),
                                                csv + QStringLiteral(";;") + calendar, &filter);
    if (path.isEmpty()) {
        return;
    }
    // The name's ending decides what is written: one the filter chosen gives
    // unless the name has one of the two already ("v1.2 notes" has neither).
    if (!path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive) && !path.endsWith(QLatin1String(".ics"), Qt::CaseInsensitive)) {
        path += filter == calendar ? QStringLiteral(".ics") : QStringLiteral(".csv");
    }
    if (const QString problem = SaveTo(path); !problem.isEmpty()) {
        QMessageBox::warning(this, windowTitle(), tr("The events could not be saved to %1:\n%2").arg(path, problem));
    }
}

void EventsDialog::Remember() const {
    SaveEventsDialogSettings({Span(), saveGeometry(), setPlace_, ui->onlyVisibleBox->isChecked(),
                              static_cast<double>(ui->redSpotBox->value())});
}

bool EventsDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui->eventTable && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        CopyList();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void EventsDialog::hideEvent(QHideEvent* event) {
    Remember();
    QDialog::hideEvent(event);
}

}  // namespace window
