// PF_Cmd_GLOBAL_SETDOWN: everything global set-up made is given back, in reverse.
#include "host/command_handlers.h"
#include "host/global_state.h"
#include "host/global_state_release.h"
#include "host/suite_cache.h"

namespace fx {

PF_Err global_setdown(PF_InData* in_data, PF_OutData*, PF_ParamDef*[], PF_LayerDef*) {
    if (in_data == nullptr || in_data->global_data == nullptr) return PF_Err_NONE;
    SuiteCache local_suites(in_data->pica_basicP);
    const PF_HandleSuite1* handles = local_suites.handle_suite();
    if (auto* state = static_cast<GlobalState*>(handles->host_lock_handle(in_data->global_data)))
        release_global_state(*state, handles, in_data->pica_basicP);
    // Still locked: disposal ends the lock with the handle.
    handles->host_dispose_handle(in_data->global_data);
    return PF_Err_NONE;
}

}  // namespace fx
