#include "render/checked_out_params.h"

namespace fx {

CheckedOutParams::~CheckedOutParams() { checkin_all(); }

PF_Err CheckedOutParams::checkout(PF_ParamIndex index, A_long time, PF_ParamDef* param) {
    const PF_Err err = in_data_->inter.checkout_param(in_data_->effect_ref, index, time, in_data_->time_step,
                                                      in_data_->time_scale, param);
    if (err == PF_Err_NONE) held_.push_back(*param);
    return err;
}

void CheckedOutParams::checkin_all() noexcept {
    for (PF_ParamDef& param : held_) in_data_->inter.checkin_param(in_data_->effect_ref, &param);
    held_.clear();
}

}  // namespace fx
