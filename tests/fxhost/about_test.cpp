#include <gtest/gtest.h>

#include "tests/fxhost/fxhost_run.h"

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
