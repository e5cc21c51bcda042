// The panels as a screen reader sees them through the system's accessibility API: the grid's table
// of rows read back in the viewer's language, the current row focused and selected, the events
// when it moves, and the names of the icon buttons and the name fields. Needs a display (under
// Wine: xvfb-run).
#include <windows.h>

#include <oleacc.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "api/desktop_functions.h"
#include "support/case_label.h"
#include "support/needed_display.h"
#include "support/panel_fixture.h"

namespace {

// An interface pointer released at the end of its scope.
class Accessible {
 public:
  explicit Accessible(HWND window) {
    AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                               reinterpret_cast<void**>(&object_));
  }
  ~Accessible() {
    if (object_ != nullptr) object_->Release();
  }
  Accessible(const Accessible&) = delete;
  Accessible& operator=(const Accessible&) = delete;

  IAccessible* get() const { return object_; }
  IAccessible* operator->() const { return object_; }

 private:
  IAccessible* object_ = nullptr;
};

VARIANT child(LONG id) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = id;
  return v;
}

std::u16string take(BSTR text) {
  std::u16string taken(reinterpret_cast<const char16_t*>(text), text != nullptr ? SysStringLen(text) : 0);
  SysFreeString(text);
  return taken;
}

std::u16string name_of(IAccessible* object, LONG id) {
  BSTR name = nullptr;
  object->get_accName(child(id), &name);
  return take(name);
}

LONG number(IAccessible* object, HRESULT (STDMETHODCALLTYPE IAccessible::*getter)(VARIANT, VARIANT*),
            LONG id) {
  VARIANT answer;
  VariantInit(&answer);
  if (FAILED((object->*getter)(child(id), &answer)) || answer.vt != VT_I4) return -1;
  return answer.lVal;
}

LONG role_of(IAccessible* object, LONG id) { return number(object, &IAccessible::get_accRole, id); }
LONG state_of(IAccessible* object, LONG id) { return number(object, &IAccessible::get_accState, id); }

// Every row's name, the header first.
std::vector<std::u16string> row_names(IAccessible* table) {
  LONG count = 0;
  table->get_accChildCount(&count);
  std::vector<std::u16string> names;
  for (LONG id = 1; id <= count; ++id) names.push_back(name_of(table, id));
  return names;
}

// The child a getter names, 0 for the table itself, -1 for none.
LONG child_in(HRESULT result, const VARIANT& answer) {
  return SUCCEEDED(result) && answer.vt == VT_I4 ? answer.lVal : -1;
}

LONG focused_child(IAccessible* table) {
  VARIANT answer;
  VariantInit(&answer);
  return child_in(table->get_accFocus(&answer), answer);
}

LONG selected_child(IAccessible* table) {
  VARIANT answer;
  VariantInit(&answer);
  return child_in(table->get_accSelection(&answer), answer);
}

BOOL CALLBACK take_shown_form(HWND window, LPARAM out) {
  wchar_t name[32] = {};
  GetClassNameW(window, name, 32);
  if (std::wstring(name) != L"TorvForm" || !IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<HWND*>(out) = window;
  return FALSE;
}

// The shown panel's form window (the only visible form of this thread).
HWND shown_panel() {
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), &take_shown_form, reinterpret_cast<LPARAM>(&found));
  return found;
}

std::u16string window_text(HWND window) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  return std::u16string(text, text + lstrlenW(text));
}

// The events a screen reader would get, as the system delivers them out of context.
std::vector<std::pair<DWORD, LONG>> events;
HWND watched = nullptr;

void CALLBACK record_event(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG id, DWORD, DWORD) {
  if (window == watched && object == OBJID_CLIENT) events.emplace_back(event, id);
}

void deliver_events() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

