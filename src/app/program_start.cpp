#include "program_start.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QtGlobal>

#include <exception>

namespace vexlor {

namespace {

// Qt's options, which QGuiApplication and QApplication take out of the
// arguments; those in the first list take a value.
constexpr const char* kQtOptionsWithValue[] = {"platform",
                                               "platformpluginpath",
                                               "platformtheme",
                                               "plugin",
                                               "qwindowgeometry",
                                               "qwindowicon",
                                               "qwindowtitle",
                                               "session",
                                               "display",
                                               "geometry",
                                               "name",
                                               "title",
                                               "visual",
                                               "style",
                                               "stylesheet",
                                               "qmljsdebugger"};
constexpr const char* kQtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

QString prefixed(const QString& message) {
    return QStringLiteral("vexlor: ") + message + QLatin1Char('\n');
}

} // namespace

void describeCommandLine(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QStringLiteral("A trainer for the cube-folding test. In the window, F1 lists every key."));
    // Qt's options come with one dash: "-platform" is one option, not eight.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("FILE"),
        QStringLiteral("A series file (.srs) to load into Current in place of a random series."),
        QStringLiteral("[FILE]"));
    for (const char* name : kQtOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setValueName(QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : kQtFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

CommandLine readCommandLine(QCommandLineParser& parser, const QStringList& arguments) {
    CommandLine line;
    const bool parsed = parser.parse(arguments);
    // Help and version answer whatever else was given, as Qt's own do.
    if (parser.isSet(QStringLiteral("help")))
        return {true, 0, parser.helpText(), {}};
    if (parser.isSet(QStringLiteral("version")))
        return {true,
                0,
                QCoreApplication::applicationName() + QLatin1Char(' ') +
                    QCoreApplication::applicationVersion() + QLatin1Char('\n'),
                {}};
    if (!parsed)
        return {true, 1, prefixed(parser.errorText()), {}};
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return {true, 1, prefixed(QStringLiteral("give at most one FILE")), {}};
    line.file = files.value(0);
    line.helpAll = parser.isSet(QStringLiteral("help-all"));
    return line;
}

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
