#include "refhost/files/RemovedOnSignal.h"

#include <csignal>
#include <cstdio>
#include <cstring>

namespace refhost {
namespace {

// Room for any path the system takes; a handler may not allocate.
char pathToRemove[4096];

extern "C" void RemoveThenDie(int signal) {
  std::remove(pathToRemove);
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

}  // namespace

RemovedOnSignal::RemovedOnSignal(const std::string& path) {
  std::strncpy(pathToRemove, path.c_str(), sizeof pathToRemove - 1);
  for (int signal : InterruptingSignals()) {
    previous_.push_back(std::signal(signal, RemoveThenDie));
    // A signal the process was told to ignore does not end it.
    if (previous_.back() == SIG_IGN) std::signal(signal, SIG_IGN);
  }
}

RemovedOnSignal::~RemovedOnSignal() {
  const std::vector<int> signals = InterruptingSignals();
  for (std::size_t index = 0; index < previous_.size(); ++index)
    std::signal(signals[index], previous_[index]);
  pathToRemove[0] = '\0';
}

}  // namespace refhost
