// The object report as a workbook: the report's objects with their batch and status on one
// sheet, the batches and the statuses with their colours and counts on one sheet each.
#pragma once

#include <string>

class Plugin;

// Writes the workbook from both panels' categories; failures are shown to the user.
void export_workbook(Plugin& plugin, std::u16string file_name);
