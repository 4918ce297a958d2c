// The texts of the messages that quote what the user typed or named, and
// their Russian wording.
#include "common/error.h"

#include "common/utf8_text.h"

#include <array>
#include <utility>

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

namespace {

using Wording = std::pair<std::string_view, std::string_view>;

constexpr std::array<Wording, 3> arithmeticWordings = {{
    {messages::divisionByZero, "Деление на ноль при расчете: проверьте исходные данные"},
    {messages::invalidOperation,
     "Недопустимая операция при расчете (0/0 или корень из отрицательного числа): проверьте исходные данные"},
    {messages::overflow, "Переполнение при расчете: числа слишком велики"},
}};

// Lower case where the text follows a colon inside a longer message.
struct FileWording {
    std::string_view system, opening, inside;
};
constexpr std::array<FileWording, 12> fileWordings = {{
    {"File not found", "Файл не найден", "файл не найден"},
    {"File access denied", "Нет доступа к файлу", "нет доступа к файлу"},
    {"Disk full", "Диск переполнен", "диск переполнен"},
    {"Invalid filename", "Недопустимое имя файла", "недопустимое имя файла"},
    {"Too many open files", "Слишком много открытых файлов", "слишком много открытых файлов"},
    {"Is a directory", "Это папка, а не файл", "это папка, а не файл"},
    {"Is a pipe", "Это именованный канал, а не файл", "это именованный канал, а не файл"},
    {"Not a regular file", "Это устройство, а не обычный файл", "это устройство, а не обычный файл"},
    {"Pipe has no reader", "Из канала никто не читает", "из канала никто не читает"},
    {"File exists", "Файл с таким именем уже есть", "файл с таким именем уже есть"},
    {"File too large", "Файл слишком большой для этого диска или превышен предел размера файла",
     "файл слишком большой для этого диска или превышен предел размера файла"},
    {"I/O error", "Ошибка ввода-вывода", "ошибка ввода-вывода"},
}};

constexpr std::string_view notANumberSuffix = "' is not a valid floating point value";
constexpr std::string_view fileLine = "\nФайл: ";

}  // namespace

std::string userMessage(std::string_view systemMessage)
{
    const std::size_t newline = systemMessage.find('\n');
    std::string first(systemMessage.substr(0, newline));
    std::string rest(newline == std::string_view::npos ? std::string_view() : systemMessage.substr(newline));

    if (first.size() >= notANumberSuffix.size() + 1 && first.front() == '\'' && first.ends_with(notANumberSuffix)) {
        const std::string typed = first.substr(1, first.size() - 1 - notANumberSuffix.size());
        first = typed.empty() ? std::string("Пустое значение: нужно число")
                              : "Не число: «" + typed + "» (десятичный разделитель — запятая)";
        return first + rest;
    }
    for (const auto& [system, russian] : arithmeticWordings)
        if (first == system)
            return std::string(russian) + rest;
    for (const FileWording& wording : fileWordings) {
        if (first.starts_with(wording.system)) {
            first = std::string(wording.opening) + first.substr(wording.system.size());
            // The file's name on the same line: «Файл не найден: /path».
            if (rest.starts_with(fileLine))
                return first + ": " + rest.substr(fileLine.size());
            return first + rest;
        }
        const std::string inside = ": " + std::string(wording.system);
        if (const std::size_t at = first.find(inside); at != std::string::npos)
            first.replace(at + 2, wording.system.size(), wording.inside);
    }
    return first + rest;
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
