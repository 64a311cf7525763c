// GL transfer and pass costs at full HD: upload of a staged input, one identity pass,
// read-back of the target, and the whole round trip, in 8-bit and float; a plain
// memcpy of the same bytes for scale.

#include <benchmark/benchmark.h>

#include <GL/glew.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "definition/effect_definition.h"
#include "render/gl/frame_params.h"
#include "render/gl/gl_renderer.h"
#include "render/shader_builtin_texts.h"

namespace fx {
namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

const char* const kVertex =
    "#version 120\nattribute vec3 position;\nattribute vec2 texcoord;\nvarying vec2 uv;\n"
    "void main() { uv = texcoord; gl_Position = vec4(position, 1.0); }\n";
const char* const kIdentity =
    "#version 120\nvarying vec2 uv;\nuniform sampler2D in0;\n"
    "void main() { gl_FragColor = texture2D(in0, uv); }\n";

// One renderer with a one-pass identity definition and a staged full-HD input.
class Bench {
public:
    explicit Bench(int bits)
        : definition_(std::make_unique<EffectDefinition>()), frame_(std::make_unique<FrameParams>()) {
        auto& settings = definition_->settings;
        definition_->params[0].param = "in0";
        definition_->params[0].type = kParamLayer;
        definition_->params[0].components = 0;
        settings.pass_count = 1;
        settings.layer_count = 1;
        settings.smooth = 0;
        settings.pass_input[0][0] = 0;
        settings.pass_output[0] = 1;
        definition_->vertex_source = kVertex;
        definition_->pass_source[0] = kIdentity;

        const int pixel_bytes = bits == 8 ? 4 : 16;
        input_bytes_.assign(static_cast<std::size_t>(kWidth) * kHeight * pixel_bytes, 0x3C);
        output_.assign(static_cast<std::size_t>(kWidth) * kHeight * 4, 0.0f);
        InputImage& input = frame_->inputs[0];
        input.width = kWidth;
        input.height = kHeight;
        input.bits_per_channel = bits;
        input.row_bytes = kWidth * pixel_bytes;
        input.pixels = input_bytes_.data();
        InputImage& output = frame_->output;
        output.width = kWidth;
        output.height = kHeight;
        output.bits_per_channel = 32;
        output.row_bytes = kWidth * 16;
        output.pixels = output_.data();

        renderer_.set_definition(definition_.get());
        renderer_.create_context();
        renderer_.create_resources();
        renderer_.attach_frame(frame_.get());
        renderer_.build_programs();
    }
    ~Bench() { renderer_.attach_frame(nullptr); }

    FrameParams& frame() { return *frame_; }

    bool ready() const { return renderer_.state() == RendererState::built; }
    void upload() { renderer_.upload_input(frame_->inputs[0], 0); }
    bool pass() { return renderer_.run_all_passes(); }
    bool read_back() { return renderer_.read_back(1, frame_->output); }
    // The 8-bit target's bytes as stored, for an 8-bit host world.
    bool read_back_bytes() {
        InputImage bytes = frame_->output;
        bytes.pixels = output_.data();  // 16 bytes a pixel: room enough for 4
        bytes.row_bytes = kWidth * 4;
        return renderer_.read_back_bytes(1, bytes);
    }
    // Waits until the GL has done the work issued so far.
    void finish() {
        if (renderer_.make_current()) {
            glFinish();
            renderer_.restore();
        }
    }
    std::int64_t input_bytes() const { return static_cast<std::int64_t>(input_bytes_.size()); }
    std::int64_t output_bytes() const { return static_cast<std::int64_t>(output_.size() * sizeof(float)); }

private:
    std::unique_ptr<EffectDefinition> definition_;
    std::unique_ptr<FrameParams> frame_;
    GlRenderer renderer_{builtin_shader_texts()};
    std::vector<std::uint8_t> input_bytes_;
    std::vector<float> output_;
};

void BM_Upload(benchmark::State& state) {
    Bench bench(static_cast<int>(state.range(0)));
    if (!bench.ready()) return state.SkipWithError("no OpenGL context");
    bench.upload();  // storage is set up once, as across frames
    bench.finish();
    for (auto _ : state) {
        bench.upload();
        bench.finish();
    }
    state.SetBytesProcessed(state.iterations() * bench.input_bytes());
}

void BM_IdentityPass(benchmark::State& state) {
    Bench bench(static_cast<int>(state.range(0)));
    if (!bench.ready()) return state.SkipWithError("no OpenGL context");
    bench.upload();
    for (auto _ : state) {
        if (!bench.pass()) return state.SkipWithError("pass failed");
        bench.finish();
    }
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}

// The same pass with fresh storage turned off altogether: storage of an unchanged size
// and format is kept either way, so the two should agree.
void BM_IdentityPassKeptTarget(benchmark::State& state) {
    Bench bench(static_cast<int>(state.range(0)));
    if (!bench.ready()) return state.SkipWithError("no OpenGL context");
    bench.frame().force_target_realloc = 0;
    bench.upload();
    for (auto _ : state) {
        if (!bench.pass()) return state.SkipWithError("pass failed");
        bench.finish();
    }
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}

void BM_ReadBack(benchmark::State& state) {
    Bench bench(static_cast<int>(state.range(0)));
    if (!bench.ready()) return state.SkipWithError("no OpenGL context");
    bench.upload();
    if (!bench.pass()) return state.SkipWithError("pass failed");
    bench.finish();
    for (auto _ : state) {
        if (!bench.read_back()) return state.SkipWithError("read-back failed");
    }
    state.SetBytesProcessed(state.iterations() * bench.output_bytes());
}

// The 8-bit target read back as bytes instead of floats.
void BM_ReadBackBytes(benchmark::State& state) {
    Bench bench(8);
    if (!bench.ready()) return state.SkipWithError("no OpenGL context");
    bench.upload();
    if (!bench.pass()) return state.SkipWithError("pass failed");
    bench.finish();
    for (auto _ : state) {
        if (!bench.read_back_bytes()) return state.SkipWithError("target holds no bytes");
    }
    state.SetBytesProcessed(state.iterations() * kWidth * kHeight * 4);
}

void BM_RoundTrip(benchmark::State& state) {
    Bench bench(static_cast<int>(state.range(0)));
    if (!bench.ready()) return state.SkipWithError("no OpenGL context");
    // The first frame pays for the target storage and the driver's first use of the
    // program; frames after it do not.
    bench.upload();
    if (!bench.pass() || !bench.read_back()) return state.SkipWithError("frame failed");
    for (auto _ : state) {
        bench.upload();
        if (!bench.pass() || !bench.read_back()) return state.SkipWithError("frame failed");
    }
    state.SetItemsProcessed(state.iterations());
}

// The same bytes as the staged input (8-bit: 4 a pixel, float: 16 a pixel).
void BM_Memcpy(benchmark::State& state) {
    const std::size_t bytes = static_cast<std::size_t>(kWidth) * kHeight * (state.range(0) == 8 ? 4 : 16);
    std::vector<std::uint8_t> source(bytes, 0x3C);
    std::vector<std::uint8_t> destination(bytes);
    for (auto _ : state) {
        std::memcpy(destination.data(), source.data(), bytes);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes));
}

BENCHMARK(BM_Upload)->Arg(8)->Arg(32)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_IdentityPass)->Arg(8)->Arg(32)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_IdentityPassKeptTarget)->Arg(8)->Arg(32)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadBack)->Arg(8)->Arg(32)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadBackBytes)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RoundTrip)->Arg(8)->Arg(32)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Memcpy)->Arg(8)->Arg(32)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace fx

BENCHMARK_MAIN();
