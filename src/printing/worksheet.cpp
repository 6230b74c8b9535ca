#include "worksheet.h"

#include "printing/canvas_style.h"
#include "printing/explanation.h"
#include "printing/painter_canvas.h"
#include "printing/paper.h"
#include "render/palette.h"
#include "render/pictures.h"
#include "render/projection.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <functional>
#include <utility>

namespace vexlor {

namespace {

// The sheet's texts, translated under one name for the window and the tool.
class Worksheet {
    Q_DECLARE_TR_FUNCTIONS(Worksheet)
};

// The page, in millimetres. The printable area is the page less the margin
// on every side (kPageMargin); a header band and a footer band
// (kFooterHeight) are taken off it. The first pupils' page has a taller
// header: the title, the lines for the pupil's name, class and date, and
// the instruction; so has every page of the answer grid, which pupils hand
// in on its own.
constexpr double kHeader = 12.0;
constexpr double kFirstHeader = 34.0;
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
constexpr double kColumnGap = 6.0;  // between the columns of items
constexpr double kGridLine = 7.5;   // a line of the answer grid: the number, then A B C D
constexpr double kGridColumn = 46.0;
constexpr double kGridBox = 5.5;
constexpr double kMmPerPoint = 25.4 / 72.0;

// An item's pictures in picture units, laid out as in the window: the
// question, a gap, the four answers in their 2 x 2 block.
constexpr int kQuestion = 500;
constexpr int kAnswer = 250;
constexpr int kGap = 16;
constexpr int kItemLength = kQuestion + kGap + 2 * kAnswer; // along the net and its answers
constexpr int kLetterBox = 44;        // the corner of an answer picture that holds its letter
constexpr double kLetterShare = 0.55; // of the letter's box that its letter's size takes

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
    const double height = area.height() - kHeader - kFooterHeight - kKeyHeading;
    // A worked key lists its items down one column.
    if (explain)
        return {std::max(1, static_cast<int>(height / kWorkedKeyItem)), 1};
    return {std::max(1, static_cast<int>(height / kKeyLine)),
            std::max(1, static_cast<int>(area.width() / kKeyColumn))};
}

KeyGrid answerGridOf(QSizeF area) {
    const double height = area.height() - kFirstHeader - kFooterHeight;
    return {std::max(1, static_cast<int>(height / kGridLine)),
            std::max(1, static_cast<int>(area.width() / kGridColumn))};
}

// A label with its font and its width in millimetres, measured once for all
// the pages that carry it.
struct Label {
    QString text;
    QFont font;
    double width;

