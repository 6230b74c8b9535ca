// vexlor-series: makes, lists, checks and draws .srs series files from the
// command line, with the program's own generator, rules and file code.
#include "commands.h"

#include <QCommandLineParser>
#include <QCoreApplication>

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
    parser.addOptions({output, seed, json});

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
    const auto only = [&](std::initializer_list<const QCommandLineOption*> allowed) -> QString {
        for (const QCommandLineOption* o : {&output, &seed, &json}) {
            if (!parser.isSet(*o))
                continue;
            bool ok = false;
            for (const QCommandLineOption* a : allowed)
                ok = ok || a == o;
            if (!ok)
                return QStringLiteral("option --%1 does not apply to '%2'")
                    .arg(o->names().constLast(), command);
        }
        return {};
    };
    const auto arity = [&](int n, const char* usage) -> QString {
        if (rest.size() != n)
            return QStringLiteral("usage: vexlor-series %1").arg(QLatin1String(usage));
        return {};
    };

    if (command == QLatin1String("generate")) {
        QString error = only({&output, &seed});
        if (error.isEmpty())
            error = arity(1, "generate COUNT [--seed SECONDS] -o FILE");
        if (error.isEmpty() && !parser.isSet(output))
            error = QStringLiteral("generate needs -o FILE");
        if (!error.isEmpty())
            return Fail(error);
        return Generate(rest[0],
                        parser.isSet(seed) ? std::optional(parser.value(seed)) : std::nullopt,
                        parser.value(output));
    }
    if (command == QLatin1String("info")) {
        QString error = only({&json});
        if (error.isEmpty())
            error = arity(1, "info FILE [--json]");
        if (!error.isEmpty())
            return Fail(error);
        return Info(rest[0], parser.isSet(json));
    }
    if (command == QLatin1String("check")) {
        QString error = only({});
        if (error.isEmpty())
            error = arity(1, "check FILE");
        if (!error.isEmpty())
            return Fail(error);
        return Check(rest[0]);
    }
    if (command == QLatin1String("render")) {
        QString error = only({&output});
        if (error.isEmpty())
            error = arity(2, "render FILE INDEX -o PNG");
        if (error.isEmpty() && !parser.isSet(output))
            error = QStringLiteral("render needs -o PNG");
        if (!error.isEmpty())
            return Fail(error);
        return Render(rest[0], rest[1], parser.value(output));
    }
    return Fail(QStringLiteral("unknown command '%1'; try --help").arg(command));
}
