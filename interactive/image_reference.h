#pragma once
// Image references as projects and presets store them: a path, optionally followed by
// "*" key1 "*" key2 "*" browse folder. key1 and key2 name the picture's collection, so a
// project moved to another machine finds its pictures through the known-folder list
// "imgpaths.txt" (lines of key1 "*" key2 "*" folder).
#include <string>
#include <string_view>
#include <vector>

namespace fx {

struct ImageReference {
    std::string path;
    std::string key1;
    std::string key2;
    std::string browse;  // folder the arrow buttons step through; "" for the picture's own
};

// The reference without any CR or LF.
std::string clean_reference(std::string_view text);

// Splits a cleaned reference at "*", each field trimmed of blanks and tabs; missing
// fields are empty.
ImageReference split_reference(std::string_view cleaned);

// Where relocation looks: the two application-data folders and the definition's folder
// names below them.
struct KnownFolders {
    std::string per_user;   // per-user application-data folder
    std::string all_users;  // all-users application-data folder
    std::string basedir;    // the effect's folder name below both
    std::string imgpath;    // an extra image folder name below that; may be empty
};

KnownFolders known_folders();

// (key1, key2, folder) entries, in the order they are tried: the lines of the per-user
// "imgpaths.txt" (or, when it is missing, the all-users one), then the effect's own data
// folders, which stand for references whose key1 is that folder and whose key2 is empty.
struct FolderEntry {
    std::string key1;
    std::string key2;
    std::string folder;
};
std::vector<FolderEntry> folder_entries(const KnownFolders& folders);

// When `reference`'s file is missing, the path in the first known folder listed for its
// key1 and key2 that holds a file of the same name. Returns true and rewrites
// `reference`.path and `stored` (the text kept for the parameter) when one is found.
bool relocate(ImageReference& reference, std::string& stored, const std::vector<FolderEntry>& entries);

// True when `path` is a regular file that opens for reading.
bool image_file_exists(const std::string& path);

}  // namespace fx
