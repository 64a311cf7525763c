#include "interactive/png_decoder.h"

#include <png.h>

#include <csetjmp>
#include <cstddef>
#include <vector>

#include "interactive/image_pixel_limit.h"
#include "platform/path.h"
#include "platform/regular_file.h"

namespace fx {
namespace {

// libpng reports errors by long-jumping back to the function that set the jump. The
// functions below that set one hold only plain locals, so a jump skips no destructor;
// everything that owns memory lives in their callers.
// Damaged files are expected input: libpng's messages would only clutter the host's
// console, the caller shows the placeholder instead.
[[noreturn]] void jump_back(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void ignore_warning(png_structp, png_const_charp) {}

struct PngRead {
    png_structp png = nullptr;
    png_infop info = nullptr;
    ~PngRead() { png_destroy_read_struct(&png, info != nullptr ? &info : nullptr, nullptr); }
};

struct PngLayout {
    png_uint_32 width = 0;
    png_uint_32 height = 0;
    std::size_t row_bytes = 0;
    int channels = 0;
};

void ask_for_8bit_rgb(png_structp png, png_infop info, bool add_alpha) {
    const int type = png_get_color_type(png, info);
    const int depth = png_get_bit_depth(png, info);
    if (depth == 16) png_set_strip_16(png);
    if (type == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
    if (type == PNG_COLOR_TYPE_GRAY && depth < 8) png_set_expand_gray_1_2_4_to_8(png);
    const bool transparency = png_get_valid(png, info, PNG_INFO_tRNS) != 0;
    if (transparency) png_set_tRNS_to_alpha(png);
    // With a transparency chunk the alpha comes from it; a filler would add a fifth byte.
    const bool without_alpha =
        type == PNG_COLOR_TYPE_GRAY || type == PNG_COLOR_TYPE_RGB || type == PNG_COLOR_TYPE_PALETTE;
    if (add_alpha && without_alpha && !transparency) png_set_add_alpha(png, 0xff, PNG_FILLER_AFTER);
    if (type == PNG_COLOR_TYPE_GRAY || type == PNG_COLOR_TYPE_GRAY_ALPHA) png_set_gray_to_rgb(png);
    png_set_interlace_handling(png);
}

int read_layout(PngRead& read, std::FILE* file, bool add_alpha, PngLayout& layout) {
    if (setjmp(png_jmpbuf(read.png))) return -4;
    png_init_io(read.png, file);
    // Refused by libpng while reading the header, before it allocates anything for rows.
    png_set_user_limits(read.png, kMaxImageSide, kMaxImageSide);
    png_read_info(read.png, read.info);
    layout.width = png_get_image_width(read.png, read.info);
    layout.height = png_get_image_height(read.png, read.info);
    if (!image_size_allowed(layout.width, layout.height)) return -4;
    ask_for_8bit_rgb(read.png, read.info, add_alpha);
    png_read_update_info(read.png, read.info);
    layout.row_bytes = png_get_rowbytes(read.png, read.info);
    layout.channels = png_get_channels(read.png, read.info);
    if (png_get_bit_depth(read.png, read.info) != 8 || layout.channels < 3 || layout.channels > 4) return -4;
    if (layout.row_bytes != static_cast<std::size_t>(layout.width) * layout.channels) return -4;
    return 0;
}

int read_rows(PngRead& read, png_bytepp rows) {
    if (setjmp(png_jmpbuf(read.png))) return -4;
    png_read_image(read.png, rows);
    return 0;
}

}  // namespace

int DecodePng(const std::string& path, Image& image, bool add_alpha) {
    image = Image{};
    platform::FileHandle file = platform::open_regular_file(platform::native_path(path));
    if (!file) return -1;
    PngRead read;
    read.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, jump_back, ignore_warning);
    if (read.png == nullptr) return -2;
    read.info = png_create_info_struct(read.png);
    if (read.info == nullptr) return -3;
    PngLayout layout;
    if (const int failed = read_layout(read, file.get(), add_alpha, layout)) return failed;

    std::vector<std::uint8_t> pixels(layout.row_bytes * layout.height);
    std::vector<png_bytep> rows(layout.height);
    for (png_uint_32 y = 0; y < layout.height; ++y) rows[y] = pixels.data() + y * layout.row_bytes;
    if (const int failed = read_rows(read, rows.data())) return failed;

    image.width = layout.width;
    image.height = layout.height;
    image.channels = static_cast<std::uint8_t>(layout.channels);
    image.pixels = std::move(pixels);
    return 0;
}

}  // namespace fx
