// The random source and the task generator: every recipe makes sound Cubes,
// nets come in all eleven shapes, and seeds reproduce series.
#include "cube/generator.h"
#include "cube/invariants.h"
#include "cube/random.h"
#include "cube_compare.h"

#include <QTest>

#include <algorithm>
#include <array>
#include <cstring>
#include <set>
#include <vector>

using namespace vexlor;

namespace {

// The occupied cells of a net, moved to the origin and brought to one
// orientation out of the eight rotations and reflections of the grid.
std::vector<std::pair<int, int>> netShape(const Cube& c) {
    std::vector<std::pair<int, int>> cells;
    for (int x = 0; x < kNetSize; ++x)
        for (int y = 0; y < kNetSize; ++y)
            if (c.net[x][y].face >= 0)
                cells.emplace_back(x, y);
    std::vector<std::pair<int, int>> best;
    for (int mirror = 0; mirror < 8; ++mirror) {
        std::vector<std::pair<int, int>> t;
        for (auto [x, y] : cells) {
            int u = x, v = y;
            if (mirror & 1)
                u = -u;
            if (mirror & 2)
                v = -v;
            if (mirror & 4)
                std::swap(u, v);
            t.emplace_back(u, v);
        }
        const int minu = std::min_element(t.begin(), t.end())->first;
        int minv = t[0].second;
        for (auto& p : t)
            minv = std::min(minv, p.second);
        for (auto& p : t)
            p = {p.first - minu, p.second - minv};
        std::sort(t.begin(), t.end());
        if (best.empty() || t < best)
            best = t;
    }
    return best;
}

} // namespace

class GeneratorTest : public QObject {
    Q_OBJECT

private slots:
    void randomZeroDrawsNothing() {
        RandomSource first(1234);
        const int a = first.draw(1000);
        const int b = first.draw(1000);
        RandomSource again(1234);
        QCOMPARE(again.draw(0), 0);
        QCOMPARE(again.draw(-5), 0);
        QCOMPARE(again.draw(1000), a);
        QCOMPARE(again.draw(1), 0);
        QVERIFY(again.draw(1000) != b || a == b); // draw(1) drew one value
        for (int i = 0; i < 1000; ++i) {
            QCOMPARE(again.draw(1), 0);
            const int r = again.draw(7);
            QVERIFY(r >= 0 && r < 7);
        }
    }

