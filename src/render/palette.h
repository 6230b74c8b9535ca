// The colours of the question and answer pictures, as 0x00BBGGRR values.
#pragma once

#include "render/canvas.h"

#include <array>

namespace vexlor {

inline constexpr Color backcolor = 0xF3E0CF;  // picture background, pen of the crosses
inline constexpr Color facecolor = 0xD3A858;  // a face that is not highlighted
inline constexpr Color symcolor = 0x304010;   // symbols
inline constexpr Color wrongcolor = 0x101091; // symbols of a wrongly picked answer
inline constexpr std::array<Color, 3> markcolor = {0x9188EF, 0x8AEFA0, 0x83EFEF}; // solved
inline constexpr Color windowcolor = 0xA26228; // the main window, behind the crosses

// Added to every colour of an answer cube's top face and subtracted from its
// right face, as one integer: it lightens or darkens each channel by 16.
inline constexpr Color shade = 0x101010;

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
static_assert(leavesRoomForShade(facecolor) && leavesRoomForShade(symcolor) &&
              leavesRoomForShade(wrongcolor) && leavesRoomForShade(markcolor[0]) &&
              leavesRoomForShade(markcolor[1]) && leavesRoomForShade(markcolor[2]));

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

inline constexpr PictureColors kScreenColors = {backcolor,  facecolor, symcolor,
                                                wrongcolor, markcolor, shade};

// Only greys, which read the same as 0x00BBGGRR and as RGB. White cannot be
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
