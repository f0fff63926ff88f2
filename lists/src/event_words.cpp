// SPDX-License-Identifier: GPL-3.0-or-later
#include "lists/event_words.hpp"

#include <QCoreApplication>

#include <array>
#include <cmath>

#include "events/jupiter_sky.hpp"

namespace lists {
namespace {

using ephemeris::EventKind;
using ephemeris::MoonEvent;

QString Tr(const char* text) {
    return QCoreApplication::translate("EventWords", text);
}

QString KindWords(EventKind kind) {
    switch (kind) {
        case EventKind::TransitIngress:
            return Tr("%1 starts to cross the disc");
        case EventKind::TransitEgress:
            return Tr("%1 finishes crossing the disc");
        case EventKind::ShadowIngress:
            return Tr("%1's shadow starts to cross the disc");
        case EventKind::ShadowEgress:
            return Tr("%1's shadow finishes crossing the disc");
        case EventKind::EclipseDisappearance:
            return Tr("%1 disappears into Jupiter's shadow");
        case EventKind::EclipseReappearance:
            return Tr("%1 reappears from Jupiter's shadow");
        case EventKind::OccultationDisappearance:
            return Tr("%1 disappears behind Jupiter");
        case EventKind::OccultationReappearance:
            break;
    }
    return Tr("%1 reappears from behind Jupiter");
}

bool IsOccultation(EventKind kind) {
    return kind == EventKind::OccultationDisappearance || kind == EventKind::OccultationReappearance;
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

}  // namespace

QString MoonName(ephemeris::Moon moon) {
    static const std::array<const char*, 4> kNames{"Io", "Europa", "Ganymede", "Callisto"};
    return Tr(kNames[static_cast<std::size_t>(moon)]);
}

QString EventWords(const MoonEvent& event) {
    const QString moon = MoonName(event.moon);
    QString words = KindWords(event.kind).arg(moon);
    if (!event.visible) {
        words += QLatin1Char(' ') + (IsOccultation(event.kind) ? Tr("(unseen: %1 is in Jupiter's shadow)")
                                                                : Tr("(unseen: %1 is behind Jupiter)"))
                                        .arg(moon);
    }
    return words;
}

QString PhenomenonWords(const MoonEvent& event) {
    const QString moon = MoonName(event.moon);
    switch (event.kind) {
        case EventKind::TransitIngress:
            return Tr("%1 crosses Jupiter").arg(moon);
        case EventKind::ShadowIngress:
            return Tr("%1's shadow crosses Jupiter").arg(moon);
        case EventKind::EclipseDisappearance:
            return Tr("%1 in Jupiter's shadow").arg(moon);
        case EventKind::TransitEgress:
        case EventKind::ShadowEgress:
        case EventKind::EclipseReappearance:
        case EventKind::OccultationDisappearance:
        case EventKind::OccultationReappearance:
            break;
    }
    return Tr("%1 behind Jupiter").arg(moon);
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

}  // namespace lists
