// General plug-in (AEGP) suites an effect may use: utilities (plug-in
// registration, scripting), streams and dynamic streams of the effect's
// parameters, effects, the effect-to-AEGP bridge and host memory handles.
#ifndef FX_SDK_AE_GENERALPLUG_H
#define FX_SDK_AE_GENERALPLUG_H

#include "A.h"
#include "AE_Effect.h"
#include "SPBasic.h"

#pragma pack(push, 8)

#define AEGP_MAX_PATH_SIZE 260
#define AEGP_MAX_PLUGIN_NAME_SIZE 32
#define AEGP_MAX_EFFECT_NAME_SIZE (PF_MAX_EFFECT_NAME_LEN + 17)
#define AEGP_MAX_EFFECT_MATCH_NAME_SIZE (PF_MAX_EFFECT_NAME_LEN + 17)
#define AEGP_MAX_EFFECT_CATEGORY_NAME_SIZE (PF_MAX_EFFECT_CATEGORY_NAME_LEN + 1)
#define AEGP_MAX_STREAM_NAME_SIZE (PF_MAX_EFFECT_PARAM_NAME_LEN + 1)
#define AEGP_MAX_STREAM_UNITS_SIZE (PF_MAX_EFFECT_PARAM_NAME_LEN + 1)
#define AEGP_MAX_STREAM_MATCH_NAME_SIZE 40

// ---------------------------------------------------------------- scalar and handle types

typedef A_long AEGP_PluginID;
typedef A_u_long AEGP_MemSize;
typedef A_long AEGP_MemFlag;
typedef A_long AEGP_LayerStream;
typedef A_long AEGP_MaskStream;
typedef A_long AEGP_StreamFlags;
typedef A_long AEGP_StreamType;
typedef A_short AEGP_LTimeMode;
typedef A_long AEGP_KeyInterpolationMask;
typedef A_long AEGP_StreamGroupingType;
typedef A_u_long AEGP_DynStreamFlags;
typedef A_long AEGP_EffectFlags;
typedef A_long AEGP_EffectIndex;
typedef A_long AEGP_InstalledEffectKey;
typedef A_u_long AEGP_GetPathTypes;
typedef A_long AEGP_LayerIDVal;
typedef A_long AEGP_MaskIDVal;

// Opaque host objects: pointers to host-private records.
typedef struct _Up_OpaqueMem** AEGP_MemHandle;
typedef struct _AEGPp_Stream** AEGP_StreamRefH;
typedef struct _AEGP_Effect** AEGP_EffectRefH;
typedef struct _AEGP_Layer** AEGP_LayerH;
typedef struct _AEGP_Mask** AEGP_MaskRefH;
typedef struct _AEGP_MaskOutline** AEGP_MaskOutlineValH;
typedef struct _AEGP_TextDocument** AEGP_TextDocumentH;
typedef struct _AEGP_MarkerVal* AEGP_MarkerValP;
typedef struct _AEGP_GlobalRefcon* AEGP_GlobalRefcon;

// Passed only by address to calls this system never makes.
typedef struct AEGP_ErrReportState AEGP_ErrReportState;
typedef union AEGP_StreamVal AEGP_StreamVal;
typedef struct AEGP_StreamValue AEGP_StreamValue;

enum { AEGP_Platform_MAC = 0, AEGP_Platform_WIN = 1 };

enum { AEGP_MemFlag_NONE = 0, AEGP_MemFlag_CLEAR = 1, AEGP_MemFlag_QUIET = 2 };

enum { AEGP_LTimeMode_LayerTime = 0, AEGP_LTimeMode_CompTime = 1 };

