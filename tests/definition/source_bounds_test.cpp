// Each bound of source_bounds.h fed just past its limit, and the preprocessing steps fed
// inputs that made them quadratic: doubling such an input at most doubles the work, as
// the steps count it (bytes touched, byte comparisons).
#include "definition/source_bounds.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "definition/preprocess.h"
#include "parse_fixture.h"

namespace fx {
namespace {

std::string repeated(const std::string& piece, std::size_t times) {
    std::string out;
    out.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i) out += piece;
    return out;
}

std::size_t include_work(std::string text) {
    return expand_includes(text, [](const std::string&, std::size_t) { return std::string("x"); });
}

// 256 KiB of "#include" on one line took 14 s and 4 MiB of empty "#include" lines more
// than 20 s when every directive rescanned and moved the whole text.
TEST(IncludeGrowth, DoublingTheDirectivesAtMostDoublesTheWork) {
    const struct {
        const char* name;
        std::string piece;
    } rows[] = {{"one line of directives", "#include"},
                {"empty directive lines", "#include\n"},
                {"named directives", "#include a.txt\n"}};
    for (const auto& row : rows) {
        const std::size_t n = 1 << 14;
        const std::size_t work = include_work(repeated(row.piece, n));
        const std::size_t doubled = include_work(repeated(row.piece, 2 * n));
        // The first kMaxIncludes directives each look at up to 4 KiB of their line for a name.
        const std::size_t names = kMaxIncludes * 4096;
        EXPECT_LE(doubled, 2 * work + names) << row.name << ": " << work << " then " << doubled;
        EXPECT_LE(work, 4 * n * (row.piece.size() + 10) + names) << row.name;
    }
}

TEST(IncludeGrowth, OneLineOfDirectivesExpandsLikeTheRescanningProcedure) {
    std::string text = repeated("#include", 1000) + "\nend";
    expand_includes(text, [](const std::string&, std::size_t) { return std::string(); });
    EXPECT_EQ(text.find("#include"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 4), "\nend");
}

// The search goes on at the directive: one completed by the first bytes of an included
// file is expanded as a search from the start of the text would find it.
TEST(IncludeGrowth, DirectiveCompletedByAnIncludedFileIsExpanded) {
    std::string text = "ab#inc#include f\n";
    expand_includes(text, [](const std::string& path, std::size_t) {
        return path == "f" ? std::string("lude g\n") : path == "g" ? std::string("G") : std::string();
    });
    EXPECT_EQ(text, "abG\n//include g\n\n//include f\n");
}

// 64 includes of /dev/zero read 4 GiB; a reader that gives all it is asked for stands in
// for such a file.
TEST(IncludeBounds, IncludesReadOnlyWhatFitsAndTheBudgetAllows) {
    std::size_t asked = 0;
    std::size_t given = 0;
    std::string text = repeated("#include zero\n", kMaxIncludes);
    ::testing::internal::CaptureStdout();
    expand_includes(text, [&](const std::string&, std::size_t max_bytes) {
        asked += max_bytes;
        given += max_bytes;
        return std::string(max_bytes, 'z');
    });
    const std::string report = ::testing::internal::GetCapturedStdout();

    EXPECT_LE(given, kMaxIncludeRead + kMaxIncludes);
    EXPECT_EQ(text.find("zz"), std::string::npos) << "no endless file is included";
    EXPECT_NE(report.find("definition include \"zero\": the file would make the definition text longer than 16 MiB"),
              std::string::npos)
        << report.substr(0, 300);
    EXPECT_NE(report.find("the includes would read more than 32 MiB together"), std::string::npos);
}

TEST(IncludeBounds, AFileThatFitsExactlyIsIncludedOneByteMoreIsNot) {
    for (const std::size_t extra : {0, 1}) {
        std::string text = "#include f";  // " f" stays, "\n//include" is added
        const std::size_t room = kMaxDefinitionText - 2 - 10;
        ::testing::internal::CaptureStdout();
        expand_includes(text, [&](const std::string&, std::size_t max_bytes) {
            EXPECT_EQ(max_bytes, room + 1);
            return std::string(room + extra, 'x');
        });
        const std::string report = ::testing::internal::GetCapturedStdout();
        EXPECT_EQ(text.size(), extra == 0 ? kMaxDefinitionText : 12u) << extra;
        EXPECT_EQ(report.empty(), extra == 0) << report;
    }
}

// A 1 MiB rule over 5 MB of text took minutes with a search that compares the rule at
// every position.
TEST(ReplaceGrowth, SearchWorkIsLinearInTextAndRule) {
    const auto steps = [](std::size_t text_size, std::size_t rule_size) {
        std::string text =
            "[replace]\n" + std::string(rule_size - 1, 'a') + "b|x\n[ps0]\n" + std::string(text_size, 'a') + "\n";
        return apply_replace_block(text);
    };
    // Two passes (counting, then building) of at most two comparisons per byte.
    const std::size_t base = steps(1 << 16, 1 << 12);
    EXPECT_LE(base, 4u * ((1 << 16) + 2 * (1 << 12) + 32));
    EXPECT_LE(steps(2 << 16, 1 << 12), 2 * base);
    EXPECT_LE(steps(1 << 16, 2 << 12), 2 * base);
}

std::string parse_report(const std::string& text, std::unique_ptr<EffectDefinition>& def,
                         testing::FakeEnvironment& fake) {
    ::testing::internal::CaptureStdout();
    def = testing::parse_text(text, fake);
    return ::testing::internal::GetCapturedStdout();
}

std::string parse_report(const std::string& text, std::unique_ptr<EffectDefinition>& def) {
    testing::FakeEnvironment fake;
    return parse_report(text, def, fake);
}

// A 16 MiB pass copied into 30 passes took 2.4 GB.
TEST(SourceBounds, PassReferencesStopAtTheTotalSourceBound) {
    // Sized so that exactly 15 copies and the 15 "ps0" lines left fit in 16 MiB.
    const std::size_t pass_size = (1 << 20) - 8;
    std::string text = "[ps0]\n" + std::string(pass_size - 1, 'p') + "\n";
    for (int k = 1; k < 31; ++k) text += "[ps" + std::to_string(k) + "]\nps0\n";
    std::unique_ptr<EffectDefinition> def;
    const std::string report = parse_report(text, def);
    std::size_t total = 0;
    int copies = 0;
    for (int k = 0; k < def->settings.pass_count; ++k) {
        total += def->pass_source[k].view().size();
        if (k > 0 && def->pass_source[k].view().size() >= pass_size) ++copies;
    }
    EXPECT_EQ(copies, static_cast<int>(kMaxPassSourceTotal >> 20) - 1);
    EXPECT_LE(total, kMaxPassSourceTotal + 31 * 64);
    EXPECT_NE(report.find("definition pass " + std::to_string(copies + 1) + ": using pass 0 would make"),
              std::string::npos)
        << report;
}

TEST(SourceBounds, PopupItemsStopAtTheItemBound) {
    const std::size_t extra = 7;
    std::unique_ptr<EffectDefinition> def;
    const std::string report = parse_report(
        "[par1]\ntype=popup\ntext=" + repeated("ab|", static_cast<std::size_t>(kMaxPopupItems) + extra) + "\n", def);
    EXPECT_EQ(def->params[1].items.size(), static_cast<std::size_t>(kMaxPopupItems));
    EXPECT_EQ(def->params[1].max, static_cast<float>(kMaxPopupItems - 1));
    EXPECT_NE(report.find("definition slot 1: more than 10000 items"), std::string::npos) << report;
}

TEST(SourceBounds, PresetRecordsStopAtTheRecordBound) {
    const std::size_t extra = 5;
    std::unique_ptr<EffectDefinition> def;
    const std::string report =
        parse_report("[par1]\nparam=p\n[preset p_0]\n" + repeated("p=1\n", kMaxPresetRecords + extra), def);
    EXPECT_EQ(def->settings.preset_record_count, static_cast<int32_t>(kMaxPresetRecords));
    EXPECT_NE(report.find("assignments; the last 5 are dropped"), std::string::npos) << report;
}

TEST(SourceBounds, PresetFilePopupListsNoMoreFilesThanItShows) {
    testing::FakeEnvironment fake;
    for (int i = 0; i < kMaxPopupItems + 3; ++i)
        fake.preset_files.push_back("C:\\ProgramData\\Fx\\p" + std::to_string(i) + ".fxpr");
    std::unique_ptr<EffectDefinition> def;
    const std::string report = parse_report("[settings]\nname=Fx\n[par1]\ntype=popup\nflags=802\n", def, fake);
    EXPECT_EQ(def->settings.preset_entries.size(), static_cast<std::size_t>(kMaxPopupItems));
    EXPECT_EQ(def->params[1].items.size(), def->settings.preset_entries.size());
    EXPECT_NE(report.find("definition preset popup: more than 10000 entries"), std::string::npos) << report;
}

// 16 M commas took 1.1 GB when every field was split and kept.
TEST(SourceBounds, InlineHeaderSplitsOnlyItsEightFields) {
    std::unique_ptr<EffectDefinition> def;
    parse_report("[par1 Speed, speed, float, 1, 10, 5, Label, 3" + std::string(1 << 20, ',') + "]\n", def);
    const ParamDef& p = def->params[1];
    EXPECT_EQ(p.display, "Speed");
    EXPECT_EQ(p.param, "speed");
    EXPECT_EQ(p.min, 1.0f);
    EXPECT_EQ(p.max, 10.0f);
    EXPECT_EQ(p.default_value[0], 5.0f);
    EXPECT_EQ(p.text, "Label");
    EXPECT_EQ(p.flags, 3);
}

}  // namespace
}  // namespace fx
