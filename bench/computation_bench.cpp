// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <ctime>

#include "events/moon_events.hpp"
#include "events/mutual_events.hpp"
#include "model/satellite_model.hpp"
#include "model/time_base.hpp"
#include "model_arithmetic.hpp"
#include "theory/galilean_theory.hpp"
#include "theory/jupiter_system.hpp"

namespace {

using namespace std::chrono;

ephemeris::Instant StartOf2024() {
    return local_days{2024y / January / 1} + hours{0};
}

void UseNewYork() {
    ::setenv("TZ", "America/New_York", 1);
    ::tzset();
}

// One instant over and over: the cost of a plot's computation.
void BM_ComputeSatelliteOffsets_SameInstant(benchmark::State& state) {
    UseNewYork();
    const ephemeris::Instant t = StartOf2024() + minutes{12345};
    for (auto _ : state) {
        benchmark::DoNotOptimize(ephemeris::ComputeSatelliteOffsets(t));
    }
}
BENCHMARK(BM_ComputeSatelliteOffsets_SameInstant);

// A year at one-minute steps, both daylight switches included: an animation.
void BM_ComputeSatelliteOffsets_YearOfMinutes(benchmark::State& state) {
    UseNewYork();
    constexpr int kMinutesPerYear = 525600;
    const ephemeris::Instant start = StartOf2024();
    int minute = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ephemeris::ComputeSatelliteOffsets(start + minutes{minute}));
        minute = minute + 1 == kMinutesPerYear ? 0 : minute + 1;
    }
}
BENCHMARK(BM_ComputeSatelliteOffsets_YearOfMinutes);

// Scattered instants over the picker's range: every call a new hour of the
// zone, the worst case for its look-up.
void BM_ComputeSatelliteOffsets_Scattered(benchmark::State& state) {
    UseNewYork();
    const ephemeris::Instant first = local_days{1601y / January / 1} + hours{0};
    std::uint64_t draw = 88172645463325252ULL;
    for (auto _ : state) {
        draw ^= draw << 13;
        draw ^= draw >> 7;
        draw ^= draw << 17;
        benchmark::DoNotOptimize(ephemeris::ComputeSatelliteOffsets(first + minutes{draw % 4414000000ULL}));
    }
}
BENCHMARK(BM_ComputeSatelliteOffsets_Scattered);

// The model's arithmetic alone, without time base or flag checks, over the
// same year of minutes: the floor that the full calls are compared with.
void BM_SatelliteModelArithmetic(benchmark::State& state) {
    constexpr int kMinutesPerYear = 525600;
    const double start = ephemeris::DaysSinceJ2000(2024, 1, 1, 5);
    int minute = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ephemeris::detail::SatelliteModel(start + minute / 1440.0));
        minute = minute + 1 == kMinutesPerYear ? 0 : minute + 1;
    }
}
BENCHMARK(BM_SatelliteModelArithmetic);

// The precise theory (L1.2) for all four moons at one instant; instants a
// minute apart, as the events' search and the window's animation ask.
void BM_PreciseTheory_FourMoons(benchmark::State& state) {
    double julianDate = 2461000.5;
    for (auto _ : state) {
        for (const ephemeris::Moon moon : ephemeris::kMoons) {
            ephemeris::StateVector moonState = ephemeris::JovicentricState(moon, julianDate);
            benchmark::DoNotOptimize(moonState);
        }
        julianDate += 1.0 / 1440.0;
    }
}
BENCHMARK(BM_PreciseTheory_FourMoons);

// What the window's precise positions cost a plot: the Earth, Jupiter and the
// four moons with their light times, from nothing.
void BM_PreciseView(benchmark::State& state) {
    ephemeris::UniversalTime when{sys_days{2026y / December / 10} + 21h};
    for (auto _ : state) {
        ephemeris::PreciseView view = ephemeris::ComputePreciseView(when);
        benchmark::DoNotOptimize(view);
        when += 1min;
    }
}
BENCHMARK(BM_PreciseView);

// Every event of a span from nothing: a night, a month, a year (the events
// dialog's spans and the command line's longest).
void BM_MoonEvents(benchmark::State& state) {
    const ephemeris::UniversalTime from{sys_days{2026y / December / 10} + 12h};
    for (auto _ : state) {
        std::vector<ephemeris::MoonEvent> events = ephemeris::FindMoonEvents(from, from + days{state.range(0)});
        benchmark::DoNotOptimize(events);
    }
}
BENCHMARK(BM_MoonEvents)->Arg(1)->Arg(30)->Arg(365)->Unit(benchmark::kMillisecond);

// The mutual events from nothing: the busiest month of the 2026-27 season,
// and the whole season, two years from 2026 June 1.
void BM_MutualEvents(benchmark::State& state) {
    const ephemeris::UniversalTime from{sys_days{state.range(0) == 731 ? 2026y / June / 1 : 2026y / October / 1}};
    for (auto _ : state) {
        std::vector<ephemeris::MutualEvent> events = ephemeris::FindMutualEvents(from, from + days{state.range(0)});
        benchmark::DoNotOptimize(events);
    }
}
BENCHMARK(BM_MutualEvents)->Arg(31)->Arg(731)->Unit(benchmark::kMillisecond);

void BM_LocalToUT(benchmark::State& state) {
    UseNewYork();
    const ephemeris::Instant t = StartOf2024() + minutes{12345};
    for (auto _ : state) {
        benchmark::DoNotOptimize(ephemeris::LocalToUT(t));
    }
}
BENCHMARK(BM_LocalToUT);

}  // namespace
