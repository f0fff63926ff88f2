// SPDX-License-Identifier: GPL-3.0-or-later
#include "ephemeris/delta_t.hpp"

#include <array>
#include <cmath>
#include <cstdint>

namespace ephemeris {
namespace {

constexpr int kFirstTabulatedYear = 1620;
constexpr double kSeconds1600 = 120.0;  // Morrison and Stephenson (2004)
constexpr double kExtrapolationYears = 100.0;

// TT - UT1 on January 1st of each year from 1620, in hundredths of a second: The
// Astronomical Almanac to 2018, the IERS / USNO (deltat.data) from 2019.
constexpr std::array<std::int16_t, 407> kCentiseconds{
    12400, 11900, 11500, 11000, 10600, 10200, 9800, 9500, 9100, 8800,  // 1620
    8500, 8200, 7900, 7700, 7400, 7200, 7000, 6700, 6500, 6300,  // 1630
    6200, 6000, 5800, 5700, 5500, 5400, 5300, 5100, 5000, 4900,  // 1640
    4800, 4700, 4600, 4500, 4400, 4300, 4200, 4100, 4000, 3800,  // 1650
    3700, 3600, 3500, 3400, 3300, 3200, 3100, 3000, 2800, 2700,  // 1660
    2600, 2500, 2400, 2300, 2200, 2100, 2000, 1900, 1800, 1700,  // 1670
    1600, 1500, 1400, 1400, 1300, 1200, 1200, 1100, 1100, 1000,  // 1680
    1000, 1000, 900, 900, 900, 900, 900, 900, 900, 900,  // 1690
    900, 900, 900, 900, 900, 900, 900, 900, 1000, 1000,  // 1700
    1000, 1000, 1000, 1000, 1000, 1000, 1000, 1100, 1100, 1100,  // 1710
    1100, 1100, 1100, 1100, 1100, 1100, 1100, 1100, 1100, 1100,  // 1720
    1100, 1100, 1100, 1100, 1200, 1200, 1200, 1200, 1200, 1200,  // 1730
    1200, 1200, 1200, 1200, 1300, 1300, 1300, 1300, 1300, 1300,  // 1740
    1300, 1400, 1400, 1400, 1400, 1400, 1400, 1400, 1500, 1500,  // 1750
    1500, 1500, 1500, 1500, 1500, 1600, 1600, 1600, 1600, 1600,  // 1760
    1600, 1600, 1600, 1600, 1600, 1700, 1700, 1700, 1700, 1700,  // 1770
    1700, 1700, 1700, 1700, 1700, 1700, 1700, 1700, 1700, 1700,  // 1780
    1700, 1700, 1600, 1600, 1600, 1600, 1500, 1500, 1400, 1400,  // 1790
    1370, 1340, 1310, 1290, 1270, 1260, 1250, 1250, 1250, 1250,  // 1800
    1250, 1250, 1250, 1250, 1250, 1250, 1250, 1240, 1230, 1220,  // 1810
    1200, 1170, 1140, 1110, 1060, 1020, 960, 910, 860, 800,  // 1820
    750, 700, 660, 630, 600, 580, 570, 560, 560, 560,  // 1830
    570, 580, 590, 610, 620, 630, 650, 660, 680, 690,  // 1840
    710, 720, 730, 740, 750, 760, 770, 770, 780, 780,  // 1850
    788, 782, 754, 697, 640, 602, 541, 410, 292, 182,  // 1860
    161, 10, -102, -128, -269, -324, -364, -454, -471, -511,  // 1870
    -540, -542, -520, -546, -546, -579, -563, -564, -580, -566,  // 1880
    -587, -601, -619, -664, -644, -647, -609, -576, -466, -374,  // 1890
    -272, -154, -2, 124, 264, 386, 537, 614, 775, 913,  // 1900
    1046, 1153, 1336, 1465, 1601, 1720, 1824, 1906, 2025, 2095,  // 1910
    2116, 2225, 2241, 2303, 2349, 2362, 2386, 2449, 2434, 2408,  // 1920
    2402, 2400, 2387, 2395, 2386, 2393, 2373, 2392, 2396, 2402,  // 1930
    2433, 2483, 2530, 2570, 2624, 2677, 2728, 2778, 2825, 2871,  // 1940
    2915, 2957, 2997, 3036, 3072, 3107, 3135, 3168, 3218, 3268,  // 1950
    3315, 3359, 3400, 3447, 3503, 3573, 3654, 3743, 3829, 3920,  // 1960
    4018, 4117, 4223, 4337, 4449, 4548, 4646, 4752, 4853, 4959,  // 1970
    5054, 5138, 5217, 5296, 5379, 5434, 5487, 5532, 5582, 5630,  // 1980
    5686, 5757, 5831, 5912, 5998, 6078, 6163, 6230, 6297, 6347,  // 1990
    6383, 6409, 6430, 6447, 6457, 6469, 6485, 6515, 6546, 6578,  // 2000
    6607, 6632, 6660, 6691, 6728, 6764, 6810, 6859, 6897, 6922,  // 2010
    6936, 6936, 6929, 6920, 6918, 6914, 6911,  // 2020
};
constexpr double kLastTabulatedYear = kFirstTabulatedYear + static_cast<double>(kCentiseconds.size() - 1);

double Tabulated(std::size_t index) {
    return kCentiseconds[index] / 100.0;
}

// Morrison and Stephenson (2004): the tidal slowing of the Earth's rotation
// over the last millennia, without the decade-long fluctuations about it.
double LongTermParabola(double year) {
    const double centuries = (year - 1820.0) / 100.0;
    return -20.0 + 32.0 * centuries * centuries;
}

double LongTermSlope(double year) {
    return 0.64 * (year - 1820.0) / 100.0;
}

// A cubic from the last observed value, at the slope of the ten years before
// it, to the parabola a century later, with the parabola's own slope there.
double Extrapolated(double year) {
    const std::size_t last = kCentiseconds.size() - 1;
    const double from = Tabulated(last);
    const double slope = (Tabulated(last) - Tabulated(last - 10)) / 10.0;
    const double end = kLastTabulatedYear + kExtrapolationYears;
    const double to = LongTermParabola(end);
    const double endSlope = LongTermSlope(end);
    const double s = (year - kLastTabulatedYear) / kExtrapolationYears;
    const double h00 = (1.0 + 2.0 * s) * (1.0 - s) * (1.0 - s);
    const double h10 = s * (1.0 - s) * (1.0 - s);
    const double h01 = s * s * (3.0 - 2.0 * s);
    const double h11 = s * s * (s - 1.0);
    return h00 * from + h10 * kExtrapolationYears * slope + h01 * to + h11 * kExtrapolationYears * endSlope;
}

}  // namespace

double DeltaTSeconds(double year) {
    if (year >= kLastTabulatedYear + kExtrapolationYears) {
        return LongTermParabola(year);
    }
    if (!(year >= kFirstTabulatedYear)) {
        return kSeconds1600 + (year - 1600.0) / (kFirstTabulatedYear - 1600.0) * (Tabulated(0) - kSeconds1600);
    }
    if (year >= kLastTabulatedYear) {
        return Extrapolated(year);
    }
    const double whole = std::floor(year);
    const auto index = static_cast<std::size_t>(whole) - kFirstTabulatedYear;
    return Tabulated(index) + (year - whole) * (Tabulated(index + 1) - Tabulated(index));
}

}  // namespace ephemeris
