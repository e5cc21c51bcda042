// IFC import in the Windows build, which is cross-compiled without IFC++.
#include <stdexcept>

#include "model/ifc_import.h"
#include "platform/utf8.h"

namespace host {

Model read_ifc_model(const std::filesystem::path& file) {
  const std::string name = platform::to_utf8(file.u16string());
  std::u16string extension = file.extension().u16string();
  for (char16_t& c : extension) c = c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c;
  if (extension != u".ifc") {
    throw std::runtime_error("cannot read " + name +
                             ": it is no model file of save-model (whose first line is " +
                             "TORV-MODEL) and no IFC file");
  }
  throw std::runtime_error("cannot read " + name +
                           ": reading IFC files needs the Linux build of torv-host, "
                           "whose save-model writes a model file that this build reads");
}

}  // namespace host
