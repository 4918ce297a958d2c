// A small streaming JSON writer: UTF-8 text in, commas and escapes handled.
#pragma once

#include <ostream>
#include <string_view>
#include <vector>

namespace hullcalc {

class JsonWriter {
public:
    explicit JsonWriter(std::ostream& out) : out_(out) {}

    void beginObject();
    void endObject();
    void beginArray();
    void endArray();
    void key(std::string_view name);
    void value(std::string_view text);
    void value(const char* text) { value(std::string_view(text)); }
    void value(double number);
    void value(int number);
    void value(bool flag);
    void null();

private:
    void separate();

    std::ostream& out_;
    // One entry per open object or array: whether it already holds an element.
    std::vector<bool> hasElement_;
    bool afterKey_ = false;
};

}  // namespace hullcalc
