// The colour dialog worked from the keyboard through torv-host: its buttons' underlined letters,
// and "Define custom colours >>" pressed from the keys, after which the keys go on in the dialog (in
// the Windows build on a display the system's picker opens and is confirmed as it opened).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "keyboard_session.h"
#include "support/case_label.h"

namespace {

using ::testing::HasSubstr;
using ::testing::Not;

struct ColorKeys {
  std::string label;
  std::string keys;
  std::string row;  // the first batch's row afterwards; empty when the dialog was cancelled
  std::string typed_colour;
};

class ColorDialogKeys : public torv_test::Keyboard, public ::testing::WithParamInterface<ColorKeys> {};

TEST_P(ColorDialogKeys, GiveTheBatchItsColour) {
  const ColorKeys& c = GetParam();
  const auto result = run_session("answer keys " + c.keys + "\npanel batch swatch 1\nprint panel batch\n");
  ASSERT_EQ(result.exit_code, 0) << result.errors;
  // Colours are kept per name between runs: a cancelled dialog leaves the batch without the colour typed.
  if (c.row.empty()) {
    EXPECT_THAT(result.out, Not(HasSubstr(c.typed_colour))) << result.out;
  } else {
    EXPECT_THAT(result.out, HasSubstr("\n" + c.row + "\n")) << result.out;
  }
  EXPECT_THAT(result.errors, Not(HasSubstr("still open"))) << result.errors;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ColorDialogKeys,
    ::testing::Values(ColorKeys{"alt_o_is_ok", "2E86DE{ALT+O}", "Alpha\t2\t2E86DEFF", "2E86DE"},
                      ColorKeys{"alt_c_is_cancel", "7A1F3C{ALT+C}", "", "7A1F3C"},
                      ColorKeys{"alt_n_ticks_no_colour", "{ALT+N}{ALT+O}", "Alpha\t2\tnone", ""},
                      ColorKeys{"alt_d_defines_a_colour_and_the_keys_go_on", "3C8D2F{ALT+D}{ALT+O}",
                                "Alpha\t2\t3C8D2FFF", "3C8D2F"},
                      ColorKeys{"define_pressed_by_space_and_the_keys_go_on",
                                "D1495B{SHIFT+TAB}{SPACE}{TAB}{ENTER}", "Alpha\t2\tD1495BFF", "D1495B"}),
    torv_test::CaseLabel());

}  // namespace
