// The colour file format: exact bytes, and damaged files that must change nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "gui_uda/color_file_format.h"
#include "support/case_label.h"
#include "support/temp_folder.h"

namespace {

using torv_test::TempFolder;

// Version 1, two entries in code-unit order ("B" < "a"), names in UTF-16 LE, colours R G B A.
const std::string two_entries(
    "\x01\x00\x00\x00"
    "\x02\x00\x00\x00"
    "\x01\x00\x00\x00"
    "B\x00"
    "\x10\x20\x30\xFF"
    "\x02\x00\x00\x00"
    "a\x00\xF3\x00"
    "\x00\x00\x00\x00",
    30);

TEST(ColorFile, WritesTheExactBytes) {
  TempFolder folder;
  ColorMap colors;
  colors[u"a\u00f3"] = Rgba{0, 0, 0, 0};
  colors[u"B"] = Rgba{0x10, 0x20, 0x30, 0xFF};
  ASSERT_TRUE(write_color_file(folder.file("uda4_colors.dat"), colors));
  EXPECT_EQ(torv_test::read_file(folder.path() / "uda4_colors.dat"), two_entries);
}

// The order is that of whole code units: U+00FF before U+0101 (whose low byte is the smaller),
// a name before the longer names it begins, many names sharing long beginnings.
TEST(ColorFile, WritesNamesInCodeUnitOrder) {
  TempFolder folder;
  std::vector<std::u16string> ordered{u"",
                                      u"Delivery 2026-1",
                                      u"Delivery 2026-10",
                                      u"Delivery 2026-2",
                                      u"ab",
                                      std::u16string{u'a', u'b', u'\0'},
                                      u"abc",
                                      u"\u00ff",
                                      u"\u0101",
                                      u"\u0101\u00ff"};
  for (int i = 0; i < 300; ++i)
    ordered.push_back(u"\u4e00 lot " + std::u16string(1, static_cast<char16_t>(u'a' + i % 26)) +
                      std::u16string(static_cast<std::size_t>(i / 26), u'x'));
  std::sort(ordered.begin(), ordered.end());
  ColorMap colors;
  for (const std::u16string& name : ordered) colors[name] = Rgba{1, 2, 3, 4};
  ASSERT_TRUE(write_color_file(folder.file("uda4_colors.dat"), colors));
  const std::string bytes = torv_test::read_file(folder.path() / "uda4_colors.dat");
  std::vector<std::u16string> written;
  for (std::size_t at = 8; at < bytes.size();) {
    const auto length = static_cast<std::size_t>(static_cast<unsigned char>(bytes[at]));
    std::u16string name;
    for (std::size_t c = 0; c < length; ++c) {
      name += static_cast<char16_t>(static_cast<unsigned char>(bytes[at + 4 + 2 * c]) |
                                    static_cast<unsigned char>(bytes[at + 5 + 2 * c]) << 8);
    }
    written.push_back(name);
    at += 8 + 2 * length;
  }
  EXPECT_EQ(written, ordered);
}

TEST(ColorFile, ReadsBackWhatItWrote) {
  TempFolder folder;
  torv_test::write_file(folder.path() / "uda4_colors.dat", two_entries);
  const std::optional<ColorMap> colors = read_color_file(folder.file("uda4_colors.dat"));
  ASSERT_TRUE(colors.has_value());
  EXPECT_EQ(colors->size(), 2u);
  EXPECT_EQ(colors->at(u"B"), (Rgba{0x10, 0x20, 0x30, 0xFF}));
  EXPECT_EQ(colors->at(u"a\u00f3"), (Rgba{0, 0, 0, 0}));
}

TEST(ColorFile, NamesDifferingInCaseAreSeparateAndAnEmptyNameHasNoBytes) {
  TempFolder folder;
  ColorMap colors{{u"batch", Rgba{1, 2, 3, 4}}, {u"Batch", Rgba{5, 6, 7, 8}}, {u"", Rgba{9, 9, 9, 9}}};
  ASSERT_TRUE(write_color_file(folder.file("c.dat"), colors));
  EXPECT_EQ(torv_test::read_file(folder.path() / "c.dat").substr(8, 8),
            std::string("\x00\x00\x00\x00\x09\x09\x09\x09", 8));
  const auto read = read_color_file(folder.file("c.dat"));
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(*read, colors);
}

TEST(ColorFile, TheFirstOfTwoEqualNamesCounts) {
  TempFolder folder;
  torv_test::write_file(folder.path() / "c.dat", std::string("\x01\x00\x00\x00\x02\x00\x00\x00"
                                                             "\x01\x00\x00\x00"
                                                             "A\x00"
                                                             "\x01\x01\x01\x01"
                                                             "\x01\x00\x00\x00"
                                                             "A\x00"
                                                             "\x02\x02\x02\x02",
                                                             28));
  EXPECT_EQ(read_color_file(folder.file("c.dat"))->at(u"A"), (Rgba{1, 1, 1, 1}));
}

struct DamagedCase {
  const char* label;
  std::string bytes;
};

void PrintTo(const DamagedCase& c, std::ostream* out) { *out << c.label; }

class DamagedColorFile : public ::testing::TestWithParam<DamagedCase> {};

// A damaged or hostile file reads as nothing, before anything is allocated for its counts.
TEST_P(DamagedColorFile, ReadsAsNothing) {
  TempFolder folder;
  torv_test::write_file(folder.path() / "c.dat", GetParam().bytes);
  EXPECT_FALSE(read_color_file(folder.file("c.dat")).has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedColorFile,
    ::testing::Values(DamagedCase{"cut_in_an_entry", two_entries.substr(0, 26)},
                      DamagedCase{"cut_in_the_header", two_entries.substr(0, 6)}, DamagedCase{"empty", ""},
                      DamagedCase{"version_2", "\x02" + two_entries.substr(1)},
                      DamagedCase{"count_of_four_billion",
                                  std::string("\x01\x00\x00\x00\xFF\xFF\xFF\xFF", 8)},
                      DamagedCase{"name_length_of_two_billion",
                                  std::string("\x01\x00\x00\x00\x01\x00\x00\x00\xFF\xFF\xFF\x7F"
                                              "AB\x00\x00",
                                              16)}),
    torv_test::CaseLabel());

TEST(ColorFile, AMissingFileReadsAsNothing) {
  TempFolder folder;
  EXPECT_FALSE(read_color_file(folder.file("none.dat")).has_value());
}

}  // namespace
