#pragma once
// A small JSON writer for fxhost's reports: objects and arrays with two-space
// indentation, short number arrays on one line.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace fx::fxhost {

// `bytes` as a JSON string literal. Definition texts are 8-bit and need not be UTF-8:
// well-formed UTF-8 sequences are kept, every other byte above 0x7E and every control
// byte is written as \u00XX (the byte read as Latin-1), so any input gives valid JSON
// and no byte is lost.
std::string json_string(std::string_view bytes);

// A float as a JSON number that reads back to the same float (up to 9 significant
// digits). JSON has no NaN or infinity; those are written as the strings "NaN",
// "Infinity" and "-Infinity", which keeps the output valid and the value visible.
std::string json_float(float value);

class JsonWriter {
public:
    void begin_object();
    void end_object();
    // `one_line` keeps the elements on the opening line: for short arrays of numbers.
    void begin_array(bool one_line = false);
    void end_array();

    // Inside an object: the key of the next value.
    void key(std::string_view name);

    void value(std::string_view text);
    void value(const char* text) { value(std::string_view(text)); }
    void value(int64_t number);
    void value(int32_t number) { value(static_cast<int64_t>(number)); }
    void value(bool flag);
    void value(float number);

    const std::string& text() const { return out_; }

private:
    struct Level {
        bool object;
        bool one_line;
        int count;
    };
    void before_value();
    void raw(std::string_view token);
    void newline_indent();

    std::string out_;
    std::vector<Level> levels_;
    bool after_key_ = false;
};

}  // namespace fx::fxhost
