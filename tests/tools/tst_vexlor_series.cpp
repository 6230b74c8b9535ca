// The vexlor-series tool, run as a separate process: each subcommand, same
// seed same bytes, and exit codes 0 (fine), 1 (broken Cubes), 2 (bad input).
#include "app/image_canvas.h"
#include "cube/generator.h"
#include "cube/invariants.h"
#include "cube/random.h"
#include "cube/topology.h"
#include "file_util.h"
#include "render/palette.h"
#include "render/pictures.h"
#include "render/projection.h"
#include "series/series_file.h"

#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>

using namespace vexlor;

namespace {

struct Run {
    int code = -1;
    QString out;
    QString err;
};

Run Tool(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(VEXLOR_SERIES_BIN), args);
    Run r;
    if (!p.waitForFinished(120'000) || p.exitStatus() != QProcess::NormalExit) {
        r.err = QStringLiteral("crashed or hung");
        return r;
    }
    r.code = p.exitCode();
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

// How many pixels of a region carry one of the given colours.
int CountColors(const QImage& image, QRect region, std::initializer_list<Color> colors) {
    int n = 0;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            for (Color c : colors)
                n += FromQRgb(image.pixel(x, y)) == c ? 1 : 0;
    return n;
}

QRect AnswerRegion(int a) {
    return QRect(500 + 250 * (a % 2), 250 * (a / 2), 250, 250);
}

} // namespace

class ToolTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString Path(const char* name) const { return dir_.filePath(QLatin1String(name)); }

