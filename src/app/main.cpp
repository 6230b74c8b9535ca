// Vexlor: a trainer for the cube-folding test.

#include "app/app_icon.h"
#include "app/main_window.h"
#include "app/program_start.h"
#include "l10n/language.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>
#include <QStyleFactory>

#include <cstdio>

namespace {

void describeCommandLine(QCommandLineParser& parser) {
    parser.setApplicationDescription(QStringLiteral("A trainer for the cube-folding test."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("FILE"),
        QStringLiteral("A series file (.srs) to load into Current in place of a random series."),
        QStringLiteral("[FILE]"));
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("Vexlor"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VEXLOR_VERSION));

    // --help and --version are answered before a display is opened, so they
    // work in a terminal without one. Everything else is read once the
    // application has taken out its own options (-platform, -style, ...).
    {
        QCoreApplication core(argc, argv);
        QCommandLineParser parser;
        describeCommandLine(parser);
        (void)parser.parse(QCoreApplication::arguments());
        if (parser.isSet(QStringLiteral("help")))
            parser.showHelp();
        if (parser.isSet(QStringLiteral("version")))
            parser.showVersion();
        // Without a window system Qt aborts and advises reinstalling; the
        // user is better told what is missing.
        if (!vexlor::displayReachable(QCoreApplication::arguments())) {
            std::fputs(vexlor::kNoDisplay, stderr);
            return 1;
        }
    }

    QApplication app(argc, argv);
    // The translations are built in, so loading one cannot fail.
    (void)vexlor::installLanguage(app,
                                  vexlor::chooseLanguage(vexlor::LocaleEnvironment::ofProcess()));
    QApplication::setApplicationDisplayName(QStringLiteral("Vexlor"));
    QGuiApplication::setDesktopFileName(vexlor::kAppId);
    QApplication::setWindowIcon(vexlor::appIcon());
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    QCommandLineParser parser;
    describeCommandLine(parser);
    parser.process(app);
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        std::fputs("vexlor: give at most one FILE\n", stderr);
        return 1;
    }

    return vexlor::runReportingFailure(
        [&files] {
            // The run's clock and its one random source, seeded from the
            // second the run starts in.
            const vexlor::SystemClock clock;
            vexlor::RandomSource randomSource(vexlor::RandomSource::secondsNow());
            vexlor::MainWindow::Services services;
            services.clock = &clock;
            services.randomSource = &randomSource;
            vexlor::MainWindow window(services);
            if (!files.isEmpty())
                window.setStartupFile(files.constFirst());
            window.show();
            return QApplication::exec();
        },
        stderr,
        [](const QString& what) {
            QMessageBox::critical(nullptr, QStringLiteral("Vexlor"), what);
        });
}
