// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace settings {

// How the observer has chosen to see the window.
struct ViewOptions {
    bool mirrored = false;          // east and west swapped, as a star diagonal or a Newtonian shows them
    bool nightColours = false;      // dim red on black, for eyes adapted to the dark
    bool moonNames = false;         // each moon's initial by its dot
    bool precisePositions = false;  // the dots and numbers from the precise theory, the ring at the disc's true size
    bool southUp = false;           // the telescope view turned half round, as an inverting telescope shows it

    bool operator==(const ViewOptions&) const = default;
};

}  // namespace settings
