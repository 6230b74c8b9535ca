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

// A Cube told apart from others by its marker (kept in `recipe`).
Cube marked(int marker) {
    Cube c{};
    c.recipe = static_cast<std::int8_t>(marker);
    c.correctAnswer = 1;
    return c;
}

std::vector<int> markers(const SeriesStore& store, SeriesId kind) {
    std::vector<int> out;
    for (const Cube& c : store[kind])
        out.push_back(c.recipe);
    return out;
}

int totalCubes(const SeriesStore& store) {
    int n = 0;
    for (SeriesId k : kAllSeries)
        n += int(store[k].size());
    return n;
}

// The sizes of the four series, in SeriesId order.
using Sizes = std::array<int, kSeriesCount>;

Sizes sizesOf(const SeriesStore& store) {
    Sizes out{};
    for (SeriesId k : kAllSeries)
        out[std::size_t(k)] = int(store[k].size());
    return out;
}

// Every count equals the size of its own series.
bool Consistent(const SeriesStore& store) {
    for (SeriesId k : kAllSeries)
        if (store.count(k) != int(store[k].size()))
            return false;
    return true;
}

void fill(SeriesStore& store, SeriesId kind, std::initializer_list<int> markers) {
    for (int m : markers)
        store.appendCopy(kind, marked(m));
}

// Empties Current, then destroys the store with Skipped still full.
struct Teardown {
    SeriesStore* store = nullptr;
    int currentAfterClear = -1;
};

void* freeOnThread(void* arg) {
    auto* job = static_cast<Teardown*>(arg);
    job->store->clearSeries(SeriesId::Current);
    job->currentAfterClear = job->store->count(SeriesId::Current);
    delete job->store;
    job->store = nullptr;
    return nullptr;
}

} // namespace

class SeriesStoreTest : public QObject {
    Q_OBJECT

private slots:
    void appendCopyMakesANewNode() {
        // A Cube put into a series is a copy: changing either side later
        // never shows in the other, and the source is left as it was.
        SeriesStore store;
        Cube source = marked(7);
        source.picked[2] = 1;
        source.clockStart = 45000.25;
        source.clockStop = 45000.5;
        const Cube before = source;
        store.appendCopy(SeriesId::Custom, source);
        store.appendCopy(SeriesId::Custom, source);

        const Series& custom = store[SeriesId::Custom];
        QCOMPARE(custom.size(), std::size_t{2});
        const Cube* first = &custom[0];
        QVERIFY(first != &source);
        QVERIFY(&custom[1] != first && &custom[1] != &source);
        QVERIFY(sameCube(*first, source));
        QVERIFY(sameCube(custom[1], source));
        QVERIFY(sameCube(source, before));
        QCOMPARE(store.count(SeriesId::Custom), 2);

        source.picked[0] = 1;
        source.recipe = 9;
        QCOMPARE(int(first->picked[0]), 0);
        QCOMPARE(int(first->recipe), 7);
        store[SeriesId::Custom].front().picked[3] = 1;
        QCOMPARE(int(custom[1].picked[3]), 0);
        QVERIFY(Consistent(store));
    }

