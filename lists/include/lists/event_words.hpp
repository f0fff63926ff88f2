// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "events/moon_events.hpp"
#include "lists/event_list.hpp"
#include "model/refusal.hpp"

namespace lists {

// Every event in words, and its code, as the lists, the window and the
// calendar files write them.

// How a moon is named: in the user's language for people, in English for the
// machine formats (the CSV files' moon column), the same in every language.
enum class Naming { Translated, English };

QString MoonName(ephemeris::Moon moon, Naming naming = Naming::Translated);

// A moon's event: "Io's shadow starts to cross the disc"; for one that
// cannot be seen, why: "(unseen: Io is in Jupiter's shadow)".
QString EventWords(const ephemeris::MoonEvent& event);

// The phenomenon a beginning opens, for a calendar's entry that spans it:
// "Io's shadow crosses Jupiter".
QString PhenomenonWords(const ephemeris::MoonEvent& event);

// "II.Sh.I", "J.Rise", "Night.Begin", "GRS", "2O1P".
QString Code(const ListedEvent& event);
// The moon's name for a moon's event (for a mutual event, the moon that
// loses light), empty for the others.
QString MoonOf(const ListedEvent& event, Naming naming = Naming::Translated);
// Any event of a list in words: "Io's shadow starts to cross the disc",
// "Jupiter rises", "the Great Red Spot on the central meridian", "Europa
// passes in front of Io: Io loses 62 % of its light", with why a moon's event
// cannot be seen where it cannot.
QString Words(const ListedEvent& event);

// Why a reader refused what was typed (a date, a place), in the user's
// language: "there is no month 13".
QString Explained(const ephemeris::Refusal& refusal);

}  // namespace lists