enum {
    AEGP_LayerStream_NONE = -1,
    AEGP_LayerStream_ANCHORPOINT = 0,
    AEGP_LayerStream_POSITION = 1,
    AEGP_LayerStream_SCALE = 2,
    AEGP_LayerStream_ROTATION = 3,
    AEGP_LayerStream_ROTATE_Z = 3,
    AEGP_LayerStream_OPACITY = 4,
    AEGP_LayerStream_AUDIO = 5,
    AEGP_LayerStream_MARKER = 6,
    AEGP_LayerStream_TIME_REMAP = 7,
    AEGP_LayerStream_ROTATE_X = 8,
    AEGP_LayerStream_ROTATE_Y = 9,
    AEGP_LayerStream_ORIENTATION = 10,
    AEGP_LayerStream_ZOOM = 11,
    AEGP_LayerStream_DEPTH_OF_FIELD = 12,
    AEGP_LayerStream_FOCUS_DISTANCE = 13,
    AEGP_LayerStream_APERTURE = 14,
    AEGP_LayerStream_BLUR_LEVEL = 15,
    AEGP_LayerStream_INTENSITY = 16,
    AEGP_LayerStream_COLOR = 17,
    AEGP_LayerStream_CONE_ANGLE = 18,
    AEGP_LayerStream_CONE_FEATHER = 19,
    AEGP_LayerStream_SHADOW_DARKNESS = 20,
    AEGP_LayerStream_SHADOW_DIFFUSION = 21,
    AEGP_LayerStream_ACCEPTS_SHADOWS = 22,
    AEGP_LayerStream_ACCEPTS_LIGHTS = 23,
    AEGP_LayerStream_AMBIENT_COEFF = 24,
    AEGP_LayerStream_DIFFUSE_COEFF = 25,
    AEGP_LayerStream_SPECULAR_INTENSITY = 26,
    AEGP_LayerStream_SPECULAR_SHININESS = 27,
    AEGP_LayerStream_CASTS_SHADOWS = 28,
    AEGP_LayerStream_LIGHT_TRANSMISSION = 29,
    AEGP_LayerStream_METAL = 30,
    AEGP_LayerStream_SOURCE_TEXT = 31,
    AEGP_LayerStream_IRIS_SHAPE = 32,
    AEGP_LayerStream_IRIS_ROTATION = 33,
    AEGP_LayerStream_IRIS_ROUNDNESS = 34,
    AEGP_LayerStream_IRIS_ASPECT_RATIO = 35,
    AEGP_LayerStream_IRIS_DIFFRACTION_FRINGE = 36,
    AEGP_LayerStream_IRIS_HIGHLIGHT_GAIN = 37,
    AEGP_LayerStream_IRIS_HIGHLIGHT_THRESHOLD = 38,
    AEGP_LayerStream_IRIS_HIGHLIGHT_SATURATION = 39,
    AEGP_LayerStream_LIGHT_FALLOFF_TYPE = 40,
    AEGP_LayerStream_LIGHT_FALLOFF_START = 41,
    AEGP_LayerStream_LIGHT_FALLOFF_DISTANCE = 42,
    AEGP_LayerStream_REFLECTION_INTENSITY = 43,
    AEGP_LayerStream_REFLECTION_SHARPNESS = 44,
    AEGP_LayerStream_REFLECTION_ROLLOFF = 45,
    AEGP_LayerStream_TRANSPARENCY_COEFF = 46,
    AEGP_LayerStream_TRANSPARENCY_ROLLOFF = 47,
    AEGP_LayerStream_INDEX_OF_REFRACTION = 48,
    AEGP_LayerStream_EXTRUSION_BEVEL_STYLE = 49,
    AEGP_LayerStream_EXTRUSION_BEVEL_DIRECTION = 50,
    AEGP_LayerStream_EXTRUSION_BEVEL_DEPTH = 51,
    AEGP_LayerStream_EXTRUSION_HOLE_BEVEL_DEPTH = 52,
    AEGP_LayerStream_EXTRUSION_DEPTH = 53,
    AEGP_LayerStream_PLANE_CURVATURE = 54,
    AEGP_LayerStream_PLANE_SUBDIVISION = 55,
    AEGP_LayerStream_NUMTYPES = 56,
    AEGP_LayerStream_BEGIN = 0,
    AEGP_LayerStream_END = 56
};

enum {
    AEGP_StreamFlag_NONE = 0,
    AEGP_StreamFlag_HAS_MIN = 1,
    AEGP_StreamFlag_HAS_MAX = 2,
    AEGP_StreamFlag_IS_SPATIAL = 4
};

enum {
    AEGP_KeyInterpMask_NONE = 0,
    AEGP_KeyInterpMask_LINEAR = 1,
    AEGP_KeyInterpMask_BEZIER = 2,
    AEGP_KeyInterpMask_HOLD = 4,
    AEGP_KeyInterpMask_CUSTOM = 8,
    AEGP_KeyInterpMask_ANY = 65535
};

enum {
    AEGP_StreamType_NO_DATA = 0,
    AEGP_StreamType_ThreeD_SPATIAL = 1,
    AEGP_StreamType_ThreeD = 2,
    AEGP_StreamType_TwoD_SPATIAL = 3,
    AEGP_StreamType_TwoD = 4,
    AEGP_StreamType_OneD = 5,
    AEGP_StreamType_COLOR = 6,
    AEGP_StreamType_ARB = 7,
    AEGP_StreamType_MARKER = 8,
    AEGP_StreamType_LAYER_ID = 9,
    AEGP_StreamType_MASK_ID = 10,
    AEGP_StreamType_MASK = 11,
    AEGP_StreamType_TEXT_DOCUMENT = 12
};

enum {
    AEGP_StreamGroupingType_NONE = -1,
    AEGP_StreamGroupingType_LEAF = 0,
    AEGP_StreamGroupingType_NAMED_GROUP = 1,
    AEGP_StreamGroupingType_INDEXED_GROUP = 2
};

