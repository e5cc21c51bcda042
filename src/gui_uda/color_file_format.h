// The colour files' format: category colours remembered by name, across models and sessions.
#pragma once

#include <optional>
#include <string>
#include <unordered_map>

#include "categories/objects_group.h"

// Exact, case-sensitive matching of names; hashed, as a panel may remember tens of thousands.
using ColorMap = std::unordered_map<std::u16string, Rgba>;

// Version 1: the entries; nothing when the file is missing, of another version, or damaged
// (a count or length running past the end is found before anything is allocated for it).
// Of a name stored twice, the first entry counts.
std::optional<ColorMap> read_color_file(const std::u16string& path);

// Writes version 1 with every entry of colors, in ascending order of the names' UTF-16 code
// units; false when it could not be written.
bool write_color_file(const std::u16string& path, const ColorMap& colors);
