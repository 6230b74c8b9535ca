#include "program_start.h"

#include <exception>

namespace vexlor {

int runReportingFailure(const std::function<int()>& body, std::FILE* err,
                        const std::function<void(const QString& what)>& show) {
    QString what;
    try {
        return body();
    } catch (const std::exception& e) {
        what = QString::fromLocal8Bit(e.what());
    } catch (...) {
        // Nothing to tell but that it happened.
    }
    const QString line = what.isEmpty()
                             ? QStringLiteral("vexlor: unexpected error")
                             : QStringLiteral("vexlor: unexpected error: ") + what.simplified();
    std::fprintf(err, "%s\n", line.toLocal8Bit().constData());
    std::fflush(err);
    if (show)
        show(what);
    return 1;
}

} // namespace vexlor
