// A class's results over four versions of one sheet: each pupil's answers
// are counted against the original's items, whatever version and order the
// file holds, with the letters as the original has them; files that are no
// pupil's results are left out by name.
#include "cube/answer_order.h"
#include "cube/recipe.h"
#include "series/class_report.h"
#include "series/series_store.h"

#include <QTest>

#include <algorithm>
#include <cmath>

using namespace vexlor;

namespace {

constexpr char kCorrect[] = "ABCDAB";

// Each pupil's answers in the original's letters and order ('-' for none),
// the version the pupil took, and whether the file holds its Cubes reversed.
struct Pupil {
    const char* name;
    int version;
    const char* answers;
    bool reversed;
};
constexpr Pupil kPupils[] = {
    {"a", 0, "ABCDAB", true},
    {"b", 1, "ABCA-B", false},
    {"c", 2, "BBCA-C", false},
    {"d", 3, "ACDAAD", false},
};

std::vector<Cube> originalSeries() {
    RandomSource randomSource(31);
    SeriesStore store;
    store.seriesSize = 6;
    store.makeRandomSeries(randomSource);
    std::vector<Cube> cubes;
    for (std::size_t i = 0; i < 6; ++i) {
        const Cube& c = store[SeriesId::Current][i];
        AnswerOrder swap = kAnswersAsGiven;
        std::swap(swap[c.correctAnswer], swap[kCorrect[i] - 'A']);
        cubes.push_back(withAnswerOrder(c, swap));
    }
    return cubes;
}

// The pupil's file: the version's Cubes, each answer picked where the
// version put it, and Cube i of pupil p held 10 (p + 1) + i seconds.
ResultsFile resultsOf(std::size_t p, const std::vector<Cube>& original,
                      const std::vector<std::vector<AnswerOrder>>& orders) {
    const Pupil& pupil = kPupils[p];
    ResultsFile file{pupil.name, {}, true};
    for (std::size_t i = 0; i < original.size(); ++i) {
        const AnswerOrder& order = orders[i][static_cast<std::size_t>(pupil.version)];
        Cube c = withAnswerOrder(original[i], order);
        if (pupil.answers[i] != '-') {
            const auto place = std::find(order.begin(), order.end(), pupil.answers[i] - 'A');
            c.picked[place - order.begin()] = 1;
            c.clockStart = 46'000.5;
            c.clockStop = c.clockStart + (10.0 * static_cast<double>(p + 1) + i) / 86'400;
        }
        file.cubes.push_back(c);
    }
    if (pupil.reversed)
        std::reverse(file.cubes.begin(), file.cubes.end());
    return file;
}

} // namespace

class ClassReportTest : public QObject {
    Q_OBJECT

private slots:
    void countsEachItemOfTheOriginal_data() {
        QTest::addColumn<bool>("givenOriginal");
        QTest::newRow("against the original, with files left out") << true;
        QTest::newRow("in the order of the first file, a's") << false;
    }

    void countsEachItemOfTheOriginal() {
        QFETCH(bool, givenOriginal);
        const std::vector<Cube> original = originalSeries();
        std::vector<int> correct;
        for (const Cube& c : original)
            correct.push_back(c.correctAnswer);
        RandomSource randomSource(5);
        const auto orders = versionOrders(correct, 4, false, randomSource);
        std::vector<ResultsFile> files;
        for (std::size_t p = 0; p < 4; ++p)
            files.push_back(resultsOf(p, original, orders));
        if (givenOriginal) {
            ResultsFile foreign = resultsOf(2, original, orders), blank{"blank", original, true},
                        twice = foreign;
            foreign.name = "foreign";
            RandomSource other(99);
            SeriesStore store;
            store.makeRandomSeries(other);
            foreign.cubes.push_back(store[SeriesId::Current].front());
            twice.name = "twice";
            twice.cubes[2].picked[0] = twice.cubes[2].picked[1] = 1;
            files.insert(files.end(), {foreign, blank, twice, {"unread", {}, false}});
        }
        const ClassReport report = makeClassReport(files, givenOriginal ? &original : nullptr);

        // Counted by hand from the answers above; a's file runs backwards.
        std::vector<double> percent{75, 75, 75, 25, 50, 50};
        QString commonWrong = "BCDA-C";
        if (!givenOriginal) {
            std::reverse(percent.begin(), percent.end());
            std::reverse(commonWrong.begin(), commonWrong.end());
        }
        QCOMPARE(report.items.size(), 6u);
        for (std::size_t i = 0; i < 6; ++i) {
            const ItemFigures& item = report.items[i];
            QCOMPARE(item.percentRight, percent[i]);
            QCOMPARE(item.commonWrong < 0 ? QChar('-') : QChar('A' + item.commonWrong),
                     commonWrong[i]);
            QCOMPARE(item.flag, percent[i] == 25 ? ItemFlag::Hard : ItemFlag::None);
        }
        const std::size_t fifth = givenOriginal ? 4 : 1; // a and d took 14 and 44 s
        QVERIFY(std::abs(report.items[fifth].medianSeconds - 29) < 1e-3);

        const QString rightWrongNone[] = {"6 0 0", "4 1 1", "2 3 1", "2 4 0"};
        QCOMPARE(report.pupils.size(), 4u);
        for (std::size_t p = 0; p < 4; ++p) {
            const PupilFigures& pupil = report.pupils[p];
            QCOMPARE(
                QStringLiteral("%1 %2 %3").arg(pupil.right).arg(pupil.wrong).arg(pupil.unanswered),
                rightWrongNone[p]);
        }
        const PupilFigures& b = report.pupils[1];
        QVERIFY(std::abs(b.secondsUsed - 111) < 1e-3 && std::abs(b.medianSeconds - 22) < 1e-3);

        // Each file left out, with its place, the Cube to blame and why.
        std::string leftOut;
        for (const LeftOutFile& f : report.leftOut)
            leftOut += f.name + std::to_string(f.file) + std::to_string(f.cube) +
                       "UNSF"[static_cast<int>(f.reason)] + ' ';
        QCOMPARE(leftOut, givenOriginal ? "foreign46F blank5-1N twice62S unread7-1U " : "");

        // b's lines, with the letters as the original has them.
        if (!givenOriginal)
            return;
        const std::string csv = classReportCsv(report);
        std::string lines;
        const char* bLines[] = {"A,A,1,20.000", "B,B,1,21.000", "C,C,1,22.000",
                                "A,D,0,23.000", ",A,,",         "B,B,1,25.000"};
        for (std::size_t i = 0; i < 6; ++i) {
            const std::string recipe(recipeName(static_cast<Recipe>(original[i].recipe)));
            lines += "b," + std::to_string(i + 1) + "," +
                     (recipe.find(',') == std::string::npos ? recipe : '"' + recipe + '"') + "," +
                     bLines[i] + "\n";
        }
        QVERIFY(csv.starts_with("pupil,item,recipe,answer,correct,right,seconds\n"));
        QVERIFY2(csv.find(lines) != std::string::npos, csv.c_str());
        QCOMPARE(std::count(csv.begin(), csv.end(), '\n'), 1 + 4 * 6);
    }
};

QTEST_GUILESS_MAIN(ClassReportTest)
#include "tst_class_report.moc"
