// The exam in the real window, driven by keys with scripted answers and a
// clock that moves only when told: nothing tells right from wrong until the
// end, Mistakes gets the wrong Cubes only then, and a time that runs out
// leaves the Cubes not answered unanswered on the score sheet and in the
// results file.
#include "app/exam_panel.h"
#include "app/explanation_window.h"
#include "app/score_sheet.h"
#include "cube/generator.h"
#include "printing/canvas_style.h"
#include "series/series_file.h"
#include "window_fixture.h"

#include <QDir>
#include <QGroupBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace vexlor;

namespace {

// The colours that say right or wrong: the wrong pick's symbols and the
// solved Cube's highlights, as each face of an answer cube shades them.
bool showsRightOrWrong(const QImage& image) {
    std::vector<Color> telling;
    for (Color c : {kWrongColor, kHighlightColors[0], kHighlightColors[1], kHighlightColors[2]})
        telling.insert(telling.end(), {c, c + kShade, c - kShade});
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (std::find(telling.begin(), telling.end(), fromQRgb(image.pixel(x, y))) !=
                telling.end())
                return true;
    return false;
}

} // namespace

class ExamWindowTest : public QObject {
    Q_OBJECT

private slots:
    // An exam of 3 new random Cubes picked wrong, right, wrong by key: each
    // pick gets a frame and is heard as "chosen", never as right or wrong,
    // Mistakes and the statistics stay as they were until the end, and the
    // commands of the drill wait; at the end Mistakes has the 2 wrong Cubes
    // and the score sheet says 1 of 3.
    void nothingToldUntilTheEnd() {
        WindowFixture w(nullptr, 7);
        Dialogs::ExamChoice choice;
        choice.fromCurrent = false;
        choice.count = 3;
        choice.minutes = 5;
        w.dialogs.queueExam(choice);
        QTest::keyClick(w.form.get(), Qt::Key_E, Qt::ControlModifier);
        QVERIFY(w.find<ExamPanel>(QStringLiteral("examPanel"))->isVisible());
        QVERIFY(!w.find<QGroupBox>(QStringLiteral("GroupBox2"))->isVisible());
        const int currentBefore = w.count(SeriesId::Current);
        QTest::keyClick(w.form.get(), Qt::Key_N, Qt::ControlModifier); // waits: no box opens
        w.key('0');
        const ExamSession& exam = *w.form->exam();
        for (const bool right : {false, true, false}) {
            const int item = exam.currentItem();
            const Cube& c = exam.items()[static_cast<std::size_t>(item)];
            const int answer = right ? c.correctAnswer : (c.correctAnswer + 1) % kAnswers;
            w.key("8956"[answer]);
            QCOMPARE(exam.answered(), item + 1);
            if (exam.hasEnded())
                break;
            QCOMPARE(w.count(SeriesId::Mistakes), 0);
            QCOMPARE(w.label("mists")->text(), QStringLiteral("0"));
            for (int a = 0; a < kAnswers; ++a) {
                QCOMPARE(w.answerPicture(a)->accessibleDescription(),
                         a == answer ? QStringLiteral("chosen") : QString());
                QVERIFY(!showsRightOrWrong(w.answerPicture(a)->canvas().image()));
            }
            QVERIFY(!showsRightOrWrong(w.picture("qu")->canvas().image()));
            QCOMPARE(w.answerPicture(answer)->canvas().pixel(2, 2), kChosenFrameColor);
            // The next Cube follows on its own.
            QTRY_COMPARE(exam.currentItem(), item + 1);
        }
        QVERIFY(exam.hasEnded());
        QCOMPARE(w.count(SeriesId::Mistakes), 2);
        QCOMPARE(w.label("smist")->text(), QStringLiteral("2"));
        QCOMPARE(w.count(SeriesId::Current), currentBefore);
        QVERIFY(w.form->scoreSheet() != nullptr && w.form->scoreSheet()->isVisible());
        QVERIFY(w.form->scoreSheet()->sheet().score.right == 1);
        // A right row has nothing to explain; a wrong one opens the Why?
        // window on its Cube and the answer chosen.
        auto* items = w.form->scoreSheet()->findChild<QTableWidget*>(QStringLiteral("scoreItems"));
        const auto activate = [items](int row) {
            items->setCurrentCell(row, 0);
            QTest::keyClick(items, Qt::Key_Return);
        };
        activate(1);
        QVERIFY(w.form->explanationWindow() == nullptr);
        activate(2);
        QVERIFY(w.form->explanationWindow() != nullptr && w.form->explanationWindow()->isVisible());
        QCOMPARE(w.form->explanationWindow()->shownAnswer(),
                 (exam.items()[2].correctAnswer + 1) % kAnswers);
        QVERIFY(sameTask(*w.form->explanationWindow()->cube(), exam.items()[2]));
        QVERIFY(!w.dialogs.unexpected);
    }

