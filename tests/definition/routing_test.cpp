#include "definition/routing_key.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "parse_fixture.h"

namespace fx {
namespace {

TEST(RoutingKey, SelectsTableByThreeCharacters) {
    struct Row {
        const char* key;
        const char* value;
        int32_t pass;
        int32_t output, smooth, loop, input_unit, input;
        float downsample;
    };
    // Columns left at their reset value: output -1, smooth -1, loop 0, inputs -1, downsample 0.
    const Row rows[] = {
        {"ps1_out", "4", 1, 4, -1, 0, 0, -1, 0.0f},   {"ps1_output", "4", 1, 4, -1, 0, 0, -1, 0.0f},
        {"ps1_outx", "4x", 1, 4, -1, 0, 0, -1, 0.0f}, {"ps2_dow", "0.5", 2, -1, -1, 0, 0, -1, 0.5f},
        {"ps3_smo", "0", 3, -1, 0, 0, 0, -1, 0.0f},   {"ps4_loo", "2", 4, -1, -1, 2, 0, -1, 0.0f},
        {"ps1_in3", "7", 1, -1, -1, 0, 3, 7, 0.0f},   {"ps31_in31", "9", 31, -1, -1, 0, 31, 9, 0.0f},
        {"ps1_xy", "5", 1, -1, -1, 0, 0, 5, 0.0f},  // two characters: unit from the empty rest, 0
        {"ps12_in1", "6", 12, -1, -1, 0, 1, 6, 0.0f},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.key);
        const auto s = std::make_unique<EffectSettings>();
        apply_routing_key(*s, row.key, row.value);
        EXPECT_EQ(s->pass_output[row.pass], row.output);
        EXPECT_EQ(s->pass_smooth[row.pass], row.smooth);
        EXPECT_EQ(s->pass_loop[row.pass], row.loop);
        EXPECT_EQ(s->pass_input[row.pass][row.input_unit], row.input);
        EXPECT_EQ(s->pass_downsample[row.pass], row.downsample);
    }
}

TEST(RoutingKey, IgnoresKeysOfAnotherFormAndNumbersWithoutStorage) {
    for (const char* key : {"p1_out", "ps_out", "psout", "ps40_out", "ps-1_out", "ps1_in32", "ps1_in-1", "out"}) {
        SCOPED_TRACE(key);
        const auto s = std::make_unique<EffectSettings>();
        const auto fresh = std::make_unique<EffectSettings>();
        apply_routing_key(*s, key, "3");
        for (int p = 0; p < kPassSlots; ++p) {
            ASSERT_EQ(s->pass_output[p], fresh->pass_output[p]) << "pass " << p;
            for (int u = 0; u < kMaxInputs; ++u) ASSERT_EQ(s->pass_input[p][u], -1) << "pass " << p << " unit " << u;
        }
    }
}

TEST(RoutingKey, TooShortUnitTextThrows) {
    for (const char* key : {"ps1_i", "ps1_", "ps1_o"}) {
        const auto s = std::make_unique<EffectSettings>();
        EXPECT_THROW(apply_routing_key(*s, key, "1"), RoutingKeyError) << key;
    }
}

struct DefaultRoutingRow {
    const char* name;
    std::string text;
    std::vector<std::vector<int32_t>> inputs;  // per pass, units 0 .. layer_count - 1
    std::vector<int32_t> outputs;
};

TEST(DefaultRouting, CompletesUnroutedUnitsAndTargets) {
    const std::string two_layers_two_passes = "[par1]\ntype=layer\n[ps0]\na\n[ps1]\nb\n";
    const std::vector<DefaultRoutingRow> rows = {
        {"inputs in order, then previous target and buffer 0", two_layers_two_passes, {{0, 1}, {2, 0}}, {2, 3}},
        {"output to an intermediate buffer stays, the next pass still reads the default target",
         two_layers_two_passes + "[routing]\nps0_out=5\n",
         {{0, 1}, {2, 0}},
         {5, 3}},
        {"output onto a texture input moves to m + 1",
         two_layers_two_passes + "[routing]\nps0_out=1\n",
         {{0, 1}, {2, 0}},
         {2, 3}},
        {"output onto a buffer the pass reads moves to m + 1",
         two_layers_two_passes + "[routing]\nps1_in1=4\nps1_out=4\n",
         {{0, 1}, {2, 4}},
         {2, 5}},
        {"a routed input raises the next pass's source",
         two_layers_two_passes + "[routing]\nps0_in1=6\n",
         {{0, 6}, {7, 0}},
         {7, 8}},
        {"one input, three passes", "[ps0]\na\n[ps1]\nb\n[ps2]\nc\n", {{0}, {1}, {2}}, {1, 2, 3}},
    };
    for (const DefaultRoutingRow& row : rows) {
        SCOPED_TRACE(row.name);
        const auto def = testing::parse_text(row.text);
        const EffectSettings& s = def->settings;
        ASSERT_EQ(s.pass_count, static_cast<int32_t>(row.outputs.size()));
        ASSERT_EQ(s.layer_count, static_cast<int32_t>(row.inputs[0].size()));
        for (int32_t k = 0; k < s.pass_count; ++k) {
            for (int32_t l = 0; l < s.layer_count; ++l)
                EXPECT_EQ(s.pass_input[k][l], row.inputs[k][l]) << "pass " << k << " unit " << l;
            EXPECT_EQ(s.pass_input[k][s.layer_count], -1) << "units past layer_count stay unrouted";
            EXPECT_EQ(s.pass_output[k], row.outputs[k]) << "pass " << k;
        }
    }
}

TEST(DefaultRouting, HugeBufferNumbersDoNotOverflow) {
    const auto def = testing::parse_text("[ps0]\na\n[ps1]\nb\n[routing]\nps0_in0=2147483647\n");
    EXPECT_EQ(def->settings.pass_output[0], 2147483647);
    EXPECT_EQ(def->settings.pass_input[1][0], 2147483647);
}

}  // namespace
}  // namespace fx
