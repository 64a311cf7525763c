#include "simhost/call_log.h"

#include <utility>

namespace fx {

void CallLog::record(std::string source, std::string name, std::string args, int result) {
    std::lock_guard lock(mutex_);
    calls_.push_back({std::move(source), std::move(name), std::move(args), result});
}

std::vector<HostCall> CallLog::calls() const {
    std::lock_guard lock(mutex_);
    return calls_;
}

std::vector<HostCall> CallLog::calls_named(std::string_view name) const {
    std::lock_guard lock(mutex_);
    std::vector<HostCall> found;
    for (const HostCall& call : calls_) {
        if (call.name == name) found.push_back(call);
    }
    return found;
}

std::vector<std::string> CallLog::names() const {
    std::lock_guard lock(mutex_);
    std::vector<std::string> names;
    names.reserve(calls_.size());
    for (const HostCall& call : calls_) names.push_back(call.name);
    return names;
}

std::size_t CallLog::count(std::string_view name) const {
    std::lock_guard lock(mutex_);
    std::size_t n = 0;
    for (const HostCall& call : calls_) n += call.name == name ? 1 : 0;
    return n;
}

std::size_t CallLog::size() const {
    std::lock_guard lock(mutex_);
    return calls_.size();
}

void CallLog::clear() {
    std::lock_guard lock(mutex_);
    calls_.clear();
}

}  // namespace fx
