// The text dialog on a real desktop: typed into and pressed through window messages from
// a helper thread while the dialog's own loop runs, its text and button read back.
#include <gtest/gtest.h>

#include <string>

#include "dialog_driver.h"
#include "platform/text_dialog.h"

namespace fx::platform {
namespace {

using test::DialogDriver;

constexpr int kEditId = 100;

// What the dialog looked like while it was up.
struct Seen {
    std::string class_name;
    std::string title;
    std::string message;
    std::string edit_text;
    bool edit_visible = false;
    bool buttons_visible[3] = {};
    std::string captions[3];
    bool topmost = false;
};

void look_at(HWND dialog, Seen& seen) {
    seen.class_name = test::window_class(dialog);
    seen.title = test::window_text(dialog);
    seen.edit_text = test::window_text(GetDlgItem(dialog, kEditId));
    seen.edit_visible = IsWindowVisible(GetDlgItem(dialog, kEditId)) != FALSE;
    for (int i = 0; i < 3; ++i) {
        HWND button = GetDlgItem(dialog, i + 1);
        seen.buttons_visible[i] = IsWindowVisible(button) != FALSE;
        seen.captions[i] = test::window_text(button);
    }
    seen.topmost = (GetWindowLongPtrW(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    // The message is the one static child.
    HWND child = GetWindow(dialog, GW_CHILD);
    for (; child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
        if (test::window_class(child) == "Static") seen.message = test::window_text(child);
}

// The dialog is ready once Run has shown it with its texts set.
bool ready(HWND dialog) { return !test::window_text(dialog).empty(); }

TEST(TextDialog, TypedTextIsTakenWhenOkIsPressed) {
    TextDialog dialog(400, 220, 90, 26, 10, 8);
    Seen seen;
    DialogDriver driver(test::is_text_dialog, [&](HWND window) {
        if (!ready(window)) return false;
        look_at(window, seen);
        test::type_text(GetDlgItem(window, kEditId), L"Typed \u00e9 text");
        test::click(GetDlgItem(window, 1));
        return true;
    });
    const bool taken = dialog.Run("Effect title", "Enter a name:", "OK", "", "Cancel", 1, "old text");
    driver.finish();
    ASSERT_TRUE(driver.acted()) << "the dialog never came up";
    EXPECT_FALSE(driver.gave_up()) << "pressing OK did not close the dialog";
    EXPECT_TRUE(taken);
    EXPECT_EQ(dialog.pressed_button(), 1);
    EXPECT_EQ(dialog.text(), "Typed \u00e9 text");
    // What the user saw: the class named after the dialog, its texts, the given text in
    // the field, the button without a caption hidden, above other windows.
    EXPECT_EQ(seen.class_name.size(), 17u) << seen.class_name;
    for (std::size_t i = 7; i < seen.class_name.size(); ++i)
        EXPECT_TRUE(seen.class_name[i] >= 'A' && seen.class_name[i] <= 'Z') << seen.class_name;
    EXPECT_EQ(seen.title, "Effect title");
    EXPECT_EQ(seen.message, "Enter a name:");
    EXPECT_EQ(seen.edit_text, "old text");
    EXPECT_TRUE(seen.edit_visible);
    EXPECT_TRUE(seen.buttons_visible[0]);
    EXPECT_FALSE(seen.buttons_visible[1]);
    EXPECT_TRUE(seen.buttons_visible[2]);
    EXPECT_EQ(seen.captions[0], "OK");
    EXPECT_EQ(seen.captions[2], "Cancel");
    EXPECT_TRUE(seen.topmost);
}

TEST(TextDialog, EnterReportsButtonThreeEvenWithoutItsCaption) {
    TextDialog dialog(400, 220, 90, 26, 10, 8);
    Seen seen;
    DialogDriver driver(test::is_text_dialog, [&](HWND window) {
        if (!ready(window)) return false;
        look_at(window, seen);
        HWND edit = GetDlgItem(window, kEditId);
        test::type_text(edit, L"by enter");
        PostMessageW(edit, WM_KEYDOWN, VK_RETURN, 0);
        return true;
    });
    const bool taken = dialog.Run("Effect", "Name:", "OK", "Cancel", "", 1, "");
    driver.finish();
    ASSERT_TRUE(driver.acted());
    EXPECT_FALSE(driver.gave_up());
    EXPECT_FALSE(seen.buttons_visible[2]);
    EXPECT_TRUE(taken);
    EXPECT_EQ(dialog.pressed_button(), 3);
    EXPECT_EQ(dialog.text(), "by enter");
}

TEST(TextDialog, EscapeLeavesTheTextAndReportsMinusOne) {
    TextDialog dialog(400, 220, 90, 26, 10, 8);
    DialogDriver driver(test::is_text_dialog, [&](HWND window) {
        if (!ready(window)) return false;
        HWND edit = GetDlgItem(window, kEditId);
        test::type_text(edit, L"thrown away");
        PostMessageW(edit, WM_KEYDOWN, VK_ESCAPE, 0);
        return true;
    });
    const bool taken = dialog.Run("Effect", "Name:", "OK", "", "Cancel", 1, "kept");
    driver.finish();
    ASSERT_TRUE(driver.acted());
    EXPECT_FALSE(driver.gave_up());
    EXPECT_FALSE(taken);
    EXPECT_FALSE(dialog.text_taken());
    EXPECT_EQ(dialog.pressed_button(), -1);
    EXPECT_EQ(dialog.text(), "kept");
}

TEST(TextDialog, TheEditFieldTakesItsFirstLineUpToTheLimit) {
    TextDialog dialog(400, 220, 90, 26, 10, 8);
    const std::wstring long_text(150, L'x');
    DialogDriver driver(test::is_text_dialog, [&](HWND window) {
        if (!ready(window)) return false;
        // Pasted text beyond the limit is cut by the field itself.
        SendMessageW(GetDlgItem(window, kEditId), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(long_text.c_str()));
        test::click(GetDlgItem(window, 3));
        return true;
    });
    dialog.Run("Effect", "Name:", "OK", "", "Cancel", 1, "");
    driver.finish();
    ASSERT_TRUE(driver.acted());
    EXPECT_EQ(dialog.pressed_button(), 3);
    EXPECT_EQ(dialog.text(), std::string(TextDialog::kEditLimit, 'x'));
}

TEST(TextDialog, AMessageOnlyDialogHidesTheFieldAndKeepsTheText) {
    TextDialog dialog(400, 220, 90, 26, 10, 8);
    Seen seen;
    DialogDriver driver(test::is_text_dialog, [&](HWND window) {
        if (!ready(window)) return false;
        look_at(window, seen);
        test::click(GetDlgItem(window, 1));
        return true;
    });
    dialog.Run("About", "Version 2", "OK", "", "", 0, "unchanged");
    driver.finish();
    ASSERT_TRUE(driver.acted());
    EXPECT_FALSE(seen.edit_visible);
    EXPECT_FALSE(seen.buttons_visible[1]);
    EXPECT_FALSE(seen.buttons_visible[2]);
    EXPECT_EQ(dialog.pressed_button(), 1);
    EXPECT_EQ(seen.message, "Version 2");
}

TEST(TextDialog, ClosedByTheSystemCountsAsEscape) {
    TextDialog dialog(400, 220, 90, 26, 10, 8);
    DialogDriver driver(test::is_text_dialog, [&](HWND window) {
        if (!ready(window)) return false;
        // What Alt+F4 or the task bar does: a close command to the window.
        SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        return true;
    });
    const bool taken = dialog.Run("Effect", "Name:", "OK", "", "Cancel", 1, "kept");
    driver.finish();
    ASSERT_TRUE(driver.acted());
    EXPECT_FALSE(driver.gave_up()) << "the system's close request did not end the dialog";
    EXPECT_FALSE(taken);
    EXPECT_EQ(dialog.pressed_button(), -1);
    EXPECT_EQ(dialog.text(), "kept");
}

TEST(TextDialog, TheOwnerIsDisabledWhileItRunsAndEnabledAfterwards) {
    WNDCLASSW cls{};
    cls.lpfnWndProc = DefWindowProcW;
    cls.lpszClassName = L"FxTestOwner";
    RegisterClassW(&cls);
    HWND owner = CreateWindowExW(0, L"FxTestOwner", L"owner", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr,
                                 nullptr, nullptr);
    ASSERT_NE(owner, nullptr);
    bool enabled_during = true;
    {
        TextDialog dialog(400, 220, 90, 26, 10, 8);
        DialogDriver driver(test::is_text_dialog, [&](HWND window) {
            if (!ready(window)) return false;
            enabled_during = IsWindowEnabled(owner) != FALSE;
            test::click(GetDlgItem(window, 1));
            return true;
        });
        dialog.Run("Effect", "Name:", "OK", "", "Cancel", 1, "", owner);
        driver.finish();
        ASSERT_TRUE(driver.acted());
    }
    EXPECT_FALSE(enabled_during);
    EXPECT_TRUE(IsWindowEnabled(owner));
    DestroyWindow(owner);
    UnregisterClassW(L"FxTestOwner", nullptr);
}

}  // namespace
}  // namespace fx::platform
