// A class's results: the files an exam saves, one a pupil, each matched Cube
// by Cube to the original series whatever version or order it holds, and
// the figures of the teacher's report, per pupil and per item.
//
// A results file is an ordinary series: an answered Cube has exactly one pick
// (the pupil's answer) and its clock holds the time spent on it; a Cube left
// unanswered has none.
#pragma once

#include "cube/cube.h"

#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace vexlor {

// What a results file's Cube says: the one answer picked (-1 for none, -2
// for several), and the time on its clock, where the clock holds one.
int pickOf(const Cube& c);
std::optional<double> secondsOf(const Cube& c);
// The median of the values; not a number when there are none.
double medianOf(std::vector<double> values);

// One pupil's file as read: the pupil's name (the file's) and its Cubes in
// the file's order. A file that could not be read as a series is given with
// read false; it is left out of the report, by name.
struct ResultsFile {
    std::string name;
    std::vector<Cube> cubes;
    bool read = true;
};

// Why a file is left out. The report is made of the other files.
enum class LeftOutReason {
    Unreadable,   // not a series file, or it could not be read
    NoAnswers,    // no Cube has a pick: not a results file
    SeveralPicks, // a Cube with more than one pick is no exam's answer
    ForeignCube,  // a Cube that is not in the original, or more often than there
};

struct LeftOutFile {
    int file = 0; // its place among the files, from 0
    std::string name;
    LeftOutReason reason = LeftOutReason::Unreadable;
    int cube = -1; // the Cube to blame, counted from 0 in the file's order; -1 for none
};

// One pupil's answer to one item, with the letters as in the original.
struct ItemAnswer {
    int answer = -1; // the answer picked; -1 when the pupil gave none
    bool right = false;
    std::optional<double> seconds; // the time on the Cube's clock, where it holds one
};

struct PupilFigures {
    std::string name;
    int right = 0;
    int wrong = 0;
    int unanswered = 0;
    double scorePercent = 0; // right of the Cubes in the file
    double secondsUsed = 0;  // the times of all its Cubes
    // Over its answered Cubes with a time; not a number without any.
    double medianSeconds = std::numeric_limits<double>::quiet_NaN();
    // By item of the original; nothing where the file does not hold the item.
    std::vector<std::optional<ItemAnswer>> items;
};

// Items that few or nearly all got right are worth a second look: the one
// may be unclear, the other tells nothing apart.
inline constexpr double kHardBelowPercent = 40;
inline constexpr double kEasyAbovePercent = 90;
enum class ItemFlag { None, Hard, Easy };

struct ItemFigures {
    int recipe = 0;
    int correct = 0;
    int pupils = 0; // whose file holds the item
    int right = 0;
    // Of those pupils; not a number when none holds it.
    double percentRight = std::numeric_limits<double>::quiet_NaN();
    int commonWrong = -1; // the wrong answer chosen most (the first of a tie); -1 for none
    // Over the pupils who answered it; not a number without any.
    double medianSeconds = std::numeric_limits<double>::quiet_NaN();
    ItemFlag flag = ItemFlag::None;
};

struct ClassReport {
    std::vector<ItemFigures> items;   // in the original's order
    std::vector<PupilFigures> pupils; // in the order of the files
    std::vector<LeftOutFile> leftOut; // in the order of the files
};

// The report over the files. Each file's Cubes are matched to the original's
// by the Cube itself, its net and its answers, whatever order the answers
// lie in, so that every version of a sheet, and a file in any order, counts
// item by item. Without an original, the first file that is a results file
// is the original. A file that is not a results file, or that holds a Cube
// not in the original, is left out; the others make the report.
ClassReport makeClassReport(const std::vector<ResultsFile>& files,
                            const std::vector<Cube>* original = nullptr);

// The report as CSV: the header pupil,item,recipe,answer,correct,right,seconds
// and one line per pupil and item the pupil's file holds, pupils in the
// files' order, items in the original's. `item` counts from 1 in the
// original's order, the letters are as in the original, and `answer`,
// `right` and `seconds` are empty where there is none.
std::string classReportCsv(const ClassReport& report);

} // namespace vexlor
