#include "host/banner/banner_encoding.h"

namespace fx {

std::vector<std::uint8_t> pack_run_length_pairs(std::span<const std::uint8_t> bytes) {
    std::vector<std::uint8_t> pairs;
    for (std::size_t i = 0; i < bytes.size();) {
        const std::uint8_t value = bytes[i];
        std::size_t run = 1;
        while (run < 255 && i + run < bytes.size() && bytes[i + run] == value) ++run;
        pairs.push_back(value);
        pairs.push_back(static_cast<std::uint8_t>(run));
        i += run;
    }
    return pairs;
}

std::vector<std::uint8_t> unpack_run_length_pairs(std::span<const std::uint8_t> pairs, std::size_t expected_size) {
    if (pairs.size() % 2 != 0) return {};
    std::vector<std::uint8_t> bytes;
    bytes.reserve(expected_size);
    for (std::size_t i = 0; i < pairs.size(); i += 2) {
        const std::size_t run = pairs[i + 1];
        if (run == 0 || bytes.size() + run > expected_size) return {};
        bytes.insert(bytes.end(), run, pairs[i]);
    }
    if (bytes.size() != expected_size) return {};
    return bytes;
}

}  // namespace fx
