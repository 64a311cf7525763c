// The drawing canvas of a build without cairo (the Windows simulated host): the canvas
// keeps its size, its fill colour and the images made for it, so that the Drawbot
// suites answer as they do with cairo, but shapes, text and images draw nothing. Tests
// that read drawn pixels skip in such a build (FX_CAIRO is not defined there).
#include <cstring>
#include <mutex>
#include <set>
#include <stdexcept>
#include <vector>

#include "simhost/drawing_canvas.h"

namespace fx {
namespace {

std::mutex& canvases_mutex() {
    static std::mutex mutex;
    return mutex;
}
std::set<const void*>& live_canvases() {
    static std::set<const void*> canvases;
    return canvases;
}

constexpr long long kMaxImagePixels = 1LL << 24;

// Bytes per pixel of a Drawbot layout; 0 for a layout the suites do not know.
int layout_bytes(DRAWBOT_PixelLayout layout) {
    switch (layout) {
        case kDRAWBOT_PixelLayout_24RGB:
        case kDRAWBOT_PixelLayout_24BGR:
            return 3;
        case kDRAWBOT_PixelLayout_32RGB:
        case kDRAWBOT_PixelLayout_32BGR:
        case kDRAWBOT_PixelLayout_32ARGB_Straight:
        case kDRAWBOT_PixelLayout_32ARGB_Premul:
        case kDRAWBOT_PixelLayout_32BGRA_Straight:
        case kDRAWBOT_PixelLayout_32BGRA_Premul:
            return 4;
        default:
            return 0;
    }
}

}  // namespace

struct DrawingCanvas::Pieces {
    std::vector<std::uint8_t> pixels;  // blue, green, red, alpha; premultiplied
    int pushed = 0;
    mutable std::mutex mutex;
    std::set<const void*> images;
};

DrawingCanvas::DrawingCanvas(int width, int height) : width_(width), height_(height), pieces_(new Pieces) {
    if (width <= 0 || height <= 0) {
        delete pieces_;
        throw std::invalid_argument("DrawingCanvas: width and height must be at least 1");
    }
    pieces_->pixels.assign(static_cast<std::size_t>(width) * height * 4, 0);
    context_.reserved_drawref = reference();
    std::lock_guard lock(canvases_mutex());
    live_canvases().insert(this);
}

DrawingCanvas::~DrawingCanvas() {
    {
        std::lock_guard lock(canvases_mutex());
        live_canvases().erase(this);
    }
    for (const void* image : pieces_->images) delete[] static_cast<const char*>(image);
    delete pieces_;
}

DrawingCanvas* DrawingCanvas::from_reference(const void* reference) {
    std::lock_guard lock(canvases_mutex());
    if (live_canvases().count(reference) == 0) return nullptr;
    return static_cast<DrawingCanvas*>(const_cast<void*>(reference));
}

void DrawingCanvas::fill(std::uint8_t red, std::uint8_t green, std::uint8_t blue, std::uint8_t alpha) {
    const auto premultiplied = [alpha](std::uint8_t value) {
        return static_cast<std::uint8_t>((value * alpha + 127) / 255);
    };
    const std::uint8_t pixel[4] = {premultiplied(blue), premultiplied(green), premultiplied(red), alpha};
    std::lock_guard lock(pieces_->mutex);
    for (std::size_t at = 0; at < pieces_->pixels.size(); at += 4) std::memcpy(&pieces_->pixels[at], pixel, 4);
}

std::array<std::uint8_t, 4> DrawingCanvas::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        throw std::out_of_range("DrawingCanvas: pixel outside the canvas");
    std::lock_guard lock(pieces_->mutex);
    const std::uint8_t* p = &pieces_->pixels[(static_cast<std::size_t>(y) * width_ + x) * 4];
    return {p[0], p[1], p[2], p[3]};
}

bool DrawingCanvas::write_png(const std::string&) const { return false; }

DRAWBOT_ImageRef DrawingCanvas::new_image(int width, int height, int row_bytes, DRAWBOT_PixelLayout layout,
                                          const void* data) {
    const int bytes = layout_bytes(layout);
    if (bytes == 0 || data == nullptr || width <= 0 || height <= 0) return nullptr;
    if (static_cast<long long>(width) * height > kMaxImagePixels) return nullptr;
    if (static_cast<long long>(row_bytes) < static_cast<long long>(width) * bytes) return nullptr;
    // A one-byte allocation stands for the image: a unique reference to hand out.
    const char* image = new char[1];
    std::lock_guard lock(pieces_->mutex);
    pieces_->images.insert(image);
    return reinterpret_cast<DRAWBOT_ImageRef>(const_cast<char*>(image));
}

bool DrawingCanvas::release_image(const void* image) {
    std::lock_guard lock(pieces_->mutex);
    if (pieces_->images.erase(image) == 0) return false;
    delete[] static_cast<const char*>(image);
    return true;
}

bool DrawingCanvas::release_any(const void* image) {
    std::lock_guard lock(canvases_mutex());
    for (const void* canvas : live_canvases())
        if (static_cast<DrawingCanvas*>(const_cast<void*>(canvas))->release_image(image)) return true;
    return false;
}

bool DrawingCanvas::draw_image(const void* image, float, float, float) {
    std::lock_guard lock(pieces_->mutex);
    return pieces_->images.count(image) > 0;
}

void DrawingCanvas::paint_rect(const DRAWBOT_ColorRGBA&, const DRAWBOT_RectF32&) {}

void DrawingCanvas::draw_text(double, double, const std::string&, std::uint8_t, double) {}

void DrawingCanvas::draw_text(double, double, const std::string&, const DRAWBOT_ColorRGBA&, double) {}

void DrawingCanvas::fill_polygon(const std::vector<DRAWBOT_PointF32>&, const DRAWBOT_ColorRGBA&) {}

void DrawingCanvas::frame_rect(const DRAWBOT_RectF32&, const DRAWBOT_ColorRGBA&) {}

void DrawingCanvas::push_state() {
    std::lock_guard lock(pieces_->mutex);
    ++pieces_->pushed;
}

bool DrawingCanvas::pop_state() {
    std::lock_guard lock(pieces_->mutex);
    if (pieces_->pushed == 0) return false;
    --pieces_->pushed;
    return true;
}

std::size_t DrawingCanvas::live_images() const {
    std::lock_guard lock(pieces_->mutex);
    return pieces_->images.size();
}

}  // namespace fx
