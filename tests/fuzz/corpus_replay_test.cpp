// Every seed and every saved reproducer runs through the fuzz target in the ordinary test
// builds too, so a fixed crash stays fixed without a fuzzing run.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "tests/fuzz/parse_definition_fuzz_target.h"

namespace fx::test {
namespace {

std::vector<std::filesystem::path> inputs_in(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.is_regular_file() && entry.path().filename() != "README") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

// What broke, per input file; the parser's own messages on standard output are dropped
// (gtest writes its failures there too, so the checks come after the capture ends).
std::vector<std::string> replay(const std::filesystem::path& folder) {
    std::vector<std::string> broken;
    testing::internal::CaptureStdout();
    for (const std::filesystem::path& file : inputs_in(folder)) {
        std::ifstream in(file, std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::string what = fuzz_parse_definition(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
        if (!what.empty()) broken.push_back(file.filename().string() + ": " + what);
    }
    testing::internal::GetCapturedStdout();
    return broken;
}

TEST(FuzzCorpus, SeedsKeepTheModelInvariants) {
    ASSERT_FALSE(inputs_in(FX_FUZZ_DIR "/corpus").empty());
    EXPECT_EQ(replay(FX_FUZZ_DIR "/corpus"), std::vector<std::string>());
}

TEST(FuzzCorpus, SavedReproducersStayFixed) {
    EXPECT_EQ(replay(FX_FUZZ_DIR "/reproducers"), std::vector<std::string>());
}

}  // namespace
}  // namespace fx::test
