// Compile-time check of the host interface's numeric codes: commands,
// errors, flags, parameter types, pixel formats, events, suite versions and
// limits, against the values the host was built with. Codes are compared as
// the 32-bit words the host stores, so top-bit flags compare by bit pattern.
#include <string_view>

#include "A.h"
#include "AE_AdvEffectSuites.h"
#include "AE_CacheOnLoadSuite.h"
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
#include "SPErrorCodes.h"

// A_Err_NONE ...
static_assert(static_cast<A_long>(A_Err_NONE) == 0, "A_Err_NONE");
static_assert(static_cast<A_long>(A_Err_GENERIC) == 1, "A_Err_GENERIC");
static_assert(static_cast<A_long>(A_Err_STRUCT) == 2, "A_Err_STRUCT");
static_assert(static_cast<A_long>(A_Err_PARAMETER) == 3, "A_Err_PARAMETER");
static_assert(static_cast<A_long>(A_Err_ALLOC) == 4, "A_Err_ALLOC");
static_assert(static_cast<A_long>(A_Err_WRONG_THREAD) == 5, "A_Err_WRONG_THREAD");
static_assert(static_cast<A_long>(A_Err_CONST_PROJECT_MODIFICATION) == 6, "A_Err_CONST_PROJECT_MODIFICATION");
static_assert(static_cast<A_long>(A_Err_RESERVED_7) == 7, "A_Err_RESERVED_7");
static_assert(static_cast<A_long>(A_Err_RESERVED_8) == 8, "A_Err_RESERVED_8");
static_assert(static_cast<A_long>(A_Err_RESERVED_9) == 9, "A_Err_RESERVED_9");
static_assert(static_cast<A_long>(A_Err_RESERVED_10) == 10, "A_Err_RESERVED_10");
static_assert(static_cast<A_long>(A_Err_RESERVED_11) == 11, "A_Err_RESERVED_11");
static_assert(static_cast<A_long>(A_Err_RESERVED_12) == 12, "A_Err_RESERVED_12");
static_assert(static_cast<A_long>(A_Err_MISSING_SUITE) == 13, "A_Err_MISSING_SUITE");
static_assert(static_cast<A_long>(A_Err_RESERVED_14) == 14, "A_Err_RESERVED_14");
static_assert(static_cast<A_long>(A_Err_RESERVED_15) == 15, "A_Err_RESERVED_15");
static_assert(static_cast<A_long>(A_Err_RESERVED_16) == 16, "A_Err_RESERVED_16");
static_assert(static_cast<A_long>(A_Err_RESERVED_17) == 17, "A_Err_RESERVED_17");
static_assert(static_cast<A_long>(A_Err_RESERVED_18) == 18, "A_Err_RESERVED_18");
static_assert(static_cast<A_long>(A_Err_RESERVED_19) == 19, "A_Err_RESERVED_19");
static_assert(static_cast<A_long>(A_Err_RESERVED_20) == 20, "A_Err_RESERVED_20");
static_assert(static_cast<A_long>(A_Err_RESERVED_21) == 21, "A_Err_RESERVED_21");
static_assert(static_cast<A_long>(A_Err_NOT_IN_CACHE_OR_COMPUTE_PENDING) == 22,
              "A_Err_NOT_IN_CACHE_OR_COMPUTE_PENDING");
static_assert(static_cast<A_long>(A_Err_PROJECT_LOAD_FATAL) == 23, "A_Err_PROJECT_LOAD_FATAL");
static_assert(static_cast<A_long>(A_Err_EFFECT_APPLY_FATAL) == 24, "A_Err_EFFECT_APPLY_FATAL");
static_assert(static_cast<A_long>(A_Err_LAST) == 25, "A_Err_LAST");

// PF_Stage_DEVELOP ...
static_assert(static_cast<A_long>(PF_Stage_DEVELOP) == 0, "PF_Stage_DEVELOP");
static_assert(static_cast<A_long>(PF_Stage_ALPHA) == 1, "PF_Stage_ALPHA");
static_assert(static_cast<A_long>(PF_Stage_BETA) == 2, "PF_Stage_BETA");
static_assert(static_cast<A_long>(PF_Stage_RELEASE) == 3, "PF_Stage_RELEASE");

// PF_Quality_DRAWING_AUDIO ...
static_assert(static_cast<A_long>(PF_Quality_DRAWING_AUDIO) == -1, "PF_Quality_DRAWING_AUDIO");
static_assert(static_cast<A_long>(PF_Quality_LO) == 0, "PF_Quality_LO");
static_assert(static_cast<A_long>(PF_Quality_HI) == 1, "PF_Quality_HI");

// PF_MF_Alpha_PREMUL ...
static_assert(static_cast<A_long>(PF_MF_Alpha_PREMUL) == 0, "PF_MF_Alpha_PREMUL");
static_assert(static_cast<A_long>(PF_MF_Alpha_STRAIGHT) == 1, "PF_MF_Alpha_STRAIGHT");

// PF_Field_FRAME ...
static_assert(static_cast<A_long>(PF_Field_FRAME) == 0, "PF_Field_FRAME");
static_assert(static_cast<A_long>(PF_Field_UPPER) == 1, "PF_Field_UPPER");
static_assert(static_cast<A_long>(PF_Field_LOWER) == 2, "PF_Field_LOWER");

// PF_Param_RESERVED ...
static_assert(static_cast<A_long>(PF_Param_RESERVED) == -1, "PF_Param_RESERVED");
static_assert(static_cast<A_long>(PF_Param_LAYER) == 0, "PF_Param_LAYER");
static_assert(static_cast<A_long>(PF_Param_SLIDER) == 1, "PF_Param_SLIDER");
static_assert(static_cast<A_long>(PF_Param_FIX_SLIDER) == 2, "PF_Param_FIX_SLIDER");
static_assert(static_cast<A_long>(PF_Param_ANGLE) == 3, "PF_Param_ANGLE");
static_assert(static_cast<A_long>(PF_Param_CHECKBOX) == 4, "PF_Param_CHECKBOX");
static_assert(static_cast<A_long>(PF_Param_COLOR) == 5, "PF_Param_COLOR");
static_assert(static_cast<A_long>(PF_Param_POINT) == 6, "PF_Param_POINT");
static_assert(static_cast<A_long>(PF_Param_POPUP) == 7, "PF_Param_POPUP");
static_assert(static_cast<A_long>(PF_Param_CUSTOM) == 8, "PF_Param_CUSTOM");
static_assert(static_cast<A_long>(PF_Param_NO_DATA) == 9, "PF_Param_NO_DATA");
static_assert(static_cast<A_long>(PF_Param_FLOAT_SLIDER) == 10, "PF_Param_FLOAT_SLIDER");
static_assert(static_cast<A_long>(PF_Param_ARBITRARY_DATA) == 11, "PF_Param_ARBITRARY_DATA");
static_assert(static_cast<A_long>(PF_Param_PATH) == 12, "PF_Param_PATH");
static_assert(static_cast<A_long>(PF_Param_GROUP_START) == 13, "PF_Param_GROUP_START");
static_assert(static_cast<A_long>(PF_Param_GROUP_END) == 14, "PF_Param_GROUP_END");
static_assert(static_cast<A_long>(PF_Param_BUTTON) == 15, "PF_Param_BUTTON");
static_assert(static_cast<A_long>(PF_Param_RESERVED2) == 16, "PF_Param_RESERVED2");
static_assert(static_cast<A_long>(PF_Param_RESERVED3) == 17, "PF_Param_RESERVED3");
static_assert(static_cast<A_long>(PF_Param_POINT_3D) == 18, "PF_Param_POINT_3D");

// PF_ParamFlag_RESERVED1 ...
static_assert(static_cast<A_long>(PF_ParamFlag_RESERVED1) == 1, "PF_ParamFlag_RESERVED1");
static_assert(static_cast<A_long>(PF_ParamFlag_CANNOT_TIME_VARY) == 2, "PF_ParamFlag_CANNOT_TIME_VARY");
static_assert(static_cast<A_long>(PF_ParamFlag_CANNOT_INTERP) == 4, "PF_ParamFlag_CANNOT_INTERP");
static_assert(static_cast<A_long>(PF_ParamFlag_RESERVED2) == 8, "PF_ParamFlag_RESERVED2");
static_assert(static_cast<A_long>(PF_ParamFlag_RESERVED3) == 16, "PF_ParamFlag_RESERVED3");
static_assert(static_cast<A_long>(PF_ParamFlag_COLLAPSE_TWIRLY) == 32, "PF_ParamFlag_COLLAPSE_TWIRLY");
static_assert(static_cast<A_long>(PF_ParamFlag_SUPERVISE) == 64, "PF_ParamFlag_SUPERVISE");
static_assert(static_cast<A_long>(PF_ParamFlag_START_COLLAPSED) == 32, "PF_ParamFlag_START_COLLAPSED");
static_assert(static_cast<A_long>(PF_ParamFlag_USE_VALUE_FOR_OLD_PROJECTS) == 128,
              "PF_ParamFlag_USE_VALUE_FOR_OLD_PROJECTS");
static_assert(static_cast<A_long>(PF_ParamFlag_LAYER_PARAM_IS_TRACKMATTE) == 128,
              "PF_ParamFlag_LAYER_PARAM_IS_TRACKMATTE");
static_assert(static_cast<A_long>(PF_ParamFlag_EXCLUDE_FROM_HAVE_INPUTS_CHANGED) == 256,
              "PF_ParamFlag_EXCLUDE_FROM_HAVE_INPUTS_CHANGED");
static_assert(static_cast<A_long>(PF_ParamFlag_SKIP_REVEAL_WHEN_UNHIDDEN) == 512,
              "PF_ParamFlag_SKIP_REVEAL_WHEN_UNHIDDEN");

// PF_Err_NONE ...
static_assert(static_cast<A_long>(PF_Err_NONE) == 0, "PF_Err_NONE");
static_assert(static_cast<A_long>(PF_Err_OUT_OF_MEMORY) == 4, "PF_Err_OUT_OF_MEMORY");
static_assert(static_cast<A_long>(PF_Err_INTERNAL_STRUCT_DAMAGED) == 512, "PF_Err_INTERNAL_STRUCT_DAMAGED");
static_assert(static_cast<A_long>(PF_Err_INVALID_INDEX) == 513, "PF_Err_INVALID_INDEX");
static_assert(static_cast<A_long>(PF_Err_UNRECOGNIZED_PARAM_TYPE) == 514, "PF_Err_UNRECOGNIZED_PARAM_TYPE");
static_assert(static_cast<A_long>(PF_Err_INVALID_CALLBACK) == 515, "PF_Err_INVALID_CALLBACK");
static_assert(static_cast<A_long>(PF_Err_BAD_CALLBACK_PARAM) == 516, "PF_Err_BAD_CALLBACK_PARAM");
static_assert(static_cast<A_long>(PF_Interrupt_CANCEL) == 517, "PF_Interrupt_CANCEL");
static_assert(static_cast<A_long>(PF_Err_CANNOT_PARSE_KEYFRAME_TEXT) == 518, "PF_Err_CANNOT_PARSE_KEYFRAME_TEXT");

// PF_WorldFlag_DEEP ...
static_assert(static_cast<A_long>(PF_WorldFlag_DEEP) == 1, "PF_WorldFlag_DEEP");
static_assert(static_cast<A_long>(PF_WorldFlag_WRITEABLE) == 2, "PF_WorldFlag_WRITEABLE");
static_assert(static_cast<A_long>(PF_WorldFlag_RESERVED0) == 16777216, "PF_WorldFlag_RESERVED0");
static_assert(static_cast<A_long>(PF_WorldFlag_RESERVED1) == 33554432, "PF_WorldFlag_RESERVED1");
static_assert(static_cast<A_long>(PF_WorldFlag_RESERVED2) == 67108864, "PF_WorldFlag_RESERVED2");
static_assert(static_cast<A_long>(PF_WorldFlag_RESERVED3) == 134217728, "PF_WorldFlag_RESERVED3");
static_assert(static_cast<A_long>(PF_WorldFlag_RESERVED4) == 268435456, "PF_WorldFlag_RESERVED4");
static_assert(static_cast<A_long>(PF_WorldFlag_RESERVED5) == 536870912, "PF_WorldFlag_RESERVED5");
static_assert(static_cast<A_long>(PF_WorldFlag_RESERVED6) == 1073741824, "PF_WorldFlag_RESERVED6");
static_assert(static_cast<A_long>(PF_WorldFlag_RESERVED) == (-2147483647 - 1), "PF_WorldFlag_RESERVED");

// PF_OutFlag_NONE ...
static_assert(static_cast<A_long>(PF_OutFlag_NONE) == 0, "PF_OutFlag_NONE");
static_assert(static_cast<A_long>(PF_OutFlag_KEEP_RESOURCE_OPEN) == 1, "PF_OutFlag_KEEP_RESOURCE_OPEN");
static_assert(static_cast<A_long>(PF_OutFlag_WIDE_TIME_INPUT) == 2, "PF_OutFlag_WIDE_TIME_INPUT");
static_assert(static_cast<A_long>(PF_OutFlag_NON_PARAM_VARY) == 4, "PF_OutFlag_NON_PARAM_VARY");
static_assert(static_cast<A_long>(PF_OutFlag_RESERVED6) == 8, "PF_OutFlag_RESERVED6");
static_assert(static_cast<A_long>(PF_OutFlag_SEQUENCE_DATA_NEEDS_FLATTENING) == 16,
              "PF_OutFlag_SEQUENCE_DATA_NEEDS_FLATTENING");
