#include "fold.h"

#include "cube/topology.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vexlor {

namespace {

// A net cell's corners in face coordinates, clockwise from its top left. The
// face's edge toward screen direction d runs from corner d to corner d + 1.
constexpr double kCornerU[4] = {0, 1, 1, 0};
constexpr double kCornerV[4] = {0, 0, 1, 1};

constexpr int quarter(int turn) {
    return ((turn % 4) + 4) % 4;
}

// A face's place while folding: p in net coordinates goes to turn(p) + shift.
struct Placement {
    Rotation turn;
    Vec3 shift;

    Vec3 operator()(Vec3 p) const { return turn(p) + shift; }
};

} // namespace

std::array<Vec3, kVisibleFaces> answerViewEdges() {
    // Turned about the vertical, then tilted so that the far side rises on
    // the screen.
    const double ca = std::cos(kAnswerViewTurn), sa = std::sin(kAnswerViewTurn);
    const double cb = std::cos(kAnswerViewTilt), sb = std::sin(kAnswerViewTilt);
    return {{{-ca, -sa * sb, sa * cb}, {sa, -ca * sb, ca * cb}, {0, cb, sb}}};
}

NetFold netFold(const Cube& c) {
    NetFold cells;
    bool twice = false;
    int centreFace = -1;
    for (int x = 0; x < kNetSize; ++x)
        for (int y = 0; y < kNetSize; ++y) {
            const NetCell cell = c.net[x][y];
            if (cell.face < 0 || cell.face >= kFaces)
                continue;
            if (cells.column[cell.face] >= 0) {
                twice = true; // the first cell of a face counts
                continue;
            }
            cells.column[cell.face] = static_cast<std::int8_t>(x);
            cells.row[cell.face] = static_cast<std::int8_t>(y);
            cells.turn[cell.face] = static_cast<std::int8_t>(quarter(cell.turn));
            if (x == kNetSize / 2 && y == kNetSize / 2)
                centreFace = cell.face;
        }

    // The face across each side of a face's cell, if the net holds one there.
    const auto neighbour = [&cells](int f, int dir) -> int {
        std::int8_t nx = 0, ny = 0;
        stepCell(cells.column[f], cells.row[f], nx, ny, static_cast<std::int8_t>(dir));
        for (int g = 0; g < kFaces && nx >= 0; ++g)
            if (cells.column[g] == nx && cells.row[g] == ny)
                return g;
        return -1;
    };
    // Both faces' edges on the line between two cells must be the edge they
    // share on the cube.
    bool hingesMatch = true;
    for (int f = 0; f < kFaces; ++f)
        for (int dir = 0; dir < 4 && cells.column[f] >= 0; ++dir) {
            const int g = neighbour(f, dir);
            const EdgeLink across = adj[f][quarter(dir - cells.turn[f])];
            hingesMatch =
                hingesMatch &&
                (g < 0 || (across.face == g && across.edge == quarter(dir + 2 - cells.turn[g])));
        }

    // The tree grows from the face that leaves the fewest hinges between it
    // and the farthest face, so that the net closes round its middle; among
    // equals the centre cell's face, then the lowest.
    NetFold best = cells;
    int bestHeight = kFaces;
    for (int i = -1; i < kFaces; ++i) {
        const int root = i < 0 ? centreFace : i;
        if (root < 0 || cells.column[root] < 0)
            continue;
        NetFold tree = cells;
        std::array<int, kFaces> depth{};
        tree.order[0] = static_cast<std::int8_t>(root);
        tree.placed = 1;
        for (int next = 0; next < tree.placed; ++next) {
            const int f = tree.order[next];
            for (int dir = 0; dir < 4; ++dir) {
                const int g = neighbour(f, dir);
                if (g < 0 || g == root || tree.parent[g] >= 0)
                    continue;
                tree.parent[g] = static_cast<std::int8_t>(f);
                depth[g] = depth[f] + 1;
                tree.order[tree.placed++] = static_cast<std::int8_t>(g);
            }
        }
        const int height = *std::max_element(depth.begin(), depth.end());
        if (tree.placed > best.placed || (tree.placed == best.placed && height < bestHeight)) {
            best = tree;
            bestHeight = height;
        }
    }
    best.closes = !twice && hingesMatch && best.placed == kFaces;
    return best;
}

