// "AEGP Utility Suite" versions 7, 11 and 13. Registration with the AEGP layer hands out
// plug-in ids; scripts run in the host's scripting engine; the rest is not modelled yet.
#include "AE_GeneralPlug.h"
#include "simhost/recorded_call.h"
#include "simhost/script_engine.h"
#include "simhost/sim_host.h"
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

template <FixedName Source>
A_Err is_scripting_available(A_Boolean* available) {
    SimHost& host = SimHost::active();
    A_Err result = host.fault_for(Source.view(), "AEGP_IsScriptingAvailable");
    if (result == A_Err_NONE && available == nullptr) result = A_Err_PARAMETER;
    if (result == A_Err_NONE) *available = 1;
    host.record(Source.view(), "AEGP_IsScriptingAvailable", "", result);
    return result;
}

// The completion value comes back as the result text; a script that throws answers
// A_Err_GENERIC, with the engine's message in the error handle when one is asked for.
template <FixedName Source>
A_Err execute_script(AEGP_PluginID plugin_id, const A_char* script, const A_Boolean platform_encoding,
                     AEGP_MemHandle* result_handle, AEGP_MemHandle* error_handle) {
    SimHost& host = SimHost::active();
    A_Err result = host.fault_for(Source.view(), "AEGP_ExecuteScript");
    if (result == A_Err_NONE && script == nullptr) result = A_Err_PARAMETER;
    if (result == A_Err_NONE) {
        const ScriptOutcome outcome = run_script(script);
        if (!outcome.ok) result = A_Err_GENERIC;
        host.set_last_script(script, outcome);
        if (outcome.ok && result_handle != nullptr)
            *result_handle = static_cast<AEGP_MemHandle>(host.mem_handles().create_text(outcome.text, "script result"));
        if (!outcome.ok && error_handle != nullptr)
            *error_handle = static_cast<AEGP_MemHandle>(host.mem_handles().create_text(outcome.text, "script error"));
    }
    host.record(Source.view(), "AEGP_ExecuteScript", arguments_text(plugin_id, script, platform_encoding), result);
    return result;
}

// The functions every version has.
template <FixedName Source, typename Table>
void fill_shared_functions(Table& t) {
    t.AEGP_ReportInfo = unmodelled<Source, "AEGP_ReportInfo">(t.AEGP_ReportInfo);
    t.AEGP_GetDriverPluginInitFuncVersion =
        unmodelled<Source, "AEGP_GetDriverPluginInitFuncVersion">(t.AEGP_GetDriverPluginInitFuncVersion);
    t.AEGP_GetDriverImplementationVersion =
        unmodelled<Source, "AEGP_GetDriverImplementationVersion">(t.AEGP_GetDriverImplementationVersion);
    t.AEGP_StartQuietErrors = unmodelled<Source, "AEGP_StartQuietErrors">(t.AEGP_StartQuietErrors);
    t.AEGP_EndQuietErrors = unmodelled<Source, "AEGP_EndQuietErrors">(t.AEGP_EndQuietErrors);
    t.AEGP_StartUndoGroup = unmodelled<Source, "AEGP_StartUndoGroup">(t.AEGP_StartUndoGroup);
    t.AEGP_EndUndoGroup = unmodelled<Source, "AEGP_EndUndoGroup">(t.AEGP_EndUndoGroup);
    t.AEGP_GetMainHWND = unmodelled<Source, "AEGP_GetMainHWND">(t.AEGP_GetMainHWND);
    t.AEGP_ShowHideAllFloaters = unmodelled<Source, "AEGP_ShowHideAllFloaters">(t.AEGP_ShowHideAllFloaters);
    t.AEGP_PaintPalGetForeColor = unmodelled<Source, "AEGP_PaintPalGetForeColor">(t.AEGP_PaintPalGetForeColor);
    t.AEGP_PaintPalGetBackColor = unmodelled<Source, "AEGP_PaintPalGetBackColor">(t.AEGP_PaintPalGetBackColor);
    t.AEGP_PaintPalSetForeColor = unmodelled<Source, "AEGP_PaintPalSetForeColor">(t.AEGP_PaintPalSetForeColor);
    t.AEGP_PaintPalSetBackColor = unmodelled<Source, "AEGP_PaintPalSetBackColor">(t.AEGP_PaintPalSetBackColor);
    t.AEGP_CharPalGetFillColor = unmodelled<Source, "AEGP_CharPalGetFillColor">(t.AEGP_CharPalGetFillColor);
    t.AEGP_CharPalGetStrokeColor = unmodelled<Source, "AEGP_CharPalGetStrokeColor">(t.AEGP_CharPalGetStrokeColor);
    t.AEGP_CharPalSetFillColor = unmodelled<Source, "AEGP_CharPalSetFillColor">(t.AEGP_CharPalSetFillColor);
    t.AEGP_CharPalSetStrokeColor = unmodelled<Source, "AEGP_CharPalSetStrokeColor">(t.AEGP_CharPalSetStrokeColor);
    t.AEGP_CharPalIsFillColorUIFrontmost =
        unmodelled<Source, "AEGP_CharPalIsFillColorUIFrontmost">(t.AEGP_CharPalIsFillColorUIFrontmost);
    t.AEGP_ConvertFpLongToHSFRatio = unmodelled<Source, "AEGP_ConvertFpLongToHSFRatio">(t.AEGP_ConvertFpLongToHSFRatio);
    t.AEGP_ConvertHSFRatioToFpLong = unmodelled<Source, "AEGP_ConvertHSFRatioToFpLong">(t.AEGP_ConvertHSFRatioToFpLong);
    t.AEGP_CauseIdleRoutinesToBeCalled =
        unmodelled<Source, "AEGP_CauseIdleRoutinesToBeCalled">(t.AEGP_CauseIdleRoutinesToBeCalled);
    t.AEGP_GetSuppressInteractiveUI =
        unmodelled<Source, "AEGP_GetSuppressInteractiveUI">(t.AEGP_GetSuppressInteractiveUI);
    t.AEGP_WriteToOSConsole = unmodelled<Source, "AEGP_WriteToOSConsole">(t.AEGP_WriteToOSConsole);
    t.AEGP_WriteToDebugLog = unmodelled<Source, "AEGP_WriteToDebugLog">(t.AEGP_WriteToDebugLog);
    t.AEGP_RegisterWithAEGP = register_with_aegp<Source>;
}

