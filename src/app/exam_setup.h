#pragma once

// What an exam is made of before it starts: its Cubes, its time, the name
// and title its results carry, and where they are written at its end.

#include "cube/cube.h"
#include "session/exam_score.h"

#include <QString>

#include <vector>

namespace vexlor {

struct ExamSetup {
    std::vector<Cube> items; // in the exam's order
    int limitSeconds = kNoLimit;
    QString name;  // on the results; may be empty
    QString title; // the series file's base name; empty: the word for an exam
    // Where the results file is written at the end, without a dialog;
    // empty for none (the score sheet offers "Save results…").
    QString resultsFolder;
};

} // namespace vexlor
