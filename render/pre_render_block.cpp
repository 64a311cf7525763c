#include "render/pre_render_block.h"

namespace fx {

void delete_pre_render_block(void* pre_render_data) {
    auto handle = static_cast<PF_Handle>(pre_render_data);
    if (handle == nullptr || *handle == nullptr) return;
    // The handle's master pointer reaches the block without locking it.
    const auto* block = static_cast<const PreRenderBlock*>(*handle);
    if (block->handle_suite != nullptr) block->handle_suite->host_dispose_handle(handle);
}

}  // namespace fx
