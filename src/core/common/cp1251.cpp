// Conversion between UTF-8 and the Windows-1251 code page, byte by byte.
#include "common/cp1251.h"

#include <array>
#include <cstdint>

namespace hullcalc {

namespace {

// Unicode code points of the bytes 0x80 to 0xFF.
constexpr std::array<char16_t, 128> upperHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 0x88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 0x98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // 0xA0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // 0xA8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // 0xB0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // 0xB8
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,  // 0xC0
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,  // 0xC8
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,  // 0xD0
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,  // 0xD8
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,  // 0xE0
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,  // 0xE8
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,  // 0xF0
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,  // 0xF8
};

void appendUtf8(std::string& out, std::uint32_t codePoint)
{
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

constexpr std::uint32_t malformed = 0xFFFFFFFF;

// Decodes the UTF-8 sequence at text[i] and moves i past it. A malformed
// sequence gives `malformed` once for its maximal subpart, as the Unicode
// Standard recommends (chapter 3, "U+FFFD Substitution of Maximal Subparts"):
// the longest start of a well-formed sequence, or else the single byte. So an
// overlong form, a surrogate or a code point beyond U+10FFFF is refused at the
// byte that makes it so ("C0 80" is two malformed bytes, "ED A0 80" three), a
// truncated sequence counts once ("E2 82" before "z"), and no character that
// follows a broken one is ever swallowed.
std::uint32_t nextCodePoint(std::string_view text, std::size_t& i)
{
    const auto lead = static_cast<unsigned char>(text[i++]);
    if (lead < 0x80)
        return lead;
    // The well-formed sequences (Table 3-7): the number of continuation bytes
    // and the range the first of them must lie in; the others lie in 80..BF.
    int continuation = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        continuation = 1;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        continuation = 2;
        if (lead == 0xE0)
            low = 0xA0;  // below: an overlong form of U+0000..U+07FF
        else if (lead == 0xED)
            high = 0x9F;  // above: the surrogates U+D800..U+DFFF
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        continuation = 3;
        if (lead == 0xF0)
            low = 0x90;  // below: an overlong form of U+0000..U+FFFF
        else if (lead == 0xF4)
            high = 0x8F;  // above: beyond U+10FFFF
    } else {
        return malformed;  // a continuation byte, C0, C1 or F5..FF: starts nothing
    }
    std::uint32_t codePoint = lead & (0x3Fu >> continuation);
    for (int k = 0; k < continuation; ++k, low = 0x80, high = 0xBF) {
        if (i == text.size())
            return malformed;
        const auto next = static_cast<unsigned char>(text[i]);
        if (next < low || next > high)
            return malformed;  // the byte is not consumed: it may start the next sequence
        codePoint = (codePoint << 6) | (next & 0x3Fu);
        ++i;
    }
    return codePoint;
}

}  // namespace

std::string encodeCp1251(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const std::uint32_t codePoint = nextCodePoint(utf8, i);
        if (codePoint < 0x80) {
            out += static_cast<char>(codePoint);
            continue;
        }
        char encoded = '?';
        for (std::size_t k = 0; k < upperHalf.size(); ++k) {
            if (upperHalf[k] == codePoint) {
                encoded = static_cast<char>(0x80 + k);
                break;
            }
        }
        out += encoded;
    }
    return out;
}

std::string decodeCp1251(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        appendUtf8(out, byte < 0x80 ? byte : upperHalf[byte - 0x80u]);
    }
    return out;
}

}  // namespace hullcalc
