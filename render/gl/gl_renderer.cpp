#include "render/gl/gl_renderer.h"

#include <GL/glew.h>

#include <algorithm>
#include <utility>

#include "definition/effect_definition.h"
#include "render/gl/gl_errors.h"

namespace fx {

GlRenderer::GlRenderer(ShaderTexts texts) : texts_(std::move(texts)) {
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
    if (state_ != RendererState::empty) release_resources();
    if (state_ != RendererState::empty) return;
    ContextBracket bracket(context_.get());
    if (!bracket.current()) return;
    error_log_.clear();
    drain_gl_errors();

    resources_ = std::make_unique<GlResources>();
    resources_->framebuffer = GlFramebuffer::create();
    resources_->quad = FullScreenQuad::create();
    add_missing_textures();
    state_ = RendererState::resources;
    // Nothing half-made is kept: the next frame starts over.
    if (glGetError() != GL_NO_ERROR) release_resources();
}

void GlRenderer::release_resources() {
    if (!gpu_enabled() || state_ == RendererState::empty) return;
    {
        ContextBracket bracket(context_.get());
        // Without the context current its objects cannot be deleted here; they go
        // with the context itself.
        if (!bracket.current() && resources_) resources_->forget();
        resources_.reset();
    }
    state_ = RendererState::empty;
}

void GlRenderer::add_missing_textures() {
    const std::size_t wanted = static_cast<std::size_t>(planned_texture_count());
    while (resources_->textures.size() < wanted) resources_->textures.push_back(GlTexture::create());
}

GlTexture* GlRenderer::texture_at(int slot) {
    if (slot < 0 || slot >= texture_count()) return nullptr;
    return &resources_->textures[static_cast<std::size_t>(slot)];
}

void GlRenderer::attach_frame(FrameParams* frame) {
    frame_ = frame;
    if (frame_ == nullptr || definition_ == nullptr) return;
    // A reloaded definition may have more passes or routed buffers than the textures
    // made for the previous one; the existing ones keep their content.
    if (state_ != RendererState::empty) {
        ContextBracket bracket(context_.get());
        if (bracket.current()) add_missing_textures();
    }
    const auto& settings = definition_->settings;
    if (frame_->repeat < 0) frame_->repeat = settings.repeat;
    if (frame_->smooth < 0) frame_->smooth = settings.smooth;
    if (frame_->range < 0) frame_->range = settings.range;
}

std::uint32_t GlRenderer::program(int pass) const {
    if (!resources_ || pass < 0 || pass >= kProgramSlots) return 0;
    return resources_->programs[static_cast<std::size_t>(pass)].id();
}

const GlTexture& GlRenderer::texture(int slot) const {
    static const GlTexture kNone;
    if (slot < 0 || slot >= texture_count()) return kNone;
    return resources_->textures[static_cast<std::size_t>(slot)];
}

}  // namespace fx
