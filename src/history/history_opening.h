// Making the history's file ready to take solves, on whichever thread runs
// it (the window runs it on a thread of its own once it is on screen, with
// connections of its own): a rescue that a kill left unfinished finished,
// the file checked, a damaged file rescued and another program's set aside,
// a missing one started, an older schema upgraded, and the solves kept
// beside the history at the last close added to it.
//
// A rescue never leaves an empty history beside an unread damaged file. It
// writes a note beside the history that names the file the damaged one is
// set aside as, renames the damaged file, builds the new history beside it,
// puts that in the history's place once it is whole and synced, and only
// then removes the note. A start that finds the note finishes the rescue.
#pragma once

#include "history_salvage.h"

#include <QSqlError>
#include <QString>

#include <functional>
#include <optional>

namespace vexlor {

// Whether the history takes solves, and if not, why.
enum class HistoryState {
    Recording,
    Opening,    // the file is being checked or rescued; solves wait meanwhile
    NoDriver,   // Qt's SQLite driver is not installed
    CannotOpen, // the file or its folder cannot be opened or created
    Locked,     // another program holds the database
    ReadOnly,   // the file or its folder is read-only, or the store was opened to read
    Full,       // the disk is full
    Failed,     // any other failure to write, an I/O error among them
    Unusable,   // a schema this version cannot write to, or damage that setting aside
                // did not mend
};

// The state a failure reported by SQLite leaves the history in.
HistoryState stateAfter(const QSqlError& error);

// Why a file was set aside.
enum class SetAsideReason {
    Damaged, // renamed history.damaged-DATE.sqlite; its readable rows are copied
    Foreign, // a database of another program: renamed history.foreign-DATE.sqlite
};

// The steps of a rescue, in their order. After each, a kill leaves files
// from which the next start goes on to the finished rescue.
enum class RescueStep {
    NoteWritten, // the note names the damaged file's new name; nothing moved yet
    SetAside,    // the damaged file has its new name; none at the history's place
    Copied,      // the new history beside the place holds every row read, synced
    InPlace,     // the new history is in its place; the note is still there
};

struct OpeningControl {
    RescueProgress progress;
    // Asked after each step of a rescue: false ends the opening there, as a
    // kill would, so that tests can interrupt a rescue between two steps.
    // Empty: the rescue always goes on.
    std::function<bool(RescueStep)> goOnAfter;
    // A write met damage that a check may not see: the file is rescued
    // whatever the check finds.
    bool damageFound = false;
};

struct OpeningOutcome {
    HistoryState state = HistoryState::Recording; // Recording: ready to take solves
    QString detail;                               // what the system said of a failure
    // A file set aside while opening, and its new name.
    std::optional<SetAsideReason> setAside;
    QString setAsidePath;
    // What a rescue copied; none where a start found the rescued file in
    // place already.
    std::optional<Salvage> salvage;
};

// Makes the history at path, whose folder exists, ready to take solves.
// Every connection it opens is closed when it returns.
OpeningOutcome openForWriting(const QString& path, OpeningControl& control);

} // namespace vexlor
