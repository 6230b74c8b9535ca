#include "controls.h"

#include <QPainter>

namespace vexlor {

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

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace vexlor
