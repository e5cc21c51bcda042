// IFC import in the Windows build, which is cross-compiled without IFC++.
#include <stdexcept>

#include "model/ifc_import.h"

namespace host {

Model read_ifc_model(const std::filesystem::path& file) {
  throw std::runtime_error("cannot read " + file.string() +
                           ": reading IFC files needs the Linux build of torv-host, "
                           "whose save-model writes a model file that this build reads");
}

}  // namespace host
