// Every picture seed and every saved picture reproducer runs through the decoders' fuzz
// body in the ordinary test builds, so a fixed crash stays fixed without a fuzzing run.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "host/image_records.h"
#include "interactive/jpeg_decoder.h"
#include "interactive/png_decoder.h"
#include "tests/fuzz/image_decoder_fuzz_target.h"

namespace fx::test {
namespace {

using Body = std::string (*)(const std::uint8_t*, std::size_t);

std::vector<std::filesystem::path> inputs_in(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.is_regular_file() && entry.path().filename() != "README") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

std::vector<std::string> replay(const std::filesystem::path& folder, Body body) {
    std::vector<std::string> broken;
    for (const std::filesystem::path& file : inputs_in(folder)) {
        std::ifstream in(file, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        const std::string what = body(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        if (!what.empty()) broken.push_back(file.filename().string() + ": " + what);
    }
    return broken;
}

TEST(ImageFuzzCorpus, PngSeedsAndReproducersKeepTheInvariants) {
    ASSERT_FALSE(inputs_in(FX_FUZZ_DIR "/image_corpus/png").empty());
    EXPECT_EQ(replay(FX_FUZZ_DIR "/image_corpus/png", fuzz_decode_png), std::vector<std::string>());
    EXPECT_EQ(replay(FX_FUZZ_DIR "/image_reproducers/png", fuzz_decode_png), std::vector<std::string>());
}

TEST(ImageFuzzCorpus, JpegSeedsAndReproducersKeepTheInvariants) {
    ASSERT_FALSE(inputs_in(FX_FUZZ_DIR "/image_corpus/jpeg").empty());
    EXPECT_EQ(replay(FX_FUZZ_DIR "/image_corpus/jpeg", fuzz_decode_jpeg), std::vector<std::string>());
    EXPECT_EQ(replay(FX_FUZZ_DIR "/image_reproducers/jpeg", fuzz_decode_jpeg), std::vector<std::string>());
}

// The seeds are sound pictures: fuzzing starts from inputs that reach the pixel rows.
TEST(ImageFuzzCorpus, EverySeedDecodes) {
    for (const auto& file : inputs_in(FX_FUZZ_DIR "/image_corpus/png")) {
        Image image;
        EXPECT_EQ(DecodePng(file.string(), image, true), 0) << file;
    }
    for (const auto& file : inputs_in(FX_FUZZ_DIR "/image_corpus/jpeg")) {
        Image image;
        EXPECT_EQ(DecodeJpeg(file.string(), image), 0) << file;
    }
}

// The reproducers are all hostile: each must be refused.
TEST(ImageFuzzCorpus, EveryReproducerIsRefused) {
    for (const auto& file : inputs_in(FX_FUZZ_DIR "/image_reproducers/png")) {
        Image image;
        EXPECT_LT(DecodePng(file.string(), image, true), 0) << file;
    }
    for (const auto& file : inputs_in(FX_FUZZ_DIR "/image_reproducers/jpeg")) {
        Image image;
        EXPECT_EQ(DecodeJpeg(file.string(), image), -1) << file;
    }
}

TEST(ImageFuzzCorpus, AnEmptyFileFailsWithoutAPicture) {
    EXPECT_EQ(fuzz_decode_png(nullptr, 0), "");
    EXPECT_EQ(fuzz_decode_jpeg(nullptr, 0), "");
}

}  // namespace
}  // namespace fx::test
