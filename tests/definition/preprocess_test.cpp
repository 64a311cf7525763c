#include "definition/preprocess.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "definition/text_edit.h"
#include "parse_fixture.h"

namespace fx {
namespace {

std::size_t count_of(const std::string& text, const std::string& piece) {
    std::size_t n = 0;
    for (std::size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + piece.size())) ++n;
    return n;
}

struct TextRow {
    const char* name;
    std::string input;
    std::string expected;
};

TEST(ExpandIncludes, ReplacesTheDirectiveAndKeepsTheLineAsComment) {
    const std::map<std::string, std::string> files = {
        {"f.txt", "X"}, {"common.txt", "float f;\n"}, {"spaced name.txt", "S"}, {"nested.txt", "#include f.txt\n"}};
    const TextRow rows[] = {
        {"plain name", "a\n#include f.txt\nb", "a\nX\n//include f.txt\nb"},
        {"quoted name with trailing text", "#include \"common.txt\" // shared\n",
         "float f;\n\n//include \"common.txt\" // shared\n"},
        {"blanks around the name", "#include \t spaced name.txt \r\nz", "S\n//include \t spaced name.txt \r\nz"},
        {"missing file contributes nothing", "#include none.txt\nz", "\n//include none.txt\nz"},
        {"directive at the end of a line names no file", "a #include\nb", "a \n//include\nb"},
        {"included text may include", "#include nested.txt", "X\n//include f.txt\n\n//include nested.txt"},
        {"several directives", "#include f.txt\n#include f.txt", "X\n//include f.txt\nX\n//include f.txt"},
    };
    for (const TextRow& row : rows) {
        std::vector<std::string> asked;
        std::string text = row.input;
        expand_includes(text, [&](const std::string& path, std::size_t) {
            asked.push_back(path);
            const auto it = files.find(path);
            return it == files.end() ? std::string() : it->second;
        });
        EXPECT_EQ(text, row.expected) << row.name;
        EXPECT_EQ(std::count(asked.begin(), asked.end(), std::string()), 0) << row.name << ": asked for an empty name";
    }
}

TEST(ExpandIncludes, CyclesEndAtTheLimit) {
    const std::map<std::string, std::string> files = {{"a.txt", "#include b.txt\nA\n"},
                                                      {"b.txt", "#include a.txt\nB\n"}};
    int reads = 0;
    std::string text = "#include a.txt\n";
    expand_includes(text, [&](const std::string& path, std::size_t) {
        ++reads;
        return files.at(path);
    });
    EXPECT_EQ(reads, kMaxIncludes);
    EXPECT_EQ(text.find("#include"), std::string::npos);
    EXPECT_EQ(count_of(text, "\nA\n") + count_of(text, "\nB\n"), static_cast<std::size_t>(kMaxIncludes));
}

TEST(ExpandIncludes, IncludeInsideAPassSectionIsShaderSource) {
    testing::FakeEnvironment fake;
    fake.files["common.txt"] = "float f;\n";
    const auto def = testing::parse_text(
        "[par1]\n#include \"common.txt\" x\nname=n\n[ps0]\n#include \"common.txt\" y\nmain\n", fake);
    EXPECT_EQ(def->pass_source[0], "#version 120\nfloat f;\n//include \"common.txt\" y\nmain\n");
    EXPECT_EQ(def->params[1].display, "n");
    EXPECT_EQ(fake.files_read, (std::vector<std::string>{"common.txt", "common.txt"}));
}

TEST(ExpandMacros, DefinitionsAfterTheMarkerAreRemovedAndExpanded) {
    const TextRow rows[] = {
        {"single-line body", "name=##label\n[shortcuts]\n##label Speed##\n", "name=Speed\n[shortcuts]\n\n"},
        {"multi-line body", "[sho]\n##two a\nb##\nx ##two y", "[sho]\n\nx a\nb y"},
        {"name ended by a line feed", "[sho]\n##nl\nbody##!##nl!", "[sho]\n!body!"},
        {"empty body", "[sho]##e##a##eb", "[sho]ab"},
        {"every use is expanded", "[sho]##a X##\n##a-##a", "[sho]\nX-X"},
        {"case-sensitive names", "[sho]##k v##\n##K ##k", "[sho]\n##K v"},
        {"no marker, no macros", "##k v##\n##k", "##k v##\n##k"},
        {"uses before the marker are expanded", "##k\n[sho]\n##k v##", "v\n[sho]\n"},
        {"longer bodies ahead of the area do not pull it onto a use",
         "a=##m\nb=##n\n[sho]\n##m 0123456789##\n##n N##\n", "a=0123456789\nb=N\n[sho]\n\n\n"},
        {"shorter bodies ahead of the area do not push it past a definition",
         "a=##longmacroname ##longmacroname ##longmacroname\n[sho]\n##longmacroname 1##\n##k v##\nx=##k",
         "a=1 1 1\n[sho]\n\n\nx=v"},
        {"a use across the marker", "a ##q[sho]\n##q[sho] body##\n", "a body\n\n"},
        {"unclosed definition is left alone", "[sho]\n##k value without end", "[sho]\n##k value without end"},
        {"name running to the end is left alone", "[sho]##name", "[sho]##name"},
        {"empty name only removes its definition", "[sho]## x##\n##y", "[sho]\n##y"},
    };
    for (const TextRow& row : rows) {
        std::string text = row.input;
        expand_macros(text);
        EXPECT_EQ(text, row.expected) << row.name;
    }
}

TEST(ApplyReplaceBlock, EachLineReplacesInTheWholeText) {
    const TextRow rows[] = {
        {"replacement up to the pass section", "[par1]\nname=FOO\n[replace]\nFOO|Bar\n[ps0]\nFOO\n",
         "[par1]\nname=Bar\n[replace]\nBar|Bar\n[ps0]\nBar\n"},
        {"lines in order, later lines see earlier results", "jk\n[replace]\nj|k\nkk|m\n\n",
         "m\n[replace]\nk|k\nm|m\n\n"},
        {"lines without a bar and empty search texts are ignored", "x|y\n[replace]\n|zz\nnothing\n\n",
         "x|y\n[replace]\n|zz\nnothing\n\n"},
        {"blanks around lines are trimmed, not inside", "a b\n[replace]\n  a |Q\t\n\n", "Qb\n[replace]\n  Q|Q\t\n\n"},
        {"carriage returns end lines", "k\r\n[replace]\r\nk|v\r\n\n", "v\r\n[replace]\r\nv|v\r\n\n"},
        {"the vs section ends the block", "[replace]\n[vs]\nc|d\n", "[replace]\n[vs]\nc|d\n"},
        {"no block", "a|b\na\n", "a|b\na\n"},
    };
    for (const TextRow& row : rows) {
        std::string text = row.input;
        apply_replace_block(text);
        EXPECT_EQ(text, row.expected) << row.name;
    }
}

TEST(ApplyReplaceBlock, GrowthStopsAtTheSizeBound) {
    std::string text = "x\n[replace]\n";
    // Each line multiplies the x by 64: the third would pass the bound.
    for (int i = 0; i < 4; ++i) text += "x|" + std::string(64, 'x') + "\n";
    text += "\n";
    apply_replace_block(text);
    EXPECT_LE(text.size(), kMaxDefinitionText);
    EXPECT_GT(text.size(), 1000000u) << "replacements within the bound are applied";
}

TEST(ApplyReplaceBlock, LinesPastTheLimitAreIgnored) {
    std::string text = "[replace]\n";
    const auto key = [](int i) { return "<" + std::to_string(i) + ">"; };
    for (int i = 0; i <= kMaxReplacements; ++i) text += key(i) + "|w\n";
    text += key(0) + " " + key(kMaxReplacements - 1) + " " + key(kMaxReplacements) + "\n";
    apply_replace_block(text);
    EXPECT_NE(text.find("\nw w " + key(kMaxReplacements) + "\n"), std::string::npos) << text.substr(text.size() - 40);
}

TEST(ApplyReplaceBlock, RewritingStopsAtTheWorkBound) {
    // Every line rewrites the whole 2 MB text: the bound allows about 32 of them.
    std::string text = "[replace]\n";
    for (int i = 0; i < 100; ++i) text += "<" + std::to_string(i) + ">|w\n";
    text += std::string(2u << 20, '.') + "\n<0> <99>\n";
    apply_replace_block(text);
    EXPECT_NE(text.find("\nw <99>\n"), std::string::npos);
}

TEST(ReplaceAll, ScansLeftToRightWithoutRescanning) {
    struct Row {
        const char* name;
        std::string text, from, to, expected;
    };
    const Row rows[] = {
        {"non-overlapping", "aaaa", "aa", "b", "bb"},
        {"inserted text is not scanned", "ab", "a", "aa", "aab"},
        {"removal can join pieces", " Pr Proo", " Pro", "", " Pro"},
        {"empty search text", "abc", "", "x", "abc"},
    };
    for (const Row& row : rows) {
        std::string text = row.text;
        EXPECT_TRUE(replace_all(text, row.from, row.to)) << row.name;
        EXPECT_EQ(text, row.expected) << row.name;
    }
    std::string text = "aaaa";
    EXPECT_FALSE(replace_all(text, "a", "bbb", 11));
    EXPECT_EQ(text, "aaaa") << "a refused replacement leaves the text unchanged";
    EXPECT_TRUE(replace_all(text, "a", "bbb", 12));
}

}  // namespace
}  // namespace fx
