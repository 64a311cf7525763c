#include "tests/fuzz/preset_reader_fuzz_target.h"

#include <string_view>

#include "interactive/preset_codec.h"
#include "interactive/preset_key.h"
#include "interactive/preset_lines.h"

namespace fx::test {
namespace {

// Cuts are checked for short inputs only: each cut decodes the whole prefix again.
constexpr std::size_t kCutCheckLimit = 256;

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

std::string check_lines(const std::vector<std::string>& lines) {
    if (lines.empty() || lines.back().front() != 'V') return "an accepted text does not end with its V line";
    for (const std::string& line : lines) {
        if (line.empty()) return "an empty line was kept";
        if (line.find_first_of("\r\n") != std::string::npos) return "a line holds a line end";
        const char first = line.front();
        const char last = line.back();
        if (first == ' ' || first == '\t' || last == ' ' || last == '\t') return "a line was not trimmed";
    }
    return {};
}

// Written again with the same key, the lines must read back as they are, and no cut of
// the written file may pass as a whole preset.
std::string check_written_again(const std::vector<std::string>& lines) {
    const std::string plain = joined(lines);
    const std::string file = encode_preset(plain, preset_key());
    const auto decoded = decode_preset(file, preset_key());
    if (!decoded || *decoded != plain) return "a written preset does not decode to its text";
    const auto again = preset_lines(*decoded);
    if (!again || *again != lines) return "a written preset does not read back to its lines";
    if (file.size() > kCutCheckLimit * 4) return {};
    for (std::size_t size = 0; size < file.size(); ++size) {
        const auto cut = decode_preset(std::string_view(file).substr(0, size), preset_key());
        if (cut && preset_lines(*cut)) return "a cut of a written preset at " + std::to_string(size) + " was accepted";
    }
    return {};
}

std::string check_plain(std::string_view plain) {
    const auto lines = preset_lines(plain);
    if (!lines) return {};
    std::string broken = check_lines(*lines);
    if (broken.empty()) broken = check_written_again(*lines);
    return broken;
}

}  // namespace

std::string fuzz_preset_reader(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (const auto plain = decode_preset(bytes, preset_key())) {
        const std::string broken = check_plain(*plain);
        if (!broken.empty()) return "as a file: " + broken;
    }
    const std::string broken = check_plain(bytes);
    return broken.empty() ? broken : "as a plain text: " + broken;
}

}  // namespace fx::test
