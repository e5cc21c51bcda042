// How the plug-in names a model's recovery files in its recovery folder, so that a host finds them
// as the plug-in writes them (the stand-in's `print recovery`).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace cpp {

// The name less the viewer's key and the panel's ending: the model's file name cut to 64 code
// units (within what any file system takes; never between the two halves of a character), a dot,
// and the FNV-1a hash of the model's canonical path in 16 hexadecimal digits, which keeps models of
// the same name in different folders apart.
inline std::u16string recovery_name_stem(std::u16string_view model_file_name,
                                         std::u16string_view model_path) {
  std::uint64_t hash = 14695981039346656037ull;
  for (const char16_t c : model_path) {
    hash ^= static_cast<std::uint64_t>(c);
    hash *= 1099511628211ull;
  }
  constexpr char16_t digits[] = u"0123456789abcdef";
  std::u16string hash_text(16, u'0');
  for (auto place = hash_text.rbegin(); place != hash_text.rend(); ++place, hash >>= 4)
    *place = digits[hash & 15];
  std::size_t kept = model_file_name.size() < 64 ? model_file_name.size() : 64;
  if (kept == 64 && model_file_name[63] >= 0xD800 && model_file_name[63] <= 0xDBFF) kept = 63;
  return std::u16string(model_file_name.substr(0, kept)) + u"." + hash_text;
}

}  // namespace cpp
