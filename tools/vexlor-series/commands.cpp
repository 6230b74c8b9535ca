#include "commands.h"

#include "series_input.h"

#include "cube/answer_fit.h"
#include "cube/answer_order.h"
#include "cube/invariants.h"
#include "cube/random.h"
#include "printing/class_report_print.h"
#include "printing/explanation.h"
#include "printing/image_canvas.h"
#include "printing/worksheet.h"
#include "render/pictures.h"
#include "render/projection.h"
#include "series/class_report.h"
#include "series/series_file.h"
#include "time/datetime.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextStream>

#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

namespace vexlor::tool {

namespace {

QTextStream& out() {
    static QTextStream out(stdout);
    return out;
}

// "1 Cube", "2 Cubes": a count with its noun.
QString counted(int n, const char* noun) {
    return QStringLiteral("%1 %2%3")
        .arg(n)
        .arg(QLatin1String(noun))
        .arg(n == 1 ? QString() : QStringLiteral("s"));
}

// Reads the series at path (a file, or "-" for standard input) into Current
// of store. On failure returns one line saying what is wrong with it.
std::optional<QString> load(const QString& path, SeriesStore& store) {
    // No valid file is longer; whatever follows is never read.
    QByteArray bytes;
    if (const auto error =
            readInput(path, static_cast<qint64>(seriesFileSize(kMaxCubesPerFile)), bytes))
        return error;

    MemorySource source(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                        static_cast<std::size_t>(bytes.size()));
    const QString name = inputName(path);
    switch (readSeriesFile(source, store)) {
    case LoadResult::Ok:
        return std::nullopt;
    case LoadResult::WrongFormat:
        if (bytes.size() < 4)
            return QStringLiteral("%1 is too short to be a series file (%2 bytes)")
                .arg(name)
                .arg(bytes.size());
        return QStringLiteral("%1 is not a series file: it does not start with \"SRS \"").arg(name);
    case LoadResult::ReadError:
        break;
    }
    if (bytes.size() < static_cast<qsizetype>(kSeriesHeaderSize))
        return QStringLiteral("%1 ends before its count of Cubes").arg(name);
    const int n = static_cast<std::uint8_t>(bytes[4]) | (static_cast<std::uint8_t>(bytes[5]) << 8);
    if (n == 0)
        return QStringLiteral("%1 holds no Cubes: its count is 0").arg(name);
    return QStringLiteral("%1 is cut short: it announces %2 but holds %3")
        .arg(name, counted(n, "Cube"), counted(store.count(SeriesId::Current), "whole record"));
}

// The solving time a saved Cube carries, in seconds: stop minus start when
// both are set, as stored. Unlike the window's label it keeps whole days and
// the sign, so that a damaged or odd clock shows as what it is; tenths are
// cut as the label cuts them.
QString storedTime(const Cube& c) {
    if (!isStampSet(c.clockStart) || !isStampSet(c.clockStop))
        return QStringLiteral("0.0");
    constexpr double kMsPerDay = 86'400'000.0;
    const double tenths = std::trunc(std::round((c.clockStop - c.clockStart) * kMsPerDay) / 100.0);
    return QString::number(tenths / 10.0, 'f', 1);
}

QString joined(const std::int8_t* values, int n) {
    QStringList parts;
    for (int i = 0; i < n; ++i)
        parts << QString::number(values[i]);
    return parts.join(QLatin1Char(','));
}

QJsonArray jsonList(const std::int8_t* values, int n) {
    QJsonArray a;
    for (int i = 0; i < n; ++i)
        a.append(values[i]);
    return a;
}

// The loaded Cubes in series order: the one walk over the series that the
// sheet makes.
std::vector<const Cube*> cubesOf(const SeriesStore& store) {
    std::vector<const Cube*> cubes;
    for (const Cube& c : store[SeriesId::Current])
        cubes.push_back(&c);
    return cubes;
}

// A copy of c as it was generated: no picks, no clock. The sheet draws these,
// so that every Cube shows unsolved whatever the file holds.
Cube unsolved(const Cube& c) {
    Cube copy = c;
    std::fill(std::begin(copy.picked), std::end(copy.picked), std::int8_t{0});
    copy.clockStart = copy.clockStop = 0.0;
    return copy;
}

// A whole number from min to max read from text; nullopt when it is not.
std::optional<int> wholeNumber(const QString& text, int min, int max) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < min || value > max)
        return std::nullopt;
    return value;
}