// A viewer started afresh in a language, its batch panel shown, the first batch given a colour.
class ScreenReader : public torv_test::PanelFixture {
 protected:
  void start(const std::u16string& language, const std::string& batch_button) {
    viewer().unload_plugin();
    state() = host::HostState{};
    state().language = language;
    load_plugin(plugin_path());
    load_model("storeys=1,assemblies=2,values=A;B");
    run_session("click " + batch_button + "\nanswer color FFE03C31\npanel batch swatch 1\n");
    panel_ = shown_panel();
    grid_ = FindWindowExW(panel_, nullptr, L"TorvGrid", nullptr);
  }
  void TearDown() override {
    state().desktop.dialog_filled = nullptr;
    PanelFixture::TearDown();
  }

  HWND panel_ = nullptr;
  HWND grid_ = nullptr;
};

class Win32Accessibility : public ScreenReader {
 protected:
  void SetUp() override {
    ScreenReader::SetUp();
    start(u"en", "Batches");
  }
};

struct LanguageCase {
  std::string label;
  std::u16string code;
  std::string batch_button;
  std::vector<std::u16string> rows;
  // The open button's window text, its access key marked.
  std::u16string open_caption;
  std::u16string add_caption;
  std::u16string color_caption;
  // The palettes' names, the basic palette's red swatch and an empty custom slot.
  std::vector<std::u16string> palettes;
  std::u16string red_swatch;
  std::u16string empty_slot;
};

class Win32AccessibilityIn : public ScreenReader, public ::testing::WithParamInterface<LanguageCase> {
 protected:
  void SetUp() override {
    ScreenReader::SetUp();
    start(GetParam().code, GetParam().batch_button);
  }
};

TEST_P(Win32AccessibilityIn, GridIsATableOfTheRowsAsShown) {
  TORV_NEEDS_WINDOWS();
  ASSERT_NE(grid_, nullptr);
  const Accessible table(grid_);
  ASSERT_NE(table.get(), nullptr);
  EXPECT_EQ(role_of(table.get(), CHILDID_SELF), ROLE_SYSTEM_TABLE);
  EXPECT_EQ(name_of(table.get(), CHILDID_SELF), window_text(panel_));
  EXPECT_EQ(row_names(table.get()), GetParam().rows);
  for (LONG id = 1; id <= 4; ++id) EXPECT_EQ(role_of(table.get(), id), ROLE_SYSTEM_ROW) << id;
  // A renamed category reads under its new name at once.
  run_session("answer name Zed\npanel batch row 2\npanel batch menu rename\n");
  EXPECT_EQ(name_of(table.get(), 3).substr(0, 5), u"Zed, ");
}

TEST_F(Win32Accessibility, CurrentRowIsSelectedAndFocusedWithTheGrid) {
  TORV_NEEDS_WINDOWS();
  const Accessible table(grid_);
  ASSERT_NE(table.get(), nullptr);
  run_session("panel batch row 2\n");
  SetFocus(grid_);
  EXPECT_EQ(selected_child(table.get()), 3);
  EXPECT_EQ(focused_child(table.get()), 3);
  const LONG current = state_of(table.get(), 3);
  EXPECT_EQ(current & (STATE_SYSTEM_SELECTED | STATE_SYSTEM_FOCUSED),
            STATE_SYSTEM_SELECTED | STATE_SYSTEM_FOCUSED);
  EXPECT_EQ(state_of(table.get(), 2) & (STATE_SYSTEM_SELECTED | STATE_SYSTEM_FOCUSED), 0);
  EXPECT_EQ(state_of(table.get(), 1) & STATE_SYSTEM_SELECTABLE, 0) << "the header row";
  // Elsewhere the row stays selected, no longer focused.
  SetFocus(panel_);
  EXPECT_EQ(focused_child(table.get()), -1);
  EXPECT_EQ(state_of(table.get(), 3) & (STATE_SYSTEM_SELECTED | STATE_SYSTEM_FOCUSED), STATE_SYSTEM_SELECTED);
  // A client may move the current row, as a click does.
  EXPECT_EQ(table->accSelect(SELFLAG_TAKEFOCUS | SELFLAG_TAKESELECTION, child(4)), S_OK);
  EXPECT_EQ(selected_child(table.get()), 4);
  EXPECT_EQ(GetFocus(), grid_);
}

