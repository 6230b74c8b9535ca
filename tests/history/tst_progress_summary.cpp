// The figures of the Progress window and the practice weights, computed from
// plain rows: medians per day and per recipe, the best day, the weakness
// rule, and a practice series that really draws the weak recipes more often.
#include "cube/random.h"
#include "history/progress_summary.h"
#include "history/review_schedule.h"
#include "series/weighted_series.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

using namespace vexlor;

namespace {

using Rows = std::vector<SolvedRow>;
constexpr double kNoTime = std::numeric_limits<double>::quiet_NaN();
constexpr int kDay = 46'000;

// n solves of one recipe on one day, all alike.
void add(Rows& rows, int n, int kind, double seconds, int wrong = 0, int day = kDay) {
    for (int i = 0; i < n; ++i)
        rows.push_back({day, kind, seconds, wrong});
}

bool same(double a, double b) {
    return (std::isnan(a) && std::isnan(b)) || std::abs(a - b) < 1e-9;
}

} // namespace

Q_DECLARE_METATYPE(Rows)

class ProgressSummaryTest : public QObject {
    Q_OBJECT

private slots:
    // A practice day shows the median of its known times (the mean of the
    // middle two for an even count) and its wrong picks per solved Cube; a
    // row without a date counts in the totals but on no day.
    void dayFigures_data() {
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<double>("median");
        QTest::addColumn<double>("mistakesPerCube");
        QTest::addColumn<int>("cubes");
        QTest::newRow("odd count")
            << Rows{{kDay, 0, 30, 2}, {kDay, 1, 10, 0}, {kDay, 2, 20, 1}} << 20.0 << 1.0 << 3;
        QTest::newRow("even count")
            << Rows{{kDay, 0, 40, 0}, {kDay, 0, 10, 0}, {kDay, 0, 30, 0}, {kDay, 0, 20, 1}} << 25.0
            << 0.25 << 4;
        QTest::newRow("unknown time left out of the median")
            << Rows{{kDay, 0, 10, 1}, {kDay, 0, kNoTime, 1}, {kDay, 0, 30, 1}} << 20.0 << 1.0 << 3;
        QTest::newRow("no known time") << Rows{{kDay, 0, kNoTime, 0}} << kNoTime << 0.0 << 1;
        QTest::newRow("undated row on no day")
            << Rows{{kDay, 0, 10, 0}, {0, 0, 99, 5}, {kDay, 0, 12, 0}} << 11.0 << 0.0 << 2;
    }
    void dayFigures() {
        QFETCH(Rows, rows);
        QFETCH(double, median);
        QFETCH(double, mistakesPerCube);
        QFETCH(int, cubes);
        const ProgressSummary s = summarizeProgress(rows);
        QCOMPARE(s.days.size(), std::size_t{1});
        QCOMPARE(s.days[0].day, kDay);
        QCOMPARE(s.days[0].cubes, cubes);
        QVERIFY2(same(s.days[0].medianSeconds, median),
                 qPrintable(QString::number(s.days[0].medianSeconds)));
        QVERIFY(same(s.days[0].mistakesPerCube, mistakesPerCube));
        QCOMPARE(s.cubes, static_cast<int>(rows.size()));
        QCOMPARE(s.daysPractised, 1);
    }

    // The chart covers the latest 30 days with solves, oldest first, however
    // far apart they lie and in whatever order the rows came.
    void theChartKeepsTheLatestPracticeDays() {
        Rows rows;
        for (int i = 35; i >= 1; --i)
            add(rows, 1, 0, i, 0, kDay + 3 * i);
        const ProgressSummary s = summarizeProgress(rows);
        QCOMPARE(s.daysPractised, 35);
        QCOMPARE(s.days.size(), std::size_t{kChartDays});
        for (std::size_t i = 0; i < s.days.size(); ++i)
            QCOMPARE(s.days[i].day, kDay + 3 * (6 + static_cast<int>(i)));
    }

