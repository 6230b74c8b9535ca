// An exam's score sheet, in the user's language: the score and times, a row
// per item, right answers per recipe, and how the exam compares with the
// user's own history. The window shows these texts and prints them through
// here.
#pragma once

#include "cube/recipe.h"
#include "session/exam_score.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <array>
#include <limits>
#include <vector>

class QPagedPaintDevice;

namespace vexlor {

// What the user's history said before the exam's own rows went into it.
struct ExamComparison {
    bool known = false; // false when the history could not be read
    // Each recipe's median time in practice, over its latest solves; not a
    // number where it has none.
    std::array<double, kRecipeCount> practiceMedians{};
    // The score (right of all, in per cent) of every earlier exam, oldest
    // first.
    std::vector<double> earlierScores;
};

struct ExamSheet {
    QString title; // the series file's name, or the word for an exam
    QString name;  // the name the results carry; may be empty
    QDateTime startedAt;
    ExamScore score;
    ExamComparison comparison;
};

// The lines of the sheet's head: the title, then who and when.
QString scoreSheetTitle(const ExamSheet& sheet);
QString scoreSheetSubtitle(const ExamSheet& sheet);
// The score, the time used, the median time, how the exam ended and the
// window left, one line each.
QStringList scoreSheetSummary(const ExamSheet& sheet);

// The items' table: its headings, and the cells of item i (counted from 0):
// number, recipe, your answer, right answer, time.
QStringList itemHeadings();
QStringList itemCells(const ExamSheet& sheet, int item);
// The recipes' table, a row for each recipe the exam held: recipe, right of
// all, median time in the exam, median time in practice.
QStringList recipeHeadings();
std::vector<QStringList> recipeRows(const ExamSheet& sheet);
// This score against the earlier exams.
QString comparisonText(const ExamSheet& sheet);

// A4 portrait with the worksheet's margins.
void setUpScoreSheetPage(QPagedPaintDevice& device);
// Prints the sheet onto the device's pages. False when painting on the
// device could not start.
bool printScoreSheet(QPagedPaintDevice& device, const ExamSheet& sheet);

} // namespace vexlor
