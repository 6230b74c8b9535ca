#include "main_window.h"

#include "app/app_icon.h"
#include "app/exam_panel.h"
#include "app/explanation_window.h"
#include "app/keys_window.h"
#include "app/progress_window.h"
#include "app/score_sheet.h"
#include "app/series_commands.h"
#include "app/series_grid.h"
#include "app/target_time.h"
#include "app/window_commands.h"
#include "cube/generator.h"
#include "history/history_store.h"
#include "history/qt_calendar.h"
#include "printing/image_canvas.h"
#include "render/palette.h"
#include "series/results_file.h"
#include "series/series_file.h"
#include "session/statistics.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QSettings>

#include <algorithm>
#include <utility>

namespace vexlor {

namespace {

const QString kPracticeCountKey = QStringLiteral("practice/count");

// Where the window stays: it is neither resized nor moved.
constexpr QPoint kWindowPlace(-3, -3);
constexpr QSize kClientSize(1024, 721);

QFont pixelFont(const QString& family, int pixels, bool bold = false) {
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// A caption: as high as its text, as wide as the room it has in the layout,
// which a translation must fit.
QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, int x, int y, int room) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(x, y);
    label->adjustSize();
    label->resize(room, label->height());
    return label;
}

ValueLabel* makeValueLabel(QWidget* parent, const char* name, const QString& caption,
                           const QString& text, int x, int y, int w, int h) {
    auto* label = new ValueLabel(caption, text, QRect(x, y, w, h), parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& text, int x, int y, int w,
                        int h, const QFont& font) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(x, y, w, h);
    button->setFont(font);
    button->setFocusPolicy(Qt::NoFocus);
    QPalette palette = button->palette();
    palette.setColor(QPalette::ButtonText, Qt::black);
    button->setPalette(palette);
    return button;
}

Separator* makeSeparator(QWidget* parent, const char* name, Separator::Edge edge, int x, int y,
                         int w, int h) {
    auto* bevel = new Separator(edge, parent);
    bevel->setObjectName(QString::fromLatin1(name));
    bevel->setGeometry(x, y, w, h);
    return bevel;
}

QGroupBox* makeGroupBox(QWidget* parent, const char* name, const QString& caption, int x, int y,
                        int w, int h) {
    auto* box = new QGroupBox(caption, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(x, y, w, h);
    return box;
}

PictureWidget* makePicture(QWidget* parent, const char* name, int x, int y, int w, int h,
                           const QString& accessibleName) {
    auto* picture = new PictureWidget(w, h, parent);
    picture->setObjectName(QString::fromLatin1(name));
    picture->move(x, y);
    picture->setAccessibleName(accessibleName);
    return picture;
}

// The numbers of the Statistics panel in the user's language: its digits
// and decimal separator ("12,5"), and no group separators, so that a time
// reads as the seconds it counts ("3725.9").
QLocale panelLocale() {
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale;
}

// A time of the panel, given in tenths of a second: "12.5".
QString secondsText(std::int64_t tenths) {
    const QLocale locale = panelLocale();
    return locale.toString(tenths / 10) + locale.decimalPoint() + locale.toString(tenths % 10);
}

// What the average and the mistakes per Cube show before there is anything
// to divide by.
const QString kNoFigure = QStringLiteral("++");

// How long the frame shows the answer chosen in an exam before the next
// Cube comes.
constexpr int kChosenMs = 350;
// The frame's thickness in pixels.
constexpr int kChosenFrame = 6;

} // namespace

MainWindow::MainWindow(const Services& services)
    : dialogs_(services.dialogs), store_(services.store), state_(services.state),
      history_(services.history), settings_(services.settings), clock_(services.clock),
      randomSource_(services.randomSource) {
    SessionListener& listener = *this;
    flow_ = std::make_unique<SessionFlow>(store_, state_, listener, clock_);
    commands_ = std::make_unique<SeriesCommands>(store_, state_, *flow_, dialogs_, randomSource_,
                                                 clock_, settings_);
    // "Due for review first" takes the Cubes due today, oldest due first.
    commands_->setDueForReview(
        [this] { return history_.cubesDueForReview(localDateTime(clock_.now()).date()); });
    commands_->setPracticeCount(
        settings_.value(kPracticeCountKey, commands_->practiceCount()).toInt());

    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Vexlor"));
    setWindowIcon(appIcon());
    setFixedSize(kClientSize);
    setFont(pixelFont(QStringLiteral("Arial"), 21));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(kWindowColor));
    pal.setColor(QPalette::WindowText, QColor(kWindowTextColor));
    setPalette(pal);

    buildPictures();
    buildSeriesPanel();
    buildTestPanel();
    buildStatisticsPanel();
    buildActions();

    pictures_.question = &questionPicture_->canvas();
    for (int a = 0; a < kAnswers; ++a)
        pictures_.answers[a] = &answerPictures_[a]->canvas();
    pictures_.projection = makeProjection(answerPictures_[1]->width());
    // The highlight colours take the first numbers the source gives.
    pictures_.markOrder = shuffledMarks(randomSource_);

    move(kWindowPlace);

    clockTimer_ = new QTimer(this);
    clockTimer_->setObjectName(QStringLiteral("tt"));
    clockTimer_->setInterval(10);
    connect(clockTimer_, &QTimer::timeout, this, &MainWindow::updateClocks);

