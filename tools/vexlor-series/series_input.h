// Where the tool reads a series from: a file named by its path, or a stream
// the user hands over by name. "-" is standard input, as in
// `generate 30 -o - | vexlor-series info -`; /dev/stdin and /dev/fd/N name
// a descriptor the shell opened (a pipe, a process substitution). Any other
// FIFO, device or folder is refused at once, so that nothing waits on it.
#pragma once

#include <QByteArray>
#include <QString>

#include <sys/stat.h>

#include <optional>

namespace vexlor::tool {

// The input as the tool's messages name it: "standard input" for "-",
// otherwise the path as given.
QString inputName(const QString& path);

// Reads at most maxBytes of the input into bytes: a regular file from its
// start, a stream up to its end. On failure returns one line saying why,
// worded alike for files and streams.
std::optional<QString> readInput(const QString& path, qint64 maxBytes, QByteArray& bytes);

// What the system knows of the input without reading it: standard input's
// descriptor for "-", the file at path otherwise. False when there is none.
bool statInput(const QString& path, struct stat& info);

} // namespace vexlor::tool
