// Every cell of the Series grid, and the "All" button beside it, clicked in
// the real window: which series it acts on, whether it pauses a running test
// first, which question it asks, what the series hold after Yes and after No,
// and that it does nothing at all on an empty series where the rules say so.
#include "app/series_commands.h"
#include "app/series_grid.h"
#include "series/series_file.h"
#include "window_fixture.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace vexlor;

namespace {

enum class Action { None, copyToCurrent, addCurrentCube, Save, Clear, ClearAll };

// Each series other than Current holds two Cubes marked by their kind, so
// that a copy or a file shows where its Cubes came from.
constexpr std::int8_t kMarker[kSeriesCount] = {-1, 101, 102, 103};

const QString kDeleteCurrent = "ask: Delete the Current series?";
const QString kClearSkipped = "ask: Clear the Skipped series?";
const QString kStrip = "ask: " + QString(text::kSaveStripped);
const QString kDeleteAll = "ask: Delete all series?";

std::vector<int> kinds(const Series& s) {
    std::vector<int> kinds;
    for (const Cube& c : s)
        kinds.push_back(c.recipe);
    return kinds;
}

using Snapshot = std::array<std::vector<int>, kSeriesCount>;

Snapshot take(const SeriesStore& store) {
    Snapshot s;
    for (SeriesId k : kAllSeries)
        s[static_cast<int>(k)] = kinds(store[k]);
    return s;
}

} // namespace

Q_DECLARE_METATYPE(Action)
Q_DECLARE_METATYPE(SeriesId)

class SeriesGridTest : public QObject {
    Q_OBJECT

private:
    // A running test over 30 fresh Cubes, each other series holding two
    // marked Cubes with a clock on them.
    static void prepare(WindowFixture& w, SeriesId emptied, bool empty) {
        for (SeriesId k : {SeriesId::Skipped, SeriesId::Mistakes, SeriesId::Custom}) {
            Cube c = *w.current();
            c.recipe = kMarker[static_cast<int>(k)];
            c.clockStart = 46'000.25;
            c.clockStop = 46'000.5;
            w.store.appendCopy(k, c);
            w.store.appendCopy(k, c);
        }
        if (empty)
            w.store.clearSeries(emptied);
        w.form->refreshLabels();
        if (w.current() != nullptr)
            w.start();
    }

private slots:
    void everyCellActsOnItsRow_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<SeriesId>("series");
        QTest::addColumn<Action>("action");
        QTest::addColumn<bool>("pausesFirst");
        QTest::addColumn<QString>("question");

