// Effect suites: parameter utilities, parameter value conversions, the
// effect panel's Options button and custom-UI drawing access.
#ifndef FX_SDK_AE_EFFECTSUITES_H
#define FX_SDK_AE_EFFECTSUITES_H

#include "AE_Effect.h"
#include "AE_EffectUI.h"
#include "DrawbotSuite.h"
#include "SPBasic.h"

#pragma pack(push, 8)

typedef A_long PF_TimeDir;

// Opaque parameter state snapshot; this system never takes one.
typedef struct PF_State PF_State;
typedef struct _PF_AsyncManager* PF_AsyncManagerP;

enum {
    PF_TimeDir_GREATER_THAN = 0,
    PF_TimeDir_LESS_THAN = 1,
    PF_TimeDir_GREATER_THAN_OR_EQUAL = 4096,
    PF_TimeDir_LESS_THAN_OR_EQUAL = 4097
};

#define kPFParamUtilsSuite "PF Param Utils Suite"
#define kPFParamUtilsSuiteVersion3 3

typedef struct PF_ParamUtilsSuite3 {
    SPAPI PF_Err (*PF_UpdateParamUI)(PF_ProgPtr effect_ref, PF_ParamIndex param_index, const PF_ParamDef* defP);
    SPAPI PF_Err (*PF_GetCurrentState)(PF_ProgPtr effect_ref, PF_ParamIndex param_index, const A_Time* startPT0,
                                       const A_Time* durationPT0, PF_State* stateP);
    SPAPI PF_Err (*PF_AreStatesIdentical)(PF_ProgPtr effect_ref, const PF_State* state1P, const PF_State* state2P,
                                          A_Boolean* samePB);
    SPAPI PF_Err (*PF_IsIdenticalCheckout)(PF_ProgPtr effect_ref, PF_ParamIndex param_index, A_long what_time1,
                                           A_long time_step1, A_u_long time_scale1, A_long what_time2,
                                           A_long time_step2, A_u_long time_scale2, PF_Boolean* identicalPB);
    SPAPI PF_Err (*PF_FindKeyframeTime)(PF_ProgPtr effect_ref, PF_ParamIndex param_index, A_long what_time,
                                        A_u_long time_scale, PF_TimeDir time_dir, PF_Boolean* foundPB,
                                        PF_KeyIndex* key_indexP0, A_long* key_timeP0, A_u_long* key_timescaleP0);
    SPAPI PF_Err (*PF_GetKeyframeCount)(PF_ProgPtr effect_ref, PF_ParamIndex param_index, PF_KeyIndex* key_countP);
    SPAPI PF_Err (*PF_CheckoutKeyframe)(PF_ProgPtr effect_ref, PF_ParamIndex param_index, PF_KeyIndex key_index,
                                        A_long* key_timeP0, A_u_long* key_timescaleP0, PF_ParamDef* paramP0);
    SPAPI PF_Err (*PF_CheckinKeyframe)(PF_ProgPtr effect_ref, PF_ParamDef* paramP);
    SPAPI PF_Err (*PF_KeyIndexToTime)(PF_ProgPtr effect_ref, PF_ParamIndex param_index, PF_KeyIndex key_indexP,
                                      A_long* key_timeP, A_u_long* key_timescaleP);
} PF_ParamUtilsSuite3;

#define kPFColorParamSuite "PF ColorParamSuite"
#define kPFColorParamSuiteVersion1 1

typedef struct PF_ColorParamSuite1 {
    SPAPI PF_Err (*PF_GetFloatingPointColorFromColorDef)(PF_ProgPtr effect_ref, const PF_ParamDef* color_defP,
                                                         PF_PixelFloat* fp_colorP);
} PF_ColorParamSuite1;

#define kPFPointParamSuite "PF PointParamSuite"
#define kPFPointParamSuiteVersion1 1

typedef struct PF_PointParamSuite1 {
    SPAPI PF_Err (*PF_GetFloatingPointValueFromPointDef)(PF_ProgPtr effect_ref, const PF_ParamDef* point_defP,
                                                         A_FloatPoint* fp_pointP);
} PF_PointParamSuite1;

#define kPFAngleParamSuite "PF AngleParamSuite"
#define kPFAngleParamSuiteVersion1 1

typedef struct PF_AngleParamSuite1 {
    SPAPI PF_Err (*PF_GetFloatingPointValueFromAngleDef)(PF_ProgPtr effect_ref, const PF_ParamDef* angle_defP,
                                                         A_FpLong* fp_valueP);
} PF_AngleParamSuite1;

#define kPFEffectUISuite "PF Effect UI Suite"
#define kPFEffectUISuiteVersion1 1

typedef struct PF_EffectUISuite1 {
    SPAPI PF_Err (*PF_SetOptionsButtonName)(PF_ProgPtr effect_ref, const A_char* nameZ);
} PF_EffectUISuite1;

#define kPFEffectCustomUISuite "PF Effect Custom UI Suite"
#define kPFEffectCustomUISuiteVersion1 1
#define kPFEffectCustomUISuiteVersion2 2

typedef struct PF_EffectCustomUISuite1 {
    SPAPI PF_Err (*PF_GetDrawingReference)(const PF_ContextH effect_contextH, DRAWBOT_DrawRef* referenceP0);
} PF_EffectCustomUISuite1;

typedef struct PF_EffectCustomUISuite2 {
    SPAPI PF_Err (*PF_GetDrawingReference)(const PF_ContextH effect_contextH, DRAWBOT_DrawRef* referenceP0);
    SPAPI PF_Err (*PF_GetContextAsyncManager)(PF_InData* in_data, PF_EventExtra* extra, PF_AsyncManagerP* managerPP0);
} PF_EffectCustomUISuite2;

#define kPFEffectCustomUIOverlayThemeSuite "PF Effect Custom UI Overlay Theme Suite"
#define kPFEffectCustomUIOverlayThemeSuiteVersion1 1

typedef struct PF_EffectCustomUIOverlayThemeSuite1 {
    SPAPI PF_Err (*PF_GetPreferredForegroundColor)(DRAWBOT_ColorRGBA* foreground_colorP);
    SPAPI PF_Err (*PF_GetPreferredShadowColor)(DRAWBOT_ColorRGBA* shadow_colorP);
    SPAPI PF_Err (*PF_GetPreferredStrokeWidth)(float* stroke_widthPF);
    SPAPI PF_Err (*PF_GetPreferredVertexSize)(float* vertex_sizePF);
    SPAPI PF_Err (*PF_GetPreferredShadowOffset)(A_LPoint* shadow_offsetP);
    SPAPI PF_Err (*PF_StrokePath)(const DRAWBOT_DrawRef drawbot_ref, const DRAWBOT_PathRef path_ref,
                                  PF_Boolean draw_shadowB);
    SPAPI PF_Err (*PF_FillPath)(const DRAWBOT_DrawRef drawbot_ref, const DRAWBOT_PathRef path_ref,
                                PF_Boolean draw_shadowB);
    SPAPI PF_Err (*PF_FillVertex)(const DRAWBOT_DrawRef drawbot_ref, const A_FloatPoint* center_pointP,
                                  PF_Boolean draw_shadowB);
} PF_EffectCustomUIOverlayThemeSuite1;

#pragma pack(pop)

#endif
