#pragma once
// Reading and writing picture files: PNG (any colour type, 1 to 16 bits) and JPEG in,
// PNG (8 or 16 bits, RGBA) out. Every failure is a PictureError with one line that names
// the file; broken and hostile files are refused, never trusted.
#include <cstdint>
#include <string>
#include <string_view>

#include "simhost/pictures/picture.h"

namespace fx::pictures {

// Picture files larger than this are refused unread.
inline constexpr std::size_t kMaxPictureFileBytes = std::size_t{512} << 20;

// The picture in the file at `path`, recognised by its first bytes, not its name.
Picture read_picture(const std::string& path);

// The picture in `bytes`; `name` is used in messages.
Picture decode_picture(std::string_view bytes, const std::string& name);
Picture decode_png(std::string_view bytes, const std::string& name);
Picture decode_jpeg(std::string_view bytes, const std::string& name);

// The picture as an RGBA PNG of 8 or 16 bits a channel.
std::string encode_png(const Picture& picture, int bits, const std::string& name);
void write_png(const Picture& picture, int bits, const std::string& path);

}  // namespace fx::pictures
