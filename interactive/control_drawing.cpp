#include "interactive/control_drawing.h"

#include "AE_EffectSuites.h"
#include "definition/effect_definition.h"
#include "host/drawing_suites.h"
#include "host/global_state.h"
#include "host/image_records.h"
#include "host/suite_cache.h"
#include "host/suite_scope.h"
#include "interactive/banner_logo.h"
#include "interactive/host_call_chain.h"
#include "interactive/image_index.h"
#include "interactive/sequence_lock.h"

namespace fx {
namespace {

constexpr char kCustomUiSuite[] = "PF Effect Custom UI Suite";
constexpr std::int32_t kCustomUiSuiteVersion = 1;

// What one draw works with once the suites and the drawing reference are at hand.
struct Drawing {
    DrawingSuites suites;
    DRAWBOT_SupplierRef supplier = nullptr;
    DRAWBOT_SurfaceRef surface = nullptr;
    DRAWBOT_PointF32 origin{};
    HostCallChain chain;
};

// Makes a Drawbot image of `pixels` (blue, green, red, alpha, straight), draws it at the
// control's origin fully opaque and releases it.
void draw_pixels(Drawing& drawing, int width, int height, int row_bytes, const void* pixels) {
    DRAWBOT_ImageRef image = nullptr;
    const bool made = drawing.chain.call([&] {
        return drawing.suites.supplier->NewImageFromBuffer(drawing.supplier, width, height, row_bytes,
                                                           kDRAWBOT_PixelLayout_32BGRA_Straight, pixels, &image);
    });
    if (!made || image == nullptr) return;
    drawing.chain.call(
        [&] { return drawing.suites.surface->DrawImage(drawing.surface, image, &drawing.origin, 1.0f); });
    drawing.chain.release(
        [&] { return drawing.suites.supplier->ReleaseObject(reinterpret_cast<DRAWBOT_ObjectRef>(image)); });
}

void draw_logo(Drawing& drawing, const PF_HandleSuite1* handles, GlobalState& global) {
    PF_Handle logo = logo_handle(handles, global, drawing.chain);
    if (logo == nullptr || !drawing.chain.open()) return;
    const void* pixels = handles->host_lock_handle(logo);
    if (pixels == nullptr) return;
    draw_pixels(drawing, kLogoSide, kLogoSide, kLogoRowBytes, pixels);
    handles->host_unlock_handle(logo);
}

// The reference, supplier and surface of the event's context, each through the chain.
void open_surface(Drawing& drawing, const PF_InData* in_data, PF_OutData* out_data, PF_ContextH context) {
    if (!drawing.chain.call([&] { return acquire_drawing_suites(in_data, out_data, &drawing.suites); })) return;
    const void* table = nullptr;
    if (!drawing.chain.call([&] {
            return acquire_scoped_suite(in_data, out_data, kCustomUiSuite, kCustomUiSuiteVersion, nullptr, &table);
        }))
        return;
    DRAWBOT_DrawRef reference = nullptr;
    drawing.chain.call([&] {
        return static_cast<const PF_EffectCustomUISuite1*>(table)->PF_GetDrawingReference(context, &reference);
    });
    drawing.chain.release(
        [&] { return release_scoped_suite(in_data, out_data, kCustomUiSuite, kCustomUiSuiteVersion, nullptr); });
    drawing.chain.call([&] { return drawing.suites.draw->GetSupplier(reference, &drawing.supplier); });
    drawing.chain.call([&] { return drawing.suites.draw->GetSurface(reference, &drawing.surface); });
}

// The holder whose thumbnail an image control shows, or null when it has no picture
// (or its thumbnail was made for another control size than the definition's now).
const ImageHolder* shown_holder(const SequenceState* state, int image_index, const EffectSettings& settings) {
    if (state == nullptr || image_index >= kSequenceImages) return nullptr;
    const ImageHolder* holder = state->images[image_index];
    if (holder == nullptr || holder->full.empty()) return nullptr;
    if (holder->thumb.pixels.size() < thumbnail_size(settings.imgwidth, settings.imgheight)) return nullptr;
    return holder;
}

}  // namespace

PF_Err DrawCustomControl(PF_InData* in_data, PF_OutData* out_data, PF_EventExtra& event) {
    const int index = event.effect_win.index;
    if (index < 0 || index >= kSlotCount) return PF_Err_NONE;
    const EffectDefinition& definition = effect_definition();
    const EffectSettings& settings = definition.settings;
    SuiteCache local(in_data->pica_basicP);
    const PF_HandleSuite1* handles = local.handle_suite();
    const bool image = definition.params[index].type == kParamImage;
    SequenceLock sequence(handles, in_data->sequence_data);
    const ImageHolder* holder = nullptr;
    if (image) {
        holder = shown_holder(sequence.live(), image_index_of(definition, index), settings);
        if (holder == nullptr) return PF_Err_NONE;
    }
    GlobalStateLock global_lock(handles, in_data->global_data);
    GlobalState* global = global_lock.get();
    if (global == nullptr) return PF_Err_NONE;

    Drawing drawing;
    drawing.origin = {static_cast<float>(event.effect_win.current_frame.left),
                      static_cast<float>(event.effect_win.current_frame.top)};
    open_surface(drawing, in_data, out_data, event.contextH);
    if (drawing.chain.open() && event.effect_win.area == PF_EA_CONTROL) {
        if (image) {
            const int width = settings.imgwidth + thumbnail_button_width;
            draw_pixels(drawing, width, settings.imgheight, width * 4, holder->thumb.pixels.data());
        } else {
            draw_logo(drawing, handles, *global);
        }
    }
    drawing.chain.release([&] { return release_drawing_suites(in_data, out_data, &drawing.suites); });
    event.evt_out_flags = PF_EO_HANDLED_EVENT;
    return drawing.chain.result();
}

}  // namespace fx
