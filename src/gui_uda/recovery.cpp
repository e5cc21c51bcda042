// Unsaved work: the list written to a recovery file after every change, offered back when the
// panel fills for the same model, and the " *" that marks the caption meanwhile.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <vector>

#include "categories/sidecar_lines.h"
#include "gui_uda/count_text.h"
#include "gui_uda/panel_steps.h"
#include "gui_uda/tfrm_uda.h"
#include "interface/recovery_names.h"
#include "platform/file_facts.h"
#include "platform/file_identity.h"
#include "platform/file_replace.h"
#include "platform/shell_folders.h"
#include "platform/viewer_process.h"
#include "plugin_base/path_parts.h"
#include "simple_io/content_hash.h"
#include "simple_io/in_file.h"
#include "toolkit/dialogs.h"
#include "toolkit/string_list.h"

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
  if (recovery_stem.empty()) return {};
  return recovery_folder() + recovery_stem + u"." + platform::this_process_key() +
         mode_texts(mode).sidecar_ending;
}

std::u16string Tfrm_uda::recovery_folder() const {
  return plugin.user_folder + u"recovery" + platform::path_separator();
}

void Tfrm_uda::set_unsaved(bool now_unsaved) {
  unsaved = now_unsaved;
  if (!caption_text.empty() || unsaved) set_caption(unsaved ? caption_text + u" *" : caption_text);
}

void Tfrm_uda::note_change() {
  const std::u16string path = recovery_path();
  if (path.empty()) return;
  // Undone back to what was last saved or read, the list has nothing to recover.
  if (!history.differs_from_saved()) {
    forget_recovery();
    return;
  }
  // In the background: a recovery file that cannot be written costs the user nothing now.
  try {
    std::size_t left_out = 0;
    const toolkit::FileText text = sidecar_text(left_out);
    // Changes that cancel out (a category added and deleted, an object moved and back) leave what
    // a save would write as the model's side-car file holds it: nothing to recover.
    if (holds_model_sidecar(text.content_hash())) {
      forget_recovery();
      return;
    }
    set_unsaved(true);
    leaving_answered = false;
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
    text.save(path);
  } catch (...) {
    set_unsaved(true);
    leaving_answered = false;
  }
}

bool Tfrm_uda::holds_model_sidecar(std::uint32_t content_hash) const {
  if (model_of_list.empty()) return false;
  const std::u16string sidecar = sidecar_path(model_of_list);
  return std::any_of(known_files.begin(), known_files.end(), [&](const KnownFile& known) {
    return known.whole && known.stamp && known.content_hash == content_hash &&
           platform::same_file(known.path, sidecar);
  });
}

void Tfrm_uda::forget_recovery() {
  history.mark_saved();
  set_unsaved(false);
  const std::u16string path = recovery_path();
  if (!path.empty()) platform::remove_file(path);
}

std::vector<Tfrm_uda::RecoveryFile> Tfrm_uda::recovery_files() const {
  std::vector<RecoveryFile> found;
  const std::u16string path_hash = recovery_stem.substr(recovery_stem.rfind(u'.') + 1);
  const std::u16string own_key = platform::this_process_key();
  std::error_code error;
  for (const auto& entry :
       std::filesystem::directory_iterator(std::filesystem::path(recovery_folder()), error)) {
    const std::u16string name = entry.path().filename().u16string();
    const std::optional<std::u16string> key =
        cpp::recovery_file_key(name, path_hash, mode_texts(mode).sidecar_ending);
    // Another viewer that still runs may yet save its work itself.
    if (!key || (*key != own_key && !key->empty() && platform::process_running(*key))) continue;
    const std::u16string path = recovery_folder() + name;
    if (const auto stamp = platform::file_stamp(path)) found.push_back({path, stamp->modified_ns});
  }
  std::sort(found.begin(), found.end(),
            [](const RecoveryFile& a, const RecoveryFile& b) { return a.modified_ns > b.modified_ns; });
  return found;
}

