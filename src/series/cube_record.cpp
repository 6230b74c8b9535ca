#include "cube_record.h"

#include <bit>

namespace vexlor {

namespace {

using namespace record;

std::uint8_t Byte(std::int8_t v) {
    return static_cast<std::uint8_t>(v);
}
std::int8_t Signed(std::uint8_t b) {
    return static_cast<std::int8_t>(b);
}

void PutDouble(std::uint8_t* out, double v) {
    const auto bits = std::bit_cast<std::uint64_t>(v);
    for (int i = 0; i < 8; ++i)
        out[i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

double GetDouble(const std::uint8_t* in) {
    std::uint64_t bits = 0;
    for (int i = 0; i < 8; ++i)
        bits |= std::uint64_t{in[i]} << (8 * i);
    return std::bit_cast<double>(bits);
}

} // namespace

CubeRecord EncodeCube(const CubeNode& c, bool strip) {
    CubeRecord r{};
    for (int x = 0; x < kNetSize; ++x)
        for (int y = 0; y < kNetSize; ++y) {
            r[kNet + 18 * x + 2 * y] = Byte(c.net[x][y].face);
            r[kNet + 18 * x + 2 * y + 1] = Byte(c.net[x][y].turn);
        }
    for (int f = 0; f < kFaces; ++f) {
        r[kSym + f] = Byte(c.sym[f]);
        r[kSymTurn + f] = Byte(c.symturn[f]);
    }
    for (int i = 0; i < 4; ++i)
        r[kNetBox + i] = Byte(c.netbox[i]);
    for (int a = 0; a < kAnswers; ++a)
        for (int k = 0; k < kVisibleFaces; ++k) {
            r[kAnsSym + 3 * a + k] = Byte(c.anssym[a][k]);
            r[kAnsTurn + 3 * a + k] = Byte(c.ansturn[a][k]);
        }
    r[kCorrect] = Byte(c.correct);
    for (int k = 0; k < kVisibleFaces; ++k)
        r[kCorFaces + k] = Byte(c.corfaces[k]);
    r[kKind] = Byte(c.kind);
    for (int a = 0; a < kAnswers; ++a)
        r[kChosen + a] = strip ? 0 : Byte(c.chosen[a]);
    PutDouble(&r[kTStart], strip ? 0.0 : c.tstart);
    PutDouble(&r[kTStop], strip ? 0.0 : c.tstop);
    return r;
}

void DecodeCube(const std::uint8_t* r, CubeNode& c) {
    for (int x = 0; x < kNetSize; ++x)
        for (int y = 0; y < kNetSize; ++y) {
            c.net[x][y].face = Signed(r[kNet + 18 * x + 2 * y]);
            c.net[x][y].turn = Signed(r[kNet + 18 * x + 2 * y + 1]);
        }
    for (int f = 0; f < kFaces; ++f) {
        c.sym[f] = Signed(r[kSym + f]);
        c.symturn[f] = Signed(r[kSymTurn + f]);
    }
    for (int i = 0; i < 4; ++i)
        c.netbox[i] = Signed(r[kNetBox + i]);
    for (int a = 0; a < kAnswers; ++a)
        for (int k = 0; k < kVisibleFaces; ++k) {
            c.anssym[a][k] = Signed(r[kAnsSym + 3 * a + k]);
            c.ansturn[a][k] = Signed(r[kAnsTurn + 3 * a + k]);
        }
    c.correct = Signed(r[kCorrect]);
    for (int k = 0; k < kVisibleFaces; ++k)
        c.corfaces[k] = Signed(r[kCorFaces + k]);
    c.kind = Signed(r[kKind]);
    for (int a = 0; a < kAnswers; ++a)
        c.chosen[a] = Signed(r[kChosen + a]);
    c.tstart = GetDouble(&r[kTStart]);
    c.tstop = GetDouble(&r[kTStop]);
}

} // namespace vexlor
