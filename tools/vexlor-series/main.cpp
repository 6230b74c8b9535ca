// vexlor-series: makes, lists, checks and draws .srs series files from the
// command line, with the program's own generator, rules and file code.
#include "commands.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <algorithm>
#include <cstdio>

using namespace vexlor::tool;

namespace {

// The parser takes every argument that starts with '-' for an option, and
// would refuse a negative number ("render FILE -1") as the unknown option
// "-1". No option starts with a digit, so such an argument is a value: the
// options (each with the value it takes) are kept in front, and every other
// argument follows behind "--", in its order.
QStringList ArgumentsLast(const QStringList& args, const QList<QCommandLineOption>& options) {
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

} // namespace

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
                       "  check FILE [--stripped]\n"
                       "      checks every Cube against the generator's rules and its picks\n"
                       "      and times for consistency (--stripped: no picks, no times);\n"
                       "      exit code 1 names each Cube that breaks one\n"
                       "  render FILE INDEX -o PNG\n"
                       "      the five pictures of Cube INDEX (from 0) in one 1000x500 image\n"
                       "\n"
                       "Exit codes: 0 success, 1 a check failed, 2 bad input."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("command"),
                                 QStringLiteral("generate, info, check or render"));
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
    const QCommandLineOption stripped(
        QStringLiteral("stripped"),
        QStringLiteral("Demand Cubes without picks or times, as generate writes them."));
    parser.addOptions({output, seed, json, stripped});

    if (!parser.parse(ArgumentsLast(QCoreApplication::arguments(), {output, seed, json, stripped})))
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
        {"check", "check FILE [--stripped]", 1, {&stripped}, false},
        {"render", "render FILE INDEX -o PNG", 2, {&output}, true},
    };
    const Usage* usage = nullptr;
    for (const Usage& u : usages)
        if (command == QLatin1String(u.name))
            usage = &u;
    if (usage == nullptr)
        return Fail(QStringLiteral("unknown command '%1'; try --help").arg(command));
    for (const QCommandLineOption* o : {&output, &seed, &json, &stripped})
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
        return Check(rest[0], parser.isSet(stripped));
    return Render(rest[0], rest[1], parser.value(output));
}
