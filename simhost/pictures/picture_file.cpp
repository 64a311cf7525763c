#include "simhost/pictures/picture_file.h"

#include <fstream>

#include "definition/loader/read_file.h"
#include "platform/regular_file.h"

namespace fx::pictures {

Picture decode_picture(std::string_view bytes, const std::string& name) {
    if (bytes.size() >= 8 && bytes.substr(1, 3) == "PNG") return decode_png(bytes, name);
    if (bytes.size() >= 3 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
        static_cast<unsigned char>(bytes[1]) == 0xD8)
        return decode_jpeg(bytes, name);
    throw PictureError(name + ": not a PNG or JPEG file");
}

Picture read_picture(const std::string& path) {
    switch (platform::file_kind(path)) {
        case platform::FileKind::missing:
            throw PictureError(path + ": no such file, expected a PNG or JPEG picture");
        case platform::FileKind::folder:
            throw PictureError(path + ": is a folder, expected a PNG or JPEG picture");
        case platform::FileKind::other:
            throw PictureError(path +
                               ": not a regular file (a pipe, socket or device), expected a PNG or JPEG picture");
        case platform::FileKind::regular:
            break;
    }
    // One byte over the limit tells a file at the limit from a larger one.
    const std::string bytes = read_file(path, kMaxPictureFileBytes + 1);
    if (bytes.size() > kMaxPictureFileBytes)
        throw PictureError(path + ": file larger than " + std::to_string(kMaxPictureFileBytes >> 20) +
                           " MiB, expected a picture");
    if (bytes.empty()) throw PictureError(path + ": empty or unreadable file, expected a PNG or JPEG picture");
    return decode_picture(bytes, path);
}

void write_png(const Picture& picture, int bits, const std::string& path) {
    const std::string bytes = encode_png(picture, bits, path);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) throw PictureError(path + ": cannot create the file");
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) throw PictureError(path + ": cannot write the file (disk full?)");
}

}  // namespace fx::pictures