static_assert(static_cast<A_long>(PF_OutFlag_I_DO_DIALOG) == 32, "PF_OutFlag_I_DO_DIALOG");
static_assert(static_cast<A_long>(PF_OutFlag_USE_OUTPUT_EXTENT) == 64, "PF_OutFlag_USE_OUTPUT_EXTENT");
static_assert(static_cast<A_long>(PF_OutFlag_SEND_DO_DIALOG) == 128, "PF_OutFlag_SEND_DO_DIALOG");
static_assert(static_cast<A_long>(PF_OutFlag_DISPLAY_ERROR_MESSAGE) == 256, "PF_OutFlag_DISPLAY_ERROR_MESSAGE");
static_assert(static_cast<A_long>(PF_OutFlag_I_EXPAND_BUFFER) == 512, "PF_OutFlag_I_EXPAND_BUFFER");
static_assert(static_cast<A_long>(PF_OutFlag_PIX_INDEPENDENT) == 1024, "PF_OutFlag_PIX_INDEPENDENT");
static_assert(static_cast<A_long>(PF_OutFlag_I_WRITE_INPUT_BUFFER) == 2048, "PF_OutFlag_I_WRITE_INPUT_BUFFER");
static_assert(static_cast<A_long>(PF_OutFlag_I_SHRINK_BUFFER) == 4096, "PF_OutFlag_I_SHRINK_BUFFER");
static_assert(static_cast<A_long>(PF_OutFlag_WORKS_IN_PLACE) == 8192, "PF_OutFlag_WORKS_IN_PLACE");
static_assert(static_cast<A_long>(PF_OutFlag_RESERVED8) == 16384, "PF_OutFlag_RESERVED8");
static_assert(static_cast<A_long>(PF_OutFlag_CUSTOM_UI) == 32768, "PF_OutFlag_CUSTOM_UI");
static_assert(static_cast<A_long>(PF_OutFlag_RESERVED7) == 65536, "PF_OutFlag_RESERVED7");
static_assert(static_cast<A_long>(PF_OutFlag_REFRESH_UI) == 131072, "PF_OutFlag_REFRESH_UI");
static_assert(static_cast<A_long>(PF_OutFlag_NOP_RENDER) == 262144, "PF_OutFlag_NOP_RENDER");
static_assert(static_cast<A_long>(PF_OutFlag_I_USE_SHUTTER_ANGLE) == 524288, "PF_OutFlag_I_USE_SHUTTER_ANGLE");
static_assert(static_cast<A_long>(PF_OutFlag_I_USE_AUDIO) == 1048576, "PF_OutFlag_I_USE_AUDIO");
static_assert(static_cast<A_long>(PF_OutFlag_I_AM_OBSOLETE) == 2097152, "PF_OutFlag_I_AM_OBSOLETE");
static_assert(static_cast<A_long>(PF_OutFlag_FORCE_RERENDER) == 4194304, "PF_OutFlag_FORCE_RERENDER");
static_assert(static_cast<A_long>(PF_OutFlag_PiPL_OVERRIDES_OUTDATA_OUTFLAGS) == 8388608,
              "PF_OutFlag_PiPL_OVERRIDES_OUTDATA_OUTFLAGS");
static_assert(static_cast<A_long>(PF_OutFlag_I_HAVE_EXTERNAL_DEPENDENCIES) == 16777216,
              "PF_OutFlag_I_HAVE_EXTERNAL_DEPENDENCIES");
static_assert(static_cast<A_long>(PF_OutFlag_DEEP_COLOR_AWARE) == 33554432, "PF_OutFlag_DEEP_COLOR_AWARE");
static_assert(static_cast<A_long>(PF_OutFlag_SEND_UPDATE_PARAMS_UI) == 67108864, "PF_OutFlag_SEND_UPDATE_PARAMS_UI");
static_assert(static_cast<A_long>(PF_OutFlag_AUDIO_FLOAT_ONLY) == 134217728, "PF_OutFlag_AUDIO_FLOAT_ONLY");
static_assert(static_cast<A_long>(PF_OutFlag_AUDIO_IIR) == 268435456, "PF_OutFlag_AUDIO_IIR");
static_assert(static_cast<A_long>(PF_OutFlag_I_SYNTHESIZE_AUDIO) == 536870912, "PF_OutFlag_I_SYNTHESIZE_AUDIO");
static_assert(static_cast<A_long>(PF_OutFlag_AUDIO_EFFECT_TOO) == 1073741824, "PF_OutFlag_AUDIO_EFFECT_TOO");
static_assert(static_cast<A_long>(PF_OutFlag_AUDIO_EFFECT_ONLY) == (-2147483647 - 1), "PF_OutFlag_AUDIO_EFFECT_ONLY");

// PF_OutFlag2_NONE ...
static_assert(static_cast<A_long>(PF_OutFlag2_NONE) == 0, "PF_OutFlag2_NONE");
static_assert(static_cast<A_long>(PF_OutFlag2_SUPPORTS_QUERY_DYNAMIC_FLAGS) == 1,
              "PF_OutFlag2_SUPPORTS_QUERY_DYNAMIC_FLAGS");
static_assert(static_cast<A_long>(PF_OutFlag2_I_USE_3D_CAMERA) == 2, "PF_OutFlag2_I_USE_3D_CAMERA");
static_assert(static_cast<A_long>(PF_OutFlag2_I_USE_3D_LIGHTS) == 4, "PF_OutFlag2_I_USE_3D_LIGHTS");
static_assert(static_cast<A_long>(PF_OutFlag2_PARAM_GROUP_START_COLLAPSED_FLAG) == 8,
              "PF_OutFlag2_PARAM_GROUP_START_COLLAPSED_FLAG");
static_assert(static_cast<A_long>(PF_OutFlag2_I_AM_THREADSAFE) == 16, "PF_OutFlag2_I_AM_THREADSAFE");
static_assert(static_cast<A_long>(PF_OutFlag2_CAN_COMBINE_WITH_DESTINATION) == 32,
              "PF_OutFlag2_CAN_COMBINE_WITH_DESTINATION");
static_assert(static_cast<A_long>(PF_OutFlag2_DOESNT_NEED_EMPTY_PIXELS) == 64, "PF_OutFlag2_DOESNT_NEED_EMPTY_PIXELS");
static_assert(static_cast<A_long>(PF_OutFlag2_REVEALS_ZERO_ALPHA) == 128, "PF_OutFlag2_REVEALS_ZERO_ALPHA");
static_assert(static_cast<A_long>(PF_OutFlag2_PRESERVES_FULLY_OPAQUE_PIXELS) == 256,
              "PF_OutFlag2_PRESERVES_FULLY_OPAQUE_PIXELS");
static_assert(static_cast<A_long>(PF_OutFlag2_SUPPORTS_SMART_RENDER) == 1024, "PF_OutFlag2_SUPPORTS_SMART_RENDER");
static_assert(static_cast<A_long>(PF_OutFlag2_RESERVED9) == 2048, "PF_OutFlag2_RESERVED9");
static_assert(static_cast<A_long>(PF_OutFlag2_FLOAT_COLOR_AWARE) == 4096, "PF_OutFlag2_FLOAT_COLOR_AWARE");
static_assert(static_cast<A_long>(PF_OutFlag2_I_USE_COLORSPACE_ENUMERATION) == 8192,
              "PF_OutFlag2_I_USE_COLORSPACE_ENUMERATION");
static_assert(static_cast<A_long>(PF_OutFlag2_I_AM_DEPRECATED) == 16384, "PF_OutFlag2_I_AM_DEPRECATED");
static_assert(static_cast<A_long>(PF_OutFlag2_PPRO_DO_NOT_CLONE_SEQUENCE_DATA_FOR_RENDER) == 32768,
              "PF_OutFlag2_PPRO_DO_NOT_CLONE_SEQUENCE_DATA_FOR_RENDER");
static_assert(static_cast<A_long>(PF_OutFlag2_RESERVED10) == 65536, "PF_OutFlag2_RESERVED10");
static_assert(static_cast<A_long>(PF_OutFlag2_AUTOMATIC_WIDE_TIME_INPUT) == 131072,
              "PF_OutFlag2_AUTOMATIC_WIDE_TIME_INPUT");
static_assert(static_cast<A_long>(PF_OutFlag2_I_USE_TIMECODE) == 262144, "PF_OutFlag2_I_USE_TIMECODE");
static_assert(static_cast<A_long>(PF_OutFlag2_DEPENDS_ON_UNREFERENCED_MASKS) == 524288,
              "PF_OutFlag2_DEPENDS_ON_UNREFERENCED_MASKS");
static_assert(static_cast<A_long>(PF_OutFlag2_OUTPUT_IS_WATERMARKED) == 1048576, "PF_OutFlag2_OUTPUT_IS_WATERMARKED");
static_assert(static_cast<A_long>(PF_OutFlag2_I_MIX_GUID_DEPENDENCIES) == 2097152,
              "PF_OutFlag2_I_MIX_GUID_DEPENDENCIES");
static_assert(static_cast<A_long>(PF_OutFlag2_AE13_5_THREADSAFE) == 4194304, "PF_OutFlag2_AE13_5_THREADSAFE");
static_assert(static_cast<A_long>(PF_OutFlag2_SUPPORTS_GET_FLATTENED_SEQUENCE_DATA) == 8388608,
              "PF_OutFlag2_SUPPORTS_GET_FLATTENED_SEQUENCE_DATA");
static_assert(static_cast<A_long>(PF_OutFlag2_CUSTOM_UI_ASYNC_MANAGER) == 16777216,
              "PF_OutFlag2_CUSTOM_UI_ASYNC_MANAGER");
static_assert(static_cast<A_long>(PF_OutFlag2_SUPPORTS_GPU_RENDER_F32) == 33554432,
              "PF_OutFlag2_SUPPORTS_GPU_RENDER_F32");
static_assert(static_cast<A_long>(PF_OutFlag2_RESERVED12) == 67108864, "PF_OutFlag2_RESERVED12");
static_assert(static_cast<A_long>(PF_OutFlag2_SUPPORTS_THREADED_RENDERING) == 134217728,
              "PF_OutFlag2_SUPPORTS_THREADED_RENDERING");
static_assert(static_cast<A_long>(PF_OutFlag2_MUTABLE_RENDER_SEQUENCE_DATA_SLOWER) == 268435456,
              "PF_OutFlag2_MUTABLE_RENDER_SEQUENCE_DATA_SLOWER");

// PF_InFlag_NONE ...
static_assert(static_cast<A_long>(PF_InFlag_NONE) == 0, "PF_InFlag_NONE");
static_assert(static_cast<A_long>(PF_InFlag_PROJECT_IS_RENDER_ONLY) == 1, "PF_InFlag_PROJECT_IS_RENDER_ONLY");

// PF_Cmd_ABOUT ...
static_assert(static_cast<A_long>(PF_Cmd_ABOUT) == 0, "PF_Cmd_ABOUT");
static_assert(static_cast<A_long>(PF_Cmd_GLOBAL_SETUP) == 1, "PF_Cmd_GLOBAL_SETUP");
static_assert(static_cast<A_long>(PF_Cmd_UNUSED_0) == 2, "PF_Cmd_UNUSED_0");
static_assert(static_cast<A_long>(PF_Cmd_GLOBAL_SETDOWN) == 3, "PF_Cmd_GLOBAL_SETDOWN");
static_assert(static_cast<A_long>(PF_Cmd_PARAMS_SETUP) == 4, "PF_Cmd_PARAMS_SETUP");
static_assert(static_cast<A_long>(PF_Cmd_SEQUENCE_SETUP) == 5, "PF_Cmd_SEQUENCE_SETUP");
static_assert(static_cast<A_long>(PF_Cmd_SEQUENCE_RESETUP) == 6, "PF_Cmd_SEQUENCE_RESETUP");
static_assert(static_cast<A_long>(PF_Cmd_SEQUENCE_FLATTEN) == 7, "PF_Cmd_SEQUENCE_FLATTEN");
static_assert(static_cast<A_long>(PF_Cmd_SEQUENCE_SETDOWN) == 8, "PF_Cmd_SEQUENCE_SETDOWN");
static_assert(static_cast<A_long>(PF_Cmd_DO_DIALOG) == 9, "PF_Cmd_DO_DIALOG");
static_assert(static_cast<A_long>(PF_Cmd_FRAME_SETUP) == 10, "PF_Cmd_FRAME_SETUP");
static_assert(static_cast<A_long>(PF_Cmd_RENDER) == 11, "PF_Cmd_RENDER");
static_assert(static_cast<A_long>(PF_Cmd_FRAME_SETDOWN) == 12, "PF_Cmd_FRAME_SETDOWN");
static_assert(static_cast<A_long>(PF_Cmd_USER_CHANGED_PARAM) == 13, "PF_Cmd_USER_CHANGED_PARAM");
static_assert(static_cast<A_long>(PF_Cmd_UPDATE_PARAMS_UI) == 14, "PF_Cmd_UPDATE_PARAMS_UI");
static_assert(static_cast<A_long>(PF_Cmd_EVENT) == 15, "PF_Cmd_EVENT");
static_assert(static_cast<A_long>(PF_Cmd_GET_EXTERNAL_DEPENDENCIES) == 16, "PF_Cmd_GET_EXTERNAL_DEPENDENCIES");
static_assert(static_cast<A_long>(PF_Cmd_COMPLETELY_GENERAL) == 17, "PF_Cmd_COMPLETELY_GENERAL");
static_assert(static_cast<A_long>(PF_Cmd_QUERY_DYNAMIC_FLAGS) == 18, "PF_Cmd_QUERY_DYNAMIC_FLAGS");
static_assert(static_cast<A_long>(PF_Cmd_AUDIO_RENDER) == 19, "PF_Cmd_AUDIO_RENDER");
static_assert(static_cast<A_long>(PF_Cmd_AUDIO_SETUP) == 20, "PF_Cmd_AUDIO_SETUP");
static_assert(static_cast<A_long>(PF_Cmd_AUDIO_SETDOWN) == 21, "PF_Cmd_AUDIO_SETDOWN");
static_assert(static_cast<A_long>(PF_Cmd_ARBITRARY_CALLBACK) == 22, "PF_Cmd_ARBITRARY_CALLBACK");
static_assert(static_cast<A_long>(PF_Cmd_SMART_PRE_RENDER) == 23, "PF_Cmd_SMART_PRE_RENDER");
static_assert(static_cast<A_long>(PF_Cmd_SMART_RENDER) == 24, "PF_Cmd_SMART_RENDER");
static_assert(static_cast<A_long>(PF_Cmd_RESERVED1) == 25, "PF_Cmd_RESERVED1");
static_assert(static_cast<A_long>(PF_Cmd_RESERVED2) == 26, "PF_Cmd_RESERVED2");
static_assert(static_cast<A_long>(PF_Cmd_RESERVED3) == 27, "PF_Cmd_RESERVED3");
static_assert(static_cast<A_long>(PF_Cmd_GET_FLATTENED_SEQUENCE_DATA) == 28, "PF_Cmd_GET_FLATTENED_SEQUENCE_DATA");
static_assert(static_cast<A_long>(PF_Cmd_TRANSLATE_PARAMS_TO_PREFS) == 29, "PF_Cmd_TRANSLATE_PARAMS_TO_PREFS");
static_assert(static_cast<A_long>(PF_Cmd_RESERVED4) == 30, "PF_Cmd_RESERVED4");
static_assert(static_cast<A_long>(PF_Cmd_SMART_RENDER_GPU) == 31, "PF_Cmd_SMART_RENDER_GPU");
static_assert(static_cast<A_long>(PF_Cmd_GPU_DEVICE_SETUP) == 32, "PF_Cmd_GPU_DEVICE_SETUP");
static_assert(static_cast<A_long>(PF_Cmd_GPU_DEVICE_SETDOWN) == 33, "PF_Cmd_GPU_DEVICE_SETDOWN");
static_assert(static_cast<A_long>(PF_Cmd_NUM_CMDS) == 34, "PF_Cmd_NUM_CMDS");

