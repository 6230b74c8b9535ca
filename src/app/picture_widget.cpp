#include "picture_widget.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>

namespace vexlor {

namespace {

// The picture is drawn at the resolution of the screen the window opens on.
qreal screenRatio(const QWidget* parent) {
    return parent != nullptr ? parent->devicePixelRatioF() : qApp->devicePixelRatio();
}

} // namespace

PictureWidget::PictureWidget(int width, int height, QWidget* parent)
    : QWidget(parent), canvas_(width, height, screenRatio(parent)) {
    setFixedSize(width, height);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureWidget::paintEvent(QPaintEvent*) {
    // An image of a higher ratio is drawn at its logical size, pixel for
    // device pixel.
    QPainter painter(this);
    painter.drawImage(0, 0, canvas_.image());
}

void PictureWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    clicks_.doubleClicked();
    event->accept();
}

void PictureWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (clicks_.released(*event, rect()))
        emit clicked();
}

} // namespace vexlor
