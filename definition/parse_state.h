#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "definition/effect_settings.h"
#include "definition/line_diagnostics.h"
#include "definition/preset_record.h"

namespace fx {

// Working state of one parse, shared by the line reader and the completion steps.
struct ParseState {
    std::string section;         // current section name, lowercase
    int32_t section_number = 0;  // N of "[psN]" / "[scriptN]" for the source lines that follow
    int32_t slot = -1;           // current parameter slot
    int32_t preset_popup = -1;   // preset selection: popup slot and choice, -1 = none
    int32_t preset_choice = -1;
    std::string pass_text[kPassSlots];
    std::string script_text[kScriptSlots];
    std::string vertex_text;
    std::vector<PresetRecord> preset_records;  // at most kMaxPresetRecords
    std::size_t preset_records_dropped = 0;    // assignments past that bound
    LineDiagnostics* diagnostics = nullptr;    // where warnings about the lines go; none when null
};

}  // namespace fx
