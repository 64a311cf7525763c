#pragma once
// The process-wide record kept in the host's global data handle (64 bytes, created by
// global set-up). Handlers reach it by locking that handle: GlobalStateLock.

#include <cstdint>

#include "AE_EffectCBSuites.h"
#include "PrSDKAESupport.h"

namespace fx {

class GlRenderer;
struct SequenceState;
class SuiteCache;

struct GlobalState {
    std::int32_t aegp_plugin_id;                     // 0 under Premiere Pro
    std::uint8_t initialized;                        // 1 once global set-up has filled the record
    std::uint8_t texts_dirty;                        // text parameters must be re-applied before the next frame
    PF_Handle resource_handle;                       // owned; disposed at teardown when set
    GlRenderer* renderer;                            // owned; null when the definition turns the GPU off
    SequenceState* last_sequence;                    // not owned: instance whose texts the renderer applied last
    SuiteCache* suites;                              // owned; suites acquired through it live until teardown
    const PF_PixelFormatSuite1* pixel_format_suite;  // "PF Pixel Format Suite" 1, Premiere Pro only
    const PF_WorldSuite2* world_suite;               // "PF World Suite" 2
};

// The size of the host handle global set-up allocates for the record.
inline constexpr std::uint64_t kGlobalStateHandleSize = 64;
static_assert(sizeof(GlobalState) <= kGlobalStateHandleSize, "GlobalState must fit its 64-byte handle");

// Locks the global data handle for the life of this object and unlocks it at the end.
// get() is null when there is no handle or the host cannot lock it.
class GlobalStateLock {
public:
    GlobalStateLock(const PF_HandleSuite1* handles, PF_Handle global_data) noexcept;
    ~GlobalStateLock();
    GlobalStateLock(const GlobalStateLock&) = delete;
    GlobalStateLock& operator=(const GlobalStateLock&) = delete;

    GlobalState* get() const noexcept { return state_; }

private:
    const PF_HandleSuite1* handles_;
    PF_Handle handle_;
    GlobalState* state_ = nullptr;
};

}  // namespace fx
