#include "simhost/layer_clips.h"

#include <algorithm>

namespace fx {

const Picture* Clip::at(A_long time, A_long time_step) const {
    if (frames.empty()) return nullptr;
    const A_long frame = time_step > 0 ? time / time_step : 0;
    const auto last = static_cast<A_long>(frames.size()) - 1;
    return &frames[static_cast<std::size_t>(std::clamp<A_long>(frame, 0, last))];
}

void LayerClips::set(PF_ParamIndex index, Clip clip) {
    auto shared = std::make_shared<const Clip>(std::move(clip));
    std::lock_guard lock(mutex_);
    clips_[index] = std::move(shared);
}

void LayerClips::share(PF_ParamIndex index, PF_ParamIndex other) {
    std::lock_guard lock(mutex_);
    const auto found = clips_.find(other);
    if (found == clips_.end()) {
        clips_.erase(index);
        return;
    }
    clips_[index] = found->second;
}

void LayerClips::remove(PF_ParamIndex index) {
    std::lock_guard lock(mutex_);
    clips_.erase(index);
}

std::shared_ptr<const Clip> LayerClips::clip(PF_ParamIndex index) const {
    std::lock_guard lock(mutex_);
    const auto found = clips_.find(index);
    return found == clips_.end() ? nullptr : found->second;
}

}  // namespace fx
