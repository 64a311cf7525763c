// The DRAWBOT drawing suites (draw, supplier, surface versions 1 and 2, path, pen, image):
// recorded, not modelled yet.
#include "DrawbotSuite.h"
#include "simhost/recorded_call.h"
#include "simhost/suites/suite_pieces.h"

namespace fx {

void install_drawbot_suites(SuiteRegistry& registry) {
    static const DRAWBOT_DrawbotSuite1 draw = [] {
        constexpr FixedName s = "DRAWBOT Draw Suite v1";
        DRAWBOT_DrawbotSuite1 t{};
        t.GetSupplier = unmodelled<s, "GetSupplier">(t.GetSupplier);
        t.GetSurface = unmodelled<s, "GetSurface">(t.GetSurface);
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
        t.NewImageFromBuffer = unmodelled<s, "NewImageFromBuffer">(t.NewImageFromBuffer);
        t.NewPath = unmodelled<s, "NewPath">(t.NewPath);
        t.SupportsPixelLayoutBGRA = unmodelled<s, "SupportsPixelLayoutBGRA">(t.SupportsPixelLayoutBGRA);
        t.PrefersPixelLayoutBGRA = unmodelled<s, "PrefersPixelLayoutBGRA">(t.PrefersPixelLayoutBGRA);
        t.SupportsPixelLayoutARGB = unmodelled<s, "SupportsPixelLayoutARGB">(t.SupportsPixelLayoutARGB);
        t.PrefersPixelLayoutARGB = unmodelled<s, "PrefersPixelLayoutARGB">(t.PrefersPixelLayoutARGB);
        t.RetainObject = unmodelled<s, "RetainObject">(t.RetainObject);
        t.ReleaseObject = unmodelled<s, "ReleaseObject">(t.ReleaseObject);
        return t;
    }();
    static const DRAWBOT_SurfaceSuite2 surface = [] {
        constexpr FixedName s = "DRAWBOT Surface Suite v2";
        DRAWBOT_SurfaceSuite2 t{};
        t.PushStateStack = unmodelled<s, "PushStateStack">(t.PushStateStack);
        t.PopStateStack = unmodelled<s, "PopStateStack">(t.PopStateStack);
        t.PaintRect = unmodelled<s, "PaintRect">(t.PaintRect);
        t.FillPath = unmodelled<s, "FillPath">(t.FillPath);
        t.StrokePath = unmodelled<s, "StrokePath">(t.StrokePath);
        t.Clip = unmodelled<s, "Clip">(t.Clip);
        t.GetClipBounds = unmodelled<s, "GetClipBounds">(t.GetClipBounds);
        t.IsWithinClipBounds = unmodelled<s, "IsWithinClipBounds">(t.IsWithinClipBounds);
        t.Transform = unmodelled<s, "Transform">(t.Transform);
        t.DrawString = unmodelled<s, "DrawString">(t.DrawString);
        t.DrawImage = unmodelled<s, "DrawImage">(t.DrawImage);
        t.SetInterpolationPolicy = unmodelled<s, "SetInterpolationPolicy">(t.SetInterpolationPolicy);
        t.GetInterpolationPolicy = unmodelled<s, "GetInterpolationPolicy">(t.GetInterpolationPolicy);
        t.SetAntiAliasPolicy = unmodelled<s, "SetAntiAliasPolicy">(t.SetAntiAliasPolicy);
        t.GetAntiAliasPolicy = unmodelled<s, "GetAntiAliasPolicy">(t.GetAntiAliasPolicy);
        t.Flush = unmodelled<s, "Flush">(t.Flush);
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
