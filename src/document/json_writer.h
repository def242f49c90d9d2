#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace gelvant {

// Writes pretty-printed JSON straight into a string, two blanks an indent,
// one member a line, so that two saved designs diff line by line. A design
// of a few hundred rooms is written in a few milliseconds.
class JsonWriter {
public:
    void beginObject();
    void endObject();
    void beginArray();
    void endArray();
    // The name of the next object member.
    void key(std::string_view name);

    void string(std::string_view text);
    void integer(std::int64_t number);
    // A finite double as the shortest text that reads back to it.
    void number(double value);
    void boolean(bool value);

    std::string take() { return std::move(out_); }

private:
    void beforeValue();
    void newLine();

    std::string out_;
    std::vector<bool> empty_; // per open container: nothing written into it yet
    bool afterKey_ = false;
};

// A string as a JSON string literal; bytes that are not UTF-8 become U+FFFD.
void appendJsonString(std::string& out, std::string_view text);

} // namespace gelvant
