// "PF Pixel Format Suite": version 2 is the compositing host's table, version 1 the
// editing host's. Both record the formats the plug-in declares.
#include <string>

#include "AE_EffectCBSuites.h"
#include "PrSDKAESupport.h"
#include "simhost/host_world.h"
#include "simhost/recorded_call.h"
#include "simhost/sim_host.h"
#include "simhost/suites/suite_pieces.h"

namespace fx {
namespace {

template <FixedName Source, FixedName Name>
PF_Err add_format(PF_ProgPtr effect_ref, A_long format) {
    SimHost& host = SimHost::active();
    PF_Err result = host.fault_for(Source.view(), Name.view());
    if (result == 0 && !host.effect_ref_ok(effect_ref, Name.view())) result = PF_Err_BAD_CALLBACK_PARAM;
    if (result == 0) host.add_pixel_format(static_cast<PF_PixelFormat>(format));
    host.record(Source.view(), Name.view(), std::to_string(format), result);
    return result;
}

template <FixedName Source, FixedName Name>
PF_Err clear_formats(PF_ProgPtr effect_ref) {
    SimHost& host = SimHost::active();
    PF_Err result = host.fault_for(Source.view(), Name.view());
    if (result == 0 && !host.effect_ref_ok(effect_ref, Name.view())) result = PF_Err_BAD_CALLBACK_PARAM;
    if (result == 0) host.clear_pixel_formats();
    host.record(Source.view(), Name.view(), "", result);
    return result;
}

PF_Err add_editing_format(PF_ProgPtr effect_ref, PrPixelFormat format) {
    return add_format<"PF Pixel Format Suite v1", "AddSupportedPixelFormat">(effect_ref, static_cast<A_long>(format));
}

PF_Err add_compositing_format(PF_ProgPtr effect_ref, PF_PixelFormat format) {
    return add_format<"PF Pixel Format Suite v2", "PF_AddSupportedPixelFormat">(effect_ref,
                                                                                static_cast<A_long>(format));
}

PF_Err get_editing_format(PF_EffectWorld* world, PrPixelFormat* format) {
    constexpr FixedName source = "PF Pixel Format Suite v1";
    SimHost& host = SimHost::active();
    PF_Err result = host.fault_for(source.view(), "GetPixelFormat");
    if (result == 0 && (world == nullptr || format == nullptr)) result = PF_Err_BAD_CALLBACK_PARAM;
    if (result == 0) {
        const auto known = host_world_format(world->data);
        if (!known) {
            host.note_misuse("GetPixelFormat: the world's pixels are not a host world's");
            result = PF_Err_BAD_CALLBACK_PARAM;
        } else {
            *format = static_cast<PrPixelFormat>(*known);
        }
    }
    host.record(source.view(), "GetPixelFormat", world == nullptr ? "null" : pointer_text(world->data), result);
    return result;
}

}  // namespace

void install_pixel_format_suites(SuiteRegistry& registry) {
    static const PF_PixelFormatSuite1 editing = [] {
        PF_PixelFormatSuite1 t{};
        t.AddSupportedPixelFormat = add_editing_format;
        t.ClearSupportedPixelFormats = clear_formats<"PF Pixel Format Suite v1", "ClearSupportedPixelFormats">;
        t.NewWorldOfPixelFormat =
            unmodelled<"PF Pixel Format Suite v1", "NewWorldOfPixelFormat">(t.NewWorldOfPixelFormat);
        t.DisposeWorld = unmodelled<"PF Pixel Format Suite v1", "DisposeWorld">(t.DisposeWorld);
        t.GetPixelFormat = get_editing_format;
        t.GetBlackForPixelFormat =
            unmodelled<"PF Pixel Format Suite v1", "GetBlackForPixelFormat">(t.GetBlackForPixelFormat);
        t.GetWhiteForPixelFormat =
            unmodelled<"PF Pixel Format Suite v1", "GetWhiteForPixelFormat">(t.GetWhiteForPixelFormat);
        t.ConvertColorToPixelFormattedData = unmodelled<"PF Pixel Format Suite v1", "ConvertColorToPixelFormattedData">(
            t.ConvertColorToPixelFormattedData);
        return t;
    }();
    static const PF_PixelFormatSuite2 compositing = [] {
        PF_PixelFormatSuite2 t{};
        t.PF_AddSupportedPixelFormat = add_compositing_format;
        t.PF_ClearSupportedPixelFormats = clear_formats<"PF Pixel Format Suite v2", "PF_ClearSupportedPixelFormats">;
        return t;
    }();
    registry.install(kPFPixelFormatSuite, kPFPixelFormatSuiteVersion1, &editing);
    registry.install(kPFPixelFormatSuite, kPFPixelFormatSuiteVersion2, &compositing);
}

}  // namespace fx
