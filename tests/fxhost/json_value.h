#pragma once
// A strict JSON reader for checking fxhost's output: anything that is not valid JSON
// (bare NaN, control characters in strings, trailing commas, trailing text) is an error.
#include <cstdint>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace fx::test {

struct JsonValue {
    enum class Kind { null, boolean, number, string, array, object };
    Kind kind = Kind::null;
    bool boolean = false;
    std::string text;  // string value (decoded to UTF-8), or the number as written
    std::vector<JsonValue> elements;
    std::map<std::string, JsonValue> members;
    std::vector<std::string> member_order;

    const JsonValue& operator[](const std::string& key) const {
        auto found = members.find(key);
        if (kind != Kind::object || found == members.end()) throw std::out_of_range("no member \"" + key + "\"");
        return found->second;
    }
    const JsonValue& operator[](size_t index) const {
        if (kind != Kind::array || index >= elements.size())
            throw std::out_of_range("no element " + std::to_string(index));
        return elements[index];
    }
    bool has(const std::string& key) const { return kind == Kind::object && members.count(key) > 0; }
    size_t size() const { return kind == Kind::object ? members.size() : elements.size(); }
    int64_t integer() const { return std::stoll(text); }
};

class JsonReader {
public:
    explicit JsonReader(const std::string& text) : text_(text) {}

    JsonValue read_document() {
        JsonValue value = read_value();
        skip_blanks();
        if (at_ != text_.size()) fail("text after the value");
        return value;
    }

private:
    [[noreturn]] void fail(const std::string& what) const {
        throw std::runtime_error("json: " + what + " at byte " + std::to_string(at_));
    }
    void skip_blanks() {
        while (at_ < text_.size() &&
               (text_[at_] == ' ' || text_[at_] == '\n' || text_[at_] == '\r' || text_[at_] == '\t'))
            ++at_;
    }
    bool take(char c) {
        skip_blanks();
        if (at_ < text_.size() && text_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }
    void expect(char c) {
        if (!take(c)) fail(std::string("expected '") + c + "'");
    }
    bool take_word(const char* word) {
        std::string w(word);
        if (text_.compare(at_, w.size(), w) != 0) return false;
        at_ += w.size();
        return true;
    }

    JsonValue read_value() {
        skip_blanks();
        if (at_ >= text_.size()) fail("unexpected end");
        JsonValue value;
        char c = text_[at_];
        if (c == '{') return read_object();
        if (c == '[') return read_array();
        if (c == '"') {
            value.kind = JsonValue::Kind::string;
            value.text = read_string();
            return value;
        }
        if (take_word("true")) {
            value.kind = JsonValue::Kind::boolean;
            value.boolean = true;
            return value;
        }
        if (take_word("false")) {
            value.kind = JsonValue::Kind::boolean;
            return value;
        }
        if (take_word("null")) return value;
        return read_number();
    }

    JsonValue read_object() {
        JsonValue value;
        value.kind = JsonValue::Kind::object;
        expect('{');
        if (take('}')) return value;
        do {
            skip_blanks();
            if (at_ >= text_.size() || text_[at_] != '"') fail("expected a key");
            std::string key = read_string();
            if (value.members.count(key)) fail("duplicate key " + key);
            expect(':');
            value.members[key] = read_value();
            value.member_order.push_back(key);
        } while (take(','));
        expect('}');
        return value;
    }

    JsonValue read_array() {
        JsonValue value;
        value.kind = JsonValue::Kind::array;
        expect('[');
        if (take(']')) return value;
        do value.elements.push_back(read_value());
        while (take(','));
        expect(']');
        return value;
    }

    JsonValue read_number() {
        size_t start = at_;
        auto digits = [&] {
            size_t from = at_;
            while (at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9') ++at_;
            return at_ > from;
        };
        if (at_ < text_.size() && text_[at_] == '-') ++at_;
        if (at_ < text_.size() && text_[at_] == '0')
            ++at_;
        else if (!digits())
            fail("expected a value");
        if (at_ < text_.size() && text_[at_] == '.') {
            ++at_;
            if (!digits()) fail("expected digits after '.'");
        }
        if (at_ < text_.size() && (text_[at_] == 'e' || text_[at_] == 'E')) {
            ++at_;
            if (at_ < text_.size() && (text_[at_] == '+' || text_[at_] == '-')) ++at_;
            if (!digits()) fail("expected exponent digits");
        }
        JsonValue value;
        value.kind = JsonValue::Kind::number;
        value.text = text_.substr(start, at_ - start);
        return value;
    }

    static void append_utf8(std::string& out, uint32_t code) {
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (code >> 18));
            out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }

    uint32_t read_hex4() {
        if (at_ + 4 > text_.size()) fail("short \\u escape");
        uint32_t code = 0;
        for (int i = 0; i < 4; ++i) {
            char h = text_[at_++];
            code <<= 4;
            if (h >= '0' && h <= '9')
                code |= h - '0';
            else if (h >= 'a' && h <= 'f')
                code |= h - 'a' + 10;
            else if (h >= 'A' && h <= 'F')
                code |= h - 'A' + 10;
            else
                fail("bad hex digit");
        }
        return code;
    }

    std::string read_string() {
        ++at_;  // opening quote
        std::string out;
        while (true) {
            if (at_ >= text_.size()) fail("unterminated string");
            unsigned char c = static_cast<unsigned char>(text_[at_++]);
            if (c == '"') return out;
            if (c < 0x20) fail("raw control character in a string");
            if (c != '\\') {
                out += static_cast<char>(c);
                continue;
            }
            if (at_ >= text_.size()) fail("unterminated escape");
            char e = text_[at_++];
            switch (e) {
                case '"':
                    out += '"';
                    break;
                case '\\':
                    out += '\\';
                    break;
                case '/':
                    out += '/';
                    break;
                case 'b':
                    out += '\b';
                    break;
                case 'f':
                    out += '\f';
                    break;
                case 'n':
                    out += '\n';
                    break;
                case 'r':
                    out += '\r';
                    break;
                case 't':
                    out += '\t';
                    break;
                case 'u':
                    append_utf8(out, read_hex4());
                    break;
                default:
                    fail("unknown escape");
            }
        }
    }

    const std::string& text_;
    size_t at_ = 0;
};

inline JsonValue parse_json(const std::string& text) { return JsonReader(text).read_document(); }

}  // namespace fx::test
