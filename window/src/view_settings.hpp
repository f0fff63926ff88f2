// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/view_options.hpp"

namespace window {

// The view remembered between runs, kept with QSettings in Qt's standard place
// for the application (~/.config/satrivox/satrivox.conf on Linux). A file that
// cannot be read (unreadable, garbled, of another kind) reads as the default
// view, and an option whose value is neither true nor false as off.
ViewOptions ReadViewOptions();

// Saves the view. The file is written only where it is absent or holds nothing
// but Satrivox's own settings, so no file of anyone else's is ever replaced; a
// folder that cannot be written leaves everything as it was, without a word.
void SaveViewOptions(const ViewOptions& view);

}  // namespace window
