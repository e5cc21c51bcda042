// The grid's accessibility object: a table whose children are its rows, the header first (child
// k is row k - 1), each named by what its cells show ("Name, 12, FF2E86DE"), so a screen reader
// reads what the user sees in the user's language; a row's mark (the category shown alone) is its
// description, and its state checked. The current row is the selected child, and the focused one
// while the grid has the focus. The window itself (parent, place, state) is left to the system's
// standard object for the client area.
#include "toolkit/win32/grid_accessible.h"

#include <oleacc.h>

#include <algorithm>
#include <new>
#include <string>
#include <unordered_map>
#include <vector>

#include "toolkit/cell_text.h"
#include "toolkit/draw_grid.h"
#include "toolkit/win32/accessible_object.h"
#include "toolkit/win32/dpi.h"
#include "toolkit/win32/guarded.h"
#include "toolkit/win32/native_windows.h"
#include "toolkit/win32/palette_accessible.h"

namespace toolkit::win32 {
namespace {

// A row as a screen reader hears it: its name and its mark.
struct RowWords {
  std::u16string name;
  std::u16string mark;
  bool operator==(const RowWords&) const = default;
};

// What screen readers were last told of a grid: the current row (-1 before the first rows shown)
// and the words of the rows below the fixed ones; whether a look at its changes is posted.
struct ToldGrid {
  int row = -1;
  std::vector<RowWords> rows;
  bool posted = false;
};

std::unordered_map<HWND, ToldGrid>& told_grids() {
  static std::unordered_map<HWND, ToldGrid> grids;
  return grids;
}

DrawGrid* grid_of(HWND window) { return dynamic_cast<DrawGrid*>(control_of(window)); }

std::u16string row_mark(const DrawGrid& grid, int row) {
  return grid.on_row_mark && row >= grid.fixed_rows() ? grid.on_row_mark(row) : std::u16string();
}

std::vector<RowWords> words_of_rows(const DrawGrid& grid) {
  std::vector<RowWords> rows;
  for (int row = grid.fixed_rows(); row < grid.row_count(); ++row)
    rows.push_back({row_text(grid, row), row_mark(grid, row)});
  return rows;
}

LONG child_of_row(int row) { return row + 1; }

bool has_data_rows(const DrawGrid& grid) { return grid.row_count() > grid.fixed_rows(); }

class GridAccessible final : public AccessibleObject {
 public:
  GridAccessible(HWND window, IAccessible* standard) : window_(window), standard_(standard) {}
  ~GridAccessible() override { standard_->Release(); }
  GridAccessible(const GridAccessible&) = delete;
  GridAccessible& operator=(const GridAccessible&) = delete;

  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    return on_grid([&](DrawGrid&) { return standard_->get_accParent(parent); });
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
    if (count == nullptr) return E_POINTER;
    *count = 0;
    return on_grid([&](DrawGrid& grid) {
      *count = grid.row_count();
      return S_OK;
    });
  }
  // The rows are simple elements, known by their child ids alone.
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
    if (object == nullptr) return E_POINTER;
    *object = nullptr;
    return on_child(child, [](DrawGrid&, int) { return S_FALSE; });
  }
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (name == nullptr) return E_POINTER;
    *name = nullptr;
    if (is_self(child)) {
      return on_grid([&](DrawGrid& grid) {
        return grid.accessible_name().empty() ? standard_->get_accName(child, name)
                                              : text_answer(grid.accessible_name(), name);
      });
    }
    return on_child(child, [&](DrawGrid& grid, int row) { return text_answer(row_text(grid, row), name); });
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    return no_text(child, value);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
    if (description == nullptr) return E_POINTER;
    *description = nullptr;
    if (is_self(child)) return on_grid([](DrawGrid&) { return S_FALSE; });
    return on_child(child,
                    [&](DrawGrid& grid, int row) { return text_answer(row_mark(grid, row), description); });
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    if (role == nullptr) return E_POINTER;
    VariantInit(role);
    if (is_self(child)) {
      return on_grid([&](DrawGrid&) {
        set_child(role, ROLE_SYSTEM_TABLE);
        return S_OK;
      });
    }
    return on_child(child, [&](DrawGrid&, int) {
      set_child(role, ROLE_SYSTEM_ROW);
      return S_OK;
    });
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    if (state == nullptr) return E_POINTER;
    VariantInit(state);
    if (is_self(child)) return on_grid([&](DrawGrid&) { return standard_->get_accState(child, state); });
    return on_child(child, [&](DrawGrid& grid, int row) {
      set_child(state, static_cast<LONG>(row_state(grid, row)));
      return S_OK;
    });
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override { return no_text(child, help); }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, LONG* topic) override {
    if (file != nullptr) *file = nullptr;
    if (topic != nullptr) *topic = 0;
    return DISP_E_MEMBERNOTFOUND;
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
    if (shortcut == nullptr) return E_POINTER;
    *shortcut = nullptr;
    if (is_self(child)) {
      return on_grid([&](DrawGrid&) { return standard_->get_accKeyboardShortcut(child, shortcut); });
    }
    return on_child(child, [](DrawGrid&, int) { return DISP_E_MEMBERNOTFOUND; });
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
    if (focus == nullptr) return E_POINTER;
    VariantInit(focus);
    return on_grid([&](DrawGrid& grid) {
      if (GetFocus() != window_) return S_FALSE;
      set_child(focus, has_data_rows(grid) ? child_of_row(grid.row()) : CHILDID_SELF);
      return S_OK;
    });
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
    if (selection == nullptr) return E_POINTER;
    VariantInit(selection);
    return on_grid([&](DrawGrid& grid) {
      if (!has_data_rows(grid)) return S_FALSE;
      set_child(selection, child_of_row(grid.row()));
      return S_OK;
    });
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    return no_text(child, action);
  }
  // A client may move the current row (as a click does) and put the focus on the grid.
  HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
    if ((flags & ~(SELFLAG_TAKEFOCUS | SELFLAG_TAKESELECTION)) != 0) return E_INVALIDARG;
    return on_child(child, [&](DrawGrid& grid, int row) {
      if (row < grid.fixed_rows()) return E_INVALIDARG;
      if ((flags & SELFLAG_TAKEFOCUS) != 0) SetFocus(window_);
      if ((flags & SELFLAG_TAKESELECTION) != 0) grid.select_cell(grid.col(), row);
      return S_OK;
    });
  }
  HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                        VARIANT child) override {
    if (left == nullptr || top == nullptr || width == nullptr || height == nullptr) return E_POINTER;
    *left = *top = *width = *height = 0;
    if (is_self(child)) {
      return on_grid([&](DrawGrid&) { return standard_->accLocation(left, top, width, height, child); });
    }
    return on_child(child, [&](DrawGrid& grid, int row) {
      const RECT place = row_place(grid, row);
      *left = place.left;
      *top = place.top;
      *width = place.right - place.left;
      *height = place.bottom - place.top;
      return S_OK;
    });
  }
  HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
    if (end == nullptr) return E_POINTER;
    VariantInit(end);
    if (is_self(start)) {
      return on_grid([&](DrawGrid& grid) {
        if (direction != NAVDIR_FIRSTCHILD && direction != NAVDIR_LASTCHILD)
          return standard_->accNavigate(direction, start, end);
        if (grid.row_count() == 0) return S_FALSE;
        set_child(end, direction == NAVDIR_FIRSTCHILD ? 1 : grid.row_count());
        return S_OK;
      });
    }
    return on_child(start, [&](DrawGrid& grid, int row) {
      int to = row;
      if (direction == NAVDIR_NEXT || direction == NAVDIR_DOWN) to = row + 1;
      if (direction == NAVDIR_PREVIOUS || direction == NAVDIR_UP) to = row - 1;
      if (to == row || to < 0 || to >= grid.row_count()) return S_FALSE;
      set_child(end, child_of_row(to));
      return S_OK;
    });
  }
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* found) override {
    if (found == nullptr) return E_POINTER;
    VariantInit(found);
    return on_grid([&](DrawGrid& grid) {
      POINT at{x, y};
      ScreenToClient(window_, &at);
      RECT client{};
      GetClientRect(window_, &client);
      if (!PtInRect(&client, at)) return S_FALSE;
      int col = 0;
      int row = 0;
      const bool on_cell = grid.cell_at({unscaled(at.x, dpi_of(window_)) + DrawGrid::border,
                                         unscaled(at.y, dpi_of(window_)) + DrawGrid::border},
                                        col, row);
      set_child(found, on_cell ? child_of_row(row) : CHILDID_SELF);
      return S_OK;
    });
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT) override { return DISP_E_MEMBERNOTFOUND; }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

 private:
  // Runs the handler on the grid while its window and control stand, and never lets it throw.
  template <class Handler>
  HRESULT on_grid(Handler&& handler) noexcept {
    return guarded<HRESULT>(E_FAIL, [&]() -> HRESULT {
      DrawGrid* grid = IsWindow(window_) ? grid_of(window_) : nullptr;
      return grid != nullptr ? handler(*grid) : RPC_E_DISCONNECTED;
    });
  }

  // The handler gets the row of a child id (not the table itself).
  template <class Handler>
  HRESULT on_child(const VARIANT& child, Handler&& handler) noexcept {
    return on_grid([&](DrawGrid& grid) -> HRESULT {
      if (child.vt != VT_I4 || child.lVal < 1 || child.lVal > grid.row_count()) return E_INVALIDARG;
      return handler(grid, static_cast<int>(child.lVal - 1));
    });
  }

  HRESULT no_text(const VARIANT& child, BSTR* text) noexcept {
    if (text == nullptr) return E_POINTER;
    *text = nullptr;
    if (is_self(child)) return on_grid([](DrawGrid&) { return S_FALSE; });
    return on_child(child, [](DrawGrid&, int) { return S_FALSE; });
  }

  DWORD row_state(const DrawGrid& grid, int row) const {
    DWORD state = STATE_SYSTEM_READONLY;
    if (row < grid.fixed_rows()) return state;
    state |= STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE;
    if (!row_mark(grid, row).empty()) state |= STATE_SYSTEM_CHECKED;
    if (row == grid.row()) {
      state |= STATE_SYSTEM_SELECTED;
      if (GetFocus() == window_) state |= STATE_SYSTEM_FOCUSED;
    }
    if (row < grid.top_row() || row >= grid.top_row() + grid.visible_rows()) state |= STATE_SYSTEM_OFFSCREEN;
    return state;
  }

  // The row across every column, on the screen.
  RECT row_place(const DrawGrid& grid, int row) const {
    const int dpi = dpi_of(window_);
    const Rect first = scaled(grid.cell_rect(0, row), dpi);
    const Rect last = scaled(grid.cell_rect(grid.col_count() - 1, row), dpi);
    const int border = scaled(DrawGrid::border, dpi);
    POINT top_left{first.left - border, first.top - border};
    POINT bottom_right{last.right() - border, last.bottom() - border};
    ClientToScreen(window_, &top_left);
    ClientToScreen(window_, &bottom_right);
    return {top_left.x, top_left.y, bottom_right.x, bottom_right.y};
  }

  HWND window_;
  IAccessible* standard_;
};