    // While the history is checked or rescued on its own thread, the window
    // looks now and then whether it is done, and shows how far a rescue has
    // come.
    historyOpeningTimer_ = new QTimer(this);
    historyOpeningTimer_->setInterval(100);
    connect(historyOpeningTimer_, &QTimer::timeout, this, &MainWindow::showHistoryState);

    returnTimer_ = new QTimer(this);
    returnTimer_->setSingleShot(true);
    returnTimer_->setInterval(300);
    connect(returnTimer_, &QTimer::timeout, this, [this] { move(kWindowPlace); });

    examTimer_ = new QTimer(this);
    examTimer_->setObjectName(QStringLiteral("examTimer"));
    examTimer_->setInterval(200);
    connect(examTimer_, &QTimer::timeout, this, [this] {
        if (!examRunning())
            return;
        exam_->checkTime();
        if (examRunning())
            refreshExamPanel();
    });
    chosenTimer_ = new QTimer(this);
    chosenTimer_->setSingleShot(true);
    chosenTimer_->setInterval(kChosenMs);
    connect(chosenTimer_, &QTimer::timeout, this, [this] {
        if (examRunning())
            exam_->next();
    });
}

MainWindow::~MainWindow() {
    releaseSeries();
}

void MainWindow::buildPictures() {
    // In answer order; created in the order that decides which lies on top.
    struct AnswerPicture {
        const char* objectName;
        int answer;
        int x, y;
        const char* accessibleName;
    };
    static constexpr AnswerPicture kAnswerPictures[kAnswers] = {
        {"ans0", 0, 516, 8, QT_TR_NOOP("Answer 1, top left")},
        {"ans2", 2, 516, 258, QT_TR_NOOP("Answer 3, bottom left")},
        {"ans1", 1, 766, 8, QT_TR_NOOP("Answer 2, top right")},
        {"ans3", 3, 766, 258, QT_TR_NOOP("Answer 4, bottom right")},
    };
    questionPicture_ = makePicture(this, "qu", 8, 8, 500, 500, tr("Question: the net of the cube"));
    for (const AnswerPicture& p : kAnswerPictures) {
        PictureWidget* picture =
            makePicture(this, p.objectName, p.x, p.y, 250, 250, tr(p.accessibleName));
        answerPictures_[p.answer] = picture;
        connect(picture, &PictureWidget::clicked, this,
                [this, answer = p.answer] { pick(answer); });
    }
    makeSeparator(this, "Bevel8", Separator::Edge::Top, 8, 512, 1009, 9)
        ->setAccessibleName(tr("Line between the pictures and the panels"));

    nextLabel_ = new ClickLabel(tr("Next"), this);
    nextLabel_->setObjectName(QStringLiteral("next"));
    nextLabel_->setGeometry(520, 240, 493, 33);
    nextLabel_->setAlignment(Qt::AlignCenter);
    nextLabel_->setAutoFillBackground(true);
    QPalette p = nextLabel_->palette();
    p.setColor(QPalette::Window, QColor(kWindowTextColor));
    p.setColor(QPalette::WindowText, QColor(kWindowColor));
    nextLabel_->setPalette(p);
    nextLabel_->setVisible(false);
    connect(nextLabel_, &ClickLabel::clicked, this, &MainWindow::moveOn);

    auto* credit = new ClickLabel(tr("Vexlor \u2014 progress (F2)"), this);
    credit->setObjectName(QStringLiteral("Label15"));
    credit->setGeometry(656, 700, 361, 14);
    credit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    credit->setFont(pixelFont(QStringLiteral("Arial"), 11));
    credit->setCursor(Qt::PointingHandCursor);
    credit->setToolTip(tr("Show your progress (F2)"));
    connect(credit, &ClickLabel::clicked, this, &MainWindow::showProgress);
    creditLabel_ = credit;
    showHistoryState();
}

void MainWindow::showHistoryState() {
    if (history_.finishOpening()) {
        if (historyOpeningTimer_ != nullptr && historyOpeningTimer_->isActive()) {
            historyOpeningTimer_->stop();
            // The figures of the file now ready, the solves made meanwhile
            // among them.
            if (progressWindow_ != nullptr && progressWindow_->isVisible())
                progressWindow_->refresh();
        }
        if (!cubesToReview_)
            countCubesToReview();
    } else if (historyOpeningTimer_ != nullptr && !historyOpeningTimer_->isActive()) {
        historyOpeningTimer_->start();
    }
    // Said on the window itself, without a box: the test goes on either way.
    QString text = tr("Vexlor \u2014 progress (F2)");
    QString description;
    if (const std::optional<int> percent = history_.rescuePercent()) {
        text += tr(" \u00b7 Rescuing your history: %1 %").arg(*percent);
        description = tr("Your history was damaged and is being rescued. Your solves are kept "
                         "until it is done. The Progress window (F2) says more.");
    } else if (const int waiting = history_.waitingCount(); waiting > 0) {
        text += tr(" \u00b7 %Ln solve(s) not yet saved", nullptr, waiting);
        description = tr("Solves of this run not yet saved in your history: %L1. The Progress "
                         "window (F2) says why.")
                          .arg(waiting);
    } else if (history_.hasGivenUp()) {
        text += tr(" \u00b7 solves are not saved");
        description = tr("Your solves are not saved in your history. The Progress window (F2) "
                         "says why.");
    }
    if (const int due = cubesToReview_.value_or(0); due > 0) {
        text += tr(" \u00b7 %Ln Cube(s) to review", nullptr, due);
        if (description.isEmpty())
            description = tr("Cubes due for review today: %L1. Review (Alt+R) puts them into "
                             "Current.")
                              .arg(due);
    }
    creditLabel_->setText(text);
    creditLabel_->setAccessibleDescription(description);
}

