#include "series_commands.h"

#include "cube/answer_order.h"
#include "cube/recipe.h"
#include "printing/class_report_print.h"
#include "series/class_report.h"
#include "series/series_file.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>
#include <utility>

namespace vexlor {

namespace {

constexpr int kMaxRandomSeries = 500;

const QString kDialogFolderKey = QStringLiteral("dialogs/folder");
const QString kPracticeMixKey = QStringLiteral("practice/mix");
const QString kChosenRecipesKey = QStringLiteral("practice/recipes");

// How each mix is kept in the settings.
constexpr std::pair<PracticeMix, const char*> kMixKeys[] = {
    {PracticeMix::AsToday, "today"},
    {PracticeMix::WeakestOnly, "weakest"},
    {PracticeMix::Chosen, "chosen"},
    {PracticeMix::ReviewFirst, "review"},
};

bool isWritableFolder(const QString& folder) {
    const QFileInfo info(folder);
    return !folder.isEmpty() && info.isDir() && info.isWritable();
}

QString withSeparator(QString folder) {
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

} // namespace

void SeriesCommands::pauseFirst() {
    if (!state_.paused)
        flow_.startPause();
}

QString SeriesCommands::folderOf(const QString& path) {
    return withSeparator(QFileInfo(path).absolutePath());
}

QString SeriesCommands::dialogFolder() const {
    const QString remembered = settings_.value(kDialogFolderKey).toString();
    if (isWritableFolder(remembered))
        return withSeparator(remembered);
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (isWritableFolder(documents))
        return withSeparator(documents);
    return withSeparator(QDir::homePath());
}

void SeriesCommands::rememberFolderOf(const QString& path) {
    settings_.setValue(kDialogFolderKey, folderOf(path));
}

void SeriesCommands::createRandomSeries() {
    makeNewSeries(store_.seriesSize, [this](int) { store_.makeRandomSeries(randomSource_); });
}

bool SeriesCommands::practiseWeakest(const std::optional<PracticePlan>& plan) {
    if (!plan)
        return makeNewSeries(store_.seriesSize,
                             [this](int) { store_.makeRandomSeries(randomSource_); });
    std::vector<Cube> due = dueForReview_ ? dueForReview_() : std::vector<Cube>{};
    const auto ask = [this, &due](const QString& offered) -> std::optional<QString> {
        const auto choice = dialogs_.askPractice(
            {offered, practiceMix_, chosenRecipes_, static_cast<int>(due.size())});
        if (!choice)
            return std::nullopt;
        setPracticeMix(choice->mix, choice->recipes);
        return choice->count;
    };
    return makeNewSeries(
        practiceCount_,
        [this, &plan, &due](int count) {
            if (practiceMix_ != PracticeMix::ReviewFirst)
                due.clear();
            if (due.size() > static_cast<std::size_t>(count))
                due.resize(static_cast<std::size_t>(count));
            const int drawn = count - static_cast<int>(due.size());
            makeSeriesOfRecipes(
                store_, mixRecipes(*plan, practiceMix_, chosenRecipes_, drawn, randomSource_),
                randomSource_, due);
        },
        ask);
}

void SeriesCommands::setPracticeMix(PracticeMix mix, const RecipeChoice& chosen) {
    practiceMix_ = mix;
    chosenRecipes_ = chosen;
    for (const auto& [kept, key] : kMixKeys)
        if (kept == mix)
            settings_.setValue(kPracticeMixKey, QLatin1String(key));
    // The recipes ticked by their index, "0,4,7".
    QStringList ticked;
    for (int k = 0; k < kRecipeCount; ++k)
        if (chosen[static_cast<std::size_t>(k)])
            ticked << QString::number(k);
    settings_.setValue(kChosenRecipesKey, ticked.join(QLatin1Char(',')));
}

void SeriesCommands::readPracticeMix() {
    const QString mix = settings_.value(kPracticeMixKey).toString();
    for (const auto& [kept, key] : kMixKeys)
        if (mix == QLatin1String(key))
            practiceMix_ = kept;
    const QString ticked = settings_.value(kChosenRecipesKey).toString();
    for (const QString& index : ticked.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int k = index.toInt(&ok);
        if (ok && isRecipe(k))
            chosenRecipes_[static_cast<std::size_t>(k)] = true;
    }
}

bool SeriesCommands::practiseRecipe(int recipe) {
    if (!isRecipe(recipe))
        return false;
    return makeNewSeries(practiceCount_, [this, recipe](int count) {
        makeSeriesOfRecipes(store_, std::vector<int>(static_cast<std::size_t>(count), recipe),
                            randomSource_);
    });
}

void SeriesCommands::setPracticeCount(int count) {
    if (count >= 1 && count <= kMaxRandomSeries)
        practiceCount_ = count;
}

bool SeriesCommands::makeNewSeries(int& count, const std::function<void(int count)>& make,
                                   const AskCount& askCount) {
    const QString offered = QString::number(count);
    pauseFirst();
    if (store_.count(SeriesId::Current) != 0 && !dialogs_.askYesNo(text::kDeleteCurrentAndCreate))
        return false;
    const auto answer =
        askCount ? askCount(offered) : dialogs_.inputBox(kAppTitle, text::kNumberOfCubes, offered);
    if (!answer)
        return false;
    bool ok = false;
    int n = answer->trimmed().toInt(&ok);
    if (!ok)
        n = 0;
    if (n < 1 || n > kMaxRandomSeries) {
        dialogs_.showError(text::kWrongNumber);
        return false;
    }
    count = n;
    if (store_.count(SeriesId::Skipped) != 0 && dialogs_.askYesNo(text::kClearSkipped))
        store_.clearSeries(SeriesId::Skipped);
    make(n);
    flow_.resetTest();
    return true;
}

void SeriesCommands::loadIntoCurrent() {
    pauseFirst();
    if (store_.count(SeriesId::Current) != 0 && !dialogs_.askYesNo(text::kDeleteCurrent))
        return;
    const auto path =
        dialogs_.openFile({text::kOpenTitle, text::kFilter, text::kSuffix, dialogFolder()});
    if (path)
        loadFile(*path);
}

void SeriesCommands::loadFile(const QString& path) {
    rememberFolderOf(path);
    const LoadResult result = loadSeriesFile(path, store_);
    if (const char* message = loadMessage(result); message != nullptr && *message != '\0')
        dialogs_.showError(QCoreApplication::translate("SeriesFile", message));
    flow_.resetTest();
}

void SeriesCommands::save(SeriesId id) {
    const Series& series = store_[id];
    if (series.empty())
        return;
    pauseFirst();
    // A series too long for the file's 16-bit count is refused before the
    // user picks a file, so nothing is created or replaced.
    if (series.size() > static_cast<std::size_t>(kMaxCubesPerFile)) {
        dialogs_.showError(QCoreApplication::translate("SeriesFile", kSeriesTooLong));
        return;
    }
    const auto path =
        dialogs_.saveFile({text::kSaveTitle, text::kFilter, text::kSuffix, dialogFolder()});
    if (!path)
        return;
    rememberFolderOf(*path);
    const bool strip = id == SeriesId::Current || dialogs_.askYesNo(text::kSaveStripped);
    QString reason;
    const WriteResult result = saveSeriesFile(*path, series, strip, &reason);
    if (const char* message = saveMessage(result); message != nullptr && *message != '\0')
        dialogs_.showError(QCoreApplication::translate("SeriesFile", message), reason);
}

void SeriesCommands::copyToCurrent(SeriesId source) {
    if (source == SeriesId::Current || store_.count(source) == 0)
        return;
    pauseFirst();
    if (store_.count(SeriesId::Current) != 0 && !dialogs_.askYesNo(text::kDeleteCurrent))
        return;
    store_.copyToCurrent(source);
    flow_.resetTest();
}

void SeriesCommands::addCurrentCube(SeriesId target) {
    if (store_.addCurrentCube(target, !state_.paused, clock_))
        flow_.seriesChanged();
}

void SeriesCommands::clear(SeriesId id) {
    switch (id) {
    case SeriesId::Current:
        if (store_.count(id) == 0)
            return;
        pauseFirst();
        if (!dialogs_.askYesNo(text::kDeleteCurrent))
            return;
        store_.clearSeries(id);
        flow_.resetTest();
        return;
    case SeriesId::Skipped:
        if (store_.count(id) == 0)
            return;
        pauseFirst();
        if (dialogs_.askYesNo(text::kClearSkipped))
            store_.clearSeries(id);
        flow_.seriesChanged();
        return;
    case SeriesId::Mistakes:
    case SeriesId::Custom:
        store_.clearSeries(id);
        flow_.seriesChanged();
        return;
    }
}

void SeriesCommands::print() {
    pauseFirst();
    std::array<int, kSeriesCount> counts{};
    for (SeriesId id : kAllSeries)
        counts[static_cast<std::size_t>(id)] = store_.count(id);
    if (std::all_of(counts.begin(), counts.end(), [](int n) { return n == 0; })) {
        dialogs_.showError(QCoreApplication::translate(
            "SeriesCommands", "Every series is empty: there is nothing to print."));
        return;
    }
    const auto choice = dialogs_.askPrint(counts);
    if (!choice)
        return;
    const Series& series = store_[choice->series];
    if (series.empty()) {
        static constexpr const char* kNames[kSeriesCount] = {
            QT_TRANSLATE_NOOP("SeriesCommands", "Current"),
            QT_TRANSLATE_NOOP("SeriesCommands", "Skipped"),
            QT_TRANSLATE_NOOP("SeriesCommands", "Mistakes"),
            QT_TRANSLATE_NOOP("SeriesCommands", "Custom")};
        dialogs_.showError(
            QCoreApplication::translate("SeriesCommands",
                                        "The %1 series is empty: there is nothing to print.")
                .arg(QCoreApplication::translate("SeriesCommands",
                                                 kNames[static_cast<int>(choice->series)])));
        return;
    }
    SheetOptions options;
    options.itemsPerPage = std::clamp(choice->itemsPerPage, 1, kMaxItemsPerPage);
    options.title = choice->title.trimmed().isEmpty() ? defaultSheetTitle() : choice->title;
    options.parts = choice->key ? SheetParts::PupilsAndKey : SheetParts::PupilsOnly;
    options.mono = choice->mono;
    options.answerGrid = choice->answerGrid;
    const int n = static_cast<int>(series.size());
    const int first = std::clamp(choice->first, 0, n - 1);
    const int count = choice->count <= 0 ? n - first : std::min(choice->count, n - first);
    const std::vector<Cube> cubes(series.begin() + first, series.begin() + first + count);
    const int versions = std::clamp(choice->versions, 1, kMaxVersions);
    if (versions == 1) {
        dialogs_.previewPrint({{cubes, options}});
        return;
    }
    std::vector<int> correct;
    for (const Cube& c : cubes)
        correct.push_back(c.correctAnswer);
    const auto orders = versionOrders(correct, versions, false, randomSource_);
    std::vector<SheetPrint> sheets;
    for (int v = 0; v < versions; ++v) {
        SheetPrint sheet{{}, options};
        sheet.options.version = QString(answerLetter(v));
        for (std::size_t i = 0; i < cubes.size(); ++i)
            sheet.cubes.push_back(
                withAnswerOrder(cubes[i], orders[i][static_cast<std::size_t>(v)]));
        sheets.push_back(std::move(sheet));
    }
    dialogs_.previewPrint(sheets);
}

void SeriesCommands::classReport() {
    pauseFirst();
    const std::vector<QString> paths =
        dialogs_.openFiles({text::kResultsTitle, text::kFilter, text::kSuffix, dialogFolder()});
    if (paths.empty())
        return;
    rememberFolderOf(paths.front());
    std::vector<ResultsFile> files;
    for (const QString& path : paths) {
        SeriesStore read;
        ResultsFile file;
        file.name = QFileInfo(path).completeBaseName().toStdString();
        file.read = loadSeriesFile(path, read) == LoadResult::Ok;
        if (file.read)
            file.cubes.assign(read[SeriesId::Current].begin(), read[SeriesId::Current].end());
        files.push_back(std::move(file));
    }
    const ClassReport report = makeClassReport(files);
    if (report.pupils.empty()) {
        QStringList why;
        for (const LeftOutFile& file : report.leftOut)
            why << QStringLiteral("%1: %2").arg(QString::fromStdString(file.name),
                                                leftOutText(file));
        dialogs_.showError(text::kNoResults, why.join(QLatin1Char('\n')));
        return;
    }
    dialogs_.previewReport(report);
}

void SeriesCommands::clearAll() {
    int total = 0;
    for (SeriesId id : kAllSeries)
        total += store_.count(id);
    if (total <= 0)
        return;
    pauseFirst();
    if (!dialogs_.askYesNo(text::kDeleteAll))
        return;
    store_.clearAllSeries();
    flow_.resetTest();
}

} // namespace vexlor