// The layout options of sheet, checked; on failure one line saying what is
// wrong with them.
std::optional<QString> readSheetOptions(const SheetArguments& arguments, SheetOptions& options) {
    if (arguments.perPage) {
        const auto n = wholeNumber(*arguments.perPage, 1, kMaxItemsPerPage);
        if (!n)
            return QStringLiteral("--per-page must be a whole number from 1 to %1, not '%2'")
                .arg(kMaxItemsPerPage)
                .arg(*arguments.perPage);
        options.itemsPerPage = *n;
    }
    if (arguments.pageSize) {
        if (arguments.pageSize->compare(QLatin1String("A4"), Qt::CaseInsensitive) == 0)
            options.pageSize = QPageSize::A4;
        else if (arguments.pageSize->compare(QLatin1String("Letter"), Qt::CaseInsensitive) == 0)
            options.pageSize = QPageSize::Letter;
        else
            return QStringLiteral("--page-size must be A4 or Letter, not '%1'")
                .arg(*arguments.pageSize);
    }
    if (arguments.keyOnly && arguments.noKey)
        return QStringLiteral("--key-only and --no-key leave nothing to print");
    options.parts = arguments.keyOnly ? SheetParts::KeyOnly
                    : arguments.noKey ? SheetParts::PupilsOnly
                                      : SheetParts::PupilsAndKey;
    options.title = arguments.title.value_or(defaultSheetTitle());
    options.mono = arguments.mono;
    options.explain = arguments.explain;
    options.answerGrid = arguments.answerGrid;
    return std::nullopt;
}

// Standard output in place of a file, for a series, a picture or a sheet
// piped on. /dev/stdout is a pipe or a terminal more often than a file, and
// neither can take the finished file renamed over it, so it is written as
// "-" is.
bool isStandardOutput(const QString& output) {
    return output == QLatin1String("-") || output == QLatin1String("/dev/stdout");
}

// True when the output and the input are one existing file, whatever the
// names: the same path, a symbolic link to it, another hard link of it, or
// the file standard input reads ("-").
bool sameFile(const QString& output, const QString& input) {
    struct stat sa {};
    struct stat sb {};
    return ::stat(QFile::encodeName(output).constData(), &sa) == 0 && statInput(input, sb) &&
           sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

// Writes bytes to standard output; false when they did not all get there.
bool writeStandardOutput(const QByteArray& bytes) {
    const std::size_t size = static_cast<std::size_t>(bytes.size());
    return std::fwrite(bytes.constData(), 1, size, stdout) == size && std::fflush(stdout) == 0;
}

// The PDF of a sheet written to device; false when it could not be started.
bool writeSheet(QIODevice& device, const std::vector<Cube>& cubes, const SheetOptions& options) {
    QPdfWriter writer(&device);
    setUpSheetPage(writer, options);
    writer.setTitle(options.version.isEmpty()
                        ? options.title
                        : QStringLiteral("%1 (version %2)").arg(options.title, options.version));
    writer.setCreator(QStringLiteral("vexlor-series"));
    return printSheet(writer, cubes, options);
}

// A PDF written by `write` saved as output: to standard output for "-", else
// in place of the file only once every byte is on disk. On failure one line
// saying why.
std::optional<QString> savePdf(const QString& output,
                               const std::function<bool(QIODevice&)>& write) {
    const QString started = QStringLiteral("cannot write %1: the PDF could not be started");
    if (isStandardOutput(output)) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        if (!write(buffer))
            return started.arg(output);
        if (!writeStandardOutput(buffer.data()))
            return QStringLiteral("cannot write the PDF to standard output");
        return std::nullopt;
    }
    QSaveFile pdf(output);
    QString reason;
    if (!openForSave(pdf, &reason))
        return QStringLiteral("cannot write %1: %2").arg(output, reason);
    if (!write(pdf)) {
        pdf.cancelWriting();
        return started.arg(output);
    }
    if (!finishSave(pdf, &reason))
        return QStringLiteral("cannot write %1: %2").arg(output, reason);
    return std::nullopt;
}

