// The host's few needs of the operating system, on Windows.
#include <io.h>
#include <windows.h>

#include <cstdio>

#include "app/host_platform.h"

namespace host {

std::u16string executable_folder() {
  wchar_t buffer[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(nullptr, buffer, MAX_PATH);
  std::u16string path(reinterpret_cast<const char16_t*>(buffer), length);
  return path.substr(0, path.rfind(u'\\') + 1);
}

const char16_t* default_plugin_file_name() { return u"torv.dll"; }

bool input_is_terminal() { return _isatty(_fileno(stdin)) != 0; }

}  // namespace host
