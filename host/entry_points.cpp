// The library's exported interface: the scan-time registration call, the command entry
// point, and the two words that ask hybrid-graphics drivers for the discrete GPU.
// Everything else in the library is hidden (see exports.map).
#include <cstdint>

#include "AE_Effect.h"
#include "AE_PluginData.h"
#include "host/command_dispatch.h"
#include "host/registration.h"

#if defined(_WIN32)
#define FX_EXPORT __declspec(dllexport)
#else
#define FX_EXPORT __attribute__((visibility("default")))
#endif

namespace {

const A_u_char* slot_chars(const char* text) { return reinterpret_cast<const A_u_char*>(text); }

}  // namespace

extern "C" {

// Read by the NVIDIA and AMD drivers when the library is loaded; 1 selects the discrete GPU.
FX_EXPORT std::uint32_t NvOptimusEnablement = 1;
FX_EXPORT std::int32_t AmdPowerXpressRequestHighPerformance = 1;

// Called once while the host scans for plug-ins; the host registers the effect from the
// callback's arguments and takes the callback's result as ours.
FX_EXPORT PF_Err PluginDataEntryFunction(PF_PluginDataPtr inPtr, PF_PluginDataCB inPluginDataCallBackPtr,
                                         SPBasicSuite* inSPBasicSuitePtr, const char* inHostName,
                                         const char* inHostVersion) {
    (void)inSPBasicSuitePtr, (void)inHostName, (void)inHostVersion;
    namespace reg = fx::registration;
    // Without a callback there is nobody to register with: answer an error, do not crash.
    if (inPluginDataCallBackPtr == nullptr) return PF_Err_BAD_CALLBACK_PARAM;
    return inPluginDataCallBackPtr(inPtr, slot_chars(reg::kDisplayName.data()), slot_chars(reg::kMatchName.data()),
                                   slot_chars(reg::kCategory.data()), slot_chars(reg::kEntryPointName),
                                   reg::kPluginKind, reg::kApiVersionMajor, reg::kApiVersionMinor, reg::kReservedInfo);
}

FX_EXPORT PF_Err EffectMain(PF_Cmd cmd, PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[],
                            PF_LayerDef* output, void* extra) {
    return fx::dispatch_command(fx::default_command_table(), cmd, in_data, out_data, params, output, extra);
}

}  // extern "C"
