// Table memory marked for huge pages where the system takes the hint.
#include "engine/solver/huge_pages.hpp"

#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace quilloro::solver {

namespace {

// The huge page of the usual processors; smaller tables take ordinary memory.
constexpr std::size_t kHugePageBytes = std::size_t{2} << 20;

}  // namespace

void* allocateTableBytes(std::size_t bytes) {
  if (bytes < kHugePageBytes) return ::operator new(bytes);
  void* memory = ::operator new(bytes, std::align_val_t{kHugePageBytes});
#if defined(__linux__) && defined(MADV_HUGEPAGE)
  // Only a hint: where it is refused, the memory stays in ordinary pages.
  // It is given before the table is first written, so the pages come huge.
  (void)madvise(memory, bytes, MADV_HUGEPAGE);
#endif
  return memory;
}

void releaseTableBytes(void* memory, std::size_t bytes) {
  if (bytes < kHugePageBytes) {
    ::operator delete(memory);
    return;
  }
  ::operator delete(memory, std::align_val_t{kHugePageBytes});
}

}  // namespace quilloro::solver
