// Export marker and registration helper for the plug-in's entry points.
#ifndef FX_SDK_ENTRY_H
#define FX_SDK_ENTRY_H

#include "AE_Effect.h"
#include "AE_PluginData.h"

#if defined(_WIN32)
#define DllExport __declspec(dllexport)
#else
// The project builds with hidden visibility; only entry points marked with
// this are visible from the shared library.
#define DllExport __attribute__((visibility("default")))
#endif

#define AE_ENTRY_POINT "EffectMain"
#define AE_RESERVED_INFO 8

// Registers one effect through the host's callback; stores the result in a
// variable named `result` that the caller declares. The kind 0x65464B54 is
// 'eFKT' with the first character in the highest byte, written as a number
// because multi-character literals draw a compiler warning.
#define PF_REGISTER_EFFECT(INPTR, CBPTR, NAME, MATCHNAME, CATEGORY, RESERVEDINFO)                                  \
    result =                                                                                                       \
        (*(CBPTR))((INPTR), reinterpret_cast<const A_u_char*>(NAME), reinterpret_cast<const A_u_char*>(MATCHNAME), \
                   reinterpret_cast<const A_u_char*>(CATEGORY), reinterpret_cast<const A_u_char*>(AE_ENTRY_POINT), \
                   0x65464B54, PF_AE_PLUG_IN_VERSION, PF_AE_PLUG_IN_SUBVERS, (RESERVEDINFO));                      \
    if (result == A_Err_NONE) {                                                                                    \
        result = PF_Err_NONE;                                                                                      \
    }

#endif
