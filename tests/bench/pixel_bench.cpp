// Row converters over a full-HD world, on one thread and on two (rows split in halves as
// the host's iteration suite splits them), against a plain copy of the same bytes, warm
// and cold in the cache.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <thread>
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

// Rows 0 .. kHeight − 1 over `threads` threads, each a band of rows, as iterate_generic
// runs them; the calling thread takes the first band.
void convert_rows(int threads, void* job, fx::PixelRowConverter convert) {
    if (threads <= 1) {
        benchmark::DoNotOptimize(fx::iterate_rows_in_order(kHeight, job, convert));
        return;
    }
    std::vector<std::thread> helpers;
    const int band = (kHeight + threads - 1) / threads;
    auto run_band = [job, convert, band](int t) {
        for (int row = t * band; row < std::min(kHeight, (t + 1) * band); ++row)
            benchmark::DoNotOptimize(convert(job, t, row, kHeight));
    };
    for (int t = 1; t < threads; ++t) helpers.emplace_back(run_band, t);
    run_band(0);
    for (std::thread& helper : helpers) helper.join();
}

void BM_Upload(benchmark::State& state, fx::HostPixelFormat format) {
    Worlds worlds(format, false);
    fx::PixelConversion job{&worlds.in_data, &worlds.host_world, &worlds.staged_world};
    const fx::PixelRowConverter convert = fx::upload_converter(format);
    const int threads = static_cast<int>(state.range(0));
    for (auto _ : state) {
        convert_rows(threads, &job, convert);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * worlds.host.size());
}

void BM_Download(benchmark::State& state, fx::HostPixelFormat format) {
    Worlds worlds(format, true);
    fx::PixelConversion job{&worlds.in_data, &worlds.staged_world, &worlds.host_world};
    const fx::PixelRowConverter convert = fx::download_converter(format);
    const int threads = static_cast<int>(state.range(0));
    for (auto _ : state) {
        convert_rows(threads, &job, convert);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * worlds.host.size());
}

// The 8-bit download from the renderer's byte read-back: a byte reorder.
void BM_DownloadBytes(benchmark::State& state, fx::HostPixelFormat format) {
    Worlds worlds(format, false);
    fx::PixelConversion job{&worlds.in_data, &worlds.staged_world, &worlds.host_world};
    const fx::PixelRowConverter convert = fx::byte_download_converter(format);
    const int threads = static_cast<int>(state.range(0));
    for (auto _ : state) {
        convert_rows(threads, &job, convert);
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

// The same copy from and to buffers not in the cache: it rotates over enough pairs to
// exceed the last-level cache, as a frame fresh from the host is.
void BM_MemcpyCold(benchmark::State& state) {
    const std::size_t bytes = static_cast<std::size_t>(kWidth) * kHeight * state.range(0);
    const std::size_t pairs = std::max<std::size_t>(2, (std::size_t{256} << 20) / (2 * bytes));
    std::vector<std::vector<unsigned char>> from(pairs, std::vector<unsigned char>(bytes, 1));
    std::vector<std::vector<unsigned char>> to(pairs, std::vector<unsigned char>(bytes, 0));
    std::size_t next = 0;
    for (auto _ : state) {
        std::memcpy(to[next].data(), from[next].data(), bytes);
        benchmark::ClobberMemory();
        next = (next + 1) % pairs;
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * bytes);
}

using F = fx::HostPixelFormat;
BENCHMARK_CAPTURE(BM_Upload, argb, F::argb)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_Upload, bgra, F::bgra)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_Upload, ae16, F::ae16)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_Upload, ae32, F::ae32)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_Upload, BGra, F::BGra)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_Upload, BGaL, F::BGaL)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_Download, argb, F::argb)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_Download, bgra, F::bgra)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_Download, ae16, F::ae16)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_Download, ae32, F::ae32)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_Download, BGra, F::BGra)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_Download, BGaL, F::BGaL)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_DownloadBytes, argb, F::argb)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_DownloadBytes, bgra, F::bgra)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Memcpy)->Arg(4)->Arg(8)->Arg(16)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MemcpyCold)->Arg(4)->Arg(8)->Arg(16)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
