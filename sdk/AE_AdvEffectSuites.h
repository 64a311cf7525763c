// Advanced application suites: project dirty state, info panel text and
// time stepping of the active item.
#ifndef FX_SDK_AE_ADVEFFECTSUITES_H
#define FX_SDK_AE_ADVEFFECTSUITES_H

#include "AE_Effect.h"
#include "AE_EffectUI.h"
#include "SPBasic.h"

#pragma pack(push, 8)

typedef A_LegacyEnumType PF_Step;

enum { PF_Step_FORWARD = 0, PF_Step_BACKWARD = 1 };

enum { PF_TimeDisplayFormatTimecode = 0, PF_TimeDisplayFormatFrames = 1, PF_TimeDisplayFormatFeetFrames = 2 };

#define PF_MAX_TIME_LEN 31

#define kPFAdvAppSuite "PF AE Adv App Suite"
#define kPFAdvAppSuiteVersion1 1
#define kPFAdvAppSuiteVersion2 2

typedef struct PF_AdvAppSuite1 {
    SPAPI PF_Err (*PF_SetProjectDirty)(void);
    SPAPI PF_Err (*PF_SaveProject)(void);
    SPAPI PF_Err (*PF_SaveBackgroundState)(void);
    SPAPI PF_Err (*PF_ForceForeground)(void);
    SPAPI PF_Err (*PF_RestoreBackgroundState)(void);
    SPAPI PF_Err (*PF_RefreshAllWindows)(void);
    SPAPI PF_Err (*PF_InfoDrawText)(const A_char* line1Z0, const A_char* line2Z0);
    SPAPI PF_Err (*PF_InfoDrawColor)(PF_Pixel color);
    SPAPI PF_Err (*PF_InfoDrawText3)(const A_char* line1Z0, const A_char* line2Z0, const A_char* line3Z0);
    SPAPI PF_Err (*PF_InfoDrawText3Plus)(const A_char* line1Z0, const A_char* line2_jrZ0, const A_char* line2_jlZ0,
                                         const A_char* line3_jrZ0, const A_char* line3_jlZ0);
} PF_AdvAppSuite1;

typedef struct PF_AdvAppSuite2 {
    SPAPI PF_Err (*PF_SetProjectDirty)(void);
    SPAPI PF_Err (*PF_SaveProject)(void);
    SPAPI PF_Err (*PF_SaveBackgroundState)(void);
    SPAPI PF_Err (*PF_ForceForeground)(void);
    SPAPI PF_Err (*PF_RestoreBackgroundState)(void);
    SPAPI PF_Err (*PF_RefreshAllWindows)(void);
    SPAPI PF_Err (*PF_InfoDrawText)(const A_char* line1Z0, const A_char* line2Z0);
    SPAPI PF_Err (*PF_InfoDrawColor)(PF_Pixel color);
    SPAPI PF_Err (*PF_InfoDrawText3)(const A_char* line1Z0, const A_char* line2Z0, const A_char* line3Z0);
    SPAPI PF_Err (*PF_InfoDrawText3Plus)(const A_char* line1Z0, const A_char* line2_jrZ0, const A_char* line2_jlZ0,
                                         const A_char* line3_jrZ0, const A_char* line3_jlZ0);
    SPAPI PF_Err (*PF_AppendInfoText)(const A_char* appendZ0);
} PF_AdvAppSuite2;

#define kPFAdvItemSuite "PF AE Adv Item Suite"
#define kPFAdvItemSuiteVersion1 1

typedef struct PF_AdvItemSuite1 {
    SPAPI PF_Err (*PF_MoveTimeStep)(PF_InData* in_data, PF_EffectWorld* world, PF_Step time_dir, A_long num_stepsL);
    SPAPI PF_Err (*PF_MoveTimeStepActiveItem)(PF_Step time_dir, A_long num_stepsL);
    SPAPI PF_Err (*PF_TouchActiveItem)(void);
    SPAPI PF_Err (*PF_ForceRerender)(PF_InData* in_data, PF_EffectWorld* world);
    SPAPI PF_Err (*PF_EffectIsActiveOrEnabled)(PF_ContextH contextH, PF_Boolean* enabledPB);
} PF_AdvItemSuite1;

#pragma pack(pop)

#endif
