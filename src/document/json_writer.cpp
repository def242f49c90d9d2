#include "document/json_writer.h"

#include "form/portable.h"
#include "form/utf8.h"

#include <charconv>
#include <cmath>

namespace gelvant {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

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
        } else if ((used = utf8SequenceLength(text)) == 0) {
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
    const std::string text = shortestText(value);
    out_ += text;
    if (text.find_first_of(".eE") == std::string::npos) {
        out_ += ".0"; // a whole float still reads as a float
    }
}

void JsonWriter::boolean(bool value) {
    beforeValue();
    out_ += value ? "true" : "false";
}

} // namespace gelvant
