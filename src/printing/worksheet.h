// A printable worksheet: the Cubes of a series as numbered items for pupils,
// each with its question picture, its four answers lettered A to D and a
// box for the pupil's letter, a few to a page, an answer grid where asked
// for, and an answer key on pages of its own. The window's print preview and
// the command-line tool both print through here.
#pragma once

#include "cube/cube.h"

#include <QChar>
#include <QPageSize>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <vector>

class QPagedPaintDevice;

namespace vexlor {

inline constexpr int kMaxItemsPerPage = 6;

// Answer letters are never printed smaller, however many items share a page.
inline constexpr double kMinLetterPoints = 9.0;

// The title a sheet carries when none is given.
QString defaultSheetTitle();

// Which pages a sheet holds: the pupils' pages, the key, or both, the key
// last. Each part counts its own pages, so either can be printed alone.
enum class SheetParts { PupilsAndKey, PupilsOnly, KeyOnly };

struct SheetOptions {
    int itemsPerPage = 2; // 1 to kMaxItemsPerPage
    QString title;        // heads every page
    QString version;      // "A" to "D" for a sheet of several versions, else empty
    QPageSize::PageSizeId pageSize = QPageSize::A4;
    SheetParts parts = SheetParts::PupilsAndKey;
    bool mono = false;       // white faces, black symbols: for black-and-white printers
    bool answerGrid = false; // a page on which pupils mark their letters, after their pages
    // A worked key: under each item's letter, the sentence that says why
    // each wrong answer cannot be folded from the net.
    bool explain = false;
};

// How a sheet fills its pages: the items first, itemsPerPage to a page, then
// the answer grid where asked for, and the key on pages of its own, as many
// lines to a page as fit. The grid belongs to the pupils' part.
struct SheetPages {
    int items = 0;
    int itemsPerPage = 1;
    int keyLinesPerPage = 1;
    int gridLinesPerPage = 1;
    SheetParts parts = SheetParts::PupilsAndKey;
    bool answerGrid = false;

    int pupilPages() const {
        return parts == SheetParts::KeyOnly ? 0 : (items + itemsPerPage - 1) / itemsPerPage;
    }
    int gridPages() const {
        return parts == SheetParts::KeyOnly || !answerGrid
                   ? 0
                   : (items + gridLinesPerPage - 1) / gridLinesPerPage;
    }
    int keyPages() const {
        return parts == SheetParts::PupilsOnly ? 0
                                               : (items + keyLinesPerPage - 1) / keyLinesPerPage;
    }
    int count() const { return pupilPages() + gridPages() + keyPages(); }
};

// Where the items of a page lie, in millimetres from the top left corner of
// the printable area: every item at one size, the largest at which
// itemsPerPage of them fit the first page (whose head is taller) and the
// others, in the arrangement that allows it. An item's pictures are the
// net with the 2 x 2 block of answers beside it or below it; its number and
// the box for the pupil's letter lie above them.
struct ItemPlace {
    QRectF box;      // the whole item: its number band and its pictures
    QRectF pictures; // the net and the answers
};
struct ItemLayout {
    int columns = 1;
    int rows = 1;
    bool answersBelow = false; // the answers' block under the net, not beside it
    double mmPerUnit = 0;      // millimetres to a unit of the pictures (the net is 500)
    double letterPoints = 0;   // the size of the answers' letters
    // The items of a page, in reading order.
    std::vector<ItemPlace> firstPage;
    std::vector<ItemPlace> otherPages;
};
ItemLayout itemLayout(QSizeF areaMm, int itemsPerPage);

// The pages of a sheet of that many items on a page whose printable area
// (inside the margins) is areaMm millimetres.
SheetPages pagesOf(int items, const SheetOptions& options, QSizeF areaMm);

// The letter that names answer a on paper, where the answers lie as on the
// screen: A top left, B top right, C bottom left, D bottom right. '?' for a
// number that names no answer.
QChar answerLetter(int answer);

// Gives the device the sheet's page: the size in options, portrait, and the
// sheet's margins. The window's preview starts from it and lets the user
// change it; printSheet lays out on whatever page the device has.
void setUpSheetPage(QPagedPaintDevice& device, const SheetOptions& options);

// Prints the sheet of the Cubes, in their order and numbered from 1, onto
// the device's pages, laid out on whatever page it has (either orientation),
// each Cube unsolved whatever its picks. Returns false when painting on the
// device could not start or finish.
bool printSheet(QPagedPaintDevice& device, const std::vector<Cube>& cubes,
                const SheetOptions& options);

// Several sheets one after another on one device, each from a page of its
// own and counting its own pages: the versions of a class test, each with
// its key.
struct SheetPrint {
    std::vector<Cube> cubes;
    SheetOptions options;
};
bool printSheets(QPagedPaintDevice& device, const std::vector<SheetPrint>& sheets);

} // namespace vexlor
