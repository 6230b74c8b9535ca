#include "controls.h"

#include <QPainter>

#include <utility>

namespace vexlor {

void Separator::paintEvent(QPaintEvent*) {
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

ValueLabel::ValueLabel(const QString& caption, const QString& text, const QRect& geometry,
                       QWidget* parent)
    : QLabel(text, parent), caption_(caption), rightEdge_(geometry.x() + geometry.width()) {
    setAlignment(Qt::AlignRight | Qt::AlignTop);
    setGeometry(geometry);
    setAccessibleName(caption_ + QLatin1Char(' ') + text);
}

void ValueLabel::setValue(const QString& text) {
    // The timer writes the same text a hundred times a second; only a change
    // is worth a new layout.
    if (text == this->text())
        return;
    setText(text);
    setAccessibleName(caption_ + QLatin1Char(' ') + text);
    const int width = sizeHint().width();
    setGeometry(rightEdge_ - width, y(), width, height());
}

bool SingleClicks::released(const QMouseEvent& event, const QRect& area) {
    const bool endsDoubleClick = std::exchange(inDoubleClick_, false);
    return !endsDoubleClick && event.button() == Qt::LeftButton &&
           area.contains(event.position().toPoint());
}

void ClickLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    clicks_.doubleClicked();
    event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (clicks_.released(*event, rect()))
        emit clicked();
}

} // namespace vexlor
