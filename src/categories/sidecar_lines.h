// How a side-car file's lines read, one rule for the panel's reader and for the count that a
// restore question gives before anything is read into the list.
#pragma once

#include <cstddef>
#include <string_view>

enum class SidecarLineKind {
  no_comma,         // reading stops here (a blank line too)
  no_name,          // holds nothing: skipped
  unwritable_guid,  // a GUID no side-car line can carry: skipped and counted
  category,         // a category without objects
  object,           // an object's GUID and its category
};

struct SidecarLine {
  SidecarLineKind kind = SidecarLineKind::no_comma;
  std::u16string_view guid;
  std::u16string_view name;
};

SidecarLine read_sidecar_line(std::u16string_view line);

// Of a side-car file's text: the lines after the header that hold text, and how many of them the
// reader takes (those before a stop whose GUID a line can carry).
struct SidecarLineCount {
  std::size_t lines = 0;
  std::size_t readable = 0;
};
SidecarLineCount count_sidecar_lines(std::u16string_view text);
