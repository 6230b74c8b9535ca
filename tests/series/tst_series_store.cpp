// The series store: copies are never shared, counts always equal the chains,
// the refill rule brings skipped Cubes back in order, and long chains free
// without deep recursion.
#include "cube/generator.h"
#include "cube/invariants.h"
#include "cube/random.h"
#include "cube/topology.h"
#include "cube_compare.h"
#include "fake_clock.h"
#include "series/series_store.h"

#include <QTest>

#include <pthread.h>

#include <functional>
#include <set>
#include <vector>

using namespace vexlor;

namespace {

constexpr SeriesKind kAll[] = {SeriesKind::Current, SeriesKind::Skipped, SeriesKind::Mistakes,
                               SeriesKind::Custom};

// A Cube told apart from others by its marker (kept in `kind`).
CubeNode Marked(int marker) {
    CubeNode c{};
    c.kind = static_cast<std::int8_t>(marker);
    c.correct = 1;
    return c;
}

std::vector<int> Markers(const SeriesStore& store, SeriesKind kind) {
    std::vector<int> out;
    for (const CubeNode* c = store[kind].head; c != nullptr; c = c->link)
        out.push_back(c->kind);
    return out;
}

std::set<const CubeNode*> Nodes(const SeriesStore& store) {
    std::set<const CubeNode*> out;
    for (SeriesKind k : kAll)
        for (const CubeNode* c = store[k].head; c != nullptr; c = c->link)
            out.insert(c);
    return out;
}

int TotalNodes(const SeriesStore& store) {
    int n = 0;
    for (SeriesKind k : kAll)
        n += ChainLength(store[k].head);
    return n;
}

// Every count equals the length of its chain, and no node stands in two
// chains (or twice in one).
bool Consistent(const SeriesStore& store) {
    for (SeriesKind k : kAll)
        if (store[k].count != ChainLength(store[k].head))
            return false;
    return int(Nodes(store).size()) == TotalNodes(store);
}

void Fill(SeriesStore& store, SeriesKind kind, std::initializer_list<int> markers) {
    for (int m : markers)
        store.AppendCopy(kind, Marked(m));
}

void* FreeOnThread(void* chain) {
    auto* head = static_cast<CubeNode**>(chain);
    FreeChain(*head);
    return nullptr;
}

} // namespace

class SeriesStoreTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SetupTopology(); }

    void appendCopyMakesANewNode() {
        // A Cube put into a series is a copy: changing either side later
        // never shows in the other, and the source's link is kept.
        SeriesStore store;
        CubeNode next{};
        CubeNode source = Marked(7);
        source.link = &next;
        source.chosen[2] = 1;
        source.tstart = 45000.25;
        source.tstop = 45000.5;
        store.AppendCopy(SeriesKind::Custom, source);
        store.AppendCopy(SeriesKind::Custom, source);

        const CubeNode* first = store[SeriesKind::Custom].head;
        QVERIFY(first != nullptr && first != &source);
        QVERIFY(first->link != nullptr && first->link != first);
        QVERIFY(first->link->link == nullptr);
        QVERIFY(SameCube(*first, source));
        QVERIFY(SameCube(*first->link, source));
        QCOMPARE(source.link, &next);
        QCOMPARE(store[SeriesKind::Custom].count, 2);

        source.chosen[0] = 1;
        source.kind = 9;
        QCOMPARE(int(first->chosen[0]), 0);
        QCOMPARE(int(first->kind), 7);
        store[SeriesKind::Custom].head->chosen[3] = 1;
        QCOMPARE(int(first->link->chosen[3]), 0);
        QVERIFY(Consistent(store));
    }

    void countsFollowTheChains() {
        // After every operation each count equals its chain's length and no
        // node is shared.
        SeriesStore store;
        FakeClock clock;
        store.seriessize = 3;
        const std::vector<std::pair<const char*, std::function<void()>>> steps = {
            {"random series", [&] { store.MakeRandomSeries(); }},
            {"append skipped",
             [&] { store.AppendCopy(SeriesKind::Skipped, *store.CurrentCube()); }},
            {"add to mistakes", [&] { store.AddCurrentCube(SeriesKind::Mistakes, true); }},
            {"add to custom", [&] { store.AddCurrentCube(SeriesKind::Custom, true); }},
            {"add while paused", [&] { store.AddCurrentCube(SeriesKind::Custom, false); }},
            {"advance", [&] { store.AdvanceCurrent(); }},
            {"advance", [&] { store.AdvanceCurrent(); }},
            {"advance into skipped", [&] { store.AdvanceCurrent(); }},
            {"copy mistakes", [&] { store.CopyToCurrent(SeriesKind::Mistakes); }},
            {"copy current onto itself", [&] { store.CopyToCurrent(SeriesKind::Current); }},
            {"clear custom", [&] { store.ClearSeries(SeriesKind::Custom); }},
            {"copy empty custom", [&] { store.CopyToCurrent(SeriesKind::Custom); }},
            {"advance to the end", [&] { store.AdvanceCurrent(); }},
            {"advance when empty", [&] { store.AdvanceCurrent(); }},
            {"add when empty", [&] { store.AddCurrentCube(SeriesKind::Custom, true); }},
            {"random series of 0",
             [&] {
                 store.seriessize = 0;
                 store.MakeRandomSeries();
             }},
            {"random series again",
             [&] {
                 store.seriessize = 2;
                 store.MakeRandomSeries();
             }},
            {"clear all", [&] { store.ClearAllSeries(); }},
            {"random series after clear", [&] { store.MakeRandomSeries(); }},
            {"free all", [&] { store.FreeAllSeries(); }},
        };
        for (const auto& [name, step] : steps) {
            step();
            QVERIFY2(Consistent(store), name);
        }
        QCOMPARE(TotalNodes(store), 0);
    }

    void refillBringsSkippedBackInSkipOrder() {
        // When the last Cube of Current is done, the Skipped chain itself
        // (not copies) becomes Current in skip order, and Skipped empties.
        SeriesStore store;
        Fill(store, SeriesKind::Current, {1, 2});
        Fill(store, SeriesKind::Skipped, {10, 11, 12});
        const CubeNode* skippedHead = store[SeriesKind::Skipped].head;

        QVERIFY(store.AdvanceCurrent());
        QCOMPARE(Markers(store, SeriesKind::Current), (std::vector<int>{2}));
        QCOMPARE(store[SeriesKind::Skipped].count, 3);

        QVERIFY(store.AdvanceCurrent());
        QCOMPARE(Markers(store, SeriesKind::Current), (std::vector<int>{10, 11, 12}));
        QCOMPARE(store[SeriesKind::Current].head, skippedHead);
        QCOMPARE(store[SeriesKind::Current].count, 3);
        QVERIFY(store[SeriesKind::Skipped].head == nullptr);
        QCOMPARE(store[SeriesKind::Skipped].count, 0);

        // Cubes skipped during this pass form the one after.
        store.AppendCopy(SeriesKind::Skipped, *store.CurrentCube());
        QVERIFY(store.AdvanceCurrent());
        QVERIFY(store.AdvanceCurrent());
        QVERIFY(store.AdvanceCurrent());
        QCOMPARE(Markers(store, SeriesKind::Current), (std::vector<int>{10}));

        // Nothing left: the test is finished.
        QVERIFY(!store.AdvanceCurrent());
        QVERIFY(store.CurrentCube() == nullptr);
        QCOMPARE(store[SeriesKind::Current].count, 0);
        QVERIFY(!store.AdvanceCurrent());
        QVERIFY(Consistent(store));
    }

    void randomSeriesReplacesOnlyCurrent() {
        SeriesStore store;
        QCOMPARE(store.seriessize, 30);
        Fill(store, SeriesKind::Current, {1, 2, 3});
        Fill(store, SeriesKind::Skipped, {4});
        Fill(store, SeriesKind::Mistakes, {5, 6});
        Fill(store, SeriesKind::Custom, {7});
        SeedRandom(1'700'000'123);
        store.seriessize = 1;
        store.MakeRandomSeries();
        QCOMPARE(store[SeriesKind::Current].count, 1);
        QVERIFY(InvariantFailures(*store.CurrentCube()).empty());
        QCOMPARE(Markers(store, SeriesKind::Skipped), (std::vector<int>{4}));
        QCOMPARE(Markers(store, SeriesKind::Mistakes), (std::vector<int>{5, 6}));
        QCOMPARE(Markers(store, SeriesKind::Custom), (std::vector<int>{7}));

        store.seriessize = 500;
        store.MakeRandomSeries();
        QCOMPARE(store[SeriesKind::Current].count, 500);
        for (const CubeNode* c = store.CurrentCube(); c != nullptr; c = c->link)
            QVERIFY(InvariantFailures(*c).empty());
        QVERIFY(Consistent(store));
    }

    void copyToCurrentLeavesTheSource() {
        // Copies carry picks and clocks; solving the copies never touches the
        // Cubes in Mistakes.
        SeriesStore store;
        Fill(store, SeriesKind::Current, {1});
        CubeNode picked = Marked(5);
        picked.chosen[0] = 1;
        picked.tstart = 45000.25;
        picked.tstop = 45000.3;
        store.AppendCopy(SeriesKind::Mistakes, picked);
        Fill(store, SeriesKind::Mistakes, {6});

        QVERIFY(store.CopyToCurrent(SeriesKind::Mistakes));
        QCOMPARE(Markers(store, SeriesKind::Current), (std::vector<int>{5, 6}));
        QVERIFY(SameCube(*store.CurrentCube(), picked));
        QVERIFY(store.CurrentCube() != store[SeriesKind::Mistakes].head);
        store.CurrentCube()->chosen[1] = 1;
        QCOMPARE(int(store[SeriesKind::Mistakes].head->chosen[1]), 0);
        QVERIFY(store.AdvanceCurrent());
        QCOMPARE(Markers(store, SeriesKind::Mistakes), (std::vector<int>{5, 6}));

        // Copying Current onto itself, or an empty series, changes nothing.
        QVERIFY(!store.CopyToCurrent(SeriesKind::Current));
        QVERIFY(!store.CopyToCurrent(SeriesKind::Custom));
        QCOMPARE(Markers(store, SeriesKind::Current), (std::vector<int>{6}));
        QVERIFY(Consistent(store));
    }

    void addCurrentCube_data() {
        QTest::addColumn<bool>("running");
        QTest::addColumn<bool>("haveCube");
        QTest::addColumn<bool>("solved");
        QTest::addColumn<bool>("appended");
        QTest::newRow("running, clock runs") << true << true << false << true;
        QTest::newRow("running, solved") << true << true << true << true;
        QTest::newRow("paused") << false << true << false << false;
        QTest::newRow("no current Cube") << true << false << false << false;
    }

    void addCurrentCube() {
        // A copy filed while the clock runs is stopped at the moment of the
        // add; the current Cube keeps running. A solved Cube's copy keeps the
        // moment of its solution. Paused or empty: nothing changes.
        QFETCH(bool, running);
        QFETCH(bool, haveCube);
        QFETCH(bool, solved);
        QFETCH(bool, appended);
        FakeClock clock(46'000.5);
        SeriesStore store;
        if (haveCube) {
            CubeNode c = Marked(3);
            c.tstart = 46'000.25;
            if (solved) {
                c.chosen[c.correct] = 1;
                c.tstop = 46'000.4;
            }
            store.AppendCopy(SeriesKind::Current, c);
        }
        Fill(store, SeriesKind::Custom, {9});

        QCOMPARE(store.AddCurrentCube(SeriesKind::Custom, running), appended);
        QCOMPARE(store.AddCurrentCube(SeriesKind::Custom, running), appended);
        QCOMPARE(store[SeriesKind::Custom].count, appended ? 3 : 1);
        QVERIFY(Consistent(store));
        if (!appended)
            return;
        const CubeNode* cur = store.CurrentCube();
        const CubeNode* copy = store[SeriesKind::Custom].head->link;
        QCOMPARE(copy->tstop, solved ? 46'000.4 : 46'000.5);
        QCOMPARE(cur->tstop, solved ? 46'000.4 : 0.0);
        QCOMPARE(copy->tstart, 46'000.25);
        QCOMPARE(IsSolved(*copy), solved);
        QVERIFY(SameCube(*copy, *copy->link));
        // Adding to Current itself is not an operation of the store.
        QVERIFY(!store.AddCurrentCube(SeriesKind::Current, true));
        QCOMPARE(store[SeriesKind::Current].count, 1);
    }

    void clearing() {
        SeriesStore store;
        for (SeriesKind k : kAll)
            Fill(store, k, {1, 2});
        store.ClearSeries(SeriesKind::Mistakes);
        QCOMPARE(store[SeriesKind::Mistakes].count, 0);
        QVERIFY(store[SeriesKind::Mistakes].head == nullptr);
        QCOMPARE(store[SeriesKind::Custom].count, 2);
        store.ClearAllSeries();
        for (SeriesKind k : kAll) {
            QCOMPARE(store[k].count, 0);
            QVERIFY(store[k].head == nullptr);
        }
        // A cleared store is used again as a fresh one.
        Fill(store, SeriesKind::Custom, {3});
        QCOMPARE(Markers(store, SeriesKind::Custom), (std::vector<int>{3}));
    }

    void longChainFreesOnASmallStack() {
        // 65,535 nodes, the most a file can hold, freed on a thread with a
        // 256 KiB stack: one stack frame per node would overflow it.
        CubeNode* head = nullptr;
        for (int i = 0; i < 65'535; ++i) {
            auto* n = new CubeNode{};
            n->link = head;
            head = n;
        }
        pthread_attr_t attr;
        pthread_attr_init(&attr);
        pthread_attr_setstacksize(&attr, 256 * 1024);
        pthread_t thread;
        QCOMPARE(pthread_create(&thread, &attr, FreeOnThread, &head), 0);
        pthread_join(thread, nullptr);
        pthread_attr_destroy(&attr);
        QVERIFY(head == nullptr);
    }
};

QTEST_APPLESS_MAIN(SeriesStoreTest)
#include "tst_series_store.moc"
