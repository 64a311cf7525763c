#pragma once
// A fresh folder under the system's temporary folder, removed with everything in it
// when the test ends.
#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

namespace fx::test {

class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "fxtest-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "TempFolder: mkdtemp failed for " << pattern;
        path_ = pattern;
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
