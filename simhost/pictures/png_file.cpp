// PNG through libpng. libpng reports errors by longjmp, so the functions that call it
// keep no object with a destructor in their own frame: everything they fill lives in the
// caller's frame and is reached through references, and the message is a fixed buffer.
#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstring>
#include <string>
#include <vector>

#include "simhost/pictures/picture_file.h"

namespace fx::pictures {
namespace {

// Ancillary chunks (text, profiles) are not needed; a file that asks for more memory than
// this for one of them is hostile or broken.
constexpr png_alloc_size_t kMaxChunkBytes = png_alloc_size_t{8} << 20;
constexpr png_uint_32 kMaxSide = 1u << 20;

struct PngIo {
    const unsigned char* data = nullptr;
    std::size_t size = 0;
    std::size_t offset = 0;
    std::string* written = nullptr;
    char message[200] = {};
};

void on_error(png_structp png, png_const_charp text) {
    auto* io = static_cast<PngIo*>(png_get_error_ptr(png));
    std::snprintf(io->message, sizeof io->message, "%s", text ? text : "libpng error");
    png_longjmp(png, 1);
}

void on_warning(png_structp, png_const_charp) {}

void read_bytes(png_structp png, png_bytep out, png_size_t count) {
    auto* io = static_cast<PngIo*>(png_get_io_ptr(png));
    if (count > io->size - io->offset) png_error(png, "the file ends before the picture does");
    std::memcpy(out, io->data + io->offset, count);
    io->offset += count;
}

void write_bytes(png_structp png, png_bytep in, png_size_t count) {
    auto* io = static_cast<PngIo*>(png_get_io_ptr(png));
    try {
        io->written->append(reinterpret_cast<const char*>(in), count);
    } catch (...) {
        png_error(png, "out of memory");
    }
}

void flush_nothing(png_structp) {}

bool is_little_endian() {
    const std::uint16_t one = 1;
    unsigned char first;
    std::memcpy(&first, &one, 1);
    return first == 1;
}

// Reads the whole picture as 16-bit RGBA into `picture`. Returns false with io.message set.
bool read_png(PngIo& io, Picture& picture, std::vector<png_bytep>& rows, const std::string& name) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &io, on_error, on_warning);
    if (png == nullptr) {
        std::snprintf(io.message, sizeof io.message, "libpng could not start");
        return false;
    }
    png_infop info = png_create_info_struct(png);
    if (info == nullptr || setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
        return false;
    }
    png_set_read_fn(png, &io, read_bytes);
    png_set_user_limits(png, kMaxSide, kMaxSide);
    png_set_chunk_malloc_max(png, kMaxChunkBytes);
    png_read_info(png, info);
    const png_uint_32 width = png_get_image_width(png, info);
    const png_uint_32 height = png_get_image_height(png, info);
    if (std::uint64_t{width} * height > kMaxPicturePixels) {
        std::snprintf(io.message, sizeof io.message, "picture of %u x %u pixels is larger than the %llu allowed", width,
                      height, static_cast<unsigned long long>(kMaxPicturePixels));
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    // Every colour type and depth becomes 16-bit R, G, B, A: palettes and low depths are
    // expanded, transparency chunks become alpha, grey is copied into three channels.
    png_set_expand(png);
    png_set_expand_16(png);
    png_set_gray_to_rgb(png);
    png_set_add_alpha(png, 0xFFFF, PNG_FILLER_AFTER);
    if (is_little_endian()) png_set_swap(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    if (png_get_rowbytes(png, info) != std::size_t{width} * 8) {
        std::snprintf(io.message, sizeof io.message, "unexpected row layout after conversion");
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    try {
        picture = blank_picture(static_cast<int>(width), static_cast<int>(height), name);
        rows.resize(height);
    } catch (const std::exception& error) {
        std::snprintf(io.message, sizeof io.message, "%s", error.what());
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    for (png_uint_32 y = 0; y < height; ++y)
        rows[y] = reinterpret_cast<png_bytep>(picture.pixel(0, static_cast<int>(y)));
    png_read_image(png, rows.data());
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    return true;
}

bool write_png_rows(PngIo& io, const Picture& picture, int bits, std::vector<unsigned char>& row) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &io, on_error, on_warning);
    if (png == nullptr) {
        std::snprintf(io.message, sizeof io.message, "libpng could not start");
        return false;
    }
    png_infop info = png_create_info_struct(png);
    if (info == nullptr || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, info ? &info : nullptr);
        return false;
    }
    png_set_write_fn(png, &io, write_bytes, flush_nothing);
    png_set_IHDR(png, info, static_cast<png_uint_32>(picture.width), static_cast<png_uint_32>(picture.height), bits,
                 PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, 3);
    png_write_info(png, info);
    const std::size_t channels = static_cast<std::size_t>(picture.width) * 4;
    row.resize(channels * static_cast<std::size_t>(bits / 8));
    for (int y = 0; y < picture.height; ++y) {
        const std::uint16_t* in = picture.pixel(0, y);
        if (bits == 8) {
            // The nearest byte: 65535 / 255 = 257 exactly.
            for (std::size_t i = 0; i < channels; ++i) row[i] = static_cast<unsigned char>((in[i] + 128u) / 257u);
        } else {
            for (std::size_t i = 0; i < channels; ++i) {
                row[2 * i] = static_cast<unsigned char>(in[i] >> 8);
                row[2 * i + 1] = static_cast<unsigned char>(in[i] & 0xFF);
            }
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

Picture decode_png(std::string_view bytes, const std::string& name) {
    if (bytes.size() < 8 || png_sig_cmp(reinterpret_cast<png_const_bytep>(bytes.data()), 0, 8) != 0)
        throw PictureError(name + ": not a PNG file (its first bytes are no PNG signature)");
    PngIo io;
    io.data = reinterpret_cast<const unsigned char*>(bytes.data());
    io.size = bytes.size();
    Picture picture;
    std::vector<png_bytep> rows;
    if (!read_png(io, picture, rows, name)) throw PictureError(name + ": broken PNG file: " + io.message);
    return picture;
}

std::string encode_png(const Picture& picture, int bits, const std::string& name) {
    if (bits != 8 && bits != 16)
        throw PictureError(name + ": PNG depth " + std::to_string(bits) + ", expected 8 or 16");
    if (picture.width <= 0 || picture.height <= 0 ||
        picture.rgba.size() != static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height) * 4)
        throw PictureError(name + ": picture has no pixels to write");
    std::string out;
    PngIo io;
    io.written = &out;
    std::vector<unsigned char> row;
    if (!write_png_rows(io, picture, bits, row)) throw PictureError(name + ": cannot write PNG: " + io.message);
    return out;
}

}  // namespace fx::pictures
