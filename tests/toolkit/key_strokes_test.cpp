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

struct NamedKey {
  const char* label;
  std::u16string text;
  KeyStroke::Kind kind;
  Key key;
  char16_t letter;
  bool shift;
  bool alt;
};

void PrintTo(const NamedKey& c, std::ostream* out) { *out << c.label; }

class Named : public ::testing::TestWithParam<NamedKey> {};

TEST_P(Named, ReadAsOneStroke) {
  const NamedKey& c = GetParam();
  std::string error;
  const auto strokes = toolkit::parse_key_strokes(c.text, error);
  ASSERT_TRUE(strokes) << error;
  ASSERT_EQ(strokes->size(), 1u);
  const KeyStroke& stroke = strokes->front();
  EXPECT_EQ(stroke.kind, c.kind);
  if (c.kind == KeyStroke::Kind::key) {
    EXPECT_EQ(stroke.key, c.key);
  }
  EXPECT_EQ(stroke.character, c.letter);
  EXPECT_EQ(stroke.shift, c.shift);
  EXPECT_EQ(stroke.alt, c.alt);
}

constexpr auto key = KeyStroke::Kind::key;
constexpr auto alt_letter = KeyStroke::Kind::alt_letter;

INSTANTIATE_TEST_SUITE_P(
    Cases, Named,
    ::testing::Values(NamedKey{"menu_key", u"{APPS}", key, Key::apps, 0, false, false},
                      NamedKey{"shift_f10", u"{SHIFT+F10}", key, Key::f10, 0, true, false},
                      NamedKey{"f2", u"{F2}", key, Key::f2, 0, false, false},
                      NamedKey{"insert", u"{INS}", key, Key::insert, 0, false, false},
                      NamedKey{"page_up", u"{PGUP}", key, Key::page_up, 0, false, false},
                      NamedKey{"page_down", u"{PGDN}", key, Key::page_down, 0, false, false},
                      NamedKey{"alt_f4", u"{ALT+F4}", key, Key::f4, 0, false, true},
                      NamedKey{"alt_letter", u"{ALT+R}", alt_letter, Key::up, u'R', false, true},
                      NamedKey{"alt_small_letter", u"{ALT+r}", alt_letter, Key::up, u'R', false, true}),
    torv_test::CaseLabel());

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
                      RefusedKeys{"alt_digit", u"{ALT+1}", "unknown key {ALT+1}"},
                      RefusedKeys{"alt_two_letters", u"{ALT+AB}", "unknown key {ALT+AB}"},
                      RefusedKeys{"control_digit", u"^1", "unknown key ^1: ^A ^C ^V ^X ^Y ^Z are known"},
                      RefusedKeys{"control_at_end", u"a^", "unknown key ^: ^A ^C ^V ^X ^Y ^Z are known"}),
    torv_test::CaseLabel());

}  // namespace
