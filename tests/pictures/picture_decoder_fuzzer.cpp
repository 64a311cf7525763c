// libFuzzer target for the picture readers: any bytes decode to a picture of the stated
// size or are refused with a PictureError.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "simhost/pictures/picture_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        const fx::pictures::Picture picture =
            fx::pictures::decode_picture(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz");
        if (picture.rgba.size() != static_cast<std::size_t>(picture.width) * picture.height * 4) std::abort();
    } catch (const fx::pictures::PictureError&) {}
    return 0;
}
