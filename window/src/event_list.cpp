// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/event_list.hpp"

#include <QCoreApplication>

#include <algorithm>
#include <array>

#include "window/observing_log.hpp"

namespace window {
namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("EventList", text);
}

constexpr std::array<const char*, 5> kSkyCodes{"J.Rise", "J.Culm", "J.Set", "Night.Begin", "Night.End"};

}  // namespace

std::vector<ListedEvent> ListEvents(const ListRequest& request) {
    std::vector<ListedEvent> events;
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
    if (request.place) {
        const ephemeris::Coordinates at{request.place->latitude, request.place->longitude};
        for (ListedEvent& event : events) {
            event.altitudes = ephemeris::AltitudesAt(event.time, at);
        }
        for (const ephemeris::SkyEvent& sky : ephemeris::FindSkyEvents(request.from, request.until, at)) {
            events.push_back({sky.time, sky.kind, sky.altitudes});
        }
    }
    std::stable_sort(events.begin(), events.end(), [](const ListedEvent& a, const ListedEvent& b) { return a.time < b.time; });
    return events;
}

std::vector<ListedEvent> OnlySeenFromHere(std::vector<ListedEvent> events) {
    std::erase_if(events, [](const ListedEvent& event) { return SeenFromHere(event) != true; });
    return events;
}

QString Code(const ListedEvent& event) {
    if (const auto* moon = std::get_if<ephemeris::MoonEvent>(&event.what)) {
        return QString::fromStdString(ephemeris::EventCode(moon->moon, moon->kind));
    }
    if (const auto* sky = std::get_if<ephemeris::SkyEventKind>(&event.what)) {
        return QString::fromLatin1(kSkyCodes[static_cast<std::size_t>(*sky)]);
    }
    return QStringLiteral("GRS");
}

QString MoonOf(const ListedEvent& event) {
    const auto* moon = std::get_if<ephemeris::MoonEvent>(&event.what);
    return moon != nullptr ? MoonName(moon->moon) : QString();
}

QString Words(const ListedEvent& event) {
    if (const auto* moon = std::get_if<ephemeris::MoonEvent>(&event.what)) {
        return EventWords(*moon);
    }
    if (const auto* sky = std::get_if<ephemeris::SkyEventKind>(&event.what)) {
        switch (*sky) {
            case ephemeris::SkyEventKind::JupiterRise:
                return Tr("Jupiter rises");
            case ephemeris::SkyEventKind::JupiterCulmination:
                return Tr("Jupiter is highest in the sky");
            case ephemeris::SkyEventKind::JupiterSet:
                return Tr("Jupiter sets");
            case ephemeris::SkyEventKind::NightBegin:
                return Tr("night falls: the Sun 12 degrees down");
            case ephemeris::SkyEventKind::NightEnd:
                break;
        }
        return Tr("night ends: the Sun 12 degrees down");
    }
    return Tr("the Great Red Spot on the central meridian");
}

std::optional<bool> SeenFromHere(const ListedEvent& event) {
    if (!event.altitudes) {
        return std::nullopt;
    }
    const auto* moon = std::get_if<ephemeris::MoonEvent>(&event.what);
    return (moon == nullptr || moon->visible) && event.altitudes->jupiter >= kLowestJupiter &&
           event.altitudes->sun <= kHighestSun;
}

}  // namespace window
