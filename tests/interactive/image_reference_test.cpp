// Image references: splitting, relocation through the known-folder list and the effect's
// own folders, and the sibling pictures of a folder.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <string>
#include <vector>

#include "interactive/image_reference.h"
#include "interactive/image_siblings.h"
#include "picture_files.h"

namespace fx::test {
namespace {

using Strings = std::vector<std::string>;

// A fresh folder below the test's temporary folder, removed with its files at the end.
class Folder {
public:
    explicit Folder(const std::string& stem) : path_(temp_path(stem)) { mkdir(path_.c_str(), 0755); }
    ~Folder() {
        for (const std::string& file : files_) std::remove(file.c_str());
        for (auto it = folders_.rbegin(); it != folders_.rend(); ++it) rmdir(it->c_str());
        rmdir(path_.c_str());
    }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name, const std::string& content = "x") {
        const std::string at = path_ + "/" + name;
        std::ofstream(at) << content;
        files_.push_back(at);
        return at;
    }
    std::string folder(const std::string& name) {
        const std::string at = path_ + "/" + name;
        mkdir(at.c_str(), 0755);
        folders_.push_back(at);
        return at;
    }

private:
    std::string path_;
    Strings files_;
    Strings folders_;
};

TEST(ImageReference, FieldsAreSplitAtStarsAndTrimmed) {
    const struct {
        const char* text;
        ImageReference want;
    } cases[] = {
        {"", {"", "", "", ""}},
        {"/pics/a.png", {"/pics/a.png", "", "", ""}},
        {" /pics/a.png \t*\tpackA *1* /browse ", {"/pics/a.png", "packA", "1", "/browse"}},
        {"a.png*k1", {"a.png", "k1", "", ""}},
        {"a.png*k1*k2*b*extra*more", {"a.png", "k1", "k2", "b"}},
    };
    for (const auto& c : cases) {
        const ImageReference got = split_reference(c.text);
        EXPECT_EQ((Strings{got.path, got.key1, got.key2, got.browse}),
                  (Strings{c.want.path, c.want.key1, c.want.key2, c.want.browse}))
            << c.text;
    }
    EXPECT_EQ(clean_reference("a\r\n.p\nng\r"), "a.png");
}

TEST(ImageReference, AMissingFileIsFoundInTheListedFolderOfItsKeys) {
    Folder library("library");
    library.file("a.png");
    // A Windows path of another machine: only its file name is kept.
    ImageReference reference{"C:\\pics\\a.png", "packA", "1", ""};
    std::string stored = "C:\\pics\\a.png*packA*1*";
    const std::vector<FolderEntry> entries = {
        {"packA", "2", "/nowhere"}, {"packA", "1", library.path()}, {"packA", "1", "/later"}};
    ASSERT_TRUE(relocate(reference, stored, entries));
    EXPECT_EQ(reference.path, library.path() + "\\a.png");
    EXPECT_EQ(stored, library.path() + "\\a.png*packA*1*");
    EXPECT_TRUE(image_file_exists(reference.path)) << "backslashes are read as separators";
}

TEST(ImageReference, NothingChangesWithoutAMatchAFileOrAFolderPart) {
    Folder library("library");
    library.file("a.png");
    const std::vector<FolderEntry> entries = {{"packA", "1", library.path()}};
    for (const ImageReference& start :
         {ImageReference{"/pics/a.png", "packB", "1", ""}, ImageReference{"/pics/missing.png", "packA", "1", ""},
          ImageReference{"a.png", "packA", "1", ""}}) {
        ImageReference reference = start;
        std::string stored = "unchanged";
        EXPECT_FALSE(relocate(reference, stored, entries)) << start.path;
        EXPECT_EQ(reference.path, start.path);
        EXPECT_EQ(stored, "unchanged");
    }
    // Only the first entry with the keys is tried.
    ImageReference reference{"/pics/a.png", "packA", "1", ""};
    std::string stored;
    EXPECT_FALSE(relocate(reference, stored, {{"packA", "1", "/nowhere"}, {"packA", "1", library.path()}}));
}

TEST(ImageReference, TheListFileIsReadFromThePerUserFolderFirst) {
    Folder user("user"), all("all");
    user.folder("Base");
    all.folder("Base");
    user.file("Base/imgpaths.txt", "\r\nk1*k2*/first\r\n\n  one * two * /second  \r\n");
    all.file("Base/imgpaths.txt", "shared*x*/shared\n");
    const std::vector<FolderEntry> entries = folder_entries({user.path(), all.path(), "Base", "Pictures"});
    Strings got;
    for (const FolderEntry& e : entries) got.push_back(e.key1 + "|" + e.key2 + "|" + e.folder);
    const std::string ub = user.path() + "/Base", ab = all.path() + "/Base";
    EXPECT_EQ(got, (Strings{"k1|k2|/first", "one|two|/second", ub + "||" + ub, ab + "||" + ab,
                            ub + "/Pictures||" + ub + "/Pictures", ab + "/Pictures||" + ab + "/Pictures"}));
}

TEST(ImageReference, WithoutAPerUserListTheAllUsersOneIsRead) {
    Folder user("user"), all("all");
    all.folder("Base");
    all.file("Base/imgpaths.txt", "shared*x*/shared");
    const std::vector<FolderEntry> entries = folder_entries({user.path(), all.path(), "Base", ""});
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].folder, "/shared");
    EXPECT_EQ(entries[1].key1, user.path() + "/Base");
    EXPECT_EQ(entries[2].key1, all.path() + "/Base");
}

TEST(ImageReference, TheEffectsOwnFolderHoldsPicturesKeyedWithIt) {
    Folder user("user");
    user.folder("Base");
    user.file("Base/b.jpg");
    const std::vector<FolderEntry> entries = folder_entries({user.path(), "/nonexistent", "Base", ""});
    ImageReference reference{"D:\\old\\b.jpg", user.path() + "/Base", "", ""};
    std::string stored;
    ASSERT_TRUE(relocate(reference, stored, entries));
    EXPECT_EQ(reference.path, user.path() + "/Base\\b.jpg");
}

TEST(ImageSiblings, PictureFilesOfTheFolderInByteOrder) {
    Folder pics("pics");
    for (const char* name : {"b.png", "B.JPG", "a.jpeg", "notes.txt", "photo.Png.bak", "c.gif"}) pics.file(name);
    pics.folder("sub.png");
    pics.file("sub.png/inner.png");
    const std::string p = pics.path() + "/";
    const Strings siblings = sibling_pictures(pics.path());
    EXPECT_EQ(siblings, (Strings{p + "B.JPG", p + "a.jpeg", p + "b.png", p + "photo.Png.bak"}));
    EXPECT_EQ(sibling_pictures(pics.path() + "/"), siblings) << "a trailing separator is not doubled";
    EXPECT_EQ(sibling_position(siblings, p + "b.png"), 2);
    EXPECT_EQ(sibling_position(siblings, p + "missing.png"), 0);
    EXPECT_TRUE(sibling_pictures("").empty());
    EXPECT_TRUE(sibling_pictures(pics.path() + "/missing").empty());
}

TEST(ImageSiblings, TheBrowseFolderIsTheGivenOneOrThePicturesOwn) {
    EXPECT_EQ(browse_folder("/pics/a.png", ""), "/pics");
    EXPECT_EQ(browse_folder("C:\\pics\\a.png", ""), "C:\\pics");
    EXPECT_EQ(browse_folder("/pics/a.png", "/other"), "/other");
    EXPECT_EQ(browse_folder("a.png", ""), "");
}

}  // namespace
}  // namespace fx::test
