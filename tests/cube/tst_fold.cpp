// The net folded up and each answer fitted to the folded cube: the net lies
// where it is drawn before it folds, and each answer is fitted in an
// orientation with the fewest visible faces that differ.
#include "cube/answer_fit.h"
#include "cube/fold.h"
#include "cube/generator.h"
#include "cube/topology.h"

#include <QTest>

#include <algorithm>

using namespace vexlor;

namespace {

// Which of answer a's visible faces differ from the view (f, e), by the
// answer rules' own terms for symbols and turns.
std::array<bool, kVisibleFaces> differingFaces(const Cube& c, int a, int f, int e) {
    const EdgeLink g1 = adj[f][e], g2 = adj[f][(e + 1) % 4];
    const int face[3] = {f, g1.face, g2.face};
    const int d[3] = {11 - e + c.faceTurn[f] - c.answerTurn[a][0],
                      8 - g1.edge + c.faceTurn[g1.face] - c.answerTurn[a][1],
                      11 - g2.edge + c.faceTurn[g2.face] - c.answerTurn[a][2]};
    std::array<bool, kVisibleFaces> differs{};
    for (int k = 0; k < kVisibleFaces; ++k)
        differs[k] = c.faceSymbol[face[k]] != c.answerSymbol[a][k] ||
                     (d[k] & turnMask(c.faceSymbol[face[k]])) != 0;
    return differs;
}

bool near(Vec3 a, Vec3 b) {
    return length(a - b) < 1e-9;
}

} // namespace

class FoldTest : public QObject {
    Q_OBJECT

private slots:
    // Before it folds, every face lies in the net's plane in the cell the net
    // puts it in, along the cell's own edges.
    void netLiesFlatAtTimeZero() {
        RandomSource randomSource(11);
        for (int recipe = 0; recipe < kRecipeCount; ++recipe) {
            Cube c{};
            makeNet(c, randomSource);
            generateTaskOfRecipe(c, recipe, randomSource);
            const NetFold fold = netFold(c);
            QVERIFY(fold.closes);
            const auto poses = foldPoses(fold, 0);
            for (int x = 0; x < kNetSize; ++x)
                for (int y = 0; y < kNetSize; ++y) {
                    const int f = c.net[x][y].face;
                    if (f < 0)
                        continue;
                    QVERIFY2(near(poses[f].origin, {double(x), double(y), 0}),
                             qPrintable(QStringLiteral("face %1 of recipe %2").arg(f).arg(recipe)));
                    QVERIFY(near(poses[f].edgeU, {1, 0, 0}));
                    QVERIFY(near(poses[f].edgeV, {0, 1, 0}));
                }
        }
    }

    // Each answer is fitted in an orientation with the fewest differing
    // faces of all 24, and the faces it lists are those that differ there;
    // the correct answer fits with none, in the view the answer rules name.
    void fitHasTheFewestDifferingFaces() {
        RandomSource randomSource(2024);
        for (int n = 0; n < 300; ++n) {
            Cube c{};
            makeCube(c, randomSource);
            for (int a = 0; a < kAnswers; ++a) {
                int least = kVisibleFaces;
                for (int v = 0; v < 4 * kFaces; ++v) {
                    const auto differs = differingFaces(c, a, v / 4, v % 4);
                    least = std::min<int>(least, std::count(differs.begin(), differs.end(), true));
                }
                const AnswerFit fit = bestFit(c, a);
                QCOMPARE(fit.differing(), least);
                const auto differs = differingFaces(c, a, fit.face, fit.edge);
                for (int k = 0; k < kVisibleFaces; ++k)
                    QCOMPARE(fit.difference[k] != FaceDifference::Same, differs[k]);
                if (a != c.correctAnswer) {
                    QVERIFY(least > 0);
                    continue;
                }
                QCOMPARE(least, 0);
                for (int k = 0; k < kVisibleFaces; ++k)
                    QCOMPARE(fit.folded[k].face, c.correctFaces[k]);
            }
        }
    }
};

QTEST_APPLESS_MAIN(FoldTest)
#include "tst_fold.moc"
