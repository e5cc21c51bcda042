// The grid's context menu from the keyboard (the menu key, Shift+F10), the grid's editing and page
// keys, the keys of the add and rename dialog, and Tab through the panel, through torv-host: the
// menu's keys reach the menu alone, an entry chosen runs that entry alone, Insert, F2 and Delete
// act as the menu's entries with its enabling. Same sessions in the Linux build and on a display.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "keyboard_session.h"
#include "support/case_label.h"

namespace {

using ::testing::ElementsAreArray;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;
using torv_test::Keyboard;
using torv_test::text;

// The category names of the batch panel as printed, in order.
std::vector<std::string> panel_names(const std::string& out) {
  std::vector<std::string> names;
  std::istringstream lines(out.substr(out.rfind(text("frm_uda4"))));
  std::string line;
  std::getline(lines, line);
  std::getline(lines, line);
  while (std::getline(lines, line) && line.find('\t') != std::string::npos)
    names.push_back(line.substr(0, line.find('\t')));
  return names;
}

// Each selection printed: its "N objects" line and the N lines after it.
std::vector<std::string> selections(const std::string& out) {
  std::vector<std::string> found;
  std::istringstream lines(out);
  for (std::string line; std::getline(lines, line);) {
    const std::size_t end = line.find(" objects");
    if (end == std::string::npos || end == 0 || end + 8 != line.size() ||
        line.find_first_not_of("0123456789") != end)
      continue;
    std::string block = line + '\n';
    for (int n = std::stoi(line.substr(0, end)); n > 0 && std::getline(lines, line); --n)
      block += line + '\n';
    found.push_back(block);
  }
  return found;
}

struct MenuKeys {
  const char* label;
  const char* before;  // session lines before the keys
  const char* keys;    // typed in the panel with row 1 (Alpha) current and auto-select on
  std::vector<std::string> names;
  bool row_kept;  // the selection that follows the current row stays
};

void PrintTo(const MenuKeys& c, std::ostream* out) { *out << c.label; }

class MenuFromTheKeyboard : public Keyboard, public ::testing::WithParamInterface<MenuKeys> {};

TEST_P(MenuFromTheKeyboard, TakesTheKeysWhileItStandsOpen) {
  const MenuKeys& c = GetParam();
  const auto result =
      run_session(std::string("panel batch auto-select on\npanel batch row 1\nprint selection\n") + c.before +
                  "panel batch keys " + c.keys + "{WINDOWS}\nprint selection\nprint panel batch\n");
  ASSERT_EQ(result.exit_code, 0) << result.errors;
  EXPECT_THAT(panel_names(result.out), ElementsAreArray(c.names)) << result.out;
  // Enter in the menu chose the entry and reached no grid: no colour dialog ran.
  EXPECT_THAT(result.errors, Not(HasSubstr("dialog color"))) << result.errors;
  EXPECT_THAT(result.errors, Not(HasSubstr("still open"))) << result.errors;
  EXPECT_THAT(result.errors, Not(HasSubstr("dialog frm_add_category: cancelled"))) << result.errors;
  const std::vector<std::string> selected = selections(result.out);
  ASSERT_EQ(selected.size(), 2u) << result.out;
  EXPECT_THAT(selected[0], HasSubstr("2 objects\n")) << result.out;
  if (c.row_kept) {
    EXPECT_EQ(selected[1], selected[0]) << result.out;
  }
  // The keys ended with the grid in focus again.
  EXPECT_THAT(Keyboard::lines_starting(result.out, "focus\t").back(), "focus\tTorvGrid\t") << result.out;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MenuFromTheKeyboard,
    ::testing::Values(
        MenuKeys{"shift_f10_down_down_esc",
                 "",
                 "{SHIFT+F10}{DOWN}{DOWN}{ESC}",
                 {"Alpha", "Beta", "No batch"},
                 true},
        MenuKeys{
            "menu_key_down_down_esc", "", "{APPS}{DOWN}{DOWN}{ESC}", {"Alpha", "Beta", "No batch"}, true},
        MenuKeys{"down_enter_adds",
                 "answer name Gamma\n",
                 "{SHIFT+F10}{DOWN}{ENTER}",
                 {"Alpha", "Beta", "Gamma", "No batch"},
                 true},
        MenuKeys{"second_entry_renames",
                 "answer name Omega\n",
                 "{APPS}{DOWN}{DOWN}{ENTER}",
                 {"Omega", "Beta", "No batch"},
                 true},
        // On the default row Rename is greyed: Down, Down stops on it, Enter there does nothing, Esc
        // closes the menu.
        MenuKeys{"enter_on_a_greyed_entry",
                 "panel batch row 3\n",
                 "{APPS}{DOWN}{DOWN}{ENTER}{ESC}",
                 {"Alpha", "Beta", "No batch"},
                 false},
        // Up from nothing highlighted wraps to the last entry; seven more go up past the views, Redo,
        // Undo, "Select objects" and "Choose colour" to Delete.
        MenuKeys{"up_enter_deletes",
                 "",
                 "{APPS}{UP}{UP}{UP}{UP}{UP}{UP}{UP}{UP}{ENTER}",
                 {"Beta", "No batch"},
                 false},
        // An entry's underlined letter chooses it.
        MenuKeys{
            "access_key_renames", "answer name Omega\n", "{APPS}r", {"Omega", "Beta", "No batch"}, true}),
    torv_test::CaseLabel());

struct EditingKeys {
  const char* label;
  const char* model;   // the generated model
  const char* before;  // session lines before the keys
  const char* keys;
  std::vector<std::string> present;
  std::vector<std::string> absent;
};

void PrintTo(const EditingKeys& c, std::ostream* out) { *out << c.label; }

class GridEditingKeys : public Keyboard, public ::testing::WithParamInterface<EditingKeys> {};

constexpr const char* two_batches = "assemblies=2,values=Alpha;Beta";
// Thirty batches, more than the grid shows (fifteen rows a page).
constexpr const char* thirty_batches =
    "assemblies=30,values=v01;v02;v03;v04;v05;v06;v07;v08;v09;v10;v11;v12;v13;v14;v15;v16;v17;v18;v19;v20;"
    "v21;v22;v23;v24;v25;v26;v27;v28;v29;v30";

TEST_P(GridEditingKeys, ActAsTheMenusEntries) {
  const EditingKeys& c = GetParam();
  const auto result =
      run_session(std::string(c.before) + "panel batch keys " + c.keys + "\nprint panel batch\n", c.model);
  ASSERT_EQ(result.exit_code, 0) << result.errors;
  const std::vector<std::string> names = panel_names(result.out);
  for (const std::string& name : c.present) EXPECT_THAT(names, ::testing::Contains(name)) << result.out;
  for (const std::string& name : c.absent) EXPECT_THAT(names, Not(::testing::Contains(name))) << result.out;
  EXPECT_THAT(result.errors, Not(HasSubstr("dialog color"))) << result.errors;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GridEditingKeys,
    ::testing::Values(
        EditingKeys{
            "insert_adds", two_batches, "answer name Gamma\n", "{INS}", {"Alpha", "Beta", "Gamma"}, {}},
        EditingKeys{"f2_renames_the_current_row",
                    two_batches,
                    "panel batch row 2\nanswer name Omega\n",
                    "{F2}",
                    {"Alpha", "Omega"},
                    {"Beta"}},
        EditingKeys{
            "delete_takes_the_current_row", two_batches, "panel batch row 2\n", "{DEL}", {"Alpha"}, {"Beta"}},
        // The old name stands selected whole: what is typed replaces it.
        EditingKeys{"f2_selects_the_old_name_whole",
                    two_batches,
                    "panel batch row 1\nanswer keys Zeta{TAB}{SPACE}\n",
                    "{F2}",
                    {"Zeta", "Beta"},
                    {"Alpha", "AlphaZeta"}},
        // The default category's row has Rename and Delete disabled in the menu, and so for the keys.
        EditingKeys{"f2_not_on_the_default_row",
                    two_batches,
                    "panel batch row 3\nanswer name Omega\n",
                    "{F2}",
                    {"Alpha", "Beta", "No batch"},
                    {"Omega"}},
        EditingKeys{"delete_not_on_the_default_row",
                    two_batches,
                    "panel batch row 3\n",
                    "{DEL}",
                    {"Alpha", "Beta", "No batch"},
                    {}},
        EditingKeys{"page_down_moves_a_page",
                    thirty_batches,
                    "panel batch row 1\nanswer name Paged\n",
                    "{PGDN}{F2}",
                    {"Paged", "v15", "v17"},
                    {"v16"}},
        // Down three pages stops at the last row; a page up from there is row 16.
        EditingKeys{"page_down_stops_at_the_end",
                    thirty_batches,
                    "panel batch row 1\nanswer name Paged\n",
                    "{PGDN}{PGDN}{PGDN}{PGUP}{F2}",
                    {"Paged", "v15", "v17"},
                    {"v16"}},
        EditingKeys{"page_up_stops_at_the_first_row",
                    thirty_batches,
                    "panel batch row 3\nanswer name Paged\n",
                    "{PGUP}{F2}",
                    {"Paged", "v02"},
                    {"v01"}},
        // Ctrl+Space shows the current row's category alone, marked; again, all.
        EditingKeys{"ctrl_space_shows_the_row_alone",
                    two_batches,
                    "panel batch row 1\n",
                    "{CTRL+SPACE}",
                    {"\u25BA Alpha"},
                    {"Alpha"}},
        EditingKeys{"ctrl_space_again_shows_all",
                    two_batches,
                    "panel batch row 1\n",
                    "{CTRL+SPACE}{CTRL+SPACE}",
                    {"Alpha"},
                    {"\u25BA Alpha"}}),
    torv_test::CaseLabel());

struct FoundRow {
  const char* label;
  const char* keys;     // typed in the panel with row 1 (Alpha) current, then F2
  const char* renamed;  // the row F2 renamed
};

void PrintTo(const FoundRow& c, std::ostream* out) { *out << c.label; }

class TypeAhead : public Keyboard, public ::testing::WithParamInterface<FoundRow> {};

// Letters find rows as in every Windows list; each case's keys come in one burst, and {PAUSE} waits
// longer than the list does.
TEST_P(TypeAhead, GoesToTheRowWhoseNameStartsWithWhatWasTyped) {
  const FoundRow& c = GetParam();
  const auto result = run_session(std::string("panel batch row 1\nanswer name Omega\npanel batch keys ") +
                                      c.keys + "{F2}\nprint panel batch\n",
                                  "assemblies=4,values=Alpha;Beta;Bravo;Charlie");
  ASSERT_EQ(result.exit_code, 0) << result.errors;
  const std::vector<std::string> names = panel_names(result.out);
  EXPECT_THAT(names, Not(::testing::Contains(c.renamed))) << result.out;
  EXPECT_THAT(names, ::testing::Contains("Omega")) << result.out;
  // No letter shows a category alone any more.
  EXPECT_THAT(result.out, Not(HasSubstr("\u25BA"))) << result.out;
}

INSTANTIATE_TEST_SUITE_P(Cases, TypeAhead,
                         ::testing::Values(FoundRow{"a_letter_goes_to_the_next_row_with_it", "b", "Beta"},
                                           FoundRow{"the_same_letter_again_goes_on", "bb", "Bravo"},
                                           FoundRow{"the_same_letter_wraps_round", "bbb", "Beta"},
                                           FoundRow{"a_second_letter_makes_a_longer_start", "br", "Bravo"},
                                           FoundRow{"capitals_not_minded", "BR", "Bravo"},
                                           FoundRow{"a_start_no_row_has_stays", "brc", "Bravo"},
                                           FoundRow{"after_a_pause_a_new_start", "br{PAUSE}c", "Charlie"},
                                           FoundRow{"o_finds_rows_and_shows_nothing_alone", "o", "Alpha"}),
                         torv_test::CaseLabel());

// Neither Enter nor Esc is bound in the add and rename dialog; its close box (Alt+F4) cancels it.
TEST_F(Keyboard, TheAddDialogTakesNoEnterNorEscAndAltF4CancelsIt) {
  const auto result = run_session(
      "answer keys Lot 1{ENTER}{ESC}{WINDOWS}{ALT+F4}\npanel batch menu add\n"
      "panel batch row 1\nanswer keys Lot 2{ENTER}{ESC}{WINDOWS}{ALT+F4}\npanel batch keys {F2}\n"
      "print panel batch\n");
  ASSERT_EQ(result.exit_code, 0) << result.errors;
  const std::string dialog = "TorvForm\t" + text("add_batch") + "\tvisible\tenabled";
  EXPECT_THAT(lines_starting(result.out, dialog), Not(IsEmpty())) << result.out;
  EXPECT_THAT(lines_starting(result.out, "TorvForm\t" + text("rename_batch") + "\tvisible\tenabled"),
              Not(IsEmpty()))
      << result.out;
  EXPECT_THAT(result.errors, Not(HasSubstr("still open"))) << result.errors;
  EXPECT_THAT(panel_names(result.out), ElementsAreArray({"Alpha", "Beta", "No batch"})) << result.out;
}

// The colour dialog keeps its Enter (OK) and Esc (Cancel).
TEST_F(Keyboard, TheColourDialogKeepsEnterAndEsc) {
  const auto result = run_session(
      "panel batch row 1\nanswer keys ^AFF00FF00{ENTER}\npanel batch swatch 1\n"
      "answer keys ^AFFFF0000{ESC}\npanel batch swatch 1\nprint panel batch\n");
  ASSERT_EQ(result.exit_code, 0) << result.errors;
  EXPECT_THAT(lines_starting(result.out, "Alpha\t"), ElementsAreArray({"Alpha\t2\t00FF00FF"})) << result.out;
  EXPECT_THAT(result.errors, Not(HasSubstr("still open"))) << result.errors;
}

struct TabStop {
  const char* label;
  const char* keys;
  const char* dialog;  // the file dialog Space opened
};

void PrintTo(const TabStop& c, std::ostream* out) { *out << c.label; }

class PanelTabOrder : public Keyboard, public ::testing::WithParamInterface<TabStop> {};

// From the grid Tab goes as the eye reads: the check box, then the open button, then save.
TEST_P(PanelTabOrder, FollowsTheLayout) {
  const auto result = run_session(std::string("panel batch keys ") + GetParam().keys + "\n");
  ASSERT_EQ(result.exit_code, 0) << result.errors;
  const std::string opened = GetParam().dialog;
  const std::string other = opened == "open" ? "save" : "open";
  EXPECT_THAT(result.errors, HasSubstr("dialog " + opened + ": cancelled")) << result.errors;
  EXPECT_THAT(result.errors, Not(HasSubstr("dialog " + other))) << result.errors;
}

INSTANTIATE_TEST_SUITE_P(Cases, PanelTabOrder,
                         ::testing::Values(TabStop{"second_tab_is_open", "{TAB}{TAB}{SPACE}", "open"},
                                           TabStop{"third_tab_is_save", "{TAB}{TAB}{TAB}{SPACE}", "save"}),
                         torv_test::CaseLabel());

struct ClosingWay {
  const char* label;
  const char* lines;  // queue the dialog's answer and open it
  const char* focus;  // the focused control's class: the grid, or the file button that opened it
};

void PrintTo(const ClosingWay& c, std::ostream* out) { *out << c.label; }

class FocusAfterADialog : public Keyboard, public ::testing::WithParamInterface<ClosingWay> {};

// However a dialog closes, the viewer's windows are enabled before it goes: the panel that opened
// it is active again with the focus in its grid (the list is printed before any key brings the
// panel forward).
TEST_P(FocusAfterADialog, ComesBackToThePanel) {
  const auto result =
      run_session(std::string("panel batch row 1\n") + GetParam().lines + "\npanel batch keys {WINDOWS}\n");
  ASSERT_EQ(result.exit_code, 0) << result.errors;
  const std::vector<std::string> focus = lines_starting(result.out, "focus\t");
  ASSERT_FALSE(focus.empty()) << result.out;
  EXPECT_THAT(focus.back(), ::testing::StartsWith("focus\t" + std::string(GetParam().focus) + "\t"))
      << result.out;
  EXPECT_THAT(result.errors, Not(HasSubstr("still open"))) << result.errors;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FocusAfterADialog,
    ::testing::Values(ClosingWay{"add_ok", "answer keys Lot 1{TAB}{SPACE}\npanel batch menu add", "TorvGrid"},
                      ClosingWay{"add_cancel", "answer keys {TAB}{SPACE}\npanel batch menu add", "TorvGrid"},
                      ClosingWay{"add_alt_c", "answer keys Lot 1{ALT+C}\npanel batch menu add", "TorvGrid"},
                      ClosingWay{"add_alt_f4", "answer keys Lot 1{ALT+F4}\npanel batch menu add", "TorvGrid"},
                      ClosingWay{"rename_alt_f4", "answer keys {ALT+F4}\npanel batch keys {F2}", "TorvGrid"},
                      ClosingWay{"color_enter", "answer keys ^AFF00FF00{ENTER}\npanel batch swatch 1",
                                 "TorvGrid"},
                      ClosingWay{"color_esc", "answer keys {ESC}\npanel batch swatch 1", "TorvGrid"},
                      ClosingWay{"color_alt_f4", "answer keys {ALT+F4}\npanel batch swatch 1", "TorvGrid"},
                      ClosingWay{"open_esc", "answer keys {ESC}\npanel batch open", "Button"},
                      ClosingWay{"save_alt_f4", "answer keys {ALT+F4}\npanel batch save", "Button"},
                      // The question before unsaved work is left, answered by the box's own button.
                      ClosingWay{"question_no",
                                 "answer name Lot 1\npanel batch menu add\nanswer no\nload --generate "
                                 "assemblies=2,values=Alpha;Beta",
                                 "TorvGrid"}),
    torv_test::CaseLabel());

}  // namespace