// PF_LayerDefault_MYSELF ...
static_assert(static_cast<A_long>(PF_LayerDefault_MYSELF) == -1, "PF_LayerDefault_MYSELF");
static_assert(static_cast<A_long>(PF_LayerDefault_NONE) == 0, "PF_LayerDefault_NONE");

// PF_ValueDisplayFlag_NONE ...
static_assert(static_cast<A_long>(PF_ValueDisplayFlag_NONE) == 0, "PF_ValueDisplayFlag_NONE");
static_assert(static_cast<A_long>(PF_ValueDisplayFlag_PERCENT) == 1, "PF_ValueDisplayFlag_PERCENT");
static_assert(static_cast<A_long>(PF_ValueDisplayFlag_PIXEL) == 2, "PF_ValueDisplayFlag_PIXEL");
static_assert(static_cast<A_long>(PF_ValueDisplayFlag_RESERVED1) == 4, "PF_ValueDisplayFlag_RESERVED1");
static_assert(static_cast<A_long>(PF_ValueDisplayFlag_REVERSE) == 8, "PF_ValueDisplayFlag_REVERSE");

// PF_FSliderFlag_NONE ...
static_assert(static_cast<A_long>(PF_FSliderFlag_NONE) == 0, "PF_FSliderFlag_NONE");
static_assert(static_cast<A_long>(PF_FSliderFlag_WANT_PHASE) == 1, "PF_FSliderFlag_WANT_PHASE");

// PF_PathID_NONE ...
static_assert(static_cast<A_long>(PF_PathID_NONE) == 0, "PF_PathID_NONE");

// PF_Arbitrary_NEW_FUNC ...
static_assert(static_cast<A_long>(PF_Arbitrary_NEW_FUNC) == 0, "PF_Arbitrary_NEW_FUNC");
static_assert(static_cast<A_long>(PF_Arbitrary_DISPOSE_FUNC) == 1, "PF_Arbitrary_DISPOSE_FUNC");
static_assert(static_cast<A_long>(PF_Arbitrary_COPY_FUNC) == 2, "PF_Arbitrary_COPY_FUNC");
static_assert(static_cast<A_long>(PF_Arbitrary_FLAT_SIZE_FUNC) == 3, "PF_Arbitrary_FLAT_SIZE_FUNC");
static_assert(static_cast<A_long>(PF_Arbitrary_FLATTEN_FUNC) == 4, "PF_Arbitrary_FLATTEN_FUNC");
static_assert(static_cast<A_long>(PF_Arbitrary_UNFLATTEN_FUNC) == 5, "PF_Arbitrary_UNFLATTEN_FUNC");
static_assert(static_cast<A_long>(PF_Arbitrary_INTERP_FUNC) == 6, "PF_Arbitrary_INTERP_FUNC");
static_assert(static_cast<A_long>(PF_Arbitrary_COMPARE_FUNC) == 7, "PF_Arbitrary_COMPARE_FUNC");
static_assert(static_cast<A_long>(PF_Arbitrary_PRINT_SIZE_FUNC) == 8, "PF_Arbitrary_PRINT_SIZE_FUNC");
static_assert(static_cast<A_long>(PF_Arbitrary_PRINT_FUNC) == 9, "PF_Arbitrary_PRINT_FUNC");
static_assert(static_cast<A_long>(PF_Arbitrary_SCAN_FUNC) == 10, "PF_Arbitrary_SCAN_FUNC");

// PF_ArbCompare_EQUAL ...
static_assert(static_cast<A_long>(PF_ArbCompare_EQUAL) == 0, "PF_ArbCompare_EQUAL");
static_assert(static_cast<A_long>(PF_ArbCompare_LESS) == 1, "PF_ArbCompare_LESS");
static_assert(static_cast<A_long>(PF_ArbCompare_MORE) == 2, "PF_ArbCompare_MORE");
static_assert(static_cast<A_long>(PF_ArbCompare_NOT_EQUAL) == 3, "PF_ArbCompare_NOT_EQUAL");

// PF_PUI_NONE ...
static_assert(static_cast<A_long>(PF_PUI_NONE) == 0, "PF_PUI_NONE");
static_assert(static_cast<A_long>(PF_PUI_TOPIC) == 1, "PF_PUI_TOPIC");
static_assert(static_cast<A_long>(PF_PUI_CONTROL) == 2, "PF_PUI_CONTROL");
static_assert(static_cast<A_long>(PF_PUI_STD_CONTROL_ONLY) == 4, "PF_PUI_STD_CONTROL_ONLY");
static_assert(static_cast<A_long>(PF_PUI_NO_ECW_UI) == 8, "PF_PUI_NO_ECW_UI");
static_assert(static_cast<A_long>(PF_PUI_ECW_SEPARATOR) == 16, "PF_PUI_ECW_SEPARATOR");
static_assert(static_cast<A_long>(PF_PUI_DISABLED) == 32, "PF_PUI_DISABLED");
static_assert(static_cast<A_long>(PF_PUI_DONT_ERASE_TOPIC) == 64, "PF_PUI_DONT_ERASE_TOPIC");
static_assert(static_cast<A_long>(PF_PUI_DONT_ERASE_CONTROL) == 128, "PF_PUI_DONT_ERASE_CONTROL");
static_assert(static_cast<A_long>(PF_PUI_RADIO_BUTTON) == 256, "PF_PUI_RADIO_BUTTON");
static_assert(static_cast<A_long>(PF_PUI_INVISIBLE) == 512, "PF_PUI_INVISIBLE");

// PF_ChangeFlag_NONE ...
static_assert(static_cast<A_long>(PF_ChangeFlag_NONE) == 0, "PF_ChangeFlag_NONE");
static_assert(static_cast<A_long>(PF_ChangeFlag_CHANGED_VALUE) == 1, "PF_ChangeFlag_CHANGED_VALUE");
static_assert(static_cast<A_long>(PF_ChangeFlag_RESERVED) == 2, "PF_ChangeFlag_RESERVED");
static_assert(static_cast<A_long>(PF_ChangeFlag_SET_TO_VARY) == 4, "PF_ChangeFlag_SET_TO_VARY");
static_assert(static_cast<A_long>(PF_ChangeFlag_SET_TO_CONSTANT) == 8, "PF_ChangeFlag_SET_TO_CONSTANT");

// PF_ChannelMask_ALPHA ...
static_assert(static_cast<A_long>(PF_ChannelMask_ALPHA) == 1, "PF_ChannelMask_ALPHA");
static_assert(static_cast<A_long>(PF_ChannelMask_RED) == 2, "PF_ChannelMask_RED");
static_assert(static_cast<A_long>(PF_ChannelMask_GREEN) == 4, "PF_ChannelMask_GREEN");
static_assert(static_cast<A_long>(PF_ChannelMask_BLUE) == 8, "PF_ChannelMask_BLUE");
static_assert(static_cast<A_long>(PF_ChannelMask_ARGB) == 15, "PF_ChannelMask_ARGB");

// PF_GPU_Framework_NONE ...
static_assert(static_cast<A_long>(PF_GPU_Framework_NONE) == 0, "PF_GPU_Framework_NONE");
static_assert(static_cast<A_long>(PF_GPU_Framework_OPENCL) == 1, "PF_GPU_Framework_OPENCL");
static_assert(static_cast<A_long>(PF_GPU_Framework_METAL) == 2, "PF_GPU_Framework_METAL");
static_assert(static_cast<A_long>(PF_GPU_Framework_CUDA) == 3, "PF_GPU_Framework_CUDA");

// PF_RenderOutputFlag_RETURNS_EXTRA_PIXELS ...
static_assert(static_cast<A_long>(PF_RenderOutputFlag_RETURNS_EXTRA_PIXELS) == 1,
              "PF_RenderOutputFlag_RETURNS_EXTRA_PIXELS");
static_assert(static_cast<A_long>(PF_RenderOutputFlag_GPU_RENDER_POSSIBLE) == 2,
              "PF_RenderOutputFlag_GPU_RENDER_POSSIBLE");
static_assert(static_cast<A_long>(PF_RenderOutputFlag_RESERVED1) == 4, "PF_RenderOutputFlag_RESERVED1");

// PF_SampleEdgeBehav_ZERO ...
static_assert(static_cast<A_long>(PF_SampleEdgeBehav_ZERO) == 0, "PF_SampleEdgeBehav_ZERO");

// PF_Xfer_NONE ...
static_assert(static_cast<A_long>(PF_Xfer_NONE) == -1, "PF_Xfer_NONE");
static_assert(static_cast<A_long>(PF_Xfer_COPY) == 0, "PF_Xfer_COPY");
static_assert(static_cast<A_long>(PF_Xfer_BEHIND) == 1, "PF_Xfer_BEHIND");
static_assert(static_cast<A_long>(PF_Xfer_IN_FRONT) == 2, "PF_Xfer_IN_FRONT");
static_assert(static_cast<A_long>(PF_Xfer_DISSOLVE) == 3, "PF_Xfer_DISSOLVE");
static_assert(static_cast<A_long>(PF_Xfer_ADD) == 4, "PF_Xfer_ADD");
static_assert(static_cast<A_long>(PF_Xfer_MULTIPLY) == 5, "PF_Xfer_MULTIPLY");
static_assert(static_cast<A_long>(PF_Xfer_SCREEN) == 6, "PF_Xfer_SCREEN");
static_assert(static_cast<A_long>(PF_Xfer_OVERLAY) == 7, "PF_Xfer_OVERLAY");
static_assert(static_cast<A_long>(PF_Xfer_SOFT_LIGHT) == 8, "PF_Xfer_SOFT_LIGHT");
static_assert(static_cast<A_long>(PF_Xfer_HARD_LIGHT) == 9, "PF_Xfer_HARD_LIGHT");
static_assert(static_cast<A_long>(PF_Xfer_DARKEN) == 10, "PF_Xfer_DARKEN");
static_assert(static_cast<A_long>(PF_Xfer_LIGHTEN) == 11, "PF_Xfer_LIGHTEN");
static_assert(static_cast<A_long>(PF_Xfer_DIFFERENCE) == 12, "PF_Xfer_DIFFERENCE");
static_assert(static_cast<A_long>(PF_Xfer_HUE) == 13, "PF_Xfer_HUE");
static_assert(static_cast<A_long>(PF_Xfer_SATURATION) == 14, "PF_Xfer_SATURATION");
static_assert(static_cast<A_long>(PF_Xfer_COLOR) == 15, "PF_Xfer_COLOR");
static_assert(static_cast<A_long>(PF_Xfer_LUMINOSITY) == 16, "PF_Xfer_LUMINOSITY");
static_assert(static_cast<A_long>(PF_Xfer_MULTIPLY_ALPHA) == 17, "PF_Xfer_MULTIPLY_ALPHA");
static_assert(static_cast<A_long>(PF_Xfer_MULTIPLY_ALPHA_LUMA) == 18, "PF_Xfer_MULTIPLY_ALPHA_LUMA");
static_assert(static_cast<A_long>(PF_Xfer_MULTIPLY_NOT_ALPHA) == 19, "PF_Xfer_MULTIPLY_NOT_ALPHA");
static_assert(static_cast<A_long>(PF_Xfer_MULTIPLY_NOT_ALPHA_LUMA) == 20, "PF_Xfer_MULTIPLY_NOT_ALPHA_LUMA");
static_assert(static_cast<A_long>(PF_Xfer_ADDITIVE_PREMUL) == 21, "PF_Xfer_ADDITIVE_PREMUL");
static_assert(static_cast<A_long>(PF_Xfer_ALPHA_ADD) == 22, "PF_Xfer_ALPHA_ADD");
static_assert(static_cast<A_long>(PF_Xfer_COLOR_DODGE) == 23, "PF_Xfer_COLOR_DODGE");
static_assert(static_cast<A_long>(PF_Xfer_COLOR_BURN) == 24, "PF_Xfer_COLOR_BURN");
static_assert(static_cast<A_long>(PF_Xfer_EXCLUSION) == 25, "PF_Xfer_EXCLUSION");
static_assert(static_cast<A_long>(PF_Xfer_DIFFERENCE2) == 26, "PF_Xfer_DIFFERENCE2");
static_assert(static_cast<A_long>(PF_Xfer_COLOR_DODGE2) == 27, "PF_Xfer_COLOR_DODGE2");
static_assert(static_cast<A_long>(PF_Xfer_COLOR_BURN2) == 28, "PF_Xfer_COLOR_BURN2");
static_assert(static_cast<A_long>(PF_Xfer_LINEAR_DODGE) == 29, "PF_Xfer_LINEAR_DODGE");
static_assert(static_cast<A_long>(PF_Xfer_LINEAR_BURN) == 30, "PF_Xfer_LINEAR_BURN");
static_assert(static_cast<A_long>(PF_Xfer_LINEAR_LIGHT) == 31, "PF_Xfer_LINEAR_LIGHT");
static_assert(static_cast<A_long>(PF_Xfer_VIVID_LIGHT) == 32, "PF_Xfer_VIVID_LIGHT");
static_assert(static_cast<A_long>(PF_Xfer_PIN_LIGHT) == 33, "PF_Xfer_PIN_LIGHT");
static_assert(static_cast<A_long>(PF_Xfer_HARD_MIX) == 34, "PF_Xfer_HARD_MIX");
static_assert(static_cast<A_long>(PF_Xfer_LIGHTER_COLOR) == 35, "PF_Xfer_LIGHTER_COLOR");
static_assert(static_cast<A_long>(PF_Xfer_DARKER_COLOR) == 36, "PF_Xfer_DARKER_COLOR");
static_assert(static_cast<A_long>(PF_Xfer_SUBTRACT) == 37, "PF_Xfer_SUBTRACT");
static_assert(static_cast<A_long>(PF_Xfer_DIVIDE) == 38, "PF_Xfer_DIVIDE");
static_assert(static_cast<A_long>(PF_Xfer_RESERVED0) == 39, "PF_Xfer_RESERVED0");
static_assert(static_cast<A_long>(PF_Xfer_RESERVED1) == 40, "PF_Xfer_RESERVED1");
static_assert(static_cast<A_long>(PF_Xfer_NUM_MODES) == 41, "PF_Xfer_NUM_MODES");

// PF_Xfer_TINT ...
static_assert(static_cast<A_long>(PF_Xfer_TINT) == 29, "PF_Xfer_TINT");
static_assert(static_cast<A_long>(PF_Xfer_SHADE) == 30, "PF_Xfer_SHADE");
static_assert(static_cast<A_long>(PF_Xfer_INTENSE_LIGHT) == 32, "PF_Xfer_INTENSE_LIGHT");

