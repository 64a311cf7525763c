// "AEGP Stream Suite" version 7 and "AEGP Dynamic Stream Suite" version 2. Effect streams
// are real: each parameter has one, with the name and hidden flag the panel shows, and
// every reference handed out is counted until disposed. The rest is not modelled yet.
#include <cstring>
#include <string>

#include "AE_GeneralPlug.h"
#include "simhost/recorded_call.h"
#include "simhost/sim_host.h"
#include "simhost/suites/suite_pieces.h"

namespace fx {
namespace {

constexpr FixedName kStream = "AEGP Stream Suite v7";
constexpr FixedName kDynamic = "AEGP Dynamic Stream Suite v2";

// The parameter a stream reference stands for, or nothing after noting the misuse.
std::optional<int> live_stream(SimHost& host, AEGP_StreamRefH stream, const char* caller) {
    auto index = host.streams().stream_param(stream);
    if (!index) host.note_misuse(std::string(caller) + ": " + pointer_text(stream) + " is not a live stream reference");
    return index;
}

A_Err new_effect_stream(AEGP_PluginID plugin_id, AEGP_EffectRefH effect, PF_ParamIndex index, AEGP_StreamRefH* stream) {
    SimHost& host = SimHost::active();
    A_Err result = host.fault_for(kStream.view(), "AEGP_GetNewEffectStreamByIndex");
    if (result == A_Err_NONE && (stream == nullptr || index < 0 || index >= host.param_count()))
        result = A_Err_PARAMETER;
    if (result == A_Err_NONE) {
        *stream = static_cast<AEGP_StreamRefH>(host.streams().new_stream(effect, index));
        if (*stream == nullptr) result = A_Err_PARAMETER;
    }
    host.record(kStream.view(), "AEGP_GetNewEffectStreamByIndex", arguments_text(plugin_id, effect, index), result);
    return result;
}

A_Err dispose_stream(AEGP_StreamRefH stream) {
    SimHost& host = SimHost::active();
    A_Err result = host.fault_for(kStream.view(), "AEGP_DisposeStream");
    if (result == A_Err_NONE && !host.streams().dispose_stream(stream)) result = A_Err_PARAMETER;
    host.record(kStream.view(), "AEGP_DisposeStream", arguments_text(stream), result);
    return result;
}

A_Err get_stream_name(AEGP_StreamRefH stream, A_Boolean force_english, A_char* name) {
    SimHost& host = SimHost::active();
    A_Err result = host.fault_for(kStream.view(), "AEGP_GetStreamName");
    std::optional<int> index;
    if (result == A_Err_NONE && (name == nullptr || !(index = live_stream(host, stream, "AEGP_GetStreamName"))))
        result = A_Err_PARAMETER;
    if (result == A_Err_NONE) {
        // The caller's buffer holds AEGP_MAX_STREAM_NAME_SIZE bytes, the NUL included.
        const std::string text = host.stream_name(*index).substr(0, AEGP_MAX_STREAM_NAME_SIZE - 1);
        std::memcpy(name, text.c_str(), text.size() + 1);
    }
    host.record(kStream.view(), "AEGP_GetStreamName", arguments_text(stream, force_english), result);
    return result;
}

A_Err set_dynamic_stream_flag(AEGP_StreamRefH stream, AEGP_DynStreamFlags flag, A_Boolean undoable, A_Boolean set) {
    SimHost& host = SimHost::active();
    A_Err result = host.fault_for(kDynamic.view(), "AEGP_SetDynamicStreamFlag");
    std::optional<int> index;
    if (result == A_Err_NONE && !(index = live_stream(host, stream, "AEGP_SetDynamicStreamFlag")))
        result = A_Err_PARAMETER;
    // Only the hidden flag is modelled; the others belong to layer streams.
    if (result == A_Err_NONE && flag != AEGP_DynStreamFlag_HIDDEN) result = A_Err_PARAMETER;
    if (result == A_Err_NONE) host.streams().set_hidden(*index, set != 0);
    host.record(kDynamic.view(), "AEGP_SetDynamicStreamFlag", arguments_text(stream, flag, undoable, set), result);
    return result;
}

A_Err get_dynamic_stream_flags(AEGP_StreamRefH stream, AEGP_DynStreamFlags* flags) {
    SimHost& host = SimHost::active();
    A_Err result = host.fault_for(kDynamic.view(), "AEGP_GetDynamicStreamFlags");
    std::optional<int> index;
    if (result == A_Err_NONE &&
        (flags == nullptr || !(index = live_stream(host, stream, "AEGP_GetDynamicStreamFlags"))))
        result = A_Err_PARAMETER;
    if (result == A_Err_NONE) *flags = host.streams().state(*index).hidden ? AEGP_DynStreamFlag_HIDDEN : 0;
    host.record(kDynamic.view(), "AEGP_GetDynamicStreamFlags", arguments_text(stream), result);
    return result;
}

A_Err set_stream_name(AEGP_StreamRefH stream, const A_char* name) {
    SimHost& host = SimHost::active();
    A_Err result = host.fault_for(kDynamic.view(), "AEGP_SetStreamName");
    std::optional<int> index;
    if (result == A_Err_NONE && (name == nullptr || !(index = live_stream(host, stream, "AEGP_SetStreamName"))))
        result = A_Err_PARAMETER;
    if (result == A_Err_NONE) host.streams().set_name(*index, name);
    host.record(kDynamic.view(), "AEGP_SetStreamName", arguments_text(stream, name), result);
    return result;
}

}  // namespace

void install_aegp_stream_suites(SuiteRegistry& registry) {
    static const AEGP_StreamSuite2 stream = [] {
        constexpr FixedName s = kStream;
        AEGP_StreamSuite2 t{};
        t.AEGP_IsStreamLegal = unmodelled<s, "AEGP_IsStreamLegal">(t.AEGP_IsStreamLegal);
        t.AEGP_CanVaryOverTime = unmodelled<s, "AEGP_CanVaryOverTime">(t.AEGP_CanVaryOverTime);
        t.AEGP_GetValidInterpolations = unmodelled<s, "AEGP_GetValidInterpolations">(t.AEGP_GetValidInterpolations);
        t.AEGP_GetNewLayerStream = unmodelled<s, "AEGP_GetNewLayerStream">(t.AEGP_GetNewLayerStream);
        t.AEGP_GetEffectNumParamStreams =
            unmodelled<s, "AEGP_GetEffectNumParamStreams">(t.AEGP_GetEffectNumParamStreams);
        t.AEGP_GetNewEffectStreamByIndex = new_effect_stream;
        t.AEGP_GetNewMaskStream = unmodelled<s, "AEGP_GetNewMaskStream">(t.AEGP_GetNewMaskStream);
        t.AEGP_DisposeStream = dispose_stream;
        t.AEGP_GetStreamName = get_stream_name;
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
        constexpr FixedName s = kDynamic;
        AEGP_DynamicStreamSuite2 t{};
        t.AEGP_GetNewStreamRefForLayer = unmodelled<s, "AEGP_GetNewStreamRefForLayer">(t.AEGP_GetNewStreamRefForLayer);
        t.AEGP_GetStreamDepth = unmodelled<s, "AEGP_GetStreamDepth">(t.AEGP_GetStreamDepth);
        t.AEGP_GetStreamGroupingType = unmodelled<s, "AEGP_GetStreamGroupingType">(t.AEGP_GetStreamGroupingType);
        t.AEGP_GetNumStreamsInGroup = unmodelled<s, "AEGP_GetNumStreamsInGroup">(t.AEGP_GetNumStreamsInGroup);
        t.AEGP_GetDynamicStreamFlags = get_dynamic_stream_flags;
        t.AEGP_SetDynamicStreamFlag = set_dynamic_stream_flag;
        t.AEGP_GetNewStreamRefByIndex = unmodelled<s, "AEGP_GetNewStreamRefByIndex">(t.AEGP_GetNewStreamRefByIndex);
        t.AEGP_GetNewStreamRefByMatchname =
            unmodelled<s, "AEGP_GetNewStreamRefByMatchname">(t.AEGP_GetNewStreamRefByMatchname);
        t.AEGP_DeleteStream = unmodelled<s, "AEGP_DeleteStream">(t.AEGP_DeleteStream);
        t.AEGP_ReorderStream = unmodelled<s, "AEGP_ReorderStream">(t.AEGP_ReorderStream);
        t.AEGP_DuplicateStream = unmodelled<s, "AEGP_DuplicateStream">(t.AEGP_DuplicateStream);
        t.AEGP_SetStreamName = set_stream_name;
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
