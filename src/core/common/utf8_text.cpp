#include "common/utf8_text.h"

#include <algorithm>

namespace hullcalc {

std::size_t characterCount(std::string_view text)
{
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), startsCharacter));
}

std::string_view lastCharacters(std::string_view text, std::size_t maxCharacters)
{
    std::size_t start = text.size();
    for (std::size_t characters = 0; start > 0 && characters < maxCharacters;)
        if (startsCharacter(text[--start]))
            ++characters;
    return text.substr(start);
}

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
        return malformedCodePoint;  // a continuation byte, C0, C1 or F5..FF: starts nothing
    }
    std::uint32_t codePoint = lead & (0x3Fu >> continuation);
    for (int k = 0; k < continuation; ++k, low = 0x80, high = 0xBF) {
        if (i == text.size())
            return malformedCodePoint;
        const auto next = static_cast<unsigned char>(text[i]);
        if (next < low || next > high)
            return malformedCodePoint;  // the byte is not consumed: it may start the next sequence
        codePoint = (codePoint << 6) | (next & 0x3Fu);
        ++i;
    }
    return codePoint;
}

std::size_t utf8SequenceLength(std::string_view text, std::size_t i)
{
    std::size_t next = i;
    return nextCodePoint(text, next) == malformedCodePoint ? 0 : next - i;
}

}  // namespace hullcalc
