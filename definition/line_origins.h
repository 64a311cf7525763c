#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace fx {

// Maps the lines of a preprocessed definition text back to the lines of the text as it
// was written. Lines the preprocessing left unchanged map to themselves; between two such
// lines, changed or inserted lines map in order onto the written lines they replace (a
// replacement keeps the line count, so each changed line finds its own), and lines with
// no written counterpart left (an included file, a macro body) onto the last of them (the
// "#include" or macro use).
class LineOrigins {
public:
    LineOrigins(std::string_view written, std::string_view expanded);

    // 1-based written line of the 0-based expanded line `index`.
    int32_t written_line(int32_t index) const;

private:
    std::vector<int32_t> origin_;  // 1-based written line per expanded line
};

}  // namespace fx
