// A panel's category colours, kept in its colour file in the user folder.
#include <filesystem>

#include "gui_uda/color_file.h"
#include "gui_uda/tfrm_uda.h"
#include "simple_io/in_file.h"
#include "simple_io/replacing_file.h"

namespace {

std::u16string color_file_path(const Tfrm_uda& panel) {
  return panel.plugin.user_folder + mode_texts(panel.mode).color_file;
}

}  // namespace

void Tfrm_uda::load_colors() {
  std::optional<ColorMap> stored = read_color_file(color_file_path(*this));
  if (!stored) return;
  // Once a readable file exists, a name it does not know has no colour, and is remembered so.
  for (const auto& group : groups) {
    const auto [entry, added] = stored->try_emplace(group->name, Rgba{0, 0, 0, 0});
    group->color = entry->second;
  }
}

void Tfrm_uda::save_colors() {
  std::error_code ignored;
  std::filesystem::create_directories(std::filesystem::path(plugin.user_folder), ignored);
  const std::u16string path = color_file_path(*this);
  std::optional<ColorMap> stored = read_color_file(path);
  // A file that cannot be read (damaged, or of a newer version) is kept beside the new one, so
  // that its entries are not lost; while it cannot be kept, it is not replaced either.
  if (!stored) {
    if (const std::optional<std::string> bytes = simple_io::read_whole_file(path)) {
      if (!simple_io::write_file_whole(path + u".bak", *bytes)) return;
    }
  }
  // Moved, not copied: the map holds a node and a name for every entry of the file.
  ColorMap colors = stored ? std::move(*stored) : ColorMap{};
  for (const auto& group : groups) colors[group->name] = group->color;
  write_color_file(path, colors);
}
