#include <gtest/gtest.h>

#include "tests/fxhost/fxhost_run.h"
#include "tests/platform/temp_folder.h"

namespace fx::test {
namespace {

// `fxhost about` is the README's main job for now: it must load the real plug-in, show
// both registration paths agreeing, and come back clean.
TEST(About, LoadsThePluginAndShowsRegistrationAndAboutText) {
    const FxhostRun run = run_fxhost({"about"});
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    for (const char* expected :
         {"name         Morvelline 2 Pro", "match name   zqx_morvfact", "category     Quenly",
          "kind         0x65464B54", "API version  13.27", "registration record (12 properties)", "eVER  0x00100002",
          "eGLO  0x06008064", "eGL2  0x08E21488", "about: result 0", "core: 23.7.8", "0 handles never disposed"})
        EXPECT_NE(run.out.find(expected), std::string::npos) << "missing \"" << expected << "\" in\n" << run.out;
}

TEST(About, ShowsTheLoadedDefinitionsNameAndVersion) {
    TempFolder temp;
    const std::string file = temp.write("other.fxdef", "[settings]\nname=Other Effect\nversion=4.5.6\nusegpu=-1\n");
    const FxhostRun run = run_fxhost({"about"}, "FX_DEFINITION_FILE=" + shell_quoted(file));
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_NE(run.out.find("definition: Other Effect v4.5.6 (" + file + ")"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\nv4.5.6, core: 23.7.8\n"), std::string::npos) << run.out;
    const FxhostRun builtin = run_fxhost({"about"}, "env -u FX_DEFINITION_FILE");
    EXPECT_NE(builtin.out.find("definition: Morvelline 2 Pro v2.0.2 (built-in)"), std::string::npos) << builtin.out;
}

TEST(About, ALibraryThatCannotBeLoadedIsReportedWithItsPath) {
    const FxhostRun run = run_fxhost({"about", "--plugin", "/nonexistent/plugin.so"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("/nonexistent/plugin.so"), std::string::npos) << run.err;
}

TEST(About, UnknownArgumentsAreRefused) {
    const FxhostRun run = run_fxhost({"about", "--frobnicate"});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("--plugin FILE"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace fx::test
