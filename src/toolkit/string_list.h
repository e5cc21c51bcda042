// StringList: lines of text read from and written to text files, as the panels' files need them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace toolkit {

// A file's bytes decoded as StringList decodes them.
std::u16string decode_text(std::string_view bytes);

// A file's text decoded as StringList decodes it; nothing when it cannot be opened or read.
std::optional<std::u16string> read_text_file(const std::u16string& path);

// Writes text, whose lines already end with CR LF, as StringList::save_to_file writes its lines:
// in the ANSI code page, or whole in UTF-8 with a byte-order mark when the code page cannot hold
// it. The file is replaced only once everything is written; false, with the old file as it was,
// on failure. Long files are built as one text and written through this.
bool save_text_file(const std::u16string& path, std::u16string_view text);
// The bytes save_text_file writes for text.
std::string text_file_bytes(std::u16string_view text);

// Calls on_line with each line of text as StringList splits it, without copying the lines.
template <class OnLine>
void for_each_line(std::u16string_view text, OnLine&& on_line) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    // Most characters lie above both line ends: one comparison passes them.
    if (text[i] > u'\r' || (text[i] != u'\r' && text[i] != u'\n')) continue;
    on_line(text.substr(start, i - start));
    if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) on_line(text.substr(start));
}

class StringList {
 public:
  std::vector<std::u16string> lines;

  // A byte-order mark selects UTF-8, UTF-16 LE or UTF-16 BE; without one the text is UTF-8 when it
  // is well-formed UTF-8 and not plain ASCII, else in the ANSI code page. Lines end at CR LF, LF or CR; a
  // line break at the very end adds no empty line. False, with the lines unchanged, when the file cannot be
  // opened or read.
  bool load_from_file(const std::u16string& path);
  // The same rules on bytes already read.
  void set_text_bytes(std::string_view bytes);

  // Every line followed by CR LF, in the ANSI code page without a byte-order mark, or whole in
  // UTF-8 with a byte-order mark when a line holds a character the code page lacks. The file is
  // replaced only once everything is written; false, with the old file as it was, on failure.
  bool save_to_file(const std::u16string& path) const;
};

}  // namespace toolkit
