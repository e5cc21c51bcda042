// The added keys' English texts, as lang.en has them (a test keeps the two the same).
#include "plugin_base/added_texts.h"

#include <algorithm>
#include <iterator>

namespace cpp {

namespace {

constexpr AddedText texts[] = {
    {"ColorDialogNoColor", u"No colour"},
    {"recovery_batches", u"The batches of %1 have changes from %2 that were not saved. Restore them?"},
    {"recovery_statuses", u"The statuses of %1 have changes from %2 that were not saved. Restore them?"},
    {"sidecar_changed", u"%1 was changed by someone else after you opened it. Replace it with your version?"},
    {"open_not_sidecar",
     u"%1 does not begin with the line \"%2\". It may be a report, a model or the other panel's file, whose "
     u"lines would become categories. Read it anyway?"},
    {"lines_without_object", u"%1 lines of %2 name no object of this model."},
    {"lines_without_object.one", u"%1 line of %2 names no object of this model."},
    {"lines_without_object.other", u"%1 lines of %2 name no object of this model."},
    {"unreadable_batches", u"%1 could not be read: %2. The batches shown are not from it."},
    {"unreadable_statuses", u"%1 could not be read: %2. The statuses shown are not from it."},
    {"reading_stopped",
     u"Reading %1 stopped at line %2, which has no comma: %3 lines from there on were not read."},
    {"reading_stopped.one",
     u"Reading %1 stopped at line %2, which has no comma: %3 line from there on was not read."},
    {"reading_stopped.other",
     u"Reading %1 stopped at line %2, which has no comma: %3 lines from there on were not read."},
    {"invalid_guid_lines", u"%1 lines of %2 hold no valid IFC GUID and were not read."},
    {"invalid_guid_lines.one", u"%1 line of %2 holds no valid IFC GUID and was not read."},
    {"invalid_guid_lines.other", u"%1 lines of %2 hold no valid IFC GUID and were not read."},
    {"save_over_unread",
     u"%1 was not read whole when the list was filled. Saving replaces all of it with the list shown. Save "
     u"anyway?"},
    {"open_unreadable", u"%1 could not be read: %2. The list stays as it was."},
    {"recovery_sidecar_newer", u"%1 was saved after these changes were made."},
    {"recovery_kept_if_no", u"If you answer No, they are kept in %1."},
    {"recovery_partly_readable",
     u"It holds %1 lines of %2 that could be read; the whole file is kept either way."},
    {"recovery_partly_readable.one",
     u"It holds %1 line of %2 that could be read; the whole file is kept either way."},
    {"recovery_partly_readable.other",
     u"It holds %1 lines of %2 that could be read; the whole file is kept either way."},
    {"unsaved_kept_aside", u"The changes that were not saved are kept in %1."},
    {"save_over_partial_restore",
     u"The list holds only part of the restored changes; all of them are kept in %1. Saving replaces %2 with "
     u"the "
     u"list shown. Save anyway?"},
    {"save_before_leaving_batches", u"Save the changes to the batches of %1?"},
    {"save_before_leaving_statuses", u"Save the changes to the statuses of %1?"},
    {"guids_left_out", u"%1 objects have no valid IFC GUID and were not written to %2."},
    {"guids_left_out.one", u"%1 object has no valid IFC GUID and was not written to %2."},
    {"guids_left_out.other", u"%1 objects have no valid IFC GUID and were not written to %2."},
    {"menu_undo", u"&Undo %1"},
    {"menu_redo", u"R&edo %1"},
    {"menu_undo_nothing", u"&Undo"},
    {"menu_redo_nothing", u"R&edo"},
    {"step_assign", u"assign %1 objects to %2"},
    {"step_assign.one", u"assign %1 object to %2"},
    {"step_assign.other", u"assign %1 objects to %2"},
    {"history_dropped", u"%1 earlier steps were let go to keep the history within its memory"},
    {"history_dropped.one", u"%1 earlier step was let go to keep the history within its memory"},
    {"history_dropped.other", u"%1 earlier steps were let go to keep the history within its memory"},
    {"step_add", u"add %1"},
    {"step_rename", u"rename %1 to %2"},
    {"step_delete", u"delete %1"},
    {"step_color", u"colour of %1"},
    {"step_open", u"open %1"},
    {"step_restore", u"restore the unsaved changes of %1"},
    {"menu_only", u"Show &only %1"},
    {"menu_only_nothing", u"Show &only"},
    {"menu_only_default_batches", u"Show &only objects in no batch"},
    {"menu_only_default_statuses", u"Show &only objects in no status"},
    {"menu_all", u"Show a&ll"},
    {"menu_palette", u"Colour all from the &palette"},
    {"menu_color", u"&Choose colour\u2026"},
    {"menu_select", u"&Select objects"},
    {"btn_open", u"&Open\u2026"},
    {"btn_save", u"&Save\u2026"},
    {"key_insert", u"Ins"},
    {"key_f2", u"F2"},
    {"key_delete", u"Del"},
    {"key_enter", u"Enter"},
    {"key_space", u"Space"},
    {"key_ctrl_z", u"Ctrl+Z"},
    {"key_ctrl_y", u"Ctrl+Y"},
    {"key_ctrl_space", u"Ctrl+Space"},
    {"step_palette", u"colours from the palette for %1 categories"},
    {"step_palette.one", u"colours from the palette for %1 category"},
    {"step_palette.other", u"colours from the palette for %1 categories"},
    {"count_hint", u"%1 \u2013 %2 objects, %3 parts below them"},
    {"count_hint.one.one", u"%1 \u2013 %2 object, %3 part below it"},
    {"count_hint.one.other", u"%1 \u2013 %2 object, %3 parts below it"},
    {"count_hint.other.one", u"%1 \u2013 %2 objects, %3 part below them"},
    {"count_hint.other.other", u"%1 \u2013 %2 objects, %3 parts below them"},
    {"count_hint_default", u"%1 \u2013 %2 objects in no category, %3 parts below them"},
    {"count_hint_default.one.one", u"%1 \u2013 %2 object in no category, %3 part below it"},
    {"count_hint_default.one.other", u"%1 \u2013 %2 object in no category, %3 parts below it"},
    {"count_hint_default.other.one", u"%1 \u2013 %2 objects in no category, %3 part below them"},
    {"count_hint_default.other.other", u"%1 \u2013 %2 objects in no category, %3 parts below them"},
    {"count_hint_weight", u", %1 t"},
    {"filter_workbook", u"Excel workbook (*.xlsx)|*.xlsx"},
    {"workbook_save_error",
     u"The workbook could not be saved. Check that it is not open in another program and that you may write "
     u"to the folder."},
    {"workbook_sheet_objects", u"Objects"},
    {"workbook_objects", u"Objects"},
    {"workbook_parts", u"Parts below them"},
    {"workbook_total", u"Total"},
    {"workbook_weight", u"Weight [kg]"},
    {"workbook_tonnes", u"t"},
    {"workbook_sheet_cross", u"Batches by status"},
    {"workbook_page", u"Page %1 of %2"},
    {"workbook_column_guid", u"IFC GUID"},
    {"workbook_column_batch", u"BATCH"},
    {"workbook_column_status", u"STATUS"},
    {"workbook_column_name", u"NAME"},
    {"workbook_column_description", u"DESCRIPTION"},
    {"workbook_column_entity", u"ENTITY"},
    {"workbook_column_tag", u"TAG"},
    {"workbook_column_x", u"X-min [mm]"},
    {"workbook_column_y", u"Y-min [mm]"},
    {"workbook_column_z", u"Z-min [mm]"},
    {"workbook_column_weight", u"WEIGHT [kg]"},
};

}  // namespace

std::span<const AddedText> added_texts() { return texts; }

const char16_t* added_text_english(std::string_view key) {
  const auto found = std::find_if(std::begin(texts), std::end(texts),
                                  [key](const AddedText& text) { return key == text.key; });
  return found != std::end(texts) ? found->english : nullptr;
}

}  // namespace cpp