// PF_PlatData_MAIN_WND ...
static_assert(static_cast<A_long>(PF_PlatData_MAIN_WND) == 0, "PF_PlatData_MAIN_WND");
static_assert(static_cast<A_long>(PF_PlatData_EXE_FILE_PATH_DEPRECATED) == 1, "PF_PlatData_EXE_FILE_PATH_DEPRECATED");
static_assert(static_cast<A_long>(PF_PlatData_RES_FILE_PATH_DEPRECATED) == 2, "PF_PlatData_RES_FILE_PATH_DEPRECATED");
static_assert(static_cast<A_long>(PF_PlatData_RES_REFNUM) == 3, "PF_PlatData_RES_REFNUM");
static_assert(static_cast<A_long>(PF_PlatData_RES_DLLINSTANCE) == 4, "PF_PlatData_RES_DLLINSTANCE");
static_assert(static_cast<A_long>(PF_PlatData_SP_PLUG_REF) == 5, "PF_PlatData_SP_PLUG_REF");
static_assert(static_cast<A_long>(PF_PlatData_BUNDLE_REF) == 6, "PF_PlatData_BUNDLE_REF");
static_assert(static_cast<A_long>(PF_PlatData_EXE_FILE_PATH_W) == 7, "PF_PlatData_EXE_FILE_PATH_W");
static_assert(static_cast<A_long>(PF_PlatData_RES_FILE_PATH_W) == 8, "PF_PlatData_RES_FILE_PATH_W");

// PF_NewWorldFlag_NONE ...
static_assert(static_cast<A_long>(PF_NewWorldFlag_NONE) == 0, "PF_NewWorldFlag_NONE");
static_assert(static_cast<A_long>(PF_NewWorldFlag_CLEAR_PIXELS) == 1, "PF_NewWorldFlag_CLEAR_PIXELS");
static_assert(static_cast<A_long>(PF_NewWorldFlag_DEEP_PIXELS) == 2, "PF_NewWorldFlag_DEEP_PIXELS");
static_assert(static_cast<A_long>(PF_NewWorldFlag_RESERVED0) == 4, "PF_NewWorldFlag_RESERVED0");
static_assert(static_cast<A_long>(PF_NewWorldFlag_RESERVED1) == 8, "PF_NewWorldFlag_RESERVED1");

// PF_PixelFormat_ARGB32 ...
static_assert(static_cast<A_long>(PF_PixelFormat_ARGB32) == 1650946657, "PF_PixelFormat_ARGB32");
static_assert(static_cast<A_long>(PF_PixelFormat_ARGB64) == 909206881, "PF_PixelFormat_ARGB64");
static_assert(static_cast<A_long>(PF_PixelFormat_ARGB128) == 842229089, "PF_PixelFormat_ARGB128");
static_assert(static_cast<A_long>(PF_PixelFormat_GPU_BGRA128) == 1094992704, "PF_PixelFormat_GPU_BGRA128");
static_assert(static_cast<A_long>(PF_PixelFormat_RESERVED) == 1631863616, "PF_PixelFormat_RESERVED");
static_assert(static_cast<A_long>(PF_PixelFormat_BGRA32) == 1634887522, "PF_PixelFormat_BGRA32");
static_assert(static_cast<A_long>(PF_PixelFormat_VUYA32) == 1635349878, "PF_PixelFormat_VUYA32");
static_assert(static_cast<A_long>(PF_PixelFormat_NTSCDV25) == 846100068, "PF_PixelFormat_NTSCDV25");
static_assert(static_cast<A_long>(PF_PixelFormat_PALDV25) == 846231140, "PF_PixelFormat_PALDV25");
static_assert(static_cast<A_long>(PF_PixelFormat_INVALID) == 1717854562, "PF_PixelFormat_INVALID");
static_assert(static_cast<A_long>(PF_PixelFormat_FORCE_LONG_INT) == -1, "PF_PixelFormat_FORCE_LONG_INT");

// kDRAWBOT_FillType_EvenOdd ...
static_assert(static_cast<A_long>(kDRAWBOT_FillType_EvenOdd) == 0, "kDRAWBOT_FillType_EvenOdd");
static_assert(static_cast<A_long>(kDRAWBOT_FillType_Winding) == 1, "kDRAWBOT_FillType_Winding");
static_assert(static_cast<A_long>(kDRAWBOT_FillType_Default) == 1, "kDRAWBOT_FillType_Default");

// kDRAWBOT_PixelLayout_24RGB ...
static_assert(static_cast<A_long>(kDRAWBOT_PixelLayout_24RGB) == 0, "kDRAWBOT_PixelLayout_24RGB");
static_assert(static_cast<A_long>(kDRAWBOT_PixelLayout_24BGR) == 1, "kDRAWBOT_PixelLayout_24BGR");
static_assert(static_cast<A_long>(kDRAWBOT_PixelLayout_32RGB) == 2, "kDRAWBOT_PixelLayout_32RGB");
static_assert(static_cast<A_long>(kDRAWBOT_PixelLayout_32BGR) == 3, "kDRAWBOT_PixelLayout_32BGR");
static_assert(static_cast<A_long>(kDRAWBOT_PixelLayout_32ARGB_Straight) == 4, "kDRAWBOT_PixelLayout_32ARGB_Straight");
static_assert(static_cast<A_long>(kDRAWBOT_PixelLayout_32ARGB_Premul) == 5, "kDRAWBOT_PixelLayout_32ARGB_Premul");
static_assert(static_cast<A_long>(kDRAWBOT_PixelLayout_32BGRA_Straight) == 6, "kDRAWBOT_PixelLayout_32BGRA_Straight");
static_assert(static_cast<A_long>(kDRAWBOT_PixelLayout_32BGRA_Premul) == 7, "kDRAWBOT_PixelLayout_32BGRA_Premul");

// kDRAWBOT_TextAlignment_Left ...
static_assert(static_cast<A_long>(kDRAWBOT_TextAlignment_Left) == 0, "kDRAWBOT_TextAlignment_Left");
static_assert(static_cast<A_long>(kDRAWBOT_TextAlignment_Center) == 1, "kDRAWBOT_TextAlignment_Center");
static_assert(static_cast<A_long>(kDRAWBOT_TextAlignment_Right) == 2, "kDRAWBOT_TextAlignment_Right");
static_assert(static_cast<A_long>(kDRAWBOT_TextAlignment_Default) == 0, "kDRAWBOT_TextAlignment_Default");

// kDRAWBOT_TextTruncation_None ...
static_assert(static_cast<A_long>(kDRAWBOT_TextTruncation_None) == 0, "kDRAWBOT_TextTruncation_None");
static_assert(static_cast<A_long>(kDRAWBOT_TextTruncation_End) == 1, "kDRAWBOT_TextTruncation_End");
static_assert(static_cast<A_long>(kDRAWBOT_TextTruncation_EndEllipsis) == 2, "kDRAWBOT_TextTruncation_EndEllipsis");
static_assert(static_cast<A_long>(kDRAWBOT_TextTruncation_PathEllipsis) == 3, "kDRAWBOT_TextTruncation_PathEllipsis");

// kDRAWBOT_InterpolationPolicy_None ...
static_assert(static_cast<A_long>(kDRAWBOT_InterpolationPolicy_None) == 0, "kDRAWBOT_InterpolationPolicy_None");
static_assert(static_cast<A_long>(kDRAWBOT_InterpolationPolicy_Med) == 1, "kDRAWBOT_InterpolationPolicy_Med");
static_assert(static_cast<A_long>(kDRAWBOT_InterpolationPolicy_High) == 2, "kDRAWBOT_InterpolationPolicy_High");
static_assert(static_cast<A_long>(kDRAWBOT_InterpolationPolicy_Default) == 0, "kDRAWBOT_InterpolationPolicy_Default");

// kDRAWBOT_AntiAliasPolicy_None ...
static_assert(static_cast<A_long>(kDRAWBOT_AntiAliasPolicy_None) == 0, "kDRAWBOT_AntiAliasPolicy_None");
static_assert(static_cast<A_long>(kDRAWBOT_AntiAliasPolicy_Med) == 1, "kDRAWBOT_AntiAliasPolicy_Med");
static_assert(static_cast<A_long>(kDRAWBOT_AntiAliasPolicy_High) == 2, "kDRAWBOT_AntiAliasPolicy_High");
static_assert(static_cast<A_long>(kDRAWBOT_AntiAliasPolicy_Default) == 0, "kDRAWBOT_AntiAliasPolicy_Default");

// PF_CustomEFlag_NONE ...
static_assert(static_cast<A_long>(PF_CustomEFlag_NONE) == 0, "PF_CustomEFlag_NONE");
static_assert(static_cast<A_long>(PF_CustomEFlag_COMP) == 1, "PF_CustomEFlag_COMP");
static_assert(static_cast<A_long>(PF_CustomEFlag_LAYER) == 2, "PF_CustomEFlag_LAYER");
static_assert(static_cast<A_long>(PF_CustomEFlag_EFFECT) == 4, "PF_CustomEFlag_EFFECT");
static_assert(static_cast<A_long>(PF_CustomEFlag_PREVIEW) == 8, "PF_CustomEFlag_PREVIEW");

// PF_Window_NONE ...
static_assert(static_cast<A_long>(PF_Window_NONE) == -1, "PF_Window_NONE");
static_assert(static_cast<A_long>(PF_Window_COMP) == 0, "PF_Window_COMP");
static_assert(static_cast<A_long>(PF_Window_LAYER) == 1, "PF_Window_LAYER");
static_assert(static_cast<A_long>(PF_Window_EFFECT) == 2, "PF_Window_EFFECT");
static_assert(static_cast<A_long>(PF_Window_PREVIEW) == 3, "PF_Window_PREVIEW");

// PF_Event_NONE ...
static_assert(static_cast<A_long>(PF_Event_NONE) == -1, "PF_Event_NONE");
static_assert(static_cast<A_long>(PF_Event_NEW_CONTEXT) == 0, "PF_Event_NEW_CONTEXT");
static_assert(static_cast<A_long>(PF_Event_ACTIVATE) == 1, "PF_Event_ACTIVATE");
static_assert(static_cast<A_long>(PF_Event_DO_CLICK) == 2, "PF_Event_DO_CLICK");
static_assert(static_cast<A_long>(PF_Event_DRAG) == 3, "PF_Event_DRAG");
static_assert(static_cast<A_long>(PF_Event_DRAW) == 4, "PF_Event_DRAW");
static_assert(static_cast<A_long>(PF_Event_DEACTIVATE) == 5, "PF_Event_DEACTIVATE");
static_assert(static_cast<A_long>(PF_Event_CLOSE_CONTEXT) == 6, "PF_Event_CLOSE_CONTEXT");
static_assert(static_cast<A_long>(PF_Event_IDLE) == 7, "PF_Event_IDLE");
static_assert(static_cast<A_long>(PF_Event_KEYDOWN_OBSOLETE) == 8, "PF_Event_KEYDOWN_OBSOLETE");
static_assert(static_cast<A_long>(PF_Event_ADJUST_CURSOR) == 9, "PF_Event_ADJUST_CURSOR");
static_assert(static_cast<A_long>(PF_Event_KEYDOWN) == 10, "PF_Event_KEYDOWN");
static_assert(static_cast<A_long>(PF_Event_MOUSE_EXITED) == 11, "PF_Event_MOUSE_EXITED");
static_assert(static_cast<A_long>(PF_Event_NUM_EVENTS) == 12, "PF_Event_NUM_EVENTS");

