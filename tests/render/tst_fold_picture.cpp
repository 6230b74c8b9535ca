// The fold as drawn: closed and seen from any corner, the cube shows the
// faces, symbols and turns the answer rules expect there, and from the correct
// answer's corner it looks like the correct answer's picture.
#include "cube/answer_fit.h"
#include "cube/generator.h"
#include "cube/topology.h"
#include "render/fold_picture.h"
#include "render_checks.h"

#include <QPointF>
#include <QTest>

#include <cmath>

using namespace vexlor;

namespace {

// The screen direction in which the top of a symbol at this turn points in
// frame: turn 0 to the v = 0 side, then clockwise.
QPointF topOf(const FaceFrame& frame, int turn) {
    const QPointF u(frame.edgeU.x, frame.edgeU.y), v(frame.edgeV.x, frame.edgeV.y);
    const QPointF sides[4] = {-v, u, v, -u};
    return sides[((turn % 4) + 4) % 4];
}

// Two tops point alike as far as the symbol's turns can be told apart.
bool looksAlike(Symbol symbol, QPointF a, QPointF b) {
    const double cosine =
        QPointF::dotProduct(a, b) / std::hypot(a.x(), a.y()) / std::hypot(b.x(), b.y());
    const int mask = turnMask(symbol);
    return mask == 3 ? cosine > 0.9 : mask == 1 ? std::abs(cosine) > 0.9 : true;
}

// Each corner of a lies within 2 pixels of a corner of b.
bool sameFace(const FaceFrame& a, const FaceFrame& b) {
    const auto corners = [](const FaceFrame& f) {
        const Point o = f.origin, u = f.edgeU, v = f.edgeV;
        return std::array<Point, 4>{{o,
                                     {o.x + u.x, o.y + u.y},
                                     {o.x + u.x + v.x, o.y + u.y + v.y},
                                     {o.x + v.x, o.y + v.y}}};
    };
    for (const Point p : corners(a)) {
        bool found = false;
        for (const Point q : corners(b))
            found = found || (std::abs(p.x - q.x) <= 2 && std::abs(p.y - q.y) <= 2);
        if (!found)
            return false;
    }
    return true;
}

// The face of the closed fold seen where visible face k of answer a lies,
// printed side out; null when there is none.
const SeenFace* faceAt(const SeenFold& seen, const Projection& projection, int a, int k) {
    for (int i = 0; i < seen.count; ++i)
        if (seen.faces[i].outside &&
            sameFace(seen.faces[i].frame, answerFaceFrame(projection, a, k)))
            return &seen.faces[i];
    return nullptr;
}

} // namespace

class FoldPictureTest : public QObject {
    Q_OBJECT

private slots:
    void closedCubeLooksLikeTheAnswers() {
        const Projection projection = makeProjection(kAnswerSide);
        RandomSource randomSource(7);
        for (int n = 0; n < 3 * kRecipeCount; ++n) {
            Cube c{};
            makeNet(c, randomSource);
            generateTaskOfRecipe(c, n % kRecipeCount, randomSource);
            const NetFold fold = netFold(c);
            // From every corner, what the answer rules expect there.
            for (int f = 0; f < kFaces; ++f)
                for (int e = 0; e < 4; ++e) {
                    const SeenFold seen =
                        seeFold(c, fold, 1, answerCamera(fold, f, e, projection, 0));
                    const CornerPicture expected = cornerPicture(c, f, e);
                    for (int k = 0; k < kVisibleFaces; ++k) {
                        const SeenFace* face = faceAt(seen, projection, 0, k);
                        QVERIFY(face != nullptr);
                        QCOMPARE(face->face, expected[k].face);
                        QVERIFY(
                            looksAlike(expected[k].symbol, topOf(face->frame, face->symbolTurn),
                                       topOf(answerFaceFrame(projection, 0, k), expected[k].turn)));
                    }
                }

            // From the correct answer's corner: its faces, symbols, turns
            // and colours, up to the pixels along the outlines.
            const int a = c.correctAnswer;
            int e = 0;
            while (adj[c.correctFaces[0]][e].face != c.correctFaces[1])
                ++e;
            const FoldCamera camera = answerCamera(fold, c.correctFaces[0], e, projection, a);
            const SeenFold seen = seeFold(c, fold, 1, camera);
            for (int k = 0; k < kVisibleFaces; ++k) {
                const SeenFace* face = faceAt(seen, projection, a, k);
                QVERIFY(face != nullptr);
                QCOMPARE(c.faceSymbol[face->face], c.answerSymbol[a][k]);
                QVERIFY(looksAlike(c.answerSymbol[a][k], topOf(face->frame, face->symbolTurn),
                                   topOf(answerFaceFrame(projection, a, k), c.answerTurn[a][k])));
            }
            ImageCanvas folded(kAnswerSide, kAnswerSide), answer(kAnswerSide, kAnswerSide);
            drawFold(folded, c, fold, 1, camera);
            Pictures pictures;
            pictures.answers[a] = &answer;
            clearPictures(pictures);
            drawAnswer(pictures, c, a);
            // A pixel counts as differing where no pixel within one of it in
            // the answer has its colour: the answer's edges are truncated to
            // whole pixels, the fold's rounded.
            int differing = 0;
            for (int y = 1; y < kAnswerSide - 1; ++y)
                for (int x = 1; x < kAnswerSide - 1; ++x) {
                    bool found = false;
                    for (int d = 0; d < 9 && !found; ++d)
                        found = folded.pixel(x, y) == answer.pixel(x + d % 3 - 1, y + d / 3 - 1);
                    differing += found ? 0 : 1;
                }
            QVERIFY2(differing < 20, qPrintable(QString::number(differing)));
        }
    }
};

QTEST_MAIN(FoldPictureTest)
#include "tst_fold_picture.moc"
