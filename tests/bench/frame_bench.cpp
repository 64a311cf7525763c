// Frames per second at 1920 x 1080 through the simulated host (smart render, the loaded
// plug-in), for the built-in transition and a one-pass identity definition, in 8-bit,
// 16-bit and float; the frame's parts timed on their own with the engine's pieces
// (staging conversion, upload, passes, read-back, download); a memcpy of the same bytes;
// and ffmpeg's xfade crossfading two 1080p pictures on this machine in the same run.
// Prints a table; a benchmark, not a test. Without ffmpeg it says so and goes on.
#include <GL/glew.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "definition/loader/builtin_text.h"
#include "definition/loader/load_definition.h"
#include "definition/parse_definition.h"
#include "render/gl/gl_renderer.h"
#include "render/pixel_converters.h"
#include "render/pixel_staging.h"
#include "render/shader_builtin_texts.h"
#include "simhost/effect_instance.h"
#include "simhost/pictures/default_pictures.h"
#include "simhost/pictures/picture_file.h"

namespace fx {
namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr int kRuns = 9;

using Clock = std::chrono::steady_clock;

double median_ms(int runs, const std::function<void()>& work) {
    std::vector<double> times;
    for (int r = 0; r < runs; ++r) {
        const auto start = Clock::now();
        work();
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// FX_BENCH_PLUGIN names another build of the plug-in, to compare two builds in turns.
const char* plugin_path() {
    const char* given = std::getenv("FX_BENCH_PLUGIN");
    return given != nullptr && given[0] != '\0' ? given : FX_PLUGIN_PATH;
}

const char* const kIdentity =
    "[settings]\nname=Identity\n"
    "[ps0]\n#version 120\nuniform sampler2D in0;\nuniform vec2 resolution;\n"
    "void main() { gl_FragColor = texture2D(in0, gl_FragCoord.xy / resolution); }\n";

Picture host_picture(const pictures::Picture& picture) {
    Picture out(picture.width, picture.height);
    for (std::size_t i = 0; i < picture.rgba.size(); ++i) out.rgba[i] = picture.rgba[i] / 65535.0f;
    return out;
}

struct Depth {
    int bits;
    PF_PixelFormat format;
    HostPixelFormat host_format;
    int pixel_bytes;
};

const Depth kDepths[] = {{8, PF_PixelFormat_ARGB32, HostPixelFormat::argb, 4},
                         {16, PF_PixelFormat_ARGB64, HostPixelFormat::ae16, 8},
                         {32, PF_PixelFormat_ARGB128, HostPixelFormat::ae32, 16}};

struct Effect {
    const char* name;
    std::string definition_file;  // "" = the built-in definition
};

// Whole frames through the host: a warm-up frame, then the median of kRuns.
double frame_ms(const Effect& effect, const Depth& depth, const Picture& a, const Picture& b, int runs = kRuns) {
    if (effect.definition_file.empty())
        unsetenv(kDefinitionFileVariable);
    else
        setenv(kDefinitionFileVariable, effect.definition_file.c_str(), 1);
    HostSettings settings;
    settings.width = kWidth;
    settings.height = kHeight;
    settings.pixel_format = depth.format;
    settings.iterate_threads = 2;
    SimHost host(settings);
    EffectInstance instance(host, plugin_path());
    instance.set_input(Clip{{a}});
    const PF_ParamIndex incoming = instance.param_index("Incoming Clip");
    if (incoming > 0) instance.set_layer(incoming, Clip{{b}});
    const PF_ParamIndex progress = instance.param_index("Transition Completion");
    if (progress > 0) instance.set_float(progress, 50.0);
    if (instance.render(0).result != PF_Err_NONE) return -1;
    bool failed = false;
    const double ms = median_ms(runs, [&] { failed = failed || instance.render(0).result != PF_Err_NONE; });
    return failed ? -1 : ms;
}

// Rows split over two threads, as the host's iteration suite splits them.
void convert_rows(void* job, PixelRowConverter convert) {
    auto band = [job, convert](int t) {
        for (int row = t * kHeight / 2; row < (t + 1) * kHeight / 2; ++row) convert(job, t, row, kHeight);
    };
    std::thread helper(band, 1);
    band(0);
    helper.join();
}

struct Parts {
    double staging = 0, upload = 0, passes = 0, read_back = 0, download = 0;
    bool ok = false;
};

// The frame's parts with the engine's own pieces on one renderer, the definition the
// plug-in runs and host worlds of the depth's format.
Parts frame_parts(const Effect& effect, const Depth& depth) {
    auto definition = std::make_unique<EffectDefinition>();
    ParseEnvironment env = default_parse_environment();
    env.diagnostics = [](const ParseDiagnostic&) {};
    const std::string text =
        effect.definition_file.empty()
            ? builtin_text(BuiltinText::definition)
            : std::string(std::istreambuf_iterator<char>(std::ifstream(effect.definition_file).rdbuf()), {});
    parse_loaded_definition(*definition, text, env);
    definition->input_slots = {0};
    for (int slot = 1; slot < definition->settings.param_count; ++slot)
        if (definition->params[slot].type == kParamLayer || definition->params[slot].type == kParamImage)
            definition->input_slots.push_back(slot);
    std::vector<int> layers = {0};
    for (std::size_t i = 1; i < definition->input_slots.size(); ++i)
        if (definition->params[definition->input_slots[i]].type == kParamLayer) layers.push_back(static_cast<int>(i));

    auto frame = std::make_unique<FrameParams>();
    std::vector<std::vector<unsigned char>> host(layers.size()), staged(layers.size());
    std::vector<PF_EffectWorld> host_worlds(layers.size()), staged_worlds(layers.size());
    for (std::size_t k = 0; k < layers.size(); ++k) {
        host[k].assign(static_cast<std::size_t>(kWidth) * kHeight * depth.pixel_bytes,
                       static_cast<unsigned char>(40 + k * 70));
        if (depth.bits == 16)
            for (std::size_t i = 1; i < host[k].size(); i += 2) host[k][i] &= 0x7F;  // within 0 .. 32768
        if (depth.bits == 32)
            for (std::size_t i = 0; i < host[k].size(); i += 4) std::memcpy(&host[k][i], "\x00\x00\x00\x3f", 4);
        InputImage image = staged_layer_layout(depth.host_format, kWidth, kHeight, 0, 0);
        staged[k].assign(staged_byte_size(image), 0);
        image.pixels = staged[k].data();
        frame->inputs[layers[k]] = image;
        staged_worlds[k] = staged_world(image);
        host_worlds[k].data = reinterpret_cast<PF_PixelPtr>(host[k].data());
        host_worlds[k].width = kWidth;
        host_worlds[k].height = kHeight;
        host_worlds[k].rowbytes = kWidth * depth.pixel_bytes;
    }
    frame->output = staged_output_layout(kWidth, kHeight);
    std::vector<unsigned char> output(staged_byte_size(frame->output));
    frame->output.pixels = output.data();
    std::vector<unsigned char> out_host(static_cast<std::size_t>(kWidth) * kHeight * depth.pixel_bytes);
    PF_EffectWorld out_world{};
    out_world.data = reinterpret_cast<PF_PixelPtr>(out_host.data());
    out_world.width = kWidth;
    out_world.height = kHeight;
    out_world.rowbytes = kWidth * depth.pixel_bytes;

    GlRenderer renderer(builtin_shader_texts());
    renderer.set_definition(definition.get());
    renderer.create_context();
    renderer.create_resources();
    renderer.attach_frame(frame.get());
    renderer.build_programs();
    Parts parts;
    if (renderer.state() != RendererState::built) return parts;
    auto finish = [&renderer] {
        if (renderer.make_current()) {
            glFinish();
            renderer.restore();
        }
    };
    const int target = definition->settings.pass_output[std::max(0, definition->settings.pass_count - 1)];
    const PixelRowConverter bytes_download = byte_download_converter(depth.host_format);
    auto read_back = [&] {
        frame->output = staged_output_layout(kWidth, kHeight);
        frame->output.pixels = output.data();
        const bool bytes = bytes_download != nullptr && renderer.read_back_bytes(target, frame->output);
        if (!bytes) renderer.read_back(target, frame->output);
    };
    auto download = [&] {
        PF_EffectWorld source = staged_world(frame->output);
        PixelConversion job{nullptr, &source, &out_world};
        convert_rows(&job,
                     frame->output.bits_per_channel == 8 ? bytes_download : download_converter(depth.host_format));
    };
    auto upload = [&] {
        for (int input : layers) renderer.upload_input(frame->inputs[input], input);
        finish();
    };
    upload();  // storage and first use of the programs, as the first frame pays them
    renderer.run_all_passes();
    read_back();
    parts.staging = median_ms(kRuns, [&] {
        for (std::size_t k = 0; k < layers.size(); ++k) {
            PixelConversion job{nullptr, &host_worlds[k], &staged_worlds[k]};
            convert_rows(&job, upload_converter(depth.host_format));
        }
    });
    parts.upload = median_ms(kRuns, upload);
    parts.passes = median_ms(kRuns, [&] {
        renderer.run_all_passes();
        finish();
    });
    parts.read_back = median_ms(kRuns, read_back);
    parts.download = median_ms(kRuns, download);
    parts.ok = true;
    renderer.attach_frame(nullptr);
    return parts;
}

// What the simulated host itself spends on a frame before the plug-in sees it: a world
// for each layer, filled from its picture (a real host has its layers' worlds at hand).
double host_layers_ms(const Depth& depth, const Picture& picture, int layers) {
    return median_ms(kRuns, [&] {
        for (int k = 0; k < layers; ++k) {
            HostWorld world(depth.format, kWidth, kHeight);
            world.fill(picture);
        }
    });
}

double memcpy_ms(std::size_t bytes) {
    std::vector<unsigned char> from(bytes, 1), to(bytes, 0);
    return median_ms(kRuns * 3, [&] {
        std::memcpy(to.data(), from.data(), bytes);
        asm volatile("" : : "r"(to.data()) : "memory");
    });
}

std::string find_ffmpeg() {
    if (const char* given = std::getenv("FX_FFMPEG")) return given;
    for (const char* path : {"/usr/bin/ffmpeg", "/usr/local/bin/ffmpeg"})
        if (access(path, X_OK) == 0) return path;
    return "";
}

// ffmpeg decodes the two pictures once, repeats them as 30 frames/s streams and
// crossfades them with xfade; the output is discarded. Frames per second of the whole run.
double ffmpeg_fps(const std::string& ffmpeg, const std::string& a, const std::string& b, const char* pix_fmt,
                  int frames) {
    const std::string loop = "loop=loop=" + std::to_string(frames) + ":size=1:start=0,setpts=N/30/TB";
    const std::string graph = std::string("[0:v]format=") + pix_fmt + "," + loop + "[a];[1:v]format=" + pix_fmt + "," +
                              loop + "[b];[a][b]xfade=transition=fade:duration=" + std::to_string(frames / 30.0 - 0.1) +
                              ":offset=0.05,format=" + pix_fmt;
    const std::string command = ffmpeg + " -nostdin -v error -i " + a + " -i " + b + " -filter_complex \"" + graph +
                                "\" -f null - >/dev/null 2>&1";
    const auto start = Clock::now();
    const int status = std::system(command.c_str());
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    return status == 0 ? frames / seconds : -1;
}

// frame_bench profile identity|transition 8|16|32 FRAMES: only whole frames of one effect
// and depth, for a profiler to watch; prints the median frame.
int profile(const std::vector<std::string>& args) {
    if (args.size() != 4) {
        std::fprintf(stderr, "frame_bench profile: expected identity|transition 8|16|32 FRAMES\n");
        return 2;
    }
    const int bits = std::atoi(args[2].c_str());
    const Depth* depth = nullptr;
    for (const Depth& d : kDepths)
        if (d.bits == bits) depth = &d;
    const int frames = std::atoi(args[3].c_str());
    if (depth == nullptr || frames < 1 || (args[1] != "identity" && args[1] != "transition")) {
        std::fprintf(stderr, "frame_bench profile: expected identity|transition 8|16|32 FRAMES\n");
        return 2;
    }
    const std::filesystem::path identity =
        std::filesystem::temp_directory_path() / ("fx-frame-bench-" + std::to_string(getpid()) + ".fxdef");
    std::ofstream(identity) << kIdentity;
    const Picture a = host_picture(pictures::warm_default_picture(kWidth, kHeight));
    const Picture b = host_picture(pictures::cool_default_picture(kWidth, kHeight));
    const Effect effect{args[1].c_str(), args[1] == "identity" ? identity.string() : ""};
    const double ms = frame_ms(effect, *depth, a, b, frames);
    std::filesystem::remove(identity);
    std::printf("%s %d-bit: %.2f ms a frame (median of %d)\n", effect.name, bits, ms, frames);
    return ms < 0 ? 1 : 0;
}

}  // namespace
}  // namespace fx

int main(int argc, char** argv) {
    using namespace fx;
    if (argc > 1 && std::string(argv[1]) == "profile") return profile({argv + 1, argv + argc});
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("fx-frame-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const pictures::Picture warm = pictures::warm_default_picture(kWidth, kHeight);
    const pictures::Picture cool = pictures::cool_default_picture(kWidth, kHeight);
    const std::string a = (folder / "a.png").string();
    const std::string b = (folder / "b.png").string();
    pictures::write_png(warm, 8, a);
    pictures::write_png(cool, 8, b);
    const std::string identity = (folder / "identity.fxdef").string();
    std::ofstream(identity) << kIdentity;
    const Picture host_a = host_picture(warm);
    const Picture host_b = host_picture(cool);

    std::printf(
        "1920 x 1080, medians of %d runs after a warm-up frame, smart render through the simulated host.\n"
        "frame ms: one whole frame; host ms: the simulated host making its layer worlds from pictures,\n"
        "paid on a picture's first frame only (later frames get the kept worlds, as from a host's cache);\n"
        "the parts (ms) are timed on their own with the engine's pieces, conversions on 2 threads;\n"
        "memcpy ms: the same bytes (layers in, output out).\n",
        kRuns);
    std::printf("%-22s %4s %8s %6s %8s | %7s %7s %7s %9s %8s | %9s %10s\n", "effect", "bits", "frame ms", "fps",
                "host ms", "staging", "upload", "passes", "read-back", "download", "memcpy ms", "cpu/memcpy");
    const Effect effects[] = {{"built-in transition", ""}, {"identity (one pass)", identity}};
    for (const Effect& effect : effects) {
        for (const Depth& depth : kDepths) {
            const double frame = frame_ms(effect, depth, host_a, host_b);
            const Parts parts = frame_parts(effect, depth);
            // The bytes the CPU side moves: each layer in, the output out.
            const int layers = effect.definition_file.empty() ? 2 : 1;
            const double copy =
                memcpy_ms(static_cast<std::size_t>(kWidth) * kHeight * depth.pixel_bytes) * (layers + 1);
            if (frame < 0 || !parts.ok) {
                std::printf("%-22s %5d  failed (no OpenGL context, or the plug-in refused the frame)\n", effect.name,
                            depth.bits);
                continue;
            }
            const double host = host_layers_ms(depth, host_a, layers);
            std::printf("%-22s %4d %8.2f %6.1f %8.2f | %7.2f %7.2f %7.2f %9.2f %8.2f | %9.2f %9.2fx\n", effect.name,
                        depth.bits, frame, 1000.0 / frame, host, parts.staging, parts.upload, parts.passes,
                        parts.read_back, parts.download, copy, (parts.staging + parts.download) / copy);
        }
    }
    const std::string ffmpeg = find_ffmpeg();
    if (ffmpeg.empty()) {
        std::printf("ffmpeg: not found (set FX_FFMPEG to its path): no crossfade comparison\n");
    } else {
        for (const char* format : {"rgba", "rgba64le"}) {
            const double fps = ffmpeg_fps(ffmpeg, a, b, format, 90);
            if (fps < 0)
                std::printf("ffmpeg xfade (%s): the run failed\n", format);
            else
                std::printf(
                    "ffmpeg xfade %-9s 1080p crossfade: %7.1f fps (%6.2f ms a frame, decode once, output discarded)\n",
                    format, fps, 1000.0 / fps);
        }
    }
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    return 0;
}
