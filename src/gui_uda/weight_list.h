// The list of weight properties the plug-in reads: the user's own copy in the per-user folder,
// else the one shipped in the data folder.
#pragma once

#include <vector>

#include "categories/weight_properties.h"
#include "plugin_base/plugin_base.h"

std::vector<WeightProperty> read_weight_properties(const cpp::PluginBase& plugin);
