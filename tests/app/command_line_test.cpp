// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimeZone>

#include "app/when_reader.hpp"
#include "command_line.hpp"
#include "support.hpp"
#include "translation_file.hpp"
#include "translations/language.hpp"

namespace satrivox::testing {
namespace {

using namespace std::chrono;
using namespace std::string_literals;

const QDateTime kNow(QDate(2026, 12, 8), QTime(0, 42, 3), QTimeZone::utc());

struct Outcome {
    int status;
    QString out;
    QString err;
};

Outcome Satrivox(const QStringList& arguments) {
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const int status = app::RunCommandLine(QStringList{"satrivox"} + arguments, [] { return kNow; }, outStream, errStream);
    outStream.flush();
    errStream.flush();
    return {status, out, err};
}

QStringList Lines(const QString& text) {
    return text.split('\n', Qt::SkipEmptyParts);
}

// ---- What WHEN may be ------------------------------------------------------------

struct WhenRow {
    const char* hazard;
    const char* text;
    std::optional<app::Moment> moment;  // nullopt: a problem, naming `problem`
    const char* problem = "";
};

class Whens : public ::testing::TestWithParam<WhenRow> {};

TEST_P(Whens, AreReadOrRefusedWithAReason) {
    const app::WhenReading reading = app::ReadWhen(GetParam().text);
    EXPECT_EQ(reading.moment, GetParam().moment);
    EXPECT_NE(reading.problem.English().find(GetParam().problem), std::string::npos) << reading.problem.English();
    EXPECT_EQ(reading.problem.Refused(), !reading.moment.has_value());
}

app::Moment Universal(int y, unsigned m, unsigned d, int h, int min, int s = 0, int ms = 0) {
    return ephemeris::UniversalTime{Local(y, m, d, h, min, s, ms).time_since_epoch()};
}

INSTANTIATE_TEST_SUITE_P(
    CommandLine, Whens,
    ::testing::Values(WhenRow{"date_is_local_noon", "2019-01-05", Local(2019, 1, 5, 12, 0)},
                      WhenRow{"local_minute", " 2019-01-05 21:30 ", Local(2019, 1, 5, 21, 30)},
                      WhenRow{"local_second_with_t", "2024-02-29T23:59:59", Local(2024, 2, 29, 23, 59, 59)},
                      WhenRow{"fraction_to_the_millisecond", "2019-01-05 21:30:15.2506", Local(2019, 1, 5, 21, 30, 15, 250)},
                      WhenRow{"utc", "2019-01-05T21:30:15Z", Universal(2019, 1, 5, 21, 30, 15)},
                      WhenRow{"offset_east_with_minutes", "2019-01-05T21:30+05:45", Universal(2019, 1, 5, 15, 45)},
                      WhenRow{"offset_west_without_colon", "2019-01-05T21:30-0330", Universal(2019, 1, 6, 1, 0)},
                      WhenRow{"offset_in_hours", "2019-01-05 01:00+02", Universal(2019, 1, 4, 23, 0)},
                      WhenRow{"month_13", "2019-13-01", std::nullopt, "no month 13"},
                      WhenRow{"february_30", "2019-02-30 10:00", std::nullopt, "no day 30 in 2019-02"},
                      WhenRow{"hour_24", "2019-01-05 24:00", std::nullopt, "no time 24:00:00"},
                      WhenRow{"two_digit_year", "19-01-05", std::nullopt, "YYYY-MM-DD"},
                      WhenRow{"words", "tomorrow", std::nullopt, "YYYY-MM-DD"},
                      WhenRow{"seconds_cut_short", "2019-01-05 21:30:1", std::nullopt, "SS"},
                      WhenRow{"offset_of_a_day", "2019-01-05T21:30+24:00", std::nullopt, "no offset of 24:00"},
                      WhenRow{"text_after_the_zone", "2019-01-05T21:30Zulu", std::nullopt, "after the time"},
                      WhenRow{"empty", "", std::nullopt, "YYYY-MM-DD"}),
    kHazardName);

// ---- Events ----------------------------------------------------------------------

// The night of 2019 January 5-6 as a table: from local noon, the night at the
// zone's city summed up, times rounded to the minute as the magazines print
// them, with their zone, the moon, words, code, the altitudes and whether the
// event can be seen from there.
TEST(CommandLine, EventsAsATableFromTheDatesLocalNoon) {
    const ScopedTimeZone zone("Europe/Lisbon");
    const Outcome run = Satrivox({"--events", "2019-01-05", "--days", "2", "--no-grs"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QStringList lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 32);
    EXPECT_EQ(lines[0], "Events of Jupiter's moons from 2019-01-05 12:00 WET, for 2 days");
    EXPECT_EQ(lines[1], "Lisbon (38.72°N, 9.13°W): night from 18:32 WET to 06:52 WET (the Sun 12 degrees down).");
    EXPECT_EQ(lines[2], "Jupiter rises 05:32 WET, is highest 10:20 WET at 29.6°, sets 15:08 WET; 32.1″ across, magnitude -1.8.");
    EXPECT_TRUE(lines[3].startsWith("Date        Time   Zone  Moon      Event"));
    EXPECT_EQ(lines[4].simplified(), "2019-01-05 12:22 WET Ganymede Ganymede's shadow starts to cross the disc III.Sh.I 23.5° 28.5° no");
    EXPECT_EQ(lines[9].simplified(), "2019-01-05 15:11 WET Jupiter sets J.Set 0.0° 19.4° no");
    EXPECT_EQ(lines[17].simplified(), "2019-01-06 06:20 WET Europa Europa's shadow finishes crossing the disc II.Sh.E 7.6° -18.0° yes");
    EXPECT_EQ(lines[4].indexOf("III.Sh.I"), lines[9].indexOf("J.Set")) << "in columns";
}

// CSV: a header, then each event's instant to the second with its offset (or
// Z), its moon, code, words, the altitudes and whether it can be seen; the
// local clock follows the zone, daylight time included. Where no place is
// known, the last three are empty.
TEST(CommandLine, EventsAsCsvWithEachTimesOffset) {
    const QRegularExpression line(R"(^(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d)(Z|[-+]\d\d:\d\d),(Io|Europa|Ganymede|Callisto|),)"
                                  R"(((I|II|III|IV)\.(Tr\.[IE]|Sh\.[IE]|Ec\.[DR]|Oc\.[DR])|J\.(Rise|Culm|Set)|Night\.(Begin|End)|GRS),[^,"]+,)"
                                  R"((-?\d+\.\d,-?\d+\.\d,(yes|no)|,,),,,$)");
    for (const auto& [zone, arguments, offset] :
         {std::tuple{"Europe/Lisbon", QStringList{"2019-01-05", "--utc"}, "Z"}, {"America/New_York", QStringList{"2019-01-05"}, "-05:00"},
          {"America/New_York", QStringList{"2019-07-05"}, "-04:00"}, {"Asia/Kathmandu", QStringList{"2019-01-05"}, "+05:45"},
          {"UTC", QStringList{"2019-01-05"}, "+00:00"}}) {
        const ScopedTimeZone scoped(zone);
        const Outcome run = Satrivox(QStringList{"--events", "--format", "csv"} + arguments);
        const QStringList lines = Lines(run.out);
        ASSERT_GT(lines.size(), 3) << zone;
        EXPECT_EQ(lines[0], "time,moon,code,event,jupiter_altitude,sun_altitude,visible,max,end,depth");
        for (const QString& event : lines.mid(1)) {
            const QRegularExpressionMatch match = line.match(event);
            EXPECT_TRUE(match.hasMatch() && match.captured(2) == offset && (match.captured(9) == ",,") == (zone == "UTC"s))
                << event.toStdString();
        }
    }
    const ScopedTimeZone utc("UTC");
    const Outcome unseen = Satrivox({"--events", "2019-01-02", "--format", "csv", "--all", "--utc"});
    EXPECT_TRUE(unseen.out.contains("Z,Io,I.Oc.D,Io disappears behind Jupiter (unseen: Io is in Jupiter's shadow),,,,,,\n"));
    const Outcome lisbon = Satrivox({"--events", "2019-01-06 06:00", "--days", "1", "--format", "csv", "--where", "38.72,-9.14", "--utc"});
    EXPECT_TRUE(lisbon.out.contains("2019-01-06T06:20:04Z,Europa,II.Sh.E,Europa's shadow finishes crossing the disc,7.6,-18.0,yes,,,\n"))
        << lisbon.out.toStdString();
}

// Where the observer is: the zone's city, a place set with --where (which
// wins), or none; --visible keeps what can be seen from it and needs one.
TEST(CommandLine, WhatCanBeSeenFromWhereTheObserverIs) {
    const ScopedTimeZone zone("UTC");
    const Outcome nowhere = Satrivox({"--events", "2026-12-10"});
    EXPECT_EQ(Lines(nowhere.out)[1], "No place is known (the time zone names none): --where LAT,LON gives one, for Jupiter's night and what can be seen.");
    EXPECT_FALSE(nowhere.out.contains("J.Rise"));
    const Outcome here = Satrivox({"--events", "2026-12-10", "--where", "38.72 N, 9.14 W", "--visible"});
    const QStringList lines = Lines(here.out);
    ASSERT_GT(lines.size(), 5);
    EXPECT_TRUE(lines[1].startsWith("38.72°N, 9.14°W: night from 18:18 UTC to 06:41 UTC")) << lines[1].toStdString();
    for (const QString& event : lines.mid(4)) {
        EXPECT_TRUE(event.endsWith("  yes")) << event.toStdString();
    }
    const ScopedTimeZone lisbon("Europe/Lisbon");
    EXPECT_EQ(Lines(Satrivox({"--events", "2026-12-10", "--where", "-33.87,151.21"}).out)[1].left(18), "33.87°S, 151.21°E:");
    EXPECT_NE(Satrivox({"--events", "2026-12-10", "--visible"}).out, Satrivox({"--events", "2026-12-10"}).out);
    const Outcome last = Satrivox({"--events", "2500-12-30"});
    EXPECT_EQ(last.status, 0) << "the night summed up within the years computed";
    EXPECT_TRUE(Lines(last.out)[1].startsWith("Lisbon (38.72°N, 9.13°W): night from")) << last.err.toStdString();
    // Near the poles in the midnight Sun and the polar night: Jupiter up all day, or never.
    EXPECT_TRUE(Lines(Satrivox({"--events", "2026-06-20", "--where", "78.2,15.6", "--utc"}).out)[2].startsWith(
        "Jupiter never sets, is highest 13:03 UTC at 32.8°;"));
    EXPECT_TRUE(Lines(Satrivox({"--events", "2026-12-20", "--where", "-78.2,15.6"}).out)[2].startsWith("Jupiter does not rise;"));
}

// The moons' mutual events with the others or alone: in CSV with their
// maximum, end and depth; faint and hidden ones only with --all; each seen
// from the place or not at its maximum.
TEST(CommandLine, MutualEventsWithTheOthersOrAlone) {
    const ScopedTimeZone zone("UTC");
    const Outcome night = Satrivox({"--events", "2014-12-30 12:00", "--utc"});
    EXPECT_TRUE(night.out.contains("21:38  UTC   Io        Europa passes in front of Io: Io loses 48 % of its light (deepest 21:44, over 21:50)  "))
        << night.out.toStdString();
    EXPECT_TRUE(night.out.contains("I.Ec.D"));
    const QStringList alone = Lines(Satrivox({"--events", "2014-12-30 12:00", "--utc", "--mutual-only", "--format", "csv",
                                              "--where", "40.0,-3.7"}).out);
    ASSERT_EQ(alone.size(), 4);
    EXPECT_EQ(alone[2], "2014-12-30T21:38:03Z,Io,2O1P,Europa passes in front of Io: Io loses 48 % of its light,"
                        "15.0,-53.6,yes,2014-12-30T21:44:15Z,2014-12-30T21:50:19Z,0.484");
    EXPECT_TRUE(alone[1].contains(",2E1P,") && alone[1].contains(",-8.6,-28.4,no,")) << "Jupiter down at Madrid";
    const QString all = Satrivox({"--events", "2026-10-01", "--days", "30", "--mutual-only", "--all"}).out;
    const QString shown = Satrivox({"--events", "2026-10-01", "--days", "30", "--mutual-only"}).out;
    EXPECT_GT(all.count("(unseen: behind Jupiter or in its shadow)"), 0);
    EXPECT_FALSE(shown.contains("unseen"));
    EXPECT_TRUE(all.contains("loses 0.") && !shown.contains("loses 0.")) << "under 1 %";
    const ScopedTimeZone paris("Europe/Paris");
    const QByteArray calendar = Satrivox({"--events", "2014-12-30", "--mutual-only", "--format", "ics"}).out.toUtf8();
    EXPECT_TRUE(calendar.contains("DTSTART:20141230T213803Z\r\nDTEND:20141230T215019Z\r\nSUMMARY:Europa passes in front of Io: Io loses 48 % of its light\r\n"))
        << calendar.toStdString();
}

// The Great Red Spot's transits at the longitude given, or none.
TEST(CommandLine, TheRedSpotAtTheLongitudeGiven) {
    const ScopedTimeZone zone("UTC");
    const Outcome spot = Satrivox({"--events", "2019-01-17 00:00", "--grs-longitude", "294"});
    EXPECT_TRUE(spot.out.contains("2019-01-17  06:27  UTC") && spot.out.contains("2019-01-17  16:23  UTC"))
        << "Sky & Telescope's times for System II 294 degrees";
    EXPECT_EQ(spot.out.count("GRS"), 2);
    EXPECT_EQ(Satrivox({"--events", "2019-01-17", "--no-grs"}).out.count("GRS"), 0);
}

// In UT, the computer's zone makes no difference: not even to a UT time that
// falls in the hour its clocks skip (02:00-03:00 in Paris on 2021-03-28).
TEST(CommandLine, TimesInUniversalTimeIgnoreTheZonesGaps) {
    const auto list = [](const char* zone) {
        const ScopedTimeZone scoped(zone);
        return Satrivox({"--events", "2021-03-28T00:00Z", "--utc", "--format", "csv", "--where", "48.86,2.35"}).out +
               Satrivox({"--events", "2021-03-28T00:00Z", "--utc", "--where", "48.86,2.35"}).out;
    };
    const QString paris = list("Europe/Paris");
    EXPECT_TRUE(paris.contains("2021-03-28T02:04:46Z,Io,I.Tr.E") && paris.contains("2021-03-28  02:05  UTC"));
    EXPECT_EQ(paris, list("UTC"));
}

// Events that cannot be seen are left out unless asked for, and marked then.
TEST(CommandLine, UnseenEventsOnlyWithAll) {
    const ScopedTimeZone zone("UTC");
    const Outcome seen = Satrivox({"--events", "2019-01-01", "--days", "7"});
    const Outcome all = Satrivox({"--events", "2019-01-01", "--days", "7", "--all"});
    EXPECT_FALSE(seen.out.contains("unseen"));
    EXPECT_EQ(all.out.count("(unseen: "), 12) << "Oc.D and Ec.R of each eclipse followed by an occultation";
    EXPECT_EQ(Lines(all.out).size() - Lines(seen.out).size(), 12);
}

// RFC 5545: CRLF, lines folded at 75 octets, one calendar event per
// phenomenon (a transit from ingress to egress), an instant for an end listed
// alone, unique ids, the time stamp.
TEST(CommandLine, EventsAsAnICalendarFile) {
    const ScopedTimeZone zone("Europe/Paris");
    const Outcome run = Satrivox({"--events", "2019-01-05", "--format", "ics", "--days", "2", "--no-grs"});
    ASSERT_EQ(run.status, 0);
    const QByteArray bytes = run.out.toUtf8();
    EXPECT_TRUE(bytes.startsWith("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:") && bytes.endsWith("END:VCALENDAR\r\n"));
    EXPECT_EQ(bytes.count("\n"), bytes.count("\r\n"));
    QSet<QByteArray> ids;
    for (const QByteArray& line : bytes.split('\n')) {
        EXPECT_LE(line.size(), 76) << line.toStdString();  // 75 octets and the CR
        if (line.startsWith("UID:")) {
            ids.insert(line);
        }
        EXPECT_FALSE(line.startsWith("DTSTAMP:") && line != "DTSTAMP:20261208T004203Z\r");
    }
    EXPECT_EQ(bytes.count("BEGIN:VEVENT"), 20) << "7 passages, an eclipse's start and an occultation's end, "
                                                 "a transit whose end falls after the span, Paris's 10 of the sky";
    EXPECT_EQ(bytes.count("DTEND:"), 7);
    EXPECT_EQ(ids.size(), 20);
    EXPECT_TRUE(bytes.contains("SUMMARY:Jupiter rises\r\n"));
    EXPECT_TRUE(bytes.contains("SUMMARY:Io crosses Jupiter\r\n"));
    EXPECT_TRUE(bytes.contains("SUMMARY:Io starts to cross the disc\r\n"));
    EXPECT_TRUE(bytes.contains("DTSTART:20190105T145225Z\r\nDTEND:20190105T170340Z\r\n"));
}

struct BadRow {
    const char* hazard;
    QStringList arguments;
    const char* says;
};

class BadInput : public ::testing::TestWithParam<BadRow> {};

// One line on standard error naming what is wrong, status 2, nothing printed.
TEST_P(BadInput, IsNamedInOneLineWithStatusTwoAndNothingPrinted) {
    const ScopedTimeZone zone("UTC");
    const Outcome run = Satrivox(GetParam().arguments);
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(run.err.startsWith("satrivox: ") && run.err.endsWith('\n') && run.err.count('\n') == 1) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(GetParam().says)) << run.err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    CommandLine, BadInput,
    ::testing::Values(BadRow{"unreadable_date", {"--events", "2019-13-01"}, "'2019-13-01': there is no month 13"},
                      BadRow{"no_days", {"--events", "--days", "0"}, "from 1 to 731, not '0'"},
                      BadRow{"too_many_days", {"--events", "--days", "732"}, "not '732'"},
                      BadRow{"days_in_words", {"--events", "--days=two"}, "not 'two'"},
                      BadRow{"unknown_format", {"--events", "--format", "xml"}, "text, csv or ics, not 'xml'"},
                      BadRow{"before_1600", {"--events", "1599-12-31"}, "1599-12-31 12:00 UTC is outside the years 1600 to 2500"},
                      BadRow{"past_2500", {"--events", "2500-12-20", "--days", "30"}, "run past the end of 2500"},
                      BadRow{"precise_before_1600", {"--offsets", "1599-06-01", "--precise"}, "1600 to 2500"},
                      BadRow{"model_past_9999", {"--offsets", "0800-01-01"}, "1601 to 9999"},
                      BadRow{"unknown_option", {"--events", "--bogus"}, "Unknown option 'bogus'"},
                      BadRow{"both_commands", {"--events", "--offsets"}, "--events and --offsets cannot go together"},
                      BadRow{"offsets_option_with_events", {"--events", "--precise"}, "--precise goes with --offsets"},
                      BadRow{"events_option_with_offsets", {"--offsets", "--all"}, "--all goes with --events"},
                      BadRow{"option_without_command", {"--utc"}, "with --events or --offsets"},
                      BadRow{"visible_nowhere", {"--events", "--visible"}, "--visible needs the observer's place"},
                      BadRow{"where_in_words", {"--events", "--where", "Lisbon"}, "not 'Lisbon'"},
                      BadRow{"where_past_the_pole", {"--events", "--where=91,0"}, "not '91,0'"},
                      BadRow{"where_with_offsets", {"--offsets", "--where", "0,0"}, "--where goes with --events"},
                      BadRow{"spot_past_360", {"--events", "--grs-longitude", "361"}, "0 to 360, not '361'"},
                      BadRow{"spot_and_none", {"--events", "--grs-longitude", "20", "--no-grs"}, "--grs-longitude and --no-grs cannot go together"},
                      BadRow{"mutual_with_offsets", {"--offsets", "--mutual-only"}, "--mutual-only goes with --events"}),
    kHazardName);

