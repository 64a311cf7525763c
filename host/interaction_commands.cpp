// Custom UI events. Not built yet: they answer success and change nothing. Parameter
// changes and parameter UI updates are answered by interactive/param_change_handler.cpp.
#include "host/command_handlers.h"

namespace fx {

PF_Err custom_ui_event(PF_InData*, PF_OutData*, PF_ParamDef*[], PF_LayerDef*, void*) { return PF_Err_NONE; }

}  // namespace fx
