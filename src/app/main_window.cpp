#include "main_window.h"

#include "app/series_commands.h"
#include "cube/generator.h"
#include "cube/random.h"
#include "cube/topology.h"
#include "render/palette.h"
#include "render/projection.h"
#include "test/statistics.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QMouseEvent>

namespace vexlor {

TForm1* Form1 = nullptr;

namespace {

// Colours of the window, as 0x00BBGGRR values turned into Qt colours.
const QColor kWindowColor(40, 98, 162);  // 0xA26228
const QColor kWindowText(207, 224, 243); // 0xF3E0CF

QFont PixelFont(const QString& family, int pixels, bool bold = false) {
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, int x, int y) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(x, y);
    label->adjustSize();
    return label;
}

// A value label: right-aligned, sized to its text, keeping its right edge.
QLabel* MakeValueLabel(QWidget* parent, const char* name, const QString& text, int x, int y, int w,
                       int h) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    label->setGeometry(x, y, w, h);
    label->setProperty("rightEdge", x + w);
    return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text, int x, int y, int w,
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

Bevel* MakeBevel(QWidget* parent, const char* name, Bevel::Edge edge, int x, int y, int w, int h) {
    auto* bevel = new Bevel(edge, parent);
    bevel->setObjectName(QString::fromLatin1(name));
    bevel->setGeometry(x, y, w, h);
    return bevel;
}

QGroupBox* MakeGroupBox(QWidget* parent, const char* name, const QString& caption, int x, int y,
                        int w, int h) {
    auto* box = new QGroupBox(caption, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(x, y, w, h);
    return box;
}

PictureWidget* MakePicture(QWidget* parent, const char* name, int x, int y, int w, int h) {
    auto* picture = new PictureWidget(w, h, parent);
    picture->setObjectName(QString::fromLatin1(name));
    picture->move(x, y);
    return picture;
}

// Writes a value label's text; the label keeps its right edge.
void SetValueText(QLabel* label, const QString& text) {
    if (label->text() == text)
        return;
    label->setText(text);
    const int right = label->property("rightEdge").toInt();
    const int width = label->sizeHint().width();
    label->setGeometry(right - width, label->y(), width, label->height());
}

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

void TForm1::BuildControls() {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Vexlor"));
    setFixedSize(1024, 721);
    setFont(PixelFont(QStringLiteral("Arial"), 21));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kWindowColor);
    pal.setColor(QPalette::WindowText, kWindowText);
    setPalette(pal);

    // Pictures, in the order that decides which lies on top.
    qu = MakePicture(this, "qu", 8, 8, 500, 500);
    ans0 = MakePicture(this, "ans0", 516, 8, 250, 250);
    ans2 = MakePicture(this, "ans2", 516, 258, 250, 250);
    ans1 = MakePicture(this, "ans1", 766, 8, 250, 250);
    ans3 = MakePicture(this, "ans3", 766, 258, 250, 250);
    Bevel8 = MakeBevel(this, "Bevel8", Bevel::Edge::Top, 8, 512, 1009, 9);

    next = new ClickLabel(QStringLiteral("Next"), this);
    next->setObjectName(QStringLiteral("next"));
    next->setGeometry(520, 240, 493, 33);
    next->setAlignment(Qt::AlignCenter);
    next->setAutoFillBackground(true);
    {
        QPalette p = next->palette();
        p.setColor(QPalette::Window, kWindowText);
        p.setColor(QPalette::WindowText, kWindowColor);
        next->setPalette(p);
    }
    next->setVisible(false);

    Label15 = new QLabel(QStringLiteral("Vexlor \u2014 cube-folding trainer"), this);
    Label15->setObjectName(QStringLiteral("Label15"));
    Label15->setGeometry(656, 700, 361, 14);
    Label15->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label15->setFont(PixelFont(QStringLiteral("Arial"), 11));

    // Series panel.
    GroupBox1 = MakeGroupBox(this, "GroupBox1", QStringLiteral("Series"), 8, 520, 489, 193);
    QWidget* g1 = GroupBox1;
    Label1 = MakeLabel(g1, "Label1", QStringLiteral("Current:"), 8, 48);
    Label4 = MakeLabel(g1, "Label4", QStringLiteral("Skipped:"), 8, 72);
    Label5 = MakeLabel(g1, "Label5", QStringLiteral("Mistakes:"), 8, 104);
    Label6 = MakeLabel(g1, "Label6", QStringLiteral("Custom:"), 8, 128);
    scurr = MakeValueLabel(g1, "scurr", QStringLiteral("0"), 213, 48, 12, 24);
    sskip = MakeValueLabel(g1, "sskip", QStringLiteral("0"), 213, 72, 12, 24);
    smist = MakeValueLabel(g1, "smist", QStringLiteral("0"), 213, 104, 12, 24);
    scust = MakeValueLabel(g1, "scust", QStringLiteral("0"), 213, 128, 12, 24);

    const QFont header = PixelFont(QStringLiteral("Arial"), 13, true);
    Label8 = MakeLabel(g1, "Label8", QStringLiteral("CtCS:"), 240, 24);
    Label14 = MakeLabel(g1, "Label14", QStringLiteral("ACtS:"), 304, 24);
    Label9 = MakeLabel(g1, "Label9", QStringLiteral("Save:"), 368, 24);
    Label10 = MakeLabel(g1, "Label10", QStringLiteral("Clear:"), 432, 24);
    for (QLabel* l : {Label8, Label14, Label9, Label10}) {
        l->setFont(header);
        l->adjustSize();
    }
    Label8->setToolTip(QStringLiteral("Copy this series to the Current series"));
    Label14->setToolTip(QStringLiteral("Add the current Cube to this series"));

    const QFont sans = PixelFont(QStringLiteral("MS Sans Serif"), 11);
    const QFont arial11 = PixelFont(QStringLiteral("Arial"), 11);
    guzik = MakePicture(g1, "guzik", 240, 52, 49, 17);
    guzik2 = MakePicture(g1, "guzik2", 304, 52, 49, 17);
    Button9 = MakeButton(g1, "Button9", {}, 368, 52, 49, 17, sans);
    Button11 = MakeButton(g1, "Button11", {}, 432, 52, 49, 17, sans);
    Button5 = MakeButton(g1, "Button5", {}, 240, 76, 49, 17, sans);
    Button1 = MakeButton(g1, "Button1", {}, 304, 76, 49, 17, arial11);
    Button8 = MakeButton(g1, "Button8", {}, 368, 76, 49, 17, sans);
    Button12 = MakeButton(g1, "Button12", {}, 432, 76, 49, 17, sans);
    Button3 = MakeButton(g1, "Button3", {}, 240, 108, 49, 17, sans);
    atmi = MakeButton(g1, "atmi", {}, 304, 108, 49, 17, arial11);
    Button7 = MakeButton(g1, "Button7", {}, 368, 108, 49, 17, sans);
    Button13 = MakeButton(g1, "Button13", {}, 432, 108, 49, 17, sans);
    Button4 = MakeButton(g1, "Button4", {}, 240, 132, 49, 17, sans);
    atcu = MakeButton(g1, "atcu", {}, 304, 132, 49, 17, arial11);
    Button6 = MakeButton(g1, "Button6", {}, 368, 132, 49, 17, sans);
    Button14 = MakeButton(g1, "Button14", {}, 432, 132, 49, 17, sans);
    Button1->setToolTip(QStringLiteral("1"));
    atcu->setToolTip(QStringLiteral("+"));
    newseriesb = MakeButton(g1, "newseriesb", QStringLiteral("Create random series"), 8, 164, 217,
                            17, arial11);
    loadfromfile =
        MakeButton(g1, "loadfromfile", QStringLiteral("Load"), 368, 164, 49, 17, arial11);
    Button2 = MakeButton(g1, "Button2", QStringLiteral("All"), 432, 164, 49, 17, arial11);

    Bevel6 = MakeBevel(g1, "Bevel6", Bevel::Edge::Top, 8, 42, 473, 9);
    Bevel7 = MakeBevel(g1, "Bevel7", Bevel::Edge::Top, 8, 98, 473, 9);
    Bevel5 = MakeBevel(g1, "Bevel5", Bevel::Edge::Top, 8, 154, 473, 9);
    Bevel3 = MakeBevel(g1, "Bevel3", Bevel::Edge::Left, 231, 24, 9, 157);
    Bevel1 = MakeBevel(g1, "Bevel1", Bevel::Edge::Left, 295, 24, 9, 132);
    Bevel2 = MakeBevel(g1, "Bevel2", Bevel::Edge::Left, 359, 24, 9, 157);
    Bevel4 = MakeBevel(g1, "Bevel4", Bevel::Edge::Left, 424, 24, 9, 157);

    // Test panel.
    GroupBox3 = MakeGroupBox(this, "GroupBox3", QStringLiteral("Test"), 504, 520, 145, 193);
    const QFont big = PixelFont(QStringLiteral("Arial"), 21);
    stst = MakeButton(GroupBox3, "stst", QStringLiteral("Start"), 8, 24, 129, 89, big);
    skip = MakeButton(GroupBox3, "skip", QStringLiteral("Skip Cube"), 8, 120, 129, 65, big);
    stst->setToolTip(QStringLiteral("0"));
    skip->setToolTip(QStringLiteral("+"));

    // Statistics panel.
    GroupBox2 = MakeGroupBox(this, "GroupBox2", QStringLiteral("Statistics"), 656, 520, 361, 177);
    QWidget* g2 = GroupBox2;
    Label2 = MakeLabel(g2, "Label2", QStringLiteral("Current Cube time:"), 8, 24);
    Label12 = MakeLabel(g2, "Label12", QStringLiteral("Solved Cubes:"), 8, 48);
    Label3 = MakeLabel(g2, "Label3", QStringLiteral("Total time:"), 8, 72);
    Label7 = MakeLabel(g2, "Label7", QStringLiteral("Average Cube time:"), 8, 96);
    Label11 = MakeLabel(g2, "Label11", QStringLiteral("Total mistakes:"), 8, 120);
    Label13 = MakeLabel(g2, "Label13", QStringLiteral("Aver. mistakes per Cube:"), 8, 144);
    Label13->setToolTip(QStringLiteral("Average mistakes per Cube"));
    tcurr = MakeValueLabel(g2, "tcurr", QStringLiteral("0.0"), 324, 24, 30, 24);
    socubes = MakeValueLabel(g2, "socubes", QStringLiteral("0"), 342, 48, 12, 24);
    ttot = MakeValueLabel(g2, "ttot", QStringLiteral("0.0"), 324, 72, 30, 24);
    tavr = MakeValueLabel(g2, "tavr", QStringLiteral("++"), 330, 96, 24, 24);
    mists = MakeValueLabel(g2, "mists", QStringLiteral("0"), 342, 120, 12, 24);
    mpc = MakeValueLabel(g2, "mpc", QStringLiteral("++"), 330, 144, 24, 24);

    anspic[0] = ans0;
    anspic[1] = ans1;
    anspic[2] = ans2;
    anspic[3] = ans3;
}

TForm1::TForm1(Services services)
    : dialogs_(services.dialogs), store_(services.store != nullptr ? services.store : &TheStore()),
      state_(services.state != nullptr ? services.state : &TheTest()) {
    if (dialogs_ == nullptr) {
        ownDialogs_ = std::make_unique<QtDialogs>(this);
        dialogs_ = ownDialogs_.get();
    }
    BuildControls();
    pictures_.question = &qu->canvas();
    for (int a = 0; a < kAnswers; ++a)
        pictures_.answers[a] = &anspic[a]->canvas();
    flow_ = std::make_unique<TestFlow>(*store_, *state_, *this);
    commands_ = std::make_unique<SeriesCommands>(*store_, *state_, *flow_, *this, *dialogs_);

    move(-3, -3);
    ConnectControls();

    // The form previews every key before the control that has the focus.
    installEventFilter(this);

    tt = new QTimer(this);
    tt->setObjectName(QStringLiteral("tt"));
    tt->setInterval(10);
    connect(tt, &QTimer::timeout, this, &TForm1::ttTimer);
    tt->start();

    dockTimer_ = new QTimer(this);
    dockTimer_->setSingleShot(true);
    dockTimer_->setInterval(300);
    connect(dockTimer_, &QTimer::timeout, this, &TForm1::FormEndDock);

    Form1 = this;
}

TForm1::~TForm1() {
    FormClose();
    if (Form1 == this)
        Form1 = nullptr;
}

void TForm1::ConnectControls() {
    for (PictureWidget* picture : anspic)
        connect(picture, &PictureWidget::clicked, this, [this, picture] { ans0Click(picture); });
    connect(next, &ClickLabel::clicked, this, &TForm1::nextClick);
    connect(stst, &QPushButton::clicked, this, &TForm1::ststClick);
    connect(skip, &QPushButton::clicked, this, &TForm1::skipClick);

    SeriesCommands* c = commands_.get();
    connect(newseriesb, &QPushButton::clicked, this, [c] { c->newseriesbClick(); });
    connect(loadfromfile, &QPushButton::clicked, this, [c] { c->loadfromfileClick(); });
    connect(Button2, &QPushButton::clicked, this, [c] { c->Button2Click(); });
    connect(Button5, &QPushButton::clicked, this,
            [c] { c->CopySeriesToCurrent(SeriesKind::Skipped); });
    connect(Button3, &QPushButton::clicked, this,
            [c] { c->CopySeriesToCurrent(SeriesKind::Mistakes); });
    connect(Button4, &QPushButton::clicked, this,
            [c] { c->CopySeriesToCurrent(SeriesKind::Custom); });
    connect(Button1, &QPushButton::clicked, this, [c] { c->AddCurrentCube(SeriesKind::Skipped); });
    connect(atmi, &QPushButton::clicked, this, [c] { c->AddCurrentCube(SeriesKind::Mistakes); });
    connect(atcu, &QPushButton::clicked, this, [c] { c->AddCurrentCube(SeriesKind::Custom); });
    connect(Button9, &QPushButton::clicked, this,
            [c] { c->SaveSeries(SeriesKind::Current, false); });
    connect(Button8, &QPushButton::clicked, this,
            [c] { c->SaveSeries(SeriesKind::Skipped, true); });
    connect(Button7, &QPushButton::clicked, this,
            [c] { c->SaveSeries(SeriesKind::Mistakes, true); });
    connect(Button6, &QPushButton::clicked, this, [c] { c->SaveSeries(SeriesKind::Custom, true); });
    connect(Button11, &QPushButton::clicked, this, [c] { c->Button11Click(); });
    connect(Button12, &QPushButton::clicked, this, [c] { c->Button12Click(); });
    connect(Button13, &QPushButton::clicked, this,
            [c] { c->ClearWithoutAsking(SeriesKind::Mistakes); });
    connect(Button14, &QPushButton::clicked, this,
            [c] { c->ClearWithoutAsking(SeriesKind::Custom); });
}

void TForm1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
}

