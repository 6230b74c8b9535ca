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

} // namespace vexlor
