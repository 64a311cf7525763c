#include "definition/declare_attribute.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace fx {
namespace {

using Lines = std::vector<std::pair<std::string, std::string>>;

struct AttributeRow {
    const char* name;
    int32_t slot;
    Lines lines;
    std::function<void(const ParamDef&, const EffectSettings&)> check;
};

void run_rows(const std::vector<AttributeRow>& rows) {
    for (const AttributeRow& row : rows) {
        SCOPED_TRACE(row.name);
        const auto def = std::make_unique<EffectDefinition>();
        for (const auto& [key, value] : row.lines) declare_attribute(*def, row.slot, key, value);
        row.check(def->params[row.slot], def->settings);
    }
}

TEST(DeclareAttribute, NamesAndParam) {
    run_rows({
        {"name also sets param on a slot above 0",
         3,
         {{"name", "Speed"}},
         [](const ParamDef& p, const EffectSettings&) {
             EXPECT_EQ(p.display, "Speed");
             EXPECT_EQ(p.param, "Speed");
         }},
        {"name on slot 0 sets display only",
         0,
         {{"name", "Speed"}},
         [](const ParamDef& p, const EffectSettings&) {
             EXPECT_EQ(p.display, "Speed");
             EXPECT_TRUE(p.param.empty());
         }},
        {"display and name0 are name",
         2,
         {{"display", "A"}, {"name0", "B"}},
         [](const ParamDef& p, const EffectSettings&) {
             EXPECT_EQ(p.display, "B");
             EXPECT_EQ(p.param, "A");
         }},
        {"name=par leaves param empty, param then replaces display",
         4,
         {{"name", "par"}, {"param", "amount"}},
         [](const ParamDef& p, const EffectSettings&) {
             EXPECT_EQ(p.display, "amount");
             EXPECT_EQ(p.param, "amount");
         }},
        {"param after name keeps the display",
         4,
         {{"name", "Speed"}, {"param", "amount"}},
         [](const ParamDef& p, const EffectSettings&) {
             EXPECT_EQ(p.display, "Speed");
             EXPECT_EQ(p.param, "amount");
         }},
        {"param first fills an empty display",
         4,
         {{"param", "amount"}},
         [](const ParamDef& p, const EffectSettings&) { EXPECT_EQ(p.display, "amount"); }},
        {"alternative names",
         1,
         {{"name1", "one"}, {"name5", "five"}, {"name9", "nine"}, {"name10", "x"}, {"names", "y"}},
         [](const ParamDef& p, const EffectSettings&) {
             EXPECT_EQ(p.name1, "one");
             EXPECT_EQ(p.name5, "five");
             EXPECT_EQ(p.name9, "nine");
             EXPECT_TRUE(p.display.empty()) << "name10 and names are not attributes";
             EXPECT_EQ(*p.display_name(9), "nine");
         }},
    });
}

TEST(DeclareAttribute, EveryTypeWord) {
    struct TypeRow {
        const char* word;
        int32_t type;
        int32_t components;
        int32_t layers;
        int32_t images;
        int32_t texts;
    };
    const TypeRow rows[] = {
        {"float", 4, 1, 1, 0, 0},     {"int", 0, 1, 1, 0, 0},    {"none", -1, 1, 1, 0, 0},
        {"check", 1, 1, 1, 0, 0},     {"bool", 1, 1, 1, 0, 0},   {"popup", 2, 1, 1, 0, 0},
        {"select", 2, 1, 1, 0, 0},    {"layer", 3, 0, 2, 0, 0},  {"color", 5, 3, 1, 0, 0},
        {"angle", 6, 1, 1, 0, 0},     {"vec2", 12, 2, 1, 0, 0},  {"vec3", 13, 3, 1, 0, 0},
        {"custom", 10, 1, 1, 0, 0},   {"image", 15, 0, 2, 1, 0}, {"point", 7, 2, 1, 0, 0},
        {"button", 11, 1, 1, 0, 0},   {"text", 14, 1, 1, 0, 1},  {"topic_start", 8, 1, 1, 0, 0},
        {"topic_end", 9, 1, 1, 0, 0}, {"Float", 13, 1, 1, 0, 0}, {"unknown", 13, 1, 1, 0, 0},
    };
    for (const TypeRow& row : rows) {
        SCOPED_TRACE(row.word);
        const auto def = std::make_unique<EffectDefinition>();
        // Start from vec3 so that an unknown word visibly keeps the type and resets components.
        declare_attribute(*def, 4, "type", "vec3");
        declare_attribute(*def, 4, "type", row.word);
        const ParamDef& p = def->params[4];
        EXPECT_EQ(p.type, row.type);
        EXPECT_EQ(p.components, row.components);
        EXPECT_EQ(def->settings.layer_count, row.layers);
        EXPECT_EQ(def->settings.image_count, row.images);
        EXPECT_EQ(def->settings.text_count, row.texts);
        EXPECT_EQ(def->settings.no_texts, row.texts == 0);
    }
}

TEST(DeclareAttribute, TypeSideEffects) {
    run_rows({
        {"image without text gets the load label and flags 900",
         4,
         {{"type", "image"}},
         [](const ParamDef& p, const EffectSettings&) {
             EXPECT_EQ(p.text, "Load Image...");
             EXPECT_EQ(p.flags, 900);
         }},
        {"image keeps an earlier text",
         4,
         {{"text", "Pick"}, {"type", "image"}},
         [](const ParamDef& p, const EffectSettings&) { EXPECT_EQ(p.text, "Pick"); }},
        {"layer on slot 0 is not counted",
         0,
         {{"type", "layer"}, {"type", "image"}},
         [](const ParamDef&, const EffectSettings& s) {
             EXPECT_EQ(s.layer_count, 1);
             EXPECT_EQ(s.image_count, 1);
         }},
        {"a type declared twice counts twice",
         6,
         {{"type", "layer"}, {"type", "layer"}},
         [](const ParamDef&, const EffectSettings& s) { EXPECT_EQ(s.layer_count, 3); }},
    });
}

TEST(DeclareAttribute, CountersStopAtTheirLimits) {
    const auto def = std::make_unique<EffectDefinition>();
    for (int i = 0; i < 40; ++i) {
        declare_attribute(*def, 1 + i, "type", "image");
        declare_attribute(*def, 100 + i, "type", "text");
    }
    EXPECT_EQ(def->settings.layer_count, kMaxInputs);
    EXPECT_EQ(def->settings.image_count, kMaxImages);
    EXPECT_EQ(def->settings.text_count, kMaxTexts);
}

TEST(DeclareAttribute, PopupItemsAndText) {
    run_rows({
        {"popup type before text builds items",
         2,
         {{"type", "popup"}, {"text", "A|B|C"}},
         [](const ParamDef& p, const EffectSettings&) {
             EXPECT_EQ(p.items, (std::vector<std::string>{"A", "B", "C"}));
             EXPECT_EQ(p.min, 0.0f);
             EXPECT_EQ(p.max, 2.0f);
         }},
        {"text before popup type is only stored",
         2,
         {{"text", "A|B|C"}, {"type", "popup"}},
         [](const ParamDef& p, const EffectSettings&) {
             EXPECT_EQ(p.text, "A|B|C");
             EXPECT_TRUE(p.items.empty());
             EXPECT_EQ(p.max, 1.0f);
         }},
        {"popup is an alias of text",
         2,
         {{"type", "select"}, {"popup", "x|y"}},
         [](const ParamDef& p, const EffectSettings&) { EXPECT_EQ(p.items.size(), 2u); }},
    });
}

TEST(DeclareAttribute, DefaultValues) {
    run_rows({
        {"true",
         1,
         {{"default", "true"}},
         [](const ParamDef& p, const EffectSettings&) {
             EXPECT_EQ(p.default_value[0], 1.0f);
             EXPECT_EQ(p.default_value[1], 1.0f);
             EXPECT_EQ(p.default_value[2], 1.0f);
             EXPECT_EQ(p.default_value[3], 0.0f);
         }},
        {"false",
         1,
         {{"default", "7"}, {"default", "false"}},
         [](const ParamDef& p, const EffectSettings&) { EXPECT_EQ(p.default_value[2], 0.0f); }},
        // A number reads "false" as 0 anyway; a text parameter's entries show the rewrite.
        {"false and true in a text default",
         1,
         {{"type", "text"}, {"default", "false|true"}},
         [](const ParamDef& p, const EffectSettings&) {
             EXPECT_EQ(p.items, (std::vector<std::string>{"0.0", "1.0"}));
             EXPECT_EQ(p.default_value[0], 0.0f);
             EXPECT_EQ(p.default_value[1], 1.0f);
         }},
        {"two values repeat y in z",
         1,
         {{"default", "0.2|0.4"}},
         [](const ParamDef& p, const EffectSettings&) {
             EXPECT_FLOAT_EQ(p.default_value[0], 0.2f);
             EXPECT_FLOAT_EQ(p.default_value[1], 0.4f);
             EXPECT_FLOAT_EQ(p.default_value[2], 0.4f);
         }},
        {"three values",
         1,
         {{"default", "1|2|3"}},
         [](const ParamDef& p, const EffectSettings&) {
             EXPECT_EQ(p.default_value[0], 1.0f);
             EXPECT_EQ(p.default_value[1], 2.0f);
             EXPECT_EQ(p.default_value[2], 3.0f);
         }},
        {"time sets x only",
         1,
         {{"default", "1|2|3"}, {"time", "9"}},
         [](const ParamDef& p, const EffectSettings&) {
             EXPECT_EQ(p.default_value[0], 9.0f);
             EXPECT_EQ(p.default_value[1], 2.0f);
         }},
        {"text default lists entries",
         1,
         {{"type", "text"}, {"default", "red|true|blue"}},
         [](const ParamDef& p, const EffectSettings&) {
             EXPECT_EQ(p.items, (std::vector<std::string>{"red", "1.0", "blue"}));
             EXPECT_EQ(p.max, 2.0f);
         }},
        {"default before text type builds no items",
         1,
         {{"default", "a|b"}, {"type", "text"}},
         [](const ParamDef& p, const EffectSettings&) { EXPECT_TRUE(p.items.empty()); }},
    });
}

TEST(DeclareAttribute, NumbersGroupsFlagsAndIds) {
    run_rows({
        {"ranges",
         1,
         {{"min", "-2.5"}, {"max", "10x"}, {"displaymin", "1"}, {"displaymax", "abc"}},
         [](const ParamDef& p, const EffectSettings&) {
             EXPECT_EQ(p.min, -2.5f);
             EXPECT_EQ(p.max, 10.0f);
             EXPECT_EQ(p.displaymin, 1.0f);
             EXPECT_EQ(p.displaymax, 0.0f);
         }},
        {"minimum is not min",
         1,
         {{"minimum", "5"}},
         [](const ParamDef& p, const EffectSettings&) { EXPECT_EQ(p.min, 0.0f); }},
        {"visibility",
         1,
         {{"visibility", "2"}},
         [](const ParamDef& p, const EffectSettings&) { EXPECT_EQ(p.visibility, 2); }},
        {"groupswitch then group0",
         1,
         {{"groupswitch", "10"}, {"group0", "3"}},
         [](const ParamDef& p, const EffectSettings&) { EXPECT_EQ(p.group[0], 3); }},
        {"groupswitch negates",
         1,
         {{"groupswitch", "10"}},
         [](const ParamDef& p, const EffectSettings&) { EXPECT_EQ(p.group[0], -10); }},
        {"groups by number, out of range ignored",
         1,
         {{"group15", "7"}, {"group3", "2"}, {"group", "5"}, {"group16", "9"}, {"group-1", "9"}},
         [](const ParamDef& p, const EffectSettings&) {
             EXPECT_EQ(p.group[15], 7);
             EXPECT_EQ(p.group[3], 2);
             EXPECT_EQ(p.group[0], 5);
             for (int g : {1, 2, 4, 14}) EXPECT_EQ(p.group[g], 0) << "group " << g;
         }},
        {"flags above 900 in magnitude are special",
         1,
         {{"flags", "5"}, {"flags", "-950"}},
         [](const ParamDef& p, const EffectSettings&) {
             EXPECT_EQ(p.special, -950);
             EXPECT_EQ(p.flags, 5);
         }},
        {"flags 900 is a flag",
         1,
         {{"flags", "900"}},
         [](const ParamDef& p, const EffectSettings&) {
             EXPECT_EQ(p.flags, 900);
             EXPECT_EQ(p.special, 0);
         }},
        {"positive flags drop a popup's uniform",
         1,
         {{"type", "popup"}, {"flags", "3"}},
         [](const ParamDef& p, const EffectSettings&) { EXPECT_EQ(p.components, 0); }},
        {"flags 0 keeps a popup's uniform",
         1,
         {{"type", "popup"}, {"flags", "0"}},
         [](const ParamDef& p, const EffectSettings&) { EXPECT_EQ(p.components, 1); }},
        {"special",
         1,
         {{"special", "-1001"}},
         [](const ParamDef& p, const EffectSettings&) { EXPECT_EQ(p.special, -1001); }},
        {"id", 1, {{"id", "5"}}, [](const ParamDef& p, const EffectSettings&) { EXPECT_EQ(p.id, 5); }},
    });
}

TEST(DeclareAttribute, IdAddsIdAdd) {
    const auto def = std::make_unique<EffectDefinition>();
    def->settings.id_add = 100;
    declare_attribute(*def, 2, "id", "5");
    EXPECT_EQ(def->params[2].id, 105);
    def->settings.id_add = 1;
    declare_attribute(*def, 3, "id", "2147483647");
    EXPECT_EQ(def->params[3].id, 2147483647) << "saturates instead of overflowing";
}

TEST(DeclareAttribute, ParamCountGrowsWithAnyKeyAndIgnoresSlotsWithoutStorage) {
    const auto def = std::make_unique<EffectDefinition>();
    declare_attribute(*def, 9, "no such key", "x");
    EXPECT_EQ(def->settings.param_count, 10);
    declare_attribute(*def, 4, "name", "a");
    EXPECT_EQ(def->settings.param_count, 10);
    declare_attribute(*def, 255, "name", "last");
    EXPECT_EQ(def->settings.param_count, 256);
    declare_attribute(*def, 256, "name", "none");
    declare_attribute(*def, -1, "name", "none");
    EXPECT_EQ(def->settings.param_count, 256);
    EXPECT_EQ(def->params[255].display, "last");
}

}  // namespace
}  // namespace fx
