#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace fx {

// One active uniform of a linked program, as the driver reports it.
struct ActiveUniform {
    std::int32_t location = -1;
    std::uint32_t type = 0;  // GL type enum, e.g. GL_FLOAT_VEC2
    std::int32_t size = 0;   // array length; 1 for a plain uniform
};

// One GL program: shaders attached, linked with the quad's attribute placement, and the
// table of its active uniforms read back after the link. Move-only: deleted with its
// owner, which expects the owning context current then (or forget() called first when
// the context is gone).
class GlProgram {
public:
    GlProgram() = default;
    ~GlProgram();
    GlProgram(GlProgram&& other) noexcept;
    GlProgram& operator=(GlProgram&& other) noexcept;
    GlProgram(const GlProgram&) = delete;
    GlProgram& operator=(const GlProgram&) = delete;

    // A new, empty program in the current context; id() is 0 when the driver gave none.
    static GlProgram create();

    // Attaches a compiled shader; the shader object may be deleted afterwards, it lives
    // on with the program.
    void attach(std::uint32_t shader);

    // Links, places the quad's attributes and reads the uniform table. On failure
    // appends the linker's log to `log` as the driver wrote it (nothing when the driver
    // wrote none, or "the driver could not create a program") and returns false.
    bool link(std::string& log);
    bool linked() const { return linked_; }

    // The uniform's location, -1 for a name the program does not use (GL ignores
    // uniform calls at -1). An array is found by its bare name and by "name[0]".
    std::int32_t uniform_location(const std::string& name) const;
    const std::map<std::string, ActiveUniform>& uniforms() const { return uniforms_; }

    void forget() {
        id_ = 0;
        linked_ = false;
        uniforms_.clear();
    }
    std::uint32_t id() const { return id_; }

private:
    explicit GlProgram(std::uint32_t id) : id_(id) {}
    void release();
    void read_uniform_table();

    std::uint32_t id_ = 0;
    bool linked_ = false;
    std::map<std::string, ActiveUniform> uniforms_;
};

// Compiles one stage and returns the shader object, which the caller attaches and
// deletes; 0 when it did not compile, with the compiler's text (never empty) in
// `message`.
std::uint32_t compile_shader_object(std::uint32_t type, const std::string& source, std::string& message);

// The info log of a shader or a program, up to 1024 bytes.
std::string shader_info_log(std::uint32_t shader);
std::string program_info_log(std::uint32_t program);

}  // namespace fx
