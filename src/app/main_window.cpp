#include "main_window.h"

#include "app/app_icon.h"
#include "app/keys_window.h"
#include "app/progress_window.h"
#include "app/series_commands.h"
#include "app/series_grid.h"
#include "cube/generator.h"
#include "history/history_store.h"
#include "printing/image_canvas.h"
#include "render/palette.h"
#include "session/statistics.h"

#include <QApplication>
#include <QCloseEvent>
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

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

// A time of the Statistics panel ("12.5") with the decimal separator of the
// user's language ("12,5").
QString localTime(const std::string& s) {
    return QString::fromStdString(s).replace(QLatin1Char('.'), QLocale().decimalPoint());
}

// Leaves used as it is when it was handed in; otherwise points it at a new
// object from make, owned by owned.
template <typename Used, typename Owned, typename Make>
void useOrMake(Used*& used, std::unique_ptr<Owned>& owned, Make make) {
    if (used != nullptr)
        return;
    owned = make();
    used = owned.get();
}

} // namespace

MainWindow::MainWindow(Services services)
    : dialogs_(services.dialogs), store_(services.store), state_(services.state),
      history_(services.history), settings_(services.settings), clock_(services.clock),
      randomSource_(services.randomSource) {
    // What the caller did not hand in, the window makes and owns.
    useOrMake(dialogs_, ownDialogs_, [this] { return std::make_unique<QtDialogs>(this); });
    useOrMake(store_, ownStore_, [] { return std::make_unique<SeriesStore>(); });
    useOrMake(state_, ownState_, [] { return std::make_unique<SessionState>(); });
    // Opened once the window is on screen: see paintEvent.
    useOrMake(history_, ownHistory_, [] {
        return std::make_unique<HistoryStore>(
            HistoryStore::defaultPath(), HistoryStore::Mode::ReadWrite, HistoryStore::Start::Later);
    });
    useOrMake(settings_, ownSettings_, [] { // ~/.config/Vexlor/Vexlor.conf
        return std::make_unique<QSettings>(QStringLiteral("Vexlor"), QStringLiteral("Vexlor"));
    });
    useOrMake(clock_, ownClock_, [] { return std::make_unique<SystemClock>(); });
    useOrMake(randomSource_, ownRandomSource_,
              [] { return std::make_unique<RandomSource>(RandomSource::secondsNow()); });
    flow_ = std::make_unique<SessionFlow>(*store_, *state_, *this, *clock_);
    commands_ = std::make_unique<SeriesCommands>(*store_, *state_, *flow_, *this, *dialogs_,
                                                 *randomSource_, *clock_);
    commands_->setPracticeCount(
        settings_->value(kPracticeCountKey, commands_->practiceCount()).toInt());

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

    pictures_.question = &questionPicture_->canvas();
    for (int a = 0; a < kAnswers; ++a)
        pictures_.answers[a] = &answerPictures_[a]->canvas();
    pictures_.projection = makeProjection(answerPictures_[1]->width());
    // The highlight colours take the first numbers the source gives.
    pictures_.markOrder = shuffledMarks(*randomSource_);

    move(kWindowPlace);

    // The window sees every key before the control that has the focus.
    installEventFilter(this);

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
    if (history_->finishOpening()) {
        if (historyOpeningTimer_ != nullptr && historyOpeningTimer_->isActive()) {
            historyOpeningTimer_->stop();
            // The figures of the file now ready, the solves made meanwhile
            // among them.
            if (progressWindow_ != nullptr && progressWindow_->isVisible())
                progressWindow_->refresh();
        }
    } else if (historyOpeningTimer_ != nullptr && !historyOpeningTimer_->isActive()) {
        historyOpeningTimer_->start();
    }
    // Said on the window itself, without a box: the test goes on either way.
    QString text = tr("Vexlor \u2014 progress (F2)");
    QString description;
    if (const std::optional<int> percent = history_->rescuePercent()) {
        text += tr(" \u00b7 Rescuing your history: %1 %").arg(*percent);
        description = tr("Your history was damaged and is being rescued. Your solves are kept "
                         "until it is done. The Progress window (F2) says more.");
    } else if (const int waiting = history_->waitingCount(); waiting > 0) {
        // One solve has a text of its own, so that English keeps its "1
        // solve"; the other counts take the language's plural forms.
        text += waiting == 1 ? tr(" \u00b7 1 solve not yet saved")
                             : tr(" \u00b7 %Ln solves not yet saved", nullptr, waiting);
        description = tr("Solves of this run not yet saved in your history: %L1. The Progress "
                         "window (F2) says why.")
                          .arg(waiting);
    } else if (history_->hasGivenUp()) {
        text += tr(" \u00b7 solves are not saved");
        description = tr("Your solves are not saved in your history. The Progress window (F2) "
                         "says why.");
    }
    creditLabel_->setText(text);
    creditLabel_->setAccessibleDescription(description);
}

