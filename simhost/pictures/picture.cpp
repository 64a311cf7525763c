#include "simhost/pictures/picture.h"

namespace fx::pictures {

Picture blank_picture(int width, int height, const std::string& where) {
    if (width <= 0 || height <= 0) {
        throw PictureError(where + ": picture size " + std::to_string(width) + " x " + std::to_string(height) +
                           ", expected a positive width and height");
    }
    if (static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height) > kMaxPicturePixels) {
        throw PictureError(where + ": picture of " + std::to_string(width) + " x " + std::to_string(height) +
                           " pixels is larger than the " + std::to_string(kMaxPicturePixels) + " pixels allowed");
    }
    Picture picture;
    picture.width = width;
    picture.height = height;
    picture.rgba.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4, 0);
    return picture;
}

}  // namespace fx::pictures
