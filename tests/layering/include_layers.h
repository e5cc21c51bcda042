// Reads the project's #include lines and checks them against the folders' layers.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace torv_test {

// A folder and what it may include besides itself: folders, or single headers (a path ending in .h).
struct Layer {
  std::string folder;
  std::vector<std::string> may_include;
};

struct Layering {
  // The folders of src/. Each may also include what the folders it names may: the layers below.
  std::vector<Layer> src_layers;
  // host/ as a whole: exactly what it names, besides host/ itself.
  Layer host;
};

struct IncludeFault {
  std::string file;     // relative to the root, with forward slashes
  std::string include;  // as written
  std::string why;
};

struct IncludeCheck {
  std::size_t files_read = 0;
  std::vector<IncludeFault> faults;
};

// Checks every quoted #include of the .h and .cpp files under root/src and root/host. A header the
// build writes (into generated, such as the product's identity) may be included anywhere.
IncludeCheck check_include_layers(const std::filesystem::path& root, const Layering& layering,
                                  const std::filesystem::path& generated = {});

std::string to_string(const IncludeFault& fault);

}  // namespace torv_test
