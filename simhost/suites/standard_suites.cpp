#include "simhost/host_pieces.h"
#include "simhost/suites/suite_pieces.h"

namespace fx {

void install_standard_suites(SuiteRegistry& registry) {
    install_handle_suite(registry);
    install_ansi_suite(registry);
    install_iterate_suites(registry);
    install_world_suite(registry);
    install_pixel_format_suites(registry);
    install_premiere_suites(registry);
    install_cache_on_load_suite(registry);
    install_effect_ui_suites(registry);
    install_param_suites(registry);
    install_adv_suites(registry);
    install_sequence_data_suite(registry);
    install_aegp_utility_suites(registry);
    install_aegp_stream_suites(registry);
    install_aegp_effect_suites(registry);
    install_drawbot_suites(registry);
}

}  // namespace fx
