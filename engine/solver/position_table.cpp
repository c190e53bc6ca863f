// The positions seen: linear probing over 128-bit keys, a zero high word marks a free slot.
#include "engine/solver/position_table.hpp"

namespace quilloro::solver {

namespace {

constexpr std::size_t kFirstSlots = std::size_t{1} << 12;
constexpr std::size_t kFewestSlots = std::size_t{1} << 6;

}  // namespace

PositionTable::PositionTable(std::size_t memoryBytes) : memoryBytes_(memoryBytes) {
  slots_.resize(kFirstSlots);
}

PositionTable::PositionTable(std::size_t memoryBytes, std::size_t expectedKeys) : memoryBytes_(memoryBytes) {
  // Twice the keys expected keeps the table at most half full without growing.
  std::size_t slots = kFewestSlots;
  while (slots < kFirstSlots && slots < 2 * expectedKeys) slots *= 2;
  slots_.resize(slots);
}

bool PositionTable::contains(PositionKey128 key) const {
  key.high |= 1;
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t at = static_cast<std::size_t>(key.low) & mask; slots_[at].high != 0; at = (at + 1) & mask)
    if (slots_[at].high == key.high && slots_[at].low == key.low) return true;
  return false;
}

PositionTable::Insert PositionTable::insert(PositionKey128 key) {
  // Zero marks a free slot: no key may have a zero high word.
  key.high |= 1;
  const std::size_t mask = slots_.size() - 1;
  std::size_t at = static_cast<std::size_t>(key.low) & mask;
  while (slots_[at].high != 0) {
    if (slots_[at].high == key.high && slots_[at].low == key.low) return Insert::Seen;
    at = (at + 1) & mask;
  }
  // Half full keeps the probe sequences short; once the table may grow no
  // more, it fills up to three quarters, slower but still well in reach.
  if ((used_ + 1) * 2 > slots_.size() && !full_) {
    if (grow()) {
      place(key);
      ++used_;
      return Insert::New;
    }
    full_ = true;
  }
  if (full_ && (used_ + 1) * 4 > slots_.size() * 3) return Insert::Full;
  slots_[at] = key;
  ++used_;
  return Insert::New;
}

bool PositionTable::grow() {
  // While the keys move over, the old table and the new one are both held.
  const std::size_t doubled = slots_.size() * 2;
  if ((doubled + slots_.size()) * sizeof(PositionKey128) > memoryBytes_) return false;
  std::vector<PositionKey128, HugePageAllocator<PositionKey128>> old(doubled);
  old.swap(slots_);
  for (const PositionKey128& key : old)
    if (key.high != 0) place(key);
  return true;
}

void PositionTable::place(PositionKey128 key) {
  const std::size_t mask = slots_.size() - 1;
  std::size_t at = static_cast<std::size_t>(key.low) & mask;
  while (slots_[at].high != 0) at = (at + 1) & mask;
  slots_[at] = key;
}

}  // namespace quilloro::solver