    // The time runs out with 2 of 5 Cubes unanswered: they count as
    // unanswered, the score sheet says so, and the results file written into
    // the folder holds them without a pick.
    void timeRunsOut() {
        const QTemporaryDir folder;
        HistoryStore history(folder.filePath(QStringLiteral("history.sqlite")));
        const QDateTime before(QDate(2025, 12, 1), QTime(9, 0));
        QVERIFY(history.recordExam({before.toMSecsSinceEpoch(), before, 4, 3, 4, 0, 99, {}}, {}));
        WindowFixture w(&history, 11);
        ExamSetup setup;
        setup.items.resize(5);
        for (Cube& c : setup.items)
            makeCube(c, w.randomSource);
        // Practice of the first item's recipe, for the comparison.
        for (double seconds : {6.0, 7.0, 9.0})
            QVERIFY(history.record({before, setup.items[0].recipe, seconds, 0}));
        setup.limitSeconds = 60;
        setup.resultsFolder = folder.path();
        setup.title = QStringLiteral("s5");
        w.form->beginExam(std::move(setup));
        w.key('0');
        const ExamSession& exam = *w.form->exam();
        for (int i = 0; i < 3; ++i) {
            w.clock.advanceSeconds(10);
            w.key('8');
            QTRY_COMPARE(exam.currentItem(), i + 1);
        }
        w.clock.advanceSeconds(31);
        QTRY_VERIFY(exam.hasEnded());
        QCOMPARE(exam.endReason(), ExamEnd::TimeUp);
        const ScoreSheet* sheet = w.form->scoreSheet();
        QVERIFY(sheet != nullptr);
        QCOMPARE(sheet->sheet().score.unanswered(), 2);
        QVERIFY(sheet->findChild<QLabel*>(QStringLiteral("scoreSummary"))
                    ->text()
                    .contains(QStringLiteral("The time ran out with 2 Cubes unanswered")));
        const QStringList files = QDir(folder.path()).entryList({QStringLiteral("*.srs")});
        QCOMPARE(files,
                 QStringList{QStringLiteral("s5 \u2013 %1.srs")
                                 .arg(sheet->sheet().startedAt.date().toString(Qt::ISODate))});
        SeriesStore read;
        QCOMPARE(loadSeriesFile(folder.filePath(files.front()), read), LoadResult::Ok);
        QString picks;
        for (const Cube& c : read[SeriesId::Current])
            picks += QString::number(c.picked[0] + c.picked[1] + c.picked[2] + c.picked[3]);
        QCOMPARE(picks, QStringLiteral("11100"));
        // Compared with the history before it: the earlier exam, and the
        // practice median of a recipe.
        const QString comparison =
            sheet->findChild<QLabel*>(QStringLiteral("scoreComparison"))->text();
        QVERIFY2(
            comparison.contains(QStringLiteral("Earlier exams: 1, the last 75 %, the best 75 %")),
            qPrintable(comparison));
        const auto* recipes = sheet->findChild<QTableWidget*>(QStringLiteral("scoreRecipes"));
        QVERIFY(!recipes->findItems(QStringLiteral("7.0 s"), Qt::MatchExactly).isEmpty());
        // The history has the exam, and a row for each answered Cube only.
        const ExamRecord stored = history.readExams().back();
        QVERIFY(stored.cubes == 5 && stored.answered == 3 && stored.limitSeconds == 60);
        int rows = 0;
        QVERIFY(history.forEachStoredRow(
            [&rows, &stored](const StoredRow& r) { rows += r.exam == stored.id ? 1 : 0; }));
        QCOMPARE(rows, 3);
    }
};

QTEST_MAIN(ExamWindowTest)
#include "tst_exam_window.moc"
