#include "host/global_state.h"

namespace fx {

GlobalStateLock::GlobalStateLock(const PF_HandleSuite1* handles, PF_Handle global_data) noexcept
    : handles_(handles), handle_(global_data) {
    if (handles_ == nullptr || handle_ == nullptr) return;
    state_ = static_cast<GlobalState*>(handles_->host_lock_handle(handle_));
}

GlobalStateLock::~GlobalStateLock() {
    // A handle the host would not lock is not unlocked either.
    if (state_ != nullptr) handles_->host_unlock_handle(handle_);
}

}  // namespace fx