    Label(const Paper& paper, const QString& labelText, const QFont& labelFont)
        : text(labelText), font(labelFont),
          width(QFontMetricsF(font, paper.painter.device()).horizontalAdvance(text) /
                    paper.unitsPerMm +
                1.5) {}
};

// A label and a line to write on after it, from x to toX, its foot at bottom.
void drawField(Paper& paper, const Label& label, double x, double toX, double top, double bottom) {
    paper.text({x, top, label.width, bottom - top}, label.text, label.font,
               Qt::AlignLeft | Qt::AlignBottom);
    paper.line({x + label.width, bottom - 0.5}, {toX, bottom - 0.5}, Qt::black, 0.25);
}

// The title with the version at its right, over a thin rule at ruleY. On a
// pupils' page after the first the pupil's name goes beside it, so that a
// page that comes loose still says whose it is.
void drawTitle(Paper& paper, const SheetOptions& options, double height, double points,
               double ruleY, const Label* nameLine = nullptr) {
    const QString version =
        options.version.isEmpty() ? QString() : Worksheet::tr("Version %1").arg(options.version);
    const double versionWidth = version.isEmpty() ? 0 : 30;
    const double nameFrom =
        nameLine != nullptr ? 0.45 * paper.width() : paper.width() - versionWidth;
    paper.text({0, 0, nameFrom - 3, height}, options.title, sheetFont(points, true),
               Qt::AlignLeft | Qt::AlignVCenter);
    if (nameLine != nullptr)
        drawField(paper, *nameLine, nameFrom, paper.width() - versionWidth - 4, 0, height - 1);
    if (!version.isEmpty())
        paper.text({paper.width() - versionWidth, 0, versionWidth, height}, version,
                   sheetFont(12, true), Qt::AlignRight | Qt::AlignVCenter);
    paper.line({0, ruleY}, {paper.width(), ruleY}, kRuleColor, 0.3);
}

// The page's number at its foot; on the page a teacher marks, the line for
// the score at the right.
void drawFooter(Paper& paper, const QString& text, int scoreOutOf = 0) {
    paper.text({0, paper.height() - kFooterHeight, paper.width(), kFooterHeight}, text,
               sheetFont(9), Qt::AlignHCenter | Qt::AlignBottom);
    if (scoreOutOf > 0)
        paper.text({paper.width() / 2 + 25, paper.height() - kFooterHeight, paper.width() / 2 - 25,
                    kFooterHeight},
                   Worksheet::tr("Score: ____ / %L1").arg(scoreOutOf), sheetFont(12, true),
                   Qt::AlignRight | Qt::AlignBottom);
}

// The head of the first pupils' page and of the answer grid: the title, a
// line each for the pupil's name, class and date, and what to do.
void drawFirstHeader(Paper& paper, const SheetOptions& options, const QString& instruction) {
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
    for (const Field& f : kFields)
        drawField(paper, Label(paper, Worksheet::tr(f.label), fieldFont), f.from * paper.width(),
                  f.to * paper.width(), 13, 20);
    paper.text({0, 22, paper.width(), 6}, instruction, sheetFont(10.5),
               Qt::AlignLeft | Qt::AlignVCenter);
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

// Item `number` with its pictures in `pictures` (millimetres): the number
// and the box for the pupil's letter above them, each answer lettered in the
// corner of its picture that lies at the outside of the block. Where the
// pictures are white (black and white), each is framed, so that a letter
// sits in its answer's frame rather than in blank paper.
// What every item of a sheet writes alike, made once for all of them.
struct ItemTexts {
    QFont numberFont = sheetFont(12, true);
    QString answer = Worksheet::tr("Answer:");
    QFont answerFont = sheetFont(10);
    QFont letterFont;
};

void drawItem(Paper& paper, const QRectF& pictures, const ItemLayout& layout, int number,
              const Cube& cube, bool mono, const ItemTexts& texts) {
    const PictureColors& colors = mono ? kMonoColors : kScreenColors;
    // A pupil sees every Cube unsolved, whatever picks the series carries.
    Cube c = cube;
    std::fill(std::begin(c.picked), std::end(c.picked), std::int8_t{0});
    const double left = pictures.left(), top = pictures.top() - kNumberBand;
    paper.text({left, top, 40, kNumberBand - 1}, itemNumber(number), texts.numberFont,
               Qt::AlignLeft | Qt::AlignVCenter);
    const QRectF box(pictures.right() - kMarkBox, top + (kNumberBand - 1 - kMarkBox) / 2, kMarkBox,
                     kMarkBox);
    paper.text({box.left() - 42, top, 40, kNumberBand - 1}, texts.answer, texts.answerFont,
               Qt::AlignRight | Qt::AlignVCenter);
    paper.box(box, Qt::black, 0.3);

    const double scale = paper.Units(layout.mmPerUnit); // device units per picture unit
    const QPointF block(paper.Units(left), paper.Units(pictures.top()));
    const auto frame = [&](QPointF corner, int size) {
        if (!mono)
            return;
        paper.painter.setPen(QPen(kRuleColor, paper.Units(0.25)));
        paper.painter.setBrush(Qt::NoBrush);
        paper.painter.drawRect(QRectF(corner, QSizeF(size, size) * scale));
    };
    drawPicture(paper, block, scale, kQuestion, c, -1, colors);
    frame(block, kQuestion);
    // The answers' common background goes down once under their pictures:
    // where two pictures meet, a viewer that smooths edges would otherwise
    // show a pale seam.
    const QPointF answers =
        block +
        (layout.answersBelow ? QPointF(0, kQuestion + kGap) : QPointF(kQuestion + kGap, 0)) * scale;
    paper.painter.fillRect(QRectF(answers, QSizeF(2 * kAnswer, 2 * kAnswer) * scale),
                           QColor(toQRgb(colors.back)));
    // Where the pictures are small the letter outgrows its corner, towards
    // the middle of the picture, which the cube leaves free enough for it.
    const double letterBox = std::max<double>(kLetterBox, layout.letterPoints * kMmPerPoint /
                                                              kLetterShare / layout.mmPerUnit);
    for (int a = 0; a < kAnswers; ++a) {
        const int column = a % 2, row = a / 2;
        const QPointF corner = answers + QPointF(kAnswer * column, kAnswer * row) * scale;
        drawPicture(paper, corner, scale, kAnswer, c, a, colors);
        frame(corner, kAnswer);
        // The cubes are pushed towards the middle of the block, which leaves
        // its outer corners free.
        const QPointF letterCorner =
            corner + QPointF(column * (kAnswer - letterBox), row * (kAnswer - letterBox)) * scale;
        paper.painter.setFont(texts.letterFont);
        paper.painter.setPen(Qt::black);
        paper.painter.drawText(QRectF(letterCorner, QSizeF(letterBox, letterBox) * scale),
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

// Answer grid lines first to first + count - 1, down the columns: the
// item's number, then a box for each letter, which the pupil crosses.
void drawAnswerGrid(Paper& paper, int first, int count, const KeyGrid& grid) {
    const QFont numberFont = sheetFont(10);
    const QFont letterFont = sheetFont(kMinLetterPoints);
    for (int i = 0; i < count; ++i) {
        const double x = (i / grid.rows) * kGridColumn;
        const double y = kFirstHeader + (i % grid.rows) * kGridLine;
        paper.text({x, y, 11, kGridLine}, itemNumber(first + i + 1), numberFont,
                   Qt::AlignRight | Qt::AlignVCenter);
        for (int a = 0; a < kAnswers; ++a) {
            const QRectF box(x + 13 + a * (kGridBox + 2.5), y + (kGridLine - kGridBox) / 2,
                             kGridBox, kGridBox);
            paper.box(box, Qt::black, 0.25);
            paper.text(box, QString(answerLetter(a)), letterFont, Qt::AlignCenter);
        }
    }
}

// Prints one sheet on pages of the painter's device; the first of them is
// started by nextPage.
void printOne(Paper& paper, const std::function<void()>& nextPage, const std::vector<Cube>& cubes,
              const SheetOptions& options) {
    const SheetPages pages = pagesOf(static_cast<int>(cubes.size()), options, paper.area);
    const ItemLayout layout = itemLayout(paper.area, pages.itemsPerPage);
    ItemTexts texts;
    texts.letterFont = sheetFont(layout.letterPoints, true);
    const Label nameLine(paper, Worksheet::tr("Name:"), sheetFont(10));
    for (int p = 0; p < pages.pupilPages(); ++p) {
        nextPage();
        if (p == 0)
            drawFirstHeader(
                paper, options,
                Worksheet::tr(
                    "Which of the four cubes can be folded from the net? Write A, B, C or D in "
                    "the box."));
        else
            drawTitle(paper, options, kHeader - 4, 12, kHeader - 3, &nameLine);
        drawFooter(paper, Worksheet::tr("Page %L1 of %L2").arg(p + 1).arg(pages.pupilPages()),
                   p == 0 ? pages.items : 0);
        const std::vector<ItemPlace>& places = p == 0 ? layout.firstPage : layout.otherPages;
        for (int k = 0; k < pages.itemsPerPage; ++k) {
            const int item = p * pages.itemsPerPage + k;
            if (item < pages.items)
                drawItem(paper, places[static_cast<std::size_t>(k)].pictures, layout, item + 1,
                         cubes[item], options.mono, texts);
        }
    }
    const KeyGrid answerGrid = answerGridOf(paper.area);
    for (int p = 0; p < pages.gridPages(); ++p) {
        nextPage();
        drawFirstHeader(paper, options,
                        Worksheet::tr("For each item, cross the letter of the cube that can be "
                                      "folded from the net."));
        drawFooter(paper,
                   Worksheet::tr("Answer grid, page %L1 of %L2").arg(p + 1).arg(pages.gridPages()),
                   p == 0 ? pages.items : 0);
        const int first = p * pages.gridLinesPerPage;
        drawAnswerGrid(paper, first, std::min(pages.gridLinesPerPage, pages.items - first),
                       answerGrid);
    }
    const KeyGrid grid = keyGridOf(paper.area, options.explain);
    for (int p = 0; p < pages.keyPages(); ++p) {
        nextPage();
        drawTitle(paper, options, kHeader - 4, 12, kHeader - 3);
        drawFooter(paper, Worksheet::tr("Key, page %L1 of %L2").arg(p + 1).arg(pages.keyPages()));
        const int first = p * pages.keyLinesPerPage;
        drawKey(paper, cubes, first, std::min(pages.keyLinesPerPage, pages.items - first), grid,
                options.explain);
    }
}

} // namespace

QString defaultSheetTitle() {
    return Worksheet::tr("Cube folding");
}

SheetPages pagesOf(int items, const SheetOptions& options, QSizeF areaMm) {
    const KeyGrid grid = keyGridOf(areaMm, options.explain);
    const KeyGrid answerGrid = answerGridOf(areaMm);
    return {std::max(items, 0),
            std::clamp(options.itemsPerPage, 1, kMaxItemsPerPage),
            grid.rows * grid.columns,
            answerGrid.rows * answerGrid.columns,
            options.parts,
            options.answerGrid};
}

ItemLayout itemLayout(QSizeF areaMm, int itemsPerPage) {
    const int n = std::clamp(itemsPerPage, 1, kMaxItemsPerPage);
    const double firstHeight = areaMm.height() - kFirstHeader - kFooterHeight;
    const double otherHeight = areaMm.height() - kHeader - kFooterHeight;
    ItemLayout best;
    best.mmPerUnit = -1;
    // Every grid of n places without an empty row or column, with the
    // answers beside the net or below it: the one that gives the largest
    // pictures on the first page, the smallest, wins.
    for (int columns = 1; columns <= n; ++columns) {
        const int rows = (n + columns - 1) / columns;
        if ((columns - 1) * rows >= n)
            continue;
        for (const bool below : {false, true}) {
            const double width = below ? kQuestion : kItemLength;
            const double height = below ? kItemLength : kQuestion;
            const double slotWidth = (areaMm.width() - (columns - 1) * kColumnGap) / columns;
            const double slotHeight = firstHeight / rows - kNumberBand - kItemGap;
            const double scale = std::max(0.0, std::min(slotWidth / width, slotHeight / height));
            if (scale > best.mmPerUnit + 1e-9) {
                best.columns = columns;
                best.rows = rows;
                best.answersBelow = below;
                best.mmPerUnit = scale;
            }
        }
    }
    best.letterPoints =
        std::max(kMinLetterPoints, kLetterShare * kLetterBox * best.mmPerUnit / kMmPerPoint);
    const QSizeF size = best.answersBelow ? QSizeF(kQuestion, kItemLength) * best.mmPerUnit
                                          : QSizeF(kItemLength, kQuestion) * best.mmPerUnit;
    const double slotWidth = (areaMm.width() - (best.columns - 1) * kColumnGap) / best.columns;
    // Each item is centred across its column; the rows share the page's
    // height below its head.
    const auto place = [&](double header, double height, std::vector<ItemPlace>& places) {
        for (int k = 0; k < n; ++k) {
            const int column = k % best.columns, row = k / best.columns;
            const double x = column * (slotWidth + kColumnGap) + (slotWidth - size.width()) / 2;
            const double y = header + row * (height / best.rows);
            places.push_back({QRectF(x, y, size.width(), kNumberBand + size.height()),
                              QRectF(QPointF(x, y + kNumberBand), size)});
        }
    };
    place(kFirstHeader, firstHeight, best.firstPage);
    place(kHeader, otherHeight, best.otherPages);
    return best;
}

QChar answerLetter(int answer) {
    return answer >= 0 && answer < kAnswers ? QChar(u'A' + answer) : QChar(u'?');
}

void setUpSheetPage(QPagedPaintDevice& device, const SheetOptions& options) {
    device.setPageLayout(portraitPage(QPageSize(options.pageSize)));
}

namespace {

// Starts painting on the device's pages, lets print fill them, and ends.
bool printPages(QPagedPaintDevice& device,
                const std::function<void(Paper&, const std::function<void()>& nextPage)>& print) {
    bool started = false;
    const std::function<void()> nextPage = [&] {
        if (std::exchange(started, true))
            device.newPage();
    };
    return paintPages(device, [&](Paper& paper) { print(paper, nextPage); });
}

} // namespace

bool printSheet(QPagedPaintDevice& device, const std::vector<Cube>& cubes,
                const SheetOptions& options) {
    return printPages(device, [&](Paper& paper, const std::function<void()>& nextPage) {
        printOne(paper, nextPage, cubes, options);
    });
}

bool printSheets(QPagedPaintDevice& device, const std::vector<SheetPrint>& sheets) {
    return printPages(device, [&](Paper& paper, const std::function<void()>& nextPage) {
        for (const SheetPrint& sheet : sheets)
            printOne(paper, nextPage, sheet.cubes, sheet.options);
    });
}

} // namespace vexlor
