// The commands of the Series panel with every question answered both ways,
// dialogs cancelled, bad numbers and bad files.
#include "app/series_commands.h"
#include "cube/random.h"
#include "cube/topology.h"
#include "file_util.h"
#include "series/series_file.h"
#include "window_fixture.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <thread>

using namespace vexlor;

namespace {

double readDouble(const QByteArray& bytes, int offset) {
    double v = 0;
    std::memcpy(&v, bytes.constData() + offset, sizeof v);
    return v;
}

constexpr int kRecord = 232;
constexpr int kHeader = 6;

// A series file's bytes, written as the program writes the series.
QByteArray fileBytes(const Series& series) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (writeSeriesToDevice(buffer, series, false) != WriteResult::Ok)
        qFatal("cannot write a series to memory");
    return buffer.data();
}

// Three generated Cubes, as a file holds them.
QByteArray threeCubes() {
    RandomSource randomSource(5);
    SeriesStore store;
    store.seriesSize = 3;
    store.makeRandomSeries(randomSource);
    return fileBytes(store[SeriesId::Current]);
}

// Comes to the FIFO at path as a writer after a while, so that a read stuck
// on it comes back and fails its test rather than hanging it.
void unblockLater(const QString& path) {
    std::thread([name = QFile::encodeName(path)] {
        std::this_thread::sleep_for(std::chrono::seconds(5));
        if (const int fd = ::open(name.constData(), O_WRONLY | O_NONBLOCK); fd >= 0)
            ::close(fd);
    }).detach();
}

} // namespace

class SeriesCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void createRandomSeriesAsksAndChecksTheNumber() {
        WindowFixture w;
        w.start();

        // No: the test is left paused and nothing else changes.
        w.dialogs.queueNo();
        QTest::mouseClick(w.button("newseriesb"), Qt::LeftButton);
        QCOMPARE(w.dialogs.log.last(),
                 QStringLiteral("ask: Delete the Current series and create a new one?"));
        QCOMPARE(w.phase(), SessionPhase::Stopped);
        QCOMPARE(w.count(SeriesId::Current), 30);

        // Bad numbers are refused and the offered number stays the last good one.
        for (const char* bad : {"0", "501", "-3", "abc", ""}) {
            w.dialogs.log.clear();
            w.dialogs.queueYes();
            w.dialogs.queueText(QString::fromLatin1(bad));
            QTest::mouseClick(w.button("newseriesb"), Qt::LeftButton);
            QCOMPARE(w.dialogs.log.size(), 3);
            QCOMPARE(w.dialogs.log[1],
                     QStringLiteral("input: Vexlor | Number of Cubes for the new series: | 30"));
            QCOMPARE(w.dialogs.log[2], QStringLiteral("error: Wrong number of Cubes (max. 500)."));
            QCOMPARE(w.count(SeriesId::Current), 30);
            QCOMPARE(w.store.seriesSize, 30);
        }

        // Cancel changes nothing.
        w.dialogs.queueYes();
        w.dialogs.queueCancel();
        QTest::mouseClick(w.button("newseriesb"), Qt::LeftButton);
        QCOMPARE(w.count(SeriesId::Current), 30);

        // 500 with a non-empty Skipped: No keeps Skipped and still makes 500.
        w.start();
        w.key('+');
        QCOMPARE(w.count(SeriesId::Skipped), 1);
        w.newSeries(500, false);
        QCOMPARE(w.dialogs.log.last(), QStringLiteral("ask: Clear the Skipped series?"));
        QCOMPARE(w.count(SeriesId::Current), 500);
        QCOMPARE(w.store[SeriesId::Current].size(), std::size_t{500});
        QCOMPARE(w.count(SeriesId::Skipped), 1);
        QCOMPARE(w.phase(), SessionPhase::Stopped);
        QCOMPARE(w.label("scurr")->text(), QStringLiteral("500"));

