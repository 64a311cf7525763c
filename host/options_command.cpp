// PF_Cmd_DO_DIALOG: the effect's Options button reloads the definition and rebuilds the
// shader programs, so an edited definition takes effect without restarting the host.
#include <mutex>

#include "host/command_handlers.h"
#include "host/global_state.h"
#include "host/options_reload.h"
#include "host/process_mutex.h"
#include "host/suite_cache.h"

namespace fx {

PF_Err options_command(PF_InData* in_data, PF_OutData* out_data, PF_ParamDef*[], PF_LayerDef*) {
    if (in_data == nullptr || out_data == nullptr) return PF_Err_BAD_CALLBACK_PARAM;
    // Before global set-up there is nothing to reload into.
    if (in_data->global_data == nullptr) return PF_Err_NONE;

    SuiteCache suites(in_data->pica_basicP);
    GlobalStateLock global(suites.handle_suite(), in_data->global_data);
    GlobalState* state = global.get();
    if (state == nullptr) return PF_Err_NONE;

    {
        // Frames render under the same lock, so none sees a half-loaded definition.
        std::lock_guard<std::mutex> lock(process_mutex());
        // A failed reload leaves the user with the effect as it was; the button must
        // never take the host down.
        try {
            reload_effect_definition();
        } catch (...) {}
        try {
            rebuild_renderer_programs(*state, in_data, out_data);
        } catch (...) {}
    }
    state->texts_dirty = 1;
    return PF_Err_NONE;
}

}  // namespace fx
