#pragma once
// Locks an instance's sequence data handle for one command and unlocks it at the end.
#include "AE_EffectCBSuites.h"
#include "host/sequence_state.h"

namespace fx {

class SequenceLock {
public:
    SequenceLock(const PF_HandleSuite1* handles, PF_Handle handle) : handles_(handles), handle_(handle) {
        if (handle_ != nullptr) state_ = static_cast<SequenceState*>(handles_->host_lock_handle(handle_));
    }
    ~SequenceLock() {
        if (state_ != nullptr) handles_->host_unlock_handle(handle_);
    }
    SequenceLock(const SequenceLock&) = delete;
    SequenceLock& operator=(const SequenceLock&) = delete;

    // Null when there is no handle or the host cannot lock it.
    SequenceState* get() const { return state_; }
    // The record when it is live (a flat one holds no texts or pictures to work on).
    SequenceState* live() const { return state_ != nullptr && state_->is_flat == 0 ? state_ : nullptr; }

private:
    const PF_HandleSuite1* handles_;
    PF_Handle handle_;
    SequenceState* state_ = nullptr;
};

}  // namespace fx
