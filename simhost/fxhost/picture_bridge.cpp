#include "simhost/fxhost/picture_bridge.h"

#include <algorithm>
#include <cmath>

namespace fx::fxhost {

fx::Picture host_picture(const pictures::Picture& picture) {
    fx::Picture out(picture.width, picture.height);
    for (std::size_t i = 0; i < picture.rgba.size(); ++i)
        out.rgba[i] = static_cast<float>(picture.rgba[i] / static_cast<double>(pictures::kWhite));
    return out;
}

pictures::Picture file_picture(const fx::Picture& picture) {
    pictures::Picture out = pictures::blank_picture(picture.width, picture.height, "rendered frame");
    for (std::size_t i = 0; i < picture.rgba.size() && i < out.rgba.size(); ++i) {
        const float v = picture.rgba[i];
        const double c = std::isnan(v) ? 0.0 : std::clamp(static_cast<double>(v), 0.0, 1.0);
        out.rgba[i] = static_cast<std::uint16_t>(c * pictures::kWhite + 0.5);
    }
    return out;
}

}  // namespace fx::fxhost
