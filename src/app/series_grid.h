// The Series panel's grid of commands: a row per series, a column per
// command. This one table says where each cell lies and what it is called;
// the window builds its buttons from it and binds each to its command's
// action by the button's name, and the tests drive every cell through it.
#pragma once

#include "series/series_store.h"

#include <QtGlobal>

#include <array>

namespace vexlor {

enum class GridColumn { CopyToCurrent, AddCurrentCube, Save, Clear };

struct SeriesGridCell {
    SeriesId row;
    GridColumn column;
    int x, y;               // top left within the Series box
    const char* objectName; // the name tools and tests find the cell by
    const char* fontFamily; // of the uncaptioned button
    const char* toolTip;    // empty for none
    // Where the cell shows a cross instead of a button: what a screen reader
    // says of it, in context "SeriesGrid"; nullptr for a button.
    const char* crossName;
};

inline constexpr int kGridCellWidth = 49;
inline constexpr int kGridCellHeight = 17;

// Row by row, in the order the cells are created.
inline constexpr std::array<SeriesGridCell, 16> kSeriesGrid = {{
    // clang-format off
    {SeriesId::Current,  GridColumn::CopyToCurrent,  240,  52, "guzik",    "",              "",  QT_TRANSLATE_NOOP("SeriesGrid", "Current has nothing to copy into itself")},
    {SeriesId::Current,  GridColumn::AddCurrentCube, 304,  52, "guzik2",   "",              "",  QT_TRANSLATE_NOOP("SeriesGrid", "The current Cube is already in Current")},
    {SeriesId::Current,  GridColumn::Save,           368,  52, "Button9",  "MS Sans Serif", "",  nullptr},
    {SeriesId::Current,  GridColumn::Clear,          432,  52, "Button11", "MS Sans Serif", "",  nullptr},
    {SeriesId::Skipped,  GridColumn::CopyToCurrent,  240,  76, "Button5",  "MS Sans Serif", "",  nullptr},
    {SeriesId::Skipped,  GridColumn::AddCurrentCube, 304,  76, "Button1",  "Arial",         "1", nullptr},
    {SeriesId::Skipped,  GridColumn::Save,           368,  76, "Button8",  "MS Sans Serif", "",  nullptr},
    {SeriesId::Skipped,  GridColumn::Clear,          432,  76, "Button12", "MS Sans Serif", "",  nullptr},
    {SeriesId::Mistakes, GridColumn::CopyToCurrent,  240, 108, "Button3",  "MS Sans Serif", "",  nullptr},
    {SeriesId::Mistakes, GridColumn::AddCurrentCube, 304, 108, "atmi",     "Arial",         "",  nullptr},
    {SeriesId::Mistakes, GridColumn::Save,           368, 108, "Button7",  "MS Sans Serif", "",  nullptr},
    {SeriesId::Mistakes, GridColumn::Clear,          432, 108, "Button13", "MS Sans Serif", "",  nullptr},
    {SeriesId::Custom,   GridColumn::CopyToCurrent,  240, 132, "Button4",  "MS Sans Serif", "",  nullptr},
    {SeriesId::Custom,   GridColumn::AddCurrentCube, 304, 132, "atcu",     "Arial",         "+", nullptr},
    {SeriesId::Custom,   GridColumn::Save,           368, 132, "Button6",  "MS Sans Serif", "",  nullptr},
    {SeriesId::Custom,   GridColumn::Clear,          432, 132, "Button14", "MS Sans Serif", "",  nullptr},
    // clang-format on
}};

} // namespace vexlor
