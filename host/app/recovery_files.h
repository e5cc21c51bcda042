// The plug-in's recovery files of a model, as the session lists them.
#pragma once

#include <string>
#include <vector>

namespace host {

// The files in the plug-in's per-user recovery folder kept for model_path, by name: the model's
// file name (its first 64 code units), the hash of its whole path, the side-car ending.
// plugin_path names the plug-in library, whose base name names its per-user folder.
std::vector<std::u16string> recovery_files(const std::u16string& model_path,
                                           const std::u16string& plugin_path);

}  // namespace host
