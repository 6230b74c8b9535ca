// Series files: the byte layout is locked, stripping and round trips keep
// every byte they should, every failure of loading leaves Current as the
// format promises, and a failed save never harms an earlier file.
#include "cube/generator.h"
#include "cube/random.h"
#include "cube/topology.h"
#include "cube_compare.h"
#include "file_util.h"
#include "series/series_file.h"
#include "series/series_format.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <random>
#include <vector>

using namespace vexlor;

namespace {

using Bytes = std::vector<std::uint8_t>;

class VectorSink final : public ByteSink {
public:
    explicit VectorSink(std::size_t limit = SIZE_MAX) : limit_(limit) {}
    // Takes bytes up to the limit, then fails, keeping what fitted.
    bool write(const std::uint8_t* data, std::size_t n) override {
        const std::size_t take = std::min(n, limit_ - bytes.size());
        bytes.insert(bytes.end(), data, data + take);
        return take == n;
    }
    Bytes bytes;

private:
    std::size_t limit_;
};

class VectorSource final : public ByteSource {
public:
    explicit VectorSource(const Bytes& bytes, std::size_t length)
        : bytes_(bytes), length_(std::min(length, bytes.size())) {}
    explicit VectorSource(const Bytes& bytes) : VectorSource(bytes, bytes.size()) {}
    std::size_t read(std::uint8_t* data, std::size_t n) override {
        const std::size_t take = std::min(n, length_ - pos_);
        std::copy_n(bytes_.begin() + std::ptrdiff_t(pos_), take, data);
        pos_ += take;
        return take;
    }

private:
    const Bytes& bytes_;
    std::size_t length_;
    std::size_t pos_ = 0;
};

// A device that accepts a fixed number of bytes and then fails.
class FailDevice final : public QBuffer {
public:
    explicit FailDevice(qint64 limit) : limit_(limit) {}

protected:
    qint64 writeData(const char* data, qint64 len) override {
        if (size() + len > limit_)
            return -1;
        return QBuffer::writeData(data, len);
    }

private:
    qint64 limit_;
};

Cube generated(std::int64_t seed) {
    RandomSource randomSource(seed);
    Cube c{};
    makeCube(c, randomSource);
    return c;
}

// A generated Cube with picks and a stopped clock, as Mistakes holds them.
Cube Picked(std::int64_t seed) {
    Cube c = generated(seed);
    c.picked[(c.correctAnswer + 1) % 4] = 1;
    c.clockStart = 46'000.25 + double(seed % 100) / 1000;
    c.clockStop = c.clockStart + 0.0001;
    return c;
}

// A series of n Cubes made by make from the seeds first, first + 1, ...
Series seriesOf(Cube (*make)(std::int64_t), std::int64_t first, int n) {
    Series out;
    for (int i = 0; i < n; ++i)
        out.push_back(make(first + i));
    return out;
}

Bytes fileOf(const Series& series, bool strip) {
    VectorSink sink;
    if (writeSeriesFile(sink, series, strip) != WriteResult::Ok)
        qFatal("writing to memory failed");
    return sink.bytes;
}

std::vector<int> kinds(const SeriesStore& store) {
    std::vector<int> out;
    for (const Cube& c : store[SeriesId::Current])
        out.push_back(c.recipe);
    return out;
}

// Current of a store that already holds two Cubes marked 100 and 101.
void preload(SeriesStore& store) {
    Cube c{};
    c.recipe = 100;
    store.appendCopy(SeriesId::Current, c);
    c.recipe = 101;
    store.appendCopy(SeriesId::Current, c);
}

QByteArray toQt(const Bytes& b) {
    return QByteArray(reinterpret_cast<const char*>(b.data()), qsizetype(b.size()));
}

} // namespace

