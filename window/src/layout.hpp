// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace window {

// Builds the window from its layout data (the resource :/window/layout.json):
// title, fixed client size, background, and every control with its name,
// rectangle, text, colours, alignment, state and tab order. Captions that the
// platform's font would clip are set in a smaller size until they fit.
void BuildLayout(QWidget& form);

}  // namespace window
