#include "worksheet.h"

#include "printing/canvas_style.h"
#include "printing/explanation.h"
#include "printing/painter_canvas.h"
#include "render/palette.h"
#include "render/pictures.h"
#include "render/projection.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <utility>

namespace vexlor {

namespace {

// The sheet's texts, translated under one name for the window and the tool.
class Worksheet {
    Q_DECLARE_TR_FUNCTIONS(Worksheet)
};

// The page, in millimetres. The printable area is the page less the margin
// on every side; a header band and a footer band are taken off it. The
// first pupils' page has a taller header: the title, the lines for the
// pupil's name, class and date, and the instruction.
constexpr double kMargin = 15.0;
constexpr double kHeader = 12.0;
constexpr double kFirstHeader = 34.0;
constexpr double kFooter = 8.0;
constexpr double kKeyHeading = 12.0;
constexpr double kKeyLine = 5.5;
constexpr double kKeyColumn = 30.0;
// An item of a worked key: its line, then each wrong answer's sentence in up
// to two lines, then a gap.
constexpr double kSentenceLines = 8.0;
constexpr double kWorkedKeyItem = kKeyLine + (kAnswers - 1) * kSentenceLines + 2.5;
constexpr double kSentenceIndent = 16.0;
constexpr double kNumberBand = 9.0; // above an item's pictures: its number and its box
constexpr double kMarkBox = 7.0;    // the side of the box the pupil writes the letter in
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

// Neutral, so that a black-and-white sheet holds nothing but greys.
const QColor kRuleColor(160, 160, 160);

// An item's number as the language writes a numbered item: "12." in
// English, German and Polish alike, in the language's digits and without a
// thousands separator, which would read as a second full stop.
QString itemNumber(int number) {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return Worksheet::tr("%1.").arg(locale.toString(number));
}

struct KeyGrid {
    int rows;
    int columns;
};

KeyGrid keyGridOf(QSizeF area, bool explain) {
    const double height = area.height() - kHeader - kFooter - kKeyHeading;
    // A worked key lists its items down one column.
    if (explain)
        return {std::max(1, static_cast<int>(height / kWorkedKeyItem)), 1};
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

    void line(QPointF fromMm, QPointF toMm, const QColor& color, double widthMm) {
        painter.setPen(QPen(color, Units(widthMm)));
        painter.drawLine(QPointF(Units(fromMm.x()), Units(fromMm.y())),
                         QPointF(Units(toMm.x()), Units(toMm.y())));
    }
};

// The title with the version at its right, over a thin rule at ruleY.
void drawTitle(Paper& paper, const SheetOptions& options, double height, double points,
               double ruleY) {
    const QString version =
        options.version.isEmpty() ? QString() : Worksheet::tr("Version %1").arg(options.version);
    const double versionWidth = version.isEmpty() ? 0 : 30;
    paper.text({0, 0, paper.width() - versionWidth, height}, options.title, sheetFont(points, true),
               Qt::AlignLeft | Qt::AlignVCenter);
    if (!version.isEmpty())
        paper.text({paper.width() - versionWidth, 0, versionWidth, height}, version,
                   sheetFont(12, true), Qt::AlignRight | Qt::AlignVCenter);
    paper.line({0, ruleY}, {paper.width(), ruleY}, kRuleColor, 0.3);
}

void drawFooter(Paper& paper, const QString& text) {
    paper.text({0, paper.height() - kFooter, paper.width(), kFooter}, text, sheetFont(9),
               Qt::AlignHCenter | Qt::AlignBottom);
}

// The head of the first pupils' page: the title, a line each for the
// pupil's name, class and date, and what to do.
void drawFirstHeader(Paper& paper, const SheetOptions& options) {
    drawTitle(paper, options, 10, 16, kFirstHeader - 3);
    struct Field {
        const char* label;
        double from, to; // share of the width
    };
    static constexpr Field kFields[] = {
        {QT_TRANSLATE_NOOP("Worksheet", "Name:"), 0.0, 0.5},
        {QT_TRANSLATE_NOOP("Worksheet", "Class:"), 0.53, 0.73},
        {QT_TRANSLATE_NOOP("Worksheet", "Date:"), 0.76, 1.0},
    };
    const QFont fieldFont = sheetFont(11);
    constexpr double kFieldTop = 13, kFieldBottom = 20;
    for (const Field& f : kFields) {
        const QString label = Worksheet::tr(f.label);
        const double x = f.from * paper.width();
        const double labelWidth =
            QFontMetricsF(fieldFont, paper.painter.device()).horizontalAdvance(label) /
                paper.unitsPerMm +
            1.5;
        paper.text({x, kFieldTop, labelWidth, kFieldBottom - kFieldTop}, label, fieldFont,
                   Qt::AlignLeft | Qt::AlignBottom);
        paper.line({x + labelWidth, kFieldBottom - 0.5}, {f.to * paper.width(), kFieldBottom - 0.5},
                   Qt::black, 0.25);
    }
    paper.text(
        {0, 22, paper.width(), 6},
        Worksheet::tr("Which of the four cubes can be folded from the net? Write A, B, C or D in "
                      "the box."),
        sheetFont(10.5), Qt::AlignLeft | Qt::AlignVCenter);
}

// Draws one picture of the Cube through the program's own drawing code: the
// painter places and scales a canvas of the picture's size at origin.
void drawPicture(Paper& paper, QPointF origin, double scale, int size, const Cube& c, int answer,
                 const PictureColors& colors) {
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
        clearPictures(pictures, colors);
        if (answer < 0)
            drawNet(pictures, c, true, colors);
        else
            drawAnswer(pictures, c, answer, colors);
    }
    painter.restore();
}

// Item `number` at top, its pictures mmPerUnit millimetres to a picture
// unit and centred: the number and the box for the pupil's letter above
// them, each answer lettered in the corner of its picture that lies at the
// outside of the block.
void drawItem(Paper& paper, double top, double mmPerUnit, int number, const Cube& cube,
              const PictureColors& colors) {
    // A pupil sees every Cube unsolved, whatever picks the series carries.
    Cube c = cube;
    std::fill(std::begin(c.picked), std::end(c.picked), std::int8_t{0});
    const double width = kItemWidth * mmPerUnit;
    const double left = (paper.width() - width) / 2;
    paper.text({left, top, 40, kNumberBand - 1}, itemNumber(number), sheetFont(12, true),
               Qt::AlignLeft | Qt::AlignVCenter);
    const QRectF box(left + width - kMarkBox, top + (kNumberBand - 1 - kMarkBox) / 2, kMarkBox,
                     kMarkBox);
    paper.text({box.left() - 42, top, 40, kNumberBand - 1}, Worksheet::tr("Answer:"), sheetFont(10),
               Qt::AlignRight | Qt::AlignVCenter);
    paper.painter.setPen(QPen(Qt::black, paper.Units(0.3)));
    paper.painter.setBrush(Qt::NoBrush);
    paper.painter.drawRect(QRectF(paper.Units(box.x()), paper.Units(box.y()),
                                  paper.Units(box.width()), paper.Units(box.height())));

    const double scale = paper.Units(mmPerUnit); // device units per picture unit
    const QPointF block(paper.Units(left), paper.Units(top + kNumberBand));
    drawPicture(paper, block, scale, kQuestion, c, -1, colors);
    // The answers' common background goes down once under their pictures:
    // where two pictures meet, a viewer that smooths edges would otherwise
    // show a pale seam.
    const QPointF answers = block + QPointF(kQuestion + kGap, 0) * scale;
    paper.painter.fillRect(QRectF(answers, QSizeF(2 * kAnswer, 2 * kAnswer) * scale),
                           QColor(toQRgb(colors.back)));
    const QFont letterFont = sheetFont(0.55 * kLetterBox * mmPerUnit / kMmPerPoint, true);
    for (int a = 0; a < kAnswers; ++a) {
        const int column = a % 2, row = a / 2;
        const QPointF corner = answers + QPointF(kAnswer * column, kAnswer * row) * scale;
        drawPicture(paper, corner, scale, kAnswer, c, a, colors);
        // The cubes are pushed towards the middle of the block, which leaves
        // its outer corners free.
        const QPointF letterBox =
            corner + QPointF(column * (kAnswer - kLetterBox), row * (kAnswer - kLetterBox)) * scale;
        paper.painter.setFont(letterFont);
        paper.painter.setPen(Qt::black);
        paper.painter.drawText(QRectF(letterBox, QSizeF(kLetterBox, kLetterBox) * scale),
                               Qt::AlignCenter, QString(answerLetter(a)));
    }
}

// Why each wrong answer of c is wrong, one sentence each below the item's
// line at top, every sentence in at most two lines: a long one is set
// smaller rather than cut.
void drawSentences(Paper& paper, double top, const Cube& c) {
    const QRectF box(kSentenceIndent, 0, paper.width() - kSentenceIndent, kSentenceLines);
    double y = top;
    for (int a = 0; a < kAnswers; ++a) {
        if (a == c.correctAnswer)
            continue;
        const QString sentence = explanationSentence(c, a);
        const QRectF mm = box.translated(0, y);
        const QRectF units(paper.Units(mm.x()), paper.Units(mm.y()), paper.Units(mm.width()),
                           paper.Units(mm.height()));
        QFont font = sheetFont(9);
        while (font.pointSizeF() > 5 && QFontMetricsF(font, paper.painter.device())
                                                .boundingRect(units, Qt::TextWordWrap, sentence)
                                                .height() > units.height())
            font.setPointSizeF(font.pointSizeF() - 0.5);
        paper.painter.setFont(font);
        paper.painter.setPen(Qt::black);
        paper.painter.drawText(units, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, sentence);
        y += kSentenceLines;
    }
}

// Key lines first to first + count - 1, down the columns; on a worked key
// each with its sentences below.
void drawKey(Paper& paper, const std::vector<Cube>& cubes, int first, int count,
             const KeyGrid& grid, bool explain) {
    paper.text({0, kHeader, paper.width(), kKeyHeading - 3},
               first == 0 ? Worksheet::tr("Answer key") : Worksheet::tr("Answer key (continued)"),
               sheetFont(14, true), Qt::AlignLeft | Qt::AlignVCenter);
    const QFont numberFont = sheetFont(10);
    const QFont letterFont = sheetFont(10, true);
    for (int i = 0; i < count; ++i) {
        const double x = (i / grid.rows) * kKeyColumn;
        const double y =
            kHeader + kKeyHeading + (i % grid.rows) * (explain ? kWorkedKeyItem : kKeyLine);
        const int item = first + i;
        // Room for "65535." before the letter.
        paper.text({x, y, 14, kKeyLine}, itemNumber(item + 1), numberFont,
                   Qt::AlignRight | Qt::AlignVCenter);
        paper.text({x + 16, y, 10, kKeyLine}, QString(answerLetter(cubes[item].correctAnswer)),
                   letterFont, Qt::AlignLeft | Qt::AlignVCenter);
        if (explain)
            drawSentences(paper, y + kKeyLine, cubes[item]);
    }
}

} // namespace

