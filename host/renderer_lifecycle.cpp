#include "host/renderer_lifecycle.h"

#include "definition/effect_definition.h"
#include "render/gl/gl_renderer.h"
#include "render/shader_builtin_texts.h"

namespace fx {
namespace {

template <class Step>
void guarded(Step&& step) noexcept {
    try {
        step();
    } catch (...) {}
}

}  // namespace

GlRenderer* create_renderer(EffectDefinition& definition) noexcept {
    GlRenderer* renderer = nullptr;
    guarded([&] { renderer = new GlRenderer(builtin_shader_texts()); });
    if (renderer == nullptr) return nullptr;
    guarded([&] { renderer->set_definition(&definition); });
    guarded([&] { renderer->create_context(); });
    guarded([&] { renderer->create_resources(); });
    return renderer;
}

void destroy_renderer(GlRenderer* renderer) noexcept {
    if (renderer == nullptr) return;
    guarded([&] { renderer->release_resources(); });
    // The renderer has no call of its own for its context object: the context ends with
    // the renderer, whose destructor releases it after the resources are gone.
    guarded([&] { delete renderer; });
}

}  // namespace fx
