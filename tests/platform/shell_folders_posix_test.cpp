// The XDG base directories that stand in for the Windows application-data folders.
#include <gtest/gtest.h>

#include <string>

#include "platform/shell_folders.h"
#include "platform/utf8.h"
#include "scoped_environment.h"

namespace {

using torv_test::ScopedEnvironment;

std::string utf8(const std::u16string& text) { return platform::to_utf8(text); }

TEST(ShellFolders, LocalFolderIsXdgDataHomeElseLocalShare) {
  {
    const ScopedEnvironment data_home("XDG_DATA_HOME", "/srv/data/");
    EXPECT_EQ(utf8(platform::local_app_data_folder()), "/srv/data");
  }
  const ScopedEnvironment data_home("XDG_DATA_HOME", nullptr);
  const ScopedEnvironment home("HOME", "/home/site");
  EXPECT_EQ(utf8(platform::local_app_data_folder()), "/home/site/.local/share");
}

TEST(ShellFolders, CommonFolderIsFirstXdgDataDirElseUsrLocalShare) {
  {
    const ScopedEnvironment data_dirs("XDG_DATA_DIRS", "/opt/share:/usr/share");
    EXPECT_EQ(utf8(platform::common_app_data_folder()), "/opt/share");
  }
  const ScopedEnvironment data_dirs("XDG_DATA_DIRS", "");
  EXPECT_EQ(utf8(platform::common_app_data_folder()), "/usr/local/share");
}

TEST(ShellFolders, PathsUseSlashes) { EXPECT_EQ(platform::path_separator(), u'/'); }

}  // namespace
