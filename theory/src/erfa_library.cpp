// SPDX-License-Identifier: GPL-3.0-or-later
#include "theory/erfa_library.hpp"

#include <dlfcn.h>

#include <stdexcept>
#include <string>

namespace ephemeris::detail {
namespace {

constexpr const char* kLibrary = "liberfa.so.1";

std::string Unavailable(const char* library, const char* what) {
    const char* why = dlerror();
    return std::string("ERFA (") + library + "), which the precise engine needs, " + what +
           (why != nullptr ? std::string(": ") + why : std::string());
}

template <typename Routine>
bool Find(void* library, const char* name, Routine& routine) {
    void* address = dlsym(library, name);
    routine = reinterpret_cast<Routine>(address);
    return address != nullptr;
}

}  // namespace

ErfaLoad LoadErfa(const char* library) {
    void* handle = dlopen(library, RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        return {std::nullopt, Unavailable(library, "could not be opened")};
    }
    ErfaRoutines erfa{};
    const bool complete = Find(handle, "eraAnp", erfa.anp) && Find(handle, "eraAnpm", erfa.anpm) &&
                          Find(handle, "eraC2s", erfa.c2s) && Find(handle, "eraEe00b", erfa.ee00b) &&
                          Find(handle, "eraEpv00", erfa.epv00) && Find(handle, "eraGmst06", erfa.gmst06) &&
                          Find(handle, "eraPlan94", erfa.plan94) && Find(handle, "eraPnm00b", erfa.pnm00b) &&
                          Find(handle, "eraRefco", erfa.refco) && Find(handle, "eraRxp", erfa.rxp);
    if (!complete) {
        std::string problem = Unavailable(library, "lacks a routine");
        dlclose(handle);
        return {std::nullopt, std::move(problem)};
    }
    return {erfa, {}};  // the library stays open for the life of the program
}

const ErfaRoutines& Erfa() {
    // Opened once: a library that cannot be used now will not be later in the
    // same run, and every call names the same cause.
    static const ErfaLoad load = LoadErfa(kLibrary);
    if (!load.routines) {
        throw std::runtime_error(load.problem);
    }
    return *load.routines;
}

}  // namespace ephemeris::detail
