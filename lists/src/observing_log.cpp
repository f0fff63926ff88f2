// SPDX-License-Identifier: GPL-3.0-or-later
#include "lists/observing_log.hpp"

#include <QCoreApplication>
#include <QStringList>
#include <QTimeZone>

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

#include "events/jupiter_sky.hpp"
#include "lists/event_list.hpp"
#include "lists/instant_conversion.hpp"
#include "model/time_base.hpp"

namespace lists {
namespace {

using ephemeris::EventKind;
using ephemeris::MoonEvent;

// Jupiter's equatorial semi-diameter in arcminutes at 1 AU, as the model states it.
constexpr double kArcminutesPerRadiusAtOneAU = 1.6375;

// The words of this file, in the user's language.
struct ObservingLog {
    Q_DECLARE_TR_FUNCTIONS(ObservingLog)
};



// RFC 4180: a field with a comma, a quote or a line break goes in quotes, its quotes doubled.
QString CsvField(QString field) {
    if (field.contains(QLatin1Char(',')) || field.contains(QLatin1Char('"')) || field.contains(QLatin1Char('\n'))) {
        field.replace(QLatin1String("\""), QLatin1String("\"\""));
        return QLatin1Char('"') + field + QLatin1Char('"');
    }
    return field;
}

// RFC 5545 TEXT: backslashes, semicolons, commas and line breaks escaped.
QString CalendarText(QString text) {
    text.replace(QLatin1String("\\"), QLatin1String("\\\\"));
    text.replace(QLatin1String(";"), QLatin1String("\\;"));
    text.replace(QLatin1String(","), QLatin1String("\\,"));
    text.replace(QLatin1String("\n"), QLatin1String("\\n"));
    return text;
}

// A content line folded at 75 octets, as RFC 5545 asks, each line ending in CRLF.
QByteArray Folded(const QString& line) {
    const QByteArray octets = line.toUtf8();
    QByteArray folded;
    qsizetype start = 0;
    qsizetype limit = 75;
    while (octets.size() - start > limit) {
        qsizetype end = start + limit;
        while ((static_cast<unsigned char>(octets[end]) & 0xC0) == 0x80) {  // not inside a UTF-8 sequence
            --end;
        }
        folded += octets.mid(start, end - start) + "\r\n ";
        start = end;
        limit = 74;  // the space that begins a continuation counts
    }
    return folded + octets.mid(start) + "\r\n";
}

QString CalendarTime(ephemeris::UniversalTime instant) {
    return ReadClock(instant, Clock::Universal).wallClock.toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
}

// The index of the event that ends the moon's phenomenon events[start]
// begins: the next of its moon and kind, if that is an end.
std::optional<std::size_t> EndOf(std::size_t start, const std::vector<ListedEvent>& events) {
    const auto* begins = std::get_if<MoonEvent>(&events[start].what);
    if (begins == nullptr || !ephemeris::Begins(begins->kind)) {
        return std::nullopt;
    }
    for (std::size_t i = start + 1; i < events.size(); ++i) {
        const auto* next = std::get_if<MoonEvent>(&events[i].what);
        if (next != nullptr && next->moon == begins->moon && (next->kind == begins->kind || next->kind == ephemeris::OtherEnd(begins->kind))) {
            return next->kind != begins->kind ? std::optional<std::size_t>(i) : std::nullopt;
        }
    }
    return std::nullopt;
}

}  // namespace

QString MutualTimes(const ListedEvent& event, Clock clock) {
    const ephemeris::MutualEvent* mutual = MutualOf(event);
    if (mutual == nullptr) {
        return {};
    }
    const auto at = [clock](ephemeris::UniversalTime instant) {
        return ReadClock(ToTheMinute(instant), clock).wallClock.toString(QStringLiteral("HH:mm"));
    };
    return ObservingLog::tr(" (deepest %1, over %2)").arg(at(mutual->maximum), at(mutual->end));
}



ClockReading ReadClock(ephemeris::UniversalTime instant, Clock clock) {
    const ephemeris::Instant fields = clock == Clock::Universal ? ephemeris::Instant{instant.time_since_epoch()}
                                                                : ephemeris::UTToLocal(instant);
    const auto offset = std::chrono::duration_cast<std::chrono::seconds>(fields.time_since_epoch() - instant.time_since_epoch());
    // Carried as UTC, which has no gap: as Qt's local time, UT's 02:30 on the
    // night the computer's clocks skip that hour would read 03:30.
    return {ToUtcDateTime(fields),
            clock == Clock::Universal ? QStringLiteral("UTC") : QString::fromStdString(ephemeris::ZoneAbbreviation(instant)),
            static_cast<int>(offset.count())};
}

ephemeris::UniversalTime ToTheMinute(ephemeris::UniversalTime instant) {
    using namespace std::chrono;
    return floor<minutes>(instant + 30s);
}

QString Degrees(double degrees) {
    return QString::number(degrees, 'f', 1) + QChar(0x00B0);
}

QString IsoTime(ephemeris::UniversalTime instant, Clock clock) {
    const ClockReading reading = ReadClock(std::chrono::floor<std::chrono::seconds>(instant), clock);
    const QString time = reading.wallClock.toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss"));
    if (clock == Clock::Universal) {
        return time + QLatin1Char('Z');
    }
    const int east = std::abs(reading.offsetSeconds);
    QString offset = QStringLiteral("%1%2:%3")
                         .arg(reading.offsetSeconds < 0 ? QLatin1Char('-') : QLatin1Char('+'))
                         .arg(east / 3600, 2, 10, QLatin1Char('0'))
                         .arg(east / 60 % 60, 2, 10, QLatin1Char('0'));
    if (east % 60 != 0) {  // local mean time, before standard time
        offset += QStringLiteral(":%1").arg(east % 60, 2, 10, QLatin1Char('0'));
    }
    return time + offset;
}

QString DateFormat() {
    return ObservingLog::tr("MM/dd/yyyy", "a date in figures: Qt's date format");
}

QString EventsText(const std::vector<ListedEvent>& events, Clock clock) {
    const bool altitudes = std::any_of(events.begin(), events.end(), [](const ListedEvent& event) { return event.altitudes.has_value(); });
    std::vector<QStringList> rows{{ObservingLog::tr("Date"), ObservingLog::tr("Time"), ObservingLog::tr("Zone"), ObservingLog::tr("Moon"), ObservingLog::tr("Event"), ObservingLog::tr("Code")}};
    if (altitudes) {
        rows.front() << ObservingLog::tr("Jupiter") << ObservingLog::tr("Sun") << ObservingLog::tr("Seen");
    }
    for (const ListedEvent& event : events) {
        const ClockReading reading = ReadClock(ToTheMinute(event.time), clock);
        rows.push_back({reading.wallClock.toString(QStringLiteral("yyyy-MM-dd")),
                        reading.wallClock.toString(QStringLiteral("HH:mm")), reading.zone, MoonOf(event),
                        Words(event) + MutualTimes(event, clock), Code(event)});
        if (altitudes) {
            rows.back() << Degrees(event.altitudes->jupiter) << Degrees(event.altitudes->sun)
                        << (SeenFromHere(event) == true ? ObservingLog::tr("yes") : ObservingLog::tr("no"));
        }
    }
    std::vector<qsizetype> widths(rows.front().size(), 0);
    for (const QStringList& row : rows) {
        for (qsizetype column = 0; column < row.size(); ++column) {
            widths[static_cast<std::size_t>(column)] = std::max(widths[static_cast<std::size_t>(column)], row[column].size());
        }
    }
    QString text;
    for (const QStringList& row : rows) {
        QString line;
        for (qsizetype column = 0; column < row.size(); ++column) {
            line += column + 1 < row.size() ? row[column].leftJustified(widths[static_cast<std::size_t>(column)] + 2)
                                            : row[column];
        }
        text += line + QLatin1Char('\n');
    }
    return text;
}

QString EventsCsv(const std::vector<ListedEvent>& events, Clock clock) {
    QString csv = QStringLiteral("time,moon,code,event,jupiter_altitude,sun_altitude,visible,max,end,depth\n");
    for (const ListedEvent& event : events) {
        QStringList fields{IsoTime(event.time, clock), MoonOf(event, Naming::English), Code(event), CsvField(Words(event))};
        if (event.altitudes) {
            fields << QString::number(event.altitudes->jupiter, 'f', 1) << QString::number(event.altitudes->sun, 'f', 1)
                   << (SeenFromHere(event) == true ? QStringLiteral("yes") : QStringLiteral("no"));
        } else {
            fields << QString() << QString() << QString();
        }
        if (const ephemeris::MutualEvent* mutual = MutualOf(event)) {
            fields << IsoTime(mutual->maximum, clock) << IsoTime(mutual->end, clock) << QString::number(mutual->depth, 'f', 3);
        } else {
            fields << QString() << QString() << QString();
        }
        csv += fields.join(QLatin1Char(',')) + QLatin1Char('\n');
    }
    return csv;
}

QString EventsCalendar(const std::vector<ListedEvent>& events, const QDateTime& stamp) {
    QByteArray calendar = Folded(QStringLiteral("BEGIN:VCALENDAR")) + Folded(QStringLiteral("VERSION:2.0")) +
                          Folded(QStringLiteral("PRODID:-//Satrivox//Events of Jupiter's moons//EN")) +
                          Folded(QStringLiteral("CALSCALE:GREGORIAN")) + Folded(QStringLiteral("METHOD:PUBLISH"));
    const QString dtstamp = stamp.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
    const auto line = [](const ListedEvent& event) {
        return ObservingLog::tr("%1 %2 UT: %3")
            .arg(Code(event), ReadClock(ToTheMinute(event.time), Clock::Universal).wallClock.toString(QStringLiteral("HH:mm")),
                 Words(event));
    };
    std::vector<bool> taken(events.size(), false);
    for (std::size_t i = 0; i < events.size(); ++i) {
        if (taken[i]) {
            continue;
        }
        const ListedEvent& event = events[i];
        const std::optional<std::size_t> end = EndOf(i, events);
        QStringList description{line(event)};
        QStringList lines{QStringLiteral("BEGIN:VEVENT"),
                          QStringLiteral("UID:%1-%2@satrivox.org").arg(CalendarTime(event.time), Code(event)),
                          QStringLiteral("DTSTAMP:") + dtstamp, QStringLiteral("DTSTART:") + CalendarTime(event.time)};
        if (const ephemeris::MutualEvent* mutual = MutualOf(event)) {
            lines << QStringLiteral("DTEND:") + CalendarTime(mutual->end) << QStringLiteral("SUMMARY:") + CalendarText(Words(event));
            description.front() += MutualTimes(event, Clock::Universal);
        } else if (end) {
            taken[*end] = true;
            lines << QStringLiteral("DTEND:") + CalendarTime(events[*end].time)
                  << QStringLiteral("SUMMARY:") + CalendarText(PhenomenonWords(std::get<MoonEvent>(event.what)));
            description << line(events[*end]);
        } else {
            lines << QStringLiteral("SUMMARY:") + CalendarText(Words(event));
        }
        lines << QStringLiteral("DESCRIPTION:") + CalendarText(description.join(QLatin1Char('\n')))
              << QStringLiteral("TRANSP:TRANSPARENT") << QStringLiteral("END:VEVENT");
        for (const QString& content : lines) {
            calendar += Folded(content);
        }
    }
    return QString::fromUtf8(calendar + Folded(QStringLiteral("END:VCALENDAR")));
}

namespace {

using ephemeris::SkyEvent;
using ephemeris::SkyEventKind;

// The sky's events of a place from an instant on, for two days: long enough
// for the night begun on the first to end and for Jupiter risen in it to set,
// but no further than the years the engine computes.
struct SkyDays {
    SkyDays(const ephemeris::Coordinates& at, ephemeris::UniversalTime from)
        : from(from), lookedTo(std::min(from + std::chrono::hours{48}, ephemeris::kPreciseEnd)),
          events(ephemeris::FindSkyEvents(from, lookedTo, at)), sunThen(ephemeris::AltitudesAt(from, at).sun) {}

