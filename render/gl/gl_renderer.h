#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "render/gl/frame_params.h"
#include "render/gl/gl_context.h"
#include "render/gl/gl_resources.h"
#include "render/gl/input_image.h"
#include "render/gl/renderer_state.h"
#include "render/gl/shader_texts.h"

namespace fx {

class EffectDefinition;

// What a status request found: the build log, or why nothing could be built.
struct ShaderStatus {
    bool clean = false;  // a usable context and an empty log
    std::string log;
};

// The OpenGL engine: one private context, one framebuffer, one full-screen quad, up to
// 32 textures and one program per pass. Every operation that touches GL brackets
// itself with make_current/restore, so the calling thread's own context survives.
// Callers serialise all use (the process render mutex).
class GlRenderer {
public:
    explicit GlRenderer(ShaderTexts texts);
    ~GlRenderer();
    GlRenderer(const GlRenderer&) = delete;
    GlRenderer& operator=(const GlRenderer&) = delete;

    // Lifecycle (global set-up calls these in this order).
    void set_definition(EffectDefinition* definition);
    void create_context();
    void create_resources();
    void release_resources();

    bool make_current();
    void restore();

    // Sets the frame being rendered (null between frames). A negative smooth, range or
    // repeat in it takes the definition's setting of that name.
    void attach_frame(FrameParams* frame);
    const char* error_text() const { return error_log_.c_str(); }

    // Shader programs.
    void set_define(const std::string& name, const std::string& value);
    std::string build_defines_block();
    // Builds every pass's program and returns the build log ("" when clean). Without a
    // frame attached the programs are built but the state stays where it was: a frame
    // is needed to know whether the build was clean for it.
    const std::string& build_programs();
    // Compiles `source` and attaches it to pass `pass`'s program; on a compile error
    // appends "[pass]: " and the compiler's text to `log` and compiles the built-in
    // fallback of the same stage instead. 0 when the source is empty or even the
    // fallback fails.
    std::uint32_t compile_shader(std::uint32_t type, const std::string& source, std::string& log, int pass);
    // Optionally rebuilds, then reports the log; without a usable context the log says
    // so instead of being empty.
    ShaderStatus shader_status(bool rebuild);

    // Passes.
    bool run_all_passes();
    void run_pass(int pass);
    // What the last run of passes and the read-backs after it had to say: targets that
    // could not be completed (their pass was skipped), a framebuffer a read-back could
    // not use, the error that ended the frame. Cleared when a run starts.
    const std::string& pass_log() const { return pass_log_; }

    // Texture transfer. Upload puts buffer row r into texture row height-1-r; read-back
    // puts framebuffer row height-1-r into buffer row r, so a picture that goes up and
    // comes back is unchanged.
    void upload_input(const InputImage& image, int slot);
    bool read_back(int slot, InputImage& output);
    // The whole texture at once, rows as GL stores them.
    bool read_back_unflipped(int slot, InputImage& output);
    // Whether the slot's storage holds 8 unsigned normalised bits a channel, as the
    // driver reports it (a float target, or one the driver widened, does not).
    bool holds_bytes(int slot);
    // The read-back for an 8-bit host world from such a slot: the bytes as stored, RGBA,
    // flipped as read_back flips, into an 8-bit staged buffer (4 × width a row). Reading
    // floats and rounding them back gives the same bytes (b / 255 rounds back to b); this
    // only skips the conversion both ways. False, with nothing read, when the slot does
    // not hold bytes or the buffer is too small.
    bool read_back_bytes(int slot, InputImage& output);

    // Inspection.
    RendererState state() const { return state_; }
    GlContext* context() const { return context_.get(); }
    FrameParams* frame() const { return frame_; }
    const std::map<std::string, std::string>& defines() const { return defines_; }
    std::uint32_t program(int pass) const;
    // The texture of a slot; one without a name (id 0) for a slot without a texture.
    const GlTexture& texture(int slot) const;
    int texture_count() const { return resources_ ? static_cast<int>(resources_->textures.size()) : 0; }
    const std::string& sampler_name(int unit) const { return sampler_names_[unit]; }

private:
    bool gpu_enabled() const;
    // One compile attempt, without the fallback.
    std::uint32_t compile_stage(std::uint32_t type, const std::string& source, std::string& log, int pass);
    // Builds one pass's program; false when the build must stop at this pass.
    bool build_program(int pass, const std::string& vertex, const std::string& defines_block);
    int planned_texture_count() const;
    // Generates textures up to the planned count; expects the context current.
    void add_missing_textures();
    GlTexture* texture_at(int slot);
    // Pass targets.
    float pass_scale(int pass) const;
    void target_size(int pass, std::int32_t& width, std::int32_t& height) const;
    // "" when the pass's target is ready to draw into, otherwise why not.
    std::string prepare_target(int pass);
    std::uint32_t target_internal_format() const;
    // Uniforms.
    void bind_pass_inputs(int pass);
    void set_builtin_uniforms(int pass, const GlProgram& program);
    void set_slot_uniforms(int pass, const GlProgram& program);
    std::uint32_t input_internal_format(const InputImage& image) const;
    void run_pass_sequence();
    bool read_rows(int slot, InputImage& output, bool flip);
    bool read_rows_as(int slot, InputImage& output, bool flip, bool bytes);

    ShaderTexts texts_;
    FrameParams* frame_ = nullptr;
    EffectDefinition* definition_ = nullptr;
    std::unique_ptr<GlContext> context_;
    RendererState state_ = RendererState::empty;
    std::string sampler_names_[kTextureSlots];
    std::unique_ptr<GlResources> resources_;
    std::string error_log_;
    std::string pass_log_;
    std::map<std::string, std::string> defines_;
};

}  // namespace fx
