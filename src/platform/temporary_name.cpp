// Temporary names, the same in both builds: only the process key differs.
#include "platform/temporary_name.h"

#include <random>

#include "platform/viewer_process.h"

namespace platform {
namespace {

constexpr std::u16string_view prefix = u".torv-";
constexpr std::u16string_view random_digits = u"0123456789abcdefghijklmnopqrstuvwxyz";
constexpr std::size_t random_characters = 6;
// What a process key is made of in either build: digits, '_' and Windows's 'x'.
constexpr std::u16string_view key_characters = u"0123456789_x";

bool all_of(std::u16string_view text, std::u16string_view allowed) {
  return text.find_first_not_of(allowed) == std::u16string_view::npos;
}

}  // namespace

std::u16string new_temporary_name() {
  static std::mt19937 random{std::random_device{}()};
  std::u16string name = std::u16string(prefix) + this_process_key() + u"-";
  for (std::size_t i = 0; i < random_characters; ++i) name += random_digits[random() % random_digits.size()];
  return name;
}

TemporaryName temporary_name_kind(std::u16string_view name) {
  if (!name.starts_with(prefix) || name.size() < prefix.size() + random_characters)
    return TemporaryName::not_ours;
  const std::u16string_view tail = name.substr(name.size() - random_characters);
  if (!all_of(tail, random_digits)) return TemporaryName::not_ours;
  if (name.size() == prefix.size() + random_characters) return TemporaryName::without_key;
  const std::u16string_view key =
      name.substr(prefix.size(), name.size() - prefix.size() - random_characters - 1);
  if (name[name.size() - random_characters - 1] != u'-' || key.find(u'_') == std::u16string_view::npos ||
      !all_of(key, key_characters))
    return TemporaryName::not_ours;
  return process_running(key) ? TemporaryName::writer_running : TemporaryName::writer_gone;
}

}  // namespace platform
