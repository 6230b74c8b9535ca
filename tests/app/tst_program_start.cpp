// A failure that nobody caught ends the program with exit code 1 and one
// line on standard error; a normal end keeps its own code.
#include "app/program_start.h"

#include <QTest>

#include <stdexcept>

using namespace vexlor;

class ProgramStartTest : public QObject {
    Q_OBJECT

private slots:
    void uncaughtFailuresEndInCodeOne_data() {
        QTest::addColumn<int>("failure"); // 0 none, 1 a std::exception, 2 anything else
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("said"); // on standard error, then in the box
        QTest::newRow("normal end") << 0 << 7 << "|not shown";
        QTest::newRow("std::exception")
            << 1 << 1 << "vexlor: unexpected error: disk on fire\n|disk on\nfire";
        QTest::newRow("anything else") << 2 << 1 << "vexlor: unexpected error\n|";
    }
    void uncaughtFailuresEndInCodeOne() {
        QFETCH(int, failure);
        QFETCH(int, code);
        QFETCH(QString, said);
        std::FILE* err = std::tmpfile();
        QString shown = QStringLiteral("not shown");
        const int result = runReportingFailure(
            [failure] {
                if (failure == 1)
                    throw std::runtime_error("disk on\nfire");
                if (failure == 2)
                    throw 42;
                return 7;
            },
            err, [&shown](const QString& what) { shown = what; });
        std::rewind(err);
        char line[200] = {};
        (void)std::fread(line, 1, sizeof line - 1, err);
        std::fclose(err);
        QCOMPARE(result, code);
        QCOMPARE(QString::fromLocal8Bit(line) + "|" + shown, said);
    }
};

QTEST_APPLESS_MAIN(ProgramStartTest)
#include "tst_program_start.moc"