// PF_Cursor_NONE ...
static_assert(static_cast<A_long>(PF_Cursor_NONE) == 0, "PF_Cursor_NONE");
static_assert(static_cast<A_long>(PF_Cursor_CUSTOM) == 1, "PF_Cursor_CUSTOM");
static_assert(static_cast<A_long>(PF_Cursor_ARROW) == 2, "PF_Cursor_ARROW");
static_assert(static_cast<A_long>(PF_Cursor_HOLLOW_ARROW) == 3, "PF_Cursor_HOLLOW_ARROW");
static_assert(static_cast<A_long>(PF_Cursor_WATCH_N_WAIT) == 4, "PF_Cursor_WATCH_N_WAIT");
static_assert(static_cast<A_long>(PF_Cursor_MAGNIFY) == 5, "PF_Cursor_MAGNIFY");
static_assert(static_cast<A_long>(PF_Cursor_MAGNIFY_PLUS) == 6, "PF_Cursor_MAGNIFY_PLUS");
static_assert(static_cast<A_long>(PF_Cursor_MAGNIFY_MINUS) == 7, "PF_Cursor_MAGNIFY_MINUS");
static_assert(static_cast<A_long>(PF_Cursor_CROSSHAIRS) == 8, "PF_Cursor_CROSSHAIRS");
static_assert(static_cast<A_long>(PF_Cursor_CROSS_RECT) == 9, "PF_Cursor_CROSS_RECT");
static_assert(static_cast<A_long>(PF_Cursor_CROSS_OVAL) == 10, "PF_Cursor_CROSS_OVAL");
static_assert(static_cast<A_long>(PF_Cursor_CROSS_ROTATE) == 11, "PF_Cursor_CROSS_ROTATE");
static_assert(static_cast<A_long>(PF_Cursor_PAN) == 12, "PF_Cursor_PAN");
static_assert(static_cast<A_long>(PF_Cursor_EYEDROPPER) == 13, "PF_Cursor_EYEDROPPER");
static_assert(static_cast<A_long>(PF_Cursor_HAND) == 14, "PF_Cursor_HAND");
static_assert(static_cast<A_long>(PF_Cursor_PEN) == 15, "PF_Cursor_PEN");
static_assert(static_cast<A_long>(PF_Cursor_PEN_ADD) == 16, "PF_Cursor_PEN_ADD");
static_assert(static_cast<A_long>(PF_Cursor_PEN_DELETE) == 17, "PF_Cursor_PEN_DELETE");
static_assert(static_cast<A_long>(PF_Cursor_PEN_CLOSE) == 18, "PF_Cursor_PEN_CLOSE");
static_assert(static_cast<A_long>(PF_Cursor_PEN_DRAG) == 19, "PF_Cursor_PEN_DRAG");
static_assert(static_cast<A_long>(PF_Cursor_PEN_CORNER) == 20, "PF_Cursor_PEN_CORNER");
static_assert(static_cast<A_long>(PF_Cursor_RESIZE_VERTICAL) == 21, "PF_Cursor_RESIZE_VERTICAL");
static_assert(static_cast<A_long>(PF_Cursor_RESIZE_HORIZONTAL) == 22, "PF_Cursor_RESIZE_HORIZONTAL");
static_assert(static_cast<A_long>(PF_Cursor_FINGER_POINTER) == 23, "PF_Cursor_FINGER_POINTER");
static_assert(static_cast<A_long>(PF_Cursor_SCALE_HORIZ) == 24, "PF_Cursor_SCALE_HORIZ");
static_assert(static_cast<A_long>(PF_Cursor_SCALE_DIAG_LR) == 25, "PF_Cursor_SCALE_DIAG_LR");
static_assert(static_cast<A_long>(PF_Cursor_SCALE_VERT) == 26, "PF_Cursor_SCALE_VERT");
static_assert(static_cast<A_long>(PF_Cursor_SCALE_DIAG_UR) == 27, "PF_Cursor_SCALE_DIAG_UR");
static_assert(static_cast<A_long>(PF_Cursor_ROT_TOP) == 28, "PF_Cursor_ROT_TOP");
static_assert(static_cast<A_long>(PF_Cursor_ROT_TOP_RIGHT) == 29, "PF_Cursor_ROT_TOP_RIGHT");
static_assert(static_cast<A_long>(PF_Cursor_ROT_RIGHT) == 30, "PF_Cursor_ROT_RIGHT");
static_assert(static_cast<A_long>(PF_Cursor_ROT_BOT_RIGHT) == 31, "PF_Cursor_ROT_BOT_RIGHT");
static_assert(static_cast<A_long>(PF_Cursor_ROT_BOTTOM) == 32, "PF_Cursor_ROT_BOTTOM");
static_assert(static_cast<A_long>(PF_Cursor_ROT_BOT_LEFT) == 33, "PF_Cursor_ROT_BOT_LEFT");
static_assert(static_cast<A_long>(PF_Cursor_ROT_LEFT) == 34, "PF_Cursor_ROT_LEFT");
static_assert(static_cast<A_long>(PF_Cursor_ROT_TOP_LEFT) == 35, "PF_Cursor_ROT_TOP_LEFT");
static_assert(static_cast<A_long>(PF_Cursor_DRAG_CENTER) == 36, "PF_Cursor_DRAG_CENTER");
static_assert(static_cast<A_long>(PF_Cursor_COPY) == 37, "PF_Cursor_COPY");
static_assert(static_cast<A_long>(PF_Cursor_ALIAS) == 38, "PF_Cursor_ALIAS");
static_assert(static_cast<A_long>(PF_Cursor_CONTEXT) == 39, "PF_Cursor_CONTEXT");
static_assert(static_cast<A_long>(PF_Cursor_SLIP_EDIT) == 40, "PF_Cursor_SLIP_EDIT");
static_assert(static_cast<A_long>(PF_Cursor_CAMERA_ORBIT_CAMERA) == 41, "PF_Cursor_CAMERA_ORBIT_CAMERA");
static_assert(static_cast<A_long>(PF_Cursor_CAMERA_PAN_CAMERA) == 42, "PF_Cursor_CAMERA_PAN_CAMERA");
static_assert(static_cast<A_long>(PF_Cursor_CAMERA_DOLLY_CAMERA) == 43, "PF_Cursor_CAMERA_DOLLY_CAMERA");
static_assert(static_cast<A_long>(PF_Cursor_ROTATE_X) == 44, "PF_Cursor_ROTATE_X");
static_assert(static_cast<A_long>(PF_Cursor_ROTATE_Y) == 45, "PF_Cursor_ROTATE_Y");
static_assert(static_cast<A_long>(PF_Cursor_ROTATE_Z) == 46, "PF_Cursor_ROTATE_Z");
static_assert(static_cast<A_long>(PF_Cursor_ARROW_X) == 47, "PF_Cursor_ARROW_X");
static_assert(static_cast<A_long>(PF_Cursor_ARROW_Y) == 48, "PF_Cursor_ARROW_Y");
static_assert(static_cast<A_long>(PF_Cursor_ARROW_Z) == 49, "PF_Cursor_ARROW_Z");
static_assert(static_cast<A_long>(PF_Cursor_SCISSORS) == 50, "PF_Cursor_SCISSORS");
static_assert(static_cast<A_long>(PF_Cursor_FAT_EYEDROPPER) == 51, "PF_Cursor_FAT_EYEDROPPER");
static_assert(static_cast<A_long>(PF_Cursor_FINGER_POINTER_SCRUB) == 52, "PF_Cursor_FINGER_POINTER_SCRUB");
static_assert(static_cast<A_long>(PF_Cursor_HORZ_I_BEAM) == 53, "PF_Cursor_HORZ_I_BEAM");
static_assert(static_cast<A_long>(PF_Cursor_VERT_I_BEAM) == 54, "PF_Cursor_VERT_I_BEAM");
static_assert(static_cast<A_long>(PF_Cursor_HORZ_BOX_I_BEAM) == 55, "PF_Cursor_HORZ_BOX_I_BEAM");
static_assert(static_cast<A_long>(PF_Cursor_VERT_BOX_I_BEAM) == 56, "PF_Cursor_VERT_BOX_I_BEAM");
static_assert(static_cast<A_long>(PF_Cursor_I_BEAM_0) == 57, "PF_Cursor_I_BEAM_0");
static_assert(static_cast<A_long>(PF_Cursor_I_BEAM_11_25) == 58, "PF_Cursor_I_BEAM_11_25");
static_assert(static_cast<A_long>(PF_Cursor_I_BEAM_22_5) == 59, "PF_Cursor_I_BEAM_22_5");
static_assert(static_cast<A_long>(PF_Cursor_I_BEAM_33_75) == 60, "PF_Cursor_I_BEAM_33_75");
static_assert(static_cast<A_long>(PF_Cursor_I_BEAM_45) == 61, "PF_Cursor_I_BEAM_45");
static_assert(static_cast<A_long>(PF_Cursor_I_BEAM_56_25) == 62, "PF_Cursor_I_BEAM_56_25");
static_assert(static_cast<A_long>(PF_Cursor_I_BEAM_67_5) == 63, "PF_Cursor_I_BEAM_67_5");
static_assert(static_cast<A_long>(PF_Cursor_I_BEAM_78_75) == 64, "PF_Cursor_I_BEAM_78_75");
static_assert(static_cast<A_long>(PF_Cursor_I_BEAM_90) == 65, "PF_Cursor_I_BEAM_90");
static_assert(static_cast<A_long>(PF_Cursor_I_BEAM_101_25) == 66, "PF_Cursor_I_BEAM_101_25");
static_assert(static_cast<A_long>(PF_Cursor_I_BEAM_112_5) == 67, "PF_Cursor_I_BEAM_112_5");
static_assert(static_cast<A_long>(PF_Cursor_I_BEAM_123_75) == 68, "PF_Cursor_I_BEAM_123_75");
static_assert(static_cast<A_long>(PF_Cursor_I_BEAM_135) == 69, "PF_Cursor_I_BEAM_135");
static_assert(static_cast<A_long>(PF_Cursor_I_BEAM_146_25) == 70, "PF_Cursor_I_BEAM_146_25");
static_assert(static_cast<A_long>(PF_Cursor_I_BEAM_157_5) == 71, "PF_Cursor_I_BEAM_157_5");
static_assert(static_cast<A_long>(PF_Cursor_I_BEAM_168_75) == 72, "PF_Cursor_I_BEAM_168_75");
static_assert(static_cast<A_long>(PF_Cursor_CROSSHAIRS_PICKUP) == 73, "PF_Cursor_CROSSHAIRS_PICKUP");
static_assert(static_cast<A_long>(PF_Cursor_ARROW_SELECTOR) == 74, "PF_Cursor_ARROW_SELECTOR");
static_assert(static_cast<A_long>(PF_Cursor_LAYER_MOVE) == 75, "PF_Cursor_LAYER_MOVE");
static_assert(static_cast<A_long>(PF_Cursor_MOVE_START_MARGIN) == 76, "PF_Cursor_MOVE_START_MARGIN");
static_assert(static_cast<A_long>(PF_Cursor_MOVE_END_MARGIN) == 77, "PF_Cursor_MOVE_END_MARGIN");
static_assert(static_cast<A_long>(PF_Cursor_SOLID_ARROW) == 78, "PF_Cursor_SOLID_ARROW");
static_assert(static_cast<A_long>(PF_Cursor_HOLLOW_ARROW_PLUS) == 79, "PF_Cursor_HOLLOW_ARROW_PLUS");
static_assert(static_cast<A_long>(PF_Cursor_BRUSH_CENTER) == 80, "PF_Cursor_BRUSH_CENTER");
static_assert(static_cast<A_long>(PF_Cursor_CLONE_SOURCE) == 81, "PF_Cursor_CLONE_SOURCE");
static_assert(static_cast<A_long>(PF_Cursor_CLONE_SOURCE_OFFSET) == 82, "PF_Cursor_CLONE_SOURCE_OFFSET");
static_assert(static_cast<A_long>(PF_Cursor_HOLLOW_LAYER_MOVE) == 83, "PF_Cursor_HOLLOW_LAYER_MOVE");
static_assert(static_cast<A_long>(PF_Cursor_MOVE_TRACK_SEARCH_REGION) == 84, "PF_Cursor_MOVE_TRACK_SEARCH_REGION");
static_assert(static_cast<A_long>(PF_Cursor_MOVE_TRACK_ATTACH_POINT) == 85, "PF_Cursor_MOVE_TRACK_ATTACH_POINT");
static_assert(static_cast<A_long>(PF_Cursor_COLOR_CUBE_CROSS_SECTION) == 86, "PF_Cursor_COLOR_CUBE_CROSS_SECTION");
static_assert(static_cast<A_long>(PF_Cursor_PEN_CORNER_ROTOBEZ_TENSION) == 87, "PF_Cursor_PEN_CORNER_ROTOBEZ_TENSION");
static_assert(static_cast<A_long>(PF_Cursor_PIN) == 88, "PF_Cursor_PIN");
static_assert(static_cast<A_long>(PF_Cursor_PIN_ADD) == 89, "PF_Cursor_PIN_ADD");
static_assert(static_cast<A_long>(PF_Cursor_MESH_ADD) == 90, "PF_Cursor_MESH_ADD");
static_assert(static_cast<A_long>(PF_Cursor_MARQUEE) == 91, "PF_Cursor_MARQUEE");
static_assert(static_cast<A_long>(PF_Cursor_CROSS_ROUNDED_RECT) == 92, "PF_Cursor_CROSS_ROUNDED_RECT");
static_assert(static_cast<A_long>(PF_Cursor_CROSS_POLYGON) == 93, "PF_Cursor_CROSS_POLYGON");
static_assert(static_cast<A_long>(PF_Cursor_CROSS_STAR) == 94, "PF_Cursor_CROSS_STAR");
static_assert(static_cast<A_long>(PF_Cursor_PIN_STARCH) == 95, "PF_Cursor_PIN_STARCH");
static_assert(static_cast<A_long>(PF_Cursor_PIN_OVERLAP) == 96, "PF_Cursor_PIN_OVERLAP");
static_assert(static_cast<A_long>(PF_Cursor_STOPWATCH) == 97, "PF_Cursor_STOPWATCH");
static_assert(static_cast<A_long>(PF_Cursor_DRAG_DOT) == 98, "PF_Cursor_DRAG_DOT");
static_assert(static_cast<A_long>(PF_Cursor_DRAG_CIRCLE) == 99, "PF_Cursor_DRAG_CIRCLE");
static_assert(static_cast<A_long>(PF_Cursor_DIRECT_SELECT) == 100, "PF_Cursor_DIRECT_SELECT");
static_assert(static_cast<A_long>(PF_Cursor_DRAG_COPY_MOVE) == 101, "PF_Cursor_DRAG_COPY_MOVE");
static_assert(static_cast<A_long>(PF_Cursor_DRAG_COPY_ROTATE) == 102, "PF_Cursor_DRAG_COPY_ROTATE");
static_assert(static_cast<A_long>(PF_Cursor_CAMERA_MAYA) == 103, "PF_Cursor_CAMERA_MAYA");
static_assert(static_cast<A_long>(PF_Cursor_RESIZE_HORIZONTAL_LEFT) == 104, "PF_Cursor_RESIZE_HORIZONTAL_LEFT");
static_assert(static_cast<A_long>(PF_Cursor_RESIZE_HORIZONTAL_RIGHT) == 105, "PF_Cursor_RESIZE_HORIZONTAL_RIGHT");
static_assert(static_cast<A_long>(PF_Cursor_FEATHER) == 106, "PF_Cursor_FEATHER");
static_assert(static_cast<A_long>(PF_Cursor_FEATHER_ADD) == 107, "PF_Cursor_FEATHER_ADD");
static_assert(static_cast<A_long>(PF_Cursor_FEATHER_DELETE) == 108, "PF_Cursor_FEATHER_DELETE");
static_assert(static_cast<A_long>(PF_Cursor_FEATHER_MOVE) == 109, "PF_Cursor_FEATHER_MOVE");
static_assert(static_cast<A_long>(PF_Cursor_FEATHER_TENSION) == 110, "PF_Cursor_FEATHER_TENSION");
static_assert(static_cast<A_long>(PF_Cursor_FEATHER_MARQUEE) == 111, "PF_Cursor_FEATHER_MARQUEE");
static_assert(static_cast<A_long>(PF_Cursor_LASSO_ARROW) == 112, "PF_Cursor_LASSO_ARROW");
static_assert(static_cast<A_long>(PF_Cursor_DRAG_NO_DROP) == 113, "PF_Cursor_DRAG_NO_DROP");
static_assert(static_cast<A_long>(PF_Cursor_DRAG_COPY) == 114, "PF_Cursor_DRAG_COPY");
static_assert(static_cast<A_long>(PF_Cursor_DRAG_LINK) == 115, "PF_Cursor_DRAG_LINK");
static_assert(static_cast<A_long>(PF_Cursor_PIN_BEND) == 116, "PF_Cursor_PIN_BEND");
static_assert(static_cast<A_long>(PF_Cursor_PIN_ADVANCED) == 117, "PF_Cursor_PIN_ADVANCED");
static_assert(static_cast<A_long>(PF_Cursor_CAMERA_ORBIT_CURSOR) == 118, "PF_Cursor_CAMERA_ORBIT_CURSOR");
static_assert(static_cast<A_long>(PF_Cursor_CAMERA_ORBIT_SCENE) == 119, "PF_Cursor_CAMERA_ORBIT_SCENE");
static_assert(static_cast<A_long>(PF_Cursor_CAMERA_PAN_CURSOR) == 120, "PF_Cursor_CAMERA_PAN_CURSOR");
static_assert(static_cast<A_long>(PF_Cursor_CAMERA_DOLLY_TOWARDS_CURSOR) == 121,
              "PF_Cursor_CAMERA_DOLLY_TOWARDS_CURSOR");
static_assert(static_cast<A_long>(PF_Cursor_CAMERA_DOLLY_TO_CURSOR) == 122, "PF_Cursor_CAMERA_DOLLY_TO_CURSOR");
static_assert(static_cast<A_long>(PF_MAX_CURSOR_PLUS_ONE) == 123, "PF_MAX_CURSOR_PLUS_ONE");

