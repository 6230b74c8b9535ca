// vexlor-series: makes, lists, checks and draws .srs series files from the
// command line, with the program's own generator, rules and file code.
#include "commands.h"
#include "history_csv.h"
#include "practise.h"
#include "printing/language.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>

using namespace vexlor::tool;

namespace {

// The parser takes every argument that starts with '-' for an option, and
// would refuse a negative number ("render FILE -1") as the unknown option
// "-1". No option starts with a digit, so such an argument is a value: the
// options (each with the value it takes) are kept in front, and every other
// argument follows behind "--", in its order.
QStringList argumentsLast(const QStringList& args, const QList<QCommandLineOption>& options) {
    const auto takesValue = [&](const QString& name) {
        return std::any_of(options.begin(), options.end(), [&](const QCommandLineOption& o) {
            return !o.valueName().isEmpty() && o.names().contains(name);
        });
    };
    QStringList front = args.mid(0, 1), back;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--")) {
            back += args.mid(i + 1);
            break;
        }
        const bool isOption = a.size() > 1 && a[0] == QLatin1Char('-') && !a[1].isDigit();
        if (!isOption) {
            back << a;
            continue;
        }
        front << a;
        // "--seed 5" and "-o FILE" take the next argument, whatever it looks
        // like; "--seed=5" and "-oFILE" carry their value.
        const QString name = a.startsWith(QLatin1String("--")) ? a.mid(2) : a.mid(1);
        const bool ownValue =
            a.startsWith(QLatin1String("--")) ? name.contains(QLatin1Char('=')) : name.size() > 1;
        if (!ownValue && takesValue(name) && i + 1 < args.size())
            front << args[++i];
    }
    return front << QStringLiteral("--") << back;
}

QtMessageHandler defaultMessageHandler = nullptr;

void withoutRuntimeFolderWarnings(QtMsgType type, const QMessageLogContext& context,
                                  const QString& message) {
    if (!message.startsWith(QLatin1String("QStandardPaths: ")))
        defaultMessageHandler(type, context, message);
}

// Only sheet draws text, which needs the fonts of a GUI application. It
// draws off screen, so it needs no display. Starting the platform, Qt looks
// for the session's runtime folder, which the tool never uses, and warns on
// stderr where there is none (root shells, cron, CI); stderr is kept for the
// tool's own one line.
std::unique_ptr<QCoreApplication> makeApplication(int& argc, char* argv[]) {
    const bool printing = std::any_of(argv + 1, argv + argc,
                                      [](const char* a) { return std::strcmp(a, "sheet") == 0; });
    if (!printing)
        return std::make_unique<QCoreApplication>(argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    defaultMessageHandler = qInstallMessageHandler(withoutRuntimeFolderWarnings);
    auto app = std::make_unique<QGuiApplication>(argc, argv);
    qInstallMessageHandler(defaultMessageHandler);
    return app;
}

} // namespace

