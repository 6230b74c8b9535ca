#pragma once

// The "Why?" window: why an answer of a Cube can or cannot be folded from
// its net. The net folds up into the cube and turns to the view of the
// answer explained; beside it stand the folded cube in that view and the
// answer's own picture, the faces in which the two differ outlined in both;
// below, one sentence for each answer it may explain.

#include "cube/answer_fit.h"
#include "cube/cube.h"
#include "render/fold_picture.h"
#include "render/pictures.h"
#include "render/projection.h"

#include <QDialog>

#include <array>
#include <vector>

class QLabel;
class QPushButton;
class QSlider;
class QVariantAnimation;
class QVBoxLayout;

namespace vexlor {

class ClickLabel;
class FoldView;
class PictureWidget;

class ExplanationWindow final : public QDialog {
    Q_OBJECT

public:
    // How much of a Cube may be explained: every answer (a review, where the
    // right answer is no secret), or only the answers already picked (a Cube
    // the test still asks, whose right answer must not be given away).
    enum class Reveal { AllAnswers, PickedOnly };

    struct Item {
        Cube cube{};
        // The user's pick, first in the list and marked as the user's; -1
        // where none is known.
        int pickedAnswer = -1;
        Reveal reveal = Reveal::AllAnswers;
        // The answer shown beside the fold at first; -1 for the pick, or
        // without one the wrong answer that comes closest to the folded cube.
        int shownFirst = -1;
    };

    // markOrder: the highlight colours of the main window's run, so that the
    // right answer's faces are lit here as there.
    explicit ExplanationWindow(QWidget* parent, const MarkOrder& markOrder = kUnshuffledMarks);

    // Opens the window on c with every answer explained, pickedAnswer (0-3,
    // or -1 for none) marked as the user's pick and shown beside the fold:
    // the one call a review of a finished test needs.
    void explain(const Cube& c, int pickedAnswer);
    void explain(const Item& item);
    // Opens the window on a series of Cubes to step through (Page Up, Page
    // Down), from its first; with none it says emptyMessage.
    void explainSeries(std::vector<Item> items, const QString& emptyMessage);
    // Opens the window with no Cube, only a line saying why.
    void showMessage(const QString& message);

    // The Cube explained, or null; the answer shown beside the fold, or -1.
    const Cube* cube() const;
    int shownAnswer() const { return shownAnswer_; }
    // Whether the Cube's answer a may be explained.
    bool explains(int a) const;
    // Shows answer a beside the fold and turns the fold to its view, as a
    // click on its sentence or its letter's key does; false where a may not
    // be explained.
    bool showAnswer(int a);

    // The series stepped through: its size (1 for a single Cube) and the
    // place of the Cube on show.
    int seriesSize() const { return static_cast<int>(items_.size()); }
    int seriesIndex() const { return index_; }
    void showCubeAt(int index);

    FoldView& foldView() { return *foldView_; }
    // Where the side by side's two pictures show their cube.
    const Projection& answerProjection() const { return projection_; }
    // Folds the net again from flat.
    void replay();

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void present();
    void showItem();
    void showSentences();
    void drawSideBySide();
    FoldStyle styleFor(const AnswerFit& fit) const;
    void setPlaying(bool playing);
    void followAnimation(double progress);

    MarkOrder markOrder_;
    // The answer pictures' own projection, the cube in the middle of its
    // picture rather than pushed towards the main window's block.
    Projection projection_;
    std::vector<Item> items_;
    int index_ = -1;
    int shownAnswer_ = -1;

    QLabel* message_ = nullptr;
    QWidget* seriesBar_ = nullptr;
    QPushButton* previousButton_ = nullptr;
    QPushButton* nextButton_ = nullptr;
    QLabel* position_ = nullptr;
    QWidget* content_ = nullptr;
    FoldView* foldView_ = nullptr;
    QPushButton* playButton_ = nullptr;
    QSlider* slider_ = nullptr;
    QVariantAnimation* animation_ = nullptr;
    QLabel* foldedCaption_ = nullptr;
    QLabel* answerCaption_ = nullptr;
    PictureWidget* foldedPicture_ = nullptr;
    PictureWidget* answerPicture_ = nullptr;
    QLabel* legend_ = nullptr;
    QLabel* hint_ = nullptr;
    QVBoxLayout* sentenceList_ = nullptr;
    std::array<ClickLabel*, kAnswers> sentences_{};
};

} // namespace vexlor
