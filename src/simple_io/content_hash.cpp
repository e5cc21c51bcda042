// Four independent lanes keep the multiplier busy; the tail and the length are mixed in at the end.
#include "simple_io/content_hash.h"

#include <cstring>

namespace simple_io {
namespace {

constexpr std::uint32_t prime1 = 2654435761u;
constexpr std::uint32_t prime2 = 2246822519u;
constexpr std::uint32_t prime3 = 3266489917u;
constexpr std::uint32_t prime4 = 668265263u;
constexpr std::uint32_t prime5 = 374761393u;

constexpr std::uint32_t rotated(std::uint32_t value, int bits) {
  return (value << bits) | (value >> (32 - bits));
}

std::uint32_t word_at(const char* at) {
  unsigned char bytes[4];
  std::memcpy(bytes, at, 4);
  return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
         static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

std::uint32_t mixed(std::uint32_t lane, std::uint32_t word) {
  return rotated(lane + word * prime2, 13) * prime1;
}

}  // namespace

std::uint32_t content_hash(std::string_view bytes) {
  const char* at = bytes.data();
  const char* const end = at + bytes.size();
  std::uint32_t hash = prime5;
  if (bytes.size() >= 16) {
    std::uint32_t lanes[4] = {prime1 + prime2, prime2, 0, 0u - prime1};
    for (; end - at >= 16; at += 16) {
      lanes[0] = mixed(lanes[0], word_at(at));
      lanes[1] = mixed(lanes[1], word_at(at + 4));
      lanes[2] = mixed(lanes[2], word_at(at + 8));
      lanes[3] = mixed(lanes[3], word_at(at + 12));
    }
    hash = rotated(lanes[0], 1) + rotated(lanes[1], 7) + rotated(lanes[2], 12) + rotated(lanes[3], 18);
  }
  hash += static_cast<std::uint32_t>(bytes.size());
  for (; end - at >= 4; at += 4) hash = rotated(hash + word_at(at) * prime3, 17) * prime4;
  for (; at != end; ++at) hash = rotated(hash + static_cast<unsigned char>(*at) * prime5, 11) * prime1;
  hash ^= hash >> 15;
  hash *= prime2;
  hash ^= hash >> 13;
  hash *= prime3;
  hash ^= hash >> 16;
  return hash;
}

}  // namespace simple_io
