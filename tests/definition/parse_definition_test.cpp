#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "parse_fixture.h"

namespace fx {
namespace {

using testing::parse_text;

struct ParseRow {
    const char* name;
    std::string text;
    std::function<void(const EffectDefinition&)> check;
};

void run_rows(const std::vector<ParseRow>& rows) {
    for (const ParseRow& row : rows) {
        SCOPED_TRACE(std::string(row.name) + "\n--- text ---\n" + row.text);
        const auto def = parse_text(row.text);
        row.check(*def);
    }
}

TEST(ParseDefinition, ParameterSections) {
    run_rows({
        {"[par] first addresses the input slot 0", "[par]\nname=Input\n",
         [](const EffectDefinition& d) {
             EXPECT_EQ(d.params[0].display, "Input");
             EXPECT_EQ(d.params[0].param, "in0");
             EXPECT_EQ(d.settings.param_count, 1);
         }},
        {"[par3] then [par] gives slots 3 and 4", "[par3]\nname=a\n[par]\nname=b\n",
         [](const EffectDefinition& d) {
             EXPECT_EQ(d.params[3].display, "a");
             EXPECT_EQ(d.params[4].display, "b");
             EXPECT_EQ(d.settings.param_count, 5);
         }},
        {"[par 5] counts on instead of addressing slot 5", "[par2]\nname=x\n[par 5]\nname=y\n",
         [](const EffectDefinition& d) {
             EXPECT_EQ(d.params[3].display, "y");
             EXPECT_TRUE(d.params[5].display.empty());
         }},
        {"two digits at most", "[par123]\nname=x\n",
         [](const EffectDefinition& d) { EXPECT_EQ(d.params[12].display, "x"); }},
        {"inline header applies all eight fields", "[par1]\n[par name, p, float, 0, 10, 5]\n",
         [](const EffectDefinition& d) {
             const ParamDef& p = d.params[2];
             EXPECT_EQ(p.display, "name");
             EXPECT_EQ(p.param, "p");
             EXPECT_EQ(p.type, kParamFloat);
             EXPECT_EQ(p.min, 0.0f);
             EXPECT_EQ(p.max, 10.0f);
             EXPECT_EQ(p.default_value[0], 5.0f);
             EXPECT_TRUE(p.text.empty());
             EXPECT_EQ(p.flags, 0);
         }},
        {"inline header empty param overwrites the copied name", "[par1]\n[par Speed,,float,0,1,0.5]\n",
         [](const EffectDefinition& d) {
             EXPECT_EQ(d.params[2].display, "Speed");
             EXPECT_TRUE(d.params[2].param.empty());
             EXPECT_FLOAT_EQ(d.params[2].default_value[1], 0.5f);
         }},
        {"inline fields start at the sixth character", "[par12 a,b]\n",
         [](const EffectDefinition& d) {
             EXPECT_EQ(d.params[12].display, "2 a");
             EXPECT_EQ(d.params[12].param, "b");
         }},
        {"inline text parameter gets its items", "[par1]\n[par Words,w,text,,,one|two,,3]\n",
         [](const EffectDefinition& d) {
             EXPECT_EQ(d.params[2].type, kParamText);
             EXPECT_EQ(d.params[2].items, (std::vector<std::string>{"one", "two"}));
             EXPECT_EQ(d.params[2].flags, 3);
         }},
        {"key lines before any parameter section are ignored", "name=lost\n[settings]\n",
         [](const EffectDefinition& d) {
             EXPECT_EQ(d.settings.param_count, 1);
             EXPECT_EQ(d.params[0].display, "Source");
         }},
        {"key lines after an unknown section go to the last slot", "[par1]\n[extra]\nname=q\n",
         [](const EffectDefinition& d) { EXPECT_EQ(d.params[1].display, "q"); }},
        {"key lines of the replace section are ignored", "[par1]\n[replace]\nname=q\n",
         [](const EffectDefinition& d) { EXPECT_TRUE(d.params[1].display.empty()); }},
        {"keys are lowercased, values trimmed, no blank before =", "[par1]\nNAME=\t Big \nmax =5\n",
         [](const EffectDefinition& d) {
             EXPECT_EQ(d.params[1].display, "Big");
             EXPECT_EQ(d.params[1].max, 1.0f);
         }},
        {"lines without = or starting with = are ignored", "[par1]\nname\n=x\nname=ok\n",
         [](const EffectDefinition& d) { EXPECT_EQ(d.params[1].display, "ok"); }},
        {"slots past 255 and negative slots have no storage",
         [] {
             // Slots above 99 are reached only by counting on from [par99].
             std::string text = "[par-3]\nname=neg\n[par99]\n";
             for (int slot = 100; slot <= 255; ++slot) text += "[par]\n";
             return text + "name=last\n[par]\nname=lost\n[par Lost, lost]\n[par]\nname=lost\n";
         }(),
         [](const EffectDefinition& d) {
             EXPECT_EQ(d.settings.param_count, 256);
             EXPECT_EQ(d.params[255].display, "last");
             EXPECT_EQ(d.find_param("lost"), -1);
             EXPECT_EQ(d.find_param("neg"), -1);
             EXPECT_EQ(d.params[0].display, "Source");
         }},
    });
}

TEST(ParseDefinition, CommentsAndVariantPrefixes) {
    run_rows({
        {"comments are shader source in pass sections only",
         "[ps0]\n; note\nvoid main(){}\n[vs]\n; skipped\nvertex line\n[par1]\n; name=a\n/name=b\nname=z\n",
         [](const EffectDefinition& d) {
             EXPECT_EQ(d.pass_source[0], "#version 120\n; note\nvoid main(){}\n");
             EXPECT_EQ(d.vertex_source, "#version 120\nvertex line\n");
             EXPECT_EQ(d.params[1].display, "z");
         }},
        {"variant prefixes", "[par1]\n-$min=3\n$max=7\n%max=8\n-%name=q\n",
         [](const EffectDefinition& d) {
             EXPECT_EQ(d.params[1].min, 3.0f);
             EXPECT_EQ(d.params[1].max, 1.0f);
             EXPECT_EQ(d.params[1].display, "q");
         }},
        {"carriage returns and blank lines", "[par1]\r\n\r\n  name=crlf\r\n",
         [](const EffectDefinition& d) { EXPECT_EQ(d.params[1].display, "crlf"); }},
        {"a blank before = makes another key", "[settings]\nName = foo\n",
         [](const EffectDefinition& d) { EXPECT_TRUE(d.settings.name.empty()); }},
    });
}

TEST(ParseDefinition, SourcesAndGpuSwitch) {
    run_rows({
        {"no pass turns the renderer off", "[settings]\nname=Fx\n",
         [](const EffectDefinition& d) {
             EXPECT_EQ(d.settings.usegpu, 0);
             EXPECT_EQ(d.vertex_source, "#version 120\n");
         }},
        {"empty pass 0 turns the renderer off", "[ps1]\nx\n",
         [](const EffectDefinition& d) {
             EXPECT_EQ(d.settings.usegpu, 0);
             EXPECT_EQ(d.settings.pass_count, 2);
         }},
        {"missing vertex section takes the built-in one", "[ps0]\nmain\n",
         [](const EffectDefinition& d) {
             EXPECT_EQ(d.settings.usegpu, 1);
             EXPECT_EQ(d.vertex_source, "#version 120\nVERTEX\nBODY");
         }},
        {"an own version line is kept, written line feeds expand",
         "[ps0]\n#version 330\na\\nb\n[vs]\n#version 110\\nv\n",
         [](const EffectDefinition& d) {
             EXPECT_EQ(d.pass_source[0], "#version 330\na\nb\n");
             EXPECT_EQ(d.vertex_source, "#version 110\nv\n");
         }},
        {"a repeated pass header starts the pass anew", "[ps0]\nold\n[ps0]\nnew\n",
         [](const EffectDefinition& d) { EXPECT_EQ(d.pass_source[0], "#version 120\nnew\n"); }},
        {"pass reference reuses a shader", "[ps0]\nvoid main(){}\n[ps1]\nps0\n[ps2]\nps7\n",
         [](const EffectDefinition& d) {
             EXPECT_EQ(d.pass_source[1], d.pass_source[0]);
             EXPECT_EQ(d.pass_source[2], "#version 120\nps7\n") << "a reference past pass_count stays text";
         }},
        {"pass count stops at 31, storage at 32", "[ps0]\na\n[ps31]\nlast\n[ps40]\nlost\n[ps-1]\nlost\n",
         [](const EffectDefinition& d) {
             EXPECT_EQ(d.settings.pass_count, 31);
             EXPECT_EQ(d.pass_source[31], "last\n");
             EXPECT_EQ(d.pass_source[0], "#version 120\na\n");
         }},
        {"scripts", "[script2]\nalert(1)\n; kept? no\n[script40]\nlost\n",
         [](const EffectDefinition& d) {
             EXPECT_EQ(d.settings.script_count, 3);
             EXPECT_EQ(d.script_source[2], "alert(1)\n");
             EXPECT_TRUE(d.script_source[0].empty());
         }},
        {"a vs-prefixed section other than vs is not vertex source", "[par1]\n[vsx]\nname=v\n",
         [](const EffectDefinition& d) {
             EXPECT_EQ(d.params[1].display, "v");
             EXPECT_EQ(d.vertex_source, "#version 120\n");
         }},
    });
}

TEST(ParseDefinition, CompletionOfSettingsAndSlots) {
    run_rows({
        {"basedir from the name without separators, quotes and edition words",
         "[settings]\nname=A/B's \"Fx\" Pro Player\n",
         [](const EffectDefinition& d) { EXPECT_EQ(d.settings.basedir, "ABs Fx"); }},
        {"basedir stops at a control byte", "[settings]\nbasedir=ab\tcd\n",
         [](const EffectDefinition& d) { EXPECT_EQ(d.settings.basedir, "ab"); }},
        {"no name, no basedir", "[settings]\nversion=2\n",
         [](const EffectDefinition& d) {
             EXPECT_TRUE(d.settings.basedir.empty());
             EXPECT_TRUE(d.settings.bundlename.empty());
         }},
        {"image area below 1 becomes 50", "[settings]\nimgwidth=0\nimgheight=-7\n",
         [](const EffectDefinition& d) {
             EXPECT_EQ(d.settings.imgwidth, 50);
             EXPECT_EQ(d.settings.imgheight, 50);
         }},
        {"image area kept", "[settings]\nimgwidth=80\nimgheight=1\n",
         [](const EffectDefinition& d) {
             EXPECT_EQ(d.settings.imgwidth, 80);
             EXPECT_EQ(d.settings.imgheight, 1);
         }},
        {"built-in Options label", "[settings]\nname=x\n",
         [](const EffectDefinition& d) { EXPECT_EQ(d.settings.dialogbutton, "Built-in label"); }},
        {"own Options label", "[settings]\ndialogbutton=Reload\n",
         [](const EffectDefinition& d) { EXPECT_EQ(d.settings.dialogbutton, "Reload"); }},
        {"automatic ids count over the slots without one", "[par1]\nname=a\n[par2]\nid=7\n[par3]\nname=c\n",
         [](const EffectDefinition& d) {
             EXPECT_EQ(d.params[1].id, 2);
             EXPECT_EQ(d.params[2].id, 7);
             EXPECT_EQ(d.params[3].id, 3);
             EXPECT_EQ(d.params[0].id, -1) << "slot 0 is the input and gets no id";
         }},
        {"transition numbers from 0", "[settings]\ntransition=1\n[par1]\nname=a\n[par2]\nname=b\n",
         [](const EffectDefinition& d) {
             EXPECT_EQ(d.params[1].id, 1);
             EXPECT_EQ(d.params[2].id, 2);
         }},
        {"id_add applies to later ids only", "[par1]\nid=3\n[settings]\nid_add=100\n[par2]\nid=3\n",
         [](const EffectDefinition& d) {
             EXPECT_EQ(d.params[1].id, 3);
             EXPECT_EQ(d.params[2].id, 103);
         }},
        {"slider range defaults to min and max", "[par1]\nmin=2\nmax=9\n[par2]\ndisplaymin=1\ndisplaymax=4\n",
         [](const EffectDefinition& d) {
             EXPECT_EQ(d.params[1].displaymin, 2.0f);
             EXPECT_EQ(d.params[1].displaymax, 9.0f);
             EXPECT_EQ(d.params[2].displaymin, 1.0f);
             EXPECT_EQ(d.params[2].displaymax, 4.0f);
         }},
        {"a NaN slider bound takes min and max", "[par1]\nmin=-1\ndisplaymin=nan\ndisplaymax=3\n",
         [](const EffectDefinition& d) {
             EXPECT_EQ(d.params[1].displaymin, -1.0f);
             EXPECT_EQ(d.params[1].displaymax, 1.0f);
         }},
    });
}

TEST(ParseDefinition, NulBytesAreDropped) {
    testing::FakeEnvironment fake;
    using namespace std::string_literals;
    fake.files["lib.glsl"] = "float \0g;\n"s;
    const std::string text = "[par1]\nna\0me=A\0B\n[ps0]\nvoid\0 main\n#include lib.glsl\n#vers\0ion 130\n"s;
    const auto def = parse_text(text, fake);
    EXPECT_EQ(def->params[1].display, "AB");
    EXPECT_EQ(def->pass_source[0], "void main\nfloat g;\n//include lib.glsl\n#version 130\n");
}

TEST(ParseDefinition, EmptyEnvironmentMembersActAsDefaults) {
    const auto def = std::make_unique<EffectDefinition>();
    parse_definition(*def, "#include x\n[par1]\ntype=popup\nflags=802\n[ps0]\nmain\n", ParseEnvironment{});
    EXPECT_EQ(def->settings.dialogbutton, default_dialog_button());
    EXPECT_EQ(def->vertex_source, default_vertex_shader());
    EXPECT_EQ(def->params[1].items, std::vector<std::string>{"---"});
}

TEST(ParseDefinition, ShortTextOnlyResets) {
    const auto def = parse_text("ab");
    EXPECT_EQ(def->settings.param_count, 1);
    EXPECT_EQ(def->params[0].type, kParamLayer);
    EXPECT_EQ(def->params[0].components, 0);
    EXPECT_EQ(def->params[0].display, "Source");
    EXPECT_EQ(def->settings.usegpu, 1) << "no completion step runs";
    EXPECT_EQ(def->settings.imgwidth, 0);
}

TEST(ParseDefinition, ReparseReplacesEverything) {
    testing::FakeEnvironment fake;
    const auto def = parse_text("[par1]\ntype=popup\ntext=a|b\n[ps0]\nx\n[ps1]\ny\n[settings]\nname=Old\n", fake);
    parse_definition(*def, "[par2]\nname=n\n", fake.make());
    EXPECT_EQ(def->params[1].type, kParamFloat);
    EXPECT_TRUE(def->params[1].items.empty());
    EXPECT_TRUE(def->pass_source[1].empty());
    EXPECT_TRUE(def->settings.name.empty());
    EXPECT_EQ(def->settings.pass_count, 0);
    parse_definition(*def, "", fake.make());
    EXPECT_TRUE(def->pass_source[0].empty()) << "an empty reload keeps no shader of the previous definition";
}

TEST(ParseDefinition, ExceptionOnLineStopsReadingButCompletes) {
    struct Row {
        const char* name;
        std::string text;
        std::string bad_line;
    };
    const Row rows[] = {
        {"[preset] without selection text", "[par1]\nname=a\n[preset]\n[par2]\nname=b\n", "[preset]"},
        {"routing key too short", "[par1]\nname=a\n[routing]\nps1_i=1\n[par2]\nname=b\n", "ps1_i=1"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ::testing::internal::CaptureStdout();
        const auto def = parse_text(row.text);
        const std::string out = ::testing::internal::GetCapturedStdout();
        EXPECT_EQ(out, "exception on line " + row.bad_line + "\n");
        EXPECT_EQ(def->params[1].display, "a");
        EXPECT_TRUE(def->params[2].display.empty()) << "lines after the failing one are not read";
        EXPECT_EQ(def->params[1].id, 2) << "completion still runs";
        EXPECT_EQ(def->settings.imgwidth, 50);
    }
}

TEST(ParseDefinition, WellFormedTextWritesNothing) {
    ::testing::internal::CaptureStdout();
    parse_text("[par1]\nname=a\n[routing]\nps0_out=3\n[ps0]\nx\n");
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
}

TEST(ParseDefinition, ProcessWideOverloadFillsTheOneDefinition) {
    parse_definition("[settings]\nname=Process wide\n");
    EXPECT_EQ(effect_definition().settings.name, "Process wide");
    EXPECT_FALSE(effect_definition().settings.dialogbutton.empty());
}

}  // namespace
}  // namespace fx
