#include "refhost/cli/MemoryWatch.h"

namespace refhost::cli {
namespace {

bool memoryRanOut = false;

// Called by operator new when the system refuses memory; throwing is what
// operator new would do without a handler.
void NoteShortage() {
  memoryRanOut = true;
  throw std::bad_alloc();
}

}  // namespace

MemoryWatch::MemoryWatch() : previous_(std::set_new_handler(NoteShortage)) { memoryRanOut = false; }

MemoryWatch::~MemoryWatch() { std::set_new_handler(previous_); }

bool MemoryWatch::ranOut() const { return memoryRanOut; }

}  // namespace refhost::cli
