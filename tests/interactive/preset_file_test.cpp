// Preset files through EffectMain: saving through the save dialog, loading through the
// open dialog and the preset-file popup, what the file holds, and files that are no
// presets.
#include <filesystem>
#include <fstream>
#include <sstream>

#include "interactive/preset_codec.h"
#include "interactive/preset_key.h"
#include "panel_fixture.h"

namespace fx::test {
namespace {

namespace fs = std::filesystem;

const char* const kEveryKind =
    "[par1]\nname=Amount\ntype=float\nmin=0\nmax=10\n"
    "[par2]\nname=Count\ntype=int\nmin=0\nmax=100\n"
    "[par3]\nname=Enabled\ntype=check\n"
    "[par4]\nname=Mode\ntype=popup\ntext=A|B|C|D\n"
    "[par5]\nname=Tint\ntype=color\n"
    "[par6]\nname=Turn\ntype=angle\n"
    "[par7]\nname=Spot\ntype=point\n"
    "[par8]\nname=Corner\ntype=point\nflags=1\n"
    "[par9]\nname=Depth\ntype=vec3\n"
    "[par10]\nname=Title\ntype=text\nflags=0\nmax=40\n"
    "[par11]\nname=Caption\ntype=text\nflags=1\nmax=40\n"
    "[par12]\nname=Picture\ntype=image\n"
    "[par13]\nname=Load\ntype=button\nflags=800\n"
    "[par14]\nname=Save\ntype=button\nflags=801\n"
    "[par15]\nname=_Secret\ntype=float\n"
    "[par16]\nname=Load keeping visibility\ntype=button\nflags=800\nspecial=666\n";

enum Slot {
    amount = 1,
    count,
    enabled,
    mode,
    tint,
    turn,
    spot,
    corner,
    depth,
    title,
    caption,
    picture,
    load,
    save,
    secret,
    load_keeping
};

class PresetFile : public PanelTest {
protected:
    void SetUp() override {
        folder_ = fs::path(::testing::TempDir()) / ("preset_test_" + std::to_string(getpid()) + "_" +
                                                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override {
        PanelTest::TearDown();
        unsetenv("XDG_DATA_DIRS");
        fs::remove_all(folder_);
    }
    std::string path(const std::string& name) const { return (folder_ / name).string(); }

    // Values of every kind, two texts, an image reference and visibility states.
    void set_values() {
        param(amount).u.fs_d.value = 2.5;
        param(count).u.fs_d.value = 7;
        param(enabled).u.bd.value = 1;
        param(mode).u.pd.value = 3;
        param(tint).u.cd.value = PF_Pixel{255, 200, 3, 129};
        param(turn).u.ad.value = 90 << 16;
        param(spot).u.td.x_value = 320 << 16;  // half of the 640-pixel layer
        param(spot).u.td.y_value = 90 << 16;
        param(corner).u.td.x_value = 64 << 16;
        param(corner).u.td.y_value = 36 << 16;
        param(depth).u.point3d_d.x_value = 1.5;
        param(depth).u.point3d_d.y_value = -2.25;
        param(depth).u.point3d_d.z_value = 3;
        param(secret).u.fs_d.value = 0.75;
        set_param_state(amount, 1);
        set_param_state(depth, 2);
    }
    void set_other_values() {
        param(amount).u.fs_d.value = 9;
        param(count).u.fs_d.value = 1;
        param(enabled).u.bd.value = 0;
        param(mode).u.pd.value = 1;
        param(tint).u.cd.value = PF_Pixel{255, 1, 2, 3};
        param(turn).u.ad.value = -(45 << 16);
        param(spot).u.td.x_value = 0;
        param(spot).u.td.y_value = 0;
        param(corner).u.td.x_value = 1 << 16;
        param(corner).u.td.y_value = 1 << 16;
        param(depth).u.point3d_d.x_value = 0;
        param(depth).u.point3d_d.y_value = 0;
        param(depth).u.point3d_d.z_value = 0;
        param(secret).u.fs_d.value = 0.25;
        set_param_state(amount, 0);
        set_param_state(depth, 0);
        set_param_state(count, 1);
    }
    void expect_saved_values() {
        EXPECT_EQ(param(amount).u.fs_d.value, 2.5);
        EXPECT_EQ(param(count).u.fs_d.value, 7);
        EXPECT_EQ(param(enabled).u.bd.value, 1);
        EXPECT_EQ(param(mode).u.pd.value, 3);
        const PF_Pixel tint_value = param(tint).u.cd.value;
        EXPECT_EQ((std::vector<int>{tint_value.alpha, tint_value.red, tint_value.green, tint_value.blue}),
                  (std::vector<int>{255, 200, 3, 129}));
        EXPECT_EQ(param(turn).u.ad.value, 90 << 16);
        EXPECT_EQ(param(spot).u.td.x_value, 320 << 16);
        EXPECT_EQ(param(spot).u.td.y_value, 90 << 16);
        EXPECT_EQ(param(corner).u.td.x_value, 64 << 16);
        EXPECT_EQ(param(corner).u.td.y_value, 36 << 16);
        EXPECT_EQ(param(depth).u.point3d_d.x_value, 1.5);
        EXPECT_EQ(param(depth).u.point3d_d.y_value, -2.25);
        EXPECT_EQ(param(depth).u.point3d_d.z_value, 3);
        EXPECT_EQ(param(secret).u.fs_d.value, 0.25) << "names beginning with _ are not stored";
    }

    void set_param_state(int slot, int value) {
        if (auto* live = static_cast<SequenceState*>(host_.handles().lock(plugin_.sequence_data()))) {
            live->param_state[slot] = value;
            host_.handles().unlock(plugin_.sequence_data());
        }
    }
    std::string image_path(int index) {
        std::string out = "(no record)";
        if (auto* live = static_cast<SequenceState*>(host_.handles().lock(plugin_.sequence_data()))) {
            out = live->image_paths[index] != nullptr ? live->image_paths[index] : "(null)";
            host_.handles().unlock(plugin_.sequence_data());
        }
        return out;
    }
    std::vector<int> param_states(int count) {
        const SequenceState copy = state();
        return std::vector<int>(copy.param_state, copy.param_state + count);
    }
    std::string plain_text(const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        std::stringstream content;
        content << in.rdbuf();
        return decode_preset(content.str(), preset_key()).value_or("(not a preset)");
    }

    fs::path folder_;
};

TEST_F(PresetFile, SavedAndLoadedRestoresValuesTextsImageAndVisibility) {
    start(kEveryKind);
    const std::string file = path("look.fxpr");
    answers("1 Hello world\n1 Second line\n/nowhere/picture.png\n" + file +
            "\n1 Other\n1 Changed\n/nowhere/other.png\n" + file + "\n");
    for (int slot : {title, caption, picture}) ASSERT_EQ(change(slot).result, PF_Err_NONE);
    set_values();
    const std::vector<int> saved_states = param_states(17);
    ASSERT_EQ(change(save).result, PF_Err_NONE);
    ASSERT_TRUE(fs::exists(file));

    for (int slot : {title, caption, picture}) ASSERT_EQ(change(slot).result, PF_Err_NONE);
    set_other_values();
    clear_texts_dirty();
    const CommandResult loaded = change(load);
    EXPECT_EQ(loaded.result, PF_Err_NONE);
    EXPECT_TRUE(loaded.out.out_flags & PF_OutFlag_FORCE_RERENDER);
    expect_saved_values();
    EXPECT_EQ(text(0), "Hello world");
    EXPECT_EQ(text(1), "Second line");
    EXPECT_EQ(image_path(0), "/nowhere/picture.png");
    EXPECT_EQ(param_states(17), saved_states);
    EXPECT_EQ(global().texts_dirty, 1);
    EXPECT_EQ(param(amount).uu.change_flags, PF_ChangeFlag_CHANGED_VALUE);
}

TEST_F(PresetFile, TheFileHoldsValueImageTextAndVisibilityLinesInOrder) {
    start(kEveryKind);
    const std::string file = path("order.fxpr");
    answers("1 One\n1 Two\n/p/pic.png\n" + file + "\n");
    for (int slot : {title, caption, picture}) ASSERT_EQ(change(slot).result, PF_Err_NONE);
    set_values();
    ASSERT_EQ(change(save).result, PF_Err_NONE);
    // Host ids are the slot numbers + 1 here; the text slots store their defaults.
    EXPECT_EQ(plain_text(file),
              "2|2.5|0|0\r\n3|7|0|0\r\n4|1|0|0\r\n5|2|0|0\r\n6|0.784314|0.0117647|0.505882\r\n"
              "7|-1.5708|0|0\r\n8|0.5|0.25|0\r\n9|0.1|0.1|0\r\n10|1.5|-2.25|3\r\n11|0|0|0\r\n12|0|0|0\r\n"
              "I/p/pic.png\r\nTOne\r\nTTwo\r\nV0|1|0|0|0|0|0|0|0|2|0|0|0|0|0|0|0|\r\n");
}

TEST_F(PresetFile, EveryColourByteAndWholeDegreeComesBack) {
    start(kEveryKind);
    const std::string file = path("sweep.fxpr");
    std::string lines;
    for (int i = 0; i < 256; ++i) lines += file + "\n" + file + "\n";
    answers(lines);
    for (int i = 0; i < 256; ++i) {
        const A_u_char byte = static_cast<A_u_char>(i);
        param(tint).u.cd.value = PF_Pixel{255, byte, static_cast<A_u_char>(255 - i), byte};
        const int degrees = (i - 128) * 7;
        param(turn).u.ad.value = static_cast<PF_Fixed>(static_cast<std::uint32_t>(degrees) << 16);
        ASSERT_EQ(change(save).result, PF_Err_NONE);
        param(tint).u.cd.value = PF_Pixel{0, 0, 0, 0};
        param(turn).u.ad.value = 0;
        ASSERT_EQ(change(load).result, PF_Err_NONE);
        EXPECT_EQ(param(tint).u.cd.value.red, i);
        EXPECT_EQ(param(tint).u.cd.value.green, 255 - i);
        EXPECT_EQ(param(turn).u.ad.value >> 16, degrees);
    }
}

TEST_F(PresetFile, SpecialSixSixSixLeavesTheVisibilityStates) {
    start(kEveryKind);
    const std::string file = path("keep.fxpr");
    answers(file + "\n" + file + "\n");
    set_values();
    ASSERT_EQ(change(save).result, PF_Err_NONE);
    set_other_values();
    const std::vector<int> before = param_states(17);
    ASSERT_EQ(change(load_keeping).result, PF_Err_NONE);
    EXPECT_EQ(param(amount).u.fs_d.value, 2.5) << "the values are loaded";
    EXPECT_EQ(param_states(17), before);
}

TEST_F(PresetFile, TheExtensionIsAppendedUnlessTheNameHoldsIt) {
    start(kEveryKind);
    answers(path("plain") + "\n" + path("my_fxpr_look") + "\n" + path("b.fxpr.old") + "\ncancel\n");
    for (int i = 0; i < 4; ++i) ASSERT_EQ(change(save).result, PF_Err_NONE);
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder_)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"b.fxpr.old", "my_fxpr_look", "plain.fxpr"}));
}