std::optional<QString> saveSheet(const QString& output, const std::vector<Cube>& cubes,
                                 const SheetOptions& options) {
    return savePdf(output, [&](QIODevice& device) { return writeSheet(device, cubes, options); });
}

// Text saved as output, as savePdf saves a PDF.
std::optional<QString> saveText(const QString& output, const QByteArray& text) {
    if (isStandardOutput(output)) {
        if (!writeStandardOutput(text))
            return QStringLiteral("cannot write %1 to standard output").arg(output);
        return std::nullopt;
    }
    QSaveFile file(output);
    QString reason;
    if (!openForSave(file, &reason) || file.write(text) != text.size() ||
        !finishSave(file, &reason))
        return QStringLiteral("cannot write %1: %2").arg(output, reason);
    return std::nullopt;
}

// Saves series to path as the program saves its Current series: without
// picks or times.
std::optional<QString> saveStripped(const QString& path, const Series& series) {
    if (isStandardOutput(path)) {
        MemorySink bytes;
        if (writeSeriesFile(bytes, series, true) != WriteResult::Ok ||
            !writeStandardOutput(
                QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.bytes.data()),
                                        static_cast<qsizetype>(bytes.bytes.size()))))
            return QStringLiteral("cannot write the series to standard output");
        return std::nullopt;
    }
    QString reason;
    const WriteResult result = saveSeriesFile(path, series, true, &reason);
    if (result == WriteResult::Ok)
        return std::nullopt;
    if (reason.isEmpty())
        reason = QString::fromUtf8(saveMessage(result));
    return QStringLiteral("cannot write %1: %2").arg(path, reason);
}

// The files one version is written to: OUT-A.pdf (and OUT-A.srs) for -o
// OUT.pdf or -o OUT.
struct VersionFiles {
    QString pdf;
    QString series;
};

std::vector<VersionFiles> versionFiles(const QString& output, int versions) {
    QString base = output;
    if (base.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        base.chop(4);
    std::vector<VersionFiles> files;
    for (int v = 0; v < versions; ++v) {
        const QString stem = QStringLiteral("%1-%2").arg(base, QString(answerLetter(v)));
        files.push_back({stem + QStringLiteral(".pdf"), stem + QStringLiteral(".srs")});
    }
    return files;
}

} // namespace

std::optional<QString> refuseOutputOverInput(const QString& output, const QStringList& inputs) {
    if (isStandardOutput(output))
        return std::nullopt;
    for (const QString& input : inputs)
        if (sameFile(output, input))
            return QStringLiteral("cannot write %1: it is %2, the file being read")
                .arg(output, inputName(input));
    return std::nullopt;
}

int fail(const QString& message) {
    std::fprintf(stderr, "vexlor-series: %s\n", qUtf8Printable(message));
    return kExitBadInput;
}

std::optional<QString> readSeriesArguments(const QString& countText,
                                           const std::optional<QString>& seedText,
                                           SeriesArguments& arguments) {
    bool ok = false;
    arguments.count = countText.toInt(&ok);
    if (!ok || arguments.count < 1 || arguments.count > kMaxCubesPerFile)
        return QStringLiteral("COUNT must be a whole number from 1 to 65535, not '%1'")
            .arg(countText);
    if (seedText) {
        arguments.seed = seedText->toLongLong(&ok);
        if (!ok)
            return QStringLiteral("SECONDS must be a whole number, not '%1'").arg(*seedText);
    }
    return std::nullopt;
}

int saveGenerated(const SeriesStore& store, const QString& output) {
    if (const auto error = saveStripped(output, store[SeriesId::Current]))
        return fail(*error);
    return kExitOk;
}

int generate(const QString& countText, const std::optional<QString>& seedText,
             const QString& output) {
    SeriesArguments arguments;
    if (const auto error = readSeriesArguments(countText, seedText, arguments))
        return fail(*error);
    RandomSource randomSource(arguments.seedOrNow());
    SeriesStore store;
    store.seriesSize = arguments.count;
    store.makeRandomSeries(randomSource);
    return saveGenerated(store, output);
}

