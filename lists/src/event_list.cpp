// SPDX-License-Identifier: GPL-3.0-or-later
#include "lists/event_list.hpp"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cmath>

#include "lists/observing_log.hpp"

namespace lists {
namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("EventList", text);
}

QString SkyCode(ephemeris::SkyEventKind kind) {
    switch (kind) {
        case ephemeris::SkyEventKind::JupiterRise:
            return QStringLiteral("J.Rise");
        case ephemeris::SkyEventKind::JupiterCulmination:
            return QStringLiteral("J.Culm");
        case ephemeris::SkyEventKind::JupiterSet:
            return QStringLiteral("J.Set");
        case ephemeris::SkyEventKind::NightBegin:
            return QStringLiteral("Night.Begin");
        case ephemeris::SkyEventKind::NightEnd:
            break;
    }
    return QStringLiteral("Night.End");
}

// "62 %", and "0.4 %" for the faint ones listed only when asked.
QString Percent(double fraction) {
    const double percent = 100.0 * fraction;
    return QString::number(percent, 'f', percent < 1.0 ? 1 : 0) + QStringLiteral(" %");
}

QString MutualWords(const ephemeris::MutualEvent& event) {
    const QString active = MoonName(event.active);
    const QString passive = MoonName(event.passive);
    QString words = (event.kind == ephemeris::MutualKind::Occultation ? Tr("%1 passes in front of %2: %2 loses %3 of its light")
                                                                       : Tr("%1's shadow falls on %2: %2 loses %3 of its light"))
                        .arg(active, passive, Percent(event.depth));
    if (event.nearLimb) {
        words += Tr(" near Jupiter's limb");
    }
    if (std::isinf(event.minutesPer100Km)) {
        words += Tr("; slow, its contacts cannot be timed");
    } else if (event.minutesPer100Km >= 1.0) {
        words += Tr("; slow, %1 min per 100 km").arg(event.minutesPer100Km, 0, 'f', 1);
    }
    if (event.hidden) {
        words += QLatin1Char(' ') + Tr("(unseen: behind Jupiter or in its shadow)");
    }
    return words;
}

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
        for (ListedEvent& event : events) {
            const ephemeris::MutualEvent* mutual = MutualOf(event);
            // A mutual event begun in the last hour of 2500 may reach its maximum past it.
            const ephemeris::UniversalTime seen =
                mutual != nullptr ? std::min(mutual->maximum, ephemeris::kPreciseEnd - std::chrono::milliseconds{1}) : event.time;
            event.altitudes = ephemeris::AltitudesAt(seen, at);
        }
        if (!request.onlyMutual) {
            for (const ephemeris::SkyEvent& sky : ephemeris::FindSkyEvents(request.from, request.until, at)) {
                events.push_back({sky.time, sky.kind, sky.altitudes});
            }
        }
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

QString Code(const ListedEvent& event) {
    if (const auto* moon = std::get_if<ephemeris::MoonEvent>(&event.what)) {
        return QString::fromStdString(ephemeris::EventCode(moon->moon, moon->kind));
    }
    if (const auto* sky = std::get_if<ephemeris::SkyEventKind>(&event.what)) {
        return SkyCode(*sky);
    }
    if (const ephemeris::MutualEvent* mutual = MutualOf(event)) {
        return QString::fromStdString(ephemeris::MutualCode(*mutual));
    }
    return QStringLiteral("GRS");
}

QString MoonOf(const ListedEvent& event) {
    if (const auto* moon = std::get_if<ephemeris::MoonEvent>(&event.what)) {
        return MoonName(moon->moon);
    }
    const ephemeris::MutualEvent* mutual = MutualOf(event);
    return mutual != nullptr ? MoonName(mutual->passive) : QString();
}

QString Words(const ListedEvent& event) {
    if (const auto* moon = std::get_if<ephemeris::MoonEvent>(&event.what)) {
        return EventWords(*moon);
    }
    if (const ephemeris::MutualEvent* mutual = MutualOf(event)) {
        return MutualWords(*mutual);
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
                return Tr("night falls: the Sun %1 degrees down").arg(-ephemeris::kNightSunAltitude);
            case ephemeris::SkyEventKind::NightEnd:
                break;
        }
        return Tr("night ends: the Sun %1 degrees down").arg(-ephemeris::kNightSunAltitude);
    }
    return Tr("the Great Red Spot on the central meridian");
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
