// A pipe given where fxhost expects a file must be refused at once: nobody will ever
// write to it, so a reader that opens or reads it waits forever. Every run goes through
// `timeout`, so a regression fails the test (status 124) instead of hanging it.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/fxhost/fxhost_run.h"
#include "tests/fxhost/report_json.h"
#include "tests/platform/temp_folder.h"

namespace fx::test {
namespace {

constexpr const char* kGuard = "timeout 20";

std::string make_fifo(const TempFolder& temp, const std::string& name) {
    const std::string path = temp / name;
    EXPECT_EQ(mkfifo(path.c_str(), 0600), 0) << path;
    return path;
}

TEST(Fifo, DefinitionArgumentIsRefusedWithAClearMessage) {
    TempFolder temp;
    const std::string fifo = make_fifo(temp, "def.fifo");
    const FxhostRun run = run_fxhost({"describe", "--definition", fifo}, kGuard);
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_NE(run.err.find(fifo + ": not a regular file"), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.empty()) << run.out;
}

TEST(Fifo, DefinitionVariableGivesTheEmptyDefinitionWithAWarning) {
    TempFolder temp;
    const std::string fifo = make_fifo(temp, "def.fifo");
    const FxhostRun run = run_fxhost({"describe"}, "FX_DEFINITION_FILE=" + shell_quoted(fifo) + " " + kGuard);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find(fifo + ": not a regular file"), std::string::npos) << run.err;
    const Json model = parse_json(run.out);
    EXPECT_EQ(model.at("settings").at("param_count").get<int64_t>(), 1);
    EXPECT_NE(model.at("parser_output").get<std::string>().find("definition file \"" + fifo + "\": not a regular file"),
              std::string::npos)
        << model.at("parser_output").get<std::string>();
}

TEST(Fifo, IncludeContributesNothingAndIsReported) {
    TempFolder temp;
    const std::string fifo = make_fifo(temp, "common.fifo");
    const std::string def = temp.write("def.txt", "#include " + fifo + "\n[par1]\nname=after\n");
    const FxhostRun run = run_fxhost({"describe", "--definition", def}, kGuard);
    ASSERT_EQ(run.status, 0) << run.err;
    const Json model = parse_json(run.out);
    EXPECT_EQ(model.at("settings").at("param_count").get<int64_t>(), 2) << "the lines after the include are read";
    EXPECT_NE(run.err.find("definition include \"" + fifo + "\": not a regular file"), std::string::npos) << run.err;
}

TEST(Fifo, PluginArgumentIsRefusedWithAClearMessage) {
    TempFolder temp;
    const std::string fifo = make_fifo(temp, "plugin.so");
    const FxhostRun run = run_fxhost({"about", "--plugin", fifo}, kGuard);
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_NE(run.err.find(fifo + ": not a regular file"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace fx::test
