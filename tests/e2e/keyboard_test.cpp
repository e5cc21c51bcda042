// The user's keyboard on the panels and dialogs, through torv-host: keys typed into the add and
// rename dialog (caret keys, Delete, the clipboard, the name's cleaning), Tab through a form's
// controls, Space on a focused button or check box, and the windows disabled behind each kind of
// dialog. The same sessions run in the Linux build, in the Windows build without a display (the
// forms take the keys themselves) and under a virtual display (real keyboard input to the system's
// controls), and must give the same panels.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "keyboard_session.h"
#include "support/case_label.h"

namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;
using torv_test::Keyboard;
using torv_test::text;

struct TypedName {
  const char* label;
  const char* before;  // session lines before the keys
  const char* keys;
  const char* command;  // the command that opens the dialog
  const char* name;     // the row the panel shows afterwards
};

void PrintTo(const TypedName& c, std::ostream* out) { *out << c.label; }

class TypedNames : public Keyboard, public ::testing::WithParamInterface<TypedName> {};

TEST_P(TypedNames, EndUpInThePanel) {
  const TypedName& c = GetParam();
  const auto result = run_session(std::string(c.before) + "answer keys " + c.keys + "\npanel batch " +
                                  c.command + "\nprint panel batch\n");
  ASSERT_EQ(result.exit_code, 0) << result.errors;
  EXPECT_THAT(result.out, HasSubstr(std::string("\n") + c.name + "\t")) << result.out;
  EXPECT_THAT(result.errors, Not(HasSubstr("still open"))) << result.errors;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TypedNames,
    ::testing::Values(
        TypedName{"caret_keys", "", "Batch 7{HOME}X{END}Y{TAB}{SPACE}", "menu add", "XBatch 7Y"},
        TypedName{"paste", "clipboard Lot 5\n", "^V{TAB}{SPACE}", "menu add", "Lot 5"},
        TypedName{"cut_and_paste_twice", "", "Lot^A^X^V^V{TAB}{SPACE}", "menu add", "LotLot"},
        TypedName{"backspace", "", "Lot 9{BKSP}8{TAB}{SPACE}", "menu add", "Lot 8"},
        TypedName{"comma_cleaned_away", "", "a,b{TAB}{SPACE}", "menu add", "ab"},
        // The quote is cleaned away as it is typed; the caret stays between a and b.
        TypedName{"caret_kept_by_the_cleaning", "", "ab{LEFT}\"c{TAB}{SPACE}", "menu add", "acb"},
        TypedName{"pasted_text_cleaned", "clipboard x,\"y\"\n", "^V{TAB}{SPACE}", "menu add", "xy"},
        // The field opens with the name selected; Home ends the selection.
        TypedName{"rename_in_the_middle", "panel batch row 1\n", "{HOME}{RIGHT}{RIGHT}{DEL}X{TAB}{SPACE}",
                  "menu rename", "AlXha"},
        // The buttons' underlined letters: Alt+A adds, Alt+R renames.
        TypedName{"alt_a_adds", "", "Lot 4{ALT+A}", "menu add", "Lot 4"},
        TypedName{"alt_r_renames", "panel batch row 1\n", "Omega{ALT+R}", "menu rename", "Omega"}),
    torv_test::CaseLabel());

