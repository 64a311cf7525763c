#include "render/parameter_conversion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "definition/effect_definition.h"
#include "host/host_application.h"

namespace fx {
namespace {

PF_Fixed fixed(int whole) { return static_cast<PF_Fixed>(static_cast<unsigned>(whole) << 16); }

PF_InData frame_in_data() {
    PF_InData in{};
    in.width = 1920;
    in.height = 1080;
    in.downsample_x = {1, 2};
    in.downsample_y = {1, 2};
    in.current_time = 30;
    in.total_time = 120;
    return in;
}

// One definition with slot 0 the input layer and slot 1 the slot under test.
struct OneSlot {
    std::unique_ptr<EffectDefinition> definition = std::make_unique<EffectDefinition>();
    std::vector<PF_ParamDef> params = std::vector<PF_ParamDef>(2);
    std::unique_ptr<FrameParams> frame = std::make_unique<FrameParams>();
    std::vector<PF_EffectWorld*> worlds;

    OneSlot(int type, int flags, int special, std::vector<std::string> items = {}) {
        definition->params[0].type = kParamLayer;
        definition->params[1].type = type;
        definition->params[1].flags = flags;
        definition->params[1].special = special;
        definition->params[1].items = std::move(items);
        definition->settings.param_count = 2;
    }
    void convert(const PF_InData& in) { convert_parameters(in, *definition, params.data(), *frame, worlds); }
    const float* value() const { return frame->values[1]; }
};

struct ValueCase {
    const char* name;
    int type;
    int flags;
    void (*set)(PF_ParamDef&);
    float x, y, z;
};

const ValueCase kValueCases[] = {
    {"int is floored", kParamInt, 0, [](PF_ParamDef& p) { p.u.fs_d.value = -2.5; }, -3, 0, 0},
    {"check is its value", kParamCheck, 0, [](PF_ParamDef& p) { p.u.bd.value = 1; }, 1, 0, 0},
    {"popup counts from 0", kParamPopup, 0, [](PF_ParamDef& p) { p.u.pd.value = 3; }, 2, 0, 0},
    {"float as it is", kParamFloat, 0, [](PF_ParamDef& p) { p.u.fs_d.value = 0.375; }, 0.375f, 0, 0},
    {"color in 0..1", kParamColor, 0,
     [](PF_ParamDef& p) {
         p.u.cd.value = {0, 255, 51, 102};
     },
     1, 0.2f, 0.4f},
    {"angle in degrees", kParamAngle, 0, [](PF_ParamDef& p) { p.u.ad.value = fixed(90) + 0x8000; }, 90, 0, 0},
    {"angle, negated degrees", kParamAngle, 2, [](PF_ParamDef& p) { p.u.ad.value = fixed(90); }, -90, 0, 0},
    {"angle in radians", kParamAngle, 3, [](PF_ParamDef& p) { p.u.ad.value = fixed(180); }, 3.1415927f, 0, 0},
    {"angle, negated radians", kParamAngle, 1, [](PF_ParamDef& p) { p.u.ad.value = fixed(180); }, -3.1415927f, 0, 0},
    {"negative angle floors", kParamAngle, 0, [](PF_ParamDef& p) { p.u.ad.value = fixed(-1) + 0x8000; }, -1, 0, 0},
    {"point in pixels", kParamPoint, 0,
     [](PF_ParamDef& p) { p.u.td.x_value = fixed(960), p.u.td.y_value = fixed(540); }, 960, 540, 0},
    {"point, fraction of the frame", kParamPoint, 1,
     [](PF_ParamDef& p) { p.u.td.x_value = fixed(480), p.u.td.y_value = fixed(270); }, 0.25f, 0.25f, 0},
    {"point, fraction of the downsampled frame", kParamPoint, 2,
     [](PF_ParamDef& p) { p.u.td.x_value = fixed(480), p.u.td.y_value = fixed(270); }, 0.5f, 0.5f, 0},
    {"point, rows from the bottom", kParamPoint, 3,
     [](PF_ParamDef& p) { p.u.td.x_value = fixed(10), p.u.td.y_value = fixed(80); }, 10, 1000, 0},
    {"point (960, 540) with flags 4 is the centre", kParamPoint, 4,
     [](PF_ParamDef& p) { p.u.td.x_value = fixed(960), p.u.td.y_value = fixed(540); }, 0.5f, 0.5f, 0},
    {"point, downsampled fraction from the bottom", kParamPoint, 5,
     [](PF_ParamDef& p) { p.u.td.x_value = fixed(480), p.u.td.y_value = fixed(135); }, 0.5f, 0.75f, 0},
    {"vec2 like a point", kParamVec2, 0, [](PF_ParamDef& p) { p.u.td.x_value = fixed(-3), p.u.td.y_value = fixed(4); },
     -3, 4, 0},
    {"vec3 its coordinates", kParamVec3, 0,
     [](PF_ParamDef& p) {
         p.u.point3d_d.x_value = 1.5;
         p.u.point3d_d.y_value = -2.0;
         p.u.point3d_d.z_value = 8.0;
     },
     1.5f, -2, 8},
};

TEST(ConvertParameters, EveryTypeGivesItsValue) {
    for (const ValueCase& c : kValueCases) {
        OneSlot one(c.type, c.flags, 0);
        c.set(one.params[1]);
        one.convert(frame_in_data());
        EXPECT_FLOAT_EQ(one.value()[0], c.x) << c.name;
        EXPECT_FLOAT_EQ(one.value()[1], c.y) << c.name;
        EXPECT_FLOAT_EQ(one.value()[2], c.z) << c.name;
    }
}

TEST(ConvertParameters, LayerAndImageSlotsListTheirWorldsInSlotOrder) {
    OneSlot one(kParamImage, 0, 0);
    one.definition->params[2].type = kParamLayer;
    one.definition->settings.param_count = 3;
    one.params.resize(3);
    one.convert(frame_in_data());
    ASSERT_EQ(one.worlds.size(), 3u);
    EXPECT_EQ(one.worlds[0], &one.params[0].u.ld);
    EXPECT_EQ(one.worlds[1], nullptr) << "an image slot has no host world";
    EXPECT_EQ(one.worlds[2], &one.params[2].u.ld);
}

TEST(ConvertParameters, ATransitionsFirstFloatIsItsProgress) {
    for (const bool premiere : {false, true}) {
        OneSlot one(kParamFloat, 0, 0);
        one.definition->params[2].type = kParamFloat;
        one.definition->settings.param_count = 3;
        one.definition->settings.transition = true;
        one.params.resize(3);
        one.params[1].u.fs_d.value = 40.0;
        one.params[2].u.fs_d.value = 40.0;
        PF_InData in = frame_in_data();
        if (premiere) in.appl_id = kPremiereProApplId;
        one.convert(in);
        EXPECT_FLOAT_EQ(one.value()[0], premiere ? 0.25f : 0.4f) << (premiere ? "time / total time" : "percent");
        EXPECT_FLOAT_EQ(one.frame->values[2][0], 40.0f) << "only the first float";
    }
}

struct SpecialCase {
    const char* name;
    int type;
    int special;
    double value;  // float slider value, or popup choice (1-based)
    float FrameParams::*float_field;
    std::int32_t FrameParams::*int_field;
    float expected;
};

const std::vector<std::string> kNumberItems = {"7", "2.5", "x", "12"};

const SpecialCase kSpecialCases[] = {
    {"992 iterations from a slider, floored", kParamFloat, 992, 3.7, nullptr, &FrameParams::iterations, 3},
    {"992 iterations from a popup's item text", kParamPopup, 992, 4, nullptr, &FrameParams::iterations, 12},
    {"-992 iterations from a popup's index", kParamPopup, -992, 4, nullptr, &FrameParams::iterations, 3},
    {"993 upload count is one more", kParamFloat, 993, 2.0, nullptr, &FrameParams::upload_count, 3},
    {"993 from a popup's item text", kParamPopup, 993, 1, nullptr, &FrameParams::upload_count, 8},
    {"-993 from a popup's index", kParamPopup, -993, 1, nullptr, &FrameParams::upload_count, 1},
    {"994 time offset multiplier, truncated", kParamFloat, 994, -1.5, nullptr, &FrameParams::time_offset_scale, -1},
    {"994 from an item that is no number", kParamPopup, 994, 3, nullptr, &FrameParams::time_offset_scale, 0},
    {"995 repeat", kParamFloat, 995, 2.0, nullptr, &FrameParams::repeat, 2},
    {"-995 repeat", kParamFloat, -995, 1.0, nullptr, &FrameParams::repeat, 1},
    {"996 smooth from a popup's index", kParamPopup, 996, 2, nullptr, &FrameParams::smooth, 1},
    {"997 range", kParamCheck, 997, 1, nullptr, &FrameParams::range, 1},
    {"998 scale from a slider", kParamFloat, 998, 0.5, &FrameParams::scale, nullptr, 0.5f},
    {"998 scale from a popup's item text", kParamPopup, 998, 2, &FrameParams::scale, nullptr, 2.5f},
    {"-998 scale from a popup's index", kParamPopup, -998, 2, &FrameParams::scale, nullptr, 1.0f},
};

void set_value(PF_ParamDef& param, int type, double value) {
    if (type == kParamPopup) param.u.pd.value = static_cast<A_short>(value);
    if (type == kParamCheck) param.u.bd.value = static_cast<PF_Boolean>(value);
    if (type == kParamFloat) param.u.fs_d.value = value;
}

TEST(ConvertParameters, SpecialCodesSetTheRenderSwitches) {
    for (const SpecialCase& c : kSpecialCases) {
        OneSlot one(c.type, 0, c.special, kNumberItems);
        set_value(one.params[1], c.type, c.value);
        one.frame->force_target_realloc = 0;
        one.convert(frame_in_data());
        if (c.float_field != nullptr) {
            EXPECT_FLOAT_EQ((*one.frame).*c.float_field, c.expected) << c.name;
        }
        if (c.int_field != nullptr) {
            EXPECT_EQ((*one.frame).*c.int_field, static_cast<int>(c.expected)) << c.name;
        }
        EXPECT_EQ(one.frame->force_target_realloc, 1) << c.name << ": codes from 900 re-specify the targets";
    }
}

TEST(ConvertParameters, IntegerSlotCodesFillTheirSlot) {
    struct Case {
        const char* name;
        int type;
        int special;
        double value;
        int index;
        int expected;
    } const cases[] = {
        {"901 from a slider, floored", kParamFloat, 901, -0.5, 0, -1},
        {"932 is the last slot", kParamFloat, 932, 6.0, 31, 6},
        {"915 from a popup's item text", kParamPopup, 915, 1, 14, 7},
        {"-915 from a popup's index", kParamPopup, -915, 4, 14, 3},
        {"-902 from a slider", kParamFloat, -902, 2.9, 1, 2},
    };
    for (const Case& c : cases) {
        OneSlot one(c.type, 0, c.special, kNumberItems);
        set_value(one.params[1], c.type, c.value);
        one.convert(frame_in_data());
        EXPECT_EQ(one.frame->special_ints[c.index], c.expected) << c.name;
    }
}

TEST(ConvertParameters, Code999TurnsTheGpuOffForLaterFrames) {
    OneSlot one(kParamCheck, 0, 999);
    one.params[1].u.bd.value = 0;
    one.convert(frame_in_data());
    EXPECT_EQ(one.definition->settings.usegpu, 0);
}

TEST(ConvertParameters, APopupChoiceBeyondItsItemsReadsAsZero) {
    OneSlot one(kParamPopup, 0, 992, kNumberItems);
    one.params[1].u.pd.value = 9;
    one.convert(frame_in_data());
    EXPECT_EQ(one.frame->iterations, 0);
}

TEST(ConvertParameters, LayerTimingScopeLeavesTheOtherSwitchesAlone) {
    OneSlot one(kParamFloat, 0, 998);
    one.params[1].u.fs_d.value = 0.5;
    bool first_float = false;
    convert_slot_value(frame_in_data(), *one.definition, 1, one.params[1], *one.frame, first_float);
    apply_special_code(*one.definition, 1, *one.frame, SpecialScope::layer_timing);
    EXPECT_FLOAT_EQ(one.frame->scale, 1.0f);
    one.definition->params[1].special = 994;
    apply_special_code(*one.definition, 1, *one.frame, SpecialScope::layer_timing);
    EXPECT_EQ(one.frame->time_offset_scale, 0) << "trunc(0.5)";
}

}  // namespace
}  // namespace fx
