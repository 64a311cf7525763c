#pragma once
// The basic suite's directory: which function table answers each (name, version), which
// suites a test has the host refuse or fail, and how often each was acquired and released.
#include <compare>
#include <map>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace fx {

struct SuiteKey {
    std::string name;
    int version = 0;
    auto operator<=>(const SuiteKey&) const = default;
};

struct SuiteCounts {
    int acquired = 0;  // successful acquisitions
    int released = 0;
    int refused = 0;  // acquisitions answered with an error
};

// "PF Handle Suite v2": how calls into a suite's functions are labelled in the call log.
std::string suite_source(std::string_view name, int version);

class SuiteRegistry {
public:
    // Installs or replaces the table that answers (name, version).
    void install(std::string name, int version, const void* table);
    void uninstall(const std::string& name, int version);
    bool installed(const std::string& name, int version) const;
    std::vector<SuiteKey> installed_suites() const;

    // AcquireSuite for (name, version) answers `code` and no table until allowed again.
    void refuse(const std::string& name, int version, int code);
    void allow(const std::string& name, int version);
    // Every function of the suite answers `code` (null for pointers, nothing for void
    // functions) until healed; the suite itself is still handed out.
    void fail(const std::string& name, int version, int code);
    void heal(const std::string& name, int version);
    int failure_of(std::string_view source) const;  // 0 when the suite works

    // The basic suite's two directory functions; codes are the basic suite's errors.
    int acquire(const char* name, int version, const void** table);
    int release(const char* name, int version);

    SuiteCounts counts(const std::string& name, int version) const;
    // Suites acquired more often than released, with the difference.
    std::vector<std::pair<SuiteKey, int>> outstanding() const;
    std::vector<std::string> misuses() const;

private:
    mutable std::mutex mutex_;
    std::map<SuiteKey, const void*> tables_;
    std::map<SuiteKey, int> refusals_;
    std::map<std::string, int, std::less<>> failures_;
    std::map<SuiteKey, SuiteCounts> counts_;
    std::vector<std::string> misuses_;
};

}  // namespace fx
