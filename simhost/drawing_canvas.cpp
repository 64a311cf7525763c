#include "simhost/drawing_canvas.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <mutex>
#include <set>
#include <stdexcept>

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

// Larger images than this are not a control any panel shows: refused, not allocated.
constexpr long long kMaxImagePixels = 1LL << 24;

struct Layout {
    int bytes;  // per pixel
    int red, green, blue;
    int alpha;  // -1: opaque
    bool premultiplied;
};

bool layout_of(DRAWBOT_PixelLayout layout, Layout& out) {
    switch (layout) {
        case kDRAWBOT_PixelLayout_24RGB:
            out = {3, 0, 1, 2, -1, false};
            return true;
        case kDRAWBOT_PixelLayout_24BGR:
            out = {3, 2, 1, 0, -1, false};
            return true;
        case kDRAWBOT_PixelLayout_32RGB:
            out = {4, 1, 2, 3, -1, false};
            return true;
        case kDRAWBOT_PixelLayout_32BGR:
            out = {4, 2, 1, 0, -1, false};
            return true;
        case kDRAWBOT_PixelLayout_32ARGB_Straight:
            out = {4, 1, 2, 3, 0, false};
            return true;
        case kDRAWBOT_PixelLayout_32ARGB_Premul:
            out = {4, 1, 2, 3, 0, true};
            return true;
        case kDRAWBOT_PixelLayout_32BGRA_Straight:
            out = {4, 2, 1, 0, 3, false};
            return true;
        case kDRAWBOT_PixelLayout_32BGRA_Premul:
            out = {4, 2, 1, 0, 3, true};
            return true;
        default:
            return false;
    }
}

std::uint32_t premultiplied(std::uint32_t value, std::uint32_t alpha) { return (value * alpha + 127) / 255; }

}  // namespace

struct DrawingCanvas::Pieces {
    cairo_surface_t* surface = nullptr;
    cairo_t* cr = nullptr;
    int pushed = 0;
    mutable std::mutex mutex;
    std::map<const void*, cairo_surface_t*> images;
};

DrawingCanvas::DrawingCanvas(int width, int height) : width_(width), height_(height), pieces_(new Pieces) {
    if (width <= 0 || height <= 0) {
        delete pieces_;
        throw std::invalid_argument("DrawingCanvas: width and height must be at least 1");
    }
    pieces_->surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    pieces_->cr = cairo_create(pieces_->surface);
    context_.reserved_drawref = reference();
    std::lock_guard lock(canvases_mutex());
    live_canvases().insert(this);
}

DrawingCanvas::~DrawingCanvas() {
    {
        std::lock_guard lock(canvases_mutex());
        live_canvases().erase(this);
    }
    for (auto& [key, image] : pieces_->images) cairo_surface_destroy(image);
    cairo_destroy(pieces_->cr);
    cairo_surface_destroy(pieces_->surface);
    delete pieces_;
}

DrawingCanvas* DrawingCanvas::from_reference(const void* reference) {
    std::lock_guard lock(canvases_mutex());
    if (live_canvases().count(reference) == 0) return nullptr;
    return static_cast<DrawingCanvas*>(const_cast<void*>(reference));
}

