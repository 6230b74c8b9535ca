// The series store: copies are never shared, counts always equal the series,
// the refill rule brings skipped Cubes back in order, and long series free
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

#include <array>
#include <functional>
#include <memory>
#include <vector>

using namespace vexlor;

namespace {

// A Cube told apart from others by its marker (kept in `kind`).
CubeNode Marked(int marker) {
    CubeNode c{};
    c.kind = static_cast<std::int8_t>(marker);
    c.correct = 1;
    return c;
}

std::vector<int> Markers(const SeriesStore& store, SeriesKind kind) {
    std::vector<int> out;
    for (const CubeNode& c : store[kind])
        out.push_back(c.kind);
    return out;
}

int TotalCubes(const SeriesStore& store) {
    int n = 0;
    for (SeriesKind k : kAllSeries)
        n += int(store[k].size());
    return n;
}

// The sizes of the four series, in SeriesKind order.
using Sizes = std::array<int, kSeriesKinds>;

Sizes SizesOf(const SeriesStore& store) {
    Sizes out{};
    for (SeriesKind k : kAllSeries)
        out[std::size_t(k)] = int(store[k].size());
    return out;
}

// Every count equals the size of its own series.
bool Consistent(const SeriesStore& store) {
    for (SeriesKind k : kAllSeries)
        if (store.count(k) != int(store[k].size()))
            return false;
    return true;
}

void Fill(SeriesStore& store, SeriesKind kind, std::initializer_list<int> markers) {
    for (int m : markers)
        store.AppendCopy(kind, Marked(m));
}

// Empties Current, then destroys the store with Skipped still full.
struct Teardown {
    SeriesStore* store = nullptr;
    int currentAfterClear = -1;
};

void* FreeOnThread(void* arg) {
    auto* job = static_cast<Teardown*>(arg);
    job->store->ClearSeries(SeriesKind::Current);
    job->currentAfterClear = job->store->count(SeriesKind::Current);
    delete job->store;
    job->store = nullptr;
    return nullptr;
}

} // namespace

class SeriesStoreTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SetupTopology(); }

    void appendCopyMakesANewNode() {
        // A Cube put into a series is a copy: changing either side later
        // never shows in the other, and the source is left as it was.
        SeriesStore store;
        CubeNode source = Marked(7);
        source.chosen[2] = 1;
        source.tstart = 45000.25;
        source.tstop = 45000.5;
        const CubeNode before = source;
        store.AppendCopy(SeriesKind::Custom, source);
        store.AppendCopy(SeriesKind::Custom, source);

        const Series& custom = store[SeriesKind::Custom];
        QCOMPARE(custom.size(), std::size_t{2});
        const CubeNode* first = &custom[0];
        QVERIFY(first != &source);
        QVERIFY(&custom[1] != first && &custom[1] != &source);
        QVERIFY(SameCube(*first, source));
        QVERIFY(SameCube(custom[1], source));
        QVERIFY(SameCube(source, before));
        QCOMPARE(store.count(SeriesKind::Custom), 2);

        source.chosen[0] = 1;
        source.kind = 9;
        QCOMPARE(int(first->chosen[0]), 0);
        QCOMPARE(int(first->kind), 7);
        store[SeriesKind::Custom].front().chosen[3] = 1;
        QCOMPARE(int(custom[1].chosen[3]), 0);
        QVERIFY(Consistent(store));
    }

    void countsFollowTheSeries() {
        // After every operation each count equals the size of its series,
        // and each series has the size the operation leaves it with.
        SeriesStore store;
        FakeClock clock;
        store.seriesSize = 3;
        struct Step {
            const char* name;
            std::function<void()> run;
            Sizes sizes; // Current, Skipped, Mistakes, Custom
        };
        const std::vector<Step> steps = {
            {"random series", [&] { store.MakeRandomSeries(); }, {3, 0, 0, 0}},
            {"append skipped",
             [&] { store.AppendCopy(SeriesKind::Skipped, *store.CurrentCube()); },
             {3, 1, 0, 0}},
            {"add to mistakes",
             [&] { store.AddCurrentCube(SeriesKind::Mistakes, true); },
             {3, 1, 1, 0}},
            {"add to custom",
             [&] { store.AddCurrentCube(SeriesKind::Custom, true); },
             {3, 1, 1, 1}},
            {"add while paused",
             [&] { store.AddCurrentCube(SeriesKind::Custom, false); },
             {3, 1, 1, 1}},
            {"advance", [&] { store.AdvanceCurrent(); }, {2, 1, 1, 1}},
            {"advance", [&] { store.AdvanceCurrent(); }, {1, 1, 1, 1}},
            {"advance into skipped", [&] { store.AdvanceCurrent(); }, {1, 0, 1, 1}},
            {"copy mistakes", [&] { store.CopyToCurrent(SeriesKind::Mistakes); }, {1, 0, 1, 1}},
            {"copy current onto itself",
             [&] { store.CopyToCurrent(SeriesKind::Current); },
             {1, 0, 1, 1}},
            {"clear custom", [&] { store.ClearSeries(SeriesKind::Custom); }, {1, 0, 1, 0}},
            {"copy empty custom", [&] { store.CopyToCurrent(SeriesKind::Custom); }, {1, 0, 1, 0}},
            {"advance to the end", [&] { store.AdvanceCurrent(); }, {0, 0, 1, 0}},
            {"advance when empty", [&] { store.AdvanceCurrent(); }, {0, 0, 1, 0}},
            {"add when empty",
             [&] { store.AddCurrentCube(SeriesKind::Custom, true); },
             {0, 0, 1, 0}},
            {"random series of 0",
             [&] {
                 store.seriesSize = 0;
                 store.MakeRandomSeries();
             },
             {0, 0, 1, 0}},
            {"random series again",
             [&] {
                 store.seriesSize = 2;
                 store.MakeRandomSeries();
             },
             {2, 0, 1, 0}},
            {"clear all", [&] { store.ClearAllSeries(); }, {0, 0, 0, 0}},
            {"random series after clear", [&] { store.MakeRandomSeries(); }, {2, 0, 0, 0}},
            {"clear all at the end", [&] { store.ClearAllSeries(); }, {0, 0, 0, 0}},
        };
        for (const Step& step : steps) {
            step.run();
            QVERIFY2(Consistent(store), step.name);
            QVERIFY2(SizesOf(store) == step.sizes, step.name);
        }
        QCOMPARE(TotalCubes(store), 0);
    }

    void refillBringsSkippedBackInSkipOrder() {
        // When the last Cube of Current is done, the skipped Cubes themselves
        // (not copies) become Current in skip order, and Skipped empties.
        SeriesStore store;
        Fill(store, SeriesKind::Current, {1, 2});
        Fill(store, SeriesKind::Skipped, {10, 11, 12});
        const CubeNode* skippedFirst = &store[SeriesKind::Skipped].front();

        QVERIFY(store.AdvanceCurrent());
        QCOMPARE(Markers(store, SeriesKind::Current), (std::vector<int>{2}));
        QCOMPARE(store.count(SeriesKind::Skipped), 3);

        QVERIFY(store.AdvanceCurrent());
        QCOMPARE(Markers(store, SeriesKind::Current), (std::vector<int>{10, 11, 12}));
        QCOMPARE(&store[SeriesKind::Current].front(), skippedFirst);
        QCOMPARE(store.CurrentCube(), skippedFirst);
        QCOMPARE(store.count(SeriesKind::Current), 3);
        QVERIFY(store[SeriesKind::Skipped].empty());
        QCOMPARE(store.count(SeriesKind::Skipped), 0);

        // Cubes skipped during this pass form the one after.
        store.AppendCopy(SeriesKind::Skipped, *store.CurrentCube());
        QVERIFY(store.AdvanceCurrent());
        QVERIFY(store.AdvanceCurrent());
        QVERIFY(store.AdvanceCurrent());
        QCOMPARE(Markers(store, SeriesKind::Current), (std::vector<int>{10}));

        // Nothing left: the test is finished.
        QVERIFY(!store.AdvanceCurrent());
        QVERIFY(store.CurrentCube() == nullptr);
        QCOMPARE(store.count(SeriesKind::Current), 0);
        QVERIFY(!store.AdvanceCurrent());
        QVERIFY(Consistent(store));
    }

    void randomSeriesReplacesOnlyCurrent() {
        SeriesStore store;
        QCOMPARE(store.seriesSize, 30);
        Fill(store, SeriesKind::Current, {1, 2, 3});
        Fill(store, SeriesKind::Skipped, {4});
        Fill(store, SeriesKind::Mistakes, {5, 6});
        Fill(store, SeriesKind::Custom, {7});
        SeedRandom(1'700'000'123);
        store.seriesSize = 1;
        store.MakeRandomSeries();
        QCOMPARE(store.count(SeriesKind::Current), 1);
        QVERIFY(InvariantFailures(*store.CurrentCube()).empty());
        QCOMPARE(Markers(store, SeriesKind::Skipped), (std::vector<int>{4}));
        QCOMPARE(Markers(store, SeriesKind::Mistakes), (std::vector<int>{5, 6}));
        QCOMPARE(Markers(store, SeriesKind::Custom), (std::vector<int>{7}));

        store.seriesSize = 500;
        store.MakeRandomSeries();
        QCOMPARE(store.count(SeriesKind::Current), 500);
        for (const CubeNode& c : store[SeriesKind::Current])
            QVERIFY(InvariantFailures(c).empty());
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
        QVERIFY(store.CurrentCube() != &store[SeriesKind::Mistakes].front());
        store.CurrentCube()->chosen[1] = 1;
        QCOMPARE(int(store[SeriesKind::Mistakes].front().chosen[1]), 0);
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
        QCOMPARE(store.count(SeriesKind::Custom), appended ? 3 : 1);
        QVERIFY(Consistent(store));
        if (!appended)
            return;
        const CubeNode* cur = store.CurrentCube();
        const CubeNode* copy = &store[SeriesKind::Custom][1];
        QCOMPARE(copy->tstop, solved ? 46'000.4 : 46'000.5);
        QCOMPARE(cur->tstop, solved ? 46'000.4 : 0.0);
        QCOMPARE(copy->tstart, 46'000.25);
        QCOMPARE(IsSolved(*copy), solved);
        QVERIFY(SameCube(*copy, store[SeriesKind::Custom][2]));
        // Adding to Current itself is not an operation of the store.
        QVERIFY(!store.AddCurrentCube(SeriesKind::Current, true));
        QCOMPARE(store.count(SeriesKind::Current), 1);
    }

    void clearing() {
        SeriesStore store;
        for (SeriesKind k : kAllSeries)
            Fill(store, k, {1, 2});
        store.ClearSeries(SeriesKind::Mistakes);
        QCOMPARE(store.count(SeriesKind::Mistakes), 0);
        QVERIFY(store[SeriesKind::Mistakes].empty());
        QCOMPARE(store.count(SeriesKind::Custom), 2);
        store.ClearAllSeries();
        for (SeriesKind k : kAllSeries) {
            QCOMPARE(store.count(k), 0);
            QVERIFY(store[k].empty());
        }
        // A cleared store is used again as a fresh one.
        Fill(store, SeriesKind::Custom, {3});
        QCOMPARE(Markers(store, SeriesKind::Custom), (std::vector<int>{3}));
    }

    void longSeriesFreesOnASmallStack() {
        // 65,535 Cubes, the most a file can hold, in each of two series,
        // cleared and destroyed on a thread with a 256 KiB stack: one stack
        // frame per Cube would overflow it.
        auto store = std::make_unique<SeriesStore>();
        for (int i = 0; i < 65'535; ++i) {
            store->AppendCopy(SeriesKind::Current, Marked(i % 100));
            store->AppendCopy(SeriesKind::Skipped, Marked(i % 100));
        }
        QCOMPARE(store->count(SeriesKind::Current), 65'535);
        QCOMPARE(store->count(SeriesKind::Skipped), 65'535);
        Teardown job;
        job.store = store.release();
        pthread_attr_t attr;
        pthread_attr_init(&attr);
        pthread_attr_setstacksize(&attr, 256 * 1024);
        pthread_t thread;
        QCOMPARE(pthread_create(&thread, &attr, FreeOnThread, &job), 0);
        pthread_join(thread, nullptr);
        pthread_attr_destroy(&attr);
        QCOMPARE(job.currentAfterClear, 0);
        QVERIFY(job.store == nullptr);
    }
};

QTEST_APPLESS_MAIN(SeriesStoreTest)
#include "tst_series_store.moc"
