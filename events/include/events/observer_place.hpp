// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/refusal.hpp"

namespace ephemeris {

// Where the observer is: a name for people, and geodetic latitude and
// longitude in degrees, north and east positive.
struct Place {
    std::string name;
    double latitude = 0.0;
    double longitude = 0.0;

    bool operator==(const Place&) const = default;
};

// The zone the computer's clock follows, as the time-zone database names it
// ("Europe/Lisbon"): TZ when it names a zone (":Europe/Lisbon", or a file
// under the zone folder), else /etc/timezone, else where /etc/localtime leads.
// Empty for a POSIX rule, or where none of them names a zone.
std::string ComputersZoneName(const std::string& zoneFolder = "/usr/share/zoneinfo");

// The zone's principal place, with the coordinates the time-zone database
// gives it (zone1970.tab, else zone.tab, in `zoneFolder`; a zone that is only
// another's old name is followed to that zone through tzdata.zi): "Lisbon",
// 38.7167, -9.1333 for Europe/Lisbon. Nothing for a zone without coordinates
// (UTC, Etc/GMT+5) or where the tables cannot be read.
std::optional<Place> PlaceOfZone(std::string_view zone, const std::string& zoneFolder = "/usr/share/zoneinfo");

// The observer's place: the one they set, else the principal place of the
// computer's time zone, else (UTC, a POSIX rule) nothing. The window's lists
// and the command line choose it here alike.
std::optional<Place> ObserverPlace(const std::optional<Place>& set, const std::string& zoneFolder = "/usr/share/zoneinfo");

// Latitude and longitude as a person writes them: two numbers in degrees,
// each with a sign or a letter (N, S, E, W, in either case, before or after),
// apart by a comma or blanks: "38.72,-9.14", "38.72 N 9.14 W", "N38.72, W9.14".
// Nothing, with `problem` saying why, for anything else, a latitude beyond
// 90 degrees or a longitude beyond 180.
struct Coordinates {
    double latitude = 0.0;
    double longitude = 0.0;
};
std::optional<Coordinates> ReadCoordinates(std::string_view text, Refusal* problem = nullptr);

}  // namespace ephemeris
