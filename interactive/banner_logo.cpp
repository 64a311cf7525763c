#include "interactive/banner_logo.h"

#include <cstdint>
#include <vector>

#include "host/banner_image.h"

namespace fx {

PF_Handle logo_handle(const PF_HandleSuite1* handles, GlobalState& global, HostCallChain& chain) {
    if (global.resource_handle != nullptr) return global.resource_handle;
    const std::vector<std::uint8_t> rgb = unpack_banner();
    if (rgb.size() != static_cast<std::size_t>(kLogoSide) * kLogoSide * 3) return nullptr;
    PF_Handle handle = nullptr;
    const bool made = chain.call([&] {
        handle = handles->host_new_handle(static_cast<A_HandleSize>(kLogoRowBytes) * kLogoSide);
        return handle != nullptr ? PF_Err_NONE : PF_Err_OUT_OF_MEMORY;
    });
    if (!made) return nullptr;
    auto* bgra = static_cast<std::uint8_t*>(handles->host_lock_handle(handle));
    if (bgra == nullptr) {
        handles->host_dispose_handle(handle);
        chain.call([] { return PF_Err_OUT_OF_MEMORY; });
        return nullptr;
    }
    for (std::size_t i = 0, pixels = rgb.size() / 3; i < pixels; ++i) {
        bgra[i * 4 + 0] = rgb[i * 3 + 2];
        bgra[i * 4 + 1] = rgb[i * 3 + 1];
        bgra[i * 4 + 2] = rgb[i * 3 + 0];
        bgra[i * 4 + 3] = 255;
    }
    handles->host_unlock_handle(handle);
    global.resource_handle = handle;
    return handle;
}

}  // namespace fx
