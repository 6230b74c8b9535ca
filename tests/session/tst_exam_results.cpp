// An exam's results file: it holds the exam's Cubes in order with every pick
// and time, loads back as it was written, is read by the class report with
// the exam's own score, never replaces a file, and is named
// "NAME – TITLE – DATE".
#include "cube/generator.h"
#include "cube_compare.h"
#include "fake_clock.h"
#include "series/class_report.h"
#include "series/results_file.h"
#include "series/series_file.h"
#include "session/exam_session.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace vexlor;

struct Quiet final : ExamListener {
    void itemShown(const Cube&, int) override {}
    void answerChosen(int, int) override {}
    void itemHidden() override {}
    void examChanged() override {}
    void examEnded() override {}
};

class ExamResultsTest : public QObject {
    Q_OBJECT

private slots:
    // Picks on five random Cubes, 10 s apart: r the right answer, w a wrong
    // one, k skip, then the time runs out where the picks end. Outcome:
    // right, wrong and unanswered as the class report counts them.
    void resultsLoadBackAndReport_data() {
        QTest::addColumn<QString>("picks");
        QTest::addColumn<QString>("outcome");
        QTest::newRow("all answered") << "rwrrw"
                                      << "3 2 0";
        QTest::newRow("time out, 2 unanswered") << "rkww"
                                                << "1 2 2";
    }
    void resultsLoadBackAndReport() {
        QFETCH(QString, picks);
        QFETCH(QString, outcome);
        RandomSource random(2024);
        std::vector<Cube> cubes(5);
        for (Cube& c : cubes)
            makeCube(c, random);
        SeriesStore store;
        FakeClock clock;
        Quiet quiet;
        ExamSession exam(cubes, 10 * (static_cast<int>(picks.size()) + 1), store, quiet, clock);
        exam.start();
        for (const QChar pick : picks) {
            clock.advanceSeconds(10);
            const Cube& c = exam.items()[static_cast<std::size_t>(exam.currentItem())];
            if (pick == u'k')
                exam.skip();
            else
                exam.pick(pick == u'r' ? c.correctAnswer : (c.correctAnswer + 1) % kAnswers);
            exam.next();
        }
        clock.advanceSeconds(10);
        exam.checkTime();
        QVERIFY(exam.hasEnded());

        // Saved twice under one name: the second file gets a number of its
        // own, and the first stays as it was.
        const QTemporaryDir folder;
        const Series items(exam.items().begin(), exam.items().end());
        const QString base =
            resultsBaseName(QStringLiteral("Anna"), QStringLiteral("week3"), QDate(2025, 12, 9));
        QString first, second;
        QCOMPARE(saveResultsFile(folder.path(), base, items, &first), WriteResult::Ok);
        QCOMPARE(saveResultsFile(folder.path(), base, items, &second), WriteResult::Ok);
        QCOMPARE(QFileInfo(first).fileName(),
                 QStringLiteral("Anna \u2013 week3 \u2013 2025-12-09.srs"));
        QCOMPARE(QFileInfo(second).fileName(),
                 QStringLiteral("Anna \u2013 week3 \u2013 2025-12-09 (2).srs"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);

        std::vector<ResultsFile> files;
        for (const QString& path : {first, second}) {
            SeriesStore read;
            QCOMPARE(loadSeriesFile(path, read), LoadResult::Ok);
            QCOMPARE(read.count(SeriesId::Current), exam.count());
            for (int i = 0; i < exam.count(); ++i)
                QVERIFY2(sameCube(read[SeriesId::Current][static_cast<std::size_t>(i)],
                                  exam.items()[static_cast<std::size_t>(i)]),
                         qPrintable(QString::number(i)));
            files.push_back({QFileInfo(path).completeBaseName().toStdString(),
                             {read[SeriesId::Current].begin(), read[SeriesId::Current].end()}});
        }
        const ClassReport report = makeClassReport(files);
        QVERIFY(report.leftOut.empty());
        const PupilFigures& pupil = report.pupils.front();
        QCOMPARE(QStringLiteral("%1 %2 %3").arg(pupil.right).arg(pupil.wrong).arg(pupil.unanswered),
                 outcome);
        const ExamScore score = exam.score();
        QCOMPARE(score.right, pupil.right);
        QCOMPARE(score.unanswered(), pupil.unanswered);
        QCOMPARE(std::lround(pupil.secondsUsed), std::lround(score.secondsUsed));
    }

    // The name drops out when none is given; characters no disk takes in a
    // name become "_"; a long name gives way before the title and date.
    void baseNames_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("base");
        QTest::newRow("name") << " Anna  Nowak "
                              << "Exam"
                              << "Anna Nowak \u2013 Exam \u2013 2025-12-09";
        QTest::newRow("no name") << "  "
                                 << "Exam"
                                 << "Exam \u2013 2025-12-09";
        QTest::newRow("unsafe") << "../a:b*c?"
                                << "x/y"
                                << "_._a_b_c_ \u2013 x_y \u2013 2025-12-09";
        QTest::newRow("long name") << QString(300, u'\u00e9') << "T"
                                   << QString(104, u'\u00e9') + " \u2013 T \u2013 2025-12-09";
    }
    void baseNames() {
        QFETCH(QString, name);
        QFETCH(QString, title);
        QFETCH(QString, base);
        QCOMPARE(resultsBaseName(name, title, QDate(2025, 12, 9)), base);
    }
};

QTEST_GUILESS_MAIN(ExamResultsTest)
#include "tst_exam_results.moc"
