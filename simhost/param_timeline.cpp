#include "simhost/param_timeline.h"

namespace fx {

void ParamTimeline::set(PF_ParamIndex index, const PF_ParamDefUnion& value, A_long from_time) {
    std::lock_guard lock(mutex_);
    auto& keys = values_[index];
    if (from_time == kAllTimes) keys.clear();
    keys[from_time] = value;
}

void ParamTimeline::clear() {
    std::lock_guard lock(mutex_);
    values_.clear();
}

std::optional<PF_ParamDefUnion> ParamTimeline::at(PF_ParamIndex index, A_long time) const {
    std::lock_guard lock(mutex_);
    const auto found = values_.find(index);
    if (found == values_.end() || found->second.empty()) return std::nullopt;
    const auto& keys = found->second;
    auto after = keys.upper_bound(time);
    if (after == keys.begin()) return after->second;
    return std::prev(after)->second;
}

}  // namespace fx
