#pragma once
// The records an image parameter keeps: the decoded picture the renderer uploads, the
// thumbnail its control shows and the pictures its arrow buttons step through. One
// holder per image parameter, owned by the instance's sequence state.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace fx {

// One decoded picture: rows from top to bottom, each width x channels bytes, no gaps.
struct Image {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint8_t channels = 0;  // 3 (red, green, blue) or 4 (red, green, blue, alpha)
    std::vector<std::uint8_t> pixels;

    // A picture without pixels, which the renderer skips.
    bool empty() const noexcept { return width == 0 || height == 0 || pixels.empty(); }
};

struct ImageHolder {
    Image full;   // the decoded picture
    Image thumb;  // only its pixels: (imgwidth + 25) x imgheight, blue, green, red, alpha
    std::string label;
    std::vector<std::string> siblings;  // full paths of the pictures in the browse folder, sorted
    std::int32_t sibling_index = 0;     // the current picture's place in siblings
    float min_sample = 0.0f;            // lowest channel value in the thumbnail (0-255); 0 until loaded
    float max_sample = 1.0f;            // highest; 1 until loaded
};

// The thumbnail area beside a picture holds its three buttons.
inline constexpr std::int32_t thumbnail_button_width = 25;

// A holder in its initial state: no picture, a thumbnail buffer for a control of
// `imgwidth` x `imgheight` (each at least 1, as the definition guarantees). Freeing the
// holder frees everything it owns.
std::unique_ptr<ImageHolder> create_image_holder(std::int32_t imgwidth, std::int32_t imgheight);

// Bytes of a thumbnail buffer for a control of that size.
std::size_t thumbnail_size(std::int32_t imgwidth, std::int32_t imgheight) noexcept;

}  // namespace fx
