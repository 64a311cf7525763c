#include "host/suite_acquisition.h"

namespace fx {

SuiteGrant acquire_suite(const SPBasicSuite* basic, SuiteName suite) noexcept {
    SuiteGrant grant;
    if (basic == nullptr) return grant;
    const void* table = nullptr;
    grant.error = basic->AcquireSuite(suite.name, suite.version, &table);
    if (grant.error == kSPNoError) grant.table = table;
    return grant;
}

bool release_suite(const SPBasicSuite* basic, SuiteName suite) noexcept {
    if (basic == nullptr) return false;
    basic->ReleaseSuite(suite.name, suite.version);
    return true;
}

}  // namespace fx