TEST_F(Win32Accessibility, MovingTheCurrentRowRaisesFocusAndSelection) {
  TORV_NEEDS_WINDOWS();
  watched = grid_;
  events.clear();
  const HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_SELECTION, nullptr,
                                             &record_event, GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
  ASSERT_NE(hook, nullptr);
  SetFocus(panel_);
  SetFocus(grid_);
  deliver_events();
  EXPECT_NE(std::find(events.begin(), events.end(), std::pair<DWORD, LONG>(EVENT_OBJECT_FOCUS, 2)),
            events.end())
      << "taking the focus tells the current row";
  events.clear();
  run_session("panel batch key down\n");
  deliver_events();
  EXPECT_EQ(events,
            (std::vector<std::pair<DWORD, LONG>>{{EVENT_OBJECT_SELECTION, 3}, {EVENT_OBJECT_FOCUS, 3}}));
  // A click on the current row leaves it where it is: nothing to tell.
  events.clear();
  run_session("panel batch row 2\n");
  deliver_events();
  EXPECT_TRUE(events.empty());
  // Without the focus the row moves selected only.
  SetFocus(panel_);
  deliver_events();
  events.clear();
  const Accessible table(grid_);
  ASSERT_NE(table.get(), nullptr);
  table->accSelect(SELFLAG_TAKESELECTION, child(4));
  deliver_events();
  EXPECT_EQ(events, (std::vector<std::pair<DWORD, LONG>>{{EVENT_OBJECT_SELECTION, 4}}));
  UnhookWinEvent(hook);
}

// What a list raises when its rows change, in the order a screen reader gets it, up to the
// current row's selection; its focus event follows while the grid has the focus.
struct ChangeStep {
  std::string label;
  std::string commands;
  std::vector<std::pair<DWORD, LONG>> events;
};

// Each change of the rows, the current row's words unchanged or not, is told: a changed row by
// its name change (a mark by its state and description), rows come, gone or sorted by the
// table's reorder, then the current row is selected and focused again, so its words are read.
TEST_F(Win32Accessibility, EveryChangeOfTheRowsIsTold) {
  TORV_NEEDS_WINDOWS();
  constexpr LONG table_itself = CHILDID_SELF;
  constexpr DWORD name = EVENT_OBJECT_NAMECHANGE;
  constexpr DWORD reorder = EVENT_OBJECT_REORDER;
  constexpr DWORD state = EVENT_OBJECT_STATECHANGE;
  constexpr DWORD description = EVENT_OBJECT_DESCRIPTIONCHANGE;
  constexpr DWORD selection = EVENT_OBJECT_SELECTION;
  constexpr DWORD focus = EVENT_OBJECT_FOCUS;
  // The rows: A (child 2, current), B, No batch.
  const std::vector<ChangeStep> steps = {
      {"delete A: B stands in row 1",
       "panel batch menu delete\n",
       {{reorder, table_itself}, {name, 2}, {selection, 2}}},
      {"undo: A back in row 1", "panel batch undo\n", {{reorder, table_itself}, {name, 2}, {selection, 2}}},
      {"redo: B in row 1 again", "panel batch redo\n", {{reorder, table_itself}, {name, 2}, {selection, 2}}},
      {"undo, then A shown alone",
       "panel batch undo\npanel batch menu only\n",
       {{reorder, table_itself},
        {name, 2},
        {selection, 2},
        {focus, 2},
        {state, 2},
        {description, 2},
        {selection, 2}}},
      {"the palette colours B and shows all",
       "panel batch menu palette\n",
       {{state, 2}, {description, 2}, {name, 3}, {selection, 2}}},
      {"Insert adds C, sorted in under row 1",
       "answer name C\npanel batch keys {INS}\n",
       {{reorder, table_itself}, {selection, 2}}},
      {"F2 renames A", "answer name Z\npanel batch keys {F2}\n", {{name, 2}, {selection, 2}}},
  };
  watched = grid_;
  const HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_REORDER, EVENT_OBJECT_DESCRIPTIONCHANGE, nullptr,
                                             &record_event, GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
  ASSERT_NE(hook, nullptr);
  run_session("panel batch row 1\n");
  SetFocus(grid_);
  deliver_events();
  for (const ChangeStep& step : steps) {
    events.clear();
    run_session(step.commands);
    deliver_events();
    // The focus coming to the grid as keys are typed into its form, or as a dialog closes, is
    // told before the change, as the focus's own.
    events.erase(events.begin(), std::find_if(events.begin(), events.end(), [](const auto& event) {
                   return event.first != EVENT_OBJECT_FOCUS;
                 }));
    std::erase_if(events, [](const auto& event) {
      return event.first == EVENT_OBJECT_LOCATIONCHANGE || event.first == EVENT_OBJECT_VALUECHANGE;
    });
    std::vector<std::pair<DWORD, LONG>> expected = step.events;
    if (GetFocus() == grid_) expected.emplace_back(focus, 2);
    EXPECT_EQ(events, expected) << step.label;
  }
  UnhookWinEvent(hook);
}

