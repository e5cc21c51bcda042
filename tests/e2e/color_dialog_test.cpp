// The colour dialog answered as the user types into its field: the forms of a colour it takes, what
// it keeps of other typing, and the "no colour" of alpha 00.
#include <gtest/gtest.h>

#include "support/case_label.h"
#include "support/panel_fixture.h"

namespace {

struct TypedColorCase {
  std::string label;
  std::string typed;
  // The category's colour afterwards as print panel shows it; "none" when it has none (also when
  // the dialog could not be confirmed, as the category starts without one).
  std::string shown;
};

class TypedColor : public torv_test::PanelFixture, public ::testing::WithParamInterface<TypedColorCase> {};

TEST_P(TypedColor, GivesTheCategoryItsColor) {
  const TypedColorCase& c = GetParam();
  load_model("storeys=1,assemblies=2,values=A;B");
  // Typed over the field's text, which opens selected, then Enter for OK.
  run_session("click Batches\nanswer keys " + c.typed + "{ENTER}\npanel batch swatch 1\n");
  EXPECT_EQ(panel_rows("batch"), "A\t1\t" + c.shown + "\nB\t1\tnone\nNo batch\t\tnone\n");
}

INSTANTIATE_TEST_SUITE_P(
    Field, TypedColor,
    ::testing::Values(TypedColorCase{"six_digits_are_opaque", "2E86DE", "2E86DEFF"},
                      TypedColorCase{"hash_and_six_digits_are_opaque", "#2E86DE", "2E86DEFF"},
                      TypedColorCase{"lower_case_digits", "#2e86de", "2E86DEFF"},
                      TypedColorCase{"eight_digits_keep_their_alpha", "802E86DE", "2E86DE80"},
                      TypedColorCase{"alpha_00_is_no_colour", "00000000", "none"},
                      TypedColorCase{"other_characters_are_dropped", "2E-86 DE!", "2E86DEFF"},
                      TypedColorCase{"a_ninth_digit_is_dropped", "802E86DE7", "2E86DE80"},
                      TypedColorCase{"hash_with_alpha_cannot_be_confirmed", "#802E86DE", "none"},
                      TypedColorCase{"five_digits_cannot_be_confirmed", "2E86D", "none"},
                      TypedColorCase{"seven_digits_cannot_be_confirmed", "02E86DE", "none"}),
    torv_test::CaseLabel());

}  // namespace
