#include "render/gl_renderer.h"

#include <GL/glew.h>

#include <algorithm>

#include "definition/effect_definition.h"
#include "render/driver_workarounds.h"

namespace fx {
namespace {

// Full-screen quad as one triangle strip: x, y, z, s, t per vertex.
constexpr float kQuad[5][5] = {
    {1.0f, -1.0f, 0.0f, 1.0f, 0.0f},  {1.0f, 1.0f, 0.0f, 1.0f, 1.0f},  {-1.0f, 1.0f, 0.0f, 0.0f, 1.0f},
    {-1.0f, -1.0f, 0.0f, 0.0f, 0.0f}, {1.0f, -1.0f, 0.0f, 1.0f, 0.0f},
};
constexpr GLsizei kQuadStride = 5 * sizeof(float);  // 20 bytes
constexpr GLuint kPositionAttribute = 0;
constexpr GLuint kTexcoordAttribute = 1;

}  // namespace

GlRenderer::GlRenderer() {
    for (int unit = 0; unit < kTextureSlots; ++unit) sampler_names_[unit] = "in" + std::to_string(unit);
}

GlRenderer::~GlRenderer() {
    release_resources();
    context_.reset();
}

void GlRenderer::set_definition(EffectDefinition* definition) { definition_ = definition; }

bool GlRenderer::gpu_enabled() const { return definition_ != nullptr && definition_->settings.usegpu >= 0; }

void GlRenderer::create_context() {
    if (!gpu_enabled()) return;
    // The old context's GL objects die with it.
    if (context_) release_resources();
    context_.reset();
    context_ = create_gl_context();
}

bool GlRenderer::make_current() { return context_ != nullptr && context_->make_current(); }

void GlRenderer::restore() {
    if (context_) context_->restore();
}

// One texture per input and pass, and more when the routing names a higher buffer:
// a pass routed into a buffer without a texture could never draw.
int GlRenderer::planned_texture_count() const {
    const auto& settings = definition_->settings;
    const int pass_count = std::clamp(settings.pass_count, 0, kMaxPasses);
    // Routing numbers come from the text as written, up to the largest int: capped
    // before counting so that "buffer + 1" cannot overflow.
    const auto textures_for = [](int buffer) { return std::min(buffer, kTextureSlots - 1) + 1; };
    int wanted = pass_count + std::clamp(settings.layer_count, 0, kTextureSlots);
    for (int pass = 0; pass < pass_count; ++pass) {
        wanted = std::max(wanted, textures_for(settings.pass_output[pass]));
        for (int unit = 0; unit < kMaxInputs && settings.pass_input[pass][unit] >= 0; ++unit) {
            wanted = std::max(wanted, textures_for(settings.pass_input[pass][unit]));
        }
    }
    return std::min(wanted, kTextureSlots);
}

void GlRenderer::create_resources() {
    if (!gpu_enabled()) return;
    if (state_ > kRendererEmpty) release_resources();
    if (state_ != kRendererEmpty) return;
    ContextBracket bracket(context_.get());
    if (!bracket.current()) return;
    error_log_.clear();
    drain_gl_errors();

    glGenFramebuffers(1, &framebuffer_);
    glGenVertexArrays(1, &vertex_array_);
    glBindVertexArray(vertex_array_);
    glGenBuffers(1, &vertex_buffer_);
    glBindBuffer(GL_ARRAY_BUFFER, vertex_buffer_);
    glBufferData(GL_ARRAY_BUFFER, sizeof(kQuad), kQuad, GL_STATIC_DRAW);
    glEnableVertexAttribArray(kPositionAttribute);
    glEnableVertexAttribArray(kTexcoordAttribute);
    glVertexAttribPointer(kPositionAttribute, 3, GL_FLOAT, GL_FALSE, kQuadStride, nullptr);
    glVertexAttribPointer(kTexcoordAttribute, 2, GL_FLOAT, GL_TRUE, kQuadStride,
                          reinterpret_cast<const void*>(3 * sizeof(float)));
    glBindVertexArray(0);
    glBindBuffer(GL_ARRAY_BUFFER, 0);

    texture_count_ = 0;
    add_missing_textures();
    std::fill(std::begin(programs_), std::end(programs_), 0u);

    if (glGetError() != GL_NO_ERROR) {
        // Nothing half-made is kept: the next frame starts over.
        state_ = kRendererResources;
        release_resources();
        return;
    }
    state_ = kRendererResources;
}

void GlRenderer::release_resources() {
    if (!gpu_enabled() || state_ <= kRendererEmpty) return;
    {
        ContextBracket bracket(context_.get());
        // Without the context current its objects cannot be deleted here; they go
        // with the context itself.
        if (bracket.current()) {
            for (GLuint& program : programs_) {
                if (program != 0) glDeleteProgram(program);
                program = 0;
            }
            if (texture_count_ > 0) glDeleteTextures(texture_count_, textures_);
            if (vertex_array_ != 0) glDeleteVertexArrays(1, &vertex_array_);
            if (vertex_buffer_ != 0) glDeleteBuffers(1, &vertex_buffer_);
            if (framebuffer_ != 0) glDeleteFramebuffers(1, &framebuffer_);
        }
    }
    std::fill(std::begin(programs_), std::end(programs_), 0u);
    std::fill(std::begin(textures_), std::end(textures_), 0u);
    for (TextureSlot& slot : texture_slots_) slot = TextureSlot{};
    texture_count_ = 0;
    vertex_array_ = 0;
    vertex_buffer_ = 0;
    framebuffer_ = 0;
    state_ = kRendererEmpty;
}

void GlRenderer::add_missing_textures() {
    const int wanted = planned_texture_count();
    if (wanted <= texture_count_) return;
    glGenTextures(wanted - texture_count_, textures_ + texture_count_);
    for (int k = texture_count_; k < wanted; ++k) texture_slots_[k] = TextureSlot{textures_[k], 0, 0, false, 0};
    texture_count_ = wanted;
}

void GlRenderer::attach_frame(FrameParams* frame) {
    frame_ = frame;
    if (frame_ == nullptr || definition_ == nullptr) return;
    // A reloaded definition may have more passes or routed buffers than the textures
    // made for the previous one; the existing ones keep their content.
    if (state_ > kRendererEmpty) {
        ContextBracket bracket(context_.get());
        if (bracket.current()) add_missing_textures();
    }
    const auto& settings = definition_->settings;
    if (frame_->repeat < 0) frame_->repeat = settings.repeat;
    if (frame_->smooth < 0) frame_->smooth = settings.smooth;
    if (frame_->range < 0) frame_->range = settings.range;
}

std::uint32_t GlRenderer::program(int pass) const { return pass >= 0 && pass < kProgramSlots ? programs_[pass] : 0; }

TextureSlot GlRenderer::texture_slot(int slot) const {
    return slot >= 0 && slot < kTextureSlots ? texture_slots_[slot] : TextureSlot{};
}

}  // namespace fx
