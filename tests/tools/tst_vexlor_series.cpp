// The vexlor-series tool, run as a separate process: each subcommand, same
// seed same bytes, and exit codes 0 (fine), 1 (broken Cubes), 2 (bad input).
#include "cube/answer_order.h"
#include "cube/generator.h"
#include "cube/random.h"
#include "cube_compare.h"
#include "fake_clock.h"
#include "file_util.h"
#include "printing/image_canvas.h"
#include "render/palette.h"
#include "render/pictures.h"
#include "render/projection.h"
#include "series/series_file.h"
#include "session/session_flow.h"
#include "tool_process.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <map>
#include <set>
#include <vector>

using namespace vexlor;

namespace {

// Runs the tool; with fileSizeLimit, its writes fail past that many bytes,
// as on a full disk (the limit binds root too).
Run tool(const QStringList& args, qint64 fileSizeLimit = -1, const QString& language = {}) {
    return runProgram(QStringLiteral(VEXLOR_SERIES_BIN), args, 120'000, [&](QProcess& p) {
        if (!language.isEmpty()) {
            // The language as a desktop session sets it.
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.remove(QStringLiteral("LC_ALL"));
            environment.insert(QStringLiteral("LANG"), language + QStringLiteral(".UTF-8"));
            p.setProcessEnvironment(environment);
        }
        if (fileSizeLimit >= 0)
            p.setChildProcessModifier([fileSizeLimit] {
                const rlimit limit{rlim_t(fileSizeLimit), rlim_t(fileSizeLimit)};
                setrlimit(RLIMIT_FSIZE, &limit);
                std::signal(SIGXFSZ, SIG_IGN); // a failed write, not a killed process
            });
    });
}

// How many pixels of a region carry one of the given colours.
int countColors(const QImage& image, QRect region, std::initializer_list<Color> colors) {
    int n = 0;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            for (Color c : colors)
                n += fromQRgb(image.pixel(x, y)) == c ? 1 : 0;
    return n;
}

QRect answerRegion(int a) {
    return QRect(500 + 250 * (a % 2), 250 * (a / 2), 250, 250);
}

