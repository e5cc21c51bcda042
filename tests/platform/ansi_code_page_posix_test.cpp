// TORV_ANSI_CODEPAGE picks the Windows code page that stands in for the ANSI one on POSIX. The
// variable is read at each conversion, so these cases share one program with the others.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "platform/ansi_code_page.h"
#include "scoped_environment.h"
#include "support/case_label.h"

namespace {

// "Größe €" in code page 1252.
const std::string grosse_1252 = std::string("Gr\xF6\xDF") + "e \x80";

struct CodePageCase {
  const char* label;
  const char* variable;  // null: not set
  std::u16string text;
  std::string bytes;
};

void PrintTo(const CodePageCase& c, std::ostream* out) { *out << c.label; }

class CodePageVariable : public ::testing::TestWithParam<CodePageCase> {};

TEST_P(CodePageVariable, NamesTheCodePage) {
  const CodePageCase& c = GetParam();
  const torv_test::ScopedEnvironment code_page("TORV_ANSI_CODEPAGE", c.variable);
  EXPECT_EQ(platform::to_ansi(c.text), c.bytes);
  EXPECT_TRUE(platform::fits_ansi(c.text));
  EXPECT_EQ(platform::from_ansi(c.bytes), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CodePageVariable,
    ::testing::Values(CodePageCase{"unset_is_1252", nullptr, u"Größe €", grosse_1252},
                      CodePageCase{"empty_is_1252", "", u"Größe €", grosse_1252},
                      CodePageCase{"unknown_falls_back_to_1252", "no-such", u"Größe €", grosse_1252},
                      CodePageCase{"central_european_1250", "1250", u"Zażółć €", "Za\xBF\xF3\xB3\xE6 \x80"},
                      CodePageCase{"cyrillic_1251", "1251", u"Жук 3", "\xC6\xF3\xEA 3"},
                      CodePageCase{"japanese_double_byte_932", "932", u"日本 1", "\x93\xFA\x96\x7B 1"}),
    torv_test::CaseLabel());

TEST(CodePageVariable, CharactersOutsideTheChosenPageBecomeQuestionMarks) {
  const torv_test::ScopedEnvironment code_page("TORV_ANSI_CODEPAGE", "1250");
  EXPECT_EQ(platform::to_ansi(u"Jürgen Æsir"), "J\xFCrgen ?sir");
  EXPECT_FALSE(platform::fits_ansi(u"Jürgen Æsir"));
}

TEST(CodePageVariable, DoubleByteCharacterCutShortBecomesReplacementCharacter) {
  const torv_test::ScopedEnvironment code_page("TORV_ANSI_CODEPAGE", "932");
  EXPECT_EQ(platform::from_ansi("1\x93\xFA\x93"), u"1日\uFFFD");
}

}  // namespace
