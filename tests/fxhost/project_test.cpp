// `fxhost project save` and `fxhost project load`: the effect applied, the project saved
// with the flat sequence data, and reopened from the file as the host reopens it.
#include <gtest/gtest.h>
#include <nettle/base64.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "definition/loader/read_file.h"
#include "tests/fxhost/fxhost_run.h"
#include "tests/fxhost/report_json.h"
#include "tests/platform/temp_folder.h"

namespace fx::test {
namespace {

const char* const kTextsAndImages =
    "[settings]\nusegpu=-1\nimgwidth=40\nimgheight=30\n"
    "[ps0]\nvoid main() { gl_FragColor = vec4(1.0); }\n"
    "[par1]\nname=Amount\ntype=float\ndefault=0.25\nid=1\n"
    "[par2]\nname=Caption\ntype=text\ndefault=Hello\nflags=2\nvisibility=2\nid=2\n"
    "[par3]\nname=Picture\ntype=image\nid=3\n"
    "[par4]\nname=Second picture\ntype=image\nid=4\n";

std::vector<std::uint8_t> decoded(const std::string& text) {
    std::vector<std::uint8_t> bytes(BASE64_DECODE_LENGTH(text.size()));
    base64_decode_ctx context;
    base64_decode_init(&context);
    std::size_t length = bytes.size();
    EXPECT_TRUE(base64_decode_update(&context, &length, bytes.data(), text.size(), text.data()));
    EXPECT_TRUE(base64_decode_final(&context));
    bytes.resize(length);
    return bytes;
}

std::string encoded(const std::vector<std::uint8_t>& bytes) {
    std::string text(BASE64_ENCODE_RAW_LENGTH(bytes.size()), '\0');
    base64_encode_raw(text.data(), bytes.size(), bytes.data());
    return text;
}

void append_record(std::vector<std::uint8_t>& flat, const std::string& text) {
    const auto length = static_cast<std::int32_t>(text.size());
    const auto* p = reinterpret_cast<const std::uint8_t*>(&length);
    flat.insert(flat.end(), p, p + 4);
    flat.insert(flat.end(), text.begin(), text.end());
}

class Project : public ::testing::Test {
protected:
    void SetUp() override { definition_ = temp_.write("effect.fxdef", kTextsAndImages); }

    FxhostRun save(std::vector<std::string> extra = {}) {
        std::vector<std::string> args{"project", "save", "--definition", definition_, "--output", project_};
        args.insert(args.end(), extra.begin(), extra.end());
        return run_fxhost(args);
    }
    Json saved() { return parse_json(read_file(project_)); }
    void write_project(const Json& project) { temp_.write("project.json", project.dump(2)); }

    // A load that must succeed with a JSON report.
    Json load(std::vector<std::string> extra = {}) {
        std::vector<std::string> args{"project", "load", project_};
        args.insert(args.end(), extra.begin(), extra.end());
        const FxhostRun run = run_fxhost(args);
        EXPECT_EQ(run.status, 0) << run.err;
        try {
            return parse_json(run.out);
        } catch (const Json::parse_error& error) {
            ADD_FAILURE() << error.what() << "\n" << run.out << run.err;
            return Json();
        }
    }

