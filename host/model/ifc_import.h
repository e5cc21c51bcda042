// Reading an IFC file (IFC2X3 or IFC4) into the stand-in viewer's model.
#pragma once

#include <filesystem>

#include "model/model.h"

namespace host {

// The object tree (project, spatial structure, contained elements, aggregated parts), each
// object's attributes, single-value properties and the bounding box of its geometry in metres.
// Throws std::runtime_error naming the file and the reason when the file cannot be read as IFC.
Model read_ifc_model(const std::filesystem::path& file);

}  // namespace host
