#include "simhost/effect_instance.h"

#include <atomic>
#include <cmath>
#include <cstring>
#include <exception>
#include <mutex>
#include <thread>

#include "simhost/frame_job.h"
#include "simhost/saved_project.h"

namespace fx {
namespace {

PF_Fixed fixed(double value) { return static_cast<PF_Fixed>(std::lround(value * 65536.0)); }

short bit_depth(PF_PixelFormat format) {
    const std::size_t bytes = host_pixel_bytes(format);
    return static_cast<short>(bytes == 4 ? 8 : bytes == 8 ? 16 : 32);
}

std::string shown_message(const CommandResult& r) { return r.shows_message() ? r.message() : std::string(); }

}  // namespace

EffectInstance::EffectInstance(SimHost& host, const std::string& plugin_path,
                               const std::vector<std::uint8_t>* saved_sequence)
    : host_(host), plugin_(host, plugin_path) {
    plugin_.register_plugin();
    command(PF_Cmd_GLOBAL_SETUP, "global set-up");
    try {
        command(PF_Cmd_PARAMS_SETUP, "parameter set-up");
        if (saved_sequence != nullptr) {
            const CommandResult r = reopen_project(host_, plugin_, *saved_sequence);
            sequence_set_up_ = true;
            if (r.result != PF_Err_NONE)
                throw EffectInstanceError("EffectInstance: " + plugin_.path() + ": sequence re-set-up returned " +
                                          std::to_string(r.result) + (r.message().empty() ? "" : ": " + r.message()));
        } else {
            command(PF_Cmd_SEQUENCE_SETUP, "sequence set-up");
            sequence_set_up_ = true;
        }
    } catch (...) {
        // A re-set-up that failed still leaves the reopened record to set down.
        if (sequence_set_up_) plugin_.call(PF_Cmd_SEQUENCE_SETDOWN);
        plugin_.call(PF_Cmd_GLOBAL_SETDOWN);
        throw;
    }
    const HostSettings& s = host_.settings();
    set_input(Clip{{Picture(s.width, s.height)}});
}

EffectInstance::~EffectInstance() {
    if (sequence_set_up_) plugin_.call(PF_Cmd_SEQUENCE_SETDOWN);
    plugin_.call(PF_Cmd_GLOBAL_SETDOWN);
}

void EffectInstance::command(PF_Cmd cmd, const char* what) {
    const CommandResult r = plugin_.call(cmd);
    if (r.result != PF_Err_NONE) {
        throw EffectInstanceError("EffectInstance: " + plugin_.path() + ": " + what + " returned " +
                                  std::to_string(r.result) + (r.message().empty() ? "" : ": " + r.message()));
    }
}

PF_ParamIndex EffectInstance::param_index(std::string_view name) const {
    const std::vector<AddedParam> params = host_.added_params();
    for (std::size_t k = 0; k < params.size(); ++k) {
        const char* registered = params[k].def.name;
        if (name == std::string_view(registered, strnlen(registered, sizeof params[k].def.name)))
            return static_cast<PF_ParamIndex>(k + 1);
    }
    return -1;
}

PF_ParamDefUnion EffectInstance::value_at(PF_ParamIndex index, A_long time) const {
    return host_.param_at(index, time).u;
}

void EffectInstance::set_value(PF_ParamIndex index, const PF_ParamDefUnion& value, A_long from_time) {
    host_.values().set(index, value, from_time);
}

void EffectInstance::set_float(PF_ParamIndex index, double value, A_long from_time) {
    PF_ParamDefUnion u = value_at(index, from_time);
    u.fs_d.value = value;
    set_value(index, u, from_time);
}

void EffectInstance::set_checkbox(PF_ParamIndex index, bool on, A_long from_time) {
    PF_ParamDefUnion u = value_at(index, from_time);
    u.bd.value = on ? 1 : 0;
    set_value(index, u, from_time);
}

void EffectInstance::set_popup(PF_ParamIndex index, int choice, A_long from_time) {
    PF_ParamDefUnion u = value_at(index, from_time);
    u.pd.value = choice;
    set_value(index, u, from_time);
}

void EffectInstance::set_color(PF_ParamIndex index, PF_Pixel color, A_long from_time) {
    PF_ParamDefUnion u = value_at(index, from_time);
    u.cd.value = color;
    set_value(index, u, from_time);
}

void EffectInstance::set_point(PF_ParamIndex index, double x, double y, A_long from_time) {
    PF_ParamDefUnion u = value_at(index, from_time);
    u.td.x_value = fixed(x);
    u.td.y_value = fixed(y);
    set_value(index, u, from_time);
}

void EffectInstance::set_point_3d(PF_ParamIndex index, double x, double y, double z, A_long from_time) {
    PF_ParamDefUnion u = value_at(index, from_time);
    u.point3d_d.x_value = x;
    u.point3d_d.y_value = y;
    u.point3d_d.z_value = z;
    set_value(index, u, from_time);
}

void EffectInstance::set_angle(PF_ParamIndex index, double degrees, A_long from_time) {
    PF_ParamDefUnion u = value_at(index, from_time);
    u.ad.value = fixed(degrees);
    set_value(index, u, from_time);
}

void EffectInstance::set_input(Clip clip) { host_.clips().set(0, std::move(clip)); }

void EffectInstance::set_layer(PF_ParamIndex index, Clip clip) { host_.clips().set(index, std::move(clip)); }

void EffectInstance::share_layer(PF_ParamIndex index, PF_ParamIndex other) { host_.clips().share(index, other); }

void EffectInstance::clear_layer(PF_ParamIndex index) { host_.clips().remove(index); }

RenderedFrame EffectInstance::render(A_long time, RenderPath path) {
    const A_long count = host_.param_count();
    std::vector<PF_ParamDef> defs(static_cast<std::size_t>(count));
    std::vector<PF_ParamDef*> params;
    for (A_long index = 0; index < count; ++index) {
        defs[static_cast<std::size_t>(index)] = host_.param_at(index, time);
        params.push_back(&defs[static_cast<std::size_t>(index)]);
    }
    return path == RenderPath::smart ? render_smart(time, params) : render_classic(time, defs, params);
}

RenderedFrame EffectInstance::render_classic(A_long time, std::vector<PF_ParamDef>& defs,
                                             std::vector<PF_ParamDef*>& params) {
    FrameJob job(host_, time);
    const FrameJobScope scope(job);
    // The effect's own layer comes with the command, the other layers are checked out.
    const std::shared_ptr<HostWorld> input = job.rendered_layer(0, time);
    if (input) defs[0].u.ld = input->world();
    const CommandResult r = plugin_.call_at(PF_Cmd_RENDER, time, params.data(), &job.output().world(), nullptr);
    return {time, r.result, shown_message(r), job.take_output(), {}, {}};
}

RenderedFrame EffectInstance::render_smart(A_long time, std::vector<PF_ParamDef*>& params) {
    FrameJob job(host_, time);
    const FrameJobScope scope(job);
    const HostSettings& s = host_.settings();

    PF_PreRenderInput pre_input{};
    pre_input.output_request.rect = {0, 0, s.width, s.height};
    pre_input.output_request.field = PF_Field_FRAME;
    pre_input.output_request.channel_mask = PF_ChannelMask_ARGB;
    pre_input.bitdepth = bit_depth(s.pixel_format);
    PF_PreRenderOutput pre_output{};
    PF_PreRenderCallbacks pre_callbacks = make_pre_render_callbacks();
    PF_PreRenderExtra pre{&pre_input, &pre_output, &pre_callbacks};
    CommandResult r = plugin_.call_at(PF_Cmd_SMART_PRE_RENDER, time, params.data(), nullptr, &pre);

    if (r.result == PF_Err_NONE) {
        PF_SmartRenderInput input{};
        input.output_request = pre_input.output_request;
        input.bitdepth = pre_input.bitdepth;
        input.pre_render_data = pre_output.pre_render_data;
        PF_SmartRenderCallbacks callbacks = make_smart_render_callbacks();
        PF_SmartRenderExtra extra{&input, &callbacks};
        r = plugin_.call_at(PF_Cmd_SMART_RENDER, time, params.data(), nullptr, &extra);
    }
    // The host lets go of the frame: the plug-in's pre-render data, then the layers.
    if (pre_output.delete_pre_render_data_func != nullptr && pre_output.pre_render_data != nullptr)
        pre_output.delete_pre_render_data_func(pre_output.pre_render_data);
    job.release_layers();
    return {time, r.result, shown_message(r), job.take_output(), pre_output, job.cache_key()};
}

std::vector<RenderedFrame> EffectInstance::render_frames(const std::vector<A_long>& times, int threads,
                                                         RenderPath path) {
    std::vector<RenderedFrame> frames(times.size());
    std::atomic<std::size_t> next{0};
    std::mutex failure_mutex;
    std::exception_ptr failure;
    auto work = [&] {
        for (std::size_t k = next++; k < times.size(); k = next++) {
            try {
                frames[k] = render(times[k], path);
            } catch (...) {
                std::lock_guard lock(failure_mutex);
                if (!failure) failure = std::current_exception();
            }
        }
    };
    std::vector<std::thread> helpers;
    for (int t = 1; t < threads; ++t) helpers.emplace_back(work);
    work();
    for (std::thread& helper : helpers) helper.join();
    if (failure) std::rethrow_exception(failure);
    return frames;
}

}  // namespace fx
