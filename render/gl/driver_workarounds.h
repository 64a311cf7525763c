#pragma once

// Every allowance the renderer makes for a particular driver, loader or library build
// lives here, each with the reason and the test that shows it.

#include <cstdint>

namespace fx {

// Asks GLEW to load the entry points of every extension, listed or not, before
// glewInit.
//
// Some drivers leave core features out of their extension string (core profiles list
// none of the features they took into core); without the switch GLEW leaves those entry
// points null and the first framebuffer call would jump to address 0. Mesa's llvmpipe,
// where the tests run, lists everything it has, so no test there fails without the
// switch; on such a driver every pass test would (PassPipelineGlTest.
// IdentityPassReturnsEveryFloatPixelUnchanged draws through a framebuffer object).
void load_unlisted_gl_entry_points();

// Decides whether glewInit's result means the GL entry points are usable.
//
// Distribution builds of GLEW are built for GLX: after loading the core and extension
// entry points (which succeeds for any current context, EGL included, because the
// loader dispatches per thread), glewInit goes on to load GLX's own extensions and
// reports GLEW_ERROR_NO_GLX_DISPLAY when the context is not a GLX one. That build does
// not export glewContextInit, so the only way to load the entry points is glewInit, and
// that specific error is accepted once OpenGL 2.0 is confirmed loaded. Shown by
// GlContextTest.CreatesUsableHeadlessContext.
bool accept_glew_init_result(unsigned int glew_result);

#ifndef _WIN32
// Opens an EGL display on one of the driver's devices (EGL_EXT_platform_device), or
// returns EGL_NO_DISPLAY (as a void pointer, which EGLDisplay is).
//
// Mesa's surfaceless platform is the first choice: it needs neither a window system nor
// a device node the process may lack. A GPU driver without it (NVIDIA) offers its
// devices instead; the default display, the last resort, needs an X server there.
// Shown by GlContextTest.CreatesUsableHeadlessContext on a machine with an NVIDIA GPU
// (with Mesa the surfaceless platform is taken first).
void* open_egl_device_display();
#endif

// Puts the quad's position on attribute 0 and its texture coordinate on attribute 1,
// whatever the vertex shader calls them, and relinks the program when the linker had
// placed them elsewhere. Returns whether it relinked.
//
// Shaders written for the compatibility profile declare their attributes without
// locations, and linkers number them differently: some in declaration order, some by
// name, some by first use. The one vec3/vec4 attribute is taken for the position and
// the one vec2 attribute for the texture coordinate; shaders with several candidates
// keep the linker's choice. Shown by GlObjectsGlTest.QuadAttributesArePlacedWhateverTheirOrder
// and by every pass test (the test vertex shader declares the texture coordinate first).
bool place_quad_attributes(std::uint32_t program);

}  // namespace fx
