#include "render/gl/gl_program.h"

#include <GL/glew.h>

#include <algorithm>
#include <string_view>
#include <utility>

#include "render/gl/driver_workarounds.h"

namespace fx {
namespace {

constexpr GLsizei kInfoLogLimit = 1024;  // bytes of a compiler or linker log kept per failure
constexpr GLsizei kUniformNameLimit = 256;

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

}  // namespace

std::string shader_info_log(std::uint32_t shader) { return info_log(shader, glGetShaderiv, glGetShaderInfoLog); }

std::string program_info_log(std::uint32_t program) { return info_log(program, glGetProgramiv, glGetProgramInfoLog); }

std::uint32_t compile_shader_object(std::uint32_t type, const std::string& source, std::string& message) {
    const GLuint shader = glCreateShader(type);
    if (shader == 0) {
        message = "the driver could not create a shader\n";
        return 0;
    }
    const GLchar* text = source.c_str();
    const GLint length = static_cast<GLint>(std::min<std::size_t>(source.size(), 0x7fffffff));
    glShaderSource(shader, 1, &text, &length);
    glCompileShader(shader);
    GLint compiled = GL_FALSE;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &compiled);
    if (compiled == GL_TRUE) return shader;
    message = shader_info_log(shader);
    // A failure must leave text in the log, or the frame would show the fallback.
    if (message.empty()) message = "compile failed without a message from the driver\n";
    glDeleteShader(shader);
    return 0;
}

GlProgram::~GlProgram() { release(); }

GlProgram::GlProgram(GlProgram&& other) noexcept
    : id_(std::exchange(other.id_, 0u)),
      linked_(std::exchange(other.linked_, false)),
      uniforms_(std::exchange(other.uniforms_, {})) {}

GlProgram& GlProgram::operator=(GlProgram&& other) noexcept {
    if (this != &other) {
        release();
        id_ = std::exchange(other.id_, 0u);
        linked_ = std::exchange(other.linked_, false);
        uniforms_ = std::exchange(other.uniforms_, {});
    }
    return *this;
}

GlProgram GlProgram::create() { return GlProgram(glCreateProgram()); }

void GlProgram::release() {
    if (id_ != 0) glDeleteProgram(id_);
    forget();
}

void GlProgram::attach(std::uint32_t shader) {
    if (id_ != 0 && shader != 0) glAttachShader(id_, shader);
}

bool GlProgram::link(std::string& log) {
    linked_ = false;
    uniforms_.clear();
    if (id_ == 0) {
        log += "the driver could not create a program\n";
        return false;
    }
    glLinkProgram(id_);
    GLint status = GL_FALSE;
    glGetProgramiv(id_, GL_LINK_STATUS, &status);
    if (status == GL_TRUE && place_quad_attributes(id_)) glGetProgramiv(id_, GL_LINK_STATUS, &status);
    if (status != GL_TRUE) {
        log += program_info_log(id_);
        return false;
    }
    linked_ = true;
    read_uniform_table();
    return true;
}

void GlProgram::read_uniform_table() {
    GLint count = 0;
    glGetProgramiv(id_, GL_ACTIVE_UNIFORMS, &count);
    for (GLint index = 0; index < count; ++index) {
        char name[kUniformNameLimit] = {};
        GLsizei length = 0;
        GLint size = 0;
        GLenum type = 0;
        glGetActiveUniform(id_, static_cast<GLuint>(index), kUniformNameLimit, &length, &size, &type, name);
        if (length <= 0 || std::string_view(name, 3) == "gl_") continue;
        const std::string full(name, static_cast<std::size_t>(length));
        const ActiveUniform uniform{glGetUniformLocation(id_, full.c_str()), type, size};
        uniforms_[full] = uniform;
        // Arrays are reported as "name[0]"; the bare name means the same element.
        if (full.size() > 3 && full.compare(full.size() - 3, 3, "[0]") == 0) {
            uniforms_[full.substr(0, full.size() - 3)] = uniform;
        }
    }
}

std::int32_t GlProgram::uniform_location(const std::string& name) const {
    const auto found = uniforms_.find(name);
    if (found != uniforms_.end()) return found->second.location;
    // Later array elements are not in the table; the driver knows them.
    if (id_ != 0 && linked_ && name.find('[') != std::string::npos) return glGetUniformLocation(id_, name.c_str());
    return -1;
}

}  // namespace fx
