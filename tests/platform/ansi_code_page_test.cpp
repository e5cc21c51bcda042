// The ANSI code page 1252, the one of Western Windows and our default: conversions both ways.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "platform/ansi_code_page.h"
#include "platform/shell_folders.h"
#include "support/case_label.h"

namespace {

// "Größe €" in code page 1252.
const std::string grosse_1252 = std::string("Gr\xF6\xDF") + "e \x80";

// Under Wine the code page follows the locale, and on POSIX the variable TORV_ANSI_CODEPAGE.
bool ansi_is_1252() { return platform::from_ansi("\x80\xE4") == u"\u20AC\u00E4"; }

class Ansi1252 : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!ansi_is_1252()) GTEST_SKIP() << "the ANSI code page is not 1252";
  }
};

struct AnsiCase {
  const char* label;
  std::u16string text;
  std::string bytes;
  bool fits;
  // Why Windows is left out of the case.
  const char* posix_only = nullptr;
};

void PrintTo(const AnsiCase& c, std::ostream* out) { *out << c.label; }

class AnsiConversion : public Ansi1252, public ::testing::WithParamInterface<AnsiCase> {};

TEST_P(AnsiConversion, ConvertsAndTellsWhetherTheTextFits) {
  const AnsiCase& c = GetParam();
  if (c.posix_only != nullptr && platform::path_separator() == u'\\') GTEST_SKIP() << c.posix_only;
  EXPECT_EQ(platform::to_ansi(c.text), c.bytes);
  EXPECT_EQ(platform::fits_ansi(c.text), c.fits);
  if (c.fits) {
    EXPECT_EQ(platform::from_ansi(c.bytes), c.text);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AnsiConversion,
    ::testing::Values(AnsiCase{"empty", u"", "", true}, AnsiCase{"ascii", u"Batch 10", "Batch 10", true},
                      AnsiCase{"western", u"Größe €", grosse_1252, true},
                      AnsiCase{"question_mark_of_its_own", u"Why?", "Why?", true},
                      AnsiCase{"polish_not_in_1252", u"Zażółć", "Za?\xF3??", false},
                      AnsiCase{"japanese_per_character", u"日本", "??", false},
                      AnsiCase{"emoji_is_one_character", u"a\U0001F3D7b", "a?b", false,
                               "WideCharToMultiByte replaces each half of the pair"},
                      AnsiCase{"lone_surrogate", std::u16string(u"a") + u'\xD800' + u"b", "a?b", false}),
    torv_test::CaseLabel());

// Windows gives the five undefined bytes of 1252 the control characters of the same value.
TEST_F(Ansi1252, UndefinedByteBecomesOneCharacter) {
  const char16_t expected = platform::path_separator() == u'\\' ? u'\x81' : u'\xFFFD';
  EXPECT_EQ(platform::from_ansi("a\x81z"), std::u16string({u'a', expected, u'z'}));
}

TEST_F(Ansi1252, EveryPrintableByteOf1252RoundTrips) {
  std::string printable;
  for (int byte = 0x20; byte <= 0xFF; ++byte) {
    const bool undefined = byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
    if (byte != 0x7F && !undefined) printable += static_cast<char>(byte);
  }
  const std::u16string text = platform::from_ansi(printable);
  EXPECT_EQ(text.size(), printable.size());
  EXPECT_EQ(text.find(u'\xFFFD'), std::u16string::npos);
  EXPECT_TRUE(platform::fits_ansi(text));
  EXPECT_EQ(platform::to_ansi(text), printable);
}

}  // namespace
