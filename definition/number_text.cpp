#include "definition/number_text.h"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace fx {

int32_t read_int(std::string_view text) {
    // strtol needs a terminated string; the copy also stops at an embedded NUL, as atoi does.
    const std::string terminated(text);
    const long long value = std::strtoll(terminated.c_str(), nullptr, 10);
    if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(value);
}

float read_float(std::string_view text) {
    const std::string terminated(text);
    const double value = std::strtod(terminated.c_str(), nullptr);
    // Converting an out-of-range double to float is undefined in C++; give the IEEE result.
    // Values up to half a float step above the largest float still round to it (so the
    // largest float's own printed form reads back), from the half-way point on they overflow.
    const double overflow = double(std::numeric_limits<float>::max()) + std::ldexp(1.0, 103);
    if (std::isfinite(value) && std::fabs(value) >= overflow)
        return value > 0 ? std::numeric_limits<float>::infinity() : -std::numeric_limits<float>::infinity();
    return static_cast<float>(value);
}

}  // namespace fx
