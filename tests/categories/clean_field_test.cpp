// Cleaning and trimming the texts of CSV fields and category names.
#include <gtest/gtest.h>

#include "categories/clean_field.h"
#include "support/case_label.h"

namespace {

struct CleanCase {
  const char* label;
  std::u16string text;
  std::u16string cleaned;
};

void PrintTo(const CleanCase& c, std::ostream* out) { *out << c.label; }

class CleanField : public ::testing::TestWithParam<CleanCase> {};

TEST_P(CleanField, RemovesSeparatorsAndLineBreaks) {
  EXPECT_EQ(clean_field(GetParam().text), GetParam().cleaned);
}

INSTANTIATE_TEST_SUITE_P(Cases, CleanField,
                         ::testing::Values(CleanCase{"example", u"a,b\"c\r\nd\ne\rf", u"abcde\rf"},
                                           CleanCase{"lone_cr_stays", u"x\r", u"x\r"},
                                           CleanCase{"pair_met_after_a_comma_goes", u"x\r,\ny", u"xy"},
                                           CleanCase{"cr_cr_lf", u"\r\r\n", u"\r"},
                                           CleanCase{"nothing_to_clean", u"Level 1 east", u"Level 1 east"}),
                         torv_test::CaseLabel());

TEST(Trimmed, RemovesBlanksAndControlCharactersAtBothEnds) {
  EXPECT_EQ(trimmed(u" \t\x01 Level 1, east \r\n"), u"Level 1, east");
  EXPECT_EQ(trimmed(u"   "), u"");
  EXPECT_EQ(trimmed(u"\u00a0a\u00a0"), u"\u00a0a\u00a0");
}

}  // namespace
