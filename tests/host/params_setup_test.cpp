// Parameter registration of the built plug-in: global set-up loads a definition with one
// slot of every type, then PF_Cmd_PARAMS_SETUP goes through EffectMain and the test reads
// what the simulated host received, as After Effects and as Premiere Pro.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

#include "AE_EffectUI.h"
#include "definition/effect_definition.h"
#include "definition/loader/load_definition.h"
#include "definition_file.h"
#include "host/command_handlers.h"
#include "host/param_registration.h"
#include "simhost/loaded_plugin.h"
#include "simhost/sim_host.h"

namespace fx {
namespace {

// Two-byte characters: sixteen of them are 32 bytes, one more than a name may hold.
const std::string long_utf8_name = [] {
    std::string name;
    for (int i = 0; i < 16; ++i) name += "\xC3\x84";
    return name;
}();

std::string every_type_definition(const std::string& extra_settings) {
    return "[settings]\nversion=1.2.3\nusegpu=-1\nimgwidth=40\nimgheight=30\n" + extra_settings +
           "[ps0]\nvoid main() { gl_FragColor = vec4(1.0); }\n"
           "[par1]\nname=Count\ntype=int\nmin=0\nmax=10\ndisplaymin=1\ndisplaymax=5\ndefault=3\nid=11\n"
           "[par2]\nname=Enabled\ntype=check\ntext=On\ndefault=1\nvisibility=1\nid=12\n"
           "[par3]\nname=Mode\ntype=popup\ntext=A|-|B\nmax=2\ndefault=3\nid=13\n"
           "[par4]\nname=Mask\ntype=popup\nflags=99\nid=14\n"
           "[par5]\nname=Back\ntype=layer\nflags=1\nid=15\n"
           "[par6]\nname=Amount\ntype=float\nmin=-1\nmax=2\ndisplaymin=0\ndisplaymax=1\ndefault=0.25\nflags=1\nid=16\n"
           "[par7]\nname=Tint\ntype=color\ndefault=1.0|0.5|0.0\nid=17\n"
           "[par8]\nname=Turn\ntype=angle\ndefault=45.7\nid=18\n"
           "[par9]\nname=Centre\ntype=point\ndefault=0.5|2.0\nflags=100\nid=19\n"
           "[par10]\nname=Group\ntype=topic_start\nid=20\n"
           "[par11]\nname=Far\ntype=vec2\ndefault=150.0\nid=21\n"
           "[par12]\nname=Depth\ntype=vec3\ndefault=1.9|20000|-30000\nid=22\n"
           "[par13]\nname=End\ntype=topic_end\nid=23\n"
           "[par14]\nname=Go\ntype=button\nvisibility=2\nid=24\n"
           "[par15]\nname=Words\ntype=text\ntext=Edit\nid=25\n"
           "[par16]\nname=Picture\ntype=image\nid=131071\n"
           "[par17]\nname=Logo\ntype=custom\ntext=Banner\nid=27\n"
           "[par18]\nname=Unused\ntype=none\nid=28\n"
           "[par19]\nname=" +
           long_utf8_name +
           "\ntype=float\nid=29\n"
           "[par20]\nname=Second\ntype=layer\nid=30\n";
}

using test::DefinitionFile;

std::string name_of(const PF_ParamDef& def) { return std::string(def.name, strnlen(def.name, sizeof def.name)); }

class ParamsSetup : public ::testing::Test {
protected:
    void TearDown() override {
        if (plugin_.global_data() != nullptr) plugin_.call(PF_Cmd_GLOBAL_SETDOWN);
        EXPECT_TRUE(host_.suites().outstanding().empty()) << "suites left acquired";
        EXPECT_EQ(host_.handles().live_count(), 0u) << host_.handles().leak_report();
        EXPECT_TRUE(host_.misuses().empty()) << host_.misuses().front();
    }

    CommandResult start_and_register(const std::string& settings = "") {
        const DefinitionFile file(every_type_definition(settings));
        EXPECT_EQ(plugin_.call(PF_Cmd_GLOBAL_SETUP).result, PF_Err_NONE);
        return plugin_.call(PF_Cmd_PARAMS_SETUP);
    }

