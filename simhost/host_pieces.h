#pragma once
// The tables the simulated host hands out, one piece per file; SimHost assembles them.
#include "AE_Effect.h"
#include "AE_EffectCB.h"
#include "SPBasic.h"

namespace fx {

class SuiteRegistry;

SPBasicSuite make_basic_suite();
PF_InteractCallbacks make_interact_callbacks();
PF_UtilCallbacks make_util_callbacks();

// Installs every suite the host offers, each from its own piece under suites/.
void install_standard_suites(SuiteRegistry& registry);

}  // namespace fx
