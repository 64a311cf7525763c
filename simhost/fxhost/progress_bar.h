#pragma once
// The progress of a long run on a terminal: one line redrawn in place, shown only when
// standard output is a terminal, so that logs and pipes get no control characters.
#include <cstdio>
#include <string>

namespace fx::fxhost {

class ProgressBar {
public:
    ProgressBar(long long total, bool enabled);
    ~ProgressBar();
    ProgressBar(const ProgressBar&) = delete;
    ProgressBar& operator=(const ProgressBar&) = delete;

    void show(long long done, const std::string& note);
    // Clears the line so that what is printed next starts on a clean one.
    void finish();

private:
    long long total_;
    bool enabled_;
    bool drawn_ = false;
};

// The bar's text for `done` of `total`: "[#####.....]  50% 5/10 note".
std::string progress_text(long long done, long long total, const std::string& note, int width = 30);

// Whether standard output is a terminal.
bool output_is_terminal();

}  // namespace fx::fxhost
