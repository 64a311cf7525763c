#include "interactive/preset_lines.h"

#include <algorithm>
#include <charconv>

namespace fx {
namespace {

constexpr std::string_view kTrimmed = " \t\r\n";

std::string_view trimmed(std::string_view line) {
    const std::size_t first = line.find_first_not_of(kTrimmed);
    if (first == std::string_view::npos) return {};
    const std::size_t last = line.find_last_not_of(kTrimmed);
    return line.substr(first, last - first + 1);
}

bool has_control_character(std::string_view line) {
    for (char c : line) {
        const auto b = static_cast<unsigned char>(c);
        if ((b < 32 && b != '\t') || b == 127) return true;
    }
    return false;
}

bool all_numbers(const std::vector<std::string_view>& fields) {
    for (std::string_view field : fields)
        if (!read_number(field)) return false;
    return true;
}

bool is_value_line(std::string_view line) {
    const auto fields = split_fields(line);
    return !fields.empty() && all_numbers(fields);
}

bool well_formed(std::string_view line) {
    if (has_control_character(line)) return false;
    switch (line.front()) {
        case 'I':
        case 'T':
            return true;
        case 'V':
            return all_numbers(split_fields(line.substr(1)));
        default:
            return is_value_line(line);
    }
}

}  // namespace

std::optional<std::vector<std::string>> preset_lines(std::string_view plain) {
    if (plain.empty() || plain.back() != '\n') return std::nullopt;
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < plain.size()) {
        std::size_t end = plain.find('\n', start);
        if (end == std::string_view::npos) end = plain.size();
        const std::string_view line = trimmed(plain.substr(start, end - start));
        start = end + 1;
        if (line.empty()) continue;
        if (!well_formed(line)) return std::nullopt;
        lines.emplace_back(line);
    }
    // One visibility line, the last: with a second one earlier, a file cut right after
    // that one would pass as whole.
    const auto visibility_lines =
        std::count_if(lines.begin(), lines.end(), [](const std::string& line) { return line.front() == 'V'; });
    if (visibility_lines != 1 || lines.back().front() != 'V') return std::nullopt;
    return lines;
}

std::vector<std::string_view> split_fields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (start <= line.size()) {
        std::size_t end = line.find('|', start);
        if (end == std::string_view::npos) end = line.size();
        if (end > start) fields.push_back(line.substr(start, end - start));
        start = end + 1;
    }
    return fields;
}

std::optional<double> read_number(std::string_view field) {
    if (!field.empty() && field.front() == '+') field.remove_prefix(1);
    if (field.empty()) return std::nullopt;
    double value = 0.0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (error != std::errc() || end != field.data() + field.size()) return std::nullopt;
    return value;
}

std::string write_number(double value) {
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6);
    if (error != std::errc()) return "0";
    return std::string(buffer, end);
}

}  // namespace fx