void tell(HWND window, DWORD event, int row) {
  NotifyWinEvent(event, window, OBJID_CLIENT, child_of_row(row));
}

void tell_row_change(HWND window, const RowWords& before, const RowWords& now, int row) {
  if (before.name != now.name) tell(window, EVENT_OBJECT_NAMECHANGE, row);
  if (before.mark == now.mark) return;
  tell(window, EVENT_OBJECT_STATECHANGE, row);
  tell(window, EVENT_OBJECT_DESCRIPTIONCHANGE, row);
}

void tell_current_row(HWND window, ToldGrid& told, const DrawGrid& grid) {
  told.row = grid.row();
  tell(window, EVENT_OBJECT_SELECTION, grid.row());
  if (GetFocus() == window) tell(window, EVENT_OBJECT_FOCUS, grid.row());
}

// The events of the rows' changes; false when nothing changed.
bool tell_rows_changes(HWND window, const DrawGrid& grid, const std::vector<RowWords>& before,
                       const std::vector<RowWords>& now) {
  if (before == now) return false;
  const int first = grid.fixed_rows();
  if (now.size() == before.size() && !std::is_permutation(now.begin(), now.end(), before.begin())) {
    for (std::size_t at = 0; at < now.size(); ++at)
      tell_row_change(window, before[at], now[at], first + static_cast<int>(at));
    return true;
  }
  // Rows came, went or moved: clients read the table again; of the rows, the current one is told.
  NotifyWinEvent(EVENT_OBJECT_REORDER, window, OBJID_CLIENT, CHILDID_SELF);
  const auto current = static_cast<std::size_t>(grid.row() - first);
  if (current < now.size())
    tell_row_change(window, current < before.size() ? before[current] : RowWords{}, now[current], grid.row());
  return true;
}

}  // namespace

