// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cfenv>

#if defined(__x86_64__) && defined(__SSE2_MATH__)
#define EPHEMERIS_SSE_FENV 1
#include <xmmintrin.h>
#endif

#include "model/arithmetic_fault.hpp"

namespace ephemeris::detail {

// Keeps the compiler from moving arithmetic on `value` across the guard's
// reads and writes of the floating-point status.
template <typename T>
inline void Materialize(T& value) {
    asm volatile("" : "+m"(value));
}

// Code elsewhere in a GUI process (Qt's start-up on the offscreen and xcb
// platforms) leaves the upper halves of the AVX registers in use. Until
// something clears them, every SSE instruction of ours and of the C library's
// pays a transition penalty: the month's events took eight times as long as
// in a plain process. One vzeroupper, where the processor has AVX, clears them.
inline void ClearUpperVectorHalves() noexcept {
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
    static const bool avx = __builtin_cpu_supports("avx");
    if (avx) {
        asm volatile("vzeroupper");
    }
#endif
}

// Brackets a computation: all traps off while it runs, the caller's flags and
// trap settings back afterwards, and invalid operation, division by zero or
// overflow raised by it reported as ArithmeticFault.
//
// The portable feholdexcept/fesetenv pair costs ~150 ns through the x87
// environment, half the model's budget. On x86-64 all double arithmetic, ours
// and the C library's sin, cos, atan and sqrt, runs on SSE, so when no tested
// flag is set yet and every trap is masked (the usual state) the guard reads
// MXCSR once at each end and writes it back only if the computation changed it.
class FloatingPointGuard {
public:
    FloatingPointGuard() noexcept {
        ClearUpperVectorHalves();
#ifdef EPHEMERIS_SSE_FENV
        savedMxcsr_ = _mm_getcsr();
        sseOnly_ = (savedMxcsr_ & kTested) == 0 && (savedMxcsr_ & kAllMasked) == kAllMasked;
        if (sseOnly_) {
            return;
        }
#endif
        std::feholdexcept(&saved_);
    }

    // Restores the caller's state if the computation ended by an exception.
    ~FloatingPointGuard() {
        if (!finished_) {
            Restore();
        }
    }

    FloatingPointGuard(const FloatingPointGuard&) = delete;
    FloatingPointGuard& operator=(const FloatingPointGuard&) = delete;

    // Ends the guarded computation: restores the caller's state, then throws
    // ArithmeticFault naming `routine` if a tested flag was raised.
    void Finish(const char* routine) {
        finished_ = true;
        const int raised = Restore();
        if (raised & FE_INVALID) {
            throw ArithmeticFault(routine, ArithmeticFault::Condition::InvalidOperation);
        }
        if (raised & FE_DIVBYZERO) {
            throw ArithmeticFault(routine, ArithmeticFault::Condition::DivisionByZero);
        }
        if (raised & FE_OVERFLOW) {
            throw ArithmeticFault(routine, ArithmeticFault::Condition::Overflow);
        }
    }

private:
    static constexpr int kTested = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;

    // Returns the tested flags raised since construction.
    int Restore() noexcept {
#ifdef EPHEMERIS_SSE_FENV
        if (sseOnly_) {
            const unsigned current = _mm_getcsr();
            if (current != savedMxcsr_) {
                _mm_setcsr(savedMxcsr_);
            }
            return static_cast<int>(current & kTested);
        }
#endif
        const int raised = std::fetestexcept(kTested);
        std::fesetenv(&saved_);
        return raised;
    }

#ifdef EPHEMERIS_SSE_FENV
    // FE_* values are the status bit positions of MXCSR; bits 7-12 mask traps.
    static_assert(FE_INVALID == 0x01 && FE_DIVBYZERO == 0x04 && FE_OVERFLOW == 0x08);
    static constexpr unsigned kAllMasked = 0x1F80;
    bool sseOnly_ = false;
    unsigned savedMxcsr_ = 0;
#endif
    std::fenv_t saved_{};
    bool finished_ = false;
};

}  // namespace ephemeris::detail