// ---- The chart ---------------------------------------------------------------------

// A month, or days from a date, into a file of the format its ending names;
// bad input refused in one line with nothing left behind.
TEST(CommandLine, ChartsAMonthIntoTheFileItNames) {
    const ScopedTimeZone zone("Europe/Lisbon");
    const QTemporaryDir folder;
    const QString png = folder.filePath("january.png");
    const Outcome month = Satrivox({"--chart", "2019-01", "--output", png, "--where", "38.7,-9.1"});
    EXPECT_EQ(month.status, 0) << month.err.toStdString();
    EXPECT_TRUE(month.out.isEmpty() && month.err.isEmpty());
    EXPECT_EQ(QImage(png).size(), QSize(1240, 1754));
    const Outcome days = Satrivox({"--chart", "2019-01-05", "--days", "3", "--mirror", "--no-grs", "--no-mutual", "--output", folder.filePath("d.svg")});
    EXPECT_EQ(days.status, 0) << days.err.toStdString();
    EXPECT_TRUE(QFile(folder.filePath("d.svg")).size() > 1000);
    const Outcome now = Satrivox({"--chart", "--output", folder.filePath("now.pdf")});
    EXPECT_EQ(now.status, 0) << now.err.toStdString();

    QFile(folder.filePath("a-file")).open(QIODevice::WriteOnly);
    const std::vector<std::pair<QStringList, const char*>> refused{
        {{"--chart", "2019-13", "--output", folder.filePath("x.png")}, "'2019-13'"},
        {{"--chart", "--days", "63", "--output", folder.filePath("x.png")}, "from 1 to 62, not '63'"},
        {{"--chart", "--output", folder.filePath("x.txt")}, ".pdf, .svg or .png file, not '"},
        {{"--chart", "2019-01"}, "--chart needs --output FILE"},
        {{"--chart", "--output", folder.filePath("a-file/x.png")}, "cannot write the chart to '"},
        {{"--chart", "2501-01", "--output", folder.filePath("x.png")}, "the years 1600 to 2500, not for January 2501"},
        {{"--chart", "--format", "csv", "--output", folder.filePath("x.png")}, "--format goes with --events"},
        {{"--events", "--output", folder.filePath("x.png")}, "--output goes with --chart"},
        {{"--chart", "--offsets", "--output", folder.filePath("x.png")}, "--offsets and --chart cannot go together"},
    };
    for (const auto& [arguments, says] : refused) {
        const Outcome run = Satrivox(arguments);
        EXPECT_EQ(run.status, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(says) && run.err.count('\n') == 1) << run.err.toStdString();
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 4) << "no file, whole or partial, from refused input";
}

