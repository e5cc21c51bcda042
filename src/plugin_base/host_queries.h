// Questions to the viewer that the plug-in and its panels both ask.
#pragma once

#include <string>
#include <vector>

#include "interface/viewer_records.h"

// A text the viewer hands over, copied at once; null counts as empty.
inline std::u16string viewer_text(const char16_t* text) { return text != nullptr ? text : u""; }

// True when the viewer knows a non-empty IFC GUID for the object.
bool has_guid(viewer::HostHandle host, viewer::ObjectId id);

// The loaded model's path; empty without a model.
std::u16string loaded_ifc_path(viewer::HostHandle host);

// The children of an object into buffer (its storage reused): count first, then fill.
void read_children(viewer::HostHandle host, viewer::ObjectId id, std::vector<viewer::ObjectId>& buffer);

// Walks the objects below root, depth first with a stack of its own (a model's tree may be deeper
// than the call stack allows), two get_childs calls per object looked below. look_below(child) is
// called once for each child reached; the walk goes below the child only when it answers true.
template <class LookBelow>
void walk_children(viewer::HostHandle host, viewer::ObjectId root, LookBelow&& look_below) {
  std::vector<viewer::ObjectId> stack{root};
  std::vector<viewer::ObjectId> children;
  while (!stack.empty()) {
    const viewer::ObjectId parent = stack.back();
    stack.pop_back();
    read_children(host, parent, children);
    for (const viewer::ObjectId child : children) {
      if (look_below(child)) stack.push_back(child);
    }
  }
}

// The viewer's selection into buffer, in the viewer's order, the same way.
void read_selection(viewer::HostHandle host, std::vector<viewer::ObjectId>& buffer);