    void everyRecipeMakesSoundCubes() {
        // Thousands of Cubes from many seeds; every one keeps every promise,
        // and each of the 15 recipes is seen many times.
        std::array<int, kRecipeCount> perKind{};
        std::set<std::vector<std::pair<int, int>>> shapes;
        for (int seed = 0; seed < 300; ++seed) {
            RandomSource randomSource(1'700'000'000 + seed * 7919);
            for (int i = 0; i < 50; ++i) {
                Cube c{};
                makeCube(c, randomSource);
                const auto failures = invariantFailures(c);
                if (!failures.empty())
                    QFAIL(qPrintable(QStringLiteral("seed %1 cube %2 kind %3: %4")
                                         .arg(seed)
                                         .arg(i)
                                         .arg(c.recipe)
                                         .arg(QString::fromStdString(failures.front()))));
                ++perKind[c.recipe];
                shapes.insert(netShape(c));
            }
        }
        for (int k = 0; k < kRecipeCount; ++k)
            QVERIFY2(perKind[k] > 700,
                     qPrintable(QString("kind %1 seen %2 times").arg(k).arg(perKind[k])));
        QCOMPARE(int(shapes.size()), 11);
    }

    void constructedRecipesPassAtOnce() {
        RandomSource randomSource(42);
        int seen[2] = {};
        for (int i = 0; i < 5000; ++i) {
            Cube c{};
            makeNet(c, randomSource);
            const int attempts = generateTask(c, randomSource);
            if (c.recipe == 0 || c.recipe == 4) {
                ++seen[c.recipe == 4];
                QCOMPARE(attempts, 1);
            }
        }
        QVERIFY(seen[0] > 100);
        QVERIFY(seen[1] > 100);
    }

    void recipesShapeTheirAnswers() {
        // Spot checks of what the recipes are meant to test.
        RandomSource randomSource(99);
        int checked = 0;
        for (int i = 0; i < 3000; ++i) {
            Cube c{};
            makeCube(c, randomSource);
            if (c.recipe == 0) {
                // Six different quarter-turn symbols; answers differ only in
                // one position.
                std::set<int> kinds(std::begin(c.faceSymbol), std::end(c.faceSymbol));
                QCOMPARE(int(kinds.size()), 6);
                QVERIFY(*kinds.begin() >= 12);
                ++checked;
            } else if (c.recipe == 4) {
                // All answers show the same three symbols; only one turn varies.
                for (int a = 1; a < 4; ++a)
                    for (int k = 0; k < 3; ++k)
                        QCOMPARE(c.answerSymbol[a][k], c.answerSymbol[0][k]);
                ++checked;
            } else if (c.recipe == 13) {
                std::set<int> kinds(std::begin(c.faceSymbol), std::end(c.faceSymbol));
                QCOMPARE(int(kinds.size()), 6);
                QVERIFY(*kinds.rbegin() < 6);
                ++checked;
            }
        }
        QVERIFY(checked > 300);
    }

    // Where every answer shares one face, each shows face 0's symbol once:
    // its other two faces are dealt from the rest.
    void sharedFaceShowsOnce_data() {
        QTest::addColumn<Recipe>("recipe");
        QTest::newRow("shared turned face") << Recipe::SharedTurnedFace;
        QTest::newRow("symmetric among turned") << Recipe::SymmetricAmongTurned;
        QTest::newRow("odd among turned") << Recipe::OddAmongTurned;
    }
    void sharedFaceShowsOnce() {
        QFETCH(Recipe, recipe);
        RandomSource randomSource(5);
        for (int i = 0; i < 500; ++i) {
            Cube c{};
            makeNet(c, randomSource);
            generateTaskOfRecipe(c, static_cast<int>(recipe), randomSource);
            for (const auto& shown : c.answerSymbol)
                QCOMPARE(std::count(std::begin(shown), std::end(shown), c.faceSymbol[0]), 1);
        }
    }

    void equalSeedsGiveEqualCubes() {
        std::vector<Cube> first(40), second(40);
        RandomSource firstSource(1'765'000'000);
        for (auto& c : first)
            makeCube(c, firstSource);
        RandomSource secondSource(1'765'000'000);
        for (auto& c : second)
            makeCube(c, secondSource);
        for (size_t i = 0; i < first.size(); ++i)
            QVERIFY(sameCube(first[i], second[i]));

        RandomSource otherSource(1'765'000'001);
        Cube other{};
        makeCube(other, otherSource);
        QVERIFY(!sameCube(other, first[0]));
    }

    void makeCubeClearsPicksAndClocks() {
        Cube c{};
        c.picked[2] = 1;
        c.clockStart = 45000.5;
        c.clockStop = 45000.6;
        RandomSource randomSource(7);
        makeCube(c, randomSource);
        QCOMPARE(c.clockStart, 0.0);
        QCOMPARE(c.clockStop, 0.0);
        QCOMPARE(int(c.picked[2]), 0);
    }

    void unknownKindIsRefused_data() {
        QTest::addColumn<int>("kind");
        QTest::newRow("-1") << -1;
        QTest::newRow("15") << 15;
        QTest::newRow("100") << 100;
    }

    void unknownKindIsRefused() {
        // No recipe exists for the kind: nothing is generated, nothing is
        // cleared, and the call returns at once.
        QFETCH(int, kind);
        Cube c;
        std::memset(&c, 0xa5, sizeof c);
        RandomSource randomSource(31);
        makeCube(c, randomSource);
        c.picked[(c.correctAnswer + 1) % kAnswers] = 1;
        c.clockStart = 46'000.25;
        c.clockStop = 46'000.5;
        std::array<unsigned char, sizeof(Cube)> before{};
        std::memcpy(before.data(), &c, sizeof c);

        QCOMPARE(generateTaskOfRecipe(c, kind, randomSource), 0);
        std::array<unsigned char, sizeof(Cube)> after{};
        std::memcpy(after.data(), &c, sizeof c);
        QVERIFY(after == before);
    }
};

QTEST_APPLESS_MAIN(GeneratorTest)
#include "tst_generator.moc"
