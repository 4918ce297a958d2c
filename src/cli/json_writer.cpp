#include "cli/json_writer.h"

#include "common/checked_math.h"

#include <array>
#include <charconv>
#include <cmath>

namespace hullcalc {

void JsonWriter::separate()
{
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!hasElement_.empty()) {
        if (hasElement_.back())
            out_ << ',';
        hasElement_.back() = true;
    }
}

void JsonWriter::beginObject()
{
    separate();
    out_ << '{';
    hasElement_.push_back(false);
}

void JsonWriter::endObject()
{
    hasElement_.pop_back();
    out_ << '}';
}

void JsonWriter::beginArray()
{
    separate();
    out_ << '[';
    hasElement_.push_back(false);
}

void JsonWriter::endArray()
{
    hasElement_.pop_back();
    out_ << ']';
}

void JsonWriter::key(std::string_view name)
{
    value(name);
    out_ << ':';
    afterKey_ = true;
}

void JsonWriter::value(std::string_view text)
{
    separate();
    out_ << '"';
    for (const char c : text) {
        switch (c) {
        case '"':
            out_ << "\\\"";
            break;
        case '\\':
            out_ << "\\\\";
            break;
        case '\n':
            out_ << "\\n";
            break;
        case '\r':
            out_ << "\\r";
            break;
        case '\t':
            out_ << "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                static constexpr char hex[] = "0123456789abcdef";
                out_ << "\\u00" << hex[(c >> 4) & 0xF] << hex[c & 0xF];
            } else {
                out_ << c;
            }
        }
    }
    out_ << '"';
}

void JsonWriter::value(double number)
{
    separate();
    // JSON has no infinity or NaN; the calculations never produce them.
    requireFinite(number);
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), number);
    out_.write(buffer.data(), result.ptr - buffer.data());
    if (number == std::floor(number) && std::fabs(number) < 1e15)
        out_ << ".0";
}

void JsonWriter::value(int number)
{
    separate();
    out_ << number;
}

void JsonWriter::value(bool flag)
{
    separate();
    out_ << (flag ? "true" : "false");
}

void JsonWriter::null()
{
    separate();
    out_ << "null";
}

}  // namespace hullcalc
