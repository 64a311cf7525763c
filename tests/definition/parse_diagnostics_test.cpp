// What the parser reports about the lines it ignores or misreads, and at which line of
// the text as its author wrote it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "definition/line_origins.h"
#include "tests/definition/parse_fixture.h"

namespace fx {
namespace {

// "<line>: <severity>: <message>" per diagnostic.
std::vector<std::string> diagnostics_of(const std::string& text, testing::FakeEnvironment& fake) {
    std::vector<std::string> seen;
    ParseEnvironment env = fake.make();
    env.diagnostics = [&seen](const ParseDiagnostic& d) {
        seen.push_back(std::to_string(d.line) + ": " + severity_word(d.severity) + ": " + d.message);
    };
    EffectDefinition def;
    parse_definition(def, text, env);
    return seen;
}

std::vector<std::string> diagnostics_of(const std::string& text) {
    testing::FakeEnvironment fake;
    return diagnostics_of(text, fake);
}

struct WarningCase {
    const char* name;
    std::string text;
    std::vector<std::string> expected;
};

class ParseWarnings : public ::testing::TestWithParam<WarningCase> {};

TEST_P(ParseWarnings, NameTheLineAndWhatWasIgnored) { EXPECT_EQ(diagnostics_of(GetParam().text), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Rows, ParseWarnings,
    ::testing::Values(
        WarningCase{"clean_definition_reports_nothing",
                    "; comment\n[settings]\nname=ok\nversion=2.1\n[routing]\nps1_in0=2\nps0_output=3\n"
                    "[par1]\nname=a\ntype=popup\ntext=A|B\ndefault=true|0.5\ngroup3=1\nname4=x\n"
                    "[par Speed,,float,0,1,0.5]\n[par4]\ntype=text\ndefault=one|two\n[preset_a_1]\na=1\n[ps0]\n; "
                    "shader comment\n$variant=1\n",
                    {}},
        WarningCase{"misspelled_attribute_key", "[par1]\nname=a\ncolr=red\n", {"3: warning: unknown key \"colr\""}},
        WarningCase{
            "settings_and_routing_keys",
            "[settings]\nnmae=typo\n[routing]\nps1_inx=3\nx_out=1\nps40_out=1\n",
            {"2: warning: unknown key \"nmae\" in [settings]",
             "4: warning: unknown routing key \"ps1_inx\"; expected psN_inM, psN_out, psN_dow, psN_smo or "
             "psN_loo",
             "5: warning: unknown routing key \"x_out\"; expected psN_inM, psN_out, psN_dow, psN_smo or psN_loo",
             "6: warning: routing key \"ps40_out\" names no pass 0 to 31"}},
        WarningCase{"unknown_type_word_also_inline",
                    "[par1]\ntype=flaot\n[par Speed,,slider,0,1]\n",
                    {"2: warning: unknown type \"flaot\"; the slot keeps its type",
                     "3: warning: unknown type \"slider\"; the slot keeps its type"}},
        WarningCase{"values_that_read_as_zero",
                    "[par1]\nmin=low\nmax=1.5x\nflags=abc\ndefault=1|x\n[settings]\nimgwidth=wide\nversion=2.a\n",
                    {"2: warning: value \"low\" of \"min\" is not a number; it reads as 0",
                     "4: warning: value \"abc\" of \"flags\" is not an integer; it reads as 0",
                     "5: warning: value \"1|x\" of \"default\" has a part that is not a number; it reads as 0",
                     "7: warning: value \"wide\" of \"imgwidth\" is not an integer; it reads as 0",
                     "8: warning: value \"2.a\" of \"version\" has a part that is not a number; it reads as 0"}},
        WarningCase{"sections_and_stray_lines",
                    "x=1\n[mystery]\n[par1]\nno value here\ngroup16=1\n",
                    {"1: warning: key line before any parameter section; it is ignored",
                     "2: warning: unknown section \"[mystery]\"; its key lines go to the last parameter slot",
                     "4: warning: expected key=value; the line is ignored",
                     "5: warning: group key \"group16\" names no group 0 to 15"}},
        WarningCase{"preset_lines_naming_no_slot",
                    "[par1]\nparam=look\n[par2]\nparam=speed\n[preset_look_1]\nspeed=1\nSped=1\n[preset_nothing_2]\n",
                    {"7: warning: no parameter named \"Sped\" for this preset value",
                     "8: warning: no parameter named \"nothing\" (lowercase) for the preset popup; the preset lines "
                     "are ignored"}},
        WarningCase{"exception_is_an_error_with_its_line",
                    "[par1]\nname=a\n[preset]\n[par2]\ncolr=1\n",
                    {"3: error: exception on line [preset]; the lines after it are not read"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ParseWarnings, ValuesOutOfOrderAreReportedInLineOrder) {
    // Each line reports as it is read, so the order is the text's.
    const auto seen = diagnostics_of("[par1]\nmax=x\nmin=y\n");
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].substr(0, 2), "2:");
    EXPECT_EQ(seen[1].substr(0, 2), "3:");
}

TEST(ParseWarnings, WithASinkTheExceptionLineLeavesStandardOutputClean) {
    ::testing::internal::CaptureStdout();
    const auto seen = diagnostics_of("[par1]\n[preset]\n");
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(seen.size(), 1u);
}

TEST(ParseWarnings, LinesAreThoseOfTheWrittenTextAcrossIncludesMacrosAndReplacements) {
    testing::FakeEnvironment fake;
    fake.files["common.txt"] = "[par1]\nname=a\nbad1=1\n\n\n";
    const std::string text =
        "; header\n"                  // 1
        "#include \"common.txt\"\n"   // 2: its lines report here
        "[sho macros]\n"              // 3
        "##body\nbad2=2\nbad3=3##\n"  // 4-6: definition, removed from the text
        "[par2]\n"                    // 7
        "##body\n"                    // 8: the macro use
        "bad4=4\n"                    // 9
        "[replace]\nFOO|colour\n"     // 10-11
        "[par3]\nFOO=1\n"             // 12-13: replaced within its line
        "bad5=5\n";                   // 14
    const auto seen = diagnostics_of(text, fake);
    const std::vector<std::string> expected = {
        "2: warning: unknown key \"bad1\"", "8: warning: unknown key \"bad2\"",    "8: warning: unknown key \"bad3\"",
        "9: warning: unknown key \"bad4\"", "13: warning: unknown key \"colour\"", "14: warning: unknown key \"bad5\""};
    EXPECT_EQ(seen, expected);
}

struct OriginCase {
    const char* name;
    std::string written;
    std::string expanded;
    std::vector<int32_t> lines;  // written line of each expanded line
};

class LineOriginRows : public ::testing::TestWithParam<OriginCase> {};

TEST_P(LineOriginRows, MapEveryExpandedLine) {
    const OriginCase& c = GetParam();
    const LineOrigins origins(c.written, c.expanded);
    std::vector<int32_t> got;
    for (size_t i = 0; i < c.lines.size(); ++i) got.push_back(origins.written_line(static_cast<int32_t>(i)));
    EXPECT_EQ(got, c.lines);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LineOriginRows,
    ::testing::Values(
        OriginCase{"unchanged", "a\nb\nc", "a\nb\nc", {1, 2, 3}},
        OriginCase{"changed_lines_keep_their_own", "a\nb\nc\nd", "a\nB\nC\nd", {1, 2, 3, 4}},
        OriginCase{"inserted_block_goes_to_the_replaced_line", "a\ninc\nb", "a\nx\ny\n//inc\nb", {1, 2, 2, 2, 3}},
        OriginCase{"two_insertions_apart", "a\ni1\nm\ni2\nz", "a\nx\nm\ny\ny\nz", {1, 2, 3, 4, 4, 5}},
        OriginCase{"removed_lines", "a\nd1\nd2\nb", "a\nb", {1, 4}},
        OriginCase{"insertion_before_the_first_line", "b", "x\nb", {1, 1}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace fx
