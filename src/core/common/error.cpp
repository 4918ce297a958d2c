// The texts of the messages that quote what the user typed or named.
#include "common/error.h"

namespace hullcalc {

namespace messages {
std::string notANumber(std::string_view text)
{
    std::string message = "'";
    message += messageExcerpt(text);
    message += "' is not a valid floating point value";
    return message;
}
}  // namespace messages

std::size_t utf8SequenceLength(std::string_view text, std::size_t i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    std::size_t length = 0;
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
        length = 3;
    else if (lead >= 0xF0 && lead <= 0xF4)
        length = 4;
    else
        return 0;
    if (i + length > text.size())
        return 0;
    for (std::size_t k = 1; k < length; ++k)
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
    // Overlong forms, UTF-16 surrogates and code points past U+10FFFF.
    if ((lead == 0xE0 && byte(i + 1) < 0xA0) || (lead == 0xED && byte(i + 1) >= 0xA0)
        || (lead == 0xF0 && byte(i + 1) < 0x90) || (lead == 0xF4 && byte(i + 1) >= 0x90))
        return 0;
    return length;
}

namespace {

std::string hexEscape(unsigned value)
{
    constexpr const char* digits = "0123456789ABCDEF";
    return std::string("\\x") + digits[(value >> 4) & 0xF] + digits[value & 0xF];
}

}  // namespace

std::string messageExcerpt(std::string_view text, std::size_t maxCharacters)
{
    std::string excerpt;
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size();) {
        if (characters++ == maxCharacters)
            return excerpt + "…";
        const std::size_t length = utf8SequenceLength(text, i);
        const auto lead = static_cast<unsigned char>(text[i]);
        // A control character would move the terminal's cursor, ring its bell or
        // start a new line that looks like another message: each is shown as
        // an escape, as are the C1 controls (U+0080..U+009F, C2 80..C2 9F) and
        // bytes that are no UTF-8.
        if (length == 0) {
            excerpt += hexEscape(lead);
            ++i;
            continue;
        }
        if (length == 1 && (lead < 0x20 || lead == 0x7F)) {
            excerpt += lead == '\n' ? "\\n" : lead == '\r' ? "\\r" : lead == '\t' ? "\\t" : hexEscape(lead);
        } else if (length == 2 && lead == 0xC2 && static_cast<unsigned char>(text[i + 1]) < 0xA0) {
            excerpt += hexEscape(static_cast<unsigned char>(text[i + 1]));
        } else {
            excerpt.append(text.substr(i, length));
        }
        i += length;
    }
    return excerpt;
}

}  // namespace hullcalc