class SeriesFileTest : public QObject {
    Q_OBJECT

private slots:
    void recordLayout() {
        // The record of a known Cube, byte by byte as laid down for .srs
        // files. Empty cells keep whatever their turn byte held.
        Cube c{};
        for (auto& column : c.net)
            for (auto& cell : column)
                cell = {-1, 0x55};
        c.net[4][4] = {0, 1};
        c.net[5][4] = {1, 2};
        c.net[3][4] = {2, 3};
        c.net[4][3] = {3, 0};
        c.net[4][5] = {4, 1};
        c.net[4][6] = {5, 2};
        const std::int8_t sym[6] = {0, 5, 6, 11, 12, 17};
        const std::int8_t symturn[6] = {0, 1, 2, 3, 0, 1};
        std::memcpy(c.faceSymbol, sym, 6);
        std::memcpy(c.faceTurn, symturn, 6);
        const std::int8_t box[4] = {3, 5, 3, 6};
        std::memcpy(c.netBounds, box, 4);
        for (int a = 0; a < 4; ++a)
            for (int k = 0; k < 3; ++k) {
                c.answerSymbol[a][k] = static_cast<std::int8_t>(3 * a + k);
                c.answerTurn[a][k] = static_cast<std::int8_t>((a + k) % 4);
            }
        c.correctAnswer = 2;
        c.correctFaces[0] = 4;
        c.correctFaces[1] = 1;
        c.correctFaces[2] = 0;
        c.recipe = 14;
        c.picked[0] = 1;
        c.picked[2] = 1;
        c.clockStart = 45000.5;
        c.clockStop = -1.5;

        CubeRecord expected;
        for (int i = 0; i < 162; i += 2) {
            expected[i] = 0xff;
            expected[i + 1] = 0x55;
        }
        // (x, y) at 18x + 2y: face, turn.
        const int cells[][3] = {{80, 0, 1}, {98, 1, 2}, {62, 2, 3},
                                {78, 3, 0}, {82, 4, 1}, {84, 5, 2}};
        for (const auto& cell : cells) {
            expected[cell[0]] = std::uint8_t(cell[1]);
            expected[cell[0] + 1] = std::uint8_t(cell[2]);
        }
        const std::uint8_t tail[] = {
            0,    5,    6,    11,   12,   17,                             // 162 sym
            0,    1,    2,    3,    0,    1,                              // 168 symturn
            3,    5,    3,    6,                                          // 174 netbox
            0,    1,    2,    3,    4,    5,    6,    7,    8, 9, 10, 11, // 178 anssym
            0,    1,    2,    1,    2,    3,    2,    3,    0, 3, 0,  1,  // 190 ansturn
            2,                                                            // 202 correct
            4,    1,    0,                                                // 203 corfaces
            14,                                                           // 206 kind
            1,    0,    1,    0,                                          // 207 chosen
            0,    0,    0,    0,    0,                                    // 211 padding
            0x00, 0x00, 0x00, 0x00, 0x10, 0xf9, 0xe5, 0x40,               // 216 tstart 45000.5
            0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xf8, 0xbf,               // 224 tstop -1.5
        };
        static_assert(162 + sizeof tail == kCubeRecordSize);
        std::memcpy(expected.data() + 162, tail, sizeof tail);

        const CubeRecord record = encodeCube(c, false);
        for (std::size_t i = 0; i < kCubeRecordSize; ++i)
            QVERIFY2(record[i] == expected[i], qPrintable(QStringLiteral("byte %1").arg(i)));

        Cube back{};
        back.net[0][0].turn = 3;
        decodeCube(expected.data(), back);
        QVERIFY(sameCube(back, c));
        QCOMPARE(int(back.net[0][0].turn), 0x55);
    }

