#pragma once
// Encodes the registration values (host/registration.h) as the host's property list:
// little-endian, a 16-bit list version, a reserved 32-bit word, the property count, then
// each property as vendor, key, id, length and data padded to a multiple of four bytes.

#include <cstdint>
#include <vector>

namespace fx::pipl {

std::vector<std::uint8_t> encode_registration_resource();

}  // namespace fx::pipl