    // The best day has the lowest median among days with at least five
    // Cubes; a quick day with fewer never wins, and without such a day there
    // is none.
    void bestDay_data() {
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<int>("bestDay"); // 0: none
        Rows mixed;
        add(mixed, 5, 0, 12, 0, kDay);
        add(mixed, 4, 0, 3, 0, kDay + 1);
        add(mixed, 6, 0, 9, 0, kDay + 2);
        add(mixed, 7, 0, 10, 0, kDay + 3);
        QTest::newRow("lowest median of the full days") << mixed << kDay + 2;
        Rows five;
        add(five, 5, 0, 8, 0, kDay);
        add(five, 6, 0, 9, 0, kDay + 1);
        QTest::newRow("a day of exactly five Cubes") << five << kDay;
        Rows few;
        add(few, 4, 0, 5, 0, kDay);
        add(few, 4, 0, 6, 0, kDay + 1);
        QTest::newRow("no day with five Cubes") << few << 0;
    }
    void bestDay() {
        QFETCH(Rows, rows);
        QFETCH(int, bestDay);
        const ProgressSummary s = summarizeProgress(rows);
        QCOMPARE(s.bestDay.has_value(), bestDay != 0);
        if (s.bestDay)
            QCOMPARE(s.bestDay->day, bestDay);
    }

    // A recipe's figures are taken over its latest 50 solves while its count
    // is of all of them; a row of no known recipe counts in the totals only.
    void recipeFiguresFollowRecentSolves() {
        Rows rows;
        add(rows, 20, 3, 100.0, 2);
        add(rows, kRecentSolves, 3, 10.0, 0);
        add(rows, 2, 15, 5.0);
        add(rows, 1, -1, 5.0);
        const ProgressSummary s = summarizeProgress(rows);
        const RecipeFigures& r = s.recipes[3];
        QCOMPARE(r.cubes, 20 + kRecentSolves);
        QCOMPARE(r.recent, kRecentSolves);
        QCOMPARE(r.medianSeconds, 10.0);
        QCOMPARE(r.mistakesPerCube, 0.0);
        QCOMPARE(s.cubes, 23 + kRecentSolves);
        int counted = 0;
        for (const RecipeFigures& f : s.recipes)
            counted += f.cubes;
        QCOMPARE(counted, 20 + kRecentSolves);
    }

    // Practice draws a measured recipe by median x (1 + mistakes per Cube),
    // and a recipe with fewer than three timed solves (never tried included)
    // as the costliest measured one; the three costliest measured recipes
    // are marked weakest. Without any history there are no weights; with no
    // recipe measured, all weigh alike.
    void practiceWeights_data() {
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<QList<double>>("weights"); // empty: none
        QTest::addColumn<QList<int>>("weakest");
        QTest::newRow("no history") << Rows{} << QList<double>{} << QList<int>{};

        Rows unmeasured;
        add(unmeasured, 2, 0, 10.0);
        add(unmeasured, 5, 1, kNoTime);
        QTest::newRow("nothing measured")
            << unmeasured << QList<double>(kRecipeCount, 1.0) << QList<int>{};

        Rows mixed;
        add(mixed, 3, 0, 10.0);    // 10
        add(mixed, 4, 1, 10.0, 1); // 20
        add(mixed, 3, 2, 30.0);    // 30
        add(mixed, 3, 3, 5.0);     // 5
        add(mixed, 2, 4, 8.0, 1);  // 8 x 1.5 = 12
        add(mixed, 2, 4, 8.0, 0);
        add(mixed, 2, 5, 1.0); // too few: as the costliest
        QList<double> weights(kRecipeCount, 30.0);
        weights[0] = 10;
        weights[1] = 20;
        weights[3] = 5;
        weights[4] = 12;
        QTest::newRow("measured and untried") << mixed << weights << QList<int>{2, 1, 4};

        Rows two;
        add(two, 3, 7, 4.0);
        add(two, 3, 8, 6.0, 1);
        QList<double> twoWeights(kRecipeCount, 12.0);
        twoWeights[7] = 4;
        QTest::newRow("fewer than three measured") << two << twoWeights << QList<int>{8, 7};
    }
    void practiceWeights() {
        QFETCH(Rows, rows);
        QFETCH(QList<double>, weights);
        QFETCH(QList<int>, weakest);
        const ProgressSummary s = summarizeProgress(rows);
        QCOMPARE(s.practiceWeights.has_value(), !weights.isEmpty());
        for (int k = 0; k < weights.size(); ++k)
            QVERIFY2(same((*s.practiceWeights)[static_cast<std::size_t>(k)], weights[k]),
                     qPrintable(QStringLiteral("recipe %1: %2")
                                    .arg(k)
                                    .arg((*s.practiceWeights)[static_cast<std::size_t>(k)])));
        for (int k = 0; k < kRecipeCount; ++k)
            QVERIFY2(s.recipes[static_cast<std::size_t>(k)].weakest == weakest.contains(k),
                     qPrintable(QString::number(k)));
    }

