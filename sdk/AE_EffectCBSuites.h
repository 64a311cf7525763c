// Callback suites acquired through the basic suite: host handles, the ANSI
// table, worlds, pixel formats, pixel iteration, fills and transforms.
#ifndef FX_SDK_AE_EFFECTCBSUITES_H
#define FX_SDK_AE_EFFECTCBSUITES_H

#include "AE_Effect.h"
#include "AE_EffectCB.h"
#include "AE_EffectPixelFormat.h"
#include "SPBasic.h"

#pragma pack(push, 8)

// ---------------------------------------------------------------- handles

// The version macro's name says 1 but the host registers the table as
// version 2; the value is what AcquireSuite needs.
#define kPFHandleSuite "PF Handle Suite"
#define kPFHandleSuiteVersion1 2

typedef struct PF_HandleSuite1 {
    SPAPI PF_Handle (*host_new_handle)(A_HandleSize size);
    SPAPI void* (*host_lock_handle)(PF_Handle pf_handle);
    SPAPI void (*host_unlock_handle)(PF_Handle pf_handle);
    SPAPI void (*host_dispose_handle)(PF_Handle pf_handle);
    SPAPI A_HandleSize (*host_get_handle_size)(PF_Handle pf_handle);
    SPAPI PF_Err (*host_resize_handle)(A_HandleSize new_sizeL, PF_Handle* handlePH);
} PF_HandleSuite1;

// ---------------------------------------------------------------- ANSI

#define kPFANSISuite "PF ANSI Suite"
#define kPFANSISuiteVersion1 1

typedef struct PF_ANSICallbacksSuite1 {
    SPAPI A_FpLong (*atan)(A_FpLong);
    SPAPI A_FpLong (*atan2)(A_FpLong y, A_FpLong x);
    SPAPI A_FpLong (*ceil)(A_FpLong);
    SPAPI A_FpLong (*cos)(A_FpLong);
    SPAPI A_FpLong (*exp)(A_FpLong);
    SPAPI A_FpLong (*fabs)(A_FpLong);
    SPAPI A_FpLong (*floor)(A_FpLong);
    SPAPI A_FpLong (*fmod)(A_FpLong x, A_FpLong y);
    SPAPI A_FpLong (*hypot)(A_FpLong x, A_FpLong y);
    SPAPI A_FpLong (*log)(A_FpLong);
    SPAPI A_FpLong (*log10)(A_FpLong);
    SPAPI A_FpLong (*pow)(A_FpLong x, A_FpLong y);
    SPAPI A_FpLong (*sin)(A_FpLong);
    SPAPI A_FpLong (*sqrt)(A_FpLong);
    SPAPI A_FpLong (*tan)(A_FpLong);
    SPAPI int (*sprintf)(A_char*, const A_char*, ...);
    SPAPI A_char* (*strcpy)(A_char*, const A_char*);
    SPAPI A_FpLong (*asin)(A_FpLong);
    SPAPI A_FpLong (*acos)(A_FpLong);
} PF_ANSICallbacksSuite1;

// ---------------------------------------------------------------- worlds

#define kPFWorldSuite "PF World Suite"
#define kPFWorldSuiteVersion1 1
#define kPFWorldSuiteVersion2 2

typedef struct PF_WorldSuite1 {
    SPAPI PF_Err (*new_world)(PF_ProgPtr effect_ref, A_long width, A_long height, PF_NewWorldFlags flags,
                              PF_EffectWorld* world);
    SPAPI PF_Err (*dispose_world)(PF_ProgPtr effect_ref, PF_EffectWorld* world);
} PF_WorldSuite1;

typedef struct PF_WorldSuite2 {
    SPAPI PF_Err (*PF_NewWorld)(PF_ProgPtr effect_ref, A_long widthL, A_long heightL, PF_Boolean clear_pixB,
                                PF_PixelFormat pixel_format, PF_EffectWorld* worldP);
    SPAPI PF_Err (*PF_DisposeWorld)(PF_ProgPtr effect_ref, PF_EffectWorld* worldP);
    SPAPI PF_Err (*PF_GetPixelFormat)(const PF_EffectWorld* worldP, PF_PixelFormat* pixel_formatP);
} PF_WorldSuite2;

