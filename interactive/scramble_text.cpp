#include "interactive/scramble_text.h"

#include <cstdint>

namespace fx {
namespace {

// Bytes enter sums and products as signed 8-bit values; all arithmetic wraps around in
// 32 bits, done unsigned so the wrap is defined.
std::uint32_t signed_byte(char c) {
    return static_cast<std::uint32_t>(static_cast<std::int32_t>(static_cast<signed char>(c)));
}

// The keystream walk: `plain_at(i)` gives plain byte i, known for every i before the
// current one in both directions.
class Keystream {
public:
    explicit Keystream(std::string_view key) : key_(key) {}

    // The keystream byte at position i, given the plain byte before it.
    unsigned char next(std::size_t i, char previous_plain) {
        const std::uint32_t k = key_.empty() ? 0u : signed_byte(key_[i % key_.size()]);
        if (i > 0) {
            sum_ += signed_byte(previous_plain);
            if (i % 3 == 0) f_ = signed_byte(previous_plain) * (f_ + 27u);
        }
        const std::uint32_t t = k + static_cast<std::uint32_t>(i) * sum_ + f_;
        return static_cast<unsigned char>(t % 255u);
    }

private:
    std::string_view key_;
    std::uint32_t sum_ = 0;
    std::uint32_t f_ = 0;
};

char mix(char byte, unsigned char t) {
    const auto b = static_cast<unsigned char>(byte);
    return b == t ? byte : static_cast<char>(b ^ t);
}

}  // namespace

std::string ScrambleText(std::string_view plain, std::string_view key) {
    std::string out(plain.size(), '\0');
    Keystream stream(key);
    for (std::size_t i = 0; i < plain.size(); ++i) out[i] = mix(plain[i], stream.next(i, i > 0 ? plain[i - 1] : '\0'));
    return out;
}

std::string UnscrambleText(std::string_view scrambled, std::string_view key) {
    std::string out(scrambled.size(), '\0');
    Keystream stream(key);
    for (std::size_t i = 0; i < scrambled.size(); ++i)
        out[i] = mix(scrambled[i], stream.next(i, i > 0 ? out[i - 1] : '\0'));
    return out;
}

}  // namespace fx
