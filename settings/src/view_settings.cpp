// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/view_settings.hpp"

#include <QDateTime>
#include <QFileInfo>
#include <QSettings>

#include <algorithm>
#include <array>


namespace settings {
namespace {

constexpr const char* kMirrored = "view/mirrorEastWest";
constexpr const char* kNightColours = "view/nightColours";
constexpr const char* kMoonNames = "view/moonNames";
constexpr const char* kPrecisePositions = "view/precisePositions";
constexpr const char* kEventSpan = "events/span";
constexpr const char* kEventsGeometry = "events/geometry";
constexpr const char* kOnlyVisible = "events/onlyVisible";
constexpr const char* kRedSpotLongitude = "events/redSpotLongitude";
constexpr const char* kChartGeometry = "chart/geometry";
constexpr const char* kTelescopeGeometry = "telescope/geometry";
constexpr const char* kSouthUp = "view/southUp";
constexpr const char* kPlaceName = "place/name";
constexpr const char* kPlaceLatitude = "place/latitude";
constexpr const char* kPlaceLongitude = "place/longitude";
constexpr std::array<const char*, 3> kSpanNames{"night", "week", "month"};

// The user's own file only: no system-wide defaults to mix in.
class Settings : public QSettings {
public:
    Settings() : QSettings(QStringLiteral("satrivox"), QStringLiteral("satrivox")) { setFallbacksEnabled(false); }

    // Whether the file reads as settings at all. QSettings parses a section
    // only when a key of it is asked for, and keeps what it parsed while the
    // file is unchanged: a format error shows once, in the first instance to
    // list every key. That verdict is kept with the file's size and time, or a
    // later save would write over a file that is not ours.
    [[nodiscard]] bool Readable() const {
        struct Verdict {
            QString file;
            qint64 size = 0;
            QDateTime modified;
            bool readable = false;
        };
        static Verdict first;
        const QFileInfo info(fileName());
        if (first.file != info.filePath() || first.size != info.size() || first.modified != info.lastModified()) {
            static_cast<void>(allKeys());
            first = {info.filePath(), info.size(), info.lastModified(), status() == QSettings::NoError};
        }
        return first.readable && status() == QSettings::NoError;
    }

    [[nodiscard]] bool HoldsOnlyOurs() const {
        const std::array<QString, 14> ours{kMirrored,      kNightColours,  kMoonNames,      kPrecisePositions, kSouthUp,
                                           kEventSpan,     kEventsGeometry, kOnlyVisible,   kRedSpotLongitude, kPlaceName,
                                           kPlaceLatitude, kPlaceLongitude, kChartGeometry, kTelescopeGeometry};
        const QStringList keys = allKeys();
        return Readable() &&
               std::all_of(keys.begin(), keys.end(), [&ours](const QString& key) {
                   return std::find(ours.begin(), ours.end(), key) != ours.end();
               });
    }

    [[nodiscard]] bool Read(const char* key) const { return value(key).toString() == QLatin1String("true"); }

    // A number written in C's form within [lowest, highest], or nothing.
    [[nodiscard]] std::optional<double> Number(const char* key, double lowest, double highest) const {
        bool number = false;
        const double read = value(key).toString().toDouble(&number);
        return number && read >= lowest && read <= highest ? std::optional<double>(read) : std::nullopt;
    }

    [[nodiscard]] std::optional<ephemeris::Place> Place() const {
        const QString name = value(kPlaceName).toString().trimmed();
        const std::optional<double> latitude = Number(kPlaceLatitude, -90.0, 90.0);
        const std::optional<double> longitude = Number(kPlaceLongitude, -180.0, 180.0);
        if (name.isEmpty() || !latitude || !longitude) {
            return std::nullopt;
        }
        return ephemeris::Place{name.toStdString(), *latitude, *longitude};
    }
};

}  // namespace

ViewOptions ReadViewOptions() {
    const Settings settings;
    const ViewOptions view{settings.Read(kMirrored), settings.Read(kNightColours), settings.Read(kMoonNames),
                           settings.Read(kPrecisePositions), settings.Read(kSouthUp)};
    return settings.Readable() ? view : ViewOptions{};
}

void SaveViewOptions(const ViewOptions& view) {
    Settings settings;
    if (!settings.HoldsOnlyOurs()) {
        return;
    }
    settings.setValue(kMirrored, view.mirrored);
    settings.setValue(kNightColours, view.nightColours);
    settings.setValue(kMoonNames, view.moonNames);
    settings.setValue(kPrecisePositions, view.precisePositions);
    settings.setValue(kSouthUp, view.southUp);
}

EventsDialogSettings ReadEventsDialogSettings() {
    const Settings settings;
    if (!settings.Readable()) {
        return {};
    }
    const QString span = settings.value(kEventSpan).toString();
    const auto named = std::find(kSpanNames.begin(), kSpanNames.end(), span);
    return {named == kSpanNames.end() ? EventSpan::Night : static_cast<EventSpan>(named - kSpanNames.begin()),
            settings.value(kEventsGeometry).toByteArray(), settings.Place(), settings.Read(kOnlyVisible),
            settings.Number(kRedSpotLongitude, 0.0, 360.0).value_or(lists::kDefaultRedSpotLongitude)};
}

void SaveEventsDialogSettings(const EventsDialogSettings& dialog) {
    Settings settings;
    if (!settings.HoldsOnlyOurs()) {
        return;
    }
    settings.setValue(kEventSpan, QString::fromLatin1(kSpanNames[static_cast<std::size_t>(dialog.span)]));
    settings.setValue(kEventsGeometry, dialog.geometry);
    settings.setValue(kOnlyVisible, dialog.onlyVisible);
    settings.setValue(kRedSpotLongitude, QString::number(dialog.redSpotLongitude));
    if (dialog.place) {
        settings.setValue(kPlaceName, QString::fromStdString(dialog.place->name));
        settings.setValue(kPlaceLatitude, QString::number(dialog.place->latitude));
        settings.setValue(kPlaceLongitude, QString::number(dialog.place->longitude));
    } else {
        settings.remove(QStringLiteral("place"));
    }
}

QByteArray ReadGeometry(Placed window) {
    const Settings settings;
    return settings.Readable() ? settings.value(window == Placed::MonthChart ? kChartGeometry : kTelescopeGeometry).toByteArray()
                               : QByteArray();
}

void SaveGeometry(Placed window, const QByteArray& geometry) {
    Settings settings;
    if (settings.HoldsOnlyOurs()) {
        settings.setValue(window == Placed::MonthChart ? kChartGeometry : kTelescopeGeometry, geometry);
    }
}

std::optional<ephemeris::Place> ObserverPlace() {
    return ephemeris::ObserverPlace(ReadEventsDialogSettings().place);
}

double RedSpotLongitude() {
    return ReadEventsDialogSettings().redSpotLongitude;
}

}  // namespace settings