// The eyepiece's view at an instant, as PNG or SVG of the size asked.
TEST(CommandLine, DrawsTheViewInTheEyepiece) {
    const ScopedTimeZone zone("UTC");
    const QTemporaryDir folder;
    const Outcome png = Satrivox({"--view", "2019-01-05T15:30Z", "--size", "640x480", "--zoom", "disc", "--south-up", "--mirror",
                                  "--output", folder.filePath("v.png")});
    EXPECT_EQ(png.status, 0) << png.err.toStdString();
    EXPECT_EQ(QImage(folder.filePath("v.png")).size(), QSize(640, 480));
    EXPECT_EQ(Satrivox({"--view", "--output", folder.filePath("v.svg")}).status, 0);
    const std::vector<std::pair<QStringList, const char*>> refused{
        {{"--view", "--output", folder.filePath("x.pdf")}, "a .png or .svg file, not '"},
        {{"--view"}, "--view needs --output FILE"},
        {{"--view", "--size", "big", "--output", folder.filePath("x.png")}, "such as 800x600, not 'big'"},
        {{"--view", "--size", "50x50", "--output", folder.filePath("x.png")}, "not '50x50'"},
        {{"--view", "--zoom", "moon", "--output", folder.filePath("x.png")}, "system or disc, not 'moon'"},
        {{"--view", "2600-01-01", "--output", folder.filePath("x.png")}, "the years 1600 to 2500"},
        {{"--view", "--chart", "--output", folder.filePath("x.png")}, "--chart and --view cannot go together"},
        {{"--chart", "--south-up", "--output", folder.filePath("x.png")}, "--south-up goes with --view"},
        {{"--view", "--days", "2", "--output", folder.filePath("x.png")}, "--days goes with --events"},
    };
    for (const auto& [arguments, says] : refused) {
        const Outcome run = Satrivox(arguments);
        EXPECT_EQ(run.status, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(says) && run.err.count('\n') == 1) << run.err.toStdString();
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 2) << "nothing from refused input";
}