int info(const QString& file, bool json) {
    SeriesStore store;
    if (const auto error = load(file, store))
        return fail(*error);
    QJsonArray list;
    int next = 0;
    for (const Cube& cube : store[SeriesId::Current]) {
        const Cube* c = &cube;
        const int index = next++;
        if (json) {
            QJsonObject o;
            o[QStringLiteral("index")] = index;
            o[QStringLiteral("kind")] = c->recipe;
            o[QStringLiteral("correct")] = c->correctAnswer;
            o[QStringLiteral("corfaces")] = jsonList(c->correctFaces, kVisibleFaces);
            o[QStringLiteral("chosen")] = jsonList(c->picked, kAnswers);
            o[QStringLiteral("time")] = storedTime(*c).toDouble();
            o[QStringLiteral("solved")] = isSolved(*c);
            list.append(o);
            continue;
        }
        out() << QStringLiteral("index=%1 kind=%2 correct=%3 corfaces=%4 chosen=%5 time=%6 "
                                "solved=%7")
                     .arg(index)
                     .arg(c->recipe)
                     .arg(c->correctAnswer)
                     .arg(joined(c->correctFaces, kVisibleFaces), joined(c->picked, kAnswers),
                          storedTime(*c),
                          isSolved(*c) ? QStringLiteral("yes") : QStringLiteral("no"))
              << '\n';
    }
    if (json) {
        // One Cube per line, so that the list reads well and diffs well.
        out() << "[";
        for (qsizetype i = 0; i < list.size(); ++i)
            out() << (i == 0 ? "\n" : ",\n")
                  << QJsonDocument(list[i].toObject()).toJson(QJsonDocument::Compact);
        out() << "\n]\n";
    }
    out().flush();
    return kExitOk;
}

int explain(const QString& file, const std::optional<QString>& itemText, bool json) {
    SeriesStore store;
    if (const auto error = load(file, store))
        return fail(*error);
    const std::vector<const Cube*> all = cubesOf(store);
    const int n = static_cast<int>(all.size());
    int first = 1, last = n;
    if (itemText) {
        const auto item = wholeNumber(*itemText, 1, n);
        if (!item)
            return fail(QStringLiteral("--item must be a whole number from 1 to %1 (%2 holds %3), "
                                       "not '%4'")
                            .arg(n)
                            .arg(file, counted(n, "Cube"), *itemText));
        first = last = *item;
    }
    // Only a Cube with one answer that folds can be explained; every one is
    // checked before anything is printed. Picks and times are allowed.
    for (int item = first; item <= last; ++item) {
        const auto failures =
            invariantFailures(*all[static_cast<std::size_t>(item - 1)], Progress::Consistent);
        if (!failures.empty())
            return fail(QStringLiteral("item %1 of %2 cannot be explained: %3")
                            .arg(item)
                            .arg(file, QString::fromStdString(failures.front())));
    }
    // Which visible faces differ, by the names the answer pictures give them.
    static const char* const kVisibleFaceNames[kVisibleFaces] = {"top", "right", "left"};
    // A JSON string as Qt writes one, quotes and escapes included.
    const auto jsonString = [](const QString& text) {
        const QByteArray list = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
        return QString::fromUtf8(list.mid(1, list.size() - 2));
    };
    for (int item = first; item <= last; ++item) {
        const Cube& c = *all[static_cast<std::size_t>(item - 1)];
        QStringList answers;
        for (int a = 0; a < kAnswers; ++a) {
            const Explanation why = explainAnswer(c, a);
            const bool folds = why.reason == Reason::Folds;
            QStringList differing;
            for (int k = 0; k < kVisibleFaces; ++k)
                if (why.fit.difference[static_cast<std::size_t>(k)] != FaceDifference::Same)
                    differing << QLatin1String(kVisibleFaceNames[k]);
            const QString letter(answerLetter(a));
            const QString sentence = explanationSentence(c, a);
            if (!json) {
                out() << QStringLiteral("item=%1 answer=%2 folds=%3 differing=%4 sentence=%5")
                             .arg(item)
                             .arg(letter, folds ? QStringLiteral("yes") : QStringLiteral("no"),
                                  differing.isEmpty() ? QStringLiteral("-")
                                                      : differing.join(QLatin1Char(',')),
                                  sentence)
                      << '\n';
                continue;
            }
            // Written by hand to keep the keys in the documented order.
            for (QString& face : differing)
                face = jsonString(face);
            answers << QStringLiteral("{\"letter\":%1,\"folds\":%2,\"differing\":[%3],"
                                      "\"sentence\":%4}")
                           .arg(jsonString(letter),
                                folds ? QStringLiteral("true") : QStringLiteral("false"),
                                differing.join(QLatin1Char(',')), jsonString(sentence));
        }
        if (json)
            out() << QStringLiteral("{\"item\":%1,\"answers\":[%2]}")
                         .arg(QString::number(item), answers.join(QLatin1Char(',')))
                  << '\n';
    }
    out().flush();
    return kExitOk;
}

