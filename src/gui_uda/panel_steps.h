// The kinds of change a coordinator makes in a panel, as steps of its history.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "categories/move_members.h"
#include "categories/objects_group.h"
#include "gui_uda/panel_history.h"

// Objects moved into chosen; before holds where they, and the filed objects they hide, were.
std::unique_ptr<PanelStep> assignment_step(ObjectsGroup* chosen, std::vector<MemberMove> moved,
                                           std::vector<MemberMove> before);
// A category added at its place in the list.
std::unique_ptr<PanelStep> add_step(ObjectsGroup* added);
std::unique_ptr<PanelStep> rename_step(ObjectsGroup* renamed, std::u16string old_name);
// A category taken out of the list at index, kept whole (objects, colour, kept lines).
std::unique_ptr<PanelStep> delete_step(std::unique_ptr<ObjectsGroup> removed, std::size_t index);
std::unique_ptr<PanelStep> color_step(ObjectsGroup* colored, Rgba old_color);
// Colours given to several categories at once, with the colours they had.
std::unique_ptr<PanelStep> colors_step(std::vector<std::pair<ObjectsGroup*, Rgba>> old_colors);
// The whole list replaced (a file opened by hand, a recovery file restored): the list before, and
// the language key and file name that say what replaced it.
std::unique_ptr<PanelStep> list_step(Groups before, const char* key, std::u16string file_name);
