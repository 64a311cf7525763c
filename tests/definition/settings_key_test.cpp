#include "definition/settings_key.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace fx {
namespace {

struct SettingsRow {
    const char* name;
    std::vector<std::pair<std::string, std::string>> lines;
    std::function<void(const EffectSettings&)> check;
};

TEST(SettingsKey, EveryKey) {
    const std::vector<SettingsRow> rows = {
        {"name is cut to 31 characters and fills bundlename",
         {{"name", "A very long effect name that goes on"}},
         [](const EffectSettings& s) {
             EXPECT_EQ(s.name, "A very long effect name that go");
             EXPECT_EQ(s.bundlename, "A very long effect name that go");
         }},
        {"a later bundlename replaces the name copy",
         {{"name", "Fx"}, {"bundlename", "X"}},
         [](const EffectSettings& s) {
             EXPECT_EQ(s.name, "Fx");
             EXPECT_EQ(s.bundlename, "X");
         }},
        {"an earlier bundlename is kept",
         {{"bundlename", "X"}, {"name", "Fx"}},
         [](const EffectSettings& s) { EXPECT_EQ(s.bundlename, "X"); }},
        {"texts",
         {{"description", "about\\ntext"},
          {"presetpath", "sub"},
          {"imgpath", "C:/img"},
          {"dialogbutton", "Go"},
          {"presetextension", "pst"},
          {"basedir", "Dir"}},
         [](const EffectSettings& s) {
             EXPECT_EQ(s.description, "about\\ntext");
             EXPECT_EQ(s.presetpath, "sub");
             EXPECT_EQ(s.imgpath, "C:/img");
             EXPECT_EQ(s.dialogbutton, "Go");
             EXPECT_EQ(s.presetextension, "pst");
             EXPECT_EQ(s.basedir, "Dir");
         }},
        {"integers",
         {{"imgwidth", "64"},
          {"imgheight", "-7"},
          {"imgscale", "3"},
          {"id_offset", "20"},
          {"id_add", "100"},
          {"range", "2"},
          {"usegpu", "-1"},
          {"presetmode", "2"},
          {"smooth", "0"},
          {"repeat", "1"},
          {"informat", "4"},
          {"outformat", "5x"}},
         [](const EffectSettings& s) {
             EXPECT_EQ(s.imgwidth, 64);
             EXPECT_EQ(s.imgheight, -7);
             EXPECT_EQ(s.imgscale, 3);
             EXPECT_EQ(s.id_offset, 20);
             EXPECT_EQ(s.id_add, 100);
             EXPECT_EQ(s.range, 2);
             EXPECT_EQ(s.usegpu, -1);
             EXPECT_EQ(s.presetmode, 2);
             EXPECT_EQ(s.smooth, 0);
             EXPECT_EQ(s.repeat, 1);
             EXPECT_EQ(s.informat, 4);
             EXPECT_EQ(s.outformat, 5);
         }},
        {"flags on",
         {{"refresh", "1"}, {"noinput", "2"}, {"fullframe", "5"}},
         [](const EffectSettings& s) {
             EXPECT_TRUE(s.refresh);
             EXPECT_TRUE(s.noinput);
             EXPECT_TRUE(s.fullframe);
         }},
        {"fullframe=0",
         {{"fullframe", "1"}, {"fullframe", "0"}},
         [](const EffectSettings& s) { EXPECT_FALSE(s.fullframe); }},
        {"fullframe=-1",
         {{"fullframe", "1"}, {"fullframe", "-1"}},
         [](const EffectSettings& s) { EXPECT_FALSE(s.fullframe); }},
        {"fullframe=yes",
         {{"fullframe", "1"}, {"fullframe", "yes"}},
         [](const EffectSettings& s) { EXPECT_FALSE(s.fullframe); }},
        {"transition then id_offset",
         {{"transition", "1"}, {"id_offset", "5"}},
         [](const EffectSettings& s) {
             EXPECT_TRUE(s.transition);
             EXPECT_EQ(s.id_offset, 5);
         }},
        {"id_offset then transition",
         {{"id_offset", "5"}, {"transition", "1"}},
         [](const EffectSettings& s) { EXPECT_EQ(s.id_offset, 0); }},
        {"transition off keeps id_offset",
         {{"id_offset", "5"}, {"transition", "0"}},
         [](const EffectSettings& s) {
             EXPECT_FALSE(s.transition);
             EXPECT_EQ(s.id_offset, 5);
         }},
        {"version a.b.c",
         {{"version", "2.0.2"}},
         [](const EffectSettings& s) {
             EXPECT_EQ(s.version[0], 2);
             EXPECT_EQ(s.version[1], 0);
             EXPECT_EQ(s.version[2], 2);
         }},
        {"version a.b",
         {{"version", "10.3.7"}, {"version", "2.1"}},
         [](const EffectSettings& s) {
             EXPECT_EQ(s.version[0], 2);
             EXPECT_EQ(s.version[1], 1);
             EXPECT_EQ(s.version[2], 0);
         }},
        {"version a",
         {{"version", "3"}},
         [](const EffectSettings& s) {
             EXPECT_EQ(s.version[0], 3);
             EXPECT_EQ(s.version[1], 0);
             EXPECT_EQ(s.version[2], 0);
         }},
        {"unknown and differently written keys are ignored",
         {{"Name", "x"}, {"name ", "y"}, {"colour", "z"}},
         [](const EffectSettings& s) {
             EXPECT_TRUE(s.name.empty());
             EXPECT_TRUE(s.bundlename.empty());
         }},
    };
    for (const SettingsRow& row : rows) {
        SCOPED_TRACE(row.name);
        const auto settings = std::make_unique<EffectSettings>();
        for (const auto& [key, value] : row.lines) apply_settings_key(*settings, key, value);
        row.check(*settings);
    }
}

}  // namespace
}  // namespace fx