int check(const QString& file, bool stripped) {
    SeriesStore store;
    if (const auto error = load(file, store))
        return fail(*error);
    int broken = 0;
    int next = 0;
    for (const Cube& c : store[SeriesId::Current]) {
        const int index = next++;
        const auto failures =
            invariantFailures(c, stripped ? Progress::None : Progress::Consistent);
        if (failures.empty())
            continue;
        ++broken;
        for (const auto& f : failures)
            out() << QStringLiteral("Cube %1: %2").arg(index).arg(QString::fromStdString(f))
                  << '\n';
    }
    const int n = store.count(SeriesId::Current);
    if (broken == 0 && n == 1)
        out() << QStringLiteral("%1: its 1 Cube holds every invariant").arg(inputName(file))
              << '\n';
    else if (broken == 0)
        out() << QStringLiteral("%1: all %2 hold every invariant")
                     .arg(inputName(file), counted(n, "Cube"))
              << '\n';
    else
        out() << QStringLiteral("%1: %2 of %3 %4 invariants")
                     .arg(inputName(file))
                     .arg(broken)
                     .arg(counted(n, "Cube"),
                          broken == 1 ? QStringLiteral("breaks") : QStringLiteral("break"))
              << '\n';
    out().flush();
    return broken == 0 ? kExitOk : kExitCheckFailed;
}

int render(const QString& file, const QString& indexText, const QString& output) {
    SeriesStore store;
    if (const auto error = load(file, store))
        return fail(*error);
    const int count = store.count(SeriesId::Current);
    bool ok = false;
    const int index = indexText.toInt(&ok);
    if (!ok)
        return fail(QStringLiteral("INDEX must be a whole number, not '%1'").arg(indexText));
    if (index < 0 || index >= count)
        return fail(QStringLiteral("index out of range: %1 holds %2, so INDEX runs from 0 to %3, "
                                   "not %4")
                        .arg(inputName(file), counted(count, "Cube"))
                        .arg(count - 1)
                        .arg(index));
    const Cube* c = &store[SeriesId::Current][static_cast<std::size_t>(index)];

    // The five pictures as the window shows a Cube: blank, then the net and
    // the four answers in the colours of the Cube's stored picks. The
    // highlight colours keep their unshuffled order.
    constexpr int kQuestion = 500, kAnswer = kAnswerSide;
    ImageCanvas question(kQuestion, kQuestion);
    ImageCanvas a0(kAnswer, kAnswer), a1(kAnswer, kAnswer), a2(kAnswer, kAnswer),
        a3(kAnswer, kAnswer);
    const Pictures pictures{&question, {&a0, &a1, &a2, &a3}, makeProjection(kAnswer)};
    clearPictures(pictures);
    drawNet(pictures, *c, true);
    for (int a = 0; a < kAnswers; ++a)
        drawAnswer(pictures, *c, a);

    QImage sheet(kQuestion + 2 * kAnswer, kQuestion, QImage::Format_RGB32);
    {
        QPainter painter(&sheet);
        painter.drawImage(0, 0, question.image());
        const ImageCanvas* answers[kAnswers] = {&a0, &a1, &a2, &a3};
        for (int a = 0; a < kAnswers; ++a)
            painter.drawImage(kQuestion + kAnswer * (a % 2), kAnswer * (a / 2),
                              answers[a]->image());
    }
    if (isStandardOutput(output)) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        if (!sheet.save(&buffer, "PNG") || !writeStandardOutput(buffer.data()))
            return fail(QStringLiteral("cannot write the PNG to standard output"));
        return kExitOk;
    }
    QSaveFile png(output);
    if (!png.open(QIODevice::WriteOnly) || !sheet.save(&png, "PNG") || !png.flush() ||
        !png.commit())
        return fail(QStringLiteral("cannot write %1: %2").arg(output, png.errorString()));
    return kExitOk;
}