// Every opening of a dialog or a panel puts the focus on its first control that takes keys, however
// the last opening ended: the add dialog three times, the colour dialog twice, rename twice, the
// panel closed and shown again, a model loaded.
TEST_F(Keyboard, EveryOpeningTakesTheKeysInItsFirstField) {
  const auto result = run_session(
      "answer keys {WINDOWS}Batch 7{TAB}{SPACE}\npanel batch menu add\n"
      "answer keys {WINDOWS}Lot 6{TAB}{SPACE}\npanel batch menu add\n"
      "panel batch row 1\nanswer keys {WINDOWS}^AFF00FF00{ENTER}\npanel batch swatch 1\n"
      "answer keys {WINDOWS}Lot 8{TAB}{SPACE}\npanel batch menu add\n"
      "answer keys {WINDOWS}^AGamma{TAB}{SPACE}\npanel batch menu rename\n"
      "answer keys {WINDOWS}^AFF0000FF{ENTER}\npanel batch swatch 1\n"
      "panel batch close\nclick " +
      text("btn_uda4") +
      "\npanel batch keys {WINDOWS}\n"
      "answer keys {WINDOWS}^ADelta{TAB}{SPACE}\npanel batch menu rename\n"
      "print panel batch\n"
      "load --generate assemblies=2,values=Alpha;Beta,path=" +
      model_path("other.ifc") +
      "\npanel batch keys {WINDOWS}\n"
      "answer keys {WINDOWS}Lot 9{TAB}{SPACE}\npanel batch menu add\nprint panel batch\n");
  ASSERT_EQ(result.exit_code, 0) << result.errors;
  EXPECT_THAT(result.errors, Not(HasSubstr("still open"))) << result.errors;
  EXPECT_THAT(lines_starting(result.out, "focus\t"),
              ElementsAre("focus\tEdit\t", "focus\tEdit\t", "focus\tEdit\tFF000000", "focus\tEdit\t",
                          "focus\tEdit\tAlpha", "focus\tEdit\tFF00FF00", "focus\tTorvGrid\t",
                          "focus\tEdit\tGamma", "focus\tTorvGrid\t", "focus\tEdit\t"))
      << result.out;
  // What was typed each time arrived: the names, both colours (the second over the first).
  EXPECT_THAT(lines_starting(result.out, "Delta\t"), ElementsAre("Delta\t2\t0000FFFF"));
  for (const char* name : {"Batch 7\t", "Lot 6\t", "Lot 8\t", "Lot 9\t"})
    EXPECT_THAT(lines_starting(result.out, name), Not(::testing::IsEmpty())) << name;
}

TEST_F(Keyboard, KeysThatLeaveTheDialogOpenCancelIt) {
  // Neither Enter nor Esc is bound in the add dialog.
  const auto result = run_session("answer keys Lot 1{ENTER}{ESC}\npanel batch menu add\nprint panel batch\n");
  EXPECT_THAT(result.errors, HasSubstr("still open after its keys, cancelled"));
  EXPECT_THAT(result.out, Not(HasSubstr("Lot 1")));
}

TEST_F(Keyboard, UnknownKeysAreRefused) {
  const auto result = run_session("answer keys {F13}\n");
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_THAT(result.errors, HasSubstr("unknown key {F13}"));
}

TEST_F(Keyboard, TabMovesThroughThePanelsControlsAndShiftTabBack) {
  const auto result = run_session(
      "panel batch keys {WINDOWS}{TAB}{WINDOWS}{TAB}{WINDOWS}{TAB}{WINDOWS}{TAB}{WINDOWS}"
      "{SHIFT+TAB}{WINDOWS}\n");
  ASSERT_EQ(result.exit_code, 0) << result.errors;
  const std::string check_box = "focus\tButton\t" + text("cbx_auto_select");
  // As the eye reads the panel: grid, check box, open, save. The buttons' texts are their names
  // beside their icons, which screen readers read.
  const std::string save = "focus\tButton\t" + text("btn_save");
  const std::string open = "focus\tButton\t" + text("btn_open");
  EXPECT_THAT(lines_starting(result.out, "focus\t"),
              ElementsAre("focus\tTorvGrid\t", check_box, open, save, "focus\tTorvGrid\t", save))
      << result.out;
}

TEST_F(Keyboard, TabMovesThroughTheAddDialogPassingTheDisabledOk) {
  const auto result = run_session(
      "answer keys {WINDOWS}{TAB}{WINDOWS}{TAB}{WINDOWS}x{TAB}{WINDOWS}{TAB}{SPACE}\npanel batch menu add\n");
  EXPECT_THAT(lines_starting(result.out, "focus\t"),
              ElementsAre("focus\tEdit\t", "focus\tButton\t" + text("cancel"), "focus\tEdit\t",
                          "focus\tButton\t" + text("menu_add")))
      << result.out;
}