// The functions versions 11 and 13 add (error text, scripting, activation, fonts).
template <FixedName Source, typename Table>
void fill_later_functions(Table& t) {
    t.AEGP_GetLastErrorMessage = unmodelled<Source, "AEGP_GetLastErrorMessage">(t.AEGP_GetLastErrorMessage);
    t.AEGP_IsScriptingAvailable = is_scripting_available<Source>;
    t.AEGP_ExecuteScript = execute_script<Source>;
    t.AEGP_HostIsActivated = unmodelled<Source, "AEGP_HostIsActivated">(t.AEGP_HostIsActivated);
    t.AEGP_GetPluginPlatformRef = unmodelled<Source, "AEGP_GetPluginPlatformRef">(t.AEGP_GetPluginPlatformRef);
    t.AEGP_UpdateFontList = unmodelled<Source, "AEGP_UpdateFontList">(t.AEGP_UpdateFontList);
}

}  // namespace

void install_aegp_utility_suites(SuiteRegistry& registry) {
    static const AEGP_UtilitySuite3 v7 = [] {
        AEGP_UtilitySuite3 t{};
        fill_shared_functions<"AEGP Utility Suite v7">(t);
        return t;
    }();
    static const AEGP_UtilitySuite5 v11 = [] {
        AEGP_UtilitySuite5 t{};
        fill_shared_functions<"AEGP Utility Suite v11">(t);
        fill_later_functions<"AEGP Utility Suite v11">(t);
        return t;
    }();
    static const AEGP_UtilitySuite6 v13 = [] {
        constexpr FixedName s = "AEGP Utility Suite v13";
        AEGP_UtilitySuite6 t{};
        fill_shared_functions<s>(t);
        fill_later_functions<s>(t);
        t.AEGP_ReportInfoUnicode = unmodelled<s, "AEGP_ReportInfoUnicode">(t.AEGP_ReportInfoUnicode);
        t.AEGP_GetPluginPaths = unmodelled<s, "AEGP_GetPluginPaths">(t.AEGP_GetPluginPaths);
        return t;
    }();
    registry.install(kAEGPUtilitySuite, kAEGPUtilitySuiteVersion3, &v7);
    registry.install(kAEGPUtilitySuite, kAEGPUtilitySuiteVersion5, &v11);
    registry.install(kAEGPUtilitySuite, kAEGPUtilitySuiteVersion6, &v13);
}

}  // namespace fx
