// The DRAWBOT drawing suites (draw, supplier, surface versions 1 and 2, path, pen, image).
// Drawing references are DrawingCanvas objects: the supplier and the surface are the
// canvas itself, images made from buffers are drawn into its picture. Paths, pens,
// brushes, fonts and text are recorded, not modelled.
#include "AE_Effect.h"
#include "DrawbotSuite.h"
#include "simhost/drawing_canvas.h"
#include "simhost/recorded_call.h"
#include "simhost/sim_host.h"
#include "simhost/suites/suite_pieces.h"

namespace fx {
namespace {

// The canvas behind a reference; a reference no live canvas answers to is the plug-in's
// misuse and answers PF_Err_BAD_CALLBACK_PARAM.
template <FixedName Source, FixedName Name>
DrawingCanvas* canvas_for(SimHost& host, const void* reference, int& result) {
    if (result != 0) return nullptr;
    DrawingCanvas* canvas = DrawingCanvas::from_reference(reference);
    if (canvas == nullptr) {
        host.note_misuse(std::string(Name.view()) + ": " + pointer_text(reference) + " is no drawing reference");
        result = PF_Err_BAD_CALLBACK_PARAM;
    }
    return canvas;
}

template <FixedName Source, FixedName Name, typename Out>
SPErr hand_out_canvas(DRAWBOT_DrawRef reference, Out* out) {
    SimHost& host = SimHost::active();
    int result = host.fault_for(Source.view(), Name.view());
    if (result == 0 && out == nullptr) result = PF_Err_BAD_CALLBACK_PARAM;
    if (DrawingCanvas* canvas = canvas_for<Source, Name>(host, reference, result)) *out = reinterpret_cast<Out>(canvas);
    host.record(Source.view(), Name.view(), arguments_text(reference, out), result);
    return result;
}

template <FixedName Source>
SPErr new_image_from_buffer(DRAWBOT_SupplierRef supplier, int width, int height, int row_bytes,
                            DRAWBOT_PixelLayout layout, const void* data, DRAWBOT_ImageRef* out) {
    SimHost& host = SimHost::active();
    int result = host.fault_for(Source.view(), "NewImageFromBuffer");
    if (result == 0 && out == nullptr) result = PF_Err_BAD_CALLBACK_PARAM;
    if (DrawingCanvas* canvas = canvas_for<Source, "NewImageFromBuffer">(host, supplier, result)) {
        *out = canvas->new_image(width, height, row_bytes, layout, data);
        if (*out == nullptr) result = PF_Err_BAD_CALLBACK_PARAM;
    }
    host.record(Source.view(), "NewImageFromBuffer",
                arguments_text(supplier, width, height, row_bytes, layout, data, out), result);
    return result;
}

// Objects are released without their supplier: the canvas that made the image is searched.
template <FixedName Source>
SPErr release_object(DRAWBOT_ObjectRef object) {
    SimHost& host = SimHost::active();
    int result = host.fault_for(Source.view(), "ReleaseObject");
    if (result == 0 && !DrawingCanvas::release_any(object)) {
        host.note_misuse("ReleaseObject: " + pointer_text(object) + " is no live drawing object");
        result = PF_Err_BAD_CALLBACK_PARAM;
    }
    host.record(Source.view(), "ReleaseObject", arguments_text(object), result);
    return result;
}

template <FixedName Source>
SPErr draw_image(DRAWBOT_SurfaceRef surface, DRAWBOT_ImageRef image, const DRAWBOT_PointF32* origin, float alpha) {
    SimHost& host = SimHost::active();
    int result = host.fault_for(Source.view(), "DrawImage");
    if (result == 0 && origin == nullptr) result = PF_Err_BAD_CALLBACK_PARAM;
    if (DrawingCanvas* canvas = canvas_for<Source, "DrawImage">(host, surface, result)) {
        if (!canvas->draw_image(image, origin->x, origin->y, alpha)) {
            host.note_misuse("DrawImage: " + pointer_text(image) + " is no image of this surface");
            result = PF_Err_BAD_CALLBACK_PARAM;
        }
    }
    std::string args = arguments_text(surface, image);
    args += origin != nullptr ? ", (" + argument_text(origin->x) + ", " + argument_text(origin->y) + ")" : ", null";
    host.record(Source.view(), "DrawImage", args + ", " + argument_text(alpha), result);
    return result;
}

template <FixedName Source>
SPErr paint_rect(DRAWBOT_SurfaceRef surface, const DRAWBOT_ColorRGBA* color, const DRAWBOT_RectF32* rect) {
    SimHost& host = SimHost::active();
    int result = host.fault_for(Source.view(), "PaintRect");
    if (result == 0 && (color == nullptr || rect == nullptr)) result = PF_Err_BAD_CALLBACK_PARAM;
    if (DrawingCanvas* canvas = canvas_for<Source, "PaintRect">(host, surface, result))
        canvas->paint_rect(*color, *rect);
    host.record(Source.view(), "PaintRect", arguments_text(surface, color, rect), result);
    return result;
}

template <FixedName Source, FixedName Name, bool Push>
SPErr state_stack(DRAWBOT_SurfaceRef surface) {
    SimHost& host = SimHost::active();
    int result = host.fault_for(Source.view(), Name.view());
    if (DrawingCanvas* canvas = canvas_for<Source, Name>(host, surface, result)) {
        if (Push) {
            canvas->push_state();
        } else if (!canvas->pop_state()) {
            host.note_misuse("PopStateStack: nothing was pushed");
            result = PF_Err_BAD_CALLBACK_PARAM;
        }
    }
    host.record(Source.view(), Name.view(), arguments_text(surface), result);
    return result;
}

}  // namespace

void install_drawbot_suites(SuiteRegistry& registry) {
    static const DRAWBOT_DrawbotSuite1 draw = [] {
        constexpr FixedName s = "DRAWBOT Draw Suite v1";
        DRAWBOT_DrawbotSuite1 t{};
        t.GetSupplier = hand_out_canvas<s, "GetSupplier", DRAWBOT_SupplierRef>;
        t.GetSurface = hand_out_canvas<s, "GetSurface", DRAWBOT_SurfaceRef>;
        return t;
    }();
    static const DRAWBOT_SupplierSuite1 supplier = [] {
        constexpr FixedName s = "DRAWBOT Supplier Suite v1";
        DRAWBOT_SupplierSuite1 t{};
        t.NewPen = unmodelled<s, "NewPen">(t.NewPen);
        t.NewBrush = unmodelled<s, "NewBrush">(t.NewBrush);
        t.SupportsText = unmodelled<s, "SupportsText">(t.SupportsText);
        t.GetDefaultFontSize = unmodelled<s, "GetDefaultFontSize">(t.GetDefaultFontSize);
        t.NewDefaultFont = unmodelled<s, "NewDefaultFont">(t.NewDefaultFont);
        t.NewImageFromBuffer = new_image_from_buffer<s>;
        t.NewPath = unmodelled<s, "NewPath">(t.NewPath);
        t.SupportsPixelLayoutBGRA = unmodelled<s, "SupportsPixelLayoutBGRA">(t.SupportsPixelLayoutBGRA);
        t.PrefersPixelLayoutBGRA = unmodelled<s, "PrefersPixelLayoutBGRA">(t.PrefersPixelLayoutBGRA);
        t.SupportsPixelLayoutARGB = unmodelled<s, "SupportsPixelLayoutARGB">(t.SupportsPixelLayoutARGB);
        t.PrefersPixelLayoutARGB = unmodelled<s, "PrefersPixelLayoutARGB">(t.PrefersPixelLayoutARGB);
        t.RetainObject = unmodelled<s, "RetainObject">(t.RetainObject);
        t.ReleaseObject = release_object<s>;
        return t;
    }();
    static const DRAWBOT_SurfaceSuite2 surface = [] {
        constexpr FixedName s = "DRAWBOT Surface Suite v2";
        DRAWBOT_SurfaceSuite2 t{};
        t.PushStateStack = state_stack<s, "PushStateStack", true>;
        t.PopStateStack = state_stack<s, "PopStateStack", false>;
        t.PaintRect = paint_rect<s>;
        t.FillPath = unmodelled<s, "FillPath">(t.FillPath);
        t.StrokePath = unmodelled<s, "StrokePath">(t.StrokePath);
        t.Clip = unmodelled<s, "Clip">(t.Clip);
        t.GetClipBounds = unmodelled<s, "GetClipBounds">(t.GetClipBounds);
        t.IsWithinClipBounds = unmodelled<s, "IsWithinClipBounds">(t.IsWithinClipBounds);
        t.Transform = unmodelled<s, "Transform">(t.Transform);
        t.DrawString = unmodelled<s, "DrawString">(t.DrawString);
        t.DrawImage = draw_image<s>;
        t.SetInterpolationPolicy = unmodelled<s, "SetInterpolationPolicy">(t.SetInterpolationPolicy);
        t.GetInterpolationPolicy = unmodelled<s, "GetInterpolationPolicy">(t.GetInterpolationPolicy);
        t.SetAntiAliasPolicy = unmodelled<s, "SetAntiAliasPolicy">(t.SetAntiAliasPolicy);
        t.GetAntiAliasPolicy = unmodelled<s, "GetAntiAliasPolicy">(t.GetAntiAliasPolicy);
        t.Flush = accepted<s, "Flush">(t.Flush);
        t.GetTransformToScreenScale = unmodelled<s, "GetTransformToScreenScale">(t.GetTransformToScreenScale);
        return t;
    }();
    static const DRAWBOT_PathSuite1 path = [] {
        constexpr FixedName s = "DRAWBOT Path Suite v1";
        DRAWBOT_PathSuite1 t{};
        t.MoveTo = unmodelled<s, "MoveTo">(t.MoveTo);
        t.LineTo = unmodelled<s, "LineTo">(t.LineTo);
        t.BezierTo = unmodelled<s, "BezierTo">(t.BezierTo);
        t.AddRect = unmodelled<s, "AddRect">(t.AddRect);
        t.AddArc = unmodelled<s, "AddArc">(t.AddArc);
        t.Close = unmodelled<s, "Close">(t.Close);
        return t;
    }();
    static const DRAWBOT_PenSuite1 pen = [] {
        constexpr FixedName s = "DRAWBOT Pen Suite v1";
        DRAWBOT_PenSuite1 t{};
        t.SetDashPattern = unmodelled<s, "SetDashPattern">(t.SetDashPattern);
        return t;
    }();
    static const DRAWBOT_ImageSuite1 image = [] {
        constexpr FixedName s = "DRAWBOT Image Suite v1";
        DRAWBOT_ImageSuite1 t{};
        t.SetScaleFactor = unmodelled<s, "SetScaleFactor">(t.SetScaleFactor);
        return t;
    }();
    registry.install(kDRAWBOT_DrawSuite, kDRAWBOT_DrawSuite_Version1, &draw);
    registry.install(kDRAWBOT_SupplierSuite, kDRAWBOT_SupplierSuite_Version1, &supplier);
    registry.install(kDRAWBOT_SurfaceSuite, kDRAWBOT_SurfaceSuite_Version1, &surface);
    registry.install(kDRAWBOT_SurfaceSuite, kDRAWBOT_SurfaceSuite_Version2, &surface);
    registry.install(kDRAWBOT_PathSuite, kDRAWBOT_PathSuite_Version1, &path);
    registry.install(kDRAWBOT_PenSuite, kDRAWBOT_PenSuite_Version1, &pen);
    registry.install(kDRAWBOT_ImageSuite, kDRAWBOT_ImageSuite_Version1, &image);
}

}  // namespace fx
