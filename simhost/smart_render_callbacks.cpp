// The smart render callbacks of PF_PreRenderExtra and PF_SmartRenderExtra, answered for
// the calling thread's frame job.
#include <string>

#include "simhost/frame_job.h"
#include "simhost/recorded_call.h"
#include "simhost/sim_host.h"

namespace fx {
namespace {

constexpr std::string_view kSource = "smart";

// The job, or null after noting the misuse of a callback called outside any frame.
FrameJob* job_for(SimHost& host, PF_ProgPtr effect_ref, std::string_view name) {
    if (!host.effect_ref_ok(effect_ref, name)) return nullptr;
    FrameJob* job = current_frame_job();
    if (job == nullptr) host.note_misuse(std::string(name) + ": called outside a frame render");
    return job;
}

PF_Err checkout_layer(PF_ProgPtr effect_ref, PF_ParamIndex index, A_long checkout_id, const PF_RenderRequest* req,
                      A_long what_time, A_long time_step, A_u_long time_scale, PF_CheckoutResult* result) {
    SimHost& host = SimHost::active();
    PF_Err err = host.fault_for(kSource, "checkout_layer");
    FrameJob* job = err == 0 ? job_for(host, effect_ref, "checkout_layer") : nullptr;
    if (err == 0 && (job == nullptr || req == nullptr)) err = PF_Err_BAD_CALLBACK_PARAM;
    if (err == 0) err = job->checkout_layer(checkout_id, {index, what_time, *req}, result);
    host.record(kSource, "checkout_layer", arguments_text(index, checkout_id, what_time, time_step, time_scale), err);
    return err;
}

PF_Err guid_mix_in(PF_ProgPtr effect_ref, A_u_long size, const void* bytes) {
    SimHost& host = SimHost::active();
    PF_Err err = host.fault_for(kSource, "GuidMixInPtr");
    FrameJob* job = err == 0 ? job_for(host, effect_ref, "GuidMixInPtr") : nullptr;
    if (err == 0 && (job == nullptr || (bytes == nullptr && size > 0))) err = PF_Err_BAD_CALLBACK_PARAM;
    if (err == 0) job->mix_into_cache_key(bytes, size);
    host.record(kSource, "GuidMixInPtr", std::to_string(size), err);
    return err;
}

PF_Err checkout_layer_pixels(PF_ProgPtr effect_ref, A_long checkout_id, PF_EffectWorld** pixels) {
    SimHost& host = SimHost::active();
    PF_Err err = host.fault_for(kSource, "checkout_layer_pixels");
    FrameJob* job = err == 0 ? job_for(host, effect_ref, "checkout_layer_pixels") : nullptr;
    if (err == 0 && job == nullptr) err = PF_Err_BAD_CALLBACK_PARAM;
    if (err == 0) err = job->checkout_layer_pixels(checkout_id, pixels);
    host.record(kSource, "checkout_layer_pixels", std::to_string(checkout_id), err);
    return err;
}

PF_Err checkin_layer_pixels(PF_ProgPtr effect_ref, A_long checkout_id) {
    SimHost& host = SimHost::active();
    PF_Err err = host.fault_for(kSource, "checkin_layer_pixels");
    FrameJob* job = err == 0 ? job_for(host, effect_ref, "checkin_layer_pixels") : nullptr;
    if (err == 0 && job == nullptr) err = PF_Err_BAD_CALLBACK_PARAM;
    if (err == 0) err = job->checkin_layer_pixels(checkout_id);
    host.record(kSource, "checkin_layer_pixels", std::to_string(checkout_id), err);
    return err;
}

PF_Err checkout_output(PF_ProgPtr effect_ref, PF_EffectWorld** output) {
    SimHost& host = SimHost::active();
    PF_Err err = host.fault_for(kSource, "checkout_output");
    FrameJob* job = err == 0 ? job_for(host, effect_ref, "checkout_output") : nullptr;
    if (err == 0 && job == nullptr) err = PF_Err_BAD_CALLBACK_PARAM;
    if (err == 0) err = job->checkout_output(output);
    host.record(kSource, "checkout_output", "", err);
    return err;
}

}  // namespace

PF_PreRenderCallbacks make_pre_render_callbacks() {
    PF_PreRenderCallbacks cb{};
    cb.checkout_layer = checkout_layer;
    cb.GuidMixInPtr = guid_mix_in;
    return cb;
}

PF_SmartRenderCallbacks make_smart_render_callbacks() {
    PF_SmartRenderCallbacks cb{};
    cb.checkout_layer_pixels = checkout_layer_pixels;
    cb.checkin_layer_pixels = checkin_layer_pixels;
    cb.checkout_output = checkout_output;
    return cb;
}

}  // namespace fx