void MainWindow::buildSeriesPanel() {
    QGroupBox* box = makeGroupBox(this, "GroupBox1", tr("Series"), 8, 520, 489, 193);

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

    std::size_t crosses = 0;
    for (const SeriesGridCell& cell : kSeriesGrid) {
        const QString accessibleName =
            QCoreApplication::translate("SeriesGrid", cell.accessibleName);
        if (cell.command == nullptr) {
            gridCrosses_.at(crosses++) =
                makePicture(box, cell.objectName, cell.x, cell.y, kGridCellWidth, kGridCellHeight,
                            accessibleName);
            continue;
        }
        QPushButton* button =
            makeButton(box, cell.objectName, {}, cell.x, cell.y, kGridCellWidth, kGridCellHeight,
                       pixelFont(QString::fromLatin1(cell.fontFamily), 11));
        button->setToolTip(QString::fromLatin1(cell.toolTip)); // a key, never translated
        button->setAccessibleName(accessibleName);
        connect(button, &QPushButton::clicked, this,
                [commands = commands_.get(), command = cell.command, row = cell.row] {
                    (commands->*command)(row);
                });
    }

    const QFont arial11 = pixelFont(QStringLiteral("Arial"), 11);
    QPushButton* create =
        makeButton(box, "newseriesb", tr("Create random series"), 8, 164, 217, 17, arial11);
    QPushButton* load = makeButton(box, "loadfromfile", tr("Load"), 368, 164, 49, 17, arial11);
    load->setAccessibleName(tr("Load a series file into Current"));
    QPushButton* clearAll = makeButton(box, "Button2", tr("All"), 432, 164, 49, 17, arial11);
    clearAll->setAccessibleName(tr("Clear all series"));
    SeriesCommands* commands = commands_.get();
    connect(create, &QPushButton::clicked, this, [commands] { commands->createRandomSeries(); });
    connect(load, &QPushButton::clicked, this, [commands] { commands->loadIntoCurrent(); });
    connect(clearAll, &QPushButton::clicked, this, [commands] { commands->clearAll(); });

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
    startPauseButton_ =
        makeButton(box, "stst", QCoreApplication::translate("Test", "Start"), 8, 24, 129, 89, big);
    skipButton_ = makeButton(box, "skip", tr("Skip Cube"), 8, 120, 129, 65, big);
    startPauseButton_->setToolTip(QStringLiteral("0"));
    skipButton_->setToolTip(QStringLiteral("+"));
    connect(startPauseButton_, &QPushButton::clicked, this, &MainWindow::startPause);
    connect(skipButton_, &QPushButton::clicked, this, &MainWindow::skip);
}

void MainWindow::buildStatisticsPanel() {
    QGroupBox* box = makeGroupBox(this, "GroupBox2", tr("Statistics"), 656, 520, 361, 177);
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
        if (s == Qt::ApplicationInactive)
            flow_->pauseOnDeactivation();
    });
    clearPictures(pictures_);
    for (PictureWidget* cross : gridCrosses_)
        drawCross(cross->canvas(), kWindowColor);
    store_->makeRandomSeries(*randomSource_);
    flow_->resetTest();
    Cube sample{};
    makeCube(sample, *randomSource_);
    flow_->setSample(sample);
    flow_->showSample();
    describeAnswers();
    commands_->setDialogFolder(QCoreApplication::applicationDirPath() + QLatin1Char('/'));
    repaintPictures();
    for (PictureWidget* cross : gridCrosses_)
        cross->update();
}

