// SPDX-License-Identifier: GPL-3.0-or-later
#include "lists/event_list.hpp"

#include <algorithm>


namespace lists {
namespace {

// The moons' own events and the Red Spot's transits.
void AddEachMoonsEvents(const ListRequest& request, std::vector<ListedEvent>& events) {
    for (const ephemeris::MoonEvent& moon : ephemeris::FindMoonEvents(request.from, request.until)) {
        if (moon.visible || request.unseen) {
            events.push_back({moon.time, moon, std::nullopt});
        }
    }
    if (request.redSpotLongitude) {
        for (const ephemeris::UniversalTime transit :
             ephemeris::FindMeridianTransits(request.from, request.until, *request.redSpotLongitude)) {
            events.push_back({transit, RedSpotTransit{*request.redSpotLongitude}, std::nullopt});
        }
    }
}

}  // namespace

std::vector<ListedEvent> ListEvents(const ListRequest& request) {
    std::vector<ListedEvent> events;
    for (const ephemeris::MutualEvent& mutual : ephemeris::FindMutualEvents(request.from, request.until)) {
        if (ephemeris::Noticeable(mutual) || request.unseen) {
            events.push_back({mutual.begin, mutual, std::nullopt});
        }
    }
    if (!request.onlyMutual) {
        AddEachMoonsEvents(request, events);
    }
    if (request.place) {
        const ephemeris::Coordinates at{request.place->latitude, request.place->longitude};
        if (!request.onlyMutual) {
            for (const ephemeris::SkyEvent& sky : ephemeris::FindSkyEvents(request.from, request.until, at)) {
                events.push_back({sky.time, sky.kind, sky.altitudes});
            }
        }
        std::stable_sort(events.begin(), events.end(), [](const ListedEvent& a, const ListedEvent& b) { return a.time < b.time; });
        // In order of time, the altitudes share one computation's daily positions and frames.
        std::vector<ephemeris::UniversalTime> seen;
        for (const ListedEvent& event : events) {
            if (!event.altitudes) {
                const ephemeris::MutualEvent* mutual = MutualOf(event);
                // A mutual event begun in the last hour of 2500 may reach its maximum past it.
                seen.push_back(mutual != nullptr ? std::min(mutual->maximum, ephemeris::kPreciseEnd - std::chrono::milliseconds{1})
                                                 : event.time);
            }
        }
        const std::vector<ephemeris::Altitudes> altitudes = ephemeris::AltitudesAt(seen, at);
        auto next = altitudes.begin();
        for (ListedEvent& event : events) {
            if (!event.altitudes) {
                event.altitudes = *next++;
            }
        }
        return events;
    }
    std::stable_sort(events.begin(), events.end(), [](const ListedEvent& a, const ListedEvent& b) { return a.time < b.time; });
    return events;
}

QStringList MutualCodesAt(ephemeris::UniversalTime instant) {
    using namespace std::chrono;
    // Longer than any mutual event lasts, and no earlier than the theory's first year.
    const ephemeris::UniversalTime earliest{sys_days{year{ephemeris::kPreciseFirstYear} / January / 1}};
    const ephemeris::UniversalTime from = std::max(earliest, instant - hours{12});
    QStringList codes;
    for (const ephemeris::MutualEvent& event : ephemeris::FindMutualEvents(from, instant + milliseconds{1})) {
        if (ephemeris::Noticeable(event) && event.end >= instant) {
            codes << QString::fromStdString(ephemeris::MutualCode(event));
        }
    }
    return codes;
}

std::vector<ListedEvent> OnlySeenFromHere(std::vector<ListedEvent> events) {
    std::erase_if(events, [](const ListedEvent& event) { return SeenFromHere(event) != true; });
    return events;
}

const ephemeris::MutualEvent* MutualOf(const ListedEvent& event) {
    return std::get_if<ephemeris::MutualEvent>(&event.what);
}




std::optional<bool> SeenFromHere(const ListedEvent& event) {
    if (!event.altitudes) {
        return std::nullopt;
    }
    const auto* moon = std::get_if<ephemeris::MoonEvent>(&event.what);
    const ephemeris::MutualEvent* mutual = MutualOf(event);
    return (moon == nullptr || moon->visible) && (mutual == nullptr || ephemeris::Noticeable(*mutual)) &&
           event.altitudes->jupiter >= kLowestJupiter && event.altitudes->sun <= kHighestSun;
}

}  // namespace lists
