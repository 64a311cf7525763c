#include "simhost/suite_registry.h"

#include "SPErrorCodes.h"

namespace fx {

std::string suite_source(std::string_view name, int version) {
    return std::string(name) + " v" + std::to_string(version);
}

void SuiteRegistry::install(std::string name, int version, const void* table) {
    std::lock_guard lock(mutex_);
    tables_[SuiteKey{std::move(name), version}] = table;
}

void SuiteRegistry::uninstall(const std::string& name, int version) {
    std::lock_guard lock(mutex_);
    tables_.erase(SuiteKey{name, version});
}

bool SuiteRegistry::installed(const std::string& name, int version) const {
    std::lock_guard lock(mutex_);
    return tables_.count(SuiteKey{name, version}) != 0;
}

std::vector<SuiteKey> SuiteRegistry::installed_suites() const {
    std::lock_guard lock(mutex_);
    std::vector<SuiteKey> keys;
    for (const auto& [key, table] : tables_) keys.push_back(key);
    return keys;
}

void SuiteRegistry::refuse(const std::string& name, int version, int code) {
    std::lock_guard lock(mutex_);
    refusals_[SuiteKey{name, version}] = code;
}

void SuiteRegistry::allow(const std::string& name, int version) {
    std::lock_guard lock(mutex_);
    refusals_.erase(SuiteKey{name, version});
}

void SuiteRegistry::fail(const std::string& name, int version, int code) {
    std::lock_guard lock(mutex_);
    failures_[suite_source(name, version)] = code;
}

void SuiteRegistry::heal(const std::string& name, int version) {
    std::lock_guard lock(mutex_);
    failures_.erase(suite_source(name, version));
}

int SuiteRegistry::failure_of(std::string_view source) const {
    std::lock_guard lock(mutex_);
    auto it = failures_.find(source);
    return it == failures_.end() ? 0 : it->second;
}

int SuiteRegistry::acquire(const char* name, int version, const void** table) {
    if (table != nullptr) *table = nullptr;
    if (name == nullptr || table == nullptr) return kSPBadParameterError;
    std::lock_guard lock(mutex_);
    SuiteKey key{name, version};
    SuiteCounts& counts = counts_[key];
    if (auto refusal = refusals_.find(key); refusal != refusals_.end()) {
        ++counts.refused;
        return refusal->second;
    }
    auto it = tables_.find(key);
    if (it == tables_.end()) {
        ++counts.refused;
        return kSPSuiteNotFoundError;
    }
    *table = it->second;
    ++counts.acquired;
    return kSPNoError;
}

int SuiteRegistry::release(const char* name, int version) {
    if (name == nullptr) return kSPBadParameterError;
    std::lock_guard lock(mutex_);
    SuiteKey key{name, version};
    // A suite the host never handed out (unknown, or refused every time) is as unbalanced a
    // release as one released twice: both are the plug-in's fault and both are reported.
    const auto counted = counts_.find(key);
    if (counted == counts_.end() || counted->second.released >= counted->second.acquired) {
        misuses_.push_back("ReleaseSuite: " + suite_source(name, version) + " released more often than acquired");
        return tables_.count(key) == 0 ? kSPSuiteNotFoundError : kSPSuiteAlreadyReleasedError;
    }
    ++counted->second.released;
    return kSPNoError;
}

SuiteCounts SuiteRegistry::counts(const std::string& name, int version) const {
    std::lock_guard lock(mutex_);
    auto it = counts_.find(SuiteKey{name, version});
    return it == counts_.end() ? SuiteCounts{} : it->second;
}

std::vector<std::pair<SuiteKey, int>> SuiteRegistry::outstanding() const {
    std::lock_guard lock(mutex_);
    std::vector<std::pair<SuiteKey, int>> open;
    for (const auto& [key, counts] : counts_) {
        if (counts.acquired > counts.released) open.emplace_back(key, counts.acquired - counts.released);
    }
    return open;
}

std::vector<std::string> SuiteRegistry::misuses() const {
    std::lock_guard lock(mutex_);
    return misuses_;
}

}  // namespace fx
