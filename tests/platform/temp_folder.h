#pragma once
// A fresh folder under the system's temporary folder, removed with everything in it
// when the test ends.
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include <gtest/gtest.h>

namespace fx::test {

class TempFolder {
public:
    // A new folder with a random name (mkdtemp's way, which Windows lacks): a name taken
    // already is not reused, so tests running side by side never share one.
    TempFolder() {
        std::random_device seed;
        std::mt19937_64 random(seed());
        const std::filesystem::path base = std::filesystem::temp_directory_path();
        for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
            const std::filesystem::path candidate = base / ("fxtest-" + std::to_string(random() % 1000000000000ULL));
            std::error_code error;
            if (std::filesystem::create_directory(candidate, error)) path_ = candidate.string();
        }
        if (path_.empty()) ADD_FAILURE() << "TempFolder: cannot make a folder in " << base.string();
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string operator/(const std::string& relative) const { return path_ + "/" + relative; }

    // Writes `content` to `relative`, making the folders above it.
    std::string write(const std::string& relative, const std::string& content) const {
        std::filesystem::path file = std::filesystem::path(path_) / relative;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << content;
        return file.string();
    }

private:
    std::string path_;
};

}  // namespace fx::test
