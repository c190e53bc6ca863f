// The set of positions a search has seen, as 128-bit keys in one open table
// that grows by doubling while the memory the search may hold allows it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/solver/huge_pages.hpp"

namespace quilloro::solver {

struct PositionKey128 {
  std::uint64_t high = 0;
  std::uint64_t low = 0;
};

class PositionTable {
 public:
  explicit PositionTable(std::size_t memoryBytes);
  // For a search expected to add about so many keys: a small one starts on
  // a small table, which costs less to set up than the usual first one.
  PositionTable(std::size_t memoryBytes, std::size_t expectedKeys);

  enum class Insert { New, Seen, Full };
  // Adds the key; Full when it is new but no room is left for it.
  Insert insert(PositionKey128 key);
  // Whether the key was added before.
  bool contains(PositionKey128 key) const;

  std::size_t size() const { return used_; }
  std::size_t bytes() const { return slots_.capacity() * sizeof(PositionKey128); }

 private:
  // Doubles the table; false when that would pass the memory bound.
  bool grow();
  void place(PositionKey128 key);

  std::size_t memoryBytes_;
  std::vector<PositionKey128, HugePageAllocator<PositionKey128>> slots_;
  std::size_t used_ = 0;
  // The memory allows no bigger table.
  bool full_ = false;
};

}  // namespace quilloro::solver
