// PF_Cmd_ABOUT: the About box text, written into the host's message area.
#include <string>
#include <string_view>

#include "definition/effect_definition.h"
#include "host/about_message.h"
#include "host/command_handlers.h"
#include "host/global_state.h"
#include "host/host_application.h"
#include "host/registration.h"
#include "host/suite_cache.h"

namespace fx {
namespace {

template <std::size_t N>
std::string_view whole_slot(const registration::TextSlot<N>& slot) {
    return std::string_view(slot.data(), slot.size());
}

AboutFacts about_facts(const EffectDefinition& definition) {
    AboutFacts facts;
    facts.about_text = definition.settings.description.c_str();
    facts.display_name_slot = whole_slot(registration::kDisplayName);
    facts.effect_name = definition.settings.name.c_str();
    facts.version_major = definition.settings.version[0];
    facts.version_minor = definition.settings.version[1];
    facts.version_build = definition.settings.version[2];
    facts.core_version_slot = whole_slot(registration::kCoreVersion);
    return facts;
}

}  // namespace

PF_Err about_command(PF_InData* in_data, PF_OutData* out_data, PF_ParamDef*[], PF_LayerDef*) {
    if (in_data == nullptr || out_data == nullptr) return PF_Err_BAD_CALLBACK_PARAM;
    // Premiere Pro shows its own About box for effects.
    if (is_premiere_pro(in_data)) return PF_Err_NONE;

    SuiteCache local_suites(in_data->pica_basicP);
    const PF_HandleSuite1* handles = in_data->global_data != nullptr ? local_suites.handle_suite() : nullptr;
    GlobalStateLock global(handles, in_data->global_data);

    const std::string message = compose_about_message(about_facts(effect_definition()));

    // The text goes out through the ANSI suite of the GlobalState's persistent cache.
    // Before global set-up has made one (no global data, a handle the host will not
    // lock, or a record without its cache) the command's own cache supplies the suite:
    // the About box must work whenever the user asks for it.
    GlobalState* state = global.get();
    SuiteCache& suites = (state != nullptr && state->suites != nullptr) ? *state->suites : local_suites;
    // Copied literally: a '%' in the about text is text, not a format directive.
    suites.ansi_suite()->strcpy(out_data->return_msg, message.c_str());
    return PF_Err_NONE;
}

}  // namespace fx
