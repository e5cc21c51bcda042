// The membership walk: every object of the model filed under the category its user data names.
#pragma once

#include "interface/viewer_records.h"

// Walks the model's object tree from all_objects_id with an explicit stack. A child whose user
// data names a category (an ObjectsGroup*) is appended to that category's object_ids and not
// looked below; any other child is visited later. Appends in walk order.
void collect_members(viewer::HostHandle host, viewer::ObjectId all_objects_id);