LRESULT answer_get_object(HWND window, WPARAM w, LPARAM l) {
  if (const DrawGrid* grid = grid_of(window); grid != nullptr && !grid->row_select)
    return answer_palette_object(window, w, l);
  // Anything but the client area, or an object that cannot be made, is the system's to answer.
  if (static_cast<DWORD>(l) != static_cast<DWORD>(OBJID_CLIENT))
    return DefWindowProcW(window, WM_GETOBJECT, w, l);
  IAccessible* standard = nullptr;
  if (FAILED(CreateStdAccessibleObject(window, OBJID_CLIENT, __uuidof(IAccessible),
                                       reinterpret_cast<void**>(&standard))))
    return DefWindowProcW(window, WM_GETOBJECT, w, l);
  auto* object = new (std::nothrow) GridAccessible(window, standard);
  if (object == nullptr) {
    standard->Release();
    return DefWindowProcW(window, WM_GETOBJECT, w, l);
  }
  const LRESULT answer = LresultFromObject(__uuidof(IAccessible), w, object);
  object->Release();
  return answer;
}

void announce_grid_changes(HWND window, const DrawGrid& grid) {
  if (!grid.row_select) return tell_current_cell(window, grid);
  if (!has_data_rows(grid)) return;
  ToldGrid& told = told_grids()[window];
  if (told.row < 0) {
    told.row = grid.row();
    told.rows = words_of_rows(grid);
    return;
  }
  // Each move is told as it happens, so that every arrow key is heard.
  if (told.row != grid.row()) tell_current_row(window, told, grid);
  // A change of the rows comes in steps (the list, then the row count, then the layout): it is
  // looked at once they are all done. Only a list's rows are children with words of their own.
  if (grid.row_select && !told.posted)
    told.posted = PostMessageW(window, grid_changes_message, 0, 0) != FALSE;
}

