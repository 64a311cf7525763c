#pragma once

// Shared set-up of the GL tests: a real context (Mesa llvmpipe through EGL here), small
// definitions built in code, and a renderer driven the way a frame render drives it.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include <GL/glew.h>

#include "definition/effect_definition.h"
#include "render/gl/frame_params.h"
#include "render/gl/gl_context.h"
#include "render/gl/gl_renderer.h"
#include "render/shader_builtin_texts.h"

namespace fx::test {

inline bool gl_available() {
    static const bool available = create_gl_context()->usable();
    return available;
}

// GL tests skip without a context, unless FX_REQUIRE_GL=1 makes that a failure.
class GlTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (gl_available()) return;
        const char* require = std::getenv("FX_REQUIRE_GL");
        if (require != nullptr && std::string(require) == "1") {
            FAIL() << "no OpenGL context could be created and FX_REQUIRE_GL=1";
        }
        GTEST_SKIP() << "no OpenGL context available";
    }
};

// The vertex shader the tests use: the texture coordinate is declared first, so the
// renderer has to place the attributes by type for the quad to come out right.
inline const char* const kTestVertexShader =
    "#version 120\n"
    "attribute vec2 corner_uv;\n"
    "attribute vec3 corner;\n"
    "varying vec2 uv;\n"
    "void main() { uv = corner_uv; gl_Position = vec4(corner, 1.0); }\n";

inline std::string fragment(const std::string& declarations, const std::string& body) {
    return "#version 120\nvarying vec2 uv;\n" + declarations + "\nvoid main() {\n" + body + "\n}\n";
}

inline const std::string kIdentityShader = fragment("uniform sampler2D in0;", "gl_FragColor = texture2D(in0, uv);");

// A definition with slot 0 as the input layer, the given passes and layer count, and
// float render targets so that shader values come back exactly.
inline std::unique_ptr<EffectDefinition> make_definition(const std::vector<std::string>& passes, int layer_count = 1) {
    auto definition = std::make_unique<EffectDefinition>();
    auto& settings = definition->settings;
    ParamDef& input = definition->params[0];
    input.param = "in0";
    input.display = "Source";
    input.type = kParamLayer;
    input.components = 0;
    settings.param_count = 1;
    settings.layer_count = layer_count;
    settings.pass_count = static_cast<int>(passes.size());
    settings.outformat = 32;
    settings.smooth = 0;
    definition->vertex_source = kTestVertexShader;
    for (std::size_t k = 0; k < passes.size(); ++k) {
        definition->pass_source[k] = passes[k];
        // Each pass reads the previous pass's target on unit 0 and writes its own.
        const int pass = static_cast<int>(k);
        settings.pass_input[k][0] = pass == 0 ? 0 : layer_count + pass - 1;
        settings.pass_output[k] = layer_count + pass;
    }
    return definition;
}

// Adds a parameter slot after the last one.
inline ParamDef& add_param(EffectDefinition& definition, const char* name, std::int32_t type, std::int32_t components) {
    const int slot = definition.settings.param_count++;
    ParamDef& param = definition.params[slot];
    param.param = name;
    param.type = type;
    param.components = components;
    return param;
}

// A staged RGBA picture that owns its pixels.
struct StagedPicture {
    InputImage image;
    std::vector<std::uint8_t> bytes;
};

inline StagedPicture float_picture(int width, int height, const std::vector<float>& rgba) {
    StagedPicture picture;
    picture.bytes.resize(static_cast<std::size_t>(width) * height * 16);
    std::memcpy(picture.bytes.data(), rgba.data(), std::min(picture.bytes.size(), rgba.size() * sizeof(float)));
    picture.image.width = width;
    picture.image.height = height;
    picture.image.bits_per_channel = 32;
    picture.image.row_bytes = width * 16;
    picture.image.pixels = picture.bytes.data();
    return picture;
}