int sheet(const QString& file, const SheetArguments& arguments, const QString& output) {
    SheetOptions options;
    if (const auto error = readSheetOptions(arguments, options))
        return fail(*error);
    int versions = 1;
    if (arguments.versions) {
        const auto n = wholeNumber(*arguments.versions, 2, kMaxVersions);
        if (!n)
            return fail(QStringLiteral("--versions must be a whole number from 2 to %1, not '%2'")
                            .arg(kMaxVersions)
                            .arg(*arguments.versions));
        versions = *n;
        if (isStandardOutput(output))
            return fail(QStringLiteral("--versions writes a file for each version; -o - cannot "
                                       "take them"));
    }
    if (arguments.saveSeries && !arguments.versions)
        return fail(QStringLiteral("--save-series needs --versions"));
    if (arguments.balanceA && !arguments.versions)
        return fail(QStringLiteral("--balance-a needs --versions"));
    if (arguments.seed && !arguments.versions)
        return fail(QStringLiteral("--seed needs --versions: it orders the versions' answers"));
    std::int64_t seed = 0;
    if (arguments.seed) {
        bool ok = false;
        seed = arguments.seed->toLongLong(&ok);
        if (!ok)
            return fail(
                QStringLiteral("--seed must be a whole number, not '%1'").arg(*arguments.seed));
    }

    // Every file this run would write, each checked before any is written.
    const std::vector<VersionFiles> files = arguments.versions
                                                ? versionFiles(output, versions)
                                                : std::vector<VersionFiles>{{output, {}}};
    for (const VersionFiles& f : files)
        for (const QString& path : {f.pdf, f.series}) {
            if (path.isEmpty() || (path == f.series && !arguments.saveSeries))
                continue;
            if (const auto refusal = refuseOutputOverInput(path, {file}))
                return fail(*refusal);
            if (!isStandardOutput(path) && !QFileInfo(QFileInfo(path).absolutePath()).isDir())
                return fail(QStringLiteral("cannot write %1: No such file or directory").arg(path));
        }

    SeriesStore store;
    if (const auto error = load(file, store))
        return fail(*error);
    const std::vector<const Cube*> all = cubesOf(store);
    const int n = static_cast<int>(all.size());
    int from = 0;
    if (arguments.from) {
        bool ok = false;
        from = arguments.from->toInt(&ok);
        if (!ok)
            return fail(
                QStringLiteral("--from must be a whole number, not '%1'").arg(*arguments.from));
        if (from < 0 || from >= n)
            return fail(QStringLiteral("index out of range: %1 holds %2, so --from runs from 0 to "
                                       "%3, not %4")
                            .arg(inputName(file), counted(n, "Cube"))
                            .arg(n - 1)
                            .arg(from));
    }
    int count = n - from;
    if (arguments.count) {
        const auto k = wholeNumber(*arguments.count, 1, n - from);
        if (!k)
            return fail(QStringLiteral("--count must be a whole number from 1 to %1 (the Cubes "
                                       "from %2 on), not '%3'")
                            .arg(n - from)
                            .arg(from)
                            .arg(*arguments.count));
        count = *k;
    }

    // A Cube that breaks the generator's rules would print a puzzle without
    // one right answer, or a wrong key.
    std::vector<Cube> cubes;
    cubes.reserve(static_cast<std::size_t>(count));
    for (int i = from; i < from + count; ++i) {
        cubes.push_back(unsolved(*all[static_cast<std::size_t>(i)]));
        const auto failures = invariantFailures(cubes.back());
        if (!failures.empty())
            return fail(QStringLiteral("Cube %1 of %2 cannot be printed: %3")
                            .arg(i)
                            .arg(inputName(file), QString::fromStdString(failures.front())));
    }

    if (!arguments.versions) {
        if (const auto error = saveSheet(output, cubes, options))
            return fail(*error);
        return kExitOk;
    }

    // All versions' orders are drawn at once, so that one seed always gives
    // the same versions.
    RandomSource randomSource(arguments.seed ? seed : RandomSource::secondsNow());
    std::vector<int> correct;
    correct.reserve(cubes.size());
    for (const Cube& c : cubes)
        correct.push_back(c.correctAnswer);
    const std::vector<std::vector<AnswerOrder>> orders =
        versionOrders(correct, versions, arguments.balanceA, randomSource);
    for (int v = 0; v < versions; ++v) {
        Series version;
        for (std::size_t i = 0; i < cubes.size(); ++i)
            version.push_back(withAnswerOrder(cubes[i], orders[i][static_cast<std::size_t>(v)]));
        options.version = QString(answerLetter(v));
        const VersionFiles& f = files[static_cast<std::size_t>(v)];
        if (const auto error =
                saveSheet(f.pdf, std::vector<Cube>(version.begin(), version.end()), options))
            return fail(*error);
        if (!arguments.saveSeries)
            continue;
        if (const auto error = saveStripped(f.series, version))
            return fail(*error);
    }
    return kExitOk;
}

