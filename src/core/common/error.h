// The one way a calculation or a file operation reports a failure: an exception
// carrying the message the user sees. The windows show it in a message box; the
// action stops where it was thrown and keeps what it had written.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

namespace hullcalc {

class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TextGrid;

// A failure in one cell of a grid, such as a text that is not a number. The
// window or tool that shows the grid names the cell beside the message and
// can select it.
class CellError : public Error {
public:
    CellError(const std::string& message, const TextGrid& grid, int column, int row)
        : Error(message), grid_(&grid), column_(column), row_(row)
    {}

    const TextGrid& grid() const { return *grid_; }
    int column() const { return column_; }
    int row() const { return row_; }

private:
    const TextGrid* grid_;
    int column_;
    int row_;
};

// A failure in one named input that is neither a grid cell nor a main
// particular (the wave height, the allowable stress): `place` is where the
// window shows it, as «Судно на волне», «Высота волны h, м».
class FieldError : public Error {
public:
    FieldError(const std::string& message, std::string place) : Error(message), place_(std::move(place)) {}

    const std::string& place() const { return place_; }

private:
    std::string place_;
};

namespace messages {
inline constexpr std::string_view divisionByZero = "Floating point division by zero";
inline constexpr std::string_view invalidOperation = "Invalid floating point operation";
inline constexpr std::string_view overflow = "Floating point overflow";

// "'%s' is not a valid floating point value", with the offending text in place of
// %s, shortened by messageExcerpt.
std::string notANumber(std::string_view text);
}  // namespace messages

// The message as the user reads it, opening with a Russian sentence: the
// system texts above and those of the file operations ("File not found", ...)
// said in Russian, a file's name on the same line; any other text unchanged.
// The system text itself stays what stored results and callers compare.
std::string userMessage(std::string_view systemMessage);

// A text as a message quotes it: whole when it has at most maxCharacters
// characters, else its first maxCharacters characters and "…", so that a huge
// argument or cell does not fill the message box; never splits a character.
// Control characters are shown escaped ("\n", "\t", "\x1B", the C1 controls
// likewise) and a byte that is no UTF-8 as "\xFF", so a quoted text can neither
// drive the terminal nor forge a line of its own; each escape counts as one
// character.
std::string messageExcerpt(std::string_view text, std::size_t maxCharacters = 100);

}  // namespace hullcalc
