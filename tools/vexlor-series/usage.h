// How a command of vexlor-series is described: one row of the tool's command
// table says what the command takes and does, and both the general help and
// the command's own help are written from the rows.
#pragma once

#include <QCommandLineOption>
#include <QString>

#include <initializer_list>
#include <span>

namespace vexlor::tool {

// What a command reads, so that its outputs may be none of it: the series
// file named as its first argument, every argument and --original (report),
// the history (--db FILE, else the program's own), or nothing.
enum CommandReads : unsigned {
    ReadsNothing = 0,
    ReadsSeries = 1,
    ReadsEverySeries = 2,
    ReadsHistory = 4,
};

// A command that takes any number of arguments but none.
inline constexpr int kOneOrMore = -1;

struct Usage {
    const char* name;
    const char* synopsis;    // the command line, less "vexlor-series"
    const char* description; // what it does, one paragraph
    const char* exitCodes;   // the exit codes it gives, one sentence
    int arguments;           // how many follow the command's name, or kOneOrMore
    std::initializer_list<const QCommandLineOption*> options; // those that apply
    // Between the options and the output, so that a row that leaves it out
    // does not compile.
    CommandReads reads;
    const char* output; // what -o names, for the commands that write a file
};

// The description of the whole tool for its --help: each command's synopsis
// and what it does, in the table's order.
QString generalHelp(std::span<const Usage> usages);

// One command's own help: its synopsis, what it does, its options and its
// exit codes.
QString commandHelp(const Usage& usage);

} // namespace vexlor::tool
