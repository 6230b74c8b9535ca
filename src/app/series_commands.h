// The commands of the Series panel: make a random series, load, copy, add,
// save and clear, with their questions and messages.
#pragma once

#include "app/dialogs.h"
#include "series/series_store.h"
#include "series/weighted_series.h"
#include "session/session_flow.h"
#include "session/session_state.h"

#include <QCoreApplication>
#include <QString>

class QSettings;

#include <functional>
#include <optional>
#include <vector>

namespace vexlor {

class SeriesCommands {
public:
    // settings keeps the folder the file dialogs last opened a file in.
    SeriesCommands(SeriesStore& store, SessionState& state, SessionFlow& flow, Dialogs& dialogs,
                   RandomSource& randomSource, const Clock& clock, QSettings& settings)
        : store_(store), state_(state), flow_(flow), dialogs_(dialogs), randomSource_(randomSource),
          clock_(clock), settings_(settings) {
        readPracticeMix();
    }

    // "Create random series": asks for the number of Cubes and replaces
    // Current.
    void createRandomSeries();
    // "Practise weakest recipes": as "Create random series", but asking for
    // the practice count and the mix, and with the recipes shared out as the
    // mix draws them from the plan; "due for review first" puts the Cubes
    // due (at most the count) in front. Without a plan (no history) it is
    // "Create random series" itself. True when a new series replaced
    // Current.
    bool practiseWeakest(const std::optional<PracticePlan>& plan);
    // "Practise this recipe": as "Practise weakest recipes", with every Cube
    // of the one recipe.
    bool practiseRecipe(int recipe);
    // The number of Cubes the practice commands offer: the last one given,
    // 30 at first. Kept apart from the number "Create random series" offers.
    int practiceCount() const { return practiceCount_; }
    void setPracticeCount(int count);
    // The mix and the recipes ticked for "recipes I choose" the practice
    // question offers: the last ones chosen, in this run or an earlier one;
    // "as today" and none at first.
    PracticeMix practiceMix() const { return practiceMix_; }
    const RecipeChoice& chosenRecipes() const { return chosenRecipes_; }
    void setPracticeMix(PracticeMix mix, const RecipeChoice& chosen);
    // Where the Cubes due for review come from, oldest due first; none
    // until it is set.
    using DueForReview = std::function<std::vector<Cube>()>;
    void setDueForReview(DueForReview due) { dueForReview_ = std::move(due); }
    // "Load": a file chosen in the open dialog replaces Current.
    void loadIntoCurrent();
    // A file chosen elsewhere (in the open dialog, or on the command line)
    // replaces Current: the dialogs then open in its folder, a bad file is
    // reported, and the test is reset.
    void loadFile(const QString& path);
    // "All": clears every series.
    void clearAll();
    // Ctrl+P: pauses a running test, asks which series to print and how,
    // and shows the print preview of its worksheet, or of its versions one
    // after another, each with its key. An empty series is refused with a
    // message.
    void print();
    // "Class report": pauses a running test, asks for the pupils' results
    // files in one dialog, and shows the print preview of their report,
    // items numbered in the order of the first results file. Files that are
    // not results are named in the report; when none is, a message says so.
    void classReport();

    // The commands of the Series grid, one per column, each for the series of
    // its row.
    // Copies Skipped, Mistakes or Custom into Current.
    void copyToCurrent(SeriesId source);
    // Files a copy of the current Cube into Skipped, Mistakes or Custom.
    void addCurrentCube(SeriesId target);
    // Writes a series to a file. Current is always saved without picks and
    // times; the others ask whether to strip them.
    void save(SeriesId id);
    // Clearing Current or Skipped asks first; Mistakes and Custom do not.
    void clear(SeriesId id);

    // The folder both file dialogs open in, with a trailing separator: the
    // folder of the file last chosen in them (or named on the command line),
    // in this run or an earlier one. The first time, or when that folder is
    // gone or cannot be written, the user's documents folder (or, without
    // one, the home folder): never the program's own folder, which an
    // installed program's user cannot write.
    QString dialogFolder() const;

private:
    // A running test whose Cube is not yet solved pauses before a command.
    void pauseFirst();
    // The path every new-series command shares: pause, ask about Current,
    // ask for the number of Cubes offering `count` (which then keeps the
    // answer) with askCount, by default the input box, ask about Skipped,
    // make the series of that many Cubes, reset.
    using AskCount = std::function<std::optional<QString>(const QString& offered)>;
    bool makeNewSeries(int& count, const std::function<void(int count)>& make,
                       const AskCount& askCount = {});
    void readPracticeMix();
    static QString folderOf(const QString& path);
    // The folder of path becomes the dialogs' folder, kept for later runs.
    void rememberFolderOf(const QString& path);

    SeriesStore& store_;
    SessionState& state_;
    SessionFlow& flow_;
    Dialogs& dialogs_;
    RandomSource& randomSource_;
    const Clock& clock_;
    QSettings& settings_;
    int practiceCount_ = SeriesStore::kDefaultSeriesSize;
    PracticeMix practiceMix_ = PracticeMix::AsToday;
    RecipeChoice chosenRecipes_{};
    DueForReview dueForReview_;
};

// Texts of the Series commands. Each is kept in English and becomes the
// user's language where it turns into a QString, once the translation is
// loaded.
namespace text {
struct CommandText {
    const char* source;
    operator QString() const { return QCoreApplication::translate("SeriesCommands", source); }
};
inline constexpr CommandText kDeleteCurrentAndCreate{
    QT_TRANSLATE_NOOP("SeriesCommands", "Delete the Current series and create a new one?")};
inline constexpr CommandText kNumberOfCubes{
    QT_TRANSLATE_NOOP("SeriesCommands", "Number of Cubes for the new series:")};
inline constexpr CommandText kWrongNumber{
    QT_TRANSLATE_NOOP("SeriesCommands", "Wrong number of Cubes (max. 500).")};
inline constexpr CommandText kClearSkipped{
    QT_TRANSLATE_NOOP("SeriesCommands", "Clear the Skipped series?")};
inline constexpr CommandText kDeleteCurrent{
    QT_TRANSLATE_NOOP("SeriesCommands", "Delete the Current series?")};
inline constexpr CommandText kDeleteAll{QT_TRANSLATE_NOOP("SeriesCommands", "Delete all series?")};
inline constexpr CommandText kSaveStripped{QT_TRANSLATE_NOOP(
    "SeriesCommands",
    "Save without timing and solving information?\n(If you choose Yes, the Cubes will be saved "
    "with current time set to zero and no answers selected.)")};
inline constexpr CommandText kOpenTitle{
    QT_TRANSLATE_NOOP("SeriesCommands", "Open series or series set:")};
inline constexpr CommandText kSaveTitle{QT_TRANSLATE_NOOP("SeriesCommands", "Save the series:")};
inline constexpr CommandText kFilter{QT_TRANSLATE_NOOP("SeriesCommands", "Series (*.srs)")};
inline constexpr CommandText kResultsTitle{
    QT_TRANSLATE_NOOP("SeriesCommands", "Open the pupils' results:")};
inline constexpr CommandText kNoResults{
    QT_TRANSLATE_NOOP("SeriesCommands", "None of the files chosen holds a pupil's results.")};
inline const QString kSuffix = QStringLiteral("srs");
} // namespace text

} // namespace vexlor
