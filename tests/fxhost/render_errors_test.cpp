// fxhost render and sequence refuse bad command lines and inputs with one line and a
// failing status before anything renders.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/fxhost/fxhost_pictures.h"
#include "tests/fxhost/fxhost_run.h"

namespace fx::test {
namespace {

struct ErrorCase {
    const char* name;
    std::vector<std::string> args;
    int status;
    std::string message_part;
};

TEST(FxhostRenderErrors, EachIsOneLineWithAFailingStatus) {
    TempFolder temp;
    const std::string good = temp / "good.png";
    pictures::write_png(stepped_picture(4, 4, 0), 8, good);
    const std::string text = temp.write("text.png", "not a picture at all");
    const std::string cut = temp.write("cut.png", read_file(good).substr(0, 40));
    const std::string out = temp / "o.png";
    const std::vector<ErrorCase> cases = {
        {"missing input", {"render", "--input", temp / "none.png", "--output", out}, 1, "none.png: no such file"},
        {"undecodable input", {"render", "--input", text, "--output", out}, 1, "text.png: not a PNG or JPEG file"},
        {"broken input", {"render", "--input", cut, "--output", out}, 1, "cut.png: broken PNG file"},
        {"unknown parameter",
         {"render", "--set", "Nonsense=1", "--output", out},
         1,
         "--set Nonsense: unknown parameter, expected one of: Transition"},
        {"bad value",
         {"render", "--set", "Transition=lots", "--output", out},
         1,
         "--set Transition=lots: expected a number from 0 to 100"},
        {"no output", {"render"}, 2, "--output is required"},
        {"bad depth", {"render", "--depth", "10", "--output", out}, 2, "--depth"},
        {"missing definition",
         {"render", "--definition", temp / "none.fxdef", "--output", out},
         1,
         "none.fxdef: no such file, expected a definition file"},
        {"missing plug-in", {"render", "--plugin", temp / "none.so", "--output", out}, 1, "none.so: no such file"},
        {"sequence without a number field",
         {"sequence", "--from", good, "--to", good, "--frames", "2", "--output", out},
         2,
         "expected a numbered pattern"},
        {"sequence range outside",
         {"sequence", "--from", good, "--to", good, "--frames", "2", "--range", "1-2", "--output", temp / "o%d.png"},
         2,
         "--range 1-2: expected FIRST-LAST"},
        {"sequence missing clip",
         {"sequence", "--from", temp / "c_%03d.png", "--to", good, "--frames", "2", "--output", temp / "o%d.png"},
         1,
         "c_000.png nor "},
        // Frames are written while the next one renders: a failed write still ends the run.
        {"sequence into a missing folder",
         {"sequence", "--from", good, "--to", good, "--frames", "3", "--output", temp / "none/o%d.png"},
         1,
         "output " + temp / "none/o0.png" + ": "},
    };
    for (const ErrorCase& c : cases) {
        const FxhostRun run = run_fxhost(c.args);
        EXPECT_EQ(run.status, c.status) << c.name << ": " << run.err;
        EXPECT_NE(run.err.find(c.message_part), std::string::npos) << c.name << ": " << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << c.name << ": " << run.err;
        EXPECT_EQ(run.err.rfind("fxhost " + c.args[0] + ": ", 0), 0u) << c.name << ": " << run.err;
    }
}

}  // namespace
}  // namespace fx::test