enum {
    AEGP_DynStreamFlag_ACTIVE_EYEBALL = 1,
    AEGP_DynStreamFlag_HIDDEN = 2,
    AEGP_DynStreamFlag_DISABLED = 16,
    AEGP_DynStreamFlag_ELIDED = 32,
    AEGP_DynStreamFlag_SHOWN_WHEN_EMPTY = 1024,
    AEGP_DynStreamFlag_SKIP_REVEAL_WHEN_UNHIDDEN = 65536
};

enum {
    AEGP_EffectFlags_NONE = 0,
    AEGP_EffectFlags_ACTIVE = 1,
    AEGP_EffectFlags_AUDIO_ONLY = 2,
    AEGP_EffectFlags_AUDIO_TOO = 4,
    AEGP_EffectFlags_MISSING = 8
};

enum {
    AEGP_GetPathTypes_PLUGIN = 0,
    AEGP_GetPathTypes_USER_PLUGIN = 1,
    AEGP_GetPathTypes_ALLUSER_PLUGIN = 2,
    AEGP_GetPathTypes_APP = 3
};

// ---------------------------------------------------------------- stream values

typedef struct {
    A_FpLong alphaF, redF, greenF, blueF;
} AEGP_ColorVal;

typedef A_FpLong AEGP_OneDVal;
typedef A_FloatPoint AEGP_TwoDVal;
typedef A_FloatPoint3 AEGP_ThreeDVal;
typedef A_FpLong AEGP_FourDVal[4];
typedef A_Handle AEGP_ArbBlockVal;

typedef union {
    AEGP_FourDVal four_d;
    AEGP_ThreeDVal three_d;
    AEGP_TwoDVal two_d;
    AEGP_OneDVal one_d;
    AEGP_ColorVal color;
    AEGP_ArbBlockVal arbH;
    AEGP_MarkerValP markerP;
    AEGP_LayerIDVal layer_id;
    AEGP_MaskIDVal mask_id;
    AEGP_MaskOutlineValH mask;
    AEGP_TextDocumentH text_documentH;
} AEGP_StreamVal2;

typedef struct {
    AEGP_StreamRefH streamH;
    AEGP_StreamVal2 val;
} AEGP_StreamValue2;

// ---------------------------------------------------------------- utility

// Version macros carry the value the host registers, not the table number.
#define kAEGPUtilitySuite "AEGP Utility Suite"
#define kAEGPUtilitySuiteVersion3 7
#define kAEGPUtilitySuiteVersion5 11
#define kAEGPUtilitySuiteVersion6 13

typedef struct AEGP_UtilitySuite3 {
    SPAPI A_Err (*AEGP_ReportInfo)(AEGP_PluginID aegp_plugin_id, const A_char* info_stringZ);
    SPAPI A_Err (*AEGP_GetDriverPluginInitFuncVersion)(A_short* major_versionPS, A_short* minor_versionPS);
    SPAPI A_Err (*AEGP_GetDriverImplementationVersion)(A_short* major_versionPS, A_short* minor_versionPS);
    SPAPI A_Err (*AEGP_StartQuietErrors)(AEGP_ErrReportState* err_stateP);
    SPAPI A_Err (*AEGP_EndQuietErrors)(A_Boolean report_quieted_errorsB, AEGP_ErrReportState* err_stateP);
    SPAPI A_Err (*AEGP_StartUndoGroup)(const A_char* undo_nameZ);
    SPAPI A_Err (*AEGP_EndUndoGroup)(void);
    SPAPI A_Err (*AEGP_RegisterWithAEGP)(AEGP_GlobalRefcon global_refcon, const A_char* plugin_nameZ,
                                         AEGP_PluginID* plugin_id);
    SPAPI A_Err (*AEGP_GetMainHWND)(void* main_hwnd);
    SPAPI A_Err (*AEGP_ShowHideAllFloaters)(A_Boolean include_tool_palB);
    SPAPI A_Err (*AEGP_PaintPalGetForeColor)(AEGP_ColorVal* fore_colorP);
    SPAPI A_Err (*AEGP_PaintPalGetBackColor)(AEGP_ColorVal* back_colorP);
    SPAPI A_Err (*AEGP_PaintPalSetForeColor)(const AEGP_ColorVal* fore_colorP);
    SPAPI A_Err (*AEGP_PaintPalSetBackColor)(const AEGP_ColorVal* back_colorP);
    SPAPI A_Err (*AEGP_CharPalGetFillColor)(A_Boolean* is_fill_color_definedPB, AEGP_ColorVal* fill_colorP);
    SPAPI A_Err (*AEGP_CharPalGetStrokeColor)(A_Boolean* is_stroke_color_definedPB, AEGP_ColorVal* stroke_colorP);
    SPAPI A_Err (*AEGP_CharPalSetFillColor)(const AEGP_ColorVal* fill_colorP);
    SPAPI A_Err (*AEGP_CharPalSetStrokeColor)(const AEGP_ColorVal* stroke_colorP);
    SPAPI A_Err (*AEGP_CharPalIsFillColorUIFrontmost)(A_Boolean* is_fill_color_selectedPB);
    SPAPI A_Err (*AEGP_ConvertFpLongToHSFRatio)(A_FpLong numberF, A_Ratio* ratioPR);
    SPAPI A_Err (*AEGP_ConvertHSFRatioToFpLong)(A_Ratio ratioR, A_FpLong* numberPF);
    SPAPI A_Err (*AEGP_CauseIdleRoutinesToBeCalled)(void);
    SPAPI A_Err (*AEGP_GetSuppressInteractiveUI)(A_Boolean* ui_is_suppressedPB);
    SPAPI A_Err (*AEGP_WriteToOSConsole)(const A_char* textZ);
    SPAPI A_Err (*AEGP_WriteToDebugLog)(const A_char* subsystemZ, const A_char* event_typeZ, const A_char* infoZ);
} AEGP_UtilitySuite3;

