#pragma once
// The one renderer of the process: made at global set-up, ended at global teardown.
// The only place that knows how a renderer is put together.

namespace fx {

class EffectDefinition;
class GlRenderer;

// Constructs the renderer, attaches `definition`, creates its context object and then
// its GL resources, each a separate step. A step that throws is left out and the next
// still runs: a renderer without a context renders nothing and says so in its shader
// status, but the effect still loads. Null only when the renderer cannot be constructed.
GlRenderer* create_renderer(EffectDefinition& definition) noexcept;

// Releases the GL resources, then the context object, then the renderer itself. Each
// step is guarded on its own; nothing leaves this function. A null renderer is ignored.
void destroy_renderer(GlRenderer* renderer) noexcept;

}  // namespace fx
