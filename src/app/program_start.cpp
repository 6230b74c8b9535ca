#include "program_start.h"

#include "series/series_file.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QtGlobal>

#include <exception>

namespace vexlor {

namespace {

// Qt's options, which QGuiApplication and QApplication take out of the
// arguments; those in the first list take a value.
constexpr const char* kQtOptionsWithValue[] = {
    "platform",        "platformpluginpath", "platformtheme", "plugin",
    "qwindowgeometry", "qwindowicon",        "qwindowtitle",  "session",
    "display",         "geometry",           "title",         "visual",
    "style",           "stylesheet",         "qmljsdebugger"};
constexpr const char* kQtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

QString prefixed(const QString& message) {
    return QStringLiteral("vexlor: ") + message + QLatin1Char('\n');
}

// An exam has 1 to 600 minutes.
constexpr int kMaxExamMinutes = 600;

const QString kExam = QStringLiteral("exam");
const QString kMinutes = QStringLiteral("minutes");
const QString kName = QStringLiteral("name");
const QString kResults = QStringLiteral("results");

// Reads the exam's series; the reason when it cannot be an exam.
std::optional<QString> readExamSeries(const QString& path, std::vector<Cube>& cubes) {
    QFile file;
    QString reason;
    switch (openRegularFile(file, path, &reason)) {
    case OpenResult::NotRegular:
        return QStringLiteral("%1 is %2, not a series file").arg(path, reason);
    case OpenResult::Failed:
        return QStringLiteral("cannot read %1: %2").arg(path, reason);
    case OpenResult::Opened:
        break;
    }
    file.close();
    SeriesStore store;
    switch (loadSeriesFile(path, store)) {
    case LoadResult::Ok:
        break;
    case LoadResult::WrongFormat:
        return QStringLiteral("%1 is not a series file").arg(path);
    case LoadResult::ReadError:
        return QStringLiteral("cannot read %1: it holds no Cubes or is cut short").arg(path);
    }
    if (store.count(SeriesId::Current) == 0)
        return QStringLiteral("%1 holds no Cubes").arg(path);
    cubes.assign(store[SeriesId::Current].begin(), store[SeriesId::Current].end());
    return std::nullopt;
}

// The exam the options ask for, or the line that says why there is none.
CommandLine readExam(const QCommandLineParser& parser, const QStringList& files) {
    const auto refuse = [](const QString& why) { return CommandLine{true, 2, prefixed(why), {}}; };
    if (!parser.isSet(kExam)) {
        if (parser.isSet(kMinutes) || parser.isSet(kResults))
            return refuse(QStringLiteral("--minutes and --results belong to --exam"));
        return {};
    }
    if (!files.isEmpty())
        return refuse(QStringLiteral("give either FILE or --exam FILE, not both"));
    ExamSetup exam;
    const QString path = parser.value(kExam);
    if (const auto why = readExamSeries(path, exam.items))
        return refuse(*why);
    // One minute a Cube, unless told otherwise.
    int minutes = std::min(static_cast<int>(exam.items.size()), kMaxExamMinutes);
    if (parser.isSet(kMinutes)) {
        bool ok = false;
        minutes = parser.value(kMinutes).trimmed().toInt(&ok);
        if (!ok || minutes < 1 || minutes > kMaxExamMinutes)
            return refuse(QStringLiteral("--minutes takes a whole number from 1 to %1, not \"%2\"")
                              .arg(kMaxExamMinutes)
                              .arg(parser.value(kMinutes)));
    }
    if (parser.isSet(kResults)) {
        const QString folder = parser.value(kResults);
        const QFileInfo info(folder);
        if (!info.isDir() || !info.isWritable() || !info.isExecutable())
            return refuse(QStringLiteral("cannot write the results into %1: %2")
                              .arg(folder, info.exists() && !info.isDir()
                                               ? QStringLiteral("not a folder")
                                           : info.exists() ? QStringLiteral("permission denied")
                                                           : QStringLiteral("no such folder")));
        exam.resultsFolder = info.absoluteFilePath();
    }
    exam.limitSeconds = minutes * 60;
    exam.name = parser.value(kName).simplified();
    exam.title = QFileInfo(path).completeBaseName();
    CommandLine line;
    line.exam = std::move(exam);
    return line;
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
    parser.addOption({kExam,
                      QStringLiteral("Open the window in an exam on the series FILE, waiting for "
                                     "Start."),
                      QStringLiteral("FILE")});
    parser.addOption({kMinutes,
                      QStringLiteral("With --exam: the minutes allowed, 1 to 600 (default: one "
                                     "a Cube)."),
                      QStringLiteral("M")});
    parser.addOption({kName, QStringLiteral("With --exam: the name the results carry."),
                      QStringLiteral("NAME")});
    parser.addOption({kResults,
                      QStringLiteral("With --exam: the folder the results file is written into "
                                     "when the exam ends."),
                      QStringLiteral("FOLDER")});
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
    line = readExam(parser, files);
    if (line.exit)
        return line;
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