// The category shown alone: its row's name is what the cells say, without the mark the eye sees;
// the mark is the row's description and checked state, in the viewer's language.
TEST_F(Win32Accessibility, ShownAloneIsTheRowsStateNotItsName) {
  TORV_NEEDS_WINDOWS();
  const Accessible table(grid_);
  ASSERT_NE(table.get(), nullptr);
  const std::u16string before = name_of(table.get(), 2);
  run_session("panel batch row 1\npanel batch menu only\n");
  EXPECT_EQ(name_of(table.get(), 2), before);
  BSTR said = nullptr;
  table->get_accDescription(child(2), &said);
  EXPECT_EQ(take(said), u"shown alone");
  EXPECT_NE(state_of(table.get(), 2) & STATE_SYSTEM_CHECKED, 0);
  said = nullptr;
  EXPECT_EQ(table->get_accDescription(child(3), &said), S_FALSE);
  EXPECT_EQ(state_of(table.get(), 3) & STATE_SYSTEM_CHECKED, 0);
  run_session("panel batch menu all\n");
  EXPECT_EQ(state_of(table.get(), 2) & STATE_SYSTEM_CHECKED, 0);
}

// Each opening of the add and the rename dialog puts the focus on its name field once: the combo
// box, which hands it to its edit field.
std::vector<std::pair<HWND, std::wstring>> focused_windows;

void CALLBACK record_focus(HWINEVENTHOOK, DWORD, HWND window, LONG, LONG, DWORD, DWORD) {
  wchar_t name[32] = {};
  GetClassNameW(window, name, 32);
  focused_windows.emplace_back(GetAncestor(window, GA_ROOT), name);
}

TEST_F(Win32Accessibility, NameFieldIsFocusedOncePerOpening) {
  TORV_NEEDS_WINDOWS();
  const HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, nullptr, &record_focus,
                                             GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
  ASSERT_NE(hook, nullptr);
  run_session("panel batch row 1\n");
  HWND dialog = nullptr;
  // The desktop's own commands: a session would take the desktop's dialog_filled for itself.
  state().desktop.dialog_filled = [&](const std::string&, void* window, const std::string&) {
    dialog = static_cast<HWND>(window);
  };
  std::vector<std::vector<std::wstring>> openings;
  for (const char* entry : {"menu batch menu_add", "menu batch menu_rename"}) {
    deliver_events();
    focused_windows.clear();
    state().desktop.queue_answer("frm_add_category", std::nullopt);
    host::desktop_command(entry);
    deliver_events();
    std::vector<std::wstring> in_dialog;
    for (const auto& [root, name] : focused_windows) {
      if (root == dialog) in_dialog.push_back(name);
    }
    openings.push_back(in_dialog);
  }
  UnhookWinEvent(hook);
  const std::vector<std::wstring> once = {L"ComboBox", L"Edit"};
  EXPECT_EQ(openings, (std::vector<std::vector<std::wstring>>{once, once}));
}

