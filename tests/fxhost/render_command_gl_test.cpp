// fxhost render and sequence run as a user runs them: the built program, the plug-in,
// real picture files.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "simhost/pictures/default_pictures.h"
#include "tests/fxhost/fxhost_pictures.h"
#include "tests/fxhost/fxhost_run.h"

namespace fx::test {
namespace {

const char* const kIdentity =
    "[settings]\nname=Identity\n"
    "[ps0]\n#version 120\nuniform sampler2D in0;\nuniform vec2 resolution;\n"
    "void main() { gl_FragColor = texture2D(in0, gl_FragCoord.xy / resolution); }\n";

// A transition that mixes its input into the incoming layer by its progress slider.
const char* const kCrossfade =
    "[settings]\nname=Crossfade\ntransition=1\n"
    "[par1]\nname=Progress\nparam=Transition\ntype=float\nmin=0\nmax=100\ndefault=0\n"
    "[par2]\nname=Incoming\nparam=Incoming\ntype=layer\nflags=1\n"
    "[ps0]\n#version 120\nuniform sampler2D in0;\nuniform sampler2D Incoming;\nuniform float Transition;\n"
    "uniform vec2 resolution;\n"
    "void main() { vec2 uv = gl_FragCoord.xy / resolution;\n"
    "  gl_FragColor = mix(texture2D(in0, uv), texture2D(Incoming, uv), Transition); }\n";

const char* const kBrokenShader =
    "[settings]\nname=Broken\n[ps0]\n#version 120\nvoid main() { gl_FragColor = nope; }\n";

struct Files {
    TempFolder temp;
    std::string a;
    std::string b;
    Files() {
        a = temp / "a.png";
        b = temp / "b.png";
        pictures::write_png(stepped_picture(24, 16, 1), 8, a);
        pictures::write_png(stepped_picture(24, 16, 2), 8, b);
    }
    std::string definition(const char* text, const char* name = "effect.fxdef") const { return temp.write(name, text); }
};

TEST(FxhostRenderGl, WithNothingSetUpTheBuiltInTransitionRendersAtMidProgress) {
    TempFolder temp;
    const std::string out = temp / "mid.png";
    const FxhostRun run = run_fxhost({"render", "--output", out});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("wrote " + out), std::string::npos) << run.out;
    const pictures::Picture picture = pictures::read_picture(out);
    const pictures::Picture warm = pictures::warm_default_picture();
    const pictures::Picture cool = pictures::cool_default_picture();
    ASSERT_EQ(picture.width, warm.width);
    ASSERT_EQ(picture.height, warm.height);
    // Half way, parts of both pictures show.
    int like_warm = 0;
    int like_cool = 0;
    for (int y = 0; y < picture.height; y += 8) {
        for (int x = 0; x < picture.width; x += 8) {
            int dw = 0;
            int dc = 0;
            for (int c = 0; c < 3; ++c) {
                dw = std::max(dw, std::abs(picture.pixel(x, y)[c] - warm.pixel(x, y)[c]) / 257);
                dc = std::max(dc, std::abs(picture.pixel(x, y)[c] - cool.pixel(x, y)[c]) / 257);
            }
            like_warm += dw <= 12;
            like_cool += dc <= 12;
        }
    }
    const int samples = (picture.width / 8) * (picture.height / 8);
    EXPECT_GT(like_warm, samples / 10) << like_warm << " of " << samples;
    EXPECT_GT(like_cool, samples / 10) << like_cool << " of " << samples;
}

TEST(FxhostRenderGl, AnIdentityDefinitionGivesItsInputBackInEveryHostAndDepth) {
    Files files;
    const std::string definition = files.definition(kIdentity);
    const pictures::Picture input = pictures::read_picture(files.a);
    const std::vector<std::vector<std::string>> hosts = {{"--depth", "8"},  {"--depth", "16"},
                                                         {"--depth", "32"}, {"--classic"},
                                                         {"--premiere"},    {"--premiere", "--depth", "32"}};
    for (const auto& host : hosts) {
        std::vector<std::string> args = {"render",   "--definition",        definition, "--input", files.a,
                                         "--output", files.temp / "out.png"};
        args.insert(args.end(), host.begin(), host.end());
        const FxhostRun run = run_fxhost(args);
        ASSERT_EQ(run.status, 0) << host[0] << ": " << run.err;
        EXPECT_EQ(largest_step_difference(pictures::read_picture(files.temp / "out.png"), input), 0) << host[0];
    }
}

TEST(FxhostRenderGl, SetValuesReachTheShader) {
    Files files;
    const std::string definition = files.definition(kCrossfade);
    for (const auto& [value, expected] : {std::pair{"0", &files.a}, std::pair{"100", &files.b}}) {
        const FxhostRun run = run_fxhost({"render", "--definition", definition, "--input", files.a, "--input", files.b,
                                          "--set", std::string("Progress=") + value, "--output", files.temp / "o.png"});
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(
            largest_step_difference(pictures::read_picture(files.temp / "o.png"), pictures::read_picture(*expected)), 0)
            << "progress " << value;
    }
}

TEST(FxhostSequenceGl, RunsFromAToBAndASplitRunGivesTheSameBytes) {
    Files files;
    const std::string definition = files.definition(kCrossfade);
    const auto sequence = [&](const std::string& pattern, const std::vector<std::string>& extra) {
        std::vector<std::string> args = {
            "sequence", "--definition", definition,          "--from", files.a, "--to", files.b, "--frames",
            "5",        "--output",     files.temp / pattern};
        args.insert(args.end(), extra.begin(), extra.end());
        return run_fxhost(args);
    };
    const FxhostRun whole = sequence("whole_%02d.png", {});
    ASSERT_EQ(whole.status, 0) << whole.err;
    EXPECT_NE(whole.out.find("5 frames in"), std::string::npos) << whole.out;
    EXPECT_EQ(whole.out.find('\r'), std::string::npos) << "no progress bar into a pipe";
    ASSERT_EQ(sequence("part_%02d.png", {"--range", "0-1"}).status, 0);
    ASSERT_EQ(sequence("part_%02d.png", {"--range", "2-4"}).status, 0);
    for (int frame = 0; frame < 5; ++frame) {
        const std::string name = "_0" + std::to_string(frame) + ".png";
        const std::string bytes = read_file(files.temp / ("whole" + name));
        ASSERT_FALSE(bytes.empty()) << frame;
        EXPECT_EQ(bytes, read_file(files.temp / ("part" + name))) << "frame " << frame;
    }
    EXPECT_EQ(
        largest_step_difference(pictures::read_picture(files.temp / "whole_00.png"), pictures::read_picture(files.a)),
        0);
    EXPECT_EQ(
        largest_step_difference(pictures::read_picture(files.temp / "whole_04.png"), pictures::read_picture(files.b)),
        0);
    EXPECT_GT(
        largest_step_difference(pictures::read_picture(files.temp / "whole_02.png"), pictures::read_picture(files.a)),
        10);
}

TEST(FxhostSequenceGl, ReadsNumberedClipsFrameForFrame) {
    Files files;
    const std::string definition = files.definition(kCrossfade);
    for (int frame = 1; frame <= 3; ++frame)
        pictures::write_png(stepped_picture(8, 8, 10 + frame), 8,
                            files.temp / ("in_" + std::to_string(frame) + ".png"));
    const FxhostRun run =
        run_fxhost({"sequence", "--definition", definition, "--from", files.temp / "in_%d.png", "--to",
                    files.temp / "in_%d.png", "--frames", "3", "--output", files.temp / "o%d.png"});
    ASSERT_EQ(run.status, 0) << run.err;
    // Both clips show the same frame, so every frame of the fade is that frame.
    for (int frame = 0; frame < 3; ++frame)
        EXPECT_EQ(largest_step_difference(pictures::read_picture(files.temp / ("o" + std::to_string(frame) + ".png")),
                                          stepped_picture(8, 8, 11 + frame)),
                  0)
            << "frame " << frame;
    const FxhostRun too_long = run_fxhost({"sequence", "--definition", definition, "--from", files.temp / "in_%d.png",
                                           "--to", files.b, "--frames", "4", "--output", files.temp / "p%d.png"});
    EXPECT_EQ(too_long.status, 1);
    EXPECT_NE(too_long.err.find("--from frame 3: " + files.temp / "in_4.png" + ": no such file"), std::string::npos)
        << too_long.err;
}

TEST(FxhostRenderGl, RenderFailuresAreOneLineWithAFailingStatus) {
    Files files;
    const std::string broken = files.definition(kBrokenShader, "broken.fxdef");
    const FxhostRun shader =
        run_fxhost({"render", "--definition", broken, "--input", files.a, "--output", files.temp / "o.png"});
    EXPECT_EQ(shader.status, 1);
    EXPECT_NE(shader.err.find("nope"), std::string::npos) << "the compiler's log names the fault: " << shader.err;
    const FxhostRun unwritable = run_fxhost({"render", "--definition", files.definition(kIdentity), "--input", files.a,
                                             "--output", files.temp / "missing-folder/o.png"});
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_NE(unwritable.err.find("cannot create the file"), std::string::npos) << unwritable.err;
    for (const FxhostRun* run : {&shader, &unwritable}) {
        EXPECT_EQ(std::count(run->err.begin(), run->err.end(), '\n'), 1) << run->err;
        EXPECT_EQ(run->err.rfind("fxhost render: ", 0), 0u) << run->err;
    }
}

}  // namespace
}  // namespace fx::test
