// Compile-time check of the scalar, pointer and handle typedefs of the host
// interface. Where the host's Windows and Linux builds differ only by platform,
// the Windows type is expected, so records keep one layout on both.
#include <type_traits>

#include "A.h"
#include "AE_AdvEffectSuites.h"
#include "AE_Effect.h"
#include "AE_EffectCB.h"
#include "AE_EffectCBSuites.h"
#include "AE_EffectPixelFormat.h"
#include "AE_EffectSuites.h"
#include "AE_EffectUI.h"
#include "AE_GeneralPlug.h"
#include "DrawbotSuite.h"
#include "PrSDKAESupport.h"
#include "SPBasic.h"
#include "SPTypes.h"

static_assert(std::is_same_v<AEGP_ArbBlockVal, void*>, "AEGP_ArbBlockVal is void *");
static_assert(std::is_same_v<AEGP_DynStreamFlags, unsigned int>, "AEGP_DynStreamFlags is unsigned int");
static_assert(std::is_same_v<AEGP_EffectFlags, int>, "AEGP_EffectFlags is int");
static_assert(std::is_same_v<AEGP_EffectIndex, int>, "AEGP_EffectIndex is int");
static_assert(std::is_same_v<AEGP_EffectRefH, struct _AEGP_Effect**>, "AEGP_EffectRefH is struct _AEGP_Effect **");
static_assert(std::is_same_v<AEGP_GetPathTypes, unsigned int>, "AEGP_GetPathTypes is unsigned int");
static_assert(std::is_same_v<AEGP_GlobalRefcon, struct _AEGP_GlobalRefcon*>,
              "AEGP_GlobalRefcon is struct _AEGP_GlobalRefcon *");
static_assert(std::is_same_v<AEGP_InstalledEffectKey, int>, "AEGP_InstalledEffectKey is int");
static_assert(std::is_same_v<AEGP_KeyInterpolationMask, int>, "AEGP_KeyInterpolationMask is int");
static_assert(std::is_same_v<AEGP_LTimeMode, short>, "AEGP_LTimeMode is short");
static_assert(std::is_same_v<AEGP_LayerH, struct _AEGP_Layer**>, "AEGP_LayerH is struct _AEGP_Layer **");
static_assert(std::is_same_v<AEGP_LayerIDVal, int>, "AEGP_LayerIDVal is int");
static_assert(std::is_same_v<AEGP_LayerStream, int>, "AEGP_LayerStream is int");
static_assert(std::is_same_v<AEGP_MarkerValP, struct _AEGP_MarkerVal*>, "AEGP_MarkerValP is struct _AEGP_MarkerVal *");
static_assert(std::is_same_v<AEGP_MaskIDVal, int>, "AEGP_MaskIDVal is int");
static_assert(std::is_same_v<AEGP_MaskOutlineValH, struct _AEGP_MaskOutline**>,
              "AEGP_MaskOutlineValH is struct _AEGP_MaskOutline **");
static_assert(std::is_same_v<AEGP_MaskRefH, struct _AEGP_Mask**>, "AEGP_MaskRefH is struct _AEGP_Mask **");
static_assert(std::is_same_v<AEGP_MaskStream, int>, "AEGP_MaskStream is int");
static_assert(std::is_same_v<AEGP_MemFlag, int>, "AEGP_MemFlag is int");
static_assert(std::is_same_v<AEGP_MemHandle, struct _Up_OpaqueMem**>, "AEGP_MemHandle is struct _Up_OpaqueMem **");
static_assert(std::is_same_v<AEGP_MemSize, unsigned int>, "AEGP_MemSize is unsigned int");
static_assert(std::is_same_v<AEGP_OneDVal, double>, "AEGP_OneDVal is double");
static_assert(std::is_same_v<AEGP_PluginID, int>, "AEGP_PluginID is int");
static_assert(std::is_same_v<AEGP_StreamFlags, int>, "AEGP_StreamFlags is int");
static_assert(std::is_same_v<AEGP_StreamGroupingType, int>, "AEGP_StreamGroupingType is int");
static_assert(std::is_same_v<AEGP_StreamRefH, struct _AEGPp_Stream**>, "AEGP_StreamRefH is struct _AEGPp_Stream **");
static_assert(std::is_same_v<AEGP_StreamType, int>, "AEGP_StreamType is int");
static_assert(std::is_same_v<AEGP_TextDocumentH, struct _AEGP_TextDocument**>,
              "AEGP_TextDocumentH is struct _AEGP_TextDocument **");
