// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace window {

// Sets in a narrower font every caption of the form's direct children that the
// platform's font would clip: condensed first (legible at the same height),
// then smaller. Controls that share a "captionGroup" property (a column of
// names, a row of buttons) get one font; every group that needs condensing
// gets the same one where it fits them all, so that few fonts are looked up.
void FitCaptions(QWidget& form);

}  // namespace window
