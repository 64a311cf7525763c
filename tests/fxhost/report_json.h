#pragma once
// fxhost's JSON reports read back strictly: anything that is not valid JSON (bare NaN,
// control characters or invalid UTF-8 in strings, trailing commas, trailing text)
// throws nlohmann::json::parse_error.
#include <string>

#include <nlohmann/json.hpp>

namespace fx::test {

using Json = nlohmann::ordered_json;

inline Json parse_json(const std::string& text) { return Json::parse(text); }

inline float json_as_float(const Json& value) { return static_cast<float>(value.get<double>()); }

}  // namespace fx::test
