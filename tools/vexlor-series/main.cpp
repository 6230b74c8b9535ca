// vexlor-series: makes, lists, checks and draws .srs series files from the
// command line, with the program's own generator, rules and file code.
#include "commands.h"
#include "history_csv.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <algorithm>
#include <cstdio>

using namespace vexlor::tool;

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vexlor-series"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VEXLOR_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Makes, lists, checks and draws Vexlor series files (.srs).\n"
                       "\n"
                       "  generate COUNT [--seed SECONDS] -o FILE\n"
                       "      a random series of COUNT Cubes (1 to 65535), saved as the\n"
                       "      program saves the Current series; one seed gives one file\n"
                       "  info FILE [--json]\n"
                       "      one line (or JSON object) per Cube\n"
                       "  check FILE\n"
                       "      checks every Cube against the generator's rules;\n"
                       "      exit code 1 names each Cube that breaks one\n"
                       "  render FILE INDEX -o PNG\n"
                       "      the five pictures of Cube INDEX (from 0) in one 1000x500 image\n"
                       "  history [--db FILE] --csv\n"
                       "      every Cube solved in the program, one CSV row each\n"
                       "\n"
                       "Exit codes: 0 success, 1 a check failed, 2 bad input."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("command"),
                                 QStringLiteral("generate, info, check, render or history"));
    parser.addPositionalArgument(QStringLiteral("arguments"),
                                 QStringLiteral("the command's arguments"),
                                 QStringLiteral("[...]"));
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("File to write."), QStringLiteral("FILE"));
    const QCommandLineOption seed(QStringLiteral("seed"),
                                  QStringLiteral("Seed of the random series, in seconds "
                                                 "(default: the current time)."),
                                  QStringLiteral("SECONDS"));
    const QCommandLineOption json(QStringLiteral("json"),
                                  QStringLiteral("List the Cubes as a JSON array."));
    const QCommandLineOption database(QStringLiteral("db"),
                                      QStringLiteral("The history database (default: the "
                                                     "program's own)."),
                                      QStringLiteral("FILE"));
    const QCommandLineOption csv(QStringLiteral("csv"),
                                 QStringLiteral("Print the history as CSV."));
    parser.addOptions({output, seed, json, database, csv});

    if (!parser.parse(QCoreApplication::arguments()))
        return Fail(parser.errorText());
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp(0);
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();

    const QStringList args = parser.positionalArguments();
    if (args.isEmpty())
        return Fail(QStringLiteral("no command given; try --help"));
    const QString command = args.front();
    const QStringList rest = args.mid(1);

    // What each command takes: its arguments, the options that apply, and
    // whether it writes a file named by -o.
    struct Usage {
        const char* name;
        const char* synopsis;
        int arguments;
        std::initializer_list<const QCommandLineOption*> options;
        bool needsOutput;
    };
    const Usage usages[] = {
        {"generate", "generate COUNT [--seed SECONDS] -o FILE", 1, {&output, &seed}, true},
        {"info", "info FILE [--json]", 1, {&json}, false},
        {"check", "check FILE", 1, {}, false},
        {"render", "render FILE INDEX -o PNG", 2, {&output}, true},
        {"history", "history [--db FILE] --csv", 0, {&database, &csv}, false},
    };
    const Usage* usage = nullptr;
    for (const Usage& u : usages)
        if (command == QLatin1String(u.name))
            usage = &u;
    if (usage == nullptr)
        return Fail(QStringLiteral("unknown command '%1'; try --help").arg(command));
    for (const QCommandLineOption* o : {&output, &seed, &json, &database, &csv})
        if (parser.isSet(*o) &&
            std::find(usage->options.begin(), usage->options.end(), o) == usage->options.end())
            return Fail(QStringLiteral("option --%1 does not apply to '%2'")
                            .arg(o->names().constLast(), command));
    if (rest.size() != usage->arguments)
        return Fail(QStringLiteral("usage: vexlor-series %1").arg(QLatin1String(usage->synopsis)));
    if (usage->needsOutput && !parser.isSet(output))
        return Fail(QStringLiteral("%1 needs -o %2")
                        .arg(command, command == QLatin1String("render") ? "PNG" : "FILE"));

    if (command == QLatin1String("generate"))
        return Generate(rest[0],
                        parser.isSet(seed) ? std::optional(parser.value(seed)) : std::nullopt,
                        parser.value(output));
    if (command == QLatin1String("info"))
        return Info(rest[0], parser.isSet(json));
    if (command == QLatin1String("check"))
        return Check(rest[0]);
    if (command == QLatin1String("history")) {
        if (!parser.isSet(csv))
            return Fail(QStringLiteral("history needs --csv"));
        return HistoryCsv(parser.isSet(database) ? std::optional(parser.value(database))
                                                 : std::nullopt);
    }
    return Render(rest[0], rest[1], parser.value(output));
}