    void fileSizeAndHeader() {
        // 470 bytes for 2 Cubes; N is little-endian (300 = 2C 01).
        Series series = seriesOf(generated, 1, 2);
        const Bytes two = fileOf(series, true);
        QCOMPARE(two.size(), std::size_t{470});
        QCOMPARE(Bytes(two.begin(), two.begin() + 6), (Bytes{0x53, 0x52, 0x53, 0x20, 0x02, 0x00}));
        QVERIFY(std::equal(two.begin() + 6, two.begin() + 238,
                           encodeCube(series.front(), true).begin()));
        QVERIFY(std::equal(two.begin() + 238, two.end(), encodeCube(series[1], true).begin()));

        for (int i = 2; i < 300; ++i)
            series.push_back(series.front());
        const Bytes many = fileOf(series, true);
        QCOMPARE(many.size(), seriesFileSize(300));
        QCOMPARE(int(many[4]), 0x2c);
        QCOMPARE(int(many[5]), 0x01);
    }

    void stripping() {
        // Stripped records carry no picks and zero times; the Cubes in
        // memory keep theirs. Unstripped records keep everything.
        const Series series = seriesOf(Picked, 3, 2);
        const Cube before = series.front();
        const Bytes stripped = fileOf(series, true);
        const Bytes kept = fileOf(series, false);
        QVERIFY(sameCube(series.front(), before));
        QCOMPARE(stripped.size(), kept.size());
        for (int r = 0; r < 2; ++r) {
            const std::size_t base = 6 + 232 * r;
            for (std::size_t i = 0; i < kCubeRecordSize; ++i) {
                const bool cleared = (i >= 207 && i < 211) || i >= 216;
                const bool padding = i >= 211 && i < 216;
                const std::uint8_t s = stripped[base + i], k = kept[base + i];
                if (cleared || padding)
                    QVERIFY2(s == 0, qPrintable(QStringLiteral("record %1 byte %2").arg(r).arg(i)));
                if (!cleared)
                    QCOMPARE(s, k);
            }
            QVERIFY(std::any_of(kept.begin() + base + 207, kept.begin() + base + 211,
                                [](auto b) { return b != 0; }));
        }

        SeriesStore store;
        VectorSource source(stripped);
        QCOMPARE(readSeriesFile(source, store), LoadResult::Ok);
        QVERIFY(!isSolved(*store.currentCube()));
        QCOMPARE(store.currentCube()->clockStart, 0.0);
        QCOMPARE(store.currentCube()->clockStop, 0.0);
    }

    void roundTripKeepsEveryByte() {
        // Random bytes in every field (padding aside) load and save back
        // unchanged: empty cells' turn bytes, out-of-range values and NaN
        // times included.
        std::mt19937 gen(2024);
        Bytes file = {0x53, 0x52, 0x53, 0x20, 5, 0};
        for (int r = 0; r < 5; ++r)
            for (std::size_t i = 0; i < kCubeRecordSize; ++i)
                file.push_back(i >= 211 && i < 216 ? 0 : std::uint8_t(gen()));
        // Make sure a few records hold empty cells and a NaN time.
        file[6 + 10] = 0xff;
        file[6 + 232 + 222] = 0xf8;
        file[6 + 232 + 223] = 0x7f;

        SeriesStore store;
        VectorSource source(file);
        QCOMPARE(readSeriesFile(source, store), LoadResult::Ok);
        QCOMPARE(store.count(SeriesId::Current), 5);
        QVERIFY(fileOf(store[SeriesId::Current], false) == file);

        // Generated Cubes with picks and clocks come back as they were, in
        // order.
        const Series series = seriesOf(Picked, 100, 20);
        const Bytes saved = fileOf(series, false);
        VectorSource again(saved);
        QCOMPARE(readSeriesFile(again, store), LoadResult::Ok);
        const Series& loaded = store[SeriesId::Current];
        QCOMPARE(loaded.size(), series.size());
        for (std::size_t i = 0; i < series.size(); ++i)
            QVERIFY2(sameCube(loaded[i], series[i]), qPrintable(QString::number(i)));
    }

    void loadFailures_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("cubes"); // -1: Current left as it was

