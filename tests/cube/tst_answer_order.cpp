// Versions of a Cube: its answers rearranged, everything of an answer moving
// with it, so that the rearranged Cube holds every rule the generator's does.
#include "cube/answer_order.h"
#include "cube/generator.h"
#include "cube/invariants.h"
#include "cube/random.h"
#include "cube/topology.h"

#include <QTest>

#include <algorithm>
#include <set>

using namespace vexlor;

Q_DECLARE_METATYPE(vexlor::AnswerOrder)

class AnswerOrderTest : public QObject {
    Q_OBJECT

private slots:
    void picksAndKeyMoveWithTheAnswers_data() {
        QTest::addColumn<AnswerOrder>("order");
        QTest::addColumn<bool>("valid");
        QTest::newRow("as given") << AnswerOrder{0, 1, 2, 3} << true;
        QTest::newRow("reversed") << AnswerOrder{3, 2, 1, 0} << true;
        QTest::newRow("rotated") << AnswerOrder{1, 2, 3, 0} << true;
        QTest::newRow("two swapped") << AnswerOrder{0, 2, 1, 3} << true;
        QTest::newRow("an answer twice") << AnswerOrder{0, 0, 1, 2} << false;
        QTest::newRow("out of range") << AnswerOrder{0, 1, 2, 4} << false;
    }

    void picksAndKeyMoveWithTheAnswers() {
        // Every recipe's Cube, wrongly picked and then solved, rearranged:
        // still sound with its picks, solved, its correct answer showing the
        // same faces; a wrong order changes nothing.
        QFETCH(AnswerOrder, order);
        QFETCH(bool, valid);
        setupTopology();
        seedRandom(12);
        for (int recipe = 0; recipe < kRecipeCount; ++recipe) {
            Cube c{};
            makeNet(c);
            generateTaskOfRecipe(c, recipe);
            const int wrong = (c.correctAnswer + 1) % kAnswers;
            c.picked[wrong] = c.picked[c.correctAnswer] = 1;
            c.clockStart = 46'000.5;
            c.clockStop = 46'000.6;
            const Cube moved = withAnswerOrder(c, order);
            QVERIFY(invariantFailures(moved, Progress::Consistent).empty());
            QVERIFY(isSolved(moved));
            for (int a = 0; a < kAnswers; ++a) {
                const int from = valid ? order[a] : a;
                QCOMPARE(moved.picked[a], c.picked[from]);
                QCOMPARE(moved.answerSymbol[a][1], c.answerSymbol[from][1]);
                QCOMPARE(moved.answerTurn[a][2], c.answerTurn[from][2]);
                QCOMPARE(a == moved.correctAnswer, from == c.correctAnswer);
            }
            QVERIFY(std::equal(c.correctFaces, c.correctFaces + 3, moved.correctFaces));
        }
    }

    void versionsPutTheKeyApart_data() {
        QTest::addColumn<int>("versions");
        QTest::addColumn<int>("correct");
        for (int n = 1; n <= kMaxVersions; ++n)
            for (int correct : {0, 3})
                QTest::addRow("%d versions, correct %d", n, correct) << n << correct;
    }

    void versionsPutTheKeyApart() {
        // The first version is the Cube as given; each puts the correct
        // answer in a place no other version uses.
        QFETCH(int, versions);
        QFETCH(int, correct);
        for (int seed = 0; seed < 50; ++seed) {
            seedRandom(seed);
            const std::vector<AnswerOrder> orders = versionOrders(correct, versions);
            QCOMPARE(int(orders.size()), versions);
            QCOMPARE(orders[0], kAnswersAsGiven);
            std::set<int> places;
            for (const AnswerOrder& order : orders) {
                QVERIFY(isAnswerOrder(order));
                const auto place = std::find(order.begin(), order.end(), correct) - order.begin();
                QVERIFY(places.insert(int(place)).second);
            }
        }
    }
};

QTEST_GUILESS_MAIN(AnswerOrderTest)
#include "tst_answer_order.moc"
