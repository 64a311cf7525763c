#pragma once
// JSON values of the engine's own kinds for fxhost's reports, and the report text.
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

namespace fx::fxhost {

// Objects keep their members in the order they were written: reports read in the
// model's order.
using Json = nlohmann::ordered_json;

// `bytes` as a JSON string. Engine texts are 8-bit and need not be UTF-8: well-formed
// UTF-8 sequences are kept, every other byte is read as Latin-1 (the code point of the
// same number), so any input gives valid JSON and no byte is lost.
Json json_string(std::string_view bytes);

// A float as a JSON number that reads back to the same float: the shortest decimal
// that does. JSON has no NaN or infinity; those are the strings "NaN", "Infinity" and
// "-Infinity", which keeps the output valid and the value visible.
Json json_float(float value);

// The report as printed: two-space indentation, non-ASCII kept as UTF-8, one final
// line feed.
std::string json_report(const Json& report);

}  // namespace fx::fxhost
