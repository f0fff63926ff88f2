// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cmath>

namespace ephemeris::detail {

// A vector in three dimensions, with the few operations the geometry needs:
// ERFA works on plain arrays and the standard library has no vector algebra.
using Vector3 = std::array<double, 3>;

inline Vector3 operator+(const Vector3& a, const Vector3& b) {
    return {a[0] + b[0], a[1] + b[1], a[2] + b[2]};
}
inline Vector3 operator-(const Vector3& a, const Vector3& b) {
    return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}
inline Vector3 operator*(double k, const Vector3& a) {
    return {k * a[0], k * a[1], k * a[2]};
}
inline double Dot(const Vector3& a, const Vector3& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}
inline Vector3 Cross(const Vector3& a, const Vector3& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
inline double Length(const Vector3& a) {
    return std::sqrt(Dot(a, a));
}
inline Vector3 Unit(const Vector3& a) {
    return (1.0 / Length(a)) * a;
}

}  // namespace ephemeris::detail
