// Any bytes as a side-car or language text: decoding by byte-order mark or code page, line splitting.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "toolkit/string_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  toolkit::StringList list;
  list.set_text_bytes(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
