// Row converters over a full-HD world, one thread, against a plain copy of the same bytes.

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "render/pixel_converters.h"
#include "render/pixel_staging.h"

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

PF_Err never_abort(PF_ProgPtr) { return PF_Err_NONE; }

int host_pixel_bytes(fx::HostPixelFormat format) {
    switch (format) {
        case fx::HostPixelFormat::argb:
        case fx::HostPixelFormat::bgra:
            return 4;
        case fx::HostPixelFormat::ae16:
            return 8;
        default:
            return 16;
    }
}

struct Worlds {
    std::vector<unsigned char> host;
    std::vector<unsigned char> staged;
    PF_EffectWorld host_world{};
    PF_EffectWorld staged_world{};
    PF_InData in_data{};

    explicit Worlds(fx::HostPixelFormat format, bool staged_is_float) {
        const int host_row = kWidth * host_pixel_bytes(format);
        host.assign(static_cast<std::size_t>(host_row) * kHeight, 0);
        fx::InputImage image = staged_is_float ? fx::staged_output_layout(kWidth, kHeight)
                                               : fx::staged_layer_layout(format, kWidth, kHeight, 0, 0);
        staged.assign(fx::staged_byte_size(image), 0);
        // Values spread over [-0.25, 1.25] so that clamping takes both branches.
        if (image.bits_per_channel == 32) {
            for (std::size_t i = 0; i < staged.size() / 4; ++i) {
                const float v = static_cast<float>(i % 1501) / 1000.0f - 0.25f;
                std::memcpy(&staged[4 * i], &v, 4);
            }
        }
        for (std::size_t i = 0; i < host.size(); ++i) host[i] = static_cast<unsigned char>(i * 31);
        image.pixels = staged.data();
        staged_world = fx::staged_world(image);
        host_world.data = reinterpret_cast<PF_PixelPtr>(host.data());
        host_world.rowbytes = host_row;
        host_world.width = kWidth;
        host_world.height = kHeight;
        in_data.inter.abort = never_abort;
    }
};

void BM_Upload(benchmark::State& state, fx::HostPixelFormat format) {
    Worlds worlds(format, false);
    fx::PixelConversion job{&worlds.in_data, &worlds.host_world, &worlds.staged_world};
    const fx::PixelRowConverter convert = fx::upload_converter(format);
    for (auto _ : state) {
        benchmark::DoNotOptimize(fx::iterate_rows_in_order(kHeight, &job, convert));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * worlds.host.size());
}

void BM_Download(benchmark::State& state, fx::HostPixelFormat format) {
    Worlds worlds(format, true);
    fx::PixelConversion job{&worlds.in_data, &worlds.staged_world, &worlds.host_world};
    const fx::PixelRowConverter convert = fx::download_converter(format);
    for (auto _ : state) {
        benchmark::DoNotOptimize(fx::iterate_rows_in_order(kHeight, &job, convert));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * worlds.host.size());
}

// The floor: copying the host world's bytes (4, 8 or 16 a pixel) once.
void BM_Memcpy(benchmark::State& state) {
    const std::size_t bytes = static_cast<std::size_t>(kWidth) * kHeight * state.range(0);
    std::vector<unsigned char> from(bytes, 1), to(bytes, 0);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * bytes);
}

using F = fx::HostPixelFormat;
BENCHMARK_CAPTURE(BM_Upload, argb, F::argb)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Upload, bgra, F::bgra)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Upload, ae16, F::ae16)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Upload, ae32, F::ae32)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Upload, BGra, F::BGra)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Upload, BGaL, F::BGaL)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Download, argb, F::argb)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Download, bgra, F::bgra)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Download, ae16, F::ae16)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Download, ae32, F::ae32)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Download, BGra, F::BGra)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Download, BGaL, F::BGaL)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Memcpy)->Arg(4)->Arg(8)->Arg(16)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
