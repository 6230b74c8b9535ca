#pragma once

// Dialogs whose answers a test queues in advance. Every box shown is logged,
// and a box with no queued answer fails the test rather than blocking it.

#include "app/dialogs.h"

#include <QStringList>
#include <QTest>

#include <deque>
#include <functional>
#include <optional>

class ScriptedDialogs final : public vexlor::Dialogs {
public:
    // Answers, consumed in order by whichever box comes next.
    void QueueYes() { answers_.push_back(Answer{true, {}}); }
    void QueueNo() { answers_.push_back(Answer{false, {}}); }
    void QueueText(const QString& text) { answers_.push_back(Answer{true, text}); }
    void QueueCancel() { answers_.push_back(Answer{false, {}}); }
    void QueueFile(const QString& path) { answers_.push_back(Answer{true, path}); }

    bool AskYesNo(const QString& text) override {
        Open("ask: " + text);
        return Next("ask: " + text).accepted;
    }
    void ShowError(const QString& text) override { Open("error: " + text); }
    std::optional<QString> InputBox(const QString& caption, const QString& prompt,
                                    const QString& text) override {
        Open("input: " + caption + " | " + prompt + " | " + text);
        return TextAnswer("input");
    }
    std::optional<QString> OpenFile(const FileRequest& r) override {
        Open("open: " + r.title + " | " + r.filter + " | " + r.defaultSuffix + " | " +
                   r.folder);
        return TextAnswer("open");
    }
    std::optional<QString> SaveFile(const FileRequest& r) override {
        Open("save: " + r.title + " | " + r.filter + " | " + r.defaultSuffix + " | " +
                   r.folder);
        return TextAnswer("save");
    }

    bool HasPending() const { return !answers_.empty(); }

    // When set, answers every box that has no queued answer (randomized
    // tests). It gets the log line of the box; for boxes that want a text,
    // nothing means Cancel, and for questions any text means Yes.
    std::function<std::optional<QString>(const QString& box)> fallback;

    QStringList log;
    // When set, called as each box opens, once it is logged.
    std::function<void()> onOpen;
    // Set when a box came with no answer queued (a test fault).
    bool unexpected = false;

private:
    void Open(const QString& line) {
        log.append(line);
        if (onOpen)
            onOpen();
    }
    struct Answer {
        bool accepted;
        QString text;
    };
    Answer Next(const QString& what) {
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
    std::optional<QString> TextAnswer(const QString& what) {
        const Answer a = Next(what);
        if (!a.accepted)
            return std::nullopt;
        return a.text;
    }
    std::deque<Answer> answers_;
};
