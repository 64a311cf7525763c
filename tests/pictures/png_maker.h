#pragma once
// Writes small PNG and JPEG files of any colour type with the libraries themselves, so
// the readers can be checked against files whose content is known.
#include <jpeglib.h>
#include <png.h>
#include <zlib.h>

#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace fx::test {

struct PngLayout {
    int width = 2;
    int height = 1;
    int bit_depth = 8;
    int color_type = PNG_COLOR_TYPE_RGB;
    bool interlaced = false;
    std::vector<png_color> palette;
    std::vector<png_byte> palette_alpha;  // tRNS for palette pictures
    std::vector<std::uint8_t> rows;       // packed rows exactly as PNG stores them
};

inline void append_png(png_structp png, png_bytep data, png_size_t size) {
    static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<const char*>(data), size);
}

inline std::string make_png(const PngLayout& layout) {
    std::string out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return "";
    }
    png_set_write_fn(png, &out, append_png, nullptr);
    png_set_IHDR(png, info, layout.width, layout.height, layout.bit_depth, layout.color_type,
                 layout.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (!layout.palette.empty())
        png_set_PLTE(png, info, layout.palette.data(), static_cast<int>(layout.palette.size()));
    if (!layout.palette_alpha.empty())
        png_set_tRNS(png, info, layout.palette_alpha.data(), static_cast<int>(layout.palette_alpha.size()), nullptr);
    png_write_info(png, info);
    const std::size_t row_bytes = layout.rows.size() / layout.height;
    std::vector<png_bytep> rows;
    for (int y = 0; y < layout.height; ++y) rows.push_back(const_cast<png_bytep>(layout.rows.data() + y * row_bytes));
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

// A JPEG of `components` (1 grey, 3 RGB) channels at quality 100.
inline std::string make_jpeg(int width, int height, int components, const std::vector<std::uint8_t>& samples) {
    jpeg_compress_struct info{};
    jpeg_error_mgr error{};
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = width;
    info.image_height = height;
    info.input_components = components;
    info.in_color_space = components == 1 ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(samples.data() + info.next_scanline * width * components);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::string out(reinterpret_cast<char*>(buffer), size);
    std::free(buffer);
    return out;
}

// A PNG signature, an IHDR chunk for the given size and an empty IDAT chunk, both with
// correct checksums: the header alone claims the size.
inline std::string png_header_only(std::uint32_t width, std::uint32_t height) {
    std::string ihdr = "IHDR";
    for (std::uint32_t v : {width, height})
        for (int shift = 24; shift >= 0; shift -= 8) ihdr += static_cast<char>((v >> shift) & 0xFF);
    ihdr += std::string("\x08\x06\x00\x00\x00", 5);
    const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(ihdr.data()), static_cast<uInt>(ihdr.size()));
    std::string out("\x89PNG\r\n\x1a\n", 8);
    out += std::string("\x00\x00\x00\x0d", 4) + ihdr;
    for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((crc >> shift) & 0xFF);
    const uLong data_crc = crc32(0, reinterpret_cast<const Bytef*>("IDAT"), 4);
    out += std::string("\x00\x00\x00\x00IDAT", 8);
    for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((data_crc >> shift) & 0xFF);
    return out;
}

}  // namespace fx::test
