#include "simhost/fault_injector.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace fx {

void FaultInjector::fail_nth(std::string name, int nth, int code) {
    if (nth < 1) throw std::invalid_argument("FaultInjector::fail_nth: call number must be 1 or more");
    std::lock_guard lock(mutex_);
    rules_.push_back({std::move(name), nth, code});
}

void FaultInjector::fail_always(std::string name, int code) {
    std::lock_guard lock(mutex_);
    rules_.push_back({std::move(name), 0, code});
}

void FaultInjector::clear(std::string_view name) {
    std::lock_guard lock(mutex_);
    std::erase_if(rules_, [&](const Rule& rule) { return rule.name == name; });
}

void FaultInjector::reset() {
    std::lock_guard lock(mutex_);
    rules_.clear();
    seen_.clear();
}

int FaultInjector::on_call(std::string_view name) {
    std::lock_guard lock(mutex_);
    auto it = seen_.find(name);
    if (it == seen_.end()) it = seen_.emplace(std::string(name), 0).first;
    const int number = ++it->second;
    for (const Rule& rule : rules_) {
        if (rule.name == name && (rule.nth == 0 || rule.nth == number)) return rule.code;
    }
    return 0;
}

int FaultInjector::calls_seen(std::string_view name) const {
    std::lock_guard lock(mutex_);
    auto it = seen_.find(name);
    return it == seen_.end() ? 0 : it->second;
}

}  // namespace fx