    // A practice series draws each recipe in proportion to its weight. With
    // a fixed seed, 3000 Cubes, three weak recipes at four times the weight
    // of the others: every recipe's count lies within four standard
    // deviations of its expected count, and each weak recipe comes more than
    // twice as often as any other.
    void practiceSeriesFavoursWeakRecipes() {
        Rows rows;
        for (int k = 0; k < kRecipeCount; ++k)
            add(rows, 5, k, (k == 4 || k == 10 || k == 13) ? 20.0 : 5.0);
        const ProgressSummary s = summarizeProgress(rows);
        QVERIFY(s.practiceWeights.has_value());

        RandomSource randomSource(20'240'601);
        SeriesStore store;
        store.seriesSize = 3000;
        makeWeightedSeries(store, *s.practiceWeights, randomSource);
        QCOMPARE(store.count(SeriesId::Current), 3000);

        std::array<int, kRecipeCount> counts{};
        for (const Cube& c : store[SeriesId::Current]) {
            QVERIFY(c.recipe >= 0 && c.recipe < kRecipeCount);
            ++counts[static_cast<std::size_t>(c.recipe)];
        }
        double total = 0;
        for (double w : *s.practiceWeights)
            total += w;
        int rarestWeak = store.seriesSize, commonestOther = 0;
        for (int k = 0; k < kRecipeCount; ++k) {
            const double p = (*s.practiceWeights)[static_cast<std::size_t>(k)] / total;
            const double expected = p * store.seriesSize;
            const double sd = std::sqrt(store.seriesSize * p * (1 - p));
            const int n = counts[static_cast<std::size_t>(k)];
            QVERIFY2(std::abs(n - expected) <= 4 * sd,
                     qPrintable(QStringLiteral("recipe %1: %2 Cubes, %3 expected")
                                    .arg(k)
                                    .arg(n)
                                    .arg(expected)));
            if (k == 4 || k == 10 || k == 13)
                rarestWeak = std::min(rarestWeak, n);
            else
                commonestOther = std::max(commonestOther, n);
        }
        QVERIFY2(rarestWeak > 2 * commonestOther,
                 qPrintable(QStringLiteral("%1 vs %2").arg(rarestWeak).arg(commonestOther)));
    }

