// The plural form of a count in each language's texts.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "plugin_base/language_text.h"
#include "support/case_label.h"

namespace {

using cpp::PluralForm;

struct PluralCase {
  const char* label;
  std::u16string language;
  std::uint64_t count;
  PluralForm form;
};

void PrintTo(const PluralCase& c, std::ostream* out) { *out << c.label; }

class PluralForms : public ::testing::TestWithParam<PluralCase> {};

TEST_P(PluralForms, FollowTheLanguagesRule) {
  EXPECT_EQ(cpp::plural_form(GetParam().language, GetParam().count), GetParam().form);
}

constexpr PluralForm one = PluralForm::one, few = PluralForm::few, many = PluralForm::many,
                     other = PluralForm::other;

INSTANTIATE_TEST_SUITE_P(
    Cases, PluralForms,
    ::testing::Values(PluralCase{"en_0", u"en", 0, other}, PluralCase{"en_1", u"en", 1, one},
                      PluralCase{"en_2", u"en", 2, other}, PluralCase{"en_5", u"en", 5, other},
                      PluralCase{"en_12", u"en", 12, other}, PluralCase{"en_21", u"en", 21, other},
                      PluralCase{"en_22", u"en", 22, other}, PluralCase{"en_101", u"en", 101, other},
                      PluralCase{"de_0", u"de", 0, other}, PluralCase{"de_1", u"de", 1, one},
                      PluralCase{"de_2", u"de", 2, other}, PluralCase{"de_25", u"de", 25, other},
                      PluralCase{"de_101", u"de", 101, other}, PluralCase{"pl_0", u"pl", 0, many},
                      PluralCase{"pl_1", u"pl", 1, one}, PluralCase{"pl_2", u"pl", 2, few},
                      PluralCase{"pl_3", u"pl", 3, few}, PluralCase{"pl_4", u"pl", 4, few},
                      PluralCase{"pl_5", u"pl", 5, many}, PluralCase{"pl_11", u"pl", 11, many},
                      PluralCase{"pl_12", u"pl", 12, many}, PluralCase{"pl_13", u"pl", 13, many},
                      PluralCase{"pl_14", u"pl", 14, many}, PluralCase{"pl_21", u"pl", 21, many},
                      PluralCase{"pl_22", u"pl", 22, few}, PluralCase{"pl_24", u"pl", 24, few},
                      PluralCase{"pl_25", u"pl", 25, many}, PluralCase{"pl_101", u"pl", 101, many},
                      PluralCase{"pl_102", u"pl", 102, few}, PluralCase{"pl_112", u"pl", 112, many},
                      PluralCase{"pl_114", u"pl", 114, many}, PluralCase{"pl_122", u"pl", 122, few},
                      PluralCase{"pl_1004", u"pl", 1004, few}, PluralCase{"pl_1012", u"pl", 1012, many},
                      PluralCase{"pl_beyond_32_bits", u"pl", 4294967302u, few},
                      // A region after the language, in either case, is the same language.
                      PluralCase{"pl_PL_2", u"pl-PL", 2, few},
                      PluralCase{"PL_underscore_5", u"PL_pl", 5, many},
                      // Another language, or none, takes one and other.
                      PluralCase{"plx_2", u"plx", 2, other}, PluralCase{"fr_2", u"fr", 2, other},
                      PluralCase{"empty_1", u"", 1, one}, PluralCase{"empty_5", u"", 5, other}),
    torv_test::CaseLabel());

TEST(PluralSuffixes, NameTheForms) {
  EXPECT_STREQ(cpp::plural_suffix(PluralForm::one), ".one");
  EXPECT_STREQ(cpp::plural_suffix(PluralForm::few), ".few");
  EXPECT_STREQ(cpp::plural_suffix(PluralForm::many), ".many");
  EXPECT_STREQ(cpp::plural_suffix(PluralForm::other), ".other");
}

}  // namespace
