// The update pass (PF_Cmd_UPDATE_PARAMS_UI) after a project is reopened, built-in preset
// popups, which changes mark the text defines dirty, and the actions that hand on to
// image and preset loading.
#include <cstdio>
#include <string>

#include "panel_fixture.h"

namespace fx::test {
namespace {

using Strings = std::vector<std::string>;

const char* const states_text =
    "[par1]\nname=Advanced\ntype=check\ngroupswitch=150\nmax=0\n"
    "[par2]\nname=Basic\ntype=float\ngroup0=150\n"
    "[par3]\nname=Detail\ntype=float\ngroup0=151\nvisibility=2\n"
    "[par4]\nname=Locked\ntype=float\nvisibility=1\n"
    "[par5]\nname=Caption: ?\ntype=text\ndefault=Hello\nflags=2\n";

class PanelUpdate : public PanelTest {
protected:
    // Saves the instance as the host does with a project, closes it and opens it again
    // in a host that has forgotten the panel's ui flags.
    void reopen() {
        ASSERT_EQ(plugin_.call(PF_Cmd_GET_FLATTENED_SEQUENCE_DATA).result, PF_Err_NONE);
        PF_Handle saved = plugin_.take_flattened_copy();
        ASSERT_NE(saved, nullptr);
        ASSERT_EQ(plugin_.call(PF_Cmd_SEQUENCE_SETDOWN).result, PF_Err_NONE);
        for (PF_ParamDef* p : host_.param_list()) p->ui_flags = 0;
        plugin_.set_sequence_data(saved);
        ASSERT_EQ(plugin_.call(PF_Cmd_SEQUENCE_RESETUP).result, PF_Err_NONE);
        host_.log().clear();
    }
};

TEST_F(PanelUpdate, NothingToReapplyMakesNoHostCall) {
    start("[par1]\nname=A\ntype=float\n[par2]\nname=B\ntype=check\n");
    const CommandResult r = update();
    EXPECT_EQ(r.result, PF_Err_NONE);
    EXPECT_TRUE(panel_calls().empty());
    EXPECT_EQ(r.out.out_flags, 0);
}

TEST_F(PanelUpdate, StatesAndTextNamesComeBackAfterAReopen) {
    start(states_text);
    param(1).u.bd.value = 1;  // show the details, hide the basics
    ASSERT_EQ(change(1).result, PF_Err_NONE);
    answers("1 World\n");
    ASSERT_EQ(change(5).result, PF_Err_NONE);
    reopen();
    EXPECT_EQ(state().param_state[2], 2);
    EXPECT_EQ(state().param_state[3], -2);
    EXPECT_EQ(text(2), "World");

    const CommandResult r = update();
    EXPECT_EQ(r.result, PF_Err_NONE);
    EXPECT_EQ(r.out.out_flags & PF_OutFlag_REFRESH_UI, PF_OutFlag_REFRESH_UI);
    const std::string id = std::to_string(global().aegp_plugin_id);
    EXPECT_EQ(panel_calls(), joined({stream_calls("0", 2, {"AEGP_SetDynamicStreamFlag, 2, 0, 1"}),
                                     {"PF_UpdateParamUI 2"},
                                     stream_calls("0", 3, {"AEGP_SetDynamicStreamFlag, 2, 0, 0"}),
                                     {"PF_UpdateParamUI 3", "PF_UpdateParamUI 4"},
                                     stream_calls(id, 5, {"AEGP_SetStreamName \"Caption: World\""})}));
    EXPECT_EQ(param(2).ui_flags, PF_PUI_INVISIBLE);
    EXPECT_EQ(param(3).ui_flags, 0);
    EXPECT_EQ(param(4).ui_flags, PF_PUI_DISABLED);
    EXPECT_EQ(param(4).uu.change_flags, PF_ChangeFlag_CHANGED_VALUE);
}

TEST_F(PanelUpdate, UnderPremiereProOnlyTheUiFlagsAreReapplied) {
    premiere();
    start(states_text);
    const CommandResult r = update();
    EXPECT_EQ(r.result, PF_Err_NONE);
    EXPECT_EQ(panel_calls(), (Strings{"PF_UpdateParamUI 3", "PF_UpdateParamUI 4"}));
    EXPECT_EQ(param(3).ui_flags, PF_PUI_INVISIBLE);
    EXPECT_EQ(r.out.out_flags, 0) << "no text is shown in a name under Premiere Pro";
}

TEST_F(PanelUpdate, AFailureStopsTheStreamCallsOfTheLaterSlots) {
    start(states_text);
    host_.faults().fail_nth("AEGP_GetNewEffectForEffect", 1, A_Err_GENERIC);
    const CommandResult r = update();
    EXPECT_EQ(r.result, A_Err_GENERIC);
    EXPECT_EQ(panel_calls(),
              (Strings{"AEGP_GetNewEffectForEffect 0 -> 1", "PF_UpdateParamUI 3", "PF_UpdateParamUI 4"}));
    EXPECT_EQ(r.out.out_flags & PF_OutFlag_REFRESH_UI, PF_OutFlag_REFRESH_UI)
        << "the text name is asked to be redrawn even when it cannot be set";
}

const char* const presets_text =
    "[par1]\nname=looks\ntype=popup\ntext=First|Second\nflags=3\n"
    "[par2]\nname=Amount\ntype=float\n"
    "[par3]\nname=Tint\ntype=color\n"
    "[par4]\nname=Angle\ntype=angle\n"
    "[par5]\nname=Spot\ntype=point\n"
    "[par6]\nname=Place\ntype=vec3\n"
    "[par7]\nname=Mode\ntype=popup\ntext=A|B|C\n"
    "[par8]\nname=On\ntype=check\n"
    "[par9]\nname=Untouched\ntype=float\ndefault=0.5\n"
    "[preset_looks_0]\nAmount=0.1\nTint=1|0.5|-0.004\nAngle=45.7\nSpot=0.5|0.25\nPlace=1|2|3\nMode=2\nOn=1\n"
    "Amount=0.25\n"
    "[preset_looks_1]\nAmount=0.9\n";

TEST_F(PanelUpdate, ABuiltInPresetWritesTheRecordsOfTheChosenEntry) {
    start(presets_text);
    clear_texts_dirty();
    const PF_ChangeFlags untouched = param(9).uu.change_flags;  // the id, until a change is marked
    param(1).u.pd.value = 1;                                    // the first entry: records of choice 0
    PF_LayerDef output{};
    output.width = 640;
    output.height = 360;
    PF_UserChangedParamExtra extra{1};
    const CommandResult r = plugin_.call(PF_Cmd_USER_CHANGED_PARAM, &extra, &output);
    EXPECT_EQ(r.result, PF_Err_NONE);
    EXPECT_EQ(param(2).u.fs_d.value, static_cast<double>(0.25f)) << "the last record for a slot wins";
    EXPECT_EQ(param(3).u.cd.value.alpha, 255);
    EXPECT_EQ(param(3).u.cd.value.red, 255);
    EXPECT_EQ(param(3).u.cd.value.green, 128) << "127.5 rounded";
    EXPECT_EQ(param(3).u.cd.value.blue, 0) << "-1.02 held at black, not wrapped to full blue";
    EXPECT_EQ(param(4).u.ad.value, 45 * 65536);
    EXPECT_EQ(param(5).u.td.x_value, 320 * 65536);
    EXPECT_EQ(param(5).u.td.y_value, 90 * 65536);
    EXPECT_EQ(param(6).u.point3d_d.z_value, 3.0);
    EXPECT_EQ(param(7).u.pd.value, 3);
    EXPECT_EQ(param(8).u.bd.value, 1);
    for (int j = 2; j <= 8; ++j) EXPECT_EQ(param(j).uu.change_flags, PF_ChangeFlag_CHANGED_VALUE) << j;
    EXPECT_EQ(param(9).uu.change_flags, untouched);
    EXPECT_EQ(global().texts_dirty, 1);
}

// Every byte written as byte / 255 with six significant digits, as a preset keeps a
// colour, comes back as the same byte.
TEST_F(PanelUpdate, ABuiltInPresetColourKeepsEveryByte) {
    std::string text = "[par1]\nname=looks\ntype=popup\nflags=3\ntext=";
    for (int c = 0; c < 256; ++c) text += (c ? "|" : "") + std::to_string(c);
    text += "\n[par2]\nname=Tint\ntype=color\n";
    const auto part = [](int c) {
        char digits[32];
        std::snprintf(digits, sizeof digits, "%g", c / 255.0);
        return std::string(digits);
    };
    for (int c = 0; c < 256; ++c)
        text += "[preset_looks_" + std::to_string(c) + "]\nTint=" + part(c) + "|" + part(255 - c) + "|" +
                part((c * 7) % 256) + "\n";
    start(text);
    for (int c = 0; c < 256; ++c) {
        param(1).u.pd.value = c + 1;
        ASSERT_EQ(change(1).result, PF_Err_NONE);
        ASSERT_EQ(param(2).u.cd.value.red, c);
        ASSERT_EQ(param(2).u.cd.value.green, 255 - c);
        ASSERT_EQ(param(2).u.cd.value.blue, (c * 7) % 256);
    }
}

TEST_F(PanelUpdate, WithoutAnOutputLayerPointsKeepTheirValues) {
    start(presets_text);
    param(5).u.td.x_value = 7;
    param(1).u.pd.value = 1;
    ASSERT_EQ(change(1).result, PF_Err_NONE);
    EXPECT_EQ(param(5).u.td.x_value, 7);
    EXPECT_EQ(param(5).uu.change_flags, PF_ChangeFlag_CHANGED_VALUE);
    param(1).u.pd.value = 2;
    ASSERT_EQ(change(1).result, PF_Err_NONE);
    EXPECT_EQ(param(2).u.fs_d.value, static_cast<double>(0.9f));
}

TEST_F(PanelUpdate, ShaderRelevantChangesMarkTheTextsDirty) {
    start(
        "[par1]\nname=Plain\ntype=check\n"
        "[par2]\nname=Switching\ntype=check\nflags=1\n"
        "[par3]\nname=Layer\ntype=layer\n"
        "[par4]\nname=Special\ntype=popup\ntext=A|B\nspecial=998\n"
        "[par5]\nname=Slider\ntype=float\n");
    const struct {
        int index;
        int dirty;
    } rows[] = {{1, 0}, {2, 1}, {3, 1}, {4, 1}, {5, 0}};
    for (const auto& row : rows) {
        clear_texts_dirty();
        ASSERT_EQ(change(row.index).result, PF_Err_NONE);
        EXPECT_EQ(global().texts_dirty, row.dirty) << "parameter " << row.index;
        EXPECT_EQ(updated_indices(), std::vector<int>{row.index});
        host_.log().clear();
    }
}

}  // namespace
}  // namespace fx::test