// ---- Offsets ---------------------------------------------------------------------

// The line "Copy offsets" gives, from the window's model or the precise theory,
// and as CSV with four decimals (no north for the model, which has none).
TEST(CommandLine, OffsetsAsTheWindowCopiesThem) {
    const ScopedTimeZone zone("Europe/Paris");
    EXPECT_EQ(Satrivox({"--offsets", "2026-12-07", "21:00"}).out,
              "12/07/2026 21:00 CET  Io -1.60  Europa -2.71  Ganymede -4.44  Callisto -8.78  arcmin\n");
    EXPECT_EQ(Satrivox({"--offsets", "2026-12-07T20:00Z"}).out, Satrivox({"--offsets", "2026-12-07 21:00:59"}).out)
        << "the model reads to the minute";
    const QString precise = Satrivox({"--offsets", "2026-12-07 21:00", "--precise"}).out;
    EXPECT_TRUE(precise.startsWith("12/07/2026 21:00 CET  Io -") && precise.endsWith("arcmin  precise\n")) << precise.toStdString();
    EXPECT_TRUE(Satrivox({"--offsets", "2014-12-30T21:44Z", "--precise"}).out.endsWith("arcmin  precise  2O1P in progress\n"))
        << "a mutual event named while it lasts";
    const QStringList model = Lines(Satrivox({"--offsets", "2026-12-07 21:00", "--csv"}).out);
    const QStringList theory = Lines(Satrivox({"--offsets", "2026-12-07 21:00", "--csv", "--precise", "--utc"}).out);
    ASSERT_EQ(model.size(), 5);
    ASSERT_EQ(theory.size(), 5);
    EXPECT_EQ(model[0], "time,moon,arcmin,west_radii,north_radii");
    EXPECT_TRUE(QRegularExpression(R"(^2026-12-07T21:00:00\+01:00,Io,-1\.60\d\d,-\d+\.\d{4},$)").match(model[1]).hasMatch()) << model[1].toStdString();
    EXPECT_TRUE(QRegularExpression(R"(^2026-12-07T20:00:00Z,Callisto,-8\.\d{4},-\d+\.\d{4},-?\d\.\d{4}$)").match(theory[4]).hasMatch()) << theory[4].toStdString();
}

