// The Progress window: how the user's solving time and mistakes develop over
// a chosen stretch of days and per recipe, the totals, a guide to each
// recipe, and the commands that practise the weakest recipes or one recipe.
// Reads the history; writes nothing to it.
#pragma once

#include "cube/random.h"
#include "history/history_store.h"
#include "history/progress_summary.h"
#include "time/clock.h"

#include <QDialog>

#include <array>
#include <optional>
#include <vector>

class QAbstractButton;
class QLabel;
class QPushButton;
class QSettings;
class QSpinBox;

namespace vexlor {

class DayChart;
class RecipeChart;
class RecipeGuide;

class ProgressWindow final : public QDialog {
    Q_OBJECT

public:
    // clock tells which day is today, randomSource draws the guide's
    // examples; settings, when given, keeps the chosen range from run to
    // run.
    ProgressWindow(HistoryStore& history, const Clock& clock, RandomSource& randomSource,
                   QWidget* parent, QSettings* settings = nullptr);

    // Reads the figures of the history and shows them anew.
    void refresh();

    const ProgressSummary& summary() const { return summary_; }
    // The weights of "Practise weakest recipes"; none without any history.
    const std::optional<RecipeWeights>& practiceWeights() const { return summary_.practiceWeights; }

    ChartRange range() const { return range_; }
    // Shows the charts over another range and remembers the choice.
    void setRange(ChartRange range);
    const RangeFigures& rangeFigures() const { return rangeFigures_; }

    // Opens the guide to a recipe, as a click on its row does, and charts
    // that recipe alone.
    void showGuide(int recipe);
    // The charts show one recipe's weekly median and mistakes, or with none
    // every Cube's daily figures ("All recipes").
    void chartRecipe(std::optional<int> recipe);
    std::optional<int> chartedRecipe() const { return chartedRecipe_; }
    // Null until a guide is first opened.
    RecipeGuide* guide() const { return guide_; }

signals:
    void practiseWeakestRequested();
    void practiseRecipeRequested(int recipe);

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void showSummary();
    void showRange();
    // The smallest size at which nothing overlaps becomes the window's
    // minimum; the first time, the window opens at what its contents ask.
    void fitContents();

    HistoryStore& history_;
    const Clock& clock_;
    RandomSource& randomSource_;
    QSettings* settings_;
    ProgressSummary summary_;
    bool sized_ = false;
    ChartRange range_ = ChartRange::Days30;
    RangeFigures rangeFigures_;
    std::optional<int> chartedRecipe_;

    QLabel* notice_ = nullptr;
    QLabel* totals_ = nullptr;
    QLabel* review_ = nullptr; // the Cubes kept for review: due, waiting, learnt
    ReviewCounts reviewCounts_;
    QString reviewError_;
    std::array<QAbstractButton*, kChartRanges.size()> rangeButtons_{};
    QLabel* span_ = nullptr;
    QLabel* comparison_ = nullptr;
    QSpinBox* target_ = nullptr;
    QLabel* rule_ = nullptr;
    DayChart* timeChart_ = nullptr;
    DayChart* mistakesChart_ = nullptr;
    // The exams' scores, a point a day; shown once there is an exam.
    DayChart* examChart_ = nullptr;
    std::vector<ExamRecord> exams_;
    RecipeChart* recipeChart_ = nullptr;
    QPushButton* practiseButton_ = nullptr;
    QPushButton* allRecipesButton_ = nullptr;
    RecipeGuide* guide_ = nullptr;
};

} // namespace vexlor
