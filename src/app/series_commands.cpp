#include "series_commands.h"

#include "series/series_file.h"

#include <QApplication>
#include <QFileInfo>

namespace vexlor {

namespace {

constexpr int kMaxRandomSeries = 500;

} // namespace

void SeriesCommands::pauseFirst() {
    if (!state_.paused)
        flow_.startPause();
}

QString SeriesCommands::folderOf(const QString& path) {
    QString folder = QFileInfo(path).absolutePath();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

void SeriesCommands::createRandomSeries() {
    makeNewSeries(nullptr);
}

bool SeriesCommands::practiseWeakest(const std::optional<RecipeWeights>& weights) {
    return makeNewSeries(weights ? &*weights : nullptr);
}

bool SeriesCommands::makeNewSeries(const RecipeWeights* weights) {
    const QString offered = QString::number(store_.seriesSize);
    pauseFirst();
    if (store_.count(SeriesKind::Current) != 0 && !dialogs_.AskYesNo(text::kDeleteCurrentAndCreate))
        return false;
    if (weights == nullptr) {
        const auto answer = dialogs_.InputBox(kAppTitle, text::kNumberOfCubes, offered);
        if (!answer)
            return false;
        bool ok = false;
        int n = answer->trimmed().toInt(&ok);
        if (!ok)
            n = 0;
        if (n < 1 || n > kMaxRandomSeries) {
            dialogs_.ShowError(text::kWrongNumber);
            return false;
        }
        store_.seriesSize = n;
    }
    if (store_.count(SeriesKind::Skipped) != 0 && dialogs_.AskYesNo(text::kClearSkipped))
        store_.ClearSeries(SeriesKind::Skipped);
    if (weights == nullptr)
        store_.MakeRandomSeries();
    else
        MakeWeightedSeries(store_, *weights);
    flow_.resetTest();
    return true;
}

void SeriesCommands::loadIntoCurrent() {
    pauseFirst();
    if (store_.count(SeriesKind::Current) != 0 && !dialogs_.AskYesNo(text::kDeleteCurrent))
        return;
    const auto path =
        dialogs_.OpenFile({text::kOpenTitle, text::kFilter, text::kSuffix, dialogFolder_});
    if (path)
        loadFile(*path);
}

void SeriesCommands::loadFile(const QString& path) {
    dialogFolder_ = folderOf(path);
    const LoadResult result = LoadSeriesFile(path, store_);
    if (const char* message = LoadMessage(result); message != nullptr && *message != '\0')
        dialogs_.ShowError(QString::fromUtf8(message));
    flow_.resetTest();
}

void SeriesCommands::save(SeriesKind kind) {
    const Series& series = store_[kind];
    if (series.empty())
        return;
    pauseFirst();
    // A series too long for the file's 16-bit count is refused before the
    // user picks a file, so nothing is created or replaced.
    if (series.size() > static_cast<std::size_t>(kMaxCubesPerFile)) {
        dialogs_.ShowError(QString::fromUtf8(kSeriesTooLong));
        return;
    }
    const auto path =
        dialogs_.SaveFile({text::kSaveTitle, text::kFilter, text::kSuffix, dialogFolder_});
    if (!path)
        return;
    dialogFolder_ = folderOf(*path);
    const bool strip = kind == SeriesKind::Current || dialogs_.AskYesNo(text::kSaveStripped);
    const WriteResult result = SaveSeriesFile(*path, series, strip);
    if (const char* message = SaveMessage(result); message != nullptr && *message != '\0')
        dialogs_.ShowError(QString::fromUtf8(message));
}

void SeriesCommands::copyToCurrent(SeriesKind source) {
    if (source == SeriesKind::Current || store_.count(source) == 0)
        return;
    pauseFirst();
    if (store_.count(SeriesKind::Current) != 0 && !dialogs_.AskYesNo(text::kDeleteCurrent))
        return;
    store_.CopyToCurrent(source);
    flow_.resetTest();
}

void SeriesCommands::addCurrentCube(SeriesKind target) {
    if (store_.AddCurrentCube(target, !state_.paused))
        view_.refreshLabels();
}

void SeriesCommands::clear(SeriesKind kind) {
    switch (kind) {
    case SeriesKind::Current:
        if (store_.count(kind) == 0)
            return;
        pauseFirst();
        if (!dialogs_.AskYesNo(text::kDeleteCurrent))
            return;
        store_.ClearSeries(kind);
        flow_.resetTest();
        return;
    case SeriesKind::Skipped:
        if (store_.count(kind) == 0)
            return;
        pauseFirst();
        if (dialogs_.AskYesNo(text::kClearSkipped))
            store_.ClearSeries(kind);
        view_.refreshLabels();
        return;
    case SeriesKind::Mistakes:
    case SeriesKind::Custom:
        store_.ClearSeries(kind);
        view_.refreshLabels();
        return;
    }
}

void SeriesCommands::clearAll() {
    int total = 0;
    for (SeriesKind kind : kAllSeries)
        total += store_.count(kind);
    if (total <= 0)
        return;
    pauseFirst();
    if (!dialogs_.AskYesNo(text::kDeleteAll))
        return;
    store_.ClearAllSeries();
    flow_.resetTest();
}

} // namespace vexlor
