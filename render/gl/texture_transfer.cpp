// Moving staged pictures into textures and the last pass's pixels back out. GL's
// first texture row is the bottom of the picture, the staged buffers' first row the
// top: both directions flip, so a picture that goes up and comes back is unchanged.

#include <GL/glew.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "definition/effect_definition.h"
#include "render/gl/gl_renderer.h"
#include "render/gl/texture_wrap.h"

namespace fx {
namespace {

constexpr std::int64_t kFloatPixelBytes = 16;  // staged read-back: RGBA float
constexpr std::int64_t kBytePixelBytes = 4;    // staged byte read-back: RGBA bytes

}  // namespace

void GlRenderer::upload_input(const InputImage& image, int slot_index) {
    if (definition_ == nullptr || image.pixels == nullptr) return;
    GlTexture* slot = texture_at(slot_index);
    if (slot == nullptr) return;
    if (image.width <= 0 || image.height <= 0) return;
    const bool rgb = image.channel_layout == ChannelLayout::rgb;
    const bool is_float = image.bits_per_channel == 32;
    // Only the two staged depths exist; anything else would be read with the wrong size.
    if (!is_float && image.bits_per_channel != 8) return;

    const GLenum pixel_type = is_float ? GL_FLOAT : (rgb ? GL_UNSIGNED_BYTE : GL_UNSIGNED_INT_8_8_8_8_REV);
    const GLenum pixel_format = rgb ? GL_RGB : GL_RGBA;
    const std::int64_t pixel_bytes = (image.bits_per_channel / 8) * (rgb ? 3 : 4);
    const std::int64_t packed_row = pixel_bytes * image.width;
    const std::int64_t row_bytes = image.row_bytes >= 1 ? image.row_bytes : packed_row;
    // A row shorter than its pixels would make the upload read past the buffer.
    if (row_bytes < packed_row) return;

    ContextBracket bracket(context_.get());
    if (!bracket.current()) return;
    const auto& settings = definition_->settings;
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, slot->id());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 10);
    const GLint magnify = settings.smooth > 0 ? GL_LINEAR : GL_NEAREST;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, magnify);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, settings.smooth < 1 ? magnify : GL_LINEAR_MIPMAP_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, texture_wrap_mode(settings.repeat));
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, texture_wrap_mode(settings.repeat));

    // Storage is kept across frames while the picture keeps its size and depth; a new
    // depth gets new storage so that float inputs are not squeezed into 8 bits.
    const GLenum internal_format = input_internal_format(image);
    if (slot->width() != image.width || slot->height() != image.height || slot->requested_format() != internal_format) {
        if (!slot->specify_storage(internal_format, image.width, image.height, settings.smooth >= 1)) {
            glBindTexture(GL_TEXTURE_2D, 0);
            return;
        }
    }

    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    const auto* pixels = static_cast<const std::uint8_t*>(image.pixels);
    for (std::int32_t row = 0; row < image.height; ++row) {
        glTexSubImage2D(GL_TEXTURE_2D, 0, 0, image.height - 1 - row, image.width, 1, pixel_format, pixel_type,
                        pixels + static_cast<std::ptrdiff_t>(row) * row_bytes);
    }
    // The reduced levels no longer describe the picture. They are rebuilt by the first pass
    // that samples this texture through them: most passes filter linearly or not at all,
    // and rebuilding them on every upload cost more than the upload itself.
    slot->set_mipmaps_current(false);
    glBindTexture(GL_TEXTURE_2D, 0);
}

bool GlRenderer::read_back(int slot, InputImage& output) { return read_rows(slot, output, true); }

bool GlRenderer::read_back_unflipped(int slot, InputImage& output) { return read_rows(slot, output, false); }

bool GlRenderer::holds_bytes(int slot_index) {
    const GlTexture* texture = texture_at(slot_index);
    if (texture == nullptr || !texture->has_storage()) return false;
    ContextBracket bracket(context_.get());
    if (!bracket.current()) return false;
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, texture->id());
    bool bytes = true;
    for (const GLenum size :
         {GL_TEXTURE_RED_SIZE, GL_TEXTURE_GREEN_SIZE, GL_TEXTURE_BLUE_SIZE, GL_TEXTURE_ALPHA_SIZE}) {
        GLint bits = 0;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, size, &bits);
        bytes = bytes && bits == 8;
    }
    GLint type = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_RED_TYPE, &type);
    glBindTexture(GL_TEXTURE_2D, 0);
    return bytes && type == GL_UNSIGNED_NORMALIZED;
}

bool GlRenderer::read_back_bytes(int slot, InputImage& output) {
    if (!holds_bytes(slot)) return false;
    return read_rows_as(slot, output, true, true);
}

bool GlRenderer::read_rows(int slot_index, InputImage& output, bool flip) {
    return read_rows_as(slot_index, output, flip, false);
}

bool GlRenderer::read_rows_as(int slot_index, InputImage& output, bool flip, bool bytes) {
    const GlTexture* texture = texture_at(slot_index);
    if (texture == nullptr || output.pixels == nullptr || !texture->has_storage()) return false;
    const std::int32_t width = texture->width();
    const std::int32_t height = texture->height();
    // The buffer was sized by the caller; a texture larger than it is not read.
    const std::int64_t capacity = static_cast<std::int64_t>(output.row_bytes) * output.height;
    const std::int64_t row_bytes = (bytes ? kBytePixelBytes : kFloatPixelBytes) * width;
    const GLenum pixel_type = bytes ? GL_UNSIGNED_BYTE : GL_FLOAT;
    if (output.row_bytes < 0 || output.height < 0 || row_bytes * height > capacity) return false;

    ContextBracket bracket(context_.get());
    if (!bracket.current()) return false;
    output.width = width;
    output.height = height;
    output.bits_per_channel = bytes ? 8 : 32;
    output.row_bytes = static_cast<std::int32_t>(row_bytes);
    output.channel_layout = ChannelLayout::rgba;
    auto* pixels = static_cast<std::uint8_t*>(output.pixels);

    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, texture->id());
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glPixelStorei(GL_PACK_ROW_LENGTH, 0);
    if (!flip) {
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, pixel_type, pixels);
        glBindTexture(GL_TEXTURE_2D, 0);
        return true;
    }
    glBindTexture(GL_TEXTURE_2D, 0);
    // Read through the framebuffer with the wanted texture attached, whatever the last
    // pass left attached there.
    const std::string status = resources_->framebuffer.attach_color(*texture);
    if (!status.empty()) {
        pass_log_ +=
            "read_back: buffer " + std::to_string(slot_index) + " cannot be read: framebuffer " + status + "\n";
        return false;
    }
    glReadBuffer(GL_COLOR_ATTACHMENT0);
    for (std::int32_t row = 0; row < height; ++row) {
        glReadPixels(0, height - 1 - row, width, 1, GL_RGBA, pixel_type,
                     pixels + static_cast<std::ptrdiff_t>(row) * row_bytes);
    }
    return true;
}

}  // namespace fx
