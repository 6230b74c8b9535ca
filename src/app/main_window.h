#pragma once

// The main window: the question and answer pictures, the Series, Test and
// Statistics panels, the commands and their keys, and the window's fixed
// size and place. It draws what the session reports and asks what the
// session wants asked.

#include "app/controls.h"
#include "app/dialogs.h"
#include "app/exam_setup.h"
#include "app/picture_widget.h"
#include "cube/cube.h"
#include "cube/random.h"
#include "render/pictures.h"
#include "series/series_store.h"
#include "session/exam_session.h"
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
#include <optional>

class QAction;
class QGroupBox;
class QSettings;

namespace vexlor {

class ExamPanel;
class ExplanationWindow;
class HistoryStore;
class KeysWindow;
class ProgressWindow;
class ScoreSheet;
class SeriesCommands;

class MainWindow final : public QWidget, private SessionListener, private ExamListener {
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
    // An exam named on the command line: the window opens in it, waiting
    // for Start, and writes its results into the setup's folder at the end.
    void setStartupExam(ExamSetup setup) { startupExam_ = std::move(setup); }

    SessionFlow& flow() { return *flow_; }
    SeriesCommands& commands() { return *commands_; }
    const Cube& sampleCube() const { return flow_->sample(); }
    const Pictures& pictures() const { return pictures_; }
    // Null until the Progress window is first opened.
    ProgressWindow* progressWindow() const { return progressWindow_; }
    // The exam under way or the last one taken; null before the first.
    const ExamSession* exam() const { return exam_.get(); }
    // The score sheet of the last exam; null before the first ends.
    ScoreSheet* scoreSheet() const { return scoreSheet_; }

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

    // "Exam…": pauses a running test, asks which Cubes, the time and the
    // name, and opens the exam, which waits for Start.
    void askExam();
    // Opens an exam in the window, in place of the test, waiting for Start.
    void beginExam(ExamSetup setup);
    // Ending an exam early, after asking; before Start, leaving it.
    void endExamEarly();

    // F3: pauses a running test and explains the Cube on show: the sample,
    // every answer; the current Cube once solved, every answer; before that
    // only the answers picked on it, the latest pick first, and before any
    // pick nothing but "Pick an answer first.".
    void explainShownCube();
    // Shift+F3: pauses a running test and steps through the Mistakes series,
    // every answer of each Cube explained, but for a Cube that the test still
    // asks unsolved (in Current or Skipped): only its picks, as F3 explains it.
    void explainMistakes();
    // Alt+R: pauses a running test and puts the Cubes due for review into
    // Current, asking first when Current is not empty; says so when none
    // is due.
    void review();
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
    // ExamListener: the window shows the exam its own way.
    void itemShown(const Cube& c, int item) override;
    void answerChosen(int item, int answer) override;
    void itemHidden() override;
    void examChanged() override;
    void examEnded() override;

    // An exam is open, started or not, and has not ended.
    bool examRunning() const { return exam_ != nullptr && !exam_->hasEnded(); }
    // The exam's panel in place of the Statistics panel, the Series panel
    // and every command but the test's, F1 and Close set aside, or all back.
    void showExamLayout(bool exam);
    void refreshExamPanel();
    // The exam has ended: its rows go into the history, its results into
    // the folder named for them, and the score sheet opens.
    void finishExam();
    ExamComparison readComparison();
    void recordExam(const ExamScore& score);

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
    // Reads how many Cubes are due for review today, for the credit line.
    void countCubesToReview();
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
    QGroupBox* seriesBox_ = nullptr;
    QGroupBox* statisticsBox_ = nullptr;

    std::unique_ptr<ExamSession> exam_;
    ExamSetup examSetup_; // the exam's title, name and results folder; its Cubes are the exam's
    ExamPanel* examPanel_ = nullptr;
    int examItem_ = -1;             // the item last shown
    QTimer* examTimer_ = nullptr;   // looks at the exam clock while it runs
    QTimer* chosenTimer_ = nullptr; // shows the answer chosen for a moment
    ScoreSheet* scoreSheet_ = nullptr;
    std::optional<ExamSetup> startupExam_;
    ExplanationWindow* explanationWindow_ = nullptr;
    // The latest pick and the Cube it was made on, which F3 explains first.
    const Cube* lastPickCube_ = nullptr;
    int lastPick_ = -1;

    QString startupFile_;
    bool shown_ = false;
    bool seriesReleased_ = false;
    bool historyOpeningStarted_ = false;
    // The Cubes due for review, once the history could be read.
    std::optional<int> cubesToReview_;
};

} // namespace vexlor
