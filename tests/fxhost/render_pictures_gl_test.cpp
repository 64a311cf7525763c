// Pictures for image parameters in fxhost render: given with --set as a user chooses them
// in the panel, and kept by projects, also when the project and its pictures move.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/fxhost/fxhost_pictures.h"
#include "tests/fxhost/fxhost_run.h"
#include "tests/fxhost/report_json.h"

namespace fx::test {
namespace {

// The image parameter is texture unit 1; the output shows it stretched over the frame.
const char* const kPicture =
    "[settings]\nname=Picture\nimgwidth=20\nimgheight=20\nbasedir=Base\n"
    "[par1]\nname=Picture\nparam=photo\ntype=image\n"
    "[ps0]\n#version 120\nuniform sampler2D in1;\nuniform vec2 resolution;\n"
    "void main() { gl_FragColor = texture2D(in1, gl_FragCoord.xy / resolution); }\n";

constexpr std::uint16_t kRed = 200, kGreen = 40, kBlue = 90;

std::string solid_png(const std::string& path) {
    pictures::Picture picture = pictures::blank_picture(6, 4, "solid");
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x) {
            std::uint16_t* p = picture.pixel(x, y);
            p[0] = kRed * 257;
            p[1] = kGreen * 257;
            p[2] = kBlue * 257;
            p[3] = pictures::kWhite;
        }
    pictures::write_png(picture, 8, path);
    return path;
}

// Every pixel of the 8 x 8 output is the solid picture's colour.
void expect_solid(const std::string& path) {
    const pictures::Picture out = pictures::read_picture(path);
    ASSERT_EQ(out.width, 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            const std::uint16_t* p = out.pixel(x, y);
            ASSERT_EQ(p[0] / 257, kRed) << x << "," << y;
            ASSERT_EQ(p[1] / 257, kGreen) << x << "," << y;
            ASSERT_EQ(p[2] / 257, kBlue) << x << "," << y;
        }
}

// The 2 x 2 checkerboard the plug-in shows for a picture it could not load.
void expect_checkerboard(const std::string& path) {
    const pictures::Picture out = pictures::read_picture(path);
    ASSERT_EQ(out.width, 8);
    EXPECT_NE(out.pixel(1, 1)[0], out.pixel(6, 1)[0]);
    EXPECT_EQ(out.pixel(1, 1)[0], out.pixel(6, 6)[0]);
    EXPECT_EQ(out.pixel(6, 1)[0], out.pixel(1, 6)[0]);
}

FxhostRun render(std::vector<std::string> args, const std::string& output, const std::string& env = "") {
    args.insert(args.begin(), "render");
    args.insert(args.end(), {"--size", "8x8", "--output", output});
    return run_fxhost(args, env);
}

TEST(RenderPicturesGl, SetPictureRendersWhatThePluginLoaded) {
    TempFolder temp;
    const std::string definition = temp.write("picture.fxdef", kPicture);
    const std::string picture = solid_png(temp / "solid.png");
    for (const char* name : {"photo", "Picture"}) {
        const std::string out = temp / "out.png";
        const FxhostRun run = render({"--definition", definition, "--set", std::string(name) + "=" + picture}, out);
        ASSERT_EQ(run.status, 0) << name << ": " << run.err;
        EXPECT_EQ(run.err, "") << name;
        expect_solid(out);
    }
    // A relative path is the working folder's, as everywhere on the command line.
    const std::string out = temp / "relative.png";
    const FxhostRun run =
        run_fxhost({"render", "--definition", definition, "--set", "photo=solid.png", "--size", "8x8", "--output", out},
                   "cd " + shell_quoted(temp.path()) + " &&");
    ASSERT_EQ(run.status, 0) << run.err;
    expect_solid(out);
}

TEST(RenderPicturesGl, AFileThePluginCannotDecodeRendersItsPlaceholderWithAWarning) {
    TempFolder temp;
    const std::string definition = temp.write("picture.fxdef", kPicture);
    const std::string damaged = temp.write("damaged.png", "not a picture at all");
    const std::string unknown = solid_png(temp / "solid.gif");  // decoded by extension: not a picture type it reads
    for (const std::string& file : {damaged, unknown}) {
        const std::string out = temp / "out.png";
        const FxhostRun run = render({"--definition", definition, "--set", "photo=" + file}, out);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err.rfind("fxhost render: warning: --set photo=" + file + ": the plug-in could not load", 0), 0u)
            << run.err;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "one line: " << run.err;
        expect_checkerboard(out);
    }
}

