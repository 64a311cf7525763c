// fxhost panel: a scripted session in the effect panel, printed as the panel's state.
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "tests/fxhost/fxhost_run.h"
#include "tests/platform/temp_folder.h"

namespace fx::test {
namespace {

const char* const definition =
    "[settings]\nusegpu=-1\nname=Demo\n"
    "[par1]\nname=Advanced\ntype=check\ngroupswitch=150\nmax=0\n"
    "[par2]\nname=Basic\ntype=float\ngroup0=150\n"
    "[par3]\nname=Detail\ntype=float\ngroup0=151\nvisibility=2\n"
    "[par4]\nname=Title: ?\ntype=text\ndefault=Hi\nflags=1\n"
    "[par5]\nname=Run\ntype=button\nflags=0\n"
    "[par6]\nname=Shape\ntype=popup\ntext=Round|Square\n"
    "[script0]\ngetParams();\n\"Basic=\" + (Basic + 0.5) + \";\";\n"
    "[ps0]\nvoid main() { gl_FragColor = vec4(1.0); }\n";

class FxhostPanel : public ::testing::Test {
protected:
    FxhostRun panel(std::vector<std::string> args) {
        args.insert(args.begin(), {"panel", "--definition", folder_.write("demo.fxdef", definition)});
        return run_fxhost(args);
    }
    TempFolder folder_;
};

TEST_F(FxhostPanel, ActionsRunInOrderAndThePanelStateIsPrinted) {
    const std::string answers = folder_.write("answers.txt", "1 Hello panel\n");
    const FxhostRun run = panel({"--answers", answers, "--set", "Advanced=on", "--press", "Title: ?", "--set",
                                 "Shape=Square", "--press", "Run", "--update"});
    ASSERT_EQ(run.status, 0) << run.err;
    const nlohmann::json state = nlohmann::json::parse(run.out);
    const nlohmann::json& params = state["params"];
    ASSERT_EQ(params.size(), 6u);
    EXPECT_EQ(params[0]["value"], true);
    EXPECT_EQ(params[1]["param_state"], 2);
    EXPECT_EQ(params[1]["hidden"], true);
    EXPECT_EQ(params[1]["ui_flags"], 0x200);
    EXPECT_EQ(params[1]["value"], 0.5) << "the script ran after the switch and read Basic = 0";
    EXPECT_EQ(params[2]["param_state"], -2);
    EXPECT_EQ(params[2]["hidden"], false);
    EXPECT_EQ(params[3]["stream_name"], "Title: Hello panel");
    EXPECT_EQ(params[5]["value"], 2);
    EXPECT_EQ(state["texts"][1], "Hello panel");
}

TEST_F(FxhostPanel, UnderPremiereProNoStreamChanges) {
    const FxhostRun run = panel({"--premiere", "--set", "Advanced=on"});
    ASSERT_EQ(run.status, 0) << run.err;
    const nlohmann::json state = nlohmann::json::parse(run.out);
    EXPECT_EQ(state["params"][1]["param_state"], 2);
    EXPECT_EQ(state["params"][1]["ui_flags"], 0x200);
    EXPECT_EQ(state["params"][1]["hidden"], false);
}

TEST_F(FxhostPanel, BadActionsAreRefusedWithAReason) {
    const struct {
        std::vector<std::string> args;
        const char* message;
    } rows[] = {
        {{"--set", "Nope=1"}, "--set Nope=1: the panel has no parameter \"Nope\""},
        {{"--set", "Basic=abc"}, "--set Basic=abc: \"abc\" is not a number"},
        {{"--set", "Advanced=maybe"}, "--set Advanced=maybe: expected on or off"},
        {{"--set", "Shape=3"}, "--set Shape=3: choice numbers run from 1 to 2"},
        {{"--set", "Run=1"}, "--set Run=1: this parameter has no value to set; --press it instead"},
        {{"--set", "=1"}, "--set =1: expected NAME=VALUE"},
        {{"--jump"}, "unexpected argument \"--jump\""},
    };
    for (const auto& row : rows) {
        const FxhostRun run = panel(row.args);
        EXPECT_EQ(run.status, 1) << row.message;
        EXPECT_NE(run.err.find(row.message), std::string::npos) << run.err;
        EXPECT_TRUE(run.out.empty()) << run.out;
    }
}

TEST_F(FxhostPanel, APluginErrorIsReportedAndTheStateStillPrinted) {
    // A script that throws: the host answers an error, the panel is still shown.
    const std::string broken =
        folder_.write("broken.fxdef",
                      "[settings]\nusegpu=-1\n[par1]\nname=Run\ntype=button\nflags=0\n[script0]\nmissing();\n"
                      "[ps0]\nvoid main() { gl_FragColor = vec4(1.0); }\n");
    const FxhostRun run = run_fxhost({"panel", "--definition", broken, "--press", "Run"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("--press Run: the plug-in answered error 1"), std::string::npos) << run.err;
    EXPECT_EQ(nlohmann::json::parse(run.out)["params"][0]["name"], "Run");
}

}  // namespace
}  // namespace fx::test

namespace fx::test {
namespace {

// Preset buttons in the panel: a preset saved in one session loads in the next.
TEST(FxhostPanelPresets, APresetSavedInOneSessionLoadsInTheNext) {
    TempFolder folder;
    const std::string with_presets = std::string(definition) +
                                     "[par7]\nname=Save\ntype=button\nflags=801\n"
                                     "[par8]\nname=Load\ntype=button\nflags=800\n";
    const std::string file = folder.write("demo.fxdef", with_presets);
    const std::string preset = folder / "look";
    const FxhostRun saved =
        run_fxhost({"panel", "--definition", file, "--answers", folder.write("save.txt", "1 Stored\n" + preset + "\n"),
                    "--set", "Shape=Square", "--press", "Title: ?", "--press", "Save"});
    ASSERT_EQ(saved.status, 0) << saved.err;
    ASSERT_TRUE(std::filesystem::exists(preset + ".fxpr")) << "the extension is appended";

    const FxhostRun loaded = run_fxhost(
        {"panel", "--definition", file, "--answers", folder.write("load.txt", preset + ".fxpr\n"), "--press", "Load"});
    ASSERT_EQ(loaded.status, 0) << loaded.err;
    const nlohmann::json state = nlohmann::json::parse(loaded.out);
    EXPECT_EQ(state["params"][5]["value"], 2);
    EXPECT_EQ(state["texts"][1], "Stored");
    EXPECT_EQ(state["params"][3]["stream_name"], "Title: Stored");
}

}  // namespace
}  // namespace fx::test
