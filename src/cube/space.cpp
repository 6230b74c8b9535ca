#include "space.h"

#include <algorithm>
#include <cmath>

namespace vexlor {

namespace {

// A turn as a unit quaternion, the form in which turns are blended.
struct Quaternion {
    double w, x, y, z;
};

double element(const Rotation& r, int row, int column) {
    const Vec3& c = r.axisImage[static_cast<std::size_t>(column)];
    return row == 0 ? c.x : row == 1 ? c.y : c.z;
}

Quaternion quaternionOf(const Rotation& r) {
    const double m00 = element(r, 0, 0), m11 = element(r, 1, 1), m22 = element(r, 2, 2);
    const double trace = m00 + m11 + m22;
    Quaternion q{};
    // Taken from the largest of w, x, y, z, so that no root is of a number
    // near zero.
    if (trace > 0) {
        const double s = 2 * std::sqrt(1 + trace);
        q = {s / 4, (element(r, 2, 1) - element(r, 1, 2)) / s,
             (element(r, 0, 2) - element(r, 2, 0)) / s, (element(r, 1, 0) - element(r, 0, 1)) / s};
    } else if (m00 > m11 && m00 > m22) {
        const double s = 2 * std::sqrt(1 + m00 - m11 - m22);
        q = {(element(r, 2, 1) - element(r, 1, 2)) / s, s / 4,
             (element(r, 0, 1) + element(r, 1, 0)) / s, (element(r, 0, 2) + element(r, 2, 0)) / s};
    } else if (m11 > m22) {
        const double s = 2 * std::sqrt(1 + m11 - m00 - m22);
        q = {(element(r, 0, 2) - element(r, 2, 0)) / s, (element(r, 0, 1) + element(r, 1, 0)) / s,
             s / 4, (element(r, 1, 2) + element(r, 2, 1)) / s};
    } else {
        const double s = 2 * std::sqrt(1 + m22 - m00 - m11);
        q = {(element(r, 1, 0) - element(r, 0, 1)) / s, (element(r, 0, 2) + element(r, 2, 0)) / s,
             (element(r, 1, 2) + element(r, 2, 1)) / s, s / 4};
    }
    return q;
}

Rotation rotationOf(const Quaternion& q) {
    const double n = std::sqrt(q.w * q.w + q.x * q.x + q.y * q.y + q.z * q.z);
    const double w = q.w / n, x = q.x / n, y = q.y / n, z = q.z / n;
    Rotation r;
    r.axisImage[0] = {1 - 2 * (y * y + z * z), 2 * (x * y + w * z), 2 * (x * z - w * y)};
    r.axisImage[1] = {2 * (x * y - w * z), 1 - 2 * (x * x + z * z), 2 * (y * z + w * x)};
    r.axisImage[2] = {2 * (x * z + w * y), 2 * (y * z - w * x), 1 - 2 * (x * x + y * y)};
    return r;
}

// An orthonormal frame whose first axis runs along a and whose second lies
// in the plane of a and b, on b's side.
std::array<Vec3, 3> frameOf(Vec3 a, Vec3 b) {
    const Vec3 e1 = normalized(a);
    const Vec3 e2 = normalized(b - dot(b, e1) * e1);
    return {e1, e2, cross(e1, e2)};
}

} // namespace

double length(Vec3 a) {
    return std::sqrt(dot(a, a));
}

Vec3 normalized(Vec3 a) {
    const double n = length(a);
    return n > 0 ? (1 / n) * a : a;
}

Rotation operator*(const Rotation& a, const Rotation& b) {
    Rotation r;
    for (std::size_t i = 0; i < 3; ++i)
        r.axisImage[i] = a(b.axisImage[i]);
    return r;
}

Rotation rotationAbout(Vec3 axis, double radians) {
    // Rodrigues: v cos + (k x v) sin + k (k . v)(1 - cos).
    const Vec3 k = normalized(axis);
    const double c = std::cos(radians), s = std::sin(radians);
    const auto turn = [&](Vec3 v) { return c * v + s * cross(k, v) + ((1 - c) * dot(k, v)) * k; };
    Rotation r;
    r.axisImage = {turn({1, 0, 0}), turn({0, 1, 0}), turn({0, 0, 1})};
    return r;
}

Rotation rotationTaking(Vec3 a, Vec3 b, Vec3 toA, Vec3 toB) {
    const std::array<Vec3, 3> from = frameOf(a, b);
    const std::array<Vec3, 3> to = frameOf(toA, toB);
    // p goes to the sum over i of (from[i] . p) to[i].
    Rotation r;
    r.axisImage[0] = from[0].x * to[0] + from[1].x * to[1] + from[2].x * to[2];
    r.axisImage[1] = from[0].y * to[0] + from[1].y * to[1] + from[2].y * to[2];
    r.axisImage[2] = from[0].z * to[0] + from[1].z * to[1] + from[2].z * to[2];
    return r;
}

Rotation interpolate(const Rotation& from, const Rotation& to, double s) {
    s = std::clamp(s, 0.0, 1.0);
    const Quaternion p = quaternionOf(from);
    Quaternion q = quaternionOf(to);
    double cosine = p.w * q.w + p.x * q.x + p.y * q.y + p.z * q.z;
    // q and -q are the same turn; the nearer one gives the shorter way.
    if (cosine < 0) {
        q = {-q.w, -q.x, -q.y, -q.z};
        cosine = -cosine;
    }
    double wp = 1 - s, wq = s;
    if (cosine < 0.9995) {
        const double angle = std::acos(cosine);
        wp = std::sin((1 - s) * angle) / std::sin(angle);
        wq = std::sin(s * angle) / std::sin(angle);
    }
    return rotationOf(
        {wp * p.w + wq * q.w, wp * p.x + wq * q.x, wp * p.y + wq * q.y, wp * p.z + wq * q.z});
}

} // namespace vexlor