// ---------------------------------------------------------------- pixel formats (host side)

// "PF Pixel Format Suite" names two tables: this one at version 2, and the
// Premiere table at version 1 (PrSDKAESupport.h).
#define kPFPixelFormatSuite "PF Pixel Format Suite"
#define kPFPixelFormatSuiteVersion2 2

typedef struct PF_PixelFormatSuite2 {
    SPAPI PF_Err (*PF_AddSupportedPixelFormat)(PF_ProgPtr effect_ref, PF_PixelFormat pixel_format);
    SPAPI PF_Err (*PF_ClearSupportedPixelFormats)(PF_ProgPtr effect_ref);
} PF_PixelFormatSuite2;

// ---------------------------------------------------------------- pixel data

#define kPFPixelDataSuite "PF Pixel Data Suite"
#define kPFPixelDataSuiteVersion1 1
#define kPFPixelDataSuiteVersion2 2

typedef struct PF_PixelDataSuite1 {
    SPAPI PF_Err (*get_pixel_data8)(PF_EffectWorld* worldP, PF_PixelPtr pixelsP0, PF_Pixel8** pixPP);
    SPAPI PF_Err (*get_pixel_data16)(PF_EffectWorld* worldP, PF_PixelPtr pixelsP0, PF_Pixel16** pixPP);
    SPAPI PF_Err (*get_pixel_data_float)(PF_EffectWorld* worldP, PF_PixelPtr pixelsP0, PF_PixelFloat** pixPP);
} PF_PixelDataSuite1;

typedef struct PF_PixelDataSuite2 {
    SPAPI PF_Err (*get_pixel_data8)(PF_EffectWorld* worldP, PF_PixelPtr pixelsP0, PF_Pixel8** pixPP);
    SPAPI PF_Err (*get_pixel_data16)(PF_EffectWorld* worldP, PF_PixelPtr pixelsP0, PF_Pixel16** pixPP);
    SPAPI PF_Err (*get_pixel_data_float)(PF_EffectWorld* worldP, PF_PixelPtr pixelsP0, PF_PixelFloat** pixPP);
    SPAPI PF_Err (*get_pixel_data_float_gpu)(PF_EffectWorld* worldP, void** pixPP);
} PF_PixelDataSuite2;

// ---------------------------------------------------------------- iteration

// Row or item callback of iterate_generic: called once per index i in
// [0, iterationsL), possibly on several host threads at once.
typedef PF_Err (*PF_IterateGenericFunc)(void* refconPV, A_long thread_indexL, A_long i, A_long iterationsL);

#define kPFIterate8Suite "PF Iterate8 Suite"
#define kPFIterate8SuiteVersion1 1
#define kPFIterate8SuiteVersion2 2

typedef struct PF_Iterate8Suite1 {
    SPAPI PF_Err (*iterate)(PF_InData* in_data, A_long progress_base, A_long progress_final, PF_EffectWorld* src,
                            const PF_Rect* area, void* refcon, PF_IteratePixel8Func pix_fn, PF_EffectWorld* dst);
    SPAPI PF_Err (*iterate_origin)(PF_InData* in_data, A_long progress_base, A_long progress_final, PF_EffectWorld* src,
                                   const PF_Rect* area, const PF_Point* origin, void* refcon,
                                   PF_IteratePixel8Func pix_fn, PF_EffectWorld* dst);
    SPAPI PF_Err (*iterate_lut)(PF_InData* in_data, A_long progress_base, A_long progress_final, PF_EffectWorld* src,
                                const PF_Rect* area, A_u_char* a_lut0, A_u_char* r_lut0, A_u_char* g_lut0,
                                A_u_char* b_lut0, PF_EffectWorld* dst);
    SPAPI PF_Err (*iterate_origin_non_clip_src)(PF_InData* in_data, A_long progress_base, A_long progress_final,
                                                PF_EffectWorld* src, const PF_Rect* area, const PF_Point* origin,
                                                void* refcon, PF_IteratePixel8Func pix_fn, PF_EffectWorld* dst);
    SPAPI PF_Err (*iterate_generic)(A_long iterationsL, void* refconPV, PF_IterateGenericFunc fn_func);
} PF_Iterate8Suite1;

