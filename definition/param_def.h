#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "definition/text.h"

namespace fx {

// Type codes of a parameter slot; the words in the comments are the values of the
// definition's "type" attribute.
inline constexpr int32_t kParamNone = -1;       // "none": kept, but not registered with the host
inline constexpr int32_t kParamInt = 0;         // "int"
inline constexpr int32_t kParamCheck = 1;       // "check", "bool"
inline constexpr int32_t kParamPopup = 2;       // "popup", "select"
inline constexpr int32_t kParamLayer = 3;       // "layer": texture input
inline constexpr int32_t kParamFloat = 4;       // "float": the reset type
inline constexpr int32_t kParamColor = 5;       // "color"
inline constexpr int32_t kParamAngle = 6;       // "angle"
inline constexpr int32_t kParamPoint = 7;       // "point"
inline constexpr int32_t kParamTopicStart = 8;  // "topic_start": opens a parameter group
inline constexpr int32_t kParamTopicEnd = 9;    // "topic_end": closes a parameter group
inline constexpr int32_t kParamCustom = 10;     // "custom": custom control area
inline constexpr int32_t kParamButton = 11;     // "button"
inline constexpr int32_t kParamVec2 = 12;       // "vec2"
inline constexpr int32_t kParamVec3 = 13;       // "vec3"
inline constexpr int32_t kParamText = 14;       // "text": text parameter
inline constexpr int32_t kParamImage = 15;      // "image": picture loaded from disk, texture input

inline constexpr int kGroupCount = 16;
inline constexpr int kDisplayNameCount = 10;  // display + name1 .. name9

// One parameter slot. Field names are the definition's attribute words where one
// exists; `default_value` is the "default" attribute (x, y, z, w).
class ParamDef {
public:
    ParamDef() = default;
    ParamDef(const ParamDef&) = default;
    ParamDef& operator=(const ParamDef&) = default;
    virtual ~ParamDef() = default;

    // Every field back to its reset value, `items` included: a reloaded definition must
    // not show popup choices left over from the previous one.
    void reset() { *this = ParamDef(); }

    // The ten display names as one array: 0 is `display`, 1..9 are name1..name9.
    // Returns null for an index outside 0..9.
    Text* display_name(int index);
    const Text* display_name(int index) const;

    std::vector<std::string> items;  // popup choices, `text` split at "|"
    Text param;                      // shader uniform name
    Text text;                       // popup items joined by "|", checkbox or button label
    Text display;                    // name shown in the host
    Text name1, name2, name3, name4, name5, name6, name7, name8, name9;
    int32_t components = 1;  // float components of the uniform; 0 = no float uniform
    int32_t type = kParamFloat;
    int32_t visibility = 0;                             // 1 disabled, 2 hidden, anything else normal
    float default_value[4] = {0.0f, 0.0f, 0.0f, 0.0f};  // x, y, z, w (w is never set by the text)
    float min = 0.0f;
    float max = 1.0f;  // for popups the last choice index
    float displaymin = 0.0f;
    float displaymax = 0.0f;
    int32_t group[kGroupCount] = {};  // a group switch keeps its group number negated in group[0]
    int32_t flags = 0;                // per-type option, magnitude at most 900
    int32_t special = 0;              // special code
    int32_t id = -1;                  // host parameter id; -1 until assigned
};

}  // namespace fx
