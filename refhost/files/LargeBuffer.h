#pragma once

#include <cstddef>

namespace refhost {

// Asks the system to back the untouched memory of a large buffer that a
// whole file is about to be read into with large pages where it can: a
// reader otherwise spends more time taking a page fault per 4 KB than
// copying the bytes. Only advice; nothing changes where it is not taken.
void AdviseLargeBuffer(void* data, std::size_t size);

}  // namespace refhost
