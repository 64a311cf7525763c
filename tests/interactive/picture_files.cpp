#include "picture_files.h"

#include <png.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include <jpeglib.h>

#include <gtest/gtest.h>

namespace fx::test {

void write_png(const std::string& path, const PngLayout& layout) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) throw std::runtime_error("picture_files: cannot write " + path);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        throw std::runtime_error("picture_files: libpng failed writing " + path);
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, layout.width, layout.height, layout.bit_depth, layout.color_type,
                 layout.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    std::vector<png_color> palette;
    for (std::size_t i = 0; i + 2 < layout.palette.size(); i += 3)
        palette.push_back({layout.palette[i], layout.palette[i + 1], layout.palette[i + 2]});
    if (!palette.empty()) png_set_PLTE(png, info, palette.data(), static_cast<int>(palette.size()));
    if (!layout.palette_alpha.empty())
        png_set_tRNS(png, info, layout.palette_alpha.data(), static_cast<int>(layout.palette_alpha.size()), nullptr);
    if (layout.transparent_colour) {
        png_color_16 colour{};
        colour.gray = static_cast<png_uint_16>(layout.trns[0]);
        colour.red = static_cast<png_uint_16>(layout.trns[0]);
        colour.green = static_cast<png_uint_16>(layout.trns[1]);
        colour.blue = static_cast<png_uint_16>(layout.trns[2]);
        png_set_tRNS(png, info, nullptr, 0, &colour);
    }
    png_write_info(png, info);
    if (layout.bit_depth < 8) png_set_packing(png);
    const int channels = png_get_channels(png, info);
    const int bytes = layout.bit_depth == 16 ? 2 : 1;
    std::vector<png_byte> data(static_cast<std::size_t>(layout.width) * layout.height * channels * bytes);
    for (std::size_t i = 0; i < layout.samples.size(); ++i) {
        if (bytes == 2) {
            data[i * 2] = static_cast<png_byte>(layout.samples[i] >> 8);
            data[i * 2 + 1] = static_cast<png_byte>(layout.samples[i] & 0xff);
        } else {
            data[i] = static_cast<png_byte>(layout.samples[i]);
        }
    }
    std::vector<png_bytep> rows(layout.height);
    for (int y = 0; y < layout.height; ++y)
        rows[y] = data.data() + static_cast<std::size_t>(y) * layout.width * channels * bytes;
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    std::fclose(file);
}

namespace {

// The scans of JpegLayout::scans: the DC of all components at bit 10 and lower, then each
// AC coefficient of each component likewise, then the DC refined to its last bit (so
// that flat blocks keep their colour whatever the count), then the AC refined one bit a
// scan until the count is reached.
std::vector<jpeg_scan_info> counted_scans(int components, int count) {
    constexpr int kTopBit = 10;  // the coarsest successive-approximation bit for 8-bit samples
    std::vector<jpeg_scan_info> scans;
    jpeg_scan_info dc{};
    dc.comps_in_scan = components;
    for (int c = 0; c < components; ++c) dc.component_index[c] = c;
    dc.Al = kTopBit;
    scans.push_back(dc);
    for (int c = 0; c < components; ++c)
        for (int k = 1; k < 64; ++k) scans.push_back({1, {c, 0, 0, 0}, k, k, 0, kTopBit});
    for (int bit = kTopBit; bit > 0; --bit) {
        jpeg_scan_info refine = dc;
        refine.Ah = bit;
        refine.Al = bit - 1;
        scans.push_back(refine);
    }
    for (int bit = kTopBit; bit > 0 && static_cast<int>(scans.size()) < count; --bit)
        for (int c = 0; c < components; ++c)
            for (int k = 1; k < 64 && static_cast<int>(scans.size()) < count; ++k)
                scans.push_back({1, {c, 0, 0, 0}, k, k, bit, bit - 1});
    if (static_cast<int>(scans.size()) != count)
        throw std::runtime_error("picture_files: " + std::to_string(count) + " scans cannot be made");
    return scans;
}

}  // namespace

void write_jpeg(const std::string& path, const JpegLayout& layout) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) throw std::runtime_error("picture_files: cannot write " + path);
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = layout.width;
    info.image_height = layout.height;
    info.input_components = layout.components;
    info.in_color_space = layout.components == 1 ? JCS_GRAYSCALE : layout.components == 3 ? JCS_RGB : JCS_CMYK;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);
    if (layout.components == 4) {
        jpeg_set_colorspace(&info, JCS_CMYK);
        info.write_Adobe_marker = layout.adobe_marker ? TRUE : FALSE;
    }
    // No chroma subsampling, so flat colour blocks keep their colour up to their edges.
    for (int c = 0; c < info.num_components; ++c) info.comp_info[c].h_samp_factor = info.comp_info[c].v_samp_factor = 1;
    if (layout.progressive) jpeg_simple_progression(&info);
    const std::vector<jpeg_scan_info> scans =
        layout.scans > 0 ? counted_scans(info.num_components, layout.scans) : std::vector<jpeg_scan_info>();
    if (!scans.empty()) {
        info.scan_info = scans.data();
        info.num_scans = static_cast<int>(scans.size());
    }
    jpeg_start_compress(&info, TRUE);
    const std::size_t row_bytes = static_cast<std::size_t>(layout.width) * layout.components;
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPLE*>(layout.samples.data() + info.next_scanline * row_bytes);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::fclose(file);
}

std::vector<std::uint8_t> read_bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void write_bytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::string temp_path(const std::string& stem) {
    static int count = 0;
    return ::testing::TempDir() + "images_" + std::to_string(getpid()) + "_" + std::to_string(++count) + "_" + stem;
}

}  // namespace fx::test