TEST(CommandLine, WithoutWhenItIsNow) {
    const ScopedTimeZone zone("UTC");
    EXPECT_TRUE(Satrivox({"--events", "--days", "1"}).out.startsWith("Events of Jupiter's moons from 2026-12-08 00:42 UTC, for a day"));
    EXPECT_TRUE(Satrivox({"--offsets"}).out.startsWith("12/08/2026 00:42 UTC  Io "));
}

TEST(CommandLine, IsWantedOnlyForItsOwnOptions) {
    EXPECT_TRUE(app::WantsCommandLine({"satrivox", "--events"}));
    EXPECT_TRUE(app::WantsCommandLine({"satrivox", "--days=3"}));
    EXPECT_TRUE(app::WantsCommandLine({"satrivox", "-platform", "offscreen", "--version"}));
    EXPECT_FALSE(app::WantsCommandLine({"satrivox", "-platform", "offscreen"}));
    EXPECT_FALSE(app::WantsCommandLine({"--events"})) << "the program's own name";
    // Every option the help names, and only those.
    const QString help = Satrivox({"--help"}).out;
    const QRegularExpression named(R"((?<![\w-])(--?[a-z][a-z-]*))");
    int options = 0;
    for (auto match = named.globalMatch(help.section("Arguments:", 0, 0)); match.hasNext(); ++options) {
        const QString option = match.next().captured(1);
        EXPECT_TRUE(app::WantsCommandLine({"satrivox", option})) << option.toStdString();
    }
    EXPECT_GE(options, 24);
}

