// What a pass's shaders see: its input textures on sampler units, the built-in
// uniforms and one uniform per definition slot.

#include <GL/glew.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "definition/definition_codes.h"
#include "definition/effect_definition.h"
#include "render/gl/gl_renderer.h"
#include "render/gl/texture_wrap.h"

namespace fx {
namespace {

// Filter modes of pass inputs.
constexpr int kFilterNearest = 0;
constexpr int kFilterLinear = 1;

GLint location(const GlProgram& program, const std::string& name) {
    return name.empty() ? -1 : program.uniform_location(name);
}

// trunc(x) as GLSL int; values outside the int range saturate.
GLint truncated(float x) {
    if (std::isnan(x)) return 0;
    return static_cast<GLint>(std::clamp(std::trunc(x), -2147483648.0f, 2147483520.0f));
}

}  // namespace

void GlRenderer::bind_pass_inputs(int pass) {
    const auto& settings = definition_->settings;
    const int pass_smooth = settings.pass_smooth[pass];
    const int mode = pass_smooth >= 0 ? pass_smooth : frame_->smooth;
    const GlProgram& program = resources_->programs[static_cast<std::size_t>(pass)];
    for (int unit = 0; unit < kMaxInputs && settings.pass_input[pass][unit] >= 0; ++unit) {
        const int source = settings.pass_input[pass][unit];
        glActiveTexture(GL_TEXTURE0 + static_cast<GLenum>(unit));
        GlTexture* slot = texture_at(source);
        glBindTexture(GL_TEXTURE_2D, slot != nullptr ? slot->id() : 0);
        if (slot != nullptr) {
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 10);
            if (mode == kFilterNearest) {
                glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
                glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
            } else if (mode == kFilterLinear) {
                glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
                glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
            } else {
                glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
                glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
                // Mipmaps built while the texture was still empty, or before the last
                // pass drew into it, would blend stale pixels into every reduced read.
                if (!slot->mipmaps_current() && slot->has_storage()) {
                    glGenerateMipmap(GL_TEXTURE_2D);
                    slot->set_mipmaps_current(true);
                }
            }
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, texture_wrap_mode(frame_->repeat));
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, texture_wrap_mode(frame_->repeat));
        }
        glUniform1i(location(program, sampler_names_[unit]), unit);
    }
    glActiveTexture(GL_TEXTURE0);
}

void GlRenderer::set_builtin_uniforms(int pass, const GlProgram& program) {
    const GlTexture& target = texture(definition_->settings.pass_output[pass]);
    const float scale = pass_scale(pass);
    glUniform1i(location(program, "ps_index"), pass);
    glUniform1f(location(program, "time"), static_cast<float>(frame_->time_seconds));
    glUniform2f(location(program, "resolution"), static_cast<float>(target.width()),
                static_cast<float>(target.height()));
    glUniform2f(location(program, "pixelsize"), frame_->pixel_aspect[0], frame_->pixel_aspect[1]);
    glUniform2f(location(program, "downsample"), scale * frame_->downsample[0], scale * frame_->downsample[1]);
    glUniform2f(location(program, "range"), frame_->range_min, frame_->range_max);
    glUniform2f(location(program, "mouse"), frame_->pointer[0], frame_->pointer[1]);
}

void GlRenderer::set_slot_uniforms(int pass, const GlProgram& program) {
    const GlTexture& target = texture(definition_->settings.pass_output[pass]);
    const float width = static_cast<float>(target.width());
    const float height = static_cast<float>(target.height());
    const float scale = pass_scale(pass);
    const int count = std::clamp(definition_->settings.param_count, 0, kSlotCount);
    int texture_inputs = 0;  // layer and image slots seen so far
    for (int k = 0; k < count; ++k) {
        const ParamDef& param = definition_->params[k];
        const float* value = frame_->values[k];
        const std::string name = param.param.str();
        const bool texture_input = param.type == kParamLayer || param.type == kParamImage;
        const int unit = texture_inputs;  // the sampler unit a texture input reads
        if (texture_input) ++texture_inputs;
        switch (param.components) {
            case 1:
                if (param.type <= kParamPopup) {
                    glUniform1i(location(program, name), truncated(value[0]));
                } else {
                    glUniform1f(location(program, name), value[0]);
                }
                break;
            case 2:
                if (is_pixel_point(param)) {
                    glUniform2f(location(program, name), value[0] / width, value[1] / height);
                } else if (param.type == kParamPoint) {
                    glUniform2f(location(program, name), value[0] * scale, value[1] * scale);
                } else {
                    glUniform2f(location(program, name), value[0], value[1]);
                }
                break;
            case 3:
                glUniform3f(location(program, name), value[0], value[1], value[2]);
                break;
            case 0:
                if (texture_input) {
                    glUniform1i(location(program, name), unit);
                    if (unit >= kFrameInputSlots) break;  // no staged picture to describe
                    const InputImage& input = frame_->inputs[unit];
                    const float size_scale = k == 0 ? 1.0f : scale;
                    glUniform2f(location(program, name + "_resolution"), static_cast<float>(input.width) * size_scale,
                                static_cast<float>(input.height) * size_scale);
                    glUniform2f(location(program, name + "_origin"), static_cast<float>(input.origin_x * scale),
                                static_cast<float>(input.origin_y * scale));
                }
                break;
            default:
                break;
        }
    }
}

}  // namespace fx