typedef struct AEGP_UtilitySuite5 {
    SPAPI A_Err (*AEGP_ReportInfo)(AEGP_PluginID aegp_plugin_id, const A_char* info_stringZ);
    SPAPI A_Err (*AEGP_GetDriverPluginInitFuncVersion)(A_short* major_versionPS, A_short* minor_versionPS);
    SPAPI A_Err (*AEGP_GetDriverImplementationVersion)(A_short* major_versionPS, A_short* minor_versionPS);
    SPAPI A_Err (*AEGP_StartQuietErrors)(AEGP_ErrReportState* err_stateP);
    SPAPI A_Err (*AEGP_EndQuietErrors)(A_Boolean report_quieted_errorsB, AEGP_ErrReportState* err_stateP);
    SPAPI A_Err (*AEGP_GetLastErrorMessage)(A_long buffer_size, A_char* error_string, A_Err* error_num);
    SPAPI A_Err (*AEGP_StartUndoGroup)(const A_char* undo_nameZ);
    SPAPI A_Err (*AEGP_EndUndoGroup)(void);
    SPAPI A_Err (*AEGP_RegisterWithAEGP)(AEGP_GlobalRefcon global_refcon, const A_char* plugin_nameZ,
                                         AEGP_PluginID* plugin_id);
    SPAPI A_Err (*AEGP_GetMainHWND)(void* main_hwnd);
    SPAPI A_Err (*AEGP_ShowHideAllFloaters)(A_Boolean include_tool_palB);
    SPAPI A_Err (*AEGP_PaintPalGetForeColor)(AEGP_ColorVal* fore_colorP);
    SPAPI A_Err (*AEGP_PaintPalGetBackColor)(AEGP_ColorVal* back_colorP);
    SPAPI A_Err (*AEGP_PaintPalSetForeColor)(const AEGP_ColorVal* fore_colorP);
    SPAPI A_Err (*AEGP_PaintPalSetBackColor)(const AEGP_ColorVal* back_colorP);
    SPAPI A_Err (*AEGP_CharPalGetFillColor)(A_Boolean* is_fill_color_definedPB, AEGP_ColorVal* fill_colorP);
    SPAPI A_Err (*AEGP_CharPalGetStrokeColor)(A_Boolean* is_stroke_color_definedPB, AEGP_ColorVal* stroke_colorP);
    SPAPI A_Err (*AEGP_CharPalSetFillColor)(const AEGP_ColorVal* fill_colorP);
    SPAPI A_Err (*AEGP_CharPalSetStrokeColor)(const AEGP_ColorVal* stroke_colorP);
    SPAPI A_Err (*AEGP_CharPalIsFillColorUIFrontmost)(A_Boolean* is_fill_color_selectedPB);
    SPAPI A_Err (*AEGP_ConvertFpLongToHSFRatio)(A_FpLong numberF, A_Ratio* ratioPR);
    SPAPI A_Err (*AEGP_ConvertHSFRatioToFpLong)(A_Ratio ratioR, A_FpLong* numberPF);
    SPAPI A_Err (*AEGP_CauseIdleRoutinesToBeCalled)(void);
    SPAPI A_Err (*AEGP_GetSuppressInteractiveUI)(A_Boolean* ui_is_suppressedPB);
    SPAPI A_Err (*AEGP_WriteToOSConsole)(const A_char* textZ);
    SPAPI A_Err (*AEGP_WriteToDebugLog)(const A_char* subsystemZ, const A_char* event_typeZ, const A_char* infoZ);
    SPAPI A_Err (*AEGP_IsScriptingAvailable)(A_Boolean* outAvailablePB);
    SPAPI A_Err (*AEGP_ExecuteScript)(AEGP_PluginID inPlugin_id, const A_char* inScriptZ,
                                      const A_Boolean platform_encodingB, AEGP_MemHandle* outResultPH0,
                                      AEGP_MemHandle* outErrorStringPH0);
    SPAPI A_Err (*AEGP_HostIsActivated)(A_Boolean* is_activatedPB);
    SPAPI A_Err (*AEGP_GetPluginPlatformRef)(AEGP_PluginID plug_id, void** plat_refPPV);
    SPAPI A_Err (*AEGP_UpdateFontList)(void);
} AEGP_UtilitySuite5;