    // A practice series of 500, 7 or 1 Cube takes at least half its Cubes
    // (rounded up) from the recipes marked weakest and a quarter from those marked "few" or never
    // tried, but no more for each of those than a weakest recipe's part of
    // the half; the rest comes from every recipe by weight, so each share
    // lies within four standard deviations of its fixed part plus its
    // expected part of the rest (fixed seeds).
    void practiceShares_data() {
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("seed");
        Rows mixed;
        for (int k = 0; k < 10; ++k)
            add(mixed, 5, k, 5.0);
        add(mixed, 5, 10, 20.0);
        add(mixed, 5, 11, 15.0);
        add(mixed, 5, 12, 12.0);
        add(mixed, 2, 13, 1.0); // few; 14 never tried
        QTest::newRow("few and untried") << mixed << 500 << 0;
        Rows measured = mixed;
        add(measured, 3, 13, 5.0);
        add(measured, 5, 14, 5.0);
        QTest::newRow("all measured") << measured << 500 << 0;
        Rows oneUntried = measured;
        oneUntried.erase(std::remove_if(oneUntried.begin(), oneUntried.end(),
                                        [](const SolvedRow& r) { return r.recipe == 14; }),
                         oneUntried.end());
        QTest::newRow("one untried") << oneUntried << 500 << 0;
        for (int seed = 0; seed < 20; ++seed) {
            QTest::addRow("1 Cube, seed %d", seed) << mixed << 1 << seed;
            QTest::addRow("7, seed %d", seed) << mixed << 7 << seed;
        }
    }
    void practiceShares() {
        QFETCH(Rows, rows);
        QFETCH(int, count);
        QFETCH(int, seed);
        const auto plan = practicePlan(summarizeProgress(rows));
        QVERIFY(plan.has_value());
        RandomSource randomSource(20'251'209 + seed);
        const std::vector<int> recipes = practiceRecipes(*plan, count, randomSource);
        QCOMPARE(static_cast<int>(recipes.size()), count);
        const double total = std::accumulate(plan->weights.begin(), plan->weights.end(), 0.0);
        const auto weak = std::count(plan->weakest.begin(), plan->weakest.end(), true);
        const auto unmeasured = std::count(plan->unmeasured.begin(), plan->unmeasured.end(), true);
        const int few = std::min<int>(count / 4, unmeasured * ((count + 1) / 2) / weak);
        const int rest = count - (count + 1) / 2 - few;
        for (const auto& [group, share] :
             {std::pair{&plan->weakest, (count + 1) / 2}, std::pair{&plan->unmeasured, few}}) {
            double p = 0;
            for (std::size_t k = 0; k < kRecipeCount; ++k)
                p += (*group)[k] ? plan->weights[k] / total : 0;
            const int fixed = p > 0 ? share : 0;
            const auto n = std::count_if(recipes.begin(), recipes.end(), [group](int k) {
                return isRecipe(k) && (*group)[static_cast<std::size_t>(k)];
            });
            const double expected = fixed + rest * p, sd = std::sqrt(rest * p * (1 - p));
            QVERIFY2(n >= fixed && std::abs(n - expected) <= 4 * sd + 1e-9,
                     qPrintable(
                         QStringLiteral("%1 of %2, %3 expected").arg(n).arg(count).arg(expected)));
        }
    }

    // Each mix keeps to its recipes (500 Cubes, fixed seed): as today, the
    // one untried recipe gets no more Cubes than the weakest recipe; the
    // weakest only and review first take every Cube from the three weakest;
    // recipes chosen take only those, each about as often.
    void practiceMixes_data() {
        QTest::addColumn<int>("mix");
        QTest::addColumn<QList<int>>("allowed"); // the recipes drawn; empty: any
        const QList<int> weakest{10, 11, 12};
        QTest::newRow("as today") << int(PracticeMix::AsToday) << QList<int>{};
        QTest::newRow("weakest only") << int(PracticeMix::WeakestOnly) << weakest;
        QTest::newRow("review first") << int(PracticeMix::ReviewFirst) << weakest;
        QTest::newRow("chosen") << int(PracticeMix::Chosen) << QList<int>{2, 5, 14};
    }
    void practiceMixes() {
        QFETCH(int, mix);
        QFETCH(QList<int>, allowed);
        Rows rows;
        for (int k = 0; k < 14; ++k)
            add(rows, 5, k, k < 10 ? 5.0 : 30.0 - k); // 10, 11, 12 weakest; 14 untried
        const auto plan = practicePlan(summarizeProgress(rows));
        RecipeChoice chosen{};
        for (int k : allowed)
            chosen[static_cast<std::size_t>(k)] = true;
        RandomSource randomSource(20'251'209);
        std::array<int, kRecipeCount> n{};
        for (int k : mixRecipes(*plan, PracticeMix(mix), chosen, 500, randomSource))
            ++n[static_cast<std::size_t>(k)];
        QCOMPARE(std::accumulate(n.begin(), n.end(), 0), 500);
        const auto of = [&n](int k) { return n[static_cast<std::size_t>(k)]; };
        if (allowed.isEmpty())
            QVERIFY2(of(14) <= std::max({of(10), of(11), of(12)}),
                     qPrintable(QStringLiteral("untried %1, weakest %2 %3 %4")
                                    .arg(of(14))
                                    .arg(of(10))
                                    .arg(of(11))
                                    .arg(of(12))));
        int fromAllowed = 0;
        for (int k : allowed) {
            fromAllowed += of(k);
            QVERIFY2(of(k) >= 500 / 3 - 40, qPrintable(QString::number(of(k))));
        }
        QCOMPARE(fromAllowed, allowed.isEmpty() ? 0 : 500);
    }

