// FileText: the bytes it saves, whether the text stayed ASCII throughout or stopped being ASCII
// somewhere along the way, and however far it grew before.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "platform/ansi_code_page.h"
#include "support/case_label.h"
#include "support/temp_folder.h"
#include "toolkit/file_text.h"

namespace {

using toolkit::FileText;
using torv_test::TempFolder;

bool ansi_is_1252() { return platform::from_ansi("\x80\xE4") == u"\u20AC\u00E4"; }

// How a piece is appended: as a view of code units, through append_ascii, as a NUL-terminated
// text through append_up_to, or written in place through append_ascii_written.
enum class Way { units, ascii, terminated, written };

struct Piece {
  std::u16string text;
  Way way = Way::units;
};

struct SaveCase {
  const char* label;
  std::vector<Piece> pieces;
  std::string bytes;
};

void PrintTo(const SaveCase& c, std::ostream* out) { *out << c.label; }

// Enough lines that the text has grown several times before the piece that is not ASCII.
std::vector<Piece> many_lines_then(std::u16string last) {
  std::vector<Piece> pieces;
  for (int i = 0; i < 2000; ++i) {
    pieces.push_back({u"line,", Way::units});
    pieces.push_back({u"42\r\n", Way::ascii});
  }
  pieces.push_back({std::move(last), Way::terminated});
  return pieces;
}

std::string many_lines(const std::string& last) {
  std::string bytes;
  for (int i = 0; i < 2000; ++i) bytes += "line,42\r\n";
  return bytes + last;
}

class FileTextSave : public ::testing::TestWithParam<SaveCase> {};

TEST_P(FileTextSave, WritesTheBytesSaveTextFileWrites) {
  if (!ansi_is_1252()) GTEST_SKIP() << "the ANSI code page is not 1252";
  const SaveCase& c = GetParam();
  FileText text;
  std::u16string expected_text;
  for (const Piece& piece : c.pieces) {
    switch (piece.way) {
      case Way::units: text.append(piece.text); break;
      case Way::ascii: text.append_ascii(std::string(piece.text.begin(), piece.text.end())); break;
      case Way::terminated: EXPECT_EQ(*text.append_up_to(piece.text.c_str()), u'\0'); break;
      case Way::written:
        text.append_ascii_written(piece.text.size(), [&piece](char* first, char*) {
          for (const char16_t unit : piece.text) *first++ = static_cast<char>(unit);
          return first;
        });
        break;
    }
    expected_text += piece.text;
  }
  EXPECT_EQ(text.text(), expected_text);
  TempFolder folder;
  torv_test::write_file(folder.path() / "out.csv", "older and longer content");
  ASSERT_TRUE(text.save(folder.file("out.csv")));
  EXPECT_EQ(torv_test::read_file(folder.path() / "out.csv"), c.bytes);
}

const std::u16string long_name(150, u'x');

INSTANTIATE_TEST_SUITE_P(
    Cases, FileTextSave,
    ::testing::Values(
        SaveCase{"empty", {}, ""},
        SaveCase{"ascii", {{u"IFC GUID,"}, {u"12", Way::ascii}, {u"\r\n"}}, "IFC GUID,12\r\n"},
        SaveCase{"code_page_after_ascii",
                 {{u"a,"}, {u"Größe €"}, {u",7", Way::ascii}, {u"\r\n"}},
                 "a,Gr\xF6\xDF"
                 "e \x80,7\r\n"},
        SaveCase{"code_page_first",
                 {{u"ä"}, {u"1", Way::ascii}},
                 "\xE4"
                 "1"},
        SaveCase{"beyond_code_page_after_ascii",
                 {{u"x,"}, {u"日"}, {u"9", Way::ascii}, {u"ä"}},
                 "\xEF\xBB\xBFx,\xE6\x97\xA5"
                 "9\xC3\xA4"},
        SaveCase{"code_page_after_growing", many_lines_then(u"ö\r\n"), many_lines("\xF6\r\n")},
        SaveCase{"ascii_after_growing", many_lines_then(u"end"), many_lines("end")},
        SaveCase{"terminated_longer_than_a_chunk", {{long_name, Way::terminated}}, std::string(150, 'x')},
        SaveCase{"terminated_widened_past_a_chunk",
                 {{long_name + u"é" + long_name, Way::terminated}, {u"!", Way::terminated}},
                 std::string(150, 'x') + "\xE9" + std::string(150, 'x') + "!"},
        SaveCase{"written_before_and_after_widening",
                 {{u"-12", Way::written}, {u"ö"}, {u"345", Way::written}},
                 "-12\xF6"
                 "345"},
        SaveCase{"terminated_after_widening",
                 {{u"ü"}, {u"a,b", Way::terminated}},
                 "\xFC"
                 "a,b"}),
    torv_test::CaseLabel());

// The viewer's texts are NUL-terminated: append_up_to stops at the first of the characters asked
// for, below 64, and appends what came before.
TEST(FileText, AppendUpToStopsAtTheFirstCharacterAsked) {
  const std::u16string text = u"Frame 1 (north), \"A\"";
  FileText file_text;
  const char16_t* stop = file_text.append_up_to(text.c_str(), {u',', u'"'});
  EXPECT_EQ(stop, text.c_str() + text.find(u','));
  stop = file_text.append_up_to(stop + 1, {u'"'});
  EXPECT_EQ(stop, text.c_str() + text.find(u'"'));
  EXPECT_EQ(file_text.text(), u"Frame 1 (north) ");
}

}  // namespace