typedef struct AEGP_UtilitySuite6 {
    SPAPI A_Err (*AEGP_ReportInfo)(AEGP_PluginID aegp_plugin_id, const A_char* info_stringZ);
    SPAPI A_Err (*AEGP_ReportInfoUnicode)(AEGP_PluginID aegp_plugin_id, const A_UTF16Char* info_stringP);
    SPAPI A_Err (*AEGP_GetDriverPluginInitFuncVersion)(A_short* major_versionPS, A_short* minor_versionPS);
    SPAPI A_Err (*AEGP_GetDriverImplementationVersion)(A_short* major_versionPS, A_short* minor_versionPS);
    SPAPI A_Err (*AEGP_StartQuietErrors)(AEGP_ErrReportState* err_stateP);
    SPAPI A_Err (*AEGP_EndQuietErrors)(A_Boolean report_quieted_errorsB, AEGP_ErrReportState* err_stateP);
    SPAPI A_Err (*AEGP_GetLastErrorMessage)(A_long buffer_size, A_char* error_string, A_Err* error_num);
    SPAPI A_Err (*AEGP_StartUndoGroup)(const A_char* undo_nameZ);
    SPAPI A_Err (*AEGP_EndUndoGroup)(void);
    SPAPI A_Err (*AEGP_RegisterWithAEGP)(AEGP_GlobalRefcon global_refcon, const A_char* plugin_nameZ,
                                         AEGP_PluginID* plugin_id);
    SPAPI A_Err (*AEGP_GetMainHWND)(void* main_hwnd);
    SPAPI A_Err (*AEGP_ShowHideAllFloaters)(A_Boolean include_tool_palB);
    SPAPI A_Err (*AEGP_PaintPalGetForeColor)(AEGP_ColorVal* fore_colorP);
    SPAPI A_Err (*AEGP_PaintPalGetBackColor)(AEGP_ColorVal* back_colorP);
    SPAPI A_Err (*AEGP_PaintPalSetForeColor)(const AEGP_ColorVal* fore_colorP);
    SPAPI A_Err (*AEGP_PaintPalSetBackColor)(const AEGP_ColorVal* back_colorP);
    SPAPI A_Err (*AEGP_CharPalGetFillColor)(A_Boolean* is_fill_color_definedPB, AEGP_ColorVal* fill_colorP);
    SPAPI A_Err (*AEGP_CharPalGetStrokeColor)(A_Boolean* is_stroke_color_definedPB, AEGP_ColorVal* stroke_colorP);
    SPAPI A_Err (*AEGP_CharPalSetFillColor)(const AEGP_ColorVal* fill_colorP);
    SPAPI A_Err (*AEGP_CharPalSetStrokeColor)(const AEGP_ColorVal* stroke_colorP);
    SPAPI A_Err (*AEGP_CharPalIsFillColorUIFrontmost)(A_Boolean* is_fill_color_selectedPB);
    SPAPI A_Err (*AEGP_ConvertFpLongToHSFRatio)(A_FpLong numberF, A_Ratio* ratioPR);
    SPAPI A_Err (*AEGP_ConvertHSFRatioToFpLong)(A_Ratio ratioR, A_FpLong* numberPF);
    SPAPI A_Err (*AEGP_CauseIdleRoutinesToBeCalled)(void);
    SPAPI A_Err (*AEGP_GetSuppressInteractiveUI)(A_Boolean* ui_is_suppressedPB);
    SPAPI A_Err (*AEGP_WriteToOSConsole)(const A_char* textZ);
    SPAPI A_Err (*AEGP_WriteToDebugLog)(const A_char* subsystemZ, const A_char* event_typeZ, const A_char* infoZ);
    SPAPI A_Err (*AEGP_IsScriptingAvailable)(A_Boolean* outAvailablePB);
    SPAPI A_Err (*AEGP_ExecuteScript)(AEGP_PluginID inPlugin_id, const A_char* inScriptZ,
                                      const A_Boolean platform_encodingB, AEGP_MemHandle* outResultPH0,
                                      AEGP_MemHandle* outErrorStringPH0);
    SPAPI A_Err (*AEGP_HostIsActivated)(A_Boolean* is_activatedPB);
    SPAPI A_Err (*AEGP_GetPluginPlatformRef)(AEGP_PluginID plug_id, void** plat_refPPV);
    SPAPI A_Err (*AEGP_UpdateFontList)(void);
    SPAPI A_Err (*AEGP_GetPluginPaths)(AEGP_PluginID aegp_plugin_id, AEGP_GetPathTypes path_type,
                                       AEGP_MemHandle* unicode_pathPH);
} AEGP_UtilitySuite6;

