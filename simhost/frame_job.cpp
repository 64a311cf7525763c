#include "simhost/frame_job.h"

#include <cstring>

#include "simhost/sim_host.h"

namespace fx {
namespace {

thread_local FrameJob* t_job = nullptr;

}  // namespace

PF_Err FrameJob::checkout_layer(A_long id, const LayerCheckout& checkout, PF_CheckoutResult* result) {
    if (result == nullptr) return PF_Err_BAD_CALLBACK_PARAM;
    if (checkout.index < 0 || checkout.index >= host_.param_count()) return PF_Err_INVALID_INDEX;
    const PF_ParamDef def = host_.param_at(checkout.index, checkout.time);
    if (def.param_type != PF_Param_LAYER) return PF_Err_BAD_CALLBACK_PARAM;
    checkouts_[id] = checkout;
    *result = PF_CheckoutResult{};
    result->par = host_.settings().pixel_aspect_ratio;
    const std::shared_ptr<const Clip> clip = host_.clips().clip(checkout.index);
    if (const Picture* picture = clip ? clip->at(checkout.time, host_.settings().time_step) : nullptr) {
        result->result_rect = {0, 0, picture->width, picture->height};
        result->max_result_rect = result->result_rect;
        result->ref_width = picture->width;
        result->ref_height = picture->height;
    }
    return PF_Err_NONE;
}

PF_Err FrameJob::checkout_layer_pixels(A_long id, PF_EffectWorld** pixels) {
    if (pixels == nullptr) return PF_Err_BAD_CALLBACK_PARAM;
    *pixels = nullptr;
    const auto found = checkouts_.find(id);
    if (found == checkouts_.end()) {
        host_.note_misuse("checkout_layer_pixels: checkout id " + std::to_string(id) +
                          " was not checked out in the pre-render");
        return PF_Err_BAD_CALLBACK_PARAM;
    }
    auto& world = layer_worlds_[id];
    if (!world) world = rendered_layer(found->second.index, found->second.time);
    if (world) *pixels = &world->world();
    return PF_Err_NONE;
}

std::shared_ptr<HostWorld> FrameJob::rendered_layer(PF_ParamIndex index, A_long time) {
    const std::shared_ptr<const Clip> clip = host_.clips().clip(index);
    if (!clip) return nullptr;
    RenderedLayer& rendered = rendered_layers_[{clip.get(), time}];
    if (!rendered.world) {
        rendered.clip = clip;
        rendered.world = host_.layer_world(index, time);
    }
    return rendered.world;
}

PF_Err FrameJob::checkin_layer_pixels(A_long id) {
    layer_worlds_.erase(id);
    return PF_Err_NONE;
}

PF_Err FrameJob::checkout_output(PF_EffectWorld** output_world) {
    if (output_world == nullptr) return PF_Err_BAD_CALLBACK_PARAM;
    *output_world = &output().world();
    return PF_Err_NONE;
}

void FrameJob::mix_into_cache_key(const void* bytes, std::size_t size) {
    const auto* b = static_cast<const unsigned char*>(bytes);
    cache_key_.insert(cache_key_.end(), b, b + size);
}

HostWorld& FrameJob::output() {
    if (!output_) {
        const HostSettings& s = host_.settings();
        output_ = std::make_unique<HostWorld>(s.pixel_format, s.width, s.height, s.row_padding);
    }
    return *output_;
}

std::unique_ptr<HostWorld> FrameJob::take_output() {
    output();
    return std::move(output_);
}

FrameJobScope::FrameJobScope(FrameJob& job) : previous_(t_job) { t_job = &job; }

FrameJobScope::~FrameJobScope() { t_job = previous_; }

FrameJob* current_frame_job() { return t_job; }

}  // namespace fx