void MainWindow::countCubesToReview() {
    // Only a file checked and ready is read: while it is opened, or being
    // rescued, the count waits for it.
    if (history_.isOpening())
        return;
    cubesToReview_ = history_.readReviewCounts(localDateTime(clock_.now()).date()).due;
}

void MainWindow::review() {
    if (!state_.paused)
        flow_->startPause();
    std::vector<Cube> due = history_.cubesDueForReview(localDateTime(clock_.now()).date());
    if (!history_.readError().isEmpty()) {
        dialogs_.showError(tr("The Cubes to review cannot be read from your history."),
                           history_.readError());
        return;
    }
    if (due.empty()) {
        dialogs_.showError(tr("No Cubes are due for review today."));
        return;
    }
    if (store_.count(SeriesId::Current) != 0 && !dialogs_.askYesNo(text::kDeleteCurrent))
        return;
    store_.replaceCurrent(
        Series(std::make_move_iterator(due.begin()), std::make_move_iterator(due.end())));
    flow_->resetTest();
}

void MainWindow::buildSeriesPanel() {
    QGroupBox* box = makeGroupBox(this, "GroupBox1", tr("Series"), 8, 520, 489, 193);
    seriesBox_ = box;

    struct Row {
        const char* captionName;
        const char* caption;
        const char* countName;
        const char* spoken; // what a reader hears before the count
        int y;
    };
    static constexpr Row kRows[kSeriesCount] = {
        {"Label1", QT_TR_NOOP("Current:"), "scurr", QT_TR_NOOP("Current series count"), 48},
        {"Label4", QT_TR_NOOP("Skipped:"), "sskip", QT_TR_NOOP("Skipped series count"), 72},
        {"Label5", QT_TR_NOOP("Mistakes:"), "smist", QT_TR_NOOP("Mistakes series count"), 104},
        {"Label6", QT_TR_NOOP("Custom:"), "scust", QT_TR_NOOP("Custom series count"), 128},
    };
    // A caption has the room up to the count, which grows to the left.
    for (const Row& row : kRows)
        makeLabel(box, row.captionName, tr(row.caption), 8, row.y, 150);
    for (int k = 0; k < kSeriesCount; ++k)
        seriesCountLabels_[k] = makeValueLabel(box, kRows[k].countName, tr(kRows[k].spoken),
                                               QStringLiteral("0"), 213, kRows[k].y, 12, 24);

    struct Header {
        const char* objectName;
        const char* text;
        int x;
        int room; // up to the line that ends the column, or the box's edge
        const char* toolTip;
        const char* accessibleName; // the abbreviations spelled out
    };
    static constexpr Header kHeaders[] = {
        {"Label8", QT_TR_NOOP("CtCS:"), 240, 55,
         QT_TR_NOOP("Copy this series to the Current series"),
         QT_TR_NOOP("Copy to Current column")},
        {"Label14", QT_TR_NOOP("ACtS:"), 304, 55, QT_TR_NOOP("Add the current Cube to this series"),
         QT_TR_NOOP("Add the current Cube column")},
        {"Label9", QT_TR_NOOP("Save:"), 368, 56, "", QT_TR_NOOP("Save column")},
        {"Label10", QT_TR_NOOP("Clear:"), 432, 49, "", QT_TR_NOOP("Clear column")},
    };
    const QFont headerFont = pixelFont(QStringLiteral("Arial"), 13, true);
    for (const Header& h : kHeaders) {
        QLabel* label = makeLabel(box, h.objectName, tr(h.text), h.x, 24, h.room);
        label->setFont(headerFont);
        label->adjustSize();
        label->resize(h.room, label->height());
        label->setToolTip(*h.toolTip != '\0' ? tr(h.toolTip) : QString());
        label->setAccessibleName(tr(h.accessibleName));
    }

    // The buttons are bound to their commands' actions once all are made.
    std::size_t crosses = 0;
    for (const SeriesGridCell& cell : kSeriesGrid) {
        if (cell.crossName != nullptr) {
            gridCrosses_.at(crosses++) =
                makePicture(box, cell.objectName, cell.x, cell.y, kGridCellWidth, kGridCellHeight,
                            QCoreApplication::translate("SeriesGrid", cell.crossName));
            continue;
        }
        QPushButton* button =
            makeButton(box, cell.objectName, {}, cell.x, cell.y, kGridCellWidth, kGridCellHeight,
                       pixelFont(QString::fromLatin1(cell.fontFamily), 11));
        button->setToolTip(QString::fromLatin1(cell.toolTip)); // a key, never translated
    }

    const QFont arial11 = pixelFont(QStringLiteral("Arial"), 11);
    makeButton(box, "newseriesb", tr("Create random series"), 8, 164, 217, 17, arial11);
    makeButton(box, "loadfromfile", tr("Load"), 368, 164, 49, 17, arial11);
    makeButton(box, "Button2", tr("All"), 432, 164, 49, 17, arial11);

    struct SeparatorPlace {
        const char* objectName;
        Separator::Edge edge;
        int x, y, w, h;
        const char* accessibleName;
    };
    static constexpr SeparatorPlace kSeparators[] = {
        {"Bevel6", Separator::Edge::Top, 8, 42, 473, 9,
         QT_TR_NOOP("Line below the column headings")},
        {"Bevel7", Separator::Edge::Top, 8, 98, 473, 9,
         QT_TR_NOOP("Line between Skipped and Mistakes")},
        {"Bevel5", Separator::Edge::Top, 8, 154, 473, 9,
         QT_TR_NOOP("Line above the buttons for all series")},
        {"Bevel3", Separator::Edge::Left, 231, 24, 9, 157,
         QT_TR_NOOP("Line before the Copy column")},
        {"Bevel1", Separator::Edge::Left, 295, 24, 9, 132,
         QT_TR_NOOP("Line between the Copy and Add columns")},
        {"Bevel2", Separator::Edge::Left, 359, 24, 9, 157,
         QT_TR_NOOP("Line between the Add and Save columns")},
        {"Bevel4", Separator::Edge::Left, 424, 24, 9, 157,
         QT_TR_NOOP("Line between the Save and Clear columns")},
    };
    for (const SeparatorPlace& s : kSeparators)
        makeSeparator(box, s.objectName, s.edge, s.x, s.y, s.w, s.h)
            ->setAccessibleName(tr(s.accessibleName));
}

