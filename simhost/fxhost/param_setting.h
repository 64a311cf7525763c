#pragma once
// `--set NAME=VALUE` of fxhost render and sequence: finds the parameter by its `param`
// name or its display name and reads the value in the syntax its type suggests:
//   int, float, angle   one number (int and float within the parameter's range)
//   vec2, vec3          two or three numbers, "x,y" or "x,y,z"
//   color               "r,g,b" with each in 0..1, or "#rrggbb"
//   point               "x,y" in layer pixels
//   popup               an item's text (case does not matter) or its number, 1 for the
//                       first item, as the host's menu counts them
//   check               0, 1, on, off (also true, false, yes, no)
//   image               a picture file's path, which the plug-in loads as a picture the
//                       user chose in the panel
// Every error is a ParamSettingError whose message is one line saying what was expected.
#include <array>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "definition/effect_definition.h"

namespace fx::fxhost {

class ParamSettingError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One parsed `--set`. `values` holds what the host keeps for the type: the number; x, y
// (and z); r, g, b in 0..1; the point in layer pixels; the popup's 1-based choice; 0 or 1.
struct ParamSetting {
    int slot = -1;
    std::int32_t type = kParamFloat;
    std::array<double, 4> values{};
    std::string picture;  // an image parameter's file
    std::string text;     // the argument as given, for messages
};

// Whether --set can give a value to parameters of this type.
bool is_settable(const ParamDef& def);

// The settable parameters' names as a user would type them (`param`, with the display
// name in parentheses where it differs), for the unknown-name message.
std::vector<std::string> settable_names(const EffectDefinition& definition);

// Reads `value` for the parameter `def`; `name` is only used in messages.
std::array<double, 4> parse_param_value(const ParamDef& def, std::string_view name, std::string_view value);

// Splits "NAME=VALUE", finds the parameter and reads its value.
ParamSetting parse_param_setting(const EffectDefinition& definition, std::string_view argument);

}  // namespace fx::fxhost
