// The order passes run in and one pass run: target, uniforms, draw.

#include <GL/glew.h>

#include <algorithm>
#include <cstdint>
#include <exception>

#include "definition/effect_definition.h"
#include "render/gl_renderer.h"
#include "render/render_error.h"

namespace fx {
namespace {

// Upper bound on the repetitions of one looping pass pair. The count comes from a
// parameter value; without a bound a large value would hold the host's render thread
// for hours.
constexpr std::int64_t kMaxPairRepeats = 4096;

}  // namespace

bool GlRenderer::run_all_passes() {
    if (definition_ == nullptr) return false;
    if (definition_->settings.usegpu < 0) return true;
    if (frame_ == nullptr) return false;
    if (state_ == kRendererEmpty) create_resources();
    if (state_ == kRendererResources) build_programs();
    // Only cleanly built programs run: after a compile error the fallback shaders stand
    // in, and their output must never reach the host.
    if (state_ != kRendererBuilt || !error_log_.empty()) {
        frame_->shader_errors = true;
        return false;
    }
    ContextBracket bracket(context_.get());
    if (!bracket.current()) return false;
    try {
        run_pass_sequence();
    } catch (const std::exception&) {
        return false;
    }
    return true;
}

void GlRenderer::run_pass_sequence() {
    const auto& settings = definition_->settings;
    const int pass_count = std::clamp(settings.pass_count, 0, kMaxPasses);
    int pass = 0;
    while (pass < pass_count) {
        const std::int64_t repeats =
            static_cast<std::int64_t>(settings.pass_loop[pass]) * (static_cast<std::int64_t>(frame_->iterations) - 1);
        if (repeats < 1) {
            run_pass(pass);
            ++pass;
            continue;
        }
        // The pair runs repeats + 1 times in turn. A looping last pass has no partner and
        // repeats on its own.
        const std::int64_t runs = std::min(repeats, kMaxPairRepeats) + 1;
        for (std::int64_t run = 0; run < runs; ++run) {
            run_pass(pass);
            if (pass + 1 < pass_count) run_pass(pass + 1);
        }
        pass += 2;
    }
}

void GlRenderer::run_pass(int pass) {
    if (definition_ == nullptr || frame_ == nullptr || pass < 0 || pass >= kMaxPasses) return;
    ContextBracket bracket(context_.get());
    if (!bracket.current()) throw RenderError("run_pass: the OpenGL context could not be made current");
    // A target that cannot be completed skips the pass; the frame shows what that
    // texture held before.
    if (!prepare_target(pass)) return;
    const GLuint program = programs_[pass];
    if (program == 0) throw RenderError("run_pass: pass " + std::to_string(pass) + " has no linked program");

    glUseProgram(program);
    bind_pass_inputs(pass);
    set_builtin_uniforms(pass, program);
    set_slot_uniforms(pass, program);

    TextureSlot& target = texture_slots_[definition_->settings.pass_output[pass]];
    glDrawBuffer(GL_COLOR_ATTACHMENT0);
    glViewport(0, 0, target.width, target.height);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glBindVertexArray(vertex_array_);
    glDrawArrays(GL_TRIANGLE_STRIP, 0, 5);
    glBindVertexArray(0);
    glUseProgram(0);
    target.mipmaps_current = false;
}

}  // namespace fx