static_assert(std::is_same_v<A_Boolean, unsigned char>, "A_Boolean is unsigned char");
static_assert(std::is_same_v<A_Err, int>, "A_Err is int");
static_assert(std::is_same_v<A_Fixed, int>, "A_Fixed is int");
static_assert(std::is_same_v<A_FpLong, double>, "A_FpLong is double");
static_assert(std::is_same_v<A_FpShort, float>, "A_FpShort is float");
static_assert(std::is_same_v<A_Handle, void*>, "A_Handle is void *");
static_assert(std::is_same_v<A_HandleSize, unsigned long>, "A_HandleSize is unsigned long");
static_assert(std::is_same_v<A_LegacyEnumType, int>, "A_LegacyEnumType is int (Windows width)");
static_assert(std::is_same_v<A_UFixed, unsigned int>, "A_UFixed is unsigned int");
static_assert(std::is_same_v<A_UTF16Char, unsigned short>, "A_UTF16Char is unsigned short");
static_assert(std::is_same_v<A_char, char>, "A_char is char");
static_assert(std::is_same_v<A_intptr_t, long>, "A_intptr_t is long");
static_assert(std::is_same_v<A_long, int>, "A_long is int");
static_assert(std::is_same_v<A_short, short>, "A_short is short");
static_assert(std::is_same_v<A_u_char, unsigned char>, "A_u_char is unsigned char");
static_assert(std::is_same_v<A_u_long, unsigned int>, "A_u_long is unsigned int");
static_assert(std::is_same_v<A_u_longlong, unsigned long>, "A_u_longlong is unsigned long");
static_assert(std::is_same_v<A_u_short, unsigned short>, "A_u_short is unsigned short");
static_assert(std::is_same_v<DRAWBOT_AntiAliasPolicy, int>, "DRAWBOT_AntiAliasPolicy is int");
static_assert(std::is_same_v<DRAWBOT_Boolean, unsigned char>, "DRAWBOT_Boolean is unsigned char");
static_assert(std::is_same_v<DRAWBOT_BrushRef, struct _DRAWBOT_BrushRef*>,
              "DRAWBOT_BrushRef is struct _DRAWBOT_BrushRef *");
static_assert(std::is_same_v<DRAWBOT_DrawRef, struct _DRAWBOT_DrawRef*>,
              "DRAWBOT_DrawRef is struct _DRAWBOT_DrawRef *");
static_assert(std::is_same_v<DRAWBOT_FillType, int>, "DRAWBOT_FillType is int");
static_assert(std::is_same_v<DRAWBOT_FontRef, struct _DRAWBOT_FontRef*>,
              "DRAWBOT_FontRef is struct _DRAWBOT_FontRef *");
static_assert(std::is_same_v<DRAWBOT_ImageRef, struct _DRAWBOT_ImageRef*>,
              "DRAWBOT_ImageRef is struct _DRAWBOT_ImageRef *");
static_assert(std::is_same_v<DRAWBOT_InterpolationPolicy, int>, "DRAWBOT_InterpolationPolicy is int");
static_assert(std::is_same_v<DRAWBOT_ObjectRef, struct _DRAWBOT_ObjectRef*>,
              "DRAWBOT_ObjectRef is struct _DRAWBOT_ObjectRef *");
static_assert(std::is_same_v<DRAWBOT_PathRef, struct _DRAWBOT_PathRef*>,
              "DRAWBOT_PathRef is struct _DRAWBOT_PathRef *");
static_assert(std::is_same_v<DRAWBOT_PenRef, struct _DRAWBOT_PenRef*>, "DRAWBOT_PenRef is struct _DRAWBOT_PenRef *");
static_assert(std::is_same_v<DRAWBOT_PixelLayout, int>, "DRAWBOT_PixelLayout is int");
static_assert(std::is_same_v<DRAWBOT_SupplierRef, struct _DRAWBOT_SupplierRef*>,
              "DRAWBOT_SupplierRef is struct _DRAWBOT_SupplierRef *");
static_assert(std::is_same_v<DRAWBOT_SurfaceRef, struct _DRAWBOT_SurfaceRef*>,
              "DRAWBOT_SurfaceRef is struct _DRAWBOT_SurfaceRef *");