// Same table as version 1; the host may run version 2 callbacks on more
// threads.
typedef struct PF_Iterate8Suite2 {
    SPAPI PF_Err (*iterate)(PF_InData* in_data, A_long progress_base, A_long progress_final, PF_EffectWorld* src,
                            const PF_Rect* area, void* refcon, PF_IteratePixel8Func pix_fn, PF_EffectWorld* dst);
    SPAPI PF_Err (*iterate_origin)(PF_InData* in_data, A_long progress_base, A_long progress_final, PF_EffectWorld* src,
                                   const PF_Rect* area, const PF_Point* origin, void* refcon,
                                   PF_IteratePixel8Func pix_fn, PF_EffectWorld* dst);
    SPAPI PF_Err (*iterate_lut)(PF_InData* in_data, A_long progress_base, A_long progress_final, PF_EffectWorld* src,
                                const PF_Rect* area, A_u_char* a_lut0, A_u_char* r_lut0, A_u_char* g_lut0,
                                A_u_char* b_lut0, PF_EffectWorld* dst);
    SPAPI PF_Err (*iterate_origin_non_clip_src)(PF_InData* in_data, A_long progress_base, A_long progress_final,
                                                PF_EffectWorld* src, const PF_Rect* area, const PF_Point* origin,
                                                void* refcon, PF_IteratePixel8Func pix_fn, PF_EffectWorld* dst);
    SPAPI PF_Err (*iterate_generic)(A_long iterationsL, void* refconPV, PF_IterateGenericFunc fn_func);
} PF_Iterate8Suite2;

#define kPFIterate16Suite "PF iterate16 Suite"
#define kPFIterate16SuiteVersion1 1
#define kPFIterate16SuiteVersion2 2

typedef struct PF_Iterate16Suite1 {
    SPAPI PF_Err (*iterate)(PF_InData* in_data, A_long progress_base, A_long progress_final, PF_EffectWorld* src,
                            const PF_Rect* area, void* refcon, PF_IteratePixel16Func pix_fn, PF_EffectWorld* dst);
    SPAPI PF_Err (*iterate_origin)(PF_InData* in_data, A_long progress_base, A_long progress_final, PF_EffectWorld* src,
                                   const PF_Rect* area, const PF_Point* origin, void* refcon,
                                   PF_IteratePixel16Func pix_fn, PF_EffectWorld* dst);
    SPAPI PF_Err (*iterate_origin_non_clip_src)(PF_InData* in_data, A_long progress_base, A_long progress_final,
                                                PF_EffectWorld* src, const PF_Rect* area, const PF_Point* origin,
                                                void* refcon, PF_IteratePixel16Func pix_fn, PF_EffectWorld* dst);
} PF_Iterate16Suite1;

#define kPFIterateFloatSuite "PF iterateFloat Suite"
#define kPFIterateFloatSuiteVersion1 1
#define kPFIterateFloatSuiteVersion2 2

typedef struct PF_IterateFloatSuite1 {
    SPAPI PF_Err (*iterate)(PF_InData* in_data, A_long progress_base, A_long progress_final, PF_EffectWorld* src,
                            const PF_Rect* area, void* refcon, PF_IteratePixelFloatFunc pix_fn, PF_EffectWorld* dst);
    SPAPI PF_Err (*iterate_origin)(PF_InData* in_data, A_long progress_base, A_long progress_final, PF_EffectWorld* src,
                                   const PF_Rect* area, const PF_Point* origin, void* refcon,
                                   PF_IteratePixelFloatFunc pix_fn, PF_EffectWorld* dst);
    SPAPI PF_Err (*iterate_origin_non_clip_src)(PF_InData* in_data, A_long progress_base, A_long progress_final,
                                                PF_EffectWorld* src, const PF_Rect* area, const PF_Point* origin,
                                                void* refcon, PF_IteratePixelFloatFunc pix_fn, PF_EffectWorld* dst);
} PF_IterateFloatSuite1;