int main(int argc, char* argv[]) {
    const std::unique_ptr<QCoreApplication> app = makeApplication(argc, argv);
    // The worksheet speaks the user's language, as the window's print does.
    // The tool's own lines stay English, for scripts that read them, and so
    // do Qt's around them in --help: only sheet, the one command that draws
    // (and so the one with a GUI application), loads a translation.
    if (qobject_cast<QGuiApplication*>(app.get()) != nullptr)
        (void)vexlor::installLanguage(
            *app, vexlor::chooseLanguage(vexlor::LocaleEnvironment::ofProcess()));
    QCoreApplication::setApplicationName(QStringLiteral("vexlor-series"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VEXLOR_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Makes, lists, checks and draws Vexlor series files (.srs).\n"
                       "\n"
                       "  generate COUNT [--seed SECONDS] -o FILE\n"
                       "      a random series of COUNT cubes (1 to 65535), saved as the\n"
                       "      program saves the Current series; one seed gives one file;\n"
                       "      -o - writes it to standard output\n"
                       "  info FILE [--json]\n"
                       "      one line (or JSON object) per Cube\n"
                       "  check FILE [--stripped]\n"
                       "      checks every Cube against the generator's rules and its picks\n"
                       "      and times for consistency (--stripped: no picks, no times);\n"
                       "      exit code 1 names each Cube that breaks one\n"
                       "  render FILE INDEX -o PNG\n"
                       "      the five pictures of Cube INDEX (from 0) in one 1000x500 image\n"
                       "  sheet FILE -o OUT.pdf [--per-page N] [--from I] [--count K]\n"
                       "        [--title TEXT] [--page-size A4|Letter] [--key-only | --no-key]\n"
                       "        [--mono] [--versions N [--seed S] [--save-series]]\n"
                       "      a worksheet for pupils: the Cubes from index I (default 0) on,\n"
                       "      K of them (default: the rest), numbered from 1, N to a page\n"
                       "      (1 to 4, default 2), always unsolved, then an answer key;\n"
                       "      --versions writes OUT-A.pdf ... with the answers reordered\n"
                       "  history [--db FILE] [--csv]\n"
                       "      every Cube solved in the program, one CSV row each, on\n"
                       "      standard output\n"
                       "  practise COUNT [--db FILE] [--seed SECONDS] -o FILE\n"
                       "      a practice series of COUNT cubes that favours the weakest\n"
                       "      recipes of the history, as \"Practise weakest recipes\" makes\n"
                       "      it; without any history, the random series generate makes\n"
                       "\n"
                       "  -o - writes generate's series, render's PNG or sheet's PDF to\n"
                       "  standard output; an output that is a file the command reads, a\n"
                       "  series or the history, is refused.\n"
                       "\n"
                       "Exit codes: 0 success, 1 a check failed, 2 bad input."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("command"),
        QStringLiteral("generate, info, check, render, sheet, history or practise"));
    parser.addPositionalArgument(QStringLiteral("arguments"),
                                 QStringLiteral("the command's arguments"),
                                 QStringLiteral("[...]"));
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("File to write."), QStringLiteral("FILE"));
    const QCommandLineOption seed(QStringLiteral("seed"),
                                  QStringLiteral("Seed of the random series, or of the versions' "
                                                 "answer orders (default: the current time)."),
                                  QStringLiteral("SECONDS"));
    const QCommandLineOption json(QStringLiteral("json"),
                                  QStringLiteral("List the Cubes as a JSON array."));
    const QCommandLineOption stripped(
        QStringLiteral("stripped"),
        QStringLiteral("Demand Cubes without picks or times, as generate writes them."));
    const QCommandLineOption perPage(QStringLiteral("per-page"),
                                     QStringLiteral("Items on a page, 1 to 4 (default 2)."),
                                     QStringLiteral("N"));
    const QCommandLineOption from(QStringLiteral("from"),
                                  QStringLiteral("Index of the first Cube to print (default 0)."),
                                  QStringLiteral("I"));
    const QCommandLineOption count(QStringLiteral("count"),
                                   QStringLiteral("Number of Cubes to print (default: all from "
                                                  "the first on)."),
                                   QStringLiteral("K"));
    const QCommandLineOption title(QStringLiteral("title"),
                                   QStringLiteral("Header of every page (default: \"Cube "
                                                  "folding\")."),
                                   QStringLiteral("TEXT"));
    const QCommandLineOption pageSize(QStringLiteral("page-size"),
                                      QStringLiteral("A4 (default) or Letter, portrait."),
                                      QStringLiteral("SIZE"));
    const QCommandLineOption keyOnly(QStringLiteral("key-only"),
                                     QStringLiteral("Print only the answer key."));
    const QCommandLineOption noKey(QStringLiteral("no-key"),
                                   QStringLiteral("Print only the pupils' pages."));
    const QCommandLineOption versions(
        QStringLiteral("versions"),
        QStringLiteral("Write N versions, 2 to 4, as OUT-A.pdf, OUT-B.pdf, ..., each with the "
                       "answers in another order and its own key."),
        QStringLiteral("N"));
    const QCommandLineOption saveSeries(
        QStringLiteral("save-series"),
        QStringLiteral("With --versions: also write each version's series as OUT-A.srs, ..."));
    const QCommandLineOption mono(
        QStringLiteral("mono"),
        QStringLiteral("Black and white: white faces, black outlines and symbols."));
    const QCommandLineOption database(QStringLiteral("db"),
                                      QStringLiteral("The history database (default: the "
                                                     "program's own)."),
                                      QStringLiteral("FILE"));
    const QCommandLineOption csv(
        QStringLiteral("csv"), QStringLiteral("Print the history as CSV (the default, and the only "
                                              "format)."));
    const QCommandLineOption* const allOptions[] = {
        &output,   &seed,    &json,  &stripped, &perPage,    &from, &count,    &title,
        &pageSize, &keyOnly, &noKey, &versions, &saveSeries, &mono, &database, &csv};
    QList<QCommandLineOption> options;
    for (const QCommandLineOption* o : allOptions)
        options << *o;
    parser.addOptions(options);

    if (!parser.parse(argumentsLast(QCoreApplication::arguments(), options)))
        return fail(parser.errorText());
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp(0);
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();

    const QStringList args = parser.positionalArguments();
    if (args.isEmpty())
        return fail(QStringLiteral("no command given; try --help"));
    const QString command = args.front();
    const QStringList rest = args.mid(1);

    // What a command reads: the series file named as its first argument,
    // the history (--db FILE, else the program's own), both or neither. Its
    // output may be none of them.
    enum Reads : unsigned { ReadsNothing = 0, ReadsSeries = 1, ReadsHistory = 2 };
    // What each command takes: its arguments, the options that apply, what
    // it reads, and what it writes to the file named by -o, if anything.
    struct Usage {
        const char* name;
        const char* synopsis;
        int arguments;
        std::initializer_list<const QCommandLineOption*> options;
        Reads reads;
        const char* output;
    };
    const Usage usages[] = {
        {"generate",
         "generate COUNT [--seed SECONDS] -o FILE",
         1,
         {&output, &seed},
         ReadsNothing,
         "FILE"},
        {"info", "info FILE [--json]", 1, {&json}, ReadsSeries, nullptr},
        {"check", "check FILE [--stripped]", 1, {&stripped}, ReadsSeries, nullptr},
        {"render", "render FILE INDEX -o PNG", 2, {&output}, ReadsSeries, "PNG"},
        {"sheet",
         "sheet FILE -o OUT.pdf [--per-page N] [--from I] [--count K] [--title TEXT] "
         "[--page-size A4|Letter] [--key-only | --no-key] [--mono] "
         "[--versions N [--seed S] [--save-series]]",
         1,
         {&output, &perPage, &from, &count, &title, &pageSize, &keyOnly, &noKey, &versions, &seed,
          &saveSeries, &mono},
         ReadsSeries,
         "OUT.pdf"},
        {"history", "history [--db FILE] [--csv]", 0, {&database, &csv}, ReadsHistory, nullptr},
        {"practise",
         "practise COUNT [--db FILE] [--seed SECONDS] -o FILE",
         1,
         {&output, &database, &seed},
         ReadsHistory,
         "FILE"},
    };
    const Usage* usage = nullptr;
    for (const Usage& u : usages)
        if (command == QLatin1String(u.name))
            usage = &u;
    if (usage == nullptr)
        return fail(QStringLiteral("unknown command '%1'; try --help").arg(command));
    for (const QCommandLineOption* o : allOptions)
        if (parser.isSet(*o) &&
            std::find(usage->options.begin(), usage->options.end(), o) == usage->options.end())
            return fail(QStringLiteral("option --%1 does not apply to '%2'")
                            .arg(o->names().constLast(), command));
    if (rest.size() != usage->arguments)
        return fail(QStringLiteral("usage: vexlor-series %1").arg(QLatin1String(usage->synopsis)));
    if (usage->output != nullptr && !parser.isSet(output))
        return fail(QStringLiteral("%1 needs -o %2").arg(command, QLatin1String(usage->output)));
    // Checked here, for every command at once, before anything is written.
    const auto valueOf = [&](const QCommandLineOption& o) {
        return parser.isSet(o) ? std::optional(parser.value(o)) : std::nullopt;
    };
    QStringList inputs;
    if ((usage->reads & ReadsSeries) != 0)
        inputs << rest[0];
    if ((usage->reads & ReadsHistory) != 0)
        inputs << historyPath(valueOf(database));
    if (parser.isSet(output))
        if (const auto refusal = refuseOutputOverInput(parser.value(output), inputs))
            return fail(*refusal);

    if (command == QLatin1String("generate"))
        return generate(rest[0],
                        parser.isSet(seed) ? std::optional(parser.value(seed)) : std::nullopt,
                        parser.value(output));
    if (command == QLatin1String("info"))
        return info(rest[0], parser.isSet(json));
    if (command == QLatin1String("check"))
        return check(rest[0], parser.isSet(stripped));
    if (command == QLatin1String("render"))
        return render(rest[0], rest[1], parser.value(output));
    if (command == QLatin1String("history"))
        return historyCsv(valueOf(database));
    if (command == QLatin1String("practise"))
        return practise(rest[0], valueOf(database), valueOf(seed), parser.value(output));
    return sheet(rest[0],
                 {valueOf(perPage), valueOf(from), valueOf(count), valueOf(title),
                  valueOf(pageSize), parser.isSet(keyOnly), parser.isSet(noKey), valueOf(versions),
                  valueOf(seed), parser.isSet(saveSeries), parser.isSet(mono)},
                 parser.value(output));
}