TEST_F(PresetFile, FilesThatAreNoWholePresetChangeNothing) {
    start(kEveryKind);
    const std::string good = path("good.fxpr");
    answers("1 Kept\n" + good + "\n");
    ASSERT_EQ(change(title).result, PF_Err_NONE);
    set_values();
    ASSERT_EQ(change(save).result, PF_Err_NONE);
    std::ifstream in(good, std::ios::binary);
    std::stringstream content_stream;
    content_stream << in.rdbuf();
    const std::string content = content_stream.str();
    std::string flipped = content;
    flipped[flipped.size() / 2] = flipped[flipped.size() / 2] == '0' ? '1' : '0';
    const std::string foreign_plain = "1|9|0|0\r\nTForeign\r\nV2|2|2|\r\n";
    const struct {
        const char* name;
        std::string bytes;
    } rows[] = {
        {"cut_in_half", content.substr(0, content.size() / 2)},
        {"cut_before_the_visibility_line", content.substr(0, content.size() - 4 * 38)},
        {"one_digit_changed", flipped},
        {"a_picture", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)},
        {"plain_text_of_a_preset", foreign_plain},
        {"hexadecimal_without_the_scrambling", to_hex(to_hex(foreign_plain))},
        {"empty", ""},
    };
    set_other_values();
    std::string lines;
    for (const auto& row : rows) lines += path(row.name) + "\n";
    answers(lines + path("missing.fxpr") + "\n" + folder_.string() + "\n");
    const std::vector<int> before = param_states(17);
    auto expect_nothing_changed = [&](const std::string& what) {
        const CommandResult r = change(load);
        EXPECT_EQ(r.result, PF_Err_NONE) << what;
        EXPECT_FALSE(r.shows_message()) << what << ": " << r.message();
        EXPECT_EQ(param(amount).u.fs_d.value, 9) << what;
        EXPECT_EQ(param(mode).u.pd.value, 1) << what;
        EXPECT_EQ(text(0), "Kept") << what;
        EXPECT_EQ(param_states(17), before) << what;
    };
    for (const auto& row : rows) {
        std::ofstream(path(row.name), std::ios::binary) << row.bytes;
        expect_nothing_changed(row.name);
    }
    expect_nothing_changed("a missing file");
    expect_nothing_changed("a folder");
}