    TempFolder temp_;
    std::string definition_;
    std::string project_ = temp_ / "project.json";
};

TEST_F(Project, SaveWritesTheDefinitionHostValuesAndTheFlatRecord) {
    const FxhostRun run = save();
    ASSERT_EQ(run.status, 0) << run.err;
    const Json project = saved();
    EXPECT_EQ(project.at("definition"), definition_);
    EXPECT_EQ(project.at("host"), "after_effects");
    ASSERT_EQ(project.at("params").size(), 4u);
    EXPECT_EQ(project.at("params").at(0).at("fs_d").at("value"), 0.25);
    EXPECT_EQ(project.at("params").at(0).at("id"), 1);
    const std::vector<std::uint8_t> flat = decoded(project.at("sequence_data").get<std::string>());
    // The head, 32 text records (one of them "Hello"), two empty image paths.
    ASSERT_EQ(flat.size(), 1672u + 32u * 4u + 5u + 2u * 4u);
    EXPECT_EQ(flat[1024], 1);
    std::int32_t hidden = 0;
    std::memcpy(&hidden, flat.data() + 2 * 4, 4);
    EXPECT_EQ(hidden, 2);
    EXPECT_EQ(std::string(flat.begin() + 1672 + 12, flat.begin() + 1672 + 17), "Hello");
}

TEST_F(Project, PremiereProIsKeptInTheProject) {
    ASSERT_EQ(save({"--premiere"}).status, 0);
    EXPECT_EQ(saved().at("host"), "premiere_pro");
    EXPECT_EQ(load().at("host"), "premiere_pro");
}

TEST_F(Project, LoadRestoresStatesTextsPathsAndValuesExactly) {
    ASSERT_EQ(save().status, 0);
    Json project = saved();
    // The project as a user left it: a parameter shown again, texts and images changed,
    // a value moved.
    std::vector<std::uint8_t> flat(1672, 0);
    const std::int32_t states[5] = {0, 1, 0, 2, 1};
    std::memcpy(flat.data(), states, sizeof states);
    flat[1024] = 1;
    for (int i = 0; i < 32; ++i) append_record(flat, i == 2 ? "Edited \"caption\"" : i == 31 ? "last" : "");
    append_record(flat, "/pictures/a b.png");
    append_record(flat, "");
    project["sequence_data"] = encoded(flat);
    project["params"][0]["fs_d"]["value"] = 0.75;
    write_project(project);

    const Json report = load();
    EXPECT_EQ(report.at("resetup").at("result"), 0);
    const Json& instance = report.at("instance");
    ASSERT_TRUE(instance.at("live").get<bool>());
    EXPECT_EQ(instance.at("param_state"), Json::parse("[0, 1, 0, 2, 1]"));
    ASSERT_EQ(instance.at("texts").size(), 32u);
    EXPECT_EQ(instance.at("texts").at(2), "Edited \"caption\"");
    EXPECT_EQ(instance.at("texts").at(31), "last");
    EXPECT_EQ(instance.at("texts").at(0), "");
    EXPECT_EQ(instance.at("image_paths"), Json::parse(R"(["/pictures/a b.png", ""])"));
    EXPECT_EQ(report.at("params").at(0).at("fs_d").at("value"), 0.75);
    EXPECT_EQ(report.at("params_not_restored"), 0);
    EXPECT_EQ(report.at("host_account").at("handles_never_disposed"), 0);
}

TEST_F(Project, LoadUnderAnotherDefinitionReadsWhatItAsksFor) {
    ASSERT_EQ(save().status, 0);
    // One image parameter more and no texts: the reader takes its counts from the
    // definition it runs under.
    const std::string other =
        temp_.write("other.fxdef",
                    "[settings]\nusegpu=-1\n[par1]\nname=A\ntype=image\nid=1\n[par2]\nname=B\ntype=image\nid=2\n"
                    "[par3]\nname=C\ntype=image\nid=3\n[ps0]\nvoid main() { gl_FragColor = vec4(1.0); }\n");
    const Json report = load({"--definition", other});
    EXPECT_EQ(report.at("definition"), other);
    const Json& instance = report.at("instance");
    EXPECT_TRUE(instance.at("texts").empty());
    EXPECT_EQ(instance.at("image_paths"), Json::parse(R"(["", "", "Hello"])")) << "the first three text records";
    // Only the third saved parameter still has its type and id at its place.
    EXPECT_EQ(report.at("params_not_restored"), 3);
}

TEST_F(Project, ACutRecordLoadsWhatIsThere) {
    ASSERT_EQ(save().status, 0);
    Json project = saved();
    std::vector<std::uint8_t> flat = decoded(project.at("sequence_data").get<std::string>());
    flat.resize(1672 + 4 + 4 + 4 + 2);  // two empty texts, then the "Hello" record cut
    project["sequence_data"] = encoded(flat);
    write_project(project);
    const Json report = load();
    const Json& instance = report.at("instance");
    ASSERT_TRUE(instance.at("live").get<bool>());
    EXPECT_EQ(instance.at("param_state").at(2), 2);
    EXPECT_EQ(instance.at("texts").at(2), "");
    EXPECT_EQ(instance.at("image_paths"), Json::parse(R"(["", ""])"));
}

struct DamagedProject {
    const char* name;
    std::string text;  // the project file; "{flat}" stands for a valid flat record's base64
    const char* message;
};

class DamagedProjects : public Project, public ::testing::WithParamInterface<DamagedProject> {};

TEST_P(DamagedProjects, GiveOneClearLine) {
    ASSERT_EQ(save().status, 0);
    std::string text = GetParam().text;
    const std::string flat = saved().at("sequence_data").get<std::string>();
    if (const auto at = text.find("{flat}"); at != std::string::npos) text.replace(at, 6, flat);
    if (const auto at = text.find("{definition}"); at != std::string::npos) text.replace(at, 12, definition_);
    temp_.write("project.json", text);
    const FxhostRun run = run_fxhost({"project", "load", project_});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find(GetParam().message), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "one line: " << run.err;
}

const std::string kHead = R"({"format": "fxhost project", "format_version": 1, "definition": "{definition}", )";

INSTANTIATE_TEST_SUITE_P(
    Rows, DamagedProjects,
    ::testing::Values(
        DamagedProject{"not_json", "{\"format\": ", "not JSON"},
        DamagedProject{"not_an_object", "[1, 2]", "not a JSON object"},
        DamagedProject{"other_format", R"({"format": "x"})", "\"format\" is not \"fxhost project\""},
        DamagedProject{"later_version", R"({"format": "fxhost project", "format_version": 9})",
                       "\"format_version\" 9 is not 1"},
        DamagedProject{"no_sequence_data", kHead + R"("host": "after_effects"})", "no \"sequence_data\" member"},
        DamagedProject{"unknown_host", kHead + R"("host": "x", "sequence_data": "{flat}"})", "\"host\" is neither"},
        DamagedProject{"not_base64", kHead + R"("host": "after_effects", "sequence_data": "@@"})", "not valid base64"},
        DamagedProject{"sequence_data_a_number", kHead + R"("host": "after_effects", "sequence_data": 5})",
                       "not a base64 text"},
        // 1100 zero bytes: byte 1024 says "live", which no saved record is.
        DamagedProject{"live_record",
                       kHead + R"("host": "after_effects", "sequence_data": ")" + std::string(1468, 'A') + "\"}",
                       "not a flat record (byte 1024 is 0, expected 1)"},
        DamagedProject{"definition_gone",
                       R"({"format": "fxhost project", "format_version": 1, "definition": "/nonexistent/x.fxdef",)"
                       R"( "host": "after_effects", "sequence_data": "{flat}"})",
                       "give --definition FILE"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Project, MissingFilesAndArgumentsAreRefused) {
    const FxhostRun missing = run_fxhost({"project", "load", temp_ / "none.json"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("none.json: cannot be read"), std::string::npos) << missing.err;
    const FxhostRun folder = run_fxhost({"project", "load", temp_.path()});
    EXPECT_EQ(folder.status, 1);
    EXPECT_NE(folder.err.find("not a regular file"), std::string::npos) << folder.err;
    const FxhostRun no_output = run_fxhost({"project", "save", "--definition", definition_});
    EXPECT_EQ(no_output.status, 2);
    EXPECT_NE(no_output.err.find("--output"), std::string::npos) << no_output.err;
    const FxhostRun no_action = run_fxhost({"project"});
    EXPECT_EQ(no_action.status, 2);
    const FxhostRun unwritable = run_fxhost({"project", "save", "--definition", definition_, "--output", "/"});
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_NE(unwritable.err.find("cannot be written"), std::string::npos) << unwritable.err;
}

TEST_F(Project, APanelSessionSavedReopensAsTheUserLeftIt) {
    const std::string answers = temp_.write("answers.txt", "1 Edited in the panel\n");
    const std::string session = temp_ / "session.json";
    const FxhostRun panel = run_fxhost({"panel", "--definition", definition_, "--answers", answers, "--set",
                                        "Amount=0.75", "--press", "Caption", "--save-project", session});
    ASSERT_EQ(panel.status, 0) << panel.err;
    const Json left = parse_json(panel.out);

    // Reopened in the panel: the same values and texts, without naming the definition.
    const FxhostRun reopened = run_fxhost({"panel", "--project", session});
    ASSERT_EQ(reopened.status, 0) << reopened.err;
    const Json state = parse_json(reopened.out);
    EXPECT_EQ(state.at("params").at(0).at("value"), 0.75);
    EXPECT_EQ(state.at("params"), left.at("params"));
    EXPECT_EQ(state.at("texts"), left.at("texts"));
    EXPECT_EQ(state.at("texts").at(2), "Edited in the panel");

    // And by project load, with every value restored.
    temp_.write("project.json", read_file(session));
    const Json report = load();
    EXPECT_EQ(report.at("params_not_restored"), 0);
    EXPECT_EQ(report.at("params").at(0).at("fs_d").at("value"), 0.75);
    EXPECT_EQ(report.at("instance").at("texts").at(2), "Edited in the panel");

    // A session started from the project and saved again keeps what it did not change.
    const std::string again = temp_ / "again.json";
    ASSERT_EQ(run_fxhost({"panel", "--project", session, "--set", "Amount=0.5", "--save-project", again}).status, 0);
    const Json second = parse_json(run_fxhost({"panel", "--project", again}).out);
    EXPECT_EQ(second.at("params").at(0).at("value"), 0.5);
    EXPECT_EQ(second.at("texts").at(2), "Edited in the panel");
}

TEST_F(Project, AMissingOrDamagedProjectIsOneLineForPanelAndRender) {
    const std::string damaged = temp_.write("damaged.json", "{\"format\": \"fxhost project\", ");
    const struct {
        std::vector<std::string> args;
        std::string message;
    } rows[] = {
        {{"panel", "--project", temp_ / "none.json"}, "fxhost panel: " + (temp_ / "none.json") + ": cannot be read"},
        {{"panel", "--project", damaged}, "fxhost panel: " + damaged + ": not JSON"},
        {{"panel", "--project", temp_.path()}, "fxhost panel: " + temp_.path() + ": not a regular file"},
        {{"render", "--project", temp_ / "none.json", "--output", temp_ / "o.png"},
         "fxhost render: --project " + (temp_ / "none.json") + ": cannot be read"},
        {{"render", "--project", damaged, "--output", temp_ / "o.png"}, "fxhost render: --project " + damaged},
    };
    for (const auto& row : rows) {
        const FxhostRun run = run_fxhost(row.args);
        EXPECT_EQ(run.status, 1) << row.message;
        EXPECT_EQ(run.out, "") << row.message;
        EXPECT_EQ(run.err.rfind(row.message, 0), 0u) << run.err;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "one line: " << run.err;
    }
}

TEST_F(Project, ASavedPointIsAPlaceOnTheLayerInLayerPixels) {
    const std::string points = temp_.write("points.fxdef",
                                           "[settings]\nusegpu=-1\n[ps0]\nvoid main() { gl_FragColor = vec4(1.0); }\n"
                                           "[par1]\nname=Spot\ntype=point\ndefault=0.5|0.25\nid=1\n");
    ASSERT_EQ(run_fxhost({"project", "save", "--definition", points, "--output", project_}).status, 0);
    const Json project = saved();
    EXPECT_EQ(project.at("layer_size"), Json::parse(R"({"width": 640, "height": 360})"));
    EXPECT_EQ(project.at("params").at(0).at("td").at("x_value"), 320 << 16);
    EXPECT_EQ(project.at("params").at(0).at("td").at("y_value"), 90 << 16);
}

}  // namespace
}  // namespace fx::test
