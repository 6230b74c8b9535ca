#include "fold_picture.h"

#include <algorithm>
#include <cmath>

namespace vexlor {

FoldCamera answerCamera(const NetFold& fold, int face, int edge, const Projection& projection,
                        int a) {
    // The closed cube's middle lies half an edge from the near corner along
    // each of the three edges leaving it.
    const std::array<Vec3, kVisibleFaces> edges = answerViewEdges();
    const Vec3 toMiddle = (kAnswerEdge / 2) * (edges[0] + edges[1] + edges[2]);
    const Point corner =
        projection.origin[static_cast<std::size_t>(std::clamp(a, 0, kAnswers - 1))];
    return {cornerView(fold, face, edge), corner.x + toMiddle.x, corner.y + toMiddle.y,
            kAnswerEdge};
}

SeenFold seeFold(const Cube& c, const NetFold& fold, double t, const FoldCamera& camera) {
    const std::array<FacePose, kFaces> poses = foldPoses(fold, t);
    const Vec3 centre = foldCentre(fold, t);
    const std::array<Vec3, kVisibleFaces> light = answerViewEdges();
    const auto seen = [&](Vec3 p) { return camera.turn(p - centre); };
    const auto onCanvas = [&](Vec3 p) {
        const Vec3 q = seen(p);
        return Point{static_cast<int>(std::lround(camera.centreX + camera.edge * q.x)),
                     static_cast<int>(std::lround(camera.centreY + camera.edge * q.y))};
    };
    SeenFold picture;
    for (int i = 0; i < fold.placed; ++i) {
        const int f = fold.order[static_cast<std::size_t>(i)];
        const FacePose& pose = poses[static_cast<std::size_t>(f)];
        // Each corner rounded on its own, so that faces meeting at an edge
        // meet on the canvas too.
        const Point o = onCanvas(pose.origin);
        const Point u = onCanvas(pose.origin + pose.edgeU);
        const Point v = onCanvas(pose.origin + pose.edgeV);
        const Vec3 outside = camera.turn(pose.outside());
        // Lit like the answer cubes: up lighter, right darker, left as is.
        const double lit = dot(outside, -light[2]) - dot(outside, -light[0]);
        picture.faces[static_cast<std::size_t>(picture.count++)] = {
            static_cast<std::int8_t>(f),
            {o, {u.x - o.x, u.y - o.y}, {v.x - o.x, v.y - o.y}},
            fold.turn[static_cast<std::size_t>(f)] + c.faceTurn[f],
            seen(pose.at(0.5, 0.5)).z,
            outside.z < 0,
            std::clamp(lit, -1.0, 1.0)};
    }
    std::stable_sort(picture.faces.begin(), picture.faces.begin() + picture.count,
                     [](const SeenFace& a, const SeenFace& b) { return a.depth > b.depth; });
    return picture;
}

Color shaded(Color c, Color shade, double amount) {
    Color result = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const double channel = (c >> shift) & 0xFF;
        const double step = (shade >> shift) & 0xFF;
        const long value = std::lround(channel + amount * step);
        result |= static_cast<Color>(std::clamp(value, 0L, 255L)) << shift;
    }
    return result;
}

void outlineFace(Canvas& canvas, const FaceFrame& frame) {
    const Point o = frame.origin, u = frame.edgeU, v = frame.edgeV;
    canvas.setPenColor(kOutlineColor);
    canvas.setPenWidth(kOutlineWidth);
    canvas.moveTo(o.x, o.y);
    canvas.lineTo(o.x + u.x, o.y + u.y);
    canvas.lineTo(o.x + u.x + v.x, o.y + u.y + v.y);
    canvas.lineTo(o.x + v.x, o.y + v.y);
    canvas.lineTo(o.x, o.y);
    canvas.setPenColor(0x000000);
    canvas.setPenWidth(1);
}

void outlineDifferingFaces(Canvas& canvas, const Projection& projection, int a,
                           const AnswerFit& fit) {
    for (int k = 0; k < kVisibleFaces; ++k)
        if (fit.difference[static_cast<std::size_t>(k)] != FaceDifference::Same)
            outlineFace(canvas, answerFaceFrame(projection, a, k));
}

void drawFold(Canvas& canvas, const Cube& c, const NetFold& fold, double t,
              const FoldCamera& camera, const FoldStyle& style) {
    const PictureColors& colors = style.colors;
    canvas.setBrushColor(colors.back);
    canvas.fillRect({0, 0, canvas.width(), canvas.height()});
    const SeenFold picture = seeFold(c, fold, t, camera);
    const bool solved = style.solved && hasValidCorrectAnswer(c);
    for (int i = 0; i < picture.count; ++i) {
        const SeenFace& seen = picture.faces[static_cast<std::size_t>(i)];
        if (!seen.outside) {
            drawFace(canvas, seen.frame, -1, 0, shaded(colors.face, colors.shade, -2), 0);
        } else {
            Color fill = colors.face;
            for (int k = 0; k < kVisibleFaces && solved; ++k)
                if (c.correctFaces[k] == seen.face)
                    fill = colors.mark[static_cast<std::size_t>(style.markOrder[k])];
            drawFace(canvas, seen.frame, c.faceSymbol[seen.face], seen.symbolTurn,
                     shaded(fill, colors.shade, seen.light),
                     shaded(colors.symbol, colors.shade, seen.light));
        }
    }
    // Last, as on an answer picture: no nearer face hides a seen face's edge.
    for (int i = 0; i < picture.count; ++i) {
        const SeenFace& seen = picture.faces[static_cast<std::size_t>(i)];
        if (seen.outside && style.outlined[static_cast<std::size_t>(seen.face)])
            outlineFace(canvas, seen.frame);
    }
}

} // namespace vexlor
