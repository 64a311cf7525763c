#include <dlfcn.h>

#include "simhost/elf_section_reader.h"
#include "simhost/plugin_library.h"

namespace fx {
namespace {

// The section the plug-in build places its registration record in.
constexpr const char* kPiplSection = ".pipl";

}  // namespace

PluginLibrary::PluginLibrary(std::string path) : path_(std::move(path)) {
    handle_ = dlopen(path_.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr) {
        const char* reason = dlerror();
        throw PluginLoadError("LoadedPlugin: " + path_ + ": cannot load the library (" +
                              (reason ? reason : "no reason given") + ")");
    }
}

PluginLibrary::~PluginLibrary() { dlclose(handle_); }

void* PluginLibrary::symbol(const char* name) const {
    dlerror();
    return dlsym(handle_, name);
}

std::optional<std::vector<std::uint8_t>> PluginLibrary::registration_bytes() const {
    return read_elf_section(path_, kPiplSection);
}

}  // namespace fx