void TForm1::FormShow() {
    // The window keeps its fixed size and place rather than taking the
    // maximised state: window systems that honour that state resize the
    // window to the screen, which the fixed layout cannot follow.
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState s) {
        if (s == Qt::ApplicationInactive)
            AppDeactivate();
    });
    SeedRandom();
    ShuffleMarks();
    SetupProjection(ans1->width());
    for (int a = 0; a < kAnswers; ++a)
        anspic[a]->setTag(a);
    ClearPictures(pictures_);
    DrawCross(guzik->canvas(), windowcolor);
    DrawCross(guzik2->canvas(), windowcolor);
    SetupTopology();
    store_->MakeRandomSeries();
    flow_->ResetTest();
    MakeCube(SampleCube);
    if (HasValidCorrect(SampleCube))
        SampleCube.chosen[SampleCube.correct] = 1;
    flow_->ShowCube(SampleCube);
    commands_->lastdir = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    RepaintPictures();
    guzik->update();
    guzik2->update();
}

void TForm1::RepaintPictures() {
    qu->update();
    for (PictureWidget* picture : anspic)
        picture->update();
}

void TForm1::RefreshLabels() {
    const LabelTexts t = ComputeLabelTexts(*state_, *store_);
    SetValueText(scurr, Q(t.scurr));
    SetValueText(sskip, Q(t.sskip));
    SetValueText(smist, Q(t.smist));
    SetValueText(scust, Q(t.scust));
    stst->setText(Q(t.stst));
    SetValueText(mists, Q(t.mists));
    SetValueText(socubes, Q(t.socubes));
    SetValueText(mpc, Q(t.mpc));
    next->setVisible(t.nextVisible);
    // Every change of the test ends here, so the pictures are shown anew too.
    RepaintPictures();
}

