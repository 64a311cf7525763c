// The order passes run in and one pass run: target, uniforms, draw.

#include <GL/glew.h>

#include <algorithm>
#include <cstdint>
#include <exception>
#include <string>

#include "definition/effect_definition.h"
#include "render/gl/gl_errors.h"
#include "render/gl/gl_renderer.h"
#include "render/gl/render_error.h"

namespace fx {
namespace {

// Upper bound on the repetitions of one looping pass pair. The count comes from a
// parameter value; without a bound a large value would hold the host's render thread
// for hours.
constexpr std::int64_t kMaxPairRepeats = 4096;

}  // namespace

bool GlRenderer::run_all_passes() {
    pass_log_.clear();
    if (definition_ == nullptr) {
        pass_log_ = "run_all_passes: no effect definition is set\n";
        return false;
    }
    if (definition_->settings.usegpu < 0) return true;
    if (frame_ == nullptr) {
        pass_log_ = "run_all_passes: no frame is attached\n";
        return false;
    }
    if (state_ == RendererState::empty) create_resources();
    if (state_ == RendererState::resources) build_programs();
    // Only cleanly built programs run: after a compile error the fallback shaders stand
    // in, and their output must never reach the host.
    if (state_ != RendererState::built || !error_log_.empty()) {
        frame_->shader_errors = true;
        pass_log_ = "run_all_passes: the shader programs are not cleanly built\n";
        return false;
    }
    ContextBracket bracket(context_.get());
    if (!bracket.current()) {
        pass_log_ = "run_all_passes: the OpenGL context could not be made current\n";
        return false;
    }
    try {
        run_pass_sequence();
    } catch (const std::exception& error) {
        pass_log_ += std::string(error.what()) + "\n";
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
    if (!resources_) throw RenderError("run_pass: the renderer has no GL resources");
    // A target that cannot be completed skips the pass; the frame shows what that
    // texture held before, and the pass log says why.
    const std::string target_problem = prepare_target(pass);
    if (!target_problem.empty()) {
        pass_log_ += "run_pass: " + target_problem + "; the pass was skipped\n";
        return;
    }
    const GlProgram& program = resources_->programs[static_cast<std::size_t>(pass)];
    if (program.id() == 0) throw RenderError("run_pass: pass " + std::to_string(pass) + " has no linked program");

    glUseProgram(program.id());
    bind_pass_inputs(pass);
    set_builtin_uniforms(pass, program);
    set_slot_uniforms(pass, program);
    discard_uniform_type_errors();

    GlTexture& target = *texture_at(definition_->settings.pass_output[pass]);
    glDrawBuffer(GL_COLOR_ATTACHMENT0);
    glViewport(0, 0, target.width(), target.height());
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    resources_->quad.draw();
    glUseProgram(0);
    target.set_mipmaps_current(false);
}

}  // namespace fx