// PF_Mod_NONE ...
static_assert(static_cast<A_long>(PF_Mod_NONE) == 0, "PF_Mod_NONE");
static_assert(static_cast<A_long>(PF_Mod_CMD_CTRL_KEY) == 256, "PF_Mod_CMD_CTRL_KEY");
static_assert(static_cast<A_long>(PF_Mod_SHIFT_KEY) == 512, "PF_Mod_SHIFT_KEY");
static_assert(static_cast<A_long>(PF_Mod_CAPS_LOCK_KEY) == 1024, "PF_Mod_CAPS_LOCK_KEY");
static_assert(static_cast<A_long>(PF_Mod_OPT_ALT_KEY) == 2048, "PF_Mod_OPT_ALT_KEY");
static_assert(static_cast<A_long>(PF_Mod_MAC_CONTROL_KEY) == 4096, "PF_Mod_MAC_CONTROL_KEY");

// PF_EA_NONE ...
static_assert(static_cast<A_long>(PF_EA_NONE) == 0, "PF_EA_NONE");
static_assert(static_cast<A_long>(PF_EA_PARAM_TITLE) == 1, "PF_EA_PARAM_TITLE");
static_assert(static_cast<A_long>(PF_EA_CONTROL) == 2, "PF_EA_CONTROL");

// PF_EO_NONE ...
static_assert(static_cast<A_long>(PF_EO_NONE) == 0, "PF_EO_NONE");
static_assert(static_cast<A_long>(PF_EO_HANDLED_EVENT) == 1, "PF_EO_HANDLED_EVENT");
static_assert(static_cast<A_long>(PF_EO_ALWAYS_UPDATE) == 2, "PF_EO_ALWAYS_UPDATE");
static_assert(static_cast<A_long>(PF_EO_NEVER_UPDATE) == 4, "PF_EO_NEVER_UPDATE");
static_assert(static_cast<A_long>(PF_EO_UPDATE_NOW) == 8, "PF_EO_UPDATE_NOW");

// PF_EI_NONE ...
static_assert(static_cast<A_long>(PF_EI_NONE) == 0, "PF_EI_NONE");
static_assert(static_cast<A_long>(PF_EI_DONT_DRAW) == 1, "PF_EI_DONT_DRAW");

// PF_UIAlignment_NONE ...
static_assert(static_cast<A_long>(PF_UIAlignment_NONE) == 0, "PF_UIAlignment_NONE");
static_assert(static_cast<A_long>(PF_UIAlignment_TOP) == 1, "PF_UIAlignment_TOP");
static_assert(static_cast<A_long>(PF_UIAlignment_LEFT) == 2, "PF_UIAlignment_LEFT");
static_assert(static_cast<A_long>(PF_UIAlignment_BOTTOM) == 4, "PF_UIAlignment_BOTTOM");
static_assert(static_cast<A_long>(PF_UIAlignment_RIGHT) == 8, "PF_UIAlignment_RIGHT");

// PF_TimeDir_GREATER_THAN ...
static_assert(static_cast<A_long>(PF_TimeDir_GREATER_THAN) == 0, "PF_TimeDir_GREATER_THAN");
static_assert(static_cast<A_long>(PF_TimeDir_LESS_THAN) == 1, "PF_TimeDir_LESS_THAN");
static_assert(static_cast<A_long>(PF_TimeDir_GREATER_THAN_OR_EQUAL) == 4096, "PF_TimeDir_GREATER_THAN_OR_EQUAL");
static_assert(static_cast<A_long>(PF_TimeDir_LESS_THAN_OR_EQUAL) == 4097, "PF_TimeDir_LESS_THAN_OR_EQUAL");

// PF_Step_FORWARD ...
static_assert(static_cast<A_long>(PF_Step_FORWARD) == 0, "PF_Step_FORWARD");
static_assert(static_cast<A_long>(PF_Step_BACKWARD) == 1, "PF_Step_BACKWARD");

// PF_TimeDisplayFormatTimecode ...
static_assert(static_cast<A_long>(PF_TimeDisplayFormatTimecode) == 0, "PF_TimeDisplayFormatTimecode");
static_assert(static_cast<A_long>(PF_TimeDisplayFormatFrames) == 1, "PF_TimeDisplayFormatFrames");
static_assert(static_cast<A_long>(PF_TimeDisplayFormatFeetFrames) == 2, "PF_TimeDisplayFormatFeetFrames");

// AEGP_Platform_MAC ...
static_assert(static_cast<A_long>(AEGP_Platform_MAC) == 0, "AEGP_Platform_MAC");
static_assert(static_cast<A_long>(AEGP_Platform_WIN) == 1, "AEGP_Platform_WIN");

// AEGP_MemFlag_NONE ...
static_assert(static_cast<A_long>(AEGP_MemFlag_NONE) == 0, "AEGP_MemFlag_NONE");
static_assert(static_cast<A_long>(AEGP_MemFlag_CLEAR) == 1, "AEGP_MemFlag_CLEAR");
static_assert(static_cast<A_long>(AEGP_MemFlag_QUIET) == 2, "AEGP_MemFlag_QUIET");

// AEGP_LTimeMode_LayerTime ...
static_assert(static_cast<A_long>(AEGP_LTimeMode_LayerTime) == 0, "AEGP_LTimeMode_LayerTime");
static_assert(static_cast<A_long>(AEGP_LTimeMode_CompTime) == 1, "AEGP_LTimeMode_CompTime");

// AEGP_LayerStream_NONE ...
static_assert(static_cast<A_long>(AEGP_LayerStream_NONE) == -1, "AEGP_LayerStream_NONE");
static_assert(static_cast<A_long>(AEGP_LayerStream_ANCHORPOINT) == 0, "AEGP_LayerStream_ANCHORPOINT");
static_assert(static_cast<A_long>(AEGP_LayerStream_POSITION) == 1, "AEGP_LayerStream_POSITION");
static_assert(static_cast<A_long>(AEGP_LayerStream_SCALE) == 2, "AEGP_LayerStream_SCALE");
static_assert(static_cast<A_long>(AEGP_LayerStream_ROTATION) == 3, "AEGP_LayerStream_ROTATION");
static_assert(static_cast<A_long>(AEGP_LayerStream_ROTATE_Z) == 3, "AEGP_LayerStream_ROTATE_Z");
static_assert(static_cast<A_long>(AEGP_LayerStream_OPACITY) == 4, "AEGP_LayerStream_OPACITY");
static_assert(static_cast<A_long>(AEGP_LayerStream_AUDIO) == 5, "AEGP_LayerStream_AUDIO");
static_assert(static_cast<A_long>(AEGP_LayerStream_MARKER) == 6, "AEGP_LayerStream_MARKER");
static_assert(static_cast<A_long>(AEGP_LayerStream_TIME_REMAP) == 7, "AEGP_LayerStream_TIME_REMAP");
static_assert(static_cast<A_long>(AEGP_LayerStream_ROTATE_X) == 8, "AEGP_LayerStream_ROTATE_X");
static_assert(static_cast<A_long>(AEGP_LayerStream_ROTATE_Y) == 9, "AEGP_LayerStream_ROTATE_Y");
static_assert(static_cast<A_long>(AEGP_LayerStream_ORIENTATION) == 10, "AEGP_LayerStream_ORIENTATION");
static_assert(static_cast<A_long>(AEGP_LayerStream_ZOOM) == 11, "AEGP_LayerStream_ZOOM");
static_assert(static_cast<A_long>(AEGP_LayerStream_DEPTH_OF_FIELD) == 12, "AEGP_LayerStream_DEPTH_OF_FIELD");
static_assert(static_cast<A_long>(AEGP_LayerStream_FOCUS_DISTANCE) == 13, "AEGP_LayerStream_FOCUS_DISTANCE");
static_assert(static_cast<A_long>(AEGP_LayerStream_APERTURE) == 14, "AEGP_LayerStream_APERTURE");
static_assert(static_cast<A_long>(AEGP_LayerStream_BLUR_LEVEL) == 15, "AEGP_LayerStream_BLUR_LEVEL");
static_assert(static_cast<A_long>(AEGP_LayerStream_INTENSITY) == 16, "AEGP_LayerStream_INTENSITY");
static_assert(static_cast<A_long>(AEGP_LayerStream_COLOR) == 17, "AEGP_LayerStream_COLOR");
static_assert(static_cast<A_long>(AEGP_LayerStream_CONE_ANGLE) == 18, "AEGP_LayerStream_CONE_ANGLE");
static_assert(static_cast<A_long>(AEGP_LayerStream_CONE_FEATHER) == 19, "AEGP_LayerStream_CONE_FEATHER");
static_assert(static_cast<A_long>(AEGP_LayerStream_SHADOW_DARKNESS) == 20, "AEGP_LayerStream_SHADOW_DARKNESS");
static_assert(static_cast<A_long>(AEGP_LayerStream_SHADOW_DIFFUSION) == 21, "AEGP_LayerStream_SHADOW_DIFFUSION");
static_assert(static_cast<A_long>(AEGP_LayerStream_ACCEPTS_SHADOWS) == 22, "AEGP_LayerStream_ACCEPTS_SHADOWS");
static_assert(static_cast<A_long>(AEGP_LayerStream_ACCEPTS_LIGHTS) == 23, "AEGP_LayerStream_ACCEPTS_LIGHTS");
static_assert(static_cast<A_long>(AEGP_LayerStream_AMBIENT_COEFF) == 24, "AEGP_LayerStream_AMBIENT_COEFF");
static_assert(static_cast<A_long>(AEGP_LayerStream_DIFFUSE_COEFF) == 25, "AEGP_LayerStream_DIFFUSE_COEFF");
static_assert(static_cast<A_long>(AEGP_LayerStream_SPECULAR_INTENSITY) == 26, "AEGP_LayerStream_SPECULAR_INTENSITY");
static_assert(static_cast<A_long>(AEGP_LayerStream_SPECULAR_SHININESS) == 27, "AEGP_LayerStream_SPECULAR_SHININESS");
static_assert(static_cast<A_long>(AEGP_LayerStream_CASTS_SHADOWS) == 28, "AEGP_LayerStream_CASTS_SHADOWS");
static_assert(static_cast<A_long>(AEGP_LayerStream_LIGHT_TRANSMISSION) == 29, "AEGP_LayerStream_LIGHT_TRANSMISSION");
static_assert(static_cast<A_long>(AEGP_LayerStream_METAL) == 30, "AEGP_LayerStream_METAL");
static_assert(static_cast<A_long>(AEGP_LayerStream_SOURCE_TEXT) == 31, "AEGP_LayerStream_SOURCE_TEXT");
static_assert(static_cast<A_long>(AEGP_LayerStream_IRIS_SHAPE) == 32, "AEGP_LayerStream_IRIS_SHAPE");
static_assert(static_cast<A_long>(AEGP_LayerStream_IRIS_ROTATION) == 33, "AEGP_LayerStream_IRIS_ROTATION");
static_assert(static_cast<A_long>(AEGP_LayerStream_IRIS_ROUNDNESS) == 34, "AEGP_LayerStream_IRIS_ROUNDNESS");
static_assert(static_cast<A_long>(AEGP_LayerStream_IRIS_ASPECT_RATIO) == 35, "AEGP_LayerStream_IRIS_ASPECT_RATIO");
static_assert(static_cast<A_long>(AEGP_LayerStream_IRIS_DIFFRACTION_FRINGE) == 36,
              "AEGP_LayerStream_IRIS_DIFFRACTION_FRINGE");
static_assert(static_cast<A_long>(AEGP_LayerStream_IRIS_HIGHLIGHT_GAIN) == 37, "AEGP_LayerStream_IRIS_HIGHLIGHT_GAIN");
static_assert(static_cast<A_long>(AEGP_LayerStream_IRIS_HIGHLIGHT_THRESHOLD) == 38,
              "AEGP_LayerStream_IRIS_HIGHLIGHT_THRESHOLD");
static_assert(static_cast<A_long>(AEGP_LayerStream_IRIS_HIGHLIGHT_SATURATION) == 39,
              "AEGP_LayerStream_IRIS_HIGHLIGHT_SATURATION");
static_assert(static_cast<A_long>(AEGP_LayerStream_LIGHT_FALLOFF_TYPE) == 40, "AEGP_LayerStream_LIGHT_FALLOFF_TYPE");
static_assert(static_cast<A_long>(AEGP_LayerStream_LIGHT_FALLOFF_START) == 41, "AEGP_LayerStream_LIGHT_FALLOFF_START");
static_assert(static_cast<A_long>(AEGP_LayerStream_LIGHT_FALLOFF_DISTANCE) == 42,
              "AEGP_LayerStream_LIGHT_FALLOFF_DISTANCE");
static_assert(static_cast<A_long>(AEGP_LayerStream_REFLECTION_INTENSITY) == 43,
              "AEGP_LayerStream_REFLECTION_INTENSITY");
static_assert(static_cast<A_long>(AEGP_LayerStream_REFLECTION_SHARPNESS) == 44,
              "AEGP_LayerStream_REFLECTION_SHARPNESS");
static_assert(static_cast<A_long>(AEGP_LayerStream_REFLECTION_ROLLOFF) == 45, "AEGP_LayerStream_REFLECTION_ROLLOFF");
static_assert(static_cast<A_long>(AEGP_LayerStream_TRANSPARENCY_COEFF) == 46, "AEGP_LayerStream_TRANSPARENCY_COEFF");
static_assert(static_cast<A_long>(AEGP_LayerStream_TRANSPARENCY_ROLLOFF) == 47,
              "AEGP_LayerStream_TRANSPARENCY_ROLLOFF");
static_assert(static_cast<A_long>(AEGP_LayerStream_INDEX_OF_REFRACTION) == 48, "AEGP_LayerStream_INDEX_OF_REFRACTION");
static_assert(static_cast<A_long>(AEGP_LayerStream_EXTRUSION_BEVEL_STYLE) == 49,
              "AEGP_LayerStream_EXTRUSION_BEVEL_STYLE");
static_assert(static_cast<A_long>(AEGP_LayerStream_EXTRUSION_BEVEL_DIRECTION) == 50,
              "AEGP_LayerStream_EXTRUSION_BEVEL_DIRECTION");
static_assert(static_cast<A_long>(AEGP_LayerStream_EXTRUSION_BEVEL_DEPTH) == 51,
              "AEGP_LayerStream_EXTRUSION_BEVEL_DEPTH");
static_assert(static_cast<A_long>(AEGP_LayerStream_EXTRUSION_HOLE_BEVEL_DEPTH) == 52,
              "AEGP_LayerStream_EXTRUSION_HOLE_BEVEL_DEPTH");
