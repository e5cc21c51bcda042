// The desktop's key text: characters, named keys, Ctrl letters, and what is refused.
#include "toolkit/key_strokes.h"

#include <gtest/gtest.h>

#include "support/case_label.h"

namespace {

using toolkit::Key;
using toolkit::KeyStroke;

TEST(KeyStrokes, ReadCharactersNamedKeysAndControlLetters) {
  std::string error;
  const auto strokes = toolkit::parse_key_strokes(u"a {SHIFT+TAB}^v{WINDOWS}", error);
  ASSERT_TRUE(strokes) << error;
  ASSERT_EQ(strokes->size(), 5u);
  EXPECT_EQ((*strokes)[0].character, u'a');
  EXPECT_EQ((*strokes)[1].character, u' ');
  EXPECT_EQ((*strokes)[2].kind, KeyStroke::Kind::key);
  EXPECT_EQ((*strokes)[2].key, Key::tab);
  EXPECT_TRUE((*strokes)[2].shift);
  EXPECT_EQ((*strokes)[3].kind, KeyStroke::Kind::control_letter);
  EXPECT_EQ((*strokes)[3].character, u'V');
  EXPECT_EQ((*strokes)[4].kind, KeyStroke::Kind::list_windows);
}

struct RefusedKeys {
  const char* label;
  std::u16string text;
  std::string error;
};

void PrintTo(const RefusedKeys& c, std::ostream* out) { *out << c.label; }

class Refused : public ::testing::TestWithParam<RefusedKeys> {};

TEST_P(Refused, SayWhichKey) {
  std::string error;
  EXPECT_FALSE(toolkit::parse_key_strokes(GetParam().text, error));
  EXPECT_EQ(error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Refused,
    ::testing::Values(RefusedKeys{"unknown_name", u"x{F13}", "unknown key {F13}"},
                      RefusedKeys{"unclosed", u"x{TAB", "unknown key {TAB (no closing brace)"},
                      RefusedKeys{"lower_case_name", u"{tab}", "unknown key {tab}"},
                      RefusedKeys{"control_digit", u"^1", "unknown key ^1: ^A ^C ^V ^X ^Y ^Z are known"},
                      RefusedKeys{"control_at_end", u"a^", "unknown key ^: ^A ^C ^V ^X ^Y ^Z are known"}),
    torv_test::CaseLabel());

}  // namespace
