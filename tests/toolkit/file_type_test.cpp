// Which of a file dialog's types a file name's extension names.
#include <gtest/gtest.h>

#include <string>

#include "toolkit/dialogs.h"

namespace {

struct TypeCase {
  const char16_t* file_name;
  int index;
};

TEST(FileType, IsTheFirstPairWhosePatternIsTheExtension) {
  const std::u16string filter =
      u"CSV report (*.csv)|*.csv|Excel workbook (*.xlsx)|*.xlsx|Texts (*.txt;*.log)|*.txt;*.log|All files "
      u"(*.*)|*.*";
  const TypeCase cases[] = {
      {u"report.csv", 1},      {u"report.XLSX", 2},    {u"C:\\site\\tower.export.xlsx", 2},
      {u"run.log", 3},         {u"notes.txt", 3},      {u"report", 0},
      {u"report.xlsx.bak", 0}, {u"C:\\my.xlsx\\r", 0}, {u"/home/a.csv/b", 0},
      {u"report.csvx", 0},     {u".xlsx", 2},
  };
  for (const TypeCase& entry : cases) {
    EXPECT_EQ(toolkit::filter_index_for(filter, entry.file_name), entry.index) << std::string(
        entry.file_name, entry.file_name + std::char_traits<char16_t>::length(entry.file_name));
  }
  EXPECT_EQ(toolkit::filter_index_for(u"", u"r.csv"), 0);
  EXPECT_EQ(toolkit::filter_index_for(u"CSV (*.csv)", u"r.csv"), 0);
}

}  // namespace
