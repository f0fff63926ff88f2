// SPDX-License-Identifier: GPL-3.0-or-later
#include "view_settings.hpp"

#include <QSettings>

#include <algorithm>
#include <array>

namespace window {
namespace {

constexpr const char* kMirrored = "view/mirrorEastWest";
constexpr const char* kNightColours = "view/nightColours";
constexpr const char* kMoonNames = "view/moonNames";
constexpr const char* kPrecisePositions = "view/precisePositions";
constexpr const char* kEventSpan = "events/span";
constexpr const char* kEventsGeometry = "events/geometry";
constexpr std::array<const char*, 3> kSpanNames{"night", "week", "month"};

// The user's own file only: no system-wide defaults to mix in.
class Settings : public QSettings {
public:
    Settings() : QSettings(QStringLiteral("satrivox"), QStringLiteral("satrivox")) { setFallbacksEnabled(false); }

    [[nodiscard]] bool HoldsOnlyOurs() const {
        const std::array<QString, 6> ours{kMirrored, kNightColours, kMoonNames, kPrecisePositions, kEventSpan, kEventsGeometry};
        const QStringList keys = allKeys();
        return status() == QSettings::NoError &&
               std::all_of(keys.begin(), keys.end(), [&ours](const QString& key) {
                   return std::find(ours.begin(), ours.end(), key) != ours.end();
               });
    }

    [[nodiscard]] bool Read(const char* key) const { return value(key).toString() == QLatin1String("true"); }
};

}  // namespace

ViewOptions ReadViewOptions() {
    const Settings settings;
    const ViewOptions view{settings.Read(kMirrored), settings.Read(kNightColours), settings.Read(kMoonNames),
                           settings.Read(kPrecisePositions)};
    return settings.status() == QSettings::NoError ? view : ViewOptions{};
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
}

EventsDialogSettings ReadEventsDialogSettings() {
    const Settings settings;
    if (settings.status() != QSettings::NoError) {
        return {};
    }
    const QString span = settings.value(kEventSpan).toString();
    const auto named = std::find(kSpanNames.begin(), kSpanNames.end(), span);
    return {named == kSpanNames.end() ? EventSpan::Night : static_cast<EventSpan>(named - kSpanNames.begin()),
            settings.value(kEventsGeometry).toByteArray()};
}

void SaveEventsDialogSettings(const EventsDialogSettings& dialog) {
    Settings settings;
    if (!settings.HoldsOnlyOurs()) {
        return;
    }
    settings.setValue(kEventSpan, QString::fromLatin1(kSpanNames[static_cast<std::size_t>(dialog.span)]));
    settings.setValue(kEventsGeometry, dialog.geometry);
}

}  // namespace window
