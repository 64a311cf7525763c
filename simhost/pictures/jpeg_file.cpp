// JPEG through libjpeg. Its error handler must not return, so it jumps back to the
// decoding function, which keeps no object with a destructor in its own frame.
#include <cstdio>
// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>

#include <csetjmp>
#include <string>
#include <vector>

#include "simhost/pictures/picture_file.h"

namespace fx::pictures {
namespace {

struct JpegError {
    jpeg_error_mgr manager{};
    std::jmp_buf jump{};
    char message[JMSG_LENGTH_MAX] = {};
};

void on_error(j_common_ptr info) {
    auto* error = reinterpret_cast<JpegError*>(info->err);
    (*info->err->format_message)(info, error->message);
    std::longjmp(error->jump, 1);
}

// Warnings (a corrupt stretch of data) would let a damaged file through as a damaged
// picture; they are errors here.
void on_message(j_common_ptr info, int level) {
    if (level < 0) on_error(info);
}

bool read_jpeg(const std::string_view& bytes, JpegError& error, jpeg_decompress_struct& info, Picture& picture,
               std::vector<unsigned char>& row, const std::string& name) {
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = on_error;
    error.manager.emit_message = on_message;
    if (setjmp(error.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    if (std::uint64_t{info.image_width} * info.image_height > kMaxPicturePixels) {
        std::snprintf(error.message, sizeof error.message, "picture of %u x %u pixels is larger than the %llu allowed",
                      static_cast<unsigned>(info.image_width), static_cast<unsigned>(info.image_height),
                      static_cast<unsigned long long>(kMaxPicturePixels));
        jpeg_destroy_decompress(&info);
        return false;
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    if (info.output_components != 3) {
        std::snprintf(error.message, sizeof error.message, "decoder gave %d channels, expected 3",
                      info.output_components);
        jpeg_destroy_decompress(&info);
        return false;
    }
    try {
        picture = blank_picture(static_cast<int>(info.output_width), static_cast<int>(info.output_height), name);
        row.resize(static_cast<std::size_t>(info.output_width) * 3);
    } catch (const std::exception& failure) {
        std::snprintf(error.message, sizeof error.message, "%s", failure.what());
        jpeg_destroy_decompress(&info);
        return false;
    }
    while (info.output_scanline < info.output_height) {
        const int y = static_cast<int>(info.output_scanline);
        JSAMPROW rows[1] = {row.data()};
        if (jpeg_read_scanlines(&info, rows, 1) != 1) break;
        std::uint16_t* out = picture.pixel(0, y);
        for (std::size_t x = 0; x < info.output_width; ++x) {
            for (int c = 0; c < 3; ++c) out[4 * x + c] = static_cast<std::uint16_t>(row[3 * x + c] * 257u);
            out[4 * x + 3] = kWhite;
        }
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

}  // namespace

Picture decode_jpeg(std::string_view bytes, const std::string& name) {
    if (bytes.size() < 3 || static_cast<unsigned char>(bytes[0]) != 0xFF ||
        static_cast<unsigned char>(bytes[1]) != 0xD8)
        throw PictureError(name + ": not a JPEG file (its first bytes are no JPEG start marker)");
    JpegError error;
    jpeg_decompress_struct info{};
    Picture picture;
    std::vector<unsigned char> row;
    if (!read_jpeg(bytes, error, info, picture, row, name))
        throw PictureError(name + ": broken JPEG file: " + error.message);
    return picture;
}

}  // namespace fx::pictures
