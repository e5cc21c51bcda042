// Category names from property values: numbers in general format.
#include <gtest/gtest.h>

#include "gui_uda/property_value_text.h"
#include "platform/utf8.h"
#include "support/case_label.h"

namespace {

struct NumberCase {
  const char* label;
  double value;
  std::string text;
};

void PrintTo(const NumberCase& c, std::ostream* out) { *out << c.label; }

class GeneralNumber : public ::testing::TestWithParam<NumberCase> {};

TEST_P(GeneralNumber, HasAtMostFifteenSignificantDigits) {
  EXPECT_EQ(platform::to_utf8(general_number_text(GetParam().value, u'.')), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GeneralNumber,
    ::testing::Values(
        NumberCase{"zero", 0.0, "0"}, NumberCase{"whole", 42.0, "42"}, NumberCase{"fraction", 2.5, "2.5"},
        NumberCase{"negative", -0.125, "-0.125"}, NumberCase{"one_third", 1.0 / 3.0, "0.333333333333333"},
        NumberCase{"rounded_up", 0.1 + 0.2, "0.3"}, NumberCase{"smallest_fixed", 0.00001, "0.00001"},
        NumberCase{"below_fixed", 0.000001, "1E-6"},
        NumberCase{"fifteen_digits", 123456789012345.0, "123456789012345"},
        NumberCase{"sixteen_digits", 1234567890123456.0, "1.23456789012346E15"},
        NumberCase{"large", 1.5e20, "1.5E20"}, NumberCase{"rounds_to_next_power", 999999999999999.9, "1E15"},
        // A sixteenth digit of exactly 5 rounds to the even neighbour, in every build.
        NumberCase{"tie_to_even_down", 1234567890123445.0, "1.23456789012344E15"},
        NumberCase{"tie_to_even_up", 1234567890123455.0, "1.23456789012346E15"},
        NumberCase{"just_below_a_millimetre_edge", 35.91, "35.91"},
        NumberCase{"near_two_to_the_31_thousandths", 2147483.647, "2147483.647"},
        NumberCase{"negative_small", -0.0019, "-0.0019"}),
    torv_test::CaseLabel());

TEST(GeneralNumber, UsesTheGivenDecimalSeparator) {
  EXPECT_EQ(platform::to_utf8(general_number_text(2.5, u',')), "2,5");
  EXPECT_EQ(platform::to_utf8(general_number_text(1.5e-7, u',')), "1,5E-7");
}

TEST(PropertyValueText, FollowsTheValueType) {
  std::u16string buffer;
  viewer::PropertyResult result{};
  result.value_type = viewer::property_text;
  result.value.text = u"  Batch 7 \t";
  EXPECT_EQ(property_value_text(result, u'.', buffer), u"Batch 7");
  result.value.text = nullptr;
  EXPECT_EQ(property_value_text(result, u'.', buffer), u"");
  result.value_type = viewer::property_boolean;
  result.value.number = 0.0;
  EXPECT_EQ(property_value_text(result, u'.', buffer), u"false");
  result.value.number = -1.0;
  EXPECT_EQ(property_value_text(result, u'.', buffer), u"true");
  result.value_type = viewer::property_integer;
  result.value.number = -4294967297.9;  // truncated toward zero, in 64 bits
  EXPECT_EQ(property_value_text(result, u'.', buffer), u"-4294967297");
  result.value_type = 1;
  result.value.number = 12.75;
  EXPECT_EQ(property_value_text(result, u'.', buffer), u"12.75");
}

}  // namespace