void MainWindow::buildTestPanel() {
    QGroupBox* box = makeGroupBox(this, "GroupBox3", tr("Test"), 504, 520, 145, 193);
    const QFont big = pixelFont(QStringLiteral("Arial"), 21);
    startPauseButton_ = makeButton(box, "stst", tr("Start"), 8, 24, 129, 89, big);
    skipButton_ = makeButton(box, "skip", tr("Skip Cube"), 8, 120, 129, 65, big);
    startPauseButton_->setToolTip(QStringLiteral("0"));
    skipButton_->setToolTip(QStringLiteral("+"));
}

void MainWindow::buildStatisticsPanel() {
    QGroupBox* box = makeGroupBox(this, "GroupBox2", tr("Statistics"), 656, 520, 361, 177);
    statisticsBox_ = box;
    struct Row {
        const char* captionName;
        const char* caption;
        const char* toolTip;
        const char* spoken; // the caption without its colon, spelled out
        const char* valueName;
        ValueLabel* MainWindow::*value;
        const char* initial;
        int x, w;
    };
    static constexpr Row kRows[] = {
        {"Label2", QT_TR_NOOP("Current Cube time:"), "", QT_TR_NOOP("Current Cube time"), "tcurr",
         &MainWindow::cubeTimeLabel_, "0.0", 324, 30},
        {"Label12", QT_TR_NOOP("Solved Cubes:"), "", QT_TR_NOOP("Solved Cubes"), "socubes",
         &MainWindow::solvedLabel_, "0", 342, 12},
        {"Label3", QT_TR_NOOP("Total time:"), "", QT_TR_NOOP("Total time"), "ttot",
         &MainWindow::totalTimeLabel_, "0.0", 324, 30},
        {"Label7", QT_TR_NOOP("Average Cube time:"), "", QT_TR_NOOP("Average Cube time"), "tavr",
         &MainWindow::averageTimeLabel_, "++", 330, 24},
        {"Label11", QT_TR_NOOP("Total mistakes:"), "", QT_TR_NOOP("Total mistakes"), "mists",
         &MainWindow::mistakesLabel_, "0", 342, 12},
        {"Label13", QT_TR_NOOP("Aver. mistakes per Cube:"), QT_TR_NOOP("Average mistakes per Cube"),
         QT_TR_NOOP("Average mistakes per Cube"), "mpc", &MainWindow::mistakesPerCubeLabel_, "++",
         330, 24},
    };
    int y = 24;
    for (const Row& row : kRows) {
        // A caption has the room up to its value, which grows to the left.
        QLabel* caption = makeLabel(box, row.captionName, tr(row.caption), 8, y, 270);
        // An abbreviated caption is heard as its tooltip spells it out.
        if (*row.toolTip != '\0') {
            caption->setToolTip(tr(row.toolTip));
            caption->setAccessibleName(tr(row.toolTip));
        }
        y += 24;
    }
    y = 24;
    for (const Row& row : kRows) {
        this->*row.value = makeValueLabel(box, row.valueName, tr(row.spoken),
                                          QString::fromLatin1(row.initial), row.x, y, row.w, 24);
        y += 24;
    }
}

