// The utility callbacks in in_data->utils. Handles, the C-library table and
// iterate_generic do their work; the world and pixel functions are recorded and answer
// the host's "not offered" code until worlds are modelled.
#include <cstdarg>
#include <string>

#include "AE_EffectCB.h"
#include "simhost/ansi_calls.h"
#include "simhost/handle_calls.h"
#include "simhost/host_pieces.h"
#include "simhost/iterate_calls.h"
#include "simhost/recorded_call.h"
#include "simhost/sim_host.h"

namespace fx {
namespace {

// The application callback is variadic, which the generic recorder cannot take.
PF_Err app_call(PF_ProgPtr, A_long selector, ...) {
    return answer_unmodelled("utils", "app", std::to_string(selector));
}

}  // namespace

PF_UtilCallbacks make_util_callbacks() {
    using Handles = HandleCalls<"utils">;
    PF_UtilCallbacks u{};
    u.begin_sampling = unmodelled<"utils", "begin_sampling">(u.begin_sampling);
    u.subpixel_sample = unmodelled<"utils", "subpixel_sample">(u.subpixel_sample);
    u.area_sample = unmodelled<"utils", "area_sample">(u.area_sample);
    u.end_sampling = unmodelled<"utils", "end_sampling">(u.end_sampling);
    u.composite_rect = unmodelled<"utils", "composite_rect">(u.composite_rect);
    u.blend = unmodelled<"utils", "blend">(u.blend);
    u.convolve = unmodelled<"utils", "convolve">(u.convolve);
    u.copy = unmodelled<"utils", "copy">(u.copy);
    u.fill = unmodelled<"utils", "fill">(u.fill);
    u.gaussian_kernel = unmodelled<"utils", "gaussian_kernel">(u.gaussian_kernel);
    u.iterate = unmodelled<"utils", "iterate">(u.iterate);
    u.premultiply = unmodelled<"utils", "premultiply">(u.premultiply);
    u.premultiply_color = unmodelled<"utils", "premultiply_color">(u.premultiply_color);
    u.new_world = unmodelled<"utils", "new_world">(u.new_world);
    u.dispose_world = unmodelled<"utils", "dispose_world">(u.dispose_world);
    u.iterate_origin = unmodelled<"utils", "iterate_origin">(u.iterate_origin);
    u.iterate_lut = unmodelled<"utils", "iterate_lut">(u.iterate_lut);
    u.transfer_rect = unmodelled<"utils", "transfer_rect">(u.transfer_rect);
    u.transform_world = unmodelled<"utils", "transform_world">(u.transform_world);
    u.host_new_handle = Handles::new_handle;
    u.host_lock_handle = Handles::lock_handle;
    u.host_unlock_handle = Handles::unlock_handle;
    u.host_dispose_handle = Handles::dispose_handle;
    u.get_callback_addr = unmodelled<"utils", "get_callback_addr">(u.get_callback_addr);
    u.app = app_call;
    AnsiCalls<"utils">::fill(u.ansi);
    u.colorCB.RGBtoHLS = unmodelled<"utils", "RGBtoHLS">(u.colorCB.RGBtoHLS);
    u.colorCB.HLStoRGB = unmodelled<"utils", "HLStoRGB">(u.colorCB.HLStoRGB);
    u.colorCB.RGBtoYIQ = unmodelled<"utils", "RGBtoYIQ">(u.colorCB.RGBtoYIQ);
    u.colorCB.YIQtoRGB = unmodelled<"utils", "YIQtoRGB">(u.colorCB.YIQtoRGB);
    u.colorCB.Luminance = unmodelled<"utils", "Luminance">(u.colorCB.Luminance);
    u.colorCB.Hue = unmodelled<"utils", "Hue">(u.colorCB.Hue);
    u.colorCB.Lightness = unmodelled<"utils", "Lightness">(u.colorCB.Lightness);
    u.colorCB.Saturation = unmodelled<"utils", "Saturation">(u.colorCB.Saturation);
    u.get_platform_data = unmodelled<"utils", "get_platform_data">(u.get_platform_data);
    u.host_get_handle_size = Handles::get_handle_size;
    u.iterate_origin_non_clip_src = unmodelled<"utils", "iterate_origin_non_clip_src">(u.iterate_origin_non_clip_src);
    u.iterate_generic = IterateCalls<"utils">::iterate_generic;
    u.host_resize_handle = Handles::resize_handle;
    u.subpixel_sample16 = unmodelled<"utils", "subpixel_sample16">(u.subpixel_sample16);
    u.area_sample16 = unmodelled<"utils", "area_sample16">(u.area_sample16);
    u.fill16 = unmodelled<"utils", "fill16">(u.fill16);
    u.premultiply_color16 = unmodelled<"utils", "premultiply_color16">(u.premultiply_color16);
    u.iterate16 = unmodelled<"utils", "iterate16">(u.iterate16);
    u.iterate_origin16 = unmodelled<"utils", "iterate_origin16">(u.iterate_origin16);
    u.iterate_origin_non_clip_src16 =
        unmodelled<"utils", "iterate_origin_non_clip_src16">(u.iterate_origin_non_clip_src16);
    u.get_pixel_data8 = unmodelled<"utils", "get_pixel_data8">(u.get_pixel_data8);
    u.get_pixel_data16 = unmodelled<"utils", "get_pixel_data16">(u.get_pixel_data16);
    return u;
}

}  // namespace fx
