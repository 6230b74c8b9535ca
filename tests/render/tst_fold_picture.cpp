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

// The face of the closed fold seen printed side out with its middle where
// visible face k of answer a has its middle; null when there is none.
const SeenFace* faceAt(const SeenFold& seen, const Projection& projection, int a, int k) {
    const Point want = facePoint(answerFaceFrame(projection, a, k), 0.5, 0.5);
    for (int i = 0; i < seen.count; ++i) {
        const Point p = facePoint(seen.faces[i].frame, 0.5, 0.5);
        if (seen.faces[i].outside && std::abs(p.x - want.x) <= 2 && std::abs(p.y - want.y) <= 2)
            return &seen.faces[i];
    }
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
            const int a = c.correctAnswer;
            FoldCamera camera;
            // Seen where answer a lies: from its own corner its faces, symbols
            // and turns, from every other what the answer rules expect there.
            for (int v = 0; v < 4 * kFaces; ++v) {
                const int f = v / 4, e = v % 4;
                const bool own = f == c.correctFaces[0] && adj[f][e].face == c.correctFaces[1];
                const FoldCamera seenFrom = answerCamera(fold, f, e, projection, a);
                camera = own ? seenFrom : camera;
                const SeenFold seen = seeFold(c, fold, 1, seenFrom);
                const CornerPicture expected = cornerPicture(c, f, e);
                for (int k = 0; k < kVisibleFaces; ++k) {
                    const SeenFace* face = faceAt(seen, projection, a, k);
                    QVERIFY(face != nullptr);
                    QCOMPARE(face->face, expected[k].face);
                    const Symbol symbol = own ? c.answerSymbol[a][k] : expected[k].symbol;
                    const int turn = own ? c.answerTurn[a][k] : expected[k].turn;
                    QCOMPARE(c.faceSymbol[face->face], symbol);
                    QVERIFY(looksAlike(symbol, topOf(face->frame, face->symbolTurn),
                                       topOf(answerFaceFrame(projection, a, k), turn)));
                }
            }
            // And its colours, up to the pixels along the outlines.
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
