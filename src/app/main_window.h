#pragma once

// The main window: the question and answer pictures, the Series, Test and
// Statistics panels, the commands and their keys, and the window's fixed
// size and place. It draws what the session reports and asks what the
// session wants asked.

#include "app/controls.h"
#include "app/dialogs.h"
#include "app/picture_widget.h"
#include "cube/cube.h"
#include "cube/random.h"
#include "render/pictures.h"
#include "series/series_store.h"
#include "session/session_flow.h"
#include "session/session_state.h"
#include "time/clock.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>

class QAction;
class QSettings;

namespace vexlor {

class ExplanationWindow;
class HistoryStore;
class KeysWindow;
class ProgressWindow;
class SeriesCommands;

class MainWindow final : public QWidget, private SessionListener {
    Q_OBJECT

public:
    // What the window works on, made by whoever makes the window (the
    // program's main(), or a test with scripted dialogs, a clock it moves and
    // a history of its own) and living longer than the window.
    struct Services {
        Dialogs& dialogs;
        SeriesStore& store;
        SessionState& state;
        HistoryStore& history;
        QSettings& settings; // the practice count, the range, the dialogs' folder
        const Clock& clock;
        RandomSource& randomSource;
    };
    explicit MainWindow(const Services& services);
    ~MainWindow() override;

    // A series file named on the command line. Once the window is first
    // painted it replaces Current as Load does, with Load's messages; the
    // sample stays on show.
    void setStartupFile(const QString& path) { startupFile_ = path; }

    SessionFlow& flow() { return *flow_; }
    SeriesCommands& commands() { return *commands_; }
    const Cube& sampleCube() const { return flow_->sample(); }
    const Pictures& pictures() const { return pictures_; }
    // Null until the Progress window is first opened.
    ProgressWindow* progressWindow() const { return progressWindow_; }

    // F2 and a click on the credit line: pauses a running test and shows the
    // Progress window.
    void showProgress();

    // The actions of the Test panel, the answer pictures and the Next label,
    // also performed by keys and commands.
    void startPause();
    void skip();
    void pick(int answer);
    void moveOn();

    // Rewrites the count, caption and statistics labels from the state.
    void refreshLabels();
    // Rewrites the three clocks of the Statistics panel; the clock timer's
    // tick, which runs only while a clock does.
    void updateClocks();

    // F1: pauses a running test and shows the list of every key.
    void showKeys();

    // F3: pauses a running test and explains the Cube on show: the sample,
    // every answer; the current Cube once solved, every answer; before that
    // only the answers picked on it, the latest pick first, and before any
    // pick nothing but "Pick an answer first.".
    void explainShownCube();
    // Shift+F3: pauses a running test and steps through the Mistakes series,
    // every answer of each Cube explained, but for a Cube that the test still
    // asks unsolved (in Current or Skipped): only its picks, as F3 explains it.
    void explainMistakes();
    // Null until F3 or Shift+F3 first opens it.
    ExplanationWindow* explanationWindow() const { return explanationWindow_; }

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // SessionListener: the window draws what the session reports.
    void cubeShown(const Cube& c) override;
    void pickJudged(const Cube& c, int answer, bool right) override;
    void picturesBlanked() override;
    void stateChanged() override;
    void randomSeriesWanted() override;

    void buildPictures();
    void buildSeriesPanel();
    void buildTestPanel();
    void buildStatisticsPanel();
    // One action per command, each bound to its keys and to the button that
    // shows it.
    void buildActions();
    void firstShow();
    void openStartupFile();
    // What a reader hears of each answer of the Cube on show (none: blank).
    void describeAnswers(const Cube* shown);
    void repaintPictures();
    void releaseSeries();
    // Runs a practice command, keeps the number of Cubes it was given for
    // the next run, and lets the Progress window step aside for the test
    // once a series is made.
    void practise(const std::function<bool()>& command);
    // The credit line says how far the rescue of a damaged history has
    // come, and when solves wait to be saved or are not saved. Takes in the
    // history's opening once it is done.
    void showHistoryState();
    ExplanationWindow& explanation();

    Dialogs& dialogs_;
    SeriesStore& store_;
    SessionState& state_;
    HistoryStore& history_;
    QSettings& settings_;
    const Clock& clock_;
    RandomSource& randomSource_;
    Pictures pictures_{};
    std::unique_ptr<SessionFlow> flow_;
    std::unique_ptr<SeriesCommands> commands_;

    PictureWidget* questionPicture_ = nullptr;
    std::array<PictureWidget*, kAnswers> answerPictures_{}; // in answer order
    ClickLabel* nextLabel_ = nullptr;
    ClickLabel* creditLabel_ = nullptr;
    std::array<PictureWidget*, 2> gridCrosses_{};
    std::array<ValueLabel*, kSeriesCount> seriesCountLabels_{}; // in SeriesId order
    QPushButton* startPauseButton_ = nullptr;
    QPushButton* skipButton_ = nullptr;
    ValueLabel* cubeTimeLabel_ = nullptr;
    ValueLabel* solvedLabel_ = nullptr;
    ValueLabel* totalTimeLabel_ = nullptr;
    ValueLabel* averageTimeLabel_ = nullptr;
    ValueLabel* mistakesLabel_ = nullptr;
    ValueLabel* mistakesPerCubeLabel_ = nullptr;
    QTimer* clockTimer_ = nullptr;
    QTimer* returnTimer_ = nullptr;
    QTimer* historyOpeningTimer_ = nullptr;
    ProgressWindow* progressWindow_ = nullptr;
    KeysWindow* keysWindow_ = nullptr;
    ExplanationWindow* explanationWindow_ = nullptr;
    // The latest pick and the Cube it was made on, which F3 explains first.
    const Cube* lastPickCube_ = nullptr;
    int lastPick_ = -1;

    QString startupFile_;
    bool shown_ = false;
    bool seriesReleased_ = false;
    bool historyOpeningStarted_ = false;
};

} // namespace vexlor
