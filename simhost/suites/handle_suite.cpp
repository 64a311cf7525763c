// "PF Handle Suite" (registered as version 2): the same handle store as in_data->utils.
#include "AE_EffectCBSuites.h"
#include "simhost/handle_calls.h"
#include "simhost/suites/suite_pieces.h"

namespace fx {

void install_handle_suite(SuiteRegistry& registry) {
    using Calls = HandleCalls<"PF Handle Suite v2">;
    static const PF_HandleSuite1 table = {Calls::new_handle,     Calls::lock_handle,     Calls::unlock_handle,
                                          Calls::dispose_handle, Calls::get_handle_size, Calls::resize_handle};
    registry.install(kPFHandleSuite, kPFHandleSuiteVersion1, &table);
}

}  // namespace fx
