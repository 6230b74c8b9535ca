#include "worksheet.h"

#include "printing/canvas_style.h"
#include "printing/painter_canvas.h"
#include "render/palette.h"
#include "render/pictures.h"
#include "render/projection.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace vexlor::tool {

namespace {

// The page, in millimetres. The printable area is the page less the margin
// on every side; a header band and a footer band are taken off it.
constexpr double kMargin = 15.0;
constexpr double kHeader = 12.0;
constexpr double kFooter = 8.0;
constexpr double kKeyHeading = 12.0;
constexpr double kKeyLine = 5.5;
constexpr double kKeyColumn = 30.0;
constexpr double kNumberBand = 8.0; // above an item's pictures
constexpr double kItemGap = 4.0;    // below an item's pictures
constexpr double kMmPerPoint = 25.4 / 72.0;

// An item's pictures in picture units, laid out as in the window: the
// question, a gap, the four answers in their 2 x 2 block.
constexpr int kQuestion = 500;
constexpr int kAnswer = 250;
constexpr int kGap = 16;
constexpr int kItemWidth = kQuestion + kGap + 2 * kAnswer;
constexpr int kItemHeight = kQuestion;
constexpr int kLetterBox = 44; // the corner of an answer picture that holds its letter

QSizeF printableArea(QPageSize::PageSizeId id) {
    const QSizeF page = QPageSize(id).size(QPageSize::Millimeter);
    return {page.width() - 2 * kMargin, page.height() - 2 * kMargin};
}

struct KeyGrid {
    int rows;
    int columns;
};

KeyGrid keyGridOf(QPageSize::PageSizeId id) {
    const QSizeF area = printableArea(id);
    const double height = area.height() - kHeader - kFooter - kKeyHeading;
    return {std::max(1, static_cast<int>(height / kKeyLine)),
            std::max(1, static_cast<int>(area.width() / kKeyColumn))};
}

QFont sheetFont(double points, bool bold = false) {
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

    // One line of black text in a box given in millimetres, cut short with
    // an ellipsis where it does not fit.
    void text(const QRectF& mm, const QString& text, const QFont& font, int flags) {
        const QRectF box(Units(mm.x()), Units(mm.y()), Units(mm.width()), Units(mm.height()));
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(
            box, flags | Qt::TextSingleLine,
            QFontMetricsF(font, painter.device()).elidedText(text, Qt::ElideRight, box.width()));
    }
};

// The title over a thin rule, and the page number at the foot.
void drawPageFrame(Paper& paper, const QString& title, int page, int pages) {
    paper.text({0, 0, paper.width(), kHeader - 4}, title, sheetFont(12, true),
               Qt::AlignLeft | Qt::AlignVCenter);
    paper.painter.setPen(QPen(Qt::gray, paper.Units(0.3)));
    paper.painter.drawLine(QPointF(0, paper.Units(kHeader - 3)),
                           QPointF(paper.Units(paper.width()), paper.Units(kHeader - 3)));
    paper.text({0, paper.height() - kFooter, paper.width(), kFooter},
               QStringLiteral("Page %1 of %2").arg(page).arg(pages), sheetFont(9),
               Qt::AlignHCenter | Qt::AlignBottom);
}

// Draws one picture of the Cube through the program's own drawing code: the
// painter places and scales a canvas of the picture's size at origin.
void drawPicture(Paper& paper, QPointF origin, double scale, int size, const Cube& c, int answer) {
    QPainter& painter = paper.painter;
    painter.save();
    painter.translate(origin);
    painter.scale(scale, scale);
    {
        PainterCanvas canvas(painter, QSize(size, size));
        Pictures pictures{nullptr, {nullptr, nullptr, nullptr, nullptr}, makeProjection(kAnswer)};
        if (answer < 0)
            pictures.question = &canvas;
        else
            pictures.answers[answer] = &canvas;
        clearPictures(pictures);
        if (answer < 0)
            drawNet(pictures, c, true);
        else
            drawAnswer(pictures, c, answer);
    }
    painter.restore();
}

// Item `number` in the slot from top, height high: the number, then the
// pictures as large as fit, centred, each answer lettered in the corner of
// its picture that lies at the outside of the block.
void drawItem(Paper& paper, double top, double height, int number, const Cube& c) {
    const double room = height - kNumberBand - kItemGap;
    const double mmPerUnit = std::min(paper.width() / kItemWidth, room / kItemHeight);
    const double left = (paper.width() - kItemWidth * mmPerUnit) / 2;
    paper.text({left, top, 40, kNumberBand - 1}, QStringLiteral("%1.").arg(number),
               sheetFont(12, true), Qt::AlignLeft | Qt::AlignVCenter);

    const double scale = paper.Units(mmPerUnit); // device units per picture unit
    const QPointF block(paper.Units(left), paper.Units(top + kNumberBand));
    drawPicture(paper, block, scale, kQuestion, c, -1);
    // The answers' common background goes down once under their pictures:
    // where two pictures meet, a viewer that smooths edges would otherwise
    // show a pale seam.
    const QPointF answers = block + QPointF(kQuestion + kGap, 0) * scale;
    paper.painter.fillRect(QRectF(answers, QSizeF(2 * kAnswer, 2 * kAnswer) * scale),
                           QColor(kBackgroundColor));
    const QFont letterFont = sheetFont(0.55 * kLetterBox * mmPerUnit / kMmPerPoint, true);
    for (int a = 0; a < kAnswers; ++a) {
        const int column = a % 2, row = a / 2;
        const QPointF corner = answers + QPointF(kAnswer * column, kAnswer * row) * scale;
        drawPicture(paper, corner, scale, kAnswer, c, a);
        // The cubes are pushed towards the middle of the block, which leaves
        // its outer corners free.
        const QPointF box =
            corner + QPointF(column * (kAnswer - kLetterBox), row * (kAnswer - kLetterBox)) * scale;
        paper.painter.setFont(letterFont);
        paper.painter.setPen(Qt::black);
        paper.painter.drawText(QRectF(box, QSizeF(kLetterBox, kLetterBox) * scale), Qt::AlignCenter,
                               QString(answerLetter(a)));
    }
}

// Key lines first to first + count - 1, down the columns.
void drawKey(Paper& paper, const std::vector<Cube>& cubes, int first, int count,
             const KeyGrid& grid) {
    paper.text({0, kHeader, paper.width(), kKeyHeading - 3},
               first == 0 ? QStringLiteral("Answer key") : QStringLiteral("Answer key (continued)"),
               sheetFont(14, true), Qt::AlignLeft | Qt::AlignVCenter);
    const QFont numberFont = sheetFont(10);
    const QFont letterFont = sheetFont(10, true);
    for (int i = 0; i < count; ++i) {
        const double x = (i / grid.rows) * kKeyColumn;
        const double y = kHeader + kKeyHeading + (i % grid.rows) * kKeyLine;
        const int item = first + i;
        // Room for "65535." before the letter.
        paper.text({x, y, 14, kKeyLine}, QStringLiteral("%1.").arg(item + 1), numberFont,
                   Qt::AlignRight | Qt::AlignVCenter);
        paper.text({x + 16, y, 10, kKeyLine}, QString(answerLetter(cubes[item].correctAnswer)),
                   letterFont, Qt::AlignLeft | Qt::AlignVCenter);
    }
}

} // namespace

