// "PF Param Utils Suite" version 3 and the colour, point and angle parameter suites. A
// parameter UI update changes the host's parameter list; state and keyframe queries are
// not modelled.
#include <cstdio>

#include "AE_EffectSuites.h"
#include "simhost/recorded_call.h"
#include "simhost/sim_host.h"
#include "simhost/suites/suite_pieces.h"

namespace fx {
namespace {

template <FixedName Source>
PF_Err update_param_ui(PF_ProgPtr effect_ref, PF_ParamIndex index, const PF_ParamDef* def) {
    SimHost& host = SimHost::active();
    PF_Err result = host.fault_for(Source.view(), "PF_UpdateParamUI");
    if (result == PF_Err_NONE && def == nullptr) result = PF_Err_BAD_CALLBACK_PARAM;
    if (result == PF_Err_NONE && !host.effect_ref_ok(effect_ref, "PF_UpdateParamUI"))
        result = PF_Err_BAD_CALLBACK_PARAM;
    if (result == PF_Err_NONE) result = host.update_param_ui(index, *def);
    char flags[64] = "null";
    if (def != nullptr)
        std::snprintf(flags, sizeof flags, "ui_flags 0x%x, change_flags %d", static_cast<unsigned>(def->ui_flags),
                      static_cast<int>(def->uu.change_flags));
    host.record(Source.view(), "PF_UpdateParamUI", arguments_text(effect_ref, index) + ", " + flags, result);
    return result;
}

}  // namespace

void install_param_suites(SuiteRegistry& registry) {
    static const PF_ParamUtilsSuite3 utils = [] {
        constexpr FixedName s = "PF Param Utils Suite v3";
        PF_ParamUtilsSuite3 t{};
        t.PF_UpdateParamUI = update_param_ui<s>;
        t.PF_GetCurrentState = unmodelled<s, "PF_GetCurrentState">(t.PF_GetCurrentState);
        t.PF_AreStatesIdentical = unmodelled<s, "PF_AreStatesIdentical">(t.PF_AreStatesIdentical);
        t.PF_IsIdenticalCheckout = unmodelled<s, "PF_IsIdenticalCheckout">(t.PF_IsIdenticalCheckout);
        t.PF_FindKeyframeTime = unmodelled<s, "PF_FindKeyframeTime">(t.PF_FindKeyframeTime);
        t.PF_GetKeyframeCount = unmodelled<s, "PF_GetKeyframeCount">(t.PF_GetKeyframeCount);
        t.PF_CheckoutKeyframe = unmodelled<s, "PF_CheckoutKeyframe">(t.PF_CheckoutKeyframe);
        t.PF_CheckinKeyframe = unmodelled<s, "PF_CheckinKeyframe">(t.PF_CheckinKeyframe);
        t.PF_KeyIndexToTime = unmodelled<s, "PF_KeyIndexToTime">(t.PF_KeyIndexToTime);
        return t;
    }();
    static const PF_ColorParamSuite1 color = [] {
        constexpr FixedName s = "PF ColorParamSuite v1";
        PF_ColorParamSuite1 t{};
        t.PF_GetFloatingPointColorFromColorDef =
            unmodelled<s, "PF_GetFloatingPointColorFromColorDef">(t.PF_GetFloatingPointColorFromColorDef);
        return t;
    }();
    static const PF_PointParamSuite1 point = [] {
        constexpr FixedName s = "PF PointParamSuite v1";
        PF_PointParamSuite1 t{};
        t.PF_GetFloatingPointValueFromPointDef =
            unmodelled<s, "PF_GetFloatingPointValueFromPointDef">(t.PF_GetFloatingPointValueFromPointDef);
        return t;
    }();
    static const PF_AngleParamSuite1 angle = [] {
        constexpr FixedName s = "PF AngleParamSuite v1";
        PF_AngleParamSuite1 t{};
        t.PF_GetFloatingPointValueFromAngleDef =
            unmodelled<s, "PF_GetFloatingPointValueFromAngleDef">(t.PF_GetFloatingPointValueFromAngleDef);
        return t;
    }();
    registry.install(kPFParamUtilsSuite, kPFParamUtilsSuiteVersion3, &utils);
    registry.install(kPFColorParamSuite, kPFColorParamSuiteVersion1, &color);
    registry.install(kPFPointParamSuite, kPFPointParamSuiteVersion1, &point);
    registry.install(kPFAngleParamSuite, kPFAngleParamSuiteVersion1, &angle);
}

}  // namespace fx
