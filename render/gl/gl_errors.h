#pragma once

namespace fx {

// Reads and discards every pending GL error. GL errors are sticky until read: a call
// whose own error is checked drains first, so that an earlier one is not taken for it
// (TextureTransferGlTest.StaleErrorDoesNotDowngradeFloatStorage).
void drain_gl_errors();

// The one place where errors the engine provokes on purpose are discarded. Slot
// uniforms are set by the slot's declared type, whatever the shader declares under that
// name; a shader that declares another type gets GL_INVALID_OPERATION for that call on
// every driver and keeps the uniform's old value. Called once the pass's uniforms are
// set, so no other code meets these errors
// (PassUniformsErrorGlTest.MismatchedDeclarationInTheLastPassLeavesNoErrorPending).
void discard_uniform_type_errors();

}  // namespace fx
