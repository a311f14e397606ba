#include <benchmark/benchmark.h>

#include <cstdint>
#include <exception>
#include <filesystem>
#include <memory>
#include <string>

#include "bench/support/Counters.h"
#include "bench/support/Meshes.h"
#include "bench/support/ReferenceHost.h"
#include "refhost/model/GltfReader.h"
#include "refhost/model/ModelFile.h"
#include "tests/support/TempDir.h"

// glTF model files through the reference host: reading and writing a
// 1M-vertex .glb with a morph target, per vertex as objfile_bench gives OBJ's.
namespace {

constexpr int kModelVertices = 1'000'000;

// The model, made once per process by the tool's own writer: the grid mesh
// "body" that objfile_bench reads as OBJ.
class GltfModel {
 public:
  static const GltfModel& Get() {
    static const GltfModel model;
    return model;
  }

  const std::filesystem::path& path() const { return path_; }
  std::int64_t bytes() const { return bytes_; }
  const std::string& failure() const { return failure_; }
  std::filesystem::path Scratch(const std::string& name) const { return folder_ / name; }

 private:
  GltfModel() : path_(folder_ / "model.glb") {
    try {
      refhost::Document& empty = bench::FreshDocument();
      const auto asset = refhost::ParseGltf(R"({"asset": {"version": "2.0"}})", "new", ".", empty);
      bench::AddGridMesh(empty, "body", kModelVertices);
      asset->Write(empty, path_);
      bytes_ = static_cast<std::int64_t>(std::filesystem::file_size(path_));
    } catch (const std::exception& error) {
      failure_ = error.what();
    }
    refhost::Host::Instance().Reset();
  }

  TempDir folder_;
  std::filesystem::path path_;
  std::int64_t bytes_ = 0;
  std::string failure_;
};

void BM_ReadGltfFile(benchmark::State& state) {
  const GltfModel& model = GltfModel::Get();
  if (!model.failure().empty()) return state.SkipWithError(model.failure().c_str());
  for (auto _ : state) {
    // The objects read before are freed outside the timing.
    state.PauseTiming();
    refhost::Document& document = bench::FreshDocument();
    state.ResumeTiming();
    benchmark::DoNotOptimize(refhost::ReadModelFile(model.path(), document));
  }
  state.SetBytesProcessed(state.iterations() * model.bytes());
  bench::CountTimePer(state, "s_per_vertex", kModelVertices);
}

// Writing back with a morph target moving every vertex, as after a merge.
void BM_WriteGltfFile(benchmark::State& state) {
  const GltfModel& model = GltfModel::Get();
  if (!model.failure().empty()) return state.SkipWithError(model.failure().c_str());
  refhost::Document& document = bench::FreshDocument();
  const auto file = refhost::ReadModelFile(model.path(), document);
  bench::AddMovedCopy(document, "elem:mix-body", *document.ObjectAt(0), 100);
  const std::filesystem::path copy = model.Scratch("written.glb");
  for (auto _ : state) file->Write(document, copy);
  state.SetBytesProcessed(state.iterations() * model.bytes());
  bench::CountTimePer(state, "s_per_vertex", kModelVertices);
}

BENCHMARK(BM_ReadGltfFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteGltfFile)->Unit(benchmark::kMillisecond);

}  // namespace
