#pragma once

namespace fx {

// Loads the GL entry points through GLEW for the context that is current on this
// thread. Returns false when the OpenGL 2.0 entry points could not be loaded.
bool load_gl_entry_points();

// The features the renderer needs from the current context: OpenGL 2.0, at least two
// texture units, version and extension strings, float colour buffers and textures,
// programmable vertex and fragment stages, draw buffers and framebuffer objects.
bool has_required_gl_capabilities();

// Whether a space-separated extension list (GL, EGL or WGL) names an extension: the
// whole word, not a prefix of a longer name. A null list names nothing.
bool extension_listed(const char* list, const char* name);

}  // namespace fx