std::array<FacePose, kFaces> foldPoses(const NetFold& fold, double t) {
    const double angle = std::clamp(t, 0.0, 1.0) * std::numbers::pi / 2;
    std::array<Placement, kFaces> placement{};
    for (int i = 1; i < fold.placed; ++i) {
        const int g = fold.order[i];
        const int f = fold.parent[g];
        // The hinge is the middle of the two cells' common edge; the child
        // turns about it towards +z, away from the viewer.
        const Vec3 toChild{static_cast<double>(fold.column[g] - fold.column[f]),
                           static_cast<double>(fold.row[g] - fold.row[f]), 0};
        const Vec3 hinge{fold.column[f] + 0.5 + 0.5 * toChild.x,
                         fold.row[f] + 0.5 + 0.5 * toChild.y, 0};
        const Rotation local = rotationAbout(cross(toChild, {0, 0, 1}), angle);
        const Placement& parent = placement[static_cast<std::size_t>(f)];
        placement[static_cast<std::size_t>(g)] = {parent.turn * local,
                                                  parent(hinge - local(hinge))};
    }
    std::array<FacePose, kFaces> poses{};
    for (int f = 0; f < kFaces; ++f) {
        const Placement& p = placement[static_cast<std::size_t>(f)];
        const Vec3 corner{static_cast<double>(std::max<int>(fold.column[f], 0)),
                          static_cast<double>(fold.column[f] >= 0 ? fold.row[f] : 0), 0};
        poses[static_cast<std::size_t>(f)] = {p(corner), p.turn({1, 0, 0}), p.turn({0, 1, 0})};
    }
    return poses;
}

Vec3 foldCentre(const NetFold& fold, double t) {
    if (fold.placed == 0)
        return {};
    int left = kNetSize, right = -1, top = kNetSize, bottom = -1;
    for (int i = 0; i < fold.placed; ++i) {
        const int f = fold.order[i];
        left = std::min<int>(left, fold.column[f]);
        right = std::max<int>(right, fold.column[f]);
        top = std::min<int>(top, fold.row[f]);
        bottom = std::max<int>(bottom, fold.row[f]);
    }
    const Vec3 flat{(left + right + 1) / 2.0, (top + bottom + 1) / 2.0, 0};
    // The middle of the closed cube is the mean of its faces' middles.
    const std::array<FacePose, kFaces> closed = foldPoses(fold, 1);
    Vec3 sum{};
    for (int i = 0; i < fold.placed; ++i)
        sum = sum + closed[static_cast<std::size_t>(fold.order[i])].at(0.5, 0.5);
    const Vec3 cube = (1.0 / fold.placed) * sum;
    const double s = std::clamp(t, 0.0, 1.0);
    return (1 - s) * flat + s * cube;
}

Rotation cornerView(const NetFold& fold, int face, int edge) {
    if (face < 0 || face >= kFaces)
        return {};
    const FacePose pose = foldPoses(fold, 1)[static_cast<std::size_t>(face)];
    const int d = fold.turn[face] + quarter(edge);
    const auto corner = [&](int m) {
        const int k = quarter(m);
        return pose.at(kCornerU[k], kCornerV[k]);
    };
    // The corner between the face's edges `edge` and `edge + 1` goes nearest
    // the viewer: the next edge (shared with the left face) runs from it
    // along the answer's first edge, `edge` itself (shared with the right
    // face) along the second.
    const Vec3 near = corner(d + 1);
    const std::array<Vec3, kVisibleFaces> edges = answerViewEdges();
    return rotationTaking(corner(d + 2) - near, corner(d) - near, edges[0], edges[1]);
}

} // namespace vexlor