TEST_F(PresetFile, CancelledDialogsDoNothing) {
    start(kEveryKind);
    answers("cancel\ncancel\n");
    set_values();
    const CommandResult saved = change(save);
    EXPECT_EQ(saved.result, PF_Err_NONE);
    EXPECT_FALSE(saved.shows_message());
    const CommandResult loaded = change(load);
    EXPECT_EQ(loaded.result, PF_Err_NONE);
    EXPECT_EQ(param(amount).u.fs_d.value, 2.5);
    EXPECT_TRUE(fs::is_empty(folder_));
}

TEST_F(PresetFile, AFileThatCannotBeWrittenIsReported) {
    start(kEveryKind);
    answers(path("no/such/folder/x.fxpr") + "\n");
    const CommandResult r = change(save);
    EXPECT_EQ(r.result, PF_Err_NONE) << "not an error to the host";
    EXPECT_TRUE(r.shows_message());
    EXPECT_EQ(r.message().rfind("Presets: ", 0), 0u) << r.message();
}

TEST_F(PresetFile, ASlotWithSpecial777IsNotLoaded) {
    start(
        "[par1]\nname=Loaded\ntype=float\n[par2]\nname=Kept\ntype=float\nspecial=777\n"
        "[par3]\nname=Load\ntype=button\nflags=800\n[par4]\nname=Save\ntype=button\nflags=801\n");
    const std::string file = path("777.fxpr");
    answers(file + "\n" + file + "\n");
    param(1).u.fs_d.value = 0.5;
    param(2).u.fs_d.value = 0.5;
    ASSERT_EQ(change(4).result, PF_Err_NONE);
    EXPECT_EQ(plain_text(file), "2|0.5|0|0\r\n3|0.5|0|0\r\nV0|0|0|0|0|\r\n") << "both are written";
    param(1).u.fs_d.value = 0.25;
    param(2).u.fs_d.value = 0.25;
    ASSERT_EQ(change(3).result, PF_Err_NONE);
    EXPECT_EQ(param(1).u.fs_d.value, 0.5);
    EXPECT_EQ(param(2).u.fs_d.value, 0.25);
}

