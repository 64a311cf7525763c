#include "simhost/fxhost/param_setting.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "definition/parse_definition.h"

namespace fx::fxhost {
namespace {

const char* const kDefinition = R"([par1]
name=Progress
param=Transition
type=float
min=0
max=100

[par2]
name=Shape
param=SHAPE
type=popup
text=Radial|Linear|Liquid

[par3]
name=Glow Color
param=GlowColor
type=color

[par4]
name=Center
param=Center
type=point

[par5]
name=Show More
param=More
type=check

[par6]
name=Steps
param=Steps
type=int
min=1
max=8

[par7]
name=Turn
param=Turn
type=angle

[par8]
name=Incoming
param=incoming
type=layer

[par9]
name=Easing
param=EASING
type=text

[par10]
name=Offset
param=Offset
type=vec2
)";

std::unique_ptr<EffectDefinition> definition() {
    auto def = std::make_unique<EffectDefinition>();
    parse_definition(*def, kDefinition, default_parse_environment());
    return def;
}

struct GoodCase {
    const char* argument;
    int slot;
    std::array<double, 4> values;
};

TEST(ParamSetting, ReadsEachTypeInItsOwnSyntax) {
    const auto def = definition();
    const GoodCase cases[] = {
        {"Transition=40", 1, {40, 0, 0, 0}},
        {"Progress=12.5", 1, {12.5, 0, 0, 0}},  // by display name
        {"Transition= 100 ", 1, {100, 0, 0, 0}},
        {"SHAPE=Liquid", 2, {3, 0, 0, 0}},
        {"SHAPE=linear", 2, {2, 0, 0, 0}},
        {"Shape=1", 2, {1, 0, 0, 0}},
        {"GlowColor=1,0.5,0", 3, {1, 0.5, 0, 1}},
        {"GlowColor=#FF8000", 3, {1, 128 / 255.0, 0, 1}},
        {"Glow Color=#0a0b0c", 3, {10 / 255.0, 11 / 255.0, 12 / 255.0, 1}},
        {"Center=640,360", 4, {640, 360, 0, 0}},
        {"Center=-3.5,1e3", 4, {-3.5, 1000, 0, 0}},
        {"More=on", 5, {1, 0, 0, 0}},
        {"More=OFF", 5, {0, 0, 0, 0}},
        {"More=1", 5, {1, 0, 0, 0}},
        {"More=0", 5, {0, 0, 0, 0}},
        {"Steps=8", 6, {8, 0, 0, 0}},
        {"Turn=-720", 7, {-720, 0, 0, 0}},
        {"Offset=0.25,-1", 10, {0.25, -1, 0, 0}},
    };
    for (const GoodCase& c : cases) {
        const ParamSetting setting = parse_param_setting(*def, c.argument);
        EXPECT_EQ(setting.slot, c.slot) << c.argument;
        for (int i = 0; i < 4; ++i) EXPECT_DOUBLE_EQ(setting.values[i], c.values[i]) << c.argument << ", value " << i;
    }
}

struct BadCase {
    const char* argument;
    const char* message;
};

TEST(ParamSetting, BadValuesSayWhatWasExpected) {
    const auto def = definition();
    const BadCase cases[] = {
        {"Transition", "--set Transition: expected NAME=VALUE"},
        {"=3", "--set =3: expected NAME=VALUE"},
        {"Transition=abc", "--set Transition=abc: expected a number from 0 to 100"},
        {"Transition=101", "--set Transition=101: expected a number from 0 to 100"},
        {"Transition=nan", "--set Transition=nan: expected a number from 0 to 100"},
        {"Transition=", "--set Transition=: expected a number from 0 to 100"},
        {"Steps=2.5", "--set Steps=2.5: expected a whole number from 1 to 8"},
        {"SHAPE=Square", "--set SHAPE=Square: expected one of Radial, Linear, Liquid (or its number, 1 to 3)"},
        {"SHAPE=0", "--set SHAPE=0: expected one of Radial, Linear, Liquid (or its number, 1 to 3)"},
        {"SHAPE=4", "--set SHAPE=4: expected one of Radial, Linear, Liquid (or its number, 1 to 3)"},
        {"GlowColor=1,2,0", "--set GlowColor=1,2,0: expected a colour as r,g,b with each from 0 to 1, or #rrggbb"},
        {"GlowColor=#12345", "--set GlowColor=#12345: expected a colour as r,g,b with each from 0 to 1, or #rrggbb"},
        {"GlowColor=#12345g", "--set GlowColor=#12345g: expected a colour as r,g,b with each from 0 to 1, or #rrggbb"},
        {"GlowColor=1,1", "--set GlowColor=1,1: expected a colour as r,g,b with each from 0 to 1, or #rrggbb"},
        {"Center=5", "--set Center=5: expected a point as x,y in layer pixels"},
        {"Center=1,2,3", "--set Center=1,2,3: expected a point as x,y in layer pixels"},
        {"More=maybe", "--set More=maybe: expected 0, 1, on or off"},
        {"incoming=a.png",
         "--set incoming: is a layer (give it a picture with --input), expected a number, colour, "
         "point, popup or checkbox parameter"},
        {"EASING=t",
         "--set EASING: is a text parameter, expected a number, colour, point, popup or checkbox "
         "parameter"},
    };
    for (const BadCase& c : cases) {
        try {
            parse_param_setting(*def, c.argument);
            ADD_FAILURE() << c.argument << ": accepted";
        } catch (const ParamSettingError& error) {
            EXPECT_EQ(std::string(error.what()), c.message) << c.argument;
        }
    }
}

TEST(ParamSetting, UnknownNamesListTheKnownOnes) {
    const auto def = definition();
    try {
        parse_param_setting(*def, "Glow=1");
        ADD_FAILURE() << "accepted";
    } catch (const ParamSettingError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "--set Glow: unknown parameter, expected one of: Transition (Progress), SHAPE (Shape), GlowColor "
                  "(Glow Color), Center, More (Show More), Steps, Turn, Offset");
    }
}

}  // namespace
}  // namespace fx::fxhost
