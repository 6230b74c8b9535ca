// The program's start, run as a separate process: --help and --version
// answer in a terminal without a display; anything beyond one FILE is
// refused with a message, and so is a start without a display. A failure
// nobody caught ends the run with exit code 1.
#include "app/program_start.h"
#include "cube/generator.h"
#include "series/series_file.h"

#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

#include <stdexcept>

class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void answers_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("platform"); // xcb: there is no display to reach; "": unset
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("says");
        QTest::newRow("--help") << QStringList{"--help"} << "xcb" << 0 << "[options] [FILE]";
        QTest::newRow("-h") << QStringList{"-h"} << "xcb" << 0 << "A series file (.srs)";
        QTest::newRow("--version")
            << QStringList{"--version"} << "xcb" << 0 << "Vexlor " VEXLOR_VERSION;
        QTest::newRow("--help-all, with Qt's options")
            << QStringList{"--help-all"} << "offscreen" << 0 << "QPA plugin";
        QTest::newRow("-v after a file")
            << QStringList{"a.srs", "-v"} << "xcb" << 0 << "Vexlor " VEXLOR_VERSION;
        // A mistake on the command line is named before any display is
        // looked for, and Qt's own options pass to it.
        QTest::newRow("two files")
            << QStringList{"a.srs", "b.srs"} << "" << 1 << "vexlor: give at most one FILE\n";
        QTest::newRow("unknown option")
            << QStringList{"--bogus"} << "" << 1 << "vexlor: Unknown option 'bogus'.\n";
        QTest::newRow("Qt's own option") << QStringList{"-style", "Fusion", "a.srs"} << "" << 1
                                         << "vexlor: cannot open a display";
        QTest::newRow("no display")
            << QStringList{} << "" << 1 << "vexlor: cannot open a display; Vexlor needs a desktop";
        QTest::newRow("xcb without a display") << QStringList{} << "xcb" << 1 << "(DISPLAY or";
    }
    void answers() {
        QFETCH(QStringList, args);
        QFETCH(QString, platform);
        QFETCH(int, code);
        QFETCH(QString, says);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("DISPLAY");
        env.remove("WAYLAND_DISPLAY");
        if (platform.isEmpty())
            env.remove("QT_QPA_PLATFORM");
        else
            env.insert("QT_QPA_PLATFORM", platform);
        QProcess vexlor;
        vexlor.setProcessEnvironment(env);
        vexlor.start(QStringLiteral(VEXLOR_BIN), args);
        QVERIFY(vexlor.waitForFinished(60'000));
        const QString output =
            QString::fromUtf8(vexlor.readAllStandardOutput() + vexlor.readAllStandardError());
        QCOMPARE(vexlor.exitStatus(), QProcess::NormalExit);
        QVERIFY2(vexlor.exitCode() == code, qPrintable(output));
        QVERIFY2(output.contains(says), qPrintable(output));
    }

    // A bad exam is answered before a display is looked for, with exit code
    // 2 and nothing written into the results folder. In the arguments, S5
    // stands for a series of 5 Cubes, EMPTY for one of none, TEXT for a
    // text file and DIR for an empty folder.
    void badExamsExitTwo_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("says");
        QTest::newRow("0 minutes")
            << QStringList{"--exam", "S5", "--minutes", "0"}
            << "vexlor: --minutes takes a whole number from 1 to 600, not \"0\"\n";
        QTest::newRow("601 minutes")
            << QStringList{"--exam", "S5", "--minutes", "601", "--results", "DIR"}
            << "from 1 to 600, not \"601\"";
        QTest::newRow("minutes not a number")
            << QStringList{"--exam", "S5", "--minutes", "ten"} << "not \"ten\"";
        QTest::newRow("missing file") << QStringList{"--exam", "DIR/none.srs", "--results", "DIR"}
                                      << "none.srs: No such file or directory\n";
        QTest::newRow("not a series")
            << QStringList{"--exam", "TEXT"} << "TEXT is not a series file\n";
        QTest::newRow("no Cubes") << QStringList{"--exam", "EMPTY"}
                                  << "cannot read EMPTY: it holds no Cubes or is cut short\n";
        QTest::newRow("a folder") << QStringList{"--exam", "DIR"}
                                  << "DIR is a folder, not a series file\n";
        QTest::newRow("missing folder")
            << QStringList{"--exam", "S5", "--results", "DIR/none"}
            << "cannot write the results into DIR/none: no such folder\n";
        QTest::newRow("a file as folder") << QStringList{"--exam", "S5", "--results", "TEXT"}
                                          << "cannot write the results into TEXT: not a folder\n";
        QTest::newRow("results without exam")
            << QStringList{"--results", "DIR"}
            << "vexlor: --minutes and --results belong to --exam\n";
        QTest::newRow("file and exam")
            << QStringList{"S5", "--exam", "S5"} << "give either FILE or --exam FILE, not both\n";
    }
    void badExamsExitTwo() {
        QFETCH(QStringList, args);
        QFETCH(QString, says);
        const QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("results"));
        QVERIFY(QDir().mkpath(folder));
        vexlor::RandomSource random(5);
        vexlor::Series five(5);
        for (vexlor::Cube& c : five)
            vexlor::makeCube(c, random);
        const QHash<QString, QString> paths{{"S5", dir.filePath("s5.srs")},
                                            {"EMPTY", dir.filePath("empty.srs")},
                                            {"TEXT", dir.filePath("notes.txt")},
                                            {"DIR", folder}};
        QCOMPARE(vexlor::saveSeriesFile(paths["S5"], five, true), vexlor::WriteResult::Ok);
        QCOMPARE(vexlor::saveSeriesFile(paths["EMPTY"], {}, true), vexlor::WriteResult::Ok);
        QFile text(paths["TEXT"]);
        QVERIFY(text.open(QIODevice::WriteOnly) && text.write("notes\n") == 6);
        text.close();
        for (QString& arg : args)
            for (auto p = paths.begin(); p != paths.end(); ++p)
                arg.replace(p.key(), p.value());
        for (auto p = paths.begin(); p != paths.end(); ++p)
            says.replace(p.key(), p.value());

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("DISPLAY");
        env.remove("WAYLAND_DISPLAY");
        env.remove("QT_QPA_PLATFORM");
        QProcess vexlor;
        vexlor.setProcessEnvironment(env);
        vexlor.start(QStringLiteral(VEXLOR_BIN), args);
        QVERIFY(vexlor.waitForFinished(60'000));
        const QString output = QString::fromUtf8(vexlor.readAllStandardError());
        QVERIFY2(vexlor.exitCode() == 2, qPrintable(output));
        QVERIFY2(output.contains(says) && output.count(QLatin1Char('\n')) == 1, qPrintable(output));
        QVERIFY(vexlor.readAllStandardOutput().isEmpty());
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList());
    }

    void uncaughtFailuresEndInCodeOne_data() {
        QTest::addColumn<int>("failure");     // 0 none, 1 a std::exception, 2 anything else
        QTest::addColumn<QString>("outcome"); // the exit code, then what standard error said
        QTest::newRow("normal end") << 0 << "7 ";
        QTest::newRow("std::exception") << 1 << "1 vexlor: unexpected error: disk full\n";
        QTest::newRow("anything else") << 2 << "1 vexlor: unexpected error\n";
    }
    void uncaughtFailuresEndInCodeOne() {
        QFETCH(int, failure);
        QFETCH(QString, outcome);
        std::FILE* err = std::tmpfile();
        const auto body = [failure]() -> int {
            if (failure == 1)
                throw std::runtime_error("disk full");
            if (failure == 2)
                throw failure;
            return 7;
        };
        const int code = vexlor::runReportingFailure(body, err, {});
        char said[100] = {};
        std::rewind(err);
        const std::size_t length = std::fread(said, 1, sizeof said - 1, err);
        std::fclose(err);
        QCOMPARE(QString::number(code) + ' ' +
                     QString::fromUtf8(said, static_cast<qsizetype>(length)),
                 outcome);
    }
};

QTEST_APPLESS_MAIN(CommandLineTest)
#include "tst_command_line.moc"
