// A palette's accessibility object: a table of cells ("Red, FF0000", "Empty"), so that a screen
// reader says each swatch by its colour's name as the arrows move over it. The current cell is the
// selected child, and the focused one while the grid has the focus. The window itself (parent,
// place, state) is left to the system's standard object for the client area.
#include "toolkit/win32/palette_accessible.h"

#include <oleacc.h>

#include <new>
#include <string>
#include <unordered_map>

#include "toolkit/cell_text.h"
#include "toolkit/draw_grid.h"
#include "toolkit/win32/accessible_object.h"
#include "toolkit/win32/dpi.h"
#include "toolkit/win32/guarded.h"
#include "toolkit/win32/native_windows.h"

namespace toolkit::win32 {
namespace {

// The child id last told of each grid.
std::unordered_map<HWND, LONG>& told_cells() {
  static std::unordered_map<HWND, LONG> cells;
  return cells;
}

DrawGrid* grid_of(HWND window) { return dynamic_cast<DrawGrid*>(control_of(window)); }

LONG cell_count(const DrawGrid& grid) { return static_cast<LONG>(grid.col_count()) * grid.row_count(); }
LONG child_of_cell(const DrawGrid& grid, int col, int row) { return row * grid.col_count() + col + 1; }
LONG current_child(const DrawGrid& grid) { return child_of_cell(grid, grid.col(), grid.row()); }
bool has_cells(const DrawGrid& grid) { return grid.row_count() > grid.fixed_rows() && grid.col_count() > 0; }

struct Cell {
  int col = 0;
  int row = 0;
};

Cell cell_of_child(const DrawGrid& grid, LONG child) {
  const LONG index = child - 1;
  return {static_cast<int>(index % grid.col_count()), static_cast<int>(index / grid.col_count())};
}

class PaletteAccessible final : public AccessibleObject {
 public:
  PaletteAccessible(HWND window, IAccessible* standard) : window_(window), standard_(standard) {}
  ~PaletteAccessible() override { standard_->Release(); }
  PaletteAccessible(const PaletteAccessible&) = delete;
  PaletteAccessible& operator=(const PaletteAccessible&) = delete;

  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    return on_grid([&](DrawGrid&) { return standard_->get_accParent(parent); });
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
    if (count == nullptr) return E_POINTER;
    *count = 0;
    return on_grid([&](DrawGrid& grid) {
      *count = cell_count(grid);
      return S_OK;
    });
  }
  // The cells are simple elements, known by their child ids alone.
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
    if (object == nullptr) return E_POINTER;
    *object = nullptr;
    return on_cell(child, [](DrawGrid&, Cell) { return S_FALSE; });
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
    return on_cell(child, [&](DrawGrid& grid, Cell cell) {
      return text_answer(cell_text(grid, cell.col, cell.row), name);
    });
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    return no_text(child, value);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
    return no_text(child, description);
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
    return on_cell(child, [&](DrawGrid&, Cell) {
      set_child(role, ROLE_SYSTEM_CELL);
      return S_OK;
    });
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    if (state == nullptr) return E_POINTER;
    VariantInit(state);
    if (is_self(child)) return on_grid([&](DrawGrid&) { return standard_->get_accState(child, state); });
    return on_cell(child, [&](DrawGrid& grid, Cell cell) {
      set_child(state, static_cast<LONG>(cell_state(grid, cell)));
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
    return on_cell(child, [](DrawGrid&, Cell) { return DISP_E_MEMBERNOTFOUND; });
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
    if (focus == nullptr) return E_POINTER;
    VariantInit(focus);
    return on_grid([&](DrawGrid& grid) {
      if (GetFocus() != window_) return S_FALSE;
      set_child(focus, has_cells(grid) ? current_child(grid) : CHILDID_SELF);
      return S_OK;
    });
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
    if (selection == nullptr) return E_POINTER;
    VariantInit(selection);
    return on_grid([&](DrawGrid& grid) {
      if (!has_cells(grid)) return S_FALSE;
      set_child(selection, current_child(grid));
      return S_OK;
    });
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    return no_text(child, action);
  }
  // A client may move the current cell (as a click does) and put the focus on the grid.
  HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
    if ((flags & ~(SELFLAG_TAKEFOCUS | SELFLAG_TAKESELECTION)) != 0) return E_INVALIDARG;
    return on_cell(child, [&](DrawGrid& grid, Cell cell) {
      if (cell.row < grid.fixed_rows()) return E_INVALIDARG;
      if ((flags & SELFLAG_TAKEFOCUS) != 0) SetFocus(window_);
      if ((flags & SELFLAG_TAKESELECTION) != 0) grid.select_cell(cell.col, cell.row);
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
    return on_cell(child, [&](DrawGrid& grid, Cell cell) {
      const int dpi = dpi_of(window_);
      const Rect place = scaled(grid.cell_rect(cell.col, cell.row), dpi);
      const int border = scaled(DrawGrid::border, dpi);
      POINT top_left{place.left - border, place.top - border};
      ClientToScreen(window_, &top_left);
      *left = top_left.x;
      *top = top_left.y;
      *width = place.width;
      *height = place.height;
      return S_OK;
    });
  }
  // Next and previous go row by row; the arrows' directions go to the cell beside.
  HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
    if (end == nullptr) return E_POINTER;
    VariantInit(end);
    if (is_self(start)) {
      return on_grid([&](DrawGrid& grid) {
        if (direction != NAVDIR_FIRSTCHILD && direction != NAVDIR_LASTCHILD)
          return standard_->accNavigate(direction, start, end);
        if (cell_count(grid) == 0) return S_FALSE;
        set_child(end, direction == NAVDIR_FIRSTCHILD ? 1 : cell_count(grid));
        return S_OK;
      });
    }
    return on_cell(start, [&](DrawGrid& grid, Cell cell) {
      LONG to = child_of_cell(grid, cell.col, cell.row);
      if (direction == NAVDIR_NEXT) ++to;
      if (direction == NAVDIR_PREVIOUS) --to;
      if (direction == NAVDIR_RIGHT && cell.col + 1 < grid.col_count()) ++to;
      if (direction == NAVDIR_LEFT && cell.col > 0) --to;
      if (direction == NAVDIR_DOWN) to += grid.col_count();
      if (direction == NAVDIR_UP) to -= grid.col_count();
      if (to == child_of_cell(grid, cell.col, cell.row) || to < 1 || to > cell_count(grid)) return S_FALSE;
      set_child(end, to);
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
      const int dpi = dpi_of(window_);
      int col = 0;
      int row = 0;
      const bool on_cell = grid.cell_at(
          {unscaled(at.x, dpi) + DrawGrid::border, unscaled(at.y, dpi) + DrawGrid::border}, col, row);
      set_child(found, on_cell ? child_of_cell(grid, col, row) : CHILDID_SELF);
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

  // The handler gets the cell of a child id (not the table itself).
  template <class Handler>
  HRESULT on_cell(const VARIANT& child, Handler&& handler) noexcept {
    return on_grid([&](DrawGrid& grid) -> HRESULT {
      if (child.vt != VT_I4 || child.lVal < 1 || child.lVal > cell_count(grid)) return E_INVALIDARG;
      return handler(grid, cell_of_child(grid, child.lVal));
    });
  }

  HRESULT no_text(const VARIANT& child, BSTR* text) noexcept {
    if (text == nullptr) return E_POINTER;
    *text = nullptr;
    if (is_self(child)) return on_grid([](DrawGrid&) { return S_FALSE; });
    return on_cell(child, [](DrawGrid&, Cell) { return S_FALSE; });
  }

  DWORD cell_state(const DrawGrid& grid, Cell cell) const {
    DWORD state = STATE_SYSTEM_READONLY;
    if (cell.row < grid.fixed_rows()) return state;
    state |= STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE;
    if (cell.row == grid.row() && cell.col == grid.col()) {
      state |= STATE_SYSTEM_SELECTED;
      if (GetFocus() == window_) state |= STATE_SYSTEM_FOCUSED;
    }
    if (cell.row < grid.top_row() || cell.row >= grid.top_row() + grid.visible_rows())
      state |= STATE_SYSTEM_OFFSCREEN;
    return state;
  }

  HWND window_;
  IAccessible* standard_;
};

void tell(HWND window, DWORD event, LONG child) { NotifyWinEvent(event, window, OBJID_CLIENT, child); }

}  // namespace

LRESULT answer_palette_object(HWND window, WPARAM w, LPARAM l) {
  // Anything but the client area, or an object that cannot be made, is the system's to answer.
  if (static_cast<DWORD>(l) != static_cast<DWORD>(OBJID_CLIENT))
    return DefWindowProcW(window, WM_GETOBJECT, w, l);
  IAccessible* standard = nullptr;
  if (FAILED(CreateStdAccessibleObject(window, OBJID_CLIENT, __uuidof(IAccessible),
                                       reinterpret_cast<void**>(&standard))))
    return DefWindowProcW(window, WM_GETOBJECT, w, l);
  auto* object = new (std::nothrow) PaletteAccessible(window, standard);
  if (object == nullptr) {
    standard->Release();
    return DefWindowProcW(window, WM_GETOBJECT, w, l);
  }
  const LRESULT answer = LresultFromObject(__uuidof(IAccessible), w, object);
  object->Release();
  return answer;
}

void tell_current_cell(HWND window, const DrawGrid& grid) {
  if (!has_cells(grid)) return;
  // The first cell a grid shows is where it starts, not a move to tell.
  const auto [told, first] = told_cells().try_emplace(window, current_child(grid));
  if (first || told->second == current_child(grid)) return;
  told->second = current_child(grid);
  tell(window, EVENT_OBJECT_SELECTION, told->second);
  if (GetFocus() == window) tell(window, EVENT_OBJECT_FOCUS, told->second);
}

void announce_focused_cell(HWND window, const DrawGrid& grid) {
  if (!has_cells(grid)) return;
  told_cells()[window] = current_child(grid);
  tell(window, EVENT_OBJECT_FOCUS, current_child(grid));
}

void forget_told_cell(HWND window) { told_cells().erase(window); }

}  // namespace toolkit::win32
