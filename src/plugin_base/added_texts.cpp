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
    {"lines_without_object", u"%1 of %2 lines name no object of this model."},
};

}  // namespace

std::span<const AddedText> added_texts() { return texts; }

const char16_t* added_text_english(std::string_view key) {
  const auto found = std::find_if(std::begin(texts), std::end(texts),
                                  [key](const AddedText& text) { return key == text.key; });
  return found != std::end(texts) ? found->english : nullptr;
}

}  // namespace cpp
