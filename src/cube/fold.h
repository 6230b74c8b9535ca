// Folding a Cube's net up into the cube: where each face lies at any moment
// of the fold, and how the closed cube is turned to be seen from one of its
// corners as an answer picture shows a cube.
#pragma once

#include "cube/cube.h"
#include "cube/space.h"

#include <array>
#include <cstdint>

namespace vexlor {

// The answer pictures see a cube turned by this angle about the vertical and
// tilted towards the viewer by this one, both in radians.
inline constexpr double kAnswerViewTurn = 0.7;
inline constexpr double kAnswerViewTilt = 0.5;

// The three edges of an answer cube leaving its top front corner, as unit
// directions in space: back left, back right (the top face's two edges from
// the corner) and down. The top face lies between the first two, the right
// face between the last two, the left face between the last and the first.
std::array<Vec3, kVisibleFaces> answerViewEdges();

// How the net folds: a tree of hinges over the net's cells, grown from the
// face in its middle, each face turning about the edge it shares in the net
// with its parent.
struct NetFold {
    // The net cell of each face and the face's turn there; column -1 for a
    // face the net does not hold.
    std::array<std::int8_t, kFaces> column{-1, -1, -1, -1, -1, -1};
    std::array<std::int8_t, kFaces> row{};
    std::array<std::int8_t, kFaces> turn{};
    // The face each face hinges on, -1 for the root and for faces not in the
    // tree; and the faces of the tree, each after its parent.
    std::array<std::int8_t, kFaces> parent{-1, -1, -1, -1, -1, -1};
    std::array<std::int8_t, kFaces> order{};
    int placed = 0;
    // The net holds each face once, all joined, and every two faces that
    // touch in the net share that edge on the cube: it folds up into the
    // cube of the topology table. Otherwise only the faces of the tree are
    // folded, and the cube it makes is not the Cube's.
    bool closes = false;
};

NetFold netFold(const Cube& c);

// Where a face lies: the images of its net cell's corner (0, 0) and of the
// cell's two edges, to the right (u) and down (v), in space. The symbol lies
// on it as on its net cell, at the cell's turn plus the face's symbol turn.
struct FacePose {
    Vec3 origin;
    Vec3 edgeU;
    Vec3 edgeV;

    // The point at face coordinates (u, v).
    Vec3 at(double u, double v) const { return origin + u * edgeU + v * edgeV; }
    // The direction the printed side faces, length 1.
    Vec3 outside() const { return normalized(cross(edgeV, edgeU)); }
};

// Every face at fold time t, 0 to 1 (clamped): at 0 each lies flat in its net
// cell, the cells in the plane z = 0 with their printed side towards the
// viewer; each hinge then turns evenly by a quarter turn, away from the
// viewer, so that at 1 the faces close into a unit cube behind the net's
// plane with every symbol outside. The tree's root keeps its place.
// A face not in the tree keeps the pose of its net cell, or of cell (0, 0)
// when the net does not hold it.
std::array<FacePose, kFaces> foldPoses(const NetFold& fold, double t);

// The point the picture of a fold keeps still: the middle of the net's box of
// cells at time 0, moving evenly to the middle of the closed cube at 1.
Vec3 foldCentre(const NetFold& fold, double t);

// The turn that shows the closed cube (the poses at t = 1) as an answer
// picture shows the view named by face and edge (0-5, 0-3): face on top,
// the face across its edge `edge` on the right, the face across its next
// edge on the left, their common corner nearest the viewer.
Rotation cornerView(const NetFold& fold, int face, int edge);

} // namespace vexlor
