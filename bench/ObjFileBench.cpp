#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>

#include "bench/support/Meshes.h"
#include "bench/support/ReferenceHost.h"
#include "bench/support/ScratchModel.h"
#include "refhost/files/WholeFile.h"
#include "refhost/model/obj/ObjReader.h"
#include "refhost/model/obj/ObjWriter.h"

// Model files through the reference host: reading and writing a 1M-vertex OBJ
// model beside reading the same file's bytes into memory.
namespace {

constexpr int kModelVertices = 1'000'000;

bool SameFace(const refhost::ElementList& a, const refhost::ElementList& b, int face) {
  const refhost::ElementList::Corners first = a.CornersOf(face);
  const refhost::ElementList::Corners second = b.CornersOf(face);
  if (first.size() != second.size()) return false;
  auto other = second.begin();
  for (refhost::Corner corner : first) {
    if (corner.vertex != (*other).vertex) return false;
    ++other;
  }
  return true;
}

bool SameMesh(const refhost::Object& a, const refhost::Object& b) {
  if (a.name() != b.name() || a.VertexCount() != b.VertexCount()) return false;
  if (a.faces().Count() != b.faces().Count()) return false;
  for (int face = 0; face < a.faces().Count(); ++face)
    if (!SameFace(a.faces(), b.faces(), face)) return false;
  // Bit for bit, so that -0.0 against 0.0 or a changed NaN counts as a change.
  const std::size_t bytes = a.vertices().size() * sizeof(MQPoint);
  return std::memcmp(a.vertices().data(), b.vertices().data(), bytes) == 0;
}

// The model, generated into a temporary file once per process and checked to
// read back exactly as it was written.
const bench::ScratchModel& Model() {
  static const bench::ScratchModel model("model.obj", [](const std::filesystem::path& path) {
    refhost::Document& written = bench::FreshDocument();
    bench::AddGridMesh(written, "body", kModelVertices);
    refhost::ObjFile{}.Write(written, path);
    refhost::Document& read = refhost::Host::Instance().NewDocument();
    refhost::ReadObjFile(path, read);
    const bool same = read.ObjectCount() == 1 && SameMesh(*written.ObjectAt(0), *read.ObjectAt(0));
    return same ? "" : "the model did not read back bit-exact";
  });
  return model;
}

void BM_ReadObjFile(benchmark::State& state) {
  const bench::ScratchModel& model = Model();
  bench::TimeReads(state, model,
                   [](const std::filesystem::path& path, refhost::Document& document) {
                     refhost::ReadObjFile(path, document);
                   });
  state.counters["file_bytes"] = static_cast<double>(model.bytes());
}

void BM_WriteObjFile(benchmark::State& state) {
  const bench::ScratchModel& model = Model();
  if (!model.failure().empty()) return state.SkipWithError(model.failure().c_str());
  refhost::Document& document = bench::FreshDocument();
  const refhost::ObjFile file = refhost::ReadObjFile(model.path(), document);
  const std::filesystem::path copy = model.Scratch("written.obj");
  for (auto _ : state) file.Write(document, copy);
  state.SetBytesProcessed(state.iterations() * model.bytes());
}

void BM_ReadFileBytes(benchmark::State& state) {
  const bench::ScratchModel& model = Model();
  if (!model.failure().empty()) return state.SkipWithError(model.failure().c_str());
  for (auto _ : state) benchmark::DoNotOptimize(refhost::ReadFileBytes(model.path()));
  state.SetBytesProcessed(state.iterations() * model.bytes());
}

BENCHMARK(BM_ReadObjFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteObjFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadFileBytes)->Unit(benchmark::kMillisecond);

}  // namespace
