// Compile-time check of every declared host record and suite table against
// the host's x86-64 layout: size, alignment, the offset of every member and
// function slot, and the declared type of each (a slot with the right offset
// but the wrong signature would still break calls into the host).
//
// The expected numbers and types are transcribed from the host interface's
// layout tables; they are not derived from our headers.
#include <cstddef>
#include <type_traits>
#include <utility>

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

namespace {

template <typename T, typename M>
constexpr bool declared_as = std::is_same_v<T, M>;

// PF_InData
static_assert(sizeof(PF_InData) == 408, "sizeof PF_InData");
static_assert(alignof(PF_InData) == 8, "alignof PF_InData");
static_assert(offsetof(PF_InData, inter) == 0, "PF_InData.inter offset");
static_assert(declared_as<decltype(std::declval<PF_InData&>().inter), PF_InteractCallbacks>, "PF_InData.inter type");
static_assert(sizeof(std::declval<PF_InData&>().inter) == 176, "PF_InData.inter size");
static_assert(offsetof(PF_InData, inter.checkout_param) == 0, "PF_InData.inter.checkout_param offset");
static_assert(declared_as<decltype(std::declval<PF_InData&>().inter.checkout_param),
                          PF_Err (*)(PF_ProgPtr, PF_ParamIndex, A_long, A_long, A_u_long, PF_ParamDef*)>,
              "PF_InData.inter.checkout_param type");
static_assert(offsetof(PF_InData, inter.checkin_param) == 8, "PF_InData.inter.checkin_param offset");
static_assert(
    declared_as<decltype(std::declval<PF_InData&>().inter.checkin_param), PF_Err (*)(PF_ProgPtr, PF_ParamDef*)>,
    "PF_InData.inter.checkin_param type");
static_assert(offsetof(PF_InData, inter.add_param) == 16, "PF_InData.inter.add_param offset");
static_assert(declared_as<decltype(std::declval<PF_InData&>().inter.add_param),
                          PF_Err (*)(PF_ProgPtr, PF_ParamIndex, PF_ParamDefPtr)>,
              "PF_InData.inter.add_param type");
static_assert(offsetof(PF_InData, inter.abort) == 24, "PF_InData.inter.abort offset");
static_assert(declared_as<decltype(std::declval<PF_InData&>().inter.abort), PF_Err (*)(PF_ProgPtr)>,
              "PF_InData.inter.abort type");
static_assert(offsetof(PF_InData, inter.progress) == 32, "PF_InData.inter.progress offset");
static_assert(declared_as<decltype(std::declval<PF_InData&>().inter.progress), PF_Err (*)(PF_ProgPtr, A_long, A_long)>,
              "PF_InData.inter.progress type");
static_assert(offsetof(PF_InData, inter.register_ui) == 40, "PF_InData.inter.register_ui offset");
static_assert(
    declared_as<decltype(std::declval<PF_InData&>().inter.register_ui), PF_Err (*)(PF_ProgPtr, PF_CustomUIInfo*)>,
    "PF_InData.inter.register_ui type");
static_assert(offsetof(PF_InData, inter.checkout_layer_audio) == 48, "PF_InData.inter.checkout_layer_audio offset");
static_assert(declared_as<decltype(std::declval<PF_InData&>().inter.checkout_layer_audio),
                          PF_Err (*)(PF_ProgPtr, PF_ParamIndex, A_long, A_long, A_u_long, PF_UFixed, A_long, A_long,
                                     A_long, PF_LayerAudio*)>,
              "PF_InData.inter.checkout_layer_audio type");
static_assert(offsetof(PF_InData, inter.checkin_layer_audio) == 56, "PF_InData.inter.checkin_layer_audio offset");
static_assert(
    declared_as<decltype(std::declval<PF_InData&>().inter.checkin_layer_audio), PF_Err (*)(PF_ProgPtr, PF_LayerAudio)>,
    "PF_InData.inter.checkin_layer_audio type");
static_assert(offsetof(PF_InData, inter.get_audio_data) == 64, "PF_InData.inter.get_audio_data offset");
static_assert(declared_as<decltype(std::declval<PF_InData&>().inter.get_audio_data),
                          PF_Err (*)(PF_ProgPtr, PF_LayerAudio, PF_SndSamplePtr*, A_long*, PF_UFixed*, A_long*, A_long*,
                                     A_long*)>,
              "PF_InData.inter.get_audio_data type");
static_assert(offsetof(PF_InData, inter.reserved_str) == 72, "PF_InData.inter.reserved_str offset");
static_assert(declared_as<decltype(std::declval<PF_InData&>().inter.reserved_str), void* [3]>,
              "PF_InData.inter.reserved_str type");
static_assert(offsetof(PF_InData, inter.reserved) == 96, "PF_InData.inter.reserved offset");
static_assert(declared_as<decltype(std::declval<PF_InData&>().inter.reserved), void* [10]>,
              "PF_InData.inter.reserved type");
static_assert(offsetof(PF_InData, utils) == 176, "PF_InData.utils offset");
static_assert(declared_as<decltype(std::declval<PF_InData&>().utils), struct _PF_UtilCallbacks*>,
              "PF_InData.utils type");
static_assert(sizeof(std::declval<PF_InData&>().utils) == 8, "PF_InData.utils size");
static_assert(offsetof(PF_InData, effect_ref) == 184, "PF_InData.effect_ref offset");
static_assert(declared_as<decltype(std::declval<PF_InData&>().effect_ref), PF_ProgPtr>, "PF_InData.effect_ref type");
static_assert(sizeof(std::declval<PF_InData&>().effect_ref) == 8, "PF_InData.effect_ref size");
static_assert(offsetof(PF_InData, quality) == 192, "PF_InData.quality offset");
static_assert(declared_as<decltype(std::declval<PF_InData&>().quality), PF_Quality>, "PF_InData.quality type");
static_assert(sizeof(std::declval<PF_InData&>().quality) == 4, "PF_InData.quality size");
static_assert(offsetof(PF_InData, version) == 196, "PF_InData.version offset");
static_assert(declared_as<decltype(std::declval<PF_InData&>().version), PF_SpecVersion>, "PF_InData.version type");
static_assert(sizeof(std::declval<PF_InData&>().version) == 4, "PF_InData.version size");
static_assert(offsetof(PF_InData, version.major) == 196, "PF_InData.version.major offset");
static_assert(declared_as<decltype(std::declval<PF_InData&>().version.major), A_short>, "PF_InData.version.major type");
static_assert(offsetof(PF_InData, version.minor) == 198, "PF_InData.version.minor offset");
static_assert(declared_as<decltype(std::declval<PF_InData&>().version.minor), A_short>, "PF_InData.version.minor type");
static_assert(offsetof(PF_InData, serial_num) == 200, "PF_InData.serial_num offset");
static_assert(declared_as<decltype(std::declval<PF_InData&>().serial_num), A_long>, "PF_InData.serial_num type");
static_assert(sizeof(std::declval<PF_InData&>().serial_num) == 4, "PF_InData.serial_num size");
static_assert(offsetof(PF_InData, appl_id) == 204, "PF_InData.appl_id offset");
static_assert(declared_as<decltype(std::declval<PF_InData&>().appl_id), A_long>, "PF_InData.appl_id type");
static_assert(sizeof(std::declval<PF_InData&>().appl_id) == 4, "PF_InData.appl_id size");
static_assert(offsetof(PF_InData, num_params) == 208, "PF_InData.num_params offset");
static_assert(declared_as<decltype(std::declval<PF_InData&>().num_params), A_long>, "PF_InData.num_params type");
static_assert(sizeof(std::declval<PF_InData&>().num_params) == 4, "PF_InData.num_params size");
static_assert(offsetof(PF_InData, reserved) == 212, "PF_InData.reserved offset");
static_assert(declared_as<decltype(std::declval<PF_InData&>().reserved), A_long>, "PF_InData.reserved type");
static_assert(sizeof(std::declval<PF_InData&>().reserved) == 4, "PF_InData.reserved size");
static_assert(offsetof(PF_InData, what_cpu) == 216, "PF_InData.what_cpu offset");
static_assert(declared_as<decltype(std::declval<PF_InData&>().what_cpu), A_long>, "PF_InData.what_cpu type");
static_assert(sizeof(std::declval<PF_InData&>().what_cpu) == 4, "PF_InData.what_cpu size");
static_assert(offsetof(PF_InData, what_fpu) == 220, "PF_InData.what_fpu offset");
static_assert(declared_as<decltype(std::declval<PF_InData&>().what_fpu), A_long>, "PF_InData.what_fpu type");
static_assert(sizeof(std::declval<PF_InData&>().what_fpu) == 4, "PF_InData.what_fpu size");
static_assert(offsetof(PF_InData, current_time) == 224, "PF_InData.current_time offset");
static_assert(declared_as<decltype(std::declval<PF_InData&>().current_time), A_long>, "PF_InData.current_time type");
static_assert(sizeof(std::declval<PF_InData&>().current_time) == 4, "PF_InData.current_time size");
static_assert(offsetof(PF_InData, time_step) == 228, "PF_InData.time_step offset");
static_assert(declared_as<decltype(std::declval<PF_InData&>().time_step), A_long>, "PF_InData.time_step type");
static_assert(sizeof(std::declval<PF_InData&>().time_step) == 4, "PF_InData.time_step size");
static_assert(offsetof(PF_InData, total_time) == 232, "PF_InData.total_time offset");
static_assert(declared_as<decltype(std::declval<PF_InData&>().total_time), A_long>, "PF_InData.total_time type");
static_assert(sizeof(std::declval<PF_InData&>().total_time) == 4, "PF_InData.total_time size");
static_assert(offsetof(PF_InData, local_time_step) == 236, "PF_InData.local_time_step offset");
static_assert(declared_as<decltype(std::declval<PF_InData&>().local_time_step), A_long>,
              "PF_InData.local_time_step type");
static_assert(sizeof(std::declval<PF_InData&>().local_time_step) == 4, "PF_InData.local_time_step size");
static_assert(offsetof(PF_InData, time_scale) == 240, "PF_InData.time_scale offset");
static_assert(declared_as<decltype(std::declval<PF_InData&>().time_scale), A_u_long>, "PF_InData.time_scale type");
static_assert(sizeof(std::declval<PF_InData&>().time_scale) == 4, "PF_InData.time_scale size");
static_assert(offsetof(PF_InData, field) == 244, "PF_InData.field offset");
static_assert(declared_as<decltype(std::declval<PF_InData&>().field), PF_Field>, "PF_InData.field type");
static_assert(sizeof(std::declval<PF_InData&>().field) == 4, "PF_InData.field size");
static_assert(offsetof(PF_InData, shutter_angle) == 248, "PF_InData.shutter_angle offset");
static_assert(declared_as<decltype(std::declval<PF_InData&>().shutter_angle), PF_Fixed>,
              "PF_InData.shutter_angle type");
static_assert(sizeof(std::declval<PF_InData&>().shutter_angle) == 4, "PF_InData.shutter_angle size");
static_assert(offsetof(PF_InData, width) == 252, "PF_InData.width offset");
static_assert(declared_as<decltype(std::declval<PF_InData&>().width), A_long>, "PF_InData.width type");
static_assert(sizeof(std::declval<PF_InData&>().width) == 4, "PF_InData.width size");
static_assert(offsetof(PF_InData, height) == 256, "PF_InData.height offset");
static_assert(declared_as<decltype(std::declval<PF_InData&>().height), A_long>, "PF_InData.height type");
static_assert(sizeof(std::declval<PF_InData&>().height) == 4, "PF_InData.height size");
static_assert(offsetof(PF_InData, extent_hint) == 260, "PF_InData.extent_hint offset");
static_assert(declared_as<decltype(std::declval<PF_InData&>().extent_hint), PF_LRect>, "PF_InData.extent_hint type");
static_assert(sizeof(std::declval<PF_InData&>().extent_hint) == 16, "PF_InData.extent_hint size");
static_assert(offsetof(PF_InData, extent_hint.left) == 260, "PF_InData.extent_hint.left offset");
static_assert(declared_as<decltype(std::declval<PF_InData&>().extent_hint.left), A_long>,
              "PF_InData.extent_hint.left type");
static_assert(offsetof(PF_InData, extent_hint.top) == 264, "PF_InData.extent_hint.top offset");
static_assert(declared_as<decltype(std::declval<PF_InData&>().extent_hint.top), A_long>,
              "PF_InData.extent_hint.top type");
static_assert(offsetof(PF_InData, extent_hint.right) == 268, "PF_InData.extent_hint.right offset");
static_assert(declared_as<decltype(std::declval<PF_InData&>().extent_hint.right), A_long>,
              "PF_InData.extent_hint.right type");
static_assert(offsetof(PF_InData, extent_hint.bottom) == 272, "PF_InData.extent_hint.bottom offset");
static_assert(declared_as<decltype(std::declval<PF_InData&>().extent_hint.bottom), A_long>,
              "PF_InData.extent_hint.bottom type");
static_assert(offsetof(PF_InData, output_origin_x) == 276, "PF_InData.output_origin_x offset");
static_assert(declared_as<decltype(std::declval<PF_InData&>().output_origin_x), A_long>,
              "PF_InData.output_origin_x type");
static_assert(sizeof(std::declval<PF_InData&>().output_origin_x) == 4, "PF_InData.output_origin_x size");
static_assert(offsetof(PF_InData, output_origin_y) == 280, "PF_InData.output_origin_y offset");
static_assert(declared_as<decltype(std::declval<PF_InData&>().output_origin_y), A_long>,
              "PF_InData.output_origin_y type");
static_assert(sizeof(std::declval<PF_InData&>().output_origin_y) == 4, "PF_InData.output_origin_y size");
static_assert(offsetof(PF_InData, downsample_x) == 284, "PF_InData.downsample_x offset");
static_assert(declared_as<decltype(std::declval<PF_InData&>().downsample_x), PF_RationalScale>,
              "PF_InData.downsample_x type");
static_assert(sizeof(std::declval<PF_InData&>().downsample_x) == 8, "PF_InData.downsample_x size");
static_assert(offsetof(PF_InData, downsample_x.num) == 284, "PF_InData.downsample_x.num offset");
static_assert(declared_as<decltype(std::declval<PF_InData&>().downsample_x.num), A_long>,
              "PF_InData.downsample_x.num type");
static_assert(offsetof(PF_InData, downsample_x.den) == 288, "PF_InData.downsample_x.den offset");
static_assert(declared_as<decltype(std::declval<PF_InData&>().downsample_x.den), A_u_long>,
              "PF_InData.downsample_x.den type");
static_assert(offsetof(PF_InData, downsample_y) == 292, "PF_InData.downsample_y offset");
static_assert(declared_as<decltype(std::declval<PF_InData&>().downsample_y), PF_RationalScale>,
              "PF_InData.downsample_y type");
static_assert(sizeof(std::declval<PF_InData&>().downsample_y) == 8, "PF_InData.downsample_y size");
static_assert(offsetof(PF_InData, downsample_y.num) == 292, "PF_InData.downsample_y.num offset");
static_assert(declared_as<decltype(std::declval<PF_InData&>().downsample_y.num), A_long>,
              "PF_InData.downsample_y.num type");
static_assert(offsetof(PF_InData, downsample_y.den) == 296, "PF_InData.downsample_y.den offset");
static_assert(declared_as<decltype(std::declval<PF_InData&>().downsample_y.den), A_u_long>,
              "PF_InData.downsample_y.den type");
static_assert(offsetof(PF_InData, pixel_aspect_ratio) == 300, "PF_InData.pixel_aspect_ratio offset");
static_assert(declared_as<decltype(std::declval<PF_InData&>().pixel_aspect_ratio), PF_RationalScale>,
              "PF_InData.pixel_aspect_ratio type");
static_assert(sizeof(std::declval<PF_InData&>().pixel_aspect_ratio) == 8, "PF_InData.pixel_aspect_ratio size");
static_assert(offsetof(PF_InData, pixel_aspect_ratio.num) == 300, "PF_InData.pixel_aspect_ratio.num offset");
static_assert(declared_as<decltype(std::declval<PF_InData&>().pixel_aspect_ratio.num), A_long>,
              "PF_InData.pixel_aspect_ratio.num type");
static_assert(offsetof(PF_InData, pixel_aspect_ratio.den) == 304, "PF_InData.pixel_aspect_ratio.den offset");
static_assert(declared_as<decltype(std::declval<PF_InData&>().pixel_aspect_ratio.den), A_u_long>,
              "PF_InData.pixel_aspect_ratio.den type");
static_assert(offsetof(PF_InData, in_flags) == 308, "PF_InData.in_flags offset");
static_assert(declared_as<decltype(std::declval<PF_InData&>().in_flags), PF_InFlags>, "PF_InData.in_flags type");
static_assert(sizeof(std::declval<PF_InData&>().in_flags) == 4, "PF_InData.in_flags size");
static_assert(offsetof(PF_InData, global_data) == 312, "PF_InData.global_data offset");
static_assert(declared_as<decltype(std::declval<PF_InData&>().global_data), PF_Handle>, "PF_InData.global_data type");
static_assert(sizeof(std::declval<PF_InData&>().global_data) == 8, "PF_InData.global_data size");
static_assert(offsetof(PF_InData, sequence_data) == 320, "PF_InData.sequence_data offset");
static_assert(declared_as<decltype(std::declval<PF_InData&>().sequence_data), PF_Handle>,
              "PF_InData.sequence_data type");
static_assert(sizeof(std::declval<PF_InData&>().sequence_data) == 8, "PF_InData.sequence_data size");
static_assert(offsetof(PF_InData, frame_data) == 328, "PF_InData.frame_data offset");
static_assert(declared_as<decltype(std::declval<PF_InData&>().frame_data), PF_Handle>, "PF_InData.frame_data type");
static_assert(sizeof(std::declval<PF_InData&>().frame_data) == 8, "PF_InData.frame_data size");
static_assert(offsetof(PF_InData, start_sampL) == 336, "PF_InData.start_sampL offset");
static_assert(declared_as<decltype(std::declval<PF_InData&>().start_sampL), A_long>, "PF_InData.start_sampL type");
static_assert(sizeof(std::declval<PF_InData&>().start_sampL) == 4, "PF_InData.start_sampL size");
static_assert(offsetof(PF_InData, dur_sampL) == 340, "PF_InData.dur_sampL offset");
static_assert(declared_as<decltype(std::declval<PF_InData&>().dur_sampL), A_long>, "PF_InData.dur_sampL type");
static_assert(sizeof(std::declval<PF_InData&>().dur_sampL) == 4, "PF_InData.dur_sampL size");
static_assert(offsetof(PF_InData, total_sampL) == 344, "PF_InData.total_sampL offset");
static_assert(declared_as<decltype(std::declval<PF_InData&>().total_sampL), A_long>, "PF_InData.total_sampL type");
static_assert(sizeof(std::declval<PF_InData&>().total_sampL) == 4, "PF_InData.total_sampL size");
static_assert(offsetof(PF_InData, src_snd) == 352, "PF_InData.src_snd offset");
static_assert(declared_as<decltype(std::declval<PF_InData&>().src_snd), PF_SoundWorld>, "PF_InData.src_snd type");
static_assert(sizeof(std::declval<PF_InData&>().src_snd) == 32, "PF_InData.src_snd size");
static_assert(offsetof(PF_InData, src_snd.fi) == 352, "PF_InData.src_snd.fi offset");
static_assert(declared_as<decltype(std::declval<PF_InData&>().src_snd.fi), PF_SoundFormatInfo>,
              "PF_InData.src_snd.fi type");
static_assert(offsetof(PF_InData, src_snd.fi.rateF) == 352, "PF_InData.src_snd.fi.rateF offset");
static_assert(declared_as<decltype(std::declval<PF_InData&>().src_snd.fi.rateF), PF_FpLong>,
              "PF_InData.src_snd.fi.rateF type");
static_assert(offsetof(PF_InData, src_snd.fi.num_channels) == 360, "PF_InData.src_snd.fi.num_channels offset");
static_assert(declared_as<decltype(std::declval<PF_InData&>().src_snd.fi.num_channels), PF_SoundChannels>,
              "PF_InData.src_snd.fi.num_channels type");
static_assert(offsetof(PF_InData, src_snd.fi.format) == 362, "PF_InData.src_snd.fi.format offset");
static_assert(declared_as<decltype(std::declval<PF_InData&>().src_snd.fi.format), PF_SoundFormat>,
              "PF_InData.src_snd.fi.format type");
static_assert(offsetof(PF_InData, src_snd.fi.sample_size) == 364, "PF_InData.src_snd.fi.sample_size offset");
static_assert(declared_as<decltype(std::declval<PF_InData&>().src_snd.fi.sample_size), PF_SoundSampleSize>,
              "PF_InData.src_snd.fi.sample_size type");
static_assert(offsetof(PF_InData, src_snd.num_samples) == 368, "PF_InData.src_snd.num_samples offset");
static_assert(declared_as<decltype(std::declval<PF_InData&>().src_snd.num_samples), A_long>,
              "PF_InData.src_snd.num_samples type");
static_assert(offsetof(PF_InData, src_snd.dataP) == 376, "PF_InData.src_snd.dataP offset");
static_assert(declared_as<decltype(std::declval<PF_InData&>().src_snd.dataP), void*>, "PF_InData.src_snd.dataP type");
static_assert(offsetof(PF_InData, pica_basicP) == 384, "PF_InData.pica_basicP offset");
static_assert(declared_as<decltype(std::declval<PF_InData&>().pica_basicP), struct SPBasicSuite*>,
              "PF_InData.pica_basicP type");
static_assert(sizeof(std::declval<PF_InData&>().pica_basicP) == 8, "PF_InData.pica_basicP size");
static_assert(offsetof(PF_InData, pre_effect_source_origin_x) == 392, "PF_InData.pre_effect_source_origin_x offset");
static_assert(declared_as<decltype(std::declval<PF_InData&>().pre_effect_source_origin_x), A_long>,
              "PF_InData.pre_effect_source_origin_x type");
static_assert(sizeof(std::declval<PF_InData&>().pre_effect_source_origin_x) == 4,
              "PF_InData.pre_effect_source_origin_x size");
static_assert(offsetof(PF_InData, pre_effect_source_origin_y) == 396, "PF_InData.pre_effect_source_origin_y offset");
static_assert(declared_as<decltype(std::declval<PF_InData&>().pre_effect_source_origin_y), A_long>,
              "PF_InData.pre_effect_source_origin_y type");
static_assert(sizeof(std::declval<PF_InData&>().pre_effect_source_origin_y) == 4,
              "PF_InData.pre_effect_source_origin_y size");
static_assert(offsetof(PF_InData, shutter_phase) == 400, "PF_InData.shutter_phase offset");
static_assert(declared_as<decltype(std::declval<PF_InData&>().shutter_phase), PF_Fixed>,
              "PF_InData.shutter_phase type");
static_assert(sizeof(std::declval<PF_InData&>().shutter_phase) == 4, "PF_InData.shutter_phase size");

// PF_OutData
static_assert(sizeof(PF_OutData) == 408, "sizeof PF_OutData");
static_assert(alignof(PF_OutData) == 8, "alignof PF_OutData");
static_assert(offsetof(PF_OutData, my_version) == 0, "PF_OutData.my_version offset");
static_assert(declared_as<decltype(std::declval<PF_OutData&>().my_version), A_u_long>, "PF_OutData.my_version type");
static_assert(sizeof(std::declval<PF_OutData&>().my_version) == 4, "PF_OutData.my_version size");
static_assert(offsetof(PF_OutData, name) == 4, "PF_OutData.name offset");
static_assert(declared_as<decltype(std::declval<PF_OutData&>().name), A_char[32]>, "PF_OutData.name type");
static_assert(sizeof(std::declval<PF_OutData&>().name) == 32, "PF_OutData.name size");
static_assert(offsetof(PF_OutData, global_data) == 40, "PF_OutData.global_data offset");
static_assert(declared_as<decltype(std::declval<PF_OutData&>().global_data), PF_Handle>, "PF_OutData.global_data type");
static_assert(sizeof(std::declval<PF_OutData&>().global_data) == 8, "PF_OutData.global_data size");
static_assert(offsetof(PF_OutData, num_params) == 48, "PF_OutData.num_params offset");
static_assert(declared_as<decltype(std::declval<PF_OutData&>().num_params), A_long>, "PF_OutData.num_params type");
static_assert(sizeof(std::declval<PF_OutData&>().num_params) == 4, "PF_OutData.num_params size");
static_assert(offsetof(PF_OutData, sequence_data) == 56, "PF_OutData.sequence_data offset");
static_assert(declared_as<decltype(std::declval<PF_OutData&>().sequence_data), PF_Handle>,
              "PF_OutData.sequence_data type");
static_assert(sizeof(std::declval<PF_OutData&>().sequence_data) == 8, "PF_OutData.sequence_data size");
static_assert(offsetof(PF_OutData, flat_sdata_size) == 64, "PF_OutData.flat_sdata_size offset");
static_assert(declared_as<decltype(std::declval<PF_OutData&>().flat_sdata_size), A_long>,
              "PF_OutData.flat_sdata_size type");
static_assert(sizeof(std::declval<PF_OutData&>().flat_sdata_size) == 4, "PF_OutData.flat_sdata_size size");
static_assert(offsetof(PF_OutData, frame_data) == 72, "PF_OutData.frame_data offset");
static_assert(declared_as<decltype(std::declval<PF_OutData&>().frame_data), PF_Handle>, "PF_OutData.frame_data type");
static_assert(sizeof(std::declval<PF_OutData&>().frame_data) == 8, "PF_OutData.frame_data size");
static_assert(offsetof(PF_OutData, width) == 80, "PF_OutData.width offset");
static_assert(declared_as<decltype(std::declval<PF_OutData&>().width), A_long>, "PF_OutData.width type");
static_assert(sizeof(std::declval<PF_OutData&>().width) == 4, "PF_OutData.width size");
static_assert(offsetof(PF_OutData, height) == 84, "PF_OutData.height offset");
static_assert(declared_as<decltype(std::declval<PF_OutData&>().height), A_long>, "PF_OutData.height type");
static_assert(sizeof(std::declval<PF_OutData&>().height) == 4, "PF_OutData.height size");
static_assert(offsetof(PF_OutData, origin) == 88, "PF_OutData.origin offset");
static_assert(declared_as<decltype(std::declval<PF_OutData&>().origin), PF_Point>, "PF_OutData.origin type");
static_assert(sizeof(std::declval<PF_OutData&>().origin) == 8, "PF_OutData.origin size");
static_assert(offsetof(PF_OutData, origin.h) == 88, "PF_OutData.origin.h offset");
static_assert(declared_as<decltype(std::declval<PF_OutData&>().origin.h), A_long>, "PF_OutData.origin.h type");
static_assert(offsetof(PF_OutData, origin.v) == 92, "PF_OutData.origin.v offset");
static_assert(declared_as<decltype(std::declval<PF_OutData&>().origin.v), A_long>, "PF_OutData.origin.v type");
static_assert(offsetof(PF_OutData, out_flags) == 96, "PF_OutData.out_flags offset");
static_assert(declared_as<decltype(std::declval<PF_OutData&>().out_flags), PF_OutFlags>, "PF_OutData.out_flags type");
static_assert(sizeof(std::declval<PF_OutData&>().out_flags) == 4, "PF_OutData.out_flags size");
static_assert(offsetof(PF_OutData, return_msg) == 100, "PF_OutData.return_msg offset");
static_assert(declared_as<decltype(std::declval<PF_OutData&>().return_msg), A_char[256]>, "PF_OutData.return_msg type");
static_assert(sizeof(std::declval<PF_OutData&>().return_msg) == 256, "PF_OutData.return_msg size");
static_assert(offsetof(PF_OutData, start_sampL) == 356, "PF_OutData.start_sampL offset");
static_assert(declared_as<decltype(std::declval<PF_OutData&>().start_sampL), A_long>, "PF_OutData.start_sampL type");
static_assert(sizeof(std::declval<PF_OutData&>().start_sampL) == 4, "PF_OutData.start_sampL size");
static_assert(offsetof(PF_OutData, dur_sampL) == 360, "PF_OutData.dur_sampL offset");
static_assert(declared_as<decltype(std::declval<PF_OutData&>().dur_sampL), A_long>, "PF_OutData.dur_sampL type");
static_assert(sizeof(std::declval<PF_OutData&>().dur_sampL) == 4, "PF_OutData.dur_sampL size");
static_assert(offsetof(PF_OutData, dest_snd) == 368, "PF_OutData.dest_snd offset");
static_assert(declared_as<decltype(std::declval<PF_OutData&>().dest_snd), PF_SoundWorld>, "PF_OutData.dest_snd type");
static_assert(sizeof(std::declval<PF_OutData&>().dest_snd) == 32, "PF_OutData.dest_snd size");
static_assert(offsetof(PF_OutData, dest_snd.fi) == 368, "PF_OutData.dest_snd.fi offset");
static_assert(declared_as<decltype(std::declval<PF_OutData&>().dest_snd.fi), PF_SoundFormatInfo>,
              "PF_OutData.dest_snd.fi type");
static_assert(offsetof(PF_OutData, dest_snd.fi.rateF) == 368, "PF_OutData.dest_snd.fi.rateF offset");
static_assert(declared_as<decltype(std::declval<PF_OutData&>().dest_snd.fi.rateF), PF_FpLong>,
              "PF_OutData.dest_snd.fi.rateF type");
static_assert(offsetof(PF_OutData, dest_snd.fi.num_channels) == 376, "PF_OutData.dest_snd.fi.num_channels offset");
static_assert(declared_as<decltype(std::declval<PF_OutData&>().dest_snd.fi.num_channels), PF_SoundChannels>,
              "PF_OutData.dest_snd.fi.num_channels type");
static_assert(offsetof(PF_OutData, dest_snd.fi.format) == 378, "PF_OutData.dest_snd.fi.format offset");
static_assert(declared_as<decltype(std::declval<PF_OutData&>().dest_snd.fi.format), PF_SoundFormat>,
              "PF_OutData.dest_snd.fi.format type");
static_assert(offsetof(PF_OutData, dest_snd.fi.sample_size) == 380, "PF_OutData.dest_snd.fi.sample_size offset");
static_assert(declared_as<decltype(std::declval<PF_OutData&>().dest_snd.fi.sample_size), PF_SoundSampleSize>,
              "PF_OutData.dest_snd.fi.sample_size type");
static_assert(offsetof(PF_OutData, dest_snd.num_samples) == 384, "PF_OutData.dest_snd.num_samples offset");
static_assert(declared_as<decltype(std::declval<PF_OutData&>().dest_snd.num_samples), A_long>,
              "PF_OutData.dest_snd.num_samples type");
static_assert(offsetof(PF_OutData, dest_snd.dataP) == 392, "PF_OutData.dest_snd.dataP offset");
static_assert(declared_as<decltype(std::declval<PF_OutData&>().dest_snd.dataP), void*>,
              "PF_OutData.dest_snd.dataP type");
static_assert(offsetof(PF_OutData, out_flags2) == 400, "PF_OutData.out_flags2 offset");
static_assert(declared_as<decltype(std::declval<PF_OutData&>().out_flags2), PF_OutFlags2>,
              "PF_OutData.out_flags2 type");
static_assert(sizeof(std::declval<PF_OutData&>().out_flags2) == 4, "PF_OutData.out_flags2 size");

// PF_InteractCallbacks
static_assert(sizeof(PF_InteractCallbacks) == 176, "sizeof PF_InteractCallbacks");
static_assert(alignof(PF_InteractCallbacks) == 8, "alignof PF_InteractCallbacks");
static_assert(offsetof(PF_InteractCallbacks, checkout_param) == 0, "PF_InteractCallbacks.checkout_param offset");
static_assert(declared_as<decltype(std::declval<PF_InteractCallbacks&>().checkout_param),
                          PF_Err (*)(PF_ProgPtr effect_ref, PF_ParamIndex index, A_long what_time, A_long time_step,
                                     A_u_long time_scale, PF_ParamDef* param)>,
              "PF_InteractCallbacks.checkout_param type");
static_assert(sizeof(std::declval<PF_InteractCallbacks&>().checkout_param) == 8,
              "PF_InteractCallbacks.checkout_param size");
static_assert(offsetof(PF_InteractCallbacks, checkin_param) == 8, "PF_InteractCallbacks.checkin_param offset");
static_assert(declared_as<decltype(std::declval<PF_InteractCallbacks&>().checkin_param),
                          PF_Err (*)(PF_ProgPtr effect_ref, PF_ParamDef* param)>,
              "PF_InteractCallbacks.checkin_param type");
static_assert(sizeof(std::declval<PF_InteractCallbacks&>().checkin_param) == 8,
              "PF_InteractCallbacks.checkin_param size");
static_assert(offsetof(PF_InteractCallbacks, add_param) == 16, "PF_InteractCallbacks.add_param offset");
static_assert(declared_as<decltype(std::declval<PF_InteractCallbacks&>().add_param),
                          PF_Err (*)(PF_ProgPtr effect_ref, PF_ParamIndex index, PF_ParamDefPtr def)>,
              "PF_InteractCallbacks.add_param type");
static_assert(sizeof(std::declval<PF_InteractCallbacks&>().add_param) == 8, "PF_InteractCallbacks.add_param size");
static_assert(offsetof(PF_InteractCallbacks, abort) == 24, "PF_InteractCallbacks.abort offset");
static_assert(declared_as<decltype(std::declval<PF_InteractCallbacks&>().abort), PF_Err (*)(PF_ProgPtr effect_ref)>,
              "PF_InteractCallbacks.abort type");
static_assert(sizeof(std::declval<PF_InteractCallbacks&>().abort) == 8, "PF_InteractCallbacks.abort size");
static_assert(offsetof(PF_InteractCallbacks, progress) == 32, "PF_InteractCallbacks.progress offset");
static_assert(declared_as<decltype(std::declval<PF_InteractCallbacks&>().progress),
                          PF_Err (*)(PF_ProgPtr effect_ref, A_long current, A_long total)>,
              "PF_InteractCallbacks.progress type");
static_assert(sizeof(std::declval<PF_InteractCallbacks&>().progress) == 8, "PF_InteractCallbacks.progress size");
static_assert(offsetof(PF_InteractCallbacks, register_ui) == 40, "PF_InteractCallbacks.register_ui offset");
static_assert(declared_as<decltype(std::declval<PF_InteractCallbacks&>().register_ui),
                          PF_Err (*)(PF_ProgPtr effect_ref, PF_CustomUIInfo* cust_info)>,
              "PF_InteractCallbacks.register_ui type");
static_assert(sizeof(std::declval<PF_InteractCallbacks&>().register_ui) == 8, "PF_InteractCallbacks.register_ui size");
static_assert(offsetof(PF_InteractCallbacks, checkout_layer_audio) == 48,
              "PF_InteractCallbacks.checkout_layer_audio offset");
static_assert(declared_as<decltype(std::declval<PF_InteractCallbacks&>().checkout_layer_audio),
                          PF_Err (*)(PF_ProgPtr effect_ref, PF_ParamIndex index, A_long start_time, A_long duration,
                                     A_u_long time_scale, PF_UFixed rate, A_long bytes_per_sample, A_long num_channels,
                                     A_long fmt_signed, PF_LayerAudio* audio)>,
              "PF_InteractCallbacks.checkout_layer_audio type");
static_assert(sizeof(std::declval<PF_InteractCallbacks&>().checkout_layer_audio) == 8,
              "PF_InteractCallbacks.checkout_layer_audio size");
static_assert(offsetof(PF_InteractCallbacks, checkin_layer_audio) == 56,
              "PF_InteractCallbacks.checkin_layer_audio offset");
static_assert(declared_as<decltype(std::declval<PF_InteractCallbacks&>().checkin_layer_audio),
                          PF_Err (*)(PF_ProgPtr effect_ref, PF_LayerAudio audio)>,
              "PF_InteractCallbacks.checkin_layer_audio type");
static_assert(sizeof(std::declval<PF_InteractCallbacks&>().checkin_layer_audio) == 8,
              "PF_InteractCallbacks.checkin_layer_audio size");
static_assert(offsetof(PF_InteractCallbacks, get_audio_data) == 64, "PF_InteractCallbacks.get_audio_data offset");
static_assert(
    declared_as<decltype(std::declval<PF_InteractCallbacks&>().get_audio_data),
                PF_Err (*)(PF_ProgPtr effect_ref, PF_LayerAudio audio, PF_SndSamplePtr* data0, A_long* num_samples0,
                           PF_UFixed* rate0, A_long* bytes_per_sample0, A_long* num_channels0, A_long* fmt_signed0)>,
    "PF_InteractCallbacks.get_audio_data type");
static_assert(sizeof(std::declval<PF_InteractCallbacks&>().get_audio_data) == 8,
              "PF_InteractCallbacks.get_audio_data size");
static_assert(offsetof(PF_InteractCallbacks, reserved_str) == 72, "PF_InteractCallbacks.reserved_str offset");
static_assert(declared_as<decltype(std::declval<PF_InteractCallbacks&>().reserved_str), void* [3]>,
              "PF_InteractCallbacks.reserved_str type");
static_assert(sizeof(std::declval<PF_InteractCallbacks&>().reserved_str) == 24,
              "PF_InteractCallbacks.reserved_str size");
static_assert(offsetof(PF_InteractCallbacks, reserved) == 96, "PF_InteractCallbacks.reserved offset");
static_assert(declared_as<decltype(std::declval<PF_InteractCallbacks&>().reserved), void* [10]>,
              "PF_InteractCallbacks.reserved type");
static_assert(sizeof(std::declval<PF_InteractCallbacks&>().reserved) == 80, "PF_InteractCallbacks.reserved size");

// PF_UtilCallbacks
static_assert(sizeof(PF_UtilCallbacks) == 552, "sizeof PF_UtilCallbacks");
static_assert(alignof(PF_UtilCallbacks) == 8, "alignof PF_UtilCallbacks");
static_assert(offsetof(PF_UtilCallbacks, begin_sampling) == 0, "PF_UtilCallbacks.begin_sampling offset");
static_assert(declared_as<decltype(std::declval<PF_UtilCallbacks&>().begin_sampling),
                          PF_Err (*)(PF_ProgPtr effect_ref, PF_Quality qual, PF_ModeFlags mf, PF_SampPB* params)>,
              "PF_UtilCallbacks.begin_sampling type");
static_assert(sizeof(std::declval<PF_UtilCallbacks&>().begin_sampling) == 8, "PF_UtilCallbacks.begin_sampling size");
static_assert(offsetof(PF_UtilCallbacks, subpixel_sample) == 8, "PF_UtilCallbacks.subpixel_sample offset");
static_assert(declared_as<decltype(std::declval<PF_UtilCallbacks&>().subpixel_sample),
                          PF_Err (*)(PF_ProgPtr effect_ref, PF_Fixed x, PF_Fixed y, const PF_SampPB* params,
                                     PF_Pixel* dst_pixel)>,
              "PF_UtilCallbacks.subpixel_sample type");
static_assert(sizeof(std::declval<PF_UtilCallbacks&>().subpixel_sample) == 8, "PF_UtilCallbacks.subpixel_sample size");
static_assert(offsetof(PF_UtilCallbacks, area_sample) == 16, "PF_UtilCallbacks.area_sample offset");
static_assert(declared_as<decltype(std::declval<PF_UtilCallbacks&>().area_sample),
                          PF_Err (*)(PF_ProgPtr effect_ref, PF_Fixed x, PF_Fixed y, const PF_SampPB* params,
                                     PF_Pixel* dst_pixel)>,
              "PF_UtilCallbacks.area_sample type");
static_assert(sizeof(std::declval<PF_UtilCallbacks&>().area_sample) == 8, "PF_UtilCallbacks.area_sample size");
static_assert(offsetof(PF_UtilCallbacks, get_batch_func_is_deprecated) == 24,
              "PF_UtilCallbacks.get_batch_func_is_deprecated offset");
static_assert(declared_as<decltype(std::declval<PF_UtilCallbacks&>().get_batch_func_is_deprecated), void*>,
              "PF_UtilCallbacks.get_batch_func_is_deprecated type");
static_assert(sizeof(std::declval<PF_UtilCallbacks&>().get_batch_func_is_deprecated) == 8,
              "PF_UtilCallbacks.get_batch_func_is_deprecated size");
static_assert(offsetof(PF_UtilCallbacks, end_sampling) == 32, "PF_UtilCallbacks.end_sampling offset");
static_assert(declared_as<decltype(std::declval<PF_UtilCallbacks&>().end_sampling),
                          PF_Err (*)(PF_ProgPtr effect_ref, PF_Quality qual, PF_ModeFlags mf, PF_SampPB* params)>,
              "PF_UtilCallbacks.end_sampling type");
static_assert(sizeof(std::declval<PF_UtilCallbacks&>().end_sampling) == 8, "PF_UtilCallbacks.end_sampling size");
static_assert(offsetof(PF_UtilCallbacks, composite_rect) == 40, "PF_UtilCallbacks.composite_rect offset");
static_assert(declared_as<decltype(std::declval<PF_UtilCallbacks&>().composite_rect),
                          PF_Err (*)(PF_ProgPtr effect_ref, PF_Rect* src_rect, A_long src_opacity,
                                     PF_EffectWorld* source_wld, A_long dest_x, A_long dest_y, PF_Field field_rdr,
                                     PF_XferMode xfer_mode, PF_EffectWorld* dest_wld)>,
              "PF_UtilCallbacks.composite_rect type");
static_assert(sizeof(std::declval<PF_UtilCallbacks&>().composite_rect) == 8, "PF_UtilCallbacks.composite_rect size");
static_assert(offsetof(PF_UtilCallbacks, blend) == 48, "PF_UtilCallbacks.blend offset");
static_assert(declared_as<decltype(std::declval<PF_UtilCallbacks&>().blend),
                          PF_Err (*)(PF_ProgPtr effect_ref, const PF_EffectWorld* src1, const PF_EffectWorld* src2,
                                     PF_Fixed ratio, PF_EffectWorld* dst)>,
              "PF_UtilCallbacks.blend type");
static_assert(sizeof(std::declval<PF_UtilCallbacks&>().blend) == 8, "PF_UtilCallbacks.blend size");
static_assert(offsetof(PF_UtilCallbacks, convolve) == 56, "PF_UtilCallbacks.convolve offset");
static_assert(declared_as<decltype(std::declval<PF_UtilCallbacks&>().convolve),
                          PF_Err (*)(PF_ProgPtr effect_ref, PF_EffectWorld* src, const PF_Rect* area,
                                     PF_KernelFlags flags, A_long kernel_size, void* a_kernel, void* r_kernel,
                                     void* g_kernel, void* b_kernel, PF_EffectWorld* dst)>,
              "PF_UtilCallbacks.convolve type");
static_assert(sizeof(std::declval<PF_UtilCallbacks&>().convolve) == 8, "PF_UtilCallbacks.convolve size");
static_assert(offsetof(PF_UtilCallbacks, copy) == 64, "PF_UtilCallbacks.copy offset");
static_assert(declared_as<decltype(std::declval<PF_UtilCallbacks&>().copy),
                          PF_Err (*)(PF_ProgPtr effect_ref, PF_EffectWorld* src, PF_EffectWorld* dst, PF_Rect* src_r,
                                     PF_Rect* dst_r)>,
              "PF_UtilCallbacks.copy type");
static_assert(sizeof(std::declval<PF_UtilCallbacks&>().copy) == 8, "PF_UtilCallbacks.copy size");
static_assert(offsetof(PF_UtilCallbacks, fill) == 72, "PF_UtilCallbacks.fill offset");
static_assert(declared_as<decltype(std::declval<PF_UtilCallbacks&>().fill),
                          PF_Err (*)(PF_ProgPtr effect_ref, const PF_Pixel* color, const PF_Rect* dst_rect,
                                     PF_EffectWorld* world)>,
              "PF_UtilCallbacks.fill type");
static_assert(sizeof(std::declval<PF_UtilCallbacks&>().fill) == 8, "PF_UtilCallbacks.fill size");
static_assert(offsetof(PF_UtilCallbacks, gaussian_kernel) == 80, "PF_UtilCallbacks.gaussian_kernel offset");
static_assert(declared_as<decltype(std::declval<PF_UtilCallbacks&>().gaussian_kernel),
                          PF_Err (*)(PF_ProgPtr effect_ref, A_FpLong kRadius, PF_KernelFlags flags, A_FpLong multiplier,
                                     A_long* diameter, void* kernel)>,
              "PF_UtilCallbacks.gaussian_kernel type");
static_assert(sizeof(std::declval<PF_UtilCallbacks&>().gaussian_kernel) == 8, "PF_UtilCallbacks.gaussian_kernel size");
static_assert(offsetof(PF_UtilCallbacks, iterate) == 88, "PF_UtilCallbacks.iterate offset");
static_assert(
    declared_as<decltype(std::declval<PF_UtilCallbacks&>().iterate),
                PF_Err (*)(PF_InData* in_data, A_long progress_base, A_long progress_final, PF_EffectWorld* src,
                           const PF_Rect* area, void* refcon, PF_IteratePixel8Func pix_fn, PF_EffectWorld* dst)>,
    "PF_UtilCallbacks.iterate type");
static_assert(sizeof(std::declval<PF_UtilCallbacks&>().iterate) == 8, "PF_UtilCallbacks.iterate size");
static_assert(offsetof(PF_UtilCallbacks, premultiply) == 96, "PF_UtilCallbacks.premultiply offset");
static_assert(declared_as<decltype(std::declval<PF_UtilCallbacks&>().premultiply),
                          PF_Err (*)(PF_ProgPtr effect_ref, A_long forward, PF_EffectWorld* dst)>,
              "PF_UtilCallbacks.premultiply type");
static_assert(sizeof(std::declval<PF_UtilCallbacks&>().premultiply) == 8, "PF_UtilCallbacks.premultiply size");
static_assert(offsetof(PF_UtilCallbacks, premultiply_color) == 104, "PF_UtilCallbacks.premultiply_color offset");
static_assert(declared_as<decltype(std::declval<PF_UtilCallbacks&>().premultiply_color),
                          PF_Err (*)(PF_ProgPtr effect_ref, PF_EffectWorld* src, const PF_Pixel* color, A_long forward,
                                     PF_EffectWorld* dst)>,
              "PF_UtilCallbacks.premultiply_color type");
static_assert(sizeof(std::declval<PF_UtilCallbacks&>().premultiply_color) == 8,
              "PF_UtilCallbacks.premultiply_color size");
static_assert(offsetof(PF_UtilCallbacks, new_world) == 112, "PF_UtilCallbacks.new_world offset");
static_assert(declared_as<decltype(std::declval<PF_UtilCallbacks&>().new_world),
                          PF_Err (*)(PF_ProgPtr effect_ref, A_long width, A_long height, PF_NewWorldFlags flags,
                                     PF_EffectWorld* world)>,
              "PF_UtilCallbacks.new_world type");
static_assert(sizeof(std::declval<PF_UtilCallbacks&>().new_world) == 8, "PF_UtilCallbacks.new_world size");
static_assert(offsetof(PF_UtilCallbacks, dispose_world) == 120, "PF_UtilCallbacks.dispose_world offset");
static_assert(declared_as<decltype(std::declval<PF_UtilCallbacks&>().dispose_world),
                          PF_Err (*)(PF_ProgPtr effect_ref, PF_EffectWorld* world)>,
              "PF_UtilCallbacks.dispose_world type");
static_assert(sizeof(std::declval<PF_UtilCallbacks&>().dispose_world) == 8, "PF_UtilCallbacks.dispose_world size");
static_assert(offsetof(PF_UtilCallbacks, iterate_origin) == 128, "PF_UtilCallbacks.iterate_origin offset");
static_assert(declared_as<decltype(std::declval<PF_UtilCallbacks&>().iterate_origin),
                          PF_Err (*)(PF_InData* in_data, A_long progress_base, A_long progress_final,
                                     PF_EffectWorld* src, const PF_Rect* area, const PF_Point* origin, void* refcon,
                                     PF_IteratePixel8Func pix_fn, PF_EffectWorld* dst)>,
              "PF_UtilCallbacks.iterate_origin type");
static_assert(sizeof(std::declval<PF_UtilCallbacks&>().iterate_origin) == 8, "PF_UtilCallbacks.iterate_origin size");
static_assert(offsetof(PF_UtilCallbacks, iterate_lut) == 136, "PF_UtilCallbacks.iterate_lut offset");
static_assert(declared_as<decltype(std::declval<PF_UtilCallbacks&>().iterate_lut),
                          PF_Err (*)(PF_InData* in_data, A_long progress_base, A_long progress_final,
                                     PF_EffectWorld* src, const PF_Rect* area, A_u_char* a_lut0, A_u_char* r_lut0,
                                     A_u_char* g_lut0, A_u_char* b_lut0, PF_EffectWorld* dst)>,
              "PF_UtilCallbacks.iterate_lut type");
static_assert(sizeof(std::declval<PF_UtilCallbacks&>().iterate_lut) == 8, "PF_UtilCallbacks.iterate_lut size");
static_assert(offsetof(PF_UtilCallbacks, transfer_rect) == 144, "PF_UtilCallbacks.transfer_rect offset");
static_assert(
    declared_as<decltype(std::declval<PF_UtilCallbacks&>().transfer_rect),
                PF_Err (*)(PF_ProgPtr effect_ref, PF_Quality quality, PF_ModeFlags m_flags, PF_Field field,
                           const PF_Rect* src_rec, const PF_EffectWorld* src_world, const PF_CompositeMode* comp_mode,
                           const PF_MaskWorld* mask_world0, A_long dest_x, A_long dest_y, PF_EffectWorld* dst_world)>,
    "PF_UtilCallbacks.transfer_rect type");
static_assert(sizeof(std::declval<PF_UtilCallbacks&>().transfer_rect) == 8, "PF_UtilCallbacks.transfer_rect size");
static_assert(offsetof(PF_UtilCallbacks, transform_world) == 152, "PF_UtilCallbacks.transform_world offset");
static_assert(
    declared_as<decltype(std::declval<PF_UtilCallbacks&>().transform_world),
                PF_Err (*)(PF_ProgPtr effect_ref, PF_Quality quality, PF_ModeFlags m_flags, PF_Field field,
                           const PF_EffectWorld* src_world, const PF_CompositeMode* comp_mode,
                           const PF_MaskWorld* mask_world0, const PF_FloatMatrix* matrices, A_long num_matrices,
                           PF_Boolean src2dst_matrix, const PF_Rect* dest_rect, PF_EffectWorld* dst_world)>,
    "PF_UtilCallbacks.transform_world type");
static_assert(sizeof(std::declval<PF_UtilCallbacks&>().transform_world) == 8, "PF_UtilCallbacks.transform_world size");
static_assert(offsetof(PF_UtilCallbacks, host_new_handle) == 160, "PF_UtilCallbacks.host_new_handle offset");
static_assert(
    declared_as<decltype(std::declval<PF_UtilCallbacks&>().host_new_handle), PF_Handle (*)(A_u_longlong size)>,
    "PF_UtilCallbacks.host_new_handle type");
static_assert(sizeof(std::declval<PF_UtilCallbacks&>().host_new_handle) == 8, "PF_UtilCallbacks.host_new_handle size");
static_assert(offsetof(PF_UtilCallbacks, host_lock_handle) == 168, "PF_UtilCallbacks.host_lock_handle offset");
static_assert(declared_as<decltype(std::declval<PF_UtilCallbacks&>().host_lock_handle), void* (*)(PF_Handle pf_handle)>,
              "PF_UtilCallbacks.host_lock_handle type");
static_assert(sizeof(std::declval<PF_UtilCallbacks&>().host_lock_handle) == 8,
              "PF_UtilCallbacks.host_lock_handle size");
static_assert(offsetof(PF_UtilCallbacks, host_unlock_handle) == 176, "PF_UtilCallbacks.host_unlock_handle offset");
static_assert(
    declared_as<decltype(std::declval<PF_UtilCallbacks&>().host_unlock_handle), void (*)(PF_Handle pf_handle)>,
    "PF_UtilCallbacks.host_unlock_handle type");
static_assert(sizeof(std::declval<PF_UtilCallbacks&>().host_unlock_handle) == 8,
              "PF_UtilCallbacks.host_unlock_handle size");
static_assert(offsetof(PF_UtilCallbacks, host_dispose_handle) == 184, "PF_UtilCallbacks.host_dispose_handle offset");
static_assert(
    declared_as<decltype(std::declval<PF_UtilCallbacks&>().host_dispose_handle), void (*)(PF_Handle pf_handle)>,
    "PF_UtilCallbacks.host_dispose_handle type");
static_assert(sizeof(std::declval<PF_UtilCallbacks&>().host_dispose_handle) == 8,
              "PF_UtilCallbacks.host_dispose_handle size");
static_assert(offsetof(PF_UtilCallbacks, get_callback_addr) == 192, "PF_UtilCallbacks.get_callback_addr offset");
static_assert(declared_as<decltype(std::declval<PF_UtilCallbacks&>().get_callback_addr),
                          PF_Err (*)(PF_ProgPtr effect_ref, PF_Quality quality, PF_ModeFlags mode_flags,
                                     PF_CallbackID which_callback, PF_CallbackFunc* fn_ptr)>,
              "PF_UtilCallbacks.get_callback_addr type");
static_assert(sizeof(std::declval<PF_UtilCallbacks&>().get_callback_addr) == 8,
              "PF_UtilCallbacks.get_callback_addr size");
static_assert(offsetof(PF_UtilCallbacks, app) == 200, "PF_UtilCallbacks.app offset");
static_assert(declared_as<decltype(std::declval<PF_UtilCallbacks&>().app), PF_Err (*)(PF_ProgPtr, A_long, ...)>,
              "PF_UtilCallbacks.app type");
static_assert(sizeof(std::declval<PF_UtilCallbacks&>().app) == 8, "PF_UtilCallbacks.app size");
static_assert(offsetof(PF_UtilCallbacks, ansi) == 208, "PF_UtilCallbacks.ansi offset");
static_assert(declared_as<decltype(std::declval<PF_UtilCallbacks&>().ansi), PF_ANSICallbacks>,
              "PF_UtilCallbacks.ansi type");
static_assert(sizeof(std::declval<PF_UtilCallbacks&>().ansi) == 160, "PF_UtilCallbacks.ansi size");
static_assert(offsetof(PF_UtilCallbacks, ansi.atan) == 208, "PF_UtilCallbacks.ansi.atan offset");
static_assert(declared_as<decltype(std::declval<PF_UtilCallbacks&>().ansi.atan), A_FpLong (*)(A_FpLong)>,
              "PF_UtilCallbacks.ansi.atan type");
static_assert(offsetof(PF_UtilCallbacks, ansi.atan2) == 216, "PF_UtilCallbacks.ansi.atan2 offset");
static_assert(declared_as<decltype(std::declval<PF_UtilCallbacks&>().ansi.atan2), A_FpLong (*)(A_FpLong, A_FpLong)>,
              "PF_UtilCallbacks.ansi.atan2 type");
static_assert(offsetof(PF_UtilCallbacks, ansi.ceil) == 224, "PF_UtilCallbacks.ansi.ceil offset");
static_assert(declared_as<decltype(std::declval<PF_UtilCallbacks&>().ansi.ceil), A_FpLong (*)(A_FpLong)>,
              "PF_UtilCallbacks.ansi.ceil type");
static_assert(offsetof(PF_UtilCallbacks, ansi.cos) == 232, "PF_UtilCallbacks.ansi.cos offset");
static_assert(declared_as<decltype(std::declval<PF_UtilCallbacks&>().ansi.cos), A_FpLong (*)(A_FpLong)>,
              "PF_UtilCallbacks.ansi.cos type");
static_assert(offsetof(PF_UtilCallbacks, ansi.exp) == 240, "PF_UtilCallbacks.ansi.exp offset");
static_assert(declared_as<decltype(std::declval<PF_UtilCallbacks&>().ansi.exp), A_FpLong (*)(A_FpLong)>,
              "PF_UtilCallbacks.ansi.exp type");
static_assert(offsetof(PF_UtilCallbacks, ansi.fabs) == 248, "PF_UtilCallbacks.ansi.fabs offset");
static_assert(declared_as<decltype(std::declval<PF_UtilCallbacks&>().ansi.fabs), A_FpLong (*)(A_FpLong)>,
              "PF_UtilCallbacks.ansi.fabs type");
static_assert(offsetof(PF_UtilCallbacks, ansi.floor) == 256, "PF_UtilCallbacks.ansi.floor offset");
static_assert(declared_as<decltype(std::declval<PF_UtilCallbacks&>().ansi.floor), A_FpLong (*)(A_FpLong)>,
              "PF_UtilCallbacks.ansi.floor type");
static_assert(offsetof(PF_UtilCallbacks, ansi.fmod) == 264, "PF_UtilCallbacks.ansi.fmod offset");
static_assert(declared_as<decltype(std::declval<PF_UtilCallbacks&>().ansi.fmod), A_FpLong (*)(A_FpLong, A_FpLong)>,
              "PF_UtilCallbacks.ansi.fmod type");
static_assert(offsetof(PF_UtilCallbacks, ansi.hypot) == 272, "PF_UtilCallbacks.ansi.hypot offset");
static_assert(declared_as<decltype(std::declval<PF_UtilCallbacks&>().ansi.hypot), A_FpLong (*)(A_FpLong, A_FpLong)>,
              "PF_UtilCallbacks.ansi.hypot type");
static_assert(offsetof(PF_UtilCallbacks, ansi.log) == 280, "PF_UtilCallbacks.ansi.log offset");
static_assert(declared_as<decltype(std::declval<PF_UtilCallbacks&>().ansi.log), A_FpLong (*)(A_FpLong)>,
              "PF_UtilCallbacks.ansi.log type");
static_assert(offsetof(PF_UtilCallbacks, ansi.log10) == 288, "PF_UtilCallbacks.ansi.log10 offset");
static_assert(declared_as<decltype(std::declval<PF_UtilCallbacks&>().ansi.log10), A_FpLong (*)(A_FpLong)>,
              "PF_UtilCallbacks.ansi.log10 type");
static_assert(offsetof(PF_UtilCallbacks, ansi.pow) == 296, "PF_UtilCallbacks.ansi.pow offset");
static_assert(declared_as<decltype(std::declval<PF_UtilCallbacks&>().ansi.pow), A_FpLong (*)(A_FpLong, A_FpLong)>,
              "PF_UtilCallbacks.ansi.pow type");
static_assert(offsetof(PF_UtilCallbacks, ansi.sin) == 304, "PF_UtilCallbacks.ansi.sin offset");
static_assert(declared_as<decltype(std::declval<PF_UtilCallbacks&>().ansi.sin), A_FpLong (*)(A_FpLong)>,
              "PF_UtilCallbacks.ansi.sin type");
static_assert(offsetof(PF_UtilCallbacks, ansi.sqrt) == 312, "PF_UtilCallbacks.ansi.sqrt offset");
static_assert(declared_as<decltype(std::declval<PF_UtilCallbacks&>().ansi.sqrt), A_FpLong (*)(A_FpLong)>,
              "PF_UtilCallbacks.ansi.sqrt type");
static_assert(offsetof(PF_UtilCallbacks, ansi.tan) == 320, "PF_UtilCallbacks.ansi.tan offset");
static_assert(declared_as<decltype(std::declval<PF_UtilCallbacks&>().ansi.tan), A_FpLong (*)(A_FpLong)>,
              "PF_UtilCallbacks.ansi.tan type");
static_assert(offsetof(PF_UtilCallbacks, ansi.sprintf) == 328, "PF_UtilCallbacks.ansi.sprintf offset");
static_assert(
    declared_as<decltype(std::declval<PF_UtilCallbacks&>().ansi.sprintf), int (*)(A_char*, const A_char*, ...)>,
    "PF_UtilCallbacks.ansi.sprintf type");
static_assert(offsetof(PF_UtilCallbacks, ansi.strcpy) == 336, "PF_UtilCallbacks.ansi.strcpy offset");
static_assert(declared_as<decltype(std::declval<PF_UtilCallbacks&>().ansi.strcpy), A_char* (*)(A_char*, const A_char*)>,
              "PF_UtilCallbacks.ansi.strcpy type");
static_assert(offsetof(PF_UtilCallbacks, ansi.asin) == 344, "PF_UtilCallbacks.ansi.asin offset");
static_assert(declared_as<decltype(std::declval<PF_UtilCallbacks&>().ansi.asin), A_FpLong (*)(A_FpLong)>,
              "PF_UtilCallbacks.ansi.asin type");
static_assert(offsetof(PF_UtilCallbacks, ansi.acos) == 352, "PF_UtilCallbacks.ansi.acos offset");
static_assert(declared_as<decltype(std::declval<PF_UtilCallbacks&>().ansi.acos), A_FpLong (*)(A_FpLong)>,
              "PF_UtilCallbacks.ansi.acos type");
static_assert(offsetof(PF_UtilCallbacks, ansi.ansi_procs) == 360, "PF_UtilCallbacks.ansi.ansi_procs offset");
static_assert(declared_as<decltype(std::declval<PF_UtilCallbacks&>().ansi.ansi_procs), A_long[1]>,
              "PF_UtilCallbacks.ansi.ansi_procs type");
static_assert(offsetof(PF_UtilCallbacks, colorCB) == 368, "PF_UtilCallbacks.colorCB offset");
static_assert(declared_as<decltype(std::declval<PF_UtilCallbacks&>().colorCB), PF_ColorCallbacks>,
              "PF_UtilCallbacks.colorCB type");
static_assert(sizeof(std::declval<PF_UtilCallbacks&>().colorCB) == 64, "PF_UtilCallbacks.colorCB size");
static_assert(offsetof(PF_UtilCallbacks, colorCB.RGBtoHLS) == 368, "PF_UtilCallbacks.colorCB.RGBtoHLS offset");
static_assert(declared_as<decltype(std::declval<PF_UtilCallbacks&>().colorCB.RGBtoHLS),
                          PF_Err (*)(PF_ProgPtr, PF_Pixel*, PF_Fixed*)>,
              "PF_UtilCallbacks.colorCB.RGBtoHLS type");
static_assert(offsetof(PF_UtilCallbacks, colorCB.HLStoRGB) == 376, "PF_UtilCallbacks.colorCB.HLStoRGB offset");
static_assert(declared_as<decltype(std::declval<PF_UtilCallbacks&>().colorCB.HLStoRGB),
                          PF_Err (*)(PF_ProgPtr, PF_Fixed*, PF_Pixel*)>,
              "PF_UtilCallbacks.colorCB.HLStoRGB type");
static_assert(offsetof(PF_UtilCallbacks, colorCB.RGBtoYIQ) == 384, "PF_UtilCallbacks.colorCB.RGBtoYIQ offset");
static_assert(declared_as<decltype(std::declval<PF_UtilCallbacks&>().colorCB.RGBtoYIQ),
                          PF_Err (*)(PF_ProgPtr, PF_Pixel*, PF_Fixed*)>,
              "PF_UtilCallbacks.colorCB.RGBtoYIQ type");
static_assert(offsetof(PF_UtilCallbacks, colorCB.YIQtoRGB) == 392, "PF_UtilCallbacks.colorCB.YIQtoRGB offset");
static_assert(declared_as<decltype(std::declval<PF_UtilCallbacks&>().colorCB.YIQtoRGB),
                          PF_Err (*)(PF_ProgPtr, PF_Fixed*, PF_Pixel*)>,
              "PF_UtilCallbacks.colorCB.YIQtoRGB type");
static_assert(offsetof(PF_UtilCallbacks, colorCB.Luminance) == 400, "PF_UtilCallbacks.colorCB.Luminance offset");
static_assert(declared_as<decltype(std::declval<PF_UtilCallbacks&>().colorCB.Luminance),
                          PF_Err (*)(PF_ProgPtr, PF_Pixel*, A_long*)>,
              "PF_UtilCallbacks.colorCB.Luminance type");
static_assert(offsetof(PF_UtilCallbacks, colorCB.Hue) == 408, "PF_UtilCallbacks.colorCB.Hue offset");
static_assert(
    declared_as<decltype(std::declval<PF_UtilCallbacks&>().colorCB.Hue), PF_Err (*)(PF_ProgPtr, PF_Pixel*, A_long*)>,
    "PF_UtilCallbacks.colorCB.Hue type");
static_assert(offsetof(PF_UtilCallbacks, colorCB.Lightness) == 416, "PF_UtilCallbacks.colorCB.Lightness offset");
static_assert(declared_as<decltype(std::declval<PF_UtilCallbacks&>().colorCB.Lightness),
                          PF_Err (*)(PF_ProgPtr, PF_Pixel*, A_long*)>,
              "PF_UtilCallbacks.colorCB.Lightness type");
static_assert(offsetof(PF_UtilCallbacks, colorCB.Saturation) == 424, "PF_UtilCallbacks.colorCB.Saturation offset");
static_assert(declared_as<decltype(std::declval<PF_UtilCallbacks&>().colorCB.Saturation),
                          PF_Err (*)(PF_ProgPtr, PF_Pixel*, A_long*)>,
              "PF_UtilCallbacks.colorCB.Saturation type");
static_assert(offsetof(PF_UtilCallbacks, get_platform_data) == 432, "PF_UtilCallbacks.get_platform_data offset");
static_assert(declared_as<decltype(std::declval<PF_UtilCallbacks&>().get_platform_data),
                          PF_Err (*)(PF_ProgPtr effect_ref, PF_PlatDataID which, void* data)>,
              "PF_UtilCallbacks.get_platform_data type");
static_assert(sizeof(std::declval<PF_UtilCallbacks&>().get_platform_data) == 8,
              "PF_UtilCallbacks.get_platform_data size");
static_assert(offsetof(PF_UtilCallbacks, host_get_handle_size) == 440, "PF_UtilCallbacks.host_get_handle_size offset");
static_assert(declared_as<decltype(std::declval<PF_UtilCallbacks&>().host_get_handle_size),
                          A_u_longlong (*)(PF_Handle pf_handle)>,
              "PF_UtilCallbacks.host_get_handle_size type");
static_assert(sizeof(std::declval<PF_UtilCallbacks&>().host_get_handle_size) == 8,
              "PF_UtilCallbacks.host_get_handle_size size");
static_assert(offsetof(PF_UtilCallbacks, iterate_origin_non_clip_src) == 448,
              "PF_UtilCallbacks.iterate_origin_non_clip_src offset");
static_assert(declared_as<decltype(std::declval<PF_UtilCallbacks&>().iterate_origin_non_clip_src),
                          PF_Err (*)(PF_InData* in_data, A_long progress_base, A_long progress_final,
                                     PF_EffectWorld* src, const PF_Rect* area, const PF_Point* origin, void* refcon,
                                     PF_IteratePixel8Func pix_fn, PF_EffectWorld* dst)>,
              "PF_UtilCallbacks.iterate_origin_non_clip_src type");
static_assert(sizeof(std::declval<PF_UtilCallbacks&>().iterate_origin_non_clip_src) == 8,
              "PF_UtilCallbacks.iterate_origin_non_clip_src size");
static_assert(offsetof(PF_UtilCallbacks, iterate_generic) == 456, "PF_UtilCallbacks.iterate_generic offset");
static_assert(
    declared_as<decltype(std::declval<PF_UtilCallbacks&>().iterate_generic),
                PF_Err (*)(A_long iterationsL, void* refconPV, PF_Err (*fn_func)(void*, A_long, A_long, A_long))>,
    "PF_UtilCallbacks.iterate_generic type");
static_assert(sizeof(std::declval<PF_UtilCallbacks&>().iterate_generic) == 8, "PF_UtilCallbacks.iterate_generic size");
static_assert(offsetof(PF_UtilCallbacks, host_resize_handle) == 464, "PF_UtilCallbacks.host_resize_handle offset");
static_assert(declared_as<decltype(std::declval<PF_UtilCallbacks&>().host_resize_handle),
                          PF_Err (*)(A_u_longlong new_sizeL, PF_Handle* handlePH)>,
              "PF_UtilCallbacks.host_resize_handle type");
static_assert(sizeof(std::declval<PF_UtilCallbacks&>().host_resize_handle) == 8,
              "PF_UtilCallbacks.host_resize_handle size");
static_assert(offsetof(PF_UtilCallbacks, subpixel_sample16) == 472, "PF_UtilCallbacks.subpixel_sample16 offset");
static_assert(declared_as<decltype(std::declval<PF_UtilCallbacks&>().subpixel_sample16),
                          PF_Err (*)(PF_ProgPtr effect_ref, PF_Fixed x, PF_Fixed y, const PF_SampPB* params,
                                     PF_Pixel16* dst_pixel)>,
              "PF_UtilCallbacks.subpixel_sample16 type");
static_assert(sizeof(std::declval<PF_UtilCallbacks&>().subpixel_sample16) == 8,
              "PF_UtilCallbacks.subpixel_sample16 size");
static_assert(offsetof(PF_UtilCallbacks, area_sample16) == 480, "PF_UtilCallbacks.area_sample16 offset");
static_assert(declared_as<decltype(std::declval<PF_UtilCallbacks&>().area_sample16),
                          PF_Err (*)(PF_ProgPtr effect_ref, PF_Fixed x, PF_Fixed y, const PF_SampPB* params,
                                     PF_Pixel16* dst_pixel)>,
              "PF_UtilCallbacks.area_sample16 type");
static_assert(sizeof(std::declval<PF_UtilCallbacks&>().area_sample16) == 8, "PF_UtilCallbacks.area_sample16 size");
static_assert(offsetof(PF_UtilCallbacks, fill16) == 488, "PF_UtilCallbacks.fill16 offset");
static_assert(declared_as<decltype(std::declval<PF_UtilCallbacks&>().fill16),
                          PF_Err (*)(PF_ProgPtr effect_ref, const PF_Pixel16* color, const PF_Rect* dst_rect,
                                     PF_EffectWorld* world)>,
              "PF_UtilCallbacks.fill16 type");
static_assert(sizeof(std::declval<PF_UtilCallbacks&>().fill16) == 8, "PF_UtilCallbacks.fill16 size");
static_assert(offsetof(PF_UtilCallbacks, premultiply_color16) == 496, "PF_UtilCallbacks.premultiply_color16 offset");
static_assert(declared_as<decltype(std::declval<PF_UtilCallbacks&>().premultiply_color16),
                          PF_Err (*)(PF_ProgPtr effect_ref, PF_EffectWorld* src, const PF_Pixel16* color,
                                     A_long forward, PF_EffectWorld* dst)>,
              "PF_UtilCallbacks.premultiply_color16 type");
static_assert(sizeof(std::declval<PF_UtilCallbacks&>().premultiply_color16) == 8,
              "PF_UtilCallbacks.premultiply_color16 size");
static_assert(offsetof(PF_UtilCallbacks, iterate16) == 504, "PF_UtilCallbacks.iterate16 offset");
static_assert(
    declared_as<decltype(std::declval<PF_UtilCallbacks&>().iterate16),
                PF_Err (*)(PF_InData* in_data, A_long progress_base, A_long progress_final, PF_EffectWorld* src,
                           const PF_Rect* area, void* refcon, PF_IteratePixel16Func pix_fn, PF_EffectWorld* dst)>,
    "PF_UtilCallbacks.iterate16 type");
static_assert(sizeof(std::declval<PF_UtilCallbacks&>().iterate16) == 8, "PF_UtilCallbacks.iterate16 size");
static_assert(offsetof(PF_UtilCallbacks, iterate_origin16) == 512, "PF_UtilCallbacks.iterate_origin16 offset");
static_assert(declared_as<decltype(std::declval<PF_UtilCallbacks&>().iterate_origin16),
                          PF_Err (*)(PF_InData* in_data, A_long progress_base, A_long progress_final,
                                     PF_EffectWorld* src, const PF_Rect* area, const PF_Point* origin, void* refcon,
                                     PF_IteratePixel16Func pix_fn, PF_EffectWorld* dst)>,
              "PF_UtilCallbacks.iterate_origin16 type");
static_assert(sizeof(std::declval<PF_UtilCallbacks&>().iterate_origin16) == 8,
              "PF_UtilCallbacks.iterate_origin16 size");
static_assert(offsetof(PF_UtilCallbacks, iterate_origin_non_clip_src16) == 520,
              "PF_UtilCallbacks.iterate_origin_non_clip_src16 offset");
static_assert(declared_as<decltype(std::declval<PF_UtilCallbacks&>().iterate_origin_non_clip_src16),
                          PF_Err (*)(PF_InData* in_data, A_long progress_base, A_long progress_final,
                                     PF_EffectWorld* src, const PF_Rect* area, const PF_Point* origin, void* refcon,
                                     PF_IteratePixel16Func pix_fn, PF_EffectWorld* dst)>,
              "PF_UtilCallbacks.iterate_origin_non_clip_src16 type");
static_assert(sizeof(std::declval<PF_UtilCallbacks&>().iterate_origin_non_clip_src16) == 8,
              "PF_UtilCallbacks.iterate_origin_non_clip_src16 size");
static_assert(offsetof(PF_UtilCallbacks, get_pixel_data8) == 528, "PF_UtilCallbacks.get_pixel_data8 offset");
static_assert(declared_as<decltype(std::declval<PF_UtilCallbacks&>().get_pixel_data8),
                          PF_Err (*)(PF_EffectWorld* worldP, PF_PixelPtr pixelsP0, PF_Pixel8** pixPP)>,
              "PF_UtilCallbacks.get_pixel_data8 type");
static_assert(sizeof(std::declval<PF_UtilCallbacks&>().get_pixel_data8) == 8, "PF_UtilCallbacks.get_pixel_data8 size");
static_assert(offsetof(PF_UtilCallbacks, get_pixel_data16) == 536, "PF_UtilCallbacks.get_pixel_data16 offset");
static_assert(declared_as<decltype(std::declval<PF_UtilCallbacks&>().get_pixel_data16),
                          PF_Err (*)(PF_EffectWorld* worldP, PF_PixelPtr pixelsP0, PF_Pixel16** pixPP)>,
              "PF_UtilCallbacks.get_pixel_data16 type");
static_assert(sizeof(std::declval<PF_UtilCallbacks&>().get_pixel_data16) == 8,
              "PF_UtilCallbacks.get_pixel_data16 size");
static_assert(offsetof(PF_UtilCallbacks, reserved) == 544, "PF_UtilCallbacks.reserved offset");
static_assert(declared_as<decltype(std::declval<PF_UtilCallbacks&>().reserved), A_long[1]>,
              "PF_UtilCallbacks.reserved type");
static_assert(sizeof(std::declval<PF_UtilCallbacks&>().reserved) == 4, "PF_UtilCallbacks.reserved size");

// PF_ANSICallbacks
static_assert(sizeof(PF_ANSICallbacks) == 160, "sizeof PF_ANSICallbacks");
static_assert(alignof(PF_ANSICallbacks) == 8, "alignof PF_ANSICallbacks");
static_assert(offsetof(PF_ANSICallbacks, atan) == 0, "PF_ANSICallbacks.atan offset");
static_assert(declared_as<decltype(std::declval<PF_ANSICallbacks&>().atan), A_FpLong (*)(A_FpLong)>,
              "PF_ANSICallbacks.atan type");
static_assert(sizeof(std::declval<PF_ANSICallbacks&>().atan) == 8, "PF_ANSICallbacks.atan size");
static_assert(offsetof(PF_ANSICallbacks, atan2) == 8, "PF_ANSICallbacks.atan2 offset");
static_assert(declared_as<decltype(std::declval<PF_ANSICallbacks&>().atan2), A_FpLong (*)(A_FpLong y, A_FpLong x)>,
              "PF_ANSICallbacks.atan2 type");
static_assert(sizeof(std::declval<PF_ANSICallbacks&>().atan2) == 8, "PF_ANSICallbacks.atan2 size");
static_assert(offsetof(PF_ANSICallbacks, ceil) == 16, "PF_ANSICallbacks.ceil offset");
static_assert(declared_as<decltype(std::declval<PF_ANSICallbacks&>().ceil), A_FpLong (*)(A_FpLong)>,
              "PF_ANSICallbacks.ceil type");
static_assert(sizeof(std::declval<PF_ANSICallbacks&>().ceil) == 8, "PF_ANSICallbacks.ceil size");
static_assert(offsetof(PF_ANSICallbacks, cos) == 24, "PF_ANSICallbacks.cos offset");
static_assert(declared_as<decltype(std::declval<PF_ANSICallbacks&>().cos), A_FpLong (*)(A_FpLong)>,
              "PF_ANSICallbacks.cos type");
static_assert(sizeof(std::declval<PF_ANSICallbacks&>().cos) == 8, "PF_ANSICallbacks.cos size");
static_assert(offsetof(PF_ANSICallbacks, exp) == 32, "PF_ANSICallbacks.exp offset");
static_assert(declared_as<decltype(std::declval<PF_ANSICallbacks&>().exp), A_FpLong (*)(A_FpLong)>,
              "PF_ANSICallbacks.exp type");
static_assert(sizeof(std::declval<PF_ANSICallbacks&>().exp) == 8, "PF_ANSICallbacks.exp size");
static_assert(offsetof(PF_ANSICallbacks, fabs) == 40, "PF_ANSICallbacks.fabs offset");
static_assert(declared_as<decltype(std::declval<PF_ANSICallbacks&>().fabs), A_FpLong (*)(A_FpLong)>,
              "PF_ANSICallbacks.fabs type");
static_assert(sizeof(std::declval<PF_ANSICallbacks&>().fabs) == 8, "PF_ANSICallbacks.fabs size");
static_assert(offsetof(PF_ANSICallbacks, floor) == 48, "PF_ANSICallbacks.floor offset");
static_assert(declared_as<decltype(std::declval<PF_ANSICallbacks&>().floor), A_FpLong (*)(A_FpLong)>,
              "PF_ANSICallbacks.floor type");
static_assert(sizeof(std::declval<PF_ANSICallbacks&>().floor) == 8, "PF_ANSICallbacks.floor size");
static_assert(offsetof(PF_ANSICallbacks, fmod) == 56, "PF_ANSICallbacks.fmod offset");
static_assert(declared_as<decltype(std::declval<PF_ANSICallbacks&>().fmod), A_FpLong (*)(A_FpLong x, A_FpLong y)>,
              "PF_ANSICallbacks.fmod type");
static_assert(sizeof(std::declval<PF_ANSICallbacks&>().fmod) == 8, "PF_ANSICallbacks.fmod size");
static_assert(offsetof(PF_ANSICallbacks, hypot) == 64, "PF_ANSICallbacks.hypot offset");
static_assert(declared_as<decltype(std::declval<PF_ANSICallbacks&>().hypot), A_FpLong (*)(A_FpLong x, A_FpLong y)>,
              "PF_ANSICallbacks.hypot type");
static_assert(sizeof(std::declval<PF_ANSICallbacks&>().hypot) == 8, "PF_ANSICallbacks.hypot size");
static_assert(offsetof(PF_ANSICallbacks, log) == 72, "PF_ANSICallbacks.log offset");
static_assert(declared_as<decltype(std::declval<PF_ANSICallbacks&>().log), A_FpLong (*)(A_FpLong)>,
              "PF_ANSICallbacks.log type");
static_assert(sizeof(std::declval<PF_ANSICallbacks&>().log) == 8, "PF_ANSICallbacks.log size");
static_assert(offsetof(PF_ANSICallbacks, log10) == 80, "PF_ANSICallbacks.log10 offset");
static_assert(declared_as<decltype(std::declval<PF_ANSICallbacks&>().log10), A_FpLong (*)(A_FpLong)>,
              "PF_ANSICallbacks.log10 type");
static_assert(sizeof(std::declval<PF_ANSICallbacks&>().log10) == 8, "PF_ANSICallbacks.log10 size");
static_assert(offsetof(PF_ANSICallbacks, pow) == 88, "PF_ANSICallbacks.pow offset");
static_assert(declared_as<decltype(std::declval<PF_ANSICallbacks&>().pow), A_FpLong (*)(A_FpLong x, A_FpLong y)>,
              "PF_ANSICallbacks.pow type");
static_assert(sizeof(std::declval<PF_ANSICallbacks&>().pow) == 8, "PF_ANSICallbacks.pow size");
static_assert(offsetof(PF_ANSICallbacks, sin) == 96, "PF_ANSICallbacks.sin offset");
static_assert(declared_as<decltype(std::declval<PF_ANSICallbacks&>().sin), A_FpLong (*)(A_FpLong)>,
              "PF_ANSICallbacks.sin type");
static_assert(sizeof(std::declval<PF_ANSICallbacks&>().sin) == 8, "PF_ANSICallbacks.sin size");
static_assert(offsetof(PF_ANSICallbacks, sqrt) == 104, "PF_ANSICallbacks.sqrt offset");
static_assert(declared_as<decltype(std::declval<PF_ANSICallbacks&>().sqrt), A_FpLong (*)(A_FpLong)>,
              "PF_ANSICallbacks.sqrt type");
static_assert(sizeof(std::declval<PF_ANSICallbacks&>().sqrt) == 8, "PF_ANSICallbacks.sqrt size");
static_assert(offsetof(PF_ANSICallbacks, tan) == 112, "PF_ANSICallbacks.tan offset");
static_assert(declared_as<decltype(std::declval<PF_ANSICallbacks&>().tan), A_FpLong (*)(A_FpLong)>,
              "PF_ANSICallbacks.tan type");
static_assert(sizeof(std::declval<PF_ANSICallbacks&>().tan) == 8, "PF_ANSICallbacks.tan size");
static_assert(offsetof(PF_ANSICallbacks, sprintf) == 120, "PF_ANSICallbacks.sprintf offset");
static_assert(declared_as<decltype(std::declval<PF_ANSICallbacks&>().sprintf), int (*)(A_char*, const A_char*, ...)>,
              "PF_ANSICallbacks.sprintf type");
static_assert(sizeof(std::declval<PF_ANSICallbacks&>().sprintf) == 8, "PF_ANSICallbacks.sprintf size");
static_assert(offsetof(PF_ANSICallbacks, strcpy) == 128, "PF_ANSICallbacks.strcpy offset");
static_assert(declared_as<decltype(std::declval<PF_ANSICallbacks&>().strcpy), A_char* (*)(A_char*, const A_char*)>,
              "PF_ANSICallbacks.strcpy type");
static_assert(sizeof(std::declval<PF_ANSICallbacks&>().strcpy) == 8, "PF_ANSICallbacks.strcpy size");
static_assert(offsetof(PF_ANSICallbacks, asin) == 136, "PF_ANSICallbacks.asin offset");
static_assert(declared_as<decltype(std::declval<PF_ANSICallbacks&>().asin), A_FpLong (*)(A_FpLong)>,
              "PF_ANSICallbacks.asin type");
static_assert(sizeof(std::declval<PF_ANSICallbacks&>().asin) == 8, "PF_ANSICallbacks.asin size");
static_assert(offsetof(PF_ANSICallbacks, acos) == 144, "PF_ANSICallbacks.acos offset");
static_assert(declared_as<decltype(std::declval<PF_ANSICallbacks&>().acos), A_FpLong (*)(A_FpLong)>,
              "PF_ANSICallbacks.acos type");
static_assert(sizeof(std::declval<PF_ANSICallbacks&>().acos) == 8, "PF_ANSICallbacks.acos size");
static_assert(offsetof(PF_ANSICallbacks, ansi_procs) == 152, "PF_ANSICallbacks.ansi_procs offset");
static_assert(declared_as<decltype(std::declval<PF_ANSICallbacks&>().ansi_procs), A_long[1]>,
              "PF_ANSICallbacks.ansi_procs type");
static_assert(sizeof(std::declval<PF_ANSICallbacks&>().ansi_procs) == 4, "PF_ANSICallbacks.ansi_procs size");

// PF_ColorCallbacks
static_assert(sizeof(PF_ColorCallbacks) == 64, "sizeof PF_ColorCallbacks");
static_assert(alignof(PF_ColorCallbacks) == 8, "alignof PF_ColorCallbacks");
static_assert(offsetof(PF_ColorCallbacks, RGBtoHLS) == 0, "PF_ColorCallbacks::RGBtoHLS slot 0");
static_assert(
    declared_as<decltype(PF_ColorCallbacks::RGBtoHLS), PF_Err (*)(PF_ProgPtr effect_ref, PF_Pixel* rgb, PF_Fixed* hls)>,
    "PF_ColorCallbacks::RGBtoHLS signature");
static_assert(offsetof(PF_ColorCallbacks, HLStoRGB) == 8, "PF_ColorCallbacks::HLStoRGB slot 1");
static_assert(
    declared_as<decltype(PF_ColorCallbacks::HLStoRGB), PF_Err (*)(PF_ProgPtr effect_ref, PF_Fixed* hls, PF_Pixel* rgb)>,
    "PF_ColorCallbacks::HLStoRGB signature");
static_assert(offsetof(PF_ColorCallbacks, RGBtoYIQ) == 16, "PF_ColorCallbacks::RGBtoYIQ slot 2");
static_assert(
    declared_as<decltype(PF_ColorCallbacks::RGBtoYIQ), PF_Err (*)(PF_ProgPtr effect_ref, PF_Pixel* rgb, PF_Fixed* yiq)>,
    "PF_ColorCallbacks::RGBtoYIQ signature");
static_assert(offsetof(PF_ColorCallbacks, YIQtoRGB) == 24, "PF_ColorCallbacks::YIQtoRGB slot 3");
static_assert(
    declared_as<decltype(PF_ColorCallbacks::YIQtoRGB), PF_Err (*)(PF_ProgPtr effect_ref, PF_Fixed* yiq, PF_Pixel* rgb)>,
    "PF_ColorCallbacks::YIQtoRGB signature");
static_assert(offsetof(PF_ColorCallbacks, Luminance) == 32, "PF_ColorCallbacks::Luminance slot 4");
static_assert(declared_as<decltype(PF_ColorCallbacks::Luminance),
                          PF_Err (*)(PF_ProgPtr effect_ref, PF_Pixel* rgb, A_long* lum100)>,
              "PF_ColorCallbacks::Luminance signature");
static_assert(offsetof(PF_ColorCallbacks, Hue) == 40, "PF_ColorCallbacks::Hue slot 5");
static_assert(
    declared_as<decltype(PF_ColorCallbacks::Hue), PF_Err (*)(PF_ProgPtr effect_ref, PF_Pixel* rgb, A_long* hue)>,
    "PF_ColorCallbacks::Hue signature");
static_assert(offsetof(PF_ColorCallbacks, Lightness) == 48, "PF_ColorCallbacks::Lightness slot 6");
static_assert(declared_as<decltype(PF_ColorCallbacks::Lightness),
                          PF_Err (*)(PF_ProgPtr effect_ref, PF_Pixel* rgb, A_long* lightness)>,
              "PF_ColorCallbacks::Lightness signature");
static_assert(offsetof(PF_ColorCallbacks, Saturation) == 56, "PF_ColorCallbacks::Saturation slot 7");
static_assert(declared_as<decltype(PF_ColorCallbacks::Saturation),
                          PF_Err (*)(PF_ProgPtr effect_ref, PF_Pixel* rgb, A_long* saturation)>,
              "PF_ColorCallbacks::Saturation signature");

// PF_SpecVersion
static_assert(sizeof(PF_SpecVersion) == 4, "sizeof PF_SpecVersion");
static_assert(alignof(PF_SpecVersion) == 2, "alignof PF_SpecVersion");
static_assert(offsetof(PF_SpecVersion, major) == 0, "PF_SpecVersion.major offset");
static_assert(declared_as<decltype(std::declval<PF_SpecVersion&>().major), A_short>, "PF_SpecVersion.major type");
static_assert(sizeof(std::declval<PF_SpecVersion&>().major) == 2, "PF_SpecVersion.major size");
static_assert(offsetof(PF_SpecVersion, minor) == 2, "PF_SpecVersion.minor offset");
static_assert(declared_as<decltype(std::declval<PF_SpecVersion&>().minor), A_short>, "PF_SpecVersion.minor type");
static_assert(sizeof(std::declval<PF_SpecVersion&>().minor) == 2, "PF_SpecVersion.minor size");

// PF_Point
static_assert(sizeof(PF_Point) == 8, "sizeof PF_Point");
static_assert(alignof(PF_Point) == 4, "alignof PF_Point");
static_assert(offsetof(PF_Point, h) == 0, "PF_Point.h offset");
static_assert(declared_as<decltype(std::declval<PF_Point&>().h), A_long>, "PF_Point.h type");
static_assert(sizeof(std::declval<PF_Point&>().h) == 4, "PF_Point.h size");
static_assert(offsetof(PF_Point, v) == 4, "PF_Point.v offset");
static_assert(declared_as<decltype(std::declval<PF_Point&>().v), A_long>, "PF_Point.v type");
static_assert(sizeof(std::declval<PF_Point&>().v) == 4, "PF_Point.v size");

// PF_LRect
static_assert(sizeof(PF_LRect) == 16, "sizeof PF_LRect");
static_assert(alignof(PF_LRect) == 4, "alignof PF_LRect");
static_assert(offsetof(PF_LRect, left) == 0, "PF_LRect.left offset");
static_assert(declared_as<decltype(std::declval<PF_LRect&>().left), A_long>, "PF_LRect.left type");
static_assert(sizeof(std::declval<PF_LRect&>().left) == 4, "PF_LRect.left size");
static_assert(offsetof(PF_LRect, top) == 4, "PF_LRect.top offset");
static_assert(declared_as<decltype(std::declval<PF_LRect&>().top), A_long>, "PF_LRect.top type");
static_assert(sizeof(std::declval<PF_LRect&>().top) == 4, "PF_LRect.top size");
static_assert(offsetof(PF_LRect, right) == 8, "PF_LRect.right offset");
static_assert(declared_as<decltype(std::declval<PF_LRect&>().right), A_long>, "PF_LRect.right type");
static_assert(sizeof(std::declval<PF_LRect&>().right) == 4, "PF_LRect.right size");
static_assert(offsetof(PF_LRect, bottom) == 12, "PF_LRect.bottom offset");
static_assert(declared_as<decltype(std::declval<PF_LRect&>().bottom), A_long>, "PF_LRect.bottom type");
static_assert(sizeof(std::declval<PF_LRect&>().bottom) == 4, "PF_LRect.bottom size");

// PF_RationalScale
static_assert(sizeof(PF_RationalScale) == 8, "sizeof PF_RationalScale");
static_assert(alignof(PF_RationalScale) == 4, "alignof PF_RationalScale");
static_assert(offsetof(PF_RationalScale, num) == 0, "PF_RationalScale.num offset");
static_assert(declared_as<decltype(std::declval<PF_RationalScale&>().num), A_long>, "PF_RationalScale.num type");
static_assert(sizeof(std::declval<PF_RationalScale&>().num) == 4, "PF_RationalScale.num size");
static_assert(offsetof(PF_RationalScale, den) == 4, "PF_RationalScale.den offset");
static_assert(declared_as<decltype(std::declval<PF_RationalScale&>().den), A_u_long>, "PF_RationalScale.den type");
static_assert(sizeof(std::declval<PF_RationalScale&>().den) == 4, "PF_RationalScale.den size");

// PF_FixedPoint
static_assert(sizeof(PF_FixedPoint) == 8, "sizeof PF_FixedPoint");
static_assert(alignof(PF_FixedPoint) == 4, "alignof PF_FixedPoint");
static_assert(offsetof(PF_FixedPoint, x) == 0, "PF_FixedPoint.x offset");
static_assert(declared_as<decltype(std::declval<PF_FixedPoint&>().x), PF_Fixed>, "PF_FixedPoint.x type");
static_assert(sizeof(std::declval<PF_FixedPoint&>().x) == 4, "PF_FixedPoint.x size");
static_assert(offsetof(PF_FixedPoint, y) == 4, "PF_FixedPoint.y offset");
static_assert(declared_as<decltype(std::declval<PF_FixedPoint&>().y), PF_Fixed>, "PF_FixedPoint.y type");
static_assert(sizeof(std::declval<PF_FixedPoint&>().y) == 4, "PF_FixedPoint.y size");

// PF_FloatMatrix
static_assert(sizeof(PF_FloatMatrix) == 72, "sizeof PF_FloatMatrix");
static_assert(alignof(PF_FloatMatrix) == 8, "alignof PF_FloatMatrix");
static_assert(offsetof(PF_FloatMatrix, mat) == 0, "PF_FloatMatrix.mat offset");
static_assert(declared_as<decltype(std::declval<PF_FloatMatrix&>().mat), PF_FpLong[3][3]>, "PF_FloatMatrix.mat type");
static_assert(sizeof(std::declval<PF_FloatMatrix&>().mat) == 72, "PF_FloatMatrix.mat size");

// PF_SoundFormatInfo
static_assert(sizeof(PF_SoundFormatInfo) == 16, "sizeof PF_SoundFormatInfo");
static_assert(alignof(PF_SoundFormatInfo) == 8, "alignof PF_SoundFormatInfo");
static_assert(offsetof(PF_SoundFormatInfo, rateF) == 0, "PF_SoundFormatInfo.rateF offset");
static_assert(declared_as<decltype(std::declval<PF_SoundFormatInfo&>().rateF), PF_FpLong>,
              "PF_SoundFormatInfo.rateF type");
static_assert(sizeof(std::declval<PF_SoundFormatInfo&>().rateF) == 8, "PF_SoundFormatInfo.rateF size");
static_assert(offsetof(PF_SoundFormatInfo, num_channels) == 8, "PF_SoundFormatInfo.num_channels offset");
static_assert(declared_as<decltype(std::declval<PF_SoundFormatInfo&>().num_channels), PF_SoundChannels>,
              "PF_SoundFormatInfo.num_channels type");
static_assert(sizeof(std::declval<PF_SoundFormatInfo&>().num_channels) == 2, "PF_SoundFormatInfo.num_channels size");
static_assert(offsetof(PF_SoundFormatInfo, format) == 10, "PF_SoundFormatInfo.format offset");
static_assert(declared_as<decltype(std::declval<PF_SoundFormatInfo&>().format), PF_SoundFormat>,
              "PF_SoundFormatInfo.format type");
static_assert(sizeof(std::declval<PF_SoundFormatInfo&>().format) == 2, "PF_SoundFormatInfo.format size");
static_assert(offsetof(PF_SoundFormatInfo, sample_size) == 12, "PF_SoundFormatInfo.sample_size offset");
static_assert(declared_as<decltype(std::declval<PF_SoundFormatInfo&>().sample_size), PF_SoundSampleSize>,
              "PF_SoundFormatInfo.sample_size type");
static_assert(sizeof(std::declval<PF_SoundFormatInfo&>().sample_size) == 2, "PF_SoundFormatInfo.sample_size size");

// PF_SoundWorld
static_assert(sizeof(PF_SoundWorld) == 32, "sizeof PF_SoundWorld");
static_assert(alignof(PF_SoundWorld) == 8, "alignof PF_SoundWorld");
static_assert(offsetof(PF_SoundWorld, fi) == 0, "PF_SoundWorld.fi offset");
static_assert(declared_as<decltype(std::declval<PF_SoundWorld&>().fi), PF_SoundFormatInfo>, "PF_SoundWorld.fi type");
static_assert(sizeof(std::declval<PF_SoundWorld&>().fi) == 16, "PF_SoundWorld.fi size");
static_assert(offsetof(PF_SoundWorld, fi.rateF) == 0, "PF_SoundWorld.fi.rateF offset");
static_assert(declared_as<decltype(std::declval<PF_SoundWorld&>().fi.rateF), PF_FpLong>, "PF_SoundWorld.fi.rateF type");
static_assert(offsetof(PF_SoundWorld, fi.num_channels) == 8, "PF_SoundWorld.fi.num_channels offset");
static_assert(declared_as<decltype(std::declval<PF_SoundWorld&>().fi.num_channels), PF_SoundChannels>,
              "PF_SoundWorld.fi.num_channels type");
static_assert(offsetof(PF_SoundWorld, fi.format) == 10, "PF_SoundWorld.fi.format offset");
static_assert(declared_as<decltype(std::declval<PF_SoundWorld&>().fi.format), PF_SoundFormat>,
              "PF_SoundWorld.fi.format type");
static_assert(offsetof(PF_SoundWorld, fi.sample_size) == 12, "PF_SoundWorld.fi.sample_size offset");
static_assert(declared_as<decltype(std::declval<PF_SoundWorld&>().fi.sample_size), PF_SoundSampleSize>,
              "PF_SoundWorld.fi.sample_size type");
static_assert(offsetof(PF_SoundWorld, num_samples) == 16, "PF_SoundWorld.num_samples offset");
static_assert(declared_as<decltype(std::declval<PF_SoundWorld&>().num_samples), A_long>,
              "PF_SoundWorld.num_samples type");
static_assert(sizeof(std::declval<PF_SoundWorld&>().num_samples) == 4, "PF_SoundWorld.num_samples size");
static_assert(offsetof(PF_SoundWorld, dataP) == 24, "PF_SoundWorld.dataP offset");
static_assert(declared_as<decltype(std::declval<PF_SoundWorld&>().dataP), void*>, "PF_SoundWorld.dataP type");
static_assert(sizeof(std::declval<PF_SoundWorld&>().dataP) == 8, "PF_SoundWorld.dataP size");

// PF_Pixel
static_assert(sizeof(PF_Pixel) == 4, "sizeof PF_Pixel");
static_assert(alignof(PF_Pixel) == 1, "alignof PF_Pixel");
static_assert(offsetof(PF_Pixel, alpha) == 0, "PF_Pixel.alpha offset");
static_assert(declared_as<decltype(std::declval<PF_Pixel&>().alpha), A_u_char>, "PF_Pixel.alpha type");
static_assert(sizeof(std::declval<PF_Pixel&>().alpha) == 1, "PF_Pixel.alpha size");
static_assert(offsetof(PF_Pixel, red) == 1, "PF_Pixel.red offset");
static_assert(declared_as<decltype(std::declval<PF_Pixel&>().red), A_u_char>, "PF_Pixel.red type");
static_assert(sizeof(std::declval<PF_Pixel&>().red) == 1, "PF_Pixel.red size");
static_assert(offsetof(PF_Pixel, green) == 2, "PF_Pixel.green offset");
static_assert(declared_as<decltype(std::declval<PF_Pixel&>().green), A_u_char>, "PF_Pixel.green type");
static_assert(sizeof(std::declval<PF_Pixel&>().green) == 1, "PF_Pixel.green size");
static_assert(offsetof(PF_Pixel, blue) == 3, "PF_Pixel.blue offset");
static_assert(declared_as<decltype(std::declval<PF_Pixel&>().blue), A_u_char>, "PF_Pixel.blue type");
static_assert(sizeof(std::declval<PF_Pixel&>().blue) == 1, "PF_Pixel.blue size");

// PF_Pixel16
static_assert(sizeof(PF_Pixel16) == 8, "sizeof PF_Pixel16");
static_assert(alignof(PF_Pixel16) == 2, "alignof PF_Pixel16");
static_assert(offsetof(PF_Pixel16, alpha) == 0, "PF_Pixel16.alpha offset");
static_assert(declared_as<decltype(std::declval<PF_Pixel16&>().alpha), A_u_short>, "PF_Pixel16.alpha type");
static_assert(sizeof(std::declval<PF_Pixel16&>().alpha) == 2, "PF_Pixel16.alpha size");
static_assert(offsetof(PF_Pixel16, red) == 2, "PF_Pixel16.red offset");
static_assert(declared_as<decltype(std::declval<PF_Pixel16&>().red), A_u_short>, "PF_Pixel16.red type");
static_assert(sizeof(std::declval<PF_Pixel16&>().red) == 2, "PF_Pixel16.red size");
static_assert(offsetof(PF_Pixel16, green) == 4, "PF_Pixel16.green offset");
static_assert(declared_as<decltype(std::declval<PF_Pixel16&>().green), A_u_short>, "PF_Pixel16.green type");
static_assert(sizeof(std::declval<PF_Pixel16&>().green) == 2, "PF_Pixel16.green size");
static_assert(offsetof(PF_Pixel16, blue) == 6, "PF_Pixel16.blue offset");
static_assert(declared_as<decltype(std::declval<PF_Pixel16&>().blue), A_u_short>, "PF_Pixel16.blue type");
static_assert(sizeof(std::declval<PF_Pixel16&>().blue) == 2, "PF_Pixel16.blue size");

// PF_PixelFloat
static_assert(sizeof(PF_PixelFloat) == 16, "sizeof PF_PixelFloat");
static_assert(alignof(PF_PixelFloat) == 4, "alignof PF_PixelFloat");
static_assert(offsetof(PF_PixelFloat, alpha) == 0, "PF_PixelFloat.alpha offset");
static_assert(declared_as<decltype(std::declval<PF_PixelFloat&>().alpha), PF_FpShort>, "PF_PixelFloat.alpha type");
static_assert(sizeof(std::declval<PF_PixelFloat&>().alpha) == 4, "PF_PixelFloat.alpha size");
static_assert(offsetof(PF_PixelFloat, red) == 4, "PF_PixelFloat.red offset");
static_assert(declared_as<decltype(std::declval<PF_PixelFloat&>().red), PF_FpShort>, "PF_PixelFloat.red type");
static_assert(sizeof(std::declval<PF_PixelFloat&>().red) == 4, "PF_PixelFloat.red size");
static_assert(offsetof(PF_PixelFloat, green) == 8, "PF_PixelFloat.green offset");
static_assert(declared_as<decltype(std::declval<PF_PixelFloat&>().green), PF_FpShort>, "PF_PixelFloat.green type");
static_assert(sizeof(std::declval<PF_PixelFloat&>().green) == 4, "PF_PixelFloat.green size");
static_assert(offsetof(PF_PixelFloat, blue) == 12, "PF_PixelFloat.blue offset");
static_assert(declared_as<decltype(std::declval<PF_PixelFloat&>().blue), PF_FpShort>, "PF_PixelFloat.blue type");
static_assert(sizeof(std::declval<PF_PixelFloat&>().blue) == 4, "PF_PixelFloat.blue size");

// A_Time
static_assert(sizeof(A_Time) == 8, "sizeof A_Time");
static_assert(alignof(A_Time) == 4, "alignof A_Time");
static_assert(offsetof(A_Time, value) == 0, "A_Time.value offset");
static_assert(declared_as<decltype(std::declval<A_Time&>().value), A_long>, "A_Time.value type");
static_assert(sizeof(std::declval<A_Time&>().value) == 4, "A_Time.value size");
static_assert(offsetof(A_Time, scale) == 4, "A_Time.scale offset");
static_assert(declared_as<decltype(std::declval<A_Time&>().scale), A_u_long>, "A_Time.scale type");
static_assert(sizeof(std::declval<A_Time&>().scale) == 4, "A_Time.scale size");

// A_Ratio
static_assert(sizeof(A_Ratio) == 8, "sizeof A_Ratio");
static_assert(alignof(A_Ratio) == 4, "alignof A_Ratio");
static_assert(offsetof(A_Ratio, num) == 0, "A_Ratio.num offset");
static_assert(declared_as<decltype(std::declval<A_Ratio&>().num), A_long>, "A_Ratio.num type");
static_assert(sizeof(std::declval<A_Ratio&>().num) == 4, "A_Ratio.num size");
static_assert(offsetof(A_Ratio, den) == 4, "A_Ratio.den offset");
static_assert(declared_as<decltype(std::declval<A_Ratio&>().den), A_u_long>, "A_Ratio.den type");
static_assert(sizeof(std::declval<A_Ratio&>().den) == 4, "A_Ratio.den size");

// A_FloatPoint
static_assert(sizeof(A_FloatPoint) == 16, "sizeof A_FloatPoint");
static_assert(alignof(A_FloatPoint) == 8, "alignof A_FloatPoint");
static_assert(offsetof(A_FloatPoint, x) == 0, "A_FloatPoint.x offset");
static_assert(declared_as<decltype(std::declval<A_FloatPoint&>().x), A_FpLong>, "A_FloatPoint.x type");
static_assert(sizeof(std::declval<A_FloatPoint&>().x) == 8, "A_FloatPoint.x size");
static_assert(offsetof(A_FloatPoint, y) == 8, "A_FloatPoint.y offset");
static_assert(declared_as<decltype(std::declval<A_FloatPoint&>().y), A_FpLong>, "A_FloatPoint.y type");
static_assert(sizeof(std::declval<A_FloatPoint&>().y) == 8, "A_FloatPoint.y size");

// A_FloatPoint3
static_assert(sizeof(A_FloatPoint3) == 24, "sizeof A_FloatPoint3");
static_assert(alignof(A_FloatPoint3) == 8, "alignof A_FloatPoint3");
static_assert(offsetof(A_FloatPoint3, x) == 0, "A_FloatPoint3.x offset");
static_assert(declared_as<decltype(std::declval<A_FloatPoint3&>().x), A_FpLong>, "A_FloatPoint3.x type");
static_assert(sizeof(std::declval<A_FloatPoint3&>().x) == 8, "A_FloatPoint3.x size");
static_assert(offsetof(A_FloatPoint3, y) == 8, "A_FloatPoint3.y offset");
static_assert(declared_as<decltype(std::declval<A_FloatPoint3&>().y), A_FpLong>, "A_FloatPoint3.y type");
static_assert(sizeof(std::declval<A_FloatPoint3&>().y) == 8, "A_FloatPoint3.y size");
static_assert(offsetof(A_FloatPoint3, z) == 16, "A_FloatPoint3.z offset");
static_assert(declared_as<decltype(std::declval<A_FloatPoint3&>().z), A_FpLong>, "A_FloatPoint3.z type");
static_assert(sizeof(std::declval<A_FloatPoint3&>().z) == 8, "A_FloatPoint3.z size");

// A_FloatRect
static_assert(sizeof(A_FloatRect) == 32, "sizeof A_FloatRect");
static_assert(alignof(A_FloatRect) == 8, "alignof A_FloatRect");
static_assert(offsetof(A_FloatRect, left) == 0, "A_FloatRect.left offset");
static_assert(declared_as<decltype(std::declval<A_FloatRect&>().left), A_FpLong>, "A_FloatRect.left type");
static_assert(sizeof(std::declval<A_FloatRect&>().left) == 8, "A_FloatRect.left size");
static_assert(offsetof(A_FloatRect, top) == 8, "A_FloatRect.top offset");
static_assert(declared_as<decltype(std::declval<A_FloatRect&>().top), A_FpLong>, "A_FloatRect.top type");
static_assert(sizeof(std::declval<A_FloatRect&>().top) == 8, "A_FloatRect.top size");
static_assert(offsetof(A_FloatRect, right) == 16, "A_FloatRect.right offset");
static_assert(declared_as<decltype(std::declval<A_FloatRect&>().right), A_FpLong>, "A_FloatRect.right type");
static_assert(sizeof(std::declval<A_FloatRect&>().right) == 8, "A_FloatRect.right size");
static_assert(offsetof(A_FloatRect, bottom) == 24, "A_FloatRect.bottom offset");
static_assert(declared_as<decltype(std::declval<A_FloatRect&>().bottom), A_FpLong>, "A_FloatRect.bottom type");
static_assert(sizeof(std::declval<A_FloatRect&>().bottom) == 8, "A_FloatRect.bottom size");

// A_Matrix3
static_assert(sizeof(A_Matrix3) == 72, "sizeof A_Matrix3");
static_assert(alignof(A_Matrix3) == 8, "alignof A_Matrix3");
static_assert(offsetof(A_Matrix3, mat) == 0, "A_Matrix3.mat offset");
static_assert(declared_as<decltype(std::declval<A_Matrix3&>().mat), A_FpLong[3][3]>, "A_Matrix3.mat type");
static_assert(sizeof(std::declval<A_Matrix3&>().mat) == 72, "A_Matrix3.mat size");

// A_Matrix4
static_assert(sizeof(A_Matrix4) == 128, "sizeof A_Matrix4");
static_assert(alignof(A_Matrix4) == 8, "alignof A_Matrix4");
static_assert(offsetof(A_Matrix4, mat) == 0, "A_Matrix4.mat offset");
static_assert(declared_as<decltype(std::declval<A_Matrix4&>().mat), A_FpLong[4][4]>, "A_Matrix4.mat type");
static_assert(sizeof(std::declval<A_Matrix4&>().mat) == 128, "A_Matrix4.mat size");

// A_LRect
static_assert(sizeof(A_LRect) == 16, "sizeof A_LRect");
static_assert(alignof(A_LRect) == 4, "alignof A_LRect");
static_assert(offsetof(A_LRect, left) == 0, "A_LRect.left offset");
static_assert(declared_as<decltype(std::declval<A_LRect&>().left), A_long>, "A_LRect.left type");
static_assert(sizeof(std::declval<A_LRect&>().left) == 4, "A_LRect.left size");
static_assert(offsetof(A_LRect, top) == 4, "A_LRect.top offset");
static_assert(declared_as<decltype(std::declval<A_LRect&>().top), A_long>, "A_LRect.top type");
static_assert(sizeof(std::declval<A_LRect&>().top) == 4, "A_LRect.top size");
static_assert(offsetof(A_LRect, right) == 8, "A_LRect.right offset");
static_assert(declared_as<decltype(std::declval<A_LRect&>().right), A_long>, "A_LRect.right type");
static_assert(sizeof(std::declval<A_LRect&>().right) == 4, "A_LRect.right size");
static_assert(offsetof(A_LRect, bottom) == 12, "A_LRect.bottom offset");
static_assert(declared_as<decltype(std::declval<A_LRect&>().bottom), A_long>, "A_LRect.bottom type");
static_assert(sizeof(std::declval<A_LRect&>().bottom) == 4, "A_LRect.bottom size");

// A_LPoint
static_assert(sizeof(A_LPoint) == 8, "sizeof A_LPoint");
static_assert(alignof(A_LPoint) == 4, "alignof A_LPoint");
static_assert(offsetof(A_LPoint, x) == 0, "A_LPoint.x offset");
static_assert(declared_as<decltype(std::declval<A_LPoint&>().x), A_long>, "A_LPoint.x type");
static_assert(sizeof(std::declval<A_LPoint&>().x) == 4, "A_LPoint.x size");
static_assert(offsetof(A_LPoint, y) == 4, "A_LPoint.y offset");
static_assert(declared_as<decltype(std::declval<A_LPoint&>().y), A_long>, "A_LPoint.y type");
static_assert(sizeof(std::declval<A_LPoint&>().y) == 4, "A_LPoint.y size");

// A_Color
static_assert(sizeof(A_Color) == 32, "sizeof A_Color");
static_assert(alignof(A_Color) == 8, "alignof A_Color");
static_assert(offsetof(A_Color, alpha) == 0, "A_Color.alpha offset");
static_assert(declared_as<decltype(std::declval<A_Color&>().alpha), A_FpLong>, "A_Color.alpha type");
static_assert(sizeof(std::declval<A_Color&>().alpha) == 8, "A_Color.alpha size");
static_assert(offsetof(A_Color, red) == 8, "A_Color.red offset");
static_assert(declared_as<decltype(std::declval<A_Color&>().red), A_FpLong>, "A_Color.red type");
static_assert(sizeof(std::declval<A_Color&>().red) == 8, "A_Color.red size");
static_assert(offsetof(A_Color, green) == 16, "A_Color.green offset");
static_assert(declared_as<decltype(std::declval<A_Color&>().green), A_FpLong>, "A_Color.green type");
static_assert(sizeof(std::declval<A_Color&>().green) == 8, "A_Color.green size");
static_assert(offsetof(A_Color, blue) == 24, "A_Color.blue offset");
static_assert(declared_as<decltype(std::declval<A_Color&>().blue), A_FpLong>, "A_Color.blue type");
static_assert(sizeof(std::declval<A_Color&>().blue) == 8, "A_Color.blue size");

// PF_ParamDef
static_assert(sizeof(PF_ParamDef) == 176, "sizeof PF_ParamDef");
static_assert(alignof(PF_ParamDef) == 8, "alignof PF_ParamDef");
static_assert(offsetof(PF_ParamDef, uu) == 0, "PF_ParamDef.uu offset");
static_assert(sizeof(std::declval<PF_ParamDef&>().uu) == 4, "PF_ParamDef.uu size");
static_assert(offsetof(PF_ParamDef, uu.id) == 0, "PF_ParamDef.uu.id offset");
static_assert(declared_as<decltype(std::declval<PF_ParamDef&>().uu.id), A_long>, "PF_ParamDef.uu.id type");
static_assert(offsetof(PF_ParamDef, uu.change_flags) == 0, "PF_ParamDef.uu.change_flags offset");
static_assert(declared_as<decltype(std::declval<PF_ParamDef&>().uu.change_flags), PF_ChangeFlags>,
              "PF_ParamDef.uu.change_flags type");
static_assert(offsetof(PF_ParamDef, ui_flags) == 4, "PF_ParamDef.ui_flags offset");
static_assert(declared_as<decltype(std::declval<PF_ParamDef&>().ui_flags), PF_ParamUIFlags>,
              "PF_ParamDef.ui_flags type");
static_assert(sizeof(std::declval<PF_ParamDef&>().ui_flags) == 4, "PF_ParamDef.ui_flags size");
static_assert(offsetof(PF_ParamDef, ui_width) == 8, "PF_ParamDef.ui_width offset");
static_assert(declared_as<decltype(std::declval<PF_ParamDef&>().ui_width), A_short>, "PF_ParamDef.ui_width type");
static_assert(sizeof(std::declval<PF_ParamDef&>().ui_width) == 2, "PF_ParamDef.ui_width size");
static_assert(offsetof(PF_ParamDef, ui_height) == 10, "PF_ParamDef.ui_height offset");
static_assert(declared_as<decltype(std::declval<PF_ParamDef&>().ui_height), A_short>, "PF_ParamDef.ui_height type");
static_assert(sizeof(std::declval<PF_ParamDef&>().ui_height) == 2, "PF_ParamDef.ui_height size");
static_assert(offsetof(PF_ParamDef, param_type) == 12, "PF_ParamDef.param_type offset");
static_assert(declared_as<decltype(std::declval<PF_ParamDef&>().param_type), PF_ParamType>,
              "PF_ParamDef.param_type type");
static_assert(sizeof(std::declval<PF_ParamDef&>().param_type) == 4, "PF_ParamDef.param_type size");
static_assert(offsetof(PF_ParamDef, name) == 16, "PF_ParamDef.name offset");
static_assert(declared_as<decltype(std::declval<PF_ParamDef&>().name), A_char[32]>, "PF_ParamDef.name type");
static_assert(sizeof(std::declval<PF_ParamDef&>().name) == 32, "PF_ParamDef.name size");
static_assert(offsetof(PF_ParamDef, flags) == 48, "PF_ParamDef.flags offset");
static_assert(declared_as<decltype(std::declval<PF_ParamDef&>().flags), PF_ParamFlags>, "PF_ParamDef.flags type");
static_assert(sizeof(std::declval<PF_ParamDef&>().flags) == 4, "PF_ParamDef.flags size");
static_assert(offsetof(PF_ParamDef, unused) == 52, "PF_ParamDef.unused offset");
static_assert(declared_as<decltype(std::declval<PF_ParamDef&>().unused), A_long>, "PF_ParamDef.unused type");
static_assert(sizeof(std::declval<PF_ParamDef&>().unused) == 4, "PF_ParamDef.unused size");
static_assert(offsetof(PF_ParamDef, u) == 56, "PF_ParamDef.u offset");
static_assert(declared_as<decltype(std::declval<PF_ParamDef&>().u), PF_ParamDefUnion>, "PF_ParamDef.u type");
static_assert(sizeof(std::declval<PF_ParamDef&>().u) == 120, "PF_ParamDef.u size");
static_assert(offsetof(PF_ParamDef, u.ld) == 56, "PF_ParamDef.u.ld offset");
static_assert(declared_as<decltype(std::declval<PF_ParamDef&>().u.ld), struct PF_LayerDef>, "PF_ParamDef.u.ld type");
static_assert(offsetof(PF_ParamDef, u.sd) == 56, "PF_ParamDef.u.sd offset");
static_assert(declared_as<decltype(std::declval<PF_ParamDef&>().u.sd), PF_SliderDef>, "PF_ParamDef.u.sd type");
static_assert(offsetof(PF_ParamDef, u.fd) == 56, "PF_ParamDef.u.fd offset");
static_assert(declared_as<decltype(std::declval<PF_ParamDef&>().u.fd), PF_FixedSliderDef>, "PF_ParamDef.u.fd type");
static_assert(offsetof(PF_ParamDef, u.ad) == 56, "PF_ParamDef.u.ad offset");
static_assert(declared_as<decltype(std::declval<PF_ParamDef&>().u.ad), PF_AngleDef>, "PF_ParamDef.u.ad type");
static_assert(offsetof(PF_ParamDef, u.bd) == 56, "PF_ParamDef.u.bd offset");
static_assert(declared_as<decltype(std::declval<PF_ParamDef&>().u.bd), PF_CheckBoxDef>, "PF_ParamDef.u.bd type");
static_assert(offsetof(PF_ParamDef, u.cd) == 56, "PF_ParamDef.u.cd offset");
static_assert(declared_as<decltype(std::declval<PF_ParamDef&>().u.cd), PF_ColorDef>, "PF_ParamDef.u.cd type");
static_assert(offsetof(PF_ParamDef, u.td) == 56, "PF_ParamDef.u.td offset");
static_assert(declared_as<decltype(std::declval<PF_ParamDef&>().u.td), PF_PointDef>, "PF_ParamDef.u.td type");
static_assert(offsetof(PF_ParamDef, u.pd) == 56, "PF_ParamDef.u.pd offset");
static_assert(declared_as<decltype(std::declval<PF_ParamDef&>().u.pd), PF_PopupDef>, "PF_ParamDef.u.pd type");
static_assert(offsetof(PF_ParamDef, u.fs_d) == 56, "PF_ParamDef.u.fs_d offset");
static_assert(declared_as<decltype(std::declval<PF_ParamDef&>().u.fs_d), PF_FloatSliderDef>, "PF_ParamDef.u.fs_d type");
static_assert(offsetof(PF_ParamDef, u.arb_d) == 56, "PF_ParamDef.u.arb_d offset");
static_assert(declared_as<decltype(std::declval<PF_ParamDef&>().u.arb_d), PF_ArbitraryDef>, "PF_ParamDef.u.arb_d type");
static_assert(offsetof(PF_ParamDef, u.path_d) == 56, "PF_ParamDef.u.path_d offset");
static_assert(declared_as<decltype(std::declval<PF_ParamDef&>().u.path_d), struct PF_PathDef>,
              "PF_ParamDef.u.path_d type");
static_assert(offsetof(PF_ParamDef, u.button_d) == 56, "PF_ParamDef.u.button_d offset");
static_assert(declared_as<decltype(std::declval<PF_ParamDef&>().u.button_d), PF_ButtonDef>,
              "PF_ParamDef.u.button_d type");
static_assert(offsetof(PF_ParamDef, u.point3d_d) == 56, "PF_ParamDef.u.point3d_d offset");
static_assert(declared_as<decltype(std::declval<PF_ParamDef&>().u.point3d_d), PF_Point3DDef>,
              "PF_ParamDef.u.point3d_d type");

// PF_ParamDefUnion
static_assert(sizeof(PF_ParamDefUnion) == 120, "sizeof PF_ParamDefUnion");
static_assert(alignof(PF_ParamDefUnion) == 8, "alignof PF_ParamDefUnion");
static_assert(offsetof(PF_ParamDefUnion, ld) == 0, "PF_ParamDefUnion.ld offset");
static_assert(declared_as<decltype(std::declval<PF_ParamDefUnion&>().ld), struct PF_LayerDef>,
              "PF_ParamDefUnion.ld type");
static_assert(sizeof(std::declval<PF_ParamDefUnion&>().ld) == 120, "PF_ParamDefUnion.ld size");
static_assert(offsetof(PF_ParamDefUnion, sd) == 0, "PF_ParamDefUnion.sd offset");
static_assert(declared_as<decltype(std::declval<PF_ParamDefUnion&>().sd), PF_SliderDef>, "PF_ParamDefUnion.sd type");
static_assert(sizeof(std::declval<PF_ParamDefUnion&>().sd) == 88, "PF_ParamDefUnion.sd size");
static_assert(offsetof(PF_ParamDefUnion, fd) == 0, "PF_ParamDefUnion.fd offset");
static_assert(declared_as<decltype(std::declval<PF_ParamDefUnion&>().fd), PF_FixedSliderDef>,
              "PF_ParamDefUnion.fd type");
static_assert(sizeof(std::declval<PF_ParamDefUnion&>().fd) == 92, "PF_ParamDefUnion.fd size");
static_assert(offsetof(PF_ParamDefUnion, ad) == 0, "PF_ParamDefUnion.ad offset");
static_assert(declared_as<decltype(std::declval<PF_ParamDefUnion&>().ad), PF_AngleDef>, "PF_ParamDefUnion.ad type");
static_assert(sizeof(std::declval<PF_ParamDefUnion&>().ad) == 16, "PF_ParamDefUnion.ad size");
static_assert(offsetof(PF_ParamDefUnion, bd) == 0, "PF_ParamDefUnion.bd offset");
static_assert(declared_as<decltype(std::declval<PF_ParamDefUnion&>().bd), PF_CheckBoxDef>, "PF_ParamDefUnion.bd type");
static_assert(sizeof(std::declval<PF_ParamDefUnion&>().bd) == 16, "PF_ParamDefUnion.bd size");
static_assert(offsetof(PF_ParamDefUnion, cd) == 0, "PF_ParamDefUnion.cd offset");
static_assert(declared_as<decltype(std::declval<PF_ParamDefUnion&>().cd), PF_ColorDef>, "PF_ParamDefUnion.cd type");
static_assert(sizeof(std::declval<PF_ParamDefUnion&>().cd) == 8, "PF_ParamDefUnion.cd size");
static_assert(offsetof(PF_ParamDefUnion, td) == 0, "PF_ParamDefUnion.td offset");
static_assert(declared_as<decltype(std::declval<PF_ParamDefUnion&>().td), PF_PointDef>, "PF_ParamDefUnion.td type");
static_assert(sizeof(std::declval<PF_ParamDefUnion&>().td) == 20, "PF_ParamDefUnion.td size");
static_assert(offsetof(PF_ParamDefUnion, pd) == 0, "PF_ParamDefUnion.pd offset");
static_assert(declared_as<decltype(std::declval<PF_ParamDefUnion&>().pd), PF_PopupDef>, "PF_ParamDefUnion.pd type");
static_assert(sizeof(std::declval<PF_ParamDefUnion&>().pd) == 16, "PF_ParamDefUnion.pd size");
static_assert(offsetof(PF_ParamDefUnion, fs_d) == 0, "PF_ParamDefUnion.fs_d offset");
static_assert(declared_as<decltype(std::declval<PF_ParamDefUnion&>().fs_d), PF_FloatSliderDef>,
              "PF_ParamDefUnion.fs_d type");
static_assert(sizeof(std::declval<PF_ParamDefUnion&>().fs_d) == 88, "PF_ParamDefUnion.fs_d size");
static_assert(offsetof(PF_ParamDefUnion, arb_d) == 0, "PF_ParamDefUnion.arb_d offset");
static_assert(declared_as<decltype(std::declval<PF_ParamDefUnion&>().arb_d), PF_ArbitraryDef>,
              "PF_ParamDefUnion.arb_d type");
static_assert(sizeof(std::declval<PF_ParamDefUnion&>().arb_d) == 32, "PF_ParamDefUnion.arb_d size");
static_assert(offsetof(PF_ParamDefUnion, path_d) == 0, "PF_ParamDefUnion.path_d offset");
static_assert(declared_as<decltype(std::declval<PF_ParamDefUnion&>().path_d), struct PF_PathDef>,
              "PF_ParamDefUnion.path_d type");
static_assert(sizeof(std::declval<PF_ParamDefUnion&>().path_d) == 12, "PF_ParamDefUnion.path_d size");
static_assert(offsetof(PF_ParamDefUnion, button_d) == 0, "PF_ParamDefUnion.button_d offset");
static_assert(declared_as<decltype(std::declval<PF_ParamDefUnion&>().button_d), PF_ButtonDef>,
              "PF_ParamDefUnion.button_d type");
static_assert(sizeof(std::declval<PF_ParamDefUnion&>().button_d) == 16, "PF_ParamDefUnion.button_d size");
static_assert(offsetof(PF_ParamDefUnion, point3d_d) == 0, "PF_ParamDefUnion.point3d_d offset");
static_assert(declared_as<decltype(std::declval<PF_ParamDefUnion&>().point3d_d), PF_Point3DDef>,
              "PF_ParamDefUnion.point3d_d type");
static_assert(sizeof(std::declval<PF_ParamDefUnion&>().point3d_d) == 64, "PF_ParamDefUnion.point3d_d size");

// PF_LayerDef
static_assert(sizeof(PF_LayerDef) == 120, "sizeof PF_LayerDef");
static_assert(alignof(PF_LayerDef) == 8, "alignof PF_LayerDef");
static_assert(offsetof(PF_LayerDef, reserved0) == 0, "PF_LayerDef.reserved0 offset");
static_assert(declared_as<decltype(std::declval<PF_LayerDef&>().reserved0), void*>, "PF_LayerDef.reserved0 type");
static_assert(sizeof(std::declval<PF_LayerDef&>().reserved0) == 8, "PF_LayerDef.reserved0 size");
static_assert(offsetof(PF_LayerDef, reserved1) == 8, "PF_LayerDef.reserved1 offset");
static_assert(declared_as<decltype(std::declval<PF_LayerDef&>().reserved1), void*>, "PF_LayerDef.reserved1 type");
static_assert(sizeof(std::declval<PF_LayerDef&>().reserved1) == 8, "PF_LayerDef.reserved1 size");
static_assert(offsetof(PF_LayerDef, world_flags) == 16, "PF_LayerDef.world_flags offset");
static_assert(declared_as<decltype(std::declval<PF_LayerDef&>().world_flags), PF_WorldFlags>,
              "PF_LayerDef.world_flags type");
static_assert(sizeof(std::declval<PF_LayerDef&>().world_flags) == 4, "PF_LayerDef.world_flags size");
static_assert(offsetof(PF_LayerDef, data) == 24, "PF_LayerDef.data offset");
static_assert(declared_as<decltype(std::declval<PF_LayerDef&>().data), PF_PixelPtr>, "PF_LayerDef.data type");
static_assert(sizeof(std::declval<PF_LayerDef&>().data) == 8, "PF_LayerDef.data size");
static_assert(offsetof(PF_LayerDef, rowbytes) == 32, "PF_LayerDef.rowbytes offset");
static_assert(declared_as<decltype(std::declval<PF_LayerDef&>().rowbytes), A_long>, "PF_LayerDef.rowbytes type");
static_assert(sizeof(std::declval<PF_LayerDef&>().rowbytes) == 4, "PF_LayerDef.rowbytes size");
static_assert(offsetof(PF_LayerDef, width) == 36, "PF_LayerDef.width offset");
static_assert(declared_as<decltype(std::declval<PF_LayerDef&>().width), A_long>, "PF_LayerDef.width type");
static_assert(sizeof(std::declval<PF_LayerDef&>().width) == 4, "PF_LayerDef.width size");
static_assert(offsetof(PF_LayerDef, height) == 40, "PF_LayerDef.height offset");
static_assert(declared_as<decltype(std::declval<PF_LayerDef&>().height), A_long>, "PF_LayerDef.height type");
static_assert(sizeof(std::declval<PF_LayerDef&>().height) == 4, "PF_LayerDef.height size");
static_assert(offsetof(PF_LayerDef, extent_hint) == 44, "PF_LayerDef.extent_hint offset");
static_assert(declared_as<decltype(std::declval<PF_LayerDef&>().extent_hint), PF_LRect>,
              "PF_LayerDef.extent_hint type");
static_assert(sizeof(std::declval<PF_LayerDef&>().extent_hint) == 16, "PF_LayerDef.extent_hint size");
static_assert(offsetof(PF_LayerDef, extent_hint.left) == 44, "PF_LayerDef.extent_hint.left offset");
static_assert(declared_as<decltype(std::declval<PF_LayerDef&>().extent_hint.left), A_long>,
              "PF_LayerDef.extent_hint.left type");
static_assert(offsetof(PF_LayerDef, extent_hint.top) == 48, "PF_LayerDef.extent_hint.top offset");
static_assert(declared_as<decltype(std::declval<PF_LayerDef&>().extent_hint.top), A_long>,
              "PF_LayerDef.extent_hint.top type");
static_assert(offsetof(PF_LayerDef, extent_hint.right) == 52, "PF_LayerDef.extent_hint.right offset");
static_assert(declared_as<decltype(std::declval<PF_LayerDef&>().extent_hint.right), A_long>,
              "PF_LayerDef.extent_hint.right type");
static_assert(offsetof(PF_LayerDef, extent_hint.bottom) == 56, "PF_LayerDef.extent_hint.bottom offset");
static_assert(declared_as<decltype(std::declval<PF_LayerDef&>().extent_hint.bottom), A_long>,
              "PF_LayerDef.extent_hint.bottom type");
static_assert(offsetof(PF_LayerDef, platform_ref) == 64, "PF_LayerDef.platform_ref offset");
static_assert(declared_as<decltype(std::declval<PF_LayerDef&>().platform_ref), void*>, "PF_LayerDef.platform_ref type");
static_assert(sizeof(std::declval<PF_LayerDef&>().platform_ref) == 8, "PF_LayerDef.platform_ref size");
static_assert(offsetof(PF_LayerDef, reserved_long1) == 72, "PF_LayerDef.reserved_long1 offset");
static_assert(declared_as<decltype(std::declval<PF_LayerDef&>().reserved_long1), A_long>,
              "PF_LayerDef.reserved_long1 type");
static_assert(sizeof(std::declval<PF_LayerDef&>().reserved_long1) == 4, "PF_LayerDef.reserved_long1 size");
static_assert(offsetof(PF_LayerDef, reserved_long4) == 80, "PF_LayerDef.reserved_long4 offset");
static_assert(declared_as<decltype(std::declval<PF_LayerDef&>().reserved_long4), void*>,
              "PF_LayerDef.reserved_long4 type");
static_assert(sizeof(std::declval<PF_LayerDef&>().reserved_long4) == 8, "PF_LayerDef.reserved_long4 size");
static_assert(offsetof(PF_LayerDef, pix_aspect_ratio) == 88, "PF_LayerDef.pix_aspect_ratio offset");
static_assert(declared_as<decltype(std::declval<PF_LayerDef&>().pix_aspect_ratio), PF_RationalScale>,
              "PF_LayerDef.pix_aspect_ratio type");
static_assert(sizeof(std::declval<PF_LayerDef&>().pix_aspect_ratio) == 8, "PF_LayerDef.pix_aspect_ratio size");
static_assert(offsetof(PF_LayerDef, pix_aspect_ratio.num) == 88, "PF_LayerDef.pix_aspect_ratio.num offset");
static_assert(declared_as<decltype(std::declval<PF_LayerDef&>().pix_aspect_ratio.num), A_long>,
              "PF_LayerDef.pix_aspect_ratio.num type");
static_assert(offsetof(PF_LayerDef, pix_aspect_ratio.den) == 92, "PF_LayerDef.pix_aspect_ratio.den offset");
static_assert(declared_as<decltype(std::declval<PF_LayerDef&>().pix_aspect_ratio.den), A_u_long>,
              "PF_LayerDef.pix_aspect_ratio.den type");
static_assert(offsetof(PF_LayerDef, reserved_long2) == 96, "PF_LayerDef.reserved_long2 offset");
static_assert(declared_as<decltype(std::declval<PF_LayerDef&>().reserved_long2), void*>,
              "PF_LayerDef.reserved_long2 type");
static_assert(sizeof(std::declval<PF_LayerDef&>().reserved_long2) == 8, "PF_LayerDef.reserved_long2 size");
static_assert(offsetof(PF_LayerDef, origin_x) == 104, "PF_LayerDef.origin_x offset");
static_assert(declared_as<decltype(std::declval<PF_LayerDef&>().origin_x), A_long>, "PF_LayerDef.origin_x type");
static_assert(sizeof(std::declval<PF_LayerDef&>().origin_x) == 4, "PF_LayerDef.origin_x size");
static_assert(offsetof(PF_LayerDef, origin_y) == 108, "PF_LayerDef.origin_y offset");
static_assert(declared_as<decltype(std::declval<PF_LayerDef&>().origin_y), A_long>, "PF_LayerDef.origin_y type");
static_assert(sizeof(std::declval<PF_LayerDef&>().origin_y) == 4, "PF_LayerDef.origin_y size");
static_assert(offsetof(PF_LayerDef, reserved_long3) == 112, "PF_LayerDef.reserved_long3 offset");
static_assert(declared_as<decltype(std::declval<PF_LayerDef&>().reserved_long3), A_long>,
              "PF_LayerDef.reserved_long3 type");
static_assert(sizeof(std::declval<PF_LayerDef&>().reserved_long3) == 4, "PF_LayerDef.reserved_long3 size");
static_assert(offsetof(PF_LayerDef, dephault) == 116, "PF_LayerDef.dephault offset");
static_assert(declared_as<decltype(std::declval<PF_LayerDef&>().dephault), A_long>, "PF_LayerDef.dephault type");
static_assert(sizeof(std::declval<PF_LayerDef&>().dephault) == 4, "PF_LayerDef.dephault size");

// PF_SliderDef
static_assert(sizeof(PF_SliderDef) == 88, "sizeof PF_SliderDef");
static_assert(alignof(PF_SliderDef) == 4, "alignof PF_SliderDef");
static_assert(offsetof(PF_SliderDef, value) == 0, "PF_SliderDef.value offset");
static_assert(declared_as<decltype(std::declval<PF_SliderDef&>().value), PF_ParamValue>, "PF_SliderDef.value type");
static_assert(sizeof(std::declval<PF_SliderDef&>().value) == 4, "PF_SliderDef.value size");
static_assert(offsetof(PF_SliderDef, value_str) == 4, "PF_SliderDef.value_str offset");
static_assert(declared_as<decltype(std::declval<PF_SliderDef&>().value_str), A_char[32]>,
              "PF_SliderDef.value_str type");
static_assert(sizeof(std::declval<PF_SliderDef&>().value_str) == 32, "PF_SliderDef.value_str size");
static_assert(offsetof(PF_SliderDef, value_desc) == 36, "PF_SliderDef.value_desc offset");
static_assert(declared_as<decltype(std::declval<PF_SliderDef&>().value_desc), A_char[32]>,
              "PF_SliderDef.value_desc type");
static_assert(sizeof(std::declval<PF_SliderDef&>().value_desc) == 32, "PF_SliderDef.value_desc size");
static_assert(offsetof(PF_SliderDef, valid_min) == 68, "PF_SliderDef.valid_min offset");
static_assert(declared_as<decltype(std::declval<PF_SliderDef&>().valid_min), PF_ParamValue>,
              "PF_SliderDef.valid_min type");
static_assert(sizeof(std::declval<PF_SliderDef&>().valid_min) == 4, "PF_SliderDef.valid_min size");
static_assert(offsetof(PF_SliderDef, valid_max) == 72, "PF_SliderDef.valid_max offset");
static_assert(declared_as<decltype(std::declval<PF_SliderDef&>().valid_max), PF_ParamValue>,
              "PF_SliderDef.valid_max type");
static_assert(sizeof(std::declval<PF_SliderDef&>().valid_max) == 4, "PF_SliderDef.valid_max size");
static_assert(offsetof(PF_SliderDef, slider_min) == 76, "PF_SliderDef.slider_min offset");
static_assert(declared_as<decltype(std::declval<PF_SliderDef&>().slider_min), PF_ParamValue>,
              "PF_SliderDef.slider_min type");
static_assert(sizeof(std::declval<PF_SliderDef&>().slider_min) == 4, "PF_SliderDef.slider_min size");
static_assert(offsetof(PF_SliderDef, slider_max) == 80, "PF_SliderDef.slider_max offset");
static_assert(declared_as<decltype(std::declval<PF_SliderDef&>().slider_max), PF_ParamValue>,
              "PF_SliderDef.slider_max type");
static_assert(sizeof(std::declval<PF_SliderDef&>().slider_max) == 4, "PF_SliderDef.slider_max size");
static_assert(offsetof(PF_SliderDef, dephault) == 84, "PF_SliderDef.dephault offset");
static_assert(declared_as<decltype(std::declval<PF_SliderDef&>().dephault), PF_ParamValue>,
              "PF_SliderDef.dephault type");
static_assert(sizeof(std::declval<PF_SliderDef&>().dephault) == 4, "PF_SliderDef.dephault size");

// PF_FixedSliderDef
static_assert(sizeof(PF_FixedSliderDef) == 92, "sizeof PF_FixedSliderDef");
static_assert(alignof(PF_FixedSliderDef) == 4, "alignof PF_FixedSliderDef");
static_assert(offsetof(PF_FixedSliderDef, value) == 0, "PF_FixedSliderDef.value offset");
static_assert(declared_as<decltype(std::declval<PF_FixedSliderDef&>().value), PF_Fixed>,
              "PF_FixedSliderDef.value type");
static_assert(sizeof(std::declval<PF_FixedSliderDef&>().value) == 4, "PF_FixedSliderDef.value size");
static_assert(offsetof(PF_FixedSliderDef, value_str) == 4, "PF_FixedSliderDef.value_str offset");
static_assert(declared_as<decltype(std::declval<PF_FixedSliderDef&>().value_str), A_char[32]>,
              "PF_FixedSliderDef.value_str type");
static_assert(sizeof(std::declval<PF_FixedSliderDef&>().value_str) == 32, "PF_FixedSliderDef.value_str size");
static_assert(offsetof(PF_FixedSliderDef, value_desc) == 36, "PF_FixedSliderDef.value_desc offset");
static_assert(declared_as<decltype(std::declval<PF_FixedSliderDef&>().value_desc), A_char[32]>,
              "PF_FixedSliderDef.value_desc type");
static_assert(sizeof(std::declval<PF_FixedSliderDef&>().value_desc) == 32, "PF_FixedSliderDef.value_desc size");
static_assert(offsetof(PF_FixedSliderDef, valid_min) == 68, "PF_FixedSliderDef.valid_min offset");
static_assert(declared_as<decltype(std::declval<PF_FixedSliderDef&>().valid_min), PF_Fixed>,
              "PF_FixedSliderDef.valid_min type");
static_assert(sizeof(std::declval<PF_FixedSliderDef&>().valid_min) == 4, "PF_FixedSliderDef.valid_min size");
static_assert(offsetof(PF_FixedSliderDef, valid_max) == 72, "PF_FixedSliderDef.valid_max offset");
static_assert(declared_as<decltype(std::declval<PF_FixedSliderDef&>().valid_max), PF_Fixed>,
              "PF_FixedSliderDef.valid_max type");
static_assert(sizeof(std::declval<PF_FixedSliderDef&>().valid_max) == 4, "PF_FixedSliderDef.valid_max size");
static_assert(offsetof(PF_FixedSliderDef, slider_min) == 76, "PF_FixedSliderDef.slider_min offset");
static_assert(declared_as<decltype(std::declval<PF_FixedSliderDef&>().slider_min), PF_Fixed>,
              "PF_FixedSliderDef.slider_min type");
static_assert(sizeof(std::declval<PF_FixedSliderDef&>().slider_min) == 4, "PF_FixedSliderDef.slider_min size");
static_assert(offsetof(PF_FixedSliderDef, slider_max) == 80, "PF_FixedSliderDef.slider_max offset");
static_assert(declared_as<decltype(std::declval<PF_FixedSliderDef&>().slider_max), PF_Fixed>,
              "PF_FixedSliderDef.slider_max type");
static_assert(sizeof(std::declval<PF_FixedSliderDef&>().slider_max) == 4, "PF_FixedSliderDef.slider_max size");
static_assert(offsetof(PF_FixedSliderDef, dephault) == 84, "PF_FixedSliderDef.dephault offset");
static_assert(declared_as<decltype(std::declval<PF_FixedSliderDef&>().dephault), PF_Fixed>,
              "PF_FixedSliderDef.dephault type");
static_assert(sizeof(std::declval<PF_FixedSliderDef&>().dephault) == 4, "PF_FixedSliderDef.dephault size");
static_assert(offsetof(PF_FixedSliderDef, precision) == 88, "PF_FixedSliderDef.precision offset");
static_assert(declared_as<decltype(std::declval<PF_FixedSliderDef&>().precision), A_short>,
              "PF_FixedSliderDef.precision type");
static_assert(sizeof(std::declval<PF_FixedSliderDef&>().precision) == 2, "PF_FixedSliderDef.precision size");
static_assert(offsetof(PF_FixedSliderDef, display_flags) == 90, "PF_FixedSliderDef.display_flags offset");
static_assert(declared_as<decltype(std::declval<PF_FixedSliderDef&>().display_flags), PF_ValueDisplayFlags>,
              "PF_FixedSliderDef.display_flags type");
static_assert(sizeof(std::declval<PF_FixedSliderDef&>().display_flags) == 2, "PF_FixedSliderDef.display_flags size");

// PF_FloatSliderDef
static_assert(sizeof(PF_FloatSliderDef) == 88, "sizeof PF_FloatSliderDef");
static_assert(alignof(PF_FloatSliderDef) == 8, "alignof PF_FloatSliderDef");
static_assert(offsetof(PF_FloatSliderDef, value) == 0, "PF_FloatSliderDef.value offset");
static_assert(declared_as<decltype(std::declval<PF_FloatSliderDef&>().value), PF_FpLong>,
              "PF_FloatSliderDef.value type");
static_assert(sizeof(std::declval<PF_FloatSliderDef&>().value) == 8, "PF_FloatSliderDef.value size");
static_assert(offsetof(PF_FloatSliderDef, phase) == 8, "PF_FloatSliderDef.phase offset");
static_assert(declared_as<decltype(std::declval<PF_FloatSliderDef&>().phase), PF_FpLong>,
              "PF_FloatSliderDef.phase type");
static_assert(sizeof(std::declval<PF_FloatSliderDef&>().phase) == 8, "PF_FloatSliderDef.phase size");
static_assert(offsetof(PF_FloatSliderDef, value_desc) == 16, "PF_FloatSliderDef.value_desc offset");
static_assert(declared_as<decltype(std::declval<PF_FloatSliderDef&>().value_desc), A_char[32]>,
              "PF_FloatSliderDef.value_desc type");
static_assert(sizeof(std::declval<PF_FloatSliderDef&>().value_desc) == 32, "PF_FloatSliderDef.value_desc size");
static_assert(offsetof(PF_FloatSliderDef, valid_min) == 48, "PF_FloatSliderDef.valid_min offset");
static_assert(declared_as<decltype(std::declval<PF_FloatSliderDef&>().valid_min), PF_FpShort>,
              "PF_FloatSliderDef.valid_min type");
static_assert(sizeof(std::declval<PF_FloatSliderDef&>().valid_min) == 4, "PF_FloatSliderDef.valid_min size");
static_assert(offsetof(PF_FloatSliderDef, valid_max) == 52, "PF_FloatSliderDef.valid_max offset");
static_assert(declared_as<decltype(std::declval<PF_FloatSliderDef&>().valid_max), PF_FpShort>,
              "PF_FloatSliderDef.valid_max type");
static_assert(sizeof(std::declval<PF_FloatSliderDef&>().valid_max) == 4, "PF_FloatSliderDef.valid_max size");
static_assert(offsetof(PF_FloatSliderDef, slider_min) == 56, "PF_FloatSliderDef.slider_min offset");
static_assert(declared_as<decltype(std::declval<PF_FloatSliderDef&>().slider_min), PF_FpShort>,
              "PF_FloatSliderDef.slider_min type");
static_assert(sizeof(std::declval<PF_FloatSliderDef&>().slider_min) == 4, "PF_FloatSliderDef.slider_min size");
static_assert(offsetof(PF_FloatSliderDef, slider_max) == 60, "PF_FloatSliderDef.slider_max offset");
static_assert(declared_as<decltype(std::declval<PF_FloatSliderDef&>().slider_max), PF_FpShort>,
              "PF_FloatSliderDef.slider_max type");
static_assert(sizeof(std::declval<PF_FloatSliderDef&>().slider_max) == 4, "PF_FloatSliderDef.slider_max size");
static_assert(offsetof(PF_FloatSliderDef, dephault) == 64, "PF_FloatSliderDef.dephault offset");
static_assert(declared_as<decltype(std::declval<PF_FloatSliderDef&>().dephault), PF_FpShort>,
              "PF_FloatSliderDef.dephault type");
static_assert(sizeof(std::declval<PF_FloatSliderDef&>().dephault) == 4, "PF_FloatSliderDef.dephault size");
static_assert(offsetof(PF_FloatSliderDef, precision) == 68, "PF_FloatSliderDef.precision offset");
static_assert(declared_as<decltype(std::declval<PF_FloatSliderDef&>().precision), A_short>,
              "PF_FloatSliderDef.precision type");
static_assert(sizeof(std::declval<PF_FloatSliderDef&>().precision) == 2, "PF_FloatSliderDef.precision size");
static_assert(offsetof(PF_FloatSliderDef, display_flags) == 70, "PF_FloatSliderDef.display_flags offset");
static_assert(declared_as<decltype(std::declval<PF_FloatSliderDef&>().display_flags), PF_ValueDisplayFlags>,
              "PF_FloatSliderDef.display_flags type");
static_assert(sizeof(std::declval<PF_FloatSliderDef&>().display_flags) == 2, "PF_FloatSliderDef.display_flags size");
static_assert(offsetof(PF_FloatSliderDef, fs_flags) == 72, "PF_FloatSliderDef.fs_flags offset");
static_assert(declared_as<decltype(std::declval<PF_FloatSliderDef&>().fs_flags), PF_FSliderFlags>,
              "PF_FloatSliderDef.fs_flags type");
static_assert(sizeof(std::declval<PF_FloatSliderDef&>().fs_flags) == 4, "PF_FloatSliderDef.fs_flags size");
static_assert(offsetof(PF_FloatSliderDef, curve_tolerance) == 76, "PF_FloatSliderDef.curve_tolerance offset");
static_assert(declared_as<decltype(std::declval<PF_FloatSliderDef&>().curve_tolerance), PF_FpShort>,
              "PF_FloatSliderDef.curve_tolerance type");
static_assert(sizeof(std::declval<PF_FloatSliderDef&>().curve_tolerance) == 4,
              "PF_FloatSliderDef.curve_tolerance size");
static_assert(offsetof(PF_FloatSliderDef, useExponent) == 80, "PF_FloatSliderDef.useExponent offset");
static_assert(declared_as<decltype(std::declval<PF_FloatSliderDef&>().useExponent), PF_Boolean>,
              "PF_FloatSliderDef.useExponent type");
static_assert(sizeof(std::declval<PF_FloatSliderDef&>().useExponent) == 1, "PF_FloatSliderDef.useExponent size");
static_assert(offsetof(PF_FloatSliderDef, exponent) == 84, "PF_FloatSliderDef.exponent offset");
static_assert(declared_as<decltype(std::declval<PF_FloatSliderDef&>().exponent), PF_FpShort>,
              "PF_FloatSliderDef.exponent type");
static_assert(sizeof(std::declval<PF_FloatSliderDef&>().exponent) == 4, "PF_FloatSliderDef.exponent size");

// PF_AngleDef
static_assert(sizeof(PF_AngleDef) == 16, "sizeof PF_AngleDef");
static_assert(alignof(PF_AngleDef) == 4, "alignof PF_AngleDef");
static_assert(offsetof(PF_AngleDef, value) == 0, "PF_AngleDef.value offset");
static_assert(declared_as<decltype(std::declval<PF_AngleDef&>().value), PF_Fixed>, "PF_AngleDef.value type");
static_assert(sizeof(std::declval<PF_AngleDef&>().value) == 4, "PF_AngleDef.value size");
static_assert(offsetof(PF_AngleDef, dephault) == 4, "PF_AngleDef.dephault offset");
static_assert(declared_as<decltype(std::declval<PF_AngleDef&>().dephault), PF_Fixed>, "PF_AngleDef.dephault type");
static_assert(sizeof(std::declval<PF_AngleDef&>().dephault) == 4, "PF_AngleDef.dephault size");
static_assert(offsetof(PF_AngleDef, valid_min) == 8, "PF_AngleDef.valid_min offset");
static_assert(declared_as<decltype(std::declval<PF_AngleDef&>().valid_min), PF_Fixed>, "PF_AngleDef.valid_min type");
static_assert(sizeof(std::declval<PF_AngleDef&>().valid_min) == 4, "PF_AngleDef.valid_min size");
static_assert(offsetof(PF_AngleDef, valid_max) == 12, "PF_AngleDef.valid_max offset");
static_assert(declared_as<decltype(std::declval<PF_AngleDef&>().valid_max), PF_Fixed>, "PF_AngleDef.valid_max type");
static_assert(sizeof(std::declval<PF_AngleDef&>().valid_max) == 4, "PF_AngleDef.valid_max size");

// PF_CheckBoxDef
static_assert(sizeof(PF_CheckBoxDef) == 16, "sizeof PF_CheckBoxDef");
static_assert(alignof(PF_CheckBoxDef) == 8, "alignof PF_CheckBoxDef");
static_assert(offsetof(PF_CheckBoxDef, value) == 0, "PF_CheckBoxDef.value offset");
static_assert(declared_as<decltype(std::declval<PF_CheckBoxDef&>().value), PF_ParamValue>, "PF_CheckBoxDef.value type");
static_assert(sizeof(std::declval<PF_CheckBoxDef&>().value) == 4, "PF_CheckBoxDef.value size");
static_assert(offsetof(PF_CheckBoxDef, dephault) == 4, "PF_CheckBoxDef.dephault offset");
static_assert(declared_as<decltype(std::declval<PF_CheckBoxDef&>().dephault), PF_Boolean>,
              "PF_CheckBoxDef.dephault type");
static_assert(sizeof(std::declval<PF_CheckBoxDef&>().dephault) == 1, "PF_CheckBoxDef.dephault size");
static_assert(offsetof(PF_CheckBoxDef, reserved) == 5, "PF_CheckBoxDef.reserved offset");
static_assert(declared_as<decltype(std::declval<PF_CheckBoxDef&>().reserved), A_char>, "PF_CheckBoxDef.reserved type");
static_assert(sizeof(std::declval<PF_CheckBoxDef&>().reserved) == 1, "PF_CheckBoxDef.reserved size");
static_assert(offsetof(PF_CheckBoxDef, reserved1) == 6, "PF_CheckBoxDef.reserved1 offset");
static_assert(declared_as<decltype(std::declval<PF_CheckBoxDef&>().reserved1), A_short>,
              "PF_CheckBoxDef.reserved1 type");
static_assert(sizeof(std::declval<PF_CheckBoxDef&>().reserved1) == 2, "PF_CheckBoxDef.reserved1 size");
static_assert(offsetof(PF_CheckBoxDef, u) == 8, "PF_CheckBoxDef.u offset");
static_assert(sizeof(std::declval<PF_CheckBoxDef&>().u) == 8, "PF_CheckBoxDef.u size");
static_assert(offsetof(PF_CheckBoxDef, u.nameptr) == 8, "PF_CheckBoxDef.u.nameptr offset");
static_assert(declared_as<decltype(std::declval<PF_CheckBoxDef&>().u.nameptr), const A_char*>,
              "PF_CheckBoxDef.u.nameptr type");

// PF_ColorDef
static_assert(sizeof(PF_ColorDef) == 8, "sizeof PF_ColorDef");
static_assert(alignof(PF_ColorDef) == 1, "alignof PF_ColorDef");
static_assert(offsetof(PF_ColorDef, value) == 0, "PF_ColorDef.value offset");
static_assert(declared_as<decltype(std::declval<PF_ColorDef&>().value), PF_Pixel>, "PF_ColorDef.value type");
static_assert(sizeof(std::declval<PF_ColorDef&>().value) == 4, "PF_ColorDef.value size");
static_assert(offsetof(PF_ColorDef, value.alpha) == 0, "PF_ColorDef.value.alpha offset");
static_assert(declared_as<decltype(std::declval<PF_ColorDef&>().value.alpha), A_u_char>,
              "PF_ColorDef.value.alpha type");
static_assert(offsetof(PF_ColorDef, value.red) == 1, "PF_ColorDef.value.red offset");
static_assert(declared_as<decltype(std::declval<PF_ColorDef&>().value.red), A_u_char>, "PF_ColorDef.value.red type");
static_assert(offsetof(PF_ColorDef, value.green) == 2, "PF_ColorDef.value.green offset");
static_assert(declared_as<decltype(std::declval<PF_ColorDef&>().value.green), A_u_char>,
              "PF_ColorDef.value.green type");
static_assert(offsetof(PF_ColorDef, value.blue) == 3, "PF_ColorDef.value.blue offset");
static_assert(declared_as<decltype(std::declval<PF_ColorDef&>().value.blue), A_u_char>, "PF_ColorDef.value.blue type");
static_assert(offsetof(PF_ColorDef, dephault) == 4, "PF_ColorDef.dephault offset");
static_assert(declared_as<decltype(std::declval<PF_ColorDef&>().dephault), PF_Pixel>, "PF_ColorDef.dephault type");
static_assert(sizeof(std::declval<PF_ColorDef&>().dephault) == 4, "PF_ColorDef.dephault size");
static_assert(offsetof(PF_ColorDef, dephault.alpha) == 4, "PF_ColorDef.dephault.alpha offset");
static_assert(declared_as<decltype(std::declval<PF_ColorDef&>().dephault.alpha), A_u_char>,
              "PF_ColorDef.dephault.alpha type");
static_assert(offsetof(PF_ColorDef, dephault.red) == 5, "PF_ColorDef.dephault.red offset");
static_assert(declared_as<decltype(std::declval<PF_ColorDef&>().dephault.red), A_u_char>,
              "PF_ColorDef.dephault.red type");
static_assert(offsetof(PF_ColorDef, dephault.green) == 6, "PF_ColorDef.dephault.green offset");
static_assert(declared_as<decltype(std::declval<PF_ColorDef&>().dephault.green), A_u_char>,
              "PF_ColorDef.dephault.green type");
static_assert(offsetof(PF_ColorDef, dephault.blue) == 7, "PF_ColorDef.dephault.blue offset");
static_assert(declared_as<decltype(std::declval<PF_ColorDef&>().dephault.blue), A_u_char>,
              "PF_ColorDef.dephault.blue type");

// PF_PointDef
static_assert(sizeof(PF_PointDef) == 20, "sizeof PF_PointDef");
static_assert(alignof(PF_PointDef) == 4, "alignof PF_PointDef");
static_assert(offsetof(PF_PointDef, x_value) == 0, "PF_PointDef.x_value offset");
static_assert(declared_as<decltype(std::declval<PF_PointDef&>().x_value), PF_Fixed>, "PF_PointDef.x_value type");
static_assert(sizeof(std::declval<PF_PointDef&>().x_value) == 4, "PF_PointDef.x_value size");
static_assert(offsetof(PF_PointDef, y_value) == 4, "PF_PointDef.y_value offset");
static_assert(declared_as<decltype(std::declval<PF_PointDef&>().y_value), PF_Fixed>, "PF_PointDef.y_value type");
static_assert(sizeof(std::declval<PF_PointDef&>().y_value) == 4, "PF_PointDef.y_value size");
static_assert(offsetof(PF_PointDef, reserved) == 8, "PF_PointDef.reserved offset");
static_assert(declared_as<decltype(std::declval<PF_PointDef&>().reserved), A_char[3]>, "PF_PointDef.reserved type");
static_assert(sizeof(std::declval<PF_PointDef&>().reserved) == 3, "PF_PointDef.reserved size");
static_assert(offsetof(PF_PointDef, restrict_bounds) == 11, "PF_PointDef.restrict_bounds offset");
static_assert(declared_as<decltype(std::declval<PF_PointDef&>().restrict_bounds), PF_Boolean>,
              "PF_PointDef.restrict_bounds type");
static_assert(sizeof(std::declval<PF_PointDef&>().restrict_bounds) == 1, "PF_PointDef.restrict_bounds size");
static_assert(offsetof(PF_PointDef, x_dephault) == 12, "PF_PointDef.x_dephault offset");
static_assert(declared_as<decltype(std::declval<PF_PointDef&>().x_dephault), PF_Fixed>, "PF_PointDef.x_dephault type");
static_assert(sizeof(std::declval<PF_PointDef&>().x_dephault) == 4, "PF_PointDef.x_dephault size");
static_assert(offsetof(PF_PointDef, y_dephault) == 16, "PF_PointDef.y_dephault offset");
static_assert(declared_as<decltype(std::declval<PF_PointDef&>().y_dephault), PF_Fixed>, "PF_PointDef.y_dephault type");
static_assert(sizeof(std::declval<PF_PointDef&>().y_dephault) == 4, "PF_PointDef.y_dephault size");

// PF_Point3DDef
static_assert(sizeof(PF_Point3DDef) == 64, "sizeof PF_Point3DDef");
static_assert(alignof(PF_Point3DDef) == 8, "alignof PF_Point3DDef");
static_assert(offsetof(PF_Point3DDef, x_value) == 0, "PF_Point3DDef.x_value offset");
static_assert(declared_as<decltype(std::declval<PF_Point3DDef&>().x_value), PF_FpLong>, "PF_Point3DDef.x_value type");
static_assert(sizeof(std::declval<PF_Point3DDef&>().x_value) == 8, "PF_Point3DDef.x_value size");
static_assert(offsetof(PF_Point3DDef, y_value) == 8, "PF_Point3DDef.y_value offset");
static_assert(declared_as<decltype(std::declval<PF_Point3DDef&>().y_value), PF_FpLong>, "PF_Point3DDef.y_value type");
static_assert(sizeof(std::declval<PF_Point3DDef&>().y_value) == 8, "PF_Point3DDef.y_value size");
static_assert(offsetof(PF_Point3DDef, z_value) == 16, "PF_Point3DDef.z_value offset");
static_assert(declared_as<decltype(std::declval<PF_Point3DDef&>().z_value), PF_FpLong>, "PF_Point3DDef.z_value type");
static_assert(sizeof(std::declval<PF_Point3DDef&>().z_value) == 8, "PF_Point3DDef.z_value size");
static_assert(offsetof(PF_Point3DDef, x_dephault) == 24, "PF_Point3DDef.x_dephault offset");
static_assert(declared_as<decltype(std::declval<PF_Point3DDef&>().x_dephault), PF_FpLong>,
              "PF_Point3DDef.x_dephault type");
static_assert(sizeof(std::declval<PF_Point3DDef&>().x_dephault) == 8, "PF_Point3DDef.x_dephault size");
static_assert(offsetof(PF_Point3DDef, y_dephault) == 32, "PF_Point3DDef.y_dephault offset");
static_assert(declared_as<decltype(std::declval<PF_Point3DDef&>().y_dephault), PF_FpLong>,
              "PF_Point3DDef.y_dephault type");
static_assert(sizeof(std::declval<PF_Point3DDef&>().y_dephault) == 8, "PF_Point3DDef.y_dephault size");
static_assert(offsetof(PF_Point3DDef, z_dephault) == 40, "PF_Point3DDef.z_dephault offset");
static_assert(declared_as<decltype(std::declval<PF_Point3DDef&>().z_dephault), PF_FpLong>,
              "PF_Point3DDef.z_dephault type");
static_assert(sizeof(std::declval<PF_Point3DDef&>().z_dephault) == 8, "PF_Point3DDef.z_dephault size");
static_assert(offsetof(PF_Point3DDef, reserved) == 48, "PF_Point3DDef.reserved offset");
static_assert(declared_as<decltype(std::declval<PF_Point3DDef&>().reserved), char[16]>, "PF_Point3DDef.reserved type");
static_assert(sizeof(std::declval<PF_Point3DDef&>().reserved) == 16, "PF_Point3DDef.reserved size");

// PF_PopupDef
static_assert(sizeof(PF_PopupDef) == 16, "sizeof PF_PopupDef");
static_assert(alignof(PF_PopupDef) == 8, "alignof PF_PopupDef");
static_assert(offsetof(PF_PopupDef, value) == 0, "PF_PopupDef.value offset");
static_assert(declared_as<decltype(std::declval<PF_PopupDef&>().value), PF_ParamValue>, "PF_PopupDef.value type");
static_assert(sizeof(std::declval<PF_PopupDef&>().value) == 4, "PF_PopupDef.value size");
static_assert(offsetof(PF_PopupDef, num_choices) == 4, "PF_PopupDef.num_choices offset");
static_assert(declared_as<decltype(std::declval<PF_PopupDef&>().num_choices), A_short>, "PF_PopupDef.num_choices type");
static_assert(sizeof(std::declval<PF_PopupDef&>().num_choices) == 2, "PF_PopupDef.num_choices size");
static_assert(offsetof(PF_PopupDef, dephault) == 6, "PF_PopupDef.dephault offset");
static_assert(declared_as<decltype(std::declval<PF_PopupDef&>().dephault), A_short>, "PF_PopupDef.dephault type");
static_assert(sizeof(std::declval<PF_PopupDef&>().dephault) == 2, "PF_PopupDef.dephault size");
static_assert(offsetof(PF_PopupDef, u) == 8, "PF_PopupDef.u offset");
static_assert(sizeof(std::declval<PF_PopupDef&>().u) == 8, "PF_PopupDef.u size");
static_assert(offsetof(PF_PopupDef, u.namesptr) == 8, "PF_PopupDef.u.namesptr offset");
static_assert(declared_as<decltype(std::declval<PF_PopupDef&>().u.namesptr), const A_char*>,
              "PF_PopupDef.u.namesptr type");

// PF_ButtonDef
static_assert(sizeof(PF_ButtonDef) == 16, "sizeof PF_ButtonDef");
static_assert(alignof(PF_ButtonDef) == 8, "alignof PF_ButtonDef");
static_assert(offsetof(PF_ButtonDef, value) == 0, "PF_ButtonDef.value offset");
static_assert(declared_as<decltype(std::declval<PF_ButtonDef&>().value), PF_ParamValue>, "PF_ButtonDef.value type");
static_assert(sizeof(std::declval<PF_ButtonDef&>().value) == 4, "PF_ButtonDef.value size");
static_assert(offsetof(PF_ButtonDef, u) == 8, "PF_ButtonDef.u offset");
static_assert(sizeof(std::declval<PF_ButtonDef&>().u) == 8, "PF_ButtonDef.u size");
static_assert(offsetof(PF_ButtonDef, u.namesptr) == 8, "PF_ButtonDef.u.namesptr offset");
static_assert(declared_as<decltype(std::declval<PF_ButtonDef&>().u.namesptr), const A_char*>,
              "PF_ButtonDef.u.namesptr type");

// PF_ArbitraryDef
static_assert(sizeof(PF_ArbitraryDef) == 32, "sizeof PF_ArbitraryDef");
static_assert(alignof(PF_ArbitraryDef) == 8, "alignof PF_ArbitraryDef");
static_assert(offsetof(PF_ArbitraryDef, id) == 0, "PF_ArbitraryDef.id offset");
static_assert(declared_as<decltype(std::declval<PF_ArbitraryDef&>().id), A_short>, "PF_ArbitraryDef.id type");
static_assert(sizeof(std::declval<PF_ArbitraryDef&>().id) == 2, "PF_ArbitraryDef.id size");
static_assert(offsetof(PF_ArbitraryDef, pad) == 2, "PF_ArbitraryDef.pad offset");
static_assert(declared_as<decltype(std::declval<PF_ArbitraryDef&>().pad), A_short>, "PF_ArbitraryDef.pad type");
static_assert(sizeof(std::declval<PF_ArbitraryDef&>().pad) == 2, "PF_ArbitraryDef.pad size");
static_assert(offsetof(PF_ArbitraryDef, dephault) == 8, "PF_ArbitraryDef.dephault offset");
static_assert(declared_as<decltype(std::declval<PF_ArbitraryDef&>().dephault), PF_ArbitraryH>,
              "PF_ArbitraryDef.dephault type");
static_assert(sizeof(std::declval<PF_ArbitraryDef&>().dephault) == 8, "PF_ArbitraryDef.dephault size");
static_assert(offsetof(PF_ArbitraryDef, value) == 16, "PF_ArbitraryDef.value offset");
static_assert(declared_as<decltype(std::declval<PF_ArbitraryDef&>().value), PF_ArbitraryH>,
              "PF_ArbitraryDef.value type");
static_assert(sizeof(std::declval<PF_ArbitraryDef&>().value) == 8, "PF_ArbitraryDef.value size");
static_assert(offsetof(PF_ArbitraryDef, refconPV) == 24, "PF_ArbitraryDef.refconPV offset");
static_assert(declared_as<decltype(std::declval<PF_ArbitraryDef&>().refconPV), void*>, "PF_ArbitraryDef.refconPV type");
static_assert(sizeof(std::declval<PF_ArbitraryDef&>().refconPV) == 8, "PF_ArbitraryDef.refconPV size");

// PF_PathDef
static_assert(sizeof(PF_PathDef) == 12, "sizeof PF_PathDef");
static_assert(alignof(PF_PathDef) == 4, "alignof PF_PathDef");
static_assert(offsetof(PF_PathDef, path_id) == 0, "PF_PathDef.path_id offset");
static_assert(declared_as<decltype(std::declval<PF_PathDef&>().path_id), PF_PathID>, "PF_PathDef.path_id type");
static_assert(sizeof(std::declval<PF_PathDef&>().path_id) == 4, "PF_PathDef.path_id size");
static_assert(offsetof(PF_PathDef, reserved0) == 4, "PF_PathDef.reserved0 offset");
static_assert(declared_as<decltype(std::declval<PF_PathDef&>().reserved0), A_long>, "PF_PathDef.reserved0 type");
static_assert(sizeof(std::declval<PF_PathDef&>().reserved0) == 4, "PF_PathDef.reserved0 size");
static_assert(offsetof(PF_PathDef, dephault) == 8, "PF_PathDef.dephault offset");
static_assert(declared_as<decltype(std::declval<PF_PathDef&>().dephault), A_long>, "PF_PathDef.dephault type");
static_assert(sizeof(std::declval<PF_PathDef&>().dephault) == 4, "PF_PathDef.dephault size");

// PF_ArbParamsExtra
static_assert(sizeof(PF_ArbParamsExtra) == 48, "sizeof PF_ArbParamsExtra");
static_assert(alignof(PF_ArbParamsExtra) == 8, "alignof PF_ArbParamsExtra");
static_assert(offsetof(PF_ArbParamsExtra, which_function) == 0, "PF_ArbParamsExtra.which_function offset");
static_assert(declared_as<decltype(std::declval<PF_ArbParamsExtra&>().which_function), PF_FunctionSelector>,
              "PF_ArbParamsExtra.which_function type");
static_assert(sizeof(std::declval<PF_ArbParamsExtra&>().which_function) == 4, "PF_ArbParamsExtra.which_function size");
static_assert(offsetof(PF_ArbParamsExtra, id) == 4, "PF_ArbParamsExtra.id offset");
static_assert(declared_as<decltype(std::declval<PF_ArbParamsExtra&>().id), A_short>, "PF_ArbParamsExtra.id type");
static_assert(sizeof(std::declval<PF_ArbParamsExtra&>().id) == 2, "PF_ArbParamsExtra.id size");
static_assert(offsetof(PF_ArbParamsExtra, padding) == 6, "PF_ArbParamsExtra.padding offset");
static_assert(declared_as<decltype(std::declval<PF_ArbParamsExtra&>().padding), A_short>,
              "PF_ArbParamsExtra.padding type");
static_assert(sizeof(std::declval<PF_ArbParamsExtra&>().padding) == 2, "PF_ArbParamsExtra.padding size");
static_assert(offsetof(PF_ArbParamsExtra, u) == 8, "PF_ArbParamsExtra.u offset");
static_assert(sizeof(std::declval<PF_ArbParamsExtra&>().u) == 40, "PF_ArbParamsExtra.u size");
static_assert(offsetof(PF_ArbParamsExtra, u.new_func_params) == 8, "PF_ArbParamsExtra.u.new_func_params offset");
static_assert(offsetof(PF_ArbParamsExtra, u.new_func_params.refconPV) == 8,
              "PF_ArbParamsExtra.u.new_func_params.refconPV offset");
static_assert(declared_as<decltype(std::declval<PF_ArbParamsExtra&>().u.new_func_params.refconPV), void*>,
              "PF_ArbParamsExtra.u.new_func_params.refconPV type");
static_assert(offsetof(PF_ArbParamsExtra, u.new_func_params.arbPH) == 16,
              "PF_ArbParamsExtra.u.new_func_params.arbPH offset");
static_assert(declared_as<decltype(std::declval<PF_ArbParamsExtra&>().u.new_func_params.arbPH), PF_ArbitraryH*>,
              "PF_ArbParamsExtra.u.new_func_params.arbPH type");
static_assert(offsetof(PF_ArbParamsExtra, u.dispose_func_params) == 8,
              "PF_ArbParamsExtra.u.dispose_func_params offset");
static_assert(offsetof(PF_ArbParamsExtra, u.dispose_func_params.refconPV) == 8,
              "PF_ArbParamsExtra.u.dispose_func_params.refconPV offset");
static_assert(declared_as<decltype(std::declval<PF_ArbParamsExtra&>().u.dispose_func_params.refconPV), void*>,
              "PF_ArbParamsExtra.u.dispose_func_params.refconPV type");
static_assert(offsetof(PF_ArbParamsExtra, u.dispose_func_params.arbH) == 16,
              "PF_ArbParamsExtra.u.dispose_func_params.arbH offset");
static_assert(declared_as<decltype(std::declval<PF_ArbParamsExtra&>().u.dispose_func_params.arbH), PF_ArbitraryH>,
              "PF_ArbParamsExtra.u.dispose_func_params.arbH type");
static_assert(offsetof(PF_ArbParamsExtra, u.copy_func_params) == 8, "PF_ArbParamsExtra.u.copy_func_params offset");
static_assert(offsetof(PF_ArbParamsExtra, u.copy_func_params.refconPV) == 8,
              "PF_ArbParamsExtra.u.copy_func_params.refconPV offset");
static_assert(declared_as<decltype(std::declval<PF_ArbParamsExtra&>().u.copy_func_params.refconPV), void*>,
              "PF_ArbParamsExtra.u.copy_func_params.refconPV type");
static_assert(offsetof(PF_ArbParamsExtra, u.copy_func_params.src_arbH) == 16,
              "PF_ArbParamsExtra.u.copy_func_params.src_arbH offset");
static_assert(declared_as<decltype(std::declval<PF_ArbParamsExtra&>().u.copy_func_params.src_arbH), PF_ArbitraryH>,
              "PF_ArbParamsExtra.u.copy_func_params.src_arbH type");
static_assert(offsetof(PF_ArbParamsExtra, u.copy_func_params.dst_arbPH) == 24,
              "PF_ArbParamsExtra.u.copy_func_params.dst_arbPH offset");
static_assert(declared_as<decltype(std::declval<PF_ArbParamsExtra&>().u.copy_func_params.dst_arbPH), PF_ArbitraryH*>,
              "PF_ArbParamsExtra.u.copy_func_params.dst_arbPH type");
static_assert(offsetof(PF_ArbParamsExtra, u.flat_size_func_params) == 8,
              "PF_ArbParamsExtra.u.flat_size_func_params offset");
static_assert(offsetof(PF_ArbParamsExtra, u.flat_size_func_params.refconPV) == 8,
              "PF_ArbParamsExtra.u.flat_size_func_params.refconPV offset");
static_assert(declared_as<decltype(std::declval<PF_ArbParamsExtra&>().u.flat_size_func_params.refconPV), void*>,
              "PF_ArbParamsExtra.u.flat_size_func_params.refconPV type");
static_assert(offsetof(PF_ArbParamsExtra, u.flat_size_func_params.arbH) == 16,
              "PF_ArbParamsExtra.u.flat_size_func_params.arbH offset");
static_assert(declared_as<decltype(std::declval<PF_ArbParamsExtra&>().u.flat_size_func_params.arbH), PF_ArbitraryH>,
              "PF_ArbParamsExtra.u.flat_size_func_params.arbH type");
static_assert(offsetof(PF_ArbParamsExtra, u.flat_size_func_params.flat_data_sizePLu) == 24,
              "PF_ArbParamsExtra.u.flat_size_func_params.flat_data_sizePLu offset");
static_assert(
    declared_as<decltype(std::declval<PF_ArbParamsExtra&>().u.flat_size_func_params.flat_data_sizePLu), A_u_long*>,
    "PF_ArbParamsExtra.u.flat_size_func_params.flat_data_sizePLu type");
static_assert(offsetof(PF_ArbParamsExtra, u.flatten_func_params) == 8,
              "PF_ArbParamsExtra.u.flatten_func_params offset");
static_assert(offsetof(PF_ArbParamsExtra, u.flatten_func_params.refconPV) == 8,
              "PF_ArbParamsExtra.u.flatten_func_params.refconPV offset");
static_assert(declared_as<decltype(std::declval<PF_ArbParamsExtra&>().u.flatten_func_params.refconPV), void*>,
              "PF_ArbParamsExtra.u.flatten_func_params.refconPV type");
static_assert(offsetof(PF_ArbParamsExtra, u.flatten_func_params.arbH) == 16,
              "PF_ArbParamsExtra.u.flatten_func_params.arbH offset");
static_assert(declared_as<decltype(std::declval<PF_ArbParamsExtra&>().u.flatten_func_params.arbH), PF_ArbitraryH>,
              "PF_ArbParamsExtra.u.flatten_func_params.arbH type");
static_assert(offsetof(PF_ArbParamsExtra, u.flatten_func_params.buf_sizeLu) == 24,
              "PF_ArbParamsExtra.u.flatten_func_params.buf_sizeLu offset");
static_assert(declared_as<decltype(std::declval<PF_ArbParamsExtra&>().u.flatten_func_params.buf_sizeLu), A_u_long>,
              "PF_ArbParamsExtra.u.flatten_func_params.buf_sizeLu type");
static_assert(offsetof(PF_ArbParamsExtra, u.flatten_func_params.flat_dataPV) == 32,
              "PF_ArbParamsExtra.u.flatten_func_params.flat_dataPV offset");
static_assert(declared_as<decltype(std::declval<PF_ArbParamsExtra&>().u.flatten_func_params.flat_dataPV), void*>,
              "PF_ArbParamsExtra.u.flatten_func_params.flat_dataPV type");
static_assert(offsetof(PF_ArbParamsExtra, u.unflatten_func_params) == 8,
              "PF_ArbParamsExtra.u.unflatten_func_params offset");
static_assert(offsetof(PF_ArbParamsExtra, u.unflatten_func_params.refconPV) == 8,
              "PF_ArbParamsExtra.u.unflatten_func_params.refconPV offset");
static_assert(declared_as<decltype(std::declval<PF_ArbParamsExtra&>().u.unflatten_func_params.refconPV), void*>,
              "PF_ArbParamsExtra.u.unflatten_func_params.refconPV type");
static_assert(offsetof(PF_ArbParamsExtra, u.unflatten_func_params.buf_sizeLu) == 16,
              "PF_ArbParamsExtra.u.unflatten_func_params.buf_sizeLu offset");
static_assert(declared_as<decltype(std::declval<PF_ArbParamsExtra&>().u.unflatten_func_params.buf_sizeLu), A_u_long>,
              "PF_ArbParamsExtra.u.unflatten_func_params.buf_sizeLu type");
static_assert(offsetof(PF_ArbParamsExtra, u.unflatten_func_params.flat_dataPV) == 24,
              "PF_ArbParamsExtra.u.unflatten_func_params.flat_dataPV offset");
static_assert(
    declared_as<decltype(std::declval<PF_ArbParamsExtra&>().u.unflatten_func_params.flat_dataPV), const void*>,
    "PF_ArbParamsExtra.u.unflatten_func_params.flat_dataPV type");
static_assert(offsetof(PF_ArbParamsExtra, u.unflatten_func_params.arbPH) == 32,
              "PF_ArbParamsExtra.u.unflatten_func_params.arbPH offset");
static_assert(declared_as<decltype(std::declval<PF_ArbParamsExtra&>().u.unflatten_func_params.arbPH), PF_ArbitraryH*>,
              "PF_ArbParamsExtra.u.unflatten_func_params.arbPH type");
static_assert(offsetof(PF_ArbParamsExtra, u.interp_func_params) == 8, "PF_ArbParamsExtra.u.interp_func_params offset");
static_assert(offsetof(PF_ArbParamsExtra, u.interp_func_params.refconPV) == 8,
              "PF_ArbParamsExtra.u.interp_func_params.refconPV offset");
static_assert(declared_as<decltype(std::declval<PF_ArbParamsExtra&>().u.interp_func_params.refconPV), void*>,
              "PF_ArbParamsExtra.u.interp_func_params.refconPV type");
static_assert(offsetof(PF_ArbParamsExtra, u.interp_func_params.left_arbH) == 16,
              "PF_ArbParamsExtra.u.interp_func_params.left_arbH offset");
static_assert(declared_as<decltype(std::declval<PF_ArbParamsExtra&>().u.interp_func_params.left_arbH), PF_ArbitraryH>,
              "PF_ArbParamsExtra.u.interp_func_params.left_arbH type");
static_assert(offsetof(PF_ArbParamsExtra, u.interp_func_params.right_arbH) == 24,
              "PF_ArbParamsExtra.u.interp_func_params.right_arbH offset");
static_assert(declared_as<decltype(std::declval<PF_ArbParamsExtra&>().u.interp_func_params.right_arbH), PF_ArbitraryH>,
              "PF_ArbParamsExtra.u.interp_func_params.right_arbH type");
static_assert(offsetof(PF_ArbParamsExtra, u.interp_func_params.tF) == 32,
              "PF_ArbParamsExtra.u.interp_func_params.tF offset");
static_assert(declared_as<decltype(std::declval<PF_ArbParamsExtra&>().u.interp_func_params.tF), PF_FpLong>,
              "PF_ArbParamsExtra.u.interp_func_params.tF type");
static_assert(offsetof(PF_ArbParamsExtra, u.interp_func_params.interpPH) == 40,
              "PF_ArbParamsExtra.u.interp_func_params.interpPH offset");
static_assert(declared_as<decltype(std::declval<PF_ArbParamsExtra&>().u.interp_func_params.interpPH), PF_ArbitraryH*>,
              "PF_ArbParamsExtra.u.interp_func_params.interpPH type");
static_assert(offsetof(PF_ArbParamsExtra, u.compare_func_params) == 8,
              "PF_ArbParamsExtra.u.compare_func_params offset");
static_assert(offsetof(PF_ArbParamsExtra, u.compare_func_params.refconPV) == 8,
              "PF_ArbParamsExtra.u.compare_func_params.refconPV offset");
static_assert(declared_as<decltype(std::declval<PF_ArbParamsExtra&>().u.compare_func_params.refconPV), void*>,
              "PF_ArbParamsExtra.u.compare_func_params.refconPV type");
static_assert(offsetof(PF_ArbParamsExtra, u.compare_func_params.a_arbH) == 16,
              "PF_ArbParamsExtra.u.compare_func_params.a_arbH offset");
static_assert(declared_as<decltype(std::declval<PF_ArbParamsExtra&>().u.compare_func_params.a_arbH), PF_ArbitraryH>,
              "PF_ArbParamsExtra.u.compare_func_params.a_arbH type");
static_assert(offsetof(PF_ArbParamsExtra, u.compare_func_params.b_arbH) == 24,
              "PF_ArbParamsExtra.u.compare_func_params.b_arbH offset");
static_assert(declared_as<decltype(std::declval<PF_ArbParamsExtra&>().u.compare_func_params.b_arbH), PF_ArbitraryH>,
              "PF_ArbParamsExtra.u.compare_func_params.b_arbH type");
static_assert(offsetof(PF_ArbParamsExtra, u.compare_func_params.compareP) == 32,
              "PF_ArbParamsExtra.u.compare_func_params.compareP offset");
static_assert(
    declared_as<decltype(std::declval<PF_ArbParamsExtra&>().u.compare_func_params.compareP), PF_ArbCompareResult*>,
    "PF_ArbParamsExtra.u.compare_func_params.compareP type");
static_assert(offsetof(PF_ArbParamsExtra, u.print_size_func_params) == 8,
              "PF_ArbParamsExtra.u.print_size_func_params offset");
static_assert(offsetof(PF_ArbParamsExtra, u.print_size_func_params.refconPV) == 8,
              "PF_ArbParamsExtra.u.print_size_func_params.refconPV offset");
static_assert(declared_as<decltype(std::declval<PF_ArbParamsExtra&>().u.print_size_func_params.refconPV), void*>,
              "PF_ArbParamsExtra.u.print_size_func_params.refconPV type");
static_assert(offsetof(PF_ArbParamsExtra, u.print_size_func_params.arbH) == 16,
              "PF_ArbParamsExtra.u.print_size_func_params.arbH offset");
static_assert(declared_as<decltype(std::declval<PF_ArbParamsExtra&>().u.print_size_func_params.arbH), PF_ArbitraryH>,
              "PF_ArbParamsExtra.u.print_size_func_params.arbH type");
static_assert(offsetof(PF_ArbParamsExtra, u.print_size_func_params.print_sizePLu) == 24,
              "PF_ArbParamsExtra.u.print_size_func_params.print_sizePLu offset");
static_assert(
    declared_as<decltype(std::declval<PF_ArbParamsExtra&>().u.print_size_func_params.print_sizePLu), A_u_long*>,
    "PF_ArbParamsExtra.u.print_size_func_params.print_sizePLu type");
static_assert(offsetof(PF_ArbParamsExtra, u.print_func_params) == 8, "PF_ArbParamsExtra.u.print_func_params offset");
static_assert(offsetof(PF_ArbParamsExtra, u.print_func_params.refconPV) == 8,
              "PF_ArbParamsExtra.u.print_func_params.refconPV offset");
static_assert(declared_as<decltype(std::declval<PF_ArbParamsExtra&>().u.print_func_params.refconPV), void*>,
              "PF_ArbParamsExtra.u.print_func_params.refconPV type");
static_assert(offsetof(PF_ArbParamsExtra, u.print_func_params.print_flags) == 16,
              "PF_ArbParamsExtra.u.print_func_params.print_flags offset");
static_assert(
    declared_as<decltype(std::declval<PF_ArbParamsExtra&>().u.print_func_params.print_flags), PF_ArbPrintFlags>,
    "PF_ArbParamsExtra.u.print_func_params.print_flags type");
static_assert(offsetof(PF_ArbParamsExtra, u.print_func_params.arbH) == 24,
              "PF_ArbParamsExtra.u.print_func_params.arbH offset");
static_assert(declared_as<decltype(std::declval<PF_ArbParamsExtra&>().u.print_func_params.arbH), PF_ArbitraryH>,
              "PF_ArbParamsExtra.u.print_func_params.arbH type");
static_assert(offsetof(PF_ArbParamsExtra, u.print_func_params.print_sizeLu) == 32,
              "PF_ArbParamsExtra.u.print_func_params.print_sizeLu offset");
static_assert(declared_as<decltype(std::declval<PF_ArbParamsExtra&>().u.print_func_params.print_sizeLu), A_u_long>,
              "PF_ArbParamsExtra.u.print_func_params.print_sizeLu type");
static_assert(offsetof(PF_ArbParamsExtra, u.print_func_params.print_bufferPC) == 40,
              "PF_ArbParamsExtra.u.print_func_params.print_bufferPC offset");
static_assert(declared_as<decltype(std::declval<PF_ArbParamsExtra&>().u.print_func_params.print_bufferPC), A_char*>,
              "PF_ArbParamsExtra.u.print_func_params.print_bufferPC type");
static_assert(offsetof(PF_ArbParamsExtra, u.scan_func_params) == 8, "PF_ArbParamsExtra.u.scan_func_params offset");
static_assert(offsetof(PF_ArbParamsExtra, u.scan_func_params.refconPV) == 8,
              "PF_ArbParamsExtra.u.scan_func_params.refconPV offset");
static_assert(declared_as<decltype(std::declval<PF_ArbParamsExtra&>().u.scan_func_params.refconPV), void*>,
              "PF_ArbParamsExtra.u.scan_func_params.refconPV type");
static_assert(offsetof(PF_ArbParamsExtra, u.scan_func_params.bufPC) == 16,
              "PF_ArbParamsExtra.u.scan_func_params.bufPC offset");
static_assert(declared_as<decltype(std::declval<PF_ArbParamsExtra&>().u.scan_func_params.bufPC), const A_char*>,
              "PF_ArbParamsExtra.u.scan_func_params.bufPC type");
static_assert(offsetof(PF_ArbParamsExtra, u.scan_func_params.bytes_to_scanLu) == 24,
              "PF_ArbParamsExtra.u.scan_func_params.bytes_to_scanLu offset");
static_assert(declared_as<decltype(std::declval<PF_ArbParamsExtra&>().u.scan_func_params.bytes_to_scanLu), A_u_long>,
              "PF_ArbParamsExtra.u.scan_func_params.bytes_to_scanLu type");
static_assert(offsetof(PF_ArbParamsExtra, u.scan_func_params.arbPH) == 32,
              "PF_ArbParamsExtra.u.scan_func_params.arbPH offset");
static_assert(declared_as<decltype(std::declval<PF_ArbParamsExtra&>().u.scan_func_params.arbPH), PF_ArbitraryH*>,
              "PF_ArbParamsExtra.u.scan_func_params.arbPH type");

// PF_ExtDependenciesExtra
static_assert(sizeof(PF_ExtDependenciesExtra) == 16, "sizeof PF_ExtDependenciesExtra");
static_assert(alignof(PF_ExtDependenciesExtra) == 8, "alignof PF_ExtDependenciesExtra");
static_assert(offsetof(PF_ExtDependenciesExtra, check_type) == 0, "PF_ExtDependenciesExtra.check_type offset");
static_assert(declared_as<decltype(std::declval<PF_ExtDependenciesExtra&>().check_type), PF_DepCheckType>,
              "PF_ExtDependenciesExtra.check_type type");
static_assert(sizeof(std::declval<PF_ExtDependenciesExtra&>().check_type) == 4,
              "PF_ExtDependenciesExtra.check_type size");
static_assert(offsetof(PF_ExtDependenciesExtra, dependencies_strH) == 8,
              "PF_ExtDependenciesExtra.dependencies_strH offset");
static_assert(declared_as<decltype(std::declval<PF_ExtDependenciesExtra&>().dependencies_strH), PF_Handle>,
              "PF_ExtDependenciesExtra.dependencies_strH type");
static_assert(sizeof(std::declval<PF_ExtDependenciesExtra&>().dependencies_strH) == 8,
              "PF_ExtDependenciesExtra.dependencies_strH size");

// PF_RenderRequest
static_assert(sizeof(PF_RenderRequest) == 44, "sizeof PF_RenderRequest");
static_assert(alignof(PF_RenderRequest) == 4, "alignof PF_RenderRequest");
static_assert(offsetof(PF_RenderRequest, rect) == 0, "PF_RenderRequest.rect offset");
static_assert(declared_as<decltype(std::declval<PF_RenderRequest&>().rect), PF_LRect>, "PF_RenderRequest.rect type");
static_assert(sizeof(std::declval<PF_RenderRequest&>().rect) == 16, "PF_RenderRequest.rect size");
static_assert(offsetof(PF_RenderRequest, rect.left) == 0, "PF_RenderRequest.rect.left offset");
static_assert(declared_as<decltype(std::declval<PF_RenderRequest&>().rect.left), A_long>,
              "PF_RenderRequest.rect.left type");
static_assert(offsetof(PF_RenderRequest, rect.top) == 4, "PF_RenderRequest.rect.top offset");
static_assert(declared_as<decltype(std::declval<PF_RenderRequest&>().rect.top), A_long>,
              "PF_RenderRequest.rect.top type");
static_assert(offsetof(PF_RenderRequest, rect.right) == 8, "PF_RenderRequest.rect.right offset");
static_assert(declared_as<decltype(std::declval<PF_RenderRequest&>().rect.right), A_long>,
              "PF_RenderRequest.rect.right type");
static_assert(offsetof(PF_RenderRequest, rect.bottom) == 12, "PF_RenderRequest.rect.bottom offset");
static_assert(declared_as<decltype(std::declval<PF_RenderRequest&>().rect.bottom), A_long>,
              "PF_RenderRequest.rect.bottom type");
static_assert(offsetof(PF_RenderRequest, field) == 16, "PF_RenderRequest.field offset");
static_assert(declared_as<decltype(std::declval<PF_RenderRequest&>().field), PF_Field>, "PF_RenderRequest.field type");
static_assert(sizeof(std::declval<PF_RenderRequest&>().field) == 4, "PF_RenderRequest.field size");
static_assert(offsetof(PF_RenderRequest, channel_mask) == 20, "PF_RenderRequest.channel_mask offset");
static_assert(declared_as<decltype(std::declval<PF_RenderRequest&>().channel_mask), PF_ChannelMask>,
              "PF_RenderRequest.channel_mask type");
static_assert(sizeof(std::declval<PF_RenderRequest&>().channel_mask) == 4, "PF_RenderRequest.channel_mask size");
static_assert(offsetof(PF_RenderRequest, preserve_rgb_of_zero_alpha) == 24,
              "PF_RenderRequest.preserve_rgb_of_zero_alpha offset");
static_assert(declared_as<decltype(std::declval<PF_RenderRequest&>().preserve_rgb_of_zero_alpha), PF_Boolean>,
              "PF_RenderRequest.preserve_rgb_of_zero_alpha type");
static_assert(sizeof(std::declval<PF_RenderRequest&>().preserve_rgb_of_zero_alpha) == 1,
              "PF_RenderRequest.preserve_rgb_of_zero_alpha size");
static_assert(offsetof(PF_RenderRequest, unused) == 25, "PF_RenderRequest.unused offset");
static_assert(declared_as<decltype(std::declval<PF_RenderRequest&>().unused), char[3]>, "PF_RenderRequest.unused type");
static_assert(sizeof(std::declval<PF_RenderRequest&>().unused) == 3, "PF_RenderRequest.unused size");
static_assert(offsetof(PF_RenderRequest, reserved) == 28, "PF_RenderRequest.reserved offset");
static_assert(declared_as<decltype(std::declval<PF_RenderRequest&>().reserved), A_long[4]>,
              "PF_RenderRequest.reserved type");
static_assert(sizeof(std::declval<PF_RenderRequest&>().reserved) == 16, "PF_RenderRequest.reserved size");

// PF_PreRenderInput
static_assert(sizeof(PF_PreRenderInput) == 64, "sizeof PF_PreRenderInput");
static_assert(alignof(PF_PreRenderInput) == 8, "alignof PF_PreRenderInput");
static_assert(offsetof(PF_PreRenderInput, output_request) == 0, "PF_PreRenderInput.output_request offset");
static_assert(declared_as<decltype(std::declval<PF_PreRenderInput&>().output_request), PF_RenderRequest>,
              "PF_PreRenderInput.output_request type");
static_assert(sizeof(std::declval<PF_PreRenderInput&>().output_request) == 44, "PF_PreRenderInput.output_request size");
static_assert(offsetof(PF_PreRenderInput, output_request.rect) == 0, "PF_PreRenderInput.output_request.rect offset");
static_assert(declared_as<decltype(std::declval<PF_PreRenderInput&>().output_request.rect), PF_LRect>,
              "PF_PreRenderInput.output_request.rect type");
static_assert(offsetof(PF_PreRenderInput, output_request.field) == 16, "PF_PreRenderInput.output_request.field offset");
static_assert(declared_as<decltype(std::declval<PF_PreRenderInput&>().output_request.field), PF_Field>,
              "PF_PreRenderInput.output_request.field type");
static_assert(offsetof(PF_PreRenderInput, output_request.channel_mask) == 20,
              "PF_PreRenderInput.output_request.channel_mask offset");
static_assert(declared_as<decltype(std::declval<PF_PreRenderInput&>().output_request.channel_mask), PF_ChannelMask>,
              "PF_PreRenderInput.output_request.channel_mask type");
static_assert(offsetof(PF_PreRenderInput, output_request.preserve_rgb_of_zero_alpha) == 24,
              "PF_PreRenderInput.output_request.preserve_rgb_of_zero_alpha offset");
static_assert(
    declared_as<decltype(std::declval<PF_PreRenderInput&>().output_request.preserve_rgb_of_zero_alpha), PF_Boolean>,
    "PF_PreRenderInput.output_request.preserve_rgb_of_zero_alpha type");
static_assert(offsetof(PF_PreRenderInput, output_request.unused) == 25,
              "PF_PreRenderInput.output_request.unused offset");
static_assert(declared_as<decltype(std::declval<PF_PreRenderInput&>().output_request.unused), char[3]>,
              "PF_PreRenderInput.output_request.unused type");
static_assert(offsetof(PF_PreRenderInput, output_request.reserved) == 28,
              "PF_PreRenderInput.output_request.reserved offset");
static_assert(declared_as<decltype(std::declval<PF_PreRenderInput&>().output_request.reserved), A_long[4]>,
              "PF_PreRenderInput.output_request.reserved type");
static_assert(offsetof(PF_PreRenderInput, bitdepth) == 44, "PF_PreRenderInput.bitdepth offset");
static_assert(declared_as<decltype(std::declval<PF_PreRenderInput&>().bitdepth), short>,
              "PF_PreRenderInput.bitdepth type");
static_assert(sizeof(std::declval<PF_PreRenderInput&>().bitdepth) == 2, "PF_PreRenderInput.bitdepth size");
static_assert(offsetof(PF_PreRenderInput, gpu_data) == 48, "PF_PreRenderInput.gpu_data offset");
static_assert(declared_as<decltype(std::declval<PF_PreRenderInput&>().gpu_data), const void*>,
              "PF_PreRenderInput.gpu_data type");
static_assert(sizeof(std::declval<PF_PreRenderInput&>().gpu_data) == 8, "PF_PreRenderInput.gpu_data size");
static_assert(offsetof(PF_PreRenderInput, what_gpu) == 56, "PF_PreRenderInput.what_gpu offset");
static_assert(declared_as<decltype(std::declval<PF_PreRenderInput&>().what_gpu), PF_GPU_Framework>,
              "PF_PreRenderInput.what_gpu type");
static_assert(sizeof(std::declval<PF_PreRenderInput&>().what_gpu) == 4, "PF_PreRenderInput.what_gpu size");
static_assert(offsetof(PF_PreRenderInput, device_index) == 60, "PF_PreRenderInput.device_index offset");
static_assert(declared_as<decltype(std::declval<PF_PreRenderInput&>().device_index), A_u_long>,
              "PF_PreRenderInput.device_index type");
static_assert(sizeof(std::declval<PF_PreRenderInput&>().device_index) == 4, "PF_PreRenderInput.device_index size");

// PF_PreRenderOutput
static_assert(sizeof(PF_PreRenderOutput) == 56, "sizeof PF_PreRenderOutput");
static_assert(alignof(PF_PreRenderOutput) == 8, "alignof PF_PreRenderOutput");
static_assert(offsetof(PF_PreRenderOutput, result_rect) == 0, "PF_PreRenderOutput.result_rect offset");
static_assert(declared_as<decltype(std::declval<PF_PreRenderOutput&>().result_rect), PF_LRect>,
              "PF_PreRenderOutput.result_rect type");
static_assert(sizeof(std::declval<PF_PreRenderOutput&>().result_rect) == 16, "PF_PreRenderOutput.result_rect size");
static_assert(offsetof(PF_PreRenderOutput, result_rect.left) == 0, "PF_PreRenderOutput.result_rect.left offset");
static_assert(declared_as<decltype(std::declval<PF_PreRenderOutput&>().result_rect.left), A_long>,
              "PF_PreRenderOutput.result_rect.left type");
static_assert(offsetof(PF_PreRenderOutput, result_rect.top) == 4, "PF_PreRenderOutput.result_rect.top offset");
static_assert(declared_as<decltype(std::declval<PF_PreRenderOutput&>().result_rect.top), A_long>,
              "PF_PreRenderOutput.result_rect.top type");
static_assert(offsetof(PF_PreRenderOutput, result_rect.right) == 8, "PF_PreRenderOutput.result_rect.right offset");
static_assert(declared_as<decltype(std::declval<PF_PreRenderOutput&>().result_rect.right), A_long>,
              "PF_PreRenderOutput.result_rect.right type");
static_assert(offsetof(PF_PreRenderOutput, result_rect.bottom) == 12, "PF_PreRenderOutput.result_rect.bottom offset");
static_assert(declared_as<decltype(std::declval<PF_PreRenderOutput&>().result_rect.bottom), A_long>,
              "PF_PreRenderOutput.result_rect.bottom type");
static_assert(offsetof(PF_PreRenderOutput, max_result_rect) == 16, "PF_PreRenderOutput.max_result_rect offset");
static_assert(declared_as<decltype(std::declval<PF_PreRenderOutput&>().max_result_rect), PF_LRect>,
              "PF_PreRenderOutput.max_result_rect type");
static_assert(sizeof(std::declval<PF_PreRenderOutput&>().max_result_rect) == 16,
              "PF_PreRenderOutput.max_result_rect size");
static_assert(offsetof(PF_PreRenderOutput, max_result_rect.left) == 16,
              "PF_PreRenderOutput.max_result_rect.left offset");
static_assert(declared_as<decltype(std::declval<PF_PreRenderOutput&>().max_result_rect.left), A_long>,
              "PF_PreRenderOutput.max_result_rect.left type");
static_assert(offsetof(PF_PreRenderOutput, max_result_rect.top) == 20, "PF_PreRenderOutput.max_result_rect.top offset");
static_assert(declared_as<decltype(std::declval<PF_PreRenderOutput&>().max_result_rect.top), A_long>,
              "PF_PreRenderOutput.max_result_rect.top type");
static_assert(offsetof(PF_PreRenderOutput, max_result_rect.right) == 24,
              "PF_PreRenderOutput.max_result_rect.right offset");
static_assert(declared_as<decltype(std::declval<PF_PreRenderOutput&>().max_result_rect.right), A_long>,
              "PF_PreRenderOutput.max_result_rect.right type");
static_assert(offsetof(PF_PreRenderOutput, max_result_rect.bottom) == 28,
              "PF_PreRenderOutput.max_result_rect.bottom offset");
static_assert(declared_as<decltype(std::declval<PF_PreRenderOutput&>().max_result_rect.bottom), A_long>,
              "PF_PreRenderOutput.max_result_rect.bottom type");
static_assert(offsetof(PF_PreRenderOutput, solid) == 32, "PF_PreRenderOutput.solid offset");
static_assert(declared_as<decltype(std::declval<PF_PreRenderOutput&>().solid), PF_Boolean>,
              "PF_PreRenderOutput.solid type");
static_assert(sizeof(std::declval<PF_PreRenderOutput&>().solid) == 1, "PF_PreRenderOutput.solid size");
static_assert(offsetof(PF_PreRenderOutput, reserved) == 33, "PF_PreRenderOutput.reserved offset");
static_assert(declared_as<decltype(std::declval<PF_PreRenderOutput&>().reserved), PF_Boolean>,
              "PF_PreRenderOutput.reserved type");
static_assert(sizeof(std::declval<PF_PreRenderOutput&>().reserved) == 1, "PF_PreRenderOutput.reserved size");
static_assert(offsetof(PF_PreRenderOutput, flags) == 34, "PF_PreRenderOutput.flags offset");
static_assert(declared_as<decltype(std::declval<PF_PreRenderOutput&>().flags), PF_RenderOutputFlags>,
              "PF_PreRenderOutput.flags type");
static_assert(sizeof(std::declval<PF_PreRenderOutput&>().flags) == 2, "PF_PreRenderOutput.flags size");
static_assert(offsetof(PF_PreRenderOutput, pre_render_data) == 40, "PF_PreRenderOutput.pre_render_data offset");
static_assert(declared_as<decltype(std::declval<PF_PreRenderOutput&>().pre_render_data), void*>,
              "PF_PreRenderOutput.pre_render_data type");
static_assert(sizeof(std::declval<PF_PreRenderOutput&>().pre_render_data) == 8,
              "PF_PreRenderOutput.pre_render_data size");
static_assert(offsetof(PF_PreRenderOutput, delete_pre_render_data_func) == 48,
              "PF_PreRenderOutput.delete_pre_render_data_func offset");
static_assert(
    declared_as<decltype(std::declval<PF_PreRenderOutput&>().delete_pre_render_data_func), PF_DeletePreRenderDataFunc>,
    "PF_PreRenderOutput.delete_pre_render_data_func type");
static_assert(sizeof(std::declval<PF_PreRenderOutput&>().delete_pre_render_data_func) == 8,
              "PF_PreRenderOutput.delete_pre_render_data_func size");

// PF_CheckoutResult
static_assert(sizeof(PF_CheckoutResult) == 76, "sizeof PF_CheckoutResult");
static_assert(alignof(PF_CheckoutResult) == 4, "alignof PF_CheckoutResult");
static_assert(offsetof(PF_CheckoutResult, result_rect) == 0, "PF_CheckoutResult.result_rect offset");
static_assert(declared_as<decltype(std::declval<PF_CheckoutResult&>().result_rect), PF_LRect>,
              "PF_CheckoutResult.result_rect type");
static_assert(sizeof(std::declval<PF_CheckoutResult&>().result_rect) == 16, "PF_CheckoutResult.result_rect size");
static_assert(offsetof(PF_CheckoutResult, result_rect.left) == 0, "PF_CheckoutResult.result_rect.left offset");
static_assert(declared_as<decltype(std::declval<PF_CheckoutResult&>().result_rect.left), A_long>,
              "PF_CheckoutResult.result_rect.left type");
static_assert(offsetof(PF_CheckoutResult, result_rect.top) == 4, "PF_CheckoutResult.result_rect.top offset");
static_assert(declared_as<decltype(std::declval<PF_CheckoutResult&>().result_rect.top), A_long>,
              "PF_CheckoutResult.result_rect.top type");
static_assert(offsetof(PF_CheckoutResult, result_rect.right) == 8, "PF_CheckoutResult.result_rect.right offset");
static_assert(declared_as<decltype(std::declval<PF_CheckoutResult&>().result_rect.right), A_long>,
              "PF_CheckoutResult.result_rect.right type");
static_assert(offsetof(PF_CheckoutResult, result_rect.bottom) == 12, "PF_CheckoutResult.result_rect.bottom offset");
static_assert(declared_as<decltype(std::declval<PF_CheckoutResult&>().result_rect.bottom), A_long>,
              "PF_CheckoutResult.result_rect.bottom type");
static_assert(offsetof(PF_CheckoutResult, max_result_rect) == 16, "PF_CheckoutResult.max_result_rect offset");
static_assert(declared_as<decltype(std::declval<PF_CheckoutResult&>().max_result_rect), PF_LRect>,
              "PF_CheckoutResult.max_result_rect type");
static_assert(sizeof(std::declval<PF_CheckoutResult&>().max_result_rect) == 16,
              "PF_CheckoutResult.max_result_rect size");
static_assert(offsetof(PF_CheckoutResult, max_result_rect.left) == 16, "PF_CheckoutResult.max_result_rect.left offset");
static_assert(declared_as<decltype(std::declval<PF_CheckoutResult&>().max_result_rect.left), A_long>,
              "PF_CheckoutResult.max_result_rect.left type");
static_assert(offsetof(PF_CheckoutResult, max_result_rect.top) == 20, "PF_CheckoutResult.max_result_rect.top offset");
static_assert(declared_as<decltype(std::declval<PF_CheckoutResult&>().max_result_rect.top), A_long>,
              "PF_CheckoutResult.max_result_rect.top type");
static_assert(offsetof(PF_CheckoutResult, max_result_rect.right) == 24,
              "PF_CheckoutResult.max_result_rect.right offset");
static_assert(declared_as<decltype(std::declval<PF_CheckoutResult&>().max_result_rect.right), A_long>,
              "PF_CheckoutResult.max_result_rect.right type");
static_assert(offsetof(PF_CheckoutResult, max_result_rect.bottom) == 28,
              "PF_CheckoutResult.max_result_rect.bottom offset");
static_assert(declared_as<decltype(std::declval<PF_CheckoutResult&>().max_result_rect.bottom), A_long>,
              "PF_CheckoutResult.max_result_rect.bottom type");
static_assert(offsetof(PF_CheckoutResult, par) == 32, "PF_CheckoutResult.par offset");
static_assert(declared_as<decltype(std::declval<PF_CheckoutResult&>().par), PF_RationalScale>,
              "PF_CheckoutResult.par type");
static_assert(sizeof(std::declval<PF_CheckoutResult&>().par) == 8, "PF_CheckoutResult.par size");
static_assert(offsetof(PF_CheckoutResult, par.num) == 32, "PF_CheckoutResult.par.num offset");
static_assert(declared_as<decltype(std::declval<PF_CheckoutResult&>().par.num), A_long>,
              "PF_CheckoutResult.par.num type");
static_assert(offsetof(PF_CheckoutResult, par.den) == 36, "PF_CheckoutResult.par.den offset");
static_assert(declared_as<decltype(std::declval<PF_CheckoutResult&>().par.den), A_u_long>,
              "PF_CheckoutResult.par.den type");
static_assert(offsetof(PF_CheckoutResult, solid) == 40, "PF_CheckoutResult.solid offset");
static_assert(declared_as<decltype(std::declval<PF_CheckoutResult&>().solid), PF_Boolean>,
              "PF_CheckoutResult.solid type");
static_assert(sizeof(std::declval<PF_CheckoutResult&>().solid) == 1, "PF_CheckoutResult.solid size");
static_assert(offsetof(PF_CheckoutResult, reservedB) == 41, "PF_CheckoutResult.reservedB offset");
static_assert(declared_as<decltype(std::declval<PF_CheckoutResult&>().reservedB), PF_Boolean[3]>,
              "PF_CheckoutResult.reservedB type");
static_assert(sizeof(std::declval<PF_CheckoutResult&>().reservedB) == 3, "PF_CheckoutResult.reservedB size");
static_assert(offsetof(PF_CheckoutResult, ref_width) == 44, "PF_CheckoutResult.ref_width offset");
static_assert(declared_as<decltype(std::declval<PF_CheckoutResult&>().ref_width), A_long>,
              "PF_CheckoutResult.ref_width type");
static_assert(sizeof(std::declval<PF_CheckoutResult&>().ref_width) == 4, "PF_CheckoutResult.ref_width size");
static_assert(offsetof(PF_CheckoutResult, ref_height) == 48, "PF_CheckoutResult.ref_height offset");
static_assert(declared_as<decltype(std::declval<PF_CheckoutResult&>().ref_height), A_long>,
              "PF_CheckoutResult.ref_height type");
static_assert(sizeof(std::declval<PF_CheckoutResult&>().ref_height) == 4, "PF_CheckoutResult.ref_height size");
static_assert(offsetof(PF_CheckoutResult, reserved) == 52, "PF_CheckoutResult.reserved offset");
static_assert(declared_as<decltype(std::declval<PF_CheckoutResult&>().reserved), A_long[6]>,
              "PF_CheckoutResult.reserved type");
static_assert(sizeof(std::declval<PF_CheckoutResult&>().reserved) == 24, "PF_CheckoutResult.reserved size");

// PF_PreRenderCallbacks
static_assert(sizeof(PF_PreRenderCallbacks) == 16, "sizeof PF_PreRenderCallbacks");
static_assert(alignof(PF_PreRenderCallbacks) == 8, "alignof PF_PreRenderCallbacks");
static_assert(offsetof(PF_PreRenderCallbacks, checkout_layer) == 0, "PF_PreRenderCallbacks::checkout_layer slot 0");
static_assert(declared_as<decltype(PF_PreRenderCallbacks::checkout_layer),
                          PF_Err (*)(PF_ProgPtr effect_ref, PF_ParamIndex index, A_long checkout_idL,
                                     const PF_RenderRequest* req, A_long what_time, A_long time_step,
                                     A_u_long time_scale, PF_CheckoutResult* checkout_result)>,
              "PF_PreRenderCallbacks::checkout_layer signature");
static_assert(offsetof(PF_PreRenderCallbacks, GuidMixInPtr) == 8, "PF_PreRenderCallbacks::GuidMixInPtr slot 1");
static_assert(declared_as<decltype(PF_PreRenderCallbacks::GuidMixInPtr),
                          PF_Err (*)(PF_ProgPtr effect_ref, A_u_long buf_sizeLu, const void* buf)>,
              "PF_PreRenderCallbacks::GuidMixInPtr signature");

// PF_PreRenderExtra
static_assert(sizeof(PF_PreRenderExtra) == 24, "sizeof PF_PreRenderExtra");
static_assert(alignof(PF_PreRenderExtra) == 8, "alignof PF_PreRenderExtra");
static_assert(offsetof(PF_PreRenderExtra, input) == 0, "PF_PreRenderExtra.input offset");
static_assert(declared_as<decltype(std::declval<PF_PreRenderExtra&>().input), PF_PreRenderInput*>,
              "PF_PreRenderExtra.input type");
static_assert(sizeof(std::declval<PF_PreRenderExtra&>().input) == 8, "PF_PreRenderExtra.input size");
static_assert(offsetof(PF_PreRenderExtra, output) == 8, "PF_PreRenderExtra.output offset");
static_assert(declared_as<decltype(std::declval<PF_PreRenderExtra&>().output), PF_PreRenderOutput*>,
              "PF_PreRenderExtra.output type");
static_assert(sizeof(std::declval<PF_PreRenderExtra&>().output) == 8, "PF_PreRenderExtra.output size");
static_assert(offsetof(PF_PreRenderExtra, cb) == 16, "PF_PreRenderExtra.cb offset");
static_assert(declared_as<decltype(std::declval<PF_PreRenderExtra&>().cb), PF_PreRenderCallbacks*>,
              "PF_PreRenderExtra.cb type");
static_assert(sizeof(std::declval<PF_PreRenderExtra&>().cb) == 8, "PF_PreRenderExtra.cb size");

// PF_SmartRenderInput
static_assert(sizeof(PF_SmartRenderInput) == 72, "sizeof PF_SmartRenderInput");
static_assert(alignof(PF_SmartRenderInput) == 8, "alignof PF_SmartRenderInput");
static_assert(offsetof(PF_SmartRenderInput, output_request) == 0, "PF_SmartRenderInput.output_request offset");
static_assert(declared_as<decltype(std::declval<PF_SmartRenderInput&>().output_request), PF_RenderRequest>,
              "PF_SmartRenderInput.output_request type");
static_assert(sizeof(std::declval<PF_SmartRenderInput&>().output_request) == 44,
              "PF_SmartRenderInput.output_request size");
static_assert(offsetof(PF_SmartRenderInput, output_request.rect) == 0,
              "PF_SmartRenderInput.output_request.rect offset");
static_assert(declared_as<decltype(std::declval<PF_SmartRenderInput&>().output_request.rect), PF_LRect>,
              "PF_SmartRenderInput.output_request.rect type");
static_assert(offsetof(PF_SmartRenderInput, output_request.field) == 16,
              "PF_SmartRenderInput.output_request.field offset");
static_assert(declared_as<decltype(std::declval<PF_SmartRenderInput&>().output_request.field), PF_Field>,
              "PF_SmartRenderInput.output_request.field type");
static_assert(offsetof(PF_SmartRenderInput, output_request.channel_mask) == 20,
              "PF_SmartRenderInput.output_request.channel_mask offset");
static_assert(declared_as<decltype(std::declval<PF_SmartRenderInput&>().output_request.channel_mask), PF_ChannelMask>,
              "PF_SmartRenderInput.output_request.channel_mask type");
static_assert(offsetof(PF_SmartRenderInput, output_request.preserve_rgb_of_zero_alpha) == 24,
              "PF_SmartRenderInput.output_request.preserve_rgb_of_zero_alpha offset");
static_assert(
    declared_as<decltype(std::declval<PF_SmartRenderInput&>().output_request.preserve_rgb_of_zero_alpha), PF_Boolean>,
    "PF_SmartRenderInput.output_request.preserve_rgb_of_zero_alpha type");
static_assert(offsetof(PF_SmartRenderInput, output_request.unused) == 25,
              "PF_SmartRenderInput.output_request.unused offset");
static_assert(declared_as<decltype(std::declval<PF_SmartRenderInput&>().output_request.unused), char[3]>,
              "PF_SmartRenderInput.output_request.unused type");
static_assert(offsetof(PF_SmartRenderInput, output_request.reserved) == 28,
              "PF_SmartRenderInput.output_request.reserved offset");
static_assert(declared_as<decltype(std::declval<PF_SmartRenderInput&>().output_request.reserved), A_long[4]>,
              "PF_SmartRenderInput.output_request.reserved type");
static_assert(offsetof(PF_SmartRenderInput, bitdepth) == 44, "PF_SmartRenderInput.bitdepth offset");
static_assert(declared_as<decltype(std::declval<PF_SmartRenderInput&>().bitdepth), short>,
              "PF_SmartRenderInput.bitdepth type");
static_assert(sizeof(std::declval<PF_SmartRenderInput&>().bitdepth) == 2, "PF_SmartRenderInput.bitdepth size");
static_assert(offsetof(PF_SmartRenderInput, pre_render_data) == 48, "PF_SmartRenderInput.pre_render_data offset");
static_assert(declared_as<decltype(std::declval<PF_SmartRenderInput&>().pre_render_data), void*>,
              "PF_SmartRenderInput.pre_render_data type");
static_assert(sizeof(std::declval<PF_SmartRenderInput&>().pre_render_data) == 8,
              "PF_SmartRenderInput.pre_render_data size");
static_assert(offsetof(PF_SmartRenderInput, gpu_data) == 56, "PF_SmartRenderInput.gpu_data offset");
static_assert(declared_as<decltype(std::declval<PF_SmartRenderInput&>().gpu_data), const void*>,
              "PF_SmartRenderInput.gpu_data type");
static_assert(sizeof(std::declval<PF_SmartRenderInput&>().gpu_data) == 8, "PF_SmartRenderInput.gpu_data size");
static_assert(offsetof(PF_SmartRenderInput, what_gpu) == 64, "PF_SmartRenderInput.what_gpu offset");
static_assert(declared_as<decltype(std::declval<PF_SmartRenderInput&>().what_gpu), PF_GPU_Framework>,
              "PF_SmartRenderInput.what_gpu type");
static_assert(sizeof(std::declval<PF_SmartRenderInput&>().what_gpu) == 4, "PF_SmartRenderInput.what_gpu size");
static_assert(offsetof(PF_SmartRenderInput, device_index) == 68, "PF_SmartRenderInput.device_index offset");
static_assert(declared_as<decltype(std::declval<PF_SmartRenderInput&>().device_index), A_u_long>,
              "PF_SmartRenderInput.device_index type");
static_assert(sizeof(std::declval<PF_SmartRenderInput&>().device_index) == 4, "PF_SmartRenderInput.device_index size");

// PF_SmartRenderCallbacks
static_assert(sizeof(PF_SmartRenderCallbacks) == 24, "sizeof PF_SmartRenderCallbacks");
static_assert(alignof(PF_SmartRenderCallbacks) == 8, "alignof PF_SmartRenderCallbacks");
static_assert(offsetof(PF_SmartRenderCallbacks, checkout_layer_pixels) == 0,
              "PF_SmartRenderCallbacks::checkout_layer_pixels slot 0");
static_assert(declared_as<decltype(PF_SmartRenderCallbacks::checkout_layer_pixels),
                          PF_Err (*)(PF_ProgPtr effect_ref, A_long checkout_idL, PF_EffectWorld** pixels)>,
              "PF_SmartRenderCallbacks::checkout_layer_pixels signature");
static_assert(offsetof(PF_SmartRenderCallbacks, checkin_layer_pixels) == 8,
              "PF_SmartRenderCallbacks::checkin_layer_pixels slot 1");
static_assert(declared_as<decltype(PF_SmartRenderCallbacks::checkin_layer_pixels),
                          PF_Err (*)(PF_ProgPtr effect_ref, A_long checkout_idL)>,
              "PF_SmartRenderCallbacks::checkin_layer_pixels signature");
static_assert(offsetof(PF_SmartRenderCallbacks, checkout_output) == 16,
              "PF_SmartRenderCallbacks::checkout_output slot 2");
static_assert(declared_as<decltype(PF_SmartRenderCallbacks::checkout_output),
                          PF_Err (*)(PF_ProgPtr effect_ref, PF_EffectWorld** output)>,
              "PF_SmartRenderCallbacks::checkout_output signature");

// PF_SmartRenderExtra
static_assert(sizeof(PF_SmartRenderExtra) == 16, "sizeof PF_SmartRenderExtra");
static_assert(alignof(PF_SmartRenderExtra) == 8, "alignof PF_SmartRenderExtra");
static_assert(offsetof(PF_SmartRenderExtra, input) == 0, "PF_SmartRenderExtra.input offset");
static_assert(declared_as<decltype(std::declval<PF_SmartRenderExtra&>().input), PF_SmartRenderInput*>,
              "PF_SmartRenderExtra.input type");
static_assert(sizeof(std::declval<PF_SmartRenderExtra&>().input) == 8, "PF_SmartRenderExtra.input size");
static_assert(offsetof(PF_SmartRenderExtra, cb) == 8, "PF_SmartRenderExtra.cb offset");
static_assert(declared_as<decltype(std::declval<PF_SmartRenderExtra&>().cb), PF_SmartRenderCallbacks*>,
              "PF_SmartRenderExtra.cb type");
static_assert(sizeof(std::declval<PF_SmartRenderExtra&>().cb) == 8, "PF_SmartRenderExtra.cb size");

// PF_UserChangedParamExtra
static_assert(sizeof(PF_UserChangedParamExtra) == 4, "sizeof PF_UserChangedParamExtra");
static_assert(alignof(PF_UserChangedParamExtra) == 4, "alignof PF_UserChangedParamExtra");
static_assert(offsetof(PF_UserChangedParamExtra, param_index) == 0, "PF_UserChangedParamExtra.param_index offset");
static_assert(declared_as<decltype(std::declval<PF_UserChangedParamExtra&>().param_index), PF_ParamIndex>,
              "PF_UserChangedParamExtra.param_index type");
static_assert(sizeof(std::declval<PF_UserChangedParamExtra&>().param_index) == 4,
              "PF_UserChangedParamExtra.param_index size");

// PF_EventExtra
static_assert(sizeof(PF_EventExtra) == 208, "sizeof PF_EventExtra");
static_assert(alignof(PF_EventExtra) == 8, "alignof PF_EventExtra");
static_assert(offsetof(PF_EventExtra, contextH) == 0, "PF_EventExtra.contextH offset");
static_assert(declared_as<decltype(std::declval<PF_EventExtra&>().contextH), PF_ContextH>,
              "PF_EventExtra.contextH type");
static_assert(sizeof(std::declval<PF_EventExtra&>().contextH) == 8, "PF_EventExtra.contextH size");
static_assert(offsetof(PF_EventExtra, e_type) == 8, "PF_EventExtra.e_type offset");
static_assert(declared_as<decltype(std::declval<PF_EventExtra&>().e_type), PF_EventType>, "PF_EventExtra.e_type type");
static_assert(sizeof(std::declval<PF_EventExtra&>().e_type) == 4, "PF_EventExtra.e_type size");
static_assert(offsetof(PF_EventExtra, u) == 16, "PF_EventExtra.u offset");
static_assert(declared_as<decltype(std::declval<PF_EventExtra&>().u), PF_EventUnion>, "PF_EventExtra.u type");
static_assert(sizeof(std::declval<PF_EventExtra&>().u) == 64, "PF_EventExtra.u size");
static_assert(offsetof(PF_EventExtra, u.do_click) == 16, "PF_EventExtra.u.do_click offset");
static_assert(declared_as<decltype(std::declval<PF_EventExtra&>().u.do_click), PF_DoClickEventInfo>,
              "PF_EventExtra.u.do_click type");
static_assert(offsetof(PF_EventExtra, u.do_click.when) == 16, "PF_EventExtra.u.do_click.when offset");
static_assert(declared_as<decltype(std::declval<PF_EventExtra&>().u.do_click.when), A_u_long>,
              "PF_EventExtra.u.do_click.when type");
static_assert(offsetof(PF_EventExtra, u.do_click.screen_point) == 20, "PF_EventExtra.u.do_click.screen_point offset");
static_assert(declared_as<decltype(std::declval<PF_EventExtra&>().u.do_click.screen_point), PF_Point>,
              "PF_EventExtra.u.do_click.screen_point type");
static_assert(offsetof(PF_EventExtra, u.do_click.num_clicks) == 28, "PF_EventExtra.u.do_click.num_clicks offset");
static_assert(declared_as<decltype(std::declval<PF_EventExtra&>().u.do_click.num_clicks), A_long>,
              "PF_EventExtra.u.do_click.num_clicks type");
static_assert(offsetof(PF_EventExtra, u.do_click.modifiers) == 32, "PF_EventExtra.u.do_click.modifiers offset");
static_assert(declared_as<decltype(std::declval<PF_EventExtra&>().u.do_click.modifiers), PF_Modifiers>,
              "PF_EventExtra.u.do_click.modifiers type");
static_assert(offsetof(PF_EventExtra, u.do_click.continue_refcon) == 40,
              "PF_EventExtra.u.do_click.continue_refcon offset");
static_assert(declared_as<decltype(std::declval<PF_EventExtra&>().u.do_click.continue_refcon), A_intptr_t[4]>,
              "PF_EventExtra.u.do_click.continue_refcon type");
static_assert(offsetof(PF_EventExtra, u.do_click.send_drag) == 72, "PF_EventExtra.u.do_click.send_drag offset");
static_assert(declared_as<decltype(std::declval<PF_EventExtra&>().u.do_click.send_drag), PF_Boolean>,
              "PF_EventExtra.u.do_click.send_drag type");
static_assert(offsetof(PF_EventExtra, u.do_click.last_time) == 73, "PF_EventExtra.u.do_click.last_time offset");
static_assert(declared_as<decltype(std::declval<PF_EventExtra&>().u.do_click.last_time), PF_Boolean>,
              "PF_EventExtra.u.do_click.last_time type");
static_assert(offsetof(PF_EventExtra, u.draw) == 16, "PF_EventExtra.u.draw offset");
static_assert(declared_as<decltype(std::declval<PF_EventExtra&>().u.draw), PF_DrawEventInfo>,
              "PF_EventExtra.u.draw type");
static_assert(offsetof(PF_EventExtra, u.draw.update_rect) == 16, "PF_EventExtra.u.draw.update_rect offset");
static_assert(declared_as<decltype(std::declval<PF_EventExtra&>().u.draw.update_rect), PF_LRect>,
              "PF_EventExtra.u.draw.update_rect type");
static_assert(offsetof(PF_EventExtra, u.draw.depth) == 32, "PF_EventExtra.u.draw.depth offset");
static_assert(declared_as<decltype(std::declval<PF_EventExtra&>().u.draw.depth), A_long>,
              "PF_EventExtra.u.draw.depth type");
static_assert(offsetof(PF_EventExtra, u.key_down) == 16, "PF_EventExtra.u.key_down offset");
static_assert(declared_as<decltype(std::declval<PF_EventExtra&>().u.key_down), PF_KeyDownEvent>,
              "PF_EventExtra.u.key_down type");
static_assert(offsetof(PF_EventExtra, u.key_down.when) == 16, "PF_EventExtra.u.key_down.when offset");
static_assert(declared_as<decltype(std::declval<PF_EventExtra&>().u.key_down.when), A_u_long>,
              "PF_EventExtra.u.key_down.when type");
static_assert(offsetof(PF_EventExtra, u.key_down.screen_point) == 20, "PF_EventExtra.u.key_down.screen_point offset");
static_assert(declared_as<decltype(std::declval<PF_EventExtra&>().u.key_down.screen_point), PF_Point>,
              "PF_EventExtra.u.key_down.screen_point type");
static_assert(offsetof(PF_EventExtra, u.key_down.keycode) == 28, "PF_EventExtra.u.key_down.keycode offset");
static_assert(declared_as<decltype(std::declval<PF_EventExtra&>().u.key_down.keycode), PF_KeyCode>,
              "PF_EventExtra.u.key_down.keycode type");
static_assert(offsetof(PF_EventExtra, u.key_down.modifiers) == 32, "PF_EventExtra.u.key_down.modifiers offset");
static_assert(declared_as<decltype(std::declval<PF_EventExtra&>().u.key_down.modifiers), PF_Modifiers>,
              "PF_EventExtra.u.key_down.modifiers type");
static_assert(offsetof(PF_EventExtra, u.adjust_cursor) == 16, "PF_EventExtra.u.adjust_cursor offset");
static_assert(declared_as<decltype(std::declval<PF_EventExtra&>().u.adjust_cursor), PF_AdjustCursorEventInfo>,
              "PF_EventExtra.u.adjust_cursor type");
static_assert(offsetof(PF_EventExtra, u.adjust_cursor.screen_point) == 16,
              "PF_EventExtra.u.adjust_cursor.screen_point offset");
static_assert(declared_as<decltype(std::declval<PF_EventExtra&>().u.adjust_cursor.screen_point), PF_Point>,
              "PF_EventExtra.u.adjust_cursor.screen_point type");
static_assert(offsetof(PF_EventExtra, u.adjust_cursor.modifiers) == 24,
              "PF_EventExtra.u.adjust_cursor.modifiers offset");
static_assert(declared_as<decltype(std::declval<PF_EventExtra&>().u.adjust_cursor.modifiers), PF_Modifiers>,
              "PF_EventExtra.u.adjust_cursor.modifiers type");
static_assert(offsetof(PF_EventExtra, u.adjust_cursor.set_cursor) == 28,
              "PF_EventExtra.u.adjust_cursor.set_cursor offset");
static_assert(declared_as<decltype(std::declval<PF_EventExtra&>().u.adjust_cursor.set_cursor), PF_CursorType>,
              "PF_EventExtra.u.adjust_cursor.set_cursor type");
static_assert(offsetof(PF_EventExtra, effect_win) == 80, "PF_EventExtra.effect_win offset");
static_assert(declared_as<decltype(std::declval<PF_EventExtra&>().effect_win), PF_EffectWindowInfo>,
              "PF_EventExtra.effect_win type");
static_assert(sizeof(std::declval<PF_EventExtra&>().effect_win) == 44, "PF_EventExtra.effect_win size");
static_assert(offsetof(PF_EventExtra, effect_win.index) == 80, "PF_EventExtra.effect_win.index offset");
static_assert(declared_as<decltype(std::declval<PF_EventExtra&>().effect_win.index), PF_ParamIndex>,
              "PF_EventExtra.effect_win.index type");
static_assert(offsetof(PF_EventExtra, effect_win.area) == 84, "PF_EventExtra.effect_win.area offset");
static_assert(declared_as<decltype(std::declval<PF_EventExtra&>().effect_win.area), PF_EffectArea>,
              "PF_EventExtra.effect_win.area type");
static_assert(offsetof(PF_EventExtra, effect_win.current_frame) == 88, "PF_EventExtra.effect_win.current_frame offset");
static_assert(declared_as<decltype(std::declval<PF_EventExtra&>().effect_win.current_frame), PF_LRect>,
              "PF_EventExtra.effect_win.current_frame type");
static_assert(offsetof(PF_EventExtra, effect_win.current_frame.left) == 88,
              "PF_EventExtra.effect_win.current_frame.left offset");
static_assert(declared_as<decltype(std::declval<PF_EventExtra&>().effect_win.current_frame.left), A_long>,
              "PF_EventExtra.effect_win.current_frame.left type");
static_assert(offsetof(PF_EventExtra, effect_win.current_frame.top) == 92,
              "PF_EventExtra.effect_win.current_frame.top offset");
static_assert(declared_as<decltype(std::declval<PF_EventExtra&>().effect_win.current_frame.top), A_long>,
              "PF_EventExtra.effect_win.current_frame.top type");
static_assert(offsetof(PF_EventExtra, effect_win.current_frame.right) == 96,
              "PF_EventExtra.effect_win.current_frame.right offset");
static_assert(declared_as<decltype(std::declval<PF_EventExtra&>().effect_win.current_frame.right), A_long>,
              "PF_EventExtra.effect_win.current_frame.right type");
static_assert(offsetof(PF_EventExtra, effect_win.current_frame.bottom) == 100,
              "PF_EventExtra.effect_win.current_frame.bottom offset");
static_assert(declared_as<decltype(std::declval<PF_EventExtra&>().effect_win.current_frame.bottom), A_long>,
              "PF_EventExtra.effect_win.current_frame.bottom type");
static_assert(offsetof(PF_EventExtra, effect_win.param_title_frame) == 104,
              "PF_EventExtra.effect_win.param_title_frame offset");
static_assert(declared_as<decltype(std::declval<PF_EventExtra&>().effect_win.param_title_frame), PF_LRect>,
              "PF_EventExtra.effect_win.param_title_frame type");
static_assert(offsetof(PF_EventExtra, effect_win.param_title_frame.left) == 104,
              "PF_EventExtra.effect_win.param_title_frame.left offset");
static_assert(declared_as<decltype(std::declval<PF_EventExtra&>().effect_win.param_title_frame.left), A_long>,
              "PF_EventExtra.effect_win.param_title_frame.left type");
static_assert(offsetof(PF_EventExtra, effect_win.param_title_frame.top) == 108,
              "PF_EventExtra.effect_win.param_title_frame.top offset");
static_assert(declared_as<decltype(std::declval<PF_EventExtra&>().effect_win.param_title_frame.top), A_long>,
              "PF_EventExtra.effect_win.param_title_frame.top type");
static_assert(offsetof(PF_EventExtra, effect_win.param_title_frame.right) == 112,
              "PF_EventExtra.effect_win.param_title_frame.right offset");
static_assert(declared_as<decltype(std::declval<PF_EventExtra&>().effect_win.param_title_frame.right), A_long>,
              "PF_EventExtra.effect_win.param_title_frame.right type");
static_assert(offsetof(PF_EventExtra, effect_win.param_title_frame.bottom) == 116,
              "PF_EventExtra.effect_win.param_title_frame.bottom offset");
static_assert(declared_as<decltype(std::declval<PF_EventExtra&>().effect_win.param_title_frame.bottom), A_long>,
              "PF_EventExtra.effect_win.param_title_frame.bottom type");
static_assert(offsetof(PF_EventExtra, effect_win.horiz_offset) == 120, "PF_EventExtra.effect_win.horiz_offset offset");
static_assert(declared_as<decltype(std::declval<PF_EventExtra&>().effect_win.horiz_offset), A_long>,
              "PF_EventExtra.effect_win.horiz_offset type");
static_assert(offsetof(PF_EventExtra, cbs) == 128, "PF_EventExtra.cbs offset");
static_assert(declared_as<decltype(std::declval<PF_EventExtra&>().cbs), PF_EventCallbacks>, "PF_EventExtra.cbs type");
static_assert(sizeof(std::declval<PF_EventExtra&>().cbs) == 72, "PF_EventExtra.cbs size");
static_assert(offsetof(PF_EventExtra, cbs.refcon) == 128, "PF_EventExtra.cbs.refcon offset");
static_assert(declared_as<decltype(std::declval<PF_EventExtra&>().cbs.refcon), void*>, "PF_EventExtra.cbs.refcon type");
static_assert(offsetof(PF_EventExtra, cbs.layer_to_comp) == 136, "PF_EventExtra.cbs.layer_to_comp offset");
static_assert(declared_as<decltype(std::declval<PF_EventExtra&>().cbs.layer_to_comp),
                          PF_Err (*)(void*, PF_ContextH, A_long, A_long, PF_FixedPoint*)>,
              "PF_EventExtra.cbs.layer_to_comp type");
static_assert(offsetof(PF_EventExtra, cbs.comp_to_layer) == 144, "PF_EventExtra.cbs.comp_to_layer offset");
static_assert(declared_as<decltype(std::declval<PF_EventExtra&>().cbs.comp_to_layer),
                          PF_Err (*)(void*, PF_ContextH, A_long, A_long, PF_FixedPoint*)>,
              "PF_EventExtra.cbs.comp_to_layer type");
static_assert(offsetof(PF_EventExtra, cbs.get_comp2layer_xform) == 152,
              "PF_EventExtra.cbs.get_comp2layer_xform offset");
static_assert(declared_as<decltype(std::declval<PF_EventExtra&>().cbs.get_comp2layer_xform),
                          PF_Err (*)(void*, PF_ContextH, A_long, A_long, A_long*, PF_FloatMatrix*)>,
              "PF_EventExtra.cbs.get_comp2layer_xform type");
static_assert(offsetof(PF_EventExtra, cbs.get_layer2comp_xform) == 160,
              "PF_EventExtra.cbs.get_layer2comp_xform offset");
static_assert(declared_as<decltype(std::declval<PF_EventExtra&>().cbs.get_layer2comp_xform),
                          PF_Err (*)(void*, PF_ContextH, A_long, A_long, PF_FloatMatrix*)>,
              "PF_EventExtra.cbs.get_layer2comp_xform type");
static_assert(offsetof(PF_EventExtra, cbs.source_to_frame) == 168, "PF_EventExtra.cbs.source_to_frame offset");
static_assert(declared_as<decltype(std::declval<PF_EventExtra&>().cbs.source_to_frame),
                          PF_Err (*)(void*, PF_ContextH, PF_FixedPoint*)>,
              "PF_EventExtra.cbs.source_to_frame type");
static_assert(offsetof(PF_EventExtra, cbs.frame_to_source) == 176, "PF_EventExtra.cbs.frame_to_source offset");
static_assert(declared_as<decltype(std::declval<PF_EventExtra&>().cbs.frame_to_source),
                          PF_Err (*)(void*, PF_ContextH, PF_FixedPoint*)>,
              "PF_EventExtra.cbs.frame_to_source type");
static_assert(offsetof(PF_EventExtra, cbs.info_draw_color) == 184, "PF_EventExtra.cbs.info_draw_color offset");
static_assert(declared_as<decltype(std::declval<PF_EventExtra&>().cbs.info_draw_color), PF_Err (*)(void*, PF_Pixel)>,
              "PF_EventExtra.cbs.info_draw_color type");
static_assert(offsetof(PF_EventExtra, cbs.info_draw_text) == 192, "PF_EventExtra.cbs.info_draw_text offset");
static_assert(declared_as<decltype(std::declval<PF_EventExtra&>().cbs.info_draw_text),
                          PF_Err (*)(void*, const A_char*, const A_char*)>,
              "PF_EventExtra.cbs.info_draw_text type");
static_assert(offsetof(PF_EventExtra, evt_in_flags) == 200, "PF_EventExtra.evt_in_flags offset");
static_assert(declared_as<decltype(std::declval<PF_EventExtra&>().evt_in_flags), PF_EventInFlags>,
              "PF_EventExtra.evt_in_flags type");
static_assert(sizeof(std::declval<PF_EventExtra&>().evt_in_flags) == 4, "PF_EventExtra.evt_in_flags size");
static_assert(offsetof(PF_EventExtra, evt_out_flags) == 204, "PF_EventExtra.evt_out_flags offset");
static_assert(declared_as<decltype(std::declval<PF_EventExtra&>().evt_out_flags), PF_EventOutFlags>,
              "PF_EventExtra.evt_out_flags type");
static_assert(sizeof(std::declval<PF_EventExtra&>().evt_out_flags) == 4, "PF_EventExtra.evt_out_flags size");

// PF_EventUnion
static_assert(sizeof(PF_EventUnion) == 64, "sizeof PF_EventUnion");
static_assert(alignof(PF_EventUnion) == 8, "alignof PF_EventUnion");
static_assert(offsetof(PF_EventUnion, do_click) == 0, "PF_EventUnion.do_click offset");
static_assert(declared_as<decltype(std::declval<PF_EventUnion&>().do_click), PF_DoClickEventInfo>,
              "PF_EventUnion.do_click type");
static_assert(sizeof(std::declval<PF_EventUnion&>().do_click) == 64, "PF_EventUnion.do_click size");
static_assert(offsetof(PF_EventUnion, do_click.when) == 0, "PF_EventUnion.do_click.when offset");
static_assert(declared_as<decltype(std::declval<PF_EventUnion&>().do_click.when), A_u_long>,
              "PF_EventUnion.do_click.when type");
static_assert(offsetof(PF_EventUnion, do_click.screen_point) == 4, "PF_EventUnion.do_click.screen_point offset");
static_assert(declared_as<decltype(std::declval<PF_EventUnion&>().do_click.screen_point), PF_Point>,
              "PF_EventUnion.do_click.screen_point type");
static_assert(offsetof(PF_EventUnion, do_click.num_clicks) == 12, "PF_EventUnion.do_click.num_clicks offset");
static_assert(declared_as<decltype(std::declval<PF_EventUnion&>().do_click.num_clicks), A_long>,
              "PF_EventUnion.do_click.num_clicks type");
static_assert(offsetof(PF_EventUnion, do_click.modifiers) == 16, "PF_EventUnion.do_click.modifiers offset");
static_assert(declared_as<decltype(std::declval<PF_EventUnion&>().do_click.modifiers), PF_Modifiers>,
              "PF_EventUnion.do_click.modifiers type");
static_assert(offsetof(PF_EventUnion, do_click.continue_refcon) == 24, "PF_EventUnion.do_click.continue_refcon offset");
static_assert(declared_as<decltype(std::declval<PF_EventUnion&>().do_click.continue_refcon), A_intptr_t[4]>,
              "PF_EventUnion.do_click.continue_refcon type");
static_assert(offsetof(PF_EventUnion, do_click.send_drag) == 56, "PF_EventUnion.do_click.send_drag offset");
static_assert(declared_as<decltype(std::declval<PF_EventUnion&>().do_click.send_drag), PF_Boolean>,
              "PF_EventUnion.do_click.send_drag type");
static_assert(offsetof(PF_EventUnion, do_click.last_time) == 57, "PF_EventUnion.do_click.last_time offset");
static_assert(declared_as<decltype(std::declval<PF_EventUnion&>().do_click.last_time), PF_Boolean>,
              "PF_EventUnion.do_click.last_time type");
static_assert(offsetof(PF_EventUnion, draw) == 0, "PF_EventUnion.draw offset");
static_assert(declared_as<decltype(std::declval<PF_EventUnion&>().draw), PF_DrawEventInfo>, "PF_EventUnion.draw type");
static_assert(sizeof(std::declval<PF_EventUnion&>().draw) == 20, "PF_EventUnion.draw size");
static_assert(offsetof(PF_EventUnion, draw.update_rect) == 0, "PF_EventUnion.draw.update_rect offset");
static_assert(declared_as<decltype(std::declval<PF_EventUnion&>().draw.update_rect), PF_LRect>,
              "PF_EventUnion.draw.update_rect type");
static_assert(offsetof(PF_EventUnion, draw.depth) == 16, "PF_EventUnion.draw.depth offset");
static_assert(declared_as<decltype(std::declval<PF_EventUnion&>().draw.depth), A_long>,
              "PF_EventUnion.draw.depth type");
static_assert(offsetof(PF_EventUnion, key_down) == 0, "PF_EventUnion.key_down offset");
static_assert(declared_as<decltype(std::declval<PF_EventUnion&>().key_down), PF_KeyDownEvent>,
              "PF_EventUnion.key_down type");
static_assert(sizeof(std::declval<PF_EventUnion&>().key_down) == 20, "PF_EventUnion.key_down size");
static_assert(offsetof(PF_EventUnion, key_down.when) == 0, "PF_EventUnion.key_down.when offset");
static_assert(declared_as<decltype(std::declval<PF_EventUnion&>().key_down.when), A_u_long>,
              "PF_EventUnion.key_down.when type");
static_assert(offsetof(PF_EventUnion, key_down.screen_point) == 4, "PF_EventUnion.key_down.screen_point offset");
static_assert(declared_as<decltype(std::declval<PF_EventUnion&>().key_down.screen_point), PF_Point>,
              "PF_EventUnion.key_down.screen_point type");
static_assert(offsetof(PF_EventUnion, key_down.keycode) == 12, "PF_EventUnion.key_down.keycode offset");
static_assert(declared_as<decltype(std::declval<PF_EventUnion&>().key_down.keycode), PF_KeyCode>,
              "PF_EventUnion.key_down.keycode type");
static_assert(offsetof(PF_EventUnion, key_down.modifiers) == 16, "PF_EventUnion.key_down.modifiers offset");
static_assert(declared_as<decltype(std::declval<PF_EventUnion&>().key_down.modifiers), PF_Modifiers>,
              "PF_EventUnion.key_down.modifiers type");
static_assert(offsetof(PF_EventUnion, adjust_cursor) == 0, "PF_EventUnion.adjust_cursor offset");
static_assert(declared_as<decltype(std::declval<PF_EventUnion&>().adjust_cursor), PF_AdjustCursorEventInfo>,
              "PF_EventUnion.adjust_cursor type");
static_assert(sizeof(std::declval<PF_EventUnion&>().adjust_cursor) == 16, "PF_EventUnion.adjust_cursor size");
static_assert(offsetof(PF_EventUnion, adjust_cursor.screen_point) == 0,
              "PF_EventUnion.adjust_cursor.screen_point offset");
static_assert(declared_as<decltype(std::declval<PF_EventUnion&>().adjust_cursor.screen_point), PF_Point>,
              "PF_EventUnion.adjust_cursor.screen_point type");
static_assert(offsetof(PF_EventUnion, adjust_cursor.modifiers) == 8, "PF_EventUnion.adjust_cursor.modifiers offset");
static_assert(declared_as<decltype(std::declval<PF_EventUnion&>().adjust_cursor.modifiers), PF_Modifiers>,
              "PF_EventUnion.adjust_cursor.modifiers type");
static_assert(offsetof(PF_EventUnion, adjust_cursor.set_cursor) == 12, "PF_EventUnion.adjust_cursor.set_cursor offset");
static_assert(declared_as<decltype(std::declval<PF_EventUnion&>().adjust_cursor.set_cursor), PF_CursorType>,
              "PF_EventUnion.adjust_cursor.set_cursor type");

// PF_DoClickEventInfo
static_assert(sizeof(PF_DoClickEventInfo) == 64, "sizeof PF_DoClickEventInfo");
static_assert(alignof(PF_DoClickEventInfo) == 8, "alignof PF_DoClickEventInfo");
static_assert(offsetof(PF_DoClickEventInfo, when) == 0, "PF_DoClickEventInfo.when offset");
static_assert(declared_as<decltype(std::declval<PF_DoClickEventInfo&>().when), A_u_long>,
              "PF_DoClickEventInfo.when type");
static_assert(sizeof(std::declval<PF_DoClickEventInfo&>().when) == 4, "PF_DoClickEventInfo.when size");
static_assert(offsetof(PF_DoClickEventInfo, screen_point) == 4, "PF_DoClickEventInfo.screen_point offset");
static_assert(declared_as<decltype(std::declval<PF_DoClickEventInfo&>().screen_point), PF_Point>,
              "PF_DoClickEventInfo.screen_point type");
static_assert(sizeof(std::declval<PF_DoClickEventInfo&>().screen_point) == 8, "PF_DoClickEventInfo.screen_point size");
static_assert(offsetof(PF_DoClickEventInfo, screen_point.h) == 4, "PF_DoClickEventInfo.screen_point.h offset");
static_assert(declared_as<decltype(std::declval<PF_DoClickEventInfo&>().screen_point.h), A_long>,
              "PF_DoClickEventInfo.screen_point.h type");
static_assert(offsetof(PF_DoClickEventInfo, screen_point.v) == 8, "PF_DoClickEventInfo.screen_point.v offset");
static_assert(declared_as<decltype(std::declval<PF_DoClickEventInfo&>().screen_point.v), A_long>,
              "PF_DoClickEventInfo.screen_point.v type");
static_assert(offsetof(PF_DoClickEventInfo, num_clicks) == 12, "PF_DoClickEventInfo.num_clicks offset");
static_assert(declared_as<decltype(std::declval<PF_DoClickEventInfo&>().num_clicks), A_long>,
              "PF_DoClickEventInfo.num_clicks type");
static_assert(sizeof(std::declval<PF_DoClickEventInfo&>().num_clicks) == 4, "PF_DoClickEventInfo.num_clicks size");
static_assert(offsetof(PF_DoClickEventInfo, modifiers) == 16, "PF_DoClickEventInfo.modifiers offset");
static_assert(declared_as<decltype(std::declval<PF_DoClickEventInfo&>().modifiers), PF_Modifiers>,
              "PF_DoClickEventInfo.modifiers type");
static_assert(sizeof(std::declval<PF_DoClickEventInfo&>().modifiers) == 4, "PF_DoClickEventInfo.modifiers size");
static_assert(offsetof(PF_DoClickEventInfo, continue_refcon) == 24, "PF_DoClickEventInfo.continue_refcon offset");
static_assert(declared_as<decltype(std::declval<PF_DoClickEventInfo&>().continue_refcon), A_intptr_t[4]>,
              "PF_DoClickEventInfo.continue_refcon type");
static_assert(sizeof(std::declval<PF_DoClickEventInfo&>().continue_refcon) == 32,
              "PF_DoClickEventInfo.continue_refcon size");
static_assert(offsetof(PF_DoClickEventInfo, send_drag) == 56, "PF_DoClickEventInfo.send_drag offset");
static_assert(declared_as<decltype(std::declval<PF_DoClickEventInfo&>().send_drag), PF_Boolean>,
              "PF_DoClickEventInfo.send_drag type");
static_assert(sizeof(std::declval<PF_DoClickEventInfo&>().send_drag) == 1, "PF_DoClickEventInfo.send_drag size");
static_assert(offsetof(PF_DoClickEventInfo, last_time) == 57, "PF_DoClickEventInfo.last_time offset");
static_assert(declared_as<decltype(std::declval<PF_DoClickEventInfo&>().last_time), PF_Boolean>,
              "PF_DoClickEventInfo.last_time type");
static_assert(sizeof(std::declval<PF_DoClickEventInfo&>().last_time) == 1, "PF_DoClickEventInfo.last_time size");

// PF_DrawEventInfo
static_assert(sizeof(PF_DrawEventInfo) == 20, "sizeof PF_DrawEventInfo");
static_assert(alignof(PF_DrawEventInfo) == 4, "alignof PF_DrawEventInfo");
static_assert(offsetof(PF_DrawEventInfo, update_rect) == 0, "PF_DrawEventInfo.update_rect offset");
static_assert(declared_as<decltype(std::declval<PF_DrawEventInfo&>().update_rect), PF_LRect>,
              "PF_DrawEventInfo.update_rect type");
static_assert(sizeof(std::declval<PF_DrawEventInfo&>().update_rect) == 16, "PF_DrawEventInfo.update_rect size");
static_assert(offsetof(PF_DrawEventInfo, update_rect.left) == 0, "PF_DrawEventInfo.update_rect.left offset");
static_assert(declared_as<decltype(std::declval<PF_DrawEventInfo&>().update_rect.left), A_long>,
              "PF_DrawEventInfo.update_rect.left type");
static_assert(offsetof(PF_DrawEventInfo, update_rect.top) == 4, "PF_DrawEventInfo.update_rect.top offset");
static_assert(declared_as<decltype(std::declval<PF_DrawEventInfo&>().update_rect.top), A_long>,
              "PF_DrawEventInfo.update_rect.top type");
static_assert(offsetof(PF_DrawEventInfo, update_rect.right) == 8, "PF_DrawEventInfo.update_rect.right offset");
static_assert(declared_as<decltype(std::declval<PF_DrawEventInfo&>().update_rect.right), A_long>,
              "PF_DrawEventInfo.update_rect.right type");
static_assert(offsetof(PF_DrawEventInfo, update_rect.bottom) == 12, "PF_DrawEventInfo.update_rect.bottom offset");
static_assert(declared_as<decltype(std::declval<PF_DrawEventInfo&>().update_rect.bottom), A_long>,
              "PF_DrawEventInfo.update_rect.bottom type");
static_assert(offsetof(PF_DrawEventInfo, depth) == 16, "PF_DrawEventInfo.depth offset");
static_assert(declared_as<decltype(std::declval<PF_DrawEventInfo&>().depth), A_long>, "PF_DrawEventInfo.depth type");
static_assert(sizeof(std::declval<PF_DrawEventInfo&>().depth) == 4, "PF_DrawEventInfo.depth size");

// PF_AdjustCursorEventInfo
static_assert(sizeof(PF_AdjustCursorEventInfo) == 16, "sizeof PF_AdjustCursorEventInfo");
static_assert(alignof(PF_AdjustCursorEventInfo) == 4, "alignof PF_AdjustCursorEventInfo");
static_assert(offsetof(PF_AdjustCursorEventInfo, screen_point) == 0, "PF_AdjustCursorEventInfo.screen_point offset");
static_assert(declared_as<decltype(std::declval<PF_AdjustCursorEventInfo&>().screen_point), PF_Point>,
              "PF_AdjustCursorEventInfo.screen_point type");
static_assert(sizeof(std::declval<PF_AdjustCursorEventInfo&>().screen_point) == 8,
              "PF_AdjustCursorEventInfo.screen_point size");
static_assert(offsetof(PF_AdjustCursorEventInfo, screen_point.h) == 0,
              "PF_AdjustCursorEventInfo.screen_point.h offset");
static_assert(declared_as<decltype(std::declval<PF_AdjustCursorEventInfo&>().screen_point.h), A_long>,
              "PF_AdjustCursorEventInfo.screen_point.h type");
static_assert(offsetof(PF_AdjustCursorEventInfo, screen_point.v) == 4,
              "PF_AdjustCursorEventInfo.screen_point.v offset");
static_assert(declared_as<decltype(std::declval<PF_AdjustCursorEventInfo&>().screen_point.v), A_long>,
              "PF_AdjustCursorEventInfo.screen_point.v type");
static_assert(offsetof(PF_AdjustCursorEventInfo, modifiers) == 8, "PF_AdjustCursorEventInfo.modifiers offset");
static_assert(declared_as<decltype(std::declval<PF_AdjustCursorEventInfo&>().modifiers), PF_Modifiers>,
              "PF_AdjustCursorEventInfo.modifiers type");
static_assert(sizeof(std::declval<PF_AdjustCursorEventInfo&>().modifiers) == 4,
              "PF_AdjustCursorEventInfo.modifiers size");
static_assert(offsetof(PF_AdjustCursorEventInfo, set_cursor) == 12, "PF_AdjustCursorEventInfo.set_cursor offset");
static_assert(declared_as<decltype(std::declval<PF_AdjustCursorEventInfo&>().set_cursor), PF_CursorType>,
              "PF_AdjustCursorEventInfo.set_cursor type");
static_assert(sizeof(std::declval<PF_AdjustCursorEventInfo&>().set_cursor) == 4,
              "PF_AdjustCursorEventInfo.set_cursor size");

// PF_KeyDownEvent
static_assert(sizeof(PF_KeyDownEvent) == 20, "sizeof PF_KeyDownEvent");
static_assert(alignof(PF_KeyDownEvent) == 4, "alignof PF_KeyDownEvent");
static_assert(offsetof(PF_KeyDownEvent, when) == 0, "PF_KeyDownEvent.when offset");
static_assert(declared_as<decltype(std::declval<PF_KeyDownEvent&>().when), A_u_long>, "PF_KeyDownEvent.when type");
static_assert(sizeof(std::declval<PF_KeyDownEvent&>().when) == 4, "PF_KeyDownEvent.when size");
static_assert(offsetof(PF_KeyDownEvent, screen_point) == 4, "PF_KeyDownEvent.screen_point offset");
static_assert(declared_as<decltype(std::declval<PF_KeyDownEvent&>().screen_point), PF_Point>,
              "PF_KeyDownEvent.screen_point type");
static_assert(sizeof(std::declval<PF_KeyDownEvent&>().screen_point) == 8, "PF_KeyDownEvent.screen_point size");
static_assert(offsetof(PF_KeyDownEvent, screen_point.h) == 4, "PF_KeyDownEvent.screen_point.h offset");
static_assert(declared_as<decltype(std::declval<PF_KeyDownEvent&>().screen_point.h), A_long>,
              "PF_KeyDownEvent.screen_point.h type");
static_assert(offsetof(PF_KeyDownEvent, screen_point.v) == 8, "PF_KeyDownEvent.screen_point.v offset");
static_assert(declared_as<decltype(std::declval<PF_KeyDownEvent&>().screen_point.v), A_long>,
              "PF_KeyDownEvent.screen_point.v type");
static_assert(offsetof(PF_KeyDownEvent, keycode) == 12, "PF_KeyDownEvent.keycode offset");
static_assert(declared_as<decltype(std::declval<PF_KeyDownEvent&>().keycode), PF_KeyCode>,
              "PF_KeyDownEvent.keycode type");
static_assert(sizeof(std::declval<PF_KeyDownEvent&>().keycode) == 4, "PF_KeyDownEvent.keycode size");
static_assert(offsetof(PF_KeyDownEvent, modifiers) == 16, "PF_KeyDownEvent.modifiers offset");
static_assert(declared_as<decltype(std::declval<PF_KeyDownEvent&>().modifiers), PF_Modifiers>,
              "PF_KeyDownEvent.modifiers type");
static_assert(sizeof(std::declval<PF_KeyDownEvent&>().modifiers) == 4, "PF_KeyDownEvent.modifiers size");

// PF_EffectWindowInfo
static_assert(sizeof(PF_EffectWindowInfo) == 44, "sizeof PF_EffectWindowInfo");
static_assert(alignof(PF_EffectWindowInfo) == 4, "alignof PF_EffectWindowInfo");
static_assert(offsetof(PF_EffectWindowInfo, index) == 0, "PF_EffectWindowInfo.index offset");
static_assert(declared_as<decltype(std::declval<PF_EffectWindowInfo&>().index), PF_ParamIndex>,
              "PF_EffectWindowInfo.index type");
static_assert(sizeof(std::declval<PF_EffectWindowInfo&>().index) == 4, "PF_EffectWindowInfo.index size");
static_assert(offsetof(PF_EffectWindowInfo, area) == 4, "PF_EffectWindowInfo.area offset");
static_assert(declared_as<decltype(std::declval<PF_EffectWindowInfo&>().area), PF_EffectArea>,
              "PF_EffectWindowInfo.area type");
static_assert(sizeof(std::declval<PF_EffectWindowInfo&>().area) == 4, "PF_EffectWindowInfo.area size");
static_assert(offsetof(PF_EffectWindowInfo, current_frame) == 8, "PF_EffectWindowInfo.current_frame offset");
static_assert(declared_as<decltype(std::declval<PF_EffectWindowInfo&>().current_frame), PF_LRect>,
              "PF_EffectWindowInfo.current_frame type");
static_assert(sizeof(std::declval<PF_EffectWindowInfo&>().current_frame) == 16,
              "PF_EffectWindowInfo.current_frame size");
static_assert(offsetof(PF_EffectWindowInfo, current_frame.left) == 8, "PF_EffectWindowInfo.current_frame.left offset");
static_assert(declared_as<decltype(std::declval<PF_EffectWindowInfo&>().current_frame.left), A_long>,
              "PF_EffectWindowInfo.current_frame.left type");
static_assert(offsetof(PF_EffectWindowInfo, current_frame.top) == 12, "PF_EffectWindowInfo.current_frame.top offset");
static_assert(declared_as<decltype(std::declval<PF_EffectWindowInfo&>().current_frame.top), A_long>,
              "PF_EffectWindowInfo.current_frame.top type");
static_assert(offsetof(PF_EffectWindowInfo, current_frame.right) == 16,
              "PF_EffectWindowInfo.current_frame.right offset");
static_assert(declared_as<decltype(std::declval<PF_EffectWindowInfo&>().current_frame.right), A_long>,
              "PF_EffectWindowInfo.current_frame.right type");
static_assert(offsetof(PF_EffectWindowInfo, current_frame.bottom) == 20,
              "PF_EffectWindowInfo.current_frame.bottom offset");
static_assert(declared_as<decltype(std::declval<PF_EffectWindowInfo&>().current_frame.bottom), A_long>,
              "PF_EffectWindowInfo.current_frame.bottom type");
static_assert(offsetof(PF_EffectWindowInfo, param_title_frame) == 24, "PF_EffectWindowInfo.param_title_frame offset");
static_assert(declared_as<decltype(std::declval<PF_EffectWindowInfo&>().param_title_frame), PF_LRect>,
              "PF_EffectWindowInfo.param_title_frame type");
static_assert(sizeof(std::declval<PF_EffectWindowInfo&>().param_title_frame) == 16,
              "PF_EffectWindowInfo.param_title_frame size");
static_assert(offsetof(PF_EffectWindowInfo, param_title_frame.left) == 24,
              "PF_EffectWindowInfo.param_title_frame.left offset");
static_assert(declared_as<decltype(std::declval<PF_EffectWindowInfo&>().param_title_frame.left), A_long>,
              "PF_EffectWindowInfo.param_title_frame.left type");
static_assert(offsetof(PF_EffectWindowInfo, param_title_frame.top) == 28,
              "PF_EffectWindowInfo.param_title_frame.top offset");
static_assert(declared_as<decltype(std::declval<PF_EffectWindowInfo&>().param_title_frame.top), A_long>,
              "PF_EffectWindowInfo.param_title_frame.top type");
static_assert(offsetof(PF_EffectWindowInfo, param_title_frame.right) == 32,
              "PF_EffectWindowInfo.param_title_frame.right offset");
static_assert(declared_as<decltype(std::declval<PF_EffectWindowInfo&>().param_title_frame.right), A_long>,
              "PF_EffectWindowInfo.param_title_frame.right type");
static_assert(offsetof(PF_EffectWindowInfo, param_title_frame.bottom) == 36,
              "PF_EffectWindowInfo.param_title_frame.bottom offset");
static_assert(declared_as<decltype(std::declval<PF_EffectWindowInfo&>().param_title_frame.bottom), A_long>,
              "PF_EffectWindowInfo.param_title_frame.bottom type");
static_assert(offsetof(PF_EffectWindowInfo, horiz_offset) == 40, "PF_EffectWindowInfo.horiz_offset offset");
static_assert(declared_as<decltype(std::declval<PF_EffectWindowInfo&>().horiz_offset), A_long>,
              "PF_EffectWindowInfo.horiz_offset type");
static_assert(sizeof(std::declval<PF_EffectWindowInfo&>().horiz_offset) == 4, "PF_EffectWindowInfo.horiz_offset size");

// PF_EventCallbacks
static_assert(sizeof(PF_EventCallbacks) == 72, "sizeof PF_EventCallbacks");
static_assert(alignof(PF_EventCallbacks) == 8, "alignof PF_EventCallbacks");
static_assert(offsetof(PF_EventCallbacks, refcon) == 0, "PF_EventCallbacks.refcon offset");
static_assert(declared_as<decltype(std::declval<PF_EventCallbacks&>().refcon), void*>, "PF_EventCallbacks.refcon type");
static_assert(sizeof(std::declval<PF_EventCallbacks&>().refcon) == 8, "PF_EventCallbacks.refcon size");
static_assert(offsetof(PF_EventCallbacks, layer_to_comp) == 8, "PF_EventCallbacks.layer_to_comp offset");
static_assert(
    declared_as<decltype(std::declval<PF_EventCallbacks&>().layer_to_comp),
                PF_Err (*)(void* refcon, PF_ContextH context, A_long curr_time, A_long time_scale, PF_FixedPoint* pt)>,
    "PF_EventCallbacks.layer_to_comp type");
static_assert(sizeof(std::declval<PF_EventCallbacks&>().layer_to_comp) == 8, "PF_EventCallbacks.layer_to_comp size");
static_assert(offsetof(PF_EventCallbacks, comp_to_layer) == 16, "PF_EventCallbacks.comp_to_layer offset");
static_assert(
    declared_as<decltype(std::declval<PF_EventCallbacks&>().comp_to_layer),
                PF_Err (*)(void* refcon, PF_ContextH context, A_long curr_time, A_long time_scale, PF_FixedPoint* pt)>,
    "PF_EventCallbacks.comp_to_layer type");
static_assert(sizeof(std::declval<PF_EventCallbacks&>().comp_to_layer) == 8, "PF_EventCallbacks.comp_to_layer size");
static_assert(offsetof(PF_EventCallbacks, get_comp2layer_xform) == 24, "PF_EventCallbacks.get_comp2layer_xform offset");
static_assert(declared_as<decltype(std::declval<PF_EventCallbacks&>().get_comp2layer_xform),
                          PF_Err (*)(void* refcon, PF_ContextH context, A_long curr_time, A_long time_scale,
                                     A_long* exists, PF_FloatMatrix* c2l)>,
              "PF_EventCallbacks.get_comp2layer_xform type");
static_assert(sizeof(std::declval<PF_EventCallbacks&>().get_comp2layer_xform) == 8,
              "PF_EventCallbacks.get_comp2layer_xform size");
static_assert(offsetof(PF_EventCallbacks, get_layer2comp_xform) == 32, "PF_EventCallbacks.get_layer2comp_xform offset");
static_assert(declared_as<decltype(std::declval<PF_EventCallbacks&>().get_layer2comp_xform),
                          PF_Err (*)(void* refcon, PF_ContextH context, A_long curr_time, A_long time_scale,
                                     PF_FloatMatrix* l2c)>,
              "PF_EventCallbacks.get_layer2comp_xform type");
static_assert(sizeof(std::declval<PF_EventCallbacks&>().get_layer2comp_xform) == 8,
              "PF_EventCallbacks.get_layer2comp_xform size");
static_assert(offsetof(PF_EventCallbacks, source_to_frame) == 40, "PF_EventCallbacks.source_to_frame offset");
static_assert(declared_as<decltype(std::declval<PF_EventCallbacks&>().source_to_frame),
                          PF_Err (*)(void* refcon, PF_ContextH context, PF_FixedPoint* pt)>,
              "PF_EventCallbacks.source_to_frame type");
static_assert(sizeof(std::declval<PF_EventCallbacks&>().source_to_frame) == 8,
              "PF_EventCallbacks.source_to_frame size");
static_assert(offsetof(PF_EventCallbacks, frame_to_source) == 48, "PF_EventCallbacks.frame_to_source offset");
static_assert(declared_as<decltype(std::declval<PF_EventCallbacks&>().frame_to_source),
                          PF_Err (*)(void* refcon, PF_ContextH context, PF_FixedPoint* pt)>,
              "PF_EventCallbacks.frame_to_source type");
static_assert(sizeof(std::declval<PF_EventCallbacks&>().frame_to_source) == 8,
              "PF_EventCallbacks.frame_to_source size");
static_assert(offsetof(PF_EventCallbacks, info_draw_color) == 56, "PF_EventCallbacks.info_draw_color offset");
static_assert(
    declared_as<decltype(std::declval<PF_EventCallbacks&>().info_draw_color), PF_Err (*)(void* refcon, PF_Pixel color)>,
    "PF_EventCallbacks.info_draw_color type");
static_assert(sizeof(std::declval<PF_EventCallbacks&>().info_draw_color) == 8,
              "PF_EventCallbacks.info_draw_color size");
static_assert(offsetof(PF_EventCallbacks, info_draw_text) == 64, "PF_EventCallbacks.info_draw_text offset");
static_assert(declared_as<decltype(std::declval<PF_EventCallbacks&>().info_draw_text),
                          PF_Err (*)(void* refcon, const A_char* text1Z0, const A_char* text2Z0)>,
              "PF_EventCallbacks.info_draw_text type");
static_assert(sizeof(std::declval<PF_EventCallbacks&>().info_draw_text) == 8, "PF_EventCallbacks.info_draw_text size");

// PF_Context
static_assert(sizeof(PF_Context) == 72, "sizeof PF_Context");
static_assert(alignof(PF_Context) == 8, "alignof PF_Context");
static_assert(offsetof(PF_Context, magic) == 0, "PF_Context.magic offset");
static_assert(declared_as<decltype(std::declval<PF_Context&>().magic), A_u_long>, "PF_Context.magic type");
static_assert(sizeof(std::declval<PF_Context&>().magic) == 4, "PF_Context.magic size");
static_assert(offsetof(PF_Context, w_type) == 4, "PF_Context.w_type offset");
static_assert(declared_as<decltype(std::declval<PF_Context&>().w_type), PF_WindowType>, "PF_Context.w_type type");
static_assert(sizeof(std::declval<PF_Context&>().w_type) == 4, "PF_Context.w_type size");
static_assert(offsetof(PF_Context, reserved_flt) == 8, "PF_Context.reserved_flt offset");
static_assert(declared_as<decltype(std::declval<PF_Context&>().reserved_flt), PF_ContextRefcon>,
              "PF_Context.reserved_flt type");
static_assert(sizeof(std::declval<PF_Context&>().reserved_flt) == 8, "PF_Context.reserved_flt size");
static_assert(offsetof(PF_Context, plugin_state) == 16, "PF_Context.plugin_state offset");
static_assert(declared_as<decltype(std::declval<PF_Context&>().plugin_state), A_intptr_t[4]>,
              "PF_Context.plugin_state type");
static_assert(sizeof(std::declval<PF_Context&>().plugin_state) == 32, "PF_Context.plugin_state size");
static_assert(offsetof(PF_Context, reserved_drawref) == 48, "PF_Context.reserved_drawref offset");
static_assert(declared_as<decltype(std::declval<PF_Context&>().reserved_drawref), DRAWBOT_DrawRef>,
              "PF_Context.reserved_drawref type");
static_assert(sizeof(std::declval<PF_Context&>().reserved_drawref) == 8, "PF_Context.reserved_drawref size");
static_assert(offsetof(PF_Context, reserved_paneP) == 56, "PF_Context.reserved_paneP offset");
static_assert(declared_as<decltype(std::declval<PF_Context&>().reserved_paneP), void*>,
              "PF_Context.reserved_paneP type");
static_assert(sizeof(std::declval<PF_Context&>().reserved_paneP) == 8, "PF_Context.reserved_paneP size");
static_assert(offsetof(PF_Context, reserved_job_manageP) == 64, "PF_Context.reserved_job_manageP offset");
static_assert(declared_as<decltype(std::declval<PF_Context&>().reserved_job_manageP), void*>,
              "PF_Context.reserved_job_manageP type");
static_assert(sizeof(std::declval<PF_Context&>().reserved_job_manageP) == 8, "PF_Context.reserved_job_manageP size");

// PF_CustomUIInfo
static_assert(sizeof(PF_CustomUIInfo) == 44, "sizeof PF_CustomUIInfo");
static_assert(alignof(PF_CustomUIInfo) == 4, "alignof PF_CustomUIInfo");
static_assert(offsetof(PF_CustomUIInfo, reserved) == 0, "PF_CustomUIInfo.reserved offset");
static_assert(declared_as<decltype(std::declval<PF_CustomUIInfo&>().reserved), A_long>,
              "PF_CustomUIInfo.reserved type");
static_assert(sizeof(std::declval<PF_CustomUIInfo&>().reserved) == 4, "PF_CustomUIInfo.reserved size");
static_assert(offsetof(PF_CustomUIInfo, events) == 4, "PF_CustomUIInfo.events offset");
static_assert(declared_as<decltype(std::declval<PF_CustomUIInfo&>().events), PF_CustomEventFlags>,
              "PF_CustomUIInfo.events type");
static_assert(sizeof(std::declval<PF_CustomUIInfo&>().events) == 4, "PF_CustomUIInfo.events size");
static_assert(offsetof(PF_CustomUIInfo, comp_ui_width) == 8, "PF_CustomUIInfo.comp_ui_width offset");
static_assert(declared_as<decltype(std::declval<PF_CustomUIInfo&>().comp_ui_width), A_long>,
              "PF_CustomUIInfo.comp_ui_width type");
static_assert(sizeof(std::declval<PF_CustomUIInfo&>().comp_ui_width) == 4, "PF_CustomUIInfo.comp_ui_width size");
static_assert(offsetof(PF_CustomUIInfo, comp_ui_height) == 12, "PF_CustomUIInfo.comp_ui_height offset");
static_assert(declared_as<decltype(std::declval<PF_CustomUIInfo&>().comp_ui_height), A_long>,
              "PF_CustomUIInfo.comp_ui_height type");
static_assert(sizeof(std::declval<PF_CustomUIInfo&>().comp_ui_height) == 4, "PF_CustomUIInfo.comp_ui_height size");
static_assert(offsetof(PF_CustomUIInfo, comp_ui_alignment) == 16, "PF_CustomUIInfo.comp_ui_alignment offset");
static_assert(declared_as<decltype(std::declval<PF_CustomUIInfo&>().comp_ui_alignment), PF_UIAlignment>,
              "PF_CustomUIInfo.comp_ui_alignment type");
static_assert(sizeof(std::declval<PF_CustomUIInfo&>().comp_ui_alignment) == 4,
              "PF_CustomUIInfo.comp_ui_alignment size");
static_assert(offsetof(PF_CustomUIInfo, layer_ui_width) == 20, "PF_CustomUIInfo.layer_ui_width offset");
static_assert(declared_as<decltype(std::declval<PF_CustomUIInfo&>().layer_ui_width), A_long>,
              "PF_CustomUIInfo.layer_ui_width type");
static_assert(sizeof(std::declval<PF_CustomUIInfo&>().layer_ui_width) == 4, "PF_CustomUIInfo.layer_ui_width size");
static_assert(offsetof(PF_CustomUIInfo, layer_ui_height) == 24, "PF_CustomUIInfo.layer_ui_height offset");
static_assert(declared_as<decltype(std::declval<PF_CustomUIInfo&>().layer_ui_height), A_long>,
              "PF_CustomUIInfo.layer_ui_height type");
static_assert(sizeof(std::declval<PF_CustomUIInfo&>().layer_ui_height) == 4, "PF_CustomUIInfo.layer_ui_height size");
static_assert(offsetof(PF_CustomUIInfo, layer_ui_alignment) == 28, "PF_CustomUIInfo.layer_ui_alignment offset");
static_assert(declared_as<decltype(std::declval<PF_CustomUIInfo&>().layer_ui_alignment), PF_UIAlignment>,
              "PF_CustomUIInfo.layer_ui_alignment type");
static_assert(sizeof(std::declval<PF_CustomUIInfo&>().layer_ui_alignment) == 4,
              "PF_CustomUIInfo.layer_ui_alignment size");
static_assert(offsetof(PF_CustomUIInfo, preview_ui_width) == 32, "PF_CustomUIInfo.preview_ui_width offset");
static_assert(declared_as<decltype(std::declval<PF_CustomUIInfo&>().preview_ui_width), A_long>,
              "PF_CustomUIInfo.preview_ui_width type");
static_assert(sizeof(std::declval<PF_CustomUIInfo&>().preview_ui_width) == 4, "PF_CustomUIInfo.preview_ui_width size");
static_assert(offsetof(PF_CustomUIInfo, preview_ui_height) == 36, "PF_CustomUIInfo.preview_ui_height offset");
static_assert(declared_as<decltype(std::declval<PF_CustomUIInfo&>().preview_ui_height), A_long>,
              "PF_CustomUIInfo.preview_ui_height type");
static_assert(sizeof(std::declval<PF_CustomUIInfo&>().preview_ui_height) == 4,
              "PF_CustomUIInfo.preview_ui_height size");
static_assert(offsetof(PF_CustomUIInfo, preview_ui_alignment) == 40, "PF_CustomUIInfo.preview_ui_alignment offset");
static_assert(declared_as<decltype(std::declval<PF_CustomUIInfo&>().preview_ui_alignment), PF_UIAlignment>,
              "PF_CustomUIInfo.preview_ui_alignment type");
static_assert(sizeof(std::declval<PF_CustomUIInfo&>().preview_ui_alignment) == 4,
              "PF_CustomUIInfo.preview_ui_alignment size");

// SPBasicSuite
static_assert(sizeof(SPBasicSuite) == 56, "sizeof SPBasicSuite");
static_assert(alignof(SPBasicSuite) == 8, "alignof SPBasicSuite");
static_assert(offsetof(SPBasicSuite, AcquireSuite) == 0, "SPBasicSuite::AcquireSuite slot 0");
static_assert(
    declared_as<decltype(SPBasicSuite::AcquireSuite), SPErr (*)(const char* name, int32 version, const void** suite)>,
    "SPBasicSuite::AcquireSuite signature");
static_assert(offsetof(SPBasicSuite, ReleaseSuite) == 8, "SPBasicSuite::ReleaseSuite slot 1");
static_assert(declared_as<decltype(SPBasicSuite::ReleaseSuite), SPErr (*)(const char* name, int32 version)>,
              "SPBasicSuite::ReleaseSuite signature");
static_assert(offsetof(SPBasicSuite, IsEqual) == 16, "SPBasicSuite::IsEqual slot 2");
static_assert(declared_as<decltype(SPBasicSuite::IsEqual), SPBoolean (*)(const char* token1, const char* token2)>,
              "SPBasicSuite::IsEqual signature");
static_assert(offsetof(SPBasicSuite, AllocateBlock) == 24, "SPBasicSuite::AllocateBlock slot 3");
static_assert(declared_as<decltype(SPBasicSuite::AllocateBlock), SPErr (*)(size_t size, void** block)>,
              "SPBasicSuite::AllocateBlock signature");
static_assert(offsetof(SPBasicSuite, FreeBlock) == 32, "SPBasicSuite::FreeBlock slot 4");
static_assert(declared_as<decltype(SPBasicSuite::FreeBlock), SPErr (*)(void* block)>,
              "SPBasicSuite::FreeBlock signature");
static_assert(offsetof(SPBasicSuite, ReallocateBlock) == 40, "SPBasicSuite::ReallocateBlock slot 5");
static_assert(
    declared_as<decltype(SPBasicSuite::ReallocateBlock), SPErr (*)(void* block, size_t newSize, void** newblock)>,
    "SPBasicSuite::ReallocateBlock signature");
static_assert(offsetof(SPBasicSuite, Undefined) == 48, "SPBasicSuite::Undefined slot 6");
static_assert(declared_as<decltype(SPBasicSuite::Undefined), SPErr (*)(void)>, "SPBasicSuite::Undefined signature");

// PF_HandleSuite1
static_assert(sizeof(PF_HandleSuite1) == 48, "sizeof PF_HandleSuite1");
static_assert(alignof(PF_HandleSuite1) == 8, "alignof PF_HandleSuite1");
static_assert(offsetof(PF_HandleSuite1, host_new_handle) == 0, "PF_HandleSuite1::host_new_handle slot 0");
static_assert(declared_as<decltype(PF_HandleSuite1::host_new_handle), PF_Handle (*)(A_HandleSize size)>,
              "PF_HandleSuite1::host_new_handle signature");
static_assert(offsetof(PF_HandleSuite1, host_lock_handle) == 8, "PF_HandleSuite1::host_lock_handle slot 1");
static_assert(declared_as<decltype(PF_HandleSuite1::host_lock_handle), void* (*)(PF_Handle pf_handle)>,
              "PF_HandleSuite1::host_lock_handle signature");
static_assert(offsetof(PF_HandleSuite1, host_unlock_handle) == 16, "PF_HandleSuite1::host_unlock_handle slot 2");
static_assert(declared_as<decltype(PF_HandleSuite1::host_unlock_handle), void (*)(PF_Handle pf_handle)>,
              "PF_HandleSuite1::host_unlock_handle signature");
static_assert(offsetof(PF_HandleSuite1, host_dispose_handle) == 24, "PF_HandleSuite1::host_dispose_handle slot 3");
static_assert(declared_as<decltype(PF_HandleSuite1::host_dispose_handle), void (*)(PF_Handle pf_handle)>,
              "PF_HandleSuite1::host_dispose_handle signature");
static_assert(offsetof(PF_HandleSuite1, host_get_handle_size) == 32, "PF_HandleSuite1::host_get_handle_size slot 4");
static_assert(declared_as<decltype(PF_HandleSuite1::host_get_handle_size), A_HandleSize (*)(PF_Handle pf_handle)>,
              "PF_HandleSuite1::host_get_handle_size signature");
static_assert(offsetof(PF_HandleSuite1, host_resize_handle) == 40, "PF_HandleSuite1::host_resize_handle slot 5");
static_assert(
    declared_as<decltype(PF_HandleSuite1::host_resize_handle), PF_Err (*)(A_HandleSize new_sizeL, PF_Handle* handlePH)>,
    "PF_HandleSuite1::host_resize_handle signature");

// PF_ANSICallbacksSuite1
static_assert(sizeof(PF_ANSICallbacksSuite1) == 152, "sizeof PF_ANSICallbacksSuite1");
static_assert(alignof(PF_ANSICallbacksSuite1) == 8, "alignof PF_ANSICallbacksSuite1");
static_assert(offsetof(PF_ANSICallbacksSuite1, atan) == 0, "PF_ANSICallbacksSuite1::atan slot 0");
static_assert(declared_as<decltype(PF_ANSICallbacksSuite1::atan), A_FpLong (*)(A_FpLong)>,
              "PF_ANSICallbacksSuite1::atan signature");
static_assert(offsetof(PF_ANSICallbacksSuite1, atan2) == 8, "PF_ANSICallbacksSuite1::atan2 slot 1");
static_assert(declared_as<decltype(PF_ANSICallbacksSuite1::atan2), A_FpLong (*)(A_FpLong y, A_FpLong x)>,
              "PF_ANSICallbacksSuite1::atan2 signature");
static_assert(offsetof(PF_ANSICallbacksSuite1, ceil) == 16, "PF_ANSICallbacksSuite1::ceil slot 2");
static_assert(declared_as<decltype(PF_ANSICallbacksSuite1::ceil), A_FpLong (*)(A_FpLong)>,
              "PF_ANSICallbacksSuite1::ceil signature");
static_assert(offsetof(PF_ANSICallbacksSuite1, cos) == 24, "PF_ANSICallbacksSuite1::cos slot 3");
static_assert(declared_as<decltype(PF_ANSICallbacksSuite1::cos), A_FpLong (*)(A_FpLong)>,
              "PF_ANSICallbacksSuite1::cos signature");
static_assert(offsetof(PF_ANSICallbacksSuite1, exp) == 32, "PF_ANSICallbacksSuite1::exp slot 4");
static_assert(declared_as<decltype(PF_ANSICallbacksSuite1::exp), A_FpLong (*)(A_FpLong)>,
              "PF_ANSICallbacksSuite1::exp signature");
static_assert(offsetof(PF_ANSICallbacksSuite1, fabs) == 40, "PF_ANSICallbacksSuite1::fabs slot 5");
static_assert(declared_as<decltype(PF_ANSICallbacksSuite1::fabs), A_FpLong (*)(A_FpLong)>,
              "PF_ANSICallbacksSuite1::fabs signature");
static_assert(offsetof(PF_ANSICallbacksSuite1, floor) == 48, "PF_ANSICallbacksSuite1::floor slot 6");
static_assert(declared_as<decltype(PF_ANSICallbacksSuite1::floor), A_FpLong (*)(A_FpLong)>,
              "PF_ANSICallbacksSuite1::floor signature");
static_assert(offsetof(PF_ANSICallbacksSuite1, fmod) == 56, "PF_ANSICallbacksSuite1::fmod slot 7");
static_assert(declared_as<decltype(PF_ANSICallbacksSuite1::fmod), A_FpLong (*)(A_FpLong x, A_FpLong y)>,
              "PF_ANSICallbacksSuite1::fmod signature");
static_assert(offsetof(PF_ANSICallbacksSuite1, hypot) == 64, "PF_ANSICallbacksSuite1::hypot slot 8");
static_assert(declared_as<decltype(PF_ANSICallbacksSuite1::hypot), A_FpLong (*)(A_FpLong x, A_FpLong y)>,
              "PF_ANSICallbacksSuite1::hypot signature");
static_assert(offsetof(PF_ANSICallbacksSuite1, log) == 72, "PF_ANSICallbacksSuite1::log slot 9");
static_assert(declared_as<decltype(PF_ANSICallbacksSuite1::log), A_FpLong (*)(A_FpLong)>,
              "PF_ANSICallbacksSuite1::log signature");
static_assert(offsetof(PF_ANSICallbacksSuite1, log10) == 80, "PF_ANSICallbacksSuite1::log10 slot 10");
static_assert(declared_as<decltype(PF_ANSICallbacksSuite1::log10), A_FpLong (*)(A_FpLong)>,
              "PF_ANSICallbacksSuite1::log10 signature");
static_assert(offsetof(PF_ANSICallbacksSuite1, pow) == 88, "PF_ANSICallbacksSuite1::pow slot 11");
static_assert(declared_as<decltype(PF_ANSICallbacksSuite1::pow), A_FpLong (*)(A_FpLong x, A_FpLong y)>,
              "PF_ANSICallbacksSuite1::pow signature");
static_assert(offsetof(PF_ANSICallbacksSuite1, sin) == 96, "PF_ANSICallbacksSuite1::sin slot 12");
static_assert(declared_as<decltype(PF_ANSICallbacksSuite1::sin), A_FpLong (*)(A_FpLong)>,
              "PF_ANSICallbacksSuite1::sin signature");
static_assert(offsetof(PF_ANSICallbacksSuite1, sqrt) == 104, "PF_ANSICallbacksSuite1::sqrt slot 13");
static_assert(declared_as<decltype(PF_ANSICallbacksSuite1::sqrt), A_FpLong (*)(A_FpLong)>,
              "PF_ANSICallbacksSuite1::sqrt signature");
static_assert(offsetof(PF_ANSICallbacksSuite1, tan) == 112, "PF_ANSICallbacksSuite1::tan slot 14");
static_assert(declared_as<decltype(PF_ANSICallbacksSuite1::tan), A_FpLong (*)(A_FpLong)>,
              "PF_ANSICallbacksSuite1::tan signature");
static_assert(offsetof(PF_ANSICallbacksSuite1, sprintf) == 120, "PF_ANSICallbacksSuite1::sprintf slot 15");
static_assert(declared_as<decltype(PF_ANSICallbacksSuite1::sprintf), int (*)(A_char*, const A_char*, ...)>,
              "PF_ANSICallbacksSuite1::sprintf signature");
static_assert(offsetof(PF_ANSICallbacksSuite1, strcpy) == 128, "PF_ANSICallbacksSuite1::strcpy slot 16");
static_assert(declared_as<decltype(PF_ANSICallbacksSuite1::strcpy), A_char* (*)(A_char*, const A_char*)>,
              "PF_ANSICallbacksSuite1::strcpy signature");
static_assert(offsetof(PF_ANSICallbacksSuite1, asin) == 136, "PF_ANSICallbacksSuite1::asin slot 17");
static_assert(declared_as<decltype(PF_ANSICallbacksSuite1::asin), A_FpLong (*)(A_FpLong)>,
              "PF_ANSICallbacksSuite1::asin signature");
static_assert(offsetof(PF_ANSICallbacksSuite1, acos) == 144, "PF_ANSICallbacksSuite1::acos slot 18");
static_assert(declared_as<decltype(PF_ANSICallbacksSuite1::acos), A_FpLong (*)(A_FpLong)>,
              "PF_ANSICallbacksSuite1::acos signature");

// PF_WorldSuite1
static_assert(sizeof(PF_WorldSuite1) == 16, "sizeof PF_WorldSuite1");
static_assert(alignof(PF_WorldSuite1) == 8, "alignof PF_WorldSuite1");
static_assert(offsetof(PF_WorldSuite1, new_world) == 0, "PF_WorldSuite1::new_world slot 0");
static_assert(
    declared_as<decltype(PF_WorldSuite1::new_world), PF_Err (*)(PF_ProgPtr effect_ref, A_long width, A_long height,
                                                                PF_NewWorldFlags flags, PF_EffectWorld* world)>,
    "PF_WorldSuite1::new_world signature");
static_assert(offsetof(PF_WorldSuite1, dispose_world) == 8, "PF_WorldSuite1::dispose_world slot 1");
static_assert(
    declared_as<decltype(PF_WorldSuite1::dispose_world), PF_Err (*)(PF_ProgPtr effect_ref, PF_EffectWorld* world)>,
    "PF_WorldSuite1::dispose_world signature");

// PF_WorldSuite2
static_assert(sizeof(PF_WorldSuite2) == 24, "sizeof PF_WorldSuite2");
static_assert(alignof(PF_WorldSuite2) == 8, "alignof PF_WorldSuite2");
static_assert(offsetof(PF_WorldSuite2, PF_NewWorld) == 0, "PF_WorldSuite2::PF_NewWorld slot 0");
static_assert(declared_as<decltype(PF_WorldSuite2::PF_NewWorld),
                          PF_Err (*)(PF_ProgPtr effect_ref, A_long widthL, A_long heightL, PF_Boolean clear_pixB,
                                     PF_PixelFormat pixel_format, PF_EffectWorld* worldP)>,
              "PF_WorldSuite2::PF_NewWorld signature");
static_assert(offsetof(PF_WorldSuite2, PF_DisposeWorld) == 8, "PF_WorldSuite2::PF_DisposeWorld slot 1");
static_assert(
    declared_as<decltype(PF_WorldSuite2::PF_DisposeWorld), PF_Err (*)(PF_ProgPtr effect_ref, PF_EffectWorld* worldP)>,
    "PF_WorldSuite2::PF_DisposeWorld signature");
static_assert(offsetof(PF_WorldSuite2, PF_GetPixelFormat) == 16, "PF_WorldSuite2::PF_GetPixelFormat slot 2");
static_assert(declared_as<decltype(PF_WorldSuite2::PF_GetPixelFormat),
                          PF_Err (*)(const PF_EffectWorld* worldP, PF_PixelFormat* pixel_formatP)>,
              "PF_WorldSuite2::PF_GetPixelFormat signature");

// PF_PixelFormatSuite2
static_assert(sizeof(PF_PixelFormatSuite2) == 16, "sizeof PF_PixelFormatSuite2");
static_assert(alignof(PF_PixelFormatSuite2) == 8, "alignof PF_PixelFormatSuite2");
static_assert(offsetof(PF_PixelFormatSuite2, PF_AddSupportedPixelFormat) == 0,
              "PF_PixelFormatSuite2::PF_AddSupportedPixelFormat slot 0");
static_assert(declared_as<decltype(PF_PixelFormatSuite2::PF_AddSupportedPixelFormat),
                          PF_Err (*)(PF_ProgPtr effect_ref, PF_PixelFormat pixel_format)>,
              "PF_PixelFormatSuite2::PF_AddSupportedPixelFormat signature");
static_assert(offsetof(PF_PixelFormatSuite2, PF_ClearSupportedPixelFormats) == 8,
              "PF_PixelFormatSuite2::PF_ClearSupportedPixelFormats slot 1");
static_assert(
    declared_as<decltype(PF_PixelFormatSuite2::PF_ClearSupportedPixelFormats), PF_Err (*)(PF_ProgPtr effect_ref)>,
    "PF_PixelFormatSuite2::PF_ClearSupportedPixelFormats signature");

// PF_PixelFormatSuite
static_assert(sizeof(PF_PixelFormatSuite) == 64, "sizeof PF_PixelFormatSuite");
static_assert(alignof(PF_PixelFormatSuite) == 8, "alignof PF_PixelFormatSuite");
static_assert(offsetof(PF_PixelFormatSuite, AddSupportedPixelFormat) == 0,
              "PF_PixelFormatSuite::AddSupportedPixelFormat slot 0");
static_assert(declared_as<decltype(PF_PixelFormatSuite::AddSupportedPixelFormat),
                          PF_Err (*)(PF_ProgPtr effect_ref, enum PrPixelFormat pixelFormat)>,
              "PF_PixelFormatSuite::AddSupportedPixelFormat signature");
static_assert(offsetof(PF_PixelFormatSuite, ClearSupportedPixelFormats) == 8,
              "PF_PixelFormatSuite::ClearSupportedPixelFormats slot 1");
static_assert(declared_as<decltype(PF_PixelFormatSuite::ClearSupportedPixelFormats), PF_Err (*)(PF_ProgPtr effect_ref)>,
              "PF_PixelFormatSuite::ClearSupportedPixelFormats signature");
static_assert(offsetof(PF_PixelFormatSuite, NewWorldOfPixelFormat) == 16,
              "PF_PixelFormatSuite::NewWorldOfPixelFormat slot 2");
static_assert(declared_as<decltype(PF_PixelFormatSuite::NewWorldOfPixelFormat),
                          PF_Err (*)(PF_ProgPtr effect_ref, A_u_long width, A_u_long height, PF_NewWorldFlags flags,
                                     enum PrPixelFormat pixelFormat, PF_EffectWorld* world)>,
              "PF_PixelFormatSuite::NewWorldOfPixelFormat signature");
static_assert(offsetof(PF_PixelFormatSuite, DisposeWorld) == 24, "PF_PixelFormatSuite::DisposeWorld slot 3");
static_assert(
    declared_as<decltype(PF_PixelFormatSuite::DisposeWorld), PF_Err (*)(PF_ProgPtr effect_ref, PF_EffectWorld* world)>,
    "PF_PixelFormatSuite::DisposeWorld signature");
static_assert(offsetof(PF_PixelFormatSuite, GetPixelFormat) == 32, "PF_PixelFormatSuite::GetPixelFormat slot 4");
static_assert(declared_as<decltype(PF_PixelFormatSuite::GetPixelFormat),
                          PF_Err (*)(PF_EffectWorld* inWorld, enum PrPixelFormat* pixelFormat)>,
              "PF_PixelFormatSuite::GetPixelFormat signature");
static_assert(offsetof(PF_PixelFormatSuite, GetBlackForPixelFormat) == 40,
              "PF_PixelFormatSuite::GetBlackForPixelFormat slot 5");
static_assert(declared_as<decltype(PF_PixelFormatSuite::GetBlackForPixelFormat),
                          PF_Err (*)(enum PrPixelFormat pixelFormat, void* pixelData)>,
              "PF_PixelFormatSuite::GetBlackForPixelFormat signature");
static_assert(offsetof(PF_PixelFormatSuite, GetWhiteForPixelFormat) == 48,
              "PF_PixelFormatSuite::GetWhiteForPixelFormat slot 6");
static_assert(declared_as<decltype(PF_PixelFormatSuite::GetWhiteForPixelFormat),
                          PF_Err (*)(enum PrPixelFormat pixelFormat, void* pixelData)>,
              "PF_PixelFormatSuite::GetWhiteForPixelFormat signature");
static_assert(offsetof(PF_PixelFormatSuite, ConvertColorToPixelFormattedData) == 56,
              "PF_PixelFormatSuite::ConvertColorToPixelFormattedData slot 7");
static_assert(declared_as<decltype(PF_PixelFormatSuite::ConvertColorToPixelFormattedData),
                          PF_Err (*)(enum PrPixelFormat pixelFormat, float alpha, float red, float green, float blue,
                                     void* pixelData)>,
              "PF_PixelFormatSuite::ConvertColorToPixelFormattedData signature");

// PF_Iterate8Suite1
static_assert(sizeof(PF_Iterate8Suite1) == 40, "sizeof PF_Iterate8Suite1");
static_assert(alignof(PF_Iterate8Suite1) == 8, "alignof PF_Iterate8Suite1");
static_assert(offsetof(PF_Iterate8Suite1, iterate) == 0, "PF_Iterate8Suite1::iterate slot 0");
static_assert(
    declared_as<decltype(PF_Iterate8Suite1::iterate),
                PF_Err (*)(PF_InData* in_data, A_long progress_base, A_long progress_final, PF_EffectWorld* src,
                           const PF_Rect* area, void* refcon,
                           PF_Err (*pix_fn)(void*, A_long, A_long, PF_Pixel*, PF_Pixel*), PF_EffectWorld* dst)>,
    "PF_Iterate8Suite1::iterate signature");
static_assert(offsetof(PF_Iterate8Suite1, iterate_origin) == 8, "PF_Iterate8Suite1::iterate_origin slot 1");
static_assert(
    declared_as<decltype(PF_Iterate8Suite1::iterate_origin),
                PF_Err (*)(PF_InData* in_data, A_long progress_base, A_long progress_final, PF_EffectWorld* src,
                           const PF_Rect* area, const PF_Point* origin, void* refcon,
                           PF_Err (*pix_fn)(void*, A_long, A_long, PF_Pixel*, PF_Pixel*), PF_EffectWorld* dst)>,
    "PF_Iterate8Suite1::iterate_origin signature");
static_assert(offsetof(PF_Iterate8Suite1, iterate_lut) == 16, "PF_Iterate8Suite1::iterate_lut slot 2");
static_assert(declared_as<decltype(PF_Iterate8Suite1::iterate_lut),
                          PF_Err (*)(PF_InData* in_data, A_long progress_base, A_long progress_final,
                                     PF_EffectWorld* src, const PF_Rect* area, A_u_char* a_lut0, A_u_char* r_lut0,
                                     A_u_char* g_lut0, A_u_char* b_lut0, PF_EffectWorld* dst)>,
              "PF_Iterate8Suite1::iterate_lut signature");
static_assert(offsetof(PF_Iterate8Suite1, iterate_origin_non_clip_src) == 24,
              "PF_Iterate8Suite1::iterate_origin_non_clip_src slot 3");
static_assert(
    declared_as<decltype(PF_Iterate8Suite1::iterate_origin_non_clip_src),
                PF_Err (*)(PF_InData* in_data, A_long progress_base, A_long progress_final, PF_EffectWorld* src,
                           const PF_Rect* area, const PF_Point* origin, void* refcon,
                           PF_Err (*pix_fn)(void*, A_long, A_long, PF_Pixel*, PF_Pixel*), PF_EffectWorld* dst)>,
    "PF_Iterate8Suite1::iterate_origin_non_clip_src signature");
static_assert(offsetof(PF_Iterate8Suite1, iterate_generic) == 32, "PF_Iterate8Suite1::iterate_generic slot 4");
static_assert(
    declared_as<decltype(PF_Iterate8Suite1::iterate_generic),
                PF_Err (*)(A_long iterationsL, void* refconPV, PF_Err (*fn_func)(void*, A_long, A_long, A_long))>,
    "PF_Iterate8Suite1::iterate_generic signature");

// PF_Iterate8Suite2
static_assert(sizeof(PF_Iterate8Suite2) == 40, "sizeof PF_Iterate8Suite2");
static_assert(alignof(PF_Iterate8Suite2) == 8, "alignof PF_Iterate8Suite2");
static_assert(offsetof(PF_Iterate8Suite2, iterate) == 0, "PF_Iterate8Suite2::iterate slot 0");
static_assert(
    declared_as<decltype(PF_Iterate8Suite2::iterate),
                PF_Err (*)(PF_InData* in_data, A_long progress_base, A_long progress_final, PF_EffectWorld* src,
                           const PF_Rect* area, void* refcon,
                           PF_Err (*pix_fn)(void*, A_long, A_long, PF_Pixel*, PF_Pixel*), PF_EffectWorld* dst)>,
    "PF_Iterate8Suite2::iterate signature");
static_assert(offsetof(PF_Iterate8Suite2, iterate_origin) == 8, "PF_Iterate8Suite2::iterate_origin slot 1");
static_assert(
    declared_as<decltype(PF_Iterate8Suite2::iterate_origin),
                PF_Err (*)(PF_InData* in_data, A_long progress_base, A_long progress_final, PF_EffectWorld* src,
                           const PF_Rect* area, const PF_Point* origin, void* refcon,
                           PF_Err (*pix_fn)(void*, A_long, A_long, PF_Pixel*, PF_Pixel*), PF_EffectWorld* dst)>,
    "PF_Iterate8Suite2::iterate_origin signature");
static_assert(offsetof(PF_Iterate8Suite2, iterate_lut) == 16, "PF_Iterate8Suite2::iterate_lut slot 2");
static_assert(declared_as<decltype(PF_Iterate8Suite2::iterate_lut),
                          PF_Err (*)(PF_InData* in_data, A_long progress_base, A_long progress_final,
                                     PF_EffectWorld* src, const PF_Rect* area, A_u_char* a_lut0, A_u_char* r_lut0,
                                     A_u_char* g_lut0, A_u_char* b_lut0, PF_EffectWorld* dst)>,
              "PF_Iterate8Suite2::iterate_lut signature");
static_assert(offsetof(PF_Iterate8Suite2, iterate_origin_non_clip_src) == 24,
              "PF_Iterate8Suite2::iterate_origin_non_clip_src slot 3");
static_assert(
    declared_as<decltype(PF_Iterate8Suite2::iterate_origin_non_clip_src),
                PF_Err (*)(PF_InData* in_data, A_long progress_base, A_long progress_final, PF_EffectWorld* src,
                           const PF_Rect* area, const PF_Point* origin, void* refcon,
                           PF_Err (*pix_fn)(void*, A_long, A_long, PF_Pixel*, PF_Pixel*), PF_EffectWorld* dst)>,
    "PF_Iterate8Suite2::iterate_origin_non_clip_src signature");
static_assert(offsetof(PF_Iterate8Suite2, iterate_generic) == 32, "PF_Iterate8Suite2::iterate_generic slot 4");
static_assert(
    declared_as<decltype(PF_Iterate8Suite2::iterate_generic),
                PF_Err (*)(A_long iterationsL, void* refconPV, PF_Err (*fn_func)(void*, A_long, A_long, A_long))>,
    "PF_Iterate8Suite2::iterate_generic signature");

// PF_Iterate16Suite1
static_assert(sizeof(PF_Iterate16Suite1) == 24, "sizeof PF_Iterate16Suite1");
static_assert(alignof(PF_Iterate16Suite1) == 8, "alignof PF_Iterate16Suite1");
static_assert(offsetof(PF_Iterate16Suite1, iterate) == 0, "PF_Iterate16Suite1::iterate slot 0");
static_assert(
    declared_as<decltype(PF_Iterate16Suite1::iterate),
                PF_Err (*)(PF_InData* in_data, A_long progress_base, A_long progress_final, PF_EffectWorld* src,
                           const PF_Rect* area, void* refcon,
                           PF_Err (*pix_fn)(void*, A_long, A_long, PF_Pixel16*, PF_Pixel16*), PF_EffectWorld* dst)>,
    "PF_Iterate16Suite1::iterate signature");
static_assert(offsetof(PF_Iterate16Suite1, iterate_origin) == 8, "PF_Iterate16Suite1::iterate_origin slot 1");
static_assert(
    declared_as<decltype(PF_Iterate16Suite1::iterate_origin),
                PF_Err (*)(PF_InData* in_data, A_long progress_base, A_long progress_final, PF_EffectWorld* src,
                           const PF_Rect* area, const PF_Point* origin, void* refcon,
                           PF_Err (*pix_fn)(void*, A_long, A_long, PF_Pixel16*, PF_Pixel16*), PF_EffectWorld* dst)>,
    "PF_Iterate16Suite1::iterate_origin signature");
static_assert(offsetof(PF_Iterate16Suite1, iterate_origin_non_clip_src) == 16,
              "PF_Iterate16Suite1::iterate_origin_non_clip_src slot 2");
static_assert(
    declared_as<decltype(PF_Iterate16Suite1::iterate_origin_non_clip_src),
                PF_Err (*)(PF_InData* in_data, A_long progress_base, A_long progress_final, PF_EffectWorld* src,
                           const PF_Rect* area, const PF_Point* origin, void* refcon,
                           PF_Err (*pix_fn)(void*, A_long, A_long, PF_Pixel16*, PF_Pixel16*), PF_EffectWorld* dst)>,
    "PF_Iterate16Suite1::iterate_origin_non_clip_src signature");

// PF_IterateFloatSuite1
static_assert(sizeof(PF_IterateFloatSuite1) == 24, "sizeof PF_IterateFloatSuite1");
static_assert(alignof(PF_IterateFloatSuite1) == 8, "alignof PF_IterateFloatSuite1");
static_assert(offsetof(PF_IterateFloatSuite1, iterate) == 0, "PF_IterateFloatSuite1::iterate slot 0");
static_assert(
    declared_as<decltype(PF_IterateFloatSuite1::iterate),
                PF_Err (*)(PF_InData* in_data, A_long progress_base, A_long progress_final, PF_EffectWorld* src,
                           const PF_Rect* area, void* refcon, PF_IteratePixelFloatFunc pix_fn, PF_EffectWorld* dst)>,
    "PF_IterateFloatSuite1::iterate signature");
static_assert(offsetof(PF_IterateFloatSuite1, iterate_origin) == 8, "PF_IterateFloatSuite1::iterate_origin slot 1");
static_assert(declared_as<decltype(PF_IterateFloatSuite1::iterate_origin),
                          PF_Err (*)(PF_InData* in_data, A_long progress_base, A_long progress_final,
                                     PF_EffectWorld* src, const PF_Rect* area, const PF_Point* origin, void* refcon,
                                     PF_IteratePixelFloatFunc pix_fn, PF_EffectWorld* dst)>,
              "PF_IterateFloatSuite1::iterate_origin signature");
static_assert(offsetof(PF_IterateFloatSuite1, iterate_origin_non_clip_src) == 16,
              "PF_IterateFloatSuite1::iterate_origin_non_clip_src slot 2");
static_assert(declared_as<decltype(PF_IterateFloatSuite1::iterate_origin_non_clip_src),
                          PF_Err (*)(PF_InData* in_data, A_long progress_base, A_long progress_final,
                                     PF_EffectWorld* src, const PF_Rect* area, const PF_Point* origin, void* refcon,
                                     PF_IteratePixelFloatFunc pix_fn, PF_EffectWorld* dst)>,
              "PF_IterateFloatSuite1::iterate_origin_non_clip_src signature");

// PF_WorldTransformSuite1
static_assert(sizeof(PF_WorldTransformSuite1) == 56, "sizeof PF_WorldTransformSuite1");
static_assert(alignof(PF_WorldTransformSuite1) == 8, "alignof PF_WorldTransformSuite1");
static_assert(offsetof(PF_WorldTransformSuite1, composite_rect) == 0, "PF_WorldTransformSuite1::composite_rect slot 0");
static_assert(declared_as<decltype(PF_WorldTransformSuite1::composite_rect),
                          PF_Err (*)(PF_ProgPtr effect_ref, PF_Rect* src_rect, A_long src_opacity,
                                     PF_EffectWorld* source_wld, A_long dest_x, A_long dest_y, PF_Field field_rdr,
                                     PF_XferMode xfer_mode, PF_EffectWorld* dest_wld)>,
              "PF_WorldTransformSuite1::composite_rect signature");
static_assert(offsetof(PF_WorldTransformSuite1, blend) == 8, "PF_WorldTransformSuite1::blend slot 1");
static_assert(declared_as<decltype(PF_WorldTransformSuite1::blend),
                          PF_Err (*)(PF_ProgPtr effect_ref, const PF_EffectWorld* src1, const PF_EffectWorld* src2,
                                     PF_Fixed ratio, PF_EffectWorld* dst)>,
              "PF_WorldTransformSuite1::blend signature");
static_assert(offsetof(PF_WorldTransformSuite1, convolve) == 16, "PF_WorldTransformSuite1::convolve slot 2");
static_assert(declared_as<decltype(PF_WorldTransformSuite1::convolve),
                          PF_Err (*)(PF_ProgPtr effect_ref, PF_EffectWorld* src, const PF_Rect* area,
                                     PF_KernelFlags flags, A_long kernel_size, void* a_kernel, void* r_kernel,
                                     void* g_kernel, void* b_kernel, PF_EffectWorld* dst)>,
              "PF_WorldTransformSuite1::convolve signature");
static_assert(offsetof(PF_WorldTransformSuite1, copy) == 24, "PF_WorldTransformSuite1::copy slot 3");
static_assert(declared_as<decltype(PF_WorldTransformSuite1::copy),
                          PF_Err (*)(PF_ProgPtr effect_ref, PF_EffectWorld* src, PF_EffectWorld* dst, PF_Rect* src_r,
                                     PF_Rect* dst_r)>,
              "PF_WorldTransformSuite1::copy signature");
static_assert(offsetof(PF_WorldTransformSuite1, copy_hq) == 32, "PF_WorldTransformSuite1::copy_hq slot 4");
static_assert(declared_as<decltype(PF_WorldTransformSuite1::copy_hq),
                          PF_Err (*)(PF_ProgPtr effect_ref, PF_EffectWorld* src, PF_EffectWorld* dst, PF_Rect* src_r,
                                     PF_Rect* dst_r)>,
              "PF_WorldTransformSuite1::copy_hq signature");
static_assert(offsetof(PF_WorldTransformSuite1, transfer_rect) == 40, "PF_WorldTransformSuite1::transfer_rect slot 5");
static_assert(
    declared_as<decltype(PF_WorldTransformSuite1::transfer_rect),
                PF_Err (*)(PF_ProgPtr effect_ref, PF_Quality quality, PF_ModeFlags m_flags, PF_Field field,
                           const PF_Rect* src_rec, const PF_EffectWorld* src_world, const PF_CompositeMode* comp_mode,
                           const PF_MaskWorld* mask_world0, A_long dest_x, A_long dest_y, PF_EffectWorld* dst_world)>,
    "PF_WorldTransformSuite1::transfer_rect signature");
static_assert(offsetof(PF_WorldTransformSuite1, transform_world) == 48,
              "PF_WorldTransformSuite1::transform_world slot 6");
static_assert(
    declared_as<decltype(PF_WorldTransformSuite1::transform_world),
                PF_Err (*)(PF_ProgPtr effect_ref, PF_Quality quality, PF_ModeFlags m_flags, PF_Field field,
                           const PF_EffectWorld* src_world, const PF_CompositeMode* comp_mode,
                           const PF_MaskWorld* mask_world0, const PF_FloatMatrix* matrices, A_long num_matrices,
                           PF_Boolean src2dst_matrix, const PF_Rect* dest_rect, PF_EffectWorld* dst_world)>,
    "PF_WorldTransformSuite1::transform_world signature");

// PF_FillMatteSuite2
static_assert(sizeof(PF_FillMatteSuite2) == 56, "sizeof PF_FillMatteSuite2");
static_assert(alignof(PF_FillMatteSuite2) == 8, "alignof PF_FillMatteSuite2");
static_assert(offsetof(PF_FillMatteSuite2, fill) == 0, "PF_FillMatteSuite2::fill slot 0");
static_assert(
    declared_as<decltype(PF_FillMatteSuite2::fill), PF_Err (*)(PF_ProgPtr effect_ref, const PF_Pixel* color,
                                                               const PF_Rect* dst_rect, PF_EffectWorld* world)>,
    "PF_FillMatteSuite2::fill signature");
static_assert(offsetof(PF_FillMatteSuite2, fill16) == 8, "PF_FillMatteSuite2::fill16 slot 1");
static_assert(
    declared_as<decltype(PF_FillMatteSuite2::fill16), PF_Err (*)(PF_ProgPtr effect_ref, const PF_Pixel16* color,
                                                                 const PF_Rect* dst_rect, PF_EffectWorld* world)>,
    "PF_FillMatteSuite2::fill16 signature");
static_assert(offsetof(PF_FillMatteSuite2, fill_float) == 16, "PF_FillMatteSuite2::fill_float slot 2");
static_assert(
    declared_as<decltype(PF_FillMatteSuite2::fill_float), PF_Err (*)(PF_ProgPtr effect_ref, const PF_PixelFloat* color,
                                                                     const PF_Rect* dst_rect, PF_EffectWorld* world)>,
    "PF_FillMatteSuite2::fill_float signature");
static_assert(offsetof(PF_FillMatteSuite2, premultiply) == 24, "PF_FillMatteSuite2::premultiply slot 3");
static_assert(declared_as<decltype(PF_FillMatteSuite2::premultiply),
                          PF_Err (*)(PF_ProgPtr effect_ref, A_long forward, PF_EffectWorld* dst)>,
              "PF_FillMatteSuite2::premultiply signature");
static_assert(offsetof(PF_FillMatteSuite2, premultiply_color) == 32, "PF_FillMatteSuite2::premultiply_color slot 4");
static_assert(declared_as<decltype(PF_FillMatteSuite2::premultiply_color),
                          PF_Err (*)(PF_ProgPtr effect_ref, PF_EffectWorld* src, const PF_Pixel* color, A_long forward,
                                     PF_EffectWorld* dst)>,
              "PF_FillMatteSuite2::premultiply_color signature");
static_assert(offsetof(PF_FillMatteSuite2, premultiply_color16) == 40,
              "PF_FillMatteSuite2::premultiply_color16 slot 5");
static_assert(declared_as<decltype(PF_FillMatteSuite2::premultiply_color16),
                          PF_Err (*)(PF_ProgPtr effect_ref, PF_EffectWorld* src, const PF_Pixel16* color,
                                     A_long forward, PF_EffectWorld* dst)>,
              "PF_FillMatteSuite2::premultiply_color16 signature");
static_assert(offsetof(PF_FillMatteSuite2, premultiply_color_float) == 48,
              "PF_FillMatteSuite2::premultiply_color_float slot 6");
static_assert(declared_as<decltype(PF_FillMatteSuite2::premultiply_color_float),
                          PF_Err (*)(PF_ProgPtr effect_ref, PF_EffectWorld* src, const PF_PixelFloat* color,
                                     A_long forward, PF_EffectWorld* dst)>,
              "PF_FillMatteSuite2::premultiply_color_float signature");

// PF_ParamUtilsSuite3
static_assert(sizeof(PF_ParamUtilsSuite3) == 72, "sizeof PF_ParamUtilsSuite3");
static_assert(alignof(PF_ParamUtilsSuite3) == 8, "alignof PF_ParamUtilsSuite3");
static_assert(offsetof(PF_ParamUtilsSuite3, PF_UpdateParamUI) == 0, "PF_ParamUtilsSuite3::PF_UpdateParamUI slot 0");
static_assert(declared_as<decltype(PF_ParamUtilsSuite3::PF_UpdateParamUI),
                          PF_Err (*)(PF_ProgPtr effect_ref, PF_ParamIndex param_index, const PF_ParamDef* defP)>,
              "PF_ParamUtilsSuite3::PF_UpdateParamUI signature");
static_assert(offsetof(PF_ParamUtilsSuite3, PF_GetCurrentState) == 8, "PF_ParamUtilsSuite3::PF_GetCurrentState slot 1");
static_assert(declared_as<decltype(PF_ParamUtilsSuite3::PF_GetCurrentState),
                          PF_Err (*)(PF_ProgPtr effect_ref, PF_ParamIndex param_index, const A_Time* startPT0,
                                     const A_Time* durationPT0, PF_State* stateP)>,
              "PF_ParamUtilsSuite3::PF_GetCurrentState signature");
static_assert(offsetof(PF_ParamUtilsSuite3, PF_AreStatesIdentical) == 16,
              "PF_ParamUtilsSuite3::PF_AreStatesIdentical slot 2");
static_assert(
    declared_as<decltype(PF_ParamUtilsSuite3::PF_AreStatesIdentical),
                PF_Err (*)(PF_ProgPtr effect_ref, const PF_State* state1P, const PF_State* state2P, A_Boolean* samePB)>,
    "PF_ParamUtilsSuite3::PF_AreStatesIdentical signature");
static_assert(offsetof(PF_ParamUtilsSuite3, PF_IsIdenticalCheckout) == 24,
              "PF_ParamUtilsSuite3::PF_IsIdenticalCheckout slot 3");
static_assert(declared_as<decltype(PF_ParamUtilsSuite3::PF_IsIdenticalCheckout),
                          PF_Err (*)(PF_ProgPtr effect_ref, PF_ParamIndex param_index, A_long what_time1,
                                     A_long time_step1, A_u_long time_scale1, A_long what_time2, A_long time_step2,
                                     A_u_long time_scale2, PF_Boolean* identicalPB)>,
              "PF_ParamUtilsSuite3::PF_IsIdenticalCheckout signature");
static_assert(offsetof(PF_ParamUtilsSuite3, PF_FindKeyframeTime) == 32,
              "PF_ParamUtilsSuite3::PF_FindKeyframeTime slot 4");
static_assert(declared_as<decltype(PF_ParamUtilsSuite3::PF_FindKeyframeTime),
                          PF_Err (*)(PF_ProgPtr effect_ref, PF_ParamIndex param_index, A_long what_time,
                                     A_u_long time_scale, PF_TimeDir time_dir, PF_Boolean* foundPB,
                                     PF_KeyIndex* key_indexP0, A_long* key_timeP0, A_u_long* key_timescaleP0)>,
              "PF_ParamUtilsSuite3::PF_FindKeyframeTime signature");
static_assert(offsetof(PF_ParamUtilsSuite3, PF_GetKeyframeCount) == 40,
              "PF_ParamUtilsSuite3::PF_GetKeyframeCount slot 5");
static_assert(declared_as<decltype(PF_ParamUtilsSuite3::PF_GetKeyframeCount),
                          PF_Err (*)(PF_ProgPtr effect_ref, PF_ParamIndex param_index, PF_KeyIndex* key_countP)>,
              "PF_ParamUtilsSuite3::PF_GetKeyframeCount signature");
static_assert(offsetof(PF_ParamUtilsSuite3, PF_CheckoutKeyframe) == 48,
              "PF_ParamUtilsSuite3::PF_CheckoutKeyframe slot 6");
static_assert(declared_as<decltype(PF_ParamUtilsSuite3::PF_CheckoutKeyframe),
                          PF_Err (*)(PF_ProgPtr effect_ref, PF_ParamIndex param_index, PF_KeyIndex key_index,
                                     A_long* key_timeP0, A_u_long* key_timescaleP0, PF_ParamDef* paramP0)>,
              "PF_ParamUtilsSuite3::PF_CheckoutKeyframe signature");
static_assert(offsetof(PF_ParamUtilsSuite3, PF_CheckinKeyframe) == 56,
              "PF_ParamUtilsSuite3::PF_CheckinKeyframe slot 7");
static_assert(declared_as<decltype(PF_ParamUtilsSuite3::PF_CheckinKeyframe),
                          PF_Err (*)(PF_ProgPtr effect_ref, PF_ParamDef* paramP)>,
              "PF_ParamUtilsSuite3::PF_CheckinKeyframe signature");
static_assert(offsetof(PF_ParamUtilsSuite3, PF_KeyIndexToTime) == 64, "PF_ParamUtilsSuite3::PF_KeyIndexToTime slot 8");
static_assert(declared_as<decltype(PF_ParamUtilsSuite3::PF_KeyIndexToTime),
                          PF_Err (*)(PF_ProgPtr effect_ref, PF_ParamIndex param_index, PF_KeyIndex key_indexP,
                                     A_long* key_timeP, A_u_long* key_timescaleP)>,
              "PF_ParamUtilsSuite3::PF_KeyIndexToTime signature");

// PF_ColorParamSuite1
static_assert(sizeof(PF_ColorParamSuite1) == 8, "sizeof PF_ColorParamSuite1");
static_assert(alignof(PF_ColorParamSuite1) == 8, "alignof PF_ColorParamSuite1");
static_assert(offsetof(PF_ColorParamSuite1, PF_GetFloatingPointColorFromColorDef) == 0,
              "PF_ColorParamSuite1::PF_GetFloatingPointColorFromColorDef slot 0");
static_assert(declared_as<decltype(PF_ColorParamSuite1::PF_GetFloatingPointColorFromColorDef),
                          PF_Err (*)(PF_ProgPtr effect_ref, const PF_ParamDef* color_defP, PF_PixelFloat* fp_colorP)>,
              "PF_ColorParamSuite1::PF_GetFloatingPointColorFromColorDef signature");

// PF_PointParamSuite1
static_assert(sizeof(PF_PointParamSuite1) == 8, "sizeof PF_PointParamSuite1");
static_assert(alignof(PF_PointParamSuite1) == 8, "alignof PF_PointParamSuite1");
static_assert(offsetof(PF_PointParamSuite1, PF_GetFloatingPointValueFromPointDef) == 0,
              "PF_PointParamSuite1::PF_GetFloatingPointValueFromPointDef slot 0");
static_assert(declared_as<decltype(PF_PointParamSuite1::PF_GetFloatingPointValueFromPointDef),
                          PF_Err (*)(PF_ProgPtr effect_ref, const PF_ParamDef* point_defP, A_FloatPoint* fp_pointP)>,
              "PF_PointParamSuite1::PF_GetFloatingPointValueFromPointDef signature");

// PF_AngleParamSuite1
static_assert(sizeof(PF_AngleParamSuite1) == 8, "sizeof PF_AngleParamSuite1");
static_assert(alignof(PF_AngleParamSuite1) == 8, "alignof PF_AngleParamSuite1");
static_assert(offsetof(PF_AngleParamSuite1, PF_GetFloatingPointValueFromAngleDef) == 0,
              "PF_AngleParamSuite1::PF_GetFloatingPointValueFromAngleDef slot 0");
static_assert(declared_as<decltype(PF_AngleParamSuite1::PF_GetFloatingPointValueFromAngleDef),
                          PF_Err (*)(PF_ProgPtr effect_ref, const PF_ParamDef* angle_defP, A_FpLong* fp_valueP)>,
              "PF_AngleParamSuite1::PF_GetFloatingPointValueFromAngleDef signature");

// PF_EffectUISuite1
static_assert(sizeof(PF_EffectUISuite1) == 8, "sizeof PF_EffectUISuite1");
static_assert(alignof(PF_EffectUISuite1) == 8, "alignof PF_EffectUISuite1");
static_assert(offsetof(PF_EffectUISuite1, PF_SetOptionsButtonName) == 0,
              "PF_EffectUISuite1::PF_SetOptionsButtonName slot 0");
static_assert(declared_as<decltype(PF_EffectUISuite1::PF_SetOptionsButtonName),
                          PF_Err (*)(PF_ProgPtr effect_ref, const A_char* nameZ)>,
              "PF_EffectUISuite1::PF_SetOptionsButtonName signature");

// PF_EffectCustomUISuite1
static_assert(sizeof(PF_EffectCustomUISuite1) == 8, "sizeof PF_EffectCustomUISuite1");
static_assert(alignof(PF_EffectCustomUISuite1) == 8, "alignof PF_EffectCustomUISuite1");
static_assert(offsetof(PF_EffectCustomUISuite1, PF_GetDrawingReference) == 0,
              "PF_EffectCustomUISuite1::PF_GetDrawingReference slot 0");
static_assert(declared_as<decltype(PF_EffectCustomUISuite1::PF_GetDrawingReference),
                          PF_Err (*)(const PF_ContextH effect_contextH, DRAWBOT_DrawRef* referenceP0)>,
              "PF_EffectCustomUISuite1::PF_GetDrawingReference signature");

// PF_EffectCustomUISuite2
static_assert(sizeof(PF_EffectCustomUISuite2) == 16, "sizeof PF_EffectCustomUISuite2");
static_assert(alignof(PF_EffectCustomUISuite2) == 8, "alignof PF_EffectCustomUISuite2");
static_assert(offsetof(PF_EffectCustomUISuite2, PF_GetDrawingReference) == 0,
              "PF_EffectCustomUISuite2::PF_GetDrawingReference slot 0");
static_assert(declared_as<decltype(PF_EffectCustomUISuite2::PF_GetDrawingReference),
                          PF_Err (*)(const PF_ContextH effect_contextH, DRAWBOT_DrawRef* referenceP0)>,
              "PF_EffectCustomUISuite2::PF_GetDrawingReference signature");
static_assert(offsetof(PF_EffectCustomUISuite2, PF_GetContextAsyncManager) == 8,
              "PF_EffectCustomUISuite2::PF_GetContextAsyncManager slot 1");
static_assert(declared_as<decltype(PF_EffectCustomUISuite2::PF_GetContextAsyncManager),
                          PF_Err (*)(PF_InData* in_data, PF_EventExtra* extra, PF_AsyncManagerP* managerPP0)>,
              "PF_EffectCustomUISuite2::PF_GetContextAsyncManager signature");

// PF_EffectCustomUIOverlayThemeSuite1
static_assert(sizeof(PF_EffectCustomUIOverlayThemeSuite1) == 64, "sizeof PF_EffectCustomUIOverlayThemeSuite1");
static_assert(alignof(PF_EffectCustomUIOverlayThemeSuite1) == 8, "alignof PF_EffectCustomUIOverlayThemeSuite1");
static_assert(offsetof(PF_EffectCustomUIOverlayThemeSuite1, PF_GetPreferredForegroundColor) == 0,
              "PF_EffectCustomUIOverlayThemeSuite1::PF_GetPreferredForegroundColor slot 0");
static_assert(declared_as<decltype(PF_EffectCustomUIOverlayThemeSuite1::PF_GetPreferredForegroundColor),
                          PF_Err (*)(DRAWBOT_ColorRGBA* foreground_colorP)>,
              "PF_EffectCustomUIOverlayThemeSuite1::PF_GetPreferredForegroundColor signature");
static_assert(offsetof(PF_EffectCustomUIOverlayThemeSuite1, PF_GetPreferredShadowColor) == 8,
              "PF_EffectCustomUIOverlayThemeSuite1::PF_GetPreferredShadowColor slot 1");
static_assert(declared_as<decltype(PF_EffectCustomUIOverlayThemeSuite1::PF_GetPreferredShadowColor),
                          PF_Err (*)(DRAWBOT_ColorRGBA* shadow_colorP)>,
              "PF_EffectCustomUIOverlayThemeSuite1::PF_GetPreferredShadowColor signature");
static_assert(offsetof(PF_EffectCustomUIOverlayThemeSuite1, PF_GetPreferredStrokeWidth) == 16,
              "PF_EffectCustomUIOverlayThemeSuite1::PF_GetPreferredStrokeWidth slot 2");
static_assert(declared_as<decltype(PF_EffectCustomUIOverlayThemeSuite1::PF_GetPreferredStrokeWidth),
                          PF_Err (*)(float* stroke_widthPF)>,
              "PF_EffectCustomUIOverlayThemeSuite1::PF_GetPreferredStrokeWidth signature");
static_assert(offsetof(PF_EffectCustomUIOverlayThemeSuite1, PF_GetPreferredVertexSize) == 24,
              "PF_EffectCustomUIOverlayThemeSuite1::PF_GetPreferredVertexSize slot 3");
static_assert(declared_as<decltype(PF_EffectCustomUIOverlayThemeSuite1::PF_GetPreferredVertexSize),
                          PF_Err (*)(float* vertex_sizePF)>,
              "PF_EffectCustomUIOverlayThemeSuite1::PF_GetPreferredVertexSize signature");
static_assert(offsetof(PF_EffectCustomUIOverlayThemeSuite1, PF_GetPreferredShadowOffset) == 32,
              "PF_EffectCustomUIOverlayThemeSuite1::PF_GetPreferredShadowOffset slot 4");
static_assert(declared_as<decltype(PF_EffectCustomUIOverlayThemeSuite1::PF_GetPreferredShadowOffset),
                          PF_Err (*)(A_LPoint* shadow_offsetP)>,
              "PF_EffectCustomUIOverlayThemeSuite1::PF_GetPreferredShadowOffset signature");
static_assert(offsetof(PF_EffectCustomUIOverlayThemeSuite1, PF_StrokePath) == 40,
              "PF_EffectCustomUIOverlayThemeSuite1::PF_StrokePath slot 5");
static_assert(
    declared_as<decltype(PF_EffectCustomUIOverlayThemeSuite1::PF_StrokePath),
                PF_Err (*)(const DRAWBOT_DrawRef drawbot_ref, const DRAWBOT_PathRef path_ref, PF_Boolean draw_shadowB)>,
    "PF_EffectCustomUIOverlayThemeSuite1::PF_StrokePath signature");
static_assert(offsetof(PF_EffectCustomUIOverlayThemeSuite1, PF_FillPath) == 48,
              "PF_EffectCustomUIOverlayThemeSuite1::PF_FillPath slot 6");
static_assert(
    declared_as<decltype(PF_EffectCustomUIOverlayThemeSuite1::PF_FillPath),
                PF_Err (*)(const DRAWBOT_DrawRef drawbot_ref, const DRAWBOT_PathRef path_ref, PF_Boolean draw_shadowB)>,
    "PF_EffectCustomUIOverlayThemeSuite1::PF_FillPath signature");
static_assert(offsetof(PF_EffectCustomUIOverlayThemeSuite1, PF_FillVertex) == 56,
              "PF_EffectCustomUIOverlayThemeSuite1::PF_FillVertex slot 7");
static_assert(declared_as<decltype(PF_EffectCustomUIOverlayThemeSuite1::PF_FillVertex),
                          PF_Err (*)(const DRAWBOT_DrawRef drawbot_ref, const A_FloatPoint* center_pointP,
                                     PF_Boolean draw_shadowB)>,
              "PF_EffectCustomUIOverlayThemeSuite1::PF_FillVertex signature");

// PF_EffectSequenceDataSuite1
static_assert(sizeof(PF_EffectSequenceDataSuite1) == 8, "sizeof PF_EffectSequenceDataSuite1");
static_assert(alignof(PF_EffectSequenceDataSuite1) == 8, "alignof PF_EffectSequenceDataSuite1");
static_assert(offsetof(PF_EffectSequenceDataSuite1, PF_GetConstSequenceData) == 0,
              "PF_EffectSequenceDataSuite1::PF_GetConstSequenceData slot 0");
static_assert(declared_as<decltype(PF_EffectSequenceDataSuite1::PF_GetConstSequenceData),
                          PF_Err (*)(PF_ProgPtr effect_ref, PF_ConstHandle* sequence_data)>,
              "PF_EffectSequenceDataSuite1::PF_GetConstSequenceData signature");

// PF_TransitionSuite
static_assert(sizeof(PF_TransitionSuite) == 24, "sizeof PF_TransitionSuite");
static_assert(alignof(PF_TransitionSuite) == 8, "alignof PF_TransitionSuite");
static_assert(offsetof(PF_TransitionSuite, RegisterTransitionInputParam) == 0,
              "PF_TransitionSuite::RegisterTransitionInputParam slot 0");
static_assert(declared_as<decltype(PF_TransitionSuite::RegisterTransitionInputParam),
                          PF_Err (*)(PF_ProgPtr inEffectRef, PF_ParamIndex inIndex)>,
              "PF_TransitionSuite::RegisterTransitionInputParam signature");
static_assert(offsetof(PF_TransitionSuite, RegisterTransitionStartParam) == 8,
              "PF_TransitionSuite::RegisterTransitionStartParam slot 1");
static_assert(declared_as<decltype(PF_TransitionSuite::RegisterTransitionStartParam),
                          PF_Err (*)(PF_ProgPtr inEffectRef, PF_ParamIndex inIndex)>,
              "PF_TransitionSuite::RegisterTransitionStartParam signature");
static_assert(offsetof(PF_TransitionSuite, RegisterTransitionEndParam) == 16,
              "PF_TransitionSuite::RegisterTransitionEndParam slot 2");
static_assert(declared_as<decltype(PF_TransitionSuite::RegisterTransitionEndParam),
                          PF_Err (*)(PF_ProgPtr inEffectRef, PF_ParamIndex inIndex)>,
              "PF_TransitionSuite::RegisterTransitionEndParam signature");

// PF_CacheOnLoadSuite1
static_assert(sizeof(PF_CacheOnLoadSuite1) == 8, "sizeof PF_CacheOnLoadSuite1");
static_assert(alignof(PF_CacheOnLoadSuite1) == 8, "alignof PF_CacheOnLoadSuite1");
static_assert(offsetof(PF_CacheOnLoadSuite1, PF_SetNoCacheOnLoad) == 0,
              "PF_CacheOnLoadSuite1::PF_SetNoCacheOnLoad slot 0");
static_assert(declared_as<decltype(PF_CacheOnLoadSuite1::PF_SetNoCacheOnLoad),
                          PF_Err (*)(PF_ProgPtr effect_ref, long effectAvailable)>,
              "PF_CacheOnLoadSuite1::PF_SetNoCacheOnLoad signature");

// PF_UtilitySuite4
static_assert(sizeof(PF_UtilitySuite4) == 104, "sizeof PF_UtilitySuite4");
static_assert(alignof(PF_UtilitySuite4) == 8, "alignof PF_UtilitySuite4");
static_assert(offsetof(PF_UtilitySuite4, GetFilterInstanceID) == 0, "PF_UtilitySuite4::GetFilterInstanceID slot 0");
static_assert(declared_as<decltype(PF_UtilitySuite4::GetFilterInstanceID),
                          PF_Err (*)(PF_ProgPtr effect_ref, A_long* outFilterInstanceID)>,
              "PF_UtilitySuite4::GetFilterInstanceID signature");
static_assert(offsetof(PF_UtilitySuite4, GetMediaTimecode) == 8, "PF_UtilitySuite4::GetMediaTimecode slot 1");
static_assert(declared_as<decltype(PF_UtilitySuite4::GetMediaTimecode),
                          PF_Err (*)(PF_ProgPtr effect_ref, A_long* outCurrentFrame, PF_TimeDisplay* outTimeDisplay)>,
              "PF_UtilitySuite4::GetMediaTimecode signature");
static_assert(offsetof(PF_UtilitySuite4, GetClipSpeed) == 16, "PF_UtilitySuite4::GetClipSpeed slot 2");
static_assert(declared_as<decltype(PF_UtilitySuite4::GetClipSpeed), PF_Err (*)(PF_ProgPtr effect_ref, double* speed)>,
              "PF_UtilitySuite4::GetClipSpeed signature");
static_assert(offsetof(PF_UtilitySuite4, GetClipDuration) == 24, "PF_UtilitySuite4::GetClipDuration slot 3");
static_assert(
    declared_as<decltype(PF_UtilitySuite4::GetClipDuration), PF_Err (*)(PF_ProgPtr effect_ref, A_long* frameDuration)>,
    "PF_UtilitySuite4::GetClipDuration signature");
static_assert(offsetof(PF_UtilitySuite4, GetClipStart) == 32, "PF_UtilitySuite4::GetClipStart slot 4");
static_assert(
    declared_as<decltype(PF_UtilitySuite4::GetClipStart), PF_Err (*)(PF_ProgPtr effect_ref, A_long* frameDuration)>,
    "PF_UtilitySuite4::GetClipStart signature");
static_assert(offsetof(PF_UtilitySuite4, GetUnscaledClipDuration) == 40,
              "PF_UtilitySuite4::GetUnscaledClipDuration slot 5");
static_assert(declared_as<decltype(PF_UtilitySuite4::GetUnscaledClipDuration),
                          PF_Err (*)(PF_ProgPtr effect_ref, A_long* frameDuration)>,
              "PF_UtilitySuite4::GetUnscaledClipDuration signature");
static_assert(offsetof(PF_UtilitySuite4, GetUnscaledClipStart) == 48, "PF_UtilitySuite4::GetUnscaledClipStart slot 6");
static_assert(declared_as<decltype(PF_UtilitySuite4::GetUnscaledClipStart),
                          PF_Err (*)(PF_ProgPtr effect_ref, A_long* frameDuration)>,
              "PF_UtilitySuite4::GetUnscaledClipStart signature");
static_assert(offsetof(PF_UtilitySuite4, GetTrackItemStart) == 56, "PF_UtilitySuite4::GetTrackItemStart slot 7");
static_assert(declared_as<decltype(PF_UtilitySuite4::GetTrackItemStart),
                          PF_Err (*)(PF_ProgPtr effect_ref, A_long* frameDuration)>,
              "PF_UtilitySuite4::GetTrackItemStart signature");
static_assert(offsetof(PF_UtilitySuite4, GetMediaFieldType) == 64, "PF_UtilitySuite4::GetMediaFieldType slot 8");
static_assert(declared_as<decltype(PF_UtilitySuite4::GetMediaFieldType),
                          PF_Err (*)(PF_ProgPtr effect_ref, prFieldType* outFieldType)>,
              "PF_UtilitySuite4::GetMediaFieldType signature");
static_assert(offsetof(PF_UtilitySuite4, GetMediaFrameRate) == 72, "PF_UtilitySuite4::GetMediaFrameRate slot 9");
static_assert(declared_as<decltype(PF_UtilitySuite4::GetMediaFrameRate),
                          PF_Err (*)(PF_ProgPtr effect_ref, PrTime* outTicksPerFrame)>,
              "PF_UtilitySuite4::GetMediaFrameRate signature");
static_assert(offsetof(PF_UtilitySuite4, GetContainingTimelineID) == 80,
              "PF_UtilitySuite4::GetContainingTimelineID slot 10");
static_assert(declared_as<decltype(PF_UtilitySuite4::GetContainingTimelineID),
                          PF_Err (*)(PF_ProgPtr effect_ref, PrTimelineID* outTimelineID)>,
              "PF_UtilitySuite4::GetContainingTimelineID signature");
static_assert(offsetof(PF_UtilitySuite4, GetClipName) == 88, "PF_UtilitySuite4::GetClipName slot 11");
static_assert(
    declared_as<decltype(PF_UtilitySuite4::GetClipName), PF_Err (*)(PF_ProgPtr effect_ref, PrSDKString* outSDKString)>,
    "PF_UtilitySuite4::GetClipName signature");
static_assert(offsetof(PF_UtilitySuite4, EffectWantsCheckedOutFramesToMatchRenderPixelFormat) == 96,
              "PF_UtilitySuite4::EffectWantsCheckedOutFramesToMatchRenderPixelFormat slot 12");
static_assert(declared_as<decltype(PF_UtilitySuite4::EffectWantsCheckedOutFramesToMatchRenderPixelFormat),
                          PF_Err (*)(PF_ProgPtr effect_ref)>,
              "PF_UtilitySuite4::EffectWantsCheckedOutFramesToMatchRenderPixelFormat signature");

// PF_AdvAppSuite1
static_assert(sizeof(PF_AdvAppSuite1) == 80, "sizeof PF_AdvAppSuite1");
static_assert(alignof(PF_AdvAppSuite1) == 8, "alignof PF_AdvAppSuite1");
static_assert(offsetof(PF_AdvAppSuite1, PF_SetProjectDirty) == 0, "PF_AdvAppSuite1::PF_SetProjectDirty slot 0");
static_assert(declared_as<decltype(PF_AdvAppSuite1::PF_SetProjectDirty), PF_Err (*)(void)>,
              "PF_AdvAppSuite1::PF_SetProjectDirty signature");
static_assert(offsetof(PF_AdvAppSuite1, PF_SaveProject) == 8, "PF_AdvAppSuite1::PF_SaveProject slot 1");
static_assert(declared_as<decltype(PF_AdvAppSuite1::PF_SaveProject), PF_Err (*)(void)>,
              "PF_AdvAppSuite1::PF_SaveProject signature");
static_assert(offsetof(PF_AdvAppSuite1, PF_SaveBackgroundState) == 16,
              "PF_AdvAppSuite1::PF_SaveBackgroundState slot 2");
static_assert(declared_as<decltype(PF_AdvAppSuite1::PF_SaveBackgroundState), PF_Err (*)(void)>,
              "PF_AdvAppSuite1::PF_SaveBackgroundState signature");
static_assert(offsetof(PF_AdvAppSuite1, PF_ForceForeground) == 24, "PF_AdvAppSuite1::PF_ForceForeground slot 3");
static_assert(declared_as<decltype(PF_AdvAppSuite1::PF_ForceForeground), PF_Err (*)(void)>,
              "PF_AdvAppSuite1::PF_ForceForeground signature");
static_assert(offsetof(PF_AdvAppSuite1, PF_RestoreBackgroundState) == 32,
              "PF_AdvAppSuite1::PF_RestoreBackgroundState slot 4");
static_assert(declared_as<decltype(PF_AdvAppSuite1::PF_RestoreBackgroundState), PF_Err (*)(void)>,
              "PF_AdvAppSuite1::PF_RestoreBackgroundState signature");
static_assert(offsetof(PF_AdvAppSuite1, PF_RefreshAllWindows) == 40, "PF_AdvAppSuite1::PF_RefreshAllWindows slot 5");
static_assert(declared_as<decltype(PF_AdvAppSuite1::PF_RefreshAllWindows), PF_Err (*)(void)>,
              "PF_AdvAppSuite1::PF_RefreshAllWindows signature");
static_assert(offsetof(PF_AdvAppSuite1, PF_InfoDrawText) == 48, "PF_AdvAppSuite1::PF_InfoDrawText slot 6");
static_assert(
    declared_as<decltype(PF_AdvAppSuite1::PF_InfoDrawText), PF_Err (*)(const A_char* line1Z0, const A_char* line2Z0)>,
    "PF_AdvAppSuite1::PF_InfoDrawText signature");
static_assert(offsetof(PF_AdvAppSuite1, PF_InfoDrawColor) == 56, "PF_AdvAppSuite1::PF_InfoDrawColor slot 7");
static_assert(declared_as<decltype(PF_AdvAppSuite1::PF_InfoDrawColor), PF_Err (*)(PF_Pixel color)>,
              "PF_AdvAppSuite1::PF_InfoDrawColor signature");
static_assert(offsetof(PF_AdvAppSuite1, PF_InfoDrawText3) == 64, "PF_AdvAppSuite1::PF_InfoDrawText3 slot 8");
static_assert(declared_as<decltype(PF_AdvAppSuite1::PF_InfoDrawText3),
                          PF_Err (*)(const A_char* line1Z0, const A_char* line2Z0, const A_char* line3Z0)>,
              "PF_AdvAppSuite1::PF_InfoDrawText3 signature");
static_assert(offsetof(PF_AdvAppSuite1, PF_InfoDrawText3Plus) == 72, "PF_AdvAppSuite1::PF_InfoDrawText3Plus slot 9");
static_assert(declared_as<decltype(PF_AdvAppSuite1::PF_InfoDrawText3Plus),
                          PF_Err (*)(const A_char* line1Z0, const A_char* line2_jrZ0, const A_char* line2_jlZ0,
                                     const A_char* line3_jrZ0, const A_char* line3_jlZ0)>,
              "PF_AdvAppSuite1::PF_InfoDrawText3Plus signature");

// PF_AdvAppSuite2
static_assert(sizeof(PF_AdvAppSuite2) == 88, "sizeof PF_AdvAppSuite2");
static_assert(alignof(PF_AdvAppSuite2) == 8, "alignof PF_AdvAppSuite2");
static_assert(offsetof(PF_AdvAppSuite2, PF_SetProjectDirty) == 0, "PF_AdvAppSuite2::PF_SetProjectDirty slot 0");
static_assert(declared_as<decltype(PF_AdvAppSuite2::PF_SetProjectDirty), PF_Err (*)(void)>,
              "PF_AdvAppSuite2::PF_SetProjectDirty signature");
static_assert(offsetof(PF_AdvAppSuite2, PF_SaveProject) == 8, "PF_AdvAppSuite2::PF_SaveProject slot 1");
static_assert(declared_as<decltype(PF_AdvAppSuite2::PF_SaveProject), PF_Err (*)(void)>,
              "PF_AdvAppSuite2::PF_SaveProject signature");
static_assert(offsetof(PF_AdvAppSuite2, PF_SaveBackgroundState) == 16,
              "PF_AdvAppSuite2::PF_SaveBackgroundState slot 2");
static_assert(declared_as<decltype(PF_AdvAppSuite2::PF_SaveBackgroundState), PF_Err (*)(void)>,
              "PF_AdvAppSuite2::PF_SaveBackgroundState signature");
static_assert(offsetof(PF_AdvAppSuite2, PF_ForceForeground) == 24, "PF_AdvAppSuite2::PF_ForceForeground slot 3");
static_assert(declared_as<decltype(PF_AdvAppSuite2::PF_ForceForeground), PF_Err (*)(void)>,
              "PF_AdvAppSuite2::PF_ForceForeground signature");
static_assert(offsetof(PF_AdvAppSuite2, PF_RestoreBackgroundState) == 32,
              "PF_AdvAppSuite2::PF_RestoreBackgroundState slot 4");
static_assert(declared_as<decltype(PF_AdvAppSuite2::PF_RestoreBackgroundState), PF_Err (*)(void)>,
              "PF_AdvAppSuite2::PF_RestoreBackgroundState signature");
static_assert(offsetof(PF_AdvAppSuite2, PF_RefreshAllWindows) == 40, "PF_AdvAppSuite2::PF_RefreshAllWindows slot 5");
static_assert(declared_as<decltype(PF_AdvAppSuite2::PF_RefreshAllWindows), PF_Err (*)(void)>,
              "PF_AdvAppSuite2::PF_RefreshAllWindows signature");
static_assert(offsetof(PF_AdvAppSuite2, PF_InfoDrawText) == 48, "PF_AdvAppSuite2::PF_InfoDrawText slot 6");
static_assert(
    declared_as<decltype(PF_AdvAppSuite2::PF_InfoDrawText), PF_Err (*)(const A_char* line1Z0, const A_char* line2Z0)>,
    "PF_AdvAppSuite2::PF_InfoDrawText signature");
static_assert(offsetof(PF_AdvAppSuite2, PF_InfoDrawColor) == 56, "PF_AdvAppSuite2::PF_InfoDrawColor slot 7");
static_assert(declared_as<decltype(PF_AdvAppSuite2::PF_InfoDrawColor), PF_Err (*)(PF_Pixel color)>,
              "PF_AdvAppSuite2::PF_InfoDrawColor signature");
static_assert(offsetof(PF_AdvAppSuite2, PF_InfoDrawText3) == 64, "PF_AdvAppSuite2::PF_InfoDrawText3 slot 8");
static_assert(declared_as<decltype(PF_AdvAppSuite2::PF_InfoDrawText3),
                          PF_Err (*)(const A_char* line1Z0, const A_char* line2Z0, const A_char* line3Z0)>,
              "PF_AdvAppSuite2::PF_InfoDrawText3 signature");
static_assert(offsetof(PF_AdvAppSuite2, PF_InfoDrawText3Plus) == 72, "PF_AdvAppSuite2::PF_InfoDrawText3Plus slot 9");
static_assert(declared_as<decltype(PF_AdvAppSuite2::PF_InfoDrawText3Plus),
                          PF_Err (*)(const A_char* line1Z0, const A_char* line2_jrZ0, const A_char* line2_jlZ0,
                                     const A_char* line3_jrZ0, const A_char* line3_jlZ0)>,
              "PF_AdvAppSuite2::PF_InfoDrawText3Plus signature");
static_assert(offsetof(PF_AdvAppSuite2, PF_AppendInfoText) == 80, "PF_AdvAppSuite2::PF_AppendInfoText slot 10");
static_assert(declared_as<decltype(PF_AdvAppSuite2::PF_AppendInfoText), PF_Err (*)(const A_char* appendZ0)>,
              "PF_AdvAppSuite2::PF_AppendInfoText signature");

// PF_AdvItemSuite1
static_assert(sizeof(PF_AdvItemSuite1) == 40, "sizeof PF_AdvItemSuite1");
static_assert(alignof(PF_AdvItemSuite1) == 8, "alignof PF_AdvItemSuite1");
static_assert(offsetof(PF_AdvItemSuite1, PF_MoveTimeStep) == 0, "PF_AdvItemSuite1::PF_MoveTimeStep slot 0");
static_assert(declared_as<decltype(PF_AdvItemSuite1::PF_MoveTimeStep),
                          PF_Err (*)(PF_InData* in_data, PF_EffectWorld* world, PF_Step time_dir, A_long num_stepsL)>,
              "PF_AdvItemSuite1::PF_MoveTimeStep signature");
static_assert(offsetof(PF_AdvItemSuite1, PF_MoveTimeStepActiveItem) == 8,
              "PF_AdvItemSuite1::PF_MoveTimeStepActiveItem slot 1");
static_assert(
    declared_as<decltype(PF_AdvItemSuite1::PF_MoveTimeStepActiveItem), PF_Err (*)(PF_Step time_dir, A_long num_stepsL)>,
    "PF_AdvItemSuite1::PF_MoveTimeStepActiveItem signature");
static_assert(offsetof(PF_AdvItemSuite1, PF_TouchActiveItem) == 16, "PF_AdvItemSuite1::PF_TouchActiveItem slot 2");
static_assert(declared_as<decltype(PF_AdvItemSuite1::PF_TouchActiveItem), PF_Err (*)(void)>,
              "PF_AdvItemSuite1::PF_TouchActiveItem signature");
static_assert(offsetof(PF_AdvItemSuite1, PF_ForceRerender) == 24, "PF_AdvItemSuite1::PF_ForceRerender slot 3");
static_assert(
    declared_as<decltype(PF_AdvItemSuite1::PF_ForceRerender), PF_Err (*)(PF_InData* in_data, PF_EffectWorld* world)>,
    "PF_AdvItemSuite1::PF_ForceRerender signature");
static_assert(offsetof(PF_AdvItemSuite1, PF_EffectIsActiveOrEnabled) == 32,
              "PF_AdvItemSuite1::PF_EffectIsActiveOrEnabled slot 4");
static_assert(declared_as<decltype(PF_AdvItemSuite1::PF_EffectIsActiveOrEnabled),
                          PF_Err (*)(PF_ContextH contextH, PF_Boolean* enabledPB)>,
              "PF_AdvItemSuite1::PF_EffectIsActiveOrEnabled signature");

// PF_PixelDataSuite1
static_assert(sizeof(PF_PixelDataSuite1) == 24, "sizeof PF_PixelDataSuite1");
static_assert(alignof(PF_PixelDataSuite1) == 8, "alignof PF_PixelDataSuite1");
static_assert(offsetof(PF_PixelDataSuite1, get_pixel_data8) == 0, "PF_PixelDataSuite1::get_pixel_data8 slot 0");
static_assert(declared_as<decltype(PF_PixelDataSuite1::get_pixel_data8),
                          PF_Err (*)(PF_EffectWorld* worldP, PF_PixelPtr pixelsP0, PF_Pixel8** pixPP)>,
              "PF_PixelDataSuite1::get_pixel_data8 signature");
static_assert(offsetof(PF_PixelDataSuite1, get_pixel_data16) == 8, "PF_PixelDataSuite1::get_pixel_data16 slot 1");
static_assert(declared_as<decltype(PF_PixelDataSuite1::get_pixel_data16),
                          PF_Err (*)(PF_EffectWorld* worldP, PF_PixelPtr pixelsP0, PF_Pixel16** pixPP)>,
              "PF_PixelDataSuite1::get_pixel_data16 signature");
static_assert(offsetof(PF_PixelDataSuite1, get_pixel_data_float) == 16,
              "PF_PixelDataSuite1::get_pixel_data_float slot 2");
static_assert(declared_as<decltype(PF_PixelDataSuite1::get_pixel_data_float),
                          PF_Err (*)(PF_EffectWorld* worldP, PF_PixelPtr pixelsP0, PF_PixelFloat** pixPP)>,
              "PF_PixelDataSuite1::get_pixel_data_float signature");

// PF_PixelDataSuite2
static_assert(sizeof(PF_PixelDataSuite2) == 32, "sizeof PF_PixelDataSuite2");
static_assert(alignof(PF_PixelDataSuite2) == 8, "alignof PF_PixelDataSuite2");
static_assert(offsetof(PF_PixelDataSuite2, get_pixel_data8) == 0, "PF_PixelDataSuite2::get_pixel_data8 slot 0");
static_assert(declared_as<decltype(PF_PixelDataSuite2::get_pixel_data8),
                          PF_Err (*)(PF_EffectWorld* worldP, PF_PixelPtr pixelsP0, PF_Pixel8** pixPP)>,
              "PF_PixelDataSuite2::get_pixel_data8 signature");
static_assert(offsetof(PF_PixelDataSuite2, get_pixel_data16) == 8, "PF_PixelDataSuite2::get_pixel_data16 slot 1");
static_assert(declared_as<decltype(PF_PixelDataSuite2::get_pixel_data16),
                          PF_Err (*)(PF_EffectWorld* worldP, PF_PixelPtr pixelsP0, PF_Pixel16** pixPP)>,
              "PF_PixelDataSuite2::get_pixel_data16 signature");
static_assert(offsetof(PF_PixelDataSuite2, get_pixel_data_float) == 16,
              "PF_PixelDataSuite2::get_pixel_data_float slot 2");
static_assert(declared_as<decltype(PF_PixelDataSuite2::get_pixel_data_float),
                          PF_Err (*)(PF_EffectWorld* worldP, PF_PixelPtr pixelsP0, PF_PixelFloat** pixPP)>,
              "PF_PixelDataSuite2::get_pixel_data_float signature");
static_assert(offsetof(PF_PixelDataSuite2, get_pixel_data_float_gpu) == 24,
              "PF_PixelDataSuite2::get_pixel_data_float_gpu slot 3");
static_assert(declared_as<decltype(PF_PixelDataSuite2::get_pixel_data_float_gpu),
                          PF_Err (*)(PF_EffectWorld* worldP, void** pixPP)>,
              "PF_PixelDataSuite2::get_pixel_data_float_gpu signature");

// AEGP_UtilitySuite3
static_assert(sizeof(AEGP_UtilitySuite3) == 200, "sizeof AEGP_UtilitySuite3");
static_assert(alignof(AEGP_UtilitySuite3) == 8, "alignof AEGP_UtilitySuite3");
static_assert(offsetof(AEGP_UtilitySuite3, AEGP_ReportInfo) == 0, "AEGP_UtilitySuite3::AEGP_ReportInfo slot 0");
static_assert(declared_as<decltype(AEGP_UtilitySuite3::AEGP_ReportInfo),
                          A_Err (*)(AEGP_PluginID aegp_plugin_id, const A_char* info_stringZ)>,
              "AEGP_UtilitySuite3::AEGP_ReportInfo signature");
static_assert(offsetof(AEGP_UtilitySuite3, AEGP_GetDriverPluginInitFuncVersion) == 8,
              "AEGP_UtilitySuite3::AEGP_GetDriverPluginInitFuncVersion slot 1");
static_assert(declared_as<decltype(AEGP_UtilitySuite3::AEGP_GetDriverPluginInitFuncVersion),
                          A_Err (*)(A_short* major_versionPS, A_short* minor_versionPS)>,
              "AEGP_UtilitySuite3::AEGP_GetDriverPluginInitFuncVersion signature");
static_assert(offsetof(AEGP_UtilitySuite3, AEGP_GetDriverImplementationVersion) == 16,
              "AEGP_UtilitySuite3::AEGP_GetDriverImplementationVersion slot 2");
static_assert(declared_as<decltype(AEGP_UtilitySuite3::AEGP_GetDriverImplementationVersion),
                          A_Err (*)(A_short* major_versionPS, A_short* minor_versionPS)>,
              "AEGP_UtilitySuite3::AEGP_GetDriverImplementationVersion signature");
static_assert(offsetof(AEGP_UtilitySuite3, AEGP_StartQuietErrors) == 24,
              "AEGP_UtilitySuite3::AEGP_StartQuietErrors slot 3");
static_assert(
    declared_as<decltype(AEGP_UtilitySuite3::AEGP_StartQuietErrors), A_Err (*)(AEGP_ErrReportState* err_stateP)>,
    "AEGP_UtilitySuite3::AEGP_StartQuietErrors signature");
static_assert(offsetof(AEGP_UtilitySuite3, AEGP_EndQuietErrors) == 32,
              "AEGP_UtilitySuite3::AEGP_EndQuietErrors slot 4");
static_assert(declared_as<decltype(AEGP_UtilitySuite3::AEGP_EndQuietErrors),
                          A_Err (*)(A_Boolean report_quieted_errorsB, AEGP_ErrReportState* err_stateP)>,
              "AEGP_UtilitySuite3::AEGP_EndQuietErrors signature");
static_assert(offsetof(AEGP_UtilitySuite3, AEGP_StartUndoGroup) == 40,
              "AEGP_UtilitySuite3::AEGP_StartUndoGroup slot 5");
static_assert(declared_as<decltype(AEGP_UtilitySuite3::AEGP_StartUndoGroup), A_Err (*)(const A_char* undo_nameZ)>,
              "AEGP_UtilitySuite3::AEGP_StartUndoGroup signature");
static_assert(offsetof(AEGP_UtilitySuite3, AEGP_EndUndoGroup) == 48, "AEGP_UtilitySuite3::AEGP_EndUndoGroup slot 6");
static_assert(declared_as<decltype(AEGP_UtilitySuite3::AEGP_EndUndoGroup), A_Err (*)(void)>,
              "AEGP_UtilitySuite3::AEGP_EndUndoGroup signature");
static_assert(offsetof(AEGP_UtilitySuite3, AEGP_RegisterWithAEGP) == 56,
              "AEGP_UtilitySuite3::AEGP_RegisterWithAEGP slot 7");
static_assert(
    declared_as<decltype(AEGP_UtilitySuite3::AEGP_RegisterWithAEGP),
                A_Err (*)(AEGP_GlobalRefcon global_refcon, const A_char* plugin_nameZ, AEGP_PluginID* plugin_id)>,
    "AEGP_UtilitySuite3::AEGP_RegisterWithAEGP signature");
static_assert(offsetof(AEGP_UtilitySuite3, AEGP_GetMainHWND) == 64, "AEGP_UtilitySuite3::AEGP_GetMainHWND slot 8");
static_assert(declared_as<decltype(AEGP_UtilitySuite3::AEGP_GetMainHWND), A_Err (*)(void* main_hwnd)>,
              "AEGP_UtilitySuite3::AEGP_GetMainHWND signature");
static_assert(offsetof(AEGP_UtilitySuite3, AEGP_ShowHideAllFloaters) == 72,
              "AEGP_UtilitySuite3::AEGP_ShowHideAllFloaters slot 9");
static_assert(
    declared_as<decltype(AEGP_UtilitySuite3::AEGP_ShowHideAllFloaters), A_Err (*)(A_Boolean include_tool_palB)>,
    "AEGP_UtilitySuite3::AEGP_ShowHideAllFloaters signature");
static_assert(offsetof(AEGP_UtilitySuite3, AEGP_PaintPalGetForeColor) == 80,
              "AEGP_UtilitySuite3::AEGP_PaintPalGetForeColor slot 10");
static_assert(
    declared_as<decltype(AEGP_UtilitySuite3::AEGP_PaintPalGetForeColor), A_Err (*)(AEGP_ColorVal* fore_colorP)>,
    "AEGP_UtilitySuite3::AEGP_PaintPalGetForeColor signature");
static_assert(offsetof(AEGP_UtilitySuite3, AEGP_PaintPalGetBackColor) == 88,
              "AEGP_UtilitySuite3::AEGP_PaintPalGetBackColor slot 11");
static_assert(
    declared_as<decltype(AEGP_UtilitySuite3::AEGP_PaintPalGetBackColor), A_Err (*)(AEGP_ColorVal* back_colorP)>,
    "AEGP_UtilitySuite3::AEGP_PaintPalGetBackColor signature");
static_assert(offsetof(AEGP_UtilitySuite3, AEGP_PaintPalSetForeColor) == 96,
              "AEGP_UtilitySuite3::AEGP_PaintPalSetForeColor slot 12");
static_assert(
    declared_as<decltype(AEGP_UtilitySuite3::AEGP_PaintPalSetForeColor), A_Err (*)(const AEGP_ColorVal* fore_colorP)>,
    "AEGP_UtilitySuite3::AEGP_PaintPalSetForeColor signature");
static_assert(offsetof(AEGP_UtilitySuite3, AEGP_PaintPalSetBackColor) == 104,
              "AEGP_UtilitySuite3::AEGP_PaintPalSetBackColor slot 13");
static_assert(
    declared_as<decltype(AEGP_UtilitySuite3::AEGP_PaintPalSetBackColor), A_Err (*)(const AEGP_ColorVal* back_colorP)>,
    "AEGP_UtilitySuite3::AEGP_PaintPalSetBackColor signature");
static_assert(offsetof(AEGP_UtilitySuite3, AEGP_CharPalGetFillColor) == 112,
              "AEGP_UtilitySuite3::AEGP_CharPalGetFillColor slot 14");
static_assert(declared_as<decltype(AEGP_UtilitySuite3::AEGP_CharPalGetFillColor),
                          A_Err (*)(A_Boolean* is_fill_color_definedPB, AEGP_ColorVal* fill_colorP)>,
              "AEGP_UtilitySuite3::AEGP_CharPalGetFillColor signature");
static_assert(offsetof(AEGP_UtilitySuite3, AEGP_CharPalGetStrokeColor) == 120,
              "AEGP_UtilitySuite3::AEGP_CharPalGetStrokeColor slot 15");
static_assert(declared_as<decltype(AEGP_UtilitySuite3::AEGP_CharPalGetStrokeColor),
                          A_Err (*)(A_Boolean* is_stroke_color_definedPB, AEGP_ColorVal* stroke_colorP)>,
              "AEGP_UtilitySuite3::AEGP_CharPalGetStrokeColor signature");
static_assert(offsetof(AEGP_UtilitySuite3, AEGP_CharPalSetFillColor) == 128,
              "AEGP_UtilitySuite3::AEGP_CharPalSetFillColor slot 16");
static_assert(
    declared_as<decltype(AEGP_UtilitySuite3::AEGP_CharPalSetFillColor), A_Err (*)(const AEGP_ColorVal* fill_colorP)>,
    "AEGP_UtilitySuite3::AEGP_CharPalSetFillColor signature");
static_assert(offsetof(AEGP_UtilitySuite3, AEGP_CharPalSetStrokeColor) == 136,
              "AEGP_UtilitySuite3::AEGP_CharPalSetStrokeColor slot 17");
static_assert(declared_as<decltype(AEGP_UtilitySuite3::AEGP_CharPalSetStrokeColor),
                          A_Err (*)(const AEGP_ColorVal* stroke_colorP)>,
              "AEGP_UtilitySuite3::AEGP_CharPalSetStrokeColor signature");
static_assert(offsetof(AEGP_UtilitySuite3, AEGP_CharPalIsFillColorUIFrontmost) == 144,
              "AEGP_UtilitySuite3::AEGP_CharPalIsFillColorUIFrontmost slot 18");
static_assert(declared_as<decltype(AEGP_UtilitySuite3::AEGP_CharPalIsFillColorUIFrontmost),
                          A_Err (*)(A_Boolean* is_fill_color_selectedPB)>,
              "AEGP_UtilitySuite3::AEGP_CharPalIsFillColorUIFrontmost signature");
static_assert(offsetof(AEGP_UtilitySuite3, AEGP_ConvertFpLongToHSFRatio) == 152,
              "AEGP_UtilitySuite3::AEGP_ConvertFpLongToHSFRatio slot 19");
static_assert(declared_as<decltype(AEGP_UtilitySuite3::AEGP_ConvertFpLongToHSFRatio),
                          A_Err (*)(A_FpLong numberF, A_Ratio* ratioPR)>,
              "AEGP_UtilitySuite3::AEGP_ConvertFpLongToHSFRatio signature");
static_assert(offsetof(AEGP_UtilitySuite3, AEGP_ConvertHSFRatioToFpLong) == 160,
              "AEGP_UtilitySuite3::AEGP_ConvertHSFRatioToFpLong slot 20");
static_assert(declared_as<decltype(AEGP_UtilitySuite3::AEGP_ConvertHSFRatioToFpLong),
                          A_Err (*)(A_Ratio ratioR, A_FpLong* numberPF)>,
              "AEGP_UtilitySuite3::AEGP_ConvertHSFRatioToFpLong signature");
static_assert(offsetof(AEGP_UtilitySuite3, AEGP_CauseIdleRoutinesToBeCalled) == 168,
              "AEGP_UtilitySuite3::AEGP_CauseIdleRoutinesToBeCalled slot 21");
static_assert(declared_as<decltype(AEGP_UtilitySuite3::AEGP_CauseIdleRoutinesToBeCalled), A_Err (*)(void)>,
              "AEGP_UtilitySuite3::AEGP_CauseIdleRoutinesToBeCalled signature");
static_assert(offsetof(AEGP_UtilitySuite3, AEGP_GetSuppressInteractiveUI) == 176,
              "AEGP_UtilitySuite3::AEGP_GetSuppressInteractiveUI slot 22");
static_assert(
    declared_as<decltype(AEGP_UtilitySuite3::AEGP_GetSuppressInteractiveUI), A_Err (*)(A_Boolean* ui_is_suppressedPB)>,
    "AEGP_UtilitySuite3::AEGP_GetSuppressInteractiveUI signature");
static_assert(offsetof(AEGP_UtilitySuite3, AEGP_WriteToOSConsole) == 184,
              "AEGP_UtilitySuite3::AEGP_WriteToOSConsole slot 23");
static_assert(declared_as<decltype(AEGP_UtilitySuite3::AEGP_WriteToOSConsole), A_Err (*)(const A_char* textZ)>,
              "AEGP_UtilitySuite3::AEGP_WriteToOSConsole signature");
static_assert(offsetof(AEGP_UtilitySuite3, AEGP_WriteToDebugLog) == 192,
              "AEGP_UtilitySuite3::AEGP_WriteToDebugLog slot 24");
static_assert(declared_as<decltype(AEGP_UtilitySuite3::AEGP_WriteToDebugLog),
                          A_Err (*)(const A_char* subsystemZ, const A_char* event_typeZ, const A_char* infoZ)>,
              "AEGP_UtilitySuite3::AEGP_WriteToDebugLog signature");

// AEGP_UtilitySuite5
static_assert(sizeof(AEGP_UtilitySuite5) == 248, "sizeof AEGP_UtilitySuite5");
static_assert(alignof(AEGP_UtilitySuite5) == 8, "alignof AEGP_UtilitySuite5");
static_assert(offsetof(AEGP_UtilitySuite5, AEGP_ReportInfo) == 0, "AEGP_UtilitySuite5::AEGP_ReportInfo slot 0");
static_assert(declared_as<decltype(AEGP_UtilitySuite5::AEGP_ReportInfo),
                          A_Err (*)(AEGP_PluginID aegp_plugin_id, const A_char* info_stringZ)>,
              "AEGP_UtilitySuite5::AEGP_ReportInfo signature");
static_assert(offsetof(AEGP_UtilitySuite5, AEGP_GetDriverPluginInitFuncVersion) == 8,
              "AEGP_UtilitySuite5::AEGP_GetDriverPluginInitFuncVersion slot 1");
static_assert(declared_as<decltype(AEGP_UtilitySuite5::AEGP_GetDriverPluginInitFuncVersion),
                          A_Err (*)(A_short* major_versionPS, A_short* minor_versionPS)>,
              "AEGP_UtilitySuite5::AEGP_GetDriverPluginInitFuncVersion signature");
static_assert(offsetof(AEGP_UtilitySuite5, AEGP_GetDriverImplementationVersion) == 16,
              "AEGP_UtilitySuite5::AEGP_GetDriverImplementationVersion slot 2");
static_assert(declared_as<decltype(AEGP_UtilitySuite5::AEGP_GetDriverImplementationVersion),
                          A_Err (*)(A_short* major_versionPS, A_short* minor_versionPS)>,
              "AEGP_UtilitySuite5::AEGP_GetDriverImplementationVersion signature");
static_assert(offsetof(AEGP_UtilitySuite5, AEGP_StartQuietErrors) == 24,
              "AEGP_UtilitySuite5::AEGP_StartQuietErrors slot 3");
static_assert(
    declared_as<decltype(AEGP_UtilitySuite5::AEGP_StartQuietErrors), A_Err (*)(AEGP_ErrReportState* err_stateP)>,
    "AEGP_UtilitySuite5::AEGP_StartQuietErrors signature");
static_assert(offsetof(AEGP_UtilitySuite5, AEGP_EndQuietErrors) == 32,
              "AEGP_UtilitySuite5::AEGP_EndQuietErrors slot 4");
static_assert(declared_as<decltype(AEGP_UtilitySuite5::AEGP_EndQuietErrors),
                          A_Err (*)(A_Boolean report_quieted_errorsB, AEGP_ErrReportState* err_stateP)>,
              "AEGP_UtilitySuite5::AEGP_EndQuietErrors signature");
static_assert(offsetof(AEGP_UtilitySuite5, AEGP_GetLastErrorMessage) == 40,
              "AEGP_UtilitySuite5::AEGP_GetLastErrorMessage slot 5");
static_assert(declared_as<decltype(AEGP_UtilitySuite5::AEGP_GetLastErrorMessage),
                          A_Err (*)(A_long buffer_size, A_char* error_string, A_Err* error_num)>,
              "AEGP_UtilitySuite5::AEGP_GetLastErrorMessage signature");
static_assert(offsetof(AEGP_UtilitySuite5, AEGP_StartUndoGroup) == 48,
              "AEGP_UtilitySuite5::AEGP_StartUndoGroup slot 6");
static_assert(declared_as<decltype(AEGP_UtilitySuite5::AEGP_StartUndoGroup), A_Err (*)(const A_char* undo_nameZ)>,
              "AEGP_UtilitySuite5::AEGP_StartUndoGroup signature");
static_assert(offsetof(AEGP_UtilitySuite5, AEGP_EndUndoGroup) == 56, "AEGP_UtilitySuite5::AEGP_EndUndoGroup slot 7");
static_assert(declared_as<decltype(AEGP_UtilitySuite5::AEGP_EndUndoGroup), A_Err (*)(void)>,
              "AEGP_UtilitySuite5::AEGP_EndUndoGroup signature");
static_assert(offsetof(AEGP_UtilitySuite5, AEGP_RegisterWithAEGP) == 64,
              "AEGP_UtilitySuite5::AEGP_RegisterWithAEGP slot 8");
static_assert(
    declared_as<decltype(AEGP_UtilitySuite5::AEGP_RegisterWithAEGP),
                A_Err (*)(AEGP_GlobalRefcon global_refcon, const A_char* plugin_nameZ, AEGP_PluginID* plugin_id)>,
    "AEGP_UtilitySuite5::AEGP_RegisterWithAEGP signature");
static_assert(offsetof(AEGP_UtilitySuite5, AEGP_GetMainHWND) == 72, "AEGP_UtilitySuite5::AEGP_GetMainHWND slot 9");
static_assert(declared_as<decltype(AEGP_UtilitySuite5::AEGP_GetMainHWND), A_Err (*)(void* main_hwnd)>,
              "AEGP_UtilitySuite5::AEGP_GetMainHWND signature");
static_assert(offsetof(AEGP_UtilitySuite5, AEGP_ShowHideAllFloaters) == 80,
              "AEGP_UtilitySuite5::AEGP_ShowHideAllFloaters slot 10");
static_assert(
    declared_as<decltype(AEGP_UtilitySuite5::AEGP_ShowHideAllFloaters), A_Err (*)(A_Boolean include_tool_palB)>,
    "AEGP_UtilitySuite5::AEGP_ShowHideAllFloaters signature");
static_assert(offsetof(AEGP_UtilitySuite5, AEGP_PaintPalGetForeColor) == 88,
              "AEGP_UtilitySuite5::AEGP_PaintPalGetForeColor slot 11");
static_assert(
    declared_as<decltype(AEGP_UtilitySuite5::AEGP_PaintPalGetForeColor), A_Err (*)(AEGP_ColorVal* fore_colorP)>,
    "AEGP_UtilitySuite5::AEGP_PaintPalGetForeColor signature");
static_assert(offsetof(AEGP_UtilitySuite5, AEGP_PaintPalGetBackColor) == 96,
              "AEGP_UtilitySuite5::AEGP_PaintPalGetBackColor slot 12");
static_assert(
    declared_as<decltype(AEGP_UtilitySuite5::AEGP_PaintPalGetBackColor), A_Err (*)(AEGP_ColorVal* back_colorP)>,
    "AEGP_UtilitySuite5::AEGP_PaintPalGetBackColor signature");
static_assert(offsetof(AEGP_UtilitySuite5, AEGP_PaintPalSetForeColor) == 104,
              "AEGP_UtilitySuite5::AEGP_PaintPalSetForeColor slot 13");
static_assert(
    declared_as<decltype(AEGP_UtilitySuite5::AEGP_PaintPalSetForeColor), A_Err (*)(const AEGP_ColorVal* fore_colorP)>,
    "AEGP_UtilitySuite5::AEGP_PaintPalSetForeColor signature");
static_assert(offsetof(AEGP_UtilitySuite5, AEGP_PaintPalSetBackColor) == 112,
              "AEGP_UtilitySuite5::AEGP_PaintPalSetBackColor slot 14");
static_assert(
    declared_as<decltype(AEGP_UtilitySuite5::AEGP_PaintPalSetBackColor), A_Err (*)(const AEGP_ColorVal* back_colorP)>,
    "AEGP_UtilitySuite5::AEGP_PaintPalSetBackColor signature");
static_assert(offsetof(AEGP_UtilitySuite5, AEGP_CharPalGetFillColor) == 120,
              "AEGP_UtilitySuite5::AEGP_CharPalGetFillColor slot 15");
static_assert(declared_as<decltype(AEGP_UtilitySuite5::AEGP_CharPalGetFillColor),
                          A_Err (*)(A_Boolean* is_fill_color_definedPB, AEGP_ColorVal* fill_colorP)>,
              "AEGP_UtilitySuite5::AEGP_CharPalGetFillColor signature");
static_assert(offsetof(AEGP_UtilitySuite5, AEGP_CharPalGetStrokeColor) == 128,
              "AEGP_UtilitySuite5::AEGP_CharPalGetStrokeColor slot 16");
static_assert(declared_as<decltype(AEGP_UtilitySuite5::AEGP_CharPalGetStrokeColor),
                          A_Err (*)(A_Boolean* is_stroke_color_definedPB, AEGP_ColorVal* stroke_colorP)>,
              "AEGP_UtilitySuite5::AEGP_CharPalGetStrokeColor signature");
static_assert(offsetof(AEGP_UtilitySuite5, AEGP_CharPalSetFillColor) == 136,
              "AEGP_UtilitySuite5::AEGP_CharPalSetFillColor slot 17");
static_assert(
    declared_as<decltype(AEGP_UtilitySuite5::AEGP_CharPalSetFillColor), A_Err (*)(const AEGP_ColorVal* fill_colorP)>,
    "AEGP_UtilitySuite5::AEGP_CharPalSetFillColor signature");
static_assert(offsetof(AEGP_UtilitySuite5, AEGP_CharPalSetStrokeColor) == 144,
              "AEGP_UtilitySuite5::AEGP_CharPalSetStrokeColor slot 18");
static_assert(declared_as<decltype(AEGP_UtilitySuite5::AEGP_CharPalSetStrokeColor),
                          A_Err (*)(const AEGP_ColorVal* stroke_colorP)>,
              "AEGP_UtilitySuite5::AEGP_CharPalSetStrokeColor signature");
static_assert(offsetof(AEGP_UtilitySuite5, AEGP_CharPalIsFillColorUIFrontmost) == 152,
              "AEGP_UtilitySuite5::AEGP_CharPalIsFillColorUIFrontmost slot 19");
static_assert(declared_as<decltype(AEGP_UtilitySuite5::AEGP_CharPalIsFillColorUIFrontmost),
                          A_Err (*)(A_Boolean* is_fill_color_selectedPB)>,
              "AEGP_UtilitySuite5::AEGP_CharPalIsFillColorUIFrontmost signature");
static_assert(offsetof(AEGP_UtilitySuite5, AEGP_ConvertFpLongToHSFRatio) == 160,
              "AEGP_UtilitySuite5::AEGP_ConvertFpLongToHSFRatio slot 20");
static_assert(declared_as<decltype(AEGP_UtilitySuite5::AEGP_ConvertFpLongToHSFRatio),
                          A_Err (*)(A_FpLong numberF, A_Ratio* ratioPR)>,
              "AEGP_UtilitySuite5::AEGP_ConvertFpLongToHSFRatio signature");
static_assert(offsetof(AEGP_UtilitySuite5, AEGP_ConvertHSFRatioToFpLong) == 168,
              "AEGP_UtilitySuite5::AEGP_ConvertHSFRatioToFpLong slot 21");
static_assert(declared_as<decltype(AEGP_UtilitySuite5::AEGP_ConvertHSFRatioToFpLong),
                          A_Err (*)(A_Ratio ratioR, A_FpLong* numberPF)>,
              "AEGP_UtilitySuite5::AEGP_ConvertHSFRatioToFpLong signature");
static_assert(offsetof(AEGP_UtilitySuite5, AEGP_CauseIdleRoutinesToBeCalled) == 176,
              "AEGP_UtilitySuite5::AEGP_CauseIdleRoutinesToBeCalled slot 22");
static_assert(declared_as<decltype(AEGP_UtilitySuite5::AEGP_CauseIdleRoutinesToBeCalled), A_Err (*)(void)>,
              "AEGP_UtilitySuite5::AEGP_CauseIdleRoutinesToBeCalled signature");
static_assert(offsetof(AEGP_UtilitySuite5, AEGP_GetSuppressInteractiveUI) == 184,
              "AEGP_UtilitySuite5::AEGP_GetSuppressInteractiveUI slot 23");
static_assert(
    declared_as<decltype(AEGP_UtilitySuite5::AEGP_GetSuppressInteractiveUI), A_Err (*)(A_Boolean* ui_is_suppressedPB)>,
    "AEGP_UtilitySuite5::AEGP_GetSuppressInteractiveUI signature");
static_assert(offsetof(AEGP_UtilitySuite5, AEGP_WriteToOSConsole) == 192,
              "AEGP_UtilitySuite5::AEGP_WriteToOSConsole slot 24");
static_assert(declared_as<decltype(AEGP_UtilitySuite5::AEGP_WriteToOSConsole), A_Err (*)(const A_char* textZ)>,
              "AEGP_UtilitySuite5::AEGP_WriteToOSConsole signature");
static_assert(offsetof(AEGP_UtilitySuite5, AEGP_WriteToDebugLog) == 200,
              "AEGP_UtilitySuite5::AEGP_WriteToDebugLog slot 25");
static_assert(declared_as<decltype(AEGP_UtilitySuite5::AEGP_WriteToDebugLog),
                          A_Err (*)(const A_char* subsystemZ, const A_char* event_typeZ, const A_char* infoZ)>,
              "AEGP_UtilitySuite5::AEGP_WriteToDebugLog signature");
static_assert(offsetof(AEGP_UtilitySuite5, AEGP_IsScriptingAvailable) == 208,
              "AEGP_UtilitySuite5::AEGP_IsScriptingAvailable slot 26");
static_assert(
    declared_as<decltype(AEGP_UtilitySuite5::AEGP_IsScriptingAvailable), A_Err (*)(A_Boolean* outAvailablePB)>,
    "AEGP_UtilitySuite5::AEGP_IsScriptingAvailable signature");
static_assert(offsetof(AEGP_UtilitySuite5, AEGP_ExecuteScript) == 216,
              "AEGP_UtilitySuite5::AEGP_ExecuteScript slot 27");
static_assert(
    declared_as<decltype(AEGP_UtilitySuite5::AEGP_ExecuteScript),
                A_Err (*)(AEGP_PluginID inPlugin_id, const A_char* inScriptZ, const A_Boolean platform_encodingB,
                          AEGP_MemHandle* outResultPH0, AEGP_MemHandle* outErrorStringPH0)>,
    "AEGP_UtilitySuite5::AEGP_ExecuteScript signature");
static_assert(offsetof(AEGP_UtilitySuite5, AEGP_HostIsActivated) == 224,
              "AEGP_UtilitySuite5::AEGP_HostIsActivated slot 28");
static_assert(declared_as<decltype(AEGP_UtilitySuite5::AEGP_HostIsActivated), A_Err (*)(A_Boolean* is_activatedPB)>,
              "AEGP_UtilitySuite5::AEGP_HostIsActivated signature");
static_assert(offsetof(AEGP_UtilitySuite5, AEGP_GetPluginPlatformRef) == 232,
              "AEGP_UtilitySuite5::AEGP_GetPluginPlatformRef slot 29");
static_assert(declared_as<decltype(AEGP_UtilitySuite5::AEGP_GetPluginPlatformRef),
                          A_Err (*)(AEGP_PluginID plug_id, void** plat_refPPV)>,
              "AEGP_UtilitySuite5::AEGP_GetPluginPlatformRef signature");
static_assert(offsetof(AEGP_UtilitySuite5, AEGP_UpdateFontList) == 240,
              "AEGP_UtilitySuite5::AEGP_UpdateFontList slot 30");
static_assert(declared_as<decltype(AEGP_UtilitySuite5::AEGP_UpdateFontList), A_Err (*)(void)>,
              "AEGP_UtilitySuite5::AEGP_UpdateFontList signature");

// AEGP_UtilitySuite6
static_assert(sizeof(AEGP_UtilitySuite6) == 264, "sizeof AEGP_UtilitySuite6");
static_assert(alignof(AEGP_UtilitySuite6) == 8, "alignof AEGP_UtilitySuite6");
static_assert(offsetof(AEGP_UtilitySuite6, AEGP_ReportInfo) == 0, "AEGP_UtilitySuite6::AEGP_ReportInfo slot 0");
static_assert(declared_as<decltype(AEGP_UtilitySuite6::AEGP_ReportInfo),
                          A_Err (*)(AEGP_PluginID aegp_plugin_id, const A_char* info_stringZ)>,
              "AEGP_UtilitySuite6::AEGP_ReportInfo signature");
static_assert(offsetof(AEGP_UtilitySuite6, AEGP_ReportInfoUnicode) == 8,
              "AEGP_UtilitySuite6::AEGP_ReportInfoUnicode slot 1");
static_assert(declared_as<decltype(AEGP_UtilitySuite6::AEGP_ReportInfoUnicode),
                          A_Err (*)(AEGP_PluginID aegp_plugin_id, const A_UTF16Char* info_stringP)>,
              "AEGP_UtilitySuite6::AEGP_ReportInfoUnicode signature");
static_assert(offsetof(AEGP_UtilitySuite6, AEGP_GetDriverPluginInitFuncVersion) == 16,
              "AEGP_UtilitySuite6::AEGP_GetDriverPluginInitFuncVersion slot 2");
static_assert(declared_as<decltype(AEGP_UtilitySuite6::AEGP_GetDriverPluginInitFuncVersion),
                          A_Err (*)(A_short* major_versionPS, A_short* minor_versionPS)>,
              "AEGP_UtilitySuite6::AEGP_GetDriverPluginInitFuncVersion signature");
static_assert(offsetof(AEGP_UtilitySuite6, AEGP_GetDriverImplementationVersion) == 24,
              "AEGP_UtilitySuite6::AEGP_GetDriverImplementationVersion slot 3");
static_assert(declared_as<decltype(AEGP_UtilitySuite6::AEGP_GetDriverImplementationVersion),
                          A_Err (*)(A_short* major_versionPS, A_short* minor_versionPS)>,
              "AEGP_UtilitySuite6::AEGP_GetDriverImplementationVersion signature");
static_assert(offsetof(AEGP_UtilitySuite6, AEGP_StartQuietErrors) == 32,
              "AEGP_UtilitySuite6::AEGP_StartQuietErrors slot 4");
static_assert(
    declared_as<decltype(AEGP_UtilitySuite6::AEGP_StartQuietErrors), A_Err (*)(AEGP_ErrReportState* err_stateP)>,
    "AEGP_UtilitySuite6::AEGP_StartQuietErrors signature");
static_assert(offsetof(AEGP_UtilitySuite6, AEGP_EndQuietErrors) == 40,
              "AEGP_UtilitySuite6::AEGP_EndQuietErrors slot 5");
static_assert(declared_as<decltype(AEGP_UtilitySuite6::AEGP_EndQuietErrors),
                          A_Err (*)(A_Boolean report_quieted_errorsB, AEGP_ErrReportState* err_stateP)>,
              "AEGP_UtilitySuite6::AEGP_EndQuietErrors signature");
static_assert(offsetof(AEGP_UtilitySuite6, AEGP_GetLastErrorMessage) == 48,
              "AEGP_UtilitySuite6::AEGP_GetLastErrorMessage slot 6");
static_assert(declared_as<decltype(AEGP_UtilitySuite6::AEGP_GetLastErrorMessage),
                          A_Err (*)(A_long buffer_size, A_char* error_string, A_Err* error_num)>,
              "AEGP_UtilitySuite6::AEGP_GetLastErrorMessage signature");
static_assert(offsetof(AEGP_UtilitySuite6, AEGP_StartUndoGroup) == 56,
              "AEGP_UtilitySuite6::AEGP_StartUndoGroup slot 7");
static_assert(declared_as<decltype(AEGP_UtilitySuite6::AEGP_StartUndoGroup), A_Err (*)(const A_char* undo_nameZ)>,
              "AEGP_UtilitySuite6::AEGP_StartUndoGroup signature");
static_assert(offsetof(AEGP_UtilitySuite6, AEGP_EndUndoGroup) == 64, "AEGP_UtilitySuite6::AEGP_EndUndoGroup slot 8");
static_assert(declared_as<decltype(AEGP_UtilitySuite6::AEGP_EndUndoGroup), A_Err (*)(void)>,
              "AEGP_UtilitySuite6::AEGP_EndUndoGroup signature");
static_assert(offsetof(AEGP_UtilitySuite6, AEGP_RegisterWithAEGP) == 72,
              "AEGP_UtilitySuite6::AEGP_RegisterWithAEGP slot 9");
static_assert(
    declared_as<decltype(AEGP_UtilitySuite6::AEGP_RegisterWithAEGP),
                A_Err (*)(AEGP_GlobalRefcon global_refcon, const A_char* plugin_nameZ, AEGP_PluginID* plugin_id)>,
    "AEGP_UtilitySuite6::AEGP_RegisterWithAEGP signature");
static_assert(offsetof(AEGP_UtilitySuite6, AEGP_GetMainHWND) == 80, "AEGP_UtilitySuite6::AEGP_GetMainHWND slot 10");
static_assert(declared_as<decltype(AEGP_UtilitySuite6::AEGP_GetMainHWND), A_Err (*)(void* main_hwnd)>,
              "AEGP_UtilitySuite6::AEGP_GetMainHWND signature");
static_assert(offsetof(AEGP_UtilitySuite6, AEGP_ShowHideAllFloaters) == 88,
              "AEGP_UtilitySuite6::AEGP_ShowHideAllFloaters slot 11");
static_assert(
    declared_as<decltype(AEGP_UtilitySuite6::AEGP_ShowHideAllFloaters), A_Err (*)(A_Boolean include_tool_palB)>,
    "AEGP_UtilitySuite6::AEGP_ShowHideAllFloaters signature");
static_assert(offsetof(AEGP_UtilitySuite6, AEGP_PaintPalGetForeColor) == 96,
              "AEGP_UtilitySuite6::AEGP_PaintPalGetForeColor slot 12");
static_assert(
    declared_as<decltype(AEGP_UtilitySuite6::AEGP_PaintPalGetForeColor), A_Err (*)(AEGP_ColorVal* fore_colorP)>,
    "AEGP_UtilitySuite6::AEGP_PaintPalGetForeColor signature");
static_assert(offsetof(AEGP_UtilitySuite6, AEGP_PaintPalGetBackColor) == 104,
              "AEGP_UtilitySuite6::AEGP_PaintPalGetBackColor slot 13");
static_assert(
    declared_as<decltype(AEGP_UtilitySuite6::AEGP_PaintPalGetBackColor), A_Err (*)(AEGP_ColorVal* back_colorP)>,
    "AEGP_UtilitySuite6::AEGP_PaintPalGetBackColor signature");
static_assert(offsetof(AEGP_UtilitySuite6, AEGP_PaintPalSetForeColor) == 112,
              "AEGP_UtilitySuite6::AEGP_PaintPalSetForeColor slot 14");
static_assert(
    declared_as<decltype(AEGP_UtilitySuite6::AEGP_PaintPalSetForeColor), A_Err (*)(const AEGP_ColorVal* fore_colorP)>,
    "AEGP_UtilitySuite6::AEGP_PaintPalSetForeColor signature");
static_assert(offsetof(AEGP_UtilitySuite6, AEGP_PaintPalSetBackColor) == 120,
              "AEGP_UtilitySuite6::AEGP_PaintPalSetBackColor slot 15");
static_assert(
    declared_as<decltype(AEGP_UtilitySuite6::AEGP_PaintPalSetBackColor), A_Err (*)(const AEGP_ColorVal* back_colorP)>,
    "AEGP_UtilitySuite6::AEGP_PaintPalSetBackColor signature");
static_assert(offsetof(AEGP_UtilitySuite6, AEGP_CharPalGetFillColor) == 128,
              "AEGP_UtilitySuite6::AEGP_CharPalGetFillColor slot 16");
static_assert(declared_as<decltype(AEGP_UtilitySuite6::AEGP_CharPalGetFillColor),
                          A_Err (*)(A_Boolean* is_fill_color_definedPB, AEGP_ColorVal* fill_colorP)>,
              "AEGP_UtilitySuite6::AEGP_CharPalGetFillColor signature");
static_assert(offsetof(AEGP_UtilitySuite6, AEGP_CharPalGetStrokeColor) == 136,
              "AEGP_UtilitySuite6::AEGP_CharPalGetStrokeColor slot 17");
static_assert(declared_as<decltype(AEGP_UtilitySuite6::AEGP_CharPalGetStrokeColor),
                          A_Err (*)(A_Boolean* is_stroke_color_definedPB, AEGP_ColorVal* stroke_colorP)>,
              "AEGP_UtilitySuite6::AEGP_CharPalGetStrokeColor signature");
static_assert(offsetof(AEGP_UtilitySuite6, AEGP_CharPalSetFillColor) == 144,
              "AEGP_UtilitySuite6::AEGP_CharPalSetFillColor slot 18");
static_assert(
    declared_as<decltype(AEGP_UtilitySuite6::AEGP_CharPalSetFillColor), A_Err (*)(const AEGP_ColorVal* fill_colorP)>,
    "AEGP_UtilitySuite6::AEGP_CharPalSetFillColor signature");
static_assert(offsetof(AEGP_UtilitySuite6, AEGP_CharPalSetStrokeColor) == 152,
              "AEGP_UtilitySuite6::AEGP_CharPalSetStrokeColor slot 19");
static_assert(declared_as<decltype(AEGP_UtilitySuite6::AEGP_CharPalSetStrokeColor),
                          A_Err (*)(const AEGP_ColorVal* stroke_colorP)>,
              "AEGP_UtilitySuite6::AEGP_CharPalSetStrokeColor signature");
static_assert(offsetof(AEGP_UtilitySuite6, AEGP_CharPalIsFillColorUIFrontmost) == 160,
              "AEGP_UtilitySuite6::AEGP_CharPalIsFillColorUIFrontmost slot 20");
static_assert(declared_as<decltype(AEGP_UtilitySuite6::AEGP_CharPalIsFillColorUIFrontmost),
                          A_Err (*)(A_Boolean* is_fill_color_selectedPB)>,
              "AEGP_UtilitySuite6::AEGP_CharPalIsFillColorUIFrontmost signature");
static_assert(offsetof(AEGP_UtilitySuite6, AEGP_ConvertFpLongToHSFRatio) == 168,
              "AEGP_UtilitySuite6::AEGP_ConvertFpLongToHSFRatio slot 21");
static_assert(declared_as<decltype(AEGP_UtilitySuite6::AEGP_ConvertFpLongToHSFRatio),
                          A_Err (*)(A_FpLong numberF, A_Ratio* ratioPR)>,
              "AEGP_UtilitySuite6::AEGP_ConvertFpLongToHSFRatio signature");
static_assert(offsetof(AEGP_UtilitySuite6, AEGP_ConvertHSFRatioToFpLong) == 176,
              "AEGP_UtilitySuite6::AEGP_ConvertHSFRatioToFpLong slot 22");
static_assert(declared_as<decltype(AEGP_UtilitySuite6::AEGP_ConvertHSFRatioToFpLong),
                          A_Err (*)(A_Ratio ratioR, A_FpLong* numberPF)>,
              "AEGP_UtilitySuite6::AEGP_ConvertHSFRatioToFpLong signature");
static_assert(offsetof(AEGP_UtilitySuite6, AEGP_CauseIdleRoutinesToBeCalled) == 184,
              "AEGP_UtilitySuite6::AEGP_CauseIdleRoutinesToBeCalled slot 23");
static_assert(declared_as<decltype(AEGP_UtilitySuite6::AEGP_CauseIdleRoutinesToBeCalled), A_Err (*)(void)>,
              "AEGP_UtilitySuite6::AEGP_CauseIdleRoutinesToBeCalled signature");
static_assert(offsetof(AEGP_UtilitySuite6, AEGP_GetSuppressInteractiveUI) == 192,
              "AEGP_UtilitySuite6::AEGP_GetSuppressInteractiveUI slot 24");
static_assert(
    declared_as<decltype(AEGP_UtilitySuite6::AEGP_GetSuppressInteractiveUI), A_Err (*)(A_Boolean* ui_is_suppressedPB)>,
    "AEGP_UtilitySuite6::AEGP_GetSuppressInteractiveUI signature");
static_assert(offsetof(AEGP_UtilitySuite6, AEGP_WriteToOSConsole) == 200,
              "AEGP_UtilitySuite6::AEGP_WriteToOSConsole slot 25");
static_assert(declared_as<decltype(AEGP_UtilitySuite6::AEGP_WriteToOSConsole), A_Err (*)(const A_char* textZ)>,
              "AEGP_UtilitySuite6::AEGP_WriteToOSConsole signature");
static_assert(offsetof(AEGP_UtilitySuite6, AEGP_WriteToDebugLog) == 208,
              "AEGP_UtilitySuite6::AEGP_WriteToDebugLog slot 26");
static_assert(declared_as<decltype(AEGP_UtilitySuite6::AEGP_WriteToDebugLog),
                          A_Err (*)(const A_char* subsystemZ, const A_char* event_typeZ, const A_char* infoZ)>,
              "AEGP_UtilitySuite6::AEGP_WriteToDebugLog signature");
static_assert(offsetof(AEGP_UtilitySuite6, AEGP_IsScriptingAvailable) == 216,
              "AEGP_UtilitySuite6::AEGP_IsScriptingAvailable slot 27");
static_assert(
    declared_as<decltype(AEGP_UtilitySuite6::AEGP_IsScriptingAvailable), A_Err (*)(A_Boolean* outAvailablePB)>,
    "AEGP_UtilitySuite6::AEGP_IsScriptingAvailable signature");
static_assert(offsetof(AEGP_UtilitySuite6, AEGP_ExecuteScript) == 224,
              "AEGP_UtilitySuite6::AEGP_ExecuteScript slot 28");
static_assert(
    declared_as<decltype(AEGP_UtilitySuite6::AEGP_ExecuteScript),
                A_Err (*)(AEGP_PluginID inPlugin_id, const A_char* inScriptZ, const A_Boolean platform_encodingB,
                          AEGP_MemHandle* outResultPH0, AEGP_MemHandle* outErrorStringPH0)>,
    "AEGP_UtilitySuite6::AEGP_ExecuteScript signature");
static_assert(offsetof(AEGP_UtilitySuite6, AEGP_HostIsActivated) == 232,
              "AEGP_UtilitySuite6::AEGP_HostIsActivated slot 29");
static_assert(declared_as<decltype(AEGP_UtilitySuite6::AEGP_HostIsActivated), A_Err (*)(A_Boolean* is_activatedPB)>,
              "AEGP_UtilitySuite6::AEGP_HostIsActivated signature");
static_assert(offsetof(AEGP_UtilitySuite6, AEGP_GetPluginPlatformRef) == 240,
              "AEGP_UtilitySuite6::AEGP_GetPluginPlatformRef slot 30");
static_assert(declared_as<decltype(AEGP_UtilitySuite6::AEGP_GetPluginPlatformRef),
                          A_Err (*)(AEGP_PluginID plug_id, void** plat_refPPV)>,
              "AEGP_UtilitySuite6::AEGP_GetPluginPlatformRef signature");
static_assert(offsetof(AEGP_UtilitySuite6, AEGP_UpdateFontList) == 248,
              "AEGP_UtilitySuite6::AEGP_UpdateFontList slot 31");
static_assert(declared_as<decltype(AEGP_UtilitySuite6::AEGP_UpdateFontList), A_Err (*)(void)>,
              "AEGP_UtilitySuite6::AEGP_UpdateFontList signature");
static_assert(offsetof(AEGP_UtilitySuite6, AEGP_GetPluginPaths) == 256,
              "AEGP_UtilitySuite6::AEGP_GetPluginPaths slot 32");
static_assert(
    declared_as<decltype(AEGP_UtilitySuite6::AEGP_GetPluginPaths),
                A_Err (*)(AEGP_PluginID aegp_plugin_id, AEGP_GetPathTypes path_type, AEGP_MemHandle* unicode_pathPH)>,
    "AEGP_UtilitySuite6::AEGP_GetPluginPaths signature");

// AEGP_StreamSuite2
static_assert(sizeof(AEGP_StreamSuite2) == 176, "sizeof AEGP_StreamSuite2");
static_assert(alignof(AEGP_StreamSuite2) == 8, "alignof AEGP_StreamSuite2");
static_assert(offsetof(AEGP_StreamSuite2, AEGP_IsStreamLegal) == 0, "AEGP_StreamSuite2::AEGP_IsStreamLegal slot 0");
static_assert(declared_as<decltype(AEGP_StreamSuite2::AEGP_IsStreamLegal),
                          A_Err (*)(AEGP_LayerH layerH, AEGP_LayerStream which_stream, A_Boolean* is_legalP)>,
              "AEGP_StreamSuite2::AEGP_IsStreamLegal signature");
static_assert(offsetof(AEGP_StreamSuite2, AEGP_CanVaryOverTime) == 8, "AEGP_StreamSuite2::AEGP_CanVaryOverTime slot 1");
static_assert(declared_as<decltype(AEGP_StreamSuite2::AEGP_CanVaryOverTime),
                          A_Err (*)(AEGP_StreamRefH streamH, A_Boolean* can_varyPB)>,
              "AEGP_StreamSuite2::AEGP_CanVaryOverTime signature");
static_assert(offsetof(AEGP_StreamSuite2, AEGP_GetValidInterpolations) == 16,
              "AEGP_StreamSuite2::AEGP_GetValidInterpolations slot 2");
static_assert(declared_as<decltype(AEGP_StreamSuite2::AEGP_GetValidInterpolations),
                          A_Err (*)(AEGP_StreamRefH streamH, AEGP_KeyInterpolationMask* valid_interpolationsP)>,
              "AEGP_StreamSuite2::AEGP_GetValidInterpolations signature");
static_assert(offsetof(AEGP_StreamSuite2, AEGP_GetNewLayerStream) == 24,
              "AEGP_StreamSuite2::AEGP_GetNewLayerStream slot 3");
static_assert(declared_as<decltype(AEGP_StreamSuite2::AEGP_GetNewLayerStream),
                          A_Err (*)(AEGP_PluginID aegp_plugin_id, AEGP_LayerH layerH, AEGP_LayerStream which_stream,
                                    AEGP_StreamRefH* streamPH)>,
              "AEGP_StreamSuite2::AEGP_GetNewLayerStream signature");
static_assert(offsetof(AEGP_StreamSuite2, AEGP_GetEffectNumParamStreams) == 32,
              "AEGP_StreamSuite2::AEGP_GetEffectNumParamStreams slot 4");
static_assert(declared_as<decltype(AEGP_StreamSuite2::AEGP_GetEffectNumParamStreams),
                          A_Err (*)(AEGP_EffectRefH effect_refH, A_long* num_paramsPL)>,
              "AEGP_StreamSuite2::AEGP_GetEffectNumParamStreams signature");
static_assert(offsetof(AEGP_StreamSuite2, AEGP_GetNewEffectStreamByIndex) == 40,
              "AEGP_StreamSuite2::AEGP_GetNewEffectStreamByIndex slot 5");
static_assert(declared_as<decltype(AEGP_StreamSuite2::AEGP_GetNewEffectStreamByIndex),
                          A_Err (*)(AEGP_PluginID aegp_plugin_id, AEGP_EffectRefH effect_refH,
                                    PF_ParamIndex param_index, AEGP_StreamRefH* streamPH)>,
              "AEGP_StreamSuite2::AEGP_GetNewEffectStreamByIndex signature");
static_assert(offsetof(AEGP_StreamSuite2, AEGP_GetNewMaskStream) == 48,
              "AEGP_StreamSuite2::AEGP_GetNewMaskStream slot 6");
static_assert(declared_as<decltype(AEGP_StreamSuite2::AEGP_GetNewMaskStream),
                          A_Err (*)(AEGP_PluginID aegp_plugin_id, AEGP_MaskRefH mask_refH, AEGP_MaskStream which_stream,
                                    AEGP_StreamRefH* mask_streamPH)>,
              "AEGP_StreamSuite2::AEGP_GetNewMaskStream signature");
static_assert(offsetof(AEGP_StreamSuite2, AEGP_DisposeStream) == 56, "AEGP_StreamSuite2::AEGP_DisposeStream slot 7");
static_assert(declared_as<decltype(AEGP_StreamSuite2::AEGP_DisposeStream), A_Err (*)(AEGP_StreamRefH streamH)>,
              "AEGP_StreamSuite2::AEGP_DisposeStream signature");
static_assert(offsetof(AEGP_StreamSuite2, AEGP_GetStreamName) == 64, "AEGP_StreamSuite2::AEGP_GetStreamName slot 8");
static_assert(declared_as<decltype(AEGP_StreamSuite2::AEGP_GetStreamName),
                          A_Err (*)(AEGP_StreamRefH streamH, A_Boolean force_englishB, A_char* nameZ)>,
              "AEGP_StreamSuite2::AEGP_GetStreamName signature");
static_assert(offsetof(AEGP_StreamSuite2, AEGP_GetStreamUnitsText) == 72,
              "AEGP_StreamSuite2::AEGP_GetStreamUnitsText slot 9");
static_assert(declared_as<decltype(AEGP_StreamSuite2::AEGP_GetStreamUnitsText),
                          A_Err (*)(AEGP_StreamRefH streamH, A_Boolean force_englishB, A_char* unitsZ)>,
              "AEGP_StreamSuite2::AEGP_GetStreamUnitsText signature");
static_assert(offsetof(AEGP_StreamSuite2, AEGP_GetStreamProperties) == 80,
              "AEGP_StreamSuite2::AEGP_GetStreamProperties slot 10");
static_assert(
    declared_as<decltype(AEGP_StreamSuite2::AEGP_GetStreamProperties),
                A_Err (*)(AEGP_StreamRefH streamH, AEGP_StreamFlags* flagsP, A_FpLong* minP0, A_FpLong* maxP0)>,
    "AEGP_StreamSuite2::AEGP_GetStreamProperties signature");
static_assert(offsetof(AEGP_StreamSuite2, AEGP_IsStreamTimevarying) == 88,
              "AEGP_StreamSuite2::AEGP_IsStreamTimevarying slot 11");
static_assert(declared_as<decltype(AEGP_StreamSuite2::AEGP_IsStreamTimevarying),
                          A_Err (*)(AEGP_StreamRefH streamH, A_Boolean* is_timevaryingPB)>,
              "AEGP_StreamSuite2::AEGP_IsStreamTimevarying signature");
static_assert(offsetof(AEGP_StreamSuite2, AEGP_GetStreamType) == 96, "AEGP_StreamSuite2::AEGP_GetStreamType slot 12");
static_assert(declared_as<decltype(AEGP_StreamSuite2::AEGP_GetStreamType),
                          A_Err (*)(AEGP_StreamRefH streamH, AEGP_StreamType* stream_typeP)>,
              "AEGP_StreamSuite2::AEGP_GetStreamType signature");
static_assert(offsetof(AEGP_StreamSuite2, AEGP_GetNewStreamValue) == 104,
              "AEGP_StreamSuite2::AEGP_GetNewStreamValue slot 13");
static_assert(declared_as<decltype(AEGP_StreamSuite2::AEGP_GetNewStreamValue),
                          A_Err (*)(AEGP_PluginID aegp_plugin_id, AEGP_StreamRefH streamH, AEGP_LTimeMode time_mode,
                                    const A_Time* timePT, A_Boolean pre_expressionB, AEGP_StreamValue* valueP)>,
              "AEGP_StreamSuite2::AEGP_GetNewStreamValue signature");
static_assert(offsetof(AEGP_StreamSuite2, AEGP_DisposeStreamValue) == 112,
              "AEGP_StreamSuite2::AEGP_DisposeStreamValue slot 14");
static_assert(declared_as<decltype(AEGP_StreamSuite2::AEGP_DisposeStreamValue), A_Err (*)(AEGP_StreamValue* valueP)>,
              "AEGP_StreamSuite2::AEGP_DisposeStreamValue signature");
static_assert(offsetof(AEGP_StreamSuite2, AEGP_SetStreamValue) == 120,
              "AEGP_StreamSuite2::AEGP_SetStreamValue slot 15");
static_assert(declared_as<decltype(AEGP_StreamSuite2::AEGP_SetStreamValue),
                          A_Err (*)(AEGP_PluginID aegp_plugin_id, AEGP_StreamRefH streamH, AEGP_StreamValue* valueP)>,
              "AEGP_StreamSuite2::AEGP_SetStreamValue signature");
static_assert(offsetof(AEGP_StreamSuite2, AEGP_GetLayerStreamValue) == 128,
              "AEGP_StreamSuite2::AEGP_GetLayerStreamValue slot 16");
static_assert(declared_as<decltype(AEGP_StreamSuite2::AEGP_GetLayerStreamValue),
                          A_Err (*)(AEGP_LayerH layerH, AEGP_LayerStream which_stream, AEGP_LTimeMode time_mode,
                                    const A_Time* timePT, A_Boolean pre_expressionB, AEGP_StreamVal* stream_valP,
                                    AEGP_StreamType* stream_typeP0)>,
              "AEGP_StreamSuite2::AEGP_GetLayerStreamValue signature");
static_assert(offsetof(AEGP_StreamSuite2, AEGP_GetExpressionState) == 136,
              "AEGP_StreamSuite2::AEGP_GetExpressionState slot 17");
static_assert(declared_as<decltype(AEGP_StreamSuite2::AEGP_GetExpressionState),
                          A_Err (*)(AEGP_PluginID aegp_plugin_id, AEGP_StreamRefH streamH, A_Boolean* enabledPB)>,
              "AEGP_StreamSuite2::AEGP_GetExpressionState signature");
static_assert(offsetof(AEGP_StreamSuite2, AEGP_SetExpressionState) == 144,
              "AEGP_StreamSuite2::AEGP_SetExpressionState slot 18");
static_assert(declared_as<decltype(AEGP_StreamSuite2::AEGP_SetExpressionState),
                          A_Err (*)(AEGP_PluginID aegp_plugin_id, AEGP_StreamRefH streamH, A_Boolean enabledB)>,
              "AEGP_StreamSuite2::AEGP_SetExpressionState signature");
static_assert(offsetof(AEGP_StreamSuite2, AEGP_GetExpression) == 152, "AEGP_StreamSuite2::AEGP_GetExpression slot 19");
static_assert(
    declared_as<decltype(AEGP_StreamSuite2::AEGP_GetExpression),
                A_Err (*)(AEGP_PluginID aegp_plugin_id, AEGP_StreamRefH streamH, AEGP_MemHandle* expressionHZ)>,
    "AEGP_StreamSuite2::AEGP_GetExpression signature");
static_assert(offsetof(AEGP_StreamSuite2, AEGP_SetExpression) == 160, "AEGP_StreamSuite2::AEGP_SetExpression slot 20");
static_assert(declared_as<decltype(AEGP_StreamSuite2::AEGP_SetExpression),
                          A_Err (*)(AEGP_PluginID aegp_plugin_id, AEGP_StreamRefH streamH, const A_char* expressionP)>,
              "AEGP_StreamSuite2::AEGP_SetExpression signature");
static_assert(offsetof(AEGP_StreamSuite2, AEGP_DuplicateStreamRef) == 168,
              "AEGP_StreamSuite2::AEGP_DuplicateStreamRef slot 21");
static_assert(
    declared_as<decltype(AEGP_StreamSuite2::AEGP_DuplicateStreamRef),
                A_Err (*)(AEGP_PluginID aegp_plugin_id, AEGP_StreamRefH streamH, AEGP_StreamRefH* dup_streamPH)>,
    "AEGP_StreamSuite2::AEGP_DuplicateStreamRef signature");

// AEGP_DynamicStreamSuite2
static_assert(sizeof(AEGP_DynamicStreamSuite2) == 136, "sizeof AEGP_DynamicStreamSuite2");
static_assert(alignof(AEGP_DynamicStreamSuite2) == 8, "alignof AEGP_DynamicStreamSuite2");
static_assert(offsetof(AEGP_DynamicStreamSuite2, AEGP_GetNewStreamRefForLayer) == 0,
              "AEGP_DynamicStreamSuite2::AEGP_GetNewStreamRefForLayer slot 0");
static_assert(declared_as<decltype(AEGP_DynamicStreamSuite2::AEGP_GetNewStreamRefForLayer),
                          A_Err (*)(AEGP_PluginID aegp_plugin_id, AEGP_LayerH layerH, AEGP_StreamRefH* streamPH)>,
              "AEGP_DynamicStreamSuite2::AEGP_GetNewStreamRefForLayer signature");
static_assert(offsetof(AEGP_DynamicStreamSuite2, AEGP_GetStreamDepth) == 8,
              "AEGP_DynamicStreamSuite2::AEGP_GetStreamDepth slot 1");
static_assert(declared_as<decltype(AEGP_DynamicStreamSuite2::AEGP_GetStreamDepth),
                          A_Err (*)(AEGP_StreamRefH streamH, A_long* depthPL)>,
              "AEGP_DynamicStreamSuite2::AEGP_GetStreamDepth signature");
static_assert(offsetof(AEGP_DynamicStreamSuite2, AEGP_GetStreamGroupingType) == 16,
              "AEGP_DynamicStreamSuite2::AEGP_GetStreamGroupingType slot 2");
static_assert(declared_as<decltype(AEGP_DynamicStreamSuite2::AEGP_GetStreamGroupingType),
                          A_Err (*)(AEGP_StreamRefH streamH, AEGP_StreamGroupingType* group_typeP)>,
              "AEGP_DynamicStreamSuite2::AEGP_GetStreamGroupingType signature");
static_assert(offsetof(AEGP_DynamicStreamSuite2, AEGP_GetNumStreamsInGroup) == 24,
              "AEGP_DynamicStreamSuite2::AEGP_GetNumStreamsInGroup slot 3");
static_assert(declared_as<decltype(AEGP_DynamicStreamSuite2::AEGP_GetNumStreamsInGroup),
                          A_Err (*)(AEGP_StreamRefH streamH, A_long* num_streamsPL)>,
              "AEGP_DynamicStreamSuite2::AEGP_GetNumStreamsInGroup signature");
static_assert(offsetof(AEGP_DynamicStreamSuite2, AEGP_GetDynamicStreamFlags) == 32,
              "AEGP_DynamicStreamSuite2::AEGP_GetDynamicStreamFlags slot 4");
static_assert(declared_as<decltype(AEGP_DynamicStreamSuite2::AEGP_GetDynamicStreamFlags),
                          A_Err (*)(AEGP_StreamRefH streamH, AEGP_DynStreamFlags* stream_flagsP)>,
              "AEGP_DynamicStreamSuite2::AEGP_GetDynamicStreamFlags signature");
static_assert(offsetof(AEGP_DynamicStreamSuite2, AEGP_SetDynamicStreamFlag) == 40,
              "AEGP_DynamicStreamSuite2::AEGP_SetDynamicStreamFlag slot 5");
static_assert(
    declared_as<decltype(AEGP_DynamicStreamSuite2::AEGP_SetDynamicStreamFlag),
                A_Err (*)(AEGP_StreamRefH streamH, AEGP_DynStreamFlags one_flag, A_Boolean undoableB, A_Boolean setB)>,
    "AEGP_DynamicStreamSuite2::AEGP_SetDynamicStreamFlag signature");
static_assert(offsetof(AEGP_DynamicStreamSuite2, AEGP_GetNewStreamRefByIndex) == 48,
              "AEGP_DynamicStreamSuite2::AEGP_GetNewStreamRefByIndex slot 6");
static_assert(declared_as<decltype(AEGP_DynamicStreamSuite2::AEGP_GetNewStreamRefByIndex),
                          A_Err (*)(AEGP_PluginID aegp_plugin_id, AEGP_StreamRefH parent_groupH, A_long indexL,
                                    AEGP_StreamRefH* streamPH)>,
              "AEGP_DynamicStreamSuite2::AEGP_GetNewStreamRefByIndex signature");
static_assert(offsetof(AEGP_DynamicStreamSuite2, AEGP_GetNewStreamRefByMatchname) == 56,
              "AEGP_DynamicStreamSuite2::AEGP_GetNewStreamRefByMatchname slot 7");
static_assert(declared_as<decltype(AEGP_DynamicStreamSuite2::AEGP_GetNewStreamRefByMatchname),
                          A_Err (*)(AEGP_PluginID aegp_plugin_id, AEGP_StreamRefH parent_groupH,
                                    const A_char* match_nameZ, AEGP_StreamRefH* streamPH)>,
              "AEGP_DynamicStreamSuite2::AEGP_GetNewStreamRefByMatchname signature");
static_assert(offsetof(AEGP_DynamicStreamSuite2, AEGP_DeleteStream) == 64,
              "AEGP_DynamicStreamSuite2::AEGP_DeleteStream slot 8");
static_assert(declared_as<decltype(AEGP_DynamicStreamSuite2::AEGP_DeleteStream), A_Err (*)(AEGP_StreamRefH streamH)>,
              "AEGP_DynamicStreamSuite2::AEGP_DeleteStream signature");
static_assert(offsetof(AEGP_DynamicStreamSuite2, AEGP_ReorderStream) == 72,
              "AEGP_DynamicStreamSuite2::AEGP_ReorderStream slot 9");
static_assert(declared_as<decltype(AEGP_DynamicStreamSuite2::AEGP_ReorderStream),
                          A_Err (*)(AEGP_StreamRefH streamH, A_long new_indexL)>,
              "AEGP_DynamicStreamSuite2::AEGP_ReorderStream signature");
static_assert(offsetof(AEGP_DynamicStreamSuite2, AEGP_DuplicateStream) == 80,
              "AEGP_DynamicStreamSuite2::AEGP_DuplicateStream slot 10");
static_assert(declared_as<decltype(AEGP_DynamicStreamSuite2::AEGP_DuplicateStream),
                          A_Err (*)(AEGP_PluginID aegp_plugin_id, AEGP_StreamRefH streamH, A_long* new_indexPL0)>,
              "AEGP_DynamicStreamSuite2::AEGP_DuplicateStream signature");
static_assert(offsetof(AEGP_DynamicStreamSuite2, AEGP_SetStreamName) == 88,
              "AEGP_DynamicStreamSuite2::AEGP_SetStreamName slot 11");
static_assert(declared_as<decltype(AEGP_DynamicStreamSuite2::AEGP_SetStreamName),
                          A_Err (*)(AEGP_StreamRefH streamH, const A_char* nameZ)>,
              "AEGP_DynamicStreamSuite2::AEGP_SetStreamName signature");
static_assert(offsetof(AEGP_DynamicStreamSuite2, AEGP_CanAddStream) == 96,
              "AEGP_DynamicStreamSuite2::AEGP_CanAddStream slot 12");
static_assert(declared_as<decltype(AEGP_DynamicStreamSuite2::AEGP_CanAddStream),
                          A_Err (*)(AEGP_StreamRefH group_streamH, const A_char* match_nameZ, A_Boolean* can_addPB)>,
              "AEGP_DynamicStreamSuite2::AEGP_CanAddStream signature");
static_assert(offsetof(AEGP_DynamicStreamSuite2, AEGP_AddStream) == 104,
              "AEGP_DynamicStreamSuite2::AEGP_AddStream slot 13");
static_assert(declared_as<decltype(AEGP_DynamicStreamSuite2::AEGP_AddStream),
                          A_Err (*)(AEGP_PluginID aegp_plugin_id, AEGP_StreamRefH indexed_group_streamH,
                                    const A_char* match_nameZ, AEGP_StreamRefH* streamPH0)>,
              "AEGP_DynamicStreamSuite2::AEGP_AddStream signature");
static_assert(offsetof(AEGP_DynamicStreamSuite2, AEGP_GetMatchName) == 112,
              "AEGP_DynamicStreamSuite2::AEGP_GetMatchName slot 14");
static_assert(declared_as<decltype(AEGP_DynamicStreamSuite2::AEGP_GetMatchName),
                          A_Err (*)(AEGP_StreamRefH streamH, A_char* nameZ)>,
              "AEGP_DynamicStreamSuite2::AEGP_GetMatchName signature");
static_assert(offsetof(AEGP_DynamicStreamSuite2, AEGP_GetNewParentStreamRef) == 120,
              "AEGP_DynamicStreamSuite2::AEGP_GetNewParentStreamRef slot 15");
static_assert(
    declared_as<decltype(AEGP_DynamicStreamSuite2::AEGP_GetNewParentStreamRef),
                A_Err (*)(AEGP_PluginID aegp_plugin_id, AEGP_StreamRefH streamH, AEGP_StreamRefH* parent_streamPH)>,
    "AEGP_DynamicStreamSuite2::AEGP_GetNewParentStreamRef signature");
static_assert(offsetof(AEGP_DynamicStreamSuite2, AEGP_GetStreamIsModified) == 128,
              "AEGP_DynamicStreamSuite2::AEGP_GetStreamIsModified slot 16");
static_assert(declared_as<decltype(AEGP_DynamicStreamSuite2::AEGP_GetStreamIsModified),
                          A_Err (*)(AEGP_StreamRefH streamH, A_Boolean* modifiedPB)>,
              "AEGP_DynamicStreamSuite2::AEGP_GetStreamIsModified signature");

// AEGP_EffectSuite2
static_assert(sizeof(AEGP_EffectSuite2) == 136, "sizeof AEGP_EffectSuite2");
static_assert(alignof(AEGP_EffectSuite2) == 8, "alignof AEGP_EffectSuite2");
static_assert(offsetof(AEGP_EffectSuite2, AEGP_GetLayerNumEffects) == 0,
              "AEGP_EffectSuite2::AEGP_GetLayerNumEffects slot 0");
static_assert(declared_as<decltype(AEGP_EffectSuite2::AEGP_GetLayerNumEffects),
                          A_Err (*)(AEGP_LayerH layerH, A_long* num_effectsPL)>,
              "AEGP_EffectSuite2::AEGP_GetLayerNumEffects signature");
static_assert(offsetof(AEGP_EffectSuite2, AEGP_GetLayerEffectByIndex) == 8,
              "AEGP_EffectSuite2::AEGP_GetLayerEffectByIndex slot 1");
static_assert(declared_as<decltype(AEGP_EffectSuite2::AEGP_GetLayerEffectByIndex),
                          A_Err (*)(AEGP_PluginID aegp_plugin_id, AEGP_LayerH layerH,
                                    AEGP_EffectIndex layer_effect_indexL, AEGP_EffectRefH* effectPH)>,
              "AEGP_EffectSuite2::AEGP_GetLayerEffectByIndex signature");
static_assert(offsetof(AEGP_EffectSuite2, AEGP_GetInstalledKeyFromLayerEffect) == 16,
              "AEGP_EffectSuite2::AEGP_GetInstalledKeyFromLayerEffect slot 2");
static_assert(declared_as<decltype(AEGP_EffectSuite2::AEGP_GetInstalledKeyFromLayerEffect),
                          A_Err (*)(AEGP_EffectRefH effect_refH, AEGP_InstalledEffectKey* installed_effect_keyP)>,
              "AEGP_EffectSuite2::AEGP_GetInstalledKeyFromLayerEffect signature");
static_assert(offsetof(AEGP_EffectSuite2, AEGP_GetEffectParamUnionByIndex) == 24,
              "AEGP_EffectSuite2::AEGP_GetEffectParamUnionByIndex slot 3");
static_assert(declared_as<decltype(AEGP_EffectSuite2::AEGP_GetEffectParamUnionByIndex),
                          A_Err (*)(AEGP_PluginID aegp_plugin_id, AEGP_EffectRefH effect_refH,
                                    PF_ParamIndex param_index, PF_ParamType* param_typeP, PF_ParamDefUnion* uP0)>,
              "AEGP_EffectSuite2::AEGP_GetEffectParamUnionByIndex signature");
static_assert(offsetof(AEGP_EffectSuite2, AEGP_GetEffectFlags) == 32, "AEGP_EffectSuite2::AEGP_GetEffectFlags slot 4");
static_assert(declared_as<decltype(AEGP_EffectSuite2::AEGP_GetEffectFlags),
                          A_Err (*)(AEGP_EffectRefH effect_refH, AEGP_EffectFlags* effect_flagsP)>,
              "AEGP_EffectSuite2::AEGP_GetEffectFlags signature");
static_assert(offsetof(AEGP_EffectSuite2, AEGP_SetEffectFlags) == 40, "AEGP_EffectSuite2::AEGP_SetEffectFlags slot 5");
static_assert(declared_as<decltype(AEGP_EffectSuite2::AEGP_SetEffectFlags),
                          A_Err (*)(AEGP_EffectRefH effect_refH, AEGP_EffectFlags effect_flags_set_mask,
                                    AEGP_EffectFlags effect_flags)>,
              "AEGP_EffectSuite2::AEGP_SetEffectFlags signature");
static_assert(offsetof(AEGP_EffectSuite2, AEGP_ReorderEffect) == 48, "AEGP_EffectSuite2::AEGP_ReorderEffect slot 6");
static_assert(declared_as<decltype(AEGP_EffectSuite2::AEGP_ReorderEffect),
                          A_Err (*)(AEGP_EffectRefH effect_refH, A_long effect_indexL)>,
              "AEGP_EffectSuite2::AEGP_ReorderEffect signature");
static_assert(offsetof(AEGP_EffectSuite2, AEGP_EffectCallGeneric) == 56,
              "AEGP_EffectSuite2::AEGP_EffectCallGeneric slot 7");
static_assert(declared_as<decltype(AEGP_EffectSuite2::AEGP_EffectCallGeneric),
                          A_Err (*)(AEGP_PluginID aegp_plugin_id, AEGP_EffectRefH effect_refH, const A_Time* timePT,
                                    void* effect_extraPV)>,
              "AEGP_EffectSuite2::AEGP_EffectCallGeneric signature");
static_assert(offsetof(AEGP_EffectSuite2, AEGP_DisposeEffect) == 64, "AEGP_EffectSuite2::AEGP_DisposeEffect slot 8");
static_assert(declared_as<decltype(AEGP_EffectSuite2::AEGP_DisposeEffect), A_Err (*)(AEGP_EffectRefH effect_refH)>,
              "AEGP_EffectSuite2::AEGP_DisposeEffect signature");
static_assert(offsetof(AEGP_EffectSuite2, AEGP_ApplyEffect) == 72, "AEGP_EffectSuite2::AEGP_ApplyEffect slot 9");
static_assert(declared_as<decltype(AEGP_EffectSuite2::AEGP_ApplyEffect),
                          A_Err (*)(AEGP_PluginID aegp_plugin_id, AEGP_LayerH layerH,
                                    AEGP_InstalledEffectKey installed_effect_key, AEGP_EffectRefH* effect_refPH)>,
              "AEGP_EffectSuite2::AEGP_ApplyEffect signature");
static_assert(offsetof(AEGP_EffectSuite2, AEGP_DeleteLayerEffect) == 80,
              "AEGP_EffectSuite2::AEGP_DeleteLayerEffect slot 10");
static_assert(declared_as<decltype(AEGP_EffectSuite2::AEGP_DeleteLayerEffect), A_Err (*)(AEGP_EffectRefH effect_refH)>,
              "AEGP_EffectSuite2::AEGP_DeleteLayerEffect signature");
static_assert(offsetof(AEGP_EffectSuite2, AEGP_GetNumInstalledEffects) == 88,
              "AEGP_EffectSuite2::AEGP_GetNumInstalledEffects slot 11");
static_assert(
    declared_as<decltype(AEGP_EffectSuite2::AEGP_GetNumInstalledEffects), A_Err (*)(A_long* num_installed_effectsPL)>,
    "AEGP_EffectSuite2::AEGP_GetNumInstalledEffects signature");
static_assert(offsetof(AEGP_EffectSuite2, AEGP_GetNextInstalledEffect) == 96,
              "AEGP_EffectSuite2::AEGP_GetNextInstalledEffect slot 12");
static_assert(
    declared_as<decltype(AEGP_EffectSuite2::AEGP_GetNextInstalledEffect),
                A_Err (*)(AEGP_InstalledEffectKey installed_effect_key, AEGP_InstalledEffectKey* next_effectPH)>,
    "AEGP_EffectSuite2::AEGP_GetNextInstalledEffect signature");
static_assert(offsetof(AEGP_EffectSuite2, AEGP_GetEffectName) == 104, "AEGP_EffectSuite2::AEGP_GetEffectName slot 13");
static_assert(declared_as<decltype(AEGP_EffectSuite2::AEGP_GetEffectName),
                          A_Err (*)(AEGP_InstalledEffectKey installed_effect_key, A_char* nameZ)>,
              "AEGP_EffectSuite2::AEGP_GetEffectName signature");
static_assert(offsetof(AEGP_EffectSuite2, AEGP_GetEffectMatchName) == 112,
              "AEGP_EffectSuite2::AEGP_GetEffectMatchName slot 14");
static_assert(declared_as<decltype(AEGP_EffectSuite2::AEGP_GetEffectMatchName),
                          A_Err (*)(AEGP_InstalledEffectKey installed_effect_key, A_char* match_nameZ)>,
              "AEGP_EffectSuite2::AEGP_GetEffectMatchName signature");
static_assert(offsetof(AEGP_EffectSuite2, AEGP_GetEffectCategory) == 120,
              "AEGP_EffectSuite2::AEGP_GetEffectCategory slot 15");
static_assert(declared_as<decltype(AEGP_EffectSuite2::AEGP_GetEffectCategory),
                          A_Err (*)(AEGP_InstalledEffectKey installed_effect_key, A_char* categoryZ)>,
              "AEGP_EffectSuite2::AEGP_GetEffectCategory signature");
static_assert(offsetof(AEGP_EffectSuite2, AEGP_DuplicateEffect) == 128,
              "AEGP_EffectSuite2::AEGP_DuplicateEffect slot 16");
static_assert(declared_as<decltype(AEGP_EffectSuite2::AEGP_DuplicateEffect),
                          A_Err (*)(AEGP_EffectRefH original_effect_refH, AEGP_EffectRefH* duplicate_effect_refPH)>,
              "AEGP_EffectSuite2::AEGP_DuplicateEffect signature");

// AEGP_PFInterfaceSuite1
static_assert(sizeof(AEGP_PFInterfaceSuite1) == 40, "sizeof AEGP_PFInterfaceSuite1");
static_assert(alignof(AEGP_PFInterfaceSuite1) == 8, "alignof AEGP_PFInterfaceSuite1");
static_assert(offsetof(AEGP_PFInterfaceSuite1, AEGP_GetEffectLayer) == 0,
              "AEGP_PFInterfaceSuite1::AEGP_GetEffectLayer slot 0");
static_assert(declared_as<decltype(AEGP_PFInterfaceSuite1::AEGP_GetEffectLayer),
                          A_Err (*)(PF_ProgPtr effect_pp_ref, AEGP_LayerH* layerPH)>,
              "AEGP_PFInterfaceSuite1::AEGP_GetEffectLayer signature");
static_assert(offsetof(AEGP_PFInterfaceSuite1, AEGP_GetNewEffectForEffect) == 8,
              "AEGP_PFInterfaceSuite1::AEGP_GetNewEffectForEffect slot 1");
static_assert(
    declared_as<decltype(AEGP_PFInterfaceSuite1::AEGP_GetNewEffectForEffect),
                A_Err (*)(AEGP_PluginID aegp_plugin_id, PF_ProgPtr effect_pp_ref, AEGP_EffectRefH* effect_refPH)>,
    "AEGP_PFInterfaceSuite1::AEGP_GetNewEffectForEffect signature");
static_assert(offsetof(AEGP_PFInterfaceSuite1, AEGP_ConvertEffectToCompTime) == 16,
              "AEGP_PFInterfaceSuite1::AEGP_ConvertEffectToCompTime slot 2");
static_assert(
    declared_as<decltype(AEGP_PFInterfaceSuite1::AEGP_ConvertEffectToCompTime),
                A_Err (*)(PF_ProgPtr effect_pp_ref, A_long what_timeL, A_u_long time_scaleLu, A_Time* comp_timePT)>,
    "AEGP_PFInterfaceSuite1::AEGP_ConvertEffectToCompTime signature");
static_assert(offsetof(AEGP_PFInterfaceSuite1, AEGP_GetEffectCamera) == 24,
              "AEGP_PFInterfaceSuite1::AEGP_GetEffectCamera slot 3");
static_assert(declared_as<decltype(AEGP_PFInterfaceSuite1::AEGP_GetEffectCamera),
                          A_Err (*)(PF_ProgPtr effect_pp_ref, const A_Time* comp_timePT, AEGP_LayerH* camera_layerPH)>,
              "AEGP_PFInterfaceSuite1::AEGP_GetEffectCamera signature");
static_assert(offsetof(AEGP_PFInterfaceSuite1, AEGP_GetEffectCameraMatrix) == 32,
              "AEGP_PFInterfaceSuite1::AEGP_GetEffectCameraMatrix slot 4");
static_assert(declared_as<decltype(AEGP_PFInterfaceSuite1::AEGP_GetEffectCameraMatrix),
                          A_Err (*)(PF_ProgPtr effect_pp_ref, const A_Time* comp_timePT, A_Matrix4* camera_matrixP,
                                    A_FpLong* dist_to_image_planePF, A_short* image_plane_widthPL,
                                    A_short* image_plane_heightPL)>,
              "AEGP_PFInterfaceSuite1::AEGP_GetEffectCameraMatrix signature");

// AEGP_MemorySuite1
static_assert(sizeof(AEGP_MemorySuite1) == 64, "sizeof AEGP_MemorySuite1");
static_assert(alignof(AEGP_MemorySuite1) == 8, "alignof AEGP_MemorySuite1");
static_assert(offsetof(AEGP_MemorySuite1, AEGP_NewMemHandle) == 0, "AEGP_MemorySuite1::AEGP_NewMemHandle slot 0");
static_assert(declared_as<decltype(AEGP_MemorySuite1::AEGP_NewMemHandle),
                          A_Err (*)(AEGP_PluginID plugin_id, const A_char* whatZ, AEGP_MemSize size, AEGP_MemFlag flags,
                                    AEGP_MemHandle* memPH)>,
              "AEGP_MemorySuite1::AEGP_NewMemHandle signature");
static_assert(offsetof(AEGP_MemorySuite1, AEGP_FreeMemHandle) == 8, "AEGP_MemorySuite1::AEGP_FreeMemHandle slot 1");
static_assert(declared_as<decltype(AEGP_MemorySuite1::AEGP_FreeMemHandle), A_Err (*)(AEGP_MemHandle memH)>,
              "AEGP_MemorySuite1::AEGP_FreeMemHandle signature");
static_assert(offsetof(AEGP_MemorySuite1, AEGP_LockMemHandle) == 16, "AEGP_MemorySuite1::AEGP_LockMemHandle slot 2");
static_assert(
    declared_as<decltype(AEGP_MemorySuite1::AEGP_LockMemHandle), A_Err (*)(AEGP_MemHandle memH, void** ptr_to_ptr)>,
    "AEGP_MemorySuite1::AEGP_LockMemHandle signature");
static_assert(offsetof(AEGP_MemorySuite1, AEGP_UnlockMemHandle) == 24,
              "AEGP_MemorySuite1::AEGP_UnlockMemHandle slot 3");
static_assert(declared_as<decltype(AEGP_MemorySuite1::AEGP_UnlockMemHandle), A_Err (*)(AEGP_MemHandle memH)>,
              "AEGP_MemorySuite1::AEGP_UnlockMemHandle signature");
static_assert(offsetof(AEGP_MemorySuite1, AEGP_GetMemHandleSize) == 32,
              "AEGP_MemorySuite1::AEGP_GetMemHandleSize slot 4");
static_assert(declared_as<decltype(AEGP_MemorySuite1::AEGP_GetMemHandleSize),
                          A_Err (*)(AEGP_MemHandle memH, AEGP_MemSize* sizeP)>,
              "AEGP_MemorySuite1::AEGP_GetMemHandleSize signature");
static_assert(offsetof(AEGP_MemorySuite1, AEGP_ResizeMemHandle) == 40,
              "AEGP_MemorySuite1::AEGP_ResizeMemHandle slot 5");
static_assert(declared_as<decltype(AEGP_MemorySuite1::AEGP_ResizeMemHandle),
                          A_Err (*)(const A_char* whatZ, AEGP_MemSize new_size, AEGP_MemHandle memH)>,
              "AEGP_MemorySuite1::AEGP_ResizeMemHandle signature");
static_assert(offsetof(AEGP_MemorySuite1, AEGP_SetMemReportingOn) == 48,
              "AEGP_MemorySuite1::AEGP_SetMemReportingOn slot 6");
static_assert(declared_as<decltype(AEGP_MemorySuite1::AEGP_SetMemReportingOn), A_Err (*)(A_Boolean turn_OnB)>,
              "AEGP_MemorySuite1::AEGP_SetMemReportingOn signature");
static_assert(offsetof(AEGP_MemorySuite1, AEGP_GetMemStats) == 56, "AEGP_MemorySuite1::AEGP_GetMemStats slot 7");
static_assert(declared_as<decltype(AEGP_MemorySuite1::AEGP_GetMemStats),
                          A_Err (*)(AEGP_PluginID plugin_id, A_long* countPL, A_long* sizePL)>,
              "AEGP_MemorySuite1::AEGP_GetMemStats signature");

// AEGP_StreamValue2
static_assert(sizeof(AEGP_StreamValue2) == 40, "sizeof AEGP_StreamValue2");
static_assert(alignof(AEGP_StreamValue2) == 8, "alignof AEGP_StreamValue2");
static_assert(offsetof(AEGP_StreamValue2, streamH) == 0, "AEGP_StreamValue2.streamH offset");
static_assert(declared_as<decltype(std::declval<AEGP_StreamValue2&>().streamH), AEGP_StreamRefH>,
              "AEGP_StreamValue2.streamH type");
static_assert(sizeof(std::declval<AEGP_StreamValue2&>().streamH) == 8, "AEGP_StreamValue2.streamH size");
static_assert(offsetof(AEGP_StreamValue2, val) == 8, "AEGP_StreamValue2.val offset");
static_assert(declared_as<decltype(std::declval<AEGP_StreamValue2&>().val), AEGP_StreamVal2>,
              "AEGP_StreamValue2.val type");
static_assert(sizeof(std::declval<AEGP_StreamValue2&>().val) == 32, "AEGP_StreamValue2.val size");
static_assert(offsetof(AEGP_StreamValue2, val.four_d) == 8, "AEGP_StreamValue2.val.four_d offset");
static_assert(declared_as<decltype(std::declval<AEGP_StreamValue2&>().val.four_d), AEGP_FourDVal>,
              "AEGP_StreamValue2.val.four_d type");
static_assert(offsetof(AEGP_StreamValue2, val.three_d) == 8, "AEGP_StreamValue2.val.three_d offset");
static_assert(declared_as<decltype(std::declval<AEGP_StreamValue2&>().val.three_d), AEGP_ThreeDVal>,
              "AEGP_StreamValue2.val.three_d type");
static_assert(offsetof(AEGP_StreamValue2, val.two_d) == 8, "AEGP_StreamValue2.val.two_d offset");
static_assert(declared_as<decltype(std::declval<AEGP_StreamValue2&>().val.two_d), AEGP_TwoDVal>,
              "AEGP_StreamValue2.val.two_d type");
static_assert(offsetof(AEGP_StreamValue2, val.one_d) == 8, "AEGP_StreamValue2.val.one_d offset");
static_assert(declared_as<decltype(std::declval<AEGP_StreamValue2&>().val.one_d), AEGP_OneDVal>,
              "AEGP_StreamValue2.val.one_d type");
static_assert(offsetof(AEGP_StreamValue2, val.color) == 8, "AEGP_StreamValue2.val.color offset");
static_assert(declared_as<decltype(std::declval<AEGP_StreamValue2&>().val.color), AEGP_ColorVal>,
              "AEGP_StreamValue2.val.color type");
static_assert(offsetof(AEGP_StreamValue2, val.arbH) == 8, "AEGP_StreamValue2.val.arbH offset");
static_assert(declared_as<decltype(std::declval<AEGP_StreamValue2&>().val.arbH), AEGP_ArbBlockVal>,
              "AEGP_StreamValue2.val.arbH type");
static_assert(offsetof(AEGP_StreamValue2, val.markerP) == 8, "AEGP_StreamValue2.val.markerP offset");
static_assert(declared_as<decltype(std::declval<AEGP_StreamValue2&>().val.markerP), AEGP_MarkerValP>,
              "AEGP_StreamValue2.val.markerP type");
static_assert(offsetof(AEGP_StreamValue2, val.layer_id) == 8, "AEGP_StreamValue2.val.layer_id offset");
static_assert(declared_as<decltype(std::declval<AEGP_StreamValue2&>().val.layer_id), AEGP_LayerIDVal>,
              "AEGP_StreamValue2.val.layer_id type");
static_assert(offsetof(AEGP_StreamValue2, val.mask_id) == 8, "AEGP_StreamValue2.val.mask_id offset");
static_assert(declared_as<decltype(std::declval<AEGP_StreamValue2&>().val.mask_id), AEGP_MaskIDVal>,
              "AEGP_StreamValue2.val.mask_id type");
static_assert(offsetof(AEGP_StreamValue2, val.mask) == 8, "AEGP_StreamValue2.val.mask offset");
static_assert(declared_as<decltype(std::declval<AEGP_StreamValue2&>().val.mask), AEGP_MaskOutlineValH>,
              "AEGP_StreamValue2.val.mask type");
static_assert(offsetof(AEGP_StreamValue2, val.text_documentH) == 8, "AEGP_StreamValue2.val.text_documentH offset");
static_assert(declared_as<decltype(std::declval<AEGP_StreamValue2&>().val.text_documentH), AEGP_TextDocumentH>,
              "AEGP_StreamValue2.val.text_documentH type");

// AEGP_StreamVal2
static_assert(sizeof(AEGP_StreamVal2) == 32, "sizeof AEGP_StreamVal2");
static_assert(alignof(AEGP_StreamVal2) == 8, "alignof AEGP_StreamVal2");
static_assert(offsetof(AEGP_StreamVal2, four_d) == 0, "AEGP_StreamVal2.four_d offset");
static_assert(declared_as<decltype(std::declval<AEGP_StreamVal2&>().four_d), AEGP_FourDVal>,
              "AEGP_StreamVal2.four_d type");
static_assert(sizeof(std::declval<AEGP_StreamVal2&>().four_d) == 32, "AEGP_StreamVal2.four_d size");
static_assert(offsetof(AEGP_StreamVal2, three_d) == 0, "AEGP_StreamVal2.three_d offset");
static_assert(declared_as<decltype(std::declval<AEGP_StreamVal2&>().three_d), AEGP_ThreeDVal>,
              "AEGP_StreamVal2.three_d type");
static_assert(sizeof(std::declval<AEGP_StreamVal2&>().three_d) == 24, "AEGP_StreamVal2.three_d size");
static_assert(offsetof(AEGP_StreamVal2, two_d) == 0, "AEGP_StreamVal2.two_d offset");
static_assert(declared_as<decltype(std::declval<AEGP_StreamVal2&>().two_d), AEGP_TwoDVal>,
              "AEGP_StreamVal2.two_d type");
static_assert(sizeof(std::declval<AEGP_StreamVal2&>().two_d) == 16, "AEGP_StreamVal2.two_d size");
static_assert(offsetof(AEGP_StreamVal2, one_d) == 0, "AEGP_StreamVal2.one_d offset");
static_assert(declared_as<decltype(std::declval<AEGP_StreamVal2&>().one_d), AEGP_OneDVal>,
              "AEGP_StreamVal2.one_d type");
static_assert(sizeof(std::declval<AEGP_StreamVal2&>().one_d) == 8, "AEGP_StreamVal2.one_d size");
static_assert(offsetof(AEGP_StreamVal2, color) == 0, "AEGP_StreamVal2.color offset");
static_assert(declared_as<decltype(std::declval<AEGP_StreamVal2&>().color), AEGP_ColorVal>,
              "AEGP_StreamVal2.color type");
static_assert(sizeof(std::declval<AEGP_StreamVal2&>().color) == 32, "AEGP_StreamVal2.color size");
static_assert(offsetof(AEGP_StreamVal2, arbH) == 0, "AEGP_StreamVal2.arbH offset");
static_assert(declared_as<decltype(std::declval<AEGP_StreamVal2&>().arbH), AEGP_ArbBlockVal>,
              "AEGP_StreamVal2.arbH type");
static_assert(sizeof(std::declval<AEGP_StreamVal2&>().arbH) == 8, "AEGP_StreamVal2.arbH size");
static_assert(offsetof(AEGP_StreamVal2, markerP) == 0, "AEGP_StreamVal2.markerP offset");
static_assert(declared_as<decltype(std::declval<AEGP_StreamVal2&>().markerP), AEGP_MarkerValP>,
              "AEGP_StreamVal2.markerP type");
static_assert(sizeof(std::declval<AEGP_StreamVal2&>().markerP) == 8, "AEGP_StreamVal2.markerP size");
static_assert(offsetof(AEGP_StreamVal2, layer_id) == 0, "AEGP_StreamVal2.layer_id offset");
static_assert(declared_as<decltype(std::declval<AEGP_StreamVal2&>().layer_id), AEGP_LayerIDVal>,
              "AEGP_StreamVal2.layer_id type");
static_assert(sizeof(std::declval<AEGP_StreamVal2&>().layer_id) == 4, "AEGP_StreamVal2.layer_id size");
static_assert(offsetof(AEGP_StreamVal2, mask_id) == 0, "AEGP_StreamVal2.mask_id offset");
static_assert(declared_as<decltype(std::declval<AEGP_StreamVal2&>().mask_id), AEGP_MaskIDVal>,
              "AEGP_StreamVal2.mask_id type");
static_assert(sizeof(std::declval<AEGP_StreamVal2&>().mask_id) == 4, "AEGP_StreamVal2.mask_id size");
static_assert(offsetof(AEGP_StreamVal2, mask) == 0, "AEGP_StreamVal2.mask offset");
static_assert(declared_as<decltype(std::declval<AEGP_StreamVal2&>().mask), AEGP_MaskOutlineValH>,
              "AEGP_StreamVal2.mask type");
static_assert(sizeof(std::declval<AEGP_StreamVal2&>().mask) == 8, "AEGP_StreamVal2.mask size");
static_assert(offsetof(AEGP_StreamVal2, text_documentH) == 0, "AEGP_StreamVal2.text_documentH offset");
static_assert(declared_as<decltype(std::declval<AEGP_StreamVal2&>().text_documentH), AEGP_TextDocumentH>,
              "AEGP_StreamVal2.text_documentH type");
static_assert(sizeof(std::declval<AEGP_StreamVal2&>().text_documentH) == 8, "AEGP_StreamVal2.text_documentH size");

// DRAWBOT_DrawbotSuite1
static_assert(sizeof(DRAWBOT_DrawbotSuite1) == 16, "sizeof DRAWBOT_DrawbotSuite1");
static_assert(alignof(DRAWBOT_DrawbotSuite1) == 8, "alignof DRAWBOT_DrawbotSuite1");
static_assert(offsetof(DRAWBOT_DrawbotSuite1, GetSupplier) == 0, "DRAWBOT_DrawbotSuite1::GetSupplier slot 0");
static_assert(declared_as<decltype(DRAWBOT_DrawbotSuite1::GetSupplier),
                          SPErr (*)(DRAWBOT_DrawRef in_drawbot_ref, DRAWBOT_SupplierRef* out_supplierP)>,
              "DRAWBOT_DrawbotSuite1::GetSupplier signature");
static_assert(offsetof(DRAWBOT_DrawbotSuite1, GetSurface) == 8, "DRAWBOT_DrawbotSuite1::GetSurface slot 1");
static_assert(declared_as<decltype(DRAWBOT_DrawbotSuite1::GetSurface),
                          SPErr (*)(DRAWBOT_DrawRef in_drawbot_ref, DRAWBOT_SurfaceRef* out_surfaceP)>,
              "DRAWBOT_DrawbotSuite1::GetSurface signature");

// DRAWBOT_SupplierSuite1
static_assert(sizeof(DRAWBOT_SupplierSuite1) == 104, "sizeof DRAWBOT_SupplierSuite1");
static_assert(alignof(DRAWBOT_SupplierSuite1) == 8, "alignof DRAWBOT_SupplierSuite1");
static_assert(offsetof(DRAWBOT_SupplierSuite1, NewPen) == 0, "DRAWBOT_SupplierSuite1::NewPen slot 0");
static_assert(declared_as<decltype(DRAWBOT_SupplierSuite1::NewPen),
                          SPErr (*)(DRAWBOT_SupplierRef in_supplier_ref, const DRAWBOT_ColorRGBA* in_colorP,
                                    float in_size, DRAWBOT_PenRef* out_penP)>,
              "DRAWBOT_SupplierSuite1::NewPen signature");
static_assert(offsetof(DRAWBOT_SupplierSuite1, NewBrush) == 8, "DRAWBOT_SupplierSuite1::NewBrush slot 1");
static_assert(declared_as<decltype(DRAWBOT_SupplierSuite1::NewBrush),
                          SPErr (*)(DRAWBOT_SupplierRef in_supplier_ref, const DRAWBOT_ColorRGBA* in_colorP,
                                    DRAWBOT_BrushRef* out_brushP)>,
              "DRAWBOT_SupplierSuite1::NewBrush signature");
static_assert(offsetof(DRAWBOT_SupplierSuite1, SupportsText) == 16, "DRAWBOT_SupplierSuite1::SupportsText slot 2");
static_assert(declared_as<decltype(DRAWBOT_SupplierSuite1::SupportsText),
                          SPErr (*)(DRAWBOT_SupplierRef in_supplier_ref, DRAWBOT_Boolean* out_supports_textPB)>,
              "DRAWBOT_SupplierSuite1::SupportsText signature");
static_assert(offsetof(DRAWBOT_SupplierSuite1, GetDefaultFontSize) == 24,
              "DRAWBOT_SupplierSuite1::GetDefaultFontSize slot 3");
static_assert(declared_as<decltype(DRAWBOT_SupplierSuite1::GetDefaultFontSize),
                          SPErr (*)(DRAWBOT_SupplierRef in_supplier_ref, float* out_font_sizeF)>,
              "DRAWBOT_SupplierSuite1::GetDefaultFontSize signature");
static_assert(offsetof(DRAWBOT_SupplierSuite1, NewDefaultFont) == 32, "DRAWBOT_SupplierSuite1::NewDefaultFont slot 4");
static_assert(
    declared_as<decltype(DRAWBOT_SupplierSuite1::NewDefaultFont),
                SPErr (*)(DRAWBOT_SupplierRef in_supplier_ref, float in_font_sizeF, DRAWBOT_FontRef* out_fontP)>,
    "DRAWBOT_SupplierSuite1::NewDefaultFont signature");
static_assert(offsetof(DRAWBOT_SupplierSuite1, NewImageFromBuffer) == 40,
              "DRAWBOT_SupplierSuite1::NewImageFromBuffer slot 5");
static_assert(declared_as<decltype(DRAWBOT_SupplierSuite1::NewImageFromBuffer),
                          SPErr (*)(DRAWBOT_SupplierRef in_supplier_ref, int in_width, int in_height, int in_row_bytes,
                                    DRAWBOT_PixelLayout in_pl, const void* in_dataP, DRAWBOT_ImageRef* out_imageP)>,
              "DRAWBOT_SupplierSuite1::NewImageFromBuffer signature");
static_assert(offsetof(DRAWBOT_SupplierSuite1, NewPath) == 48, "DRAWBOT_SupplierSuite1::NewPath slot 6");
static_assert(declared_as<decltype(DRAWBOT_SupplierSuite1::NewPath),
                          SPErr (*)(DRAWBOT_SupplierRef in_supplier_ref, DRAWBOT_PathRef* out_pathP)>,
              "DRAWBOT_SupplierSuite1::NewPath signature");
static_assert(offsetof(DRAWBOT_SupplierSuite1, SupportsPixelLayoutBGRA) == 56,
              "DRAWBOT_SupplierSuite1::SupportsPixelLayoutBGRA slot 7");
static_assert(declared_as<decltype(DRAWBOT_SupplierSuite1::SupportsPixelLayoutBGRA),
                          SPErr (*)(DRAWBOT_SupplierRef in_supplier_ref, DRAWBOT_Boolean* out_supports_bgraPB)>,
              "DRAWBOT_SupplierSuite1::SupportsPixelLayoutBGRA signature");
static_assert(offsetof(DRAWBOT_SupplierSuite1, PrefersPixelLayoutBGRA) == 64,
              "DRAWBOT_SupplierSuite1::PrefersPixelLayoutBGRA slot 8");
static_assert(declared_as<decltype(DRAWBOT_SupplierSuite1::PrefersPixelLayoutBGRA),
                          SPErr (*)(DRAWBOT_SupplierRef in_supplier_ref, DRAWBOT_Boolean* out_prefers_bgraPB)>,
              "DRAWBOT_SupplierSuite1::PrefersPixelLayoutBGRA signature");
static_assert(offsetof(DRAWBOT_SupplierSuite1, SupportsPixelLayoutARGB) == 72,
              "DRAWBOT_SupplierSuite1::SupportsPixelLayoutARGB slot 9");
static_assert(declared_as<decltype(DRAWBOT_SupplierSuite1::SupportsPixelLayoutARGB),
                          SPErr (*)(DRAWBOT_SupplierRef in_supplier_ref, DRAWBOT_Boolean* out_supports_argbPB)>,
              "DRAWBOT_SupplierSuite1::SupportsPixelLayoutARGB signature");
static_assert(offsetof(DRAWBOT_SupplierSuite1, PrefersPixelLayoutARGB) == 80,
              "DRAWBOT_SupplierSuite1::PrefersPixelLayoutARGB slot 10");
static_assert(declared_as<decltype(DRAWBOT_SupplierSuite1::PrefersPixelLayoutARGB),
                          SPErr (*)(DRAWBOT_SupplierRef in_supplier_ref, DRAWBOT_Boolean* out_prefers_argbPB)>,
              "DRAWBOT_SupplierSuite1::PrefersPixelLayoutARGB signature");
static_assert(offsetof(DRAWBOT_SupplierSuite1, RetainObject) == 88, "DRAWBOT_SupplierSuite1::RetainObject slot 11");
static_assert(declared_as<decltype(DRAWBOT_SupplierSuite1::RetainObject), SPErr (*)(DRAWBOT_ObjectRef in_obj_ref)>,
              "DRAWBOT_SupplierSuite1::RetainObject signature");
static_assert(offsetof(DRAWBOT_SupplierSuite1, ReleaseObject) == 96, "DRAWBOT_SupplierSuite1::ReleaseObject slot 12");
static_assert(declared_as<decltype(DRAWBOT_SupplierSuite1::ReleaseObject), SPErr (*)(DRAWBOT_ObjectRef in_obj_ref)>,
              "DRAWBOT_SupplierSuite1::ReleaseObject signature");

// DRAWBOT_SurfaceSuite2
static_assert(sizeof(DRAWBOT_SurfaceSuite2) == 136, "sizeof DRAWBOT_SurfaceSuite2");
static_assert(alignof(DRAWBOT_SurfaceSuite2) == 8, "alignof DRAWBOT_SurfaceSuite2");
static_assert(offsetof(DRAWBOT_SurfaceSuite2, PushStateStack) == 0, "DRAWBOT_SurfaceSuite2::PushStateStack slot 0");
static_assert(
    declared_as<decltype(DRAWBOT_SurfaceSuite2::PushStateStack), SPErr (*)(DRAWBOT_SurfaceRef in_surface_ref)>,
    "DRAWBOT_SurfaceSuite2::PushStateStack signature");
static_assert(offsetof(DRAWBOT_SurfaceSuite2, PopStateStack) == 8, "DRAWBOT_SurfaceSuite2::PopStateStack slot 1");
static_assert(declared_as<decltype(DRAWBOT_SurfaceSuite2::PopStateStack), SPErr (*)(DRAWBOT_SurfaceRef in_surface_ref)>,
              "DRAWBOT_SurfaceSuite2::PopStateStack signature");
static_assert(offsetof(DRAWBOT_SurfaceSuite2, PaintRect) == 16, "DRAWBOT_SurfaceSuite2::PaintRect slot 2");
static_assert(declared_as<decltype(DRAWBOT_SurfaceSuite2::PaintRect),
                          SPErr (*)(DRAWBOT_SurfaceRef in_surface_ref, const DRAWBOT_ColorRGBA* in_colorP,
                                    const DRAWBOT_RectF32* in_rectPR)>,
              "DRAWBOT_SurfaceSuite2::PaintRect signature");
static_assert(offsetof(DRAWBOT_SurfaceSuite2, FillPath) == 24, "DRAWBOT_SurfaceSuite2::FillPath slot 3");
static_assert(declared_as<decltype(DRAWBOT_SurfaceSuite2::FillPath),
                          SPErr (*)(DRAWBOT_SurfaceRef in_surface_ref, DRAWBOT_BrushRef in_brush_ref,
                                    DRAWBOT_PathRef in_path_ref, DRAWBOT_FillType in_fill_type)>,
              "DRAWBOT_SurfaceSuite2::FillPath signature");
static_assert(offsetof(DRAWBOT_SurfaceSuite2, StrokePath) == 32, "DRAWBOT_SurfaceSuite2::StrokePath slot 4");
static_assert(
    declared_as<decltype(DRAWBOT_SurfaceSuite2::StrokePath),
                SPErr (*)(DRAWBOT_SurfaceRef in_surface_ref, DRAWBOT_PenRef in_pen_ref, DRAWBOT_PathRef in_path_ref)>,
    "DRAWBOT_SurfaceSuite2::StrokePath signature");
static_assert(offsetof(DRAWBOT_SurfaceSuite2, Clip) == 40, "DRAWBOT_SurfaceSuite2::Clip slot 5");
static_assert(declared_as<decltype(DRAWBOT_SurfaceSuite2::Clip),
                          SPErr (*)(DRAWBOT_SurfaceRef in_surface_ref, DRAWBOT_SupplierRef in_supplier_ref,
                                    const DRAWBOT_Rect32* in_rectPR)>,
              "DRAWBOT_SurfaceSuite2::Clip signature");
static_assert(offsetof(DRAWBOT_SurfaceSuite2, GetClipBounds) == 48, "DRAWBOT_SurfaceSuite2::GetClipBounds slot 6");
static_assert(declared_as<decltype(DRAWBOT_SurfaceSuite2::GetClipBounds),
                          SPErr (*)(DRAWBOT_SurfaceRef in_surface_ref, DRAWBOT_Rect32* out_rectPR)>,
              "DRAWBOT_SurfaceSuite2::GetClipBounds signature");
static_assert(offsetof(DRAWBOT_SurfaceSuite2, IsWithinClipBounds) == 56,
              "DRAWBOT_SurfaceSuite2::IsWithinClipBounds slot 7");
static_assert(declared_as<decltype(DRAWBOT_SurfaceSuite2::IsWithinClipBounds),
                          SPErr (*)(DRAWBOT_SurfaceRef in_surface_ref, const DRAWBOT_Rect32* in_rectPR,
                                    DRAWBOT_Boolean* out_withinPB)>,
              "DRAWBOT_SurfaceSuite2::IsWithinClipBounds signature");
static_assert(offsetof(DRAWBOT_SurfaceSuite2, Transform) == 64, "DRAWBOT_SurfaceSuite2::Transform slot 8");
static_assert(declared_as<decltype(DRAWBOT_SurfaceSuite2::Transform),
                          SPErr (*)(DRAWBOT_SurfaceRef in_surface_ref, const DRAWBOT_MatrixF32* in_matrixP)>,
              "DRAWBOT_SurfaceSuite2::Transform signature");
static_assert(offsetof(DRAWBOT_SurfaceSuite2, DrawString) == 72, "DRAWBOT_SurfaceSuite2::DrawString slot 9");
static_assert(declared_as<decltype(DRAWBOT_SurfaceSuite2::DrawString),
                          SPErr (*)(DRAWBOT_SurfaceRef in_surface_ref, DRAWBOT_BrushRef in_brush_ref,
                                    DRAWBOT_FontRef in_font_ref, const DRAWBOT_UTF16Char* in_stringP,
                                    const DRAWBOT_PointF32* in_originP, DRAWBOT_TextAlignment in_alignment_style,
                                    DRAWBOT_TextTruncation in_truncation_style, float in_truncation_width)>,
              "DRAWBOT_SurfaceSuite2::DrawString signature");
static_assert(offsetof(DRAWBOT_SurfaceSuite2, DrawImage) == 80, "DRAWBOT_SurfaceSuite2::DrawImage slot 10");
static_assert(declared_as<decltype(DRAWBOT_SurfaceSuite2::DrawImage),
                          SPErr (*)(DRAWBOT_SurfaceRef in_surface_ref, DRAWBOT_ImageRef in_image_ref,
                                    const DRAWBOT_PointF32* in_originP, float in_alpha)>,
              "DRAWBOT_SurfaceSuite2::DrawImage signature");
static_assert(offsetof(DRAWBOT_SurfaceSuite2, SetInterpolationPolicy) == 88,
              "DRAWBOT_SurfaceSuite2::SetInterpolationPolicy slot 11");
static_assert(declared_as<decltype(DRAWBOT_SurfaceSuite2::SetInterpolationPolicy),
                          SPErr (*)(DRAWBOT_SurfaceRef in_surface_ref, DRAWBOT_InterpolationPolicy in_interp)>,
              "DRAWBOT_SurfaceSuite2::SetInterpolationPolicy signature");
static_assert(offsetof(DRAWBOT_SurfaceSuite2, GetInterpolationPolicy) == 96,
              "DRAWBOT_SurfaceSuite2::GetInterpolationPolicy slot 12");
static_assert(declared_as<decltype(DRAWBOT_SurfaceSuite2::GetInterpolationPolicy),
                          SPErr (*)(DRAWBOT_SurfaceRef in_surface_ref, DRAWBOT_InterpolationPolicy* out_interpP)>,
              "DRAWBOT_SurfaceSuite2::GetInterpolationPolicy signature");
static_assert(offsetof(DRAWBOT_SurfaceSuite2, SetAntiAliasPolicy) == 104,
              "DRAWBOT_SurfaceSuite2::SetAntiAliasPolicy slot 13");
static_assert(declared_as<decltype(DRAWBOT_SurfaceSuite2::SetAntiAliasPolicy),
                          SPErr (*)(DRAWBOT_SurfaceRef in_surface_ref, DRAWBOT_AntiAliasPolicy in_policy)>,
              "DRAWBOT_SurfaceSuite2::SetAntiAliasPolicy signature");
static_assert(offsetof(DRAWBOT_SurfaceSuite2, GetAntiAliasPolicy) == 112,
              "DRAWBOT_SurfaceSuite2::GetAntiAliasPolicy slot 14");
static_assert(declared_as<decltype(DRAWBOT_SurfaceSuite2::GetAntiAliasPolicy),
                          SPErr (*)(DRAWBOT_SurfaceRef in_surface_ref, DRAWBOT_AntiAliasPolicy* out_policyP)>,
              "DRAWBOT_SurfaceSuite2::GetAntiAliasPolicy signature");
static_assert(offsetof(DRAWBOT_SurfaceSuite2, Flush) == 120, "DRAWBOT_SurfaceSuite2::Flush slot 15");
static_assert(declared_as<decltype(DRAWBOT_SurfaceSuite2::Flush), SPErr (*)(DRAWBOT_SurfaceRef in_surface_ref)>,
              "DRAWBOT_SurfaceSuite2::Flush signature");
static_assert(offsetof(DRAWBOT_SurfaceSuite2, GetTransformToScreenScale) == 128,
              "DRAWBOT_SurfaceSuite2::GetTransformToScreenScale slot 16");
static_assert(declared_as<decltype(DRAWBOT_SurfaceSuite2::GetTransformToScreenScale),
                          SPErr (*)(DRAWBOT_SurfaceRef in_surface_ref, float* out_scale)>,
              "DRAWBOT_SurfaceSuite2::GetTransformToScreenScale signature");

// DRAWBOT_PathSuite1
static_assert(sizeof(DRAWBOT_PathSuite1) == 48, "sizeof DRAWBOT_PathSuite1");
static_assert(alignof(DRAWBOT_PathSuite1) == 8, "alignof DRAWBOT_PathSuite1");
static_assert(offsetof(DRAWBOT_PathSuite1, MoveTo) == 0, "DRAWBOT_PathSuite1::MoveTo slot 0");
static_assert(
    declared_as<decltype(DRAWBOT_PathSuite1::MoveTo), SPErr (*)(DRAWBOT_PathRef in_path_ref, float in_x, float in_y)>,
    "DRAWBOT_PathSuite1::MoveTo signature");
static_assert(offsetof(DRAWBOT_PathSuite1, LineTo) == 8, "DRAWBOT_PathSuite1::LineTo slot 1");
static_assert(
    declared_as<decltype(DRAWBOT_PathSuite1::LineTo), SPErr (*)(DRAWBOT_PathRef in_path_ref, float in_x, float in_y)>,
    "DRAWBOT_PathSuite1::LineTo signature");
static_assert(offsetof(DRAWBOT_PathSuite1, BezierTo) == 16, "DRAWBOT_PathSuite1::BezierTo slot 2");
static_assert(declared_as<decltype(DRAWBOT_PathSuite1::BezierTo),
                          SPErr (*)(DRAWBOT_PathRef in_path_ref, const DRAWBOT_PointF32* in_pt1P,
                                    const DRAWBOT_PointF32* in_pt2P, const DRAWBOT_PointF32* in_pt3P)>,
              "DRAWBOT_PathSuite1::BezierTo signature");
static_assert(offsetof(DRAWBOT_PathSuite1, AddRect) == 24, "DRAWBOT_PathSuite1::AddRect slot 3");
static_assert(declared_as<decltype(DRAWBOT_PathSuite1::AddRect),
                          SPErr (*)(DRAWBOT_PathRef in_path_ref, const DRAWBOT_RectF32* in_rectPR)>,
              "DRAWBOT_PathSuite1::AddRect signature");
static_assert(offsetof(DRAWBOT_PathSuite1, AddArc) == 32, "DRAWBOT_PathSuite1::AddArc slot 4");
static_assert(declared_as<decltype(DRAWBOT_PathSuite1::AddArc),
                          SPErr (*)(DRAWBOT_PathRef in_path_ref, const DRAWBOT_PointF32* in_centerP, float in_radius,
                                    float in_start_angle, float in_sweep)>,
              "DRAWBOT_PathSuite1::AddArc signature");
static_assert(offsetof(DRAWBOT_PathSuite1, Close) == 40, "DRAWBOT_PathSuite1::Close slot 5");
static_assert(declared_as<decltype(DRAWBOT_PathSuite1::Close), SPErr (*)(DRAWBOT_PathRef in_path_ref)>,
              "DRAWBOT_PathSuite1::Close signature");

// DRAWBOT_PenSuite1
static_assert(sizeof(DRAWBOT_PenSuite1) == 8, "sizeof DRAWBOT_PenSuite1");
static_assert(alignof(DRAWBOT_PenSuite1) == 8, "alignof DRAWBOT_PenSuite1");
static_assert(offsetof(DRAWBOT_PenSuite1, SetDashPattern) == 0, "DRAWBOT_PenSuite1::SetDashPattern slot 0");
static_assert(declared_as<decltype(DRAWBOT_PenSuite1::SetDashPattern),
                          SPErr (*)(DRAWBOT_PenRef in_pen_ref, const float* in_dashesP, int in_pattern_size)>,
              "DRAWBOT_PenSuite1::SetDashPattern signature");

// DRAWBOT_ImageSuite1
static_assert(sizeof(DRAWBOT_ImageSuite1) == 8, "sizeof DRAWBOT_ImageSuite1");
static_assert(alignof(DRAWBOT_ImageSuite1) == 8, "alignof DRAWBOT_ImageSuite1");
static_assert(offsetof(DRAWBOT_ImageSuite1, SetScaleFactor) == 0, "DRAWBOT_ImageSuite1::SetScaleFactor slot 0");
static_assert(declared_as<decltype(DRAWBOT_ImageSuite1::SetScaleFactor),
                          SPErr (*)(DRAWBOT_ImageRef in_image_ref, float in_scale_factor)>,
              "DRAWBOT_ImageSuite1::SetScaleFactor signature");

// DRAWBOT_Suites
static_assert(sizeof(DRAWBOT_Suites) == 48, "sizeof DRAWBOT_Suites");
static_assert(alignof(DRAWBOT_Suites) == 8, "alignof DRAWBOT_Suites");
static_assert(offsetof(DRAWBOT_Suites, drawbot_suiteP) == 0, "DRAWBOT_Suites.drawbot_suiteP offset");
static_assert(declared_as<decltype(std::declval<DRAWBOT_Suites&>().drawbot_suiteP), DRAWBOT_DrawbotSuite1*>,
              "DRAWBOT_Suites.drawbot_suiteP type");
static_assert(sizeof(std::declval<DRAWBOT_Suites&>().drawbot_suiteP) == 8, "DRAWBOT_Suites.drawbot_suiteP size");
static_assert(offsetof(DRAWBOT_Suites, supplier_suiteP) == 8, "DRAWBOT_Suites.supplier_suiteP offset");
static_assert(declared_as<decltype(std::declval<DRAWBOT_Suites&>().supplier_suiteP), DRAWBOT_SupplierSuite1*>,
              "DRAWBOT_Suites.supplier_suiteP type");
static_assert(sizeof(std::declval<DRAWBOT_Suites&>().supplier_suiteP) == 8, "DRAWBOT_Suites.supplier_suiteP size");
static_assert(offsetof(DRAWBOT_Suites, surface_suiteP) == 16, "DRAWBOT_Suites.surface_suiteP offset");
static_assert(declared_as<decltype(std::declval<DRAWBOT_Suites&>().surface_suiteP), DRAWBOT_SurfaceSuite2*>,
              "DRAWBOT_Suites.surface_suiteP type");
static_assert(sizeof(std::declval<DRAWBOT_Suites&>().surface_suiteP) == 8, "DRAWBOT_Suites.surface_suiteP size");
static_assert(offsetof(DRAWBOT_Suites, path_suiteP) == 24, "DRAWBOT_Suites.path_suiteP offset");
static_assert(declared_as<decltype(std::declval<DRAWBOT_Suites&>().path_suiteP), DRAWBOT_PathSuite1*>,
              "DRAWBOT_Suites.path_suiteP type");
static_assert(sizeof(std::declval<DRAWBOT_Suites&>().path_suiteP) == 8, "DRAWBOT_Suites.path_suiteP size");
static_assert(offsetof(DRAWBOT_Suites, pen_suiteP) == 32, "DRAWBOT_Suites.pen_suiteP offset");
static_assert(declared_as<decltype(std::declval<DRAWBOT_Suites&>().pen_suiteP), DRAWBOT_PenSuite1*>,
              "DRAWBOT_Suites.pen_suiteP type");
static_assert(sizeof(std::declval<DRAWBOT_Suites&>().pen_suiteP) == 8, "DRAWBOT_Suites.pen_suiteP size");
static_assert(offsetof(DRAWBOT_Suites, image_suiteP) == 40, "DRAWBOT_Suites.image_suiteP offset");
static_assert(declared_as<decltype(std::declval<DRAWBOT_Suites&>().image_suiteP), DRAWBOT_ImageSuite1*>,
              "DRAWBOT_Suites.image_suiteP type");
static_assert(sizeof(std::declval<DRAWBOT_Suites&>().image_suiteP) == 8, "DRAWBOT_Suites.image_suiteP size");

// DRAWBOT_PointF32
static_assert(sizeof(DRAWBOT_PointF32) == 8, "sizeof DRAWBOT_PointF32");
static_assert(alignof(DRAWBOT_PointF32) == 4, "alignof DRAWBOT_PointF32");
static_assert(offsetof(DRAWBOT_PointF32, x) == 0, "DRAWBOT_PointF32.x offset");
static_assert(declared_as<decltype(std::declval<DRAWBOT_PointF32&>().x), float>, "DRAWBOT_PointF32.x type");
static_assert(sizeof(std::declval<DRAWBOT_PointF32&>().x) == 4, "DRAWBOT_PointF32.x size");
static_assert(offsetof(DRAWBOT_PointF32, y) == 4, "DRAWBOT_PointF32.y offset");
static_assert(declared_as<decltype(std::declval<DRAWBOT_PointF32&>().y), float>, "DRAWBOT_PointF32.y type");
static_assert(sizeof(std::declval<DRAWBOT_PointF32&>().y) == 4, "DRAWBOT_PointF32.y size");

// DRAWBOT_RectF32
static_assert(sizeof(DRAWBOT_RectF32) == 16, "sizeof DRAWBOT_RectF32");
static_assert(alignof(DRAWBOT_RectF32) == 4, "alignof DRAWBOT_RectF32");
static_assert(offsetof(DRAWBOT_RectF32, left) == 0, "DRAWBOT_RectF32.left offset");
static_assert(declared_as<decltype(std::declval<DRAWBOT_RectF32&>().left), float>, "DRAWBOT_RectF32.left type");
static_assert(sizeof(std::declval<DRAWBOT_RectF32&>().left) == 4, "DRAWBOT_RectF32.left size");
static_assert(offsetof(DRAWBOT_RectF32, top) == 4, "DRAWBOT_RectF32.top offset");
static_assert(declared_as<decltype(std::declval<DRAWBOT_RectF32&>().top), float>, "DRAWBOT_RectF32.top type");
static_assert(sizeof(std::declval<DRAWBOT_RectF32&>().top) == 4, "DRAWBOT_RectF32.top size");
static_assert(offsetof(DRAWBOT_RectF32, width) == 8, "DRAWBOT_RectF32.width offset");
static_assert(declared_as<decltype(std::declval<DRAWBOT_RectF32&>().width), float>, "DRAWBOT_RectF32.width type");
static_assert(sizeof(std::declval<DRAWBOT_RectF32&>().width) == 4, "DRAWBOT_RectF32.width size");
static_assert(offsetof(DRAWBOT_RectF32, height) == 12, "DRAWBOT_RectF32.height offset");
static_assert(declared_as<decltype(std::declval<DRAWBOT_RectF32&>().height), float>, "DRAWBOT_RectF32.height type");
static_assert(sizeof(std::declval<DRAWBOT_RectF32&>().height) == 4, "DRAWBOT_RectF32.height size");

// DRAWBOT_Rect32
static_assert(sizeof(DRAWBOT_Rect32) == 16, "sizeof DRAWBOT_Rect32");
static_assert(alignof(DRAWBOT_Rect32) == 4, "alignof DRAWBOT_Rect32");
static_assert(offsetof(DRAWBOT_Rect32, left) == 0, "DRAWBOT_Rect32.left offset");
static_assert(declared_as<decltype(std::declval<DRAWBOT_Rect32&>().left), int>, "DRAWBOT_Rect32.left type");
static_assert(sizeof(std::declval<DRAWBOT_Rect32&>().left) == 4, "DRAWBOT_Rect32.left size");
static_assert(offsetof(DRAWBOT_Rect32, top) == 4, "DRAWBOT_Rect32.top offset");
static_assert(declared_as<decltype(std::declval<DRAWBOT_Rect32&>().top), int>, "DRAWBOT_Rect32.top type");
static_assert(sizeof(std::declval<DRAWBOT_Rect32&>().top) == 4, "DRAWBOT_Rect32.top size");
static_assert(offsetof(DRAWBOT_Rect32, width) == 8, "DRAWBOT_Rect32.width offset");
static_assert(declared_as<decltype(std::declval<DRAWBOT_Rect32&>().width), int>, "DRAWBOT_Rect32.width type");
static_assert(sizeof(std::declval<DRAWBOT_Rect32&>().width) == 4, "DRAWBOT_Rect32.width size");
static_assert(offsetof(DRAWBOT_Rect32, height) == 12, "DRAWBOT_Rect32.height offset");
static_assert(declared_as<decltype(std::declval<DRAWBOT_Rect32&>().height), int>, "DRAWBOT_Rect32.height type");
static_assert(sizeof(std::declval<DRAWBOT_Rect32&>().height) == 4, "DRAWBOT_Rect32.height size");

// DRAWBOT_ColorRGBA
static_assert(sizeof(DRAWBOT_ColorRGBA) == 16, "sizeof DRAWBOT_ColorRGBA");
static_assert(alignof(DRAWBOT_ColorRGBA) == 4, "alignof DRAWBOT_ColorRGBA");
static_assert(offsetof(DRAWBOT_ColorRGBA, red) == 0, "DRAWBOT_ColorRGBA.red offset");
static_assert(declared_as<decltype(std::declval<DRAWBOT_ColorRGBA&>().red), float>, "DRAWBOT_ColorRGBA.red type");
static_assert(sizeof(std::declval<DRAWBOT_ColorRGBA&>().red) == 4, "DRAWBOT_ColorRGBA.red size");
static_assert(offsetof(DRAWBOT_ColorRGBA, green) == 4, "DRAWBOT_ColorRGBA.green offset");
static_assert(declared_as<decltype(std::declval<DRAWBOT_ColorRGBA&>().green), float>, "DRAWBOT_ColorRGBA.green type");
static_assert(sizeof(std::declval<DRAWBOT_ColorRGBA&>().green) == 4, "DRAWBOT_ColorRGBA.green size");
static_assert(offsetof(DRAWBOT_ColorRGBA, blue) == 8, "DRAWBOT_ColorRGBA.blue offset");
static_assert(declared_as<decltype(std::declval<DRAWBOT_ColorRGBA&>().blue), float>, "DRAWBOT_ColorRGBA.blue type");
static_assert(sizeof(std::declval<DRAWBOT_ColorRGBA&>().blue) == 4, "DRAWBOT_ColorRGBA.blue size");
static_assert(offsetof(DRAWBOT_ColorRGBA, alpha) == 12, "DRAWBOT_ColorRGBA.alpha offset");
static_assert(declared_as<decltype(std::declval<DRAWBOT_ColorRGBA&>().alpha), float>, "DRAWBOT_ColorRGBA.alpha type");
static_assert(sizeof(std::declval<DRAWBOT_ColorRGBA&>().alpha) == 4, "DRAWBOT_ColorRGBA.alpha size");

// DRAWBOT_MatrixF32
static_assert(sizeof(DRAWBOT_MatrixF32) == 36, "sizeof DRAWBOT_MatrixF32");
static_assert(alignof(DRAWBOT_MatrixF32) == 4, "alignof DRAWBOT_MatrixF32");
static_assert(offsetof(DRAWBOT_MatrixF32, mat) == 0, "DRAWBOT_MatrixF32.mat offset");
static_assert(declared_as<decltype(std::declval<DRAWBOT_MatrixF32&>().mat), float[3][3]>, "DRAWBOT_MatrixF32.mat type");
static_assert(sizeof(std::declval<DRAWBOT_MatrixF32&>().mat) == 36, "DRAWBOT_MatrixF32.mat size");

}  // namespace
