#pragma once
// One frame the host is rendering: the layers the plug-in checked out for it, their
// worlds and the output world. The smart render callbacks carry no frame, only the
// effect, so they answer for the frame job of the calling thread: the host renders each
// frame on one thread, and several frames on several threads at once.
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "AE_Effect.h"
#include "simhost/host_world.h"
#include "simhost/layer_clips.h"

namespace fx {

class SimHost;

struct LayerCheckout {
    PF_ParamIndex index = 0;
    A_long time = 0;
    PF_RenderRequest request{};
};

class FrameJob {
public:
    FrameJob(SimHost& host, A_long time) : host_(host), time_(time) {}

    SimHost& host() { return host_; }
    A_long time() const { return time_; }

    // Smart pre-render: the plug-in asks for layer `index` at `time` under `id`.
    PF_Err checkout_layer(A_long id, const LayerCheckout& checkout, PF_CheckoutResult* result);
    // Smart render: the pixels of checkout `id`; null when the layer shows nothing.
    PF_Err checkout_layer_pixels(A_long id, PF_EffectWorld** pixels);
    PF_Err checkin_layer_pixels(A_long id);
    PF_Err checkout_output(PF_EffectWorld** output);
    // The world of layer `index` at `time` for this frame: made once per clip and time,
    // however often the layer is checked out; null when the layer shows nothing.
    std::shared_ptr<HostWorld> rendered_layer(PF_ParamIndex index, A_long time);
    void mix_into_cache_key(const void* bytes, std::size_t size);

    // The output world, made on first request at the host's frame size.
    HostWorld& output();
    std::unique_ptr<HostWorld> take_output();
    const std::map<A_long, LayerCheckout>& checkouts() const { return checkouts_; }
    const std::vector<unsigned char>& cache_key() const { return cache_key_; }
    // The layer worlds this frame holds; the host gives them back when the frame ends.
    void release_layers() {
        layer_worlds_.clear();
        rendered_layers_.clear();
    }
    std::size_t held_layers() const { return layer_worlds_.size(); }

private:
    SimHost& host_;
    A_long time_;
    std::map<A_long, LayerCheckout> checkouts_;
    // By checkout id; checkouts of one clip at one time share their world, as the host
    // renders a layer once per frame and time.
    std::map<A_long, std::shared_ptr<HostWorld>> layer_worlds_;
    struct RenderedLayer {
        std::shared_ptr<const Clip> clip;  // kept, so that its address names it for the frame
        std::shared_ptr<HostWorld> world;
    };
    std::map<std::pair<const Clip*, A_long>, RenderedLayer> rendered_layers_;
    std::unique_ptr<HostWorld> output_;
    std::vector<unsigned char> cache_key_;
};

// The frame job of the calling thread for the life of this object.
class FrameJobScope {
public:
    explicit FrameJobScope(FrameJob& job);
    ~FrameJobScope();
    FrameJobScope(const FrameJobScope&) = delete;
    FrameJobScope& operator=(const FrameJobScope&) = delete;

private:
    FrameJob* previous_;
};

// Null outside a frame.
FrameJob* current_frame_job();

PF_PreRenderCallbacks make_pre_render_callbacks();
PF_SmartRenderCallbacks make_smart_render_callbacks();

}  // namespace fx
