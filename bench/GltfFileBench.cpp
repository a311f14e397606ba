#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "bench/support/Counters.h"
#include "bench/support/Meshes.h"
#include "bench/support/ReferenceHost.h"
#include "bench/support/ScratchModel.h"
#include "refhost/model/ModelFile.h"
#include "refhost/model/gltf/GltfReader.h"

// glTF model files through the reference host: reading and writing a
// 1M-vertex .glb with a morph target, per vertex as objfile_bench gives OBJ's.
namespace {

constexpr int kModelVertices = 1'000'000;

// The model, made once per process by the tool's own writer: the grid mesh
// "body" that objfile_bench reads as OBJ.
const bench::ScratchModel& Model() {
  static const bench::ScratchModel model("model.glb", [](const std::filesystem::path& path) {
    refhost::Document& document = bench::FreshDocument();
    const auto asset = refhost::ParseGltf(R"({"asset": {"version": "2.0"}})", "new", ".", document);
    bench::AddGridMesh(document, "body", kModelVertices);
    asset->Write(document, path);
    return std::string();
  });
  return model;
}

void BM_ReadGltfFile(benchmark::State& state) {
  bench::TimeReads(state, Model(),
                   [](const std::filesystem::path& path, refhost::Document& document) {
                     benchmark::DoNotOptimize(refhost::ReadModelFile(path, document));
                   });
  bench::CountTimePer(state, "s_per_vertex", kModelVertices);
}

// Writing back with a morph target moving every vertex, as after a merge.
void BM_WriteGltfFile(benchmark::State& state) {
  const bench::ScratchModel& model = Model();
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
