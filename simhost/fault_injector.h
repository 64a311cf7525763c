#pragma once
// Makes chosen host functions fail on request: the Nth call of a named function, or every
// call of it, answers with a given error code instead of doing its work.
#include <map>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace fx {

class FaultInjector {
public:
    // The nth call of `name` fails with `code`; calls are counted from 1 since construction
    // or the last reset, so a rule set later still refers to the same numbering.
    void fail_nth(std::string name, int nth, int code);
    // Every call of `name` fails with `code` until cleared.
    void fail_always(std::string name, int code);
    void clear(std::string_view name);
    void reset();

    // Called by every host function as it starts: counts the call and returns the error it
    // must answer with, or 0 when it is to do its work.
    int on_call(std::string_view name);
    int calls_seen(std::string_view name) const;

private:
    struct Rule {
        std::string name;
        int nth = 0;  // 0: every call
        int code = 0;
    };
    mutable std::mutex mutex_;
    std::vector<Rule> rules_;
    std::map<std::string, int, std::less<>> seen_;
};

}  // namespace fx
