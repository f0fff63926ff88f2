// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

namespace ephemeris {

// Raised when a computation sets the invalid-operation, division-by-zero or
// overflow flag of IEEE arithmetic. The caller's floating-point environment is
// restored before it is thrown, and no result of the faulty computation is
// returned.
class ArithmeticFault : public std::runtime_error {
public:
    enum class Condition { InvalidOperation, DivisionByZero, Overflow };

    ArithmeticFault(const char* routine, Condition condition);

    [[nodiscard]] Condition condition() const noexcept { return condition_; }

private:
    Condition condition_;
};

}  // namespace ephemeris