void MainWindow::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    // The history is checked, and rescued where it is damaged, once the
    // window is on screen: a large file then never holds it back. Solves
    // made meanwhile wait, as under a lock.
    if (!historyOpeningStarted_) {
        historyOpeningStarted_ = true;
        QTimer::singleShot(0, this, [this] {
            history_->startOpening();
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

void MainWindow::describeAnswers() {
    // What a reader hears of a picked answer, which the picture tells by its
    // colours.
    const Cube* cube = flow_->shownCube();
    for (int a = 0; a < kAnswers; ++a) {
        QString description;
        if (cube != nullptr && cube->picked[a] != 0)
            description = a == cube->correctAnswer ? tr("correct") : tr("wrong");
        answerPictures_[a]->setAccessibleDescription(description);
    }
}

void MainWindow::repaintPictures() {
    questionPicture_->update();
    for (PictureWidget* picture : answerPictures_)
        picture->update();
}

void MainWindow::refreshLabels() {
    const LabelTexts t = computeLabelTexts(*state_, *store_);
    for (int k = 0; k < kSeriesCount; ++k)
        seriesCountLabels_[k]->setValue(Q(t.seriesCounts[k]));
    startPauseButton_->setText(QCoreApplication::translate("Test", t.startPause.c_str()));
    mistakesLabel_->setValue(Q(t.mistakes));
    solvedLabel_->setValue(Q(t.solved));
    mistakesPerCubeLabel_->setValue(Q(t.mistakesPerCube));
    nextLabel_->setVisible(t.nextVisible);
    // The clocks are written now, and every 10 ms only while one of them
    // runs: a program left paused is not woken a hundred times a second, and
    // a clock that just stopped still shows its last tenths.
    updateClocks();
    if (!anyClockRuns(*state_, *store_))
        clockTimer_->stop();
    else if (!clockTimer_->isActive())
        clockTimer_->start();
    // Every change of the test ends here, so the pictures are shown anew too.
    describeAnswers();
    repaintPictures();
}

void MainWindow::createRandomSeries() {
    commands_->createRandomSeries();
}

void MainWindow::cubeSolved(const Cube& c) {
    history_->record(solvedCubeOf(c, *clock_));
    showHistoryState();
    // After the pick has been shown, not as part of it.
    if (progressWindow_ != nullptr && progressWindow_->isVisible())
        QTimer::singleShot(0, progressWindow_, &ProgressWindow::refresh);
}

void MainWindow::showProgress() {
    if (!state_->paused)
        flow_->startPause();
    if (progressWindow_ == nullptr) {
        progressWindow_ = new ProgressWindow(*history_, *clock_, *randomSource_, this, settings_);
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
    settings_->setValue(kPracticeCountKey, commands_->practiceCount());
    if (made)
        progressWindow_->close();
}

void MainWindow::updateClocks() {
    const TimerTexts t = computeTimerTexts(*state_, *store_, *clock_);
    cubeTimeLabel_->setValue(localTime(t.cubeTime));
    totalTimeLabel_->setValue(localTime(t.totalTime));
    averageTimeLabel_->setValue(localTime(t.averageTime));
}

void MainWindow::startPause() {
    flow_->startPause();
}

void MainWindow::skip() {
    flow_->skip();
}

void MainWindow::pick(int answer) {
    flow_->pick(answer);
}

void MainWindow::moveOn() {
    flow_->moveOn();
}

namespace {

// Every key of the window, with what F1 lists for it, in the order F1 lists
// them. The controls never take the focus, so the window answers each key
// wherever the mouse is. The Series commands pause a running test
// themselves, as from their buttons; so do Progress and the list of keys.
struct KeyBinding {
    QKeyCombination keys;
    const char* help;
    void (*action)(MainWindow&);
};
constexpr std::array<KeyBinding, 13> kKeyMap{{
    // The answer keys lie as the answer pictures do on a numeric keypad.
    {Qt::Key_8, QT_TRANSLATE_NOOP("vexlor::MainWindow", "Pick the top left answer"),
     [](MainWindow& w) { w.pick(0); }},
    {Qt::Key_9, QT_TRANSLATE_NOOP("vexlor::MainWindow", "Pick the top right answer"),
     [](MainWindow& w) { w.pick(1); }},
    {Qt::Key_5, QT_TRANSLATE_NOOP("vexlor::MainWindow", "Pick the bottom left answer"),
     [](MainWindow& w) { w.pick(2); }},
    {Qt::Key_6, QT_TRANSLATE_NOOP("vexlor::MainWindow", "Pick the bottom right answer"),
     [](MainWindow& w) { w.pick(3); }},
    {Qt::Key_0, QT_TRANSLATE_NOOP("vexlor::MainWindow", "Start or pause the test"),
     [](MainWindow& w) { w.startPause(); }},
    {Qt::Key_Plus, QT_TRANSLATE_NOOP("vexlor::MainWindow", "Skip the Cube"),
     [](MainWindow& w) { w.skip(); }},
    {Qt::CTRL | Qt::Key_N, QT_TRANSLATE_NOOP("vexlor::MainWindow", "Create random series"),
     [](MainWindow& w) { w.commands().createRandomSeries(); }},
    {Qt::CTRL | Qt::Key_O,
     QT_TRANSLATE_NOOP("vexlor::MainWindow", "Load a series file into Current"),
     [](MainWindow& w) { w.commands().loadIntoCurrent(); }},
    {Qt::CTRL | Qt::Key_S, QT_TRANSLATE_NOOP("vexlor::MainWindow", "Save Current"),
     [](MainWindow& w) { w.commands().save(SeriesId::Current); }},
    {Qt::CTRL | Qt::Key_P, QT_TRANSLATE_NOOP("vexlor::MainWindow", "Print a worksheet"),
     [](MainWindow& w) { w.commands().print(); }},
    {Qt::Key_F2, QT_TRANSLATE_NOOP("vexlor::MainWindow", "Show your progress"),
     [](MainWindow& w) { w.showProgress(); }},
    {Qt::Key_F1, QT_TRANSLATE_NOOP("vexlor::MainWindow", "Show this list of keys"),
     [](MainWindow& w) { w.showKeys(); }},
    {Qt::Key_Escape, QT_TRANSLATE_NOOP("vexlor::MainWindow", "Close Vexlor"),
     [](MainWindow& w) { w.close(); }},
}};

// Shift and the keypad do not count: "+" comes with Shift on many keyboards,
// and the keypad's digits pick as the others do.
constexpr Qt::KeyboardModifiers kCounted = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

} // namespace

void MainWindow::handleKey(QKeyCombination pressed) {
    const auto binding =
        std::find_if(kKeyMap.begin(), kKeyMap.end(), [pressed](const KeyBinding& b) {
            return b.keys.key() == pressed.key() && (b.keys.keyboardModifiers() & kCounted) ==
                                                        (pressed.keyboardModifiers() & kCounted);
        });
    if (binding != kKeyMap.end())
        binding->action(*this);
}

void MainWindow::showKeys() {
    if (!state_->paused)
        flow_->startPause();
    if (keysWindow_ == nullptr) {
        std::vector<KeysWindow::Row> rows;
        for (const KeyBinding& b : kKeyMap)
            rows.push_back({b.keys, tr(b.help)});
        keysWindow_ = new KeysWindow(rows, this);
    }
    keysWindow_->show();
    keysWindow_->raise();
    keysWindow_->activateWindow();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress)
        handleKey(static_cast<QKeyEvent*>(event)->keyCombination());
    // The key is never consumed: it goes on to the control as it came.
    return QWidget::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // A running test pauses before the question.
    if (!state_->paused)
        startPause();
    if (!dialogs_->askYesNo(tr("Close Vexlors?"))) {
        event->ignore();
        return;
    }
    event->accept();
    if (progressWindow_ != nullptr)
        progressWindow_->close();
    // What cannot be written now goes into the journal beside the history;
    // only when even that fails are the solves lost, and the user may first
    // try again as often as wanted.
    while (!history_->writeWaitingRows() &&
           dialogs_->askYesNo(tr("Solves of this run that cannot be saved, not even beside your "
                                 "history: %n. They are lost if Vexlor closes now. Try again?",
                                 nullptr, history_->waitingCount()))) {
    }
    releaseSeries();
}

void MainWindow::releaseSeries() {
    if (seriesReleased_)
        return;
    seriesReleased_ = true;
    clockTimer_->stop();
    store_->clearAllSeries();
}

void MainWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    // The window is not to be moved: once a drag has settled it goes back.
    if (shown_ && pos() != kWindowPlace)
        returnTimer_->start();
}

} // namespace vexlor
