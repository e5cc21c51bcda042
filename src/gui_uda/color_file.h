// The colour files: category colours remembered by name, across models and sessions.
#pragma once

#include <map>
#include <optional>
#include <string>

#include "categories/objects_group.h"

// Names in ascending order of their UTF-16 code units; exact, case-sensitive matching.
using ColorMap = std::map<std::u16string, Rgba>;

// Version 1: the entries; nothing when the file is missing, of another version, or damaged
// (a count or length running past the end is found before anything is allocated for it).
// Of a name stored twice, the first entry counts.
std::optional<ColorMap> read_color_file(const std::u16string& path);

// Writes version 1 with every entry of colors; false when it could not be written.
bool write_color_file(const std::u16string& path, const ColorMap& colors);
