// Projects rendered as a user renders them: a session in the effect panel saved with
// `fxhost panel --save-project`, then `fxhost render --project`.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/fxhost/fxhost_pictures.h"
#include "tests/fxhost/fxhost_run.h"

namespace fx::test {
namespace {

// Two points in layer pixels, shown as fractions of the frame: a point saved on the
// panel's 640 x 360 layer and rendered over the built-in pictures' 1280 x 720 one stays at
// its place.
const char* const kValues =
    "[settings]\nname=Values\n"
    "[par1]\nname=Amount\nparam=amount\ntype=float\ndefault=0.25\n"
    "[par2]\nname=Tint\nparam=tint\ntype=color\n"
    "[par3]\nname=Spot\nparam=spot\ntype=point\ndefault=0.1|0.1\n"
    "[par4]\nname=Centre\nparam=centre\ntype=point\ndefault=0.5|0.25\n"
    "[par5]\nname=Level\nparam=level\ntype=text\ndefault=0.5\nflags=0\n"
    "[ps0]\n#version 120\nuniform float amount;\nuniform vec3 tint;\nuniform vec2 spot;\nuniform vec2 centre;\n"
    "uniform vec2 resolution;\n"
    "void main() { gl_FragColor = vec4(amount, tint.g, 0.5 * spot.x / resolution.x + centre.y / resolution.y, "
    "level); }\n";

struct Session {
    TempFolder temp;
    std::string definition = temp.write("values.fxdef", kValues);
    std::string project = temp / "session.json";

    FxhostRun panel(std::vector<std::string> actions) const {
        std::vector<std::string> args{"panel", "--definition", definition};
        args.insert(args.end(), actions.begin(), actions.end());
        args.insert(args.end(), {"--save-project", project});
        return run_fxhost(args);
    }
    FxhostRun render(std::vector<std::string> args, const std::string& output) const {
        args.insert(args.begin(), "render");
        args.insert(args.end(), {"--output", output});
        return run_fxhost(args);
    }
};

TEST(ProjectRenderGl, APanelSessionRendersAsTheSameValuesGivenWithSet) {
    const Session session;
    const FxhostRun panel = session.panel({"--set", "Amount=0.6", "--set", "Tint=10,200,30", "--set", "Spot=320,90"});
    ASSERT_EQ(panel.status, 0) << panel.err;

    const std::string from_project = session.temp / "project.png";
    const FxhostRun project = session.render({"--project", session.project}, from_project);
    ASSERT_EQ(project.status, 0) << project.err;
    EXPECT_EQ(project.err, "");
    const std::string from_sets = session.temp / "sets.png";
    const FxhostRun sets = session.render(
        {"--definition", session.definition, "--set", "amount=0.6", "--set", "tint=#0ac81e", "--set", "spot=640,180"},
        from_sets);
    ASSERT_EQ(sets.status, 0) << sets.err;

    const pictures::Picture picture = pictures::read_picture(from_project);
    EXPECT_EQ(largest_step_difference(picture, pictures::read_picture(from_sets)), 0);
    // 0.6, 200 / 255, half of Spot's 0.5 plus Centre's untouched 0.25.
    EXPECT_EQ(picture.pixel(3, 3)[0] / 257, 153);
    EXPECT_EQ(picture.pixel(3, 3)[1] / 257, 200);
    EXPECT_EQ(picture.pixel(3, 3)[2] / 257, 128);

    // --set applies on top of the project's values.
    const std::string over = session.temp / "over.png";
    ASSERT_EQ(session.render({"--project", session.project, "--set", "amount=0.2"}, over).status, 0);
    EXPECT_EQ(pictures::read_picture(over).pixel(3, 3)[0] / 257, 51);
    EXPECT_EQ(pictures::read_picture(over).pixel(3, 3)[1] / 257, 200);
}

TEST(ProjectRenderGl, ATextEditedInThePanelReachesTheRender) {
    const Session session;
    const std::string answers = session.temp.write("answers.txt", "1 0.8\n");
    ASSERT_EQ(session.panel({"--answers", answers, "--press", "Level"}).status, 0);
    const std::string out = session.temp / "text.png";
    const FxhostRun run = session.render({"--project", session.project}, out);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(pictures::read_picture(out).pixel(3, 3)[3] / 257, 204) << "the text 0.8, not the default 0.5";
}

TEST(ProjectRenderGl, ValuesThatFitNoParameterAreLeftWithAWarning) {
    const Session session;
    ASSERT_EQ(session.panel({"--set", "Amount=0.6"}).status, 0);
    // Another effect: its first parameter is a checkbox where the project holds a slider.
    TempFolder other;
    const std::string definition = other.write(
        "other.fxdef",
        "[settings]\nname=Other\n[par1]\nname=Flag\nparam=flag\ntype=check\n[par2]\nname=Amount\nparam=amount\n"
        "type=float\ndefault=0.25\n[ps0]\n#version 120\nuniform float amount;\n"
        "void main() { gl_FragColor = vec4(amount, 0.0, 0.0, 1.0); }\n");
    const std::string out = other / "other.png";
    const FxhostRun run = session.render({"--project", session.project, "--definition", definition}, out);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("fxhost render: warning: "), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("describe no parameter of this effect"), std::string::npos) << run.err;
    EXPECT_EQ(pictures::read_picture(out).pixel(3, 3)[0] / 257, 64) << "Amount keeps its default 0.25";
}

}  // namespace
}  // namespace fx::test
