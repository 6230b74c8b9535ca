#pragma once

// The net of a Cube folding up into the cube and turning to an answer's
// view, drawn by the program's own fold drawing into a persistent image.
// Dragging with the mouse turns the cube at any time; once it is folded the
// arrow keys turn it too, while before that Left and Right ask for a step of
// the fold.

#include "cube/cube.h"
#include "cube/fold.h"
#include "printing/image_canvas.h"
#include "render/fold_picture.h"

#include <QPoint>
#include <QWidget>

namespace vexlor {

class FoldView final : public QWidget {
    Q_OBJECT

public:
    // A square view of the given side.
    FoldView(int side, QWidget* parent);

    // The first this share of the progress folds the net; the rest turns the
    // closed cube on to the view asked for.
    static constexpr double kFoldShare = 0.8;
    // A turn of the arrow keys, in radians.
    static constexpr double kKeyTurn = 0.2617993877991494; // 15 degrees

    // Shows c flat (progress 0), folding towards the view (face, edge) as
    // answerCamera names it, drawn in style. The user's own turn is undone.
    void setFold(const Cube& c, int face, int edge, const FoldStyle& style);
    // Another view and style for the same Cube, keeping the progress and the
    // user's turn.
    void setTarget(int face, int edge, const FoldStyle& style);

    // 0 flat, 1 folded and turned to the view; clamped.
    void setProgress(double progress);
    double progress() const { return progress_; }
    // The fold's own time at this progress, 0 flat to 1 closed.
    double foldTime() const;
    bool isFolded() const { return progress_ >= 1.0; }

    // The turn added by dragging and the arrow keys, applied after the view's.
    const Rotation& userTurn() const { return userTurn_; }
    void turnBy(const Rotation& turn);

    const ImageCanvas& canvas() const { return canvas_; }

signals:
    // Left (-1) or Right (+1) before the cube is folded: a step of the fold.
    void stepRequested(int direction);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void redraw();

    ImageCanvas canvas_;
    Cube cube_{};
    NetFold fold_{};
    bool hasCube_ = false;
    Rotation view_;
    Rotation userTurn_;
    FoldStyle style_;
    double progress_ = 0;
    double flatEdge_ = 75;
    QPoint dragFrom_;
    bool dragging_ = false;
};

} // namespace vexlor
