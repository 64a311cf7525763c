// fxhost panel: a scripted session in the effect panel, printed as the panel's state.
#include <gtest/gtest.h>

#include <cairo.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <utility>
#include <vector>

#include "host/banner_image.h"

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
        {{"--click", "Shape", "3"}, "--click Shape 3: expected 2 numbers separated by commas"},
        {{"--click", "Shape", "1.5,2"}, "--click Shape 1.5,2: X,Y are whole pixels"},
        {{"--click", "Nope", "1,2"}, "--click Nope 1,2: the panel has no parameter \"Nope\""},
    };
    for (const auto& row : rows) {
        const FxhostRun run = panel(row.args);
        EXPECT_EQ(run.status, 1) << row.message;
        EXPECT_NE(run.err.find(row.message), std::string::npos) << run.err;
        EXPECT_TRUE(run.out.empty()) << run.out;
    }
}

TEST_F(FxhostPanel, ClickOnTheImageControlsFileButtonAsksForAFile) {
    const std::string pictures = folder_.write(
        "pictures.fxdef",
        "[settings]\nusegpu=-1\nname=Pictures\n[par1]\nname=Picture\ntype=image\n[par2]\nname=Other\ntype=float\n"
        "[ps0]\nvoid main() { gl_FragColor = vec4(1.0); }\n");
    const std::string answers = folder_.write("answers.txt", "/chosen/picture.png\n");
    // The file button (below the arrows), then a click on a control that is no image.
    const FxhostRun run = run_fxhost({"panel", "--definition", pictures, "--answers", answers, "--click", "Picture",
                                      "60,40", "--click", "Other", "1,1"});
    ASSERT_EQ(run.status, 0) << run.err;
    const nlohmann::json state = nlohmann::json::parse(run.out);
    EXPECT_EQ(state["images"][0], "/chosen/picture.png");
    EXPECT_EQ(state["params"].size(), 2u);
}

// Where the 128 x 128 logo lies in the picture, found by its content; {-1, -1} when nowhere.
std::pair<int, int> find_logo(cairo_surface_t* picture) {
    const std::vector<std::uint8_t> rgb = unpack_banner();
    const int width = cairo_image_surface_get_width(picture);
    const int height = cairo_image_surface_get_height(picture);
    const int stride = cairo_image_surface_get_stride(picture);
    const unsigned char* data = cairo_image_surface_get_data(picture);
    const auto matches = [&](int left, int top, int x, int y) {
        const unsigned char* p = data + static_cast<std::ptrdiff_t>(top + y) * stride + (left + x) * 4;
        const std::uint8_t* want = &rgb[(static_cast<std::size_t>(y) * 128 + x) * 3];
        return p[0] == want[2] && p[1] == want[1] && p[2] == want[0] && p[3] == 255;
    };
    for (int top = 0; top + 128 <= height; ++top)
        for (int left = 0; left + 128 <= width; ++left) {
            bool all = true;
            for (int y = 0; y < 128 && all; ++y)
                for (int x = 0; x < 128 && all; ++x) all = matches(left, top, x, y);
            if (all) return {left, top};
        }
    return {-1, -1};
}

TEST_F(FxhostPanel, PngShowsThePanelWithTheControlsThePluginDraws) {
    const std::string logo = folder_.write(
        "logo.fxdef",
        "[settings]\nusegpu=-1\nname=Logo\n[par1]\nname=Banner\ntype=custom\n[par2]\nname=Amount\ntype=float\n"
        "[ps0]\nvoid main() { gl_FragColor = vec4(1.0); }\n");
    const std::string png = folder_.path() + "/panel.png";
    const FxhostRun run = run_fxhost({"panel", "--definition", logo, "--png", png});
    ASSERT_EQ(run.status, 0) << run.err;
    cairo_surface_t* picture = cairo_image_surface_create_from_png(png.c_str());
    ASSERT_EQ(cairo_surface_status(picture), CAIRO_STATUS_SUCCESS) << "no readable PNG at " << png;
    const auto [left, top] = find_logo(picture);
    EXPECT_GE(left, 0) << "the banner's logo is not in the picture";
    EXPECT_GT(top, 0) << "the control lies below its name";
    EXPECT_GT(cairo_image_surface_get_height(picture), top + 128) << "the next parameter follows the control";
    cairo_surface_destroy(picture);
}

