#include "refhost/files/LargeBuffer.h"

namespace refhost {

// Large pages on Windows need a privilege that a user's process lacks.
void AdviseLargeBuffer(void*, std::size_t) {}

}  // namespace refhost
