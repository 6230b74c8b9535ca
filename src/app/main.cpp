// Vexlor: a trainer for the cube-folding test. This is where the program's
// services are made and handed to the window.

#include "app/app_icon.h"
#include "app/main_window.h"
#include "app/program_start.h"
#include "history/history_store.h"
#include "l10n/language.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>
#include <QSettings>
#include <QStyleFactory>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("Vexlor"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VEXLOR_VERSION));

    // The command line is read whole before a display is opened, so that
    // --help, --version and a mistyped option are answered in a terminal
    // without one. Qt's own options (-platform, -style, ...) pass here and
    // are taken out by the application below.
    vexlor::CommandLine line;
    {
        QCoreApplication core(argc, argv);
        QCommandLineParser parser;
        vexlor::describeCommandLine(parser);
        line = vexlor::readCommandLine(parser, QCoreApplication::arguments());
        if (line.exit) {
            std::fputs(line.message.toLocal8Bit().constData(), line.code == 0 ? stdout : stderr);
            return line.code;
        }
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
    if (line.helpAll) {
        QCommandLineParser parser;
        vexlor::describeCommandLine(parser);
        parser.process(app); // prints the help with Qt's options and ends the program
    }

    return vexlor::runReportingFailure(
        [&line] {
            // The run's services, made once here and handed to the window,
            // which they outlive: the clock, the one random source seeded
            // from the second the run starts in, the series and the test
            // state, the history, the settings (~/.config/Vexlor/Vexlor.conf)
            // and the boxes.
            const vexlor::SystemClock clock;
            vexlor::RandomSource randomSource(vexlor::RandomSource::secondsNow());
            vexlor::SeriesStore store;
            vexlor::SessionState state;
            // Opened once the window is on screen (see MainWindow::paintEvent).
            vexlor::HistoryStore history(vexlor::HistoryStore::defaultPath(),
                                         vexlor::HistoryStore::Mode::ReadWrite,
                                         vexlor::HistoryStore::Start::Later);
            QSettings settings(QStringLiteral("Vexlor"), QStringLiteral("Vexlor"));
            vexlor::QtDialogs dialogs;
            vexlor::MainWindow window(
                {dialogs, store, state, history, settings, clock, randomSource});
            dialogs.setHome(&window);
            if (!line.file.isEmpty())
                window.setStartupFile(line.file);
            window.show();
            return QApplication::exec();
        },
        stderr,
        [](const QString& what) {
            QMessageBox::critical(nullptr, QStringLiteral("Vexlor"), what);
        });
}
