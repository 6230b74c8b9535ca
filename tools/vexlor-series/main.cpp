// vexlor-series: makes, lists, checks and draws .srs series files from the
// command line, with the program's own generator, rules and file code.
#include "commands.h"
#include "history_csv.h"
#include "l10n/language.h"
#include "practise.h"
#include "review.h"
#include "usage.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>

#include <fcntl.h>
#include <unistd.h>

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

// Only sheet and report draw text, which needs the fonts of a GUI application. It
// draws off screen, so it needs no display. Starting the platform, Qt looks
// for the session's runtime folder, which the tool never uses, and warns on
// stderr where there is none (root shells, cron, CI); stderr is kept for the
// tool's own one line.
std::unique_ptr<QCoreApplication> makeApplication(int& argc, char* argv[]) {
    const bool printing = std::any_of(argv + 1, argv + argc, [](const char* a) {
        return std::strcmp(a, "sheet") == 0 || std::strcmp(a, "report") == 0;
    });
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
    // A closed standard input would give its descriptor to the first file
    // Qt opens, and "-" would then wait on that for ever: it reads as empty
    // instead.
    if (::fcntl(STDIN_FILENO, F_GETFD) == -1)
        (void)::open("/dev/null", O_RDONLY);
    const std::unique_ptr<QCoreApplication> app = makeApplication(argc, argv);
    // The worksheet speaks the user's language, as the window's print does.
    // The tool's own lines stay English, for scripts that read them, and so
    // do Qt's around them in --help: only sheet and report, the commands that
    // draw (and so the ones with a GUI application), load a translation.
    if (qobject_cast<QGuiApplication*>(app.get()) != nullptr)
        (void)vexlor::installLanguage(
            *app, vexlor::chooseLanguage(vexlor::LocaleEnvironment::ofProcess()));
    QCoreApplication::setApplicationName(QStringLiteral("vexlor-series"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VEXLOR_VERSION));

    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("File to write."), QStringLiteral("FILE"));
    const QCommandLineOption seed(QStringLiteral("seed"),
                                  QStringLiteral("Seed of the random series, or of the versions' "
                                                 "answer orders (default: the current time)."),
                                  QStringLiteral("SECONDS"));
    const QCommandLineOption json(QStringLiteral("json"),
                                  QStringLiteral("Print JSON: info a JSON array, explain one "
                                                 "object per Cube and line."));
    const QCommandLineOption stripped(
        QStringLiteral("stripped"),
        QStringLiteral("Demand Cubes without picks or times, as generate writes them."));
    const QCommandLineOption perPage(QStringLiteral("per-page"),
                                     QStringLiteral("Items on a page, 1 to 6 (default 2)."),
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
                                      QStringLiteral("A4 (default) or Letter."),
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
    const QCommandLineOption answerGrid(
        QStringLiteral("answer-grid"),
        QStringLiteral("Add a page on which pupils mark the letter of every item."));
    const QCommandLineOption balanceA(
        QStringLiteral("balance-a"),
        QStringLiteral("With --versions: balance version A's letters too, instead of keeping the "
                       "series' own order."));
    const QCommandLineOption mono(
        QStringLiteral("mono"),
        QStringLiteral("Black and white: white faces, black outlines and symbols."));
    const QCommandLineOption item(QStringLiteral("item"),
                                  QStringLiteral("Explain only the Cube of item N, counted from "
                                                 "1 as a worksheet numbers its items."),
                                  QStringLiteral("N"));
    const QCommandLineOption explainKey(
        QStringLiteral("explain"),
        QStringLiteral("Print under each item's letter on the key why each wrong answer cannot "
                       "be folded from the net."));
    const QCommandLineOption database(QStringLiteral("db"),
                                      QStringLiteral("The history database (default: the "
                                                     "program's own)."),
                                      QStringLiteral("FILE"));
    const QCommandLineOption on(QStringLiteral("on"),
                                QStringLiteral("review: the day whose Cubes due are written, "
                                               "YYYY-MM-DD (default: today)."),
                                QStringLiteral("DATE"));
    const QCommandLineOption localTime(
        QStringLiteral("local"),
        QStringLiteral("Write at as the local date and time alone, 2025-12-09 12:34:56, which "
                       "spreadsheets read as a date and time (default: with its offset from UTC, "
                       "2025-12-09T12:34:56+01:00)."));
    const QCommandLineOption mix(
        QStringLiteral("mix"),
        QStringLiteral("default: the weakest recipes' half, the untried ones' quarter and every "
                       "recipe's rest; weakest: the weakest recipes only; review: the Cubes due "
                       "for review first, then the weakest only."),
        QStringLiteral("MIX"));
    const QCommandLineOption recipes(
        QStringLiteral("recipes"),
        QStringLiteral("Only these recipes, alike: numbers 1 to 15 as the Progress window lists "
                       "them, separated by commas (\"1,4,11\")."),
        QStringLiteral("LIST"));
    const QCommandLineOption csv(QStringLiteral("csv"),
                                 QStringLiteral("history: print the history as CSV (the default, "
                                                "and the only format); report --csv FILE: also "
                                                "write the figures as CSV."));
    // report's --csv names the file to write: the same name, with a value.
    const QCommandLineOption csvFile(QStringLiteral("csv"),
                                     QStringLiteral("report: also write the figures as CSV."),
                                     QStringLiteral("FILE"));
    const QCommandLineOption original(
        QStringLiteral("original"),
        QStringLiteral("The series whose order numbers the report's items (default: the first "
                       "results file)."),
        QStringLiteral("FILE"));
    // history's --csv takes nothing, report's the file to write. Which one
    // applies follows from the command: the first argument that is neither
    // an option nor an option's value.
    const bool reporting = [&] {
        const QStringList ordered =
            argumentsLast(QCoreApplication::arguments(),
                          {output, seed, perPage, from, count, title, pageSize, versions, database,
                           csvFile, original, on, mix, recipes});
        const qsizetype first = ordered.indexOf(QStringLiteral("--")) + 1;
        return first < ordered.size() && ordered[first] == QLatin1String("report");
    }();
    const QCommandLineOption* const allOptions[] = {
        &output,     &seed,  &json,       &stripped, &perPage,  &from,
        &count,      &title, &pageSize,   &keyOnly,  &noKey,    &versions,
        &saveSeries, &mono,  &answerGrid, &balanceA, &database, reporting ? &csvFile : &csv,
        &original,   &item,  &explainKey, &on,       &mix,      &recipes,
        &localTime};
    QList<QCommandLineOption> options;
    for (const QCommandLineOption* o : allOptions)
        options << *o;

    // The one place a command is described: what it takes, the options that
    // apply, what it writes to the file named by -o (if anything), and the
    // texts of the general help and of its own. A new command is a new row.
    constexpr const char* kWrites = "0 success, 2 bad input or a file that could not be written.";
    constexpr const char* kReads = "0 success, 2 bad input.";
    const Usage usages[] = {
        {"generate",
         "generate COUNT [--seed SECONDS] -o FILE",
         "A random series of COUNT Cubes (1 to 65535), saved as the program saves the Current "
         "series; one seed gives one file. -o - writes it to standard output.",
         kWrites,
         1,
         {&output, &seed},
         ReadsNothing,
         "FILE"},
        {"info",
         "info FILE [--json]",
         "One line (or JSON object) per Cube: its index, recipe, correct answer, the faces that "
         "show it, the picks, the time it carries and whether it is solved. FILE - reads the "
         "series from standard input.",
         kReads,
         1,
         {&json},
         ReadsSeries,
         nullptr},
        {"check",
         "check FILE [--stripped]",
         "Checks every Cube against the generator's rules, and its picks and times for "
         "consistency (--stripped: no picks, no times), naming each Cube that breaks one. FILE - "
         "reads the series from standard input.",
         "0 every Cube holds every rule, 1 a Cube breaks one, 2 bad input.",
         1,
         {&stripped},
         ReadsSeries,
         nullptr},
        {"render",
         "render FILE INDEX -o PNG",
         "The five pictures of Cube INDEX (from 0) in its saved state, in one 1000x500 image. "
         "FILE - reads the series from standard input; -o - writes the PNG to standard output.",
         kWrites,
         2,
         {&output},
         ReadsSeries,
         "PNG"},
        {"explain",
         "explain FILE [--item N] [--json]",
         "For each answer of each Cube (or of item N, counted from 1 as on a worksheet) whether it "
         "folds from the net, the faces that give a wrong one away and why, in one sentence; "
         "--json: one object per Cube and line. FILE - reads the series from standard input.",
         kReads,
         1,
         {&item, &json},
         ReadsSeries,
         nullptr},
        {"sheet",
         "sheet FILE -o OUT.pdf [--per-page N] [--from I] [--count K] [--title TEXT] "
         "[--page-size A4|Letter] [--key-only | --no-key] [--mono] [--answer-grid] [--explain] "
         "[--versions N [--seed S] [--save-series] [--balance-a]]",
         "A worksheet for pupils: the Cubes from index I (default 0) on, K of them (default: the "
         "rest), numbered from 1, N to a page (1 to 6, default 2), always unsolved, then an "
         "answer key. --answer-grid adds a page to mark each item's letter on; --explain adds "
         "why each wrong answer is wrong to the key. --versions writes OUT-A.pdf ... with the "
         "answers reordered, each letter right equally often in each version. FILE - reads the "
         "series from standard input; -o - writes the PDF to standard output.",
         kWrites,
         1,
         {&output, &perPage, &from, &count, &title, &pageSize, &keyOnly, &noKey, &versions, &seed,
          &saveSeries, &mono, &answerGrid, &balanceA, &explainKey},
         ReadsSeries,
         "OUT.pdf"},
        {"history",
         "history [--db FILE] [--csv] [--local]",
         "Every Cube solved in the program, one CSV row each, on standard output.",
         "0 success, 2 a history that cannot be read, or a failed write.",
         0,
         {&database, &csv, &localTime},
         ReadsHistory,
         nullptr},
        {"exams",
         "exams [--db FILE]",
         "Every exam taken in the program, one CSV row each, on standard output: its number (the "
         "exam column of history), start, Cubes, right, answered, time limit and time used in "
         "seconds (no limit: empty), and the name on its results.",
         "0 success, 2 a history that cannot be read, or a failed write.",
         0,
         {&database},
         ReadsHistory,
         nullptr},
        {"practise",
         "practise COUNT [--db FILE] [--seed SECONDS] [--mix default|weakest|review | --recipes "
         "LIST] -o FILE",
         "A practice series of COUNT Cubes that favours the weakest recipes of the history, as "
         "\"Practise weakest recipes\" makes it, mixed as --mix or --recipes says; without any "
         "history, the random series generate makes.",
         kWrites,
         1,
         {&output, &database, &seed, &mix, &recipes},
         ReadsHistory,
         "FILE"},
        {"review",
         "review [--db FILE] [--on DATE] -o FILE",
         "The Cubes kept for review in the history that are due on DATE (YYYY-MM-DD, default "
         "today) or before, as a series in the order they fall due: every Cube picked wrong and "
         "every one solved slower than twice the target comes back after 1, 3, 7 and 21 days "
         "until it is learnt. -o - writes it to standard output.",
         "0 success, 1 no Cube is due (nothing written), 2 bad input or a file that could not "
         "be written.",
         0,
         {&output, &database, &on},
         ReadsHistory,
         "FILE"},
        {"report",
         "report RESULTS.srs... [--original FILE] -o report.pdf [--csv FILE]",
         "The class report over the pupils' results files: per pupil and per item in the "
         "original's order (default: the first file's), matched by the Cube whatever the "
         "version, as a PDF and, with --csv, as CSV. -o - writes the PDF to standard output.",
         "0 success, 1 a file was left out (named on stderr), 2 no file could be used, bad "
         "input or a failed write.",
         kOneOrMore,
         {&output, &original, &csvFile},
         ReadsEverySeries,
         "report.pdf"},
    };
    const auto usageOf = [&usages](const QString& name) -> const Usage* {
        for (const Usage& u : usages)
            if (name == QLatin1String(u.name))
                return &u;
        return nullptr;
    };

    QCommandLineParser parser;
    parser.setApplicationDescription(generalHelp(usages));
    parser.addHelpOption();
    parser.addVersionOption();
    QStringList names;
    for (const Usage& u : usages)
        names << QLatin1String(u.name);
    parser.addPositionalArgument(
        QStringLiteral("command"),
        QStringLiteral("%1 or help").arg(names.join(QStringLiteral(", "))));
    parser.addPositionalArgument(QStringLiteral("arguments"),
                                 QStringLiteral("the command's arguments"),
                                 QStringLiteral("[...]"));
    parser.addOptions(options);

    if (!parser.parse(argumentsLast(QCoreApplication::arguments(), options)))
        return fail(parser.errorText());
    QStringList args = parser.positionalArguments();
    // "help COMMAND" and "COMMAND --help" show the command's own help; help
    // alone, and --help alone, the general one.
    bool helpAsked = parser.isSet(QStringLiteral("help"));
    if (!args.isEmpty() && args.front() == QLatin1String("help")) {
        if (args.size() > 2)
            return fail(QStringLiteral("usage: vexlor-series help [COMMAND]"));
        args.removeFirst();
        helpAsked = true;
    }
    if (helpAsked && args.isEmpty())
        parser.showHelp(0);
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();

    if (args.isEmpty())
        return fail(QStringLiteral("no command given; try --help"));
    const QString command = args.front();
    const QStringList rest = args.mid(1);
    const Usage* usage = usageOf(command);
    if (usage == nullptr)
        return fail(QStringLiteral("unknown command '%1'; try --help").arg(command));
    if (helpAsked) {
        const QByteArray help = commandHelp(*usage).toUtf8();
        std::fwrite(help.constData(), 1, static_cast<std::size_t>(help.size()), stdout);
        return std::fflush(stdout) == 0 ? kExitOk : kExitBadInput;
    }
    for (const QCommandLineOption* o : allOptions)
        if (parser.isSet(*o) &&
            std::find(usage->options.begin(), usage->options.end(), o) == usage->options.end())
            return fail(QStringLiteral("option --%1 does not apply to '%2'")
                            .arg(o->names().constLast(), command));
    if (usage->arguments == kOneOrMore ? rest.isEmpty() : rest.size() != usage->arguments)
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
    if ((usage->reads & ReadsEverySeries) != 0) {
        inputs << rest;
        if (parser.isSet(original))
            inputs << parser.value(original);
    }
    if ((usage->reads & ReadsHistory) != 0)
        inputs << historyPath(valueOf(database));
    QStringList outputs;
    if (parser.isSet(output))
        outputs << parser.value(output);
    if (reporting && parser.isSet(csvFile))
        outputs << parser.value(csvFile);
    for (const QString& written : outputs)
        if (const auto refusal = refuseOutputOverInput(written, inputs))
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
    if (command == QLatin1String("explain"))
        return explain(rest[0],
                       parser.isSet(item) ? std::optional(parser.value(item)) : std::nullopt,
                       parser.isSet(json));
    if (command == QLatin1String("history"))
        return historyCsv(valueOf(database), parser.isSet(localTime));
    if (command == QLatin1String("exams"))
        return examsCsv(valueOf(database));
    if (command == QLatin1String("practise")) {
        PracticeSteering steering;
        if (const auto error = readSteering(valueOf(mix), valueOf(recipes), steering))
            return fail(*error);
        return practise(rest[0], valueOf(database), valueOf(seed), steering, parser.value(output));
    }
    if (command == QLatin1String("review"))
        return review(valueOf(database), valueOf(on), parser.value(output));
    if (command == QLatin1String("report"))
        return report(rest, valueOf(original), parser.value(output), valueOf(csvFile));
    return sheet(rest[0],
                 {valueOf(perPage), valueOf(from), valueOf(count), valueOf(title),
                  valueOf(pageSize), parser.isSet(keyOnly), parser.isSet(noKey), valueOf(versions),
                  valueOf(seed), parser.isSet(saveSeries), parser.isSet(mono),
                  parser.isSet(explainKey), parser.isSet(answerGrid), parser.isSet(balanceA)},
                 parser.value(output));
}
