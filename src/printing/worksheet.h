// A printable worksheet: the Cubes of a series as numbered items for pupils,
// each with its question picture, its four answers lettered A to D and a
// box for the pupil's letter, a few to a page, and an answer key on pages
// of its own. The window's print preview and the command-line tool both
// print through here.
#pragma once

#include "cube/cube.h"

#include <QChar>
#include <QPageSize>
#include <QSizeF>
#include <QString>

#include <vector>

class QPagedPaintDevice;

namespace vexlor {

inline constexpr int kMaxItemsPerPage = 4;

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
    bool mono = false; // white faces, black symbols: for black-and-white printers
    // A worked key: under each item's letter, the sentence that says why
    // each wrong answer cannot be folded from the net.
    bool explain = false;
};

// How a sheet fills its pages: the items first, itemsPerPage to a page, then
// the key on pages of its own, as many items' lines to a page as fit.
struct SheetPages {
    int items = 0;
    int itemsPerPage = 1;
    int keyLinesPerPage = 1;
    SheetParts parts = SheetParts::PupilsAndKey;

    int pupilPages() const {
        return parts == SheetParts::KeyOnly ? 0 : (items + itemsPerPage - 1) / itemsPerPage;
    }
    int keyPages() const {
        return parts == SheetParts::PupilsOnly ? 0
                                               : (items + keyLinesPerPage - 1) / keyLinesPerPage;
    }
    int count() const { return pupilPages() + keyPages(); }
};

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
// the device's pages, each Cube unsolved whatever its picks. Returns false
// when painting on the device could not start or finish.
bool printSheet(QPagedPaintDevice& device, const std::vector<Cube>& cubes,
                const SheetOptions& options);

} // namespace vexlor
