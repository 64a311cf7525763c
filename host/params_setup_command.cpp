// PF_Cmd_PARAMS_SETUP: one host parameter per definition slot, the texture input list
// the renderer reads, the custom control area and the parameter count.
#include <string>

#include "AE_EffectCB.h"
#include "AE_EffectUI.h"
#include "PrSDKAESupport.h"
#include "definition/effect_definition.h"
#include "host/banner_image.h"
#include "host/command_handlers.h"
#include "host/host_application.h"
#include "host/optional_suite.h"
#include "host/param_name.h"
#include "host/param_records.h"
#include "host/param_registration.h"

namespace fx {
namespace {

constexpr PF_ParamFlags supervised_choice = PF_ParamFlag_SUPERVISE | PF_ParamFlag_CANNOT_INTERP;
constexpr PF_ParamFlags supervised_button = supervised_choice | PF_ParamFlag_CANNOT_TIME_VARY;

PF_ParamUIFlags ui_flags_for(int visibility) {
    if (visibility == 1) return PF_PUI_DISABLED;
    if (visibility == 2) return PF_PUI_INVISIBLE;
    return 0;
}

// The name goes in through the host's string copy; a host without one gets it copied here.
void set_name(const PF_InData* in_data, PF_ParamDef& def, const std::string& name) {
    if (in_data->utils != nullptr && in_data->utils->ansi.strcpy != nullptr) {
        in_data->utils->ansi.strcpy(def.name, name.c_str());
        return;
    }
    name.copy(def.name, sizeof def.name - 1);
}

// One registration: the slots seen so far decide the Premiere Pro transition specifics.
class Registration {
public:
    Registration(PF_InData* in_data, EffectDefinition& definition, std::size_t banner_size)
        : in_data_(in_data),
          definition_(definition),
          premiere_(is_premiere_pro(in_data)),
          transition_(premiere_ && definition.settings.transition),
          banner_(banner_present(banner_size)) {}

    PF_Err add_slot(int index);
    bool added_custom_control() const { return custom_controls_ > 0; }

private:
    PF_Err add(PF_ParamDef& def) { return in_data_->inter.add_param(in_data_->effect_ref, -1, &def); }
    PF_Err add_transition_input(int index, PF_ParamDef& def);
    // Builds the record for the slot's type; false for a type the host does not get.
    bool build(int index, PF_ParamDef& def, bool& names_it);

