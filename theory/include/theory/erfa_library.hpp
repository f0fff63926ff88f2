// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <erfa.h>

#include <optional>
#include <string>

namespace ephemeris::detail {

// ERFA's routines the engine uses, from its shared library, opened the first
// time the precise engine needs it rather than by the loader at start-up: as
// one more library in every symbol look-up of the window's start, it cost 0.8
// M instructions (1.3 %) for an engine most runs of the window never use.
struct ErfaRoutines {
    decltype(&::eraAnp) anp;
    decltype(&::eraAnpm) anpm;
    decltype(&::eraC2s) c2s;
    decltype(&::eraEe00b) ee00b;
    decltype(&::eraEpv00) epv00;
    decltype(&::eraGmst06) gmst06;
    decltype(&::eraPlan94) plan94;
    decltype(&::eraPnm00b) pnm00b;
    decltype(&::eraRefco) refco;
    decltype(&::eraRxp) rxp;
};

// Throws std::runtime_error, naming the library and why, if it cannot be
// opened or lacks a routine; it is tried once a run.
const ErfaRoutines& Erfa();

// The routines from `library`, or why they cannot be had; a library that
// lacks one is closed again.
struct ErfaLoad {
    std::optional<ErfaRoutines> routines;
    std::string problem;
};
ErfaLoad LoadErfa(const char* library);

}  // namespace ephemeris::detail
