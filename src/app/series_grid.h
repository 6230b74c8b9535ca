// The Series panel's grid of commands: a row per series, a column per
// command. This one table says where each cell lies, what it is called and
// what it does; the window builds and connects its buttons from it, and the
// tests drive every cell through it.
#pragma once

#include "app/series_commands.h"
#include "series/series_store.h"

#include <QtGlobal>

#include <array>

namespace vexlor {

enum class GridColumn { CopyToCurrent, AddCurrentCube, Save, Clear };

struct SeriesGridCell {
    using Command = void (SeriesCommands::*)(SeriesId);

    SeriesId row;
    GridColumn column;
    int x, y;                   // top left within the Series box
    const char* objectName;     // the name tools and tests find the cell by
    Command command;            // null where the cell shows a cross instead
    const char* fontFamily;     // of the uncaptioned button
    const char* toolTip;        // empty for none
    const char* accessibleName; // what a screen reader says, in context "SeriesGrid"
};

inline constexpr int kGridCellWidth = 49;
inline constexpr int kGridCellHeight = 17;

// Row by row, in the order the cells are created.
inline constexpr std::array<SeriesGridCell, 16> kSeriesGrid = {{
    // clang-format off
    {SeriesId::Current,  GridColumn::CopyToCurrent,  240,  52, "guzik",    nullptr,                         "",              "",  QT_TRANSLATE_NOOP("SeriesGrid", "Current has nothing to copy into itself")},
    {SeriesId::Current,  GridColumn::AddCurrentCube, 304,  52, "guzik2",   nullptr,                         "",              "",  QT_TRANSLATE_NOOP("SeriesGrid", "The current Cube is already in Current")},
    {SeriesId::Current,  GridColumn::Save,           368,  52, "Button9",  &SeriesCommands::save,           "MS Sans Serif", "",  QT_TRANSLATE_NOOP("SeriesGrid", "Save Current")},
    {SeriesId::Current,  GridColumn::Clear,          432,  52, "Button11", &SeriesCommands::clear,          "MS Sans Serif", "",  QT_TRANSLATE_NOOP("SeriesGrid", "Clear Current")},
    {SeriesId::Skipped,  GridColumn::CopyToCurrent,  240,  76, "Button5",  &SeriesCommands::copyToCurrent,  "MS Sans Serif", "",  QT_TRANSLATE_NOOP("SeriesGrid", "Copy Skipped to Current")},
    {SeriesId::Skipped,  GridColumn::AddCurrentCube, 304,  76, "Button1",  &SeriesCommands::addCurrentCube, "Arial",         "1", QT_TRANSLATE_NOOP("SeriesGrid", "Add the current Cube to Skipped")},
    {SeriesId::Skipped,  GridColumn::Save,           368,  76, "Button8",  &SeriesCommands::save,           "MS Sans Serif", "",  QT_TRANSLATE_NOOP("SeriesGrid", "Save Skipped")},
    {SeriesId::Skipped,  GridColumn::Clear,          432,  76, "Button12", &SeriesCommands::clear,          "MS Sans Serif", "",  QT_TRANSLATE_NOOP("SeriesGrid", "Clear Skipped")},
    {SeriesId::Mistakes, GridColumn::CopyToCurrent,  240, 108, "Button3",  &SeriesCommands::copyToCurrent,  "MS Sans Serif", "",  QT_TRANSLATE_NOOP("SeriesGrid", "Copy Mistakes to Current")},
    {SeriesId::Mistakes, GridColumn::AddCurrentCube, 304, 108, "atmi",     &SeriesCommands::addCurrentCube, "Arial",         "",  QT_TRANSLATE_NOOP("SeriesGrid", "Add the current Cube to Mistakes")},
    {SeriesId::Mistakes, GridColumn::Save,           368, 108, "Button7",  &SeriesCommands::save,           "MS Sans Serif", "",  QT_TRANSLATE_NOOP("SeriesGrid", "Save Mistakes")},
    {SeriesId::Mistakes, GridColumn::Clear,          432, 108, "Button13", &SeriesCommands::clear,          "MS Sans Serif", "",  QT_TRANSLATE_NOOP("SeriesGrid", "Clear Mistakes")},
    {SeriesId::Custom,   GridColumn::CopyToCurrent,  240, 132, "Button4",  &SeriesCommands::copyToCurrent,  "MS Sans Serif", "",  QT_TRANSLATE_NOOP("SeriesGrid", "Copy Custom to Current")},
    {SeriesId::Custom,   GridColumn::AddCurrentCube, 304, 132, "atcu",     &SeriesCommands::addCurrentCube, "Arial",         "+", QT_TRANSLATE_NOOP("SeriesGrid", "Add the current Cube to Custom")},
    {SeriesId::Custom,   GridColumn::Save,           368, 132, "Button6",  &SeriesCommands::save,           "MS Sans Serif", "",  QT_TRANSLATE_NOOP("SeriesGrid", "Save Custom")},
    {SeriesId::Custom,   GridColumn::Clear,          432, 132, "Button14", &SeriesCommands::clear,          "MS Sans Serif", "",  QT_TRANSLATE_NOOP("SeriesGrid", "Clear Custom")},
    // clang-format on
}};

} // namespace vexlor
