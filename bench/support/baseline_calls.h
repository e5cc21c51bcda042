// The host calls the baselines make: the same exported functions, resolved by name from this
// program's exports as the plug-in resolves them, through the plug-in's own function table.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "interface/viewer_records.h"

namespace bench {

using viewer::ObjectId;

// A category as the panel holds it: its members in the order the membership walk found them.
struct Category {
  std::u16string name;
  std::vector<ObjectId> ids;
  std::uint32_t color = 0;  // the word set_object_color takes; alpha 0: no colour
};

// The host handle, with the function table resolved.
viewer::HostHandle host();

// The categories the plug-in's walk from the root builds when category_of names the category of
// an object (and the walk does not look below it), in list order (logical name order).
std::vector<Category> categories_from_walk(
    const std::function<std::optional<std::u16string>(ObjectId)>& category_of,
    const std::function<std::uint32_t(const std::u16string&)>& color_of);

// get_childs for the count, then for the ids, into buffer.
void children_calls(ObjectId parent, std::vector<ObjectId>& buffer);

// The membership walk's calls over the user data as it stands.
void membership_walk_calls();

// The calls of colouring every category, the default one (without a colour) first.
void colour_calls(const std::vector<Category>& categories);

// The calls of walking up from object to its enclosing assembly; returns it, or 0 at the root.
ObjectId enclosing_assembly_calls(ObjectId object);

// Reads every code unit of a text the viewer returned (nothing for null). A writer must read the
// texts it writes, scattered through the viewer's model: a baseline that only received the
// pointers would be no lower bound for it.
template <typename Char>
void read_text(const Char* text) {
  if (text == nullptr) return;
  std::uint32_t sum = 0;
  for (; *text != 0; ++text) sum += static_cast<std::uint32_t>(*text);
  benchmark::DoNotOptimize(sum);
}

// Writes bytes to path with one buffered write.
void write_bytes(const std::string& path, const std::string& bytes);
// Reads the bytes of path with one buffered read.
std::string read_bytes(const std::string& path);

}  // namespace bench
