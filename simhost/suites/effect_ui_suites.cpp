// "PF Effect UI Suite" (the Options button's name), "PF Effect Custom UI Suite" versions 1
// and 2 and its overlay theme suite. Naming the button is accepted and recorded; the
// drawing reference of an event's context is the one its PF_Context carries (a
// DrawingCanvas's); the async manager and the overlay theme are not modelled.
#include "AE_EffectSuites.h"
#include "simhost/recorded_call.h"
#include "simhost/sim_host.h"
#include "simhost/suites/suite_pieces.h"

namespace fx {
namespace {

template <FixedName Source>
PF_Err get_drawing_reference(const PF_ContextH context, DRAWBOT_DrawRef* reference) {
    SimHost& host = SimHost::active();
    PF_Err result = host.fault_for(Source.view(), "PF_GetDrawingReference");
    if (result == PF_Err_NONE && (context == nullptr || *context == nullptr || reference == nullptr)) {
        host.note_misuse("PF_GetDrawingReference: no context or no destination");
        result = PF_Err_BAD_CALLBACK_PARAM;
    }
    if (result == PF_Err_NONE) *reference = (*context)->reserved_drawref;
    host.record(Source.view(), "PF_GetDrawingReference", arguments_text(context, reference), result);
    return result;
}

}  // namespace

void install_effect_ui_suites(SuiteRegistry& registry) {
    static const PF_EffectUISuite1 ui = [] {
        constexpr FixedName s = "PF Effect UI Suite v1";
        PF_EffectUISuite1 t{};
        t.PF_SetOptionsButtonName = accepted<s, "PF_SetOptionsButtonName">(t.PF_SetOptionsButtonName);
        return t;
    }();
    static const PF_EffectCustomUISuite1 custom1 = [] {
        constexpr FixedName s = "PF Effect Custom UI Suite v1";
        PF_EffectCustomUISuite1 t{};
        t.PF_GetDrawingReference = get_drawing_reference<s>;
        return t;
    }();
    static const PF_EffectCustomUISuite2 custom2 = [] {
        constexpr FixedName s = "PF Effect Custom UI Suite v2";
        PF_EffectCustomUISuite2 t{};
        t.PF_GetDrawingReference = get_drawing_reference<s>;
        t.PF_GetContextAsyncManager = unmodelled<s, "PF_GetContextAsyncManager">(t.PF_GetContextAsyncManager);
        return t;
    }();
    static const PF_EffectCustomUIOverlayThemeSuite1 theme = [] {
        constexpr FixedName s = "PF Effect Custom UI Overlay Theme Suite v1";
        PF_EffectCustomUIOverlayThemeSuite1 t{};
        t.PF_GetPreferredForegroundColor =
            unmodelled<s, "PF_GetPreferredForegroundColor">(t.PF_GetPreferredForegroundColor);
        t.PF_GetPreferredShadowColor = unmodelled<s, "PF_GetPreferredShadowColor">(t.PF_GetPreferredShadowColor);
        t.PF_GetPreferredStrokeWidth = unmodelled<s, "PF_GetPreferredStrokeWidth">(t.PF_GetPreferredStrokeWidth);
        t.PF_GetPreferredVertexSize = unmodelled<s, "PF_GetPreferredVertexSize">(t.PF_GetPreferredVertexSize);
        t.PF_GetPreferredShadowOffset = unmodelled<s, "PF_GetPreferredShadowOffset">(t.PF_GetPreferredShadowOffset);
        t.PF_StrokePath = unmodelled<s, "PF_StrokePath">(t.PF_StrokePath);
        t.PF_FillPath = unmodelled<s, "PF_FillPath">(t.PF_FillPath);
        t.PF_FillVertex = unmodelled<s, "PF_FillVertex">(t.PF_FillVertex);
        return t;
    }();
    registry.install(kPFEffectUISuite, kPFEffectUISuiteVersion1, &ui);
    registry.install(kPFEffectCustomUISuite, kPFEffectCustomUISuiteVersion1, &custom1);
    registry.install(kPFEffectCustomUISuite, kPFEffectCustomUISuiteVersion2, &custom2);
    registry.install(kPFEffectCustomUIOverlayThemeSuite, kPFEffectCustomUIOverlayThemeSuiteVersion1, &theme);
}

}  // namespace fx
