// "AEGP Utility Suite" versions 7, 11 and 13. Registration with the AEGP layer hands out
// plug-in ids; the rest is not modelled yet.
#include "AE_GeneralPlug.h"
#include "simhost/sim_host.h"
#include "simhost/recorded_call.h"
#include "simhost/suites/suite_pieces.h"

namespace fx {
namespace {

template <FixedName Source>
A_Err register_with_aegp(AEGP_GlobalRefcon refcon, const A_char* name, AEGP_PluginID* plugin_id) {
  SimHost& host = SimHost::active();
  A_Err result = host.fault_for(Source.view(), "AEGP_RegisterWithAEGP");
  if (result == 0 && plugin_id == nullptr) result = A_Err_PARAMETER;
  if (result == 0) *plugin_id = host.register_aegp_plugin(name ? name : "");
  host.record(Source.view(), "AEGP_RegisterWithAEGP", arguments_text(refcon, name), result);
  return result;
}

}  // namespace

void install_aegp_utility_suites(SuiteRegistry& registry) {
  static const AEGP_UtilitySuite3 v7 = [] {
    constexpr FixedName s = "AEGP Utility Suite v7";
    AEGP_UtilitySuite3 t{};
    t.AEGP_ReportInfo = unmodelled<s, "AEGP_ReportInfo">(t.AEGP_ReportInfo);
    t.AEGP_GetDriverPluginInitFuncVersion = unmodelled<s, "AEGP_GetDriverPluginInitFuncVersion">(t.AEGP_GetDriverPluginInitFuncVersion);
    t.AEGP_GetDriverImplementationVersion = unmodelled<s, "AEGP_GetDriverImplementationVersion">(t.AEGP_GetDriverImplementationVersion);
    t.AEGP_StartQuietErrors = unmodelled<s, "AEGP_StartQuietErrors">(t.AEGP_StartQuietErrors);
    t.AEGP_EndQuietErrors = unmodelled<s, "AEGP_EndQuietErrors">(t.AEGP_EndQuietErrors);
    t.AEGP_StartUndoGroup = unmodelled<s, "AEGP_StartUndoGroup">(t.AEGP_StartUndoGroup);
    t.AEGP_EndUndoGroup = unmodelled<s, "AEGP_EndUndoGroup">(t.AEGP_EndUndoGroup);
    t.AEGP_RegisterWithAEGP = register_with_aegp<"AEGP Utility Suite v7">;
    t.AEGP_GetMainHWND = unmodelled<s, "AEGP_GetMainHWND">(t.AEGP_GetMainHWND);
    t.AEGP_ShowHideAllFloaters = unmodelled<s, "AEGP_ShowHideAllFloaters">(t.AEGP_ShowHideAllFloaters);
    t.AEGP_PaintPalGetForeColor = unmodelled<s, "AEGP_PaintPalGetForeColor">(t.AEGP_PaintPalGetForeColor);
    t.AEGP_PaintPalGetBackColor = unmodelled<s, "AEGP_PaintPalGetBackColor">(t.AEGP_PaintPalGetBackColor);
    t.AEGP_PaintPalSetForeColor = unmodelled<s, "AEGP_PaintPalSetForeColor">(t.AEGP_PaintPalSetForeColor);
    t.AEGP_PaintPalSetBackColor = unmodelled<s, "AEGP_PaintPalSetBackColor">(t.AEGP_PaintPalSetBackColor);
    t.AEGP_CharPalGetFillColor = unmodelled<s, "AEGP_CharPalGetFillColor">(t.AEGP_CharPalGetFillColor);
    t.AEGP_CharPalGetStrokeColor = unmodelled<s, "AEGP_CharPalGetStrokeColor">(t.AEGP_CharPalGetStrokeColor);
    t.AEGP_CharPalSetFillColor = unmodelled<s, "AEGP_CharPalSetFillColor">(t.AEGP_CharPalSetFillColor);
    t.AEGP_CharPalSetStrokeColor = unmodelled<s, "AEGP_CharPalSetStrokeColor">(t.AEGP_CharPalSetStrokeColor);
    t.AEGP_CharPalIsFillColorUIFrontmost = unmodelled<s, "AEGP_CharPalIsFillColorUIFrontmost">(t.AEGP_CharPalIsFillColorUIFrontmost);
    t.AEGP_ConvertFpLongToHSFRatio = unmodelled<s, "AEGP_ConvertFpLongToHSFRatio">(t.AEGP_ConvertFpLongToHSFRatio);
    t.AEGP_ConvertHSFRatioToFpLong = unmodelled<s, "AEGP_ConvertHSFRatioToFpLong">(t.AEGP_ConvertHSFRatioToFpLong);
    t.AEGP_CauseIdleRoutinesToBeCalled = unmodelled<s, "AEGP_CauseIdleRoutinesToBeCalled">(t.AEGP_CauseIdleRoutinesToBeCalled);
    t.AEGP_GetSuppressInteractiveUI = unmodelled<s, "AEGP_GetSuppressInteractiveUI">(t.AEGP_GetSuppressInteractiveUI);
    t.AEGP_WriteToOSConsole = unmodelled<s, "AEGP_WriteToOSConsole">(t.AEGP_WriteToOSConsole);
    t.AEGP_WriteToDebugLog = unmodelled<s, "AEGP_WriteToDebugLog">(t.AEGP_WriteToDebugLog);
    return t;
  }();
  static const AEGP_UtilitySuite5 v11 = [] {
    constexpr FixedName s = "AEGP Utility Suite v11";
    AEGP_UtilitySuite5 t{};
    t.AEGP_ReportInfo = unmodelled<s, "AEGP_ReportInfo">(t.AEGP_ReportInfo);
    t.AEGP_GetDriverPluginInitFuncVersion = unmodelled<s, "AEGP_GetDriverPluginInitFuncVersion">(t.AEGP_GetDriverPluginInitFuncVersion);
    t.AEGP_GetDriverImplementationVersion = unmodelled<s, "AEGP_GetDriverImplementationVersion">(t.AEGP_GetDriverImplementationVersion);
    t.AEGP_StartQuietErrors = unmodelled<s, "AEGP_StartQuietErrors">(t.AEGP_StartQuietErrors);
    t.AEGP_EndQuietErrors = unmodelled<s, "AEGP_EndQuietErrors">(t.AEGP_EndQuietErrors);
    t.AEGP_GetLastErrorMessage = unmodelled<s, "AEGP_GetLastErrorMessage">(t.AEGP_GetLastErrorMessage);
    t.AEGP_StartUndoGroup = unmodelled<s, "AEGP_StartUndoGroup">(t.AEGP_StartUndoGroup);
    t.AEGP_EndUndoGroup = unmodelled<s, "AEGP_EndUndoGroup">(t.AEGP_EndUndoGroup);
    t.AEGP_RegisterWithAEGP = register_with_aegp<"AEGP Utility Suite v11">;
    t.AEGP_GetMainHWND = unmodelled<s, "AEGP_GetMainHWND">(t.AEGP_GetMainHWND);
    t.AEGP_ShowHideAllFloaters = unmodelled<s, "AEGP_ShowHideAllFloaters">(t.AEGP_ShowHideAllFloaters);
    t.AEGP_PaintPalGetForeColor = unmodelled<s, "AEGP_PaintPalGetForeColor">(t.AEGP_PaintPalGetForeColor);
    t.AEGP_PaintPalGetBackColor = unmodelled<s, "AEGP_PaintPalGetBackColor">(t.AEGP_PaintPalGetBackColor);
    t.AEGP_PaintPalSetForeColor = unmodelled<s, "AEGP_PaintPalSetForeColor">(t.AEGP_PaintPalSetForeColor);
    t.AEGP_PaintPalSetBackColor = unmodelled<s, "AEGP_PaintPalSetBackColor">(t.AEGP_PaintPalSetBackColor);
    t.AEGP_CharPalGetFillColor = unmodelled<s, "AEGP_CharPalGetFillColor">(t.AEGP_CharPalGetFillColor);
    t.AEGP_CharPalGetStrokeColor = unmodelled<s, "AEGP_CharPalGetStrokeColor">(t.AEGP_CharPalGetStrokeColor);
    t.AEGP_CharPalSetFillColor = unmodelled<s, "AEGP_CharPalSetFillColor">(t.AEGP_CharPalSetFillColor);
    t.AEGP_CharPalSetStrokeColor = unmodelled<s, "AEGP_CharPalSetStrokeColor">(t.AEGP_CharPalSetStrokeColor);
    t.AEGP_CharPalIsFillColorUIFrontmost = unmodelled<s, "AEGP_CharPalIsFillColorUIFrontmost">(t.AEGP_CharPalIsFillColorUIFrontmost);
    t.AEGP_ConvertFpLongToHSFRatio = unmodelled<s, "AEGP_ConvertFpLongToHSFRatio">(t.AEGP_ConvertFpLongToHSFRatio);
    t.AEGP_ConvertHSFRatioToFpLong = unmodelled<s, "AEGP_ConvertHSFRatioToFpLong">(t.AEGP_ConvertHSFRatioToFpLong);
    t.AEGP_CauseIdleRoutinesToBeCalled = unmodelled<s, "AEGP_CauseIdleRoutinesToBeCalled">(t.AEGP_CauseIdleRoutinesToBeCalled);
    t.AEGP_GetSuppressInteractiveUI = unmodelled<s, "AEGP_GetSuppressInteractiveUI">(t.AEGP_GetSuppressInteractiveUI);
    t.AEGP_WriteToOSConsole = unmodelled<s, "AEGP_WriteToOSConsole">(t.AEGP_WriteToOSConsole);
    t.AEGP_WriteToDebugLog = unmodelled<s, "AEGP_WriteToDebugLog">(t.AEGP_WriteToDebugLog);
    t.AEGP_IsScriptingAvailable = unmodelled<s, "AEGP_IsScriptingAvailable">(t.AEGP_IsScriptingAvailable);
    t.AEGP_ExecuteScript = unmodelled<s, "AEGP_ExecuteScript">(t.AEGP_ExecuteScript);
    t.AEGP_HostIsActivated = unmodelled<s, "AEGP_HostIsActivated">(t.AEGP_HostIsActivated);
    t.AEGP_GetPluginPlatformRef = unmodelled<s, "AEGP_GetPluginPlatformRef">(t.AEGP_GetPluginPlatformRef);
    t.AEGP_UpdateFontList = unmodelled<s, "AEGP_UpdateFontList">(t.AEGP_UpdateFontList);
    return t;
  }();
  static const AEGP_UtilitySuite6 v13 = [] {
    constexpr FixedName s = "AEGP Utility Suite v13";
    AEGP_UtilitySuite6 t{};
    t.AEGP_ReportInfo = unmodelled<s, "AEGP_ReportInfo">(t.AEGP_ReportInfo);
    t.AEGP_ReportInfoUnicode = unmodelled<s, "AEGP_ReportInfoUnicode">(t.AEGP_ReportInfoUnicode);
    t.AEGP_GetDriverPluginInitFuncVersion = unmodelled<s, "AEGP_GetDriverPluginInitFuncVersion">(t.AEGP_GetDriverPluginInitFuncVersion);
    t.AEGP_GetDriverImplementationVersion = unmodelled<s, "AEGP_GetDriverImplementationVersion">(t.AEGP_GetDriverImplementationVersion);
    t.AEGP_StartQuietErrors = unmodelled<s, "AEGP_StartQuietErrors">(t.AEGP_StartQuietErrors);
    t.AEGP_EndQuietErrors = unmodelled<s, "AEGP_EndQuietErrors">(t.AEGP_EndQuietErrors);
    t.AEGP_GetLastErrorMessage = unmodelled<s, "AEGP_GetLastErrorMessage">(t.AEGP_GetLastErrorMessage);
    t.AEGP_StartUndoGroup = unmodelled<s, "AEGP_StartUndoGroup">(t.AEGP_StartUndoGroup);
    t.AEGP_EndUndoGroup = unmodelled<s, "AEGP_EndUndoGroup">(t.AEGP_EndUndoGroup);
    t.AEGP_RegisterWithAEGP = register_with_aegp<"AEGP Utility Suite v13">;
    t.AEGP_GetMainHWND = unmodelled<s, "AEGP_GetMainHWND">(t.AEGP_GetMainHWND);
    t.AEGP_ShowHideAllFloaters = unmodelled<s, "AEGP_ShowHideAllFloaters">(t.AEGP_ShowHideAllFloaters);
    t.AEGP_PaintPalGetForeColor = unmodelled<s, "AEGP_PaintPalGetForeColor">(t.AEGP_PaintPalGetForeColor);
    t.AEGP_PaintPalGetBackColor = unmodelled<s, "AEGP_PaintPalGetBackColor">(t.AEGP_PaintPalGetBackColor);
    t.AEGP_PaintPalSetForeColor = unmodelled<s, "AEGP_PaintPalSetForeColor">(t.AEGP_PaintPalSetForeColor);
    t.AEGP_PaintPalSetBackColor = unmodelled<s, "AEGP_PaintPalSetBackColor">(t.AEGP_PaintPalSetBackColor);
    t.AEGP_CharPalGetFillColor = unmodelled<s, "AEGP_CharPalGetFillColor">(t.AEGP_CharPalGetFillColor);
    t.AEGP_CharPalGetStrokeColor = unmodelled<s, "AEGP_CharPalGetStrokeColor">(t.AEGP_CharPalGetStrokeColor);
    t.AEGP_CharPalSetFillColor = unmodelled<s, "AEGP_CharPalSetFillColor">(t.AEGP_CharPalSetFillColor);
    t.AEGP_CharPalSetStrokeColor = unmodelled<s, "AEGP_CharPalSetStrokeColor">(t.AEGP_CharPalSetStrokeColor);
    t.AEGP_CharPalIsFillColorUIFrontmost = unmodelled<s, "AEGP_CharPalIsFillColorUIFrontmost">(t.AEGP_CharPalIsFillColorUIFrontmost);
    t.AEGP_ConvertFpLongToHSFRatio = unmodelled<s, "AEGP_ConvertFpLongToHSFRatio">(t.AEGP_ConvertFpLongToHSFRatio);
    t.AEGP_ConvertHSFRatioToFpLong = unmodelled<s, "AEGP_ConvertHSFRatioToFpLong">(t.AEGP_ConvertHSFRatioToFpLong);
    t.AEGP_CauseIdleRoutinesToBeCalled = unmodelled<s, "AEGP_CauseIdleRoutinesToBeCalled">(t.AEGP_CauseIdleRoutinesToBeCalled);
    t.AEGP_GetSuppressInteractiveUI = unmodelled<s, "AEGP_GetSuppressInteractiveUI">(t.AEGP_GetSuppressInteractiveUI);
    t.AEGP_WriteToOSConsole = unmodelled<s, "AEGP_WriteToOSConsole">(t.AEGP_WriteToOSConsole);
    t.AEGP_WriteToDebugLog = unmodelled<s, "AEGP_WriteToDebugLog">(t.AEGP_WriteToDebugLog);
    t.AEGP_IsScriptingAvailable = unmodelled<s, "AEGP_IsScriptingAvailable">(t.AEGP_IsScriptingAvailable);
    t.AEGP_ExecuteScript = unmodelled<s, "AEGP_ExecuteScript">(t.AEGP_ExecuteScript);
    t.AEGP_HostIsActivated = unmodelled<s, "AEGP_HostIsActivated">(t.AEGP_HostIsActivated);
    t.AEGP_GetPluginPlatformRef = unmodelled<s, "AEGP_GetPluginPlatformRef">(t.AEGP_GetPluginPlatformRef);
    t.AEGP_UpdateFontList = unmodelled<s, "AEGP_UpdateFontList">(t.AEGP_UpdateFontList);
    t.AEGP_GetPluginPaths = unmodelled<s, "AEGP_GetPluginPaths">(t.AEGP_GetPluginPaths);
    return t;
  }();
  registry.install(kAEGPUtilitySuite, kAEGPUtilitySuiteVersion3, &v7);
  registry.install(kAEGPUtilitySuite, kAEGPUtilitySuiteVersion5, &v11);
  registry.install(kAEGPUtilitySuite, kAEGPUtilitySuiteVersion6, &v13);
}

}  // namespace fx
