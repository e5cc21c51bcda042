// The order of a panel's categories.
#pragma once

#include "categories/objects_group.h"

// The other categories in logical name order (case ignored, numbers by value; names that order
// finds equal by their code units), the default last.
void sort_groups(Groups& groups);
