// The activation context made from the library's manifest resource (id 2).
#include "toolkit/win32/activation_context.h"

#include <string>

#include "toolkit/win32/native_windows.h"

namespace toolkit::win32 {
namespace {

HANDLE context = INVALID_HANDLE_VALUE;

}  // namespace

void make_activation_context() {
  if (context != INVALID_HANDLE_VALUE) return;
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(this_module(), path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return;
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  ACTCTXW description{};
  description.cbSize = sizeof description;
  description.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
  description.lpSource = path.c_str();
  description.hModule = this_module();
  description.lpResourceName = MAKEINTRESOURCEW(2);
  context = CreateActCtxW(&description);
}

void release_activation_context() {
  if (context != INVALID_HANDLE_VALUE) ReleaseActCtx(context);
  context = INVALID_HANDLE_VALUE;
}

ActivatedContext::ActivatedContext()
    : active_(context != INVALID_HANDLE_VALUE && ActivateActCtx(context, &cookie_) != FALSE) {}

ActivatedContext::~ActivatedContext() {
  if (active_) DeactivateActCtx(0, cookie_);
}

}  // namespace toolkit::win32
