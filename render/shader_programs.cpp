// Shader assembly: the defines block, per-pass compile and link, the fallback shaders
// and the error log shown to the user.

#include <GL/glew.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

#include "AE_EffectCB.h"
#include "definition/definition_codes.h"
#include "definition/effect_definition.h"
#include "render/fragment_assembly.h"
#include "render/gl_renderer.h"
#include "render/shader_builtin_texts.h"

namespace fx {
namespace {

constexpr GLsizei kInfoLogLimit = 1024;  // bytes of a compiler or linker log kept per failure
constexpr std::size_t kStatusMessageLimit = 200;

// The info log of a shader or program, up to kInfoLogLimit bytes.
template <typename GetParameter, typename GetLog>
std::string info_log(GLuint object, GetParameter get_parameter, GetLog get_log) {
    GLint length = 0;
    get_parameter(object, GL_INFO_LOG_LENGTH, &length);
    if (length <= 0) return {};
    char buffer[kInfoLogLimit] = {};
    GLsizei written = 0;
    get_log(object, kInfoLogLimit, &written, buffer);
    return std::string(buffer, static_cast<std::size_t>(std::clamp<GLsizei>(written, 0, kInfoLogLimit)));
}

std::string shader_info_log(GLuint shader) { return info_log(shader, glGetShaderiv, glGetShaderInfoLog); }

std::string program_info_log(GLuint program) { return info_log(program, glGetProgramiv, glGetProgramInfoLog); }

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

bool is_position_type(GLenum type) { return type == GL_FLOAT_VEC3 || type == GL_FLOAT_VEC4; }

// The quad feeds position on attribute 0 and the texture coordinate on attribute 1,
// whatever the vertex shader calls them: the one vec3/vec4 attribute is taken for the
// position and the one vec2 attribute for the texture coordinate, and the program is
// relinked when the linker placed them elsewhere. Shaders with several candidates
// keep the linker's choice.
bool place_quad_attributes(GLuint program) {
    GLint count = 0;
    glGetProgramiv(program, GL_ACTIVE_ATTRIBUTES, &count);
    std::string position;
    std::string texcoord;
    int position_candidates = 0;
    int texcoord_candidates = 0;
    for (GLint index = 0; index < count; ++index) {
        char name[256] = {};
        GLsizei length = 0;
        GLint size = 0;
        GLenum type = 0;
        glGetActiveAttrib(program, static_cast<GLuint>(index), sizeof(name), &length, &size, &type, name);
        if (std::strncmp(name, "gl_", 3) == 0) continue;
        if (is_position_type(type)) {
            position = name;
            ++position_candidates;
        } else if (type == GL_FLOAT_VEC2) {
            texcoord = name;
            ++texcoord_candidates;
        }
    }
    bool moved = false;
    if (position_candidates == 1 && glGetAttribLocation(program, position.c_str()) != 0) {
        glBindAttribLocation(program, 0, position.c_str());
        moved = true;
    }
    if (texcoord_candidates == 1 && glGetAttribLocation(program, texcoord.c_str()) != 1) {
        glBindAttribLocation(program, 1, texcoord.c_str());
        moved = true;
    }
    if (moved) glLinkProgram(program);
    return moved;
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
    const std::string directive = shader_builtin_text(ShaderBuiltinText::define_directive);
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
    const std::string fallback =
        shader_builtin_text(type == GL_VERTEX_SHADER ? ShaderBuiltinText::fallback_vertex_shader
                                                     : ShaderBuiltinText::fallback_fragment_shader);
    // The fallback gets one attempt: a fallback that fails too ends the build.
    const GLuint replacement = compile_stage(type, fallback, log, pass);
    if (replacement == 0) log += pass_prefix(pass) + "the built-in fallback shader did not compile\n";
    return replacement;
}

std::uint32_t GlRenderer::compile_stage(std::uint32_t type, const std::string& source, std::string& log, int pass) {
    if (source.empty()) return 0;
    const GLuint shader = glCreateShader(type);
    if (shader == 0) {
        log += pass_prefix(pass) + "the driver could not create a shader\n";
        return 0;
    }
    const GLchar* text = source.c_str();
    const GLint length = static_cast<GLint>(std::min<std::size_t>(source.size(), 0x7fffffff));
    glShaderSource(shader, 1, &text, &length);
    glCompileShader(shader);
    GLint compiled = GL_FALSE;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &compiled);
    if (compiled == GL_TRUE) {
        if (pass >= 0 && pass < kProgramSlots && programs_[pass] != 0) glAttachShader(programs_[pass], shader);
        glDeleteShader(shader);  // freed with the program it is attached to
        return shader;
    }
    std::string message = shader_info_log(shader);
    // A failure must leave text in the log, or the frame would show the fallback.
    if (message.empty()) message = "compile failed without a message from the driver\n";
    log += pass_prefix(pass) + message;
    glDeleteShader(shader);
    return 0;
}

void GlRenderer::build_programs() {
    if (!gpu_enabled() || state_ <= kRendererEmpty) return;
    ContextBracket bracket(context_.get());
    if (!bracket.current()) return;
    error_log_.clear();

    const int pass_count = std::clamp(definition_->settings.pass_count, 0, kMaxPasses);
    const std::string block = build_defines_block();
    const std::string vertex = definition_->vertex_source.str();
    for (int pass = 0; pass < pass_count; ++pass) {
        const std::string fragment = assemble_fragment_source(definition_->pass_source[pass].str(), block);

        if (programs_[pass] != 0) glDeleteProgram(programs_[pass]);
        programs_[pass] = glCreateProgram();

        if (compile_shader(GL_VERTEX_SHADER, vertex, error_log_, pass) == 0 ||
            compile_shader(GL_FRAGMENT_SHADER, fragment, error_log_, pass) == 0) {
            if (vertex.empty()) error_log_ += pass_prefix(pass) + "there is no vertex shader source\n";
            if (frame_ != nullptr) frame_->shader_errors = true;
            return;
        }

        glLinkProgram(programs_[pass]);
        GLint linked = GL_FALSE;
        glGetProgramiv(programs_[pass], GL_LINK_STATUS, &linked);
        if (linked == GL_TRUE && place_quad_attributes(programs_[pass])) {
            glGetProgramiv(programs_[pass], GL_LINK_STATUS, &linked);
        }
        if (linked != GL_TRUE) {
            std::string message = program_info_log(programs_[pass]);
            if (message.empty()) message = pass_prefix(pass) + "link failed without a message from the driver\n";
            error_log_ += message;
            glDeleteProgram(programs_[pass]);
            programs_[pass] = 0;
            if (frame_ != nullptr) frame_->shader_errors = true;
            return;
        }
    }
    if (frame_ != nullptr) {
        state_ = kRendererBuilt;
        frame_->shader_errors = !error_log_.empty();
    }
}

bool GlRenderer::report_shader_status(PF_OutData* out_data, bool rebuild, const PF_InData* in_data) {
    std::string log;
    // Without a usable context nothing was ever compiled and the log is empty; the
    // confirmation would then report success for a renderer that cannot draw.
    if (context_ == nullptr || !context_->usable()) {
        log = "OpenGL renderer: no OpenGL 2.0 context with the required extensions could be created\n";
    } else {
        ContextBracket bracket(context_.get());
        if (rebuild) build_programs();
        log = error_log_;
    }
    const bool clean = log.empty();
    std::string message = clean ? shader_builtin_text(ShaderBuiltinText::shader_confirmation) : log;
    if (message.size() > kStatusMessageLimit) message.resize(kStatusMessageLimit);
    if (out_data != nullptr) {
        auto* host_strcpy = in_data != nullptr && in_data->utils != nullptr ? in_data->utils->ansi.strcpy : nullptr;
        if (host_strcpy != nullptr) {
            host_strcpy(out_data->return_msg, message.c_str());
        } else {
            std::memcpy(out_data->return_msg, message.c_str(), message.size() + 1);
        }
    }
    return clean;
}

}  // namespace fx
