// An exam's results file: the exam's series with each Cube's pick and time,
// saved in a folder under a name of its own. It is written whole before it
// takes its name, and never takes the name of a file already there.
#pragma once

#include "series_format.h"

#include <QDate>
#include <QString>

namespace vexlor {

// "NAME – TITLE – DATE" (without "NAME – " when there is no name), with the
// characters a file name cannot hold on any common disk (/ \ : * ? " < > |
// and control characters) made "_", and the name cut so that the whole file
// name stays within what a folder takes.
QString resultsBaseName(const QString& name, const QString& title, const QDate& date);

// The first of "BASE.srs", "BASE (2).srs", "BASE (3).srs", ... in folder
// that no file takes.
QString freeResultsPath(const QString& folder, const QString& baseName);

// Saves the series with its picks and times as a file of folder named as
// freeResultsPath names it at that moment: written and synced under a
// hidden name first, then given its name without ever replacing a file
// (one made meanwhile moves it on to the next number). savedPath receives
// the file's path; on a failure nothing is left behind and reason, when
// given, says what the system said.
WriteResult saveResultsFile(const QString& folder, const QString& baseName, const Series& series,
                            QString* savedPath, QString* reason = nullptr);

} // namespace vexlor
