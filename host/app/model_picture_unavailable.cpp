// The Windows build of the stand-in viewer draws no model: Cairo is not in its toolchain.
#include <stdexcept>

#include "app/picture.h"

namespace host {

void draw_model_picture(const HostState&, const std::string&, const ModelPicture&) {
  throw std::runtime_error("pictures of the model need the Linux build of torv-host");
}

}  // namespace host
