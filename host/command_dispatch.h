#pragma once
// Routes a host command to its handler and turns whatever leaves the handler into the
// command's result. This is the plug-in's only exception firewall.

#include "AE_Effect.h"

namespace fx {

// One handler per command the plug-in answers. The plug-in runs default_command_table();
// tests build their own table to watch the routing, the lock and the error translation.
struct CommandTable {
    using Handler = PF_Err (*)(PF_InData*, PF_OutData*, PF_ParamDef*[], PF_LayerDef*);
    using HandlerWithExtra = PF_Err (*)(PF_InData*, PF_OutData*, PF_ParamDef*[], PF_LayerDef*, void*);
    using FlattenHandler = PF_Err (*)(PF_InData*, PF_OutData*, PF_ParamDef*[], PF_LayerDef*, bool);
    using SmartHandler = PF_Err (*)(PF_InData*, PF_OutData*, void*);

    Handler about;
    Handler global_setup;
    Handler global_setdown;
    Handler params_setup;
    Handler sequence_setup;
    Handler sequence_resetup;
    FlattenHandler sequence_flatten;
    Handler sequence_setdown;
    Handler options;
    Handler render;
    HandlerWithExtra user_changed_param;  // parameter change and parameter UI update
    HandlerWithExtra event;
    SmartHandler smart_pre_render;
    SmartHandler smart_render;
};

const CommandTable& default_command_table() noexcept;

// The result of one host command. Unknown codes (negative ones included) return 0 at
// once. The four sequence commands run under the process mutex, and whatever they throw
// is swallowed (their result is then 0). Elsewhere an integer exception is the result,
// any other exception 512.
PF_Err dispatch_command(const CommandTable& table, PF_Cmd cmd, PF_InData* in_data, PF_OutData* out_data,
                        PF_ParamDef* params[], PF_LayerDef* output, void* extra) noexcept;

}  // namespace fx
