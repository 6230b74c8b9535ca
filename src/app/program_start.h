#pragma once

// What the program makes sure of around its start: that the command line is
// read before a display is needed, that a window system can be reached
// before Qt tries (Qt aborts when it cannot), and that a failure nobody
// caught ends the run with an exit code that says so. Every message the
// program writes to a terminal starts with "vexlor: ".

#include "app/exam_setup.h"

#include <QString>
#include <QStringList>

#include <cstdio>
#include <functional>
#include <optional>

class QCommandLineParser;

namespace vexlor {

// The program's options and its one argument, FILE; Qt's own options
// (-platform, -style, ...) are known too, so that they pass, but not shown.
// --name is the exam's option and, as Qt's -name, still reaches Qt.
void describeCommandLine(QCommandLineParser& parser);

// What the command line asks for.
struct CommandLine {
    bool exit = false; // answered already: write the message and end with code
    int code = 0;
    QString message; // for standard output with code 0 (help, version), else standard error
    QString file;    // the series file to start with; empty for none
    // --help-all: the help with Qt's own options, which only the application
    // can give once a display is open.
    bool helpAll = false;
    // --exam FILE [--minutes M] [--name NAME] [--results FOLDER]: the exam
    // to open, its series read and its folder looked at already. A bad one
    // is answered (exit code 2) before anything is written.
    std::optional<ExamSetup> exam{};
};
CommandLine readCommandLine(QCommandLineParser& parser, const QStringList& arguments);

// Whether the platform Qt would start on can reach its window system, judged
// from the environment and from the -platform and -display options of the
// command line. Platforms that need none (offscreen, vnc, ...) always can.
bool displayReachable(const QStringList& arguments);

inline constexpr char kNoDisplay[] = "vexlor: cannot open a display; Vexlor needs a desktop "
                                     "session (DISPLAY or WAYLAND_DISPLAY).\n";

// Runs body and returns its exit code. An exception that escapes it is told
// in one line on err and then through show (the program's message box), and
// the exit code is 1.
int runReportingFailure(const std::function<int()>& body, std::FILE* err,
                        const std::function<void(const QString& what)>& show);

} // namespace vexlor
