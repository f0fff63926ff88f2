// SPDX-License-Identifier: GPL-3.0-or-later
#include "root_finding.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

namespace ephemeris::detail {

double Root(const std::function<double(double)>& f, double a, double b, double tolerance) {
    double fa = f(a);
    double fb = f(b);
    double c = a;
    double fc = fa;
    double d = b - a;
    double e = d;
    for (int iteration = 0; iteration < 100; ++iteration) {
        if ((fb > 0.0) == (fc > 0.0)) {
            c = a;
            fc = fa;
            d = e = b - a;
        }
        if (std::fabs(fc) < std::fabs(fb)) {
            a = b;
            b = c;
            c = a;
            fa = fb;
            fb = fc;
            fc = fa;
        }
        // Half the tolerance, and never less than the spacing of doubles at b.
        const double step = 2.0 * std::numeric_limits<double>::epsilon() * std::fabs(b) + 0.5 * tolerance;
        const double half = 0.5 * (c - b);
        if (std::fabs(half) <= step || fb == 0.0) {
            return b;
        }
        if (std::fabs(e) >= step && std::fabs(fa) > std::fabs(fb)) {
            const double s = fb / fa;
            double p = 0.0;
            double q = 0.0;
            if (a == c) {
                p = 2.0 * half * s;
                q = 1.0 - s;
            } else {
                const double r = fb / fc;
                const double t = fa / fc;
                p = s * (2.0 * half * t * (t - r) - (b - a) * (r - 1.0));
                q = (t - 1.0) * (r - 1.0) * (s - 1.0);
            }
            if (p > 0.0) {
                q = -q;
            }
            p = std::fabs(p);
            if (2.0 * p < std::min(3.0 * half * q - std::fabs(step * q), std::fabs(e * q))) {
                e = d;
                d = p / q;
            } else {
                d = half;
                e = d;
            }
        } else {
            d = half;
            e = d;
        }
        a = b;
        fa = fb;
        b += std::fabs(d) > step ? d : std::copysign(step, half);
        fb = f(b);
    }
    return b;
}

double Below(const std::function<double(double)>& f, double below, double a, double b, double tolerance) {
    constexpr double kGolden = 0.3819660112501051;  // (3 - sqrt 5) / 2
    double x1 = a + kGolden * (b - a);
    double x2 = b - kGolden * (b - a);
    double f1 = f(x1);
    double f2 = f(x2);
    while (b - a > tolerance && f1 >= below && f2 >= below) {
        if (f1 < f2) {
            b = x2;
            x2 = x1;
            f2 = f1;
            x1 = a + kGolden * (b - a);
            f1 = f(x1);
        } else {
            a = x1;
            x1 = x2;
            f1 = f2;
            x2 = b - kGolden * (b - a);
            f2 = f(x2);
        }
    }
    return f1 < f2 ? x1 : x2;
}

}  // namespace ephemeris::detail
