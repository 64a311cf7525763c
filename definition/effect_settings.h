#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "definition/preset_entry.h"
#include "definition/preset_record.h"
#include "definition/text.h"

namespace fx {

inline constexpr int kPassSlots = 32;    // storage for pass sources and routing rows
inline constexpr int kMaxPasses = 31;    // passes that can run (pass_count limit)
inline constexpr int kScriptSlots = 32;  // script sections, also the script_count limit
inline constexpr int kMaxInputs = 32;    // texture inputs (layer_count limit), routing units per pass
inline constexpr int kMaxTexts = 32;     // text parameters (text_count limit)
inline constexpr int kMaxImages = 16;    // image parameters (image_count limit)

// Engine settings, pass routing and preset tables of an effect definition. Field names
// that are settings keys are the keys themselves.
class EffectSettings {
public:
    EffectSettings();
    EffectSettings(EffectSettings&&) = default;
    EffectSettings& operator=(EffectSettings&&) = default;
    virtual ~EffectSettings();

    // Every field back to its reset value; frees all texts and the preset records.
    void reset() { *this = EffectSettings(); }

    std::vector<PresetEntry> preset_entries;         // built after parsing
    std::unique_ptr<PresetRecord[]> preset_records;  // assignments of the preset sections, text order
    int32_t preset_record_count = 0;
    Text name;                       // effect name, at most 31 characters
    Text description;                // about-box text
    Text dialogbutton;               // label of the Options button
    Text presetextension;            // preset file extension without the dot; "fxpr" after reset
    Text imgpath;                    // image folder
    int32_t imgwidth = 0;            // custom control / thumbnail area; 50 after parsing when below 1
    int32_t imgheight = 0;           // same, height
    int32_t imgscale = 1;            // image fitting mode
    Text presetpath;                 // sub-folder of the preset folders
    int32_t version[3] = {1, 0, 0};  // major, minor, build
    int32_t usegpu = 1;              // forced to 0 after parsing when there is no pass source
    int32_t smooth = 1;
    int32_t range = 0;
    int32_t repeat = 0;
    int32_t param_count = 1;  // highest declared slot + 1, at least 1
    int32_t layer_count = 1;  // texture inputs: slot 0 plus layer and image slots above 0, at most 32
    int32_t text_count = 0;   // text slots, at most 32
    int32_t image_count = 0;  // image slots, at most 16
    int32_t informat = 0;
    int32_t outformat = 0;
    int32_t pass_count = 0;    // highest pass section + 1, at most 31
    int32_t script_count = 0;  // highest script section + 1, at most 32
    int32_t id_offset = 1;     // base of automatically assigned parameter ids
    int32_t id_add = 0;        // added to every explicit "id" attribute
    bool noinput = false;
    bool transition = false;
    int32_t pass_input[kPassSlots][kMaxInputs];  // buffer read on unit M of pass N; -1 = default
    int32_t pass_output[kPassSlots];             // buffer written by pass N; -1 = default
    float pass_downsample[kPassSlots] = {};      // resolution factor of pass N
    int32_t pass_smooth[kPassSlots];             // filtering of pass N; -1 = the global setting
    int32_t pass_loop[kPassSlots] = {};
    bool no_texts = true;  // cleared as soon as a slot has type "text"
    bool fullframe = false;
    bool refresh = false;
    int32_t presetmode = 0;  // preset popup: 0 flat, 1 folder name before each entry, 2 folder titles
    Text basedir;            // name of the effect's data folder
    Text bundlename;         // caption of the effect's dialogs
};

}  // namespace fx
