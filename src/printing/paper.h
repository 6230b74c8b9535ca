// Text, lines and boxes on a printed page, placed in millimetres from the
// top left corner of its printable area: what the worksheet and the class
// report share.
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QRectF>
#include <QSizeF>

namespace vexlor {

inline QFont sheetFont(double points, bool bold = false) {
    // Arial as in the window; the Liberation fonts stand in for it.
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// The painter on a page, with millimetres from the top left corner of the
// printable area turned into device units.
struct Paper {
    QPainter& painter;
    double unitsPerMm;
    QSizeF area; // the printable area, in millimetres

    double width() const { return area.width(); }
    double height() const { return area.height(); }
    double Units(double mm) const { return mm * unitsPerMm; }
    QRectF Units(const QRectF& mm) const {
        return {Units(mm.x()), Units(mm.y()), Units(mm.width()), Units(mm.height())};
    }

    // One line of black text in a box given in millimetres, cut short with
    // an ellipsis where it does not fit.
    void text(const QRectF& mm, const QString& text, const QFont& font, int flags) {
        const QRectF box = Units(mm);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(
            box, flags | Qt::TextSingleLine,
            QFontMetricsF(font, painter.device()).elidedText(text, Qt::ElideRight, box.width()));
    }

    void line(QPointF fromMm, QPointF toMm, const QColor& color, double widthMm) {
        painter.setPen(QPen(color, Units(widthMm)));
        painter.drawLine(QPointF(Units(fromMm.x()), Units(fromMm.y())),
                         QPointF(Units(toMm.x()), Units(toMm.y())));
    }

    // A box given in millimetres, outlined widthMm wide (none for 0) and
    // filled where fill is valid.
    void box(const QRectF& mm, const QColor& outline, double widthMm, const QColor& fill = {}) {
        painter.setPen(widthMm > 0 ? QPen(outline, Units(widthMm)) : QPen(Qt::NoPen));
        painter.setBrush(fill.isValid() ? QBrush(fill) : QBrush(Qt::NoBrush));
        painter.drawRect(Units(mm));
    }
};

} // namespace vexlor
