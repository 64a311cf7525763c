#pragma once
// What one parameter-change or UI-update command works on: the host's records, the
// definition, the instance's state, the process's state and its suites, and the chain
// of host calls the command has made so far.
#include "AE_Effect.h"
#include "definition/effect_definition.h"
#include "host/global_state.h"
#include "host/sequence_state.h"
#include "host/suite_cache.h"
#include "interactive/host_call_chain.h"

namespace fx {

struct PanelCommand {
    PF_InData* in_data;
    PF_OutData* out_data;
    PF_ParamDef** params;
    PF_LayerDef* output;  // may be null
    const EffectDefinition& definition;
    SequenceState& state;
    GlobalState& global;
    SuiteCache& suites;
    bool premiere;  // no stream operation is made under Premiere Pro
    // Slots addressed: the definition's count, but never past the parameters the host passed.
    int param_count;
    HostCallChain chain{};

    // The host's record of slot j, or null when the host passed none.
    PF_ParamDef* param(int j) const { return j >= 0 && j < param_count && params != nullptr ? params[j] : nullptr; }
    const ParamDef& slot(int j) const { return definition.params[j]; }
};

// Sets PF_OutFlag_REFRESH_UI and PF_OutFlag_FORCE_RERENDER in out_data->out_flags.
void ask_for_redraw(PF_OutData* out_data);

}  // namespace fx
