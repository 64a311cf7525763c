#include "render/pixel_converters.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <thread>
#include <vector>

#include "pixel_test_support.h"
#include "render/pixel_staging.h"

namespace fx {
namespace {

constexpr unsigned char kPadding = 0xCD;

// A host world of `format` whose rows carry `padding` extra bytes, filled with kPadding.
struct HostWorld {
    std::vector<unsigned char> bytes;
    PF_EffectWorld world{};

    HostWorld(HostPixelFormat format, int width, int height, int padding) {
        const int row_bytes = width * test::pixel_bytes(format) + padding;
        bytes.assign(static_cast<std::size_t>(row_bytes) * height, kPadding);
        world.data = reinterpret_cast<PF_PixelPtr>(bytes.data());
        world.rowbytes = row_bytes;
        world.width = width;
        world.height = height;
    }
    unsigned char* pixel(HostPixelFormat format, int x, int y) {
        return bytes.data() + static_cast<std::size_t>(y) * world.rowbytes + x * test::pixel_bytes(format);
    }
};

// A staged float or byte picture backed by a vector.
struct StagedBuffer {
    InputImage image;
    std::vector<unsigned char> bytes;
    PF_EffectWorld world{};

    explicit StagedBuffer(InputImage layout) : image(layout), bytes(staged_byte_size(layout), 0) {
        image.pixels = bytes.data();
        world = staged_world(image);
    }
    float channel(int x, int y, int c) const {
        float f;
        std::memcpy(&f, bytes.data() + static_cast<std::size_t>(y) * image.row_bytes + 16 * x + 4 * c, sizeof f);
        return f;
    }
};

// Distinct values per pixel and channel so that a row, column or channel mix-up shows:
// whole host values for the integer formats (k × 16 for bytes, k × 2048 for 16 bits),
// k / 16 for float formats.
int level_at(int x, int y, int c) { return (x + 3 * y + 7 * c) % 16; }

struct Scale {
    double host_step;  // host value of one level
    double white;      // host value of 1.0
};

Scale scale_of(HostPixelFormat format) {
    if (format == HostPixelFormat::ae16) return {2048, 32768};
    if (staged_bits_per_channel(format) == 8) return {16, 255};
    return {1.0 / 16, 1};
}

// The host's iterate_generic spread over real threads: thread t runs rows t, t + n, ...
// and each thread stops at its first non-zero result, like the host.
PF_Err iterate_on_threads(A_long rows, void* refcon, PixelRowConverter converter, int thread_count) {
    std::vector<PF_Err> results(thread_count, PF_Err_NONE);
    std::vector<std::thread> threads;
    for (int t = 0; t < thread_count; ++t) {
        threads.emplace_back([&, t] {
            for (A_long row = t; row < rows; row += thread_count) {
                if ((results[t] = converter(refcon, t, row, rows)) != PF_Err_NONE) return;
            }
        });
    }
    for (std::thread& thread : threads) thread.join();
    for (PF_Err err : results) {
        if (err != PF_Err_NONE) return err;
    }
    return PF_Err_NONE;
}

struct AbortProbe {
    std::atomic<int> calls{0};
    PF_Err answer = PF_Err_NONE;
};

PF_Err probe_abort(PF_ProgPtr effect_ref) {
    auto* probe = reinterpret_cast<AbortProbe*>(effect_ref);
    probe->calls++;
    return probe->answer;
}

PF_InData in_data_with(AbortProbe& probe) {
    PF_InData in_data{};
    in_data.inter.abort = probe_abort;
    in_data.effect_ref = reinterpret_cast<PF_ProgPtr>(&probe);
    return in_data;
}

TEST(PixelConverters, UploadAndDownloadRespectPaddedRows) {
    for (HostPixelFormat format : test::kAllFormats) {
        SCOPED_TRACE(test::format_name(format));
        constexpr int kWidth = 5, kHeight = 4;
        HostWorld host(format, kWidth, kHeight, 7);
        const Scale scale = scale_of(format);
        auto host_value = [&](int x, int y, int c) { return level_at(x, y, c) * scale.host_step; };
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                test::put_rgba(format, host.pixel(format, x, y),
                               {host_value(x, y, 0), host_value(x, y, 1), host_value(x, y, 2), host_value(x, y, 3)});
            }
        }
        AbortProbe probe;
        PF_InData in_data = in_data_with(probe);

