#include "program_start.h"

#include <QtGlobal>

#include <exception>

namespace vexlor {

bool displayReachable(const QStringList& arguments) {
    QString platforms = qEnvironmentVariable("QT_QPA_PLATFORM");
    bool displayOption = false;
    for (qsizetype i = 1; i + 1 < arguments.size(); ++i) {
        // Qt takes its options with one dash or two.
        const QString option =
            arguments[i].startsWith(QLatin1String("--")) ? arguments[i].mid(1) : arguments[i];
        if (option == QLatin1String("-platform"))
            platforms = arguments[i + 1];
        else if (option == QLatin1String("-display"))
            displayOption = true;
    }
    const bool x11 = displayOption || !qEnvironmentVariableIsEmpty("DISPLAY");
    const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (platforms.isEmpty())
        return x11 || wayland;
    // A list such as "wayland;xcb" is tried in turn; a name may carry
    // options after a colon.
    for (const QString& entry : platforms.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString name = entry.section(QLatin1Char(':'), 0, 0);
        const bool needsX11 = name.startsWith(QLatin1String("xcb"));
        const bool needsWayland = name.startsWith(QLatin1String("wayland"));
        if ((needsX11 && x11) || (needsWayland && wayland) || (!needsX11 && !needsWayland))
            return true;
    }
    return false;
}

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
