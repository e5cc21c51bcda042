// Unsaved work: the list written to a recovery file after every change, offered back when the
// panel fills for the same model, and the " *" that marks the caption meanwhile.
#include <chrono>
#include <cstdint>
#include <ctime>
#include <filesystem>

#include "gui_uda/tfrm_uda.h"
#include "interface/recovery_names.h"
#include "platform/file_replace.h"
#include "platform/shell_folders.h"
#include "plugin_base/path_parts.h"

namespace {

// "10.12.2026 14:02" in the local time.
std::u16string local_time_text(std::int64_t since_1970_ns) {
  const std::time_t seconds = static_cast<std::time_t>(since_1970_ns / 1000000000);
  const std::tm* local = std::localtime(&seconds);
  if (local == nullptr) return {};
  char buffer[32];
  const std::size_t length = std::strftime(buffer, sizeof buffer, "%d.%m.%Y %H:%M", local);
  return std::u16string(buffer, buffer + length);
}

}  // namespace

std::u16string Tfrm_uda::recovery_path() const {
  const std::u16string& model = model_of_list;
  if (model.empty()) return {};
  const char16_t separator = platform::path_separator();
  return plugin.user_folder + u"recovery" + separator +
         cpp::recovery_name_stem(file_name_part(model, separator), model) + mode_texts(mode).sidecar_ending;
}

void Tfrm_uda::set_unsaved(bool now_unsaved) {
  unsaved = now_unsaved;
  if (!caption_text.empty() || unsaved) set_caption(unsaved ? caption_text + u" *" : caption_text);
}

void Tfrm_uda::note_change() {
  const std::u16string path = recovery_path();
  if (path.empty()) return;
  set_unsaved(true);
  // In the background: a recovery file that cannot be written costs the user nothing now.
  try {
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
    sidecar_text().save(path);
  } catch (...) {
  }
}

void Tfrm_uda::forget_recovery() {
  set_unsaved(false);
  const std::u16string path = recovery_path();
  if (!path.empty()) platform::remove_file(path);
}

bool Tfrm_uda::offer_recovery(const std::u16string& model_path) {
  const std::u16string path = recovery_path();
  const std::optional<platform::FileStamp> recovered = platform::file_stamp(path);
  if (!recovered) return false;
  const std::optional<platform::FileStamp> saved = platform::file_stamp(sidecar_path(model_path));
  if (saved && saved->modified_ns >= recovered->modified_ns) return false;
  const char16_t separator = platform::path_separator();
  const char* question = mode == PanelMode::Batch ? "recovery_batches" : "recovery_statuses";
  if (!toolkit::ask_question(
          window_handle(),
          text(question, file_name_part(model_path, separator), local_time_text(recovered->modified_ns)),
          u"TORV")) {
    platform::replace_file(path, path + u".discarded");
    return false;
  }
  load_groups_file(path);
  set_unsaved(true);
  return true;
}