TEST_F(Keyboard, SpaceTicksTheFocusedCheckBox) {
  const auto result = run_session("panel batch row 1\npanel batch keys {TAB}{SPACE}\nprint selection\n");
  ASSERT_EQ(result.exit_code, 0) << result.errors;
  EXPECT_THAT(result.out, HasSubstr("\tIfcElementAssembly\t")) << result.out;
}

// Ctrl+Z undoes in the grid, Ctrl+Y and Ctrl+Shift+Z redo: on Windows the system's keys.
TEST_F(Keyboard, CtrlZUndoesAndCtrlYOrCtrlShiftZRedoesInTheGrid) {
  const auto result = run_session(
      "panel batch row 1\nanswer name Gamma\npanel batch menu add\nprint panel batch\npanel batch keys ^Z\n"
      "print panel batch\npanel batch keys ^Y\nprint panel batch\npanel batch keys ^Z^+Z\nprint panel "
      "batch\n");
  ASSERT_EQ(result.exit_code, 0) << result.errors;
  EXPECT_THAT(lines_starting(result.out, "Gamma\t"), ::testing::SizeIs(3)) << result.out;
  // The second print, after Ctrl+Z, is the one without it.
  const std::size_t second = result.out.find("Batch\t", result.out.find("Batch\t") + 1);
  const std::size_t third = result.out.find("Batch\t", second + 1);
  EXPECT_EQ(result.out.substr(second, third - second).find("Gamma"), std::string::npos) << result.out;
}

struct BlockingDialog {
  const char* label;
  const char* before;  // session lines before the keys are queued
  const char* command;
};

void PrintTo(const BlockingDialog& c, std::ostream* out) { *out << c.label; }

class BlockingDialogs : public Keyboard, public ::testing::WithParamInterface<BlockingDialog> {};

// While a dialog stands open, the viewer's window and both panels are disabled; afterwards enabled.
TEST_P(BlockingDialogs, DisableTheViewersWindowsWhileTheyStandOpen) {
#ifdef _WIN32
  // The system's save dialog does not take a path in a folder that is not there, so no save fails
  // behind it; the message box's owner chain is the same as the other dialogs'.
  if (std::string(GetParam().label) == "message") GTEST_SKIP() << "the save dialog keeps a missing folder";
#endif
  const auto result = run_session(std::string(GetParam().before) + "answer keys {WINDOWS}{ESC}\n" +
                                  GetParam().command + "\npanel batch keys {WINDOWS}\n");
  const std::string batches = "TorvForm\t" + text("frm_uda4") + "\tvisible\t";
  const std::string status = "TorvForm\t" + text("frm_uda3") + "\thidden\t";
  EXPECT_THAT(lines_starting(result.out, batches), ElementsAre(batches + "disabled", batches + "enabled"))
      << result.out;
  EXPECT_THAT(lines_starting(result.out, status), ElementsAre(status + "disabled", status + "enabled"))
      << result.out;
  // The Windows build on a display has the viewer's main window too.
  const std::string main_window = "TorvHostMainWindow\ttorv-host\tvisible\t";
  const auto main_lines = lines_starting(result.out, main_window);
  if (!main_lines.empty()) {
    EXPECT_THAT(main_lines, ElementsAre(main_window + "disabled", main_window + "enabled")) << result.out;
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, BlockingDialogs,
                         ::testing::Values(BlockingDialog{"add", "", "panel batch menu add"},
                                           BlockingDialog{"color", "", "panel batch swatch 1"},
                                           BlockingDialog{"save", "", "panel batch save"},
                                           BlockingDialog{"export", "", "click Export"},
                                           // The save fails: its message box takes the keys.
                                           BlockingDialog{"message", "answer save /no/such/folder/x.csv\n",
                                                          "panel batch save"}),
                         torv_test::CaseLabel());

}  // namespace
