#include "host/suite_scope.h"

#include <array>

#include "host/host_message.h"

namespace fx {
namespace {

const SPBasicSuite* basic_suite_of(const PF_InData* in_data) noexcept {
    return in_data != nullptr ? in_data->pica_basicP : nullptr;
}

struct DrawingSuiteSlot {
    const char* name;
    std::int32_t version;
    const void* DrawingSuites::*member;
};

constexpr std::array<DrawingSuiteSlot, 4> drawing_suite_slots{{
    {"DRAWBOT Draw Suite", 1, &DrawingSuites::draw},
    {"DRAWBOT Supplier Suite", 1, &DrawingSuites::supplier},
    {"DRAWBOT Surface Suite", 2, &DrawingSuites::surface},
    {"DRAWBOT Path Suite", 1, &DrawingSuites::path},
}};

constexpr char null_drawing_record_message[] = "NULL suite pointer passed to AEFX_AcquireDrawbotSuites";

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
    report_host_message(in_data, out_data, message != nullptr ? message : acquire_failure_message);
    return PF_Err_BAD_CALLBACK_PARAM;
}

PF_Err release_scoped_suite(const PF_InData* in_data, PF_OutData* out_data, const char* name, std::int32_t version,
                            const char* message) {
    const SPBasicSuite* basic = basic_suite_of(in_data);
    if (basic != nullptr) {
        basic->ReleaseSuite(name, version);
        return PF_Err_NONE;
    }
    report_host_message(in_data, out_data, message != nullptr ? message : release_failure_message);
    return PF_Err_BAD_CALLBACK_PARAM;
}

PF_Err acquire_drawing_suites(const PF_InData* in_data, PF_OutData* out_data, DrawingSuites* suites) {
    if (suites == nullptr) {
        report_host_message(in_data, out_data, null_drawing_record_message);
        return PF_Err_UNRECOGNIZED_PARAM_TYPE;  // 514
    }
    const SPBasicSuite* basic = basic_suite_of(in_data);
    for (const DrawingSuiteSlot& slot : drawing_suite_slots) {
        const void* table = nullptr;
        if (basic == nullptr || basic->AcquireSuite(slot.name, slot.version, &table) != kSPNoError ||
            table == nullptr) {
            report_host_message(in_data, out_data, acquire_failure_message);
            return PF_Err_BAD_CALLBACK_PARAM;
        }
        suites->*slot.member = table;
    }
    return PF_Err_NONE;
}

PF_Err release_drawing_suites(const PF_InData* in_data, PF_OutData* out_data, DrawingSuites* suites) {
    if (suites == nullptr) return PF_Err_NONE;
    const SPBasicSuite* basic = basic_suite_of(in_data);
    for (const DrawingSuiteSlot& slot : drawing_suite_slots) {
        if (suites->*slot.member == nullptr) continue;
        if (basic == nullptr) {
            report_host_message(in_data, out_data, release_failure_message);
            continue;
        }
        basic->ReleaseSuite(slot.name, slot.version);
        suites->*slot.member = nullptr;
    }
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
