// GuidIndex: the model's objects by GUID.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace host {

// Open addressing over one flat table, the GUIDs' text kept end to end in one buffer: a lookup in
// a model of a million objects touches a slot and the text it names, not a bucket, a node and a
// string each somewhere else in memory.
class GuidIndex {
 public:
  // Of a GUID added twice, the first id stays.
  void add(std::u16string_view guid, std::uint64_t id);
  // 0 when no object has this GUID.
  std::uint64_t find(std::u16string_view guid) const;

 private:
  struct Slot {
    std::size_t hash = 0;
    std::uint32_t offset = 0;  // of the GUID in texts_
    std::uint32_t length = 0;
    std::uint64_t id = 0;  // 0: the slot is free
  };

  std::u16string_view text_of(const Slot& slot) const {
    return std::u16string_view(texts_).substr(slot.offset, slot.length);
  }
  // The slot of guid, or the free one where it would go.
  std::size_t slot_for(std::u16string_view guid, std::size_t hash) const;
  void grow();

  std::vector<Slot> slots_;  // a power of two of them, at most half used
  std::size_t used_ = 0;
  std::u16string texts_;
};

}  // namespace host
