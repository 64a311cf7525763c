#pragma once
// The plug-in library file opened as the host's system opens it: dlopen on Linux,
// LoadLibrary on Windows. Looks up exported symbols and reads the registration record the
// build placed in the library (an ELF section on Linux, the "PiPL" resource on Windows).
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace fx {

class PluginLoadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class PluginLibrary {
public:
    // Throws PluginLoadError naming the path and the system's reason when the library
    // cannot be loaded.
    explicit PluginLibrary(std::string path);
    ~PluginLibrary();
    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;

    // The exported symbol, or null when the library exports none by that name.
    void* symbol(const char* name) const;
    // The registration record's bytes; nothing when the library carries none. Throws
    // ElfFormatError for a damaged ELF file.
    std::optional<std::vector<std::uint8_t>> registration_bytes() const;

private:
    std::string path_;
    void* handle_ = nullptr;
};

}  // namespace fx
