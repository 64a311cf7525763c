#include "definition/include_expansion.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "definition/parser_message.h"
#include "definition/source_bounds.h"
#include "definition/text_edit.h"

namespace fx {
namespace {

constexpr std::string_view kInclude = "#include";
constexpr std::string_view kIncludeTail = "\n//include";

// A text still to be copied, and how far it has been.
struct PendingText {
    std::string text;
    std::size_t at = 0;
    std::size_t left() const { return text.size() - at; }
};

// Longest include line looked at: no file system takes a longer path, and a long line of
// directives is then not scanned to its end for each of them.
constexpr std::size_t kMaxIncludeLine = 4096;

// The rest of the include line without blanks and double quotes. A quoted name ends at
// its closing quote, so that `#include "common.txt" // shared code` still finds the file;
// the whole line is kept as a comment after the inclusion anyway. An included text is
// always followed by "\n//include", so the line never goes on in the text below. A line
// longer than kMaxIncludeLine without a quoted name names no file.
std::string include_file_name(std::string_view line_rest) {
    const std::string_view head = line_rest.substr(0, kMaxIncludeLine);
    const std::size_t end = head.find_first_of("\r\n");
    const bool whole_line = end != std::string_view::npos || line_rest.size() <= kMaxIncludeLine;
    const std::string_view rest = trim(head.substr(0, end), kBlanks);
    if (rest.size() >= 2 && rest[0] == '"') {
        const std::size_t close = rest.find('"', 1);
        if (close != std::string_view::npos) return std::string(rest.substr(1, close - 1));
    }
    if (!whole_line) return {};
    std::string name(rest);
    std::erase(name, '"');
    return name;
}

bool ends_with_directive(const std::string& out) {
    return out.size() >= kInclude.size() && std::string_view(out).substr(out.size() - kInclude.size()) == kInclude;
}

class IncludeExpansion {
public:
    IncludeExpansion(std::string text, const IncludeReader& read_file) : read_file_(read_file) {
        total_ = text.size();
        out_.reserve(text.size());
        pending_.push_back({std::move(text), 0});
    }

    std::string run() {
        while (!pending_.empty()) {
            PendingText& next = pending_.back();
            if (next.left() == 0) {
                pending_.pop_back();
                continue;
            }
            // Copy up to and including the next "e", the only byte that can end a directive.
            const std::size_t e = next.text.find('e', next.at);
            const std::size_t stop = e == std::string::npos ? next.text.size() : e + 1;
            out_.append(next.text, next.at, stop - next.at);
            work_ += stop - next.at;
            next.at = stop;
            if (ends_with_directive(out_)) include_at_end();
        }
        return std::move(out_);
    }

    std::size_t work() const { return work_; }

private:
    // The directive just copied: it leaves the text, and the file's content and the tail
    // come next, ahead of the rest of the directive's line. Past the limit an include is
    // taken as a missing file so that cycles end.
    void include_at_end() {
        out_.resize(out_.size() - kInclude.size());
        total_ -= kInclude.size();
        std::string content;
        // Past the limit no name is needed; not reading it keeps a long line of
        // directives linear (each name is the rest of its line).
        if (included_ < kMaxIncludes && read_file_) {
            const PendingText& line = pending_.back();
            const std::string_view rest = std::string_view(line.text).substr(line.at);
            work_ += std::min(rest.size(), kMaxIncludeLine);
            content = read(include_file_name(rest));
        }
        ++included_;
        total_ += kIncludeTail.size() + content.size();
        pending_.push_back({std::string(kIncludeTail), 0});
        if (!content.empty()) pending_.push_back({std::move(content), 0});
    }

    // "#include" with nothing after it names no file.
    std::string read(const std::string& name) {
        if (name.empty()) return {};
        const std::size_t room =
            total_ + kIncludeTail.size() >= kMaxDefinitionText ? 0 : kMaxDefinitionText - total_ - kIncludeTail.size();
        const std::size_t budget = kMaxIncludeRead - read_;
        const std::size_t wanted = std::min(room, budget);
        std::string content = read_file_(name, wanted + 1);
        read_ += std::min(content.size(), budget);
        work_ += content.size();
        if (content.size() > wanted) {
            report_parser_message("definition include \"" + name + "\": " +
                                  (room <= budget ? "the file would make the definition text longer than 16 MiB"
                                                  : "the includes would read more than 32 MiB together") +
                                  "; it contributes nothing");
            return {};
        }
        std::erase(content, '\0');
        return content;
    }

    const IncludeReader& read_file_;
    std::vector<PendingText> pending_;  // a stack: the back is copied next
    std::string out_;
    std::size_t total_ = 0;  // bytes of out_ and of everything pending
    std::size_t read_ = 0;
    std::size_t work_ = 0;
    int included_ = 0;
};

}  // namespace

std::size_t expand_includes(std::string& text, const IncludeReader& read_file) {
    IncludeExpansion expansion(std::move(text), read_file);
    text = expansion.run();
    return expansion.work();
}

}  // namespace fx
