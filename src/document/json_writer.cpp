#include "document/json_writer.h"

#include <charconv>
#include <cmath>

namespace gelvant {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

// Length of the well-formed UTF-8 sequence at the start of s, 0 if none.
std::size_t utf8Length(std::string_view s) {
    const auto c = static_cast<unsigned char>(s[0]);
    std::size_t length = 0;
    unsigned codePoint = 0;
    unsigned least = 0;
    if (c < 0x80) {
        return 1;
    }
    if ((c & 0xE0) == 0xC0) {
        length = 2, codePoint = c & 0x1FU, least = 0x80;
    } else if ((c & 0xF0) == 0xE0) {
        length = 3, codePoint = c & 0x0FU, least = 0x800;
    } else if ((c & 0xF8) == 0xF0) {
        length = 4, codePoint = c & 0x07U, least = 0x10000;
    } else {
        return 0;
    }
    if (s.size() < length) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto cc = static_cast<unsigned char>(s[i]);
        if ((cc & 0xC0) != 0x80) {
            return 0;
        }
        codePoint = (codePoint << 6) | (cc & 0x3FU);
    }
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    return codePoint < least || codePoint > 0x10FFFF || surrogate ? 0 : length;
}

} // namespace

void appendJsonString(std::string& out, std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    out += '"';
    while (!text.empty()) {
        const char c = text[0];
        const auto byte = static_cast<unsigned char>(c);
        std::size_t used = 1;
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == '\r') {
            out += "\\r";
        } else if (byte < 0x20) {
            out += "\\u00";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        } else if (byte < 0x80) {
            out += c;
        } else if ((used = utf8Length(text)) == 0) {
            out += kReplacement;
            used = 1;
        } else {
            out.append(text.substr(0, used));
        }
        text.remove_prefix(used);
    }
    out += '"';
}

void JsonWriter::newLine() {
    out_ += '\n';
    out_.append(2 * empty_.size(), ' ');
}

void JsonWriter::beforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!empty_.empty()) {
        if (!empty_.back()) {
            out_ += ',';
        }
        empty_.back() = false;
        newLine();
    }
}

void JsonWriter::key(std::string_view name) {
    beforeValue();
    appendJsonString(out_, name);
    out_ += ": ";
    afterKey_ = true;
}

void JsonWriter::beginObject() {
    beforeValue();
    out_ += '{';
    empty_.push_back(true);
}

void JsonWriter::endObject() {
    const bool wasEmpty = empty_.back();
    empty_.pop_back();
    if (!wasEmpty) {
        newLine();
    }
    out_ += '}';
}

void JsonWriter::beginArray() {
    beforeValue();
    out_ += '[';
    empty_.push_back(true);
}

void JsonWriter::endArray() {
    const bool wasEmpty = empty_.back();
    empty_.pop_back();
    if (!wasEmpty) {
        newLine();
    }
    out_ += ']';
}

void JsonWriter::string(std::string_view text) {
    beforeValue();
    appendJsonString(out_, text);
}

void JsonWriter::integer(std::int64_t number) {
    beforeValue();
    char buffer[24];
    out_.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, number).ptr);
}

void JsonWriter::number(double value) {
    beforeValue();
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    out_.append(buffer, end);
    if (std::string_view(buffer, static_cast<std::size_t>(end - buffer)).find_first_of(".eE") ==
        std::string_view::npos) {
        out_ += ".0"; // a whole float still reads as a float
    }
}

void JsonWriter::boolean(bool value) {
    beforeValue();
    out_ += value ? "true" : "false";
}

} // namespace gelvant
