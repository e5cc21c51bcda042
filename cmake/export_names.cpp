// Preprocessed by the build (see torv_export_lists.cmake) into the names of an export list; the
// names follow the marker line, whatever the list's headers bring in before it.
#define TORV_EXPORT_NAME(result, name, ...) name
torv_export_names:
TORV_EXPORT_LISTS(TORV_EXPORT_NAME)
