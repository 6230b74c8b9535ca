// The Progress window: how the user's solving time and mistakes develop per
// day and per recipe, the totals, and the command that practises the
// weakest recipes. Reads the history; writes nothing.
#pragma once

#include "history/history_store.h"
#include "history/progress_summary.h"

#include <QDialog>

#include <optional>
#include <vector>

class QLabel;
class QPushButton;

namespace vexlor {

class DayChart;
class RecipeChart;

class ProgressWindow final : public QDialog {
    Q_OBJECT

public:
    ProgressWindow(HistoryStore& history, QWidget* parent);

    // Reads the rows added since the last read and shows the figures anew.
    void refresh();

    const ProgressSummary& summary() const { return summary_; }
    // The weights of "Practise weakest recipes"; none without any history.
    const std::optional<RecipeWeights>& practiceWeights() const { return summary_.practiceWeights; }

signals:
    void practiseWeakestRequested();

private:
    void showSummary();

    HistoryStore& history_;
    std::vector<SolvedRow> rows_;
    qint64 lastRow_ = 0;
    int generation_ = 0;
    ProgressSummary summary_;

    QLabel* notice_ = nullptr;
    QLabel* totals_ = nullptr;
    DayChart* timeChart_ = nullptr;
    DayChart* mistakesChart_ = nullptr;
    RecipeChart* recipeChart_ = nullptr;
    QPushButton* practiseButton_ = nullptr;
};

} // namespace vexlor