void DrawingCanvas::fill(std::uint8_t red, std::uint8_t green, std::uint8_t blue, std::uint8_t alpha) {
    std::lock_guard lock(pieces_->mutex);
    cairo_save(pieces_->cr);
    cairo_set_operator(pieces_->cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_rgba(pieces_->cr, red / 255.0, green / 255.0, blue / 255.0, alpha / 255.0);
    cairo_paint(pieces_->cr);
    cairo_restore(pieces_->cr);
}

std::array<std::uint8_t, 4> DrawingCanvas::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        throw std::out_of_range("DrawingCanvas: pixel outside the canvas");
    std::lock_guard lock(pieces_->mutex);
    cairo_surface_flush(pieces_->surface);
    const unsigned char* data = cairo_image_surface_get_data(pieces_->surface);
    const int stride = cairo_image_surface_get_stride(pieces_->surface);
    std::uint32_t value = 0;
    std::memcpy(&value, data + static_cast<std::ptrdiff_t>(y) * stride + x * 4, 4);
    return {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
            static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
}

bool DrawingCanvas::write_png(const std::string& path) const {
    std::lock_guard lock(pieces_->mutex);
    cairo_surface_flush(pieces_->surface);
    return cairo_surface_write_to_png(pieces_->surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

DRAWBOT_ImageRef DrawingCanvas::new_image(int width, int height, int row_bytes, DRAWBOT_PixelLayout layout,
                                          const void* data) {
    Layout format{};
    if (!layout_of(layout, format) || data == nullptr || width <= 0 || height <= 0) return nullptr;
    if (static_cast<long long>(width) * height > kMaxImagePixels) return nullptr;
    if (static_cast<long long>(row_bytes) < static_cast<long long>(width) * format.bytes) return nullptr;
    cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    if (cairo_surface_status(image) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(image);
        return nullptr;
    }
    cairo_surface_flush(image);
    unsigned char* out = cairo_image_surface_get_data(image);
    const int stride = cairo_image_surface_get_stride(image);
    const auto* in = static_cast<const std::uint8_t*>(data);
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* row = in + static_cast<std::ptrdiff_t>(y) * row_bytes;
        for (int x = 0; x < width; ++x) {
            const std::uint8_t* p = row + x * format.bytes;
            const std::uint32_t a = format.alpha < 0 ? 255 : p[format.alpha];
            std::uint32_t r = p[format.red], g = p[format.green], b = p[format.blue];
            if (!format.premultiplied) {
                r = premultiplied(r, a);
                g = premultiplied(g, a);
                b = premultiplied(b, a);
            }
            const std::uint32_t value = a << 24 | r << 16 | g << 8 | b;
            std::memcpy(out + static_cast<std::ptrdiff_t>(y) * stride + x * 4, &value, 4);
        }
    }
    cairo_surface_mark_dirty(image);
    std::lock_guard lock(pieces_->mutex);
    pieces_->images.emplace(image, image);
    return reinterpret_cast<DRAWBOT_ImageRef>(image);
}

bool DrawingCanvas::release_image(const void* image) {
    std::lock_guard lock(pieces_->mutex);
    const auto found = pieces_->images.find(image);
    if (found == pieces_->images.end()) return false;
    cairo_surface_destroy(found->second);
    pieces_->images.erase(found);
    return true;
}

bool DrawingCanvas::release_any(const void* image) {
    std::lock_guard lock(canvases_mutex());
    for (const void* canvas : live_canvases())
        if (static_cast<DrawingCanvas*>(const_cast<void*>(canvas))->release_image(image)) return true;
    return false;
}

bool DrawingCanvas::draw_image(const void* image, float x, float y, float opacity) {
    std::lock_guard lock(pieces_->mutex);
    const auto found = pieces_->images.find(image);
    if (found == pieces_->images.end()) return false;
    cairo_save(pieces_->cr);
    cairo_set_source_surface(pieces_->cr, found->second, x, y);
    cairo_paint_with_alpha(pieces_->cr, std::clamp(opacity, 0.0f, 1.0f));
    cairo_restore(pieces_->cr);
    return true;
}

void DrawingCanvas::paint_rect(const DRAWBOT_ColorRGBA& color, const DRAWBOT_RectF32& rect) {
    std::lock_guard lock(pieces_->mutex);
    cairo_save(pieces_->cr);
    cairo_set_source_rgba(pieces_->cr, color.red, color.green, color.blue, color.alpha);
    cairo_rectangle(pieces_->cr, rect.left, rect.top, rect.width, rect.height);
    cairo_fill(pieces_->cr);
    cairo_restore(pieces_->cr);
}

void DrawingCanvas::draw_text(double x, double y, const std::string& text, std::uint8_t level, double size) {
    const float grey = static_cast<float>(level / 255.0);
    draw_text(x, y, text, DRAWBOT_ColorRGBA{grey, grey, grey, 1.0f}, size);
}

void DrawingCanvas::draw_text(double x, double y, const std::string& text, const DRAWBOT_ColorRGBA& color,
                              double size) {
    std::lock_guard lock(pieces_->mutex);
    cairo_save(pieces_->cr);
    cairo_select_font_face(pieces_->cr, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(pieces_->cr, size);
    cairo_set_source_rgba(pieces_->cr, color.red, color.green, color.blue, color.alpha);
    cairo_move_to(pieces_->cr, x, y);
    cairo_show_text(pieces_->cr, text.c_str());
    cairo_restore(pieces_->cr);
}

void DrawingCanvas::fill_polygon(const std::vector<DRAWBOT_PointF32>& points, const DRAWBOT_ColorRGBA& color) {
    if (points.size() < 3) return;
    std::lock_guard lock(pieces_->mutex);
    cairo_save(pieces_->cr);
    cairo_set_source_rgba(pieces_->cr, color.red, color.green, color.blue, color.alpha);
    cairo_move_to(pieces_->cr, points[0].x, points[0].y);
    for (std::size_t i = 1; i < points.size(); ++i) cairo_line_to(pieces_->cr, points[i].x, points[i].y);
    cairo_close_path(pieces_->cr);
    cairo_fill(pieces_->cr);
    cairo_restore(pieces_->cr);
}

void DrawingCanvas::frame_rect(const DRAWBOT_RectF32& rect, const DRAWBOT_ColorRGBA& color) {
    std::lock_guard lock(pieces_->mutex);
    cairo_save(pieces_->cr);
    cairo_set_source_rgba(pieces_->cr, color.red, color.green, color.blue, color.alpha);
    cairo_set_line_width(pieces_->cr, 1.0);
    // Half-pixel edges keep a one-pixel line sharp.
    cairo_rectangle(pieces_->cr, rect.left + 0.5, rect.top + 0.5, rect.width - 1.0, rect.height - 1.0);
    cairo_stroke(pieces_->cr);
    cairo_restore(pieces_->cr);
}

void DrawingCanvas::push_state() {
    std::lock_guard lock(pieces_->mutex);
    cairo_save(pieces_->cr);
    ++pieces_->pushed;
}

bool DrawingCanvas::pop_state() {
    std::lock_guard lock(pieces_->mutex);
    if (pieces_->pushed == 0) return false;
    cairo_restore(pieces_->cr);
    --pieces_->pushed;
    return true;
}

std::size_t DrawingCanvas::live_images() const {
    std::lock_guard lock(pieces_->mutex);
    return pieces_->images.size();
}

}  // namespace fx
