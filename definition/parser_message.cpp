#include "definition/parser_message.h"

#include <cstdio>
#include <string>

namespace fx {
namespace {

thread_local ParserMessageRoute* current_route = nullptr;

}  // namespace

ParserMessageRoute::ParserMessageRoute(std::function<void(std::string_view)> sink)
    : sink_(std::move(sink)), outer_(current_route) {
    current_route = this;
}

ParserMessageRoute::~ParserMessageRoute() { current_route = outer_; }

const ParserMessageRoute* ParserMessageRoute::current() { return current_route; }

void report_parser_message(std::string_view message) {
    if (current_route != nullptr) {
        current_route->deliver(message);
        return;
    }
    std::string line(message);
    line.push_back('\n');
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fflush(stdout);
}

}  // namespace fx