    // The first of that kind within a day after `after`, or none.
    [[nodiscard]] const SkyEvent* Next(SkyEventKind kind, ephemeris::UniversalTime after) const {
        const auto found = std::find_if(events.begin(), events.end(), [&](const SkyEvent& event) {
            return event.kind == kind && event.time >= after && event.time < after + std::chrono::hours{24};
        });
        return found == events.end() ? nullptr : &*found;
    }

    ephemeris::UniversalTime from;
    ephemeris::UniversalTime lookedTo;
    std::vector<SkyEvent> events;
    double sunThen;  // the Sun's altitude at `from`
};

QString Shown(const SkyEvent& event, Clock clock) {
    return ReadClock(ToTheMinute(event.time), clock).Shown(QStringLiteral("HH:mm"));
}

// "night from 18:18 WET to 06:41 WET (the Sun 12 degrees down)", or why there is none.
QString NightWords(const SkyDays& sky, Clock clock) {
    const QString degrees = QString::number(-ephemeris::kNightSunAltitude);
    const SkyEvent* falls = sky.Next(SkyEventKind::NightBegin, sky.from);
    const SkyEvent* ends = falls != nullptr ? sky.Next(SkyEventKind::NightEnd, falls->time) : nullptr;
    if (falls != nullptr && ends != nullptr) {
        return ObservingLog::tr("night from %1 to %2 (the Sun %3 degrees down)").arg(Shown(*falls, clock), Shown(*ends, clock), degrees);
    }
    if (falls == nullptr && sky.Next(SkyEventKind::NightEnd, sky.from) == nullptr) {
        return (sky.sunThen < ephemeris::kNightSunAltitude ? ObservingLog::tr("dark all day (the Sun more than %1 degrees down)")
                                                           : ObservingLog::tr("no night (the Sun not %1 degrees down)"))
            .arg(degrees);
    }
    return ObservingLog::tr("night falls or ends, not both, within the day");
}

// Jupiter's passage over the sky in the day: "rises 21:02 WET, is highest
// 04:40 WET at 64.6°, sets 12:18 WET", and when it is highest, if it is.
std::pair<QString, const SkyEvent*> JupiterWords(const SkyDays& sky, Clock clock) {
    const SkyEvent* rise = sky.Next(SkyEventKind::JupiterRise, sky.from);
    const ephemeris::UniversalTime up = rise != nullptr ? rise->time : sky.from;  // risen, or already up
    const SkyEvent* highest = sky.Next(SkyEventKind::JupiterCulmination, up);
    const SkyEvent* set = sky.Next(SkyEventKind::JupiterSet, up);
    QStringList words;
    if (rise != nullptr) {
        words << ObservingLog::tr("rises %1").arg(Shown(*rise, clock));
    }
    if (highest != nullptr) {
        words << ObservingLog::tr("is highest %1 at %2").arg(Shown(*highest, clock), Degrees(highest->altitudes.jupiter));
    }
    if (set != nullptr) {
        words << ObservingLog::tr("sets %1").arg(Shown(*set, clock));
    }
    // Culmination is listed only while Jupiter is up, so with neither rising nor
    // setting in the day it tells the planet that never sets from the one that
    // never rises.
    if (rise == nullptr && set == nullptr) {
        words.prepend(highest != nullptr ? ObservingLog::tr("never sets") : ObservingLog::tr("does not rise"));
    }
    return {words.join(QStringLiteral(", ")), highest};
}

}  // namespace

QString NightSummary(const ephemeris::Place& place, ephemeris::UniversalTime from, Clock clock) {
    const SkyDays sky({place.latitude, place.longitude}, from);
    const auto [jupiter, highest] = JupiterWords(sky, clock);
    const ephemeris::JupiterDisc disc = ephemeris::JupiterDiscAt(
        highest != nullptr ? highest->time : std::min(from + std::chrono::hours{12}, sky.lookedTo - std::chrono::milliseconds{1}));
    const QString coordinates = CoordinatesText(place);
    const QString where = place.name.empty() ? coordinates : ObservingLog::tr("%1 (%2)").arg(QString::fromStdString(place.name), coordinates);
    // One arg() for all: a chained one would fill a "%1" the user typed in the place's name.
    return ObservingLog::tr("%1: %2.\nJupiter %3; %4\u2033 across, magnitude %5.\n")
        .arg(where, NightWords(sky, clock), jupiter, QString::number(disc.diameterArcsec, 'f', 1),
             QString::number(disc.magnitude, 'f', 1));
}

QString CoordinatesText(const ephemeris::Place& place) {
    const auto degrees = [](double value, char positive, char negative) {
        return QString::number(std::fabs(value), 'f', 2) + QChar(0x00B0) + QLatin1Char(value < 0.0 ? negative : positive);
    };
    return degrees(place.latitude, 'N', 'S') + QStringLiteral(", ") + degrees(place.longitude, 'E', 'W');
}

std::array<double, 4> ModelArcminutes(const ephemeris::SatelliteOffsets& offsets) {
    const double perRadius = kArcminutesPerRadiusAtOneAU / offsets.Delta;
    return {offsets.X1 * perRadius, offsets.X2 * perRadius, offsets.X3 * perRadius, offsets.X4 * perRadius};
}

QString OffsetsLine(const QString& shownTime, const QString& zone, const std::array<QString, 4>& arcminutes,
                    bool precise, const QStringList& mutualInProgress) {
    QStringList fields{shownTime + QLatin1Char(' ') + zone};
    for (std::size_t moon = 0; moon < arcminutes.size(); ++moon) {
        fields << MoonName(static_cast<ephemeris::Moon>(moon)) + QLatin1Char(' ') + arcminutes[moon];
    }
    fields << ObservingLog::tr("arcmin");
    if (precise) {
        fields << ObservingLog::tr("precise");
    }
    if (!mutualInProgress.isEmpty()) {
        fields << ObservingLog::tr("%1 in progress").arg(mutualInProgress.join(QStringLiteral(", ")));
    }
    return fields.join(QLatin1String("  "));
}

QString ArcminutesText(double arcminutes) {
    return QString::number(arcminutes, 'f', 2);
}

}  // namespace lists
