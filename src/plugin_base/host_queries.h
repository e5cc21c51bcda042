// Questions to the viewer that the plug-in and its panels both ask.
#pragma once

#include <string>
#include <vector>

#include "plugin_base/viewer_records.h"

// A text the viewer hands over, copied at once; null counts as empty.
inline std::u16string viewer_text(const char16_t* text) { return text != nullptr ? text : u""; }

// True when the viewer knows a non-empty IFC GUID for the object.
bool has_guid(viewer::HostHandle host, viewer::ObjectId id);

// The loaded model's path; empty without a model.
std::u16string loaded_ifc_path(viewer::HostHandle host);

// The children of an object into buffer (its storage reused): count first, then fill.
void read_children(viewer::HostHandle host, viewer::ObjectId id, std::vector<viewer::ObjectId>& buffer);

// The viewer's selection into buffer, in the viewer's order, the same way.
void read_selection(viewer::HostHandle host, std::vector<viewer::ObjectId>& buffer);