SheetPages pagesOf(int items, const SheetOptions& options) {
    const KeyGrid grid = keyGridOf(options.pageSize);
    return {std::max(items, 0), std::clamp(options.itemsPerPage, 1, kMaxItemsPerPage),
            grid.rows * grid.columns, options.keyOnly};
}

QChar answerLetter(int answer) {
    return answer >= 0 && answer < kAnswers ? QChar(u'A' + answer) : QChar(u'?');
}

bool printSheet(QPdfWriter& writer, const std::vector<Cube>& cubes, const SheetOptions& options) {
    writer.setPageSize(QPageSize(options.pageSize));
    writer.setPageOrientation(QPageLayout::Portrait);
    writer.setPageMargins(QMarginsF(kMargin, kMargin, kMargin, kMargin), QPageLayout::Millimeter);
    writer.setTitle(options.title);
    writer.setCreator(QStringLiteral("vexlor-series"));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    Paper paper{painter, writer.resolution() / 25.4, printableArea(options.pageSize)};

    const SheetPages pages = pagesOf(static_cast<int>(cubes.size()), options);
    const double slot = (paper.height() - kHeader - kFooter) / pages.itemsPerPage;
    int page = 0;
    const auto nextPage = [&] {
        if (page++ > 0)
            writer.newPage();
        drawPageFrame(paper, options.title, page, pages.count());
    };
    for (int p = 0; p < pages.itemPages(); ++p) {
        nextPage();
        for (int k = 0; k < pages.itemsPerPage; ++k) {
            const int item = p * pages.itemsPerPage + k;
            if (item < pages.items)
                drawItem(paper, kHeader + k * slot, slot, item + 1, cubes[item]);
        }
    }
    const KeyGrid grid = keyGridOf(options.pageSize);
    for (int p = 0; p < pages.keyPages(); ++p) {
        nextPage();
        const int first = p * pages.keyLinesPerPage;
        drawKey(paper, cubes, first, std::min(pages.keyLinesPerPage, pages.items - first), grid);
    }
    return painter.end();
}

} // namespace vexlor::tool
