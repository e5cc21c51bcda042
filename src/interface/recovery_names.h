// How the plug-in names a model's recovery files in its recovery folder, so that a host finds them
// as the plug-in writes them (the stand-in's `print recovery`).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace cpp {

// The FNV-1a hash of the model's canonical path in 16 hexadecimal digits: it keeps models of the
// same name in different folders apart, and finds a model's files under any spelling of its path.
inline std::u16string recovery_path_hash(std::u16string_view model_path) {
  std::uint64_t hash = 14695981039346656037ull;
  for (const char16_t c : model_path) {
    hash ^= static_cast<std::uint64_t>(c);
    hash *= 1099511628211ull;
  }
  constexpr char16_t digits[] = u"0123456789abcdef";
  std::u16string hash_text(16, u'0');
  for (auto place = hash_text.rbegin(); place != hash_text.rend(); ++place, hash >>= 4)
    *place = digits[hash & 15];
  return hash_text;
}

// The name less the viewer's key and the panel's ending: the model's file name as the viewer gave
// it, cut to 64 code units (within what any file system takes; never between the two halves of a
// character), a dot, and recovery_path_hash.
inline std::u16string recovery_name_stem(std::u16string_view model_file_name,
                                         std::u16string_view model_path) {
  std::size_t kept = model_file_name.size() < 64 ? model_file_name.size() : 64;
  if (kept == 64 && model_file_name[63] >= 0xD800 && model_file_name[63] <= 0xDBFF) kept = 63;
  return std::u16string(model_file_name.substr(0, kept)) + u"." + recovery_path_hash(model_path);
}

// Whether a file name in the recovery folder is one of the model whose path hash this is, under
// whatever spelling of the model's name it was written: the key after the hash is returned (empty
// for a file from before there was one file per viewer), or nothing.
inline std::optional<std::u16string> recovery_file_key(std::u16string_view file_name,
                                                       std::u16string_view path_hash,
                                                       std::u16string_view ending) {
  if (!file_name.ends_with(ending)) return std::nullopt;
  const std::u16string marker = u"." + std::u16string(path_hash);
  const auto at = file_name.find(marker);
  if (at == std::u16string_view::npos || at == 0) return std::nullopt;
  const std::size_t key_start = at + marker.size();
  const std::size_t key_end = file_name.size() - ending.size();
  if (key_start == key_end) return std::u16string();
  if (key_start > key_end || file_name[key_start] != u'.') return std::nullopt;
  return std::u16string(file_name.substr(key_start + 1, key_end - key_start - 1));
}

}  // namespace cpp
