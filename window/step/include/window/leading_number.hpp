// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace window {

// The number that `text` begins with, as a user typing a step expects: leading
// blanks, an optional sign, digits with an optional fraction ("1", "-0.5",
// ".25", "7."), and an optional exponent ("1e3", "2.5E-2"). Whatever follows the
// number is ignored ("60 minutes" is 60). Text that does not begin with a
// number gives 0. A value too large for a double gives +-infinity. The decimal
// point is always '.', whatever the user's locale.
double LeadingNumber(std::string_view text);

}  // namespace window
