// Every preset seed and every saved preset reproducer runs through the preset reader's
// fuzz target in the ordinary test builds too.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "interactive/preset_codec.h"
#include "interactive/preset_key.h"
#include "interactive/preset_lines.h"
#include "tests/fuzz/preset_reader_fuzz_target.h"

namespace fx::test {
namespace {

std::vector<std::filesystem::path> inputs_in(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.is_regular_file() && entry.path().filename() != "README") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

std::string bytes_of(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::vector<std::string> replay(const std::filesystem::path& folder) {
    std::vector<std::string> broken;
    for (const std::filesystem::path& file : inputs_in(folder)) {
        const std::string bytes = bytes_of(file);
        const std::string what = fuzz_preset_reader(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
        if (!what.empty()) broken.push_back(file.filename().string() + ": " + what);
    }
    return broken;
}

TEST(PresetFuzzCorpus, SeedsPassTheReaderChecks) {
    ASSERT_FALSE(inputs_in(FX_FUZZ_DIR "/preset_corpus").empty());
    EXPECT_EQ(replay(FX_FUZZ_DIR "/preset_corpus"), std::vector<std::string>());
}

// The seeds start the fuzzer from inside the format: the file seeds are whole presets.
TEST(PresetFuzzCorpus, FileSeedsAreWholePresets) {
    for (const std::filesystem::path& file : inputs_in(FX_FUZZ_DIR "/preset_corpus")) {
        if (file.extension() != ".fxpr") continue;
        const auto plain = decode_preset(bytes_of(file), preset_key());
        ASSERT_TRUE(plain) << file;
        EXPECT_TRUE(preset_lines(*plain)) << file << ":\n" << *plain;
    }
}

TEST(PresetFuzzCorpus, SavedReproducersStayFixed) {
    EXPECT_EQ(replay(FX_FUZZ_DIR "/preset_reproducers"), std::vector<std::string>());
}

}  // namespace
}  // namespace fx::test
