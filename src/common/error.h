// The one way a calculation or a file operation reports a failure: an exception
// carrying the message the user sees. The windows show it in a message box; the
// action stops where it was thrown and keeps what it had written.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace hullcalc {

class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

namespace messages {
inline constexpr std::string_view divisionByZero = "Floating point division by zero";
inline constexpr std::string_view invalidOperation = "Invalid floating point operation";
inline constexpr std::string_view overflow = "Floating point overflow";

// "'%s' is not a valid floating point value", with the offending text in place of
// %s, shortened by messageExcerpt.
std::string notANumber(std::string_view text);
}  // namespace messages

// A text as a message quotes it: whole when it has at most maxCharacters UTF-8
// characters, else its first maxCharacters characters and "…", so that a huge
// argument or cell does not fill the message box. Never splits a character.
std::string messageExcerpt(std::string_view text, std::size_t maxCharacters = 100);

}  // namespace hullcalc
