// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include <optional>

#include "events/observer_place.hpp"
#include "lists/event_list.hpp"  // the Red Spot's default longitude
#include "settings/view_options.hpp"

namespace settings {

// What the observer chose, remembered between runs with QSettings in Qt's
// standard place for the application (~/.config/satrivox/satrivox.conf on
// Linux). A file that cannot be read (unreadable, garbled, of another kind)
// reads as the defaults, and a value that is not one of those written as
// its default. Each Save writes only where the file is absent or holds
// nothing but Satrivox's own settings, so no file of anyone else's is ever
// replaced; a folder that cannot be written leaves everything as it was,
// without a word.

ViewOptions ReadViewOptions();
void SaveViewOptions(const ViewOptions& view);

// How far ahead the events dialog lists, where it stood on the screen, and
// what it knows of the observer.
enum class EventSpan { Night, Week, Month };
struct EventsDialogSettings {
    EventSpan span = EventSpan::Night;
    QByteArray geometry;                  // QWidget::saveGeometry's, empty for the platform's placing
    std::optional<ephemeris::Place> place;  // set by the observer; none: the time zone's
    bool onlyVisible = false;             // only what can be seen from the place
    double redSpotLongitude = lists::kDefaultRedSpotLongitude;
};
EventsDialogSettings ReadEventsDialogSettings();
void SaveEventsDialogSettings(const EventsDialogSettings& settings);

// Where a window of its own stood on the screen (QWidget::saveGeometry's),
// empty for the platform's placing.
enum class Placed { MonthChart, TelescopeView };
QByteArray ReadGeometry(Placed window);
void SaveGeometry(Placed window, const QByteArray& geometry);

// What the events dialog remembers of the observer, read the same way by the
// command line: the place set there, else the time zone's (see
// ephemeris::ObserverPlace), and the Great Red Spot's longitude.
std::optional<ephemeris::Place> ObserverPlace();
double RedSpotLongitude();

}  // namespace settings
