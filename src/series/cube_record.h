// The 232-byte record in which a Cube is stored in a series file: every field
// in field order, little-endian, written and read field by field.
#pragma once

#include "cube/cube.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace vexlor {

inline constexpr std::size_t kCubeRecordSize = 232;
using CubeRecord = std::array<std::uint8_t, kCubeRecordSize>;

// Byte offsets of the fields within a record.
namespace record {
inline constexpr std::size_t kNet = 0;       // 81 cells of (face, turn); cell x, y at 18x + 2y
inline constexpr std::size_t kSym = 162;     // 6 bytes
inline constexpr std::size_t kSymTurn = 168; // 6 bytes
inline constexpr std::size_t kNetBox = 174;  // 4 bytes
inline constexpr std::size_t kAnsSym = 178;  // 12 bytes, answer a, face k at 3a + k
inline constexpr std::size_t kAnsTurn = 190; // 12 bytes
inline constexpr std::size_t kCorrect = 202;
inline constexpr std::size_t kCorFaces = 203; // 3 bytes
inline constexpr std::size_t kKind = 206;
inline constexpr std::size_t kChosen = 207;  // 4 bytes
inline constexpr std::size_t kPadding = 211; // 5 bytes, written as zeros, never read
inline constexpr std::size_t kTStart = 216;  // IEEE 754 double
inline constexpr std::size_t kTStop = 224;   // IEEE 754 double
} // namespace record

// The record of c. With strip, the picks are 0 and both date-times 0.0 (the
// Cube itself is not changed). Padding bytes are 0.
CubeRecord encodeCube(const Cube& c, bool strip);

// Fills every field of c from a record, each value as stored.
void decodeCube(const std::uint8_t* record, Cube& c);

} // namespace vexlor
