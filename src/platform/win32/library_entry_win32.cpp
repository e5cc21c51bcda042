// Process attach and detach of the DLL.
#include <windows.h>

#include "platform/library_entry.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID /*reserved*/) {
  if (reason == DLL_PROCESS_ATTACH) platform::on_process_attach(instance);
  if (reason == DLL_PROCESS_DETACH) platform::on_process_detach();
  return TRUE;
}