static_assert(static_cast<A_long>(AEGP_LayerStream_EXTRUSION_DEPTH) == 53, "AEGP_LayerStream_EXTRUSION_DEPTH");
static_assert(static_cast<A_long>(AEGP_LayerStream_PLANE_CURVATURE) == 54, "AEGP_LayerStream_PLANE_CURVATURE");
static_assert(static_cast<A_long>(AEGP_LayerStream_PLANE_SUBDIVISION) == 55, "AEGP_LayerStream_PLANE_SUBDIVISION");
static_assert(static_cast<A_long>(AEGP_LayerStream_NUMTYPES) == 56, "AEGP_LayerStream_NUMTYPES");
static_assert(static_cast<A_long>(AEGP_LayerStream_BEGIN) == 0, "AEGP_LayerStream_BEGIN");
static_assert(static_cast<A_long>(AEGP_LayerStream_END) == 56, "AEGP_LayerStream_END");

// AEGP_StreamFlag_NONE ...
static_assert(static_cast<A_long>(AEGP_StreamFlag_NONE) == 0, "AEGP_StreamFlag_NONE");
static_assert(static_cast<A_long>(AEGP_StreamFlag_HAS_MIN) == 1, "AEGP_StreamFlag_HAS_MIN");
static_assert(static_cast<A_long>(AEGP_StreamFlag_HAS_MAX) == 2, "AEGP_StreamFlag_HAS_MAX");
static_assert(static_cast<A_long>(AEGP_StreamFlag_IS_SPATIAL) == 4, "AEGP_StreamFlag_IS_SPATIAL");

// AEGP_KeyInterpMask_NONE ...
static_assert(static_cast<A_long>(AEGP_KeyInterpMask_NONE) == 0, "AEGP_KeyInterpMask_NONE");
static_assert(static_cast<A_long>(AEGP_KeyInterpMask_LINEAR) == 1, "AEGP_KeyInterpMask_LINEAR");
static_assert(static_cast<A_long>(AEGP_KeyInterpMask_BEZIER) == 2, "AEGP_KeyInterpMask_BEZIER");
static_assert(static_cast<A_long>(AEGP_KeyInterpMask_HOLD) == 4, "AEGP_KeyInterpMask_HOLD");
static_assert(static_cast<A_long>(AEGP_KeyInterpMask_CUSTOM) == 8, "AEGP_KeyInterpMask_CUSTOM");
static_assert(static_cast<A_long>(AEGP_KeyInterpMask_ANY) == 65535, "AEGP_KeyInterpMask_ANY");

// AEGP_StreamType_NO_DATA ...
static_assert(static_cast<A_long>(AEGP_StreamType_NO_DATA) == 0, "AEGP_StreamType_NO_DATA");
static_assert(static_cast<A_long>(AEGP_StreamType_ThreeD_SPATIAL) == 1, "AEGP_StreamType_ThreeD_SPATIAL");
static_assert(static_cast<A_long>(AEGP_StreamType_ThreeD) == 2, "AEGP_StreamType_ThreeD");
static_assert(static_cast<A_long>(AEGP_StreamType_TwoD_SPATIAL) == 3, "AEGP_StreamType_TwoD_SPATIAL");
static_assert(static_cast<A_long>(AEGP_StreamType_TwoD) == 4, "AEGP_StreamType_TwoD");
static_assert(static_cast<A_long>(AEGP_StreamType_OneD) == 5, "AEGP_StreamType_OneD");
static_assert(static_cast<A_long>(AEGP_StreamType_COLOR) == 6, "AEGP_StreamType_COLOR");
static_assert(static_cast<A_long>(AEGP_StreamType_ARB) == 7, "AEGP_StreamType_ARB");
static_assert(static_cast<A_long>(AEGP_StreamType_MARKER) == 8, "AEGP_StreamType_MARKER");
static_assert(static_cast<A_long>(AEGP_StreamType_LAYER_ID) == 9, "AEGP_StreamType_LAYER_ID");
static_assert(static_cast<A_long>(AEGP_StreamType_MASK_ID) == 10, "AEGP_StreamType_MASK_ID");
static_assert(static_cast<A_long>(AEGP_StreamType_MASK) == 11, "AEGP_StreamType_MASK");
static_assert(static_cast<A_long>(AEGP_StreamType_TEXT_DOCUMENT) == 12, "AEGP_StreamType_TEXT_DOCUMENT");

// AEGP_StreamGroupingType_NONE ...
static_assert(static_cast<A_long>(AEGP_StreamGroupingType_NONE) == -1, "AEGP_StreamGroupingType_NONE");
static_assert(static_cast<A_long>(AEGP_StreamGroupingType_LEAF) == 0, "AEGP_StreamGroupingType_LEAF");
static_assert(static_cast<A_long>(AEGP_StreamGroupingType_NAMED_GROUP) == 1, "AEGP_StreamGroupingType_NAMED_GROUP");
static_assert(static_cast<A_long>(AEGP_StreamGroupingType_INDEXED_GROUP) == 2, "AEGP_StreamGroupingType_INDEXED_GROUP");

// AEGP_DynStreamFlag_ACTIVE_EYEBALL ...
static_assert(static_cast<A_long>(AEGP_DynStreamFlag_ACTIVE_EYEBALL) == 1, "AEGP_DynStreamFlag_ACTIVE_EYEBALL");
static_assert(static_cast<A_long>(AEGP_DynStreamFlag_HIDDEN) == 2, "AEGP_DynStreamFlag_HIDDEN");
static_assert(static_cast<A_long>(AEGP_DynStreamFlag_DISABLED) == 16, "AEGP_DynStreamFlag_DISABLED");
static_assert(static_cast<A_long>(AEGP_DynStreamFlag_ELIDED) == 32, "AEGP_DynStreamFlag_ELIDED");
static_assert(static_cast<A_long>(AEGP_DynStreamFlag_SHOWN_WHEN_EMPTY) == 1024, "AEGP_DynStreamFlag_SHOWN_WHEN_EMPTY");
static_assert(static_cast<A_long>(AEGP_DynStreamFlag_SKIP_REVEAL_WHEN_UNHIDDEN) == 65536,
              "AEGP_DynStreamFlag_SKIP_REVEAL_WHEN_UNHIDDEN");

// AEGP_EffectFlags_NONE ...
static_assert(static_cast<A_long>(AEGP_EffectFlags_NONE) == 0, "AEGP_EffectFlags_NONE");
static_assert(static_cast<A_long>(AEGP_EffectFlags_ACTIVE) == 1, "AEGP_EffectFlags_ACTIVE");
static_assert(static_cast<A_long>(AEGP_EffectFlags_AUDIO_ONLY) == 2, "AEGP_EffectFlags_AUDIO_ONLY");
static_assert(static_cast<A_long>(AEGP_EffectFlags_AUDIO_TOO) == 4, "AEGP_EffectFlags_AUDIO_TOO");
static_assert(static_cast<A_long>(AEGP_EffectFlags_MISSING) == 8, "AEGP_EffectFlags_MISSING");

// AEGP_GetPathTypes_PLUGIN ...
static_assert(static_cast<A_long>(AEGP_GetPathTypes_PLUGIN) == 0, "AEGP_GetPathTypes_PLUGIN");
static_assert(static_cast<A_long>(AEGP_GetPathTypes_USER_PLUGIN) == 1, "AEGP_GetPathTypes_USER_PLUGIN");
static_assert(static_cast<A_long>(AEGP_GetPathTypes_ALLUSER_PLUGIN) == 2, "AEGP_GetPathTypes_ALLUSER_PLUGIN");
static_assert(static_cast<A_long>(AEGP_GetPathTypes_APP) == 3, "AEGP_GetPathTypes_APP");

// PF_TimeDisplay_24 ...
static_assert(static_cast<A_long>(PF_TimeDisplay_24) == 1, "PF_TimeDisplay_24");
static_assert(static_cast<A_long>(PF_TimeDisplay_25) == 2, "PF_TimeDisplay_25");
static_assert(static_cast<A_long>(PF_TimeDisplay_30Drop) == 3, "PF_TimeDisplay_30Drop");
static_assert(static_cast<A_long>(PF_TimeDisplay_30NonDrop) == 4, "PF_TimeDisplay_30NonDrop");
static_assert(static_cast<A_long>(PF_TimeDisplay_50) == 5, "PF_TimeDisplay_50");
static_assert(static_cast<A_long>(PF_TimeDisplay_60Drop) == 6, "PF_TimeDisplay_60Drop");
static_assert(static_cast<A_long>(PF_TimeDisplay_60NonDrop) == 7, "PF_TimeDisplay_60NonDrop");
static_assert(static_cast<A_long>(PF_TimeDisplay_NonStandard) == 8, "PF_TimeDisplay_NonStandard");
static_assert(static_cast<A_long>(PF_TimeDisplay_Invalid) == 9, "PF_TimeDisplay_Invalid");

// Suite names and versions, limits and basic-suite error codes
static_assert(std::string_view(kAEGPDynamicStreamSuite) == "AEGP Dynamic Stream Suite", "kAEGPDynamicStreamSuite");
static_assert(std::string_view(kAEGPEffectSuite) == "AEGP Effect Suite", "kAEGPEffectSuite");
static_assert(std::string_view(kAEGPMemorySuite) == "AEGP Memory Suite", "kAEGPMemorySuite");
static_assert(std::string_view(kAEGPPFInterfaceSuite) == "AEGP PF Interface Suite", "kAEGPPFInterfaceSuite");
static_assert(std::string_view(kAEGPStreamSuite) == "AEGP Stream Suite", "kAEGPStreamSuite");
static_assert(std::string_view(kAEGPUtilitySuite) == "AEGP Utility Suite", "kAEGPUtilitySuite");
static_assert(std::string_view(kDRAWBOT_DrawSuite) == "DRAWBOT Draw Suite", "kDRAWBOT_DrawSuite");
static_assert(std::string_view(kDRAWBOT_ImageSuite) == "DRAWBOT Image Suite", "kDRAWBOT_ImageSuite");
static_assert(std::string_view(kDRAWBOT_PathSuite) == "DRAWBOT Path Suite", "kDRAWBOT_PathSuite");
static_assert(std::string_view(kDRAWBOT_PenSuite) == "DRAWBOT Pen Suite", "kDRAWBOT_PenSuite");
static_assert(std::string_view(kDRAWBOT_SupplierSuite) == "DRAWBOT Supplier Suite", "kDRAWBOT_SupplierSuite");
static_assert(std::string_view(kDRAWBOT_SurfaceSuite) == "DRAWBOT Surface Suite", "kDRAWBOT_SurfaceSuite");
static_assert(std::string_view(kPFANSISuite) == "PF ANSI Suite", "kPFANSISuite");
static_assert(std::string_view(kPFAdvAppSuite) == "PF AE Adv App Suite", "kPFAdvAppSuite");
static_assert(std::string_view(kPFAdvItemSuite) == "PF AE Adv Item Suite", "kPFAdvItemSuite");
static_assert(std::string_view(kPFAngleParamSuite) == "PF AngleParamSuite", "kPFAngleParamSuite");
static_assert(std::string_view(kPFCacheOnLoadSuite) == "PF Cache On Load Suite", "kPFCacheOnLoadSuite");
static_assert(std::string_view(kPFColorParamSuite) == "PF ColorParamSuite", "kPFColorParamSuite");
static_assert(std::string_view(kPFEffectCustomUIOverlayThemeSuite) == "PF Effect Custom UI Overlay Theme Suite",
              "kPFEffectCustomUIOverlayThemeSuite");
static_assert(std::string_view(kPFEffectCustomUISuite) == "PF Effect Custom UI Suite", "kPFEffectCustomUISuite");
static_assert(std::string_view(kPFEffectSequenceDataSuite) == "PF Effect Sequence Data Suite",
              "kPFEffectSequenceDataSuite");
static_assert(std::string_view(kPFEffectUISuite) == "PF Effect UI Suite", "kPFEffectUISuite");
static_assert(std::string_view(kPFFillMatteSuite) == "PF Fill Matte Suite", "kPFFillMatteSuite");
static_assert(std::string_view(kPFHandleSuite) == "PF Handle Suite", "kPFHandleSuite");
static_assert(std::string_view(kPFIterate16Suite) == "PF iterate16 Suite", "kPFIterate16Suite");
static_assert(std::string_view(kPFIterate8Suite) == "PF Iterate8 Suite", "kPFIterate8Suite");
static_assert(std::string_view(kPFIterateFloatSuite) == "PF iterateFloat Suite", "kPFIterateFloatSuite");
static_assert(std::string_view(kPFParamUtilsSuite) == "PF Param Utils Suite", "kPFParamUtilsSuite");
static_assert(std::string_view(kPFPixelDataSuite) == "PF Pixel Data Suite", "kPFPixelDataSuite");
static_assert(std::string_view(kPFPixelFormatSuite) == "PF Pixel Format Suite", "kPFPixelFormatSuite");
static_assert(std::string_view(kPFPointParamSuite) == "PF PointParamSuite", "kPFPointParamSuite");
static_assert(std::string_view(kPFTransitionSuite) == "PF Transition Suite", "kPFTransitionSuite");
static_assert(std::string_view(kPFUtilitySuite) == "PF Utility Suite", "kPFUtilitySuite");
static_assert(std::string_view(kPFWorldSuite) == "PF World Suite", "kPFWorldSuite");
static_assert(std::string_view(kPFWorldTransformSuite) == "PF World Transform Suite", "kPFWorldTransformSuite");
static_assert(std::string_view(kSPBasicSuite) == "SP Basic Suite", "kSPBasicSuite");
static_assert(static_cast<A_long>(kAEGPDynamicStreamSuiteVersion2) == 2, "kAEGPDynamicStreamSuiteVersion2");
static_assert(static_cast<A_long>(kAEGPEffectSuiteVersion2) == 2, "kAEGPEffectSuiteVersion2");
static_assert(static_cast<A_long>(kAEGPMemorySuiteVersion1) == 1, "kAEGPMemorySuiteVersion1");
static_assert(static_cast<A_long>(kAEGPPFInterfaceSuiteVersion1) == 1, "kAEGPPFInterfaceSuiteVersion1");
static_assert(static_cast<A_long>(kAEGPStreamSuiteVersion2) == 7, "kAEGPStreamSuiteVersion2");
static_assert(static_cast<A_long>(kAEGPUtilitySuiteVersion3) == 7, "kAEGPUtilitySuiteVersion3");
static_assert(static_cast<A_long>(kAEGPUtilitySuiteVersion5) == 11, "kAEGPUtilitySuiteVersion5");
static_assert(static_cast<A_long>(kAEGPUtilitySuiteVersion6) == 13, "kAEGPUtilitySuiteVersion6");
static_assert(static_cast<A_long>(kDRAWBOT_DrawSuite_Version1) == 1, "kDRAWBOT_DrawSuite_Version1");
static_assert(static_cast<A_long>(kDRAWBOT_DrawSuite_VersionCurrent) == 1, "kDRAWBOT_DrawSuite_VersionCurrent");
static_assert(static_cast<A_long>(kDRAWBOT_ImageSuite_Version1) == 1, "kDRAWBOT_ImageSuite_Version1");
static_assert(static_cast<A_long>(kDRAWBOT_ImageSuite_VersionCurrent) == 1, "kDRAWBOT_ImageSuite_VersionCurrent");
static_assert(static_cast<A_long>(kDRAWBOT_PathSuite_Version1) == 1, "kDRAWBOT_PathSuite_Version1");
static_assert(static_cast<A_long>(kDRAWBOT_PathSuite_VersionCurrent) == 1, "kDRAWBOT_PathSuite_VersionCurrent");
static_assert(static_cast<A_long>(kDRAWBOT_PenSuite_Version1) == 1, "kDRAWBOT_PenSuite_Version1");
static_assert(static_cast<A_long>(kDRAWBOT_PenSuite_VersionCurrent) == 1, "kDRAWBOT_PenSuite_VersionCurrent");
static_assert(static_cast<A_long>(kDRAWBOT_SupplierSuite_Version1) == 1, "kDRAWBOT_SupplierSuite_Version1");
static_assert(static_cast<A_long>(kDRAWBOT_SupplierSuite_VersionCurrent) == 1, "kDRAWBOT_SupplierSuite_VersionCurrent");
static_assert(static_cast<A_long>(kDRAWBOT_SurfaceSuite_Version1) == 1, "kDRAWBOT_SurfaceSuite_Version1");
static_assert(static_cast<A_long>(kDRAWBOT_SurfaceSuite_Version2) == 2, "kDRAWBOT_SurfaceSuite_Version2");
static_assert(static_cast<A_long>(kDRAWBOT_SurfaceSuite_VersionCurrent) == 2, "kDRAWBOT_SurfaceSuite_VersionCurrent");
static_assert(static_cast<A_long>(kPFANSISuiteVersion1) == 1, "kPFANSISuiteVersion1");
static_assert(static_cast<A_long>(kPFAdvAppSuiteVersion1) == 1, "kPFAdvAppSuiteVersion1");
static_assert(static_cast<A_long>(kPFAdvAppSuiteVersion2) == 2, "kPFAdvAppSuiteVersion2");
static_assert(static_cast<A_long>(kPFAdvItemSuiteVersion1) == 1, "kPFAdvItemSuiteVersion1");
static_assert(static_cast<A_long>(kPFAngleParamSuiteVersion1) == 1, "kPFAngleParamSuiteVersion1");
static_assert(static_cast<A_long>(kPFCacheOnLoadSuiteVersion1) == 1, "kPFCacheOnLoadSuiteVersion1");
static_assert(static_cast<A_long>(kPFColorParamSuiteVersion1) == 1, "kPFColorParamSuiteVersion1");
static_assert(static_cast<A_long>(kPFEffectCustomUIOverlayThemeSuiteVersion1) == 1,
              "kPFEffectCustomUIOverlayThemeSuiteVersion1");