static_assert(std::is_same_v<DRAWBOT_TextAlignment, int>, "DRAWBOT_TextAlignment is int");
static_assert(std::is_same_v<DRAWBOT_TextTruncation, int>, "DRAWBOT_TextTruncation is int");
static_assert(std::is_same_v<DRAWBOT_UTF16Char, unsigned short>, "DRAWBOT_UTF16Char is unsigned short");
static_assert(std::is_same_v<PF_ArbCompareResult, int>, "PF_ArbCompareResult is int");
static_assert(std::is_same_v<PF_ArbPrintFlags, int>, "PF_ArbPrintFlags is int");
static_assert(std::is_same_v<PF_ArbitraryH, void**>, "PF_ArbitraryH is void **");
static_assert(std::is_same_v<PF_AsyncManagerP, struct _PF_AsyncManager*>,
              "PF_AsyncManagerP is struct _PF_AsyncManager *");
static_assert(std::is_same_v<PF_Boolean, char>, "PF_Boolean is char");
static_assert(std::is_same_v<PF_CallbackFunc, struct PF_YouMustCastThisToActualFunctionType*>,
              "PF_CallbackFunc is struct PF_YouMustCastThisToActualFunctionType *");
static_assert(std::is_same_v<PF_CallbackID, int>, "PF_CallbackID is int");
static_assert(std::is_same_v<PF_ChangeFlags, int>, "PF_ChangeFlags is int");
static_assert(std::is_same_v<PF_ChannelMask, int>, "PF_ChannelMask is int");
static_assert(std::is_same_v<PF_Cmd, int>, "PF_Cmd is int");
static_assert(std::is_same_v<PF_ConstHandle, const PF_ConstPtr*>, "PF_ConstHandle is const PF_ConstPtr *");
static_assert(std::is_same_v<PF_ContextH, struct PF_Context**>, "PF_ContextH is struct PF_Context **");
static_assert(std::is_same_v<PF_ContextRefcon, struct _PF_ContextRefcon*>,
              "PF_ContextRefcon is struct _PF_ContextRefcon *");
static_assert(std::is_same_v<PF_CursorType, int>, "PF_CursorType is int");
static_assert(std::is_same_v<PF_CustomEventFlags, int>, "PF_CustomEventFlags is int");
static_assert(std::is_same_v<PF_DeletePreRenderDataFunc, void (*)(void*)>,
              "PF_DeletePreRenderDataFunc is void (*)(void *)");
static_assert(std::is_same_v<PF_DepCheckType, int>, "PF_DepCheckType is int");
static_assert(std::is_same_v<PF_EffectArea, int>, "PF_EffectArea is int");
static_assert(std::is_same_v<PF_Err, int>, "PF_Err is int");
static_assert(std::is_same_v<PF_EventInFlags, int>, "PF_EventInFlags is int");
static_assert(std::is_same_v<PF_EventOutFlags, int>, "PF_EventOutFlags is int");
static_assert(std::is_same_v<PF_EventType, int>, "PF_EventType is int");
static_assert(std::is_same_v<PF_FSliderFlags, unsigned int>, "PF_FSliderFlags is unsigned int");
static_assert(std::is_same_v<PF_Field, int>, "PF_Field is int");
static_assert(std::is_same_v<PF_Fixed, int>, "PF_Fixed is int");
static_assert(std::is_same_v<PF_FpLong, double>, "PF_FpLong is double");
static_assert(std::is_same_v<PF_FpShort, float>, "PF_FpShort is float");
static_assert(std::is_same_v<PF_FunctionSelector, int>, "PF_FunctionSelector is int");
static_assert(std::is_same_v<PF_GPU_Framework, int>, "PF_GPU_Framework is int");
static_assert(std::is_same_v<PF_Handle, void**>, "PF_Handle is void **");
static_assert(std::is_same_v<PF_InFlags, int>, "PF_InFlags is int");
static_assert(std::is_same_v<PF_IteratePixel16Func, PF_Err (*)(void*, A_long, A_long, PF_Pixel16*, PF_Pixel16*)>,
              "PF_IteratePixel16Func is PF_Err (*)(void *, A_long, A_long, PF_Pixel16 *, PF_Pixel16 *)");
static_assert(std::is_same_v<PF_IteratePixel8Func, PF_Err (*)(void*, A_long, A_long, PF_Pixel*, PF_Pixel*)>,
              "PF_IteratePixel8Func is PF_Err (*)(void *, A_long, A_long, PF_Pixel *, PF_Pixel *)");
static_assert(
    std::is_same_v<PF_IteratePixelFloatFunc, PF_Err (*)(void*, A_long, A_long, PF_PixelFloat*, PF_PixelFloat*)>,
    "PF_IteratePixelFloatFunc is PF_Err (*)(void *, A_long, A_long, PF_PixelFloat *, PF_PixelFloat *)");
