// The logical order of names: pairs in a known order, and the order's consistency over many names.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "platform/logical_compare.h"
#include "platform/shell_folders.h"
#include "platform/utf8.h"
#include "support/case_label.h"

namespace {

using platform::compare_logical;

bool on_windows() { return platform::path_separator() == u'\\'; }

struct OrderCase {
  const char* label;
  std::u16string first;
  std::u16string second;
  // Why Windows, whose StrCmpLogicalW is the reference there, is left out of the case.
  const char* posix_only = nullptr;
};

void PrintTo(const OrderCase& c, std::ostream* out) { *out << c.label; }

class LogicalOrder : public ::testing::TestWithParam<OrderCase> {};

TEST_P(LogicalOrder, PutsTheFirstNameFirst) {
  const OrderCase& c = GetParam();
  if (c.posix_only != nullptr && on_windows()) GTEST_SKIP() << c.posix_only;
  EXPECT_LT(compare_logical(c.first, c.second), 0);
  EXPECT_GT(compare_logical(c.second, c.first), 0);
  EXPECT_EQ(compare_logical(c.first, c.first), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LogicalOrder,
    ::testing::Values(OrderCase{"numbers_by_value", u"Batch 2", u"batch 10"},
                      OrderCase{"case_ignored", u"a", u"B"}, OrderCase{"empty_first", u"", u"a"},
                      OrderCase{"one_digit_before_two", u"x9", u"x10"},
                      OrderCase{"two_digits_before_three", u"x10", u"x100"},
                      OrderCase{"leading_zeros_do_not_add_value", u"x009", u"x10"},
                      OrderCase{"prefix_first", u"Level", u"Level 1"},
                      OrderCase{"later_number_decides", u"Storey 2 part 9", u"storey 2 part 10"},
                      OrderCase{"text_after_equal_numbers_decides", u"Batch 10a", u"batch 10B"},
                      OrderCase{"number_before_text_after_it", u"Batch 2b", u"Batch 10a"},
                      OrderCase{"digits_before_letters", u"Batch 9", u"Batch A"},
                      OrderCase{"punctuation_before_digits", u"Batch (2)", u"Batch 1",
                                "Wine's StrCmpLogicalW puts digits before punctuation"},
                      OrderCase{"polish_case_folded", u"łódź 2", u"Łódź 10"},
                      OrderCase{"german_case_folded", u"äpfel 9", u"Äpfel 10"},
                      OrderCase{"greek_case_folded", u"δ 1", u"Δ 2"},
                      OrderCase{"cyrillic_case_folded", u"жук 3", u"Жук 20"},
                      OrderCase{"numbers_longer_than_64_bits", u"Part 99999999999999999999",
                                u"part 100000000000000000000"},
                      OrderCase{"equal_numbers_fewer_leading_zeros_first", u"x7", u"x07",
                                "StrCmpLogicalW may call these equal"},
                      OrderCase{"zeros_only_by_count", u"0", u"00", "StrCmpLogicalW may call these equal"},
                      OrderCase{"first_difference_in_zeros_decides", u"a01b002", u"a001b02",
                                "StrCmpLogicalW may call these equal"},
                      OrderCase{"zeros_before_case", u"b7", u"B07", "StrCmpLogicalW may call these equal"},
                      OrderCase{"same_letters_capital_first", u"Level 1, east", u"level 1, East",
                                "StrCmpLogicalW ignores letter case entirely"},
                      OrderCase{"sharp_s_is_not_ss", u"STRASSE", u"Straße",
                                "Windows sorts letters by the alphabet of its language"},
                      OrderCase{"accented_letters_after_basic_latin", u"Zebra", u"Ärger",
                                "Windows sorts letters by the alphabet of its language"}),
    torv_test::CaseLabel());

// Names of every kind the panels meet: mixed case, accents, several scripts, leading zeros and
// numbers too long for any integer type.
std::vector<std::u16string> generated_names() {
  const std::u16string stems[] = {u"Batch", u"batch", u"BATCH", u"Łódź",  u"łódź",  u"Straße", u"STRASSE",
                                  u"Ärger", u"ärger", u"Żuraw", u"żuraw", u"Δέλτα", u"δέλτα",  u"Жук",
                                  u"жук",   u"Level", u"level", u"a",     u"B",     u""};
  const std::u16string separators[] = {u" ", u"", u"-", u"_"};
  const std::u16string numbers[] = {u"0",
                                    u"00",
                                    u"1",
                                    u"01",
                                    u"001",
                                    u"2",
                                    u"9",
                                    u"10",
                                    u"010",
                                    u"100",
                                    u"18446744073709551616",
                                    u"018446744073709551616"};
  const std::u16string suffixes[] = {u"", u"a", u"B", u" east", u" East", u"b2", u"B02"};
  std::mt19937 random(20261210);
  const auto pick = [&random](const auto& choices) {
    std::uniform_int_distribution<std::size_t> index(0, std::size(choices) - 1);
    return choices[index(random)];
  };
  std::set<std::u16string> names;
  while (names.size() < 200) names.insert(pick(stems) + pick(separators) + pick(numbers) + pick(suffixes));
  return {names.begin(), names.end()};
}

bool logical_less(const std::u16string& a, const std::u16string& b) { return compare_logical(a, b) < 0; }

TEST(LogicalOrderOfManyNames, SortingGivesTheSameOrderFromEveryShuffle) {
  std::vector<std::u16string> names = generated_names();
  std::mt19937 random(7);
  std::shuffle(names.begin(), names.end(), random);
  std::sort(names.begin(), names.end(), logical_less);
  const std::vector<std::u16string> first_order = names;
  for (int round = 0; round < 5; ++round) {
    std::shuffle(names.begin(), names.end(), random);
    std::sort(names.begin(), names.end(), logical_less);
    for (std::size_t i = 0; i < names.size(); ++i) {
      ASSERT_EQ(compare_logical(names[i], first_order[i]), 0)
          << "round " << round << ", place " << i << ": " << platform::to_utf8(names[i]) << " / "
          << platform::to_utf8(first_order[i]);
    }
  }
}

// If every earlier name of the sorted list compares below every later one, in both directions,
// the comparison agrees with the list's positions, which are a total order: so it is antisymmetric
// and transitive over these names, and 0 only for a name with itself.
TEST(LogicalOrderOfManyNames, IsATotalOrder) {
  if (on_windows()) GTEST_SKIP() << "StrCmpLogicalW is the reference on Windows";
  std::vector<std::u16string> names = generated_names();
  std::sort(names.begin(), names.end(), logical_less);
  for (std::size_t i = 0; i < names.size(); ++i) {
    ASSERT_EQ(compare_logical(names[i], names[i]), 0) << platform::to_utf8(names[i]);
    for (std::size_t j = i + 1; j < names.size(); ++j) {
      ASSERT_LT(compare_logical(names[i], names[j]), 0)
          << platform::to_utf8(names[i]) << " / " << platform::to_utf8(names[j]);
      ASSERT_GT(compare_logical(names[j], names[i]), 0)
          << platform::to_utf8(names[j]) << " / " << platform::to_utf8(names[i]);
    }
  }
}

}  // namespace
