// The common open and save dialogs and the folder browser on a real desktop, answered
// through window messages from a helper thread as a user would answer them.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "dialog_driver.h"
#include "platform/file_dialog.h"
#include "tests/platform/temp_folder.h"

namespace fx::platform {
namespace {

using test::DialogDriver;

// The file-name field of the Explorer-style dialogs: a combo box (cmb13) or, in the
// older layout, an edit field (edt1).
constexpr int kFileNameCombo = 0x47c;
constexpr int kFileNameEdit = 0x480;

HWND file_name_field(HWND dialog) {
    HWND field = GetDlgItem(dialog, kFileNameCombo);
    return field != nullptr ? field : GetDlgItem(dialog, kFileNameEdit);
}

std::wstring wide(const std::string& text) { return std::filesystem::path(text).wstring(); }

std::string windows_path(const std::filesystem::path& path) { return std::filesystem::path(path).make_preferred().string(); }

bool same_path(const std::string& a, const std::string& b) {
    return _stricmp(windows_path(a).c_str(), windows_path(b).c_str()) == 0;
}

TEST(FileDialog, OpenTakesTheTypedInFile) {
    test::TempFolder temp;
    const std::string picture = windows_path(temp.write("picture.png", "not really a picture"));
    std::string shown_title;
    DialogDriver driver(test::is_system_dialog, [&](HWND dialog) {
        HWND field = file_name_field(dialog);
        if (field == nullptr || GetDlgItem(dialog, IDOK) == nullptr) return false;
        shown_title = test::window_text(dialog);
        test::type_text(field, wide(picture));
        test::click(GetDlgItem(dialog, IDOK));
        return true;
    });
    const auto chosen =
        FileDialog(FileDialogAction::open, windows_path(temp.path()), "", ParseFilters("Images:png,jpg,jpeg"));
    driver.finish();
    ASSERT_TRUE(driver.acted()) << "no open dialog came up";
    EXPECT_FALSE(driver.gave_up()) << "OK did not close the open dialog";
    ASSERT_TRUE(chosen.has_value());
    EXPECT_TRUE(same_path(*chosen, picture)) << *chosen;
}

TEST(FileDialog, CancelledOpenAnswersNothing) {
    test::TempFolder temp;
    DialogDriver driver(test::is_system_dialog, [&](HWND dialog) {
        if (GetDlgItem(dialog, IDCANCEL) == nullptr) return false;
        test::click(GetDlgItem(dialog, IDCANCEL));
        return true;
    });
    const auto chosen = FileDialog(FileDialogAction::open, windows_path(temp.path()), "", {});
    driver.finish();
    ASSERT_TRUE(driver.acted());
    EXPECT_FALSE(driver.gave_up());
    EXPECT_FALSE(chosen.has_value());
}

TEST(FileDialog, SaveAcceptedAnswersTheDefaultNameInTheStartFolder) {
    test::TempFolder temp;
    std::string field_text;
    DialogDriver driver(test::is_system_dialog, [&](HWND dialog) {
        HWND field = file_name_field(dialog);
        if (field == nullptr || GetDlgItem(dialog, IDOK) == nullptr) return false;
        field_text = test::window_text(field);
        test::click(GetDlgItem(dialog, IDOK));
        return true;
    });
    const auto chosen = FileDialog(FileDialogAction::save, windows_path(temp.path()), "Dark look.fxpr",
                                   ParseFilters("Presets:fxpr"));
    driver.finish();
    ASSERT_TRUE(driver.acted()) << "no save dialog came up";
    EXPECT_FALSE(driver.gave_up()) << "OK did not close the save dialog";
    EXPECT_EQ(field_text, "Dark look.fxpr");
    ASSERT_TRUE(chosen.has_value());
    EXPECT_TRUE(same_path(*chosen, temp.path() + "\\Dark look.fxpr")) << *chosen;
}

TEST(FileDialog, FolderBrowserStartsAtTheStartFolderAndAnswersIt) {
    test::TempFolder temp;
    const std::string start = windows_path(temp.path() + "\\Quenly presets");
    std::filesystem::create_directories(start);
    DialogDriver driver(test::is_system_dialog, [&](HWND dialog) {
        if (GetDlgItem(dialog, IDOK) == nullptr) return false;
        test::click(GetDlgItem(dialog, IDOK));
        return true;
    });
    const auto chosen = FileDialog(FileDialogAction::folder, start, "", {});
    driver.finish();
    ASSERT_TRUE(driver.acted()) << "no folder browser came up";
    EXPECT_FALSE(driver.gave_up()) << "OK did not close the folder browser";
    ASSERT_TRUE(chosen.has_value());
    EXPECT_TRUE(same_path(*chosen, start)) << *chosen;
}

}  // namespace
}  // namespace fx::platform
