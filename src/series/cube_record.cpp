#include "cube_record.h"

#include <bit>

namespace vexlor {

namespace {

using namespace record;

std::uint8_t toByte(std::int8_t v) {
    return static_cast<std::uint8_t>(v);
}
std::int8_t toSigned(std::uint8_t b) {
    return static_cast<std::int8_t>(b);
}

void putDouble(std::uint8_t* out, double v) {
    const auto bits = std::bit_cast<std::uint64_t>(v);
    for (int i = 0; i < 8; ++i)
        out[i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

double getDouble(const std::uint8_t* in) {
    std::uint64_t bits = 0;
    for (int i = 0; i < 8; ++i)
        bits |= std::uint64_t{in[i]} << (8 * i);
    return std::bit_cast<double>(bits);
}

} // namespace

CubeRecord encodeCube(const Cube& c, bool strip) {
    CubeRecord r{};
    for (int x = 0; x < kNetSize; ++x)
        for (int y = 0; y < kNetSize; ++y) {
            r[kNet + 18 * x + 2 * y] = toByte(c.net[x][y].face);
            r[kNet + 18 * x + 2 * y + 1] = toByte(c.net[x][y].turn);
        }
    for (int f = 0; f < kFaces; ++f) {
        r[kSym + f] = toByte(c.faceSymbol[f]);
        r[kSymTurn + f] = toByte(c.faceTurn[f]);
    }
    for (int i = 0; i < 4; ++i)
        r[kNetBox + i] = toByte(c.netBounds[i]);
    for (int a = 0; a < kAnswers; ++a)
        for (int k = 0; k < kVisibleFaces; ++k) {
            r[kAnsSym + 3 * a + k] = toByte(c.answerSymbol[a][k]);
            r[kAnsTurn + 3 * a + k] = toByte(c.answerTurn[a][k]);
        }
    r[kCorrect] = toByte(c.correctAnswer);
    for (int k = 0; k < kVisibleFaces; ++k)
        r[kCorFaces + k] = toByte(c.correctFaces[k]);
    r[kKind] = toByte(c.recipe);
    for (int a = 0; a < kAnswers; ++a)
        r[kChosen + a] = strip ? 0 : toByte(c.picked[a]);
    putDouble(&r[kTStart], strip ? 0.0 : c.clockStart);
    putDouble(&r[kTStop], strip ? 0.0 : c.clockStop);
    return r;
}

void decodeCube(const std::uint8_t* r, Cube& c) {
    for (int x = 0; x < kNetSize; ++x)
        for (int y = 0; y < kNetSize; ++y) {
            c.net[x][y].face = toSigned(r[kNet + 18 * x + 2 * y]);
            c.net[x][y].turn = toSigned(r[kNet + 18 * x + 2 * y + 1]);
        }
    for (int f = 0; f < kFaces; ++f) {
        c.faceSymbol[f] = toSigned(r[kSym + f]);
        c.faceTurn[f] = toSigned(r[kSymTurn + f]);
    }
    for (int i = 0; i < 4; ++i)
        c.netBounds[i] = toSigned(r[kNetBox + i]);
    for (int a = 0; a < kAnswers; ++a)
        for (int k = 0; k < kVisibleFaces; ++k) {
            c.answerSymbol[a][k] = toSigned(r[kAnsSym + 3 * a + k]);
            c.answerTurn[a][k] = toSigned(r[kAnsTurn + 3 * a + k]);
        }
    c.correctAnswer = toSigned(r[kCorrect]);
    for (int k = 0; k < kVisibleFaces; ++k)
        c.correctFaces[k] = toSigned(r[kCorFaces + k]);
    c.recipe = toSigned(r[kKind]);
    for (int a = 0; a < kAnswers; ++a)
        c.picked[a] = toSigned(r[kChosen + a]);
    c.clockStart = getDouble(&r[kTStart]);
    c.clockStop = getDouble(&r[kTStop]);
}

} // namespace vexlor