// ---------------------------------------------------------------- transforms and fills

#define kPFWorldTransformSuite "PF World Transform Suite"
#define kPFWorldTransformSuiteVersion1 1

typedef struct PF_WorldTransformSuite1 {
    SPAPI PF_Err (*composite_rect)(PF_ProgPtr effect_ref, PF_Rect* src_rect, A_long src_opacity,
                                   PF_EffectWorld* source_wld, A_long dest_x, A_long dest_y, PF_Field field_rdr,
                                   PF_XferMode xfer_mode, PF_EffectWorld* dest_wld);
    SPAPI PF_Err (*blend)(PF_ProgPtr effect_ref, const PF_EffectWorld* src1, const PF_EffectWorld* src2, PF_Fixed ratio,
                          PF_EffectWorld* dst);
    SPAPI PF_Err (*convolve)(PF_ProgPtr effect_ref, PF_EffectWorld* src, const PF_Rect* area, PF_KernelFlags flags,
                             A_long kernel_size, void* a_kernel, void* r_kernel, void* g_kernel, void* b_kernel,
                             PF_EffectWorld* dst);
    SPAPI PF_Err (*copy)(PF_ProgPtr effect_ref, PF_EffectWorld* src, PF_EffectWorld* dst, PF_Rect* src_r,
                         PF_Rect* dst_r);
    SPAPI PF_Err (*copy_hq)(PF_ProgPtr effect_ref, PF_EffectWorld* src, PF_EffectWorld* dst, PF_Rect* src_r,
                            PF_Rect* dst_r);
    SPAPI PF_Err (*transfer_rect)(PF_ProgPtr effect_ref, PF_Quality quality, PF_ModeFlags m_flags, PF_Field field,
                                  const PF_Rect* src_rec, const PF_EffectWorld* src_world,
                                  const PF_CompositeMode* comp_mode, const PF_MaskWorld* mask_world0, A_long dest_x,
                                  A_long dest_y, PF_EffectWorld* dst_world);
    SPAPI PF_Err (*transform_world)(PF_ProgPtr effect_ref, PF_Quality quality, PF_ModeFlags m_flags, PF_Field field,
                                    const PF_EffectWorld* src_world, const PF_CompositeMode* comp_mode,
                                    const PF_MaskWorld* mask_world0, const PF_FloatMatrix* matrices,
                                    A_long num_matrices, PF_Boolean src2dst_matrix, const PF_Rect* dest_rect,
                                    PF_EffectWorld* dst_world);
} PF_WorldTransformSuite1;

#define kPFFillMatteSuite "PF Fill Matte Suite"
#define kPFFillMatteSuiteVersion2 2

typedef struct PF_FillMatteSuite2 {
    SPAPI PF_Err (*fill)(PF_ProgPtr effect_ref, const PF_Pixel* color, const PF_Rect* dst_rect, PF_EffectWorld* world);
    SPAPI PF_Err (*fill16)(PF_ProgPtr effect_ref, const PF_Pixel16* color, const PF_Rect* dst_rect,
                           PF_EffectWorld* world);
    SPAPI PF_Err (*fill_float)(PF_ProgPtr effect_ref, const PF_PixelFloat* color, const PF_Rect* dst_rect,
                               PF_EffectWorld* world);
    SPAPI PF_Err (*premultiply)(PF_ProgPtr effect_ref, A_long forward, PF_EffectWorld* dst);
    SPAPI PF_Err (*premultiply_color)(PF_ProgPtr effect_ref, PF_EffectWorld* src, const PF_Pixel* color, A_long forward,
                                      PF_EffectWorld* dst);
    SPAPI PF_Err (*premultiply_color16)(PF_ProgPtr effect_ref, PF_EffectWorld* src, const PF_Pixel16* color,
                                        A_long forward, PF_EffectWorld* dst);
    SPAPI PF_Err (*premultiply_color_float)(PF_ProgPtr effect_ref, PF_EffectWorld* src, const PF_PixelFloat* color,
                                            A_long forward, PF_EffectWorld* dst);
} PF_FillMatteSuite2;

#pragma pack(pop)

#endif
