// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>

#include <array>
#include <vector>

#include "events/moon_events.hpp"
#include "events/observer_place.hpp"
#include "lists/event_list.hpp"
#include "lists/event_words.hpp"
#include "model/satellite_model.hpp"

namespace lists {

// What the window and the command line write for an observer's log: the
// offsets of one instant, and lists of the moons' events in words, as text,
// CSV (RFC 4180) or an iCalendar file (RFC 5545).

// How times are written: on the computer's own clock (its zone, as the window
// reads it) or in universal time.
enum class Clock { Local, Universal };

// An instant on that clock: its calendar fields, the zone's abbreviation then
// ("CET", "UTC") and its offset east of UT in seconds.
struct ClockReading {
    QDateTime wallClock;  // the date and time of day on that clock, carried as UTC
    QString zone;
    int offsetSeconds = 0;

    // The reading in `format` (QDateTime's), then the zone: "21:00 CET".
    [[nodiscard]] QString Shown(const QString& format) const { return wallClock.toString(format) + QLatin1Char(' ') + zone; }
};

// The window's picker writes its date and time so, and what shows an instant
// as the window does follows it: the copied offsets, the events dialog.
inline constexpr char kPickerFormat[] = "MM/dd/yyyy HH:mm";
// A date in figures as the user's language writes it, for the events dialog
// and the pictures: in English the picker's order, "MM/dd/yyyy"; "dd.MM.yyyy" in German.
QString DateFormat();
ClockReading ReadClock(ephemeris::UniversalTime instant, Clock clock);

// An event's instant to the nearest minute, as the published tables give them.
ephemeris::UniversalTime ToTheMinute(ephemeris::UniversalTime instant);

// A place's latitude and longitude to two decimals, as every list writes
// them and the events dialog's field shows them: "38.72°N, 9.13°W".
QString CoordinatesText(const ephemeris::Place& place);

// An altitude in degrees to one decimal, "-0.4°".
QString Degrees(double degrees);

// ISO 8601 to the second with the offset, "2019-01-05T13:22:14+01:00", or with
// "Z" in universal time.
QString IsoTime(ephemeris::UniversalTime instant, Clock clock);

// One line an event, with a heading: date, time to the nearest minute (as the
// published tables print them), zone, moon, the event in words and its code,
// in columns; where altitudes are known, Jupiter's and the Sun's and whether
// it can be seen from there.
QString EventsText(const std::vector<ListedEvent>& events, Clock clock);

// A mutual event's maximum and end to the minute, " (deepest 21:44, over
// 21:50)", and nothing for any other event.
QString MutualTimes(const ListedEvent& event, Clock clock);

// A heading "time,moon,code,event,jupiter_altitude,sun_altitude,visible,max,end,depth"
// and one line an event, its time to the second, the altitudes in degrees to
// one decimal and "yes" or "no", those three empty where no place is known;
// for a mutual event, its time its begin, then its maximum and end and the
// fraction of the light lost (0-1), empty for the others.
QString EventsCsv(const std::vector<ListedEvent>& events, Clock clock);

// An iCalendar file (times in UT) with a calendar event for each phenomenon: a
// transit, a shadow's passage, an eclipse or an occultation from its start to
// its end where both are listed, a mutual event from its begin to its end,
// and an instant for an end listed alone and for every other event. `stamp` is when the file is made (its DTSTAMP).
QString EventsCalendar(const std::vector<ListedEvent>& events, const QDateTime& stamp);

// Two lines on the day from `from` at the place: when the night falls and
// ends, when Jupiter rises, is highest (and how high) and then sets, its
// apparent diameter and its magnitude.
QString NightSummary(const ephemeris::Place& place, ephemeris::UniversalTime from, Clock clock);

// The window's model offsets as its table shows them, in arcminutes: each
// offset in radii times Jupiter's apparent semi-diameter, 1.6375' at 1 AU.
std::array<double, 4> ModelArcminutes(const ephemeris::SatelliteOffsets& offsets);

// The line "Copy offsets" gives: the time as the picker shows it, the zone,
// each moon's offset with two decimals, "arcmin", and "precise" when the
// offsets come from the precise theory, then the mutual events in progress:
// "12/07/2026 21:00 CET  Io -1.60  Europa -2.71  Ganymede -4.44  Callisto -8.78  arcmin".
QString OffsetsLine(const QString& shownTime, const QString& zone, const std::array<QString, 4>& arcminutes,
                    bool precise, const QStringList& mutualInProgress = {});

// An offset as the table shows it: two decimals, a minus sign when negative.
QString ArcminutesText(double arcminutes);

}  // namespace lists
