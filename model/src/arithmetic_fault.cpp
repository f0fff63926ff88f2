// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/arithmetic_fault.hpp"

namespace ephemeris {
namespace {

const char* Describe(ArithmeticFault::Condition condition) {
    switch (condition) {
        case ArithmeticFault::Condition::InvalidOperation:
            return "invalid operation";
        case ArithmeticFault::Condition::DivisionByZero:
            return "division by zero";
        case ArithmeticFault::Condition::Overflow:
            return "overflow";
    }
    return "arithmetic fault";
}

}  // namespace

ArithmeticFault::ArithmeticFault(const char* routine, Condition condition)
    : std::runtime_error(std::string("Arithmetic fault in ") + routine + ": " + Describe(condition)),
      condition_(condition) {}

}  // namespace ephemeris
