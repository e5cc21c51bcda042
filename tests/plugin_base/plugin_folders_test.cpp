// The plug-in's folders follow the library's own file name, in either path convention.
#include <gtest/gtest.h>

#include "platform/utf8.h"
#include "plugin_base/plugin_folders.h"

#include "support/case_label.h"

namespace {

struct FolderCase {
  const char* label;
  std::u16string file_name;
  char16_t separator;
  std::u16string library_folder;
  std::u16string base_name;
  std::u16string user_folder;  // inside the application-data folder "APPDATA"
};

void PrintTo(const FolderCase& c, std::ostream* out) { *out << c.label; }

class PluginFolders : public ::testing::TestWithParam<FolderCase> {};

TEST_P(PluginFolders, FollowTheLibraryFileName) {
  const FolderCase& c = GetParam();
  EXPECT_EQ(plugin_folders::library_folder(c.file_name, c.separator), c.library_folder);
  const std::u16string base = plugin_folders::base_name(c.file_name, c.separator);
  EXPECT_EQ(base, c.base_name);
  EXPECT_EQ(plugin_folders::application_folder(u"APPDATA", base, c.separator), c.user_folder);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PluginFolders,
    ::testing::Values(FolderCase{"windows_library", u"D:\\Viewer\\plugins\\torv.dll", u'\\',
                                 u"D:\\Viewer\\plugins", u"torv", u"APPDATA\\Quarnex\\plugins\\torv\\"},
                      FolderCase{"several_dots", u"/opt/viewer/my.plugin.so", u'/', u"/opt/viewer",
                                 u"my.plugin", u"APPDATA/Quarnex/plugins/my.plugin/"},
                      FolderCase{"no_dot", u"/opt/viewer/torv", u'/', u"/opt/viewer", u"torv",
                                 u"APPDATA/Quarnex/plugins/torv/"},
                      FolderCase{"dot_only_in_folder", u"/opt/viewer-1.2/torv", u'/', u"/opt/viewer-1.2",
                                 u"torv", u"APPDATA/Quarnex/plugins/torv/"},
                      FolderCase{"no_separator", u"torv.dll", u'\\', u"torv.dll", u"torv",
                                 u"APPDATA\\Quarnex\\plugins\\torv\\"},
                      FolderCase{"renamed", u"C:\\Tools\\tracking.dll", u'\\', u"C:\\Tools", u"tracking",
                                 u"APPDATA\\Quarnex\\plugins\\tracking\\"}),
    torv_test::CaseLabel());

}  // namespace
