#include "explanation_window.h"

#include "app/controls.h"
#include "app/fold_view.h"
#include "app/keys_window.h"
#include "app/picture_widget.h"
#include "cube/answer_fit.h"
#include "printing/explanation.h"
#include "printing/worksheet.h"
#include "render/fold_picture.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>
#include <QVariantAnimation>

#include <algorithm>

namespace vexlor {

namespace {

constexpr int kFoldSide = 420;
// Two seconds for the fold, half a second for the turn to the answer's view;
// a step of the slider is a sixteenth of the fold.
constexpr int kAnimationMilliseconds = 2500;
constexpr int kSliderSteps = 100;

Projection centredProjection() {
    Projection projection = makeProjection(kAnswerSide);
    // The answers' places lie evenly about the picture's middle.
    Point middle{0, 0};
    for (const Point& origin : projection.origin)
        middle = {middle.x + origin.x, middle.y + origin.y};
    middle = {middle.x / kAnswers, middle.y / kAnswers};
    projection.origin.fill(middle);
    return projection;
}

QLabel* makeLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    return label;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& text) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

// The wrong answer that differs from the folded cube in the fewest faces:
// the one most easily taken for the right one.
int nearestMiss(const Cube& c) {
    int nearest = -1;
    int fewest = kVisibleFaces + 1;
    for (int a = 0; a < kAnswers; ++a)
        if (a != c.correctAnswer)
            if (const int differing = bestFit(c, a).differing(); differing < fewest) {
                nearest = a;
                fewest = differing;
            }
    return nearest;
}

QString letterOf(int a) {
    return QString(answerLetter(a));
}

} // namespace

