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

void PictureWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void Bevel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor dark = palette().color(QPalette::Window).darker(160);
    const QColor light = palette().color(QPalette::Window).lighter(150);
    if (edge_ == Edge::Top) {
        painter.setPen(dark);
        painter.drawLine(0, 0, width() - 1, 0);
        painter.setPen(light);
        painter.drawLine(0, 1, width() - 1, 1);
    } else {
        painter.setPen(dark);
        painter.drawLine(0, 0, 0, height() - 1);
        painter.setPen(light);
        painter.drawLine(1, 0, 1, height() - 1);
    }
}

} // namespace vexlor
