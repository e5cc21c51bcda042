// PanelMode: the attribute a panel tracks, and what differs between the two.
#pragma once

#include <cstdint>

enum class PanelMode : std::uint8_t { Batch = 0, Status = 1 };

struct PanelModeTexts {
  const char* form_name;         // the form's design name, by which sessions address it
  const char* caption_key;       // window caption
  const char* name_header_key;   // header of the name column
  const char* default_name_key;  // name of the default category
  const char* file_filter_key;   // side-car open and save dialogs
  const char16_t* sidecar_ending;
  const char16_t* attribute_word;  // in the side-car header line
  const char16_t* color_file;
  const char* add_caption_key;
  const char* rename_caption_key;
};

inline const PanelModeTexts& mode_texts(PanelMode mode) {
  static constexpr PanelModeTexts batch{"batch",       "frm_uda4",       "batch",  "unbatched",
                                        "filter_uda4", u".batching.csv", u"BATCH", u"uda4_colors.dat",
                                        "add_batch",   "rename_batch"};
  static constexpr PanelModeTexts status{"status",      "frm_uda3",        "status",  "unknown",
                                         "filter_uda3", u".real-time.csv", u"STATUS", u"uda3_colors.dat",
                                         "add_status",  "rename_status"};
  return mode == PanelMode::Batch ? batch : status;
}
