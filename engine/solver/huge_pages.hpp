// Memory for the big tables of a search, backed by huge pages where the
// system offers them, so that a lookup in a table of many megabytes seldom
// waits on the walk of the page tables.
#pragma once

#include <cstddef>

namespace quilloro::solver {

// Memory of so many bytes; from the size of a huge page up, aligned to one
// and marked for huge pages where the system takes such a hint.
void* allocateTableBytes(std::size_t bytes);
// Gives back what allocateTableBytes gave for the same number of bytes.
void releaseTableBytes(void* memory, std::size_t bytes);

// For containers of table slots: the same memory, by the element.
template <class T>
struct HugePageAllocator {
  using value_type = T;

  HugePageAllocator() = default;
  template <class U>
  HugePageAllocator(const HugePageAllocator<U>&) {}

  T* allocate(std::size_t count) { return static_cast<T*>(allocateTableBytes(count * sizeof(T))); }
  void deallocate(T* memory, std::size_t count) { releaseTableBytes(memory, count * sizeof(T)); }

  template <class U>
  bool operator==(const HugePageAllocator<U>&) const {
    return true;
  }
};

}  // namespace quilloro::solver
