#pragma once
// Parameters a render checked out of the host, checked in again when the render ends,
// whichever way it ends. Only records the host actually handed out are checked in.

#include <vector>

#include "AE_Effect.h"

namespace fx {

class CheckedOutParams {
public:
    explicit CheckedOutParams(const PF_InData* in_data) noexcept : in_data_(in_data) {}
    ~CheckedOutParams();
    CheckedOutParams(const CheckedOutParams&) = delete;
    CheckedOutParams& operator=(const CheckedOutParams&) = delete;

    // Checks parameter `index` out at `time` into *param; the host's result.
    PF_Err checkout(PF_ParamIndex index, A_long time, PF_ParamDef* param);
    // Checks in everything checked out so far.
    void checkin_all() noexcept;

private:
    const PF_InData* in_data_;
    std::vector<PF_ParamDef> held_;
};

}  // namespace fx
