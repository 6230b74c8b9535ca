#pragma once

// The score sheet: the window that opens when an exam ends. The score, the
// times and the window left; a row per item, a wrong one opening its
// explanation; right answers per recipe; the comparison with the user's
// history; and the commands that save the results and print the sheet.

#include "app/dialogs.h"
#include "printing/score_sheet_print.h"

#include <QDialog>

#include <vector>

class QLabel;
class QTableWidget;

namespace vexlor {

class ScoreSheet final : public QDialog {
    Q_OBJECT

public:
    // items: the exam's Cubes with their picks and times, as the results
    // file holds them. folder: where "Save results…" opens. savedPath: the
    // results file already written, if any.
    ScoreSheet(ExamSheet sheet, std::vector<Cube> items, Dialogs& dialogs, QString folder,
               const QString& savedPath, QWidget* parent);

    const ExamSheet& sheet() const { return sheet_; }

    // "Save results…": asks where, offering "NAME – TITLE – DATE.srs", and
    // writes the results there; a name that is taken gets " (2)" added.
    void saveResults();
    // "Print": the print preview of the sheet.
    void print();

signals:
    // A wrong item's row was activated: c is its Cube, picked the answer
    // chosen.
    void explainRequested(const Cube& c, int picked);

private:
    void itemActivated(int row);
    void showSaved(const QString& path);

    ExamSheet sheet_;
    std::vector<Cube> items_;
    Dialogs& dialogs_;
    QString folder_;
    QLabel* saved_ = nullptr;
    QTableWidget* itemTable_ = nullptr;
};

} // namespace vexlor
