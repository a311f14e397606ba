#include <csignal>

#include "refhost/files/RemovedOnSignal.h"

namespace refhost {

std::vector<int> InterruptingSignals() { return {SIGINT, SIGTERM}; }

}  // namespace refhost
