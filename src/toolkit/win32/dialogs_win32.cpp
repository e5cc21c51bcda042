// Modal runs on Windows: a form's own message loop, the system's file dialogs and message boxes,
// each with every other window of the viewer's thread disabled while it stands open. When the
// program that loaded the plug-in offers a desktop (the stand-in viewer), the desktop's queue
// answers them through the real windows; without a display, the answer goes to the request.
#include <windows.h>

#include <commdlg.h>

#include <string>
#include <vector>

#include "platform/utf8.h"
#include "toolkit/backend.h"
#include "toolkit/desktop/desktop_answers.h"
#include "toolkit/desktop/desktop_link.h"
#include "toolkit/dialogs.h"
#include "toolkit/form.h"
#include "toolkit/win32/desktop_input.h"
#include "toolkit/win32/dpi_functions.h"
#include "toolkit/win32/modal_windows.h"
#include "toolkit/win32/native_windows.h"

namespace toolkit::backend {
namespace {

// Converts the toolkit's "description|pattern|..." filter into the double-NUL-ended list.
std::wstring native_filter(const std::u16string& filter) {
  std::wstring native(filter.begin(), filter.end());
  for (wchar_t& c : native) {
    if (c == L'|') c = L'\0';
  }
  native.append(2, L'\0');
  return native;
}

HWND window_or_null(void* window) {
  const auto handle = static_cast<HWND>(window);
  return IsWindow(handle) ? handle : nullptr;
}

}  // namespace

void run_modal(Form& form) {
  const HWND window = win32::make_window(form);
  const bool driven = desktop::desktop_offered();
  // Without a display there is no window to type into: the answer goes to the form itself.
  if (window == nullptr) {
    if (driven) desktop::answer_form(form);
    return;
  }
  const std::weak_ptr<const void> alive = form.life();
  const win32::DisabledWindows others(window);
  if (driven) win32::post_desktop_answer(window, form);
  MSG message;
  while (!alive.expired() && form.visible() && form.modal_result() == ModalResult::none) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got <= 0) {
      // Somebody asked the application to end: the dialog is cancelled and the request passed on.
      if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  win32::stop_typing(window);
}

bool run_file_dialog(FileDialog& dialog, void* owner_window) {
  const HWND owner = window_or_null(owner_window);
  const bool driven = desktop::desktop_offered();
  // Without a display there is no dialog to fill in: the answer goes to the request itself.
  if (driven && owner == nullptr) return desktop::answer_file_dialog(dialog);
  const std::wstring filter = native_filter(dialog.filter);
  std::vector<wchar_t> file(32768, L'\0');
  const std::wstring proposed(dialog.file_name.begin(), dialog.file_name.end());
  proposed.copy(file.data(), std::min(proposed.size(), file.size() - 1));
  const std::wstring initial_dir(dialog.initial_dir.begin(), dialog.initial_dir.end());
  OPENFILENAMEW request{};
  request.lStructSize = sizeof request;
  request.hwndOwner = owner;
  request.lpstrFilter = filter.c_str();
  request.lpstrFile = file.data();
  request.nMaxFile = static_cast<DWORD>(file.size());
  request.lpstrInitialDir = initial_dir.empty() ? nullptr : initial_dir.c_str();
  request.nFilterIndex = static_cast<DWORD>(dialog.filter_index);
  const std::wstring default_extension(dialog.default_extension.begin(), dialog.default_extension.end());
  request.lpstrDefExt = default_extension.empty() ? nullptr : default_extension.c_str();
  // The plug-in never opens a file for writing through this dialog: "open as read-only" means nothing.
  request.Flags = OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_EXPLORER | OFN_HIDEREADONLY |
                  (dialog.kind() == FileDialogKind::open ? OFN_FILEMUSTEXIST : 0);
  win32::FileDialogAnswer answer;
  if (driven) {
    answer = win32::take_file_dialog_answer(dialog.kind() == FileDialogKind::open);
    // The answer's type stands chosen in the dialog, as the user would have chosen it.
    if (answer.path) {
      const std::u16string path(answer.path->begin(), answer.path->end());
      if (const int index = filter_index_for(dialog.filter, path))
        request.nFilterIndex = static_cast<DWORD>(index);
    }
    win32::drive_file_dialog(request, answer);
  }
  BOOL confirmed = FALSE;
  {
    const win32::DisabledWindows others(nullptr, owner);
    const win32::PerMonitorAware aware;
    confirmed =
        dialog.kind() == FileDialogKind::open ? GetOpenFileNameW(&request) : GetSaveFileNameW(&request);
  }
  win32::stop_typing();
  if (!confirmed) return false;
  dialog.file_name = std::u16string(reinterpret_cast<const char16_t*>(file.data()));
  dialog.filter_index = static_cast<int>(request.nFilterIndex);
  return true;
}

void show_message(void* owner_window, std::u16string_view text, std::u16string_view caption,
                  MessageIcon icon) {
  const HWND owner = window_or_null(owner_window);
  if (desktop::desktop_offered()) {
    desktop::desktop_message(platform::to_utf8(caption), platform::to_utf8(text), static_cast<int>(icon));
    // Without a display there is no box to show; on one, the real box is shown and answered.
    if (owner == nullptr) return desktop::answer_message_box();
    win32::answer_next_box("message", IDOK, desktop::queued_keys("message"));
  }
  static constexpr UINT icons[] = {0, MB_ICONINFORMATION, MB_ICONWARNING, MB_ICONERROR};
  const std::wstring text_z(text.begin(), text.end());
  const std::wstring caption_z(caption.begin(), caption.end());
  const win32::DisabledWindows others(nullptr, owner);
  const win32::PerMonitorAware aware;
  MessageBoxW(owner, text_z.c_str(), caption_z.c_str(), MB_OK | icons[static_cast<int>(icon)]);
  win32::stop_typing();
}

}  // namespace toolkit::backend
