// Text parameters through EffectMain: the text dialog's answer, the length cut, the "?"
// placeholder in the dialog's message and the stream's name, both hosts.
#include "panel_fixture.h"

namespace fx::test {
namespace {

using Strings = std::vector<std::string>;

const char* const title_text =
    "[par1]\nname=Title: ?\ntype=text\ndefault=Start\nmax=10\nflags=1\n"
    "[par2]\nname=Amount\ntype=float\n";

class TextParam : public PanelTest {};

TEST_F(TextParam, OkStoresTheTextCutToItsMaximumAndNamesTheStream) {
    start(title_text);
    clear_texts_dirty();
    answers("1 abcdefghijklmnopqrstuvwxy\n");
    const CommandResult r = change(1);
    EXPECT_EQ(r.result, PF_Err_NONE);
    EXPECT_EQ(text(1), "abcdefghij");
    EXPECT_EQ(host_.stream_name(1), "Title: abcdefghij");
    EXPECT_EQ(global().texts_dirty, 1);
    EXPECT_EQ(r.out.out_flags & (PF_OutFlag_REFRESH_UI | PF_OutFlag_FORCE_RERENDER),
              PF_OutFlag_REFRESH_UI | PF_OutFlag_FORCE_RERENDER);
    const std::string id = std::to_string(global().aegp_plugin_id);
    EXPECT_NE(id, "0") << "the plug-in registered with the AEGP layer at set-up";
    EXPECT_EQ(panel_calls(),
              joined({{"PF_UpdateParamUI 1"}, stream_calls(id, 1, {"AEGP_SetStreamName \"Title: abcdefghij\""})}));
}

TEST_F(TextParam, EnterTheSecondButtonAndEscapeLeaveTheText) {
    start(title_text);
    answers("enter typed with enter\n2 typed then cancelled\nescape\n");
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(change(1).result, PF_Err_NONE);
        EXPECT_EQ(text(1), "Start") << "answer " << i;
    }
    EXPECT_EQ(host_.streams().effects_obtained(), 0);
    EXPECT_EQ(host_.stream_name(1), "Title: ?") << "the registered name";
}

TEST_F(TextParam, WithoutADialogTheEditIsCancelled) {
    start(title_text);
    EXPECT_EQ(change(1).result, PF_Err_NONE);
    EXPECT_EQ(text(1), "Start");
    EXPECT_EQ(panel_calls(), Strings{"PF_UpdateParamUI 1"});
}

TEST_F(TextParam, TheDialogShowsTheMessageWithoutThePlaceholder) {
    start(title_text, "bundlename=Panel Bundle\n");
    // A stand-in zenity records what it is asked to show and answers OK with a text.
    const std::string folder = ::testing::TempDir() + "panel_zenity_" + std::to_string(getpid());
    ASSERT_EQ(std::system(("mkdir -p " + folder).c_str()), 0);
    const std::string script = folder + "/zenity";
    std::ofstream(script) << "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > " << folder
                          << "/args.txt\necho 'From zenity'\n";
    chmod(script.c_str(), 0755);
    const std::string old_path = std::getenv("PATH") ? std::getenv("PATH") : "";
    setenv("PATH", folder.c_str(), 1);
    setenv("DISPLAY", ":99", 1);
    const CommandResult r = change(1);
    setenv("PATH", old_path.c_str(), 1);
    unsetenv("DISPLAY");
    EXPECT_EQ(r.result, PF_Err_NONE);
    std::ifstream in(folder + "/args.txt");
    std::string args((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(args,
              "--entry\n--title=Panel Bundle\n--text=Title: \n--ok-label=OK\n--entry-text=Start\n"
              "--extra-button=Cancel\n");
    EXPECT_EQ(text(1), "From zenit") << "cut to 10 characters";
    std::remove((folder + "/args.txt").c_str());
    std::remove(script.c_str());
    rmdir(folder.c_str());
}

TEST_F(TextParam, UnderPremiereProTheTextIsKeptWithoutRenaming) {
    premiere();
    start(title_text);
    answers("1 Premiere\n");
    EXPECT_EQ(change(1).result, PF_Err_NONE);
    EXPECT_EQ(text(1), "Premiere");
    EXPECT_EQ(panel_calls(), Strings{"PF_UpdateParamUI 1"});
}

TEST_F(TextParam, AFailedRenameIsTheCommandsResult) {
    start(title_text);
    answers("1 New\n");
    host_.faults().fail_nth("AEGP_SetStreamName", 1, A_Err_GENERIC);
    EXPECT_EQ(change(1).result, A_Err_GENERIC);
    EXPECT_EQ(text(1), "New") << "the text is the instance's, whatever the host did with the name";
}

TEST_F(TextParam, ATextIndexOutsideTheRecordOpensNoDialog) {
    start("[par1]\nname=Far ?\ntype=text\nflags=40\n");
    answers("1 never read\n");
    EXPECT_EQ(change(1).result, PF_Err_NONE);
    EXPECT_EQ(global().texts_dirty, 1);
    EXPECT_EQ(panel_calls(), Strings{"PF_UpdateParamUI 1"});
}

}  // namespace
}  // namespace fx::test