// The file buttons are named by the names they show beside their icons (the system leaves out the
// access key's '&'); the name fields as the system names a dialog's edit
// box, by the label just before them in Z order (hidden here, where the dialog shows none), which
// screen readers read on Windows.
TEST_P(Win32AccessibilityIn, ButtonsAndNameFieldsAreNamed) {
  TORV_NEEDS_WINDOWS();
  const HWND open =
      FindWindowExW(panel_, nullptr, L"Button", reinterpret_cast<LPCWSTR>(GetParam().open_caption.c_str()));
  ASSERT_NE(open, nullptr);
  EXPECT_EQ(GetWindowLongW(open, GWL_STYLE) & BS_ICON, 0);
  {
    const Accessible button(open);
    ASSERT_NE(button.get(), nullptr);
    std::u16string shown = GetParam().open_caption;
    std::erase(shown, u'&');
    EXPECT_EQ(name_of(button.get(), CHILDID_SELF), shown);
  }
  std::vector<std::u16string> labels;
  state().desktop.dialog_filled = [&](const std::string&, void* window, const std::string&) {
    const HWND field = FindWindowExW(static_cast<HWND>(window), nullptr, L"ComboBox", nullptr);
    const HWND label = GetWindow(field, GW_HWNDPREV);
    wchar_t name[32] = {};
    GetClassNameW(label, name, 32);
    EXPECT_STREQ(name, L"Static");
    EXPECT_FALSE(IsWindowVisible(label));
    labels.push_back(window_text(label));
  };
  // The desktop's own commands: a session would take the desktop's dialog_filled for itself.
  state().desktop.queue_answer("frm_add_category", std::nullopt);
  host::desktop_command("menu batch menu_add");
  state().desktop.queue_answer("color", std::nullopt);
  host::desktop_command("cell batch 2 1");
  EXPECT_EQ(labels, (std::vector<std::u16string>{GetParam().add_caption, GetParam().color_caption}));
}

// The colour dialog's palettes (the dialog's grids that read as tables of cells), in Z order.
std::vector<HWND> palettes_of(HWND dialog) {
  std::vector<HWND> palettes;
  for (HWND grid = FindWindowExW(dialog, nullptr, L"TorvGrid", nullptr); grid != nullptr;
       grid = FindWindowExW(dialog, grid, L"TorvGrid", nullptr)) {
    const Accessible table(grid);
    if (table.get() != nullptr && role_of(table.get(), 1) == ROLE_SYSTEM_CELL && IsWindowEnabled(grid))
      palettes.push_back(grid);
  }
  return palettes;
}

// Each palette is a named table of its swatches, each cell named by its colour, an empty custom
// slot as empty.
TEST_P(Win32AccessibilityIn, ColorPalettesAreTablesOfNamedSwatches) {
  TORV_NEEDS_WINDOWS();
  std::vector<std::u16string> names;
  std::vector<LONG> counts;
  std::u16string red;
  std::u16string last_custom;
  state().desktop.dialog_filled = [&](const std::string&, void* window, const std::string&) {
    for (const HWND palette : palettes_of(static_cast<HWND>(window))) {
      const Accessible table(palette);
      EXPECT_EQ(role_of(table.get(), CHILDID_SELF), ROLE_SYSTEM_TABLE);
      names.push_back(name_of(table.get(), CHILDID_SELF));
      LONG count = 0;
      table->get_accChildCount(&count);
      counts.push_back(count);
      if (count == 48) red = name_of(table.get(), 9);
      if (count == 16) last_custom = name_of(table.get(), 16);
    }
  };
  state().desktop.queue_answer("color", std::nullopt);
  host::desktop_command("cell batch 2 1");
  EXPECT_EQ(names, GetParam().palettes);
  EXPECT_EQ(counts, (std::vector<LONG>{48, 16}));
  EXPECT_EQ(red, GetParam().red_swatch);
  EXPECT_EQ(last_custom, GetParam().empty_slot);
}

