#pragma once

#include <string>

namespace fx {

// One entry of the preset-file popup.
struct PresetEntry {
    std::string label;  // shown in the popup
    std::string path;   // full path of the preset file; "---" for the first entry and folder titles
};

}  // namespace fx