    void countsFollowTheSeries() {
        // After every operation each count equals the size of its series,
        // and each series has the size the operation leaves it with.
        SeriesStore store;
        FakeClock clock;
        RandomSource randomSource(1'700'000'000);
        store.seriesSize = 3;
        struct Step {
            const char* name;
            std::function<void()> run;
            Sizes sizes; // Current, Skipped, Mistakes, Custom
        };
        const std::vector<Step> steps = {
            {"random series", [&] { store.makeRandomSeries(randomSource); }, {3, 0, 0, 0}},
            {"append skipped",
             [&] { store.appendCopy(SeriesId::Skipped, *store.currentCube()); },
             {3, 1, 0, 0}},
            {"add to mistakes",
             [&] { store.addCurrentCube(SeriesId::Mistakes, true, clock); },
             {3, 1, 1, 0}},
            {"add to custom",
             [&] { store.addCurrentCube(SeriesId::Custom, true, clock); },
             {3, 1, 1, 1}},
            {"add while paused",
             [&] { store.addCurrentCube(SeriesId::Custom, false, clock); },
             {3, 1, 1, 1}},
            {"advance", [&] { store.advanceCurrent(); }, {2, 1, 1, 1}},
            {"advance", [&] { store.advanceCurrent(); }, {1, 1, 1, 1}},
            {"advance into skipped", [&] { store.advanceCurrent(); }, {1, 0, 1, 1}},
            {"copy mistakes", [&] { store.copyToCurrent(SeriesId::Mistakes); }, {1, 0, 1, 1}},
            {"copy current onto itself",
             [&] { store.copyToCurrent(SeriesId::Current); },
             {1, 0, 1, 1}},
            {"clear custom", [&] { store.clearSeries(SeriesId::Custom); }, {1, 0, 1, 0}},
            {"copy empty custom", [&] { store.copyToCurrent(SeriesId::Custom); }, {1, 0, 1, 0}},
            {"advance to the end", [&] { store.advanceCurrent(); }, {0, 0, 1, 0}},
            {"advance when empty", [&] { store.advanceCurrent(); }, {0, 0, 1, 0}},
            {"add when empty",
             [&] { store.addCurrentCube(SeriesId::Custom, true, clock); },
             {0, 0, 1, 0}},
            {"random series of 0",
             [&] {
                 store.seriesSize = 0;
                 store.makeRandomSeries(randomSource);
             },
             {0, 0, 1, 0}},
            {"random series again",
             [&] {
                 store.seriesSize = 2;
                 store.makeRandomSeries(randomSource);
             },
             {2, 0, 1, 0}},
            {"clear all", [&] { store.clearAllSeries(); }, {0, 0, 0, 0}},
            {"random series after clear",
             [&] { store.makeRandomSeries(randomSource); },
             {2, 0, 0, 0}},
            {"clear all at the end", [&] { store.clearAllSeries(); }, {0, 0, 0, 0}},
        };
        for (const Step& step : steps) {
            step.run();
            QVERIFY2(Consistent(store), step.name);
            QVERIFY2(sizesOf(store) == step.sizes, step.name);
        }
        QCOMPARE(totalCubes(store), 0);
    }

    void refillBringsSkippedBackInSkipOrder() {
        // When the last Cube of Current is done, the skipped Cubes themselves
        // (not copies) become Current in skip order, and Skipped empties.
        SeriesStore store;
        fill(store, SeriesId::Current, {1, 2});
        fill(store, SeriesId::Skipped, {10, 11, 12});
        const Cube* skippedFirst = &store[SeriesId::Skipped].front();

        QVERIFY(store.advanceCurrent());
        QCOMPARE(markers(store, SeriesId::Current), (std::vector<int>{2}));
        QCOMPARE(store.count(SeriesId::Skipped), 3);

        QVERIFY(store.advanceCurrent());
        QCOMPARE(markers(store, SeriesId::Current), (std::vector<int>{10, 11, 12}));
        QCOMPARE(&store[SeriesId::Current].front(), skippedFirst);
        QCOMPARE(store.currentCube(), skippedFirst);
        QCOMPARE(store.count(SeriesId::Current), 3);
        QVERIFY(store[SeriesId::Skipped].empty());
        QCOMPARE(store.count(SeriesId::Skipped), 0);

        // Cubes skipped during this pass form the one after.
        store.appendCopy(SeriesId::Skipped, *store.currentCube());
        QVERIFY(store.advanceCurrent());
        QVERIFY(store.advanceCurrent());
        QVERIFY(store.advanceCurrent());
        QCOMPARE(markers(store, SeriesId::Current), (std::vector<int>{10}));

        // Nothing left: the test is finished.
        QVERIFY(!store.advanceCurrent());
        QVERIFY(store.currentCube() == nullptr);
        QCOMPARE(store.count(SeriesId::Current), 0);
        QVERIFY(!store.advanceCurrent());
        QVERIFY(Consistent(store));
    }

    void randomSeriesReplacesOnlyCurrent() {
        SeriesStore store;
        QCOMPARE(store.seriesSize, 30);
        fill(store, SeriesId::Current, {1, 2, 3});
        fill(store, SeriesId::Skipped, {4});
        fill(store, SeriesId::Mistakes, {5, 6});
        fill(store, SeriesId::Custom, {7});
        RandomSource randomSource(1'700'000'123);
        store.seriesSize = 1;
        store.makeRandomSeries(randomSource);
        QCOMPARE(store.count(SeriesId::Current), 1);
        QVERIFY(invariantFailures(*store.currentCube()).empty());
        QCOMPARE(markers(store, SeriesId::Skipped), (std::vector<int>{4}));
        QCOMPARE(markers(store, SeriesId::Mistakes), (std::vector<int>{5, 6}));
        QCOMPARE(markers(store, SeriesId::Custom), (std::vector<int>{7}));

        store.seriesSize = 500;
        store.makeRandomSeries(randomSource);
        QCOMPARE(store.count(SeriesId::Current), 500);
        for (const Cube& c : store[SeriesId::Current])
            QVERIFY(invariantFailures(c).empty());
        QVERIFY(Consistent(store));
    }

    void copyToCurrentLeavesTheSource() {
        // Copies carry picks and clocks; solving the copies never touches the
        // Cubes in Mistakes.
        SeriesStore store;
        fill(store, SeriesId::Current, {1});
        Cube picked = marked(5);
        picked.picked[0] = 1;
        picked.clockStart = 45000.25;
        picked.clockStop = 45000.3;
        store.appendCopy(SeriesId::Mistakes, picked);
        fill(store, SeriesId::Mistakes, {6});

        QVERIFY(store.copyToCurrent(SeriesId::Mistakes));
        QCOMPARE(markers(store, SeriesId::Current), (std::vector<int>{5, 6}));
        QVERIFY(sameCube(*store.currentCube(), picked));
        QVERIFY(store.currentCube() != &store[SeriesId::Mistakes].front());
        store.currentCube()->picked[1] = 1;
        QCOMPARE(int(store[SeriesId::Mistakes].front().picked[1]), 0);
        QVERIFY(store.advanceCurrent());
        QCOMPARE(markers(store, SeriesId::Mistakes), (std::vector<int>{5, 6}));

        // Copying Current onto itself, or an empty series, changes nothing.
        QVERIFY(!store.copyToCurrent(SeriesId::Current));
        QVERIFY(!store.copyToCurrent(SeriesId::Custom));
        QCOMPARE(markers(store, SeriesId::Current), (std::vector<int>{6}));
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
            Cube c = marked(3);
            c.clockStart = 46'000.25;
            if (solved) {
                c.picked[c.correctAnswer] = 1;
                c.clockStop = 46'000.4;
            }
            store.appendCopy(SeriesId::Current, c);
        }
        fill(store, SeriesId::Custom, {9});

        QCOMPARE(store.addCurrentCube(SeriesId::Custom, running, clock), appended);
        QCOMPARE(store.addCurrentCube(SeriesId::Custom, running, clock), appended);
        QCOMPARE(store.count(SeriesId::Custom), appended ? 3 : 1);
        QVERIFY(Consistent(store));
        if (!appended)
            return;
        const Cube* cur = store.currentCube();
        const Cube* copy = &store[SeriesId::Custom][1];
        QCOMPARE(copy->clockStop, solved ? 46'000.4 : 46'000.5);
        QCOMPARE(cur->clockStop, solved ? 46'000.4 : 0.0);
        QCOMPARE(copy->clockStart, 46'000.25);
        QCOMPARE(isSolved(*copy), solved);
        QVERIFY(sameCube(*copy, store[SeriesId::Custom][2]));
        // Adding to Current itself is not an operation of the store.
        QVERIFY(!store.addCurrentCube(SeriesId::Current, true, clock));
        QCOMPARE(store.count(SeriesId::Current), 1);
    }

    void clearing() {
        SeriesStore store;
        for (SeriesId k : kAllSeries)
            fill(store, k, {1, 2});
        store.clearSeries(SeriesId::Mistakes);
        QCOMPARE(store.count(SeriesId::Mistakes), 0);
        QVERIFY(store[SeriesId::Mistakes].empty());
        QCOMPARE(store.count(SeriesId::Custom), 2);
        store.clearAllSeries();
        for (SeriesId k : kAllSeries) {
            QCOMPARE(store.count(k), 0);
            QVERIFY(store[k].empty());
        }
        // A cleared store is used again as a fresh one.
        fill(store, SeriesId::Custom, {3});
        QCOMPARE(markers(store, SeriesId::Custom), (std::vector<int>{3}));
    }

    void longSeriesFreesOnASmallStack() {
        // 65,535 Cubes, the most a file can hold, in each of two series,
        // cleared and destroyed on a thread with a 256 KiB stack: one stack
        // frame per Cube would overflow it.
        auto store = std::make_unique<SeriesStore>();
        for (int i = 0; i < 65'535; ++i) {
            store->appendCopy(SeriesId::Current, marked(i % 100));
            store->appendCopy(SeriesId::Skipped, marked(i % 100));
        }
        QCOMPARE(store->count(SeriesId::Current), 65'535);
        QCOMPARE(store->count(SeriesId::Skipped), 65'535);
        Teardown job;
        job.store = store.release();
        pthread_attr_t attr;
        pthread_attr_init(&attr);
        pthread_attr_setstacksize(&attr, 256 * 1024);
        pthread_t thread;
        QCOMPARE(pthread_create(&thread, &attr, freeOnThread, &job), 0);
        pthread_join(thread, nullptr);
        pthread_attr_destroy(&attr);
        QCOMPARE(job.currentAfterClear, 0);
        QVERIFY(job.store == nullptr);
    }
};

QTEST_APPLESS_MAIN(SeriesStoreTest)
#include "tst_series_store.moc"
