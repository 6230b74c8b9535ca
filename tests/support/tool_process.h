#pragma once

// Runs a command-line program of the project as a separate process and
// collects what it said, for the tests of the tools.

#include <QProcess>
#include <QString>
#include <QStringList>

#include <functional>

struct Run {
    int code = -1;
    QString out;
    QString err;
    QByteArray outBytes; // stdout as it came, for programs that write files there
};

// Runs program with args. setUp (when given) prepares the process before it
// starts: its environment, limits for the child. A program that crashes or
// does not finish within timeoutMs yields code -1 and says so in err.
inline Run runProgram(const QString& program, const QStringList& args, int timeoutMs,
                      const std::function<void(QProcess&)>& setUp = {},
                      const QByteArray& input = {}) { // the whole of its standard input
    QProcess p;
    if (setUp)
        setUp(p);
    p.start(program, args);
    if (!input.isEmpty())
        p.write(input);
    p.closeWriteChannel();
    Run r;
    if (!p.waitForFinished(timeoutMs) || p.exitStatus() != QProcess::NormalExit) {
        r.err = QStringLiteral("crashed or hung");
        return r;
    }
    r.code = p.exitCode();
    r.outBytes = p.readAllStandardOutput();
    r.out = QString::fromUtf8(r.outBytes);
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}
