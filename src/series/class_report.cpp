#include "class_report.h"

#include "cube/recipe.h"
#include "time/datetime.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <map>

namespace vexlor {

namespace {

// What makes a Cube the task it is, whatever order its answers lie in: the
// net, the faces' symbols and turns, the answers as a set, and which of them
// is correct. Picks and clock are the pupil's, not the task's.
using TaskKey = std::array<std::int8_t, 2 * kNetSize * kNetSize + 2 * kFaces + 4 + kVisibleFaces +
                                            1 + 2 * kVisibleFaces * kAnswers + 1>;

using AnswerBytes = std::array<std::int8_t, 2 * kVisibleFaces>;

AnswerBytes answerBytes(const Cube& c, int a) {
    AnswerBytes bytes{};
    for (int k = 0; k < kVisibleFaces; ++k) {
        bytes[static_cast<std::size_t>(k)] = c.answerSymbol[a][k];
        bytes[static_cast<std::size_t>(kVisibleFaces + k)] = c.answerTurn[a][k];
    }
    return bytes;
}

TaskKey taskKey(const Cube& c) {
    TaskKey key{};
    std::size_t at = 0;
    const auto put = [&](std::int8_t byte) { key[at++] = byte; };
    for (const auto& column : c.net)
        for (const NetCell& cell : column) {
            put(cell.face);
            // An empty cell's turn byte means nothing and may be anything.
            put(cell.face >= 0 ? cell.turn : std::int8_t{0});
        }
    for (int f = 0; f < kFaces; ++f) {
        put(c.faceSymbol[f]);
        put(c.faceTurn[f]);
    }
    for (std::int8_t b : c.netBounds)
        put(b);
    for (std::int8_t f : c.correctFaces)
        put(f);
    put(c.recipe);
    std::array<AnswerBytes, kAnswers> answers{};
    for (int a = 0; a < kAnswers; ++a)
        answers[static_cast<std::size_t>(a)] = answerBytes(c, a);
    const AnswerBytes correct = hasValidCorrectAnswer(c)
                                    ? answers[static_cast<std::size_t>(c.correctAnswer)]
                                    : AnswerBytes{};
    std::sort(answers.begin(), answers.end());
    for (const AnswerBytes& answer : answers)
        for (std::int8_t b : answer)
            put(b);
    const auto correctAt = std::find(answers.begin(), answers.end(), correct) - answers.begin();
    put(hasValidCorrectAnswer(c) ? static_cast<std::int8_t>(correctAt) : std::int8_t{-1});
    return key;
}

// Answer a of a version's Cube as the original names it: the original's
// answer that shows the same symbols in the same turns.
int answerInOriginal(const Cube& version, int a, const Cube& original) {
    const AnswerBytes bytes = answerBytes(version, a);
    for (int b = 0; b < kAnswers; ++b)
        if (answerBytes(original, b) == bytes)
            return b;
    return -1;
}

// What is wrong with a file as an exam's results, if anything.
std::optional<LeftOutFile> resultsFault(const ResultsFile& file, int place) {
    if (!file.read)
        return LeftOutFile{place, file.name, LeftOutReason::Unreadable, -1};
    bool answered = false;
    for (std::size_t i = 0; i < file.cubes.size(); ++i) {
        const int pick = pickOf(file.cubes[i]);
        if (pick == -2)
            return LeftOutFile{place, file.name, LeftOutReason::SeveralPicks, static_cast<int>(i)};
        answered |= pick >= 0;
    }
    if (!answered)
        return LeftOutFile{place, file.name, LeftOutReason::NoAnswers, -1};
    return std::nullopt;
}

// A field as RFC 4180 wants it: quoted only when it must be.
std::string csvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char ch : text) {
        if (ch == '"')
            quoted += '"';
        quoted += ch;
    }
    return quoted + '"';
}

std::string letter(int answer) {
    return answer >= 0 && answer < kAnswers ? std::string(1, static_cast<char>('A' + answer))
                                            : std::string("?");
}

// Seconds to the millisecond, with a full stop whatever the locale.
std::string secondsText(double seconds) {
    char text[32];
    const auto result =
        std::to_chars(text, text + sizeof text, seconds, std::chars_format::fixed, 3);
    return std::string(text, result.ptr);
}

} // namespace

int pickOf(const Cube& c) {
    int pick = -1;
    for (int a = 0; a < kAnswers; ++a)
        if (c.picked[a] != 0)
            pick = pick == -1 ? a : -2;
    return pick;
}

std::optional<double> secondsOf(const Cube& c) {
    if (!isStampSet(c.clockStart) || !isStampSet(c.clockStop) || c.clockStop < c.clockStart)
        return std::nullopt;
    return (c.clockStop - c.clockStart) * 86'400.0;
}

double medianOf(std::vector<double> values) {
    if (values.empty())
        return std::numeric_limits<double>::quiet_NaN();
    const std::size_t middle = values.size() / 2;
    std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(middle),
                     values.end());
    const double upper = values[middle];
    if (values.size() % 2 == 1)
        return upper;
    const double lower =
        *std::max_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(middle));
    return (lower + upper) / 2;
}

