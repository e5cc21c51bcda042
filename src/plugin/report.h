// The object report: every object that has a batch, with its GUID, batch, name, description,
// entity, tag and the minimum corner of its bounding box.
#pragma once

#include <string>

class Plugin;

// Writes the report of the batch panel's categories; failures are shown to the user.
void export_report(Plugin& plugin, std::u16string file_name);