void tell_grid_changes(HWND window, const DrawGrid& grid) {
  ToldGrid& told = told_grids()[window];
  told.posted = false;
  if (!has_data_rows(grid) || told.row < 0) return;
  std::vector<RowWords> rows = words_of_rows(grid);
  const bool changed = tell_rows_changes(window, grid, told.rows, rows);
  told.rows = std::move(rows);
  if (changed) tell_current_row(window, told, grid);
}

void announce_focused_row(HWND window, const DrawGrid& grid) {
  if (!grid.row_select) return announce_focused_cell(window, grid);
  if (!has_data_rows(grid)) return;
  ToldGrid& told = told_grids()[window];
  if (told.row < 0) told.rows = words_of_rows(grid);
  told.row = grid.row();
  tell(window, EVENT_OBJECT_FOCUS, grid.row());
}

void forget_announced_row(HWND window) {
  told_grids().erase(window);
  forget_told_cell(window);
}

void keep_module_for_accessible_objects() {
  // A screen reader may release an object after the viewer has unloaded the plug-in: the code its
  // release runs then stays loaded for the rest of the process.
  if (!accessible_objects_alive()) return;
  HMODULE module = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                     reinterpret_cast<LPCWSTR>(&answer_get_object), &module);
}

}  // namespace toolkit::win32