        // Upload into a staged buffer, then download it into a second padded host world.
        StagedBuffer staged(staged_layer_layout(format, kWidth, kHeight, 0, 0));
        PixelConversion up{&in_data, &host.world, &staged.world};
        ASSERT_EQ(iterate_rows_in_order(kHeight, &up, upload_converter(format)), PF_Err_NONE);

        StagedBuffer as_float(staged_output_layout(kWidth, kHeight));
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                for (int c = 0; c < 4; ++c) {
                    const float v = static_cast<float>(host_value(x, y, c) / scale.white);
                    std::memcpy(as_float.bytes.data() + y * as_float.image.row_bytes + 16 * x + 4 * c, &v, 4);
                }
            }
        }
        if (staged.image.bits_per_channel == 32) {
            for (int y = 0; y < kHeight; ++y) {
                for (int x = 0; x < kWidth; ++x) {
                    ASSERT_EQ(staged.channel(x, y, 0), as_float.channel(x, y, 0)) << "x " << x << " y " << y;
                    ASSERT_EQ(staged.channel(x, y, 3), as_float.channel(x, y, 3)) << "x " << x << " y " << y;
                }
            }
        } else {
            EXPECT_EQ(staged.bytes[4 * (2 * kWidth + 3) + 1], host_value(3, 2, 1)) << "G of pixel (3, 2)";
        }

        HostWorld back(format, kWidth, kHeight, 7);
        PixelConversion down{&in_data, &as_float.world, &back.world};
        ASSERT_EQ(iterate_rows_in_order(kHeight, &down, download_converter(format)), PF_Err_NONE);
        EXPECT_EQ(back.bytes, host.bytes) << "pixels and padding come back as the host had them";
        EXPECT_EQ(probe.calls, 2 * kHeight) << "thread 0 asks for abort once a row";
    }
}

TEST(PixelConverters, ManyThreadsMatchOneThread) {
    constexpr int kWidth = 37, kHeight = 301;
    for (HostPixelFormat format : test::kAllFormats) {
        SCOPED_TRACE(test::format_name(format));
        StagedBuffer source(staged_output_layout(kWidth, kHeight));
        for (std::size_t i = 0; i < source.bytes.size() / 4; ++i) {
            const float v = static_cast<float>(i % 1000) / 999.0f;
            std::memcpy(source.bytes.data() + 4 * i, &v, 4);
        }
        HostWorld sequential(format, kWidth, kHeight, 12);
        HostWorld threaded(format, kWidth, kHeight, 12);
        PixelConversion one{nullptr, &source.world, &sequential.world};
        PixelConversion many{nullptr, &source.world, &threaded.world};
        ASSERT_EQ(iterate_rows_in_order(kHeight, &one, download_converter(format)), PF_Err_NONE);
        ASSERT_EQ(iterate_on_threads(kHeight, &many, download_converter(format), 8), PF_Err_NONE);
        EXPECT_EQ(threaded.bytes, sequential.bytes);

        StagedBuffer staged_one(staged_layer_layout(format, kWidth, kHeight, 0, 0));
        StagedBuffer staged_many(staged_layer_layout(format, kWidth, kHeight, 0, 0));
        PixelConversion up_one{nullptr, &sequential.world, &staged_one.world};
        PixelConversion up_many{nullptr, &sequential.world, &staged_many.world};
        ASSERT_EQ(iterate_rows_in_order(kHeight, &up_one, upload_converter(format)), PF_Err_NONE);
        ASSERT_EQ(iterate_on_threads(kHeight, &up_many, upload_converter(format), 8), PF_Err_NONE);
        EXPECT_EQ(staged_many.bytes, staged_one.bytes);
    }
}