ClassReport makeClassReport(const std::vector<ResultsFile>& files,
                            const std::vector<Cube>* original) {
    ClassReport report;
    std::vector<std::optional<LeftOutFile>> faults;
    for (const ResultsFile& file : files)
        faults.push_back(resultsFault(file, static_cast<int>(faults.size())));
    if (original == nullptr)
        for (std::size_t f = 0; f < files.size() && original == nullptr; ++f)
            if (!faults[f])
                original = &files[f].cubes;

    // Each task of the original with the items that hold it: one, unless the
    // original repeats a Cube.
    std::map<TaskKey, std::vector<int>> itemsOf;
    const std::vector<Cube> none;
    const std::vector<Cube>& items = original != nullptr ? *original : none;
    for (std::size_t i = 0; i < items.size(); ++i) {
        itemsOf[taskKey(items[i])].push_back(static_cast<int>(i));
        ItemFigures figures;
        figures.recipe = items[i].recipe;
        figures.correct = items[i].correctAnswer;
        report.items.push_back(figures);
    }

    for (std::size_t f = 0; f < files.size(); ++f) {
        if (faults[f]) {
            report.leftOut.push_back(*faults[f]);
            continue;
        }
        const ResultsFile& file = files[f];
        PupilFigures pupil;
        pupil.name = file.name;
        pupil.items.resize(items.size());
        std::map<TaskKey, std::size_t> taken;
        bool foreign = false;
        for (std::size_t i = 0; i < file.cubes.size() && !foreign; ++i) {
            const Cube& c = file.cubes[i];
            const TaskKey key = taskKey(c);
            const auto found = itemsOf.find(key);
            const std::size_t next = taken[key]++;
            if (found == itemsOf.end() || next >= found->second.size()) {
                report.leftOut.push_back({static_cast<int>(f), file.name,
                                          LeftOutReason::ForeignCube, static_cast<int>(i)});
                foreign = true;
                break;
            }
            const int item = found->second[next];
            const Cube& o = items[static_cast<std::size_t>(item)];
            const int pick = pickOf(c);
            ItemAnswer answer;
            answer.answer = pick < 0 ? -1 : answerInOriginal(c, pick, o);
            answer.right = answer.answer >= 0 && answer.answer == o.correctAnswer;
            answer.seconds = secondsOf(c);
            pupil.items[static_cast<std::size_t>(item)] = answer;
        }
        if (foreign)
            continue;
        std::vector<double> times;
        for (const auto& answer : pupil.items) {
            if (!answer)
                continue;
            if (answer->answer < 0)
                ++pupil.unanswered;
            else if (answer->right)
                ++pupil.right;
            else
                ++pupil.wrong;
            if (answer->seconds) {
                pupil.secondsUsed += *answer->seconds;
                if (answer->answer >= 0)
                    times.push_back(*answer->seconds);
            }
        }
        const int held = pupil.right + pupil.wrong + pupil.unanswered;
        pupil.scorePercent = held == 0 ? 0.0 : 100.0 * pupil.right / held;
        pupil.medianSeconds = medianOf(times);
        report.pupils.push_back(std::move(pupil));
    }

    for (std::size_t i = 0; i < report.items.size(); ++i) {
        ItemFigures& item = report.items[i];
        std::array<int, kAnswers> chosen{};
        std::vector<double> times;
        for (const PupilFigures& pupil : report.pupils) {
            const auto& answer = pupil.items[i];
            if (!answer)
                continue;
            ++item.pupils;
            item.right += answer->right ? 1 : 0;
            if (answer->answer >= 0 && !answer->right)
                ++chosen[static_cast<std::size_t>(answer->answer)];
            if (answer->answer >= 0 && answer->seconds)
                times.push_back(*answer->seconds);
        }
        if (item.pupils > 0) {
            item.percentRight = 100.0 * item.right / item.pupils;
            item.flag = item.percentRight < kHardBelowPercent   ? ItemFlag::Hard
                        : item.percentRight > kEasyAbovePercent ? ItemFlag::Easy
                                                                : ItemFlag::None;
        }
        const auto most = std::max_element(chosen.begin(), chosen.end());
        if (*most > 0)
            item.commonWrong = static_cast<int>(most - chosen.begin());
        item.medianSeconds = medianOf(times);
    }
    return report;
}

std::string classReportCsv(const ClassReport& report) {
    std::string csv = "pupil,item,recipe,answer,correct,right,seconds\n";
    for (const PupilFigures& pupil : report.pupils)
        for (std::size_t i = 0; i < pupil.items.size(); ++i) {
            const auto& answer = pupil.items[i];
            if (!answer)
                continue;
            const ItemFigures& item = report.items[i];
            const std::string recipe =
                isRecipe(item.recipe) ? std::string(recipeName(static_cast<Recipe>(item.recipe)))
                                      : std::to_string(item.recipe);
            csv += csvField(pupil.name) + ',' + std::to_string(i + 1) + ',' + csvField(recipe) +
                   ',' + (answer->answer >= 0 ? letter(answer->answer) : std::string()) + ',' +
                   letter(item.correct) + ',' +
                   (answer->answer >= 0 ? std::string(answer->right ? "1" : "0") : std::string()) +
                   ',' + (answer->seconds ? secondsText(*answer->seconds) : std::string()) + '\n';
        }
    return csv;
}

} // namespace vexlor