        const auto C = SeriesId::Current, S = SeriesId::Skipped, M = SeriesId::Mistakes,
                   U = SeriesId::Custom;
        // clang-format off
        QTest::newRow("guzik")    << "guzik"    << C << Action::None           << false << "";
        QTest::newRow("guzik2")   << "guzik2"   << C << Action::None           << false << "";
        QTest::newRow("Button9")  << "Button9"  << C << Action::Save           << true  << "";
        QTest::newRow("Button11") << "Button11" << C << Action::Clear          << true  << kDeleteCurrent;
        QTest::newRow("Button5")  << "Button5"  << S << Action::copyToCurrent  << true  << kDeleteCurrent;
        QTest::newRow("Button1")  << "Button1"  << S << Action::addCurrentCube << false << "";
        QTest::newRow("Button8")  << "Button8"  << S << Action::Save           << true  << kStrip;
        QTest::newRow("Button12") << "Button12" << S << Action::Clear          << true  << kClearSkipped;
        QTest::newRow("Button3")  << "Button3"  << M << Action::copyToCurrent  << true  << kDeleteCurrent;
        QTest::newRow("atmi")     << "atmi"     << M << Action::addCurrentCube << false << "";
        QTest::newRow("Button7")  << "Button7"  << M << Action::Save           << true  << kStrip;
        QTest::newRow("Button13") << "Button13" << M << Action::Clear          << false << "";
        QTest::newRow("Button4")  << "Button4"  << U << Action::copyToCurrent  << true  << kDeleteCurrent;
        QTest::newRow("atcu")     << "atcu"     << U << Action::addCurrentCube << false << "";
        QTest::newRow("Button6")  << "Button6"  << U << Action::Save           << true  << kStrip;
        QTest::newRow("Button14") << "Button14" << U << Action::Clear          << false << "";
        QTest::newRow("All")      << "Button2"  << C << Action::ClearAll       << true  << kDeleteAll;
        // clang-format on
    }

    void everyCellActsOnItsRow() {
        QFETCH(QString, name);
        QFETCH(SeriesId, series);
        QFETCH(Action, action);
        QFETCH(bool, pausesFirst);
        QFETCH(QString, question);
        const int row = static_cast<int>(series);

        for (bool yes : {true, false}) {
            const QByteArray answer = yes ? "after Yes" : "after No";
            WindowFixture w;
            prepare(w, series, false);
            QCOMPARE(w.phase(), SessionPhase::Answering);
            const Snapshot before = take(w.store);
            const int currentKind = w.current()->recipe;

            QTemporaryDir dir;
            const QString path = dir.filePath("saved.srs");
            if (action == Action::Save)
                w.dialogs.queueFile(path);
            if (!question.isEmpty())
                yes ? w.dialogs.queueYes() : w.dialogs.queueNo();
            QTest::mouseClick(w.find(name), Qt::LeftButton);

            QVERIFY2(!w.dialogs.unexpected && !w.dialogs.hasPending(), answer.constData());
            const QStringList asked = w.dialogs.log.filter(QRegularExpression("^ask: "));
            QCOMPARE(asked, question.isEmpty() ? QStringList{} : QStringList{question});
            QVERIFY2(w.state.paused == pausesFirst, answer.constData());

            Snapshot expected = before;
            const bool accepted = yes || question.isEmpty();
            switch (action) {
            case Action::None:
                break;
            case Action::copyToCurrent:
                if (accepted)
                    expected[0] = before[row];
                break;
            case Action::addCurrentCube:
                expected[row].push_back(currentKind);
                break;
            case Action::Save: {
                SeriesStore saved;
                QCOMPARE(loadSeriesFile(path, saved), LoadResult::Ok);
                QCOMPARE(kinds(saved[SeriesId::Current]), before[row]);
                const bool stripped = series == SeriesId::Current || yes;
                QVERIFY2((saved.currentCube()->clockStart == 0.0) == stripped, answer.constData());
                break;
            }
            case Action::Clear:
                if (accepted)
                    expected[row].clear();
                break;
            case Action::ClearAll:
                if (accepted)
                    expected = {};
                break;
            }
            QCOMPARE(take(w.store), expected);
        }
    }

    // Where the rules say so, a command on an empty series does nothing at
    // all: no question, no dialog, not even a pause.
    void nothingOnAnEmptySeries_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<SeriesId>("emptied");
        for (const SeriesGridCell& cell : kSeriesGrid) {
            const bool silent = cell.column == GridColumn::CopyToCurrent ||
                                cell.column == GridColumn::Save ||
                                (cell.column == GridColumn::Clear &&
                                 (cell.row == SeriesId::Current || cell.row == SeriesId::Skipped));
            if (cell.crossName == nullptr && silent)
                QTest::newRow(cell.objectName) << cell.objectName << cell.row;
        }
    }

    void nothingOnAnEmptySeries() {
        QFETCH(QString, name);
        QFETCH(SeriesId, emptied);
        WindowFixture w;
        prepare(w, emptied, true);
        const bool running = !w.state.paused;
        const Snapshot before = take(w.store);
        QTest::mouseClick(w.find(name), Qt::LeftButton);
        QCOMPARE(w.dialogs.log, QStringList{});
        QCOMPARE(!w.state.paused, running);
        QCOMPARE(take(w.store), before);
    }

    void allOnEmptySeriesDoesNothing() {
        WindowFixture w;
        w.start();
        w.store.clearAllSeries();
        QTest::mouseClick(w.button("Button2"), Qt::LeftButton);
        QCOMPARE(w.dialogs.log, QStringList{});
        QVERIFY(!w.state.paused);
    }
};

QTEST_MAIN(SeriesGridTest)
#include "tst_series_grid.moc"
