#include "layering/include_layers.h"

#include <algorithm>
#include <fstream>
#include <regex>
#include <set>

namespace torv_test {
namespace {

namespace fs = std::filesystem;

std::string first_folder(const std::string& include) { return include.substr(0, include.find('/')); }

bool names_header(const std::string& entry) { return entry.ends_with(".h"); }

bool allows(const std::set<std::string>& allowed, const std::string& include) {
  return allowed.contains(include) || allowed.contains(first_folder(include));
}

// What folder may include: itself, its row, and the rows of the folders its row names.
std::set<std::string> allowed_for(const std::vector<Layer>& layers, const std::string& folder) {
  std::set<std::string> allowed{folder};
  std::vector<std::string> pending{folder};
  while (!pending.empty()) {
    const std::string next = pending.back();
    pending.pop_back();
    const auto layer =
        std::find_if(layers.begin(), layers.end(), [&](const Layer& l) { return l.folder == next; });
    if (layer == layers.end()) continue;
    for (const std::string& entry : layer->may_include) {
      if (allowed.insert(entry).second && !names_header(entry)) pending.push_back(entry);
    }
  }
  return allowed;
}

std::vector<std::string> quoted_includes(const fs::path& file) {
  static const std::regex include_line(R"re(^\s*#\s*include\s*"([^"]+)")re");
  std::vector<std::string> includes;
  std::ifstream in(file);
  std::smatch match;
  for (std::string line; std::getline(in, line);) {
    if (std::regex_search(line, match, include_line)) includes.push_back(match[1]);
  }
  return includes;
}

std::vector<fs::path> sources_under(const fs::path& folder) {
  std::vector<fs::path> files;
  if (!fs::is_directory(folder)) return files;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
    const fs::path extension = entry.path().extension();
    if (entry.is_regular_file() && (extension == ".h" || extension == ".cpp")) files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

}  // namespace

IncludeCheck check_include_layers(const fs::path& root, const Layering& layering, const fs::path& generated) {
  IncludeCheck check;
  const fs::path src = root / "src";
  const fs::path host = root / "host";
  std::set<std::string> host_allowed(layering.host.may_include.begin(), layering.host.may_include.end());

  for (const fs::path& file : sources_under(src)) {
    ++check.files_read;
    const std::string name = fs::relative(file, root).generic_string();
    const std::string folder = first_folder(fs::relative(file, src).generic_string());
    const std::set<std::string> allowed = allowed_for(layering.src_layers, folder);
    for (const std::string& include : quoted_includes(file)) {
      if (!generated.empty() && fs::exists(generated / include)) continue;
      if (!fs::exists(src / include)) {
        check.faults.push_back({name, include, "names no file of src/"});
      } else if (!allows(allowed, include)) {
        check.faults.push_back({name, include, folder + "/ may not include it"});
      }
    }
  }
  for (const fs::path& file : sources_under(host)) {
    ++check.files_read;
    const std::string name = fs::relative(file, root).generic_string();
    for (const std::string& include : quoted_includes(file)) {
      if (fs::exists(host / include) || (!generated.empty() && fs::exists(generated / include))) continue;
      if (!fs::exists(src / include)) {
        check.faults.push_back({name, include, "names no file of host/ or src/"});
      } else if (!allows(host_allowed, include)) {
        check.faults.push_back({name, include, "host/ may not include it"});
      }
    }
  }
  return check;
}

std::string to_string(const IncludeFault& fault) {
  return fault.file + " includes \"" + fault.include + "\": " + fault.why;
}

}  // namespace torv_test
