// SPDX-License-Identifier: GPL-3.0-or-later
#include "theory/galilean_theory.hpp"

#include <cmath>
#include <span>
#include <stdexcept>

#include "l12_series.hpp"  // generated from data/GalileanL1.2.dat

namespace ephemeris {
namespace {

using detail::MoonSeries;
using detail::SeriesTerm;
using detail::TermRange;

constexpr double kDaysPerYear = 365.25;  // the Chebyshev span's years, Julian

std::span<const SeriesTerm> Terms(TermRange range) {
    return std::span<const SeriesTerm>(detail::l12::kTerms).subspan(range.first, range.count);
}

double SumOfCosines(TermRange range, double t) {
    double sum = 0.0;
    for (const SeriesTerm& term : Terms(range)) {
        sum += term.amplitude * std::cos(term.phase + term.frequency * t);
    }
    return sum;
}

double SumOfSines(TermRange range, double t) {
    double sum = 0.0;
    for (const SeriesTerm& term : Terms(range)) {
        sum += term.amplitude * std::sin(term.phase + term.frequency * t);
    }
    return sum;
}

// Sum of amplitude x exp(i argument): cosines to the real part, sines to the imaginary.
std::array<double, 2> SumOfExponentials(TermRange range, double t) {
    double real = 0.0;
    double imaginary = 0.0;
    for (const SeriesTerm& term : Terms(range)) {
        const double argument = term.phase + term.frequency * t;
        real += term.amplitude * std::cos(argument);
        imaginary += term.amplitude * std::sin(argument);
    }
    return {real, imaginary};
}

// The five corrections at `x` in [-1, 1]: sums of c_k T_k(x), k = 0..8.
std::array<double, 5> ChebyshevCorrections(const MoonSeries& series, double x) {
    std::array<double, 9> polynomial{1.0, x};
    for (std::size_t k = 2; k < polynomial.size(); ++k) {
        polynomial[k] = 2.0 * x * polynomial[k - 1] - polynomial[k - 2];
    }
    std::array<double, 5> corrections{};
    for (std::size_t variable = 0; variable < corrections.size(); ++variable) {
        for (std::size_t k = 0; k < polynomial.size(); ++k) {
            corrections[variable] += series.chebyshev[variable][k] * polynomial[k] * (k == 0 ? 0.5 : 1.0);
        }
    }
    return corrections;
}

// Osculating elements in the theory's jovian equatorial frame.
struct Elements {
    double a;  // semi-major axis, au
    double L;  // mean longitude, radians
    double k;  // e cos(pericentre longitude)
    double h;  // e sin(pericentre longitude)
    double q;  // sin(i/2) cos(node longitude)
    double p;  // sin(i/2) sin(node longitude)
};

Elements ElementsAt(const MoonSeries& series, double t) {
    const double years = t / kDaysPerYear;
    const double x = (2.0 * years - (detail::l12::kFirstYear + detail::l12::kLastYear)) /
                     (detail::l12::kLastYear - detail::l12::kFirstYear);
    const std::array<double, 5> correction = ChebyshevCorrections(series, x);
    const auto [k, h] = SumOfExponentials(series.eccentricity, t);
    const auto [q, p] = SumOfExponentials(series.inclination, t);
    return {SumOfCosines(series.semiMajorAxis, t),
            series.longitudeAtEpoch + series.longitudeRate * t + SumOfSines(series.meanLongitude, t) + correction[0],
            k + correction[1], h + correction[2], q + correction[3], p + correction[4]};
}

// The two-body position and velocity of the elements (gravitational parameter
// mu), in the frame they are referred to. Kepler's equation is solved for the
// eccentric longitude F: F - k sin F + h cos F = L.
StateVector TwoBodyState(const Elements& e, double mu) {
    const double meanMotion = std::sqrt(mu / (e.a * e.a * e.a));
    double F = e.L + e.k * std::sin(e.L) - e.h * std::cos(e.L);
    for (int iteration = 0; iteration < 20; ++iteration) {
        const double step = (e.L - F + e.k * std::sin(F) - e.h * std::cos(F)) / (1.0 - e.k * std::cos(F) - e.h * std::sin(F));
        F += step;
        if (std::fabs(step) < 1e-15) {
            break;
        }
    }
    const double cosF = std::cos(F);
    const double sinF = std::sin(F);
    const double radiusLessOne = -e.k * cosF - e.h * sinF;  // r / a - 1
    const double aOverR = 1.0 / (1.0 + radiusLessOne);
    const double phi = std::sqrt(1.0 - e.k * e.k - e.h * e.h);
    const double psi = 1.0 / (1.0 + phi);
    const double lambda = e.h * cosF - e.k * sinF;
    const double x = e.a * (cosF - e.k - psi * e.h * lambda);
    const double y = e.a * (sinF - e.h + psi * e.k * lambda);
    const double vx = meanMotion * aOverR * e.a * (-sinF - psi * e.h * radiusLessOne);
    const double vy = meanMotion * aOverR * e.a * (cosF + psi * e.k * radiusLessOne);

    // From the orbit's plane to the reference plane.
    const double twoCosHalfI = 2.0 * std::sqrt(1.0 - e.q * e.q - e.p * e.p);
    const double pp = 1.0 - 2.0 * e.p * e.p;
    const double qq = 1.0 - 2.0 * e.q * e.q;
    const double pq = 2.0 * e.p * e.q;
    return {{x * pp + y * pq, x * pq + y * qq, (-x * e.p + y * e.q) * twoCosHalfI},
            {vx * pp + vy * pq, vx * pq + vy * qq, (-vx * e.p + vy * e.q) * twoCosHalfI}};
}

// From the jovian equatorial frame to the Earth's mean equator and equinox of
// J2000: about the node by the inclination I, then about the pole by Psi.
std::array<double, 3> ToEquatorial(const std::array<double, 3>& v) {
    static const double cosI = std::cos(detail::l12::kInclination);
    static const double sinI = std::sin(detail::l12::kInclination);
    static const double cosPsi = std::cos(detail::l12::kNodeLongitude);
    static const double sinPsi = std::sin(detail::l12::kNodeLongitude);
    const double y = v[1] * cosI - v[2] * sinI;
    const double z = v[1] * sinI + v[2] * cosI;
    return {v[0] * cosPsi - y * sinPsi, v[0] * sinPsi + y * cosPsi, z};
}

}  // namespace

StateVector JovicentricState(Moon moon, double julianDateTT) {
    const double t = julianDateTT - detail::l12::kEpoch;
    const double years = t / kDaysPerYear;
    if (!(years >= detail::l12::kFirstYear && years <= detail::l12::kLastYear)) {
        throw std::domain_error("The precise theory of the moons holds from 1130 to 2762 only");
    }
    const auto index = static_cast<std::size_t>(moon);
    const StateVector jovian = TwoBodyState(ElementsAt(detail::l12::kMoons[index], t),
                                            detail::l12::kGravitationalParameter[index]);
    return {ToEquatorial(jovian.position), ToEquatorial(jovian.velocity)};
}

}  // namespace ephemeris