ExplanationWindow::ExplanationWindow(QWidget* parent, const MarkOrder& markOrder)
    : QDialog(parent), markOrder_(markOrder), projection_(centredProjection()) {
    setObjectName(QStringLiteral("explanation"));
    setWindowTitle(tr("Why?"));
    setModal(false);

    message_ = makeLabel(this, "explanationMessage");
    // Alone in the window, a line is not to be wrapped into a narrow box.
    message_->setMinimumWidth(360);

    seriesBar_ = new QWidget(this);
    seriesBar_->setObjectName(QStringLiteral("seriesBar"));
    previousButton_ = makeButton(seriesBar_, "previousCube", tr("Previous Cube"));
    nextButton_ = makeButton(seriesBar_, "nextCube", tr("Next Cube"));
    position_ = makeLabel(seriesBar_, "cubePosition");
    position_->setAlignment(Qt::AlignCenter);
    previousButton_->setToolTip(KeysWindow::keyText({QKeySequence(Qt::Key_PageUp)}));
    nextButton_->setToolTip(KeysWindow::keyText({QKeySequence(Qt::Key_PageDown)}));
    auto* bar = new QHBoxLayout(seriesBar_);
    bar->setContentsMargins(0, 0, 0, 0);
    bar->addWidget(previousButton_);
    bar->addWidget(position_, 1);
    bar->addWidget(nextButton_);
    connect(previousButton_, &QPushButton::clicked, this, [this] { showCubeAt(index_ - 1); });
    connect(nextButton_, &QPushButton::clicked, this, [this] { showCubeAt(index_ + 1); });

    content_ = new QWidget(this);
    content_->setObjectName(QStringLiteral("explanationContent"));
    foldView_ = new FoldView(kFoldSide, content_);
    foldView_->setObjectName(QStringLiteral("fold"));
    foldView_->setAccessibleName(tr("The net folding up into the cube"));
    playButton_ = makeButton(content_, "foldPlay", tr("Pause"));
    slider_ = new QSlider(Qt::Horizontal, content_);
    slider_->setObjectName(QStringLiteral("foldSlider"));
    slider_->setAccessibleName(tr("How far the net is folded"));
    slider_->setRange(0, kSliderSteps);
    slider_->setSingleStep(kSliderSteps / 20);
    slider_->setPageStep(kSliderSteps / 4);
    auto* replayButton = makeButton(content_, "foldReplay", tr("Replay"));

    foldedCaption_ = makeLabel(content_, "foldedCaption");
    answerCaption_ = makeLabel(content_, "answerCaption");
    foldedPicture_ = new PictureWidget(kAnswerSide, kAnswerSide, content_);
    foldedPicture_->setObjectName(QStringLiteral("foldedAnswer"));
    answerPicture_ = new PictureWidget(kAnswerSide, kAnswerSide, content_);
    answerPicture_->setObjectName(QStringLiteral("pickedAnswer"));
    legend_ = makeLabel(content_, "differenceLegend");
    hint_ = makeLabel(content_, "sentencesHint");

    auto* controls = new QHBoxLayout;
    controls->addWidget(playButton_);
    controls->addWidget(slider_, 1);
    controls->addWidget(replayButton);
    auto* foldColumn = new QVBoxLayout;
    foldColumn->addWidget(foldView_);
    foldColumn->addLayout(controls);
    auto* sideBySide = new QGridLayout;
    sideBySide->addWidget(foldedCaption_, 0, 0, Qt::AlignBottom);
    sideBySide->addWidget(answerCaption_, 0, 1, Qt::AlignBottom);
    sideBySide->addWidget(foldedPicture_, 1, 0);
    sideBySide->addWidget(answerPicture_, 1, 1);
    sideBySide->addWidget(legend_, 2, 0, 1, 2, Qt::AlignTop);
    sideBySide->setRowStretch(2, 1);
    auto* pictures = new QHBoxLayout;
    pictures->addLayout(foldColumn);
    pictures->addSpacing(12);
    pictures->addLayout(sideBySide);
    sentenceList_ = new QVBoxLayout;
    for (int a = 0; a < kAnswers; ++a) {
        auto* sentence = new ClickLabel(content_);
        sentence->setObjectName(QStringLiteral("sentence") + letterOf(a));
        sentence->setWordWrap(true);
        sentence->setCursor(Qt::PointingHandCursor);
        connect(sentence, &ClickLabel::clicked, this, [this, a] { showAnswer(a); });
        sentences_[static_cast<std::size_t>(a)] = sentence;
        sentenceList_->addWidget(sentence);
    }
    auto* contentLayout = new QVBoxLayout(content_);
    contentLayout->setContentsMargins(0, 0, 0, 0);
    contentLayout->addLayout(pictures);
    contentLayout->addWidget(hint_);
    contentLayout->addLayout(sentenceList_);

    auto* closeButton = makeButton(this, "closeExplanation", tr("Close"));
    connect(closeButton, &QPushButton::clicked, this, &QDialog::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(message_);
    layout->addWidget(seriesBar_);
    layout->addWidget(content_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    animation_ = new QVariantAnimation(this);
    animation_->setStartValue(0.0);
    animation_->setEndValue(1.0);
    animation_->setDuration(kAnimationMilliseconds);
    connect(animation_, &QVariantAnimation::valueChanged, this,
            [this](const QVariant& value) { followAnimation(value.toDouble()); });
    // Tied to the button, which goes before the animation when the window
    // is deleted: a stopping animation then has no button to tell.
    connect(animation_, &QAbstractAnimation::stateChanged, playButton_,
            [this](QAbstractAnimation::State now) {
                playButton_->setText(now == QAbstractAnimation::Running ? tr("Pause") : tr("Play"));
            });
    connect(playButton_, &QPushButton::clicked, this,
            [this] { setPlaying(animation_->state() != QAbstractAnimation::Running); });
    connect(replayButton, &QPushButton::clicked, this, &ExplanationWindow::replay);
    // The slider moved by the user, or by the keys of the fold: the
    // animation stops where it is put.
    connect(slider_, &QSlider::valueChanged, this, [this](int value) {
        animation_->stop();
        foldView_->setProgress(static_cast<double>(value) / kSliderSteps);
    });
    connect(foldView_, &FoldView::stepRequested, this, [this](int direction) {
        slider_->setValue(slider_->value() + direction * slider_->singleStep());
    });

    // An answer by its letter; the Cubes of a series by the page keys.
    for (int a = 0; a < kAnswers; ++a)
        connect(new QShortcut(QKeySequence(Qt::Key_A + a), this), &QShortcut::activated, this,
                [this, a] { showAnswer(a); });
    connect(new QShortcut(QKeySequence(Qt::Key_PageUp), this), &QShortcut::activated, this,
            [this] { showCubeAt(index_ - 1); });
    connect(new QShortcut(QKeySequence(Qt::Key_PageDown), this), &QShortcut::activated, this,
            [this] { showCubeAt(index_ + 1); });
}

void ExplanationWindow::explain(const Cube& c, int pickedAnswer) {
    explain(Item{c, pickedAnswer, Reveal::AllAnswers, -1});
}

void ExplanationWindow::explain(const Item& item) {
    explainSeries({item}, {});
}

void ExplanationWindow::explainSeries(std::vector<Item> items, const QString& emptyMessage) {
    if (items.empty()) {
        showMessage(emptyMessage);
        return;
    }
    items_ = std::move(items);
    showCubeAt(0);
    present();
}

void ExplanationWindow::showMessage(const QString& message) {
    items_.clear();
    index_ = -1;
    shownAnswer_ = -1;
    animation_->stop();
    message_->setText(message);
    message_->show();
    seriesBar_->hide();
    content_->hide();
    present();
}

void ExplanationWindow::present() {
    show();
    raise();
    activateWindow();
    if (content_->isVisible())
        foldView_->setFocus();
}

const Cube* ExplanationWindow::cube() const {
    return index_ >= 0 ? &items_[static_cast<std::size_t>(index_)].cube : nullptr;
}

bool ExplanationWindow::explains(int a) const {
    if (index_ < 0 || a < 0 || a >= kAnswers)
        return false;
    const Item& item = items_[static_cast<std::size_t>(index_)];
    return item.reveal == Reveal::AllAnswers || item.cube.picked[a] != 0;
}

void ExplanationWindow::showCubeAt(int index) {
    if (index < 0 || index >= seriesSize())
        return;
    index_ = index;
    seriesBar_->setVisible(seriesSize() > 1);
    position_->setText(tr("Cube %L1 of %L2").arg(index_ + 1).arg(seriesSize()));
    previousButton_->setEnabled(index_ > 0);
    nextButton_->setEnabled(index_ + 1 < seriesSize());
    showItem();
}

void ExplanationWindow::showItem() {
    const Item& item = items_[static_cast<std::size_t>(index_)];
    int first = -1;
    if (explains(item.shownFirst))
        first = item.shownFirst;
    else if (explains(item.pickedAnswer))
        first = item.pickedAnswer;
    else if (item.reveal == Reveal::AllAnswers)
        first = std::max(nearestMiss(item.cube), 0);
    else
        for (int a = kAnswers - 1; a >= 0; --a)
            first = explains(a) ? a : first;

    shownAnswer_ = first;
    animation_->stop();
    // A Cube whose right answer is kept back and that has no pick yet shows
    // nothing of itself.
    message_->setVisible(first < 0);
    content_->setVisible(first >= 0);
    if (first < 0) {
        message_->setText(tr("Pick an answer first."));
        return;
    }
    replay();
    drawSideBySide();
    showSentences();
}

FoldStyle ExplanationWindow::styleFor(const AnswerFit& fit) const {
    FoldStyle style;
    style.markOrder = markOrder_;
    // The right answer's faces lit as the main window lights them once the
    // Cube is solved; a wrong one's differing faces outlined.
    style.solved = shownAnswer_ == cube()->correctAnswer;
    style.outlined = differingCubeFaces(fit);
    return style;
}

bool ExplanationWindow::showAnswer(int a) {
    if (!explains(a))
        return false;
    shownAnswer_ = a;
    const AnswerFit fit = bestFit(*cube(), a);
    foldView_->setTarget(fit.face, fit.edge, styleFor(fit));
    drawSideBySide();
    showSentences();
    return true;
}

void ExplanationWindow::replay() {
    if (cube() == nullptr || shownAnswer_ < 0)
        return;
    const AnswerFit fit = bestFit(*cube(), shownAnswer_);
    foldView_->setFold(*cube(), fit.face, fit.edge, styleFor(fit));
    animation_->stop();
    followAnimation(0);
    setPlaying(true);
}

void ExplanationWindow::setPlaying(bool playing) {
    if (!playing) {
        animation_->pause();
        return;
    }
    if (animation_->state() == QAbstractAnimation::Paused) {
        animation_->resume();
        return;
    }
    // From where the fold stands, or from flat once it is folded.
    const double from = foldView_->isFolded() ? 0.0 : foldView_->progress();
    animation_->start();
    animation_->setCurrentTime(static_cast<int>(from * kAnimationMilliseconds));
}

void ExplanationWindow::followAnimation(double progress) {
    foldView_->setProgress(progress);
    const QSignalBlocker quiet(slider_);
    slider_->setValue(static_cast<int>(std::lround(progress * kSliderSteps)));
}

void ExplanationWindow::drawSideBySide() {
    const Cube& c = *cube();
    const int a = shownAnswer_;
    const AnswerFit fit = bestFit(c, a);
    const bool right = a == c.correctAnswer;
    const NetFold fold = netFold(c);
    drawFold(foldedPicture_->canvas(), c, fold, 1,
             answerCamera(fold, fit.face, fit.edge, projection_, a), styleFor(fit));

    // The answer as the main window draws it before any pick, or solved
    // when it is the right one: its outlines stand out from plain symbols.
    Cube shown = c;
    std::fill(std::begin(shown.picked), std::end(shown.picked), std::int8_t{0});
    shown.picked[a] = right ? 1 : 0;
    Pictures pictures;
    pictures.answers[a] = &answerPicture_->canvas();
    pictures.projection = projection_;
    pictures.markOrder = markOrder_;
    clearPictures(pictures);
    drawAnswer(pictures, shown, a);
    outlineDifferingFaces(answerPicture_->canvas(), projection_, a, fit);

    const QString letter = letterOf(a);
    const QString description = answerDescription(c, a);
    foldedCaption_->setText(tr("Folded, turned as answer %1").arg(letter));
    answerCaption_->setText(tr("Answer %1").arg(letter));
    foldedPicture_->setAccessibleName(
        tr("The folded cube, turned as answer %1 shows it").arg(letter));
    answerPicture_->setAccessibleName(tr("Answer %1").arg(letter));
    for (QWidget* picture :
         {static_cast<QWidget*>(foldView_), static_cast<QWidget*>(foldedPicture_),
          static_cast<QWidget*>(answerPicture_)})
        picture->setAccessibleDescription(description);
    legend_->setText(right ? tr("Nothing differs: answer %1 shows the folded cube, its faces "
                                "coloured as in the main window once the Cube is solved.")
                                 .arg(letter)
                           : tr("Outlined: the faces in which the folded cube and answer %1 "
                                "differ.")
                                 .arg(letter));
    foldedPicture_->update();
    answerPicture_->update();
}

void ExplanationWindow::showSentences() {
    const Item& item = items_[static_cast<std::size_t>(index_)];
    // The user's pick first, then the others in letter order.
    std::vector<int> order;
    if (explains(item.pickedAnswer))
        order.push_back(item.pickedAnswer);
    for (int a = 0; a < kAnswers; ++a)
        if (a != item.pickedAnswer)
            order.push_back(a);
    int explained = 0;
    for (int a : order) {
        ClickLabel* sentence = sentences_[static_cast<std::size_t>(a)];
        sentenceList_->removeWidget(sentence);
        sentenceList_->addWidget(sentence);
        sentence->setVisible(explains(a));
        if (!explains(a)) {
            sentence->clear();
            continue;
        }
        ++explained;
        const QString text = explanationSentence(item.cube, a);
        sentence->setText(a == item.pickedAnswer ? tr("Your pick: %1").arg(text) : text);
        QFont font = sentence->font();
        font.setBold(a == shownAnswer_);
        sentence->setFont(font);
    }
    QString hint = tr("The answers are lettered as they lie: A top left, B top right, C bottom "
                      "left, D bottom right.");
    if (explained > 1)
        hint += QLatin1Char(' ') + tr("Click a sentence, or press its letter, to see that "
                                      "answer beside the folded cube.");
    hint_->setText(hint);
}

void ExplanationWindow::hideEvent(QHideEvent* event) {
    animation_->stop();
    QDialog::hideEvent(event);
    // The keys go back to the window the explanation was opened from.
    if (QWidget* opener = parentWidget(); opener != nullptr && opener->isVisible())
        opener->window()->activateWindow();
}

} // namespace vexlor
