// The registration-record fuzz target's seeds and saved reproducers run in every test
// build, so an input that once broke the readers keeps being checked without fuzzing
// (under the sanitizer build, undefined behaviour in them fails the run).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/simhost/registration_record_fuzz_target.h"

namespace fx::test {
namespace {

std::vector<std::string> broken_inputs(const std::filesystem::path& folder, std::size_t& count) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.is_regular_file() && entry.path().filename() != "README") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    count = files.size();
    std::vector<std::string> broken;
    for (const std::filesystem::path& file : files) {
        std::ifstream in(file, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        const std::string what =
            fuzz_registration_record(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        if (!what.empty()) broken.push_back(file.filename().string() + ": " + what);
    }
    return broken;
}

class RegistrationRecordReplay : public ::testing::TestWithParam<const char*> {};

TEST_P(RegistrationRecordReplay, EveryInputIsReadOrRefused) {
    std::size_t count = 0;
    EXPECT_EQ(broken_inputs(std::filesystem::path(FX_REGISTRATION_FUZZ_DIR) / GetParam(), count),
              std::vector<std::string>());
    EXPECT_GE(count, 3u) << "the folder lost its inputs";
}

INSTANTIATE_TEST_SUITE_P(Folders, RegistrationRecordReplay, ::testing::Values("corpus", "reproducers"),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
}  // namespace fx::test
