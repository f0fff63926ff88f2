// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.hpp"

#include <QCommandLineParser>
#include <QPainter>
#include <QCoreApplication>
#include <QTextStream>

#include <algorithm>
#include <array>
#include <optional>
#include <stdexcept>

#include "app/when_reader.hpp"
#include "drawing/chart_files.hpp"
#include "drawing/month_chart.hpp"
#include "drawing/telescope_view.hpp"
#include "events/observer_place.hpp"
#include "lists/event_list.hpp"
#include "lists/event_words.hpp"
#include "lists/instant_conversion.hpp"
#include "lists/observing_log.hpp"
#include "model/satellite_model.hpp"
#include "model/time_base.hpp"
#include "settings/view_settings.hpp"
#include "theory/jupiter_system.hpp"

namespace app {
namespace {

using namespace std::chrono;

constexpr int kMostDays = 731;
constexpr int kBadInput = 2;
constexpr int kFailure = 1;

// Input the command line cannot take: the message names it.
struct BadInput : std::runtime_error {
    using std::runtime_error::runtime_error;
    explicit BadInput(const QString& message) : std::runtime_error(message.toStdString()) {}
};

// The command line's words, in the user's language.
struct CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

const char* const kEnvironment = QT_TRANSLATE_NOOP("CommandLine", R"(
Without --events, --offsets, --chart or --view, Satrivox opens its window
and takes Qt's standard options, such as -platform NAME, -style NAME,
-reverse and -qwindowgeometry WxH+X+Y; any other argument is named, with
status 2.
Bad input on the command line (an unknown option, a date it cannot read or
outside the years it covers, --days 0, an unknown format, a file it cannot
write) is named in one line on standard error, with status 2 and nothing on
standard output; --chart and --view then leave no file, whole or partial.

With --chart, the month runs from its first day's 00:00 to its last day's
24:00 local time, down the page; across, each moon's offset east or west of
Jupiter's disc, dotted while it is hidden, its shadow as a dark track on the
disc. The format follows the file's ending: .pdf (A4, vector), .svg, .png
(1240 x 1754 pixels). It needs no display, nor does --view.

With --events or --chart, the observer's place is --where, else the place
set in the window's events dialog, else the principal city of the time zone
(from zone1970.tab): Jupiter's rising, highest point and setting there, the
night (the Sun 12 degrees down), and for each event Jupiter's altitude and
the Sun's; an event can be seen when Jupiter is 5 degrees up or more and the
Sun 6 degrees down or more. The Great Red Spot uses --grs-longitude, else the
longitude set in the dialog, else %1 degrees.

Environment:
  TZ               the time zone: a zone such as Europe/Paris, or a POSIX rule;
                   unset, the system's zone
  QT_SCALE_FACTOR  scales the window and its plot, for instance 1.5
  LANGUAGE, LC_ALL, LC_MESSAGES, LANG
                   the language of the words and of the month and day names:
                   German, French, Spanish, Italian or Portuguese, else English;
                   numbers always use a decimal point, lists ISO dates
  DISPLAY, WAYLAND_DISPLAY  the display to open the window on
)");

struct Options {
    QCommandLineOption events{QStringLiteral("events"),
                              CommandLine::tr("List the moons' transits, shadows, eclipses and occultations from WHEN.")};
    QCommandLineOption days{QStringLiteral("days"),
                            CommandLine::tr("With --events: for N days, 1 to 731 (default 1). With --chart: 1 to 62 days from WHEN's "
                                           "date (default: WHEN's calendar month)."),
                            QStringLiteral("N"), QStringLiteral("1")};
    QCommandLineOption format{QStringLiteral("format"),
                              CommandLine::tr("With --events: text (default), csv, or ics (an iCalendar file)."),
                              QStringLiteral("text|csv|ics"), QStringLiteral("text")};
    QCommandLineOption all{QStringLiteral("all"), CommandLine::tr("With --events: add the events that cannot be seen, marked so.")};
    QCommandLineOption offsets{QStringLiteral("offsets"),
                               CommandLine::tr("Print the four offsets for WHEN as the window shows them (its \"Copy offsets\" line).")};
    QCommandLineOption precise{QStringLiteral("precise"),
                               CommandLine::tr("With --offsets: from the precise theory, not the window's model.")};
    QCommandLineOption csv{QStringLiteral("csv"),
                           CommandLine::tr("With --offsets: CSV, time,moon,arcmin,west_radii,north_radii.")};
    QCommandLineOption utc{QStringLiteral("utc"), CommandLine::tr("Write times in UT instead of the local time of TZ.")};
    QCommandLineOption where{QStringLiteral("where"),
                             CommandLine::tr("With --events or --chart: the observer's latitude and longitude in degrees, north and "
                                            "east positive."),
                             QStringLiteral("LAT,LON")};
    QCommandLineOption visible{QStringLiteral("visible"),
                               CommandLine::tr("With --events: only what can be seen from the observer's place.")};
    QCommandLineOption redSpot{QStringLiteral("grs-longitude"),
                               CommandLine::tr("With --events or --chart: the Great Red Spot's System II longitude, 0 to 360."),
                               QStringLiteral("DEG")};
    QCommandLineOption noRedSpot{QStringLiteral("no-grs"),
                                 CommandLine::tr("With --events or --chart: leave out the Great Red Spot's transits.")};
    QCommandLineOption mutualOnly{QStringLiteral("mutual-only"),
                                  CommandLine::tr("With --events: only the moons' mutual occultations and eclipses.")};

