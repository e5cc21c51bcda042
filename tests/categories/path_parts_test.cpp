// Parts of paths: folders, file names, the .csv rule.
#include <gtest/gtest.h>

#include "plugin_base/path_parts.h"

namespace {

TEST(PathParts, FolderAndFileName) {
  EXPECT_EQ(folder_part(u"D:\\site\\tower.ifc", u'\\'), u"D:\\site");
  EXPECT_EQ(folder_part(u"C:\\tower.ifc", u'\\'), u"C:\\");
  EXPECT_EQ(folder_part(u"tower.ifc", u'\\'), u"");
  EXPECT_EQ(file_name_part(u"/home/site/hall.ifc", u'/'), u"hall.ifc");
  EXPECT_EQ(file_name_part(u"hall.ifc", u'/'), u"hall.ifc");
}

TEST(PathParts, CsvIsAppendedUnlessTheExtensionIsCsv) {
  EXPECT_EQ(with_extension(u"r.csv", u".csv"), u"r.csv");
  EXPECT_EQ(with_extension(u"r.CSV", u".csv"), u"r.CSV");
  EXPECT_EQ(with_extension(u"r.txt", u".csv"), u"r.txt.csv");
  EXPECT_EQ(with_extension(u"r", u".csv"), u"r.csv");
  EXPECT_EQ(with_extension(u"C:\\my.folder\\r", u".csv"), u"C:\\my.folder\\r.csv");
  EXPECT_EQ(with_extension(u"/my.folder/r", u".csv"), u"/my.folder/r.csv");
}

}  // namespace
