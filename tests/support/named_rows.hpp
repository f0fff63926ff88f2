// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>

namespace satrivox::testing {

// Lets GoogleTest print a data row by the hazard it covers instead of its bytes.
// Bring it into a test's namespace with a using-declaration.
template <typename Row>
    requires requires(const Row& row) { row.hazard; }
std::ostream& operator<<(std::ostream& stream, const Row& row) {
    return stream << row.hazard;
}

}  // namespace satrivox::testing