int report(const QStringList& files, const std::optional<QString>& original, const QString& output,
           const std::optional<QString>& csv) {
    // No output replaces a file the report reads: the command table's check
    // has seen to that. Nor may one output replace the other.
    QStringList outputs{output};
    if (csv)
        outputs << *csv;
    for (const QString& out : outputs)
        if (!isStandardOutput(out) && !QFileInfo(QFileInfo(out).absolutePath()).isDir())
            return fail(QStringLiteral("cannot write %1: No such file or directory").arg(out));
    if (csv && (isStandardOutput(*csv) ? isStandardOutput(output)
                                       : sameFile(*csv, output) || *csv == output))
        return fail(
            QStringLiteral("-o and --csv name one file, %1: give each its own").arg(output));

    std::vector<Cube> originalCubes;
    if (original) {
        SeriesStore store;
        if (const auto error = load(*original, store))
            return fail(*error);
        originalCubes.assign(store[SeriesId::Current].begin(), store[SeriesId::Current].end());
    }
    // A file that cannot be read is one of those left out: it says why here,
    // in more words than the report has room for.
    std::vector<ResultsFile> results;
    std::vector<QString> unreadable(static_cast<std::size_t>(files.size()));
    for (qsizetype f = 0; f < files.size(); ++f) {
        SeriesStore store;
        ResultsFile file;
        file.name = QFileInfo(files[f]).completeBaseName().toStdString();
        if (const auto error = load(files[f], store)) {
            file.read = false;
            unreadable[static_cast<std::size_t>(f)] = *error;
        } else {
            file.cubes.assign(store[SeriesId::Current].begin(), store[SeriesId::Current].end());
        }
        results.push_back(std::move(file));
    }
    const ClassReport classReport = makeClassReport(results, original ? &originalCubes : nullptr);
    for (const LeftOutFile& left : classReport.leftOut) {
        const QString& path = files[left.file];
        QString why;
        switch (left.reason) {
        case LeftOutReason::Unreadable:
            why = unreadable[static_cast<std::size_t>(left.file)];
            break;
        case LeftOutReason::NoAnswers:
            why = QStringLiteral("no Cube has a pick, so it is not a results file");
            break;
        case LeftOutReason::SeveralPicks:
            why = QStringLiteral("the Cube at index %1 has more than one pick, which no exam "
                                 "answer has")
                      .arg(left.cube);
            break;
        case LeftOutReason::ForeignCube:
            why = QStringLiteral("the Cube at index %1 is not in the original").arg(left.cube);
            break;
        }
        std::fprintf(stderr, "vexlor-series: left out %s: %s\n", qUtf8Printable(path),
                     qUtf8Printable(why));
    }
    if (classReport.pupils.empty())
        return fail(QStringLiteral("no file could be used: the report needs at least one "
                                   "pupil's results"));

    if (const auto error = savePdf(output, [&](QIODevice& device) {
            QPdfWriter writer(&device);
            setUpReportPage(writer);
            writer.setCreator(QStringLiteral("vexlor-series"));
            return printClassReport(writer, classReport);
        }))
        return fail(*error);
    if (csv)
        if (const auto error =
                saveText(*csv, QByteArray::fromStdString(classReportCsv(classReport))))
            return fail(*error);
    return classReport.leftOut.empty() ? kExitOk : kExitFileLeftOut;
}

} // namespace vexlor::tool
