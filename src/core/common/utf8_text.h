// Characters, not bytes, of UTF-8 texts: the width of a column of Cyrillic
// captions, the place of a character in a line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace hullcalc {

// Whether a byte begins a character: every byte that is not a UTF-8
// continuation byte (10xxxxxx) does.
constexpr bool startsCharacter(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) != 0x80; }

// The characters of `text`, counted by the bytes that begin one.
std::size_t characterCount(std::string_view text);

// The end of `text` that holds its last `maxCharacters` characters (all of
// it when shorter), cut where a character begins.
std::string_view lastCharacters(std::string_view text, std::size_t maxCharacters);

// What nextCodePoint gives for bytes that are no UTF-8.
inline constexpr std::uint32_t malformedCodePoint = 0xFFFFFFFF;

// Decodes the UTF-8 sequence at text[i] and moves i past it. A malformed
// sequence gives malformedCodePoint once for its maximal subpart, as the
// Unicode Standard recommends (chapter 3, "U+FFFD Substitution of Maximal
// Subparts"): the longest start of a well-formed sequence, or else the single
// byte. So an overlong form, a surrogate or a code point beyond U+10FFFF is
// refused at the byte that makes it so ("C0 80" is two malformed bytes,
// "ED A0 80" three), a truncated sequence counts once ("E2 82" before "z"),
// and no character that follows a broken one is ever swallowed.
std::uint32_t nextCodePoint(std::string_view text, std::size_t& i);

// The length in bytes of the well-formed UTF-8 character at text[i], 0 when
// the bytes there are none (a stray continuation byte, a cut or overlong
// sequence, a surrogate). `i` lies within `text`.
std::size_t utf8SequenceLength(std::string_view text, std::size_t i);

}  // namespace hullcalc
