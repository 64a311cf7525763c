#include "host/global_state_release.h"

#include "PrSDKAESupport.h"
#include "host/global_state.h"
#include "host/renderer_lifecycle.h"
#include "host/suite_acquisition.h"
#include "host/suite_cache.h"

namespace fx {

void release_global_state(GlobalState& state, const PF_HandleSuite1* handles, const SPBasicSuite* basic) noexcept {
    destroy_renderer(state.renderer);
    state.renderer = nullptr;
    if (state.resource_handle != nullptr && handles != nullptr) {
        handles->host_dispose_handle(state.resource_handle);
        state.resource_handle = nullptr;
    }
    delete state.suites;
    state.suites = nullptr;
    if (state.pixel_format_suite != nullptr) {
        release_suite(basic, {kPFPixelFormatSuite, kPFPixelFormatSuiteVersion1});
        state.pixel_format_suite = nullptr;
    }
    if (state.world_suite != nullptr) {
        release_suite(basic, {kPFWorldSuite, kPFWorldSuiteVersion2});
        state.world_suite = nullptr;
    }
}

}  // namespace fx
