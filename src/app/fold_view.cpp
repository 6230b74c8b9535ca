#include "fold_view.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace vexlor {

namespace {

// While the net folds the cube already turns this share of the way to its
// view, so that the folding faces show their depth.
constexpr double kLeadIn = 0.2;
// The closed cube's edge, as a share of the view's side.
constexpr double kClosedEdge = 0.32;
// A dragged pixel turns the cube by this many radians.
constexpr double kDragTurn = 0.01;

// In the view's axes: x to the right, y down, z away from the viewer.
constexpr Vec3 kAcross{1, 0, 0};
constexpr Vec3 kUpright{0, 1, 0};

qreal screenRatio(const QWidget* parent) {
    return parent != nullptr ? parent->devicePixelRatioF() : qApp->devicePixelRatio();
}

} // namespace

FoldView::FoldView(int side, QWidget* parent)
    : QWidget(parent), canvas_(side, side, screenRatio(parent)) {
    setFixedSize(side, side);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::OpenHandCursor);
    canvas_.setBrushColor(kBackgroundColor);
    canvas_.fillRect({0, 0, side, side});
}

void FoldView::setFold(const Cube& c, int face, int edge, const FoldStyle& style) {
    cube_ = c;
    fold_ = netFold(c);
    hasCube_ = true;
    userTurn_ = {};
    progress_ = 0;
    // The flat net fills the view as the question picture's net fills its
    // picture: its longer side nine tenths of the view, a cell at most as
    // large as there.
    int left = kNetSize, right = -1, top = kNetSize, bottom = -1;
    for (int i = 0; i < fold_.placed; ++i) {
        const int f = fold_.order[static_cast<std::size_t>(i)];
        left = std::min<int>(left, fold_.column[f]);
        right = std::max<int>(right, fold_.column[f]);
        top = std::min<int>(top, fold_.row[f]);
        bottom = std::max<int>(bottom, fold_.row[f]);
    }
    const int cells = std::max({right - left + 1, bottom - top + 1, 1});
    flatEdge_ = std::min(0.9 * width() / cells, 0.18 * width());
    setTarget(face, edge, style);
}

void FoldView::setTarget(int face, int edge, const FoldStyle& style) {
    view_ = cornerView(fold_, face, edge);
    style_ = style;
    redraw();
}

void FoldView::setProgress(double progress) {
    progress_ = std::clamp(progress, 0.0, 1.0);
    redraw();
}

double FoldView::foldTime() const {
    return std::min(1.0, progress_ / kFoldShare);
}

void FoldView::turnBy(const Rotation& turn) {
    userTurn_ = turn * userTurn_;
    redraw();
}

void FoldView::redraw() {
    if (hasCube_) {
        const double turned =
            progress_ < kFoldShare
                ? kLeadIn * foldTime()
                : kLeadIn + (1 - kLeadIn) * (progress_ - kFoldShare) / (1 - kFoldShare);
        const double closedEdge = kClosedEdge * width();
        const FoldCamera camera{userTurn_ * interpolate({}, view_, turned), width() / 2.0,
                                height() / 2.0, flatEdge_ + turned * (closedEdge - flatEdge_)};
        drawFold(canvas_, cube_, fold_, foldTime(), camera, style_);
    }
    update();
}

void FoldView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, canvas_.image());
}

void FoldView::keyPressEvent(QKeyEvent* event) {
    const bool modified = (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier;
    if (!hasCube_ || modified) {
        QWidget::keyPressEvent(event);
        return;
    }
    const int key = event->key();
    if (!isFolded() && (key == Qt::Key_Left || key == Qt::Key_Right)) {
        emit stepRequested(key == Qt::Key_Left ? -1 : 1);
        return;
    }
    // The near side of the cube goes the way the arrow points.
    switch (isFolded() ? key : 0) {
    case Qt::Key_Left:
        turnBy(rotationAbout(kUpright, kKeyTurn));
        return;
    case Qt::Key_Right:
        turnBy(rotationAbout(kUpright, -kKeyTurn));
        return;
    case Qt::Key_Up:
        turnBy(rotationAbout(kAcross, -kKeyTurn));
        return;
    case Qt::Key_Down:
        turnBy(rotationAbout(kAcross, kKeyTurn));
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void FoldView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    dragging_ = true;
    dragFrom_ = event->position().toPoint();
    setCursor(Qt::ClosedHandCursor);
}

void FoldView::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_ || !hasCube_)
        return;
    const QPoint to = event->position().toPoint();
    const QPoint moved = to - dragFrom_;
    dragFrom_ = to;
    // The near side follows the mouse.
    turnBy(rotationAbout(kAcross, kDragTurn * moved.y()) *
           rotationAbout(kUpright, -kDragTurn * moved.x()));
}

void FoldView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        dragging_ = false;
        setCursor(Qt::OpenHandCursor);
    }
}

} // namespace vexlor
