#include "platform/dialog_answers.h"

#include <cstdlib>
#include <fstream>
#include <map>
#include <mutex>

namespace fx::platform {

std::optional<std::string> next_dialog_answer() {
    const char* path = std::getenv(kDialogAnswersVariable);
    if (path == nullptr || *path == '\0') return std::nullopt;
    static std::mutex mutex;
    static std::map<std::string, std::size_t> taken;  // answers used per file
    std::lock_guard lock(mutex);
    std::size_t& used = taken[path];
    std::ifstream in(path);
    std::string line;
    std::size_t index = 0;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty() && line.front() == '#') continue;
        if (index++ == used) {
            ++used;
            return line;
        }
    }
    return std::string("cancel");
}

TextAnswer parse_text_answer(const std::string& line) {
    const std::size_t space = line.find(' ');
    const std::string word = line.substr(0, space);
    const std::string text = space == std::string::npos ? "" : line.substr(space + 1);
    if (word == "1" || word == "2" || word == "3") return {word[0] - '0', text};
    if (word == "enter") return {3, text};
    return {-1, ""};
}

}  // namespace fx::platform
