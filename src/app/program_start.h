#pragma once

// What the program makes sure of around its start: that a failure nobody
// caught ends the run with an exit code that says so.

#include <QString>

#include <cstdio>
#include <functional>

namespace vexlor {

// Runs body and returns its exit code. An exception that escapes it is told
// in one line on err and then through show (the program's message box), and
// the exit code is 1.
int runReportingFailure(const std::function<int()>& body, std::FILE* err,
                        const std::function<void(const QString& what)>& show);

} // namespace vexlor
