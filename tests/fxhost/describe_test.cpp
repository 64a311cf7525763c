#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <random>

#include "tests/fxhost/fxhost_run.h"
#include "tests/fxhost/report_json.h"
#include "tests/platform/temp_folder.h"

namespace fx::test {
namespace {

// Whether `bytes` is well-formed UTF-8 (lead and continuation bytes); JSON text must be.
bool valid_utf8(const std::string& bytes) {
    for (size_t i = 0; i < bytes.size();) {
        unsigned char c = static_cast<unsigned char>(bytes[i]);
        size_t extra;
        if (c < 0x80)
            extra = 0;
        else if (c >= 0xC2 && c <= 0xDF)
            extra = 1;
        else if (c >= 0xE0 && c <= 0xEF)
            extra = 2;
        else if (c >= 0xF0 && c <= 0xF4)
            extra = 3;
        else
            return false;
        if (bytes.size() - i <= extra) return false;
        for (size_t k = 1; k <= extra; ++k)
            if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80) return false;
        i += extra + 1;
    }
    return true;
}

// A describe run that must succeed with valid JSON.
Json describe(const std::vector<std::string>& args, const std::string& env_prefix = "") {
    FxhostRun run = run_fxhost(args, env_prefix);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(valid_utf8(run.out));
    try {
        return parse_json(run.out);
    } catch (const Json::parse_error& error) {
        ADD_FAILURE() << error.what() << "\noutput:\n" << run.out.substr(0, 2000);
        return {};
    }
}

Json describe_text(const std::string& definition) {
    TempFolder temp;
    return describe({"describe", "--definition", temp.write("def.txt", definition)},
                    "XDG_DATA_HOME=" + shell_quoted(temp / "user") + " XDG_DATA_DIRS=" + shell_quoted(temp / "common"));
}

TEST(Describe, BuiltinDefinitionIsDescribedCompletely) {
    Json model = describe({"describe"}, "env -u FX_DEFINITION_FILE");
    ASSERT_TRUE(model.is_object());
    EXPECT_EQ(model.at("origin").get<std::string>(), "built-in");
    EXPECT_EQ(model.at("parser_output").get<std::string>(), "");
    const Json& settings = model.at("settings");
    EXPECT_EQ(settings.at("name").get<std::string>(), "Morvelline 2 Pro");
    ASSERT_EQ(settings.at("version").size(), 3u);
    EXPECT_EQ(settings.at("version").at(0).get<int64_t>(), 2);
    EXPECT_EQ(settings.at("version").at(2).get<int64_t>(), 2);
    EXPECT_TRUE(settings.at("transition").get<bool>());
    EXPECT_FALSE(settings.contains("preset_records"));

    int64_t params = settings.at("param_count").get<int64_t>();
    ASSERT_EQ(model.at("params").size(), static_cast<size_t>(params));
    for (int64_t slot = 0; slot < params; ++slot) {
        const Json& p = model.at("params").at(slot);
        EXPECT_EQ(p.at("slot").get<int64_t>(), slot);
        EXPECT_EQ(p.at("names").size(), 10u);
        EXPECT_EQ(p.at("default").size(), 4u);
        EXPECT_EQ(p.at("group").size(), 16u);
    }
    EXPECT_EQ(model.at("params").at(0).at("param").get<std::string>(), "in0");
    EXPECT_EQ(model.at("params").at(0).at("names").at(0).get<std::string>(), "Source");

    int64_t passes = settings.at("pass_count").get<int64_t>();
    ASSERT_EQ(model.at("routing").size(), static_cast<size_t>(passes));
    ASSERT_EQ(model.at("pass_source").size(), static_cast<size_t>(passes));
    for (int64_t pass = 0; pass < passes; ++pass)
        EXPECT_EQ(model.at("routing").at(pass).at("pass_input").size(),
                  static_cast<size_t>(settings.at("layer_count").get<int64_t>()));
    EXPECT_EQ(model.at("script_source").size(), static_cast<size_t>(settings.at("script_count").get<int64_t>()));
    EXPECT_GT(model.at("preset_records").size(), 0u);
    EXPECT_EQ(model.at("preset_entries").at(0).at("label").get<std::string>(), "---");
    EXPECT_NE(model.at("vertex_source").get<std::string>().find("#version 120"), std::string::npos);
}

TEST(Describe, SlotFieldsAndRoutingComeOutUnderTheirModelNames) {
    Json model = describe_text(
        "[settings]\nname=Two Pass\nversion=3.4\n"
        "[par1]\nname=Amount\nname2=Alt\nparam=amount\ntype=popup\ntext=A|B|C\ndefault=2\nflags=2\ngroup1=7\nid=40\n"
        "[routing]\nps1_in0=0\nps1_dow=0.5\nps1_smo=0\nps1_loo=1\n"
        "[ps0]\nvoid main() { gl_FragColor = vec4(1.0); }\n[ps1]\nps0\n");
    const Json& p = model.at("params").at(1);
    EXPECT_EQ(p.at("param").get<std::string>(), "amount");
    EXPECT_EQ(p.at("names").at(0).get<std::string>(), "Amount");
    EXPECT_EQ(p.at("names").at(2).get<std::string>(), "Alt");
    ASSERT_EQ(p.at("items").size(), 3u);
    EXPECT_EQ(p.at("items").at(2).get<std::string>(), "C");
    EXPECT_EQ(p.at("type").get<int64_t>(), 2);
    EXPECT_EQ(p.at("components").get<int64_t>(), 0);
    EXPECT_EQ(p.at("group").at(1).get<int64_t>(), 7);
    EXPECT_EQ(p.at("id").get<int64_t>(), 40);
    EXPECT_EQ(json_as_float(p.at("default").at(0)), 2.0f);
    EXPECT_EQ(json_as_float(p.at("default").at(3)), 0.0f);
    EXPECT_EQ(model.at("settings").at("version").at(1).get<int64_t>(), 4);

    const Json& second = model.at("routing").at(1);
    EXPECT_EQ(second.at("pass").get<int64_t>(), 1);
    EXPECT_EQ(second.at("pass_input").at(0).get<int64_t>(), 0);
    EXPECT_EQ(json_as_float(second.at("pass_downsample")), 0.5f);
    EXPECT_EQ(second.at("pass_smooth").get<int64_t>(), 0);
    EXPECT_EQ(second.at("pass_loop").get<int64_t>(), 1);
    EXPECT_EQ(model.at("pass_source").at(1).get<std::string>(), model.at("pass_source").at(0).get<std::string>());
}

struct FloatCase {
    const char* name;
    const char* written;
};

class DescribeFloats : public ::testing::TestWithParam<FloatCase> {};

TEST_P(DescribeFloats, ReadBackToTheSameFloat) {
    const char* written = GetParam().written;
    Json model = describe_text(std::string("[par1]\nname=x\nmin=") + written + "\n");
    const Json& min = model.at("params").at(1).at("min");
    ASSERT_TRUE(min.is_number()) << min.dump();
    float expected = static_cast<float>(std::atof(written));
    EXPECT_EQ(json_as_float(min), expected) << "written " << written << ", described " << min.get<std::string>();
    EXPECT_EQ(std::signbit(json_as_float(min)), std::signbit(expected));
}

INSTANTIATE_TEST_SUITE_P(Rows, DescribeFloats,
                         ::testing::Values(FloatCase{"tenth", "0.1"}, FloatCase{"third", "0.333333343"},
                                           FloatCase{"tiny", "1e-7"}, FloatCase{"denormal", "1.4e-45"},
                                           FloatCase{"largest", "3.40282346e38"}, FloatCase{"negative_zero", "-0"},
                                           FloatCase{"many_digits", "16777217"}, FloatCase{"not_a_number_text", "abc"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Describe, NonFiniteNumbersStayValidJson) {
    Json model = describe_text("[par1]\nname=x\ndefault=nan|inf|-inf\nmax=1e999\n");
    const Json& d = model.at("params").at(1).at("default");
    EXPECT_TRUE(d.at(0).is_string());
    EXPECT_EQ(d.at(0).get<std::string>(), "NaN");
    EXPECT_EQ(d.at(1).get<std::string>(), "Infinity");
    EXPECT_EQ(d.at(2).get<std::string>(), "-Infinity");
    EXPECT_EQ(model.at("params").at(1).at("max").get<std::string>(), "Infinity");
}

TEST(Describe, TextsAreEscapedByteSafely) {
    TempFolder temp;
    std::string name = std::string("Tab\there \"q\" back\\slash \x01 bell\x7f caf\xc3\xa9 lone\xe9 cut\xe2\x82");
    FxhostRun run =
        run_fxhost({"describe", "--definition", temp.write("def.txt", "[settings]\ndescription=" + name + "\n")});
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_TRUE(valid_utf8(run.out));
    Json model = parse_json(run.out);
    EXPECT_EQ(model.at("settings").at("description").get<std::string>(),
              "Tab\there \"q\" back\\slash \x01 bell\x7f caf\xc3\xa9 lone\xc3\xa9 cut\xc3\xa2\xc2\x82");
    // Well-formed UTF-8 is written as it stands; control bytes are escaped.
    EXPECT_NE(run.out.find("caf\xc3\xa9"), std::string::npos);
    EXPECT_NE(run.out.find("\\u0001 bell"), std::string::npos) << run.out;
}

TEST(Describe, ParserMessagesGoToStandardErrorAndTheReport) {
    TempFolder temp;
    const std::string file = temp.write("def.txt", "[par1]\nname=x\n[preset]\n[par2]\nname=y\n");
    FxhostRun run = run_fxhost({"describe", "--definition", file});
    ASSERT_EQ(run.status, 0) << run.err;
    Json model = parse_json(run.out);
    const std::string line = file + ":3: error: exception on line [preset]; the lines after it are not read\n";
    EXPECT_EQ(model.at("parser_output").get<std::string>(), line);
    EXPECT_NE(run.err.find(line), std::string::npos) << run.err;
    EXPECT_EQ(model.at("settings").at("param_count").get<int64_t>(), 2) << "reading stopped at the bad line";
}

TEST(Describe, MisspelledKeyIsReportedWithFileAndLineOfTheWrittenText) {
    TempFolder temp;
    const std::string common = temp.write("common.txt", "[par2]\nname=b\n\n");
    const std::string file =
        temp.write("effect.fxdef", "[par1]\nname=a\ncolr=red\n#include \"" + common + "\"\n[settings]\nnmae=x\n");
    FxhostRun run = run_fxhost({"describe", "--definition", file});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string expected =
        file + ":3: warning: unknown key \"colr\"\n" + file + ":6: warning: unknown key \"nmae\" in [settings]\n";
    EXPECT_EQ(run.err, expected);
    Json model = parse_json(run.out);
    EXPECT_EQ(model.at("parser_output").get<std::string>(), expected);
    EXPECT_EQ(model.at("params").at(2).at("param").get<std::string>(), "b") << "the included file was read";
}

TEST(Describe, OverrideVariableIsHonouredWithoutAnArgument) {
    TempFolder temp;
    std::string file = temp.write("def.txt", "[settings]\nname=Override\n");
    Json model = describe({"describe"}, "FX_DEFINITION_FILE=" + shell_quoted(file));
    EXPECT_EQ(model.at("origin").get<std::string>(), file);
    EXPECT_EQ(model.at("settings").at("name").get<std::string>(), "Override");
    EXPECT_EQ(model.at("settings").at("bundlename").get<std::string>(), "Override");
}

TEST(Describe, UnreadableOverrideIsDescribedAsThePluginWouldLoadItWithAWarning) {
    FxhostRun run = run_fxhost({"describe"}, "FX_DEFINITION_FILE=/nonexistent/def.txt");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("/nonexistent/def.txt: cannot be read"), std::string::npos) << run.err;
    Json model = parse_json(run.out);
    EXPECT_EQ(model.at("origin").get<std::string>(), "/nonexistent/def.txt");
    EXPECT_EQ(model.at("settings").at("param_count").get<int64_t>(), 1);
}

TEST(Describe, EmptyFileDescribesTheEmptyDefinition) {
    Json model = describe_text("");
    EXPECT_EQ(model.at("settings").at("param_count").get<int64_t>(), 1);
    EXPECT_EQ(model.at("settings").at("bundlename").get<std::string>(), "Morvelline 2 Pro");
    EXPECT_EQ(model.at("routing").size(), 0u);
}

struct FailureCase {
    const char* name;
    std::vector<std::string> args;
    int status;
    const char* message;
};

class DescribeFailures : public ::testing::TestWithParam<FailureCase> {};

TEST_P(DescribeFailures, ExplainOnStandardErrorAndPrintNothing) {
    const FailureCase& c = GetParam();
    FxhostRun run = run_fxhost(c.args);
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DescribeFailures,
    ::testing::Values(
        FailureCase{"missing_file",
                    {"describe", "--definition", "/nonexistent/def.txt"},
                    1,
                    "/nonexistent/def.txt: cannot be read"},
        FailureCase{"folder_as_file", {"describe", "--definition=/"}, 1, "/: not a regular file"},
        FailureCase{"unexpected_argument", {"describe", "--defnition", "x"}, 2, "unexpected argument \"--defnition\""},
        FailureCase{"unknown_command", {"descibe"}, 2, "unknown command \"descibe\""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Describe, ArbitraryBytesNeverBreakTheOutput) {
    std::mt19937 random(77);
    const std::string pieces[] = {
        "[par",       "[ps",      "]\n",    "=",         "|",    "##", "[sho",           "[replace]\n", "\n",
        "type=popup", "default=", "ps1_in", "flags=802", "\xff", "\0", "[preset_a_1]\n", "1e40",        "-"};
    for (int round = 0; round < 12; ++round) {
        std::string text;
        for (int i = 0; i < 60; ++i) {
            if (random() % 3 == 0)
                text += static_cast<char>(random() % 256);
            else
                text += pieces[random() % std::size(pieces)];
        }
        TempFolder temp;
        FxhostRun run = run_fxhost({"describe", "--definition", temp.write("def.txt", text)});
        ASSERT_EQ(run.status, 0) << "round " << round << ": " << run.err;
        ASSERT_TRUE(valid_utf8(run.out)) << "round " << round;
        EXPECT_NO_THROW(parse_json(run.out)) << "round " << round;
    }
}

}  // namespace
}  // namespace fx::test
