// Script buttons through EffectMain and the host's real scripting engine: the variable
// block, the values written back, failures of the script and of the host's calls, the
// length bound, and the built-in transition's Randomize button.
#include <cmath>
#include <sstream>

#include "panel_fixture.h"

namespace fx::test {
namespace {

using Strings = std::vector<std::string>;

// A script comment of exactly `size` characters.
std::string padding(std::size_t size) { return "/*" + std::string(size - 4, 'x') + "*/"; }

class ScriptButton : public PanelTest {
protected:
    // A definition with the given script 0 behind a button at slot 1.
    void start_with_script(const std::string& script, const std::string& more_params = "") {
        start(
            "[par1]\nname=Run\ntype=button\nflags=0\n"
            "[par2]\nname=Amount\ntype=float\nmin=0\nmax=1\ndefault=0.5\n"
            "[par3]\nname=Angle\ntype=angle\ndefault=30\n"
            "[par4]\nname=Other\ntype=float\ndefault=0.75\n" +
            more_params + "[script0]\n" + script);
    }
};

TEST_F(ScriptButton, ReadsTheParametersAndWritesTheNamedOnesBack) {
    start_with_script("getParams();\ngetParams();\n'Amount=' + (Amount / 2) + '; Angle=' + (Angle * 3)\n");
    // Until the plug-in marks a value changed, the host's record holds the parameter's id there.
    const PF_ChangeFlags untouched = param(4).uu.change_flags;
    ASSERT_NE(untouched, PF_ChangeFlag_CHANGED_VALUE);
    const CommandResult r = change(1);
    EXPECT_EQ(r.result, PF_Err_NONE);
    EXPECT_EQ(host_.last_script(),
              "var Amount=0.5;\nvar Angle=30;\nvar Other=0.75;\n\nvar Amount=0.5;\nvar Angle=30;\nvar Other=0.75;\n\n"
              "'Amount=' + (Amount / 2) + '; Angle=' + (Angle * 3)\n")
        << "the variable block replaces each getParams();";
    EXPECT_EQ(param(2).u.fs_d.value, 0.25);
    EXPECT_EQ(param(3).u.ad.value, 90 * 65536) << "Angle=90 without a final semicolon";
    EXPECT_EQ(param(2).uu.change_flags, PF_ChangeFlag_CHANGED_VALUE);
    EXPECT_EQ(param(3).uu.change_flags, PF_ChangeFlag_CHANGED_VALUE);
    EXPECT_EQ(param(4).u.fs_d.value, 0.75);
    EXPECT_EQ(param(4).uu.change_flags, untouched) << "not named in the result";
    EXPECT_EQ(global().texts_dirty, 1);
    EXPECT_EQ(panel_calls(), (Strings{"PF_UpdateParamUI 1", "AEGP_ExecuteScript", "AEGP_LockMemHandle",
                                      "AEGP_UnlockMemHandle", "AEGP_FreeMemHandle"}));
}

TEST_F(ScriptButton, EveryTypeReachesTheScriptInItsComponents) {
    start_with_script("getParams();\n'';\n",
                      "[par5]\nname=Tint\ntype=color\ndefault=1|0.5|0\n"
                      "[par6]\nname=Spot\ntype=point\ndefault=0.5|0.25\n"
                      "[par7]\nname=Place\ntype=vec3\ndefault=1|2|3\n"
                      "[par8]\nname=Mode\ntype=popup\ntext=A|B|C\ndefault=2\n"
                      "[par9]\nname=On\ntype=check\ndefault=1\n"
                      "[par10]\nname=Label\ntype=text\nflags=1\n");
    // The host holds points in layer pixels.
    param(6).u.td.x_value = 320 * 65536 + 32768;
    param(6).u.td.y_value = -90 * 65536;
    ASSERT_EQ(change(1).result, PF_Err_NONE);
    const std::string script = host_.last_script();
    const std::string expected_lines[] = {
        "var Tint_r=255;\nvar Tint_g=127;\nvar Tint_b=0;\n", "var Spot_x=320.5;\nvar Spot_y=-90;\n",
        "var Place_x=1;\nvar Place_y=2;\nvar Place_z=3;\n", "var Mode=2;\n", "var On=1;\n"};
    for (const std::string& lines : expected_lines) EXPECT_NE(script.find(lines), std::string::npos) << lines << script;
    EXPECT_EQ(script.find("Label"), std::string::npos) << "a text parameter has no value for scripts";
}

TEST_F(ScriptButton, ResultValuesAreReadLikeAtoiAndAtof) {
    start_with_script("'Amount=abc;Angle=45.9deg;Mode=2;On=-1;Other=1e-1'\n",
                      "[par8]\nname=Mode\ntype=popup\ntext=A|B|C\n[par9]\nname=On\ntype=check\ndefault=1\n");
    ASSERT_EQ(change(1).result, PF_Err_NONE);
    EXPECT_EQ(param(2).u.fs_d.value, 0.0);
    EXPECT_EQ(param(3).u.ad.value, 45 * 65536);
    EXPECT_EQ(param(8).u.pd.value, 3);
    EXPECT_EQ(param(9).u.bd.value, 0);
    EXPECT_EQ(param(4).u.fs_d.value, static_cast<double>(0.1f)) << "rounded to single precision";
}

TEST_F(ScriptButton, AScriptErrorChangesNothingAndIsTheResult) {
    start_with_script("getParams();\nnot_defined + 1;\n");
    const PF_ChangeFlags untouched = param(2).uu.change_flags;
    EXPECT_EQ(change(1).result, A_Err_GENERIC);
    EXPECT_NE(host_.last_script_outcome().text.find("ReferenceError"), std::string::npos);
    EXPECT_EQ(param(2).uu.change_flags, untouched);
    EXPECT_EQ(panel_calls(), (Strings{"PF_UpdateParamUI 1", "AEGP_ExecuteScript -> 1"}));
}

TEST_F(ScriptButton, AResultThatCannotBeReadChangesNothingAndIsStillFreed) {
    start_with_script("'Amount=1;'\n");
    host_.faults().fail_nth("AEGP_LockMemHandle", 1, A_Err_PARAMETER);
    EXPECT_EQ(change(1).result, A_Err_PARAMETER);
    EXPECT_EQ(param(2).u.fs_d.value, 0.5);
    EXPECT_EQ(panel_calls(),
              (Strings{"PF_UpdateParamUI 1", "AEGP_ExecuteScript", "AEGP_LockMemHandle -> 3", "AEGP_FreeMemHandle"}));
}

TEST_F(ScriptButton, AFailedUiUpdateStopsTheScript) {
    start_with_script("'Amount=1;'\n");
    host_.faults().fail_nth("PF_UpdateParamUI", 1, PF_Err_OUT_OF_MEMORY);
    EXPECT_EQ(change(1).result, PF_Err_OUT_OF_MEMORY);
    EXPECT_EQ(panel_calls(), Strings{"PF_UpdateParamUI 1 -> 4"});
    EXPECT_EQ(param(2).u.fs_d.value, 0.5);
}

TEST_F(ScriptButton, AScriptTooLongForTheBufferIsNotRunAndTheUserIsTold) {
    // 31,998 characters fit; this one is one more once its block is in (the block, the
    // line break after getParams();, the 12-character result, the padding and the line end).
    const std::string block = "var Amount=0.5;\nvar Angle=30;\nvar Other=0.75;\n";
    start_with_script("getParams();\n'Amount=1;';" + padding(31998 - block.size() - 13) + "\n");
    const CommandResult r = change(1);
    EXPECT_EQ(r.result, PF_Err_NONE);
    EXPECT_EQ(host_.log().count("AEGP_ExecuteScript"), 0u);
    EXPECT_EQ(param(2).u.fs_d.value, 0.5);
    EXPECT_TRUE(r.shows_message());
    EXPECT_NE(r.message().find("31999 characters"), std::string::npos) << r.message();
}

TEST_F(ScriptButton, AScriptThatJustFitsRuns) {
    const std::string block = "var Amount=0.5;\nvar Angle=30;\nvar Other=0.75;\n";
    start_with_script("getParams();\n'Amount=1;';" + padding(31998 - block.size() - 14) + "\n");
    EXPECT_EQ(change(1).result, PF_Err_NONE);
    EXPECT_EQ(host_.last_script().size(), 31998u);
    EXPECT_EQ(param(2).u.fs_d.value, 1.0);
}

TEST_F(ScriptButton, ButtonsForOtherActionsRunNoScript) {
    start_with_script("'Amount=1;'\n", "[par5]\nname=Nothing\ntype=button\nflags=77\n");
    EXPECT_EQ(change(5).result, PF_Err_NONE);
    EXPECT_EQ(host_.log().count("AEGP_ExecuteScript"), 0u);
}

// The shipped transition's Randomize button, with its own definition text.
TEST_F(ScriptButton, TheTransitionsRandomizeKeepsEveryValueInItsRange) {
    std::ifstream in(FX_BUILTIN_DEFINITION);
    ASSERT_TRUE(in) << FX_BUILTIN_DEFINITION;
    std::stringstream text;
    text << in.rdbuf();
    definition_path_ = ::testing::TempDir() + "panel_builtin_" + std::to_string(getpid()) + ".fxdef";
    // Without the GPU: the panel does not need the renderer.
    std::ofstream(definition_path_) << text.str() << "\n[settings]\nusegpu=-1\n";
    start_file(definition_path_);
    const auto slot_named = [&](const char* name) {
        for (int j = 1; j < static_cast<int>(host_.param_list().size()); ++j)
            if (std::string(param(j).name) == name) return j;
        ADD_FAILURE() << "no parameter " << name;
        return 0;
    };
    const int randomize = slot_named("Randomize");
    const int softness = slot_named("Softness");
    const int warp = slot_named("Warp");
    const int glow = slot_named("Glow Intensity");
    const int direction = slot_named("Direction");
    const int completion = slot_named("Transition Completion");
    const double completion_before = param(completion).u.fs_d.value;
    const PF_ChangeFlags untouched = param(completion).uu.change_flags;
    std::set<double> softness_seen;
    for (int run = 0; run < 20; ++run) {
        ASSERT_EQ(change(randomize).result, PF_Err_NONE) << host_.last_script_outcome().text;
        const double s = param(softness).u.fs_d.value;
        EXPECT_GE(s, 0.05 - 1e-6);
        EXPECT_LE(s, 0.4 + 1e-6);
        EXPECT_GE(param(warp).u.fs_d.value, 0.1 - 1e-6);
        EXPECT_LE(param(warp).u.fs_d.value, 0.8 + 1e-6);
        EXPECT_GE(param(glow).u.fs_d.value, 0.6 - 1e-6);
        EXPECT_LE(param(glow).u.fs_d.value, 2.4 + 1e-6);
        const int degrees = param(direction).u.ad.value / 65536;
        EXPECT_GE(degrees, 0);
        EXPECT_LT(degrees, 360);
        EXPECT_EQ(param(direction).u.ad.value % 65536, 0);
        softness_seen.insert(s);
    }
    EXPECT_GT(softness_seen.size(), 1u) << "the values are new each time";
    EXPECT_EQ(param(completion).u.fs_d.value, completion_before);
    EXPECT_EQ(param(completion).uu.change_flags, untouched);
}

}  // namespace
}  // namespace fx::test