    QCommandLineOption chart{QStringLiteral("chart"),
                             CommandLine::tr("Draw the moons' chart of WHEN's month (YYYY-MM alone: that month; default: this "
                                            "month) into --output FILE: .pdf, .svg or .png, by its ending.")};
    QCommandLineOption view{QStringLiteral("view"),
                            CommandLine::tr("Draw Jupiter as the telescope shows it at WHEN, its moons, their shadows on the disc "
                                           "and the Great Red Spot, into --output FILE: .png or .svg.")};
    QCommandLineOption output{QStringLiteral("output"), CommandLine::tr("With --chart or --view: the file to write."),
                              QStringLiteral("FILE")};
    QCommandLineOption mirror{QStringLiteral("mirror"),
                              CommandLine::tr("With --chart or --view: east and west swapped, as in a star diagonal.")};
    QCommandLineOption noMutual{QStringLiteral("no-mutual"),
                                CommandLine::tr("With --chart: leave out the marks of the moons' mutual events.")};
    QCommandLineOption southUp{QStringLiteral("south-up"), CommandLine::tr("With --view: south up, as an inverting telescope shows it.")};
    QCommandLineOption size{QStringLiteral("size"), CommandLine::tr("With --view: the picture's size in pixels (default 800x600)."),
                            QStringLiteral("WxH"), QStringLiteral("800x600")};
    QCommandLineOption zoom{QStringLiteral("zoom"),
                            CommandLine::tr("With --view: the whole system (default) or the disc filling the picture."),
                            QStringLiteral("system|disc"), QStringLiteral("system")};

    // Each of them, in the order --help lists them.
    [[nodiscard]] QList<QCommandLineOption> All() const {
        return {events, days, format, all, where, visible, redSpot, noRedSpot, mutualOnly, offsets, precise, csv, utc,
                chart, view, output, mirror, noMutual, southUp, size, zoom};
    }
};

// The parser of the command line: the options above, --help and --version.
struct Parser {
    Options options;
    QCommandLineParser parser;
    QCommandLineOption help = parser.addHelpOption();
    QCommandLineOption version = parser.addVersionOption();

    Parser() {
        parser.setApplicationDescription(QStringLiteral(
            "Shows where Jupiter's four great moons, Io, Europa, Ganymede and Callisto, stand\n"
            "east or west of the planet for any local date and time, in one window. With\n"
            "--events or --offsets it prints instead, and with --chart it writes the month's\n"
            "chart to a file, without opening a window."));
        parser.addOptions(options.All());
        parser.addPositionalArgument(QStringLiteral("WHEN"),
                                     CommandLine::tr("YYYY-MM-DD (that date's local noon: the night that follows it), "
                                                    "YYYY-MM-DD HH:MM[:SS] (local time, as the window's picker), or "
                                                    "ISO 8601 with Z or an offset; default: now."),
                                     QStringLiteral("[WHEN]"));
    }

