#include "definition/unique_ids.h"

#include <gtest/gtest.h>

#include <limits>
#include <set>
#include <string>
#include <vector>

#include "parse_fixture.h"

namespace fx {
namespace {

constexpr int32_t kTop = std::numeric_limits<int32_t>::max();

std::vector<int32_t> ids(const EffectDefinition& def) {
    std::vector<int32_t> out;
    for (int32_t slot = 1; slot < def.settings.param_count; ++slot) out.push_back(def.params[slot].id);
    return out;
}

TEST(UniqueIds, RepeatsTakeTheNextFreeIdAndAreReported) {
    const struct {
        const char* name;
        std::string text;
        std::vector<int32_t> expected;
        std::size_t reports;
    } rows[] = {
        {"distinct ids are kept", "[par1]\nid=7\n[par2]\nid=3\n[par3]\nname=c\n", {7, 3, 2}, 0},
        {"a repeated explicit id moves the later slot past ids in use",
         "[par1]\nid=5\n[par2]\nid=5\n[par3]\nid=6\n",
         {5, 7, 6},
         1},
        {"a huge id_offset saturates, the repeats wrap to the positive start",
         "[settings]\nid_offset=99999999999\n[par1]\nname=a\n[par2]\nname=b\n[par3]\nname=c\n",
         {kTop, 1, 2},
         2},
        {"huge explicit ids", "[par1]\nid=99999999999\n[par2]\nid=88888888888\n", {kTop, 1}, 1},
        {"id_add pushes past the top",
         "[settings]\nid_add=2147483000\n[par1]\nid=1000\n[par2]\nid=2000\n",
         {kTop, 1},
         1},
        {"slots of type none are not registered and keep their id",
         "[par1]\nid=4\ntype=none\n[par2]\nid=4\n",
         {4, 4},
         0},
    };
    for (const auto& row : rows) {
        ::testing::internal::CaptureStdout();
        const auto def = testing::parse_text(row.text);
        const std::string report = ::testing::internal::GetCapturedStdout();
        EXPECT_EQ(ids(*def), row.expected) << row.name;
        std::size_t reports = 0;
        for (std::size_t at = report.find("is already the id of slot"); at != std::string::npos;
             at = report.find("is already the id of slot", at + 1))
            ++reports;
        EXPECT_EQ(reports, row.reports) << row.name << "\n" << report;
    }
}

TEST(UniqueIds, EveryRegisteredSlotHasItsOwnIdWhateverTheOffset) {
    std::string text = "[settings]\nid_offset=2147483600\n";
    for (int slot = 1; slot < 256; ++slot)
        text +=
            "[par" + std::string(slot < 100 ? std::to_string(slot) : "") + "]\nname=p" + std::to_string(slot) + "\n";
    ::testing::internal::CaptureStdout();
    const auto def = testing::parse_text(text);
    ::testing::internal::GetCapturedStdout();
    const std::vector<int32_t> all = ids(*def);
    EXPECT_EQ(all.size(), 255u);
    EXPECT_EQ(std::set<int32_t>(all.begin(), all.end()).size(), all.size());
    for (const int32_t id : all) EXPECT_GT(id, 0);
}

}  // namespace
}  // namespace fx
