// The system's dialogs: open and save file dialogs, the colour dialog, the message box.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/geometry.h"
#include "toolkit/string_list.h"

namespace toolkit {

class Form;

enum class FileDialogKind { open, save };

class FileDialog {
 public:
  explicit FileDialog(FileDialogKind kind) : kind_(kind) {}
  FileDialogKind kind() const { return kind_; }

  // Pairs of description and pattern separated by '|', as "CSV files (*.csv)|*.csv".
  std::u16string filter;
  std::u16string initial_dir;
  std::u16string file_name;  // proposed before, chosen after a confirmed run
  // The file type, counted from 1 in the order of the filter's pairs: the one shown first before a
  // run, the one the user chose after it.
  int filter_index = 1;
  // Without its dot ("csv"): given by the system to a name typed without an extension, and
  // changed with the type the user chooses (the name shown follows the type). Empty: none.
  std::u16string default_extension;

  // Runs modally, owned by the given window (a form's or the viewer's); true when the user
  // confirmed.
  bool execute(void* owner_window);

 private:
  FileDialogKind kind_;
};

// The 1-based index of the filter's first pair whose pattern is "*" and the file name's extension
// (in any letter case), as "*.xlsx" for "r.XLSX"; 0 when no pair's is.
int filter_index_for(std::u16string_view filter, std::u16string_view file_name);

// The texts of the colour dialog's own controls, set once for every colour dialog; a '&' marks a
// button's access key.
struct ColorDialogTexts {
  std::u16string cancel = u"&Cancel";
  std::u16string define_custom_color = u"&Define Custom Colors >>";
  std::u16string add_to_custom_colors = u"&Add to Custom Colors";
  std::u16string basic_colors = u"Basic colors:";
  std::u16string custom_colors = u"Custom colors:";
  std::u16string caption = u"Color";
  std::u16string no_color = u"&No color";
  // What a screen reader says of a custom colour's slot not yet filled.
  std::u16string empty_slot = u"Empty";
  // The names of color_names(), in its order, in the viewer's language; the English ones where
  // this holds none.
  std::vector<std::u16string> color_names;
};
ColorDialogTexts& color_dialog_texts();

// Edits an ARGB colour with alpha and keeps a list of custom colours.
class ColorDialog {
 public:
  // Opens with the colour it last held.
  Argb color = 0xFF000000;
  // Sixteen colours, one a line, "AARRGGBB" in hexadecimal; lines that are no colour are dropped
  // when the dialog closes.
  StringList custom_colors;

  // Runs modally, owned by the given window.
  bool execute(void* owner_window);
  // Expires with the dialog, which the viewer may unload while the dialog runs.
  std::weak_ptr<const void> life() const { return life_; }

 private:
  std::shared_ptr<const int> life_ = std::make_shared<const int>(0);
};

enum class MessageIcon { none, information, warning, error };

void message_box(void* owner_window, std::u16string_view text, std::u16string_view caption, MessageIcon icon);
// A question with the buttons Yes and No; true for Yes.
bool ask_question(void* owner_window, std::u16string_view text, std::u16string_view caption);

// The component library's start and end.
void initialize();
void finalize();

}  // namespace toolkit
