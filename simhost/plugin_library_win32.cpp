#include <windows.h>

#include "simhost/plugin_library.h"

namespace fx {
namespace {

// The registration resource: type "PiPL", id 16000.
constexpr const char* kPiplType = "PiPL";
constexpr int kPiplId = 16000;

std::string system_message(DWORD code) {
    char* text = nullptr;
    const DWORD length =
        FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string message = length > 0 && text != nullptr ? std::string(text, length) : "error " + std::to_string(code);
    if (text != nullptr) LocalFree(text);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == '.'))
        message.pop_back();
    return message;
}

}  // namespace

PluginLibrary::PluginLibrary(std::string path) : path_(std::move(path)) {
    handle_ = LoadLibraryA(path_.c_str());
    if (handle_ == nullptr) {
        throw PluginLoadError("LoadedPlugin: " + path_ + ": cannot load the library (" +
                              system_message(GetLastError()) + ")");
    }
}

PluginLibrary::~PluginLibrary() { FreeLibrary(static_cast<HMODULE>(handle_)); }

void* PluginLibrary::symbol(const char* name) const {
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle_), name));
}

std::optional<std::vector<std::uint8_t>> PluginLibrary::registration_bytes() const {
    const auto module = static_cast<HMODULE>(handle_);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(kPiplId), kPiplType);
    if (found == nullptr) return std::nullopt;
    const DWORD size = SizeofResource(module, found);
    HGLOBAL loaded = LoadResource(module, found);
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (bytes == nullptr) return std::nullopt;
    const auto* first = static_cast<const std::uint8_t*>(bytes);
    return std::vector<std::uint8_t>(first, first + size);
}

}  // namespace fx
