// Cache-on-load control: lets an effect ask the host not to cache its
// availability between launches.
#ifndef FX_SDK_AE_CACHEONLOADSUITE_H
#define FX_SDK_AE_CACHEONLOADSUITE_H

#include "AE_Effect.h"
#include "SPBasic.h"

#pragma pack(push, 8)

#define kPFCacheOnLoadSuite "PF Cache On Load Suite"
#define kPFCacheOnLoadSuiteVersion1 1

// The argument is a plain `long` as the host declares it (4 bytes on Windows,
// 8 on Linux; passed in a register either way).
typedef struct PF_CacheOnLoadSuite1 {
    SPAPI PF_Err (*PF_SetNoCacheOnLoad)(PF_ProgPtr effect_ref, long effectAvailable);
} PF_CacheOnLoadSuite1;

#pragma pack(pop)

#endif