// Runs one of poppler's tools, through which the tests read sheets back, and
// returns what it printed; empty when it is missing or fails.
QByteArray poppler(const QString& tool, const QStringList& args) {
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        qWarning("%s not found: install poppler-utils", qPrintable(tool));
    QProcess p;
    p.start(program, args);
    if (program.isEmpty() || !p.waitForFinished(120'000) || p.exitCode() != 0)
        return {};
    return p.readAllStandardOutput();
}

// The number of pages of a PDF as pdfinfo reads it; -1 when it cannot.
int pdfPages(const QString& pdf) {
    const QRegularExpression pages(QStringLiteral("^Pages:\\s+(\\d+)$"),
                                   QRegularExpression::MultilineOption);
    const auto m = pages.match(QString::fromUtf8(poppler(QStringLiteral("pdfinfo"), {pdf})));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// The text of one page of a PDF.
QString pageText(const QString& pdf, int page) {
    const QString n = QString::number(page);
    return QString::fromUtf8(poppler(QStringLiteral("pdftotext"), {"-f", n, "-l", n, pdf, "-"}));
}

// The key's letters in item order, read from the key pages of a PDF; '!'
// where an item is missing or out of order.
QString keyLetters(const QString& pdf) {
    const QString text = QString::fromUtf8(poppler(QStringLiteral("pdftotext"), {pdf, "-"}));
    const QRegularExpression entry(QStringLiteral("^(\\d+)\\.\\s+([A-D?])$"),
                                   QRegularExpression::MultilineOption);
    QString letters;
    for (const auto& m : entry.globalMatch(text.mid(text.indexOf(QStringLiteral("Answer key")))))
        letters +=
            m.captured(1).toInt() == letters.size() + 1 ? m.captured(2) : QStringLiteral("!");
    return letters;
}

// Whether two colours differ by at most 2 in each channel: a PDF keeps its
// colours as fractions, which come back rounded.
bool near(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) <= 2 && std::abs(qGreen(a) - qGreen(b)) <= 2 &&
           std::abs(qBlue(a) - qBlue(b)) <= 2;
}

// A window that shows nothing: the flow runs on the store and state alone.
class SilentListener final : public SessionListener {
public:
    void cubeShown(const Cube&) override {}
    void pickJudged(const Cube&, int, bool) override {}
    void picturesBlanked() override {}
    void stateChanged() override {}
    void randomSeriesWanted() override {}
};

} // namespace

class ToolTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString pathOf(const char* name) const { return dir_.filePath(QLatin1String(name)); }

    // A series of three generated Cubes; the second wrongly picked, the
    // third solved after 12.34 s, as Mistakes would save them.
    QString pickedFile() {
        RandomSource randomSource(77);
        SeriesStore store;
        store.seriesSize = 3;
        store.makeRandomSeries(randomSource);
        Series& cubes = store[SeriesId::Current];
        Cube* second = &cubes[1];
        second->picked[(second->correctAnswer + 1) % 4] = 1;
        second->clockStart = 46'000.5;
        second->clockStop = 46'000.5 + 3.0 / 86'400;
        Cube* third = &cubes[2];
        third->picked[third->correctAnswer] = 1;
        third->clockStart = 46'001.25;
        third->clockStop = 46'001.25 + 12.34 / 86'400;
        const QString path = pathOf("picked.srs");
        if (saveSeriesFile(path, cubes, false) != WriteResult::Ok)
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    // n generated Cubes, each solved after one wrong pick, as Mistakes and
    // Custom may hold them.
    QString solvedFile(const char* name, int n, int seed) {
        RandomSource randomSource(seed);
        SeriesStore store;
        store.seriesSize = n;
        store.makeRandomSeries(randomSource);
        for (Cube& cube : store[SeriesId::Current]) {
            Cube* c = &cube;
            c->picked[(c->correctAnswer + 1) % 4] = 1;
            c->picked[c->correctAnswer] = 1;
            c->clockStart = 46'000.5;
            c->clockStop = 46'000.5 + 7.0 / 86'400;
        }
        const QString path = pathOf(name);
        if (saveSeriesFile(path, store[SeriesId::Current], false) != WriteResult::Ok)
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    // solvedFile's Cubes with the answers rearranged so that each correct
    // answer lies at the given letter, in order.
    QString lettersFile(const char* name, const QString& letters) {
        SeriesStore store;
        if (loadSeriesFile(solvedFile(name, static_cast<int>(letters.size()), 8), store) !=
            LoadResult::Ok)
            qFatal("cannot read %s", name);
        Series& cubes = store[SeriesId::Current];
        for (qsizetype i = 0; i < letters.size(); ++i) {
            const int correct = cubes[i].correctAnswer, place = letters[i].unicode() - u'A';
            AnswerOrder swap = kAnswersAsGiven;
            std::swap(swap[correct], swap[place]);
            cubes[i] = withAnswerOrder(cubes[i], swap);
        }
        const QString path = pathOf(name);
        if (saveSeriesFile(path, cubes, false) != WriteResult::Ok)
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

private slots:
    void initTestCase() { QVERIFY(dir_.isValid()); }

    void generateWritesAsSaveDoes() {
        // Same seed, same bytes: the bytes the program's own Save of a fresh
        // Current series would write.
        const QString a = pathOf("a.srs"), b = pathOf("b.srs"), c = pathOf("c.srs");
        Run r = tool({"generate", "5", "--seed", "1700000000", "-o", a});
        QCOMPARE(r.code, 0);
        QVERIFY(r.err.isEmpty());
        QCOMPARE(tool({"generate", "5", "--seed", "1700000000", "--output", b}).code, 0);
        QCOMPARE(tool({"generate", "5", "--seed", "1700000001", "-o", c}).code, 0);
        const QByteArray bytes = readAll(a);
        QCOMPARE(bytes.size(), qsizetype(seriesFileSize(5)));
        QCOMPARE(readAll(b), bytes);
        QVERIFY(readAll(c) != bytes);
        // -o - (or /dev/stdout) writes the same bytes to standard output,
        // and no file "-".
        for (const char* out : {"-", "/dev/stdout"}) {
            r = tool({"generate", "5", "--seed", "1700000000", "-o", out});
            QVERIFY(r.code == 0 && r.err.isEmpty() && !QFile::exists(QStringLiteral("-")));
            QCOMPARE(r.outBytes, bytes);
        }

        RandomSource randomSource(1'700'000'000);
        SeriesStore store;
        store.seriesSize = 5;
        store.makeRandomSeries(randomSource);
        const QString own = pathOf("own.srs");
        QCOMPARE(saveSeriesFile(own, store[SeriesId::Current], true), WriteResult::Ok);
        QCOMPARE(readAll(own), bytes);
    }

    // Every seed keeps the series it has always given, byte for byte: a
    // change to the generator or to the random source that shifts a single
    // draw shows here.
    void generateKeepsEachSeedsSeries_data() {
        QTest::addColumn<QString>("seed");
        QTest::addColumn<QByteArray>("sha256");
        QTest::newRow("42") << "42"
                            << QByteArray("ab8b484641a55350405e7ada84cec88c"
                                          "a34b0ab95f177fd30948bfe9c472b726");
        // Past 32 bits the seconds are folded into the generator's seed.
        QTest::newRow("2^32 + 20261207") << "4315228503"
                                         << QByteArray("c517046ece1bf49079f662d12f7d8c0b"
                                                       "885467af6daf7bb140a169d0708b0572");
    }
    void generateKeepsEachSeedsSeries() {
        QFETCH(QString, seed);
        QFETCH(QByteArray, sha256);
        const QString path = pathOf("locked.srs");
        QCOMPARE(tool({"generate", "500", "--seed", seed, "-o", path}).code, 0);
        QCOMPARE(QCryptographicHash::hash(readAll(path), QCryptographicHash::Sha256).toHex(),
                 sha256);
    }

    void generateBounds() {
        QCOMPARE(tool({"generate", "1", "-o", pathOf("one.srs")}).code, 0);
        QCOMPARE(readAll(pathOf("one.srs")).size(), qsizetype(seriesFileSize(1)));
        QCOMPARE(tool({"generate", "65535", "--seed", "3", "-o", pathOf("max.srs")}).code, 0);
        const QByteArray max = readAll(pathOf("max.srs"));
        QCOMPARE(max.size(), qsizetype(seriesFileSize(65'535)));
        QCOMPARE(max.mid(4, 2), QByteArray("\xff\xff", 2));
        const Run r = tool({"check", pathOf("max.srs")});
        QCOMPARE(r.code, 0);
        QVERIFY(r.out.contains(QStringLiteral("all 65535 Cubes")));
    }

    void info() {
        const QString path = pickedFile();
        const Run r = tool({"info", path});
        QCOMPARE(r.code, 0);
        const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 3);
        QVERIFY(lines[0].startsWith(QStringLiteral("index=0 ")));
        QVERIFY(lines[0].contains(QStringLiteral(" chosen=0,0,0,0 time=0.0 solved=no")));
        QVERIFY(lines[1].contains(QStringLiteral(" time=3.0 solved=no")));
        QVERIFY(lines[2].startsWith(QStringLiteral("index=2 ")));
        QVERIFY(lines[2].contains(QStringLiteral(" time=12.3 solved=yes")));

        const Run j = tool({"info", path, "--json"});
        QCOMPARE(j.code, 0);
        QJsonParseError error{};
        const QJsonDocument doc = QJsonDocument::fromJson(j.out.toUtf8(), &error);
        QCOMPARE(error.error, QJsonParseError::NoError);
        const QJsonArray cubes = doc.array();
        QCOMPARE(cubes.size(), 3);
        const QJsonObject third = cubes[2].toObject();
        QCOMPARE(third["index"].toInt(), 2);
        QCOMPARE(third["time"].toDouble(), 12.3);
        QCOMPARE(third["solved"].toBool(), true);
        QCOMPARE(third["chosen"].toArray().size(), 4);
        QCOMPARE(third["corfaces"].toArray().size(), 3);
        const int correct = third["correct"].toInt();
        QVERIFY(correct >= 0 && correct < 4);
        QCOMPARE(third["chosen"].toArray()[correct].toInt(), 1);
        for (const char* key : {"kind", "correct", "index"})
            QVERIFY(cubes[1].toObject()[key].isDouble());
    }

    void explain() {
        // A line per answer, or a JSON object per Cube, items counted from
        // 1: the correct answer folds with no differing face, a wrong one
        // names the faces that differ and why. Picks change nothing.
        const QString path = pickedFile();
        SeriesStore store;
        QCOMPARE(loadSeriesFile(path, store), LoadResult::Ok);
        const Run plain = tool({"explain", path});
        const Run json = tool({"explain", path, "--json"});
        QVERIFY(plain.code == 0 && json.code == 0);
        const QStringList lines = plain.out.split('\n', Qt::SkipEmptyParts);
        const QStringList objects = json.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 12);
        QCOMPARE(objects.size(), 3);
        const QRegularExpression line(QStringLiteral(
            "^item=(\\d) answer=([A-D]) folds=(yes|no) differing=(-|[a-z,]+) sentence=(.+)$"));
        for (int i = 0; i < 12; ++i) {
            const auto m = line.match(lines[i]);
            QVERIFY2(m.hasMatch(), qPrintable(lines[i]));
            const QJsonObject item = QJsonDocument::fromJson(objects[i / 4].toUtf8()).object();
            const QJsonObject answer = item["answers"].toArray()[i % 4].toObject();
            const bool folds = i % 4 == store[SeriesId::Current][i / 4].correctAnswer;
            QCOMPARE(item["item"].toInt(), i / 4 + 1);
            QCOMPARE(m.captured(1).toInt(), i / 4 + 1);
            QCOMPARE(answer["letter"].toString(), m.captured(2));
            QCOMPARE(answer["folds"].toBool(), folds);
            QCOMPARE(m.captured(3), folds ? "yes" : "no");
            QCOMPARE(answer["differing"].toArray().isEmpty(), folds);
            QStringList differing;
            for (const QJsonValue face : answer["differing"].toArray())
                differing << face.toString();
            QCOMPARE(differing.isEmpty() ? "-" : differing.join(','), m.captured(4));
            QCOMPARE(answer["sentence"].toString(), m.captured(5));
        }
        QCOMPARE(tool({"explain", path, "--item", "2"}).out, lines.mid(4, 4).join('\n') + '\n');
    }

    void infoTimeAsStored_data() {
        QTest::addColumn<double>("start");
        QTest::addColumn<double>("stop");
        QTest::addColumn<QString>("time");
        const double t = 46'000.5, s = 1.0 / 86'400;
        QTest::newRow("12.34 s, tenths cut") << t << t + 12.34 * s << "12.3";
        QTest::newRow("59.96 s, tenths cut") << t << t + 59.96 * s << "59.9";
        QTest::newRow("2.5 days, not wrapped") << t << t + 2.5 << "216000.0";
        QTest::newRow("negative") << t << t - 4.56 * s << "-4.5";
        QTest::newRow("negative below a tenth") << t << t - 0.04 * s << "0.0";
        QTest::newRow("clock running") << t << 0.0 << "0.0";
        QTest::newRow("start only a fraction of a day") << 0.75 << t << "0.0";
    }

    void infoTimeAsStored() {
        // info reports the span a Cube stores, whole days and sign included,
        // in its text and in its JSON.
        QFETCH(double, start);
        QFETCH(double, stop);
        QFETCH(QString, time);
        RandomSource randomSource(8);
        SeriesStore store;
        store.seriesSize = 1;
        store.makeRandomSeries(randomSource);
        store.currentCube()->clockStart = start;
        store.currentCube()->clockStop = stop;
        const QString path = pathOf("timed.srs");
        QCOMPARE(saveSeriesFile(path, store[SeriesId::Current], false), WriteResult::Ok);

        const Run r = tool({"info", path});
        QCOMPARE(r.code, 0);
        QVERIFY2(r.out.contains(QStringLiteral(" time=%1 ").arg(time)), qPrintable(r.out));
        const Run j = tool({"info", path, "--json"});
        QCOMPARE(j.code, 0);
        const QJsonArray cubes = QJsonDocument::fromJson(j.out.toUtf8()).array();
        QCOMPARE(cubes.size(), 1);
        QCOMPARE(cubes[0].toObject()["time"].toDouble(), time.toDouble());
    }

    void check() {
        // Sound Cubes pass; a Cube with picks, or with a damaged symbol,
        // fails and is named.
        const QString good = pathOf("good.srs");
        QCOMPARE(tool({"generate", "4", "--seed", "11", "-o", good}).code, 0);
        Run r = tool({"check", good});
        QCOMPARE(r.code, 0);
        QVERIFY(r.out.contains(QStringLiteral("all 4 Cubes hold every invariant")));

        QByteArray bytes = readAll(good);
        bytes[6 + 232 * 2 + 162] = char(40); // Cube 2: face 0 carries symbol 40
        const QString damaged = pathOf("damaged.srs");
        QVERIFY(writeAll(damaged, bytes));
        r = tool({"check", damaged});
        QCOMPARE(r.code, 1);
        QVERIFY(r.out.contains(QStringLiteral("Cube 2: ")));
        QVERIFY(!r.out.contains(QStringLiteral("Cube 0: ")));
        QVERIFY(r.out.contains(QStringLiteral("1 of 4 Cubes breaks invariants")));
        const QString one = pathOf("one.srs");
        QCOMPARE(tool({"generate", "1", "-o", one}).code, 0);
        QVERIFY(tool({"check", one}).out.contains(QStringLiteral("its 1 Cube holds every")));

        // Picks and times that agree pass; --stripped demands none at all.
        QCOMPARE(tool({"check", pickedFile()}).code, 0);
        r = tool({"check", pickedFile(), "--stripped"});
        QCOMPARE(r.code, 1);
        QVERIFY(r.out.contains(QStringLiteral("Cube 1: answers are already picked")));
        QVERIFY(r.out.contains(QStringLiteral("Cube 2: ")));
        QVERIFY(!r.out.contains(QStringLiteral("Cube 0: ")));
    }

    void checkJudgesProgress_data() {
        QTest::addColumn<int>("wrongFlag");   // pick flag of one wrong answer
        QTest::addColumn<int>("correctFlag"); // pick flag of the correct answer
        QTest::addColumn<double>("start");
        QTest::addColumn<double>("stop");
        QTest::addColumn<bool>("stripped");
        QTest::addColumn<QString>("failure"); // empty: the Cube is sound
        const double t = 46'000.5, later = t + 9.5 / 86'400;
        QTest::newRow("fresh") << 0 << 0 << 0.0 << 0.0 << false << "";
        QTest::newRow("wrong pick, clock stopped") << 1 << 0 << t << later << false << "";
        QTest::newRow("wrong pick, clock running") << 1 << 0 << t << 0.0 << false << "";
        QTest::newRow("solved after a wrong pick") << 1 << 1 << t << later << false << "";
        QTest::newRow("stopped at its start") << 0 << 0 << t << t << false << "";
        QTest::newRow("flag 2") << 2 << 0 << t << later << false << "answer";
        QTest::newRow("flag -1") << -1 << 0 << t << later << false << "not 0 or 1";
        QTest::newRow("solved, clock running")
            << 0 << 1 << t << 0.0 << false << "clock was not stopped";
        QTest::newRow("solved, stop only a fraction of a day")
            << 0 << 1 << t << 0.75 << false << "clock was not stopped";
        QTest::newRow("stop before start")
            << 0 << 0 << later << t << false << "clock stops before it starts";
        QTest::newRow("stop without start")
            << 1 << 0 << 0.0 << later << false << "stopped but never started";
        QTest::newRow("stripped: start of 5e-324 is not set")
            << 0 << 0 << 5e-324 << 0.0 << true << "";
        QTest::newRow("stripped: stop of -0.9 is not set") << 0 << 0 << 0.0 << -0.9 << true << "";
        QTest::newRow("stripped: a pick")
            << 1 << 0 << 0.0 << 0.0 << true << "answers are already picked";
        QTest::newRow("stripped: a clock") << 0 << 0 << t << later << true << "clock is not zero";
        QTest::newRow("stripped: only a stop")
            << 0 << 0 << 0.0 << 2.0 << true << "clock is not zero";
    }

    void checkJudgesProgress() {
        // Picks and times must agree with each other: flags 0 or 1, a solved
        // Cube's clock stopped, a stop not before its start. --stripped allows
        // neither picks nor a clock; date-times count by their whole part.
        QFETCH(int, wrongFlag);
        QFETCH(int, correctFlag);
        QFETCH(double, start);
        QFETCH(double, stop);
        QFETCH(bool, stripped);
        QFETCH(QString, failure);
        RandomSource randomSource(31);
        SeriesStore store;
        store.seriesSize = 2;
        store.makeRandomSeries(randomSource);
        Cube& c = store[SeriesId::Current][1];
        c.picked[(c.correctAnswer + 2) % 4] = static_cast<std::int8_t>(wrongFlag);
        c.picked[c.correctAnswer] = static_cast<std::int8_t>(correctFlag);
        c.clockStart = start;
        c.clockStop = stop;
        const QString path = pathOf("progress.srs");
        QCOMPARE(saveSeriesFile(path, store[SeriesId::Current], false), WriteResult::Ok);

        QStringList args{"check", path};
        if (stripped)
            args << "--stripped";
        const Run r = tool(args);
        QVERIFY2(r.err.isEmpty(), qPrintable(r.err));
        QCOMPARE(r.code, failure.isEmpty() ? 0 : 1);
        const QRegularExpression named(
            QStringLiteral("^Cube 1: .*%1").arg(QRegularExpression::escape(failure)),
            QRegularExpression::MultilineOption);
        QVERIFY2(r.out.contains(named) == !failure.isEmpty(), qPrintable(r.out));
        QVERIFY(!r.out.contains(QStringLiteral("Cube 0: ")));
    }

    void windowSavesPassCheck() {
        // Series saved without stripping, as the window fills them: Mistakes
        // (wrong picks), Skipped (skips, also of Cubes that come back with
        // picks), Custom (the current Cube filed mid-answer and solved). A
        // file the window writes never fails check; --stripped refuses the
        // picks and times.
        FakeClock clock;
        RandomSource randomSource(5);
        SeriesStore store;
        store.seriesSize = 6;
        store.makeRandomSeries(randomSource);
        SessionState state;
        SilentListener listener;
        SessionFlow flow(store, state, listener, clock);
        flow.resetTest();
        flow.startPause();
        for (int round = 0; round < 2; ++round) {
            // The second round stops early, while Skipped still holds Cubes.
            const int steps = round == 0 ? 40 : 7;
            int step = 0;
            while (store.currentCube() != nullptr && step < steps) {
                const Cube& c = *store.currentCube();
                clock.advanceSeconds(1.5 + step);
                switch (step++ % 5) {
                case 0:
                    flow.pick((c.correctAnswer + 1) % 4);
                    store.addCurrentCube(SeriesId::Custom, state.paused == 0, clock);
                    break;
                case 1:
                    flow.skip();
                    break;
                case 2:
                    flow.startPause(); // pause
                    clock.advanceSeconds(30);
                    flow.startPause();
                    flow.pick((c.correctAnswer + 3) % 4);
                    break;
                case 3:
                    flow.pick(c.correctAnswer);
                    store.addCurrentCube(SeriesId::Custom, state.paused == 0, clock);
                    break;
                default:
                    flow.pick(c.correctAnswer); // moves on once solved
                }
            }
            if (round == 0) {
                // The Mistakes come back as Current, with their picks.
                QVERIFY(store.copyToCurrent(SeriesId::Mistakes));
                flow.resetTest();
                flow.startPause();
            }
        }
        const std::pair<SeriesId, const char*> saved[] = {{SeriesId::Mistakes, "mistakes.srs"},
                                                          {SeriesId::Skipped, "skipped.srs"},
                                                          {SeriesId::Custom, "custom.srs"}};
        for (const auto& [kind, name] : saved) {
            QVERIFY2(store.count(kind) > 0, name);
            const QString path = pathOf(name);
            QCOMPARE(saveSeriesFile(path, store[kind], false), WriteResult::Ok);
            const Run r = tool({"check", path});
            QVERIFY2(r.code == 0, qPrintable(name + (": " + r.out)));
            QCOMPARE(tool({"check", path, "--stripped"}).code, 1);
        }
    }

    void render() {
        // The five pictures of a Cube in its stored state, each at its place
        // in a 1000 x 500 sheet, drawn as the drawing layer draws them.
        const QString path = pickedFile();
        SeriesStore store;
        QCOMPARE(loadSeriesFile(path, store), LoadResult::Ok);
        QCOMPARE(store.count(SeriesId::Current), 3);
        const Cube& solved = store[SeriesId::Current][2];
        const Cube& wrong = store[SeriesId::Current][1];

        const QString png = pathOf("solved.png");
        QCOMPARE(tool({"render", path, "2", "-o", png}).code, 0);
        QImage sheet(png);
        QCOMPARE(sheet.size(), QSize(1000, 500));
        sheet = sheet.convertToFormat(QImage::Format_RGB32);

        ImageCanvas question(500, 500), a0(250, 250), a1(250, 250), a2(250, 250), a3(250, 250);
        const Pictures pictures{&question, {&a0, &a1, &a2, &a3}, makeProjection(250)};
        clearPictures(pictures);
        drawNet(pictures, solved, true);
        for (int a = 0; a < 4; ++a)
            drawAnswer(pictures, solved, a);
        QCOMPARE(sheet.copy(0, 0, 500, 500), question.image());
        const ImageCanvas* answers[] = {&a0, &a1, &a2, &a3};
        for (int a = 0; a < 4; ++a)
            QCOMPARE(sheet.copy(answerRegion(a)), answers[a]->image());

        // Solved: highlight colours in the net and on the correct answer only.
        const auto marks = {kHighlightColors[0], kHighlightColors[1], kHighlightColors[2]};
        QVERIFY(countColors(sheet, QRect(0, 0, 500, 500), marks) > 3 * 5000);
        for (int a = 0; a < 4; ++a) {
            const auto lit = {kHighlightColors[0] + kShade, kHighlightColors[1] - kShade,
                              kHighlightColors[2]};
            const int n = countColors(sheet, answerRegion(a), lit);
            QVERIFY2(a == solved.correctAnswer ? n > 3000 : n == 0, qPrintable(QString::number(a)));
        }

        // A wrong pick: dark red symbols on that answer only, no highlight.
        QCOMPARE(tool({"render", path, "1", "-o", png}).code, 0);
        // -o - writes the same PNG to standard output, and no file "-".
        const Run piped = tool({"render", path, "1", "-o", "-"});
        QVERIFY(piped.code == 0 && piped.outBytes == readAll(png) && !QFile::exists("-"));
        sheet = QImage(png).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(countColors(sheet, QRect(0, 0, 1000, 500), marks), 0);
        const int picked = (wrong.correctAnswer + 1) % 4;
        for (int a = 0; a < 4; ++a) {
            const auto red = {kWrongColor + kShade, kWrongColor - kShade, kWrongColor};
            const int n = countColors(sheet, answerRegion(a), red);
            QVERIFY2(a == picked ? n > 100 : n == 0, qPrintable(QString::number(a)));
        }
    }

    void sheetPages_data() {
        QTest::addColumn<int>("cubes");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("pages");
        QTest::addColumn<QString>("size"); // as pdfinfo names it
        const QString a4 = QStringLiteral("595 x 842 pts (A4)");
        const QString letter = QStringLiteral("612 x 792 pts (letter)");
        QTest::newRow("2 a page, one left over") << 7 << QStringList{} << 4 + 1 << a4;
        QTest::newRow("1 a page") << 7 << QStringList{"--per-page", "1"} << 7 + 1 << a4;
        QTest::newRow("4 a page, pages full") << 8 << QStringList{"--per-page", "4"} << 2 + 1 << a4;
        QTest::newRow("a slice") << 7 << QStringList{"--from", "2", "--count", "3"} << 2 + 1 << a4;
        QTest::newRow("to the end") << 7 << QStringList{"--from", "6"} << 1 + 1 << a4;
        QTest::newRow("key only") << 7 << QStringList{"--key-only"} << 1 << a4;
        QTest::newRow("Letter") << 7 << QStringList{"--page-size", "letter"} << 4 + 1 << letter;
        // 42 lines in 6 columns fill an A4 key page, 39 in 6 a Letter page.
        QTest::newRow("key of 252 on A4") << 252 << QStringList{"--key-only"} << 1 << a4;
        QTest::newRow("key of 253 on A4") << 253 << QStringList{"--key-only"} << 2 << a4;
        QTest::newRow("key of 235 on Letter")
            << 235 << QStringList{"--key-only", "--page-size", "Letter"} << 2 << letter;
        QTest::newRow("253 Cubes 4 a page")
            << 253 << QStringList{"--per-page", "4"} << 64 + 2 << a4;
    }

    void sheetPages() {
        // Items fill their pages in order, the key follows on pages of its
        // own; the page size is the one asked for, portrait.
        QFETCH(int, cubes);
        QFETCH(QStringList, options);
        QFETCH(int, pages);
        QFETCH(QString, size);
        const QString series = pathOf("pages.srs"), pdf = pathOf("pages.pdf");
        QCOMPARE(tool({"generate", QString::number(cubes), "--seed", "9", "-o", series}).code, 0);
        const Run r = tool(QStringList{"sheet", series, "-o", pdf} + options);
        QVERIFY2(r.code == 0 && r.err.isEmpty(), qPrintable(r.err));
        QCOMPARE(pdfPages(pdf), pages);
        QVERIFY(poppler(QStringLiteral("pdfinfo"), {pdf}).contains(size.toUtf8()));
    }

    void sheetKeyMatchesCubes_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("count");
        QTest::newRow("whole series") << QStringList{} << 0 << 20;
        QTest::newRow("a slice") << QStringList{"--from", "5", "--count", "9"} << 5 << 9;
        QTest::newRow("key only") << QStringList{"--key-only", "--from", "12"} << 12 << 8;
        QTest::newRow("worked key") << QStringList{"--explain", "--from", "3"} << 3 << 17;
    }

    void sheetKeyMatchesCubes() {
        // The key names every item once, numbered from 1 in sheet order,
        // with the letter of its Cube's correct answer: A for 0, B for 1, C
        // for 2, D for 3. Picks in the file change nothing.
        QFETCH(QStringList, options);
        QFETCH(int, from);
        QFETCH(int, count);
        const QString series = solvedFile("key.srs", 20, 12), pdf = pathOf("key.pdf");
        SeriesStore store;
        QCOMPARE(loadSeriesFile(series, store), LoadResult::Ok);
        QString expected;
        int index = 0;
        for (const Cube& c : store[SeriesId::Current]) {
            if (index >= from && index < from + count)
                expected += QChar(u'A' + c.correctAnswer);
            ++index;
        }
        QCOMPARE(expected.size(), count);

        const Run r = tool(QStringList{"sheet", series, "-o", pdf} + options);
        QVERIFY2(r.code == 0, qPrintable(r.err));
        const QString text = QString::fromUtf8(poppler(QStringLiteral("pdftotext"), {pdf, "-"}));
        const qsizetype key = text.indexOf(QStringLiteral("Answer key"));
        QVERIFY2(key >= 0, qPrintable(text));
        QString letters(count, QLatin1Char('-'));
        const QRegularExpression entry(QStringLiteral("(\\d+)\\.\\s+([A-D?])\\b"));
        int entries = 0;
        for (const auto& m : entry.globalMatch(text.mid(key))) {
            const int item = m.captured(1).toInt();
            QVERIFY2(item >= 1 && item <= count, qPrintable(m.captured()));
            QCOMPARE(letters[item - 1], QLatin1Char('-'));
            letters[item - 1] = m.captured(2)[0];
            ++entries;
        }
        QCOMPARE(entries, count);
        QCOMPARE(letters, expected);
        // A worked key holds every wrong answer's sentence, as explain says it.
        if (!options.contains(QStringLiteral("--explain")))
            return;
        const QString words = text.mid(key).simplified();
        const QStringList lines =
            tool({"explain", series}).out.split('\n', Qt::SkipEmptyParts).mid(4 * from, 4 * count);
        for (const QString& line : lines)
            if (line.contains(QStringLiteral(" folds=no ")))
                QVERIFY2(words.contains(line.section(QStringLiteral("sentence="), 1)),
                         qPrintable(line));
    }

    void sheetHeadsEveryPage_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("pupilPages");
        QTest::addColumn<int>("gridPages");
        QTest::addColumn<int>("keyPages");
        QTest::addColumn<int>("items");
        QTest::addColumn<QString>("language"); // LANG without its encoding; none: C
        QTest::newRow("default title") << QStringList{} << "Cube folding" << 2 << 0 << 1 << 3 << "";
        QTest::newRow("a title") << QStringList{"--title", "Class 4b"} << "Class 4b" << 2 << 0 << 1
                                 << 3 << "";
        QTest::newRow("no key, 1 a page from 1")
            << QStringList{"--no-key", "--per-page", "1", "--from", "1"} << "Cube folding" << 2 << 0
            << 0 << 2 << "";
        QTest::newRow("key only, to stdout")
            << QStringList{"--key-only", "-o", "-"} << "Cube folding" << 0 << 0 << 1 << 0 << "";
        QTest::newRow("answer grid") << QStringList{"--answer-grid", "--per-page", "6"}
                                     << "Cube folding" << 1 << 1 << 1 << 3 << "";
        QTest::newRow("German") << QStringList{} << "Würfelfalten" << 2 << 0 << 1 << 3 << "de_DE";
        QTest::newRow("German answer grid")
            << QStringList{"--answer-grid"} << "Würfelfalten" << 2 << 1 << 1 << 3 << "de_DE";
        QTest::newRow("Polish, to stdout") << QStringList{"-o", "-", "--answer-grid"}
                                           << "Składanie kostki" << 2 << 1 << 1 << 3 << "pl_PL";
    }

    void sheetHeadsEveryPage() {
        // Every page carries the title (by default "Cube folding", never the
        // file's name) and its number at its foot, the pupils' pages, the
        // answer grid's and the key's counted apart. Every pupil's page and
        // the grid ask for the pupil's name; the first page and the grid's
        // end with the line for the score. The items are numbered on from
        // page to page, from 1 for the first Cube printed, each with its box
        // for the pupil's letter, and the grid lists them with a box for
        // each letter. In German and Polish every text reads as a native
        // reader expects and fits its line.
        QFETCH(QStringList, options);
        QFETCH(QString, title);
        QFETCH(int, pupilPages);
        QFETCH(int, gridPages);
        QFETCH(int, keyPages);
        QFETCH(int, items);
        QFETCH(QString, language);
        // The page's own words in each language, written out by hand.
        struct Words {
            const char* page;
            const char* gridPage;
            const char* keyPage;
            const char* name;
            const char* answer;
            const char* score;
            const char* instruction;
            const char* gridInstruction;
        };
        const std::map<QString, Words> words{
            {"",
             {"Page %1 of %2", "Answer grid, page %1 of %2", "Key, page %1 of %2",
              "Name:", "Answer:", "Score: ____ / %1",
              "Which of the four cubes can be folded from the net? Write A, B, C or D in the "
              "box.",
              "For each item, cross the letter of the cube that can be folded from the net."}},
            {"de_DE",
             {"Seite %1 von %2", "Antwortbogen, Seite %1 von %2",
              "Lösungsschlüssel, Seite %1 von %2", "Name:", "Antwort:", "Punkte: ____ / %1",
              "Welcher der vier Würfel lässt sich aus dem Netz falten? A, B, C oder D ins "
              "Kästchen schreiben.",
              "Bei jeder Aufgabe den Buchstaben des Würfels ankreuzen, der sich aus dem Netz "
              "falten lässt."}},
            {"pl_PL",
             {"Strona %1 z %2", "Karta odpowiedzi, strona %1 z %2",
              "Klucz odpowiedzi, strona %1 z %2",
              "Imię i nazwisko:", "Odpowiedź:", "Wynik: ____ / %1",
              "Którą z czterech kostek można złożyć z siatki? Wpisz A, B, C lub D w kratce.",
              "Przy każdym zadaniu zaznacz literę kostki, którą można złożyć z siatki."}},
        };
        const Words& w = words.at(language);
        const QString series = pathOf("heads.srs"), pdf = pathOf("heads.pdf");
        QCOMPARE(tool({"generate", "3", "--seed", "2", "-o", series}).code, 0);
        const Run r = tool(QStringList{"sheet", series, "-o", pdf} + options, -1, language);
        QVERIFY(r.code == 0 && (!options.contains("-") || writeAll(pdf, r.outBytes)));
        const int pages = pdfPages(pdf);
        QCOMPARE(pages, pupilPages + gridPages + keyPages);
        const QRegularExpression number(QStringLiteral("^(\\d+)\\.$"),
                                        QRegularExpression::MultilineOption);
        const QRegularExpression gridLine(QStringLiteral("^(\\d+)\\.\\s+A\\s+B\\s+C\\s+D$"),
                                          QRegularExpression::MultilineOption);
        const QString score = QString::fromUtf8(w.score).arg(items);
        int item = 1, gridItem = 1;
        for (int page = 1; page <= pages; ++page) {
            const QString text = pageText(pdf, page);
            QVERIFY2(text.startsWith(title + '\n'), qPrintable(text));
            QVERIFY2(!text.contains(dir_.path()), qPrintable(text));
            const bool pupils = page <= pupilPages, key = page > pupilPages + gridPages;
            const bool grid = !pupils && !key;
            const int inPart = pupils ? page
                               : grid ? page - pupilPages
                                      : page - pupilPages - gridPages;
            const QString foot = QString::fromUtf8(pupils ? w.page
                                                   : grid ? w.gridPage
                                                          : w.keyPage)
                                     .arg(inPart)
                                     .arg(pupils ? pupilPages
                                          : grid ? gridPages
                                                 : keyPages);
            QVERIFY2(text.contains('\n' + foot + '\n'), qPrintable(text));
            // The instructions fit their line.
            QCOMPARE(text.contains(QString::fromUtf8(w.name)), !key);
            QCOMPARE(text.contains('\n' + QString::fromUtf8(w.instruction) + '\n'),
                     pupils && page == 1);
            QCOMPARE(text.contains('\n' + QString::fromUtf8(w.gridInstruction) + '\n'), grid);
            QCOMPARE(text.contains(score), !key && inPart == 1);
            const int firstItem = item;
            for (const auto& m : number.globalMatch(pupils ? text : QString()))
                QCOMPARE(m.captured(1).toInt(), item++);
            QCOMPARE(text.count(QString::fromUtf8(w.answer)), item - firstItem);
            for (const auto& m : gridLine.globalMatch(grid ? text : QString()))
                QCOMPARE(m.captured(1).toInt(), gridItem++);
        }
        QCOMPARE(item - 1, items);
        QCOMPARE(gridItem - 1, gridPages > 0 ? items : 0);
    }

    void sheetVersions_data() {
        QTest::addColumn<QString>("letters"); // of the series as given
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("versions");
        QTest::addColumn<int>("repeats"); // of an item's key letter, over all items
        const QString tenD = QStringLiteral("DDDDDDDDDDAAAABBBCCC");
        QTest::newRow("2 versions")
            << "ABCDABCDABCD" << QStringList{"--versions", "2"} << 0 << 2 << 0;
        QTest::newRow("4, a slice, key only")
            << "ABCDDCBAABCD" << QStringList{"--versions", "4", "--from", "4", "--key-only"} << 4
            << 4 << 0;
        // B to D hold D 15 times, and only the 10 items whose D is not
        // right in A can take it without a repeat.
        QTest::newRow("20, D right 10 times in A")
            << tenD << QStringList{"--versions", "4"} << 0 << 4 << 5;
        QTest::newRow("20, A balanced too")
            << tenD << QStringList{"--versions", "4", "--balance-a"} << 0 << 4 << 0;
        QTest::newRow("7, A balanced too")
            << "AAAAAAA" << QStringList{"--versions", "4", "--balance-a"} << 0 << 4 << 0;
        // Each of B to D has A right at least once.
        QTest::newRow("7, A right 7 times in A")
            << "AAAAAAA" << QStringList{"--versions", "4"} << 0 << 4 << 3;
    }

    void sheetVersions() {
        // Each version holds the same Cubes, unsolved, with the answers
        // rearranged (A as given unless --balance-a); within a version each
        // letter is right a quarter of the time, give or take one, and an
        // item's key letter repeats over the versions only where those
        // counts leave no other way. Its key names the answer its own Cube
        // marks correct, its series passes the check of a fresh series, and
        // one seed gives the same versions again, another seed others.
        QFETCH(QString, letters);
        QFETCH(QStringList, options);
        QFETCH(int, from);
        QFETCH(int, versions);
        QFETCH(int, repeats);
        const bool balanceA = options.contains("--balance-a");
        const QString series = lettersFile("versions.srs", letters);
        const auto run = [&](const char* out, const char* seed) {
            return tool(QStringList{"sheet", series, "-o", pathOf(out), "--save-series", "--seed",
                                    seed} +
                        options)
                .code;
        };
        QCOMPARE(run("ver.pdf", "5") + run("again", "5") + run("other.pdf", "6"), 0);
        SeriesStore given;
        QCOMPARE(loadSeriesFile(series, given), LoadResult::Ok);
        const int n = static_cast<int>(given[SeriesId::Current].size()) - from;
        std::vector<std::set<int>> keyPlaces(static_cast<std::size_t>(n));
        bool otherSeedDiffers = false;
        for (int v = 0; v < versions; ++v) {
            const QString letter = QChar(u'A' + v), name = pathOf("ver-") + letter;
            const QByteArray bytes = readAll(name + ".srs");
            QCOMPARE(readAll(pathOf("again-") + letter + ".srs"), bytes);
            otherSeedDiffers |= readAll(pathOf("other-") + letter + ".srs") != bytes;
            QCOMPARE(tool({"check", name + ".srs", "--stripped"}).code, 0);
            SeriesStore store;
            QCOMPARE(loadSeriesFile(name + ".srs", store), LoadResult::Ok);
            QString key;
            int right[4] = {};
            for (std::size_t i = 0; i < store[SeriesId::Current].size(); ++i) {
                const Cube& c = store[SeriesId::Current][i];
                const Cube& g = given[SeriesId::Current][from + i];
                Cube back = c; // each answer put back where the series had it
                for (int a = 0; a < 4; ++a)
                    for (int b = 0; b < 4; ++b)
                        if (std::memcmp(c.answerSymbol[a], g.answerSymbol[b], 3) == 0 &&
                            std::memcmp(c.answerTurn[a], g.answerTurn[b], 3) == 0) {
                            std::memcpy(back.answerSymbol[b], c.answerSymbol[a], 3);
                            std::memcpy(back.answerTurn[b], c.answerTurn[a], 3);
                            back.correctAnswer = a == c.correctAnswer ? b : back.correctAnswer;
                            QVERIFY(v > 0 || balanceA || a == b);
                        }
                std::memcpy(back.picked, g.picked, 4);
                back.clockStart = g.clockStart;
                back.clockStop = g.clockStop;
                QVERIFY(sameCube(back, g));
                keyPlaces[i].insert(c.correctAnswer);
                ++right[c.correctAnswer];
                key += QChar(u'A' + c.correctAnswer);
            }
            if (v > 0 || balanceA)
                for (int count : right)
                    QVERIFY2(count == n / 4 || count == (n + 3) / 4, qPrintable(key));
            QCOMPARE(keyLetters(name + ".pdf"), key);
            QVERIFY(pageText(name + ".pdf", 1).contains("Version " + letter));
        }
        int repeated = 0;
        for (const std::set<int>& places : keyPlaces)
            repeated += versions - static_cast<int>(places.size());
        QCOMPARE(repeated, repeats);
        QVERIFY(otherSeedDiffers);
    }

    void monoHoldsOnlyGreys_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<bool>("grey");
        QTest::newRow("mono, 4 a page") << QStringList{"--mono", "--per-page", "4"} << true;
        QTest::newRow("colour") << QStringList{} << false;
    }

    void monoHoldsOnlyGreys() {
        // With --mono every pixel of every page is a grey, the PDF's
        // rounding aside; without it the faces are tinted.
        QFETCH(QStringList, options);
        QFETCH(bool, grey);
        const QString pdf = pathOf("mono.pdf"), prefix = pathOf(grey ? "grey" : "tinted");
        QCOMPARE(tool(QStringList{"sheet", solvedFile("mono.srs", 5, 9), "-o", pdf} + options).code,
                 0);
        poppler(QStringLiteral("pdftoppm"), {"-r", "30", "-png", pdf, prefix});
        int tinted = 0;
        for (int page = 1; page <= pdfPages(pdf); ++page) {
            const QImage image = QImage(prefix + QStringLiteral("-%1.png").arg(page))
                                     .convertToFormat(QImage::Format_RGB32);
            QVERIFY(!image.isNull());
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) {
                    const QRgb p = image.pixel(x, y);
                    const auto [lo, hi] = std::minmax({qRed(p), qGreen(p), qBlue(p)});
                    tinted += hi - lo > 2 ? 1 : 0;
                }
        }
        QCOMPARE(tinted == 0, grey);
    }

    void sheetShowsCubesUnsolved() {
        // Every Cube of the file is solved after a wrong pick, but the sheet
        // shows none of it: no highlight, no dark red, only the unsolved
        // colours, drawn as shapes rather than pasted images.
        const QString series = solvedFile("solved.srs", 4, 21), pdf = pathOf("solved.pdf");
        QCOMPARE(tool({"sheet", series, "-o", pdf}).code, 0);
        const QByteArray bytes = readAll(pdf);
        QVERIFY(bytes.startsWith("%PDF-"));
        QVERIFY(!QString::fromLatin1(bytes).contains(
            QRegularExpression(QStringLiteral("/Subtype\\s*/Image"))));

        const QString prefix = pathOf("solved-page");
        poppler(QStringLiteral("pdftoppm"), {"-r", "50", "-aa", "no", "-aaVector", "no", "-png",
                                             "-f", "1", "-l", "2", pdf, prefix});
        std::vector<QRgb> solvedColours;
        for (Color c : {kHighlightColors[0], kHighlightColors[1], kHighlightColors[2], kWrongColor})
            for (Color shaded : {c, c + kShade, c - kShade})
                solvedColours.push_back(toQRgb(shaded));
        for (const char* page : {"-1.png", "-2.png"}) {
            const QImage image = QImage(prefix + page).convertToFormat(QImage::Format_RGB32);
            QVERIFY2(!image.isNull(), page);
            int faces = 0, solved = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) {
                    const QRgb pixel = image.pixel(x, y);
                    faces += near(pixel, toQRgb(kFaceColor)) ? 1 : 0;
                    for (QRgb c : solvedColours)
                        solved += near(pixel, c) ? 1 : 0;
                }
            QVERIFY2(faces > 1000, qPrintable(QString::number(faces)));
            QCOMPARE(solved, 0);
        }
    }

    void failedWriteKeepsTheEarlierFile_data() {
        QTest::addColumn<QStringList>("args"); // the output goes last
        QTest::newRow("generate") << QStringList{"generate", "1000", "--seed", "4", "-o"};
        QTest::newRow("sheet") << QStringList{"sheet", solvedFile("many.srs", 40, 3), "-o"};
    }

    void failedWriteKeepsTheEarlierFile() {
        // A write the disk refuses half way: exit code 2 and the system's
        // reason on one line; the earlier file stays byte for byte and no
        // temporary file is left behind.
        QFETCH(QStringList, args);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString out = dir.filePath(QStringLiteral("earlier"));
        const QByteArray earlier(3000, 'e');
        QVERIFY(writeAll(out, earlier));
        args << out;
        const Run r = tool(args, 20'000);
        QCOMPARE(r.code, 2);
        QCOMPARE(r.err,
                 QStringLiteral("vexlor-series: cannot write %1: File too large\n").arg(out));
        QCOMPARE(readAll(out), earlier);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"earlier"});
        // Without the limit the same command replaces the file.
        QCOMPARE(tool(args).code, 0);
        QVERIFY(readAll(out) != earlier);
    }

    // At ratio 1 every pixel is the one drawn before screens of a higher
    // ratio were served: the sheets of the three Cubes of pickedFile (not
    // picked, picked wrongly, solved) as the program first drew them.
    void renderKeepsItsPixels_data() {
        QTest::addColumn<int>("index");
        QTest::newRow("not picked") << 0;
        QTest::newRow("picked wrongly") << 1;
        QTest::newRow("solved") << 2;
    }
    void renderKeepsItsPixels() {
        QFETCH(int, index);
        const QString png = pathOf("sheet.png");
        QCOMPARE(tool({"render", pickedFile(), QString::number(index), "-o", png}).code, 0);
        const QImage expected = QImage(QStringLiteral(VEXLOR_TEST_DATA "/picked-%1.png").arg(index))
                                    .convertToFormat(QImage::Format_RGB32);
        QCOMPARE(expected.size(), QSize(1000, 500));
        QVERIFY(QImage(png).convertToFormat(QImage::Format_RGB32) == expected);
    }

    // "-", /dev/stdin and /dev/fd/0 read standard input (a pipe, a file, or
    // closed) as the file itself is read, named as given ("standard input"
    // for "-"); an output that is standard input's file is refused.
    void readsStandardInput_data() {
        QTest::addColumn<QStringList>("args"); // the input second
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("given"); // standard input: a pipe, the file, or closed
        const QByteArray picked = readAll(pickedFile()), cut = picked.left(300);
        QFile::link(pathOf("input.srs"), pathOf("link.png"));
        QTest::newRow("info -") << QStringList{"info", "-", "--json"} << picked << "pipe";
        QTest::newRow("check /dev/stdin") << QStringList{"check", "/dev/stdin"} << picked << "pipe";
        QTest::newRow("fd 0") << QStringList{"check", "/dev/fd/0", "--stripped"} << picked
                              << "pipe";
        QTest::newRow("cut short") << QStringList{"info", "-"} << cut << "pipe";
        QTest::newRow("longer than a pipe holds")
            << QStringList{"check", "-"} << readAll(solvedFile("long.srs", 1000, 6)) << "pipe";
        QTest::newRow("closed") << QStringList{"info", "-"} << QByteArray() << "closed";
        QTest::newRow("render over its input")
            << QStringList{"render", "-", "0", "-o", pathOf("link.png")} << picked << "file";
    }
    void readsStandardInput() {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, given);
        const QString file = pathOf("input.srs"), input = args[1];
        QVERIFY(writeAll(file, bytes));
        const QString name = input == QLatin1String("-") ? QStringLiteral("standard input") : input;
        const auto setUp = [&](QProcess& p) {
            if (given == QLatin1String("file"))
                p.setStandardInputFile(file);
            if (given == QLatin1String("closed"))
                p.setChildProcessModifier([] { ::close(STDIN_FILENO); });
        };
        const Run r = runProgram(QStringLiteral(VEXLOR_SERIES_BIN), args, 60'000, setUp,
                                 given == QLatin1String("pipe") ? bytes : QByteArray());
        args[1] = file;
        Run expected = tool(args);
        QCOMPARE(r.code, expected.code);
        QCOMPARE(r.err, expected.err.replace(file, name));
        QCOMPARE(r.outBytes, expected.outBytes.replace(file.toUtf8(), name.toUtf8()));
    }

    // "help COMMAND" and "COMMAND --help" show the command's synopsis, its
    // options and no other, and its exit codes; the general help lists it.
    void helpPerCommand_data() {
        QTest::addColumn<QStringList>("options"); // the command, an option of its, a foreign one
        QTest::newRow("generate") << QStringList{"generate", "--seed <SECONDS>", "--json"};
        QTest::newRow("info") << QStringList{"info", "--json", "--seed"};
        QTest::newRow("check") << QStringList{"check", "--stripped", "--output"};
        QTest::newRow("sheet") << QStringList{"sheet", "--save-series", "--db"};
    }
    void helpPerCommand() {
        QFETCH(QStringList, options);
        const Run help = tool({"help", options[0]}), asked = tool({options[0], "--help"});
        QCOMPARE(asked.out, help.out);
        QVERIFY2(help.code == 0 && asked.code == 0 &&
                     help.out.startsWith("Usage: vexlor-series " + options[0] + ' ') &&
                     help.out.contains("\n  " + options[1] + ' ') &&
                     !help.out.contains(options[2]) &&
                     help.out.contains(QLatin1String("\nExit codes: 0 ")),
                 qPrintable(help.out));
        QVERIFY(tool({"help"}).out.contains("\n  " + options[0] + ' '));
    }

    void badInput_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        const QString wrong = pathOf("wrong.srs"), tiny = pathOf("tiny.srs"),
                      zero = pathOf("zero.srs"), cut = pathOf("cut.srs"),
                      cutOne = pathOf("cut-one.srs");
        writeAll(wrong, QByteArray("SRS\0\1\0", 6) + QByteArray(232, '\0'));
        writeAll(tiny, QByteArray("SR"));
        writeAll(zero, QByteArray("SRS \0\0", 6));
        writeAll(cut, QByteArray("SRS \2\0", 6) + QByteArray(232 + 100, '\0'));
        writeAll(cutOne, QByteArray("SRS \1\0", 6) + QByteArray(100, '\0'));
        const QString missing = pathOf("missing.srs");

        QTest::newRow("no command") << QStringList{} << "no command";
        QTest::newRow("unknown command") << QStringList{"frobnicate"} << "unknown command";
        QTest::newRow("unknown option") << QStringList{"info", wrong, "--fast"} << "fast";
        QTest::newRow("missing file") << QStringList{"info", missing} << "cannot open";
        QTest::newRow("folder") << QStringList{"check", dir_.path()}
                                << "cannot open " + dir_.path() + ": it is a folder, not a series";
        // Refused at once: nothing waits for a writer to come to the FIFO.
        const QString fifo = pathOf("pipe.srs");
        ::mkfifo(QFile::encodeName(fifo).constData(), 0600);
        const QString isFifo = "cannot open " + fifo + ": it is a named pipe (FIFO), not a series";
        QTest::newRow("info of a FIFO") << QStringList{"info", fifo} << isFifo;
        QTest::newRow("sheet of a FIFO")
            << QStringList{"sheet", fifo, "-o", pathOf("x.pdf")} << isFifo;
        QTest::newRow("a device") << QStringList{"info", "/dev/zero"}
                                  << "it is a character device, not a series";
        QTest::newRow("wrong magic") << QStringList{"info", wrong} << "not a series file";
        QTest::newRow("short file") << QStringList{"check", tiny} << "too short";
        QTest::newRow("count 0") << QStringList{"info", zero} << "count is 0";
        // The line ends with the message: "1 whole record", not "records".
        QTest::newRow("cut record")
            << QStringList{"info", cut} << "announces 2 Cubes but holds 1 whole record\n";
        QTest::newRow("cut single record")
            << QStringList{"check", cutOne} << "announces 1 Cube but holds 0 whole records";
        QTest::newRow("count 0 Cubes") << QStringList{"generate", "0", "-o", missing} << "COUNT";
        QTest::newRow("count too big")
            << QStringList{"generate", "65536", "-o", missing} << "1 to 65535";
        QTest::newRow("count not a number")
            << QStringList{"generate", "ten", "-o", missing} << "COUNT";
        QTest::newRow("bad seed") << QStringList{"generate", "3", "--seed", "soon", "-o", missing}
                                  << "SECONDS";
        QTest::newRow("no output") << QStringList{"generate", "3"} << "-o FILE";
        QTest::newRow("unwritable output")
            << QStringList{"generate", "3", "-o", pathOf("no/such/folder/x.srs")}
            << "cannot write " + pathOf("no/such/folder/x.srs") + ": No such file or directory";
        QTest::newRow("negative count")
            << QStringList{"generate", "-3", "-o", missing} << "COUNT must be a whole number";
        QTest::newRow("option of another command")
            << QStringList{"check", wrong, "--json"} << "does not apply";
        QTest::newRow("render index too big")
            << QStringList{"render", pickedFile(), "3", "-o", pathOf("x.png")} << "from 0 to 2";
        QTest::newRow("render negative index")
            << QStringList{"render", pickedFile(), "-1", "-o", pathOf("x.png")}
            << "index out of range: " + pickedFile() + " holds 3 Cubes, so INDEX runs from 0 to 2";
        QTest::newRow("render index not a number")
            << QStringList{"render", pickedFile(), "first", "-o", pathOf("x.png")} << "INDEX";
        QTest::newRow("render without -o") << QStringList{"render", pickedFile(), "0"} << "-o PNG";
        QTest::newRow("render to no folder")
            << QStringList{"render", pickedFile(), "0", "-o", pathOf("no/such/x.png")}
            << "cannot write";
        QTest::newRow("render of a cut file")
            << QStringList{"render", cut, "0", "-o", pathOf("x.png")} << "cut short";
        QTest::newRow("too many arguments") << QStringList{"info", wrong, wrong} << "usage";
        QTest::newRow("help of no command") << QStringList{"help", "frob"} << "unknown command";

        const QString good = pathOf("sheet-good.srs"), broken = pathOf("sheet-broken.srs");
        const QString pdf = pathOf("x.pdf");
        tool({"generate", "3", "--seed", "5", "-o", good});
        QByteArray bytes = readAll(good);
        bytes[6 + 232 + 162] = char(40); // Cube 1: face 0 carries symbol 40
        writeAll(broken, bytes);
        const auto sheet = [&](const QString& file, const QStringList& options) {
            return QStringList{"sheet", file, "-o", pdf} + options;
        };
        QTest::newRow("sheet of an empty series") << sheet(zero, {}) << "count is 0";
        QTest::newRow("sheet of a cut file") << sheet(cut, {}) << "cut short";
        QTest::newRow("sheet of no series file") << sheet(wrong, {}) << "not a series file";
        QTest::newRow("sheet of a missing file") << sheet(missing, {}) << "cannot open";
        QTest::newRow("sheet of a broken Cube")
            << sheet(broken, {}) << "Cube 1 of " + broken + " cannot be printed: face symbol";
        QTest::newRow("sheet 0 a page") << sheet(good, {"--per-page", "0"}) << "from 1 to 6";
        QTest::newRow("sheet 7 a page") << sheet(good, {"--per-page", "7"}) << "from 1 to 6";
        QTest::newRow("sheet from -1")
            << sheet(good, {"--from", "-1"})
            << "index out of range: " + good + " holds 3 Cubes, so --from runs from 0 to 2, not -1";
        QTest::newRow("sheet from past the end")
            << sheet(good, {"--from", "3"}) << "index out of range";
        QTest::newRow("sheet from not a number") << sheet(good, {"--from", "one"}) << "--from";
        QTest::newRow("sheet count 0") << sheet(good, {"--count", "0"}) << "from 1 to 3";
        QTest::newRow("sheet count past the end")
            << sheet(good, {"--from", "1", "--count", "3"}) << "from 1 to 2 (the Cubes from 1 on)";
        QTest::newRow("sheet on A5") << sheet(good, {"--page-size", "A5"}) << "A4 or Letter";
        QTest::newRow("sheet without -o") << QStringList{"sheet", good} << "-o OUT.pdf";
        QTest::newRow("sheet with --json") << sheet(good, {"--json"}) << "does not apply";
        QTest::newRow("sheet to no folder")
            << QStringList{"sheet", good, "-o", pathOf("no/such/x.pdf")}
            << "No such file or directory";
        QTest::newRow("1 version") << sheet(good, {"--versions", "1"}) << "from 2 to 4, not '1'";
        QTest::newRow("5 versions") << sheet(good, {"--versions", "5"}) << "from 2 to 4, not '5'";
        QTest::newRow("series without versions")
            << sheet(good, {"--save-series"}) << "needs --versions";
        QTest::newRow("seed without versions") << sheet(good, {"--seed", "3"}) << "--seed needs";
        QTest::newRow("balance-a without versions")
            << sheet(good, {"--balance-a"}) << "--balance-a needs";
        QTest::newRow("versions to no folder")
            << QStringList{"sheet", good, "--versions", "2", "-o", pathOf("no/such/x.pdf")}
            << "cannot write " + pathOf("no/such/x-A.pdf") + ": No such file or directory";
        QTest::newRow("versions to stdout")
            << QStringList{"sheet", good, "--versions", "2", "-o", "-"} << "-o - cannot take";
        QTest::newRow("no key, key only") << sheet(good, {"--no-key", "--key-only"}) << "nothing";
        QTest::newRow("explain item 0")
            << QStringList{"explain", good, "--item", "0"}
            << "--item must be a whole number from 1 to 3 (" + good + " holds 3 Cubes), not '0'";
        QTest::newRow("explain past the end")
            << QStringList{"explain", good, "--item", "4"} << "from 1 to 3";
        QTest::newRow("explain a broken Cube")
            << QStringList{"explain", broken}
            << "item 2 of " + broken + " cannot be explained: face symbol";

        // An output that is the file being read, by any name, is refused
        // before anything is written.
        const QString in = pathOf("in.srs"), inB = pathOf("in-B.srs"), link = pathOf("link.pdf"),
                      hard = pathOf("hard.pdf"), dotted = dir_.path() + "/./in.srs";
        QVERIFY(QFile::copy(good, in) && QFile::copy(good, inB) && QFile::link(in, link));
        QCOMPARE(::link(qPrintable(in), qPrintable(hard)), 0);
        const auto isInput = [](const QString& out, const QString& read) -> QString {
            return "cannot write " + out + ": it is " + read + ", the file being read\n";
        };
        QTest::newRow("sheet over its input")
            << QStringList{"sheet", in, "-o", in} << isInput(in, in);
        QTest::newRow("sheet through ./")
            << QStringList{"sheet", in, "-o", dotted} << isInput(dotted, in);
        QTest::newRow("sheet through a symlink")
            << QStringList{"sheet", in, "-o", link} << isInput(link, in);
        QTest::newRow("render through a hard link")
            << QStringList{"render", in, "1", "-o", hard} << isInput(hard, in);
        QTest::newRow("a version's series")
            << QStringList{"sheet", inB, "--versions", "3", "--save-series", "-o", pathOf("in.pdf")}
            << isInput(inB, inB);
        const QString picked = pickedFile();
        QTest::newRow("report over a results file")
            << QStringList{"report", picked, in, "-o", hard} << isInput(hard, in);
        QTest::newRow("report's CSV over its original")
            << QStringList{"report", picked, "--original", in, "-o", pdf, "--csv", link}
            << isInput(link, in);
        QTest::newRow("report's CSV and PDF in one file")
            << QStringList{"report", picked, "-o", pdf, "--csv", pdf} << "give each its own";
        QTest::newRow("report of no file") << QStringList{"report", "-o", pdf} << "usage";
        QTest::newRow("report without -o") << QStringList{"report", picked} << "-o report.pdf";
        QTest::newRow("report with --json")
            << QStringList{"report", picked, "-o", pdf, "--json"} << "does not apply";
    }

    void reportCommand_data() {
        QTest::addColumn<QStringList>("files"); // of the pupils made below, or the series
        QTest::addColumn<int>("code");
        QTest::addColumn<QStringList>("err"); // what each line says, %1 the series
        QTest::addColumn<QString>("rights");  // the CSV's column, a word a pupil, - for none
        const QString leftOut = "left out %1: no Cube has a pick, so it is not a results file";
        QTest::newRow("two versions")
            << QStringList{"ann", "bob"} << 0 << QStringList{} << "1111 11--";
        QTest::newRow("the series left out")
            << QStringList{"ann", "class"} << 1 << QStringList{leftOut} << "1111";
        QTest::newRow("no results")
            << QStringList{"class"} << 2 << QStringList{leftOut, "no file could be used"} << "";
    }

    void reportCommand() {
        // The report reads the pupils' files in any version against the
        // original: ann answered all four Cubes of version A right, bob the
        // first two of version B, and left the others. A file left out is
        // named and gives exit code 1; with none left, nothing is written.
        QFETCH(QStringList, files);
        QFETCH(int, code);
        QFETCH(QStringList, err);
        QFETCH(QString, rights);
        const QString series = pathOf("class.srs"), pdf = pathOf("class.pdf"),
                      csv = pathOf("class.csv");
        QFile::remove(pdf);
        QFile::remove(csv);
        QCOMPARE(tool({"generate", "4", "--seed", "6", "-o", series}).code, 0);
        QCOMPARE(tool({"sheet", series, "--versions", "2", "--save-series", "-o", pathOf("cl.pdf")})
                     .code,
                 0);
        const auto answer = [&](const char* version, const char* name, int answered) {
            SeriesStore store;
            QCOMPARE(loadSeriesFile(pathOf("cl-") + version + ".srs", store), LoadResult::Ok);
            for (int i = 0; i < answered; ++i) {
                Cube& c = store[SeriesId::Current][static_cast<std::size_t>(i)];
                c.picked[c.correctAnswer] = 1;
                c.clockStart = 46'000.5;
                c.clockStop = c.clockStart + 9.5 / 86'400;
            }
            QCOMPARE(saveSeriesFile(pathOf(name) + ".srs", store[SeriesId::Current], false),
                     WriteResult::Ok);
        };
        answer("A", "ann", 4);
        answer("B", "bob", 2);
        QStringList args{"report"};
        for (const QString& f : files)
            args << pathOf(qPrintable(f)) + ".srs";
        const Run r = tool(args + QStringList{"--original", series, "-o", pdf, "--csv", csv});
        QCOMPARE(r.code, code);
        const QStringList said = r.err.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(said.size(), err.size());
        for (qsizetype k = 0; k < err.size(); ++k)
            QVERIFY2(said[k].contains(QString(err[k]).replace("%1", series)), qPrintable(r.err));
        QCOMPARE(QFile::exists(pdf), code != 2);
        if (code == 2)
            return;
        QVERIFY(pageText(pdf, 1).startsWith("Class report\n"));
        QStringList lines = QString::fromUtf8(readAll(csv)).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.takeFirst(), "pupil,item,recipe,answer,correct,right,seconds");
        QString column;
        for (const QString& line : lines) {
            // The recipe may hold a comma; the fields after it do not.
            const QStringList f = line.split(',');
            const QString letter = f[f.size() - 4], key = f[f.size() - 3], right = f[f.size() - 2];
            column +=
                (f[1] == "1" && !column.isEmpty() ? " " : "") + (right.isEmpty() ? "-" : right);
            // An answer is right exactly where its letter is the key's, and
            // takes its time from the clock.
            QCOMPARE(letter == key, right == "1");
            QCOMPARE(f.last(), right.isEmpty() ? "" : "9.500");
        }
        QCOMPARE(column, rights);
    }

    void badInput() {
        // One clear line on stderr, exit code 2, nothing on stdout, no crash.
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        const auto files = [this] { // the folder's files, the large ones aside
            std::map<QString, QByteArray> bytes;
            for (const QFileInfo& f : QDir(dir_.path()).entryInfoList(QDir::Files))
                bytes[f.fileName()] = f.size() < 1'000'000 ? readAll(f.filePath()) : "";
            return bytes;
        };
        const auto before = files();
        const Run r = tool(args);
        QVERIFY(files() == before); // no file made or changed
        QCOMPARE(r.code, 2);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QCOMPARE(r.err.count('\n'), 1);
        QVERIFY(r.err.startsWith(QStringLiteral("vexlor-series: ")));
        QVERIFY(r.out.isEmpty());
        QVERIFY(!QFile::exists(pathOf("missing.srs")));
        QVERIFY(!QFile::exists(pathOf("x.png")));
        QVERIFY(!QFile::exists(pathOf("x.pdf")));
        QVERIFY(!QFile::exists(pathOf("x-A.pdf")));
        QVERIFY(!QFile::exists(pathOf("x-A.srs")));
    }
};

QTEST_GUILESS_MAIN(ToolTest)
#include "tst_vexlor_series.moc"