// The red channel of (x, y) in a PNG of the panel, and the picture's height.
struct PanelPng {
    explicit PanelPng(const std::string& path) : surface(cairo_image_surface_create_from_png(path.c_str())) {}
    ~PanelPng() { cairo_surface_destroy(surface); }
    PanelPng(const PanelPng&) = delete;
    PanelPng& operator=(const PanelPng&) = delete;
    bool ok() const { return cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS; }
    int height() const { return cairo_image_surface_get_height(surface); }
    int red(int x, int y) const {
        return cairo_image_surface_get_data(surface)[y * cairo_image_surface_get_stride(surface) + x * 4 + 2];
    }
    cairo_surface_t* surface;
};

TEST_F(FxhostPanel, PngTwirlsGroupsAndShowsPopupsAsMenus) {
    // A group registered closed (flags 0), its member, and a popup after it.
    const std::string groups = folder_.write(
        "groups.fxdef",
        "[settings]\nusegpu=-1\nname=Groups\n[par1]\nname=Look\ntype=topic_start\n[par2]\nname=Inside\ntype=float\n"
        "[par3]\nname=Look end\ntype=topic_end\n[par4]\nname=Shape\ntype=popup\ntext=Round|Square\n"
        "[ps0]\nvoid main() { gl_FragColor = vec4(1.0); }\n");
    // The layout: the effect's heading (rows from y 8, 20 high, 4 apart), then a row per
    // shown parameter; a group's twirl starts at the left margin, x 8.
    constexpr int kFirstRow = 32;
    constexpr int kRow = 20;
    const std::string closed_png = folder_ / "closed.png";
    ASSERT_EQ(run_fxhost({"panel", "--definition", groups, "--png", closed_png}).status, 0);
    const std::string open_png = folder_ / "open.png";
    const FxhostRun twirled = run_fxhost({"panel", "--definition", groups, "--twirl", "Look", "--png", open_png});
    ASSERT_EQ(twirled.status, 0) << twirled.err;
    const PanelPng closed(closed_png);
    const PanelPng open(open_png);
    ASSERT_TRUE(closed.ok() && open.ok());
    EXPECT_EQ(open.height(), closed.height() + kRow) << "the open group shows its member";
    // Just above the twirl's middle, 7 pixels in: inside the down-pointing triangle, outside
    // the right-pointing one.
    const int twirl_middle = kFirstRow + kRow / 2;
    EXPECT_GT(open.red(8 + 7, twirl_middle - 2), 150);
    EXPECT_LT(closed.red(8 + 7, twirl_middle - 2), 80);
    EXPECT_GT(closed.red(8 + 3, twirl_middle + 1), 150) << "inside the right-pointing triangle";

    // The popup's row follows the group: its box has an edge at x 226 and a light down
    // arrow near its right end (x 370-378), on the box's darker face.
    const int popup_middle = kFirstRow + kRow + kRow / 2;
    EXPECT_NEAR(closed.red(226, popup_middle), 120, 20) << "the menu box's edge";
    EXPECT_GT(closed.red(374, popup_middle - 1), 150) << "the down arrow";
    EXPECT_LT(closed.red(374, popup_middle + 5), 45) << "the box's face below the arrow";

    const FxhostRun not_a_group = run_fxhost({"panel", "--definition", groups, "--twirl", "Shape", "--png", open_png});
    EXPECT_EQ(not_a_group.status, 1);
    EXPECT_NE(not_a_group.err.find("--twirl Shape: not a group"), std::string::npos) << not_a_group.err;
}

TEST_F(FxhostPanel, PngIntoAMissingFolderIsAnError) {
    const FxhostRun run = panel({"--png", folder_.path() + "/no/such/folder/panel.png"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("cannot write the file"), std::string::npos) << run.err;
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
