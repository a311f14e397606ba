#pragma once

#include <vector>

// An option block laid out as the host passes it: key and value pointer
// pairs, ended by a null key. The block keeps pointers only; keys and
// values must outlive it.
class HostOptionBlock {
 public:
  HostOptionBlock& Add(const char* key, const void* value) {
    pairs_.insert(pairs_.end() - 2, {const_cast<char*>(key), const_cast<void*>(value)});
    return *this;
  }
  void* data() { return pairs_.data(); }
  const std::vector<void*>& pairs() const { return pairs_; }

 private:
  std::vector<void*> pairs_{nullptr, nullptr};
};
