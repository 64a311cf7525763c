#include "tests/fuzz/image_decoder_fuzz_target.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "host/image_records.h"
#include "interactive/image_pixel_limit.h"
#include "interactive/jpeg_decoder.h"
#include "interactive/png_decoder.h"

namespace fx::test {
namespace {

// One file per process, rewritten for every input: the decoders read paths.
const std::string& input_path() {
    static const std::string path = [] {
        const char* folder = std::getenv("TMPDIR");
        return std::string(folder != nullptr && *folder != '\0' ? folder : "/tmp") + "/fx_image_fuzz_" +
               std::to_string(getpid());
    }();
    return path;
}

bool write_input(const std::uint8_t* data, std::size_t size) {
    std::FILE* file = std::fopen(input_path().c_str(), "wb");
    if (file == nullptr) return false;
    const bool written = size == 0 || std::fwrite(data, 1, size, file) == size;
    return std::fclose(file) == 0 && written;
}

std::string check(int result, const Image& image, bool jpeg) {
    if (result != 0) {
        if (result > 0 || (jpeg && result != -1) || result < -4) return "unknown result " + std::to_string(result);
        return image.empty() && image.width == 0 && image.height == 0 && image.channels == 0
                   ? ""
                   : "a failure left a picture behind";
    }
    if (!image_size_allowed(image.width, image.height)) return "a picture beyond the size limit";
    if (image.channels != (jpeg ? 3 : 4)) return "channels " + std::to_string(image.channels);
    const std::size_t expected = std::size_t{image.width} * image.height * image.channels;
    if (image.pixels.size() != expected) return "pixel bytes do not match width x height x channels";
    return "";
}

}  // namespace

std::string fuzz_decode_png(const std::uint8_t* data, std::size_t size) {
    if (!write_input(data, size)) return "";  // nothing to test without the file
    Image image;
    const int result = DecodePng(input_path(), image, true);
    std::remove(input_path().c_str());
    return check(result, image, false);
}

std::string fuzz_decode_jpeg(const std::uint8_t* data, std::size_t size) {
    if (!write_input(data, size)) return "";
    Image image;
    const int result = DecodeJpeg(input_path(), image);
    std::remove(input_path().c_str());
    return check(result, image, true);
}

}  // namespace fx::test
