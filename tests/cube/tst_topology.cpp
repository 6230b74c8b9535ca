// The cube's fixed geometry: the topology table, the placement of faces in a
// net, and the rules that decide which answer shows the cube.
#include "cube/topology.h"

#include <QTest>

using namespace vexlor;

namespace {

// A cube with symbol kind f on face f (six different asymmetric kinds when
// base is 0), every symbol unturned, and all answers blank.
Cube distinctCube(int base = 0) {
    Cube c{};
    for (int f = 0; f < kFaces; ++f)
        c.faceSymbol[f] = static_cast<Symbol>(base + f);
    return c;
}

void setAnswer(Cube& c, int a, std::initializer_list<int> kinds, std::initializer_list<int> turns) {
    int k = 0;
    for (int s : kinds)
        c.answerSymbol[a][k++] = static_cast<Symbol>(s);
    k = 0;
    for (int t : turns)
        c.answerTurn[a][k++] = static_cast<Turn>(t);
}

} // namespace

class TopologyTest : public QObject {
    Q_OBJECT

private slots:
    void tableMatchesTheCube() {
        const int expected[6][4][2] = {
            {{4, 0}, {3, 3}, {5, 0}, {1, 1}}, {{4, 1}, {0, 3}, {5, 3}, {2, 1}},
            {{4, 2}, {1, 3}, {5, 2}, {3, 1}}, {{4, 3}, {2, 3}, {5, 1}, {0, 1}},
            {{0, 0}, {1, 0}, {2, 0}, {3, 0}}, {{0, 2}, {3, 2}, {2, 2}, {1, 2}},
        };
        // Known while compiling: nothing has to build it before use.
        static_assert(adj[4][2].face == 2 && adj[4][2].edge == 0);
        for (int f = 0; f < 6; ++f)
            for (int e = 0; e < 4; ++e) {
                QCOMPARE(adj[f][e].face, expected[f][e][0]);
                QCOMPARE(adj[f][e].edge, expected[f][e][1]);
            }
    }

    void tableIsSymmetricAndCornersAreConsistent() {
        int corners = 0;
        for (int f = 0; f < 6; ++f)
            for (int e = 0; e < 4; ++e) {
                const EdgeLink n = adj[f][e];
                QVERIFY(n.face != f);
                QCOMPARE(adj[n.face][n.edge].face, f);
                QCOMPARE(adj[n.face][n.edge].edge, e);
                // No face borders its opposite face.
                const int opposite[6] = {2, 3, 0, 1, 5, 4};
                QVERIFY(n.face != opposite[f]);

                const EdgeLink g1 = adj[f][e];
                const EdgeLink g2 = adj[f][(e + 1) % 4];
                QCOMPARE(adj[g1.face][(g1.edge + 3) % 4].face, g2.face);
                QCOMPARE(adj[g2.face][(g2.edge + 1) % 4].face, g1.face);
                ++corners;
            }
        QCOMPARE(corners, 24);
    }

    void stepCellFollowsScreenDirections_data() {
        QTest::addColumn<int>("dir");
        QTest::addColumn<int>("nx");
        QTest::addColumn<int>("ny");
        QTest::newRow("up") << 0 << 4 << 3;
        QTest::newRow("right") << 1 << 5 << 4;
        QTest::newRow("down") << 2 << 4 << 5;
        QTest::newRow("left") << 3 << 3 << 4;
        QTest::newRow("6 is down") << 6 << 4 << 5;
        QTest::newRow("-1 is left") << -1 << 3 << 4;
    }
    void stepCellFollowsScreenDirections() {
        QFETCH(int, dir);
        QFETCH(int, nx);
        QFETCH(int, ny);
        std::int8_t x = 0, y = 0;
        stepCell(4, 4, x, y, static_cast<std::int8_t>(dir));
        QCOMPARE(int(x), nx);
        QCOMPARE(int(y), ny);
    }

    void placementAroundFaceZero() {
        // Face 0 at (4, 4) with turn 0: each neighbour by the placement rule.
        const int expected[4][4] = {// face, x, y, turn
                                    {4, 4, 3, 2},
                                    {3, 5, 4, 0},
                                    {5, 4, 5, 0},
                                    {1, 3, 4, 0}};
        for (int k = 0; k < 4; ++k) {
            std::int8_t x = 0, y = 0;
            stepCell(4, 4, x, y, static_cast<std::int8_t>(k));
            const EdgeLink n = adj[0][k];
            QCOMPARE(int(n.face), expected[k][0]);
            QCOMPARE(int(x), expected[k][1]);
            QCOMPARE(int(y), expected[k][2]);
            QCOMPARE((k + 2 - n.edge + 4) % 4, expected[k][3]);
        }
    }

