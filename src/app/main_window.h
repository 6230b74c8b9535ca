#pragma once

// The main window: the question and answer pictures, the Series, Test and
// Statistics panels, the keyboard, and the window's fixed size and place.

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

class QSettings;

namespace vexlor {

class HistoryStore;
class KeysWindow;
class ProgressWindow;
class SeriesCommands;

class MainWindow final : public QWidget, public SessionView {
    Q_OBJECT

public:
    // What the window works on. Null members are made and owned by the
    // window: the real dialogs, a fresh series store and test state, the
    // history and the settings at their usual places, the system clock and
    // a random source seeded now. Tests pass scripted dialogs, state they
    // can inspect, a history and settings in a folder of their own, a clock
    // they move and a seed.
    struct Services {
        Dialogs* dialogs = nullptr;
        SeriesStore* store = nullptr;
        SessionState* state = nullptr;
        HistoryStore* history = nullptr;
        const Clock* clock = nullptr;
        RandomSource* randomSource = nullptr;
        QSettings* settings = nullptr;
    };
    MainWindow() : MainWindow(Services{}) {}
    explicit MainWindow(Services services);
    ~MainWindow() override;

    // A series file named on the command line. Once the window is first
    // painted it replaces Current as Load does, with Load's messages; the
    // sample stays on show.
    void setStartupFile(const QString& path) { startupFile_ = path; }

    SessionFlow& flow() { return *flow_; }
    SeriesCommands& commands() { return *commands_; }
    SeriesStore& store() { return *store_; }
    SessionState& state() { return *state_; }
    const Cube& sampleCube() const { return flow_->sample(); }
    HistoryStore& history() { return *history_; }
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

    // Rewrites the three clocks of the Statistics panel; the clock timer's
    // tick, which runs only while a clock does.
    void updateClocks();

    // A key pressed anywhere in the window, with its modifiers.
    void handleKey(QKeyCombination pressed);

    // F1: pauses a running test and shows the list of every key.
    void showKeys();

    // SessionView.
    const Pictures& pictures() const override { return pictures_; }
    void refreshLabels() override;
    void createRandomSeries() override;
    void cubeSolved(const Cube& c) override;

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildPictures();
    void buildSeriesPanel();
    void buildTestPanel();
    void buildStatisticsPanel();
    void firstShow();
    void openStartupFile();
    void describeAnswers();
    void releaseSeries();
    void repaintPictures();
    // Runs a practice command, keeps the number of Cubes it was given for
    // the next run, and lets the Progress window step aside for the test
    // once a series is made.
    void practise(const std::function<bool()>& command);
    // The credit line says how far the rescue of a damaged history has
    // come, and when solves wait to be saved or are not saved. Takes in the
    // history's opening once it is done.
    void showHistoryState();

    std::unique_ptr<Dialogs> ownDialogs_;
    std::unique_ptr<SeriesStore> ownStore_;
    std::unique_ptr<SessionState> ownState_;
    std::unique_ptr<HistoryStore> ownHistory_;
    std::unique_ptr<QSettings> ownSettings_;
    std::unique_ptr<Clock> ownClock_;
    std::unique_ptr<RandomSource> ownRandomSource_;
    Dialogs* dialogs_;
    SeriesStore* store_;
    SessionState* state_;
    HistoryStore* history_;
    QSettings* settings_;
    const Clock* clock_;
    RandomSource* randomSource_;
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

    QString startupFile_;
    bool shown_ = false;
    bool seriesReleased_ = false;
    bool historyOpeningStarted_ = false;
};

} // namespace vexlor
