#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>
#include <exception>
#include <filesystem>
#include <functional>
#include <string>

#include "bench/support/ReferenceHost.h"
#include "refhost/host/Host.h"
#include "tests/support/TempDir.h"

namespace bench {

// A model file made once into a temporary folder by `make`, which writes it
// at the path given and returns why it is unusable, or nothing. The host is
// reset afterwards, so that no benchmark times the making's objects.
class ScratchModel {
 public:
  ScratchModel(const std::string& fileName,
               const std::function<std::string(const std::filesystem::path&)>& make)
      : path_(folder_ / fileName) {
    try {
      failure_ = make(path_);
      if (failure_.empty()) bytes_ = static_cast<std::int64_t>(std::filesystem::file_size(path_));
    } catch (const std::exception& error) {
      failure_ = error.what();
    }
    refhost::Host::Instance().Reset();
  }

  const std::filesystem::path& path() const { return path_; }
  std::int64_t bytes() const { return bytes_; }
  // Empty when the model was made as it should be.
  const std::string& failure() const { return failure_; }
  std::filesystem::path Scratch(const std::string& name) const { return folder_ / name; }

 private:
  TempDir folder_;
  std::filesystem::path path_;
  std::int64_t bytes_ = 0;
  std::string failure_;
};

// Times `read` of the model into a fresh document per iteration; the objects
// read before are freed outside the timing.
template <typename Read>
void TimeReads(benchmark::State& state, const ScratchModel& model, Read read) {
  if (!model.failure().empty()) return state.SkipWithError(model.failure().c_str());
  for (auto _ : state) {
    state.PauseTiming();
    refhost::Document& document = FreshDocument();
    state.ResumeTiming();
    read(model.path(), document);
  }
  state.SetBytesProcessed(state.iterations() * model.bytes());
}

}  // namespace bench
