// SPDX-License-Identifier: GPL-3.0-or-later
#include "theory/erfa_library.hpp"

#include <dlfcn.h>

#include <stdexcept>
#include <string>

namespace ephemeris::detail {
namespace {

constexpr const char* kLibrary = "liberfa.so.1";

std::runtime_error Unavailable(const char* what) {
    const char* why = dlerror();
    return std::runtime_error(std::string("ERFA (") + kLibrary + "), which the precise engine needs, " + what +
                              (why != nullptr ? std::string(": ") + why : std::string()));
}

template <typename Routine>
void Find(void* library, const char* name, Routine& routine) {
    void* address = dlsym(library, name);
    if (address == nullptr) {
        throw Unavailable("lacks a routine");
    }
    routine = reinterpret_cast<Routine>(address);
}

ErfaRoutines Open() {
    void* library = dlopen(kLibrary, RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        throw Unavailable("could not be opened");
    }
    ErfaRoutines erfa{};
    Find(library, "eraAnp", erfa.anp);
    Find(library, "eraAnpm", erfa.anpm);
    Find(library, "eraC2s", erfa.c2s);
    Find(library, "eraEe00b", erfa.ee00b);
    Find(library, "eraEpv00", erfa.epv00);
    Find(library, "eraGmst06", erfa.gmst06);
    Find(library, "eraPlan94", erfa.plan94);
    Find(library, "eraPnm00b", erfa.pnm00b);
    Find(library, "eraRefco", erfa.refco);
    Find(library, "eraRxp", erfa.rxp);
    return erfa;  // the library stays open for the life of the program
}

}  // namespace

const ErfaRoutines& Erfa() {
    static const ErfaRoutines erfa = Open();
    return erfa;
}

}  // namespace ephemeris::detail
