#pragma once
// The values a test (or the user) gives the effect's parameters, by host parameter index
// and time. A value holds from its time until the next one; a value set for all times
// replaces every earlier one. Parameters given no value keep what the plug-in registered.
#include <climits>
#include <map>
#include <mutex>
#include <optional>

#include "AE_Effect.h"

namespace fx {

class ParamTimeline {
public:
    static constexpr A_long kAllTimes = INT_MIN;

    void set(PF_ParamIndex index, const PF_ParamDefUnion& value, A_long from_time = kAllTimes);
    void clear();
    // The value in effect at `time`: the last one set at or before it, else the first.
    std::optional<PF_ParamDefUnion> at(PF_ParamIndex index, A_long time) const;

private:
    mutable std::mutex mutex_;
    std::map<PF_ParamIndex, std::map<A_long, PF_ParamDefUnion>> values_;
};

}  // namespace fx
