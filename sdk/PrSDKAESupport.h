// Premiere's additions to the effect interface: its pixel-format table, its
// utility suite and the transition suite.
#ifndef FX_SDK_PRSDKAESUPPORT_H
#define FX_SDK_PRSDKAESUPPORT_H

#include "AE_Effect.h"
#include "AE_EffectCB.h"
#include "AE_EffectPixelFormat.h"
#include "SPBasic.h"

#pragma pack(push, 8)

typedef int32_t csSDK_int32;
typedef uint32_t csSDK_uint32;
typedef long long prInt64;  // long long on every platform, as the host declares it
typedef prInt64 PrTime;
typedef csSDK_int32 PrTimelineID;
typedef csSDK_int32 prFieldType;
typedef csSDK_uint32 PF_TimeDisplay;

// Strings the host owns; only passed by address.
typedef struct PrSDKString PrSDKString;

// The Premiere world formats this system handles; four-character codes with the first character in
// the lowest byte, as the host's own pixel formats. The fixed 4-byte
// underlying type keeps every suite argument the width the host passes.
enum PrPixelFormat : int32_t {
    PrPixelFormat_BGRA_4444_8u = MAKE_PIXEL_FORMAT_FOURCC('b', 'g', 'r', 'a'),
    PrPixelFormat_BGRA_4444_32f = MAKE_PIXEL_FORMAT_FOURCC('B', 'G', 'r', 'a'),
    PrPixelFormat_BGRA_4444_32f_Linear = MAKE_PIXEL_FORMAT_FOURCC('B', 'G', 'a', 'L'),
    PrPixelFormat_Invalid = MAKE_PIXEL_FORMAT_FOURCC('b', 'a', 'd', 'f')
};
typedef enum PrPixelFormat PrPixelFormat;

enum {
    PF_TimeDisplay_24 = 1,
    PF_TimeDisplay_25,
    PF_TimeDisplay_30Drop,
    PF_TimeDisplay_30NonDrop,
    PF_TimeDisplay_50,
    PF_TimeDisplay_60Drop,
    PF_TimeDisplay_60NonDrop,
    PF_TimeDisplay_NonStandard,
    PF_TimeDisplay_Invalid
};

// ---------------------------------------------------------------- pixel formats (Premiere)

#define kPFPixelFormatSuite "PF Pixel Format Suite"
#define kPFPixelFormatSuiteVersion1 1
#define kPFPixelFormatSuiteVersion kPFPixelFormatSuiteVersion1

typedef struct PF_PixelFormatSuite {
    SPAPI PF_Err (*AddSupportedPixelFormat)(PF_ProgPtr effect_ref, PrPixelFormat pixelFormat);
    SPAPI PF_Err (*ClearSupportedPixelFormats)(PF_ProgPtr effect_ref);
    SPAPI PF_Err (*NewWorldOfPixelFormat)(PF_ProgPtr effect_ref, A_u_long width, A_u_long height,
                                          PF_NewWorldFlags flags, PrPixelFormat pixelFormat, PF_EffectWorld* world);
    SPAPI PF_Err (*DisposeWorld)(PF_ProgPtr effect_ref, PF_EffectWorld* world);
    SPAPI PF_Err (*GetPixelFormat)(PF_EffectWorld* inWorld, PrPixelFormat* pixelFormat);
    SPAPI PF_Err (*GetBlackForPixelFormat)(PrPixelFormat pixelFormat, void* pixelData);
    SPAPI PF_Err (*GetWhiteForPixelFormat)(PrPixelFormat pixelFormat, void* pixelData);
    SPAPI PF_Err (*ConvertColorToPixelFormattedData)(PrPixelFormat pixelFormat, float alpha, float red, float green,
                                                     float blue, void* pixelData);
} PF_PixelFormatSuite;
typedef PF_PixelFormatSuite PF_PixelFormatSuite1;

// ---------------------------------------------------------------- utility (Premiere)

#define kPFUtilitySuite "PF Utility Suite"
#define kPFUtilitySuiteVersion2 2
#define kPFUtilitySuiteVersion3 3
#define kPFUtilitySuiteVersion4 4
#define kPFUtilitySuiteVersion5 5
#define kPFUtilitySuiteVersion6 6
#define kPFUtilitySuiteVersion7 7
#define kPFUtilitySuiteVersion8 8
#define kPFUtilitySuiteVersion9 9
#define kPFUtilitySuiteVersion kPFUtilitySuiteVersion9

// Version 4 has its own, shorter table (its GetClipName takes no master-clip
// switch).
typedef struct PF_UtilitySuite4 {
    SPAPI PF_Err (*GetFilterInstanceID)(PF_ProgPtr effect_ref, A_long* outFilterInstanceID);
    SPAPI PF_Err (*GetMediaTimecode)(PF_ProgPtr effect_ref, A_long* outCurrentFrame, PF_TimeDisplay* outTimeDisplay);
    SPAPI PF_Err (*GetClipSpeed)(PF_ProgPtr effect_ref, double* speed);
    SPAPI PF_Err (*GetClipDuration)(PF_ProgPtr effect_ref, A_long* frameDuration);
    SPAPI PF_Err (*GetClipStart)(PF_ProgPtr effect_ref, A_long* frameDuration);
    SPAPI PF_Err (*GetUnscaledClipDuration)(PF_ProgPtr effect_ref, A_long* frameDuration);
    SPAPI PF_Err (*GetUnscaledClipStart)(PF_ProgPtr effect_ref, A_long* frameDuration);
    SPAPI PF_Err (*GetTrackItemStart)(PF_ProgPtr effect_ref, A_long* frameDuration);
    SPAPI PF_Err (*GetMediaFieldType)(PF_ProgPtr effect_ref, prFieldType* outFieldType);
    SPAPI PF_Err (*GetMediaFrameRate)(PF_ProgPtr effect_ref, PrTime* outTicksPerFrame);
    SPAPI PF_Err (*GetContainingTimelineID)(PF_ProgPtr effect_ref, PrTimelineID* outTimelineID);
    SPAPI PF_Err (*GetClipName)(PF_ProgPtr effect_ref, PrSDKString* outSDKString);
    SPAPI PF_Err (*EffectWantsCheckedOutFramesToMatchRenderPixelFormat)(PF_ProgPtr effect_ref);
} PF_UtilitySuite4;

// ---------------------------------------------------------------- transitions

#define kPFTransitionSuite "PF Transition Suite"
#define kPFTransitionSuiteVersion1 1
#define kPFTransitionSuiteVersion2 2
#define kPFTransitionSuiteVersion kPFTransitionSuiteVersion2

typedef struct PF_TransitionSuite {
    SPAPI PF_Err (*RegisterTransitionInputParam)(PF_ProgPtr inEffectRef, PF_ParamIndex inIndex);
    SPAPI PF_Err (*RegisterTransitionStartParam)(PF_ProgPtr inEffectRef, PF_ParamIndex inIndex);
    SPAPI PF_Err (*RegisterTransitionEndParam)(PF_ProgPtr inEffectRef, PF_ParamIndex inIndex);
} PF_TransitionSuite;

#pragma pack(pop)

#endif
