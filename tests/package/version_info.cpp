// version_info FILE: prints a file's version resource as Explorer's properties show it, read the
// way Windows reads it (GetFileVersionInfoW, VerQueryValueW): the fixed versions and file type, then
// each text of the first language the resource names, one "name: value" a line, in UTF-8.
#include <windows.h>
// shellapi.h needs the types windows.h declares.
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>
#include <stdio.h>

#include <string>
#include <vector>

namespace {

void print(const std::wstring& text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                       nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), size, nullptr,
                      nullptr);
  fwrite(utf8.data(), 1, utf8.size(), stdout);
}

std::wstring four_parts(DWORD high, DWORD low) {
  return std::to_wstring(HIWORD(high)) + L'.' + std::to_wstring(LOWORD(high)) + L'.' +
         std::to_wstring(HIWORD(low)) + L'.' + std::to_wstring(LOWORD(low));
}

std::wstring hex4(WORD value) {
  wchar_t text[5];
  swprintf(text, 5, L"%04x", value);
  return text;
}

}  // namespace

int main() {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (arguments == nullptr || count != 2) {
    fputs("usage: version_info FILE\n", stderr);
    return 2;
  }
  _setmode(_fileno(stdout), _O_BINARY);
  const wchar_t* file = arguments[1];
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(file, &ignored);
  std::vector<unsigned char> block(size);
  if (size == 0 || !GetFileVersionInfoW(file, 0, size, block.data())) {
    fputs("no version resource\n", stderr);
    return 1;
  }

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  if (VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) && fixed != nullptr) {
    print(L"fixed file version: " + four_parts(fixed->dwFileVersionMS, fixed->dwFileVersionLS) + L'\n');
    print(L"fixed product version: " + four_parts(fixed->dwProductVersionMS, fixed->dwProductVersionLS) +
          L'\n');
    print(std::wstring(L"file type: ") + (fixed->dwFileType == VFT_DLL ? L"library" : L"other") + L'\n');
  }

  struct Translation {
    WORD language;
    WORD code_page;
  };
  Translation* translations = nullptr;
  if (!VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translations),
                      &length) ||
      length < sizeof(Translation)) {
    fputs("no translation in the version resource\n", stderr);
    return 1;
  }
  const std::wstring language = hex4(translations[0].language) + hex4(translations[0].code_page);
  print(L"language: " + language + L'\n');
  for (const wchar_t* name : {L"CompanyName", L"FileDescription", L"FileVersion", L"InternalName",
                              L"LegalCopyright", L"OriginalFilename", L"ProductName", L"ProductVersion"}) {
    wchar_t* value = nullptr;
    const std::wstring path = L"\\StringFileInfo\\" + language + L'\\' + name;
    if (VerQueryValueW(block.data(), path.c_str(), reinterpret_cast<void**>(&value), &length) &&
        value != nullptr) {
      print(std::wstring(name) + L": " + value + L'\n');
    }
  }
  LocalFree(arguments);
  return 0;
}
