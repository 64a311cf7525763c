// Plug-in data entry point: the function the host calls while it scans for
// plug-ins, and the callback through which the plug-in registers its effect.
#ifndef FX_SDK_AE_PLUGINDATA_H
#define FX_SDK_AE_PLUGINDATA_H

#include "A.h"

struct SPBasicSuite;

typedef struct PF_PluginData* PF_PluginDataPtr;

// Registration callback: name, match name, category and entry-point name as
// NUL-terminated 8-bit texts, the plug-in kind ('eFKT' for effects), the API
// version and the reserved info word.
typedef A_Err (*PF_PluginDataCB)(PF_PluginDataPtr inPtr, const A_u_char* inNamePtr, const A_u_char* inMatchNamePtr,
                                 const A_u_char* inCategoryPtr, const A_u_char* inEntryPointNamePtr, A_long inkind,
                                 A_long inApiVersionMajor, A_long inApiVersionMinor, A_long inReservedInfo);

// Version 2 adds a support URL.
typedef A_Err (*PF_PluginDataCB2)(PF_PluginDataPtr inPtr, const A_u_char* inNamePtr, const A_u_char* inMatchNamePtr,
                                  const A_u_char* inCategoryPtr, const A_u_char* inEntryPointNamePtr, A_long inkind,
                                  A_long inApiVersionMajor, A_long inApiVersionMinor, A_long inReservedInfo,
                                  const A_u_char* inSupportURLPtr);

// Exported as `PluginDataEntryFunction` (version 1) and
// `PluginDataEntryFunction2` (version 2).
typedef A_Err (*PluginDataEntryFunctionPtr)(PF_PluginDataPtr inPtr, PF_PluginDataCB inPluginDataCallBackPtr,
                                            struct SPBasicSuite* inSPBasicSuitePtr, const char* inHostName,
                                            const char* inHostVersion);
typedef A_Err (*PluginDataEntryFunction2Ptr)(PF_PluginDataPtr inPtr, PF_PluginDataCB2 inPluginDataCallBackPtr,
                                             struct SPBasicSuite* inSPBasicSuitePtr, const char* inHostName,
                                             const char* inHostVersion);

#endif