void Tfrm_uda::offer_recovery(const std::u16string& model_path) {
  const std::vector<RecoveryFile> files = recovery_files();
  const char16_t separator = platform::path_separator();
  const std::u16string model_name = file_name_part(model_path, separator);
  const std::u16string sidecar = sidecar_path(model_path);
  const std::optional<platform::FileStamp> saved = platform::file_stamp(sidecar);
  const char* question = mode == PanelMode::Batch ? "recovery_batches" : "recovery_statuses";
  bool taken = false;
  for (const RecoveryFile& file : files) {
    const std::u16string discarded = discarded_name(file.path);
    // Older than the changes the user took: kept aside, never dropped.
    if (taken) {
      platform::replace_file(file.path, discarded);
      continue;
    }
    std::optional<platform::FileStamp> stamp = platform::file_stamp(file.path);
    simple_io::FileBytes bytes = simple_io::read_file_bytes(file.path);
    // What a power loss can leave holds no change: nothing to offer.
    if (bytes.bytes && bytes.bytes->empty()) {
      platform::replace_file(file.path, discarded);
      continue;
    }
    std::u16string asked = text(question, model_name, local_time_text(file.modified_ns));
    if (saved && saved->modified_ns > file.modified_ns)
      asked += u"\n" + text("recovery_sidecar_newer", file_name_part(sidecar, separator));
    // Counted by the reader's own rule, so that the user knows before answering what a restore
    // would leave out.
    const SidecarLineCount count =
        bytes.bytes ? count_sidecar_lines(toolkit::decode_text(*bytes.bytes)) : SidecarLineCount{};
    if (count.readable < count.lines)
      asked += u"\n" + counted_text("recovery_partly_readable", {count.readable}, count_text(count.readable),
                                    count_text(count.lines));
    asked += u"\n" + text("recovery_kept_if_no", discarded);
    if (!toolkit::ask_question(window_handle(), asked, u"TORV")) {
      platform::replace_file(file.path, discarded);
      continue;
    }
    // Restoring is a step of its own: undone, the list is the one read from the side-car file.
    Groups before = std::move(groups);
    groups.clear();
    if (bytes.bytes) {
      load_groups_bytes(std::move(bytes), std::move(stamp));
    } else {
      load_groups_file(file.path);
    }
    if (last_read.whole()) {
      // The changes are this viewer's now: its recovery file holds them from here on.
      const std::u16string own = recovery_path();
      if (file.path != own) platform::replace_file(file.path, own);
    } else {
      // The file is kept whole, never rewritten from the part the list holds, and a save asks.
      platform::replace_file(file.path, discarded);
      restored_part_of = discarded;
      tell_unread(file.path);
    }
    record(list_step(std::move(before), "step_restore", model_name));
    taken = true;
  }
}

std::u16string Tfrm_uda::discarded_name(const std::u16string& path) {
  std::u16string name = path + u".discarded";
  // An earlier copy is never replaced by a later one.
  for (int n = 2; platform::path_exists(name); ++n)
    name = path + u"." + count_text(static_cast<std::size_t>(n)) + u".discarded";
  return name;
}

void Tfrm_uda::keep_unsaved_aside() {
  const std::u16string path = recovery_path();
  if (!unsaved || path.empty() || !platform::path_exists(path)) return;
  // A list that a file the user has still holds as it was read or written (one opened by hand,
  // one saved elsewhere) needs no copy: the file keeps it.
  const simple_io::FileBytes unsaved_list = simple_io::read_file_bytes(path);
  if (unsaved_list.bytes) {
    const std::uint32_t hash = simple_io::content_hash(*unsaved_list.bytes);
    const bool held = std::any_of(known_files.begin(), known_files.end(), [hash](const KnownFile& known) {
      return known.whole && known.stamp && known.content_hash == hash &&
             platform::file_stamp(known.path) == known.stamp;
    });
    if (held) return;
  }
  const std::u16string kept = discarded_name(path);
  if (!platform::replace_file(path, kept)) return;
  toolkit::message_box(window_handle(), text("unsaved_kept_aside", kept), u"TORV",
                       toolkit::MessageIcon::information);
}

void Tfrm_uda::offer_to_save() {
  if (!unsaved || leaving_answered || model_of_list.empty()) return;
  leaving_answered = true;
  const char* question =
      mode == PanelMode::Batch ? "save_before_leaving_batches" : "save_before_leaving_statuses";
  if (!toolkit::ask_question(window_handle(),
                             text(question, file_name_part(model_of_list, platform::path_separator())),
                             u"TORV"))
    return;
  // A save that fails says why; the recovery file stays.
  save_groups_file(sidecar_path(model_of_list));
}
