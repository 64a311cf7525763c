#include "platform/app_data_folder.h"

#include <gtest/gtest.h>

#include <optional>

#include "platform/environment_variable.h"
#include "tests/platform/scoped_env.h"

namespace fx::platform {
namespace {

#ifdef _WIN32
// The shell's known folders: the user's roaming application data and the machine's
// shared one, as the system's own variables name them, without a closing backslash.
TEST(AppDataFolder, NamesTheShellsKnownFolders) {
    const std::string per_user = app_data_folder(DataScope::per_user);
    const std::string all_users = app_data_folder(DataScope::all_users);
    ASSERT_FALSE(per_user.empty());
    ASSERT_FALSE(all_users.empty());
    EXPECT_NE(per_user, all_users);
    EXPECT_NE(per_user.back(), '\\');
    EXPECT_NE(all_users.back(), '\\');
    const std::optional<std::string> appdata = environment_variable("APPDATA");
    const std::optional<std::string> programdata = environment_variable("ProgramData");
    ASSERT_TRUE(appdata && programdata) << "the system names no APPDATA or ProgramData";
    EXPECT_EQ(_stricmp(per_user.c_str(), appdata->c_str()), 0) << per_user << " vs " << *appdata;
    EXPECT_EQ(_stricmp(all_users.c_str(), programdata->c_str()), 0) << all_users << " vs " << *programdata;
}
#else
using std::nullopt;

struct FolderCase {
    const char* name;
    std::optional<std::string> home;
    std::optional<std::string> data_home;
    std::optional<std::string> data_dirs;
    std::string per_user;
    std::string all_users;
};

class AppDataFolderTest : public ::testing::TestWithParam<FolderCase> {};

TEST_P(AppDataFolderTest, FollowsTheXdgConventions) {
    const FolderCase& c = GetParam();
    test::ScopedEnv env;
    env.set("HOME", c.home);
    env.set("XDG_DATA_HOME", c.data_home);
    env.set("XDG_DATA_DIRS", c.data_dirs);
    EXPECT_EQ(app_data_folder(DataScope::per_user), c.per_user);
    EXPECT_EQ(app_data_folder(DataScope::all_users), c.all_users);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, AppDataFolderTest,
    ::testing::Values(
        FolderCase{"defaults_from_home", "/home/ann", nullopt, nullopt, "/home/ann/.local/share", "/usr/local/share"},
        FolderCase{"data_home_wins", "/home/ann", "/srv/ann-data", nullopt, "/srv/ann-data", "/usr/local/share"},
        FolderCase{"trailing_slashes_dropped", "/home/ann/", "/srv/data//", "/opt/share/:/usr/share", "/srv/data",
                   "/opt/share"},
        FolderCase{"relative_data_home_ignored", "/home/ann", "relative/data", nullopt, "/home/ann/.local/share",
                   "/usr/local/share"},
        FolderCase{"empty_data_home_ignored", "/home/ann", "", "", "/home/ann/.local/share", "/usr/local/share"},
        FolderCase{"first_absolute_data_dir", "/home/ann", nullopt, "rel:/usr/share:/opt/share",
                   "/home/ann/.local/share", "/usr/share"},
        FolderCase{"only_relative_data_dirs", "/home/ann", nullopt, "a:b:", "/home/ann/.local/share",
                   "/usr/local/share"},
        FolderCase{"no_home_no_per_user_folder", nullopt, nullopt, nullopt, "", "/usr/local/share"}),
    [](const auto& info) { return std::string(info.param.name); });
#endif

}  // namespace
}  // namespace fx::platform
