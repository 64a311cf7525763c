#pragma once
// PNG and JPEG files written by the tests themselves with libpng and libjpeg, so every
// colour type, bit depth and interlacing can be decoded and compared with what was
// written.
#include <cstdint>
#include <string>
#include <vector>

namespace fx::test {

struct PngLayout {
    int width;
    int height;
    int color_type;  // PNG_COLOR_TYPE_*
    int bit_depth;
    bool interlaced;
    // One integer per sample (0 .. 2^bit_depth - 1), channel after channel, row after
    // row; for palette pictures the index.
    std::vector<std::uint32_t> samples;
    std::vector<std::uint8_t> palette;        // red, green, blue per entry
    std::vector<std::uint8_t> palette_alpha;  // tRNS for palette pictures; may be shorter
    bool transparent_colour = false;          // tRNS for grey / RGB pictures
    std::uint32_t trns[3] = {0, 0, 0};        // its grey, or red, green, blue samples
};

void write_png(const std::string& path, const PngLayout& layout);

struct JpegLayout {
    int width;
    int height;
    int components;  // 1 grey, 3 RGB, 4 CMYK
    bool progressive = false;
    bool adobe_marker = true;  // only for CMYK: Adobe's inverted convention
    std::vector<std::uint8_t> samples;
    // Progressive with exactly this many scans (0: libjpeg's own ten or so): every
    // coefficient band of every component sent at its coarsest bit, then refined one
    // bit a scan until the count is reached. At most 2090 for RGB, 704 for grey.
    int scans = 0;
};

void write_jpeg(const std::string& path, const JpegLayout& layout);

std::vector<std::uint8_t> read_bytes(const std::string& path);
void write_bytes(const std::string& path, const std::vector<std::uint8_t>& bytes);

// A file name unique to this process and call.
std::string temp_path(const std::string& stem);

}  // namespace fx::test