    // The names as they are typed: "--events", "-h".
    [[nodiscard]] QStringList TypedNames() const {
        QStringList typed{QStringLiteral("--help-all")};  // Qt's help option's third name, not among its names()
        for (const QCommandLineOption& option : options.All() + QList<QCommandLineOption>{help, version}) {
            for (const QString& name : option.names()) {
                typed += (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
            }
        }
        return typed;
    }
};

// "--days": the option as it is typed, for messages.
QString Typed(const QCommandLineOption& option) {
    return QStringLiteral("--") + option.names().constFirst();
}

QString ShownTime(ephemeris::UniversalTime instant, lists::Clock clock) {
    const lists::ClockReading reading = lists::ReadClock(instant, clock);
    return reading.Shown(QStringLiteral("yyyy-MM-dd HH:mm"));
}

// WHEN as a universal-time instant: the joined positional arguments, or now.
ephemeris::UniversalTime When(const QStringList& words, const std::function<QDateTime()>& now) {
    if (words.isEmpty()) {
        return lists::ToUniversalTime(now());
    }
    const QString text = words.join(QLatin1Char(' '));
    const WhenReading reading = ReadWhen(text.toStdString());
    if (!reading.moment) {
        throw BadInput(CommandLine::tr("cannot read the date and time '%1': %2 (expected YYYY-MM-DD, "
                                      "YYYY-MM-DD HH:MM[:SS], or ISO 8601 with Z or an offset)")
                           .arg(text, lists::Explained(reading.problem)));
    }
    if (const auto* local = std::get_if<ephemeris::Instant>(&*reading.moment)) {
        return ephemeris::UniversalTime{ephemeris::LocalToUT(*local).time_since_epoch()};
    }
    return std::get<ephemeris::UniversalTime>(*reading.moment);
}

void RequireOnlyWith(const QCommandLineParser& parser, const QList<const QCommandLineOption*>& options,
                     const QCommandLineOption& command) {
    for (const QCommandLineOption* option : options) {
        if (parser.isSet(*option)) {
            throw BadInput(CommandLine::tr("%1 goes with %2").arg(Typed(*option), Typed(command)));
        }
    }
}

QList<const QCommandLineOption*> EventsOnly(const Options& options) {
    return {&options.days,    &options.format,  &options.all,       &options.where,
            &options.visible, &options.redSpot, &options.noRedSpot, &options.mutualOnly};
}

QList<const QCommandLineOption*> ChartOnly(const Options& options) {
    return {&options.output, &options.mirror, &options.noMutual};
}

QList<const QCommandLineOption*> ViewOnly(const Options& options) {
    return {&options.southUp, &options.size, &options.zoom};
}

int Days(const QString& text, const Options& options, int most = kMostDays) {
    bool whole = false;
    const int days = text.toInt(&whole);
    if (!whole || days < 1 || days > most) {
        throw BadInput(CommandLine::tr("%1 takes a whole number of days from 1 to %2, not '%3'").arg(Typed(options.days)).arg(most).arg(text));
    }
    return days;
}

std::optional<ephemeris::Place> Place(const QCommandLineParser& parser, const Options& options) {
    if (!parser.isSet(options.where)) {
        return settings::ObserverPlace();
    }
    const QString text = parser.value(options.where);
    ephemeris::Refusal problem;
    const std::optional<ephemeris::Coordinates> read = ephemeris::ReadCoordinates(text.toStdString(), &problem);
    if (!read) {
        throw BadInput(CommandLine::tr("%1 takes a latitude and a longitude in degrees, such as 38.72,-9.14, not '%2': %3")
                           .arg(Typed(options.where), text, lists::Explained(problem)));
    }
    return ephemeris::Place{{}, read->latitude, read->longitude};
}

std::optional<double> RedSpotLongitude(const QCommandLineParser& parser, const Options& options) {
    if (parser.isSet(options.noRedSpot)) {
        if (parser.isSet(options.redSpot)) {
            throw BadInput(CommandLine::tr("%1 and %2 cannot go together").arg(Typed(options.redSpot), Typed(options.noRedSpot)));
        }
        return std::nullopt;
    }
    if (!parser.isSet(options.redSpot)) {
        return settings::RedSpotLongitude();
    }
    bool number = false;
    const double longitude = parser.value(options.redSpot).toDouble(&number);
    if (!number || !(longitude >= 0.0 && longitude <= 360.0)) {
        throw BadInput(CommandLine::tr("%1 takes a longitude in degrees from 0 to 360, not '%2'")
                           .arg(Typed(options.redSpot), parser.value(options.redSpot)));
    }
    return longitude;
}

void PrintEvents(const QCommandLineParser& parser, const Options& options, const std::function<QDateTime()>& now,
                 QTextStream& out) {
    const lists::Clock clock = parser.isSet(options.utc) ? lists::Clock::Universal : lists::Clock::Local;
    const int days = Days(parser.value(options.days), options);
    const QString format = parser.value(options.format);
    if (format != QLatin1String("text") && format != QLatin1String("csv") && format != QLatin1String("ics")) {
        throw BadInput(CommandLine::tr("%1 takes text, csv or ics, not '%2'").arg(Typed(options.format), format));
    }
    const ephemeris::UniversalTime from = When(parser.positionalArguments(), now);
    const ephemeris::UniversalTime until = from + std::chrono::days{days};
    if (!ephemeris::WithinPreciseYears(from)) {
        throw BadInput(CommandLine::tr("%1 is outside the years %2 to %3 that events are computed for")
                           .arg(ShownTime(from, clock))
                           .arg(ephemeris::kPreciseFirstYear)
                           .arg(ephemeris::kPreciseLastYear));
    }
    if (!ephemeris::WithinPreciseYears(until - 1ms)) {
        throw BadInput(CommandLine::tr("%1 days from %2 run past the end of %3, the last year events are computed for")
                           .arg(days)
                           .arg(ShownTime(from, clock))
                           .arg(ephemeris::kPreciseLastYear));
    }
    const std::optional<ephemeris::Place> place = Place(parser, options);
    if (parser.isSet(options.visible) && !place) {
        throw BadInput(CommandLine::tr("%1 needs the observer's place, and the time zone %2 names none: give %3 LAT,LON")
                           .arg(Typed(options.visible), QString::fromStdString(ephemeris::ZoneAbbreviation(from)),
                                Typed(options.where)));
    }
    std::vector<lists::ListedEvent> events =
        lists::ListEvents({from, until, parser.isSet(options.all), parser.isSet(options.mutualOnly), place,
                            RedSpotLongitude(parser, options)});
    if (parser.isSet(options.visible)) {
        events = lists::OnlySeenFromHere(std::move(events));
    }
    if (format == QLatin1String("csv")) {
        out << lists::EventsCsv(events, clock);
    } else if (format == QLatin1String("ics")) {
        out << lists::EventsCalendar(events, now());
    } else {
        // English needs no translator for its two forms; the others have all of theirs.
        const QString span = days == 1 ? CommandLine::tr("a day") : CommandLine::tr("%n days", nullptr, days);
        const QString night = place ? lists::NightSummary(*place, from, clock)
                                    : CommandLine::tr("No place is known (the time zone names none): --where LAT,LON gives one, "
                                                     "for Jupiter's night and what can be seen.\n");
        out << CommandLine::tr("Events of Jupiter's moons from %1, for %2").arg(ShownTime(from, clock), span) << "\n"
            << night << '\n' << (events.empty() ? CommandLine::tr("No events.\n") : lists::EventsText(events, clock));
    }
}

void PrintOffsets(const QCommandLineParser& parser, const Options& options, const std::function<QDateTime()>& now,
                  QTextStream& out) {
    const lists::Clock clock = parser.isSet(options.utc) ? lists::Clock::Universal : lists::Clock::Local;
    const ephemeris::UniversalTime when = When(parser.positionalArguments(), now);
    const bool precise = parser.isSet(options.precise);
    std::array<double, 4> arcminutes{};
    std::array<double, 4> west{};
    std::optional<std::array<double, 4>> north;
    if (precise) {
        if (!ephemeris::WithinPreciseYears(when)) {
            throw BadInput(CommandLine::tr("precise offsets are computed for the years %1 to %2, not for %3")
                               .arg(ephemeris::kPreciseFirstYear)
                               .arg(ephemeris::kPreciseLastYear)
                               .arg(ShownTime(when, clock)));
        }
        const ephemeris::PreciseView view = ephemeris::ComputePreciseView(when);
        north.emplace();
        for (std::size_t moon = 0; moon < 4; ++moon) {
            arcminutes[moon] = view.moons[moon].westArcmin;
            west[moon] = view.moons[moon].westRadii;
            (*north)[moon] = view.moons[moon].northRadii;
        }
    } else {
        const QDateTime local = lists::ReadClock(when, lists::Clock::Local).wallClock;
        if (local.date().year() < 1601 || local.date().year() > 9999) {
            throw BadInput(CommandLine::tr("the window shows the years 1601 to 9999, not %1").arg(ShownTime(when, clock)));
        }
        const ephemeris::SatelliteOffsets offsets = ephemeris::ComputeSatelliteOffsets(when);
        arcminutes = lists::ModelArcminutes(offsets);
        west = {offsets.X1, offsets.X2, offsets.X3, offsets.X4};
    }
    if (parser.isSet(options.csv)) {
        out << "time,moon,arcmin,west_radii,north_radii\n";
        for (std::size_t moon = 0; moon < 4; ++moon) {
            out << lists::IsoTime(when, clock) << ',' << lists::MoonName(static_cast<ephemeris::Moon>(moon), lists::Naming::English) << ','
                << QString::number(arcminutes[moon], 'f', 4) << ',' << QString::number(west[moon], 'f', 4) << ','
                << (north ? QString::number((*north)[moon], 'f', 4) : QString()) << '\n';
        }
        return;
    }
    const lists::ClockReading reading = lists::ReadClock(when, clock);
    std::array<QString, 4> shown;
    for (std::size_t moon = 0; moon < 4; ++moon) {
        shown[moon] = lists::ArcminutesText(arcminutes[moon]);
    }
    out << lists::OffsetsLine(reading.wallClock.toString(QLatin1String(lists::kPickerFormat)), reading.zone, shown, precise,
                               precise ? lists::MutualCodesAt(when) : QStringList())
        << '\n';
}

// The chart's days: WHEN's month, a month written YYYY-MM, or --days from WHEN's date.
drawing::ChartRequest ChartSpan(const QCommandLineParser& parser, const Options& options, const std::function<QDateTime()>& now) {
    const QStringList words = parser.positionalArguments();
    const QDate month = words.size() == 1 ? QDate::fromString(words.constFirst() + QStringLiteral("-01"), Qt::ISODate) : QDate();
    const bool monthAlone = month.isValid() && words.constFirst().size() == 7;
    const QDate date = monthAlone ? month : lists::ReadClock(When(words, now), lists::Clock::Local).wallClock.date();
    drawing::ChartRequest request = drawing::MonthOf(date);
    if (parser.isSet(options.days)) {
        request.first = date;
        request.days = Days(parser.value(options.days), options, drawing::kMostChartDays);
    }
    return request;
}

// The file --output names and its format, one of those `command` writes.
struct Output {
    QString file;
    drawing::ChartFormat format;
};
Output OutputOf(const QCommandLineParser& parser, const Options& options, const QCommandLineOption& command, bool pdf) {
    const QString endings = pdf ? CommandLine::tr(".pdf, .svg or .png") : CommandLine::tr(".png or .svg");
    if (!parser.isSet(options.output)) {
        throw BadInput(CommandLine::tr("%1 needs %2 FILE, a %3").arg(Typed(command), Typed(options.output), endings));
    }
    const QString file = parser.value(options.output);
    const std::optional<drawing::ChartFormat> format = drawing::ChartFormatOf(file);
    if (!format || (!pdf && *format == drawing::ChartFormat::Pdf)) {
        throw BadInput(CommandLine::tr("%1 writes a %2 file, not '%3'").arg(Typed(command), endings, file));
    }
    return {file, *format};
}

void WriteChartFile(const QCommandLineParser& parser, const Options& options, const std::function<QDateTime()>& now) {
    const auto [file, format] = OutputOf(parser, options, options.chart, true);
    drawing::ChartRequest request = ChartSpan(parser, options, now);
    const auto outsideTheYears = [&request] {
        return BadInput(CommandLine::tr("the chart is drawn for the years %1 to %2, not for %3")
                            .arg(ephemeris::kPreciseFirstYear)
                            .arg(ephemeris::kPreciseLastYear)
                            .arg(drawing::ChartSpanName(request)));
    };
    const QDate last = request.first.addDays(request.days - 1);
    if (request.first.year() < ephemeris::kPreciseFirstYear || last.year() > ephemeris::kPreciseLastYear) {
        throw outsideTheYears();
    }
    request.mirrored = parser.isSet(options.mirror);
    request.place = Place(parser, options);
    request.redSpotLongitude = RedSpotLongitude(parser, options);
    request.mutualMarks = !parser.isSet(options.noMutual);
    drawing::MonthChart computed;
    try {
        computed = drawing::ComputeMonthChart(request);
    } catch (const ephemeris::OutsidePreciseYears&) {
        throw outsideTheYears();  // a first day's midnight east of Greenwich still in 1599 in UT
    }
    const QString problem = drawing::WriteChart(computed, file, format);
    if (!problem.isEmpty()) {
        throw BadInput(CommandLine::tr("cannot write the chart to '%1': %2").arg(file, problem));
    }
}

constexpr int kLargestPicture = 8000;  // pixels a side

QSize PictureSize(const QCommandLineParser& parser, const Options& options) {
    const QString text = parser.value(options.size);
    const QStringList sides = text.split(QLatin1Char('x'));
    bool wide = false;
    bool high = false;
    const QSize size = sides.size() == 2 ? QSize(sides[0].toInt(&wide), sides[1].toInt(&high)) : QSize();
    if (!wide || !high || size.width() < 100 || size.height() < 100 || size.width() > kLargestPicture ||
        size.height() > kLargestPicture) {
        throw BadInput(CommandLine::tr("%1 takes a width and a height in pixels, 100 to %2 each, such as 800x600, not '%3'")
                           .arg(Typed(options.size))
                           .arg(kLargestPicture)
                           .arg(text));
    }
    return size;
}

void WriteViewFile(const QCommandLineParser& parser, const Options& options, const std::function<QDateTime()>& now) {
    const auto [file, format] = OutputOf(parser, options, options.view, false);
    const QString zoom = parser.value(options.zoom);
    if (zoom != QLatin1String("system") && zoom != QLatin1String("disc")) {
        throw BadInput(CommandLine::tr("%1 takes system or disc, not '%2'").arg(Typed(options.zoom), zoom));
    }
    const QSize size = PictureSize(parser, options);
    const ephemeris::UniversalTime when = When(parser.positionalArguments(), now);
    if (!ephemeris::WithinPreciseYears(when)) {
        throw BadInput(CommandLine::tr("the view is drawn for the years %1 to %2, not for %3")
                           .arg(ephemeris::kPreciseFirstYear)
                           .arg(ephemeris::kPreciseLastYear)
                           .arg(ShownTime(when, lists::Clock::Local)));
    }
    ephemeris::PreciseViewSeries views;
    const drawing::TelescopeScene scene = drawing::ComputeTelescopeScene(views, when, RedSpotLongitude(parser, options));
    const double level = zoom == QLatin1String("disc") ? drawing::kDiscFills : drawing::kWholeSystem;
    const drawing::Orientation orientation{parser.isSet(options.southUp), parser.isSet(options.mirror)};
    const QString problem = drawing::WritePicture(
        file, format, size, CommandLine::tr("Jupiter at %1").arg(ShownTime(when, lists::Clock::Universal)),
        [&](QPainter& painter, const QRectF& area) {
            drawing::PaintTelescopeView(painter, drawing::ViewLayout(area, level, orientation), scene, drawing::ViewColours::Day);
        });
    if (!problem.isEmpty()) {
        throw BadInput(CommandLine::tr("cannot write the view to '%1': %2").arg(file, problem));
    }
}

}  // namespace

bool WantsCommandLine(const QStringList& arguments) {
    const QStringList ours = Parser().TypedNames();
    return std::any_of(arguments.begin() + std::min<qsizetype>(1, arguments.size()), arguments.end(),
                       [&ours](const QString& argument) { return ours.contains(argument.section(QLatin1Char('='), 0, 0)); });
}

bool PaintsAPicture(const QStringList& arguments) {
    return arguments.contains(QStringLiteral("--chart")) || arguments.contains(QStringLiteral("--view"));
}

int RunCommandLine(const QStringList& arguments, const std::function<QDateTime()>& now, QTextStream& out,
                   QTextStream& err) {
    Parser commandLine;
    const Options& options = commandLine.options;
    QCommandLineParser& parser = commandLine.parser;
    QString text;
    QTextStream result(&text);
    try {
        if (!parser.parse(arguments)) {
            throw BadInput(parser.errorText());
        }
        if (parser.isSet(commandLine.help) || parser.isSet(QStringLiteral("help-all"))) {
            out << parser.helpText() << CommandLine::tr(kEnvironment).arg(lists::kDefaultRedSpotLongitude);
            return 0;
        }
        if (parser.isSet(commandLine.version)) {
            out << QCoreApplication::applicationName() << ' ' << QCoreApplication::applicationVersion() << '\n';
            return 0;
        }
        const bool events = parser.isSet(options.events);
        const bool offsets = parser.isSet(options.offsets);
        const bool chart = parser.isSet(options.chart);
        const bool view = parser.isSet(options.view);
        const std::array commands{&options.events, &options.offsets, &options.chart, &options.view};
        for (auto a = commands.begin(); a != commands.end(); ++a) {
            for (auto b = a + 1; b != commands.end(); ++b) {
                if (parser.isSet(**a) && parser.isSet(**b)) {
                    throw BadInput(CommandLine::tr("%1 and %2 cannot go together").arg(Typed(**a), Typed(**b)));
                }
            }
        }
        if (chart) {
            RequireOnlyWith(parser, {&options.format, &options.all, &options.visible, &options.mutualOnly}, options.events);
            RequireOnlyWith(parser, {&options.precise, &options.csv, &options.utc}, options.offsets);
            RequireOnlyWith(parser, ViewOnly(options), options.view);
            WriteChartFile(parser, options, now);
        } else if (view) {
            RequireOnlyWith(parser, {&options.days, &options.format, &options.all, &options.where, &options.visible,
                                     &options.mutualOnly}, options.events);
            RequireOnlyWith(parser, {&options.precise, &options.csv, &options.utc}, options.offsets);
            RequireOnlyWith(parser, {&options.noMutual}, options.chart);
            WriteViewFile(parser, options, now);
        } else if (events) {
            RequireOnlyWith(parser, {&options.precise, &options.csv}, options.offsets);
            RequireOnlyWith(parser, ChartOnly(options), options.chart);
            RequireOnlyWith(parser, ViewOnly(options), options.view);
            PrintEvents(parser, options, now, result);
        } else if (offsets) {
            RequireOnlyWith(parser, EventsOnly(options), options.events);
            RequireOnlyWith(parser, ChartOnly(options), options.chart);
            RequireOnlyWith(parser, ViewOnly(options), options.view);
            PrintOffsets(parser, options, now, result);
        } else {
            RequireOnlyWith(parser, EventsOnly(options), options.events);
            RequireOnlyWith(parser, ChartOnly(options), options.chart);
            RequireOnlyWith(parser, ViewOnly(options), options.view);
            RequireOnlyWith(parser, {&options.precise, &options.csv}, options.offsets);
            throw BadInput(CommandLine::tr("%1 goes with %2 or %3").arg(Typed(options.utc), Typed(options.events), Typed(options.offsets)));
        }
    } catch (const BadInput& bad) {
        err << QCoreApplication::applicationName() << ": " << bad.what() << '\n';
        return kBadInput;
    } catch (const std::exception& fault) {
        err << QCoreApplication::applicationName() << ": " << fault.what() << '\n';
        return kFailure;
    }
    result.flush();
    out << text;
    return 0;
}

}  // namespace app
