// Any bytes as a model file: the reader gives a model or refuses the text with a reason, and a
// model it gives is written back as it was read.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string_view>

#include "model/model_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    const host::Model model =
        host::parse_model_file(std::string_view(reinterpret_cast<const char*>(data), size));
    const std::string text = host::model_file_text(model);
    if (host::model_file_text(host::parse_model_file(text)) != text) std::abort();
  } catch (const std::runtime_error&) {
  }
  return 0;
}