    // A series of three generated Cubes; the second wrongly picked, the
    // third solved after 12.34 s, as Mistakes would save them.
    QString PickedFile() {
        SetupTopology();
        SeedRandom(77);
        SeriesStore store;
        store.seriesSize = 3;
        store.MakeRandomSeries();
        Series& cubes = store[SeriesKind::Current];
        CubeNode* second = &cubes[1];
        second->chosen[(second->correct + 1) % 4] = 1;
        second->tstart = 46'000.5;
        second->tstop = 46'000.5 + 3.0 / 86'400;
        CubeNode* third = &cubes[2];
        third->chosen[third->correct] = 1;
        third->tstart = 46'001.25;
        third->tstop = 46'001.25 + 12.34 / 86'400;
        const QString path = Path("picked.srs");
        if (SaveSeriesFile(path, cubes, false) != WriteResult::Ok)
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

private slots:
    void initTestCase() { QVERIFY(dir_.isValid()); }

    void generateWritesAsSaveDoes() {
        // Same seed, same bytes: the bytes the program's own Save of a fresh
        // Current series would write.
        const QString a = Path("a.srs"), b = Path("b.srs"), c = Path("c.srs");
        Run r = Tool({"generate", "5", "--seed", "1700000000", "-o", a});
        QCOMPARE(r.code, 0);
        QVERIFY(r.err.isEmpty());
        QCOMPARE(Tool({"generate", "5", "--seed", "1700000000", "--output", b}).code, 0);
        QCOMPARE(Tool({"generate", "5", "--seed", "1700000001", "-o", c}).code, 0);
        const QByteArray bytes = ReadAll(a);
        QCOMPARE(bytes.size(), qsizetype(SeriesFileSize(5)));
        QCOMPARE(ReadAll(b), bytes);
        QVERIFY(ReadAll(c) != bytes);

        SetupTopology();
        SeedRandom(1'700'000'000);
        SeriesStore store;
        store.seriesSize = 5;
        store.MakeRandomSeries();
        const QString own = Path("own.srs");
        QCOMPARE(SaveSeriesFile(own, store[SeriesKind::Current], true), WriteResult::Ok);
        QCOMPARE(ReadAll(own), bytes);
    }

    void generateBounds() {
        QCOMPARE(Tool({"generate", "1", "-o", Path("one.srs")}).code, 0);
        QCOMPARE(ReadAll(Path("one.srs")).size(), qsizetype(SeriesFileSize(1)));
        QCOMPARE(Tool({"generate", "65535", "--seed", "3", "-o", Path("max.srs")}).code, 0);
        const QByteArray max = ReadAll(Path("max.srs"));
        QCOMPARE(max.size(), qsizetype(SeriesFileSize(65'535)));
        QCOMPARE(max.mid(4, 2), QByteArray("\xff\xff", 2));
        const Run r = Tool({"check", Path("max.srs")});
        QCOMPARE(r.code, 0);
        QVERIFY(r.out.contains(QStringLiteral("all 65535 Cubes")));
    }

    void info() {
        const QString path = PickedFile();
        const Run r = Tool({"info", path});
        QCOMPARE(r.code, 0);
        const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 3);
        QVERIFY(lines[0].startsWith(QStringLiteral("index=0 ")));
        QVERIFY(lines[0].contains(QStringLiteral(" chosen=0,0,0,0 time=0.0 solved=no")));
        QVERIFY(lines[1].contains(QStringLiteral(" time=3.0 solved=no")));
        QVERIFY(lines[2].startsWith(QStringLiteral("index=2 ")));
        QVERIFY(lines[2].contains(QStringLiteral(" time=12.3 solved=yes")));

        const Run j = Tool({"info", path, "--json"});
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

    void check() {
        // Sound Cubes pass; a Cube with picks, or with a damaged symbol,
        // fails and is named.
        const QString good = Path("good.srs");
        QCOMPARE(Tool({"generate", "4", "--seed", "11", "-o", good}).code, 0);
        Run r = Tool({"check", good});
        QCOMPARE(r.code, 0);
        QVERIFY(r.out.contains(QStringLiteral("all 4 Cubes hold every invariant")));

        QByteArray bytes = ReadAll(good);
        bytes[6 + 232 * 2 + 162] = char(40); // Cube 2: face 0 carries symbol 40
        const QString damaged = Path("damaged.srs");
        QVERIFY(WriteAll(damaged, bytes));
        r = Tool({"check", damaged});
        QCOMPARE(r.code, 1);
        QVERIFY(r.out.contains(QStringLiteral("Cube 2: ")));
        QVERIFY(!r.out.contains(QStringLiteral("Cube 0: ")));
        QVERIFY(r.out.contains(QStringLiteral("1 of 4 Cubes break invariants")));

        r = Tool({"check", PickedFile()});
        QCOMPARE(r.code, 1);
        QVERIFY(r.out.contains(QStringLiteral("Cube 1: answers are already picked")));
        QVERIFY(r.out.contains(QStringLiteral("Cube 2: ")));
        QVERIFY(!r.out.contains(QStringLiteral("Cube 0: ")));
    }

    void render() {
        // The five pictures of a Cube in its stored state, each at its place
        // in a 1000 x 500 sheet, drawn as the drawing layer draws them.
        const QString path = PickedFile();
        SeriesStore store;
        QCOMPARE(LoadSeriesFile(path, store), LoadResult::Ok);
        QCOMPARE(store.count(SeriesKind::Current), 3);
        const CubeNode& solved = store[SeriesKind::Current][2];
        const CubeNode& wrong = store[SeriesKind::Current][1];

        const QString png = Path("solved.png");
        QCOMPARE(Tool({"render", path, "2", "-o", png}).code, 0);
        QImage sheet(png);
        QCOMPARE(sheet.size(), QSize(1000, 500));
        sheet = sheet.convertToFormat(QImage::Format_RGB32);

        SetupProjection(250);
        ImageCanvas question(500, 500), a0(250, 250), a1(250, 250), a2(250, 250), a3(250, 250);
        const Pictures pictures{&question, {&a0, &a1, &a2, &a3}};
        ClearPictures(pictures);
        DrawNet(pictures, solved, true);
        for (int a = 0; a < 4; ++a)
            DrawAnswer(pictures, solved, a);
        QCOMPARE(sheet.copy(0, 0, 500, 500), question.image());
        const ImageCanvas* answers[] = {&a0, &a1, &a2, &a3};
        for (int a = 0; a < 4; ++a)
            QCOMPARE(sheet.copy(AnswerRegion(a)), answers[a]->image());

        // Solved: highlight colours in the net and on the correct answer only.
        const auto marks = {markcolor[0], markcolor[1], markcolor[2]};
        QVERIFY(CountColors(sheet, QRect(0, 0, 500, 500), marks) > 3 * 5000);
        for (int a = 0; a < 4; ++a) {
            const auto lit = {markcolor[0] + shade, markcolor[1] - shade, markcolor[2]};
            const int n = CountColors(sheet, AnswerRegion(a), lit);
            QVERIFY2(a == solved.correct ? n > 3000 : n == 0, qPrintable(QString::number(a)));
        }

        // A wrong pick: dark red symbols on that answer only, no highlight.
        QCOMPARE(Tool({"render", path, "1", "-o", png}).code, 0);
        sheet = QImage(png).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(CountColors(sheet, QRect(0, 0, 1000, 500), marks), 0);
        const int picked = (wrong.correct + 1) % 4;
        for (int a = 0; a < 4; ++a) {
            const auto red = {wrongcolor + shade, wrongcolor - shade, wrongcolor};
            const int n = CountColors(sheet, AnswerRegion(a), red);
            QVERIFY2(a == picked ? n > 100 : n == 0, qPrintable(QString::number(a)));
        }
    }

    // At ratio 1 every pixel is the one drawn before screens of a higher
    // ratio were served: the sheets of the three Cubes of PickedFile (not
    // picked, picked wrongly, solved) as the program first drew them.
    void renderKeepsItsPixels_data() {
        QTest::addColumn<int>("index");
        QTest::newRow("not picked") << 0;
        QTest::newRow("picked wrongly") << 1;
        QTest::newRow("solved") << 2;
    }
    void renderKeepsItsPixels() {
        QFETCH(int, index);
        const QString png = Path("sheet.png");
        QCOMPARE(Tool({"render", PickedFile(), QString::number(index), "-o", png}).code, 0);
        const QImage expected = QImage(QStringLiteral(VEXLOR_TEST_DATA "/picked-%1.png").arg(index))
                                    .convertToFormat(QImage::Format_RGB32);
        QCOMPARE(expected.size(), QSize(1000, 500));
        QVERIFY(QImage(png).convertToFormat(QImage::Format_RGB32) == expected);
    }

    void badInput_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        const QString wrong = Path("wrong.srs"), tiny = Path("tiny.srs"), zero = Path("zero.srs"),
                      cut = Path("cut.srs");
        WriteAll(wrong, QByteArray("SRS\0\1\0", 6) + QByteArray(232, '\0'));
        WriteAll(tiny, QByteArray("SR"));
        WriteAll(zero, QByteArray("SRS \0\0", 6));
        WriteAll(cut, QByteArray("SRS \2\0", 6) + QByteArray(232 + 100, '\0'));
        const QString missing = Path("missing.srs");

        QTest::newRow("no command") << QStringList{} << "no command";
        QTest::newRow("unknown command") << QStringList{"frobnicate"} << "unknown command";
        QTest::newRow("unknown option") << QStringList{"info", wrong, "--fast"} << "fast";
        QTest::newRow("missing file") << QStringList{"info", missing} << "cannot open";
        QTest::newRow("folder") << QStringList{"check", dir_.path()} << "cannot open";
        QTest::newRow("wrong magic") << QStringList{"info", wrong} << "not a series file";
        QTest::newRow("short file") << QStringList{"check", tiny} << "too short";
        QTest::newRow("count 0") << QStringList{"info", zero} << "count is 0";
        QTest::newRow("cut record")
            << QStringList{"info", cut} << "announces 2 Cubes but holds 1 whole records";
        QTest::newRow("count 0 Cubes") << QStringList{"generate", "0", "-o", missing} << "COUNT";
        QTest::newRow("count too big")
            << QStringList{"generate", "65536", "-o", missing} << "1 to 65535";
        QTest::newRow("count not a number")
            << QStringList{"generate", "ten", "-o", missing} << "COUNT";
        QTest::newRow("bad seed") << QStringList{"generate", "3", "--seed", "soon", "-o", missing}
                                  << "SECONDS";
        QTest::newRow("no output") << QStringList{"generate", "3"} << "-o FILE";
        QTest::newRow("unwritable output")
            << QStringList{"generate", "3", "-o", Path("no/such/folder/x.srs")}
            << "Error writing file.";
        QTest::newRow("option of another command")
            << QStringList{"check", wrong, "--json"} << "does not apply";
        QTest::newRow("render index too big")
            << QStringList{"render", PickedFile(), "3", "-o", Path("x.png")} << "from 0 to 2";
        QTest::newRow("render index not a number")
            << QStringList{"render", PickedFile(), "first", "-o", Path("x.png")} << "INDEX";
        QTest::newRow("render without -o") << QStringList{"render", PickedFile(), "0"} << "-o PNG";
        QTest::newRow("render to no folder")
            << QStringList{"render", PickedFile(), "0", "-o", Path("no/such/x.png")}
            << "cannot write";
        QTest::newRow("render of a cut file")
            << QStringList{"render", cut, "0", "-o", Path("x.png")} << "cut short";
        QTest::newRow("too many arguments") << QStringList{"info", wrong, wrong} << "usage";
    }

    void badInput() {
        // One clear line on stderr, exit code 2, nothing on stdout, no crash.
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        const Run r = Tool(args);
        QCOMPARE(r.code, 2);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QCOMPARE(r.err.count('\n'), 1);
        QVERIFY(r.err.startsWith(QStringLiteral("vexlor-series: ")));
        QVERIFY(r.out.isEmpty());
        QVERIFY(!QFile::exists(Path("missing.srs")));
        QVERIFY(!QFile::exists(Path("x.png")));
    }
};

QTEST_GUILESS_MAIN(ToolTest)
#include "tst_vexlor_series.moc"
