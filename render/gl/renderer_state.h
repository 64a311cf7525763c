#pragma once

namespace fx {

// How far the renderer has come: no GL resources; resources but not every program
// built; every program built (cleanly or with fallbacks).
enum class RendererState { empty, resources, built };

}  // namespace fx
