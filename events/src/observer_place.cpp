// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/observer_place.hpp"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "model/trimmed.hpp"

namespace ephemeris {
namespace {

// A zone the database holds: a plain file under the folder, named without
// anything a POSIX rule has and a name has not.
bool IsZone(const std::string& name, const std::string& zoneFolder) {
    if (name.empty() || name.find_first_of(",<>") != std::string::npos || name.find("..") != std::string::npos) {
        return false;
    }
    std::error_code error;
    return std::filesystem::is_regular_file(std::filesystem::path(zoneFolder) / name, error);
}

// "Europe/Lisbon" from "/usr/share/zoneinfo/Europe/Lisbon" (or any path through a "zoneinfo" folder).
std::string ZoneOfPath(const std::string& path) {
    const std::size_t at = path.rfind("zoneinfo/");
    return at == std::string::npos ? std::string() : path.substr(at + 9);
}

// "+3843-00908" or "+384300-0090800": degrees and minutes (and seconds) with signs.
std::optional<Coordinates> TableCoordinates(std::string_view text) {
    const auto part = [](std::string_view field, std::size_t degreeDigits) -> std::optional<double> {
        if (field.size() < 1 + degreeDigits + 2 || (field[0] != '+' && field[0] != '-')) {
            return std::nullopt;
        }
        double value = 0.0;
        double unit = 1.0;
        for (std::size_t at = 1, width = degreeDigits; at < field.size(); at += width, width = 2, unit /= 60.0) {
            int number = 0;
            const auto [end, error] = std::from_chars(field.data() + at, field.data() + std::min(field.size(), at + width), number);
            if (error != std::errc{} || end != field.data() + std::min(field.size(), at + width)) {
                return std::nullopt;
            }
            value += number * unit;
        }
        return field[0] == '-' ? -value : value;
    };
    const std::size_t split = text.find_first_of("+-", 1);
    if (split == std::string_view::npos) {
        return std::nullopt;
    }
    const std::optional<double> latitude = part(text.substr(0, split), 2);
    const std::optional<double> longitude = part(text.substr(split), 3);
    if (!latitude || !longitude) {
        return std::nullopt;
    }
    return Coordinates{*latitude, *longitude};
}

std::vector<std::string> Fields(const std::string& line, char separator) {
    std::vector<std::string> fields;
    std::istringstream stream(line);
    for (std::string field; std::getline(stream, field, separator);) {
        fields.push_back(field);
    }
    return fields;
}

std::optional<Place> FromTable(std::string_view zone, const std::filesystem::path& table) {
    std::ifstream stream(table);
    for (std::string line; std::getline(stream, line);) {
        const std::vector<std::string> fields = Fields(line, '\t');
        if (line.starts_with('#') || fields.size() < 3 || fields[2] != zone) {
            continue;
        }
        if (const std::optional<Coordinates> at = TableCoordinates(fields[1])) {
            std::string name = std::string(zone.substr(zone.rfind('/') + 1));
            std::replace(name.begin(), name.end(), '_', ' ');
            return Place{name, at->latitude, at->longitude};
        }
    }
    return std::nullopt;
}

// The zone an old or other name is a link to ("L America/New_York US/Eastern").
std::string LinkTarget(std::string_view zone, const std::filesystem::path& data) {
    std::ifstream stream(data);
    for (std::string line; std::getline(stream, line);) {
        const std::vector<std::string> fields = Fields(line, ' ');
        if (fields.size() == 3 && fields[0] == "L" && fields[2] == zone) {
            return fields[1];
        }
    }
    return {};
}

// One coordinate as written: a number in degrees, with at most one hemisphere
// letter (N, S, E, W, either case) before or after it, or a degree sign.
struct Reading {
    double value = 0.0;
    char letter = '\0';  // upper case; '\0' for none
};

bool IsHemisphere(char c) {
    return std::string_view("NSEWnsew").find(c) != std::string_view::npos;
}

std::optional<Reading> ReadOne(std::string_view word, Refusal& problem) {
    std::string text(Trimmed(word));
    for (const std::string_view degree : {"\u00b0", "d"}) {
        if (const std::size_t at = text.find(degree); at != std::string::npos && at > 0 && std::isdigit(static_cast<unsigned char>(text[at - 1]))) {
            text.erase(at, degree.size());
        }
    }
    Reading reading;
    if (!text.empty() && IsHemisphere(text.front())) {
        reading.letter = static_cast<char>(std::toupper(static_cast<unsigned char>(text.front())));
        text = std::string(Trimmed(std::string_view(text).substr(1)));
    } else if (!text.empty() && IsHemisphere(text.back())) {
        reading.letter = static_cast<char>(std::toupper(static_cast<unsigned char>(text.back())));
        text = std::string(Trimmed(std::string_view(text).substr(0, text.size() - 1)));
    }
    const std::size_t skip = text.starts_with('+') ? 1 : 0;
    const auto [end, error] = std::from_chars(text.data() + skip, text.data() + text.size(), reading.value);
    if (text.size() == skip || error != std::errc{} || end != text.data() + text.size() || !std::isfinite(reading.value)) {
        problem = {SATRIVOX_WORDS("Refusal", "'%1' is not a number of degrees"), {std::string(Trimmed(word))}};
        return std::nullopt;
    }
    if (reading.letter != '\0' && (skip == 1 || reading.value < 0.0)) {
        problem = {SATRIVOX_WORDS("Refusal", "'%1' has both a sign and a letter"), {std::string(Trimmed(word))}};
        return std::nullopt;
    }
    if (reading.letter == 'S' || reading.letter == 'W') {
        reading.value = -reading.value;
    }
    return reading;
}

// The two coordinates' words: either side of a comma or semicolon, or words
// apart by blanks, a lone letter going with the number before it unless that
// has one already or there is none ("38.7 N 9.1 W", "N 38.7 W 9.1").
std::vector<std::string> Words(std::string_view text) {
    if (const std::size_t comma = text.find_first_of(",;"); comma != std::string_view::npos) {
        return {std::string(text.substr(0, comma)), std::string(text.substr(comma + 1))};
    }
    std::vector<std::string> words;
    bool pending = false;  // the last word is a letter waiting for its number
    std::istringstream stream{std::string(text)};
    for (std::string word; stream >> word;) {
        const bool letter = word.size() == 1 && IsHemisphere(word[0]);
        const bool lastHasLetter = !words.empty() && (IsHemisphere(words.back().front()) || IsHemisphere(words.back().back()));
        if (pending) {
            words.back() += word;
            pending = false;
        } else if (letter && !words.empty() && !lastHasLetter) {
            words.back() += word;
        } else {
            words.push_back(word);
            pending = letter;
        }
    }
    return words;
}

}  // namespace

std::string ComputersZoneName(const std::string& zoneFolder) {
    // The zone a database's file names: "posix/Europe/Lisbon" and
    // "right/Europe/Lisbon" (the same rules, with leap seconds) are Europe/Lisbon.
    const auto named = [&zoneFolder](const std::string& zone) {
        if (!IsZone(zone, zoneFolder)) {
            return std::string();
        }
        for (const std::string_view variant : {"posix/", "right/"}) {
            if (zone.starts_with(variant)) {
                return zone.substr(variant.size());
            }
        }
        return zone;
    };
    if (const char* tz = std::getenv("TZ")) {
        std::string zone = tz;
        if (zone.starts_with(':')) {
            zone.erase(0, 1);
        }
        return named(zone.starts_with('/') ? ZoneOfPath(zone) : zone);
    }
    std::ifstream file("/etc/timezone");
    if (std::string zone; std::getline(file, zone) && !named(std::string(Trimmed(zone))).empty()) {
        return named(std::string(Trimmed(zone)));
    }
    std::error_code error;
    return named(ZoneOfPath(std::filesystem::read_symlink("/etc/localtime", error).string()));
}

std::optional<Place> PlaceOfZone(std::string_view zone, const std::string& zoneFolder) {
    const std::filesystem::path folder(zoneFolder);
    std::string name(zone);
    for (int link = 0; link < 4 && !name.empty(); ++link) {
        for (const char* table : {"zone1970.tab", "zone.tab"}) {
            if (std::optional<Place> place = FromTable(name, folder / table)) {
                return place;
            }
        }
        name = LinkTarget(name, folder / "tzdata.zi");
    }
    return std::nullopt;
}

std::optional<Coordinates> ReadCoordinates(std::string_view text, Refusal* problem) {
    Refusal why;
    const auto fail = [&why, problem](Refusal reason) -> std::optional<Coordinates> {
        why = std::move(reason);
        if (problem != nullptr) {
            *problem = why;
        }
        return std::nullopt;
    };
    const std::vector<std::string> words = Words(text);
    if (words.size() != 2) {
        return fail({SATRIVOX_WORDS("Refusal", "expected a latitude and a longitude, such as 38.72,-9.14 or 38.72 N 9.14 W"), {}});
    }
    const std::optional<Reading> first = ReadOne(words[0], why);
    const std::optional<Reading> second = first ? ReadOne(words[1], why) : std::nullopt;
    if (!first || !second) {
        return fail(why);
    }
    const auto eastWest = [](const Reading& reading) { return reading.letter == 'E' || reading.letter == 'W'; };
    const auto northSouth = [](const Reading& reading) { return reading.letter == 'N' || reading.letter == 'S'; };
    const bool swapped = eastWest(*first) && northSouth(*second);  // "9.14 W 38.72 N"
    const Reading latitude = swapped ? *second : *first;
    const Reading longitude = swapped ? *first : *second;
    if (eastWest(latitude) || northSouth(longitude)) {
        return fail({SATRIVOX_WORDS("Refusal", "the latitude takes N or S and the longitude E or W"), {}});
    }
    if (std::fabs(latitude.value) > 90.0 || std::fabs(longitude.value) > 180.0) {
        return fail({SATRIVOX_WORDS("Refusal", "a latitude is at most 90 degrees and a longitude at most 180"), {}});
    }
    return Coordinates{latitude.value, longitude.value};
}

std::optional<Place> ObserverPlace(const std::optional<Place>& set, const std::string& zoneFolder) {
    return set ? set : PlaceOfZone(ComputersZoneName(zoneFolder), zoneFolder);
}

}  // namespace ephemeris