    // A recipe's chart takes its rows week by week, the weeks ending on the
    // range's last day and the first cut short where the range begins, each
    // dated mid-way through its days; a week without a solve is left out.
    // Its share within the target counts times no larger than the target.
    void weekFigures_data() {
        QTest::addColumn<QList<int>>(
            "practised");                         // days from the last, a Cube each, 10 + 2 wrong s
        QTest::addColumn<int>("first");           // days from the last
        QTest::addColumn<QList<int>>("expected"); // per week: its day from the last, its Cubes
        QTest::newRow("whole weeks")
            << QList<int>{0, -6, -7, -20} << -20 << QList<int>{-17, 1, -10, 1, -3, 2};
        QTest::newRow("first week cut short, an empty week left out")
            << QList<int>{-16, 0, -30} << -16 << QList<int>{-15, 1, -3, 1};
        QTest::newRow("rows outside the range") << QList<int>{1, -3, -9} << -6 << QList<int>{-3, 1};
    }
    void weekFigures() {
        QFETCH(QList<int>, practised);
        QFETCH(int, first);
        QFETCH(QList<int>, expected);
        Rows rows;
        std::vector<double> seconds{std::nan("")};
        for (int d : practised) {
            add(rows, 1, 0, 10.0 + 2 * std::abs(d % 2), 0, kDay + d);
            seconds.push_back(rows.back().seconds);
        }
        QList<int> got;
        for (const DayFigures& w : vexlor::weekFigures(rows, kDay + first, kDay))
            got << w.day - kDay << w.cubes;
        QCOMPARE(got, expected);
        const double even = std::count(seconds.begin(), seconds.end(), 10.0);
        QCOMPARE(shareWithin(seconds, 10.0), even / static_cast<double>(rows.size()));
        QVERIFY(std::isnan(shareWithin({std::nan("")}, 10.0)));
    }