// ---------------------------------------------------------------- streams

#define kAEGPStreamSuite "AEGP Stream Suite"
#define kAEGPStreamSuiteVersion2 7

typedef struct AEGP_StreamSuite2 {
    SPAPI A_Err (*AEGP_IsStreamLegal)(AEGP_LayerH layerH, AEGP_LayerStream which_stream, A_Boolean* is_legalP);
    SPAPI A_Err (*AEGP_CanVaryOverTime)(AEGP_StreamRefH streamH, A_Boolean* can_varyPB);
    SPAPI A_Err (*AEGP_GetValidInterpolations)(AEGP_StreamRefH streamH,
                                               AEGP_KeyInterpolationMask* valid_interpolationsP);
    SPAPI A_Err (*AEGP_GetNewLayerStream)(AEGP_PluginID aegp_plugin_id, AEGP_LayerH layerH,
                                          AEGP_LayerStream which_stream, AEGP_StreamRefH* streamPH);
    SPAPI A_Err (*AEGP_GetEffectNumParamStreams)(AEGP_EffectRefH effect_refH, A_long* num_paramsPL);
    SPAPI A_Err (*AEGP_GetNewEffectStreamByIndex)(AEGP_PluginID aegp_plugin_id, AEGP_EffectRefH effect_refH,
                                                  PF_ParamIndex param_index, AEGP_StreamRefH* streamPH);
    SPAPI A_Err (*AEGP_GetNewMaskStream)(AEGP_PluginID aegp_plugin_id, AEGP_MaskRefH mask_refH,
                                         AEGP_MaskStream which_stream, AEGP_StreamRefH* mask_streamPH);
    SPAPI A_Err (*AEGP_DisposeStream)(AEGP_StreamRefH streamH);
    SPAPI A_Err (*AEGP_GetStreamName)(AEGP_StreamRefH streamH, A_Boolean force_englishB, A_char* nameZ);
    SPAPI A_Err (*AEGP_GetStreamUnitsText)(AEGP_StreamRefH streamH, A_Boolean force_englishB, A_char* unitsZ);
    SPAPI A_Err (*AEGP_GetStreamProperties)(AEGP_StreamRefH streamH, AEGP_StreamFlags* flagsP, A_FpLong* minP0,
                                            A_FpLong* maxP0);
    SPAPI A_Err (*AEGP_IsStreamTimevarying)(AEGP_StreamRefH streamH, A_Boolean* is_timevaryingPB);
    SPAPI A_Err (*AEGP_GetStreamType)(AEGP_StreamRefH streamH, AEGP_StreamType* stream_typeP);
    SPAPI A_Err (*AEGP_GetNewStreamValue)(AEGP_PluginID aegp_plugin_id, AEGP_StreamRefH streamH,
                                          AEGP_LTimeMode time_mode, const A_Time* timePT, A_Boolean pre_expressionB,
                                          AEGP_StreamValue* valueP);
    SPAPI A_Err (*AEGP_DisposeStreamValue)(AEGP_StreamValue* valueP);
    SPAPI A_Err (*AEGP_SetStreamValue)(AEGP_PluginID aegp_plugin_id, AEGP_StreamRefH streamH, AEGP_StreamValue* valueP);
    SPAPI A_Err (*AEGP_GetLayerStreamValue)(AEGP_LayerH layerH, AEGP_LayerStream which_stream, AEGP_LTimeMode time_mode,
                                            const A_Time* timePT, A_Boolean pre_expressionB,
                                            AEGP_StreamVal* stream_valP, AEGP_StreamType* stream_typeP0);
    SPAPI A_Err (*AEGP_GetExpressionState)(AEGP_PluginID aegp_plugin_id, AEGP_StreamRefH streamH, A_Boolean* enabledPB);
    SPAPI A_Err (*AEGP_SetExpressionState)(AEGP_PluginID aegp_plugin_id, AEGP_StreamRefH streamH, A_Boolean enabledB);
    SPAPI A_Err (*AEGP_GetExpression)(AEGP_PluginID aegp_plugin_id, AEGP_StreamRefH streamH,
                                      AEGP_MemHandle* expressionHZ);
    SPAPI A_Err (*AEGP_SetExpression)(AEGP_PluginID aegp_plugin_id, AEGP_StreamRefH streamH, const A_char* expressionP);
    SPAPI A_Err (*AEGP_DuplicateStreamRef)(AEGP_PluginID aegp_plugin_id, AEGP_StreamRefH streamH,
                                           AEGP_StreamRefH* dup_streamPH);
} AEGP_StreamSuite2;

#define kAEGPDynamicStreamSuite "AEGP Dynamic Stream Suite"
#define kAEGPDynamicStreamSuiteVersion2 2

