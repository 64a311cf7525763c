// The editing host's own suites: "PF Utility Suite" version 4 and "PF Transition Suite".
// Calls that only inform the host are accepted and recorded; queries are not modelled.
#include "PrSDKAESupport.h"
#include "simhost/recorded_call.h"
#include "simhost/suites/suite_pieces.h"

namespace fx {

void install_premiere_suites(SuiteRegistry& registry) {
    static const PF_UtilitySuite4 utility = [] {
        constexpr FixedName s = "PF Utility Suite v4";
        PF_UtilitySuite4 t{};
        t.GetFilterInstanceID = unmodelled<s, "GetFilterInstanceID">(t.GetFilterInstanceID);
        t.GetMediaTimecode = unmodelled<s, "GetMediaTimecode">(t.GetMediaTimecode);
        t.GetClipSpeed = unmodelled<s, "GetClipSpeed">(t.GetClipSpeed);
        t.GetClipDuration = unmodelled<s, "GetClipDuration">(t.GetClipDuration);
        t.GetClipStart = unmodelled<s, "GetClipStart">(t.GetClipStart);
        t.GetUnscaledClipDuration = unmodelled<s, "GetUnscaledClipDuration">(t.GetUnscaledClipDuration);
        t.GetUnscaledClipStart = unmodelled<s, "GetUnscaledClipStart">(t.GetUnscaledClipStart);
        t.GetTrackItemStart = unmodelled<s, "GetTrackItemStart">(t.GetTrackItemStart);
        t.GetMediaFieldType = unmodelled<s, "GetMediaFieldType">(t.GetMediaFieldType);
        t.GetMediaFrameRate = unmodelled<s, "GetMediaFrameRate">(t.GetMediaFrameRate);
        t.GetContainingTimelineID = unmodelled<s, "GetContainingTimelineID">(t.GetContainingTimelineID);
        t.GetClipName = unmodelled<s, "GetClipName">(t.GetClipName);
        t.EffectWantsCheckedOutFramesToMatchRenderPixelFormat =
            accepted<s, "EffectWantsCheckedOutFramesToMatchRenderPixelFormat">(
                t.EffectWantsCheckedOutFramesToMatchRenderPixelFormat);
        return t;
    }();
    static const PF_TransitionSuite transition = [] {
        constexpr FixedName s = "PF Transition Suite v2";
        PF_TransitionSuite t{};
        t.RegisterTransitionInputParam = accepted<s, "RegisterTransitionInputParam">(t.RegisterTransitionInputParam);
        t.RegisterTransitionStartParam = accepted<s, "RegisterTransitionStartParam">(t.RegisterTransitionStartParam);
        t.RegisterTransitionEndParam = accepted<s, "RegisterTransitionEndParam">(t.RegisterTransitionEndParam);
        return t;
    }();
    registry.install(kPFUtilitySuite, kPFUtilitySuiteVersion4, &utility);
    registry.install(kPFTransitionSuite, kPFTransitionSuiteVersion2, &transition);
}

}  // namespace fx
