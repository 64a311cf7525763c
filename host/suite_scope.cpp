#include "host/suite_scope.h"

#include "host/host_message.h"
#include "host/suite_acquisition.h"

namespace fx {

const SPBasicSuite* basic_suite_of(const PF_InData* in_data) noexcept {
    return in_data != nullptr ? in_data->pica_basicP : nullptr;
}

PF_Err acquire_scoped_suite(const PF_InData* in_data, PF_OutData* out_data, const char* name, std::int32_t version,
                            const char* message, const void** suite) {
    const SuiteGrant grant = acquire_suite(basic_suite_of(in_data), {name, version});
    if (suite != nullptr) *suite = grant.table;
    if (grant.granted()) return PF_Err_NONE;
    report_host_message(in_data, out_data, message != nullptr ? message : kAcquireFailureMessage);
    return PF_Err_BAD_CALLBACK_PARAM;
}

PF_Err release_scoped_suite(const PF_InData* in_data, PF_OutData* out_data, const char* name, std::int32_t version,
                            const char* message) {
    if (release_suite(basic_suite_of(in_data), {name, version})) return PF_Err_NONE;
    report_host_message(in_data, out_data, message != nullptr ? message : kReleaseFailureMessage);
    return PF_Err_BAD_CALLBACK_PARAM;
}

}  // namespace fx
