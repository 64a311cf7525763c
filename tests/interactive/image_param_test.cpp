// Image parameters through EffectMain: a file chosen in the dialog is decoded into the
// parameter's holder, the reference is kept, the project is marked dirty and the panel
// redrawn; a missing or damaged file leaves the placeholder; a moved file is found
// through the known-folder list.
#include <sys/stat.h>

#include "host/image_records.h"
#include "panel_fixture.h"
#include "picture_files.h"

namespace fx::test {
namespace {

const char* const picture_param = "[par1]\nname=Picture\ntype=image\n[par2]\nname=Amount\ntype=float\n";
const char* const small_control = "imgwidth=40\nimgheight=30\n";

class ImageParam : public PanelTest {
protected:
    // A 6 x 4 RGB PNG of one colour.
    std::string solid_png(const std::string& stem) { return solid_png_at(temp_path(stem)); }
    std::string solid_png_at(const std::string& path) {
        PngLayout layout{6, 4, 2 /* RGB */, 8, false, {}, {}, {}, false, {0, 0, 0}};
        for (int i = 0; i < 6 * 4; ++i) layout.samples.insert(layout.samples.end(), {200, 40, 90});
        write_png(path, layout);
        files_.push_back(path);
        return path;
    }
    void TearDown() override {
        PanelTest::TearDown();
        for (const std::string& file : files_) std::remove(file.c_str());
    }
    const ImageHolder& holder() { return *state().images[0]; }
    std::string stored() { return state().image_paths[0] != nullptr ? state().image_paths[0] : "(null)"; }

