// Reactions to the user: parameter changes, parameter UI updates and custom UI events.
// Not built yet: they answer success and change nothing.
#include "host/command_handlers.h"

namespace fx {

PF_Err user_changed_param(PF_InData*, PF_OutData*, PF_ParamDef*[], PF_LayerDef*, void*) { return PF_Err_NONE; }

PF_Err custom_ui_event(PF_InData*, PF_OutData*, PF_ParamDef*[], PF_LayerDef*, void*) { return PF_Err_NONE; }

}  // namespace fx
