// Characters, not bytes, of UTF-8 texts: the width of a column of Cyrillic
// captions, the place of a character in a line.
#pragma once

#include <cstddef>
#include <string_view>

namespace hullcalc {

// Whether a byte begins a character: every byte that is not a UTF-8
// continuation byte (10xxxxxx) does.
constexpr bool startsCharacter(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) != 0x80; }

// The characters of `text`, counted by the bytes that begin one.
std::size_t characterCount(std::string_view text);

}  // namespace hullcalc
