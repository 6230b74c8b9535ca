#include "picture_widget.h"

#include <QMouseEvent>
#include <QPainter>

namespace vexlor {

PictureWidget::PictureWidget(int width, int height, QWidget* parent)
    : QWidget(parent), canvas_(width, height) {
    setFixedSize(width, height);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureWidget::paintEvent(QPaintEvent*) {
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