// A sequence warns of the picture it could not load just as a single frame does.
TEST(RenderPicturesGl, ASequenceWarnsOfAPictureThePluginCannotDecode) {
    TempFolder temp;
    std::string text = kPicture;
    text.insert(text.find("[ps0]"), "[par2]\nname=Incoming\nparam=Incoming\ntype=layer\nflags=1\n");
    const std::string definition = temp.write("picture.fxdef", text);
    const std::string damaged = temp.write("damaged.png", "not a picture at all");
    const std::string clip = solid_png(temp / "clip.png");
    const FxhostRun run = run_fxhost({"sequence", "--definition", definition, "--from", clip, "--to", clip, "--frames",
                                      "2", "--set", "photo=" + damaged, "--output", temp / "f%d.png"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("fxhost sequence: warning: --set photo=" + damaged + ": the plug-in could not load"),
              std::string::npos)
        << run.err;
}

TEST(RenderPicturesGl, AMissingPictureOrAFolderIsAnError) {
    TempFolder temp;
    const std::string definition = temp.write("picture.fxdef", kPicture);
    const struct {
        std::string value;
        std::string message;
    } rows[] = {
        {temp / "none.png", "no such file, expected a PNG or JPEG picture"},
        {temp.path(), "is a folder, expected a PNG or JPEG picture"},
        {"", "expected a PNG or JPEG picture's path"},
    };
    for (const auto& row : rows) {
        const std::string out = temp / "out.png";
        const FxhostRun run = render({"--definition", definition, "--set", "photo=" + row.value}, out);
        EXPECT_EQ(run.status, 1) << row.message;
        EXPECT_EQ(run.err, "fxhost render: --set photo=" + row.value + ": " + row.message + "\n");
        EXPECT_FALSE(std::filesystem::exists(out));
    }
}

// A picture chosen in a panel session and saved with the project renders from it; moved
// with the project to another folder, it is found again through imgpaths.txt.
TEST(RenderPicturesGl, AProjectKeepsItsPicturesAlsoWhenMovedWithThem) {
    TempFolder temp;
    const std::string first = temp / "first";
    const std::string definition = temp.write("first/picture.fxdef", kPicture);
    const std::string picture = solid_png(first + "/solid.png");
    const std::string answers = temp.write("answers.txt", picture + "\n");
    const std::string data = temp / "data";
    std::filesystem::create_directories(data + "/Base");
    const std::string env = "XDG_DATA_HOME=" + shell_quoted(data);
    const FxhostRun panel = run_fxhost({"panel", "--definition", definition, "--answers", answers, "--press", "Picture",
                                        "--save-project", first + "/session.json"},
                                       env);
    ASSERT_EQ(panel.status, 0) << panel.err;
    ASSERT_EQ(parse_json(panel.out).at("images").at(0), picture);

    const FxhostRun in_place = render({"--project", first + "/session.json"}, temp / "in_place.png", env);
    ASSERT_EQ(in_place.status, 0) << in_place.err;
    EXPECT_EQ(in_place.err, "");
    expect_solid(temp / "in_place.png");

    // The folder moves: project, definition and picture together.
    const std::string second = temp / "second";
    std::filesystem::rename(first, second);
    const std::string project = second + "/session.json";
    const FxhostRun lost = render({"--project", project}, temp / "lost.png", env);
    ASSERT_EQ(lost.status, 0) << lost.err;
    EXPECT_NE(lost.err.find("warning: the project's picture " + picture + " for Picture could not be loaded"),
              std::string::npos)
        << lost.err;
    expect_checkerboard(temp / "lost.png");

    // A plain path carries no keys: the list line with two empty keys names its folder.
    temp.write("data/Base/imgpaths.txt", "**" + second + "\n");
    const FxhostRun found = render({"--project", project}, temp / "found.png", env);
    ASSERT_EQ(found.status, 0) << found.err;
    EXPECT_EQ(found.err, "");
    expect_solid(temp / "found.png");

    const FxhostRun load = run_fxhost({"project", "load", project}, env);
    ASSERT_EQ(load.status, 0) << load.err;
    EXPECT_EQ(parse_json(load.out).at("instance").at("image_paths").at(0), second + "/solid.png***");
    const FxhostRun reopened = run_fxhost({"panel", "--project", project}, env);
    ASSERT_EQ(reopened.status, 0) << reopened.err;
    EXPECT_EQ(parse_json(reopened.out).at("images").at(0), second + "/solid.png***");
}

}  // namespace
}  // namespace fx::test
