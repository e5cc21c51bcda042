// StringList: which bytes give which lines, and the exact bytes it writes.
#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "platform/ansi_code_page.h"
#include "platform/shell_folders.h"
#include "platform/utf8.h"
#include "support/case_label.h"
#include "support/temp_folder.h"
#include "toolkit/string_list.h"

namespace {

using toolkit::StringList;
using torv_test::TempFolder;
using Lines = std::vector<std::u16string>;

// Under Wine the ANSI code page follows the locale, and on POSIX the variable TORV_ANSI_CODEPAGE.
bool ansi_is_1252() { return platform::from_ansi("\x80\xE4") == u"\u20AC\u00E4"; }

std::string utf16_bytes(std::u16string_view text, bool big_endian) {
  std::string bytes = big_endian ? "\xFE\xFF" : "\xFF\xFE";
  for (const char16_t unit : text) {
    const auto high = static_cast<char>(unit >> 8);
    const auto low = static_cast<char>(unit & 0xFF);
    bytes += big_endian ? high : low;
    bytes += big_endian ? low : high;
  }
  return bytes;
}

std::string numbered_lines(int count) {
  std::string bytes;
  for (int i = 0; i < count; ++i) bytes += "line " + std::to_string(i) + "\r\n";
  return bytes;
}

Lines numbered_texts(int count) {
  Lines lines;
  for (int i = 0; i < count; ++i) {
    const std::string number = std::to_string(i);
    lines.push_back(u"line " + std::u16string(number.begin(), number.end()));
  }
  return lines;
}

struct LoadCase {
  const char* label;
  std::string bytes;
  Lines lines;
  bool needs_1252 = false;
};

void PrintTo(const LoadCase& c, std::ostream* out) { *out << c.label; }

class StringListLoad : public ::testing::TestWithParam<LoadCase> {};

TEST_P(StringListLoad, ReadsTheLinesOfTheFile) {
  const LoadCase& c = GetParam();
  if (c.needs_1252 && !ansi_is_1252()) GTEST_SKIP() << "the ANSI code page is not 1252";
  TempFolder folder;
  torv_test::write_file(folder.path() / "list.txt", c.bytes);
  StringList list;
  list.lines = {u"left over"};
  ASSERT_TRUE(list.load_from_file(folder.file("list.txt")));
  EXPECT_EQ(list.lines, c.lines);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StringListLoad,
    ::testing::Values(
        LoadCase{"ansi_1252", std::string("Gr\xF6\xDF") + "e\r\nK\xE4se \x80", {u"Größe", u"Käse €"}, true},
        LoadCase{"utf8_mark", "\xEF\xBB\xBF" + platform::to_utf8(u"Zażółć\r\n日"), {u"Zażółć", u"日"}},
        LoadCase{
            "utf16_le_mark", utf16_bytes(u"Żuraw\r\n日本 \U0001F3D7", false), {u"Żuraw", u"日本 \U0001F3D7"}},
        LoadCase{
            "utf16_be_mark_odd_last_byte", utf16_bytes(u"Żuraw\n日本", true) + "\x41", {u"Żuraw", u"日本"}},
        LoadCase{"mark_only", "\xEF\xBB\xBF", {}},
        LoadCase{"mixed_breaks", "a\r\nb\nc\rd", {u"a", u"b", u"c", u"d"}},
        LoadCase{"cr_then_cr_lf", "a\r\r\nb", {u"a", u"", u"b"}},
        LoadCase{"lf_then_cr_are_two_breaks", "a\n\rb", {u"a", u"", u"b"}},
        LoadCase{"trailing_break", "a\r\nb\r\n", {u"a", u"b"}},
        LoadCase{"two_trailing_breaks", "a\n\n", {u"a", u""}}, LoadCase{"empty_file", "", {}},
        LoadCase{"lone_break", "\r\n", {u""}},
        LoadCase{"longer_than_one_read", numbered_lines(2000), numbered_texts(2000)},
        LoadCase{"a_megabyte_without_a_break", std::string(1 << 20, 'x'), {std::u16string(1 << 20, u'x')}}),
    torv_test::CaseLabel());

TEST(StringList, LoadOfAMissingFileFailsAndKeepsTheLines) {
  TempFolder folder;
  StringList list;
  list.lines = {u"kept"};
  EXPECT_FALSE(list.load_from_file(folder.file("missing.txt")));
  EXPECT_EQ(list.lines, Lines{u"kept"});
}

TEST(StringList, SavesAnsiLinesEachEndedByCrLf) {
  if (!ansi_is_1252()) GTEST_SKIP() << "the ANSI code page is not 1252";
  TempFolder folder;
  torv_test::write_file(folder.path() / "list.txt", "older and longer content");
  StringList list;
  list.lines = {u"Größe €", u"", u"Ende"};
  ASSERT_TRUE(list.save_to_file(folder.file("list.txt")));
  EXPECT_EQ(torv_test::read_file(folder.path() / "list.txt"),
            std::string("Gr\xF6\xDF") + "e \x80\r\n\r\nEnde\r\n");
}

// One character the code page lacks, and the whole text goes as UTF-8 with a byte-order mark.
TEST(StringList, SavesTextBeyondTheCodePageAsUtf8) {
  if (!ansi_is_1252()) GTEST_SKIP() << "the ANSI code page is not 1252";
  TempFolder folder;
  StringList list;
  list.lines = {u"Größe €", u"日 Ende"};
  ASSERT_TRUE(list.save_to_file(folder.file("list.txt")));
  EXPECT_EQ(torv_test::read_file(folder.path() / "list.txt"),
            "\xEF\xBB\xBFGr\xC3\xB6\xC3\x9F"
            "e \xE2\x82\xAC\r\n\xE6\x97\xA5 Ende\r\n");
  StringList loaded;
  ASSERT_TRUE(loaded.load_from_file(folder.file("list.txt")));
  EXPECT_EQ(loaded.lines, list.lines);
}

TEST(StringList, SavedLinesLoadAgain) {
  TempFolder folder;
  StringList saved;
  saved.lines = {u"Batch 1", u"", u"Batch 10;x"};
  ASSERT_TRUE(saved.save_to_file(folder.file("list.txt")));
  StringList loaded;
  ASSERT_TRUE(loaded.load_from_file(folder.file("list.txt")));
  EXPECT_EQ(loaded.lines, saved.lines);
}

TEST(StringList, SaveIntoAMissingFolderFails) {
  TempFolder folder;
  StringList list;
  list.lines = {u"a"};
  EXPECT_FALSE(list.save_to_file(folder.file("no such folder/list.txt")));
}

// Written whole or not at all: when the new file cannot take the old one's place, the old one
// stays byte for byte and no temporary file is left behind.
TEST(StringList, AFailedSaveLeavesTheOldFileAsItWas) {
  TempFolder folder;
  torv_test::write_file(folder.path() / "list.txt", "old lines\r\n");
  // A read-only file is not replaced.
  std::filesystem::permissions(folder.path() / "list.txt", std::filesystem::perms::owner_read);
  StringList list;
  list.lines = {u"new"};
  EXPECT_FALSE(list.save_to_file(folder.file("list.txt")));
  EXPECT_EQ(torv_test::read_file(folder.path() / "list.txt"), "old lines\r\n");
}

}  // namespace