    void viewRuleExamples_data() {
        QTest::addColumn<QList<int>>("kinds");
        QTest::addColumn<QList<int>>("turns");
        QTest::addColumn<QList<int>>("faces");
        QTest::newRow("view (0, 0)")
            << QList<int>{0, 4, 3} << QList<int>{3, 0, 0} << QList<int>{0, 4, 3};
        QTest::newRow("view (4, 0)")
            << QList<int>{4, 0, 1} << QList<int>{3, 0, 3} << QList<int>{4, 0, 1};
        QTest::newRow("view (5, 1)")
            << QList<int>{5, 3, 2} << QList<int>{2, 2, 1} << QList<int>{5, 3, 2};
    }
    void viewRuleExamples() {
        QFETCH(QList<int>, kinds);
        QFETCH(QList<int>, turns);
        QFETCH(QList<int>, faces);
        Cube c = distinctCube();
        setAnswer(c, 0, {kinds[0], kinds[1], kinds[2]}, {turns[0], turns[1], turns[2]});
        std::int8_t got[3] = {};
        QVERIFY(answerShowsCube(c, 0, got));
        QCOMPARE(QList<int>({got[0], got[1], got[2]}), faces);

        // Any other turn of an asymmetric symbol breaks the match.
        for (int k = 0; k < 3; ++k) {
            Cube d = c;
            d.answerTurn[0][k] = static_cast<Turn>((d.answerTurn[0][k] + 1) % 4);
            QVERIFY(!answerShowsCube(d, 0, got));
        }

        // The mirror corner (visible faces 1 and 2 swapped) never matches.
        for (int t = 0; t < 64; ++t) {
            setAnswer(c, 0, {kinds[0], kinds[2], kinds[1]}, {t % 4, t / 4 % 4, t / 16});
            QVERIFY(!answerShowsCube(c, 0, got));
        }
    }

    void everyCornerOfTheCubeIsAView() {
        // Each of the 24 (face, edge) names gives a matching answer, and all
        // three names of one corner give views with the same turns shifted.
        Cube c = distinctCube();
        for (int f = 0; f < 6; ++f)
            c.faceTurn[f] = static_cast<Turn>((f * 3 + 1) % 4);
        int matched = 0;
        for (int f = 0; f < 6; ++f)
            for (int e = 0; e < 4; ++e) {
                const EdgeLink g1 = adj[f][e];
                const EdgeLink g2 = adj[f][(e + 1) % 4];
                for (int t = 0; t < 64; ++t) {
                    setAnswer(c, 0, {c.faceSymbol[f], c.faceSymbol[g1.face], c.faceSymbol[g2.face]},
                              {t % 4, t / 4 % 4, t / 16});
                    std::int8_t got[3];
                    if (answerShowsCube(c, 0, got)) {
                        ++matched;
                        QCOMPARE(int(got[0]), f);
                        QCOMPARE(int(got[1]), int(g1.face));
                        QCOMPARE(int(got[2]), int(g2.face));
                        // The same view with another face on top also matches.
                        Cube d = c;
                        setAnswer(
                            d, 1,
                            {d.answerSymbol[0][1], d.answerSymbol[0][2], d.answerSymbol[0][0]},
                            {d.answerTurn[0][1], d.answerTurn[0][2], d.answerTurn[0][0]});
                        QVERIFY(answerShowsCube(d, 1, got));
                        QVERIFY(sameView(d, 0, 1));
                    }
                }
            }
        // Exactly one turn combination per corner name.
        QCOMPARE(matched, 24);
    }

    void symmetricSymbolsIgnoreTheirTurns() {
        // Quarter-turn symbols: every turn matches.
        Cube c = distinctCube(12);
        for (int t = 0; t < 64; ++t) {
            setAnswer(c, 0, {12, 16, 15}, {t % 4, t / 4 % 4, t / 16});
            std::int8_t got[3];
            QVERIFY(answerShowsCube(c, 0, got));
            setAnswer(c, 0, {12, 15, 16}, {t % 4, t / 4 % 4, t / 16});
            QVERIFY(!answerShowsCube(c, 0, got));
        }
        // Half-turn symbols: t and t + 2 match alike, t + 1 does not.
        Cube h = distinctCube(6);
        setAnswer(h, 0, {6, 10, 9}, {3, 0, 0});
        std::int8_t got[3];
        QVERIFY(answerShowsCube(h, 0, got));
        setAnswer(h, 0, {6, 10, 9}, {1, 2, 0});
        QVERIFY(answerShowsCube(h, 0, got));
        setAnswer(h, 0, {6, 10, 9}, {0, 0, 0});
        QVERIFY(!answerShowsCube(h, 0, got));
        QVERIFY(sameTurn(6, 1, 3));
        QVERIFY(!sameTurn(6, 1, 2));
        QVERIFY(sameTurn(17, 0, 3));
        QVERIFY(!sameTurn(5, 0, 2));
    }

