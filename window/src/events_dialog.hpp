// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <memory>
#include <optional>

#include "event_list_model.hpp"
#include "settings/view_settings.hpp"

namespace Ui {
class EventsDialog;
}

namespace window {

// The moons' events from noon on a date, for a night, a week or a month, in
// the window's local time, with the Great Red Spot's transits and, where the
// observer's place is known, Jupiter's night there and which events can be
// seen from it. Choosing one (Enter, a double-click, "Show in the window")
// asks the window to plot its instant; the list can be copied as text and
// saved as CSV or as an iCalendar file. The span, the place, the Spot's
// longitude, "Only what I can see" and where the dialog stood are remembered
// with the other settings.
class EventsDialog : public QDialog {
    Q_OBJECT

public:
    explicit EventsDialog(QWidget* parent = nullptr);
    ~EventsDialog() override;

    EventsDialog(const EventsDialog&) = delete;
    EventsDialog& operator=(const EventsDialog&) = delete;

    // Lists the events from noon (local time) on `date`.
    void ListFrom(const QDate& date);

    // Writes the list to `path`: an iCalendar file where the name ends in
    // ".ics", CSV otherwise. Returns what went wrong, in words, or nothing.
    [[nodiscard]] QString SaveTo(const QString& path) const;

signals:
    // The chosen event's instant, milliseconds of UT since 1970.
    void eventChosen(qint64 instant);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void Refresh();
    void TakePlace();
    void ShowPlace();
    void ChooseCurrent();
    void CopyList() const;
    void AskWhereToSave();
    void Remember() const;
    [[nodiscard]] settings::EventSpan Span() const;

    std::unique_ptr<Ui::EventsDialog> ui;
    EventListModel model_;
    [[nodiscard]] std::optional<ephemeris::Place> Place() const { return ephemeris::ObserverPlace(setPlace_); }

    std::optional<ephemeris::Place> setPlace_;  // the observer's own
};

}  // namespace window