inline StagedPicture byte_picture(int width, int height, const std::vector<std::uint8_t>& rgba) {
    StagedPicture picture;
    picture.bytes = rgba;
    picture.bytes.resize(static_cast<std::size_t>(width) * height * 4);
    picture.image.width = width;
    picture.image.height = height;
    picture.image.bits_per_channel = 8;
    picture.image.row_bytes = width * 4;
    picture.image.pixels = picture.bytes.data();
    return picture;
}

// A float RGBA picture where pixel (x, y) is (x, y, x + y * width, 1) / 64: every pixel
// differs, so a lost or swapped row shows.
inline StagedPicture coordinate_picture(int width, int height) {
    std::vector<float> rgba;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            rgba.insert(rgba.end(), {x / 64.0f, y / 64.0f, (x + y * width) / 64.0f, 1.0f});
        }
    }
    return float_picture(width, height, rgba);
}

// Every GL error the engine provokes on purpose is discarded where it arises; any other
// error still pending in the renderer's context when a test ends is a fault.
inline void expect_no_pending_gl_error(GlRenderer& renderer) {
    if (!renderer.make_current()) return;
    const GLenum error = glGetError();
    renderer.restore();
    EXPECT_EQ(error, static_cast<GLenum>(GL_NO_ERROR))
        << "a GL error is pending in the renderer's context: 0x" << std::hex << error;
}

// Drives one renderer over one definition as the frame render does: attach the frame,
// upload the staged inputs, run the passes, read back the last pass's target.
class RenderRun {
public:
    explicit RenderRun(std::unique_ptr<EffectDefinition> definition)
        : definition_(std::move(definition)), frame_(std::make_unique<FrameParams>()) {
        renderer_.set_definition(definition_.get());
        renderer_.create_context();
        renderer_.create_resources();
    }
    // Each test's run ends with the test: the GL error check runs then.
    ~RenderRun() { expect_no_pending_gl_error(renderer_); }
    RenderRun(const RenderRun&) = delete;
    RenderRun& operator=(const RenderRun&) = delete;

    EffectDefinition& definition() { return *definition_; }
    FrameParams& frame() { return *frame_; }
    GlRenderer& renderer() { return renderer_; }

    void set_input(int slot, const StagedPicture& picture) {
        inputs_.resize(std::max<std::size_t>(inputs_.size(), slot + 1));
        inputs_[slot] = &picture;
        frame_->inputs[slot] = picture.image;
    }

    // Output at the size of input 0 unless set before.
    bool render() {
        if (frame_->output.width == 0) {
            frame_->output.width = frame_->inputs[0].width;
            frame_->output.height = frame_->inputs[0].height;
        }
        output_.assign(static_cast<std::size_t>(frame_->output.width) * frame_->output.height * 4, 0.0f);
        frame_->output.pixels = output_.data();
        frame_->output.row_bytes = frame_->output.width * 16;
        frame_->output.bits_per_channel = 32;
        renderer_.attach_frame(frame_.get());
        for (std::size_t slot = 0; slot < inputs_.size(); ++slot) {
            if (inputs_[slot] != nullptr) renderer_.upload_input(frame_->inputs[slot], static_cast<int>(slot));
        }
        bool ok = renderer_.run_all_passes();
        const int last = definition_->settings.pass_count - 1;
        if (ok) ok = renderer_.read_back(definition_->settings.pass_output[last], frame_->output);
        renderer_.attach_frame(nullptr);
        return ok;
    }

    // Rebuilds the programs with this run's frame attached, so popup and checkbox
    // defines take the frame's current values (as a frame render does).
    void rebuild_programs() {
        renderer_.attach_frame(frame_.get());
        renderer_.build_programs();
        renderer_.attach_frame(nullptr);
    }

    const std::vector<float>& output() const { return output_; }
    // Channel c of output pixel (x, y), row 0 at the top.
    float at(int x, int y, int c) const {
        return output_[(static_cast<std::size_t>(y) * frame_->output.width + x) * 4 + c];
    }

private:
    std::unique_ptr<EffectDefinition> definition_;
    std::unique_ptr<FrameParams> frame_;
    GlRenderer renderer_{builtin_shader_texts()};
    std::vector<const StagedPicture*> inputs_;
    std::vector<float> output_;
};

}  // namespace fx::test
