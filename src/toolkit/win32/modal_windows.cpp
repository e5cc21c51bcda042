// Disabling the viewer's windows around a dialog.
#include "toolkit/win32/modal_windows.h"

#include <algorithm>

#include "toolkit/win32/native_windows.h"

namespace toolkit::win32 {
namespace {

struct Search {
  HWND dialog;
  HWND spared;
  std::vector<HWND>* found;
};

BOOL CALLBACK collect(HWND window, LPARAM l) {
  const auto* search = reinterpret_cast<const Search*>(l);
  // The plug-in's hidden forms too, so that none can be shown usable behind the dialog.
  if (window != search->dialog && window != search->spared &&
      (IsWindowVisible(window) || is_form_window(window)) && IsWindowEnabled(window))
    search->found->push_back(window);
  return TRUE;
}

// The dialogs standing open, innermost last.
std::vector<DisabledWindows*>& open_dialogs() {
  static std::vector<DisabledWindows*> open;
  return open;
}

}  // namespace

DisabledWindows::DisabledWindows(HWND dialog, HWND spared) : dialog_(dialog) {
  Search search{dialog, spared != nullptr ? GetAncestor(spared, GA_ROOT) : nullptr, &disabled_};
  EnumThreadWindows(GetCurrentThreadId(), &collect, reinterpret_cast<LPARAM>(&search));
  for (HWND window : disabled_) EnableWindow(window, FALSE);
  open_dialogs().push_back(this);
}

DisabledWindows::~DisabledWindows() {
  enable();
  std::erase(open_dialogs(), this);
}

void DisabledWindows::enable() {
  std::for_each(disabled_.rbegin(), disabled_.rend(), [](HWND window) {
    if (IsWindow(window)) EnableWindow(window, TRUE);
  });
  disabled_.clear();
}

void enable_windows_behind(HWND dialog) {
  for (DisabledWindows* open : open_dialogs()) {
    if (open->dialog() == dialog) open->enable();
  }
}

}  // namespace toolkit::win32
