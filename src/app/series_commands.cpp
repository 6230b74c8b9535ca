#include "series_commands.h"

#include "series/series_file.h"

#include <QApplication>
#include <QFileInfo>

namespace vexlor {

namespace {

constexpr int kMaxRandomSeries = 500;

} // namespace

void SeriesCommands::PauseFirst() {
    if (state_.paused == 0)
        flow_.ststClick();
}

QString SeriesCommands::FolderOf(const QString& path) {
    QString folder = QFileInfo(path).absolutePath();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

void SeriesCommands::newseriesbClick() {
    const QString offered = QString::number(store_.seriessize);
    PauseFirst();
    if (store_[SeriesKind::Current].count != 0 && !dialogs_.AskYesNo(text::kDeleteCurrentAndCreate))
        return;
    const auto answer = dialogs_.InputBox(kAppTitle, text::kNumberOfCubes, offered);
    if (!answer)
        return;
    bool ok = false;
    int n = answer->trimmed().toInt(&ok);
    if (!ok)
        n = 0;
    if (n < 1 || n > kMaxRandomSeries) {
        dialogs_.ShowError(text::kWrongNumber);
        return;
    }
    store_.seriessize = n;
    if (store_[SeriesKind::Skipped].count != 0 && dialogs_.AskYesNo(text::kClearSkipped))
        store_.ClearSeries(SeriesKind::Skipped);
    store_.MakeRandomSeries();
    flow_.ResetTest();
}

void SeriesCommands::loadfromfileClick() {
    PauseFirst();
    if (store_[SeriesKind::Current].count != 0 && !dialogs_.AskYesNo(text::kDeleteCurrent))
        return;
    const auto path = dialogs_.OpenFile({text::kOpenTitle, text::kFilter, text::kSuffix, lastdir});
    if (!path)
        return;
    lastdir = FolderOf(*path);
    const LoadResult result = LoadSeriesFile(*path, store_);
    if (const char* message = LoadMessage(result); message != nullptr && *message != '\0')
        dialogs_.ShowError(QString::fromUtf8(message));
    flow_.ResetTest();
}

void SeriesCommands::SaveSeries(SeriesKind kind, bool ask) {
    const Series& series = store_[kind];
    if (series.count == 0 || series.head == nullptr)
        return;
    PauseFirst();
    // A series too long for the file's 16-bit count is refused before the
    // user picks a file, so nothing is created or replaced.
    if (ChainLength(series.head) > kMaxCubesPerFile) {
        dialogs_.ShowError(QString::fromUtf8(kSeriesTooLong));
        return;
    }
    const auto path = dialogs_.SaveFile({text::kSaveTitle, text::kFilter, text::kSuffix, lastdir});
    if (!path)
        return;
    lastdir = FolderOf(*path);
    const bool strip = !ask || dialogs_.AskYesNo(text::kSaveStripped);
    const WriteResult result = SaveSeriesFile(*path, series.head, strip);
    if (const char* message = SaveMessage(result); message != nullptr && *message != '\0')
        dialogs_.ShowError(QString::fromUtf8(message));
}

void SeriesCommands::CopySeriesToCurrent(SeriesKind source) {
    if (source == SeriesKind::Current || store_[source].count == 0)
        return;
    PauseFirst();
    if (store_[SeriesKind::Current].count != 0 && !dialogs_.AskYesNo(text::kDeleteCurrent))
        return;
    store_.CopyToCurrent(source);
    flow_.ResetTest();
}

void SeriesCommands::AddCurrentCube(SeriesKind target) {
    if (store_.AddCurrentCube(target, state_.paused == 0))
        view_.RefreshLabels();
}

void SeriesCommands::Button11Click() {
    if (store_[SeriesKind::Current].count == 0)
        return;
    PauseFirst();
    if (!dialogs_.AskYesNo(text::kDeleteCurrent))
        return;
    store_.ClearSeries(SeriesKind::Current);
    flow_.ResetTest();
}

void SeriesCommands::Button12Click() {
    if (store_[SeriesKind::Skipped].count == 0)
        return;
    PauseFirst();
    if (dialogs_.AskYesNo(text::kClearSkipped))
        store_.ClearSeries(SeriesKind::Skipped);
    view_.RefreshLabels();
}

void SeriesCommands::ClearWithoutAsking(SeriesKind kind) {
    store_.ClearSeries(kind);
    view_.RefreshLabels();
}

void SeriesCommands::Button2Click() {
    int total = 0;
    for (SeriesKind k :
         {SeriesKind::Current, SeriesKind::Skipped, SeriesKind::Mistakes, SeriesKind::Custom})
        total += store_[k].count;
    if (total <= 0)
        return;
    PauseFirst();
    if (!dialogs_.AskYesNo(text::kDeleteAll))
        return;
    store_.ClearAllSeries();
    flow_.ResetTest();
}

} // namespace vexlor