static_assert(std::is_same_v<PF_KernelFlags, unsigned int>, "PF_KernelFlags is unsigned int");
static_assert(std::is_same_v<PF_KeyCode, unsigned int>, "PF_KeyCode is unsigned int");
static_assert(std::is_same_v<PF_KeyIndex, int>, "PF_KeyIndex is int");
static_assert(std::is_same_v<PF_LayerAudio, struct _PF_LayerAudio*>, "PF_LayerAudio is struct _PF_LayerAudio *");
static_assert(std::is_same_v<PF_MaskMode, int>, "PF_MaskMode is int");
static_assert(std::is_same_v<PF_ModeFlags, int>, "PF_ModeFlags is int");
static_assert(std::is_same_v<PF_Modifiers, int>, "PF_Modifiers is int");
static_assert(std::is_same_v<PF_NewWorldFlags, int>, "PF_NewWorldFlags is int");
static_assert(std::is_same_v<PF_OutFlags, int>, "PF_OutFlags is int");
static_assert(std::is_same_v<PF_OutFlags2, int>, "PF_OutFlags2 is int");
static_assert(std::is_same_v<PF_ParamDefPtr, struct PF_ParamDef*>, "PF_ParamDefPtr is struct PF_ParamDef *");
static_assert(std::is_same_v<PF_ParamFlags, int>, "PF_ParamFlags is int");
static_assert(std::is_same_v<PF_ParamIndex, int>, "PF_ParamIndex is int");
static_assert(std::is_same_v<PF_ParamType, int>, "PF_ParamType is int");
static_assert(std::is_same_v<PF_ParamUIFlags, int>, "PF_ParamUIFlags is int");
static_assert(std::is_same_v<PF_ParamValue, int>, "PF_ParamValue is int");
static_assert(std::is_same_v<PF_PathID, unsigned int>, "PF_PathID is unsigned int");
static_assert(std::is_same_v<PF_PixelFormat, int>, "PF_PixelFormat is int");
static_assert(std::is_same_v<PF_PixelPtr, PF_Pixel*>, "PF_PixelPtr is PF_Pixel *");
static_assert(std::is_same_v<PF_PlatDataID, int>, "PF_PlatDataID is int");
static_assert(std::is_same_v<PF_ProgPtr, struct PF_ProgressInfo*>, "PF_ProgPtr is struct PF_ProgressInfo *");
static_assert(std::is_same_v<PF_Quality, int>, "PF_Quality is int");
static_assert(std::is_same_v<PF_RenderOutputFlags, short>, "PF_RenderOutputFlags is short");
static_assert(std::is_same_v<PF_SndSamplePtr, void*>, "PF_SndSamplePtr is void *");
static_assert(std::is_same_v<PF_SoundChannels, short>, "PF_SoundChannels is short");
static_assert(std::is_same_v<PF_SoundFormat, short>, "PF_SoundFormat is short");
static_assert(std::is_same_v<PF_SoundSampleSize, short>, "PF_SoundSampleSize is short");
static_assert(std::is_same_v<PF_Step, int>, "PF_Step is int (Windows width)");
static_assert(std::is_same_v<PF_TimeDir, int>, "PF_TimeDir is int");
static_assert(std::is_same_v<PF_TimeDisplay, unsigned int>, "PF_TimeDisplay is unsigned int");
static_assert(std::is_same_v<PF_UFixed, unsigned int>, "PF_UFixed is unsigned int");
static_assert(std::is_same_v<PF_UIAlignment, int>, "PF_UIAlignment is int");
static_assert(std::is_same_v<PF_ValueDisplayFlags, short>, "PF_ValueDisplayFlags is short");
static_assert(std::is_same_v<PF_WindowType, int>, "PF_WindowType is int");
static_assert(std::is_same_v<PF_WorldFlags, int>, "PF_WorldFlags is int");
static_assert(std::is_same_v<PF_XferMode, int>, "PF_XferMode is int");
static_assert(std::is_same_v<PrTime, long long>, "PrTime is long long");
static_assert(std::is_same_v<PrTimelineID, int>, "PrTimelineID is int");
static_assert(std::is_same_v<SPBoolean, int>, "SPBoolean is int");
static_assert(std::is_same_v<SPErr, int>, "SPErr is int");
static_assert(std::is_same_v<csSDK_uint32, unsigned int>, "csSDK_uint32 is unsigned int");
static_assert(std::is_same_v<int32, int>, "int32 is int");
static_assert(std::is_same_v<int64, long>, "int64 is long");
static_assert(std::is_same_v<prFieldType, int>, "prFieldType is int");
static_assert(std::is_same_v<uint32, unsigned int>, "uint32 is unsigned int");