TEST(PixelConverters, AbortIsAskedOnThreadZeroOnlyAndTheRowStillConverts) {
    AbortProbe probe;
    probe.answer = PF_Interrupt_CANCEL;
    PF_InData in_data = in_data_with(probe);
    StagedBuffer source(staged_output_layout(2, 3));
    for (std::size_t i = 0; i < source.bytes.size() / 4; ++i) {
        const float one = 1.0f;
        std::memcpy(source.bytes.data() + 4 * i, &one, 4);
    }
    HostWorld host(HostPixelFormat::argb, 2, 3, 0);
    PixelConversion job{&in_data, &source.world, &host.world};
    const PixelRowConverter convert = download_converter(HostPixelFormat::argb);

    EXPECT_EQ(convert(&job, 1, 1, 3), PF_Err_NONE);
    EXPECT_EQ(probe.calls, 0);
    EXPECT_EQ(convert(&job, 0, 2, 3), PF_Interrupt_CANCEL);
    EXPECT_EQ(probe.calls, 1);
    EXPECT_EQ(*host.pixel(HostPixelFormat::argb, 1, 2), 255) << "row converted despite the abort";
    EXPECT_EQ(*host.pixel(HostPixelFormat::argb, 1, 0), kPadding) << "row 0 was never asked for";

    // The in-order stand-in stops at the first abort.
    HostWorld fresh(HostPixelFormat::argb, 2, 3, 0);
    job.destination = &fresh.world;
    EXPECT_EQ(iterate_rows_in_order(3, &job, convert), PF_Interrupt_CANCEL);
    EXPECT_EQ(*fresh.pixel(HostPixelFormat::argb, 0, 0), 255);
    EXPECT_EQ(*fresh.pixel(HostPixelFormat::argb, 0, 1), kPadding);
}

TEST(PixelConverters, UnknownFormatHasNoConverter) {
    const auto unknown = host_pixel_format(0x61797576);
    EXPECT_EQ(upload_converter(unknown), nullptr);
    EXPECT_EQ(download_converter(unknown), nullptr);
    HostWorld host(HostPixelFormat::ae32, 2, 2, 0);
    StagedBuffer staged(staged_layer_layout(unknown, 2, 2, 0, 0));
    PixelConversion job{nullptr, &host.world, &staged.world};
    EXPECT_EQ(iterate_rows_in_order(2, &job, upload_converter(unknown)), PF_Err_NONE);
    for (unsigned char b : staged.bytes) ASSERT_EQ(b, 0);
}

struct SkipCase {
    const char* name;
    A_long row;
    int source_width, source_height;
    bool null_source_pixels;
};

// Rows and columns outside either world are never touched.
TEST(PixelConverters, StaysInsideBothWorlds) {
    const SkipCase cases[] = {
        {"negative_row", -1, 4, 4, false},
        {"row_past_destination", 4, 4, 8, false},
        {"row_past_source", 2, 4, 2, false},
        {"no_source_pixels", 0, 4, 4, true},
    };
    for (const SkipCase& c : cases) {
        SCOPED_TRACE(c.name);
        StagedBuffer source(staged_output_layout(c.source_width, c.source_height));
        if (c.null_source_pixels) source.world.data = nullptr;
        HostWorld host(HostPixelFormat::bgra, 4, 4, 0);
        PixelConversion job{nullptr, &source.world, &host.world};
        EXPECT_EQ(download_converter(HostPixelFormat::bgra)(&job, 0, c.row, 4), PF_Err_NONE);
        for (unsigned char b : host.bytes) ASSERT_EQ(b, kPadding);
    }
    // A narrower source converts only the columns it has.
    StagedBuffer narrow(staged_output_layout(2, 1));
    HostWorld host(HostPixelFormat::bgra, 4, 1, 0);
    PixelConversion job{nullptr, &narrow.world, &host.world};
    EXPECT_EQ(download_converter(HostPixelFormat::bgra)(&job, 0, 0, 1), PF_Err_NONE);
    EXPECT_EQ(host.bytes[7], 0);
    EXPECT_EQ(host.bytes[8], kPadding);
}

}  // namespace
}  // namespace fx
