// The plug-in's recovery files of a model, as the session lists them.
#pragma once

#include <string>
#include <vector>

namespace host {

// The files in the plug-in's per-user recovery folder kept for model_path, by name: those whose
// name holds the hash of the model's canonical path, whatever the viewer key and ending after it.
// plugin_path names the plug-in library, whose base name names its per-user folder.
std::vector<std::u16string> recovery_files(const std::u16string& model_path,
                                           const std::u16string& plugin_path);

}  // namespace host
