#include "host/drawing_suites.h"

#include "host/host_message.h"
#include "host/suite_acquisition.h"
#include "host/suite_scope.h"

namespace fx {
namespace {

constexpr SuiteName draw_suite{"DRAWBOT Draw Suite", 1};
constexpr SuiteName supplier_suite{"DRAWBOT Supplier Suite", 1};
constexpr SuiteName surface_suite{"DRAWBOT Surface Suite", 2};
constexpr SuiteName path_suite{"DRAWBOT Path Suite", 1};

constexpr char kNullDrawingRecordMessage[] = "NULL suite pointer passed to AEFX_AcquireDrawbotSuites";

template <class Suite>
bool acquire_into(const SPBasicSuite* basic, SuiteName suite, const Suite*& held) {
    const SuiteGrant grant = acquire_suite(basic, suite);
    if (!grant.granted()) return false;
    held = static_cast<const Suite*>(grant.table);
    return true;
}

template <class Suite>
void release_from(const PF_InData* in_data, PF_OutData* out_data, SuiteName suite, const Suite*& held) {
    if (held == nullptr) return;
    if (!release_suite(basic_suite_of(in_data), suite)) {
        report_host_message(in_data, out_data, kReleaseFailureMessage);
        return;
    }
    held = nullptr;
}

}  // namespace

PF_Err acquire_drawing_suites(const PF_InData* in_data, PF_OutData* out_data, DrawingSuites* suites) {
    if (suites == nullptr) {
        report_host_message(in_data, out_data, kNullDrawingRecordMessage);
        return PF_Err_UNRECOGNIZED_PARAM_TYPE;  // 514
    }
    const SPBasicSuite* basic = basic_suite_of(in_data);
    // In this order; the first refusal ends the set, and what was acquired stays held.
    const bool complete =
        acquire_into(basic, draw_suite, suites->draw) && acquire_into(basic, supplier_suite, suites->supplier) &&
        acquire_into(basic, surface_suite, suites->surface) && acquire_into(basic, path_suite, suites->path);
    if (!complete) {
        report_host_message(in_data, out_data, kAcquireFailureMessage);
        return PF_Err_BAD_CALLBACK_PARAM;
    }
    return PF_Err_NONE;
}

PF_Err release_drawing_suites(const PF_InData* in_data, PF_OutData* out_data, DrawingSuites* suites) {
    if (suites == nullptr) return PF_Err_NONE;
    release_from(in_data, out_data, draw_suite, suites->draw);
    release_from(in_data, out_data, supplier_suite, suites->supplier);
    release_from(in_data, out_data, surface_suite, suites->surface);
    release_from(in_data, out_data, path_suite, suites->path);
    return PF_Err_NONE;
}

}  // namespace fx
