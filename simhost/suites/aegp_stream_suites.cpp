// "AEGP Stream Suite" version 7 and "AEGP Dynamic Stream Suite" version 2: not modelled yet.
#include "AE_GeneralPlug.h"
#include "simhost/recorded_call.h"
#include "simhost/suites/suite_pieces.h"

namespace fx {

void install_aegp_stream_suites(SuiteRegistry& registry) {
    static const AEGP_StreamSuite2 stream = [] {
        constexpr FixedName s = "AEGP Stream Suite v7";
        AEGP_StreamSuite2 t{};
        t.AEGP_IsStreamLegal = unmodelled<s, "AEGP_IsStreamLegal">(t.AEGP_IsStreamLegal);
        t.AEGP_CanVaryOverTime = unmodelled<s, "AEGP_CanVaryOverTime">(t.AEGP_CanVaryOverTime);
        t.AEGP_GetValidInterpolations = unmodelled<s, "AEGP_GetValidInterpolations">(t.AEGP_GetValidInterpolations);
        t.AEGP_GetNewLayerStream = unmodelled<s, "AEGP_GetNewLayerStream">(t.AEGP_GetNewLayerStream);
        t.AEGP_GetEffectNumParamStreams =
            unmodelled<s, "AEGP_GetEffectNumParamStreams">(t.AEGP_GetEffectNumParamStreams);
        t.AEGP_GetNewEffectStreamByIndex =
            unmodelled<s, "AEGP_GetNewEffectStreamByIndex">(t.AEGP_GetNewEffectStreamByIndex);
        t.AEGP_GetNewMaskStream = unmodelled<s, "AEGP_GetNewMaskStream">(t.AEGP_GetNewMaskStream);
        t.AEGP_DisposeStream = unmodelled<s, "AEGP_DisposeStream">(t.AEGP_DisposeStream);
        t.AEGP_GetStreamName = unmodelled<s, "AEGP_GetStreamName">(t.AEGP_GetStreamName);
        t.AEGP_GetStreamUnitsText = unmodelled<s, "AEGP_GetStreamUnitsText">(t.AEGP_GetStreamUnitsText);
        t.AEGP_GetStreamProperties = unmodelled<s, "AEGP_GetStreamProperties">(t.AEGP_GetStreamProperties);
        t.AEGP_IsStreamTimevarying = unmodelled<s, "AEGP_IsStreamTimevarying">(t.AEGP_IsStreamTimevarying);
        t.AEGP_GetStreamType = unmodelled<s, "AEGP_GetStreamType">(t.AEGP_GetStreamType);
        t.AEGP_GetNewStreamValue = unmodelled<s, "AEGP_GetNewStreamValue">(t.AEGP_GetNewStreamValue);
        t.AEGP_DisposeStreamValue = unmodelled<s, "AEGP_DisposeStreamValue">(t.AEGP_DisposeStreamValue);
        t.AEGP_SetStreamValue = unmodelled<s, "AEGP_SetStreamValue">(t.AEGP_SetStreamValue);
        t.AEGP_GetLayerStreamValue = unmodelled<s, "AEGP_GetLayerStreamValue">(t.AEGP_GetLayerStreamValue);
        t.AEGP_GetExpressionState = unmodelled<s, "AEGP_GetExpressionState">(t.AEGP_GetExpressionState);
        t.AEGP_SetExpressionState = unmodelled<s, "AEGP_SetExpressionState">(t.AEGP_SetExpressionState);
        t.AEGP_GetExpression = unmodelled<s, "AEGP_GetExpression">(t.AEGP_GetExpression);
        t.AEGP_SetExpression = unmodelled<s, "AEGP_SetExpression">(t.AEGP_SetExpression);
        t.AEGP_DuplicateStreamRef = unmodelled<s, "AEGP_DuplicateStreamRef">(t.AEGP_DuplicateStreamRef);
        return t;
    }();
    static const AEGP_DynamicStreamSuite2 dynamic = [] {
        constexpr FixedName s = "AEGP Dynamic Stream Suite v2";
        AEGP_DynamicStreamSuite2 t{};
        t.AEGP_GetNewStreamRefForLayer = unmodelled<s, "AEGP_GetNewStreamRefForLayer">(t.AEGP_GetNewStreamRefForLayer);
        t.AEGP_GetStreamDepth = unmodelled<s, "AEGP_GetStreamDepth">(t.AEGP_GetStreamDepth);
        t.AEGP_GetStreamGroupingType = unmodelled<s, "AEGP_GetStreamGroupingType">(t.AEGP_GetStreamGroupingType);
        t.AEGP_GetNumStreamsInGroup = unmodelled<s, "AEGP_GetNumStreamsInGroup">(t.AEGP_GetNumStreamsInGroup);
        t.AEGP_GetDynamicStreamFlags = unmodelled<s, "AEGP_GetDynamicStreamFlags">(t.AEGP_GetDynamicStreamFlags);
        t.AEGP_SetDynamicStreamFlag = unmodelled<s, "AEGP_SetDynamicStreamFlag">(t.AEGP_SetDynamicStreamFlag);
        t.AEGP_GetNewStreamRefByIndex = unmodelled<s, "AEGP_GetNewStreamRefByIndex">(t.AEGP_GetNewStreamRefByIndex);
        t.AEGP_GetNewStreamRefByMatchname =
            unmodelled<s, "AEGP_GetNewStreamRefByMatchname">(t.AEGP_GetNewStreamRefByMatchname);
        t.AEGP_DeleteStream = unmodelled<s, "AEGP_DeleteStream">(t.AEGP_DeleteStream);
        t.AEGP_ReorderStream = unmodelled<s, "AEGP_ReorderStream">(t.AEGP_ReorderStream);
        t.AEGP_DuplicateStream = unmodelled<s, "AEGP_DuplicateStream">(t.AEGP_DuplicateStream);
        t.AEGP_SetStreamName = unmodelled<s, "AEGP_SetStreamName">(t.AEGP_SetStreamName);
        t.AEGP_CanAddStream = unmodelled<s, "AEGP_CanAddStream">(t.AEGP_CanAddStream);
        t.AEGP_AddStream = unmodelled<s, "AEGP_AddStream">(t.AEGP_AddStream);
        t.AEGP_GetMatchName = unmodelled<s, "AEGP_GetMatchName">(t.AEGP_GetMatchName);
        t.AEGP_GetNewParentStreamRef = unmodelled<s, "AEGP_GetNewParentStreamRef">(t.AEGP_GetNewParentStreamRef);
        t.AEGP_GetStreamIsModified = unmodelled<s, "AEGP_GetStreamIsModified">(t.AEGP_GetStreamIsModified);
        return t;
    }();
    registry.install(kAEGPStreamSuite, kAEGPStreamSuiteVersion2, &stream);
    registry.install(kAEGPDynamicStreamSuite, kAEGPDynamicStreamSuiteVersion2, &dynamic);
}

}  // namespace fx