void MainWindow::buildActions() {
    for (const WindowCommand& command : windowCommands()) {
        auto* action = new QAction(QCoreApplication::translate("Commands", command.text), this);
        action->setObjectName(QString::fromLatin1(command.name));
        action->setShortcuts(keySequencesOf(command.keys));
        // Keys reach the window wherever the mouse is: no control takes the
        // focus, and a dialog open over the window keeps its own keys.
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, [this, run = command.run] { run(*this); });
        addAction(action);
        if (command.button == nullptr)
            continue;
        auto* button = findChild<QPushButton*>(QString::fromLatin1(command.button));
        Q_ASSERT(button != nullptr);
        connect(button, &QPushButton::clicked, action, &QAction::trigger);
        // A caption that does not say the command (none, "Load", "All")
        // leaves it to the action's text; a reader hears the keys too.
        if (command.buttonSpeaksText)
            button->setAccessibleName(action->text());
        if (button->toolTip().isEmpty() || command.buttonSpeaksText)
            button->setAccessibleDescription(KeysWindow::keyText(action->shortcuts()));
    }
}

void MainWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!shown_) {
        shown_ = true;
        firstShow();
    }
}

void MainWindow::firstShow() {
    // The window keeps its fixed size and place rather than taking the
    // maximised state: window systems that honour that state resize the
    // window to the screen, which the fixed layout cannot follow.
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState s) {
        // An exam's clock never stops: leaving the window only hides the
        // Cube, and is counted.
        if (examRunning() && s == Qt::ApplicationInactive)
            exam_->leaveWindow();
        else if (examRunning() && s == Qt::ApplicationActive)
            exam_->returnToWindow();
        else if (s == Qt::ApplicationInactive)
            flow_->pauseOnDeactivation();
    });
    clearPictures(pictures_);
    for (PictureWidget* cross : gridCrosses_)
        drawCross(cross->canvas(), kWindowColor);
    store_.makeRandomSeries(randomSource_);
    flow_->resetTest();
    Cube sample{};
    makeCube(sample, randomSource_);
    flow_->setSample(sample);
    flow_->showSample();
    for (PictureWidget* cross : gridCrosses_)
        cross->update();
    if (startupExam_) {
        beginExam(std::move(*startupExam_));
        startupExam_.reset();
    }
}

void MainWindow::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    // The history is checked, and rescued where it is damaged, once the
    // window is on screen: a large file then never holds it back. Solves
    // made meanwhile wait, as under a lock.
    if (!historyOpeningStarted_) {
        historyOpeningStarted_ = true;
        QTimer::singleShot(0, this, [this] {
            history_.startOpening();
            showHistoryState();
        });
    }
    // A start-up file's message needs the window on screen to sit over.
    if (!startupFile_.isEmpty())
        QTimer::singleShot(0, this, &MainWindow::openStartupFile);
}

void MainWindow::openStartupFile() {
    const QString path = std::exchange(startupFile_, QString());
    if (path.isEmpty())
        return;
    commands_->loadFile(path);
    // Loading resets the test, which blanks the pictures; the sample is
    // shown again, as at every start.
    flow_->showSample();
    refreshLabels();
}

void MainWindow::cubeShown(const Cube& c) {
    drawNet(pictures_, c, true);
    for (int a = 0; a < kAnswers; ++a)
        drawAnswer(pictures_, c, a);
    describeAnswers(&c);
    repaintPictures();
}

void MainWindow::pickJudged(const Cube& c, int answer, bool right) {
    lastPickCube_ = &c;
    lastPick_ = answer;
    // The drill shows every pick at once: a wrong answer in dark red, the
    // right one with the net's matching faces highlighted.
    if (right)
        drawNet(pictures_, c, false);
    drawAnswer(pictures_, c, answer);
    describeAnswers(&c);
    repaintPictures();
    if (!right)
        return;
    const SolvedCube solved = solvedCubeOf(c, clock_);
    history_.record(solved, reviewMarkOf(c, solved, targetSeconds(settings_)));
    countCubesToReview();
    showHistoryState();
    // After the pick has been shown, not as part of it.
    if (progressWindow_ != nullptr && progressWindow_->isVisible())
        QTimer::singleShot(0, progressWindow_, &ProgressWindow::refresh);
}

void MainWindow::picturesBlanked() {
    clearPictures(pictures_);
    describeAnswers(nullptr);
    repaintPictures();
}

void MainWindow::stateChanged() {
    refreshLabels();
}

void MainWindow::randomSeriesWanted() {
    commands_->createRandomSeries();
}

void MainWindow::describeAnswers(const Cube* shown) {
    // What a reader hears of a picked answer, which the picture tells by its
    // colours.
    for (int a = 0; a < kAnswers; ++a) {
        QString description;
        if (shown != nullptr && shown->picked[a] != 0)
            description = a == shown->correctAnswer ? tr("correct") : tr("wrong");
        answerPictures_[a]->setAccessibleDescription(description);
    }
}

void MainWindow::repaintPictures() {
    questionPicture_->update();
    for (PictureWidget* picture : answerPictures_)
        picture->update();
}

