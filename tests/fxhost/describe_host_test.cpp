// `fxhost describe --host`: the plug-in loaded like the host, global and parameter set-up
// run, and what the host saw printed as JSON under the effect SDK's names.
#include <gtest/gtest.h>

#include <string>

#include "tests/fxhost/fxhost_run.h"
#include "tests/fxhost/report_json.h"
#include "tests/platform/temp_folder.h"

namespace fx::test {
namespace {

const char* const kEveryType =
    "[settings]\nname=Every Type\nversion=1.2.3\nusegpu=-1\nimgwidth=40\nimgheight=30\n"
    "[ps0]\nvoid main() { gl_FragColor = vec4(1.0); }\n"
    "[par1]\nname=Count\ntype=int\nmin=0\nmax=10\ndisplaymin=1\ndisplaymax=5\ndefault=3\nid=11\n"
    "[par2]\nname=Enabled\ntype=check\ntext=On\ndefault=1\nvisibility=1\nid=12\n"
    "[par3]\nname=Mode\ntype=popup\ntext=A|-|B\nmax=2\ndefault=3\nid=13\n"
    "[par4]\nname=Mask\ntype=popup\nflags=99\nid=14\n"
    "[par5]\nname=Back\ntype=layer\nflags=1\nid=15\n"
    "[par6]\nname=Amount\ntype=float\nmin=-1\nmax=2\ndisplaymin=0\ndisplaymax=1\ndefault=0.25\nflags=1\nid=16\n"
    "[par7]\nname=Tint\ntype=color\ndefault=1.0|0.5|0.0\nid=17\n"
    "[par8]\nname=Turn\ntype=angle\ndefault=45.7\nid=18\n"
    "[par9]\nname=Centre\ntype=point\ndefault=0.5|2.0\nflags=100\nid=19\n"
    "[par10]\nname=Group\ntype=topic_start\nid=20\n"
    "[par11]\nname=Depth\ntype=vec3\ndefault=1.9|20000|-30000\nid=22\n"
    "[par12]\nname=End\ntype=topic_end\nid=23\n"
    "[par13]\nname=Go\ntype=button\nid=24\n"
    "[par14]\nname=Picture\ntype=image\nid=26\n"
    "[par15]\nname=Logo\ntype=custom\nid=27\n"
    "[par16]\nname=Unused\ntype=none\nid=28\n";

struct HostDescription {
    FxhostRun run;
    Json report;
};

HostDescription describe_host(const std::string& definition, std::vector<std::string> extra = {}) {
    TempFolder temp;
    std::vector<std::string> args{"describe", "--host", "--definition", temp.write("effect.fxdef", definition)};
    args.insert(args.end(), extra.begin(), extra.end());
    HostDescription d{run_fxhost(args), Json()};
    try {
        d.report = parse_json(d.run.out);
    } catch (const Json::parse_error& error) {
        ADD_FAILURE() << error.what() << "\n" << d.run.out.substr(0, 2000) << "\n" << d.run.err;
    }
    return d;
}

// The parameter of the report named `name`.
const Json& param_named(const Json& report, const std::string& name) {
    for (const Json& param : report.at("params"))
        if (param.at("name") == name) return param;
    throw std::out_of_range("no parameter named " + name);
}

TEST(DescribeHost, ReportsSetUpAndEveryRecordUnderTheSdkNames) {
    const HostDescription d = describe_host(kEveryType);
    ASSERT_EQ(d.run.status, 0) << d.run.err;
    const Json& report = d.report;
    EXPECT_EQ(report.at("host"), "after_effects");
    const Json& global = report.at("global_setup");
    EXPECT_EQ(global.at("result"), 0);
    EXPECT_EQ(global.at("out_flags").get<std::uint32_t>(), 0x06008064u);
    EXPECT_EQ(global.at("out_flags2").get<std::uint32_t>(), 0x08E21488u);
    EXPECT_EQ(global.at("my_version").get<std::uint32_t>(), (1u << 19) | (2u << 15) | 3u);

    const Json& params_setup = report.at("params_setup");
    EXPECT_EQ(params_setup.at("result"), 0);
    EXPECT_EQ(params_setup.at("num_params"), 17);
    EXPECT_EQ(params_setup.at("input_slots"), Json::parse("[0, 5, 14]"));
    ASSERT_TRUE(params_setup.at("register_ui").is_object());
    EXPECT_EQ(params_setup.at("register_ui").at("events"), 4);

    const Json& params = report.at("params");
    ASSERT_EQ(params.size(), 15u) << "every slot but slot 0 and the \"none\" one";
    const Json& count = param_named(report, "Count");
    EXPECT_EQ(count.at("param_type"), 10);
    EXPECT_EQ(count.at("id"), 11);
    EXPECT_EQ(count.at("fs_d").at("value"), 3.0);
    EXPECT_EQ(count.at("fs_d").at("valid_max"), 10.0);
    EXPECT_EQ(count.at("fs_d").at("slider_min"), 1.0);
    EXPECT_EQ(count.at("fs_d").at("precision"), 0);
    EXPECT_EQ(json_as_float(count.at("fs_d").at("curve_tolerance")), 0.05f);
    const Json& enabled = param_named(report, "Enabled");
    EXPECT_EQ(enabled.at("ui_flags"), 0x20);
    EXPECT_EQ(enabled.at("bd").at("value"), 1);
    EXPECT_EQ(enabled.at("bd").at("nameptr"), "On");
    const Json& mode = param_named(report, "Mode");
    EXPECT_EQ(mode.at("pd").at("num_choices"), 3);
    EXPECT_EQ(mode.at("pd").at("dephault"), 3);
    EXPECT_EQ(mode.at("pd").at("namesptr"), "A|(-|B");
    EXPECT_EQ(param_named(report, "Mask").at("path_d").at("dephault"), 0);
    EXPECT_EQ(param_named(report, "Back").at("ld").at("dephault"), 0);
    EXPECT_EQ(param_named(report, "Amount").at("fs_d").at("display_flags"), 1);
    EXPECT_EQ(param_named(report, "Tint").at("cd").at("value"),
              Json::parse(R"({"alpha": 255, "red": 255, "green": 127, "blue": 0})"));
    EXPECT_EQ(param_named(report, "Turn").at("ad").at("value"), 45 * 65536);
    const Json& centre = param_named(report, "Centre");
    EXPECT_EQ(centre.at("flags"), 2);
    EXPECT_EQ(centre.at("td").at("x_value"), 50 << 16);
    EXPECT_EQ(centre.at("td").at("y_dephault"), 200 << 16);
    EXPECT_EQ(param_named(report, "Group").at("param_type"), 13);
    const Json& depth = param_named(report, "Depth").at("point3d_d");
    EXPECT_EQ(depth.at("x_value"), 1.0);
    EXPECT_EQ(depth.at("y_value"), 10000.0);
    EXPECT_EQ(depth.at("z_dephault"), -30000.0);
    EXPECT_EQ(params.at(11).at("name"), "") << "a group end has no name";
    EXPECT_EQ(param_named(report, "Go").at("button_d").at("namesptr"), "Set");
    const Json& picture = param_named(report, "Picture");
    EXPECT_EQ(picture.at("param_type"), 11);
    EXPECT_EQ(picture.at("ui_flags"), 0x82);
    EXPECT_EQ(picture.at("ui_width"), 65);
    EXPECT_EQ(picture.at("ui_height"), 30);
    EXPECT_EQ(picture.at("arb_d").at("id"), 26);
    EXPECT_TRUE(picture.at("arb_d").at("dephault").is_null());
    const Json& logo = param_named(report, "Logo");
    EXPECT_EQ(logo.at("ui_width"), 128);
    EXPECT_EQ(logo.at("ui_height"), 128);

    const Json& account = report.at("host_account");
    EXPECT_EQ(account.at("handles_never_disposed"), 0);
    EXPECT_TRUE(account.at("misuses").empty()) << account.dump();
}

TEST(DescribeHost, PremiereProGetsButtonsForImagesAndATransitionInput) {
    const std::string definition = std::string(kEveryType) + "[settings]\ntransition=1\n";
    const HostDescription d = describe_host(definition, {"--premiere"});
    ASSERT_EQ(d.run.status, 0) << d.run.err;
    EXPECT_EQ(d.report.at("host"), "premiere_pro");
    EXPECT_EQ(d.report.at("global_setup").at("out_flags2").get<std::uint32_t>(), 0x08E21488u | 0x100u);
    EXPECT_EQ(param_named(d.report, "Picture").at("param_type"), 15);
    EXPECT_EQ(param_named(d.report, "Input").at("ld").at("dephault"), 0);
    EXPECT_EQ(param_named(d.report, "Amount").at("ui_flags"), 0x200) << "the first float is hidden";
}

TEST(DescribeHost, WhatThePluginPrintsStaysOffTheReport) {
    // The parser reports the bad line on standard output inside the plug-in.
    const HostDescription d = describe_host("[par1]\nname=x\ntype=float\n[preset]\n");
    ASSERT_EQ(d.run.status, 0) << d.run.err;
    EXPECT_EQ(d.report.at("params").size(), 1u);
    EXPECT_NE(d.run.err.find("exception on line"), std::string::npos) << d.run.err;
}

struct HostFailure {
    const char* name;
    std::vector<std::string> args;
    int status;
    const char* message;
};

class DescribeHostFailures : public ::testing::TestWithParam<HostFailure> {};

TEST_P(DescribeHostFailures, ExplainInOneLineAndPrintNothing) {
    const HostFailure& c = GetParam();
    const FxhostRun run = run_fxhost(c.args);
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "one line: " << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DescribeHostFailures,
    ::testing::Values(
        HostFailure{"missing_definition",
                    {"describe", "--host", "--definition", "/nonexistent/def.fxdef"},
                    1,
                    "/nonexistent/def.fxdef: cannot be read"},
        HostFailure{"folder_as_definition", {"describe", "--host", "--definition", "/"}, 1, "/: not a regular file"},
        HostFailure{"missing_plugin",
                    {"describe", "--host", "--plugin", "/nonexistent/plugin.so"},
                    1,
                    "/nonexistent/plugin.so"},
        HostFailure{"unknown_option", {"describe", "--host", "--premier"}, 2, "describe --host [--premiere]"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace fx::test