// ---- Languages ---------------------------------------------------------------------

class Languages : public ::testing::TestWithParam<const char*> {};

// The fields of a CSV line that carry no words: all but the event's.
QStringList MachineFields(const QString& line) {
    const QStringList fields = line.split(',');
    return fields.mid(0, 3) + fields.mid(fields.size() - 6);
}

// The list, its messages and its files in each language: the words of the
// language's file; the codes, times, columns and machine formats as in English.
TEST_P(Languages, ListsInTheLanguageWithTheSameCodesColumnsAndFormats) {
    const ScopedTimeZone utc("UTC");
    const QStringList arguments{"--events", "2019-01-05", "--days", "1", "--where", "38.72,-9.14"};
    const QStringList englishText = Lines(Satrivox(arguments).out);
    const QStringList englishCsv = Lines(Satrivox(arguments + QStringList{"--format", "csv"}).out);
    const QStringList englishCalendar = Lines(Satrivox(arguments + QStringList{"--format", "ics"}).out);

    translations::UsersLanguage language(GetParam());
    ASSERT_EQ(language.Language(), GetParam());
    language.Install();
    const TranslationFile words(GetParam());
    const QStringList text = Lines(Satrivox(arguments).out);
    EXPECT_EQ(text[0], words("CommandLine", "Events of Jupiter's moons from %1, for %2")
                           .arg("2019-01-05 12:00 UTC", words("CommandLine", "a day")));
    const QString ganymede = words("EventWording", "Ganymede");
    ASSERT_EQ(text.size(), englishText.size());
    const qsizetype heading = text.indexOf(QRegularExpression("^" + words("ObservingLog", "Date") + " .*" +
                                                              words("ObservingLog", "Code") + ".*"));
    ASSERT_EQ(heading, 3);
    const QString shadow = words("EventWording", "%1's shadow starts to cross the disc").arg(ganymede);
    EXPECT_TRUE(text[heading + 1].contains(QRegularExpression(ganymede + " {2,}" + QRegularExpression::escape(shadow) + " {2,}III\\.Sh\\.I ")))
        << text[heading + 1].toStdString();
    EXPECT_TRUE(text.join('\n').contains(words("EventWording", "Jupiter rises")));
    // Every line's code under the heading's, and the same as the English line's.
    const qsizetype codeColumn = text[heading].indexOf(words("ObservingLog", "Code"));
    const qsizetype englishCodeColumn = englishText[heading].indexOf("Code");
    for (qsizetype line = heading + 1; line < text.size(); ++line) {
        EXPECT_EQ(text[line].left(23), englishText[line].left(23)) << "date, time and zone";
        EXPECT_EQ(text[line].mid(codeColumn).section(' ', 0, 0), englishText[line].mid(englishCodeColumn).section(' ', 0, 0))
            << text[line].toStdString();
    }

    const QStringList csv = Lines(Satrivox(arguments + QStringList{"--format", "csv"}).out);
    ASSERT_EQ(csv.size(), englishCsv.size());
    EXPECT_EQ(csv[0], englishCsv[0]);
    for (qsizetype line = 1; line < csv.size(); ++line) {
        EXPECT_EQ(MachineFields(csv[line]), MachineFields(englishCsv[line]));
    }
    EXPECT_NE(csv[1], englishCsv[1]) << "the event's words follow the language";

    const QStringList calendar = Lines(Satrivox(arguments + QStringList{"--format", "ics"}).out);
    const auto properties = [](const QStringList& lines) {
        QStringList names;
        for (const QString& line : lines) {
            names << (line.startsWith(' ') ? QString() : line.section(QRegularExpression("[:;]"), 0, 0));
        }
        return names.filter(QRegularExpression("."));
    };
    EXPECT_EQ(properties(calendar), properties(englishCalendar));
    EXPECT_TRUE(calendar.contains("SUMMARY:" + words("EventWording", "%1's shadow crosses Jupiter").arg(ganymede) + "\r"));

    const Outcome refused = Satrivox({"--events", "--days", "0"});
    EXPECT_EQ(refused.err, "satrivox: " + words("CommandLine", "%1 takes a whole number of days from 1 to %2, not '%3'")
                                              .arg("--days").arg(731).arg("0") + "\n");
    EXPECT_TRUE(Satrivox({"--events", "2019-13-01"}).err.contains(": " + words("Refusal", "there is no month %1").arg("13") + " ("))
        << "the reader's own words too";
    EXPECT_TRUE(Satrivox({"--events", "--where", "38.7 -9.1 5"}).err.endsWith(
        words("Refusal", "expected a latitude and a longitude, such as 38.72,-9.14 or 38.72 N 9.14 W") + "\n"));
    EXPECT_TRUE(Satrivox({"--help"}).out.simplified().contains(words("CommandLine", "With --view: south up, as an inverting telescope shows it.")))
        << "its lines as Qt wraps them";
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, Languages, ::testing::Values("de", "fr", "es", "it", "pt_BR"));