void MainWindow::refreshLabels() {
    const LabelFigures f = computeLabelFigures(state_, store_);
    const QLocale locale = panelLocale();
    for (std::size_t k = 0; k < kSeriesCount; ++k)
        seriesCountLabels_[k]->setValue(locale.toString(f.seriesCounts[k]));
    startPauseButton_->setText(f.paused ? tr("Start") : tr("Pause"));
    mistakesLabel_->setValue(locale.toString(f.mistakes));
    solvedLabel_->setValue(locale.toString(f.solved));
    mistakesPerCubeLabel_->setValue(
        f.mistakesPercent ? tr("%1%").arg(locale.toString(*f.mistakesPercent)) : kNoFigure);
    nextLabel_->setVisible(f.nextVisible);
    // The clocks are written now, and every 10 ms only while one of them
    // runs: a program left paused is not woken a hundred times a second, and
    // a clock that just stopped still shows its last tenths.
    updateClocks();
    if (!anyClockRuns(state_, store_))
        clockTimer_->stop();
    else if (!clockTimer_->isActive())
        clockTimer_->start();
}

void MainWindow::updateClocks() {
    const ClockFigures f = computeClockFigures(state_, store_, clock_);
    cubeTimeLabel_->setValue(secondsText(f.cubeTime));
    totalTimeLabel_->setValue(secondsText(f.totalTime));
    averageTimeLabel_->setValue(f.averageTime ? secondsText(*f.averageTime) : kNoFigure);
}

void MainWindow::showProgress() {
    // The credit line too is set aside during an exam.
    if (examRunning())
        return;
    if (!state_.paused)
        flow_->startPause();
    if (progressWindow_ == nullptr) {
        progressWindow_ = new ProgressWindow(history_, clock_, randomSource_, this, &settings_);
        connect(progressWindow_, &ProgressWindow::practiseWeakestRequested, this, [this] {
            practise([this] {
                return commands_->practiseWeakest(practicePlan(progressWindow_->summary()));
            });
        });
        connect(progressWindow_, &ProgressWindow::practiseRecipeRequested, this,
                [this](int recipe) {
                    practise([this, recipe] { return commands_->practiseRecipe(recipe); });
                });
    }
    progressWindow_->refresh();
    progressWindow_->show();
    progressWindow_->raise();
    progressWindow_->activateWindow();
}

void MainWindow::practise(const std::function<bool()>& command) {
    const bool made = command();
    settings_.setValue(kPracticeCountKey, commands_->practiceCount());
    if (made)
        progressWindow_->close();
}

void MainWindow::startPause() {
    if (examRunning())
        exam_->start();
    else
        flow_->startPause();
}

void MainWindow::skip() {
    if (examRunning())
        exam_->skip();
    else
        flow_->skip();
}

void MainWindow::pick(int answer) {
    if (examRunning())
        exam_->pick(answer);
    else
        flow_->pick(answer);
}

void MainWindow::moveOn() {
    if (!examRunning())
        flow_->moveOn();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    // A key no shortcut took. "+" comes with Shift on many keyboards (and
    // the digits on some), and platforms that report the Shift with the
    // character find no shortcut for it: the character alone is what the
    // user typed.
    constexpr Qt::KeyboardModifiers kCommandModifiers =
        Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if ((event->modifiers() & kCommandModifiers) == Qt::NoModifier &&
        (event->modifiers() & Qt::ShiftModifier) != Qt::NoModifier) {
        const QKeySequence typed(Qt::Key(event->key()));
        for (QAction* action : actions())
            if (action->isEnabled() && action->shortcuts().contains(typed)) {
                action->trigger();
                return;
            }
    }
    QWidget::keyPressEvent(event);
}

void MainWindow::showKeys() {
    if (!state_.paused)
        flow_->startPause();
    if (keysWindow_ == nullptr) {
        // Read from the actions themselves, in the order of the commands.
        std::vector<KeysWindow::Row> rows;
        for (const WindowCommand& command : windowCommands()) {
            const auto* action = findChild<QAction*>(QString::fromLatin1(command.name));
            rows.push_back(
                {action->objectName(), command.group, action->shortcuts(), action->text()});
        }
        keysWindow_ = new KeysWindow(rows, this);
    }
    keysWindow_->show();
    keysWindow_->raise();
    keysWindow_->activateWindow();
}

ExplanationWindow& MainWindow::explanation() {
    if (explanationWindow_ == nullptr)
        explanationWindow_ = new ExplanationWindow(this, pictures_.markOrder);
    return *explanationWindow_;
}

void MainWindow::explainShownCube() {
    // The sample goes off show only when the test starts or the pictures
    // are blanked; pausing keeps the current Cube, blank, for what follows.
    const bool sampleShown = flow_->shownCube() == &flow_->sample();
    if (!state_.paused)
        flow_->startPause();
    if (sampleShown) {
        // Shown solved, but never picked by the user.
        const Cube& sample = flow_->sample();
        explanation().explain(
            {sample, -1, ExplanationWindow::Reveal::AllAnswers, sample.correctAnswer});
        return;
    }
    const Cube* c = store_.currentCube();
    if (c == nullptr) {
        explanation().showMessage(tr("There is no Cube on show."));
        return;
    }
    if (isSolved(*c)) {
        explanation().explain(*c, c->correctAnswer);
        return;
    }
    // Still being solved: nothing beyond its picks, or the window says that
    // an answer is to be picked first.
    const int pick = lastPickCube_ == c && c->picked[lastPick_] != 0 ? lastPick_ : -1;
    explanation().explain({*c, pick, ExplanationWindow::Reveal::PickedOnly, -1});
}