typedef struct AEGP_DynamicStreamSuite2 {
    SPAPI A_Err (*AEGP_GetNewStreamRefForLayer)(AEGP_PluginID aegp_plugin_id, AEGP_LayerH layerH,
                                                AEGP_StreamRefH* streamPH);
    SPAPI A_Err (*AEGP_GetStreamDepth)(AEGP_StreamRefH streamH, A_long* depthPL);
    SPAPI A_Err (*AEGP_GetStreamGroupingType)(AEGP_StreamRefH streamH, AEGP_StreamGroupingType* group_typeP);
    SPAPI A_Err (*AEGP_GetNumStreamsInGroup)(AEGP_StreamRefH streamH, A_long* num_streamsPL);
    SPAPI A_Err (*AEGP_GetDynamicStreamFlags)(AEGP_StreamRefH streamH, AEGP_DynStreamFlags* stream_flagsP);
    SPAPI A_Err (*AEGP_SetDynamicStreamFlag)(AEGP_StreamRefH streamH, AEGP_DynStreamFlags one_flag, A_Boolean undoableB,
                                             A_Boolean setB);
    SPAPI A_Err (*AEGP_GetNewStreamRefByIndex)(AEGP_PluginID aegp_plugin_id, AEGP_StreamRefH parent_groupH,
                                               A_long indexL, AEGP_StreamRefH* streamPH);
    SPAPI A_Err (*AEGP_GetNewStreamRefByMatchname)(AEGP_PluginID aegp_plugin_id, AEGP_StreamRefH parent_groupH,
                                                   const A_char* match_nameZ, AEGP_StreamRefH* streamPH);
    SPAPI A_Err (*AEGP_DeleteStream)(AEGP_StreamRefH streamH);
    SPAPI A_Err (*AEGP_ReorderStream)(AEGP_StreamRefH streamH, A_long new_indexL);
    SPAPI A_Err (*AEGP_DuplicateStream)(AEGP_PluginID aegp_plugin_id, AEGP_StreamRefH streamH, A_long* new_indexPL0);
    SPAPI A_Err (*AEGP_SetStreamName)(AEGP_StreamRefH streamH, const A_char* nameZ);
    SPAPI A_Err (*AEGP_CanAddStream)(AEGP_StreamRefH group_streamH, const A_char* match_nameZ, A_Boolean* can_addPB);
    SPAPI A_Err (*AEGP_AddStream)(AEGP_PluginID aegp_plugin_id, AEGP_StreamRefH indexed_group_streamH,
                                  const A_char* match_nameZ, AEGP_StreamRefH* streamPH0);
    SPAPI A_Err (*AEGP_GetMatchName)(AEGP_StreamRefH streamH, A_char* nameZ);
    SPAPI A_Err (*AEGP_GetNewParentStreamRef)(AEGP_PluginID aegp_plugin_id, AEGP_StreamRefH streamH,
                                              AEGP_StreamRefH* parent_streamPH);
    SPAPI A_Err (*AEGP_GetStreamIsModified)(AEGP_StreamRefH streamH, A_Boolean* modifiedPB);
} AEGP_DynamicStreamSuite2;

// ---------------------------------------------------------------- effects

#define kAEGPEffectSuite "AEGP Effect Suite"
#define kAEGPEffectSuiteVersion2 2

typedef struct AEGP_EffectSuite2 {
    SPAPI A_Err (*AEGP_GetLayerNumEffects)(AEGP_LayerH layerH, A_long* num_effectsPL);
    SPAPI A_Err (*AEGP_GetLayerEffectByIndex)(AEGP_PluginID aegp_plugin_id, AEGP_LayerH layerH,
                                              AEGP_EffectIndex layer_effect_indexL, AEGP_EffectRefH* effectPH);
    SPAPI A_Err (*AEGP_GetInstalledKeyFromLayerEffect)(AEGP_EffectRefH effect_refH,
                                                       AEGP_InstalledEffectKey* installed_effect_keyP);
    SPAPI A_Err (*AEGP_GetEffectParamUnionByIndex)(AEGP_PluginID aegp_plugin_id, AEGP_EffectRefH effect_refH,
                                                   PF_ParamIndex param_index, PF_ParamType* param_typeP,
                                                   PF_ParamDefUnion* uP0);
    SPAPI A_Err (*AEGP_GetEffectFlags)(AEGP_EffectRefH effect_refH, AEGP_EffectFlags* effect_flagsP);
    SPAPI A_Err (*AEGP_SetEffectFlags)(AEGP_EffectRefH effect_refH, AEGP_EffectFlags effect_flags_set_mask,
                                       AEGP_EffectFlags effect_flags);
    SPAPI A_Err (*AEGP_ReorderEffect)(AEGP_EffectRefH effect_refH, A_long effect_indexL);
    SPAPI A_Err (*AEGP_EffectCallGeneric)(AEGP_PluginID aegp_plugin_id, AEGP_EffectRefH effect_refH,
                                          const A_Time* timePT, void* effect_extraPV);
    SPAPI A_Err (*AEGP_DisposeEffect)(AEGP_EffectRefH effect_refH);
    SPAPI A_Err (*AEGP_ApplyEffect)(AEGP_PluginID aegp_plugin_id, AEGP_LayerH layerH,
                                    AEGP_InstalledEffectKey installed_effect_key, AEGP_EffectRefH* effect_refPH);
    SPAPI A_Err (*AEGP_DeleteLayerEffect)(AEGP_EffectRefH effect_refH);
    SPAPI A_Err (*AEGP_GetNumInstalledEffects)(A_long* num_installed_effectsPL);
    SPAPI A_Err (*AEGP_GetNextInstalledEffect)(AEGP_InstalledEffectKey installed_effect_key,
                                               AEGP_InstalledEffectKey* next_effectPH);
    SPAPI A_Err (*AEGP_GetEffectName)(AEGP_InstalledEffectKey installed_effect_key, A_char* nameZ);
    SPAPI A_Err (*AEGP_GetEffectMatchName)(AEGP_InstalledEffectKey installed_effect_key, A_char* match_nameZ);
    SPAPI A_Err (*AEGP_GetEffectCategory)(AEGP_InstalledEffectKey installed_effect_key, A_char* categoryZ);
    SPAPI A_Err (*AEGP_DuplicateEffect)(AEGP_EffectRefH original_effect_refH, AEGP_EffectRefH* duplicate_effect_refPH);
} AEGP_EffectSuite2;