// Arrows between swatches choose the colour and move the focus and the selection to the new cell.
TEST_F(Win32Accessibility, MovingBetweenSwatchesRaisesFocusAndSelection) {
  TORV_NEEDS_WINDOWS();
  std::vector<std::pair<DWORD, LONG>> moved;
  std::u16string focused_name;
  state().desktop.dialog_filled = [&](const std::string&, void* window, const std::string&) {
    const std::vector<HWND> palettes = palettes_of(static_cast<HWND>(window));
    ASSERT_EQ(palettes.size(), 2u);
    watched = palettes[0];
    SetFocus(watched);
    deliver_events();
    events.clear();
    const HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_SELECTION, nullptr,
                                               &record_event, GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    SendMessageW(watched, WM_KEYDOWN, VK_RIGHT, 1);
    deliver_events();
    SendMessageW(watched, WM_KEYDOWN, VK_DOWN, 1);
    deliver_events();
    UnhookWinEvent(hook);
    moved = events;
    const Accessible table(watched);
    focused_name = name_of(table.get(), focused_child(table.get()));
  };
  state().desktop.queue_answer("color", std::nullopt);
  host::desktop_command("cell batch 2 1");
  // From the first swatch right, then down a row of eight: cells 2 and 10.
  EXPECT_EQ(moved, (std::vector<std::pair<DWORD, LONG>>{
                       {EVENT_OBJECT_SELECTION, 2}, {EVENT_OBJECT_FOCUS, 2}, {EVENT_OBJECT_SELECTION, 10},
                       {EVENT_OBJECT_FOCUS, 10}}));
  EXPECT_EQ(focused_name, u"Yellow, FFFF00");
}

INSTANTIATE_TEST_SUITE_P(
    Language, Win32AccessibilityIn,
    ::testing::Values(LanguageCase{"english",
                                   u"en",
                                   "Batches",
                                   {u"Batch, Count, Colour", u"A, 1, red E03C31", u"B, 1, No colour",
                                    u"No batch, No colour"},
                                   u"&Open\u2026",
                                   u"New batch",
                                   u"Colour",
                                   {u"Basic colours", u"Custom colours"},
                                   u"Red, FF0000",
                                   u"Empty"},
                      LanguageCase{"german",
                                   u"de",
                                   "Lose",
                                   {u"Los, Anzahl, Farbe", u"A, 1, Rot E03C31", u"B, 1, Keine Farbe",
                                    u"Ohne Los, Keine Farbe"},
                                   u"\u00d6&ffnen\u2026",
                                   u"Neues Los",
                                   u"Farbe",
                                   {u"Grundfarben", u"Benutzerdefinierte Farben"},
                                   u"Rot, FF0000",
                                   u"Leer"},
                      LanguageCase{"polish",
                                   u"pl",
                                   "Partie",
                                   {u"Partia, Liczba, Kolor", u"A, 1, czerwony E03C31", u"B, 1, Brak koloru",
                                    u"Bez partii, Brak koloru"},
                                   u"&Otw\u00f3rz\u2026",
                                   u"Nowa partia",
                                   u"Kolor",
                                   {u"Kolory podstawowe", u"Kolory niestandardowe"},
                                   u"Czerwony, FF0000",
                                   u"Puste"}),
    torv_test::CaseLabel());

}  // namespace
