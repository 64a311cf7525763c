#pragma once

#include <cstdint>
#include <string_view>

namespace fx {

// Numbers in definition texts are read the way the C library's atoi and atof read them:
// leading white space is skipped, the longest valid prefix is used, anything else reads
// as 0. Nothing is ever rejected.
//
// Where atoi's result is undefined (a value outside the int32 range) the value is
// clamped to the nearest int32 instead. atof's double becomes a float as the hardware
// converts it: values beyond the float range become infinities, "nan" stays NaN.
int32_t read_int(std::string_view text);
float read_float(std::string_view text);

}  // namespace fx
