// Every command of the main window in one table: what the key list (F1) and
// a screen reader call it, its keys, the button that shows it, and what it
// runs. The window makes one QAction of each row; a button and its keys run
// that one action, and F1 lists the actions, so keys, buttons and the list
// cannot drift apart.
#pragma once

#include <QKeyCombination>
#include <QKeySequence>
#include <QList>

#include <span>

namespace vexlor {

class MainWindow;

// The keys of a command: the platform's standard key for it where there is
// one, then the program's own, which work on every platform.
struct CommandKeys {
    QKeySequence::StandardKey standard = QKeySequence::UnknownKey;
    QKeyCombination key{};
    QKeyCombination alternate{};
};

// Where F1 lists a command.
enum class CommandGroup { Test, SeriesGrid, Windows };

struct WindowCommand {
    const char* name; // the action's objectName
    CommandGroup group;
    // In context "Commands": the line F1 lists, and what a reader hears of a
    // button that shows the command without saying it in its caption.
    const char* text;
    CommandKeys keys;
    const char* button; // objectName of the button that shows it; nullptr for none
    bool buttonSpeaksText;
    void (*run)(MainWindow& window);
};

// The commands in the order F1 lists them.
std::span<const WindowCommand> windowCommands();

// Whether a command works during an exam: the picks, Start, Skip, ending
// the exam, the list of keys and Close. Every other command waits for the
// exam's end.
bool worksDuringExam(const WindowCommand& command);

// Ends an exam early, after asking.
inline constexpr QKeyCombination kEndExamKey = Qt::CTRL | Qt::SHIFT | Qt::Key_E;

// The keys of a command, the standard ones first, each once.
QList<QKeySequence> keySequencesOf(const CommandKeys& keys);

} // namespace vexlor
