// Render targets: the size each pass draws at, the storage of its target texture and
// the framebuffer attachment.

#include <GL/glew.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "definition/effect_definition.h"
#include "render/gl/gl_renderer.h"

namespace fx {
namespace {

// Internal-format settings (informat, outformat).
constexpr int kFormatAuto = 0;  // 8-bit, or float when the input is float
constexpr int kFormat8 = 8;
constexpr int kFormat16 = 16;
constexpr int kFormat32 = 32;
// Like kFormatAuto, and float as well whenever the high-range switch is on.
constexpr int kFormatRangeFloat = 9;

GLenum chosen_internal_format(int setting, bool float_input) {
    switch (setting) {
        case kFormatAuto:
        case kFormatRangeFloat:
            return float_input ? GL_RGBA32F : GL_RGBA8;
        case kFormat8:
            return GL_RGBA8;
        case kFormat16:
            return GL_RGBA16F;
        case kFormat32:
            return GL_RGBA32F;
        default:
            return static_cast<GLenum>(setting);  // a GL internal-format value given directly
    }
}

}  // namespace

std::uint32_t GlRenderer::target_internal_format() const {
    const int setting = definition_->settings.outformat;
    const bool float_input = frame_->inputs[0].bits_per_channel == 32;
    GLenum format = chosen_internal_format(setting, float_input);
    if (frame_->range > 0 && (float_input || setting == kFormatRangeFloat)) format = GL_RGBA32F;
    return format;
}

std::uint32_t GlRenderer::input_internal_format(const InputImage& image) const {
    const int setting = definition_->settings.informat;
    const bool float_input = image.bits_per_channel == 32;
    GLenum format = chosen_internal_format(setting, float_input);
    if ((float_input || setting == kFormatRangeFloat) && definition_->settings.range >= 1) format = GL_RGBA32F;
    return format;
}

float GlRenderer::pass_scale(int pass) const {
    if (pass >= definition_->settings.pass_count - 1) return 1.0f;
    float scale = frame_->scale;
    const float downsample = definition_->settings.pass_downsample[pass];
    if (downsample > 0.0f) scale *= downsample;
    // A scale that is not a number cannot size a target; such a pass draws at full size.
    return std::isfinite(scale) ? scale : 1.0f;
}

void GlRenderer::target_size(int pass, std::int32_t& width, std::int32_t& height) const {
    width = frame_->output.width;
    height = frame_->output.height;
    const float scale = pass_scale(pass);
    if (scale == 1.0f) return;
    // At least one pixel: a zero-sized target could never be completed and the pass
    // would silently leave its previous content.
    const auto scaled = [scale](std::int32_t size) {
        const float value = std::trunc(static_cast<float>(size) * scale);
        return static_cast<std::int32_t>(std::clamp(value, 1.0f, 65536.0f));
    };
    width = scaled(width);
    height = scaled(height);
}

std::string GlRenderer::prepare_target(int pass) {
    const int target = definition_->settings.pass_output[pass];
    GlTexture* texture = texture_at(target);
    if (texture == nullptr) {
        return "pass " + std::to_string(pass) + ": its target buffer " + std::to_string(target) +
               " has no texture (the renderer has " + std::to_string(texture_count()) + ")";
    }
    std::int32_t width = 0;
    std::int32_t height = 0;
    target_size(pass, width, height);

    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, texture->id());
    // Storage of the pass's size and format is kept even when every pass asks for it anew:
    // the pass clears the whole target before it draws, so fresh storage would hold the
    // same pixels, and re-specifying it cost a quarter of an identity pass.
    const int realloc = frame_->force_target_realloc;
    const GLenum format = target_internal_format();
    const bool same_storage = texture->has_storage() && width == texture->width() && height == texture->height() &&
                              format == texture->requested_format();
    if (realloc >= 0 && !same_storage) {
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
        texture->specify_storage(format, width, height, true);
    }
    // Unbound before the attachment so that no sampler unit of the pass reads the
    // texture it draws into.
    glBindTexture(GL_TEXTURE_2D, 0);
    const std::string status = resources_->framebuffer.attach_color(*texture);
    if (status.empty()) return {};
    return "pass " + std::to_string(pass) + ": its target buffer " + std::to_string(target) +
           " cannot be drawn into: framebuffer " + status;
}

}  // namespace fx
