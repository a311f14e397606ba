#pragma once

#include <new>
#include <string>
#include <utility>

#include "refhost/cli/CliError.h"

namespace refhost::cli {

// Notes whether an allocation failed while it lives, including one that a
// plug-in caught and answered as a refusal. The C++ runtime calls the
// process's new-handler before every allocation failure; a module that links
// its own copy of the runtime (a Windows DLL) keeps a handler of its own.
class MemoryWatch {
 public:
  MemoryWatch();
  ~MemoryWatch();
  MemoryWatch(const MemoryWatch&) = delete;
  MemoryWatch& operator=(const MemoryWatch&) = delete;

  bool ranOut() const;

 private:
  std::new_handler previous_;
};

// What `work` returns; a failed allocation becomes CliError
// "SUBJECT: out of memory while DOING", so that the message says what could
// not be done and on which file.
template <class Work>
decltype(auto) NamingMemoryShortage(const std::string& subject, const std::string& doing,
                                    Work&& work) {
  try {
    return std::forward<Work>(work)();
  } catch (const std::bad_alloc&) {
    throw CliError(subject + ": out of memory while " + doing);
  }
}

}  // namespace refhost::cli