#define kAEGPPFInterfaceSuite "AEGP PF Interface Suite"
#define kAEGPPFInterfaceSuiteVersion1 1

typedef struct AEGP_PFInterfaceSuite1 {
    SPAPI A_Err (*AEGP_GetEffectLayer)(PF_ProgPtr effect_pp_ref, AEGP_LayerH* layerPH);
    SPAPI A_Err (*AEGP_GetNewEffectForEffect)(AEGP_PluginID aegp_plugin_id, PF_ProgPtr effect_pp_ref,
                                              AEGP_EffectRefH* effect_refPH);
    SPAPI A_Err (*AEGP_ConvertEffectToCompTime)(PF_ProgPtr effect_pp_ref, A_long what_timeL, A_u_long time_scaleLu,
                                                A_Time* comp_timePT);
    SPAPI A_Err (*AEGP_GetEffectCamera)(PF_ProgPtr effect_pp_ref, const A_Time* comp_timePT,
                                        AEGP_LayerH* camera_layerPH);
    SPAPI A_Err (*AEGP_GetEffectCameraMatrix)(PF_ProgPtr effect_pp_ref, const A_Time* comp_timePT,
                                              A_Matrix4* camera_matrixP, A_FpLong* dist_to_image_planePF,
                                              A_short* image_plane_widthPL, A_short* image_plane_heightPL);
} AEGP_PFInterfaceSuite1;

// ---------------------------------------------------------------- memory

#define kAEGPMemorySuite "AEGP Memory Suite"
#define kAEGPMemorySuiteVersion1 1

typedef struct AEGP_MemorySuite1 {
    SPAPI A_Err (*AEGP_NewMemHandle)(AEGP_PluginID plugin_id, const A_char* whatZ, AEGP_MemSize size,
                                     AEGP_MemFlag flags, AEGP_MemHandle* memPH);
    SPAPI A_Err (*AEGP_FreeMemHandle)(AEGP_MemHandle memH);
    SPAPI A_Err (*AEGP_LockMemHandle)(AEGP_MemHandle memH, void** ptr_to_ptr);
    SPAPI A_Err (*AEGP_UnlockMemHandle)(AEGP_MemHandle memH);
    SPAPI A_Err (*AEGP_GetMemHandleSize)(AEGP_MemHandle memH, AEGP_MemSize* sizeP);
    SPAPI A_Err (*AEGP_ResizeMemHandle)(const A_char* whatZ, AEGP_MemSize new_size, AEGP_MemHandle memH);
    SPAPI A_Err (*AEGP_SetMemReportingOn)(A_Boolean turn_OnB);
    SPAPI A_Err (*AEGP_GetMemStats)(AEGP_PluginID plugin_id, A_long* countPL, A_long* sizePL);
} AEGP_MemorySuite1;

// ---------------------------------------------------------------- sequence data (read-only view)

#define kPFEffectSequenceDataSuite "PF Effect Sequence Data Suite"
#define kPFEffectSequenceDataSuiteVersion1 1

typedef struct PF_EffectSequenceDataSuite1 {
    SPAPI PF_Err (*PF_GetConstSequenceData)(PF_ProgPtr effect_ref, PF_ConstHandle* sequence_data);
} PF_EffectSequenceDataSuite1;

#pragma pack(pop)

#endif
