// GuidIndex: linear probing from the GUID's hash.
#include "model/guid_index.h"

#include <functional>

namespace host {

void GuidIndex::add(std::u16string_view guid, std::uint64_t id) {
  if ((used_ + 1) * 2 > slots_.size()) grow();
  const std::size_t hash = std::hash<std::u16string_view>{}(guid);
  Slot& slot = slots_[slot_for(guid, hash)];
  if (slot.id != 0) return;
  slot = Slot{hash, static_cast<std::uint32_t>(texts_.size()), static_cast<std::uint32_t>(guid.size()), id};
  texts_ += guid;
  ++used_;
}

std::uint64_t GuidIndex::find(std::u16string_view guid) const {
  if (slots_.empty()) return 0;
  return slots_[slot_for(guid, std::hash<std::u16string_view>{}(guid))].id;
}

std::size_t GuidIndex::slot_for(std::u16string_view guid, std::size_t hash) const {
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
    const Slot& slot = slots_[i];
    if (slot.id == 0 || (slot.hash == hash && text_of(slot) == guid)) return i;
  }
}

void GuidIndex::grow() {
  std::vector<Slot> old = std::move(slots_);
  slots_.assign(old.empty() ? 64 : old.size() * 2, Slot{});
  const std::size_t mask = slots_.size() - 1;
  for (const Slot& slot : old) {
    if (slot.id == 0) continue;
    std::size_t i = slot.hash & mask;
    while (slots_[i].id != 0) i = (i + 1) & mask;
    slots_[i] = slot;
  }
}

}  // namespace host
