#include "definition/parser_message.h"

#include <cstdio>
#include <string>

namespace fx {

void report_parser_message(std::string_view message) {
    std::string line(message);
    line.push_back('\n');
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fflush(stdout);
}

}  // namespace fx