QString defaultSheetTitle() {
    return Worksheet::tr("Cube folding");
}

SheetPages pagesOf(int items, const SheetOptions& options, QSizeF areaMm) {
    const KeyGrid grid = keyGridOf(areaMm, options.explain);
    return {std::max(items, 0), std::clamp(options.itemsPerPage, 1, kMaxItemsPerPage),
            grid.rows * grid.columns, options.parts};
}

QChar answerLetter(int answer) {
    return answer >= 0 && answer < kAnswers ? QChar(u'A' + answer) : QChar(u'?');
}

void setUpSheetPage(QPagedPaintDevice& device, const SheetOptions& options) {
    device.setPageLayout(QPageLayout(QPageSize(options.pageSize), QPageLayout::Portrait,
                                     QMarginsF(kMargin, kMargin, kMargin, kMargin),
                                     QPageLayout::Millimeter));
}

bool printSheet(QPagedPaintDevice& device, const std::vector<Cube>& cubes,
                const SheetOptions& options) {
    const QSizeF area = device.pageLayout().paintRect(QPageLayout::Millimeter).size();
    if (area.width() <= 0 || area.height() <= 0)
        return false;
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    Paper paper{painter, device.width() / area.width(), area};
    const PictureColors& colors = options.mono ? kMonoColors : kScreenColors;

    const SheetPages pages = pagesOf(static_cast<int>(cubes.size()), options, area);
    // Every item is drawn at one size: the largest that fits the slots of
    // the first page, whose header is taller, and of the others.
    const auto slotBelow = [&](double header) {
        return (paper.height() - header - kFooter) / pages.itemsPerPage;
    };
    const double smallestSlot = std::min(slotBelow(kFirstHeader), slotBelow(kHeader));
    const double mmPerUnit =
        std::max(0.0, std::min(paper.width() / kItemWidth,
                               (smallestSlot - kNumberBand - kItemGap) / kItemHeight));
    bool started = false;
    const auto nextPage = [&] {
        if (std::exchange(started, true))
            device.newPage();
    };
    for (int p = 0; p < pages.pupilPages(); ++p) {
        nextPage();
        const double header = p == 0 ? kFirstHeader : kHeader;
        if (p == 0)
            drawFirstHeader(paper, options);
        else
            drawTitle(paper, options, kHeader - 4, 12, kHeader - 3);
        drawFooter(paper, Worksheet::tr("Page %L1 of %L2").arg(p + 1).arg(pages.pupilPages()));
        const double slot = slotBelow(header);
        for (int k = 0; k < pages.itemsPerPage; ++k) {
            const int item = p * pages.itemsPerPage + k;
            if (item < pages.items)
                drawItem(paper, header + k * slot, mmPerUnit, item + 1, cubes[item], colors);
        }
    }
    const KeyGrid grid = keyGridOf(area, options.explain);
    for (int p = 0; p < pages.keyPages(); ++p) {
        nextPage();
        drawTitle(paper, options, kHeader - 4, 12, kHeader - 3);
        drawFooter(paper, Worksheet::tr("Key, page %L1 of %L2").arg(p + 1).arg(pages.keyPages()));
        const int first = p * pages.keyLinesPerPage;
        drawKey(paper, cubes, first, std::min(pages.keyLinesPerPage, pages.items - first), grid,
                options.explain);
    }
    return painter.end();
}

} // namespace vexlor
