// SPDX-License-Identifier: GPL-3.0-or-later
// What the window should show, and a screen reader hear, for a local date and
// time given as the picker shows it ("MM/dd/yyyy HH:mm"): each moon's offset in
// arcminutes from the model, one "Name value" line each, in the TZ of the call.
#include <cstdio>

#include "model/satellite_model.hpp"
#include "support.hpp"

int main(int argc, char** argv) {
    unsigned month = 0, day = 0;
    int year = 0, hour = 0, minute = 0;
    if (argc != 2 || std::sscanf(argv[1], "%2u/%2u/%4d %2d:%2d", &month, &day, &year, &hour, &minute) != 5) {
        std::fprintf(stderr, "usage: %s 'MM/dd/yyyy HH:mm'\n", argv[0]);
        return 2;
    }
    const ephemeris::SatelliteOffsets o = ephemeris::ComputeSatelliteOffsets(satrivox::testing::Local(year, month, day, hour, minute));
    const double arcminutesPerRadius = 1.6375 / o.Delta;  // Jupiter's semi-diameter at 1 AU over the distance
    for (const auto& [name, x] : {std::pair{"Io", o.X1}, {"Europa", o.X2}, {"Ganymede", o.X3}, {"Callisto", o.X4}}) {
        std::printf("%s %.2f\n", name, x * arcminutesPerRadius);
    }
    return 0;
}