// The program's language as the user's environment names it, read by the
// program itself: the first of theirs it speaks, English for none.
TEST(Language, FollowsTheEnvironmentAndIsEnglishForAnyOther) {
    const auto firstLine = [](const QStringList& settings) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
            environment.remove(variable);
        }
        environment.insert("TZ", "UTC");
        for (const QString& setting : settings) {
            environment.insert(setting.section('=', 0, 0), setting.section('=', 1));
        }
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(SATRIVOX_PROGRAM, {"--events", "2019-01-05", "--days", "1", "--no-grs"});
        EXPECT_TRUE(program.waitForFinished(60000));
        return QString::fromUtf8(program.readAllStandardOutput()).section('\n', 0, 0);
    };
    const auto in = [](const char* language) {
        const TranslationFile words(language);
        return words("CommandLine", "Events of Jupiter's moons from %1, for %2").arg("2019-01-05 12:00 UTC", words("CommandLine", "a day"));
    };
    const QString english = "Events of Jupiter's moons from 2019-01-05 12:00 UTC, for a day";
    EXPECT_EQ(firstLine({"LANGUAGE=de"}), in("de"));
    EXPECT_EQ(firstLine({"LANG=fr_FR.UTF-8"}), in("fr"));
    EXPECT_EQ(firstLine({"LC_MESSAGES=es_ES.UTF-8", "LANG=it_IT.UTF-8"}), in("es"));
    EXPECT_EQ(firstLine({"LC_ALL=pt_BR.UTF-8", "LANG=de_DE.UTF-8"}), in("pt_BR"));
    EXPECT_EQ(firstLine({"LANGUAGE=nl:it", "LANG=nl_NL.UTF-8"}), in("it"));
    EXPECT_EQ(firstLine({"LANGUAGE=pt_PT"}), in("pt_BR")) << "the Portuguese there is";
    EXPECT_EQ(firstLine({"LANGUAGE=de_AT"}), in("de"));
    EXPECT_EQ(firstLine({"LANGUAGE=nl", "LANG=nl_NL.UTF-8"}), english);
    EXPECT_EQ(firstLine({"LANGUAGE=en_GB:de"}), english);
    EXPECT_EQ(firstLine({"LANG=C.UTF-8"}), english);
    EXPECT_EQ(firstLine({}), english);
}

}  // namespace
}  // namespace satrivox::testing

// A settings folder of the tests' own, empty: no place or longitude the user set.
int main(int argc, char** argv) {
    QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "offscreen");  // the charts paint, as the program does without a display
    QGuiApplication application(argc, argv);
    QCoreApplication::setApplicationName("satrivox");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
