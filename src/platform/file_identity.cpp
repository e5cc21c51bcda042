// One file under two spellings, told by what the file system says of each.
#include "platform/file_identity.h"

namespace platform {

bool same_file(const std::u16string& first, const std::u16string& second) {
  const auto first_identity = file_identity(first);
  const auto second_identity = file_identity(second);
  if (first_identity && second_identity) return *first_identity == *second_identity;
  if (first_identity || second_identity) return false;
  return canonical_path(first) == canonical_path(second);
}

}  // namespace platform
