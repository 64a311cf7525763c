// The Linux dialogs: answers from the answers file in order, zenity as a child process
// (a stand-in zenity script records its arguments and answers), a missing zenity and no
// display at all, each behaving as the user would see it.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/dialog_answers.h"
#include "platform/file_dialog.h"
#include "platform/text_dialog.h"
#include "scoped_env.h"
#include "temp_folder.h"

namespace fx::platform {
namespace {

std::string read_all(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class Dialogs : public ::testing::Test {
protected:
    void SetUp() override {
        env_.set(kDialogAnswersVariable, std::nullopt);
        env_.set("DISPLAY", std::nullopt);
        env_.set("WAYLAND_DISPLAY", std::nullopt);
    }

    // A new answers file (a new name each time: the place in a file is kept per name).
    void answers(const std::string& lines) {
        static int files = 0;
        env_.set(kDialogAnswersVariable, folder_.write("answers" + std::to_string(++files) + ".txt", lines));
    }

    // A zenity on PATH that writes its arguments, one a line, to args.txt, prints `output`
    // and exits with `code`; and a display for it.
    void fake_zenity(const std::string& output, int code) {
        const std::string script = folder_.write(
            "bin/zenity", "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > " + folder_ / "args.txt" +
                              "\nprintf '%s\\n' '" + output + "'\nexit " + std::to_string(code) + "\n");
        chmod(script.c_str(), 0755);
        env_.set("PATH", folder_ / "bin");
        env_.set("DISPLAY", ":99");
    }
    std::string zenity_args() { return read_all(folder_ / "args.txt"); }

    bool run_text(TextDialog& dialog, const std::string& c2 = "Cancel", const std::string& c3 = "", int mode = 1) {
        return dialog.Run("Effect", "Title:", "OK", c2, c3, mode, "old text");
    }

    test::ScopedEnv env_;
    test::TempFolder folder_;
};

TEST_F(Dialogs, FileDialogsTakeTheAnswersInOrder) {
    answers("# picked in the session\n/tmp/one.png\ncancel\n/tmp/folder\n");
    const FilterList images = ParseFilters("Images:png,jpg,jpeg");
    EXPECT_EQ(FileDialog(FileDialogAction::open, "", "", images), "/tmp/one.png");
    EXPECT_EQ(FileDialog(FileDialogAction::save, "/tmp", "x.fxpr", images), std::nullopt);
    EXPECT_EQ(FileDialog(FileDialogAction::folder, "", "", {}), "/tmp/folder");
    EXPECT_EQ(FileDialog(FileDialogAction::open, "", "", images), std::nullopt) << "a file that ran out cancels";
}

TEST_F(Dialogs, TextDialogAnswersPressButtonsAndTakeTheText) {
    answers("1 New title\n2 ignored\nenter typed\n3 also enter\nescape\n2 hidden button\n");
    struct Expected {
        bool taken;
        int button;
        const char* text;
        const char* caption2;
    };
    const Expected expected[] = {
        {true, 1, "New title", "Cancel"},  {true, 2, "ignored", "Cancel"},    {true, 3, "typed", "Cancel"},
        {true, 3, "also enter", "Cancel"}, {false, -1, "old text", "Cancel"}, {false, -1, "old text", ""},
        {false, -1, "old text", "Cancel"},  // the file has run out
    };
    for (const Expected& e : expected) {
        TextDialog dialog(450, 180, 80, 30, 10, 6);
        EXPECT_EQ(run_text(dialog, e.caption2), e.taken) << e.text;
        EXPECT_EQ(dialog.pressed_button(), e.button) << e.text;
        EXPECT_EQ(dialog.text(), e.text);
    }
}

TEST_F(Dialogs, TheEditFieldTakesAtMostItsLimit) {
    answers("1 " + std::string(150, 'x') + "\n1 " + std::string(99, 'y') + "\xc3\xa9\xc3\xa9\n");
    TextDialog first(450, 180, 80, 30, 10, 6);
    ASSERT_TRUE(run_text(first));
    EXPECT_EQ(first.text(), std::string(TextDialog::kEditLimit, 'x'));
    TextDialog second(450, 180, 80, 30, 10, 6);
    ASSERT_TRUE(run_text(second));
    EXPECT_EQ(second.text(), std::string(99, 'y') + "\xc3\xa9") << "characters are counted, not bytes";
}

TEST_F(Dialogs, WithoutTheEditFieldTheTextStaysAsGiven) {
    answers("1 typed anyway\n");
    TextDialog dialog(450, 180, 80, 30, 10, 6);
    EXPECT_TRUE(run_text(dialog, "", "", 0));
    EXPECT_EQ(dialog.pressed_button(), 1);
    EXPECT_EQ(dialog.text(), "old text");
}

TEST_F(Dialogs, WithoutAnswersOrDisplayDialogsAreCancelled) {
    EXPECT_EQ(FileDialog(FileDialogAction::open, "", "", {}), std::nullopt);
    TextDialog dialog(450, 180, 80, 30, 10, 6);
    EXPECT_FALSE(run_text(dialog));
    EXPECT_EQ(dialog.pressed_button(), -1);
}

TEST_F(Dialogs, AMissingZenityCountsAsNoDisplay) {
    env_.set("PATH", folder_.path());  // nothing to run in there
    env_.set("DISPLAY", ":99");
    EXPECT_EQ(FileDialog(FileDialogAction::open, "", "", {}), std::nullopt);
    TextDialog dialog(450, 180, 80, 30, 10, 6);
    EXPECT_FALSE(run_text(dialog));
}

TEST_F(Dialogs, ZenityShowsTheFileDialogWithFiltersFolderAndName) {
    fake_zenity("/home/user/look.fxpr", 0);
    const auto chosen = FileDialog(FileDialogAction::save, "/home/user/presets", "look.fxpr",
                                   ParseFilters("Presets:fxpr;All:fxpr,txt"));
    EXPECT_EQ(chosen, "/home/user/look.fxpr");
    EXPECT_EQ(zenity_args(),
              "--file-selection\n--save\n--confirm-overwrite\n--filename=/home/user/presets/look.fxpr\n"
              "--file-filter=Presets | *.fxpr\n--file-filter=All | *.fxpr *.txt\n");
}

TEST_F(Dialogs, ZenityChoosesAFolder) {
    fake_zenity("/home/user", 0);
    EXPECT_EQ(FileDialog(FileDialogAction::folder, "", "", {}), "/home/user");
    EXPECT_EQ(zenity_args(), "--file-selection\n--directory\n");
}

TEST_F(Dialogs, ZenityCancelledReturnsNothing) {
    fake_zenity("", 1);
    EXPECT_EQ(FileDialog(FileDialogAction::open, "", "", {}), std::nullopt);
    TextDialog dialog(450, 180, 80, 30, 10, 6);
    EXPECT_FALSE(run_text(dialog));
    EXPECT_EQ(dialog.pressed_button(), -1);
}

TEST_F(Dialogs, ZenityEntryReportsOkWithTheTypedText) {
    fake_zenity("typed in zenity", 0);
    TextDialog dialog(450, 180, 80, 30, 10, 6);
    EXPECT_TRUE(run_text(dialog));
    EXPECT_EQ(dialog.pressed_button(), 1);
    EXPECT_EQ(dialog.text(), "typed in zenity");
    EXPECT_EQ(zenity_args(),
              "--entry\n--title=Effect\n--text=Title:\n--ok-label=OK\n--entry-text=old text\n--extra-button=Cancel\n");
}

TEST_F(Dialogs, ZenityExtraButtonIsTheSecondButton) {
    fake_zenity("Cancel", 1);
    TextDialog dialog(450, 180, 80, 30, 10, 6);
    EXPECT_TRUE(run_text(dialog));
    EXPECT_EQ(dialog.pressed_button(), 2);
    EXPECT_EQ(dialog.text(), "old text");
}

// Whether every program named is on PATH.
bool installed(const std::string& programs) {
    std::string command = "true";
    for (std::stringstream in(programs); in.good();) {
        std::string name;
        in >> name;
        if (!name.empty()) command += " && command -v " + name + " >/dev/null";
    }
    return std::system(command.c_str()) == 0;
}

// An X server of its own on a display number it picks itself (-displayfd), so that runs
// side by side never share one; stopped with the object. The server writes its number
// again whenever it resets, and a write to a closed pipe ends it: it runs without resets
// and the pipe stays open while it runs.
class VirtualDisplay {
public:
    VirtualDisplay() {
        int pipe_ends[2];
        if (pipe(pipe_ends) != 0) return;
        server_ = fork();
        if (server_ == 0) {
            close(pipe_ends[0]);
            const int quiet = open("/dev/null", O_WRONLY);
            dup2(quiet, STDOUT_FILENO);
            dup2(quiet, STDERR_FILENO);
            const std::string fd = std::to_string(pipe_ends[1]);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-nolisten", "tcp", "-noreset",
                   static_cast<char*>(nullptr));
            _exit(127);
        }
        close(pipe_ends[1]);
        number_pipe_ = pipe_ends[0];
        // The server writes its number once it accepts clients.
        pollfd ready{number_pipe_, POLLIN, 0};
        char digits[16] = {};
        if (server_ > 0 && poll(&ready, 1, 10000) == 1 && read(number_pipe_, digits, sizeof digits - 1) > 0) {
            name_ = ":" + std::string(digits);
            while (!name_.empty() && (name_.back() == '\n' || name_.back() == ' ')) name_.pop_back();
        }
    }
    ~VirtualDisplay() {
        if (server_ > 0) {
            kill(server_, SIGTERM);
            waitpid(server_, nullptr, 0);
        }
        if (number_pipe_ >= 0) close(number_pipe_);
    }
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;

    // ":N", or "" when the server did not start.
    const std::string& name() const { return name_; }

private:
    pid_t server_ = -1;
    int number_pipe_ = -1;
    std::string name_;
};

// A user at the keyboard who presses Return again and again until stopped: the first
// press that reaches an open dialog accepts it.
class ReturnPresser {
public:
    ReturnPresser() {
        presser_ = fork();
        if (presser_ == 0) {
            setpgid(0, 0);
            execl("/bin/sh", "sh", "-c", "while :; do xdotool key Return 2>/dev/null; sleep 0.2; done",
                  static_cast<char*>(nullptr));
            _exit(127);
        }
        if (presser_ > 0) setpgid(presser_, presser_);
    }
    ~ReturnPresser() {
        if (presser_ <= 0) return;
        kill(-presser_, SIGTERM);
        waitpid(presser_, nullptr, 0);
    }
    ReturnPresser(const ReturnPresser&) = delete;
    ReturnPresser& operator=(const ReturnPresser&) = delete;

private:
    pid_t presser_ = -1;
};

class RealZenity : public Dialogs {
protected:
    // The real zenity behind a wrapper that stops it after `seconds`, on a display of its
    // own; false when the display did not start.
    bool use_real_zenity(int seconds) {
        const std::string found = folder_ / "zenity-path.txt";
        if (std::system(("command -v zenity > " + found).c_str()) != 0) return false;
        std::string real = read_all(found);
        while (!real.empty() && real.back() == '\n') real.pop_back();
        const std::string wrapper = folder_.write(
            "bin/zenity", "#!/bin/sh\nexec timeout " + std::to_string(seconds) + " " + real + " \"$@\"\n");
        chmod(wrapper.c_str(), 0755);
        env_.set("PATH", folder_ / "bin" + ":" + std::getenv("PATH"));
        if (display_.name().empty()) return false;
        env_.set("DISPLAY", display_.name());
        // No session bus here: settings stay in memory instead of a warning a keystroke.
        env_.set("GSETTINGS_BACKEND", "memory");
        return true;
    }
    VirtualDisplay display_;
};

// Nobody answers the dialog, so it is stopped after two seconds and reads as cancelled:
// the real program is started and its end is handled.
TEST_F(RealZenity, AnUnansweredDialogIsCancelled) {
    if (!installed("zenity Xvfb"))
        GTEST_SKIP() << "zenity or Xvfb is not installed; the zenity path is covered by the stand-in script";
    ASSERT_TRUE(use_real_zenity(2)) << "Xvfb did not start";
    EXPECT_EQ(FileDialog(FileDialogAction::open, "", "", ParseFilters("Images:png")), std::nullopt);
}

// A save dialog opened with a folder and a default name, accepted with Return as a user
// would: the answer is that name in that folder.
TEST_F(RealZenity, ASaveDialogAcceptedWithReturnAnswersTheDefaultName) {
    if (!installed("zenity Xvfb xdotool"))
        GTEST_SKIP() << "zenity, Xvfb or xdotool is not installed; the zenity path is covered by the stand-in script";
    ASSERT_TRUE(use_real_zenity(10)) << "Xvfb did not start";
    const std::string folder = folder_ / "pictures";
    ASSERT_EQ(mkdir(folder.c_str(), 0755), 0);
    const ReturnPresser user;
    EXPECT_EQ(FileDialog(FileDialogAction::save, folder, "answer.png", ParseFilters("Images:png")),
              folder + "/answer.png");
}

}  // namespace
}  // namespace fx::platform
