// Every colour the program shows, as 0xRRGGBB values: the question and
// answer pictures, the main window around them, and the Progress window.
#pragma once

#include "render/canvas.h"

#include <array>

namespace vexlor {

// The pictures.
inline constexpr Color kBackgroundColor = 0xCFE0F3; // behind the faces; pen of the crosses
inline constexpr Color kFaceColor = 0x58A8D3;       // a face that is not highlighted
inline constexpr Color kSymbolColor = 0x104030;     // symbols
inline constexpr Color kWrongColor = 0x911010;      // symbols of a wrongly picked answer
inline constexpr std::array<Color, 3> kHighlightColors = {0xEF8891, 0xA0EF8A, 0xEFEF83}; // solved
// Frames the answer chosen in an exam: a grey that says nothing of right
// or wrong.
inline constexpr Color kChosenFrameColor = 0x404040;

// Added to every colour of an answer cube's top face and subtracted from its
// right face, as one integer: it lightens or darkens each channel by 16.
inline constexpr Color kShade = 0x101010;

// The main window; its labels are written in the pictures' background.
inline constexpr Color kWindowColor = 0x2862A2; // also behind the crosses
inline constexpr Color kWindowTextColor = kBackgroundColor;

// The Progress window.
inline constexpr Color kChartLineColor = kWindowColor;
inline constexpr Color kChartGridColor = 0xDEE2E8;
inline constexpr Color kWeakRecipeColor = 0xC45410;
inline constexpr Color kWeakRecipeBackground = 0xFDECDE;
inline constexpr Color kMutedChartTextColor = 0x6E6E6E;
inline constexpr Color kNoticeColor = 0xAA2814; // the history cannot be kept
inline constexpr Color kRuleTextColor = 0x5A5A5A;
inline constexpr Color kCubeBarColor = 0xA8C4E4; // the line's blue, lighter
inline constexpr Color kBestDayColor = 0x16803C;
inline constexpr Color kTargetLineColor = 0x8C4FA8; // the user's target time

// Shading as a plain integer sum only works while no channel carries into
// its neighbour; every colour it is applied to must leave room for it.
constexpr bool leavesRoomForShade(Color c) {
    for (int shift = 0; shift < 24; shift += 8) {
        const Color channel = (c >> shift) & 0xFF;
        if (channel < 0x10 || channel > 0xEF)
            return false;
    }
    return true;
}
static_assert(leavesRoomForShade(kFaceColor) && leavesRoomForShade(kSymbolColor) &&
              leavesRoomForShade(kWrongColor) && leavesRoomForShade(kHighlightColors[0]) &&
              leavesRoomForShade(kHighlightColors[1]) && leavesRoomForShade(kHighlightColors[2]));

// The colours one drawing of the pictures uses. The screen's set is the
// palette above; a black-and-white printer gets white faces with black
// symbols (the outlines are the canvas's black pen either way) and nothing
// tinted, so that no symbol loses contrast to a halftone.
struct PictureColors {
    Color back;
    Color face;
    Color symbol;
    Color wrong;
    std::array<Color, 3> mark;
    Color shade; // added to the top face of an answer cube, taken from its right face
};

inline constexpr PictureColors kScreenColors = {kBackgroundColor, kFaceColor,       kSymbolColor,
                                                kWrongColor,      kHighlightColors, kShade};

// Only greys. White cannot be
// shaded, so the answer cubes keep their faces apart by the outlines alone;
// the solved state, never printed, still tells its three faces apart.
inline constexpr PictureColors kMonoColors = {
    0xFFFFFF, 0xFFFFFF, 0x000000, 0x000000, {0xC0C0C0, 0xA0A0A0, 0xE0E0E0}, 0};

constexpr bool isGrey(Color c) {
    return (c & 0xFF) == ((c >> 8) & 0xFF) && (c & 0xFF) == ((c >> 16) & 0xFF);
}
static_assert(isGrey(kMonoColors.back) && isGrey(kMonoColors.face) && isGrey(kMonoColors.symbol) &&
              isGrey(kMonoColors.wrong) && isGrey(kMonoColors.mark[0]) &&
              isGrey(kMonoColors.mark[1]) && isGrey(kMonoColors.mark[2]) &&
              isGrey(kMonoColors.shade));

} // namespace vexlor
