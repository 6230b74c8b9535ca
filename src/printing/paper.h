// Text, lines and boxes on a printed page, placed in millimetres from the
// top left corner of its printable area, and the clock and recipe texts:
// what the worksheet, the class report and the score sheet share.
#pragma once

#include "cube/recipe.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QLocale>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

namespace vexlor {

// Every printed page in millimetres: the margin on each side, and the band
// at the foot of the printable area that holds the page's footer.
inline constexpr double kPageMargin = 15.0;
inline constexpr double kFooterHeight = 8.0;

// A portrait page of the given size with that margin on every side.
inline QPageLayout portraitPage(const QPageSize& size) {
    return {size, QPageLayout::Portrait,
            QMarginsF(kPageMargin, kPageMargin, kPageMargin, kPageMargin), QPageLayout::Millimeter};
}

// Minutes and seconds, as a clock shows them: 12:05.
inline QString clockText(double seconds) {
    const long total = std::lround(std::max(0.0, seconds));
    return QStringLiteral("%1:%2")
        .arg(QLocale().toString(static_cast<qlonglong>(total / 60)))
        .arg(total % 60, 2, 10, QLatin1Char('0'));
}

// A recipe's name in the user's language; its number where it is none.
inline QString recipeTitle(int recipe) {
    if (!isRecipe(recipe))
        return QString::number(recipe);
    return QCoreApplication::translate(
        "Recipe", std::string(recipeName(static_cast<Recipe>(recipe))).c_str());
}

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

// Paints on the device with print, in millimetres of its printable area;
// false where it has no such area or cannot be painted on.
inline bool paintPages(QPagedPaintDevice& device, const std::function<void(Paper&)>& print) {
    const QSizeF area = device.pageLayout().paintRect(QPageLayout::Millimeter).size();
    if (area.width() <= 0 || area.height() <= 0)
        return false;
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    Paper paper{painter, device.width() / area.width(), area};
    print(paper);
    return painter.end();
}

} // namespace vexlor
