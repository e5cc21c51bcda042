// Colours for every category without one, from a palette of colours that stay apart for the
// colour-blind (the Okabe-Ito colours without black, then Tol's muted ones).
#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>
#include <vector>

#include "gui_uda/panel_steps.h"
#include "gui_uda/tfrm_uda.h"

namespace {

constexpr std::array<std::uint32_t, 12> palette_rgb = {0x0072B2, 0xE69F00, 0x009E73, 0xCC79A7,
                                                       0x56B4E9, 0xD55E00, 0xF0E442, 0x332288,
                                                       0x117733, 0x882255, 0x44AA99, 0x999933};

Rgba opaque(std::uint32_t rgb) {
  return {static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
          static_cast<std::uint8_t>(rgb), 255};
}

bool same_rgb(const Rgba& a, const Rgba& b) {
  return a.red == b.red && a.green == b.green && a.blue == b.blue;
}

}  // namespace

void Tfrm_uda::color_from_palette() {
  std::vector<std::pair<ObjectsGroup*, Rgba>> changed;
  std::size_t next = 0;
  for (const auto& group : groups) {
    if (group->is_default || group->color.alpha != 0) continue;
    // The next palette colour no category of the panel shows; when all are taken, the palette
    // starts again.
    const auto taken = [this](const Rgba& color) {
      return std::any_of(groups.begin(), groups.end(), [&color](const auto& other) {
        return other->color.alpha != 0 && same_rgb(other->color, color);
      });
    };
    std::size_t tried = 0;
    while (tried < palette_rgb.size() && taken(opaque(palette_rgb[(next + tried) % palette_rgb.size()])))
      ++tried;
    const Rgba color = opaque(palette_rgb[(next + tried) % palette_rgb.size()]);
    next = (next + tried + 1) % palette_rgb.size();
    changed.emplace_back(group.get(), group->color);
    group->color = color;
  }
  if (changed.empty()) return;
  save_colors();
  apply_colors();
  record(colors_step(std::move(changed)));
}