        const QByteArray magic("SRS ", 4);
        const QByteArray record(232, '\x01');
        const auto count = [](int n) {
            return QByteArray(1, char(n & 0xff)) + QByteArray(1, char(n >> 8));
        };
        const int ok = int(LoadResult::Ok), wrong = int(LoadResult::WrongFormat),
                  error = int(LoadResult::ReadError);
        QTest::newRow("empty file") << QByteArray() << wrong << -1;
        QTest::newRow("shorter than 4 bytes") << QByteArray("SRS") << wrong << -1;
        QTest::newRow("SRS without the space")
            << QByteArray("SRS\0", 4) + count(1) + record << wrong << -1;
        QTest::newRow("lower case") << QByteArray("srs ") + count(1) + record << wrong << -1;
        QTest::newRow("magic only") << magic << error << 0;
        QTest::newRow("count cut short") << magic + QByteArray(1, '\x01') << error << 0;
        QTest::newRow("count 0") << magic + count(0) + record << error << 0;
        QTest::newRow("count 3, two records") << magic + count(3) + record + record << error << 2;
        QTest::newRow("first record cut short")
            << magic + count(1) + record.left(231) << error << 0;
        QTest::newRow("extra bytes ignored")
            << magic + count(2) + record + record + QByteArray(500, '\x7f') << ok << 2;
        QTest::newRow("a second series ignored")
            << magic + count(1) + record + count(1) + record << ok << 1;
    }

    void loadFailures() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, result);
        QFETCH(int, cubes);
        SeriesStore store;
        preload(store);
        const Bytes data(bytes.begin(), bytes.end());
        VectorSource source(data);
        QCOMPARE(int(readSeriesFile(source, store)), result);
        if (cubes < 0) {
            QCOMPARE(kinds(store), (std::vector<int>{100, 101}));
        } else {
            QCOMPARE(store.count(SeriesId::Current), cubes);
            QCOMPARE(kinds(store), std::vector<int>(std::size_t(cubes), 1));
            // Each loaded Cube is the record at its place in the file.
            for (int i = 0; i < cubes; ++i) {
                Cube expected{};
                decodeCube(data.data() + 6 + kCubeRecordSize * std::size_t(i), expected);
                QVERIFY2(sameCube(store[SeriesId::Current][std::size_t(i)], expected),
                         qPrintable(QString::number(i)));
            }
        }
    }

    void everyPrefixOfAFile() {
        // Cut anywhere, a file loads exactly the records it holds whole.
        const Series series = seriesOf(Picked, 20, 3);
        const Bytes file = fileOf(series, false);
        for (std::size_t len = 0; len <= file.size(); ++len) {
            SeriesStore store;
            preload(store);
            VectorSource source(file, len);
            const LoadResult r = readSeriesFile(source, store);
            const QByteArray where = QByteArray::number(qulonglong(len));
            if (len < 4) {
                QVERIFY2(r == LoadResult::WrongFormat, where);
                QVERIFY2(kinds(store) == (std::vector<int>{100, 101}), where);
                continue;
            }
            const int whole = len < 6 ? 0 : int((len - 6) / kCubeRecordSize);
            QVERIFY2(r == (len == file.size() ? LoadResult::Ok : LoadResult::ReadError), where);
            QVERIFY2(store.count(SeriesId::Current) == whole, where);
            const Series& loaded = store[SeriesId::Current];
            QVERIFY2(loaded.size() == std::size_t(whole), where);
            for (std::size_t i = 0; i < loaded.size(); ++i)
                QVERIFY2(sameCube(loaded[i], series[i]), where);
        }
    }

    void tooManyCubesWriteNothing() {
        // 65,535 Cubes fit (N = FF FF); one more is refused before a single
        // byte, so N never disagrees with the records.
        const Cube c = generated(7);
        Series series(std::size_t(kMaxCubesPerFile), c);
        {
            VectorSink sink;
            QCOMPARE(writeSeriesFile(sink, series, true), WriteResult::Ok);
            QCOMPARE(sink.bytes.size(), seriesFileSize(65'535));
            QCOMPARE(int(sink.bytes[4]), 0xff);
            QCOMPARE(int(sink.bytes[5]), 0xff);
        }
        series.push_back(c);
        VectorSink sink;
        QCOMPARE(writeSeriesFile(sink, series, true), WriteResult::TooLong);
        QCOMPARE(writeSeries(sink, series, true), WriteResult::TooLong);
        QVERIFY(sink.bytes.empty());

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString earlier = dir.filePath("earlier.srs");
        const QByteArray old("SRS \x00\x00", 6);
        QVERIFY(writeAll(earlier, old));
        QCOMPARE(saveSeriesFile(earlier, series, true), WriteResult::TooLong);
        QCOMPARE(readAll(earlier), old);
        QCOMPARE(saveSeriesFile(dir.filePath("new.srs"), series, true), WriteResult::TooLong);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"earlier.srs"});
        QCOMPARE(QString(saveMessage(WriteResult::TooLong)),
                 QStringLiteral("The series has more than 65,535 Cubes and cannot be saved in "
                                "one file."));
    }

    void writeFailuresAreReported_data() {
        QTest::addColumn<int>("limit");
        QTest::newRow("nothing") << 0;
        QTest::newRow("inside the magic") << 3;
        QTest::newRow("after the magic") << 4;
        QTest::newRow("inside the count") << 5;
        QTest::newRow("after the count") << 6;
        QTest::newRow("inside a record") << 300;
        QTest::newRow("one byte short") << 469;
    }

    void writeFailuresAreReported() {
        // A write that takes fewer bytes than asked, anywhere, is a failure.
        QFETCH(int, limit);
        const Series series = seriesOf(generated, 8, 2);
        VectorSink sink(static_cast<std::size_t>(limit));
        QCOMPARE(writeSeriesFile(sink, series, true), WriteResult::Failed);
        FailDevice device(limit);
        QVERIFY(device.open(QIODevice::WriteOnly));
        QCOMPARE(writeSeriesToDevice(device, series, true), WriteResult::Failed);
        QCOMPARE(QString(saveMessage(WriteResult::Failed)), QStringLiteral("Error writing file."));

        FailDevice roomy(470);
        QVERIFY(roomy.open(QIODevice::WriteOnly));
        QCOMPARE(writeSeriesToDevice(roomy, series, true), WriteResult::Ok);
        QCOMPARE(roomy.data(), toQt(fileOf(series, true)));
    }

    void saveReplacesAFile() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath("series.srs");
        QVERIFY(writeAll(path, QByteArray(10'000, 'x')));
        const Series series = seriesOf(Picked, 30, 2);
        QCOMPARE(saveSeriesFile(path, series, false), WriteResult::Ok);
        QCOMPARE(readAll(path), toQt(fileOf(series, false)));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"series.srs"});

        SeriesStore store;
        preload(store);
        QCOMPARE(loadSeriesFile(path, store), LoadResult::Ok);
        QVERIFY(sameCube(*store.currentCube(), series.front()));
        QVERIFY(sameCube(store[SeriesId::Current][1], series[1]));
        QCOMPARE(store.count(SeriesId::Current), 2);
    }

    void largeSeriesLoadsWhole_data() {
        QTest::addColumn<int>("cubes");
        QTest::newRow("just past 64 KiB") << 283;
        QTest::newRow("500") << 500;
        QTest::newRow("2000") << 2000;
    }

    void largeSeriesLoadsWhole() {
        // Saved to disk and loaded back, a long series returns Cube for Cube.
        QFETCH(int, cubes);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath("long.srs");
        const Series series = seriesOf(Picked, 1000, cubes);
        QCOMPARE(saveSeriesFile(path, series, false), WriteResult::Ok);
        QCOMPARE(QFileInfo(path).size(), qint64(seriesFileSize(series.size())));
        SeriesStore store;
        QCOMPARE(loadSeriesFile(path, store), LoadResult::Ok);
        const Series& loaded = store[SeriesId::Current];
        QCOMPARE(loaded.size(), series.size());
        for (std::size_t i = 0; i < series.size(); ++i)
            QVERIFY2(sameCube(loaded[i], series[i]), qPrintable(QString::number(i)));
    }

    void saveKeepsPermissions_data() {
        QTest::addColumn<int>("mode");
        QTest::newRow("read-only for everyone") << 0444;
        QTest::newRow("read-only for its owner") << 0400;
        QTest::newRow("writable for everyone") << 0666;
        QTest::newRow("private") << 0600;
        QTest::newRow("group reads") << 0640;
    }

    void saveKeepsPermissions() {
        // A save over an existing file leaves its permission bits as they
        // were, also when root saves over a file nobody may write.
        QFETCH(int, mode);
        if ((mode & 0200) == 0 && geteuid() != 0)
            QSKIP("only root may save over a file without write permission");
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath("series.srs");
        QVERIFY(writeAll(path, QByteArray(100, 'x')));
        const QByteArray name = QFile::encodeName(path);
        QCOMPARE(::chmod(name.constData(), static_cast<mode_t>(mode)), 0);
        const Series series = seriesOf(generated, 60, 1);
        QCOMPARE(saveSeriesFile(path, series, true), WriteResult::Ok);
        QCOMPARE(readAll(path), toQt(fileOf(series, true)));
        struct stat saved {};
        QCOMPARE(::stat(name.constData(), &saved), 0);
        QCOMPARE(QString::number(saved.st_mode & 07777, 8), QString::number(mode, 8));
    }

    void failedSaveKeepsTheEarlierFile() {
        // The earlier file survives byte for byte when the temporary file
        // cannot be made (a name with no room for the temporary's suffix),
        // and when the disk refuses bytes half way (a file size limit, which
        // binds root too). Nothing is left behind.
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const Series small = seriesOf(generated, 40, 2);
        const Series big = seriesOf(Picked, 50, 30);
        const QByteArray old = toQt(fileOf(small, true));

        const QString longName = dir.filePath(QString(251, 'n') + ".srs");
        QVERIFY(writeAll(longName, old));
        QCOMPARE(saveSeriesFile(longName, big, false), WriteResult::Failed);
        QCOMPARE(readAll(longName), old);

        const QString path = dir.filePath("earlier.srs");
        QVERIFY(writeAll(path, old));
        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        auto* previous = std::signal(SIGXFSZ, SIG_IGN);
        rlimit tight = saved;
        tight.rlim_cur = 1000;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &tight), 0);
        const WriteResult r = saveSeriesFile(path, big, false);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previous);
        QCOMPARE(r, WriteResult::Failed);
        QCOMPARE(readAll(path), old);

        QStringList expected{QFileInfo(longName).fileName(), "earlier.srs"};
        expected.sort();
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);
    }

    void loadFromDisk() {
        // A file that cannot be opened is a wrong format, a loop of symbolic
        // links a read error; Current stays.
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        SeriesStore store;
        preload(store);
        QCOMPARE(loadSeriesFile(dir.filePath("missing.srs"), store), LoadResult::WrongFormat);
        QCOMPARE(loadSeriesFile(dir.path(), store), LoadResult::WrongFormat);
        const QString loop = dir.filePath("loop.srs");
        QVERIFY(QFile::link(loop, loop));
        QCOMPARE(loadSeriesFile(loop, store), LoadResult::ReadError);
        QCOMPARE(kinds(store), (std::vector<int>{100, 101}));
        QCOMPARE(QString(loadMessage(LoadResult::WrongFormat)),
                 QStringLiteral("Wrong file format."));

        const QString cut = dir.filePath("cut.srs");
        QVERIFY(writeAll(cut, QByteArray("SRS \x03\x00", 6) + QByteArray(2 * 232 + 17, '\x02')));
        QCOMPARE(loadSeriesFile(cut, store), LoadResult::ReadError);
        QCOMPARE(kinds(store), (std::vector<int>{2, 2}));
        QCOMPARE(QString(loadMessage(LoadResult::ReadError)),
                 QStringLiteral("Error reading file."));
    }
};

QTEST_GUILESS_MAIN(SeriesFileTest)
#include "tst_series_file.moc"
