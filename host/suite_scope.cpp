#include "host/suite_scope.h"

#include "host/host_message.h"

namespace fx {
namespace {

const SPBasicSuite* basic_suite_of(const PF_InData* in_data) noexcept {
    return in_data != nullptr ? in_data->pica_basicP : nullptr;
}

struct DrawingSuiteName {
    const char* name;
    std::int32_t version;
};

constexpr DrawingSuiteName kDrawSuite{"DRAWBOT Draw Suite", 1};
constexpr DrawingSuiteName kSupplierSuite{"DRAWBOT Supplier Suite", 1};
constexpr DrawingSuiteName kSurfaceSuite{"DRAWBOT Surface Suite", 2};
constexpr DrawingSuiteName kPathSuite{"DRAWBOT Path Suite", 1};

template <class Suite>
bool acquire_into(const SPBasicSuite* basic, DrawingSuiteName suite, const Suite*& held) {
    const void* table = nullptr;
    if (basic == nullptr || basic->AcquireSuite(suite.name, suite.version, &table) != kSPNoError || table == nullptr)
        return false;
    held = static_cast<const Suite*>(table);
    return true;
}

template <class Suite>
void release_from(const PF_InData* in_data, PF_OutData* out_data, DrawingSuiteName suite, const Suite*& held) {
    if (held == nullptr) return;
    const SPBasicSuite* basic = basic_suite_of(in_data);
    if (basic == nullptr) {
        report_host_message(in_data, out_data, kReleaseFailureMessage);
        return;
    }
    basic->ReleaseSuite(suite.name, suite.version);
    held = nullptr;
}

constexpr char kNullDrawingRecordMessage[] = "NULL suite pointer passed to AEFX_AcquireDrawbotSuites";

}  // namespace

PF_Err acquire_scoped_suite(const PF_InData* in_data, PF_OutData* out_data, const char* name, std::int32_t version,
                            const char* message, const void** suite) {
    const SPBasicSuite* basic = basic_suite_of(in_data);
    const void* table = nullptr;
    if (basic != nullptr && basic->AcquireSuite(name, version, &table) == kSPNoError && table != nullptr) {
        if (suite != nullptr) *suite = table;
        return PF_Err_NONE;
    }
    if (suite != nullptr) *suite = nullptr;
    report_host_message(in_data, out_data, message != nullptr ? message : kAcquireFailureMessage);
    return PF_Err_BAD_CALLBACK_PARAM;
}

PF_Err release_scoped_suite(const PF_InData* in_data, PF_OutData* out_data, const char* name, std::int32_t version,
                            const char* message) {
    const SPBasicSuite* basic = basic_suite_of(in_data);
    if (basic != nullptr) {
        basic->ReleaseSuite(name, version);
        return PF_Err_NONE;
    }
    report_host_message(in_data, out_data, message != nullptr ? message : kReleaseFailureMessage);
    return PF_Err_BAD_CALLBACK_PARAM;
}

PF_Err acquire_drawing_suites(const PF_InData* in_data, PF_OutData* out_data, DrawingSuites* suites) {
    if (suites == nullptr) {
        report_host_message(in_data, out_data, kNullDrawingRecordMessage);
        return PF_Err_UNRECOGNIZED_PARAM_TYPE;  // 514
    }
    const SPBasicSuite* basic = basic_suite_of(in_data);
    // In this order; the first refusal ends the set, and what was acquired stays held.
    const bool complete =
        acquire_into(basic, kDrawSuite, suites->draw) && acquire_into(basic, kSupplierSuite, suites->supplier) &&
        acquire_into(basic, kSurfaceSuite, suites->surface) && acquire_into(basic, kPathSuite, suites->path);
    if (!complete) {
        report_host_message(in_data, out_data, kAcquireFailureMessage);
        return PF_Err_BAD_CALLBACK_PARAM;
    }
    return PF_Err_NONE;
}

PF_Err release_drawing_suites(const PF_InData* in_data, PF_OutData* out_data, DrawingSuites* suites) {
    if (suites == nullptr) return PF_Err_NONE;
    release_from(in_data, out_data, kDrawSuite, suites->draw);
    release_from(in_data, out_data, kSupplierSuite, suites->supplier);
    release_from(in_data, out_data, kSurfaceSuite, suites->surface);
    release_from(in_data, out_data, kPathSuite, suites->path);
    return PF_Err_NONE;
}

AcquiredSuite::AcquiredSuite(const SPBasicSuite* basic, const char* name, std::int32_t version) noexcept
    : basic_(basic), name_(name), version_(version) {
    if (basic_ == nullptr) return;
    const void* table = nullptr;
    error_ = basic_->AcquireSuite(name_, version_, &table);
    if (error_ == kSPNoError) table_ = table;
}

void AcquiredSuite::release() noexcept {
    if (table_ == nullptr) return;
    basic_->ReleaseSuite(name_, version_);
    table_ = nullptr;
}

const void* AcquiredSuite::keep() noexcept {
    const void* table = table_;
    table_ = nullptr;
    return table;
}

}  // namespace fx
