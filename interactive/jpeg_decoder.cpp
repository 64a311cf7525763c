#include "interactive/jpeg_decoder.h"

// jpeglib.h needs FILE and size_t declared before it.
#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <vector>

#include <jpeglib.h>
// After jpeglib.h, which it needs.
#include <jerror.h>

#include "interactive/image_pixel_limit.h"
#include "platform/path.h"
#include "platform/regular_file.h"

namespace fx {
namespace {

// Progressive files may hold any number of scans, each a pass over the whole picture; a
// small file with hundreds of thousands of empty scans would keep the decoder busy for
// hours. Real encoders write about ten.
constexpr int kMaxScans = 1000;

// libjpeg reports fatal errors through error_exit, which jumps back here. The functions
// that set the jump hold only plain locals, so a jump skips no destructor.
struct JpegErrors {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

[[noreturn]] void jump_back(j_common_ptr info) {
    auto* errors = reinterpret_cast<JpegErrors*>(info->err);
    std::longjmp(errors->jump, 1);
}

// A file cut short is filled up with grey by libjpeg, which only warns about it; such a
// picture is refused like a damaged one. Other warnings (stray bytes between markers,
// which many cameras write) leave the picture intact and are ignored.
void refuse_cut_short(j_common_ptr info, int level) {
    if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) jump_back(info);
}

void limit_scans(j_common_ptr info) {
    auto* decompress = reinterpret_cast<j_decompress_ptr>(info);
    if (decompress->input_scan_number > kMaxScans) jump_back(info);
}

struct JpegRead {
    jpeg_decompress_struct info{};
    JpegErrors errors{};
    jpeg_progress_mgr progress{};
    bool created = false;
    ~JpegRead() {
        if (created) jpeg_destroy_decompress(&info);
    }
};

int read_header(JpegRead& read, std::FILE* file) {
    read.info.err = jpeg_std_error(&read.errors.manager);
    read.errors.manager.error_exit = jump_back;
    read.errors.manager.emit_message = refuse_cut_short;
    if (setjmp(read.errors.jump)) return -1;
    jpeg_create_decompress(&read.info);
    read.created = true;
    read.progress.progress_monitor = limit_scans;
    read.info.progress = &read.progress;
    jpeg_stdio_src(&read.info, file);
    if (jpeg_read_header(&read.info, TRUE) != JPEG_HEADER_OK) return -1;
    if (!image_size_allowed(read.info.image_width, read.info.image_height)) return -1;
    switch (read.info.num_components) {
        case 1:
            read.info.out_color_space = JCS_GRAYSCALE;
            break;
        case 3:
            read.info.out_color_space = JCS_RGB;
            break;
        // YCCK files are turned into CMYK by libjpeg, then into RGB below.
        case 4:
            read.info.out_color_space = JCS_CMYK;
            break;
        default:
            return -1;  // no colour model a picture parameter can show
    }
    return 0;
}

int read_scanlines(JpegRead& read, std::uint8_t* pixels, std::size_t row_bytes) {
    if (setjmp(read.errors.jump)) return -1;
    jpeg_start_decompress(&read.info);
    while (read.info.output_scanline < read.info.output_height) {
        JSAMPROW row = pixels + read.info.output_scanline * row_bytes;
        if (jpeg_read_scanlines(&read.info, &row, 1) != 1) return -1;
    }
    jpeg_finish_decompress(&read.info);
    return 0;
}

// Rows are read in place at the front of each 3-byte-per-pixel row slot; grey and CMYK
// rows are widened from the right so no sample is overwritten before it is read.
void widen_grey(std::uint8_t* row, std::size_t width) {
    for (std::size_t x = width; x-- > 0;) row[x * 3] = row[x * 3 + 1] = row[x * 3 + 2] = row[x];
}

// CMYK pictures are shown in colour rather than as four channels with black as alpha,
// which is what a user opening one expects. Photoshop writes Adobe CMYK inverted
// (255 = no ink); other encoders store ink amounts directly.
void cmyk_to_rgb(const std::uint8_t* cmyk, std::uint8_t* rgb, std::size_t width, bool inverted) {
    for (std::size_t x = 0; x < width; ++x) {
        const std::uint8_t* p = cmyk + x * 4;
        const unsigned k = inverted ? p[3] : 255u - p[3];
        for (int c = 0; c < 3; ++c) {
            const unsigned ink = inverted ? p[c] : 255u - p[c];
            rgb[x * 3 + c] = static_cast<std::uint8_t>((ink * k + 127) / 255);
        }
    }
}

}  // namespace

int DecodeJpeg(const std::string& path, Image& image) {
    image = Image{};
    platform::FileHandle file = platform::open_regular_file(platform::native_path(path));
    if (!file) return -1;
    JpegRead read;
    if (read_header(read, file.get()) != 0) return -1;
    const std::size_t width = read.info.image_width;
    const std::size_t height = read.info.image_height;
    const int components = read.info.num_components;
    // CMYK rows need 4 bytes each while decoding; they are read into a side buffer.
    std::vector<std::uint8_t> pixels(width * height * 3);
    std::vector<std::uint8_t> cmyk(components == 4 ? width * height * 4 : 0);
    std::uint8_t* target = components == 4 ? cmyk.data() : pixels.data();
    const std::size_t row_bytes = width * (components == 4 ? 4 : 3);
    if (read_scanlines(read, target, row_bytes) != 0) return -1;
    if (read.info.output_width != width || read.info.output_height != height) return -1;

    for (std::size_t y = 0; y < height; ++y) {
        if (components == 1) widen_grey(pixels.data() + y * width * 3, width);
        if (components == 4)
            cmyk_to_rgb(cmyk.data() + y * width * 4, pixels.data() + y * width * 3, width, read.info.saw_Adobe_marker);
    }
    image.width = static_cast<std::uint32_t>(width);
    image.height = static_cast<std::uint32_t>(height);
    image.channels = 3;
    image.pixels = std::move(pixels);
    return 0;
}

}  // namespace fx
