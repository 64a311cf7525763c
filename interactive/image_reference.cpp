#include "interactive/image_reference.h"

#include <algorithm>

#include "definition/effect_definition.h"
#include "platform/app_data_folder.h"
#include "platform/path.h"
#include "platform/regular_file.h"

namespace fx {
namespace {

// The known-folder list is a short text; anything larger is not one and is ignored
// rather than read into memory whole.
constexpr long kMaxListFileBytes = 1 << 20;

std::string trimmed(std::string_view field) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!field.empty() && blank(field.front())) field.remove_prefix(1);
    while (!field.empty() && blank(field.back())) field.remove_suffix(1);
    return std::string(field);
}

// The first four "*"-separated fields of `text`, trimmed; missing ones empty.
std::vector<std::string> fields(std::string_view text) {
    std::vector<std::string> out;
    while (out.size() < 4) {
        const std::size_t star = text.find('*');
        out.push_back(trimmed(text.substr(0, star)));
        if (star == std::string_view::npos) break;
        text.remove_prefix(star + 1);
    }
    out.resize(4);
    return out;
}

std::string read_small_file(const std::string& path) {
    platform::FileHandle file = platform::open_regular_file(path);
    if (!file || std::fseek(file.get(), 0, SEEK_END) != 0) return {};
    const long size = std::ftell(file.get());
    if (size <= 0 || size > kMaxListFileBytes || std::fseek(file.get(), 0, SEEK_SET) != 0) return {};
    std::string text(static_cast<std::size_t>(size), '\0');
    text.resize(std::fread(text.data(), 1, text.size(), file.get()));
    return text;
}

void add_list_lines(const std::string& text, std::vector<FolderEntry>& entries) {
    std::string_view rest(text);
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        const std::string cleaned = clean_reference(line);
        if (cleaned.empty()) continue;
        const std::vector<std::string> f = fields(cleaned);
        entries.push_back({f[0], f[1], f[2]});
    }
}

std::size_t last_separator(const std::string& path) { return path.find_last_of("/\\"); }

}  // namespace

std::string clean_reference(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        if (c != '\r' && c != '\n') out += c;
    return out;
}

ImageReference split_reference(std::string_view cleaned) {
    const std::vector<std::string> f = fields(cleaned);
    return {f[0], f[1], f[2], f[3]};
}

KnownFolders known_folders() {
    const EffectSettings& settings = effect_definition().settings;
    return {platform::app_data_folder(platform::DataScope::per_user),
            platform::app_data_folder(platform::DataScope::all_users), settings.basedir.str(), settings.imgpath.str()};
}

std::vector<FolderEntry> folder_entries(const KnownFolders& folders) {
    std::vector<FolderEntry> entries;
    const std::string user_base = platform::join_path(folders.per_user, folders.basedir);
    const std::string all_base = platform::join_path(folders.all_users, folders.basedir);
    std::string list = platform::join_path(user_base, "imgpaths.txt");
    if (!image_file_exists(list)) list = platform::join_path(all_base, "imgpaths.txt");
    add_list_lines(read_small_file(list), entries);
    // The effect's own folders hold the pictures whose key1 names that folder. The
    // folder itself is where they are looked for.
    std::vector<std::string> own = {user_base, all_base};
    if (!folders.imgpath.empty()) {
        own.push_back(platform::join_path(user_base, folders.imgpath));
        own.push_back(platform::join_path(all_base, folders.imgpath));
    }
    for (const std::string& folder : own) entries.push_back({trimmed(folder), "", folder});
    return entries;
}

bool relocate(ImageReference& reference, std::string& stored, const std::vector<FolderEntry>& entries) {
    const std::size_t separator = last_separator(reference.path);
    if (separator == std::string::npos) return false;
    const auto match = std::find_if(entries.begin(), entries.end(), [&](const FolderEntry& entry) {
        return entry.key1 == reference.key1 && entry.key2 == reference.key2;
    });
    if (match == entries.end()) return false;
    const std::string moved = match->folder + reference.path.substr(separator);
    if (!image_file_exists(moved)) return false;
    reference.path = moved;
    stored = moved + "*" + reference.key1 + "*" + reference.key2 + "*" + reference.browse;
    return true;
}

bool image_file_exists(const std::string& path) { return platform::open_regular_file(path) != nullptr; }

}  // namespace fx