void MainWindow::explainMistakes() {
    if (!state_.paused)
        flow_->startPause();
    const auto stillAsked = [this](const Cube& copy) -> const Cube* {
        for (const SeriesId series : {SeriesId::Current, SeriesId::Skipped})
            for (const Cube& asked : store_[series])
                if (!isSolved(asked) && sameTask(asked, copy))
                    return &asked;
        return nullptr;
    };
    std::vector<ExplanationWindow::Item> items;
    for (const Cube& copy : store_[SeriesId::Mistakes]) {
        if (const Cube* asked = stillAsked(copy)) {
            const int pick =
                lastPickCube_ == asked && asked->picked[lastPick_] != 0 ? lastPick_ : -1;
            items.push_back({*asked, pick, ExplanationWindow::Reveal::PickedOnly, -1});
            continue;
        }
        // A copy holds the wrong picks made before the one that filed it,
        // not that one: an earlier pick is the user's, else the answer
        // nearest the folded cube is shown first.
        int pick = -1;
        for (int a = kAnswers - 1; a >= 0; --a)
            pick = copy.picked[a] != 0 && a != copy.correctAnswer ? a : pick;
        items.push_back({copy, pick, ExplanationWindow::Reveal::AllAnswers, -1});
    }
    explanation().explainSeries(std::move(items), tr("The Mistakes series is empty."));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // A running test pauses before the question; an exam goes on.
    if (!state_.paused)
        startPause();
    const bool examOn = examRunning() && exam_->hasStarted();
    if (!dialogs_.askYesNo(examOn ? tr("The exam is not finished. End it and close Vexlor?")
                                  : tr("Close Vexlors?"))) {
        event->ignore();
        return;
    }
    // Ended, it keeps its rows and writes its results as any other.
    if (examOn)
        exam_->endNow();
    event->accept();
    if (progressWindow_ != nullptr)
        progressWindow_->close();
    // What cannot be written now goes into the journal beside the history;
    // only when even that fails are the solves lost, and the user may first
    // try again as often as wanted.
    while (!history_.writeWaitingRows() &&
           dialogs_.askYesNo(tr("Solves of this run that cannot be saved, not even beside your "
                                "history: %n. They are lost if Vexlor closes now. Try again?",
                                nullptr, history_.waitingCount()))) {
    }
    releaseSeries();
}

void MainWindow::releaseSeries() {
    if (seriesReleased_)
        return;
    seriesReleased_ = true;
    clockTimer_->stop();
    store_.clearAllSeries();
}

void MainWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    // The window is not to be moved: once a drag has settled it goes back.
    if (shown_ && pos() != kWindowPlace)
        returnTimer_->start();
}

void MainWindow::askExam() {
    if (examRunning())
        return;
    if (!state_.paused)
        flow_->startPause();
    const int current = store_.count(SeriesId::Current);
    const auto choice = dialogs_.askExam(current);
    if (!choice)
        return;
    ExamSetup setup;
    if (choice->fromCurrent && current > 0) {
        setup.items.assign(store_[SeriesId::Current].begin(), store_[SeriesId::Current].end());
    } else {
        // A series of the exam's own: Current stays as it is.
        setup.items.resize(static_cast<std::size_t>(std::clamp(choice->count, 1, 500)));
        for (Cube& c : setup.items)
            makeCube(c, randomSource_);
    }
    setup.limitSeconds = std::max(choice->minutes, 0) * 60;
    setup.name = choice->name;
    beginExam(std::move(setup));
}

void MainWindow::beginExam(ExamSetup setup) {
    if (examRunning() || setup.items.empty())
        return;
    if (!state_.paused)
        flow_->startPause();
    if (setup.title.isEmpty())
        setup.title = tr("Exam");
    std::vector<Cube> items = std::move(setup.items);
    setup.items.clear();
    examSetup_ = std::move(setup);
    if (examPanel_ == nullptr) {
        // Made with the first exam, so that the drill's window holds what it
        // always held; it takes the Statistics panel's place.
        examPanel_ = new ExamPanel(this);
        examPanel_->setGeometry(statisticsBox_->geometry());
    }
    ExamListener& listener = *this;
    exam_ = std::make_unique<ExamSession>(std::move(items), examSetup_.limitSeconds, store_,
                                          listener, clock_);
    examItem_ = -1;
    itemHidden();
    showExamLayout(true);
    refreshExamPanel();
}

void MainWindow::endExamEarly() {
    if (!examRunning())
        return;
    if (!exam_->hasStarted()) {
        // Nothing was answered, so nothing is kept.
        if (dialogs_.askYesNo(tr("Leave the exam before it starts?"))) {
            exam_.reset();
            showExamLayout(false);
        }
        return;
    }
    if (dialogs_.askYesNo(tr("End the exam now? The Cubes not answered count as unanswered.")))
        exam_->endNow();
}

void MainWindow::showExamLayout(bool exam) {
    if (examPanel_ != nullptr)
        examPanel_->setVisible(exam);
    statisticsBox_->setVisible(!exam);
    seriesBox_->setEnabled(!exam);
    creditLabel_->setEnabled(!exam);
    nextLabel_->setVisible(false);
    for (const WindowCommand& command : windowCommands())
        if (auto* action = findChild<QAction*>(QString::fromLatin1(command.name)))
            action->setEnabled(!exam || worksDuringExam(command));
    startPauseButton_->setEnabled(true);
    if (exam) {
        clockTimer_->stop();
        startPauseButton_->setText(tr("Start"));
    } else {
        examTimer_->stop();
        refreshLabels();
    }
}