    void firstMatchingCornerNamesTheView() {
        // The same asymmetric symbol on every face: the first (f, e) in order
        // that fits wins.
        Cube c{};
        for (int f = 0; f < 6; ++f)
            c.faceSymbol[f] = 2;
        std::int8_t got[3];
        for (int t = 0; t < 64; ++t) {
            setAnswer(c, 0, {2, 2, 2}, {t % 4, t / 4 % 4, t / 16});
            if (!answerShowsCube(c, 0, got))
                continue;
            // Find the first (f, e) by brute force.
            bool found = false;
            for (int f = 0; f < 6 && !found; ++f)
                for (int e = 0; e < 4 && !found; ++e) {
                    const EdgeLink g1 = adj[f][e];
                    const EdgeLink g2 = adj[f][(e + 1) % 4];
                    const int d0 = (11 - e - c.answerTurn[0][0]) & 3;
                    const int d1 = (8 - g1.edge - c.answerTurn[0][1]) & 3;
                    const int d2 = (11 - g2.edge - c.answerTurn[0][2]) & 3;
                    if (d0 + d1 + d2 == 0) {
                        found = true;
                        QCOMPARE(int(got[0]), f);
                        QCOMPARE(int(got[1]), int(g1.face));
                        QCOMPARE(int(got[2]), int(g2.face));
                    }
                }
            QVERIFY(found);
        }
    }

    void checkAnswersAcceptsExactlyOneMatch() {
        Cube c = distinctCube();
        setAnswer(c, 0, {1, 2, 3}, {0, 0, 0}); // faces 1 and 3 are opposite
        setAnswer(c, 1, {0, 4, 3}, {3, 0, 0}); // the cube, view (0, 0)
        setAnswer(c, 2, {0, 3, 4}, {3, 0, 0}); // mirror corner
        setAnswer(c, 3, {0, 4, 3}, {2, 0, 0}); // wrong turn
        QCOMPARE(checkAnswers(c), 1);
        QCOMPARE(int(c.correctAnswer), 1);
        QCOMPARE(QList<int>({c.correctFaces[0], c.correctFaces[1], c.correctFaces[2]}),
                 QList<int>({0, 4, 3}));

        Cube two = c;
        setAnswer(two, 3, {4, 0, 1}, {3, 0, 3}); // a second true view
        QCOMPARE(checkAnswers(two), 0);

        Cube none = c;
        setAnswer(none, 1, {0, 4, 3}, {1, 0, 0});
        QCOMPARE(checkAnswers(none), 0);
    }

    void checkAnswersRejectsDuplicateViews() {
        Cube c = distinctCube();
        setAnswer(c, 0, {1, 2, 3}, {0, 1, 2});
        setAnswer(c, 1, {0, 4, 3}, {3, 0, 0});
        setAnswer(c, 2, {2, 3, 1}, {1, 2, 0}); // answer 0 shifted cyclically
        setAnswer(c, 3, {0, 3, 4}, {3, 0, 0});
        QVERIFY(sameView(c, 0, 2));
        QCOMPARE(checkAnswers(c), 0);
        QCOMPARE(int(c.correctAnswer), -1);

        // The same symbols in the opposite cyclic order are another view.
        setAnswer(c, 2, {3, 2, 1}, {2, 1, 0});
        QVERIFY(!sameView(c, 0, 2));
        QCOMPARE(checkAnswers(c), 1);

        // Half-turn symbols: turns two apart are the same view.
        Cube h = distinctCube(6);
        setAnswer(h, 0, {6, 7, 8}, {0, 1, 0});
        setAnswer(h, 1, {6, 7, 8}, {2, 3, 2});
        QVERIFY(sameView(h, 0, 1));
        setAnswer(h, 1, {6, 7, 8}, {1, 1, 0});
        QVERIFY(!sameView(h, 0, 1));
    }

    void damagedValuesAreSafe() {
        // Values outside their ranges, as in a damaged file: no crash, no
        // out-of-range index, and an unknown kind shows no turn.
        Cube c{};
        for (int f = 0; f < 6; ++f) {
            c.faceSymbol[f] = static_cast<Symbol>(-100 + 40 * f);
            c.faceTurn[f] = static_cast<Turn>(-128 + 50 * f);
        }
        setAnswer(c, 0, {-100, -60, -20}, {127, -128, 99});
        setAnswer(c, 1, {-60, -100, -20}, {-1, 5, 99});
        setAnswer(c, 2, {20, 60, 100}, {127, -128, 99});
        setAnswer(c, 3, {60, 20, 100}, {3, -3, 0});
        QCOMPARE(turnMask(-1), 0);
        QCOMPARE(turnMask(18), 0);
        QCOMPARE(checkAnswers(c), 0);
    }
};

QTEST_APPLESS_MAIN(TopologyTest)
#include "tst_topology.moc"
