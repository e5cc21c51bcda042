// The attribute panels end to end: a viewer in this program loads the built plug-in, the user
// clicks, selects and chooses through the session language, and the panels and the viewer's
// colours and selection are read back as the session prints them.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <regex>

#include "api/desktop_functions.h"
#include "platform/utf8.h"
#include "support/case_label.h"
#include "support/panel_fixture.h"

namespace {

using ::testing::HasSubstr;
using ::testing::Not;

class Panels : public torv_test::PanelFixture {
 protected:
  // Replaces every {NAME} by the GUID of the object of that name.
  std::string with_guids(std::string text) {
    static const std::regex placeholder(R"(\{([^}]+)\})");
    std::smatch match;
    while (std::regex_search(text, match, placeholder)) {
      text.replace(static_cast<std::size_t>(match.position(0)), static_cast<std::size_t>(match.length(0)),
                   guid_of(match[1].str()));
    }
    return text;
  }
  std::size_t selected_count() {
    std::size_t count = 0;
    for (const bool selected : state().selected) count += selected;
    return count;
  }
};

// --- Categories from the model's batch property ------------------------------------------------

struct PropertyCase {
  const char* label;
  std::string model;
  std::string rows;
};

void PrintTo(const PropertyCase& c, std::ostream* out) { *out << c.label; }

class BatchProperty : public Panels, public ::testing::WithParamInterface<PropertyCase> {};

TEST_P(BatchProperty, BuildsTheBatchCategories) {
  load_model(GetParam().model);
  run_session("click Batches\n");
  EXPECT_EQ(panel_rows("batch"), GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BatchProperty,
    ::testing::Values(
        PropertyCase{"integers_by_value", "storeys=1,assemblies=3,batch=integer,values=10;2;1",
                     "1\t1\tnone\n2\t1\tnone\n10\t1\tnone\nNo batch\t\tnone\n"},
        PropertyCase{"integer_beyond_32_bits", "storeys=1,assemblies=1,batch=integer,values=5000000000",
                     "5000000000\t1\tnone\nNo batch\t\tnone\n"},
        PropertyCase{"booleans", "storeys=1,assemblies=3,batch=boolean,values=true;false;true",
                     "false\t1\tnone\ntrue\t2\tnone\nNo batch\t\tnone\n"},
        PropertyCase{"reals", "storeys=1,assemblies=3,batch=real,values=12.25;0.5;2.5",
                     "0.5\t1\tnone\n2.5\t1\tnone\n12.25\t1\tnone\nNo batch\t\tnone\n"},
        PropertyCase{"texts_trimmed_and_merged", "storeys=1,assemblies=2,values= Batch A ;Batch A",
                     "Batch A\t2\tnone\nNo batch\t\tnone\n"},
        PropertyCase{"empty_text_files_nothing", "storeys=1,assemblies=2,values=;Batch B",
                     "Batch B\t1\tnone\nNo batch\t\tnone\n"},
        // An assembly that carries the property hides its parts' values.
        PropertyCase{"carrier_hides_descendants", "storeys=1,assemblies=2,values=A,parts_batch=Part",
                     "A\t2\tnone\nNo batch\t\tnone\n"},
        PropertyCase{"descendants_examined_without_carrier",
                     "storeys=1,assemblies=2,batch=none,parts_batch=Part",
                     "Part\t6\tnone\nNo batch\t\tnone\n"}),
    torv_test::CaseLabel());

TEST_F(Panels, ObjectsWithoutGuidKeepTheirCategoryButAreNotListed) {
  load_model("storeys=1,assemblies=0,loose=2,no_guid=1,batch=none,parts_batch=X");
  run_session("click Batches\n");
  EXPECT_EQ(panel_rows("batch"), "No batch\t\tnone\n");
}

// --- Categories from side-car files ------------------------------------------------------------

struct SidecarCase {
  const char* label;
  std::string contents;  // {NAME} stands for the GUID of the object named so
  std::string rows;
};

void PrintTo(const SidecarCase& c, std::ostream* out) { *out << c.label; }

class BatchSidecar : public Panels, public ::testing::WithParamInterface<SidecarCase> {};

TEST_P(BatchSidecar, IsReadAsTheCategories) {
  load_model("storeys=1,assemblies=3,parts=2");
  torv_test::write_file(sidecar("batching"), with_guids(GetParam().contents));
  run_session("click Batches\n");
  EXPECT_EQ(panel_rows("batch"), GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BatchSidecar,
    ::testing::Values(
        SidecarCase{"plain", "IFC GUID,BATCH\r\n{Assembly 1},B2\r\n{Assembly 2},B10\r\n{Assembly 3},B2\r\n",
                    "B2\t2\tnone\nB10\t1\tnone\nNo batch\t\tnone\n"},
        // An empty second line ends the reading: no fallback to the model's property.
        SidecarCase{"empty_second_line", "IFC GUID,BATCH\r\n\r\n{Assembly 1},A\r\n", "No batch\t\tnone\n"},
        SidecarCase{"header_only", "IFC GUID,BATCH\r\n", "No batch\t\tnone\n"},
        SidecarCase{"header_never_read", "{Assembly 1},A\r\n{Assembly 2},B\r\n",
                    "B\t1\tnone\nNo batch\t\tnone\n"},
        SidecarCase{"stops_at_line_without_comma", "h\r\n{Assembly 1},A\r\nno comma\r\n{Assembly 2},B\r\n",
                    "A\t1\tnone\nNo batch\t\tnone\n"},
        SidecarCase{"descendant_of_filed_object", "h\r\n{Assembly 1},A\r\n{HEA200 1},B\r\n",
                    "A\t1\tnone\nB\t0\tnone\nNo batch\t\tnone\n"},
        SidecarCase{"same_guid_twice_last_wins", "h\r\n{Assembly 1},A\r\n{Assembly 1},B\r\n",
                    "A\t0\tnone\nB\t1\tnone\nNo batch\t\tnone\n"},
        SidecarCase{"split_at_first_comma_and_trimmed", "h\r\n {Assembly 1} , Level 1, east \t\r\n",
                    "Level 1, east\t1\tnone\nNo batch\t\tnone\n"},
        SidecarCase{"empty_guid_declares_a_category", "h\r\n,Empty\r\n, \r\n",
                    "Empty\t0\tnone\nNo batch\t\tnone\n"},
        SidecarCase{"unknown_guid", "h\r\n0000000000000000000000,Ghost\r\n",
                    "Ghost\t0\tnone\nNo batch\t\tnone\n"},
        SidecarCase{"line_feeds_only", "h\n{Assembly 1},A\n{Assembly 2},A\n",
                    "A\t2\tnone\nNo batch\t\tnone\n"},
        SidecarCase{"ansi_code_page",
                    "h\r\n{Assembly 1},Gr\xF6\xDF"
                    "e\r\n",
                    "Größe\t1\tnone\nNo batch\t\tnone\n"},
        SidecarCase{"utf8_with_bom", "\xEF\xBB\xBFh\r\n{Assembly 1},Zażółć\r\n",
                    "Zażółć\t1\tnone\nNo batch\t\tnone\n"},
        SidecarCase{"named_like_the_default", "h\r\n{Assembly 1},No batch\r\n",
                    "No batch\t1\tnone\nNo batch\t\tnone\n"}),
    torv_test::CaseLabel());

TEST_F(Panels, Utf16SidecarWithByteOrderMark) {
  load_model("storeys=1,assemblies=2");
  const std::u16string text =
      u"\uFEFFIFC GUID,BATCH\r\n" + platform::from_utf8(guid_of("Assembly 2")) + u",Łódź\r\n";
  std::string bytes;
  for (const char16_t c : text) {
    bytes += static_cast<char>(c & 0xFF);
    bytes += static_cast<char>(c >> 8);
  }
  torv_test::write_file(sidecar("batching"), bytes);
  run_session("click Batches\n");
  EXPECT_EQ(panel_rows("batch"), "Łódź\t1\tnone\nNo batch\t\tnone\n");
}

TEST_F(Panels, StatusPanelWithoutSidecarHoldsTheDefaultCategoryAlone) {
  load_model("storeys=1,assemblies=3");
  const std::string printed = run_session("click Status\nprint panel status\n");
  EXPECT_EQ(printed, "Status\tvisible\nStatus\tCount\tColour\nNo status\t\tnone\n");
}

TEST_F(Panels, ModelLoadRefillsTheVisiblePanelAndEmptiesTheHiddenOne) {
  load_model("storeys=1,assemblies=2,values=First");
  run_session("click Batches\nclick Status\n");
  load_model("storeys=1,assemblies=2,values=Second");
  EXPECT_EQ(panel_rows("status"), "No status\t\tnone\n");
  // The hidden panel's list is empty; its grid keeps its rows, which draw nothing.
  EXPECT_EQ(panel_rows("batch"), "\t\t\n\t\t\n");
  run_session("click Batches\n");
  EXPECT_EQ(panel_rows("batch"), "Second\t2\tnone\nNo batch\t\tnone\n");
}

TEST_F(Panels, ShowingOnePanelHidesTheOtherAndResetHidesBoth) {
  load_model("storeys=1,assemblies=2");
  const auto panels_shown = [] {
    std::string shown;
    for (const std::string form : {"batch", "status"}) {
      const std::string forms = host::desktop_command("forms");
      if (forms.find(form + "\tvisible") != std::string::npos) shown += form + ' ';
    }
    return shown;
  };
  run_session("click Batches\nclick Status\n");
  EXPECT_EQ(panels_shown(), "status ");
  run_session("click Batches\n");
  EXPECT_EQ(panels_shown(), "batch ");
  run_session("click Reset\n");
  EXPECT_EQ(panels_shown(), "");
  EXPECT_EQ(run_session("print colors\n"), "default\t" + std::to_string(state().model.size()) + "\n");
}

TEST_F(Panels, DeepModelTreesAreWalkedWithoutRecursion) {
  load_model("storeys=1,assemblies=1,depth=100000,batch=none,parts_batch=Deep");
  torv_test::write_file(sidecar("real-time"), with_guids("h\r\n{Nested 100000},Bottom\r\n"));
  run_session("click Batches\nclick Status\n");
  EXPECT_EQ(panel_rows("status"), "Bottom\t1\tnone\nNo status\t\tnone\n");
}

// --- Assigning, colouring and selecting ---------------------------------------------------------

TEST_F(Panels, AssigningAPartMovesItsWholeAssembly) {
  load_model("storeys=1,assemblies=2,parts=2");
  torv_test::write_file(sidecar("batching"), with_guids("h\r\n{HEA200 1},Parts\r\n{Assembly 2},Second\r\n"));
  run_session("click Batches\nselect " + guid_of("HEA200 1") + "\n");
  EXPECT_EQ(run_session("print selection\n"),
            "1 objects\n" + guid_of("Assembly 1") + "\tIfcElementAssembly\tAssembly 1\n");
  run_session("context\nchoose Second\n");
  EXPECT_EQ(panel_rows("batch"), "Parts\t0\tnone\nSecond\t2\tnone\nNo batch\t\tnone\n");
  EXPECT_EQ(selected_count(), 0u);
  EXPECT_EQ(host::desktop_command("cursor"), "normal");
}

TEST_F(Panels, AssigningAnObjectWithoutGuidMovesNothing) {
  load_model("storeys=1,assemblies=1,loose=1,no_guid=1,values=A");
  run_session("click Batches\n");
  const std::string before = panel_rows("batch");
  const std::size_t column = state().model.size() - 1;  // the loose column comes last
  run_session("select @" + std::to_string(column) + "\ncontext\nchoose A\n");
  EXPECT_EQ(panel_rows("batch"), before);
}

TEST_F(Panels, AssigningToTheCategoryItIsInChangesNothing) {
  load_model("storeys=1,assemblies=3,values=A;B;A");
  run_session("click Batches\n");
  const std::string before = panel_rows("batch");
  run_session("select " + guid_of("Assembly 3") + "\ncontext\nchoose A\n");
  EXPECT_EQ(panel_rows("batch"), before);
}

TEST_F(Panels, ColorsFollowCategoriesAndLeaveNothingSelected) {
  load_model("storeys=1,assemblies=2,parts=2,loose=0");
  torv_test::write_file(sidecar("batching"), with_guids("h\r\n{Assembly 1},A\r\n"));
  // Rows: 1 is A, 2 is the default category. The default takes green, A stays without colour.
  run_session("click Batches\nselect " + guid_of("Assembly 2") +
              "\nanswer color FF00C000\npanel batch swatch 2\n");
  EXPECT_EQ(panel_rows("batch"), "A\t1\tnone\nNo batch\t\t00C000FF\n");
  // A's assembly and its two parts show their default colours over the default category's.
  EXPECT_EQ(run_session("print colors\n"),
            "00C000FF\t" + std::to_string(state().model.size() - 3) + "\ndefault\t3\n");
  EXPECT_EQ(selected_count(), 0u);
  // A's colour then overrides the default for its assembly and the assembly's parts only.
  run_session("answer color 80FF0000\npanel batch swatch 1\n");
  EXPECT_EQ(run_session("print colors\n"),
            "00C000FF\t" + std::to_string(state().model.size() - 3) + "\nFF000080\t3\n");
}

TEST_F(Panels, SelectingTheDefaultCategorySelectsEverythingElse) {
  load_model("storeys=1,assemblies=3,parts=2");
  torv_test::write_file(sidecar("batching"), with_guids("h\r\n{Assembly 1},A\r\n{Assembly 2},B\r\n"));
  run_session("click Batches\npanel batch row 3\npanel batch key space\n");
  EXPECT_EQ(selected_count(), state().model.size() - 2);
  EXPECT_FALSE(state().selected[state().model.index_of(
      state().model.find_by_guid(platform::from_utf8(guid_of("Assembly 1"))))]);
  run_session("panel batch row 1\npanel batch key space\n");
  EXPECT_EQ(run_session("print selection\n"),
            "1 objects\n" + guid_of("Assembly 1") + "\tIfcElementAssembly\tAssembly 1\n");
}

TEST_F(Panels, AutoSelectFollowsTheCurrentRow) {
  load_model("storeys=1,assemblies=2");
  torv_test::write_file(sidecar("batching"), with_guids("h\r\n{Assembly 1},A\r\n{Assembly 2},B\r\n"));
  run_session("click Batches\npanel batch auto-select on\npanel batch key down\n");
  EXPECT_THAT(run_session("print selection\n"), HasSubstr("Assembly 2"));
  run_session("panel batch auto-select off\n");
  EXPECT_EQ(selected_count(), 0u);
}

// --- The grid's keys and mouse ---------------------------------------------------------------------

TEST_F(Panels, DoubleClickSelectsAsSpaceDoes) {
  load_model("storeys=1,assemblies=2,values=A;B");
  run_session("click Batches\npanel batch row 2\npanel batch dblclick\n");
  EXPECT_EQ(run_session("print selection\n"),
            "1 objects\n" + guid_of("Assembly 2") + "\tIfcElementAssembly\tAssembly 2\n");
}

TEST_F(Panels, EnterColorsTheCurrentRowOnly) {
  load_model("storeys=1,assemblies=1,values=A");
  run_session("click Batches\nanswer color FF00FF00\npanel batch key up\npanel batch key enter\n");
  // Up from the first category goes nowhere: the header row is never current.
  EXPECT_EQ(panel_rows("batch"), "A\t1\t00FF00FF\nNo batch\t\tnone\n");
}

TEST_F(Panels, ARightClickOnASwatchColorsTheCurrentRow) {
  load_model("storeys=1,assemblies=1,values=A");
  run_session("click Batches\nanswer color cancel\npanel batch swatch 2\nanswer color FF0000FF\n");
  // A right press does not move the current cell, which is the default category's swatch.
  EXPECT_EQ(host::desktop_command("cell batch 2 1 right"), "");
  EXPECT_EQ(panel_rows("batch"), "A\t1\tnone\nNo batch\t\t0000FFFF\n");
}

TEST_F(Panels, CancellingTheColorDialogChangesNothing) {
  load_model("storeys=1,assemblies=1,values=A");
  run_session("click Batches\nanswer color cancel\npanel batch swatch 1\npanel batch swatch 1\n");
  EXPECT_EQ(panel_rows("batch"), "A\t1\tnone\nNo batch\t\tnone\n");
  EXPECT_FALSE(std::filesystem::exists(user_folder() / "uda4_colors.dat"));
}

TEST_F(Panels, TouchModeMakesRowsTaller) {
  state().touch_mode = true;
  load_model("storeys=1,assemblies=1,values=A");
  run_session("click Batches\n");
  const std::string picture = host::desktop_command("paint batch");
  // The first swatch: row 1 starts below a 26-pixel header, the swatch is 26 - 6 high.
  EXPECT_NE(picture.find("hatch 294 30 44 20"), std::string::npos) << picture;
}

// --- Scrolling ---------------------------------------------------------------------------------

TEST_F(Panels, RowsThatDoNotFitScrollWithTheCurrentCellAndTheScrollBar) {
  // 20 batches and the default: the grid, 312 high, shows the header and 15 rows of 19 pixels.
  std::string values;
  for (int i = 1; i <= 20; ++i) values += (i > 1 ? ";" : "") + std::string("b") + std::to_string(i);
  load_model("storeys=1,assemblies=20,values=" + values);
  run_session("click Batches\n");
  std::string picture = host::desktop_command("paint batch");
  // The scroll bar along the grid's right edge, with rows 0 to 14 of 20 in view; the name column
  // leaves room for it.
  EXPECT_THAT(picture, HasSubstr("scrollbar 325 1 17 310 0 15 21\n"));
  EXPECT_THAT(picture, HasSubstr("text 5 3 FF000000 Batch\n"));
  EXPECT_THAT(picture, HasSubstr("text 228 3 FF000000 Count\n"));
  EXPECT_THAT(picture, Not(HasSubstr("No batch")));

  // The End key goes to the last row, which scrolls into view at the bottom; the header stays.
  run_session("panel batch key end\n");
  picture = host::desktop_command("paint batch");
  EXPECT_THAT(picture, HasSubstr("scrollbar 325 1 17 310 6 15 21\n"));
  EXPECT_THAT(picture, HasSubstr("text 5 3 FF000000 Batch\n"));
  EXPECT_THAT(picture, HasSubstr("text 5 288 FFFFFFFF No batch\n"));
  EXPECT_THAT(picture, Not(HasSubstr(" b1\n")));

  // A row scrolled away is scrolled back when it is pressed on; Space then selects its object.
  run_session("panel batch row 1\npanel batch key space\n");
  EXPECT_THAT(host::desktop_command("paint batch"), HasSubstr("scrollbar 325 1 17 310 0 15 21\n"));
  EXPECT_EQ(selected_count(), 1u);
}

}  // namespace