    std::vector<std::string> files_;
};

TEST_F(ImageParam, AChosenFileIsDecodedKeptAndMarksTheProjectDirty) {
    start(picture_param, small_control);
    const std::string path = solid_png("chosen.png");
    clear_texts_dirty();
    answers(path + "\n");
    const CommandResult r = change(1);
    EXPECT_EQ(r.result, PF_Err_NONE);
    EXPECT_FALSE(r.shows_message()) << r.message();
    EXPECT_EQ(stored(), path);
    const ImageHolder& h = holder();
    EXPECT_EQ(h.full.width, 6u);
    EXPECT_EQ(h.full.height, 4u);
    EXPECT_EQ(h.full.channels, 4);
    EXPECT_EQ((std::vector<int>{h.full.pixels[0], h.full.pixels[1], h.full.pixels[2], h.full.pixels[3]}),
              (std::vector<int>{200, 40, 90, 255}));
    EXPECT_EQ(h.thumb.pixels.size(), 65u * 30u * 4u);
    EXPECT_EQ((std::vector<int>{h.thumb.pixels[0], h.thumb.pixels[1], h.thumb.pixels[2], h.thumb.pixels[3]}),
              (std::vector<int>{90, 40, 200, 255}))
        << "the thumbnail holds blue, green, red, alpha";
    EXPECT_EQ(host_.log().count("PF_SetProjectDirty"), 1u);
    EXPECT_EQ(global().texts_dirty, 1);
    EXPECT_NE(r.out.out_flags & PF_OutFlag_REFRESH_UI, 0);
    ASSERT_FALSE(h.siblings.empty()) << "the picture's own folder is listed";
    EXPECT_EQ(h.siblings[static_cast<std::size_t>(h.sibling_index)], path);

    // The same file again: nothing is loaded, the host is not called.
    host_.log().clear();
    answers(path + "\n");
    EXPECT_EQ(change(1).result, PF_Err_NONE);
    EXPECT_EQ(host_.log().count("PF_SetProjectDirty"), 0u);
    EXPECT_EQ(host_.log().count("AcquireSuite"), 1u) << "only the change command's own suite";
}

TEST_F(ImageParam, UnderPremiereProTheChosenFileIsLoadedToo) {
    premiere();
    start(picture_param, small_control);
    const std::string path = solid_png("premiere.png");
    answers(path + "\n");
    const CommandResult r = change(1);
    EXPECT_EQ(r.result, PF_Err_NONE);
    EXPECT_FALSE(r.shows_message()) << r.message();
    EXPECT_EQ(holder().full.width, 6u);
    EXPECT_EQ(host_.log().count("PF_SetProjectDirty"), 1u);
}

TEST_F(ImageParam, AProgressiveFileWithTooManyScansShowsThePlaceholder) {
    start(picture_param, small_control);
    const std::string path = temp_path("scans.jpg");
    JpegLayout layout{16, 8, 3, true, true, std::vector<std::uint8_t>(16 * 8 * 3, 90)};
    layout.scans = 1001;
    write_jpeg(path, layout);
    files_.push_back(path);
    answers(path + "\n");
    EXPECT_EQ(change(1).result, PF_Err_NONE);
    EXPECT_EQ(stored(), path);
    EXPECT_EQ(holder().full.width, 40u) << "the placeholder, not the 16 x 8 picture";
    EXPECT_EQ(holder().full.height, 30u);
    EXPECT_EQ(holder().full.channels, 3);
    EXPECT_EQ(holder().full.pixels[0], 255) << "white top left";
}

TEST_F(ImageParam, MissingDamagedAndUnknownFilesLeaveThePlaceholderAndTheReference) {
    start(picture_param, small_control);
    EXPECT_EQ(holder().full.width, 40u) << "a new instance shows the placeholder";
    EXPECT_TRUE(holder().siblings.empty());
    const std::string damaged = temp_path("damaged.png");
    write_bytes(damaged, std::vector<std::uint8_t>(64, 0x89));
    files_.push_back(damaged);
    const std::string folder = temp_path("folder.jpg");
    ASSERT_EQ(mkdir(folder.c_str(), 0755), 0);
    const std::string unknown = solid_png("picture.gif");
    for (const std::string& path : {temp_path("missing.png"), damaged, folder, unknown}) {
        SCOPED_TRACE(path);
        answers(path + "\n");
        EXPECT_EQ(change(1).result, PF_Err_NONE);
        EXPECT_EQ(stored(), path);
        EXPECT_EQ(holder().full.width, 40u);
        EXPECT_EQ(holder().full.height, 30u);
        EXPECT_EQ(holder().full.channels, 3);
        EXPECT_EQ(holder().full.pixels[0], 255) << "white top left";
        EXPECT_EQ(holder().full.pixels[(29 * 40 + 0) * 3], 0) << "black bottom left";
    }
    rmdir(folder.c_str());
}

TEST_F(ImageParam, AMovedPictureIsFoundThroughTheKnownFolderList) {
    const std::string data = temp_path("data");
    const std::string library = temp_path("library");
    ASSERT_EQ(mkdir(data.c_str(), 0755), 0);
    ASSERT_EQ(mkdir((data + "/Base").c_str(), 0755), 0);
    ASSERT_EQ(mkdir(library.c_str(), 0755), 0);
    const std::string picture = solid_png_at(library + "/a.png");
    const std::string list = data + "/Base/imgpaths.txt";
    std::ofstream(list) << "packA*1*" << library << "\r\n";
    setenv("XDG_DATA_HOME", data.c_str(), 1);
    start(picture_param, std::string(small_control) + "basedir=Base\n");
    answers("C:\\pics\\a.png*packA*1*\n");
    EXPECT_EQ(change(1).result, PF_Err_NONE);
    unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(stored(), library + "\\a.png*packA*1*");
    EXPECT_EQ(holder().full.width, 6u) << "the relocated file was decoded";
    std::remove(list.c_str());
    std::remove(picture.c_str());
    files_.clear();
    rmdir((data + "/Base").c_str());
    rmdir(data.c_str());
    rmdir(library.c_str());
}

TEST_F(ImageParam, AReferenceKeptInTheProjectIsLoadedAgainAtReSetUp) {
    start(picture_param, small_control);
    const std::string path = solid_png("kept.png");
    answers(path + "\n");
    ASSERT_EQ(change(1).result, PF_Err_NONE);
    ASSERT_EQ(plugin_.call(PF_Cmd_SEQUENCE_FLATTEN).result, PF_Err_NONE);
    ASSERT_EQ(plugin_.call(PF_Cmd_SEQUENCE_RESETUP).result, PF_Err_NONE);
    EXPECT_EQ(stored(), path);
    EXPECT_EQ(holder().full.width, 6u);
}

}  // namespace
}  // namespace fx::test