// A text parameter may address a text entry past the count of text parameters; its text
// is carried all the same.
TEST_F(PresetFile, ATextAddressedPastTheTextCountIsKept) {
    start(
        "[par1]\nname=Note\ntype=text\nflags=2\nmax=20\n"
        "[par2]\nname=Load\ntype=button\nflags=800\n[par3]\nname=Save\ntype=button\nflags=801\n");
    const std::string file = path("text.fxpr");
    answers("1 Remember\n" + file + "\n1 Forgot\n" + file + "\n");
    ASSERT_EQ(change(1).result, PF_Err_NONE);
    ASSERT_EQ(change(3).result, PF_Err_NONE);
    EXPECT_EQ(plain_text(file), "2|0|0|0\r\nT\r\nT\r\nTRemember\r\nV0|0|0|0|\r\n");
    ASSERT_EQ(change(1).result, PF_Err_NONE);
    ASSERT_EQ(text(2), "Forgot");
    ASSERT_EQ(change(2).result, PF_Err_NONE);
    EXPECT_EQ(text(2), "Remember");
}

// The popup lists the preset files of the all-users data folder's "basedir" folder.
TEST_F(PresetFile, ThePresetPopupLoadsItsEntryAndSkipsTheFirst) {
    const fs::path presets = folder_ / "common" / "Looks";
    fs::create_directories(presets);
    setenv("XDG_DATA_DIRS", (folder_ / "common").c_str(), 1);
    const std::string definition = std::string(kEveryKind) +
                                   "[par17]\nname=Saved\ntype=popup\ntext=---\nflags=802\n"
                                   "[par18]\nname=Saved keeping\ntype=popup\ntext=---\nflags=802\nspecial=666\n";
    // Write the preset with a first instance, then list it in a second one.
    {
        start(definition, "basedir=Looks\n");
        answers((presets / "Warm_look.fxpr").string() + "\n");
        set_values();
        ASSERT_EQ(change(save).result, PF_Err_NONE);
    }
    ASSERT_TRUE(fs::exists(presets / "Warm_look.fxpr"));
    plugin_.call(PF_Cmd_SEQUENCE_SETDOWN);
    plugin_.call(PF_Cmd_GLOBAL_SETDOWN);
    start(definition, "basedir=Looks\n");
    set_other_values();
    const std::vector<int> before = param_states(19);

    param(17).u.pd.value = 1;  // "---"
    ASSERT_EQ(change(17).result, PF_Err_NONE);
    EXPECT_EQ(param(amount).u.fs_d.value, 9);

    param(17).u.pd.value = 2;
    ASSERT_EQ(change(17).result, PF_Err_NONE);
    EXPECT_EQ(param(amount).u.fs_d.value, 2.5);
    EXPECT_EQ(param(17).u.pd.value, 2) << "the popup keeps its choice";
    EXPECT_NE(param_states(19), before);

    set_other_values();
    const std::vector<int> kept = param_states(19);
    param(18).u.pd.value = 2;
    ASSERT_EQ(change(18).result, PF_Err_NONE);
    EXPECT_EQ(param(amount).u.fs_d.value, 2.5);
    EXPECT_EQ(param_states(19), kept) << "special 666 leaves the visibility states";
}

}  // namespace
}  // namespace fx::test
