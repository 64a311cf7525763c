#include "render/staging_buffers.h"

namespace fx {

StagingBuffers::~StagingBuffers() {
    for (PF_Handle handle : handles_held_) {
        handles_->host_unlock_handle(handle);
        handles_->host_dispose_handle(handle);
    }
}

void* StagingBuffers::allocate(std::uint64_t bytes) {
    if (handles_ == nullptr) return nullptr;
    PF_Handle handle = handles_->host_new_handle(bytes);
    if (handle == nullptr) return nullptr;
    void* block = handles_->host_lock_handle(handle);
    if (block == nullptr) {
        handles_->host_dispose_handle(handle);
        return nullptr;
    }
    handles_held_.push_back(handle);
    return block;
}

}  // namespace fx
