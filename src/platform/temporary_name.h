// The names of the temporary files a save writes through before they take the target's place:
// ".torv-", the key of the viewer process that writes it, "-" and six random characters. The key
// tells a later save whether the file's writer still runs.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// A new name for a temporary file of this process.
std::u16string new_temporary_name();

// What a name (a last path component) says of the file it names. Names without a process key
// (".torv-" and six characters) are what earlier versions wrote.
enum class TemporaryName { not_ours, without_key, writer_running, writer_gone };
TemporaryName temporary_name_kind(std::u16string_view name);

}  // namespace platform
