#pragma once
// One installer per suite piece; each file under suites/ defines one of them.
#include "simhost/suite_registry.h"

namespace fx {

void install_handle_suite(SuiteRegistry& registry);
void install_ansi_suite(SuiteRegistry& registry);
void install_iterate_suites(SuiteRegistry& registry);
void install_world_suite(SuiteRegistry& registry);
void install_pixel_format_suites(SuiteRegistry& registry);
void install_premiere_suites(SuiteRegistry& registry);
void install_cache_on_load_suite(SuiteRegistry& registry);
void install_effect_ui_suites(SuiteRegistry& registry);
void install_param_suites(SuiteRegistry& registry);
void install_adv_suites(SuiteRegistry& registry);
void install_sequence_data_suite(SuiteRegistry& registry);
void install_aegp_utility_suites(SuiteRegistry& registry);
void install_aegp_stream_suites(SuiteRegistry& registry);
void install_aegp_effect_suites(SuiteRegistry& registry);
void install_drawbot_suites(SuiteRegistry& registry);

}  // namespace fx
