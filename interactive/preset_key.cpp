#include "interactive/preset_key.h"

#include <nettle/md5.h>

#include <cstdint>

namespace fx {

std::string md5_hex(std::string_view bytes) {
    md5_ctx context;
    md5_init(&context);
    md5_update(&context, bytes.size(), reinterpret_cast<const std::uint8_t*>(bytes.data()));
    std::uint8_t digest[MD5_DIGEST_SIZE];
    md5_digest(&context, MD5_DIGEST_SIZE, digest);
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out;
    out.reserve(2 * MD5_DIGEST_SIZE);
    for (std::uint8_t byte : digest) {
        out += kDigits[byte >> 4];
        out += kDigits[byte & 0x0F];
    }
    return out;
}

const std::string& preset_key() {
    static const std::string key = md5_hex(kPresetKeyTag);
    return key;
}

}  // namespace fx
