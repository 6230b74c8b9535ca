// Points, directions and turns in the space a net folds up in: x to the
// right and y down the screen, as the pictures count, and z away from the
// viewer, all in cube edges. The viewer looks along +z, so a face that is seen
// has its outside towards -z.
#pragma once

#include <array>

namespace vexlor {

struct Vec3 {
    double x = 0;
    double y = 0;
    double z = 0;
};

constexpr Vec3 operator+(Vec3 a, Vec3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
constexpr Vec3 operator-(Vec3 a, Vec3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
constexpr Vec3 operator-(Vec3 a) {
    return {-a.x, -a.y, -a.z};
}
constexpr Vec3 operator*(double s, Vec3 a) {
    return {s * a.x, s * a.y, s * a.z};
}
constexpr double dot(Vec3 a, Vec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
constexpr Vec3 cross(Vec3 a, Vec3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
double length(Vec3 a);
// a scaled to length 1; the zero vector stays zero.
Vec3 normalized(Vec3 a);

// A turn of space about the origin, kept as the images of the three axes.
// The default is no turn at all.
struct Rotation {
    std::array<Vec3, 3> axisImage{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};

    constexpr Vec3 operator()(Vec3 p) const {
        return p.x * axisImage[0] + p.y * axisImage[1] + p.z * axisImage[2];
    }
};

// First b, then a.
Rotation operator*(const Rotation& a, const Rotation& b);

// The turn by radians about axis (any length but zero), clockwise as seen
// looking along the axis: in these screen-like axes, the turn about +z by a
// quarter takes +x to +y, a clockwise quarter on screen.
Rotation rotationAbout(Vec3 axis, double radians);

// The turn that takes the directions a and b (not parallel) to the
// directions toA and toB; both pairs must make the same angle, as two edges
// of a cube do.
Rotation rotationTaking(Vec3 a, Vec3 b, Vec3 toA, Vec3 toB);

// The turn a share s (0 to 1) of the way from `from` to `to`, along the
// shortest way between them, so that an animation turns evenly.
Rotation interpolate(const Rotation& from, const Rotation& to, double s);

} // namespace vexlor
