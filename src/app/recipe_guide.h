// The guide to one recipe: what it tests and how to solve it, an example
// Cube drawn by the program's own pictures, and the user's own figures for
// it, with practice of that recipe alone.
#pragma once

#include "cube/cube.h"
#include "cube/random.h"
#include "history/progress_summary.h"
#include "render/projection.h"

#include <QDialog>

#include <array>

class QLabel;
class QPushButton;

namespace vexlor {

class ExplanationWindow;

// A fresh Cube of the recipe, shown solved: its correct answer picked.
Cube makeExampleCube(int recipe, RandomSource& randomSource);

// Which of the three visible faces of answer a show another symbol, or
// another turn of it, than the correct answer's face in the same place.
std::array<bool, kVisibleFaces> facesDiffering(const Cube& c, int a);

// The wrong answer a guide shows: the one that differs from the correct
// answer in the fewest faces, where the difference is easiest to see.
int exampleWrongAnswer(const Cube& c);

// The net of a Cube, its correct answer and one wrong answer side by side,
// the faces in which the two answers differ outlined in both.
class ExamplePicture final : public QWidget {
    Q_OBJECT

public:
    explicit ExamplePicture(QWidget* parent);
    void setCube(const Cube& c);
    int wrongAnswer() const { return wrongAnswer_; }

    QSize sizeHint() const override { return {700, 300}; }
    QSize minimumSizeHint() const override { return {560, 240}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Cube cube_{};
    // The answer cubes as the window's answer pictures show them, at whose
    // size they are drawn before being scaled to the guide.
    Projection projection_ = makeProjection(kAnswerSide);
    int wrongAnswer_ = -1;
    std::array<bool, kVisibleFaces> differing_{};
};

class RecipeGuide final : public QDialog {
    Q_OBJECT

public:
    // The example Cubes are drawn from randomSource.
    RecipeGuide(RandomSource& randomSource, QWidget* parent);

    // Shows the recipe with a fresh example and the user's figures for it.
    void showRecipe(int recipe, const RecipeFigures& figures);
    int recipe() const { return recipe_; }
    const Cube& example() const { return example_; }
    const ExamplePicture& picture() const { return *picture_; }

    // "Why?": the example Cube explained, its wrong answer shown first. Null
    // until first asked.
    void explainExample();
    ExplanationWindow* explanationWindow() const { return explanation_; }

signals:
    void practiseRequested(int recipe);

protected:
    void hideEvent(QHideEvent* event) override;

private:
    RandomSource& randomSource_;
    int recipe_ = 0;
    Cube example_{};
    QLabel* name_ = nullptr;
    QLabel* description_ = nullptr;
    QLabel* tip_ = nullptr;
    ExamplePicture* picture_ = nullptr;
    QLabel* figures_ = nullptr;
    QPushButton* practiseButton_ = nullptr;
    ExplanationWindow* explanation_ = nullptr;
};

} // namespace vexlor