    // The charts span the calendar days of their range up to today (All:
    // from the first practice day), later days included; they compare the
    // week from the first practice day in the range with the week up to
    // the last, which never overlaps it, and mark the best day in range.
    // A Cube's way through the review: solves as "outcome@day" (right is
    // within the target, slow within twice it, tooslow beyond), then its
    // step (-1: not kept) and due day, and whether it is still counted due
    // long after.
    void reviewSteps_data() {
        QTest::addColumn<QString>("solves");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("due");
        QTest::newRow("right within the target keeps nothing") << "right@0" << -1 << 0;
        QTest::newRow("slow within twice the target keeps nothing") << "slow@0" << -1 << 0;
        QTest::newRow("a wrong pick comes back the next day") << "wrong@0" << 0 << 1;
        QTest::newRow("beyond twice the target comes back") << "tooslow@0" << 0 << 1;
        QTest::newRow("right on its day moves on") << "wrong@0 right@1 right@4" << 2 << 11;
        QTest::newRow("right before its day changes nothing") << "wrong@0 right@0" << 0 << 1;
        QTest::newRow("right long after its day moves on") << "wrong@0 right@30" << 1 << 33;
        QTest::newRow("slow on its day stays at its step") << "wrong@0 right@1 slow@4" << 1 << 7;
        QTest::newRow("wrong goes back to the first step")
            << "wrong@0 right@1 right@4 wrong@11" << 0 << 12;
        QTest::newRow("learnt after the last step")
            << "wrong@0 right@1 right@4 right@11 right@32" << kLearntStep << 0;
        QTest::newRow("a learnt Cube solved slowly stays learnt")
            << "wrong@0 right@1 right@4 right@11 right@32 slow@60 right@90" << kLearntStep << 0;
    }
    void reviewSteps() {
        QFETCH(QString, solves);
        QFETCH(int, step);
        QFETCH(int, due);
        const QStringList outcomes{"wrong", "right", "slow", "tooslow"};
        std::optional<ReviewEntry> entry;
        for (const QString& solve : solves.split(u' ')) {
            const int day = kDay + solve.section(u'@', 1).toInt();
            const int outcome = static_cast<int>(outcomes.indexOf(solve.section(u'@', 0, 0)));
            const double seconds[] = {10, 30, 60, 61}; // against a target of 30 s
            QCOMPARE(static_cast<int>(reviewOutcome(outcome == 0, seconds[outcome], 30)), outcome);
            entry = nextReviewEntry(entry, static_cast<ReviewOutcome>(outcome), day);
        }
        const ReviewEntry kept = entry.value_or(ReviewEntry{-1, 0});
        QCOMPARE(kept.step, step);
        QCOMPARE(kept.due, step < 0 || step == kLearntStep ? 0 : kDay + due);
        ReviewCounts counts; // long after: all but the learnt are due
        counts.count(kept, kDay + 10'000);
        QCOMPARE(counts.due, step >= 0 && step < kLearntStep ? 1 : 0);
        QCOMPARE(counts.learnt, step == kLearntStep ? 1 : 0);
    }

    void rangeFigures_data() {
        QTest::addColumn<int>("range");
        QTest::addColumn<QList<int>>("practised"); // days from today, one Cube each
        QTest::addColumn<QList<int>>("expected");  // first, last, days, first and last week's Cubes
        const QList<int> days{-40, -20, -19, -5};
        QTest::newRow("30 days") << int(ChartRange::Days30) << days << QList<int>{-29, 0, 3, 2, 1};
        QTest::newRow("all") << int(ChartRange::All) << days << QList<int>{-40, 0, 4, 1, 1};
        QTest::newRow("one week") << int(ChartRange::Days90) << QList<int>{-9, -3}
                                  << QList<int>{-89, 0, 2, 2, 0};
        QTest::newRow("a clock set forward")
            << int(ChartRange::Days30) << QList<int>{-3, 2} << QList<int>{-27, 2, 2, 2, 0};
    }
    void rangeFigures() {
        QFETCH(int, range);
        QFETCH(QList<int>, practised);
        QFETCH(QList<int>, expected);
        Rows rows;
        for (int d : practised)
            add(rows, 5, 0, 10.0 + d, 0, kDay + d);
        const ProgressSummary s = summarizeProgress(rows);
        const RangeFigures r = vexlor::rangeFigures(rows, s, static_cast<ChartRange>(range), kDay);
        QCOMPARE(r.firstDay, kDay + expected[0]);
        QCOMPARE(r.lastDay, kDay + expected[1]);
        QCOMPARE(static_cast<int>(r.days.size()), expected[2]);
        QVERIFY(r.firstWeek.has_value());
        QCOMPARE(r.firstWeek->cubes, 5 * expected[3]);
        QCOMPARE(r.lastWeek.has_value(), expected[4] > 0);
        if (r.lastWeek) {
            QCOMPARE(r.lastWeek->cubes, 5 * expected[4]);
            QVERIFY(r.lastWeek->firstDay > r.firstWeek->lastDay);
        }
        QCOMPARE(r.bestDay->day, r.days.front().day); // the lowest median
    }
};

QTEST_APPLESS_MAIN(ProgressSummaryTest)
#include "tst_progress_summary.moc"
