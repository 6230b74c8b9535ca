// A printable worksheet: the Cubes of a series as numbered items, each with
// its question picture and its four answers lettered A to D, a few to a
// page, and an answer key behind them.
#pragma once

#include "cube/cube.h"

#include <QChar>
#include <QPageSize>
#include <QString>

#include <vector>

class QPdfWriter;

namespace vexlor::tool {

inline constexpr int kMaxItemsPerPage = 4;

struct SheetOptions {
    int itemsPerPage = 2; // 1 to kMaxItemsPerPage
    QString title;        // heads every page
    QPageSize::PageSizeId pageSize = QPageSize::A4;
    bool keyOnly = false; // the answer key alone
};

// How a sheet fills its pages: the items first, itemsPerPage to a page, then
// the key on pages of its own, as many lines to a page as fit.
struct SheetPages {
    int items = 0;
    int itemsPerPage = 1;
    int keyLinesPerPage = 1;
    bool keyOnly = false;

    int itemPages() const { return keyOnly ? 0 : (items + itemsPerPage - 1) / itemsPerPage; }
    int keyPages() const { return (items + keyLinesPerPage - 1) / keyLinesPerPage; }
    int count() const { return itemPages() + keyPages(); }
};

// The pages of a sheet of that many items.
SheetPages pagesOf(int items, const SheetOptions& options);

// The letter that names answer a on paper, where the answers lie as on the
// screen: A top left, B top right, C bottom left, D bottom right. '?' for a
// number that names no answer.
QChar answerLetter(int answer);

// Prints the sheet of the Cubes, in their order and numbered from 1, onto
// the writer, which it sets up (page size, portrait, margins, title). Each
// Cube is drawn as it is, picks included: the caller hands in unpicked
// copies. Returns false when painting on the writer could not start.
bool printSheet(QPdfWriter& writer, const std::vector<Cube>& cubes, const SheetOptions& options);

} // namespace vexlor::tool
