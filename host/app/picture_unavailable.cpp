// The Windows build of the stand-in viewer draws no pictures: Cairo is not in its toolchain.
#include <stdexcept>

#include "app/picture.h"

namespace host {

void draw_form_picture(const std::string&, const std::string&) {
  throw std::runtime_error("pictures need the Linux build of torv-host");
}

void draw_model_picture(const HostState&, const std::string&, int, int) {
  throw std::runtime_error("pictures need the Linux build of torv-host");
}

}  // namespace host
