// The enclosing assembly of an object: the nearest IfcElementAssembly on its way up to the root.
#pragma once

#include <optional>

#include "interface/viewer_records.h"

// The object itself when it is an assembly; nothing when the walk reaches the root.
std::optional<viewer::ObjectId> enclosing_assembly(viewer::HostHandle host, viewer::ObjectId root,
                                                   viewer::ObjectId object);
