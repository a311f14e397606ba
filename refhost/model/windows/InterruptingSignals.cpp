#include <csignal>

#include "refhost/model/RemovedOnSignal.h"

namespace refhost {

std::vector<int> InterruptingSignals() { return {SIGINT, SIGTERM}; }

}  // namespace refhost
