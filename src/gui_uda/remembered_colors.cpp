// A panel's category colours, kept in its colour file in the user folder.
#include <filesystem>
#include <string>

#include "gui_uda/color_file_format.h"
#include "gui_uda/tfrm_uda.h"
#include "platform/file_facts.h"
#include "platform/utf8.h"
#include "simple_io/in_file.h"
#include "simple_io/replacing_file.h"

namespace {

std::u16string color_file_path(const Tfrm_uda& panel) {
  return panel.plugin.user_folder + mode_texts(panel.mode).color_file;
}

// "uda4_colors.dat.bak", then ".bak2", ".bak3"...: each taken only where nothing is yet.
bool keep_backup(const std::u16string& path, const std::string& bytes) {
  for (int number = 1; number < 1000; ++number) {
    const std::u16string backup =
        path + u".bak" + (number == 1 ? u"" : platform::from_utf8(std::to_string(number)));
    if (platform::path_exists(backup)) continue;
    if (simple_io::write_file_whole(backup, bytes, simple_io::ReplacingFile::Mode::only_new)) return true;
    if (platform::path_exists(backup)) continue;
    return false;
  }
  return false;
}

}  // namespace

void Tfrm_uda::load_colors() {
  // In the background: a colour file that cannot be read leaves every colour as it is.
  try {
    std::optional<ColorMap> stored = read_color_file(color_file_path(*this));
    if (!stored) return;
    // Once a readable file exists, a name it does not know has no colour, and is remembered so.
    for (const auto& group : groups) {
      const auto [entry, added] = stored->try_emplace(group->name, Rgba{0, 0, 0, 0});
      group->color = entry->second;
    }
  } catch (...) {
  }
}

void Tfrm_uda::save_colors() {
  try {
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(plugin.user_folder), ignored);
    const std::u16string path = color_file_path(*this);
    std::optional<ColorMap> stored = read_color_file(path);
    if (!stored && platform::path_exists(path)) {
      // A file there that cannot even be opened (a folder, a FIFO, no right to read) is not ours
      // to replace.
      const std::optional<std::string> bytes = simple_io::read_whole_file(path);
      if (!bytes) return;
      // A damaged or newer file is kept beside the new one under the next free number, so that
      // no backup is ever overwritten; while it cannot be kept, it is not replaced either.
      if (!keep_backup(path, *bytes)) return;
    }
    // Moved, not copied: the map holds a node and a name for every entry of the file.
    ColorMap colors = stored ? std::move(*stored) : ColorMap{};
    for (const auto& group : groups) colors[group->name] = group->color;
    write_color_file(path, colors);
  } catch (...) {
  }
}
