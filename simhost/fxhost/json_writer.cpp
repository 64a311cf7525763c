#include "simhost/fxhost/json_writer.h"

#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace fx::fxhost {
namespace {

// Length of the well-formed UTF-8 sequence starting at `at`, or 0 when the bytes there
// are not one (stray continuation bytes, overlong forms, surrogates, code points above
// U+10FFFF, truncated sequences).
size_t utf8_sequence_length(std::string_view bytes, size_t at) {
    auto byte = [&](size_t i) { return static_cast<unsigned char>(bytes[i]); };
    unsigned char lead = byte(at);
    size_t length;
    unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (at + length > bytes.size()) return 0;
    if (byte(at + 1) < low || byte(at + 1) > high) return 0;
    for (size_t i = 2; i < length; ++i)
        if (byte(at + i) < 0x80 || byte(at + i) > 0xBF) return 0;
    return length;
}

void append_escape(std::string& out, unsigned char c) {
    char code[8];
    std::snprintf(code, sizeof code, "\\u%04x", c);
    out += code;
}

}  // namespace

std::string json_string(std::string_view bytes) {
    std::string out = "\"";
    for (size_t i = 0; i < bytes.size();) {
        unsigned char c = static_cast<unsigned char>(bytes[i]);
        if (c >= 0x80) {
            size_t length = utf8_sequence_length(bytes, i);
            if (length) {
                out.append(bytes.substr(i, length));
                i += length;
            } else {
                append_escape(out, c);
                ++i;
            }
            continue;
        }
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (c < 0x20 || c == 0x7F)
                    append_escape(out, c);
                else
                    out += static_cast<char>(c);
        }
        ++i;
    }
    return out + "\"";
}

std::string json_float(float value) {
    if (std::isnan(value)) return "\"NaN\"";
    if (std::isinf(value)) return value > 0 ? "\"Infinity\"" : "\"-Infinity\"";
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
    return text;
}

void JsonWriter::newline_indent() {
    out_ += '\n';
    out_.append(2 * levels_.size(), ' ');
}

void JsonWriter::before_value() {
    if (levels_.empty()) {
        if (!out_.empty()) throw std::logic_error("JsonWriter: a second top-level value");
        return;
    }
    Level& level = levels_.back();
    if (level.object) {
        if (!after_key_) throw std::logic_error("JsonWriter: a value in an object without a key");
        after_key_ = false;
        return;
    }
    if (level.count++ > 0) out_ += level.one_line ? ", " : ",";
    if (!level.one_line) newline_indent();
}

void JsonWriter::raw(std::string_view token) {
    before_value();
    out_ += token;
}

void JsonWriter::key(std::string_view name) {
    if (levels_.empty() || !levels_.back().object || after_key_)
        throw std::logic_error("JsonWriter: a key outside an object");
    if (levels_.back().count++ > 0) out_ += ',';
    newline_indent();
    out_ += json_string(name);
    out_ += ": ";
    after_key_ = true;
}

void JsonWriter::begin_object() {
    raw("{");
    levels_.push_back({true, false, 0});
}

void JsonWriter::begin_array(bool one_line) {
    bool parent_one_line = !levels_.empty() && levels_.back().one_line;
    raw("[");
    levels_.push_back({false, one_line || parent_one_line, 0});
}

void JsonWriter::end_object() {
    if (levels_.empty() || !levels_.back().object || after_key_)
        throw std::logic_error("JsonWriter: end_object without an open object");
    bool empty = levels_.back().count == 0;
    levels_.pop_back();
    if (!empty) newline_indent();
    out_ += '}';
}

void JsonWriter::end_array() {
    if (levels_.empty() || levels_.back().object) throw std::logic_error("JsonWriter: end_array without an open array");
    Level level = levels_.back();
    levels_.pop_back();
    if (level.count > 0 && !level.one_line) newline_indent();
    out_ += ']';
}

void JsonWriter::value(std::string_view text) { raw(json_string(text)); }
void JsonWriter::value(int64_t number) { raw(std::to_string(number)); }
void JsonWriter::value(bool flag) { raw(flag ? "true" : "false"); }
void JsonWriter::value(float number) { raw(json_float(number)); }

}  // namespace fx::fxhost
