#pragma once
// The panel area the plug-in draws its custom controls into: a real in-memory picture
// (cairo, 32-bit premultiplied), reached through the Drawbot suites. A PF_Context whose
// drawing reference is this canvas is what the host hands an event as its contextH.
//
//   DrawingCanvas canvas(300, 200);               // transparent black
//   extra.contextH = canvas.context();            // PF_GetDrawingReference answers canvas
//   canvas.pixel(10, 20);                         // {blue, green, red, alpha}
//   canvas.write_png("panel.png");
//
// Drawbot references handed out for it (drawing, supplier, surface) are the canvas
// itself; images are separate objects the canvas keeps until they are released.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "AE_EffectUI.h"
#include "DrawbotSuite.h"

typedef struct _cairo_surface cairo_surface_t;

namespace fx {

class DrawingCanvas {
public:
    DrawingCanvas(int width, int height);
    ~DrawingCanvas();
    DrawingCanvas(const DrawingCanvas&) = delete;
    DrawingCanvas& operator=(const DrawingCanvas&) = delete;

    int width() const noexcept { return width_; }
    int height() const noexcept { return height_; }

    // The context to put into PF_EventExtra::contextH.
    PF_ContextH context() noexcept { return &context_pointer_; }
    DRAWBOT_DrawRef reference() noexcept { return reinterpret_cast<DRAWBOT_DrawRef>(this); }

    // Fills the whole canvas with one colour (each 0-255, straight alpha).
    void fill(std::uint8_t red, std::uint8_t green, std::uint8_t blue, std::uint8_t alpha = 255);
    // The stored bytes at (x, y): blue, green, red, alpha, premultiplied. Throws
    // std::out_of_range outside the canvas.
    std::array<std::uint8_t, 4> pixel(int x, int y) const;
    // Writes the canvas as a PNG file; false when cairo cannot.
    bool write_png(const std::string& path) const;

    // --- what the Drawbot suites do with it -------------------------------------------
    // The live canvas behind a reference, or null when it names none.
    static DrawingCanvas* from_reference(const void* reference);
    // A new image from a buffer in one of the Drawbot pixel layouts; null for a layout,
    // size or row length that does not describe the buffer.
    DRAWBOT_ImageRef new_image(int width, int height, int row_bytes, DRAWBOT_PixelLayout layout, const void* data);
    // Releases an image this canvas made; false when it made none under that reference.
    bool release_image(const void* image);
    // Releases an image whichever live canvas made it; false when none did.
    static bool release_any(const void* image);
    // Draws an image this canvas made at `x`, `y` with `opacity` (0-1); false for an unknown one.
    bool draw_image(const void* image, float x, float y, float opacity);
    // Fills a rectangle with a straight-alpha colour (components 0-1).
    void paint_rect(const DRAWBOT_ColorRGBA& color, const DRAWBOT_RectF32& rect);
    // Writes `text` (UTF-8) with its baseline's start at `x`, `y` in a grey `level` (0-255),
    // in the system's sans-serif face at `size` pixels. The host's own panel labels.
    void draw_text(double x, double y, const std::string& text, std::uint8_t level, double size = 12.0);
    // The same in a colour of its own (components 0-1), as the panel shows values.
    void draw_text(double x, double y, const std::string& text, const DRAWBOT_ColorRGBA& color, double size = 12.0);
    // The panel's own shapes: a filled polygon (twirl triangles, menu arrows) and a
    // rectangle's outline (check boxes, menu boxes), antialiased.
    void fill_polygon(const std::vector<DRAWBOT_PointF32>& points, const DRAWBOT_ColorRGBA& color);
    void frame_rect(const DRAWBOT_RectF32& rect, const DRAWBOT_ColorRGBA& color);
    void push_state();
    bool pop_state();  // false when nothing was pushed
    // Images made and not released yet.
    std::size_t live_images() const;

private:
    struct Pieces;
    int width_;
    int height_;
    Pieces* pieces_;
    PF_Context context_{};
    PF_Context* context_pointer_ = &context_;
};

}  // namespace fx
