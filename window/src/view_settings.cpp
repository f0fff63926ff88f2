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

// The user's own file only: no system-wide defaults to mix in.
class Settings : public QSettings {
public:
    Settings() : QSettings(QStringLiteral("satrivox"), QStringLiteral("satrivox")) { setFallbacksEnabled(false); }

    [[nodiscard]] bool HoldsOnlyOurs() const {
        const std::array<QString, 3> ours{kMirrored, kNightColours, kMoonNames};
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
    const ViewOptions view{settings.Read(kMirrored), settings.Read(kNightColours), settings.Read(kMoonNames)};
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
}

}  // namespace window
