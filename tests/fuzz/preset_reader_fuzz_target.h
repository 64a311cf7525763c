#pragma once
// One fuzz input through the preset reader, taken both as a preset file and as the plain
// text inside one: the reader must never crash, and whatever it accepts must survive
// being written again, while every cut of the written file is refused.
#include <cstddef>
#include <cstdint>
#include <string>

namespace fx::test {

// "" when every check holds, else what broke.
std::string fuzz_preset_reader(const uint8_t* data, size_t size);

}  // namespace fx::test