void TForm1::CreateRandomSeries() {
    commands_->newseriesbClick();
}

void TForm1::ttTimer() {
    const TimerTexts t = ComputeTimerTexts(*state_, *store_);
    SetValueText(tcurr, Q(t.tcurr));
    SetValueText(ttot, Q(t.ttot));
    SetValueText(tavr, Q(t.tavr));
}

void TForm1::ststClick() {
    flow_->ststClick();
}

void TForm1::skipClick() {
    flow_->skipClick();
}

void TForm1::ans0Click(PictureWidget* picture) {
    flow_->AnswerCube(picture->tag());
}

void TForm1::nextClick() {
    flow_->AnswerCube(0);
}

void TForm1::AppDeactivate() {
    flow_->AppDeactivate();
}

void TForm1::FormKeyPress(QChar key) {
    // The answer keys lie as the answer pictures do on a numeric keypad.
    static constexpr char16_t kAnswerKeys[kAnswers] = {u'8', u'9', u'5', u'6'};
    for (int a = 0; a < kAnswers; ++a)
        if (key == QChar(kAnswerKeys[a])) {
            flow_->AnswerCube(a);
            return;
        }
    if (key == QChar(27))
        close();
    else if (key == QLatin1Char('0'))
        ststClick();
    else if (key == QLatin1Char('+'))
        skipClick();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        if (text.size() == 1)
            FormKeyPress(text.front());
        else if (key->key() == Qt::Key_Escape)
            FormKeyPress(QChar(27));
    }
    // The key is never consumed: it goes on to the control as it came.
    return QWidget::eventFilter(watched, event);
}

void TForm1::closeEvent(QCloseEvent* event) {
    // FormCloseQuery: a running test pauses before the question.
    if (state_->paused == 0)
        ststClick();
    if (!dialogs_->AskYesNo(QStringLiteral("Close Vexlors?"))) {
        event->ignore();
        return;
    }
    event->accept();
    FormClose();
}

void TForm1::FormClose() {
    if (closed_)
        return;
    closed_ = true;
    tt->stop();
    store_->FreeAllSeries();
}

void TForm1::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    // The window is not to be moved: once a drag has settled it goes back.
    if (shown_ && pos() != QPoint(-3, -3))
        dockTimer_->start();
}

void TForm1::FormEndDock() {
    move(-3, -3);
}

} // namespace vexlor