void MainWindow::refreshExamPanel() {
    ExamPanel::Figures f;
    f.started = exam_->hasStarted();
    f.ended = exam_->hasEnded();
    // The item just answered stays named until the next one shows.
    f.item = exam_->hasEnded() ? -1 : examItem_;
    f.count = exam_->count();
    f.answered = exam_->answered();
    f.limited = exam_->limitSeconds() != kNoLimit;
    f.secondsLeft = exam_->secondsLeft();
    f.secondsUsed = exam_->secondsUsed();
    examPanel_->setFigures(f);
    // Start starts the exam once; there is no pause.
    startPauseButton_->setEnabled(!f.started);
    if (f.started && !f.ended && !examTimer_->isActive())
        examTimer_->start();
}

void MainWindow::itemShown(const Cube& c, int item) {
    examItem_ = item;
    // The Cube is drawn unanswered; nothing tells right from wrong.
    drawNet(pictures_, c, true);
    for (int a = 0; a < kAnswers; ++a)
        drawAnswer(pictures_, c, a);
    describeAnswers(nullptr);
    repaintPictures();
}

void MainWindow::answerChosen(int, int answer) {
    drawFrame(answerPictures_[answer]->canvas(), kChosenFrameColor, kChosenFrame);
    answerPictures_[answer]->setAccessibleDescription(tr("chosen"));
    repaintPictures();
    chosenTimer_->start();
}

void MainWindow::itemHidden() {
    picturesBlanked();
}

void MainWindow::examChanged() {
    refreshExamPanel();
}

void MainWindow::examEnded() {
    // Told from inside the exam's last step, which has nothing left to do.
    chosenTimer_->stop();
    finishExam();
}

ExamComparison MainWindow::readComparison() {
    ExamComparison comparison;
    const ProgressSummary summary = summarizeProgress(history_.readFigures());
    comparison.known = history_.readError().isEmpty();
    for (int k = 0; k < kRecipeCount; ++k)
        comparison.practiceMedians[static_cast<std::size_t>(k)] =
            summary.recipes[static_cast<std::size_t>(k)].medianSeconds;
    for (const ExamRecord& earlier : history_.readExams())
        comparison.earlierScores.push_back(earlier.cubes > 0 ? 100.0 * earlier.right / earlier.cubes
                                                             : 0.0);
    comparison.known = comparison.known && history_.readError().isEmpty();
    return comparison;
}

void MainWindow::recordExam(const ExamScore& score) {
    ExamRecord exam;
    exam.at = localDateTime(exam_->startedAt());
    exam.id = exam.at.toMSecsSinceEpoch();
    exam.cubes = score.count;
    exam.right = score.right;
    exam.answered = score.answered;
    exam.limitSeconds = score.limitSeconds;
    exam.seconds = score.secondsUsed;
    exam.name = examSetup_.name;
    // Each answered Cube is a solve, at the exam's end: one pick, right or
    // wrong. An unanswered one was never solved and adds nothing.
    const QDateTime ended = localDateTime(clock_.now());
    std::vector<SolvedCube> rows;
    for (const ExamItemResult& item : score.items)
        if (item.answer >= 0)
            rows.push_back({ended, item.recipe, item.seconds, item.right ? 0 : 1, exam.id});
    history_.recordExam(exam, std::move(rows));
}

void MainWindow::finishExam() {
    const ExamScore score = exam_->score();
    ExamSheet sheet{examSetup_.title, examSetup_.name, localDateTime(exam_->startedAt()), score,
                    readComparison()};
    // Read first, so that the comparison is with the history before this
    // exam.
    recordExam(score);
    const std::vector<Cube>& items = exam_->items();
    QString savedPath;
    QString folder = commands_->dialogFolder();
    if (!examSetup_.resultsFolder.isEmpty()) {
        folder = examSetup_.resultsFolder;
        QString reason;
        const WriteResult written = saveResultsFile(
            folder, resultsBaseName(sheet.name, sheet.title, sheet.startedAt.date()),
            Series(items.begin(), items.end()), &savedPath, &reason);
        if (written != WriteResult::Ok)
            dialogs_.showError(tr("The results could not be saved in %1. Save them from the "
                                  "score sheet.")
                                   .arg(QDir::toNativeSeparators(folder)),
                               reason);
    }
    showExamLayout(false);
    picturesBlanked();
    delete scoreSheet_;
    scoreSheet_ = new ScoreSheet(std::move(sheet), items, dialogs_, folder, savedPath, this);
    scoreSheet_->setAttribute(Qt::WA_DeleteOnClose, false);
    // A wrong row opens the Why? window F3 opens, every answer explained:
    // the exam is over.
    connect(scoreSheet_, &ScoreSheet::explainRequested, this,
            [this](const Cube& c, int picked) { explanation().explain(c, picked); });
    scoreSheet_->show();
    scoreSheet_->raise();
    scoreSheet_->activateWindow();
}

} // namespace vexlor
