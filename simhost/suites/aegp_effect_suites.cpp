// "AEGP Effect Suite" version 2, "AEGP PF Interface Suite" version 1 and "AEGP Memory
// Suite" version 1: not modelled yet.
#include "AE_GeneralPlug.h"
#include "simhost/recorded_call.h"
#include "simhost/suites/suite_pieces.h"

namespace fx {

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
        t.AEGP_DisposeEffect = unmodelled<s, "AEGP_DisposeEffect">(t.AEGP_DisposeEffect);
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
        t.AEGP_GetNewEffectForEffect = unmodelled<s, "AEGP_GetNewEffectForEffect">(t.AEGP_GetNewEffectForEffect);
        t.AEGP_ConvertEffectToCompTime = unmodelled<s, "AEGP_ConvertEffectToCompTime">(t.AEGP_ConvertEffectToCompTime);
        t.AEGP_GetEffectCamera = unmodelled<s, "AEGP_GetEffectCamera">(t.AEGP_GetEffectCamera);
        t.AEGP_GetEffectCameraMatrix = unmodelled<s, "AEGP_GetEffectCameraMatrix">(t.AEGP_GetEffectCameraMatrix);
        return t;
    }();
    static const AEGP_MemorySuite1 memory = [] {
        constexpr FixedName s = "AEGP Memory Suite v1";
        AEGP_MemorySuite1 t{};
        t.AEGP_NewMemHandle = unmodelled<s, "AEGP_NewMemHandle">(t.AEGP_NewMemHandle);
        t.AEGP_FreeMemHandle = unmodelled<s, "AEGP_FreeMemHandle">(t.AEGP_FreeMemHandle);
        t.AEGP_LockMemHandle = unmodelled<s, "AEGP_LockMemHandle">(t.AEGP_LockMemHandle);
        t.AEGP_UnlockMemHandle = unmodelled<s, "AEGP_UnlockMemHandle">(t.AEGP_UnlockMemHandle);
        t.AEGP_GetMemHandleSize = unmodelled<s, "AEGP_GetMemHandleSize">(t.AEGP_GetMemHandleSize);
        t.AEGP_ResizeMemHandle = unmodelled<s, "AEGP_ResizeMemHandle">(t.AEGP_ResizeMemHandle);
        t.AEGP_SetMemReportingOn = unmodelled<s, "AEGP_SetMemReportingOn">(t.AEGP_SetMemReportingOn);
        t.AEGP_GetMemStats = unmodelled<s, "AEGP_GetMemStats">(t.AEGP_GetMemStats);
        return t;
    }();
    registry.install(kAEGPEffectSuite, kAEGPEffectSuiteVersion2, &effect);
    registry.install(kAEGPPFInterfaceSuite, kAEGPPFInterfaceSuiteVersion1, &pf_interface);
    registry.install(kAEGPMemorySuite, kAEGPMemorySuiteVersion1, &memory);
}

}  // namespace fx
