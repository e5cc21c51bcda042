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

// A piece appended as code units, or through append_ascii when ascii is set.
struct Piece {
  std::u16string text;
  bool ascii = false;
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
    pieces.push_back({u"line,", false});
    pieces.push_back({u"42\r\n", true});
  }
  pieces.push_back({std::move(last), false});
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
    if (piece.ascii) {
      text.append_ascii(std::string(piece.text.begin(), piece.text.end()));
    } else {
      text.append(piece.text);
    }
    expected_text += piece.text;
  }
  EXPECT_EQ(text.text(), expected_text);
  TempFolder folder;
  torv_test::write_file(folder.path() / "out.csv", "older and longer content");
  ASSERT_TRUE(text.save(folder.file("out.csv")));
  EXPECT_EQ(torv_test::read_file(folder.path() / "out.csv"), c.bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FileTextSave,
    ::testing::Values(SaveCase{"empty", {}, ""},
                      SaveCase{"ascii", {{u"IFC GUID,", false}, {u"12", true}, {u"\r\n", false}}, "IFC GUID,12\r\n"},
                      SaveCase{"code_page_after_ascii",
                               {{u"a,", false}, {u"Größe €", false}, {u",7", true}, {u"\r\n", false}},
                               "a,Gr\xF6\xDF"
                               "e \x80,7\r\n"},
                      SaveCase{"code_page_first", {{u"ä", false}, {u"1", true}}, "\xE4"
                                                                                 "1"},
                      SaveCase{"beyond_code_page_after_ascii",
                               {{u"x,", false}, {u"日", false}, {u"9", true}, {u"ä", false}},
                               "\xEF\xBB\xBFx,\xE6\x97\xA5"
                               "9\xC3\xA4"},
                      SaveCase{"code_page_after_growing", many_lines_then(u"ö\r\n"), many_lines("\xF6\r\n")},
                      SaveCase{"ascii_after_growing", many_lines_then(u"end"), many_lines("end")}),
    torv_test::CaseLabel());

}  // namespace
