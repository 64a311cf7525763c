#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "render/frame_params.h"
#include "render/gl_context.h"
#include "render/input_image.h"

#include "AE_Effect.h"

namespace fx {

class EffectDefinition;

inline constexpr int kTextureSlots = 32;
inline constexpr int kProgramSlots = 32;
// Renderer state: no GL resources, resources but not every program built, programs built.
inline constexpr std::int32_t kRendererEmpty = 0;
inline constexpr std::int32_t kRendererResources = 1;
inline constexpr std::int32_t kRendererBuilt = 2;

// One texture and the size its storage was last specified with (0 x 0 = never).
struct TextureSlot {
    std::uint32_t id = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    // Whether the mipmap levels were built from the current level 0. A new level 0
    // (upload, a pass drawing into it, new storage) makes them stale; a pass that
    // samples with mipmaps rebuilds stale ones first.
    bool mipmaps_current = false;
    // The internal format last asked for (the storage may hold the 8-bit fallback).
    std::uint32_t requested_format = 0;
};

// The OpenGL engine: one private context, one framebuffer, one full-screen quad, up to
// 32 textures and one program per pass. Every operation that touches GL brackets
// itself with make_current/restore, so the calling thread's own context survives.
// Callers serialise all use (the process render mutex).
class GlRenderer {
public:
    GlRenderer();
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
    void build_programs();
    // Compiles `source` and attaches it to pass `pass`'s program; on a compile error
    // appends "[pass]: " and the compiler's text to `log` and compiles the built-in
    // fallback of the same stage instead. 0 when the source is empty or even the
    // fallback fails.
    std::uint32_t compile_shader(std::uint32_t type, const std::string& source, std::string& log, int pass);
    // Optionally rebuilds, then writes the log (or the confirmation text when the log is
    // empty) into out_data->return_msg, through the host's strcpy callback when
    // in_data offers one. True when the log was empty.
    bool report_shader_status(PF_OutData* out_data, bool rebuild, const PF_InData* in_data = nullptr);

    // Passes.
    bool run_all_passes();
    void run_pass(int pass);

    // Texture transfer. Upload puts buffer row r into texture row height-1-r; read-back
    // puts framebuffer row height-1-r into buffer row r, so a picture that goes up and
    // comes back is unchanged.
    void upload_input(const InputImage& image, int slot);
    bool read_back(int slot, InputImage& output);
    // The whole texture at once, rows as GL stores them.
    bool read_back_unflipped(int slot, InputImage& output);

    // Inspection.
    std::int32_t state() const { return state_; }
    GlContext* context() const { return context_.get(); }
    FrameParams* frame() const { return frame_; }
    const std::map<std::string, std::string>& defines() const { return defines_; }
    std::uint32_t program(int pass) const;
    TextureSlot texture_slot(int slot) const;
    int texture_count() const { return texture_count_; }
    const std::string& sampler_name(int unit) const { return sampler_names_[unit]; }

private:
    bool gpu_enabled() const;
    // One compile attempt, without the fallback.
    std::uint32_t compile_stage(std::uint32_t type, const std::string& source, std::string& log, int pass);
    int planned_texture_count() const;
    // Generates textures up to the planned count; expects the context current.
    void add_missing_textures();
    // Pass targets.
    float pass_scale(int pass) const;
    void target_size(int pass, std::int32_t& width, std::int32_t& height) const;
    bool prepare_target(int pass);
    std::uint32_t target_internal_format() const;
    // Uniforms.
    void bind_pass_inputs(int pass);
    void set_builtin_uniforms(int pass, std::uint32_t program);
    void set_slot_uniforms(int pass, std::uint32_t program);
    // Texture storage with the 8-bit fallback; returns false when even that fails.
    bool specify_storage(TextureSlot& slot, std::uint32_t internal_format, std::int32_t width, std::int32_t height,
                         bool mipmaps);
    std::uint32_t input_internal_format(const InputImage& image) const;
    void run_pass_sequence();
    bool read_rows(int slot, InputImage& output, bool flip);

    FrameParams* frame_ = nullptr;
    EffectDefinition* definition_ = nullptr;
    std::unique_ptr<GlContext> context_;
    std::int32_t state_ = kRendererEmpty;
    std::string sampler_names_[kTextureSlots];
    std::uint32_t textures_[kTextureSlots] = {};
    std::uint32_t programs_[kProgramSlots] = {};
    std::uint32_t framebuffer_ = 0;
    std::uint32_t vertex_buffer_ = 0;
    std::uint32_t vertex_array_ = 0;
    std::string error_log_;
    std::map<std::string, std::string> defines_;
    TextureSlot texture_slots_[kTextureSlots];
    int texture_count_ = 0;
    bool pass_failed_ = false;
};

}  // namespace fx