    PF_InData* in_data_;
    EffectDefinition& definition_;
    const bool premiere_;
    const bool transition_;
    const bool banner_;
    bool input_registered_ = false;
    bool first_float_seen_ = false;
    int custom_controls_ = 0;
    std::string items_;  // the popup items the host is reading, alive until add_param returns
};

bool Registration::build(int index, PF_ParamDef& def, bool& names_it) {
    ParamDef& slot = definition_.params[index];
    switch (slot.type) {
        case kParamInt:
            fill_float_slider(def, slot, 0, 0);
            return true;
        case kParamFloat:
            fill_float_slider(def, slot, 2, PF_ParamFlag_COLLAPSE_TWIRLY);
            // Premiere Pro's transition drives its progress itself: the first float is
            // kept but not shown.
            if (transition_ && !first_float_seen_) def.ui_flags |= PF_PUI_INVISIBLE;
            first_float_seen_ = true;
            return true;
        case kParamCheck:
            fill_checkbox(def, slot, PF_ParamFlag_SUPERVISE);
            return true;
        case kParamPopup: {
            // "|-|" is the host's separator line; the definition's own "-" entries stay entries.
            items_ = slot.text.str();
            for (std::size_t at = items_.find("|-|"); at != std::string::npos; at = items_.find("|-|", at + 4))
                items_.replace(at, 3, "|(-|");
            fill_popup_or_path(def, slot, items_.c_str());
            return true;
        }
        case kParamLayer:
            fill_layer(def, slot);
            return true;
        case kParamColor:
            fill_color(def, slot);
            return true;
        case kParamAngle:
            fill_angle(def, slot);
            return true;
        case kParamPoint:
        case kParamVec2:
            fill_point(def, slot);
            return true;
        case kParamVec3:
            fill_point_3d(def, slot);
            return true;
        case kParamTopicStart:
            fill_group_start(def, slot);
            return true;
        case kParamTopicEnd:
            fill_group_end(def);
            names_it = false;
            return true;
        case kParamButton:
        case kParamText:
            fill_button(def, slot, supervised_button);
            return true;
        case kParamImage:
            if (premiere_) {
                fill_button(def, slot, supervised_choice);
            } else {
                fill_custom_control(def, slot, static_cast<A_short>(definition_.settings.imgwidth + 25),
                                    static_cast<A_short>(definition_.settings.imgheight));
                ++custom_controls_;
            }
            return true;
        case kParamCustom:
            if (banner_) {
                fill_custom_control(def, slot, banner_width, banner_height);
                ++custom_controls_;
                return true;
            }
            // Without its banner the control has nothing to show: the slot stays, hidden.
            slot.visibility = 2;
            fill_checkbox(def, slot, supervised_choice);
            def.ui_flags |= PF_PUI_INVISIBLE;
            return true;
        default:
            return false;
    }
}

PF_Err Registration::add_transition_input(int index, PF_ParamDef& def) {
    input_registered_ = true;
    OptionalSuite transitions(in_data_->pica_basicP, kPFTransitionSuite, kPFTransitionSuiteVersion2);
    if (transitions.granted())
        transitions.get<PF_TransitionSuite>()->RegisterTransitionInputParam(in_data_->effect_ref, index);
    def.param_type = PF_Param_LAYER;
    def.flags = 0;
    def.u.ld.dephault = PF_LayerDefault_NONE;
    set_name(in_data_, def, "Input");
    def.uu.id = definition_.params[index].id;
    return add(def);
}

PF_Err Registration::add_slot(int index) {
    const ParamDef& slot = definition_.params[index];
    if (slot.type == kParamLayer || slot.type == kParamImage) definition_.input_slots.push_back(index);

    PF_ParamDef def{};
    def.ui_flags = ui_flags_for(slot.visibility);
    // The first layer of a Premiere Pro transition is its incoming clip.
    if (transition_ && slot.type == kParamLayer && !input_registered_) return add_transition_input(index, def);

    bool names_it = true;
    if (!build(index, def, names_it)) return PF_Err_NONE;
    if (names_it) set_name(in_data_, def, host_param_name(slot.display.c_str()));
    // A custom control carries its 16-bit id in both places.
    if (def.param_type != PF_Param_ARBITRARY_DATA) def.uu.id = slot.id;
    return add(def);
}

}  // namespace

PF_Err register_params(PF_InData* in_data, PF_OutData* out_data, EffectDefinition& definition,
                       std::size_t banner_size) {
    definition.input_slots.clear();
    definition.input_slots.push_back(0);  // texture input 0 is the effect's own layer

    // A parameter the host refuses ends the command, whatever its type: the ones after
    // it would reach the host at the wrong indices.
    Registration registration(in_data, definition, banner_size);
    const int count = definition.settings.param_count;
    for (int index = 1; index < count && index < kSlotCount; ++index)
        if (const PF_Err err = registration.add_slot(index); err != PF_Err_NONE) return err;

    PF_Err result = PF_Err_NONE;
    if (registration.added_custom_control()) {
        PF_CustomUIInfo info{};
        info.events = PF_CustomEFlag_EFFECT;
        result = in_data->inter.register_ui(in_data->effect_ref, &info);
    }
    out_data->num_params = count;
    return result;
}

PF_Err params_setup(PF_InData* in_data, PF_OutData* out_data, PF_ParamDef*[], PF_LayerDef*) {
    if (in_data == nullptr || out_data == nullptr) return PF_Err_BAD_CALLBACK_PARAM;
    return register_params(in_data, out_data, effect_definition(), banner_stored_size());
}

}  // namespace fx
