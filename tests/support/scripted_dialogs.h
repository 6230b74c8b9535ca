#pragma once

// Dialogs whose answers a test queues in advance. Every box shown is logged,
// and a box with no queued answer fails the test rather than blocking it.

#include "app/dialogs.h"

#include <QStringList>
#include <QTest>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

class ScriptedDialogs final : public vexlor::Dialogs {
public:
    // Answers, consumed in order by whichever box comes next.
    void queueYes() { answers_.push_back(Answer{true, {}}); }
    void queueNo() { answers_.push_back(Answer{false, {}}); }
    void queueText(const QString& text) { answers_.push_back(Answer{true, text}); }
    void queueCancel() { answers_.push_back(Answer{false, {}}); }
    void queueFile(const QString& path) { answers_.push_back(Answer{true, path}); }
    void queuePrint(const PrintChoice& choice) { answers_.push_back(Answer{true, {}, choice}); }
    void queueExam(const ExamChoice& choice) { answers_.push_back(Answer{true, {}, {}, choice}); }
    void queuePractice(const PracticeChoice& choice) {
        answers_.push_back(Answer{true, choice.count, {}, {}, choice, true});
    }
    void queueFiles(const QStringList& paths) {
        answers_.push_back(Answer{true, paths.join(QLatin1Char('\n'))});
    }

    bool askYesNo(const QString& text) override {
        open("ask: " + text);
        return next("ask: " + text).accepted;
    }
    void showError(const QString& text, const QString& detail) override {
        errorDetails.append(detail);
        open("error: " + text);
    }
    std::optional<QString> inputBox(const QString& caption, const QString& prompt,
                                    const QString& text) override {
        open("input: " + caption + " | " + prompt + " | " + text);
        return textAnswer("input");
    }
    std::optional<QString> openFile(const FileRequest& r) override {
        open("open: " + r.title + " | " + r.filter + " | " + r.defaultSuffix + " | " + r.folder);
        return textAnswer("open");
    }
    std::optional<QString> saveFile(const FileRequest& r) override {
        open("save: " + r.title + " | " + r.filter + " | " + r.defaultSuffix + " | " + r.folder +
             (r.fileName.isEmpty() ? QString() : " | " + r.fileName));
        return textAnswer("save");
    }
    // Queued files answer, one path a line; Cancel chooses none.
    std::vector<QString> openFiles(const FileRequest& r) override {
        open("open files: " + r.title + " | " + r.filter + " | " + r.folder);
        const auto paths = textAnswer("open files");
        if (!paths)
            return {};
        const QStringList lines = paths->split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        return {lines.begin(), lines.end()};
    }
    // A queued print choice answers; Cancel cancels. The fallback's any text
    // takes the dialog's defaults.
    std::optional<PrintChoice> askPrint(const std::array<int, vexlor::kSeriesCount>& c) override {
        const QString line =
            QStringLiteral("print: %1,%2,%3,%4").arg(c[0]).arg(c[1]).arg(c[2]).arg(c[3]);
        open(line);
        const Answer a = next(line);
        if (!a.accepted)
            return std::nullopt;
        return a.print;
    }
    // Logged as the number box it begins with, and the Cubes due; a queued
    // text answers the count and keeps the mix offered.
    std::optional<PracticeChoice> askPractice(const PracticeRequest& r) override {
        const QString line = "input: Vexlor | Number of Cubes for the new series: | " + r.count +
                             (r.due > 0 ? QStringLiteral(" | %1 due").arg(r.due) : QString());
        open(line);
        const Answer a = next(line);
        if (!a.accepted)
            return std::nullopt;
        return a.practiceQueued ? a.practice : PracticeChoice{a.text, r.mix, r.recipes};
    }
    // The previews are not shown: what they would show is kept for the test.
    void previewPrint(const std::vector<vexlor::SheetPrint>& sheets) override {
        previewed.push_back(sheets);
        const std::size_t cubes = sheets.empty() ? 0 : sheets.front().cubes.size();
        open(
            sheets.size() == 1
                ? QStringLiteral("preview: %1 Cubes").arg(cubes)
                : QStringLiteral("preview: %1 versions of %2 Cubes").arg(sheets.size()).arg(cubes));
    }
    std::vector<std::vector<vexlor::SheetPrint>> previewed;
    void previewReport(const vexlor::ClassReport& report) override {
        reports.push_back(report);
        open(QStringLiteral("report: %1 pupils, %2 items, %3 left out")
                 .arg(report.pupils.size())
                 .arg(report.items.size())
                 .arg(report.leftOut.size()));
    }
    std::vector<vexlor::ClassReport> reports;
    // A queued exam choice answers; Cancel cancels.
    std::optional<ExamChoice> askExam(int currentCount) override {
        const QString line = QStringLiteral("exam: %1").arg(currentCount);
        open(line);
        const Answer a = next(line);
        if (!a.accepted)
            return std::nullopt;
        return a.exam;
    }
    void previewScoreSheet(const vexlor::ExamSheet& sheet) override {
        scoreSheets.push_back(sheet);
        open(QStringLiteral("score sheet: %1 of %2").arg(sheet.score.right).arg(sheet.score.count));
    }
    std::vector<vexlor::ExamSheet> scoreSheets;

    bool hasPending() const { return !answers_.empty(); }

    // When set, answers every box that has no queued answer (randomized
    // tests). It gets the log line of the box; for boxes that want a text,
    // nothing means Cancel, and for questions any text means Yes.
    std::function<std::optional<QString>(const QString& box)> fallback;

    QStringList log;
    // What each error box said under its text; empty where it said nothing.
    QStringList errorDetails;
    // When set, called as each box opens, once it is logged.
    std::function<void()> onOpen;
    // Set when a box came with no answer queued (a test fault).
    bool unexpected = false;

private:
    void open(const QString& line) {
        log.append(line);
        if (onOpen)
            onOpen();
    }
    struct Answer {
        bool accepted;
        QString text;
        // The dialog's defaults unless a print choice was queued. Not an
        // optional: GCC's optimiser takes the copy of an empty one for a
        // read of its unset value.
        PrintChoice print{};
        ExamChoice exam{};
        PracticeChoice practice{};
        bool practiceQueued = false; // else the text is the count, the mix as offered
    };
    Answer next(const QString& what) {
        if (answers_.empty() && fallback) {
            const auto text = fallback(what);
            return Answer{text.has_value(), text.value_or(QString())};
        }
        if (answers_.empty()) {
            unexpected = true;
            qWarning("unexpected box: %s", qPrintable(what));
            return Answer{false, {}};
        }
        Answer a = answers_.front();
        answers_.pop_front();
        return a;
    }
    std::optional<QString> textAnswer(const QString& what) {
        const Answer a = next(what);
        if (!a.accepted)
            return std::nullopt;
        return a.text;
    }
    std::deque<Answer> answers_;
};