        // The next input box offers 500; Yes clears Skipped.
        w.newSeries(7, true);
        QVERIFY(w.dialogs.log.contains(
            QStringLiteral("input: Vexlor | Number of Cubes for the new series: | 500")));
        QCOMPARE(w.count(SeriesId::Skipped), 0);
        QCOMPARE(w.count(SeriesId::Current), 7);
        QVERIFY(!w.dialogs.unexpected);
    }

    void createWithEmptyCurrentAsksNothingFirst() {
        WindowFixture w;
        w.store.clearSeries(SeriesId::Current);
        w.dialogs.queueText("4");
        QTest::mouseClick(w.button("newseriesb"), Qt::LeftButton);
        QCOMPARE(w.dialogs.log.size(), 1);
        QVERIFY(w.dialogs.log[0].startsWith("input: "));
        QCOMPARE(w.count(SeriesId::Current), 4);
    }

    void commandsOnEmptySeriesDoNothing() {
        WindowFixture w;
        w.start();
        for (QPushButton* b :
             {w.button("Button5"), w.button("Button3"), w.button("Button4"), w.button("Button8"),
              w.button("Button7"), w.button("Button6"), w.button("Button12")})
            QTest::mouseClick(b, Qt::LeftButton);
        QVERIFY(w.dialogs.log.isEmpty());
        QCOMPARE(w.phase(), SessionPhase::Answering);

        // Clearing Mistakes and Custom neither asks nor pauses.
        w.click(w.wrongAnswer());
        QCOMPARE(w.label("smist")->text(), QStringLiteral("1"));
        QTest::mouseClick(w.button("Button13"), Qt::LeftButton);
        QCOMPARE(w.count(SeriesId::Mistakes), 0);
        QCOMPARE(w.label("smist")->text(), QStringLiteral("0"));
        QCOMPARE(w.phase(), SessionPhase::Answering);
        QVERIFY(w.dialogs.log.isEmpty());
    }

    void addingTheCurrentCube() {
        WindowFixture w;
        // Nothing while stopped.
        QTest::mouseClick(w.button("atcu"), Qt::LeftButton);
        QCOMPARE(w.count(SeriesId::Custom), 0);
        w.start();
        w.clock.advanceSeconds(2);
        for (int i = 0; i < 3; ++i)
            QTest::mouseClick(w.button("atcu"), Qt::LeftButton);
        QCOMPARE(w.count(SeriesId::Custom), 3);
        QCOMPARE(w.label("scust")->text(), QStringLiteral("3"));
        QCOMPARE(w.store[SeriesId::Custom].size(), std::size_t{3});
        // The copies carry the clock frozen now; the Cube's own clock runs on.
        QCOMPARE(w.store[SeriesId::Custom].front().clockStop, w.clock.now());
        QCOMPARE(w.current()->clockStop, 0.0);
        QTest::mouseClick(w.button("Button1"), Qt::LeftButton);
        QTest::mouseClick(w.button("atmi"), Qt::LeftButton);
        QCOMPARE(w.count(SeriesId::Skipped), 1);
        QCOMPARE(w.count(SeriesId::Mistakes), 1);
        QCOMPARE(w.phase(), SessionPhase::Answering);
        QVERIFY(w.dialogs.log.isEmpty());
    }

    void copyingIntoCurrent() {
        WindowFixture w;
        w.start();
        w.click(w.wrongAnswer());
        QCOMPARE(w.count(SeriesId::Mistakes), 1);
        // No: the test is paused and Current stays.
        w.dialogs.queueNo();
        QTest::mouseClick(w.button("Button3"), Qt::LeftButton);
        QCOMPARE(w.dialogs.log.last(), QStringLiteral("ask: Delete the Current series?"));
        QCOMPARE(w.phase(), SessionPhase::Stopped);
        QCOMPARE(w.count(SeriesId::Current), 30);
        // Yes: Current is a copy of Mistakes, which stays as it was.
        w.dialogs.queueYes();
        QTest::mouseClick(w.button("Button3"), Qt::LeftButton);
        QCOMPARE(w.count(SeriesId::Current), 1);
        QVERIFY(&w.store[SeriesId::Current].front() != &w.store[SeriesId::Mistakes].front());
        QCOMPARE(w.state.mistakes, 0);
        w.start();
        w.click(w.current()->correctAnswer);
        QCOMPARE(int(w.store[SeriesId::Mistakes].front().picked[w.current()->correctAnswer]), 0);
    }

    void clearingAskWhereItShould() {
        WindowFixture w;
        w.start();
        w.key('+');
        // Clear Skipped: No keeps it (the test is now paused).
        w.dialogs.queueNo();
        QTest::mouseClick(w.button("Button12"), Qt::LeftButton);
        QCOMPARE(w.count(SeriesId::Skipped), 1);
        QCOMPARE(w.phase(), SessionPhase::Stopped);
        w.dialogs.queueYes();
        QTest::mouseClick(w.button("Button12"), Qt::LeftButton);
        QCOMPARE(w.count(SeriesId::Skipped), 0);
        QCOMPARE(w.label("sskip")->text(), QStringLiteral("0"));

        // Clear Current.
        w.dialogs.queueNo();
        QTest::mouseClick(w.button("Button11"), Qt::LeftButton);
        QCOMPARE(w.count(SeriesId::Current), 29);
        w.dialogs.queueYes();
        QTest::mouseClick(w.button("Button11"), Qt::LeftButton);
        QCOMPARE(w.count(SeriesId::Current), 0);
        QCOMPARE(w.phase(), SessionPhase::Finished);
        // Empty Current: nothing at all.
        QTest::mouseClick(w.button("Button11"), Qt::LeftButton);
        QCOMPARE(w.dialogs.log.size(), 4);

        // "All" with only Custom non-empty.
        w.store.appendCopy(SeriesId::Custom, w.form->sampleCube());
        w.dialogs.queueNo();
        QTest::mouseClick(w.button("Button2"), Qt::LeftButton);
        QCOMPARE(w.dialogs.log.last(), QStringLiteral("ask: Delete all series?"));
        QCOMPARE(w.count(SeriesId::Custom), 1);
        w.dialogs.queueYes();
        QTest::mouseClick(w.button("Button2"), Qt::LeftButton);
        for (auto k : {SeriesId::Current, SeriesId::Skipped, SeriesId::Mistakes, SeriesId::Custom})
            QVERIFY(w.store[k].empty());
        // All empty: nothing.
        const int boxes = int(w.dialogs.log.size());
        QTest::mouseClick(w.button("Button2"), Qt::LeftButton);
        QCOMPARE(int(w.dialogs.log.size()), boxes);
    }

    // The file dialogs open in the folder last chosen, in this run or an
    // earlier one; else in the documents folder or home, never the program's.
    void dialogsOpenInTheFolderLastUsed_data() {
        QTest::addColumn<QString>("earlier"); // what an earlier run did
        QTest::addColumn<bool>("documents");  // whether the user has a documents folder
        QTest::addColumn<QString>("opensIn");
        QTest::newRow("first run") << "" << true << "Documents";
        QTest::newRow("first run, no documents") << "" << false << "home";
        QTest::newRow("kept from an earlier run") << "saved" << true << "series";
        QTest::newRow("folder gone since") << "saved, folder gone" << true << "Documents";
    }
    void dialogsOpenInTheFolderLastUsed() {
        QFETCH(QString, earlier);
        QFETCH(bool, documents);
        QFETCH(QString, opensIn);
        QTemporaryDir dir;
        const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
        QVERIFY(QDir().mkpath(config) && QDir().mkpath(dir.filePath("series")));
        QVERIFY(writeAll(config + "/user-dirs.dirs",
                         "XDG_DOCUMENTS_DIR=\"" + dir.filePath("Documents").toUtf8() + "\"\n"));
        if (documents)
            QVERIFY(QDir().mkpath(dir.filePath("Documents")));
        QSettings settings(dir.filePath("Vexlor.conf"), QSettings::IniFormat);
        const QString file = dir.filePath("series/a.srs");
        if (!earlier.isEmpty()) {
            WindowFixture first(nullptr, &settings);
            first.dialogs.queueFile(file);
            QTest::mouseClick(first.button("Button9"), Qt::LeftButton);
        }
        if (earlier.endsWith("gone"))
            QVERIFY(QDir(dir.filePath("series")).removeRecursively());
        WindowFixture w(nullptr, &settings);
        QCOMPARE(w.form->commands().dialogFolder(),
                 (opensIn == "home" ? QDir::homePath() : dir.filePath(opensIn)) + "/");
    }

    void savingFiles() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        WindowFixture w;
        const QString startFolder = w.form->commands().dialogFolder();

        // Save of Current: no question about timing, a stripped file.
        w.start();
        w.clock.advanceSeconds(3);
        w.click(w.wrongAnswer());
        const QString current = dir.filePath("current.srs");
        w.dialogs.queueFile(current);
        QTest::mouseClick(w.button("Button9"), Qt::LeftButton);
        QCOMPARE(w.dialogs.log.size(), 1);
        QCOMPARE(w.dialogs.log[0],
                 "save: Save the series: | Series (*.srs) | srs | " + startFolder);
        QCOMPARE(w.phase(), SessionPhase::Stopped);
        QCOMPARE(w.form->commands().dialogFolder(), dir.path() + "/");
        const QByteArray bytes = readAll(current);
        QCOMPARE(bytes.size(), kHeader + 30 * kRecord);
        QCOMPARE(bytes.left(6), QByteArray("SRS \x1e\x00", 6));
        for (int i = 0; i < 30; ++i) {
            const QByteArray rec = bytes.mid(kHeader + i * kRecord, kRecord);
            QCOMPARE(rec.mid(207, 4), QByteArray(4, '\0'));
            QCOMPARE(rec.mid(216, 16), QByteArray(16, '\0'));
        }
        // The Cube in memory keeps its pick and clock.
        QVERIFY(w.current()->clockStop > 0);

        // Save of Mistakes answered No: picks and times stay in the file.
        const QString mistakes = dir.filePath("mistakes.srs");
        w.dialogs.queueFile(mistakes);
        w.dialogs.queueNo();
        QTest::mouseClick(w.button("Button7"), Qt::LeftButton);
        QVERIFY(w.dialogs.log.last().startsWith("ask: Save without timing and solving "
                                                "information?\n(If you choose Yes, the Cubes "
                                                "will be saved with current time set to zero "
                                                "and no answers selected.)"));
        const QByteArray kept = readAll(mistakes);
        QCOMPARE(kept.size(), kHeader + kRecord);
        QCOMPARE(readDouble(kept, kHeader + 216), w.store[SeriesId::Mistakes].front().clockStart);
        QCOMPARE(readDouble(kept, kHeader + 224), w.store[SeriesId::Mistakes].front().clockStop);
        QVERIFY(readDouble(kept, kHeader + 224) > 0);

        // Yes strips.
        const QString stripped = dir.filePath("stripped.srs");
        w.dialogs.queueFile(stripped);
        w.dialogs.queueYes();
        QTest::mouseClick(w.button("Button7"), Qt::LeftButton);
        QCOMPARE(readAll(stripped).mid(kHeader + 216, 16), QByteArray(16, '\0'));

        // A cancelled dialog writes nothing and keeps lastdir.
        w.dialogs.queueCancel();
        QTest::mouseClick(w.button("Button7"), Qt::LeftButton);
        QCOMPARE(w.form->commands().dialogFolder(), dir.path() + "/");

        // A file that cannot be written: the error, and the series unchanged.
        w.dialogs.queueFile(dir.filePath("no/such/folder/x.srs"));
        QTest::mouseClick(w.button("Button9"), Qt::LeftButton);
        QCOMPARE(w.dialogs.log.last(), QStringLiteral("error: Error writing file."));
        QCOMPARE(w.dialogs.errorDetails.last(), QStringLiteral("No such file or directory"));
        QCOMPARE(w.count(SeriesId::Current), 30);
        QVERIFY(!w.dialogs.unexpected);
    }

    void savingATooLongSeriesIsRefused() {
        QTemporaryDir dir;
        WindowFixture w;
        // 65,536 Cubes in Current, linked by hand (far beyond what the
        // program makes in one go, but Mistakes and Custom can grow so).
        w.store.replaceCurrent(Series(65'536, Cube{}));
        QCOMPARE(w.count(SeriesId::Current), 65'536);
        const QString path = dir.filePath("long.srs");
        QVERIFY(writeAll(path, "earlier"));
        QTest::mouseClick(w.button("Button9"), Qt::LeftButton);
        QCOMPARE(w.dialogs.log.size(), 1);
        QCOMPARE(w.dialogs.log[0], "error: " + QString::fromUtf8(kSeriesTooLong));
        QVERIFY(w.dialogs.log[0].contains("65,535"));
        QCOMPARE(readAll(path), QByteArray("earlier"));
    }

    void loadingFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("cubes"); // -1: Current as it was
        QTest::newRow("no space after SRS")
            << QByteArray("SRS\x01\x00", 5) << "Wrong file format." << -1;
        QTest::newRow("three bytes") << QByteArray("SRS") << "Wrong file format." << -1;
        QTest::newRow("magic only") << QByteArray("SRS ") << "Error reading file." << 0;
        QTest::newRow("count 0") << QByteArray("SRS \x00\x00", 6) << "Error reading file." << 0;
        QTest::newRow("count cut") << QByteArray("SRS \x02", 5) << "Error reading file." << 0;
    }
    void loadingFiles() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        QFETCH(int, cubes);
        QTemporaryDir dir;
        WindowFixture w;
        const QString path = dir.filePath("bad.srs");
        QVERIFY(writeAll(path, bytes));
        w.start();
        w.dialogs.queueYes();
        w.dialogs.queueFile(path);
        QTest::mouseClick(w.button("loadfromfile"), Qt::LeftButton);
        QCOMPARE(w.dialogs.log[0], QStringLiteral("ask: Delete the Current series?"));
        QCOMPARE(w.dialogs.log.last(), "error: " + message);
        QCOMPARE(w.count(SeriesId::Current), cubes < 0 ? 30 : cubes);
        QVERIFY(w.phase() == SessionPhase::Stopped || w.phase() == SessionPhase::Finished);
        QVERIFY(isBlank(w.picture("qu")->canvas().image()));
        QCOMPARE(w.form->commands().dialogFolder(), dir.path() + "/");
    }

    // Load reads only a regular file: a FIFO, which would hold the window
    // until a writer came, a device or a folder is "Wrong file format." at
    // once.
    void loadingRefusesWhatIsNoFile_data() {
        QTest::addColumn<QString>("path"); // FIFO and FOLDER are made in the test's folder
        QTest::newRow("a FIFO") << "FIFO";
        QTest::newRow("a folder") << "FOLDER";
        QTest::newRow("a device") << "/dev/zero";
    }
    void loadingRefusesWhatIsNoFile() {
        QFETCH(QString, path);
        QTemporaryDir dir;
        if (path == QLatin1String("FIFO"))
            QCOMPARE(::mkfifo(QFile::encodeName(path = dir.filePath(path)).constData(), 0600), 0);
        else if (path == QLatin1String("FOLDER"))
            QVERIFY(QDir().mkpath(path = dir.filePath(path)));
        unblockLater(path);
        WindowFixture w;
        w.dialogs.queueYes();
        w.dialogs.queueFile(path);
        QElapsedTimer loading;
        loading.start();
        QTest::mouseClick(w.button("loadfromfile"), Qt::LeftButton);
        QVERIFY2(loading.elapsed() < 2000, "the load waited on the file");
        QCOMPARE(w.dialogs.log.last(), QStringLiteral("error: Wrong file format."));
        QCOMPARE(w.count(SeriesId::Current), 30);
    }

    void loadingCutAndMissingFiles() {
        QTemporaryDir dir;
        WindowFixture w;
        // A good file of 3 Cubes, cut inside the third record.
        const QString good = dir.filePath("good.srs");
        w.newSeries(3);
        w.dialogs.queueFile(good);
        QTest::mouseClick(w.button("Button9"), Qt::LeftButton);
        QByteArray bytes = readAll(good);
        QCOMPARE(bytes.size(), kHeader + 3 * kRecord);
        const QString cut = dir.filePath("cut.srs");
        QVERIFY(writeAll(cut, bytes.left(kHeader + 2 * kRecord + 100)));
        w.dialogs.queueYes();
        w.dialogs.queueFile(cut);
        QTest::mouseClick(w.button("loadfromfile"), Qt::LeftButton);
        QCOMPARE(w.dialogs.log.last(), QStringLiteral("error: Error reading file."));
        QCOMPARE(w.count(SeriesId::Current), 2);

        // A missing file keeps Current.
        w.dialogs.queueYes();
        w.dialogs.queueFile(dir.filePath("missing.srs"));
        QTest::mouseClick(w.button("loadfromfile"), Qt::LeftButton);
        QCOMPARE(w.dialogs.log.last(), QStringLiteral("error: Wrong file format."));
        QCOMPARE(w.count(SeriesId::Current), 2);

        // Extra bytes after the last record are ignored; an empty Current
        // asks nothing before the dialog.
        w.store.clearSeries(SeriesId::Current);
        QVERIFY(writeAll(good, bytes + QByteArray("trailing bytes")));
        w.dialogs.log.clear();
        w.dialogs.queueFile(good);
        QTest::mouseClick(w.button("loadfromfile"), Qt::LeftButton);
        QCOMPARE(w.dialogs.log.size(), 1);
        QCOMPARE(w.dialogs.log[0],
                 "open: Open series or series set: | Series (*.srs) | srs | " + dir.path() + "/");
        QCOMPARE(w.count(SeriesId::Current), 3);

        // Cancelled: nothing changes but the pause.
        w.start();
        w.dialogs.queueYes();
        w.dialogs.queueCancel();
        QTest::mouseClick(w.button("loadfromfile"), Qt::LeftButton);
        QCOMPARE(w.count(SeriesId::Current), 3);
        QCOMPARE(w.phase(), SessionPhase::Stopped);
        QVERIFY(!w.dialogs.unexpected);
    }

    // A file named on the command line replaces the random Current as Load
    // does, with Load's message shown once the window is on screen; the
    // program starts all the same, the sample on show.
    void aStartUpFileLoadsAsLoadDoes_data() {
        QTest::addColumn<QByteArray>("bytes"); // empty: no such file
        QTest::addColumn<QString>("message");  // empty: none
        QTest::addColumn<int>("cubes");        // -1: the random 30 as they were
        const QByteArray good = threeCubes();
        QTest::newRow("good") << good << QString() << 3;
        QTest::newRow("wrong format") << QByteArray("SRS\x01\x00", 5) << "Wrong file format." << -1;
        QTest::newRow("cut") << good.left(kHeader + 2 * kRecord + 100) << "Error reading file."
                             << 2;
        QTest::newRow("missing") << QByteArray() << "Wrong file format." << -1;
    }
    void aStartUpFileLoadsAsLoadDoes() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        QFETCH(int, cubes);
        QTemporaryDir dir;
        const QString path = dir.filePath("start.srs");
        if (!bytes.isEmpty())
            QVERIFY(writeAll(path, bytes));
        FakeClock clock;
        RandomSource randomSource(RandomSource::secondsNow());
        ScriptedDialogs dialogs;
        SeriesStore store;
        SessionState state;
        HistoryStore history(HistoryStore::defaultPath());
        QSettings settings(dir.filePath("Vexlor.conf"), QSettings::IniFormat);
        MainWindow form({dialogs, store, state, history, settings, clock, randomSource});
        QList<bool> exposedAtBox;
        dialogs.onOpen = [&] { exposedAtBox.append(form.windowHandle()->isExposed()); };
        form.setStartupFile(path);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        // Loading moves the dialogs to the file's folder, good file or bad.
        QTRY_COMPARE(form.commands().dialogFolder(), dir.path() + "/");

        if (message.isEmpty())
            QCOMPARE(dialogs.log, QStringList());
        else
            QCOMPARE(dialogs.log, QStringList{"error: " + message});
        QCOMPARE(exposedAtBox, QList<bool>(dialogs.log.size(), true));
        QCOMPARE(store.count(SeriesId::Current), cubes < 0 ? 30 : cubes);
        if (cubes == 3)
            QCOMPARE(fileBytes(store[SeriesId::Current]), bytes);
        QCOMPARE(form.flow().phase(), SessionPhase::Stopped);
        QVERIFY(!isBlank(form.findChild<PictureWidget*>("qu")->canvas().image()));
        QVERIFY(form.isVisible());
    }

    void mistakesSurviveAFileRoundTrip() {
        // Solve with wrong picks, save Mistakes with its timing, clear
        // everything, load the file and go on where the copies stood.
        QTemporaryDir dir;
        WindowFixture w;
        w.newSeries(3);
        w.start();
        const int wrong0 = w.wrongAnswer(0);
        const int wrong1 = w.wrongAnswer(1);
        w.clock.advanceSeconds(1.5);
        w.click(wrong0); // copy 1: no pick yet, 1.5 s
        w.clock.advanceSeconds(2);
        w.click(wrong1); // copy 2: wrong0 picked, 3.5 s
        w.click(w.current()->correctAnswer);
        w.click(0);
        QCOMPARE(w.count(SeriesId::Mistakes), 2);
        const QString path = dir.filePath("mistakes.srs");
        w.dialogs.queueFile(path);
        w.dialogs.queueNo();
        QTest::mouseClick(w.button("Button7"), Qt::LeftButton);

        w.dialogs.queueYes();
        QTest::mouseClick(w.button("Button2"), Qt::LeftButton);
        QCOMPARE(w.count(SeriesId::Mistakes), 0);

        w.dialogs.queueFile(path);
        QTest::mouseClick(w.button("loadfromfile"), Qt::LeftButton);
        QCOMPARE(w.count(SeriesId::Current), 2);
        w.clock.advanceSeconds(100);
        w.start();
        // The first copy's time goes on from 1.5 s.
        w.form->updateClocks();
        QCOMPARE(w.label("tcurr")->text(), QStringLiteral("1.5"));
        w.clock.advanceSeconds(1);
        w.form->updateClocks();
        QCOMPARE(w.label("tcurr")->text(), QStringLiteral("2.5"));
        w.click(w.current()->correctAnswer);
        w.click(0);
        // The second copy shows the earlier wrong pick, which counts nothing
        // when picked again, and goes on from 3.5 s.
        QCOMPARE(int(w.current()->picked[wrong0]), 1);
        QCOMPARE(int(w.current()->picked[wrong1]), 0);
        w.form->updateClocks();
        QCOMPARE(w.label("tcurr")->text(), QStringLiteral("3.5"));
        w.click(wrong0);
        QCOMPARE(w.state.mistakes, 0);
        QCOMPARE(w.count(SeriesId::Mistakes), 0);
        QVERIFY(!w.dialogs.unexpected);
    }
};

QTEST_MAIN(SeriesCommandsTest)
#include "tst_series_commands.moc"
