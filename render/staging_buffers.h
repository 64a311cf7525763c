#pragma once
// The host handles one frame render stages its pictures in: each allocated and locked
// on request, all unlocked and disposed when the frame ends, whichever way it ends.

#include <cstdint>
#include <vector>

#include "AE_EffectCBSuites.h"

namespace fx {

class StagingBuffers {
public:
    explicit StagingBuffers(const PF_HandleSuite1* handles) noexcept : handles_(handles) {}
    ~StagingBuffers();
    StagingBuffers(const StagingBuffers&) = delete;
    StagingBuffers& operator=(const StagingBuffers&) = delete;

    // A new locked block of `bytes` bytes; null when the host has no memory for it.
    void* allocate(std::uint64_t bytes);
    std::size_t count() const noexcept { return handles_held_.size(); }

private:
    const PF_HandleSuite1* handles_;
    std::vector<PF_Handle> handles_held_;
};

}  // namespace fx
