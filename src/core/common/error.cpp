// The texts of the messages that quote what the user typed or named.
#include "common/error.h"

#include "common/utf8_text.h"

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

std::string messageExcerpt(std::string_view text, std::size_t maxCharacters)
{
    // A character starts at every byte that is not a UTF-8 continuation byte
    // (10xxxxxx). A character has at most three of them, so in malformed text a
    // longer run of continuation bytes counts as further characters.
    std::size_t characters = 0;
    std::size_t continuationBytes = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!startsCharacter(text[i]) && i > 0 && continuationBytes < 3) {
            ++continuationBytes;
            continue;
        }
        continuationBytes = 0;
        if (characters++ == maxCharacters)
            return std::string(text.substr(0, i)) + "…";
    }
    return std::string(text);
}

}  // namespace hullcalc
