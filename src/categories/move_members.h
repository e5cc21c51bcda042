// Putting objects back into categories: what undoing and redoing an assignment does.
#pragma once

#include <span>
#include <vector>

#include "categories/objects_group.h"
#include "interface/viewer_records.h"

// An object and the category it is filed under; none for no category (the default row).
struct MemberMove {
  viewer::ObjectId object = 0;
  ObjectsGroup* group = nullptr;
};

// Files each moved object under its category (or none), every other object under the category
// whose list holds it now, and rebuilds every list by the membership walk.
void move_members(viewer::HostHandle host, viewer::ObjectId all_objects_id, Groups& groups,
                  std::span<const MemberMove> moves);

// Where an assignment of object takes things from, as the user data marks them now: the object and
// its category (none when it has none), and when it has none, the filed objects below it, which
// the object filed above them hides.
void append_memberships_at(viewer::HostHandle host, viewer::ObjectId object, std::vector<MemberMove>& filed);
