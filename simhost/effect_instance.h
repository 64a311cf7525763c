#pragma once
// An effect applied to a layer in the simulated host, ready to render frames: what tests
// and fxhost use to run the plug-in as a user would.
//
//   SimHost host(settings);                    // size, times, pixel_format, row_padding, app
//   EffectInstance effect(host, plugin_path);  // registration, global, parameter and sequence set-up
//   effect.set_input(Clip{{picture}});         // the layer the effect is applied to
//   effect.set_layer(effect.param_index("Incoming"), clip);
//   effect.set_float(effect.param_index("Progress"), 50.0);          // for all times
//   effect.set_float(index, 100.0, /*from_time=*/29);                 // from frame 29 on
//   RenderedFrame frame = effect.render(/*time=*/0, RenderPath::smart);
//   Picture result = frame.output->picture();  // or frame.output->pixel_bytes()
//   auto frames = effect.render_frames(times, /*threads=*/4);        // several frames at once
//
// Times are in the host's units (HostSettings::time_step a frame). The settings are read
// at every frame; change them only while no frame renders.
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "AE_Effect.h"
#include "simhost/host_world.h"
#include "simhost/layer_clips.h"
#include "simhost/loaded_plugin.h"
#include "simhost/param_timeline.h"
#include "simhost/sim_host.h"

namespace fx {

class EffectInstanceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// PF_Cmd_SMART_PRE_RENDER then PF_Cmd_SMART_RENDER, or the one PF_Cmd_RENDER.
enum class RenderPath { smart, classic };

struct RenderedFrame {
    A_long time = 0;
    PF_Err result = PF_Err_NONE;  // the first failing command's result, else 0
    std::string message;          // the message area, when the plug-in asked to show it
    std::unique_ptr<HostWorld> output;
    // Smart render: what the pre-render answered (rectangles and flags; its data pointer
    // is stale once the frame is done).
    PF_PreRenderOutput pre_render{};
    std::vector<unsigned char> cache_key;  // the bytes mixed into the host's cache key
};

class EffectInstance {
public:
    static constexpr A_long kAllTimes = ParamTimeline::kAllTimes;

    // Throws PluginLoadError when the library cannot be loaded and EffectInstanceError,
    // naming the command, its result and the plug-in's message, when a set-up fails.
    // With `saved_sequence` the instance is one of a reopened project: the plug-in gets
    // those flat bytes back and PF_Cmd_SEQUENCE_RESETUP instead of a sequence set-up.
    EffectInstance(SimHost& host, const std::string& plugin_path,
                   const std::vector<std::uint8_t>* saved_sequence = nullptr);
    // Sequence and global set-down.
    ~EffectInstance();
    EffectInstance(const EffectInstance&) = delete;
    EffectInstance& operator=(const EffectInstance&) = delete;

    SimHost& host() { return host_; }
    LoadedPlugin& plugin() { return plugin_; }

    // The host index of the parameter the plug-in registered under `name`; -1 when none.
    PF_ParamIndex param_index(std::string_view name) const;

    // Values, from `from_time` on (kAllTimes: at every time, replacing earlier values).
    void set_value(PF_ParamIndex index, const PF_ParamDefUnion& value, A_long from_time = kAllTimes);
    void set_float(PF_ParamIndex index, double value, A_long from_time = kAllTimes);
    void set_checkbox(PF_ParamIndex index, bool on, A_long from_time = kAllTimes);
    // choice counts from 1, as the host does.
    void set_popup(PF_ParamIndex index, int choice, A_long from_time = kAllTimes);
    void set_color(PF_ParamIndex index, PF_Pixel color, A_long from_time = kAllTimes);
    // In layer pixels; whole pixels reach the plug-in.
    void set_point(PF_ParamIndex index, double x, double y, A_long from_time = kAllTimes);
    void set_point_3d(PF_ParamIndex index, double x, double y, double z, A_long from_time = kAllTimes);
    void set_angle(PF_ParamIndex index, double degrees, A_long from_time = kAllTimes);

    // The layer the effect is applied to (a transparent frame-sized picture until set),
    // and the layer a layer parameter selects.
    void set_input(Clip clip);
    void set_layer(PF_ParamIndex index, Clip clip);
    // Layer parameter `index` selects the same layer as `other` (0: the effect's own).
    void share_layer(PF_ParamIndex index, PF_ParamIndex other);
    // The layer parameter selects no layer.
    void clear_layer(PF_ParamIndex index);

    // Renders one frame on the calling thread.
    RenderedFrame render(A_long time, RenderPath path = RenderPath::smart);
    // Renders every time on `threads` host threads at once; results in the order given.
    std::vector<RenderedFrame> render_frames(const std::vector<A_long>& times, int threads,
                                             RenderPath path = RenderPath::smart);

private:
    void command(PF_Cmd cmd, const char* what);
    PF_ParamDefUnion value_at(PF_ParamIndex index, A_long time) const;
    RenderedFrame render_smart(A_long time, std::vector<PF_ParamDef*>& params);
    RenderedFrame render_classic(A_long time, std::vector<PF_ParamDef>& defs, std::vector<PF_ParamDef*>& params);

    SimHost& host_;
    LoadedPlugin plugin_;
    bool sequence_set_up_ = false;
};

}  // namespace fx
