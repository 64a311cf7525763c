#pragma once

// Every allowance the renderer makes for a particular driver, loader or library build
// lives here, each with the reason and the test that shows it.

namespace fx {

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

// Reads and discards every pending GL error.
//
// GL errors are sticky until read. The renderer deliberately ignores some (a uniform
// whose type in the shader differs from the slot's type gives GL_INVALID_OPERATION, as
// it does on every driver), so a stale error must not be taken for the result of the
// storage call that follows: texture storage checks its own error right after the
// call, and this is drained before it. Shown by TextureTransferGlTest.StaleErrorDoesNotDowngradeFloatStorage.
void drain_gl_errors();

}  // namespace fx