    SimHost host_;
    LoadedPlugin plugin_{host_, FX_PLUGIN_PATH};
};

// What the host holds for one added parameter, in the order they were added.
struct Expected {
    const char* name;
    PF_ParamType type;
    A_long id;
    PF_ParamFlags flags;
    PF_ParamUIFlags ui_flags;
    const char* text;  // popup items or label; "" for none
};

void expect_common(const std::vector<AddedParam>& added, const std::vector<Expected>& expected) {
    ASSERT_EQ(added.size(), expected.size());
    for (std::size_t i = 0; i < added.size(); ++i) {
        const PF_ParamDef& def = added[i].def;
        SCOPED_TRACE("parameter " + std::to_string(i + 1) + " (" + expected[i].name + ")");
        EXPECT_EQ(name_of(def), expected[i].name);
        EXPECT_EQ(def.param_type, expected[i].type);
        EXPECT_EQ(def.uu.id, expected[i].id);
        EXPECT_EQ(def.flags, expected[i].flags);
        EXPECT_EQ(def.ui_flags, expected[i].ui_flags);
        EXPECT_EQ(added[i].items, expected[i].text);
    }
}

const std::string cut_utf8_name = long_utf8_name.substr(0, 30);

TEST_F(ParamsSetup, AfterEffectsGetsEveryTypeWithItsRecord) {
    const CommandResult r = start_and_register();
    ASSERT_EQ(r.result, PF_Err_NONE);
    EXPECT_EQ(r.out.num_params, 21) << "every slot counts, the skipped one too";
    const std::vector<AddedParam> added = host_.added_params();
    expect_common(added, {
                             {"Count", PF_Param_FLOAT_SLIDER, 11, 0, 0, ""},
                             {"Enabled", PF_Param_CHECKBOX, 12, 0x40, PF_PUI_DISABLED, "On"},
                             {"Mode", PF_Param_POPUP, 13, 0x44, 0, "A|(-|B"},
                             {"Mask", PF_Param_PATH, 14, 0x40, 0, ""},
                             {"Back", PF_Param_LAYER, 15, 0x44, 0, ""},
                             {"Amount", PF_Param_FLOAT_SLIDER, 16, 0x20, 0, ""},
                             {"Tint", PF_Param_COLOR, 17, 0, 0, ""},
                             {"Turn", PF_Param_ANGLE, 18, 0, 0, ""},
                             {"Centre", PF_Param_POINT, 19, 2, 0, ""},
                             {"Group", PF_Param_GROUP_START, 20, 0x22, 0, ""},
                             {"Far", PF_Param_POINT, 21, 0, 0, ""},
                             {"Depth", PF_Param_POINT_3D, 22, 0, 0, ""},
                             {"", PF_Param_GROUP_END, 23, 2, 0, ""},
                             {"Go", PF_Param_BUTTON, 24, 0x46, 0, "Set"},
                             {"Words", PF_Param_BUTTON, 25, 0x46, 0, "Edit"},
                             {"Picture", PF_Param_ARBITRARY_DATA, -1, 0, 0x82, ""},
                             {"Logo", PF_Param_ARBITRARY_DATA, 27, 0, 0x82, ""},
                             {cut_utf8_name.c_str(), PF_Param_FLOAT_SLIDER, 29, 0x20, 0, ""},
                             {"Second", PF_Param_LAYER, 30, 0x44, 0, ""},
                         });
    if (added.size() != 19) return;

    const PF_FloatSliderDef& count = added[0].def.u.fs_d;
    EXPECT_EQ(count.value, 3.0);
    EXPECT_EQ(count.dephault, 3.0f);
    EXPECT_EQ(count.valid_min, 0.0f);
    EXPECT_EQ(count.valid_max, 10.0f);
    EXPECT_EQ(count.slider_min, 1.0f);
    EXPECT_EQ(count.slider_max, 5.0f);
    EXPECT_EQ(count.precision, 0);
    EXPECT_EQ(count.display_flags, 0);
    EXPECT_FLOAT_EQ(count.curve_tolerance, 0.05f);

    EXPECT_EQ(added[1].def.u.bd.value, 1);
    EXPECT_EQ(added[1].def.u.bd.dephault, 1);

    EXPECT_EQ(added[2].def.u.pd.num_choices, 3);
    EXPECT_EQ(added[2].def.u.pd.dephault, 3) << "the default is capped at the last choice, counted from 1";
    EXPECT_EQ(added[2].def.u.pd.value, 3);

    EXPECT_EQ(added[3].def.u.path_d.dephault, 0);
    EXPECT_EQ(added[4].def.u.ld.dephault, PF_LayerDefault_NONE);
    EXPECT_EQ(added[18].def.u.ld.dephault, PF_LayerDefault_MYSELF);

    const PF_FloatSliderDef& amount = added[5].def.u.fs_d;
    EXPECT_EQ(amount.value, 0.25);
    EXPECT_EQ(amount.valid_min, -1.0f);
    EXPECT_EQ(amount.precision, 2);
    EXPECT_EQ(amount.display_flags, PF_ValueDisplayFlag_PERCENT);

    const PF_Pixel tint = added[6].def.u.cd.value;
    EXPECT_EQ(tint.alpha, 255);
    EXPECT_EQ(tint.red, 255);
    EXPECT_EQ(tint.green, 127);
    EXPECT_EQ(tint.blue, 0);
    EXPECT_EQ(added[6].def.u.cd.dephault.green, 127);

    EXPECT_EQ(added[7].def.u.ad.value, 45 * 65536);
    EXPECT_EQ(added[7].def.u.ad.dephault, 45 * 65536);

    const PF_PointDef& centre = added[8].def.u.td;
    EXPECT_EQ(centre.x_value, 50 << 16);
    EXPECT_EQ(centre.y_value, 200 << 16);
    EXPECT_EQ(centre.x_dephault, 50 << 16);
    EXPECT_EQ(centre.y_dephault, 200 << 16);
    EXPECT_EQ(centre.restrict_bounds, 0);
    EXPECT_EQ(added[10].def.u.td.x_value, 10000 << 16) << "150.0 is capped at 10000 percent";
    EXPECT_EQ(added[10].def.u.td.y_dephault, 10000 << 16);

    const PF_Point3DDef& depth = added[11].def.u.point3d_d;
    EXPECT_EQ(depth.x_value, 1.0);
    EXPECT_EQ(depth.y_value, 10000.0);
    EXPECT_EQ(depth.z_value, -30000.0) << "no lower cap";
    EXPECT_EQ(depth.z_dephault, -30000.0);

    const PF_ParamDef& picture = added[15].def;
    EXPECT_EQ(picture.ui_width, 65);
    EXPECT_EQ(picture.ui_height, 30);
    EXPECT_EQ(picture.u.arb_d.id, -1) << "the low 16 bits of 131071";
    EXPECT_EQ(picture.u.arb_d.dephault, nullptr);
    EXPECT_EQ(picture.u.arb_d.value, nullptr);

    const PF_ParamDef& logo = added[16].def;
    EXPECT_EQ(logo.ui_width, 128) << "the library carries its banner";
    EXPECT_EQ(logo.ui_height, 128);
    EXPECT_EQ(logo.u.arb_d.id, 27);

    const std::vector<PF_CustomUIInfo> ui = host_.registered_ui();
    ASSERT_EQ(ui.size(), 1u);
    EXPECT_EQ(ui[0].events, PF_CustomEFlag_EFFECT);
    EXPECT_EQ(ui[0].comp_ui_width, 0);
    EXPECT_EQ(host_.log().count("RegisterTransitionInputParam"), 0u);
}

TEST_F(ParamsSetup, PremiereProTransitionTakesItsFirstLayerAsInput) {
    host_.settings().app = HostApp::premiere_pro;
    const CommandResult r = start_and_register("transition=1\n");
    ASSERT_EQ(r.result, PF_Err_NONE);
    EXPECT_EQ(r.out.num_params, 21);
    const std::vector<AddedParam> added = host_.added_params();
    ASSERT_EQ(added.size(), 19u);
    EXPECT_EQ(name_of(added[4].def), "Input");
    EXPECT_EQ(added[4].def.param_type, PF_Param_LAYER);
    EXPECT_EQ(added[4].def.flags, 0);
    EXPECT_EQ(added[4].def.u.ld.dephault, PF_LayerDefault_NONE);
    EXPECT_EQ(added[4].def.uu.id, 15);
    const auto inputs = host_.log().calls_named("RegisterTransitionInputParam");
    ASSERT_EQ(inputs.size(), 1u);
    EXPECT_EQ(inputs[0].args.substr(inputs[0].args.rfind(", ") + 2), "5") << "the slot index";
    EXPECT_EQ(host_.suites().counts("PF Transition Suite", 2).released, 1);
    // Later layers follow the ordinary rule.
    EXPECT_EQ(name_of(added[18].def), "Second");
    EXPECT_EQ(added[18].def.flags, 0x44);
    // Only the first float is hidden.
    EXPECT_EQ(added[5].def.ui_flags, PF_PUI_INVISIBLE);
    EXPECT_EQ(added[17].def.ui_flags, 0);
    // The image is a button there; the banner stays a custom control, so the control
    // area is still registered.
    EXPECT_EQ(added[15].def.param_type, PF_Param_BUTTON);
    EXPECT_EQ(added[15].def.flags, 0x44);
    EXPECT_EQ(added[15].items, "Load Image...");
    EXPECT_EQ(added[15].def.uu.id, 131071);
    EXPECT_EQ(added[16].def.param_type, PF_Param_ARBITRARY_DATA);
    EXPECT_EQ(host_.registered_ui().size(), 1u);
}

TEST_F(ParamsSetup, PremiereProWithoutTheTransitionSuiteStillAddsTheInput) {
    host_.settings().app = HostApp::premiere_pro;
    host_.suites().refuse("PF Transition Suite", 2, kSPSuiteNotFoundError);
    ASSERT_EQ(start_and_register("transition=1\n").result, PF_Err_NONE);
    const std::vector<AddedParam> added = host_.added_params();
    ASSERT_EQ(added.size(), 19u);
    EXPECT_EQ(name_of(added[4].def), "Input");
    EXPECT_EQ(host_.log().count("RegisterTransitionInputParam"), 0u);
}

TEST_F(ParamsSetup, PremiereProFilterKeepsItsLayersAndFloats) {
    host_.settings().app = HostApp::premiere_pro;
    ASSERT_EQ(start_and_register().result, PF_Err_NONE);
    const std::vector<AddedParam> added = host_.added_params();
    ASSERT_EQ(added.size(), 19u);
    EXPECT_EQ(name_of(added[4].def), "Back");
    EXPECT_EQ(added[5].def.ui_flags, 0);
    EXPECT_EQ(host_.log().count("AcquireSuite(\"PF Transition Suite\""), 0u);
    EXPECT_EQ(host_.suites().counts("PF Transition Suite", 2).acquired, 0);
}

TEST_F(ParamsSetup, ARefusedParameterEndsTheCommand) {
    const DefinitionFile file(every_type_definition(""));
    ASSERT_EQ(plugin_.call(PF_Cmd_GLOBAL_SETUP).result, PF_Err_NONE);
    // The twelfth parameter is the 3-D point: its refusal ends the command like any other.
    host_.faults().fail_nth("add_param", 12, PF_Err_OUT_OF_MEMORY);
    const CommandResult r = plugin_.call(PF_Cmd_PARAMS_SETUP);
    EXPECT_EQ(r.result, PF_Err_OUT_OF_MEMORY);
    EXPECT_EQ(r.out.num_params, 0) << "not written";
    EXPECT_EQ(host_.added_params().size(), 11u);
    EXPECT_EQ(host_.log().count("add_param"), 12u);
    EXPECT_TRUE(host_.registered_ui().empty());
}

TEST_F(ParamsSetup, ARefusedCustomUiIsReturnedAfterTheCount) {
    const DefinitionFile file(every_type_definition(""));
    ASSERT_EQ(plugin_.call(PF_Cmd_GLOBAL_SETUP).result, PF_Err_NONE);
    host_.faults().fail_always("register_ui", PF_Err_OUT_OF_MEMORY);
    const CommandResult r = plugin_.call(PF_Cmd_PARAMS_SETUP);
    EXPECT_EQ(r.result, PF_Err_OUT_OF_MEMORY);
    EXPECT_EQ(r.out.num_params, 21);
}

TEST_F(ParamsSetup, ADefinitionWithOnlyTheInputAddsNothing) {
    const DefinitionFile file("[settings]\nusegpu=-1\n[ps0]\nvoid main() { gl_FragColor = vec4(1.0); }\n");
    ASSERT_EQ(plugin_.call(PF_Cmd_GLOBAL_SETUP).result, PF_Err_NONE);
    const CommandResult r = plugin_.call(PF_Cmd_PARAMS_SETUP);
    EXPECT_EQ(r.result, PF_Err_NONE);
    EXPECT_EQ(r.out.num_params, 1);
    EXPECT_TRUE(host_.added_params().empty());
    EXPECT_EQ(host_.log().count("register_ui"), 0u);
}

// The texture input list lives in the plug-in's own definition; this test runs the
// registration of this process, on a definition loaded here, to read it.
TEST(ParamsSetupInputs, ListsTheInputLayerThenLayerAndImageSlotsInOrder) {
    SimHost host;
    {
        const DefinitionFile file(every_type_definition("transition=1\n"));
        load_definition();
    }
    effect_definition().input_slots = {7, 7, 7};
    for (const HostApp app : {HostApp::after_effects, HostApp::premiere_pro}) {
        host.settings().app = app;
        PF_InData in = host.make_in_data(nullptr, nullptr);
        PF_OutData out = SimHost::make_out_data(nullptr, nullptr);
        EXPECT_EQ(params_setup(&in, &out, nullptr, nullptr), PF_Err_NONE);
        EXPECT_EQ(effect_definition().input_slots, (std::vector<int32_t>{0, 5, 16, 20}));
    }
    EXPECT_EQ(effect_definition().params[17].visibility, 0) << "the banner is there: the slot stays as declared";
    EXPECT_TRUE(host.suites().outstanding().empty());
}

struct BannerRow {
    const char* label;
    std::size_t stored_size;
    bool control;
};

void PrintTo(const BannerRow& row, std::ostream* os) { *os << row.label; }

class ParamsSetupBanner : public ::testing::TestWithParam<BannerRow> {};

TEST_P(ParamsSetupBanner, ACustomSlotShowsTheBannerOnlyWhenItIsThere) {
    SimHost host;
    EffectDefinition definition;
    definition.settings.param_count = 2;
    definition.params[1].type = kParamCustom;
    definition.params[1].display = "Logo";
    definition.params[1].text = "Banner";
    definition.params[1].id = 7;
    PF_InData in = host.make_in_data(nullptr, nullptr);
    PF_OutData out = SimHost::make_out_data(nullptr, nullptr);
    ASSERT_EQ(register_params(&in, &out, definition, GetParam().stored_size), PF_Err_NONE);
    const std::vector<AddedParam> added = host.added_params();
    ASSERT_EQ(added.size(), 1u);
    if (GetParam().control) {
        EXPECT_EQ(added[0].def.param_type, PF_Param_ARBITRARY_DATA);
        EXPECT_EQ(added[0].def.ui_width, 128);
        EXPECT_EQ(added[0].def.ui_height, 128);
        EXPECT_EQ(added[0].def.ui_flags, PF_PUI_CONTROL | PF_PUI_DONT_ERASE_CONTROL);
        EXPECT_EQ(added[0].def.u.arb_d.id, 7);
        EXPECT_EQ(definition.params[1].visibility, 0);
        EXPECT_EQ(host.registered_ui().size(), 1u);
    } else {
        EXPECT_EQ(added[0].def.param_type, PF_Param_CHECKBOX);
        EXPECT_EQ(added[0].def.ui_flags, PF_PUI_INVISIBLE);
        EXPECT_EQ(definition.params[1].visibility, 2);
        EXPECT_TRUE(host.registered_ui().empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, ParamsSetupBanner,
                         ::testing::Values(BannerRow{"none", 0, false}, BannerRow{"one_byte", 1, true},
                                           BannerRow{"shipped_size", 28376, true},
                                           BannerRow{"at_the_limit", 30000, true},
                                           BannerRow{"over_the_limit", 30001, false}),
                         [](const ::testing::TestParamInfo<BannerRow>& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace fx
