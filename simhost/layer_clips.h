#pragma once
// What the host's layers show: a clip per layer parameter (index 0 is the layer the
// effect is applied to), one picture per frame. A layer parameter without a clip selects
// no layer.
#include <map>
#include <memory>
#include <mutex>
#include <vector>

#include "AE_Effect.h"
#include "simhost/host_world.h"

namespace fx {

struct Clip {
    std::vector<Picture> frames;

    // The picture at `time`: frame time / time_step, held at the clip's first and last
    // frame beyond its ends; null for an empty clip.
    const Picture* at(A_long time, A_long time_step) const;
};

class LayerClips {
public:
    void set(PF_ParamIndex index, Clip clip);
    // Layer parameter `index` selects the same layer as `other` (nothing when `other`
    // shows nothing): both show one clip, and a frame gets one world for both.
    void share(PF_ParamIndex index, PF_ParamIndex other);
    void remove(PF_ParamIndex index);
    // Shared, so that a frame rendering on another thread keeps the clip it started with.
    std::shared_ptr<const Clip> clip(PF_ParamIndex index) const;

private:
    mutable std::mutex mutex_;
    std::map<PF_ParamIndex, std::shared_ptr<const Clip>> clips_;
};

}  // namespace fx
