// The side-car line rule shared by the reader and the restore question's count.
#include "categories/sidecar_lines.h"

#include "categories/clean_field.h"
#include "categories/sidecar_guid.h"

SidecarLine read_sidecar_line(std::u16string_view line) {
  const auto comma = line.find(u',');
  if (comma == std::u16string_view::npos) return {};
  SidecarLine read{SidecarLineKind::object, trimmed_view(line.substr(0, comma)),
                   trimmed_view(line.substr(comma + 1))};
  if (read.name.empty()) {
    read.kind = SidecarLineKind::no_name;
  } else if (read.guid.empty()) {
    read.kind = SidecarLineKind::category;
  } else if (!fits_a_sidecar_line(read.guid)) {
    read.kind = SidecarLineKind::unwritable_guid;
  }
  return read;
}

SidecarLineCount count_sidecar_lines(std::u16string_view text) {
  SidecarLineCount count;
  bool stopped = false;
  bool header = true;
  std::size_t start = 0;
  // Lines end at CR LF, LF or CR, as the reader splits them.
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i < text.size() && text[i] != u'\r' && text[i] != u'\n') continue;
    const std::u16string_view line = text.substr(start, i - start);
    if (i < text.size() && text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    start = i + 1;
    if (header) {
      header = false;
      continue;
    }
    // A blank line stops the reader too, but holds nothing that is lost.
    if (trimmed_view(line).empty()) {
      stopped = true;
      continue;
    }
    ++count.lines;
    const SidecarLineKind kind = read_sidecar_line(line).kind;
    if (kind == SidecarLineKind::no_comma) stopped = true;
    if (!stopped && kind != SidecarLineKind::unwritable_guid) ++count.readable;
  }
  return count;
}
