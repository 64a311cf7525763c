#pragma once

#include <functional>
#include <string_view>

namespace fx {

// Reports one line of the definition parser's report: what the parser or the loader
// refused or cut, so that the author of a definition sees why a part of it had no
// effect. By default the line goes to standard output, where the "exception on line"
// message goes too; while a ParserMessageRoute is alive on this thread it goes there.
void report_parser_message(std::string_view message);

// Sends this thread's parser messages to `sink` for the route's lifetime (the parser
// installs one when its caller gave a diagnostics sink, fxhost while it loads a text),
// so a caller that shows diagnostics gets these too and standard output stays clean.
// Routes nest: the innermost one receives.
class ParserMessageRoute {
public:
    explicit ParserMessageRoute(std::function<void(std::string_view)> sink);
    ~ParserMessageRoute();
    ParserMessageRoute(const ParserMessageRoute&) = delete;
    ParserMessageRoute& operator=(const ParserMessageRoute&) = delete;

    // The route in force on this thread, null when messages go to standard output.
    static const ParserMessageRoute* current();
    void deliver(std::string_view message) const { sink_(message); }

private:
    std::function<void(std::string_view)> sink_;
    ParserMessageRoute* outer_;
};

}  // namespace fx
