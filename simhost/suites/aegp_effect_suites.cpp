// "AEGP Effect Suite" version 2, "AEGP PF Interface Suite" version 1 and "AEGP Memory
// Suite" version 1. Effect references for the driven effect and memory handles are real
// and counted; the rest is not modelled yet.
#include "AE_GeneralPlug.h"
#include "simhost/recorded_call.h"
#include "simhost/sim_host.h"
#include "simhost/suites/suite_pieces.h"

namespace fx {
namespace {

constexpr FixedName kEffect = "AEGP Effect Suite v2";
constexpr FixedName kInterface = "AEGP PF Interface Suite v1";
constexpr FixedName kMemory = "AEGP Memory Suite v1";

A_Err new_effect_for_effect(AEGP_PluginID plugin_id, PF_ProgPtr effect_ref, AEGP_EffectRefH* effect) {
    SimHost& host = SimHost::active();
    A_Err result = host.fault_for(kInterface.view(), "AEGP_GetNewEffectForEffect");
    if (result == A_Err_NONE && effect == nullptr) result = A_Err_PARAMETER;
    if (result == A_Err_NONE && !host.effect_ref_ok(effect_ref, "AEGP_GetNewEffectForEffect")) result = A_Err_PARAMETER;
    if (result == A_Err_NONE) *effect = static_cast<AEGP_EffectRefH>(host.streams().new_effect());
    host.record(kInterface.view(), "AEGP_GetNewEffectForEffect", arguments_text(plugin_id, effect_ref), result);
    return result;
}

A_Err dispose_effect(AEGP_EffectRefH effect) {
    SimHost& host = SimHost::active();
    A_Err result = host.fault_for(kEffect.view(), "AEGP_DisposeEffect");
    if (result == A_Err_NONE && !host.streams().dispose_effect(effect)) result = A_Err_PARAMETER;
    host.record(kEffect.view(), "AEGP_DisposeEffect", arguments_text(effect), result);
    return result;
}

A_Err new_mem_handle(AEGP_PluginID plugin_id, const A_char* what, AEGP_MemSize size, AEGP_MemFlag flags,
                     AEGP_MemHandle* handle) {
    SimHost& host = SimHost::active();
    A_Err result = host.fault_for(kMemory.view(), "AEGP_NewMemHandle");
    if (result == A_Err_NONE && handle == nullptr) result = A_Err_PARAMETER;
    // Blocks are always cleared, so AEGP_MemFlag_CLEAR needs nothing more.
    if (result == A_Err_NONE)
        *handle = static_cast<AEGP_MemHandle>(host.mem_handles().create(size, what != nullptr ? what : ""));
    host.record(kMemory.view(), "AEGP_NewMemHandle", arguments_text(plugin_id, what, size, flags), result);
    return result;
}

A_Err free_mem_handle(AEGP_MemHandle handle) {
    SimHost& host = SimHost::active();
    A_Err result = host.fault_for(kMemory.view(), "AEGP_FreeMemHandle");
    if (result == A_Err_NONE && !host.mem_handles().free(handle)) result = A_Err_PARAMETER;
    host.record(kMemory.view(), "AEGP_FreeMemHandle", arguments_text(handle), result);
    return result;
}

A_Err lock_mem_handle(AEGP_MemHandle handle, void** pointer) {
    SimHost& host = SimHost::active();
    A_Err result = host.fault_for(kMemory.view(), "AEGP_LockMemHandle");
    if (result == A_Err_NONE && pointer == nullptr) result = A_Err_PARAMETER;
    if (result == A_Err_NONE) {
        *pointer = host.mem_handles().lock(handle);
        if (*pointer == nullptr) result = A_Err_PARAMETER;
    }
    host.record(kMemory.view(), "AEGP_LockMemHandle", arguments_text(handle), result);
    return result;
}

A_Err unlock_mem_handle(AEGP_MemHandle handle) {
    SimHost& host = SimHost::active();
    A_Err result = host.fault_for(kMemory.view(), "AEGP_UnlockMemHandle");
    if (result == A_Err_NONE && !host.mem_handles().unlock(handle)) result = A_Err_PARAMETER;
    host.record(kMemory.view(), "AEGP_UnlockMemHandle", arguments_text(handle), result);
    return result;
}

A_Err get_mem_handle_size(AEGP_MemHandle handle, AEGP_MemSize* size) {
    SimHost& host = SimHost::active();
    A_Err result = host.fault_for(kMemory.view(), "AEGP_GetMemHandleSize");
    std::size_t bytes = 0;
    if (result == A_Err_NONE && (size == nullptr || !host.mem_handles().size(handle, &bytes))) result = A_Err_PARAMETER;
    if (result == A_Err_NONE) *size = static_cast<AEGP_MemSize>(bytes);
    host.record(kMemory.view(), "AEGP_GetMemHandleSize", arguments_text(handle), result);
    return result;
}

A_Err resize_mem_handle(const A_char* what, AEGP_MemSize new_size, AEGP_MemHandle handle) {
    SimHost& host = SimHost::active();
    A_Err result = host.fault_for(kMemory.view(), "AEGP_ResizeMemHandle");
    if (result == A_Err_NONE && !host.mem_handles().resize(handle, new_size)) result = A_Err_PARAMETER;
    host.record(kMemory.view(), "AEGP_ResizeMemHandle", arguments_text(what, new_size, handle), result);
    return result;
}

}  // namespace

void install_aegp_effect_suites(SuiteRegistry& registry) {
    static const AEGP_EffectSuite2 effect = [] {
        constexpr FixedName s = "AEGP Effect Suite v2";
        AEGP_EffectSuite2 t{};
        t.AEGP_GetLayerNumEffects = unmodelled<s, "AEGP_GetLayerNumEffects">(t.AEGP_GetLayerNumEffects);
        t.AEGP_GetLayerEffectByIndex = unmodelled<s, "AEGP_GetLayerEffectByIndex">(t.AEGP_GetLayerEffectByIndex);
        t.AEGP_GetInstalledKeyFromLayerEffect =
            unmodelled<s, "AEGP_GetInstalledKeyFromLayerEffect">(t.AEGP_GetInstalledKeyFromLayerEffect);
        t.AEGP_GetEffectParamUnionByIndex =
            unmodelled<s, "AEGP_GetEffectParamUnionByIndex">(t.AEGP_GetEffectParamUnionByIndex);
        t.AEGP_GetEffectFlags = unmodelled<s, "AEGP_GetEffectFlags">(t.AEGP_GetEffectFlags);
        t.AEGP_SetEffectFlags = unmodelled<s, "AEGP_SetEffectFlags">(t.AEGP_SetEffectFlags);
        t.AEGP_ReorderEffect = unmodelled<s, "AEGP_ReorderEffect">(t.AEGP_ReorderEffect);
        t.AEGP_EffectCallGeneric = unmodelled<s, "AEGP_EffectCallGeneric">(t.AEGP_EffectCallGeneric);
        t.AEGP_DisposeEffect = dispose_effect;
        t.AEGP_ApplyEffect = unmodelled<s, "AEGP_ApplyEffect">(t.AEGP_ApplyEffect);
        t.AEGP_DeleteLayerEffect = unmodelled<s, "AEGP_DeleteLayerEffect">(t.AEGP_DeleteLayerEffect);
        t.AEGP_GetNumInstalledEffects = unmodelled<s, "AEGP_GetNumInstalledEffects">(t.AEGP_GetNumInstalledEffects);
        t.AEGP_GetNextInstalledEffect = unmodelled<s, "AEGP_GetNextInstalledEffect">(t.AEGP_GetNextInstalledEffect);
        t.AEGP_GetEffectName = unmodelled<s, "AEGP_GetEffectName">(t.AEGP_GetEffectName);
        t.AEGP_GetEffectMatchName = unmodelled<s, "AEGP_GetEffectMatchName">(t.AEGP_GetEffectMatchName);
        t.AEGP_GetEffectCategory = unmodelled<s, "AEGP_GetEffectCategory">(t.AEGP_GetEffectCategory);
        t.AEGP_DuplicateEffect = unmodelled<s, "AEGP_DuplicateEffect">(t.AEGP_DuplicateEffect);
        return t;
    }();
    static const AEGP_PFInterfaceSuite1 pf_interface = [] {
        constexpr FixedName s = "AEGP PF Interface Suite v1";
        AEGP_PFInterfaceSuite1 t{};
        t.AEGP_GetEffectLayer = unmodelled<s, "AEGP_GetEffectLayer">(t.AEGP_GetEffectLayer);
        t.AEGP_GetNewEffectForEffect = new_effect_for_effect;
        t.AEGP_ConvertEffectToCompTime = unmodelled<s, "AEGP_ConvertEffectToCompTime">(t.AEGP_ConvertEffectToCompTime);
        t.AEGP_GetEffectCamera = unmodelled<s, "AEGP_GetEffectCamera">(t.AEGP_GetEffectCamera);
        t.AEGP_GetEffectCameraMatrix = unmodelled<s, "AEGP_GetEffectCameraMatrix">(t.AEGP_GetEffectCameraMatrix);
        return t;
    }();
    static const AEGP_MemorySuite1 memory = [] {
        constexpr FixedName s = "AEGP Memory Suite v1";
        AEGP_MemorySuite1 t{};
        t.AEGP_NewMemHandle = new_mem_handle;
        t.AEGP_FreeMemHandle = free_mem_handle;
        t.AEGP_LockMemHandle = lock_mem_handle;
        t.AEGP_UnlockMemHandle = unlock_mem_handle;
        t.AEGP_GetMemHandleSize = get_mem_handle_size;
        t.AEGP_ResizeMemHandle = resize_mem_handle;
        t.AEGP_SetMemReportingOn = unmodelled<s, "AEGP_SetMemReportingOn">(t.AEGP_SetMemReportingOn);
        t.AEGP_GetMemStats = unmodelled<s, "AEGP_GetMemStats">(t.AEGP_GetMemStats);
        return t;
    }();
    registry.install(kAEGPEffectSuite, kAEGPEffectSuiteVersion2, &effect);
    registry.install(kAEGPPFInterfaceSuite, kAEGPPFInterfaceSuiteVersion1, &pf_interface);
    registry.install(kAEGPMemorySuite, kAEGPMemorySuiteVersion1, &memory);
}

}  // namespace fx
