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

// The "bounds_" seeds are a few bytes each but reach a size bound through the fuzz
// environment's "big:" includes, so that fuzzing starts from inputs at the bounds; each
// must still make the parser report its cut.
TEST(FuzzCorpus, BoundSeedsReachTheirBounds) {
    const struct {
        const char* seed;
        const char* report;
    } rows[] = {{"bounds_popup_items.txt", "more than 10000 items"},
                {"bounds_preset_records.txt", "more than 100000 assignments"},
                {"bounds_pass_copies.txt", "longer than 16 MiB; the pass keeps its own text"},
                {"bounds_include_text.txt", "would make the definition text longer than 16 MiB"},
                {"bounds_replace_growth.txt", "would make the text longer than 16 MiB"},
                {"bounds_preset_files.txt", "more than 10000 entries"}};
    for (const auto& row : rows) {
        std::ifstream in(std::filesystem::path(FX_FUZZ_DIR "/corpus") / row.seed, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        ASSERT_FALSE(bytes.empty()) << row.seed;
        std::string report;
        const std::string broken =
            fuzz_parse_definition(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), &report);
        EXPECT_EQ(broken, "") << row.seed;
        EXPECT_NE(report.find(row.report), std::string::npos) << row.seed << ":\n" << report.substr(0, 500);
    }
}

TEST(FuzzCorpus, SavedReproducersStayFixed) {
    EXPECT_EQ(replay(FX_FUZZ_DIR "/reproducers"), std::vector<std::string>());
}

}  // namespace
}  // namespace fx::test
