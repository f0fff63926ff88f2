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

// The words of this file, in the user's language.
struct EventWording {
    Q_DECLARE_TR_FUNCTIONS(EventWording)
};

QString KindWords(EventKind kind) {
    switch (kind) {
        case EventKind::TransitIngress:
            return EventWording::tr("%1 starts to cross the disc");
        case EventKind::TransitEgress:
            return EventWording::tr("%1 finishes crossing the disc");
        case EventKind::ShadowIngress:
            return EventWording::tr("%1's shadow starts to cross the disc");
        case EventKind::ShadowEgress:
            return EventWording::tr("%1's shadow finishes crossing the disc");
        case EventKind::EclipseDisappearance:
            return EventWording::tr("%1 disappears into Jupiter's shadow");
        case EventKind::EclipseReappearance:
            return EventWording::tr("%1 reappears from Jupiter's shadow");
        case EventKind::OccultationDisappearance:
            return EventWording::tr("%1 disappears behind Jupiter");
        case EventKind::OccultationReappearance:
            break;
    }
    return EventWording::tr("%1 reappears from behind Jupiter");
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
    QString words = (event.kind == ephemeris::MutualKind::Occultation ? EventWording::tr("%1 passes in front of %2: %2 loses %3 of its light")
                                                                       : EventWording::tr("%1's shadow falls on %2: %2 loses %3 of its light"))
                        .arg(active, passive, Percent(event.depth));
    if (event.nearLimb) {
        words += EventWording::tr(" near Jupiter's limb");
    }
    if (std::isinf(event.minutesPer100Km)) {
        words += EventWording::tr("; slow, its contacts cannot be timed");
    } else if (event.minutesPer100Km >= 1.0) {
        words += EventWording::tr("; slow, %1 min per 100 km").arg(event.minutesPer100Km, 0, 'f', 1);
    }
    if (event.hidden) {
        words += QLatin1Char(' ') + EventWording::tr("(unseen: behind Jupiter or in its shadow)");
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

QString MoonName(ephemeris::Moon moon, Naming naming) {
    static const std::array<const char*, 4> kNames{
        QT_TRANSLATE_NOOP("EventWording", "Io"), QT_TRANSLATE_NOOP("EventWording", "Europa"),
        QT_TRANSLATE_NOOP("EventWording", "Ganymede"), QT_TRANSLATE_NOOP("EventWording", "Callisto")};
    const char* name = kNames.at(static_cast<std::size_t>(moon));
    return naming == Naming::English ? QString::fromLatin1(name) : EventWording::tr(name);
}

QString EventWords(const MoonEvent& event) {
    const QString moon = MoonName(event.moon);
    QString words = KindWords(event.kind).arg(moon);
    if (!event.visible) {
        words += QLatin1Char(' ') + (IsOccultation(event.kind) ? EventWording::tr("(unseen: %1 is in Jupiter's shadow)")
                                                                : EventWording::tr("(unseen: %1 is behind Jupiter)"))
                                        .arg(moon);
    }
    return words;
}

QString PhenomenonWords(const MoonEvent& event) {
    const QString moon = MoonName(event.moon);
    switch (event.kind) {
        case EventKind::TransitIngress:
            return EventWording::tr("%1 crosses Jupiter").arg(moon);
        case EventKind::ShadowIngress:
            return EventWording::tr("%1's shadow crosses Jupiter").arg(moon);
        case EventKind::EclipseDisappearance:
            return EventWording::tr("%1 in Jupiter's shadow").arg(moon);
        case EventKind::TransitEgress:
        case EventKind::ShadowEgress:
        case EventKind::EclipseReappearance:
        case EventKind::OccultationDisappearance:
        case EventKind::OccultationReappearance:
            break;
    }
    return EventWording::tr("%1 behind Jupiter").arg(moon);
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

QString MoonOf(const ListedEvent& event, Naming naming) {
    if (const auto* moon = std::get_if<ephemeris::MoonEvent>(&event.what)) {
        return MoonName(moon->moon, naming);
    }
    const ephemeris::MutualEvent* mutual = MutualOf(event);
    return mutual != nullptr ? MoonName(mutual->passive, naming) : QString();
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
                return EventWording::tr("Jupiter rises");
            case ephemeris::SkyEventKind::JupiterCulmination:
                return EventWording::tr("Jupiter is highest in the sky");
            case ephemeris::SkyEventKind::JupiterSet:
                return EventWording::tr("Jupiter sets");
            case ephemeris::SkyEventKind::NightBegin:
                return EventWording::tr("night falls: the Sun %1 degrees down").arg(-ephemeris::kNightSunAltitude);
            case ephemeris::SkyEventKind::NightEnd:
                break;
        }
        return EventWording::tr("night ends: the Sun %1 degrees down").arg(-ephemeris::kNightSunAltitude);
    }
    return EventWording::tr("the Great Red Spot on the central meridian");
}

QString Explained(const ephemeris::Refusal& refusal) {
    QString words = QCoreApplication::translate("Refusal", refusal.words);
    QStringList details;
    for (const std::string& detail : refusal.details) {
        details << QString::fromStdString(detail);
    }
    // One pass over the words: a detail typed with a "%1" in it stays as typed.
    switch (details.size()) {
        case 0:
            return words;
        case 1:
            return words.arg(details[0]);
        default:
            return words.arg(details[0], details[1]);
    }
}

}  // namespace lists
