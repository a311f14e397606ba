#include "refhost/files/LargeBuffer.h"

#include <sys/mman.h>

#include <cstdint>

namespace refhost {

void AdviseLargeBuffer(void* data, std::size_t size) {
#ifdef MADV_HUGEPAGE
  // The advice holds for whole large pages, so only for those that lie
  // within the buffer.
  constexpr std::uintptr_t kLargePage = std::uintptr_t{2} << 20;
  const auto start = reinterpret_cast<std::uintptr_t>(data);
  const std::uintptr_t first = (start + kLargePage - 1) & ~(kLargePage - 1);
  const std::uintptr_t end = (start + size) & ~(kLargePage - 1);
  if (first < end) madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
#else
  static_cast<void>(data);
  static_cast<void>(size);
#endif
}

}  // namespace refhost
