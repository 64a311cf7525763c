#include "simhost/fxhost/progress_bar.h"

#include <unistd.h>

#include <algorithm>
#include <iostream>

namespace fx::fxhost {

std::string progress_text(long long done, long long total, const std::string& note, int width) {
    const long long shown = std::clamp(done, 0LL, std::max(total, 0LL));
    const int filled = total > 0 ? static_cast<int>(shown * width / total) : width;
    const int percent = total > 0 ? static_cast<int>(shown * 100 / total) : 100;
    std::string text = "[" + std::string(static_cast<std::size_t>(filled), '#') +
                       std::string(static_cast<std::size_t>(width - filled), '.') + "] ";
    text += (percent < 10    ? "  "
             : percent < 100 ? " "
                             : "") +
            std::to_string(percent) + "% " + std::to_string(shown) + "/" + std::to_string(total);
    if (!note.empty()) text += " " + note;
    return text;
}

bool output_is_terminal() { return isatty(STDOUT_FILENO) == 1; }

ProgressBar::ProgressBar(long long total, bool enabled) : total_(total), enabled_(enabled) {}

ProgressBar::~ProgressBar() { finish(); }

void ProgressBar::show(long long done, const std::string& note) {
    if (!enabled_) return;
    std::cout << "\r" << progress_text(done, total_, note) << "\x1b[K" << std::flush;
    drawn_ = true;
}

void ProgressBar::finish() {
    if (!drawn_) return;
    std::cout << "\r\x1b[K" << std::flush;
    drawn_ = false;
}

}  // namespace fx::fxhost
