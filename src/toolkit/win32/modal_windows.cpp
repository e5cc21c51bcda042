// Disabling the viewer's windows around a dialog.
#include "toolkit/win32/modal_windows.h"

#include <algorithm>

#include "toolkit/win32/native_windows.h"

namespace toolkit::win32 {
namespace {

struct Search {
  HWND dialog;
  std::vector<HWND>* found;
};

BOOL CALLBACK collect(HWND window, LPARAM l) {
  const auto* search = reinterpret_cast<const Search*>(l);
  // The plug-in's hidden forms too, so that none can be shown usable behind the dialog.
  if (window != search->dialog && (IsWindowVisible(window) || is_form_window(window)) &&
      IsWindowEnabled(window))
    search->found->push_back(window);
  return TRUE;
}

}  // namespace

DisabledWindows::DisabledWindows(HWND dialog) {
  Search search{dialog, &disabled_};
  EnumThreadWindows(GetCurrentThreadId(), &collect, reinterpret_cast<LPARAM>(&search));
  for (HWND window : disabled_) EnableWindow(window, FALSE);
}

DisabledWindows::~DisabledWindows() {
  std::for_each(disabled_.rbegin(), disabled_.rend(), [](HWND window) {
    if (IsWindow(window)) EnableWindow(window, TRUE);
  });
}

}  // namespace toolkit::win32
