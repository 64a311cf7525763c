// Shader assembly: the defines block, per-pass compile and link, the fallback shaders
// and the build log.

#include <GL/glew.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "definition/definition_codes.h"
#include "definition/effect_definition.h"
#include "render/gl/fragment_assembly.h"
#include "render/gl/gl_program.h"
#include "render/gl/gl_renderer.h"

namespace fx {
namespace {

std::string pass_prefix(int pass) { return "[" + std::to_string(pass) + "]: "; }

// A define's value sits on one line of the block; a line break inside a text parameter
// would end the directive early and turn the rest into shader code, and a backslash at
// the end would join the next directive to this one (the shader language has no use
// for a backslash in a value anyway).
std::string one_line(const std::string& value) {
    std::string line = value;
    std::replace(line.begin(), line.end(), '\r', ' ');
    std::replace(line.begin(), line.end(), '\n', ' ');
    for (std::size_t end = line.size(); end > 0 && (line[end - 1] == '\\' || line[end - 1] == ' '); --end) {
        if (line[end - 1] == '\\') line[end - 1] = ' ';
    }
    return line;
}

// trunc(x) when it is a usable index or integer value.
bool truncated_int(float x, int& out) {
    if (!std::isfinite(x) || x <= -2147483648.0f || x >= 2147483647.0f) return false;
    out = static_cast<int>(x);
    return true;
}

}  // namespace

void GlRenderer::set_define(const std::string& name, const std::string& value) { defines_[name] = value; }

std::string GlRenderer::build_defines_block() {
    defines_["OFX"] = "0";
    // Popup and check values become defines only while a frame supplies them; without
    // one the last frame's values stay.
    if (frame_ != nullptr && definition_ != nullptr) {
        const int count = std::clamp(definition_->settings.param_count, 0, kSlotCount);
        for (int slot = 1; slot < count; ++slot) {
            const ParamDef& param = definition_->params[slot];
            if (param.param.empty()) continue;  // "#define  value" would break every pass
            int choice = 0;
            if (!truncated_int(frame_->values[slot][0], choice)) continue;
            if (is_item_define_popup(param)) {
                if (choice >= 0 && static_cast<std::size_t>(choice) < param.items.size()) {
                    defines_[param.param.str()] = param.items[static_cast<std::size_t>(choice)];
                }
            } else if (is_value_define(param)) {
                defines_[param.param.str()] = std::to_string(choice);
            }
        }
    }
    const std::string& directive = texts_.define_directive;
    std::string block;
    for (const auto& [name, value] : defines_) {
        block += directive;
        block += one_line(name);
        block += ' ';
        block += one_line(value);
        block += "\r\n";
    }
    return block;
}

std::uint32_t GlRenderer::compile_shader(std::uint32_t type, const std::string& source, std::string& log, int pass) {
    const GLuint shader = compile_stage(type, source, log, pass);
    if (shader != 0 || source.empty()) return shader;
    const std::string& fallback =
        type == GL_VERTEX_SHADER ? texts_.fallback_vertex_shader : texts_.fallback_fragment_shader;
    // The fallback gets one attempt: a fallback that fails too ends the build.
    const GLuint replacement = compile_stage(type, fallback, log, pass);
    if (replacement == 0) log += pass_prefix(pass) + "the built-in fallback shader did not compile\n";
    return replacement;
}

std::uint32_t GlRenderer::compile_stage(std::uint32_t type, const std::string& source, std::string& log, int pass) {
    if (source.empty()) return 0;
    std::string message;
    const GLuint shader = compile_shader_object(type, source, message);
    if (shader == 0) {
        log += pass_prefix(pass) + message;
        return 0;
    }
    if (resources_ && pass >= 0 && pass < kProgramSlots) {
        resources_->programs[static_cast<std::size_t>(pass)].attach(shader);
    }
    glDeleteShader(shader);  // freed with the program it is attached to
    return shader;
}

const std::string& GlRenderer::build_programs() {
    if (!gpu_enabled() || state_ == RendererState::empty) return error_log_;
    ContextBracket bracket(context_.get());
    if (!bracket.current()) return error_log_;
    error_log_.clear();

    const int pass_count = std::clamp(definition_->settings.pass_count, 0, kMaxPasses);
    const std::string block = build_defines_block();
    const std::string vertex = definition_->vertex_source.str();
    for (int pass = 0; pass < pass_count; ++pass) {
        if (!build_program(pass, vertex, block)) {
            if (frame_ != nullptr) frame_->shader_errors = true;
            return error_log_;
        }
    }
    if (frame_ != nullptr) {
        state_ = RendererState::built;
        frame_->shader_errors = !error_log_.empty();
    }
    return error_log_;
}

bool GlRenderer::build_program(int pass, const std::string& vertex, const std::string& defines_block) {
    GlProgram& program = resources_->programs[static_cast<std::size_t>(pass)];
    program = GlProgram::create();
    const std::string fragment = assemble_fragment_source(definition_->pass_source[pass].str(), defines_block);
    if (compile_shader(GL_VERTEX_SHADER, vertex, error_log_, pass) == 0 ||
        compile_shader(GL_FRAGMENT_SHADER, fragment, error_log_, pass) == 0) {
        if (vertex.empty()) error_log_ += pass_prefix(pass) + "there is no vertex shader source\n";
        return false;
    }
    // The linker's log goes into the build log as the driver wrote it.
    std::string link_log;
    if (!program.link(link_log)) {
        // A failure must leave text in the log, or the frame would count as clean.
        error_log_ +=
            link_log.empty() ? pass_prefix(pass) + "link failed without a message from the driver\n" : link_log;
        program = GlProgram();
        return false;
    }
    return true;
}

ShaderStatus GlRenderer::shader_status(bool rebuild) {
    // Without a usable context nothing was ever compiled and the log is empty; a clean
    // report would then claim success for a renderer that cannot draw.
    if (context_ == nullptr || !context_->usable()) {
        return {false, "OpenGL renderer: no OpenGL 2.0 context with the required extensions could be created\n"};
    }
    ContextBracket bracket(context_.get());
    if (rebuild) build_programs();
    return {error_log_.empty(), error_log_};
}

}  // namespace fx