static_assert(static_cast<A_long>(kPFEffectCustomUISuiteVersion1) == 1, "kPFEffectCustomUISuiteVersion1");
static_assert(static_cast<A_long>(kPFEffectCustomUISuiteVersion2) == 2, "kPFEffectCustomUISuiteVersion2");
static_assert(static_cast<A_long>(kPFEffectSequenceDataSuiteVersion1) == 1, "kPFEffectSequenceDataSuiteVersion1");
static_assert(static_cast<A_long>(kPFEffectUISuiteVersion1) == 1, "kPFEffectUISuiteVersion1");
static_assert(static_cast<A_long>(kPFFillMatteSuiteVersion2) == 2, "kPFFillMatteSuiteVersion2");
static_assert(static_cast<A_long>(kPFHandleSuiteVersion1) == 2, "kPFHandleSuiteVersion1");
static_assert(static_cast<A_long>(kPFIterate16SuiteVersion1) == 1, "kPFIterate16SuiteVersion1");
static_assert(static_cast<A_long>(kPFIterate16SuiteVersion2) == 2, "kPFIterate16SuiteVersion2");
static_assert(static_cast<A_long>(kPFIterate8SuiteVersion1) == 1, "kPFIterate8SuiteVersion1");
static_assert(static_cast<A_long>(kPFIterate8SuiteVersion2) == 2, "kPFIterate8SuiteVersion2");
static_assert(static_cast<A_long>(kPFIterateFloatSuiteVersion1) == 1, "kPFIterateFloatSuiteVersion1");
static_assert(static_cast<A_long>(kPFIterateFloatSuiteVersion2) == 2, "kPFIterateFloatSuiteVersion2");
static_assert(static_cast<A_long>(kPFParamUtilsSuiteVersion3) == 3, "kPFParamUtilsSuiteVersion3");
static_assert(static_cast<A_long>(kPFPixelDataSuiteVersion1) == 1, "kPFPixelDataSuiteVersion1");
static_assert(static_cast<A_long>(kPFPixelDataSuiteVersion2) == 2, "kPFPixelDataSuiteVersion2");
static_assert(static_cast<A_long>(kPFPixelFormatSuiteVersion) == 1, "kPFPixelFormatSuiteVersion");
static_assert(static_cast<A_long>(kPFPixelFormatSuiteVersion1) == 1, "kPFPixelFormatSuiteVersion1");
static_assert(static_cast<A_long>(kPFPixelFormatSuiteVersion2) == 2, "kPFPixelFormatSuiteVersion2");
static_assert(static_cast<A_long>(kPFPointParamSuiteVersion1) == 1, "kPFPointParamSuiteVersion1");
static_assert(static_cast<A_long>(kPFTransitionSuiteVersion) == 2, "kPFTransitionSuiteVersion");
static_assert(static_cast<A_long>(kPFTransitionSuiteVersion1) == 1, "kPFTransitionSuiteVersion1");
static_assert(static_cast<A_long>(kPFTransitionSuiteVersion2) == 2, "kPFTransitionSuiteVersion2");
static_assert(static_cast<A_long>(kPFUtilitySuiteVersion) == 9, "kPFUtilitySuiteVersion");
static_assert(static_cast<A_long>(kPFUtilitySuiteVersion2) == 2, "kPFUtilitySuiteVersion2");
static_assert(static_cast<A_long>(kPFUtilitySuiteVersion3) == 3, "kPFUtilitySuiteVersion3");
static_assert(static_cast<A_long>(kPFUtilitySuiteVersion4) == 4, "kPFUtilitySuiteVersion4");
static_assert(static_cast<A_long>(kPFUtilitySuiteVersion5) == 5, "kPFUtilitySuiteVersion5");
static_assert(static_cast<A_long>(kPFUtilitySuiteVersion6) == 6, "kPFUtilitySuiteVersion6");
static_assert(static_cast<A_long>(kPFUtilitySuiteVersion7) == 7, "kPFUtilitySuiteVersion7");
static_assert(static_cast<A_long>(kPFUtilitySuiteVersion8) == 8, "kPFUtilitySuiteVersion8");
static_assert(static_cast<A_long>(kPFUtilitySuiteVersion9) == 9, "kPFUtilitySuiteVersion9");
static_assert(static_cast<A_long>(kPFWorldSuiteVersion1) == 1, "kPFWorldSuiteVersion1");
static_assert(static_cast<A_long>(kPFWorldSuiteVersion2) == 2, "kPFWorldSuiteVersion2");
static_assert(static_cast<A_long>(kPFWorldTransformSuiteVersion1) == 1, "kPFWorldTransformSuiteVersion1");
static_assert(static_cast<A_long>(kSPBadSuiteInternalVersionError) == 1397315187, "kSPBadSuiteInternalVersionError");
static_assert(static_cast<A_long>(kSPBasicSuiteVersion) == 4, "kSPBasicSuiteVersion");
static_assert(static_cast<A_long>(PF_FIRST_ERR) == 512, "PF_FIRST_ERR");
static_assert(static_cast<A_long>(PF_MAX_EFFECT_NAME_LEN) == 31, "PF_MAX_EFFECT_NAME_LEN");
static_assert(static_cast<A_long>(PF_MAX_EFFECT_PARAM_NAME_LEN) == 31, "PF_MAX_EFFECT_PARAM_NAME_LEN");
static_assert(static_cast<A_long>(PF_MAX_EFFECT_MSG_LEN) == 255, "PF_MAX_EFFECT_MSG_LEN");
static_assert(static_cast<A_long>(PF_MAX_PARAM_DESCRIPTION_LEN) == 31, "PF_MAX_PARAM_DESCRIPTION_LEN");
static_assert(static_cast<A_long>(PF_MAX_PARAM_VALUE_LEN) == 31, "PF_MAX_PARAM_VALUE_LEN");
static_assert(static_cast<A_long>(PF_MAX_EFFECT_CATEGORY_NAME_LEN) == 31, "PF_MAX_EFFECT_CATEGORY_NAME_LEN");
static_assert(static_cast<A_long>(PF_MAX_TIME_LEN) == 31, "PF_MAX_TIME_LEN");
static_assert(static_cast<A_long>(PF_MAX_CHAN8) == 255, "PF_MAX_CHAN8");
static_assert(static_cast<A_long>(PF_HALF_CHAN8) == 128, "PF_HALF_CHAN8");
static_assert(static_cast<A_long>(PF_MAX_CHAN16) == 32768, "PF_MAX_CHAN16");
static_assert(static_cast<A_long>(PF_HALF_CHAN16) == 16384, "PF_HALF_CHAN16");
static_assert(static_cast<A_long>(PF_MAX_WORLD_WIDTH) == 30000, "PF_MAX_WORLD_WIDTH");
static_assert(static_cast<A_long>(PF_MAX_WORLD_HEIGHT) == 30000, "PF_MAX_WORLD_HEIGHT");
static_assert(static_cast<A_long>(PF_CONTEXT_MAGIC) == 99251998, "PF_CONTEXT_MAGIC");
static_assert(static_cast<A_long>(PF_Vers_BUILD_BITS) == 511, "PF_Vers_BUILD_BITS");
static_assert(static_cast<A_long>(PF_Vers_BUILD_SHIFT) == 0, "PF_Vers_BUILD_SHIFT");
static_assert(static_cast<A_long>(PF_Vers_STAGE_BITS) == 3, "PF_Vers_STAGE_BITS");
static_assert(static_cast<A_long>(PF_Vers_STAGE_SHIFT) == 9, "PF_Vers_STAGE_SHIFT");
static_assert(static_cast<A_long>(PF_Vers_BUGFIX_BITS) == 15, "PF_Vers_BUGFIX_BITS");
static_assert(static_cast<A_long>(PF_Vers_BUGFIX_SHIFT) == 11, "PF_Vers_BUGFIX_SHIFT");
static_assert(static_cast<A_long>(PF_Vers_SUBVERS_BITS) == 15, "PF_Vers_SUBVERS_BITS");
static_assert(static_cast<A_long>(PF_Vers_SUBVERS_SHIFT) == 15, "PF_Vers_SUBVERS_SHIFT");
static_assert(static_cast<A_long>(PF_Vers_VERS_BITS) == 7, "PF_Vers_VERS_BITS");
static_assert(static_cast<A_long>(PF_Vers_VERS_SHIFT) == 19, "PF_Vers_VERS_SHIFT");
static_assert(static_cast<A_long>(PF_Vers_VERS_HIGH_BITS) == 15, "PF_Vers_VERS_HIGH_BITS");
static_assert(static_cast<A_long>(PF_Vers_VERS_HIGH_SHIFT) == 26, "PF_Vers_VERS_HIGH_SHIFT");
static_assert(static_cast<A_long>(PF_Vers_VERS_LOW_SHIFT) == 3, "PF_Vers_VERS_LOW_SHIFT");
static_assert(static_cast<A_long>(AEGP_MAX_EFFECT_NAME_SIZE) == 48, "AEGP_MAX_EFFECT_NAME_SIZE");
static_assert(static_cast<A_long>(AEGP_MAX_EFFECT_MATCH_NAME_SIZE) == 48, "AEGP_MAX_EFFECT_MATCH_NAME_SIZE");
static_assert(static_cast<A_long>(AEGP_MAX_EFFECT_CATEGORY_NAME_SIZE) == 32, "AEGP_MAX_EFFECT_CATEGORY_NAME_SIZE");
static_assert(static_cast<A_long>(AEGP_MAX_STREAM_NAME_SIZE) == 32, "AEGP_MAX_STREAM_NAME_SIZE");
static_assert(static_cast<A_long>(AEGP_MAX_STREAM_UNITS_SIZE) == 32, "AEGP_MAX_STREAM_UNITS_SIZE");
static_assert(static_cast<A_long>(AEGP_MAX_STREAM_MATCH_NAME_SIZE) == 40, "AEGP_MAX_STREAM_MATCH_NAME_SIZE");
static_assert(static_cast<A_long>(AEGP_MAX_PLUGIN_NAME_SIZE) == 32, "AEGP_MAX_PLUGIN_NAME_SIZE");
static_assert(static_cast<A_long>(AEGP_MAX_PATH_SIZE) == 260, "AEGP_MAX_PATH_SIZE");
static_assert(static_cast<A_long>(kSPNoError) == 0, "kSPNoError");
static_assert(static_cast<A_long>(kSPUnimplementedError) == 558452048, "kSPUnimplementedError");
static_assert(static_cast<A_long>(kSPUserCanceledError) == 1937010544, "kSPUserCanceledError");
static_assert(static_cast<A_long>(kSPOperationInterrupted) == 1768846450, "kSPOperationInterrupted");
static_assert(static_cast<A_long>(kSPLogicError) == 1717723506, "kSPLogicError");
static_assert(static_cast<A_long>(kSPCantAcquirePluginError) == 557933425, "kSPCantAcquirePluginError");
static_assert(static_cast<A_long>(kSPCantReleasePluginError) == 559048044, "kSPCantReleasePluginError");
static_assert(static_cast<A_long>(kSPBadParameterError) == 1348563565, "kSPBadParameterError");
static_assert(static_cast<A_long>(kSPOutOfMemoryError) == -148, "kSPOutOfMemoryError");
static_assert(static_cast<A_long>(kSPSuiteNotFoundError) == 1394689636, "kSPSuiteNotFoundError");
static_assert(static_cast<A_long>(kSPBadSuiteListIteratorError) == 1397508468, "kSPBadSuiteListIteratorError");
static_assert(static_cast<A_long>(kSPBadSuiteInternalVersionError) == 1397315187, "kSPBadSuiteInternalVersionError");
static_assert(static_cast<A_long>(kSPSuiteAlreadyExistsError) == 1397061737, "kSPSuiteAlreadyExistsError");
static_assert(static_cast<A_long>(kSPSuiteAlreadyReleasedError) == 1397908844, "kSPSuiteAlreadyReleasedError");
