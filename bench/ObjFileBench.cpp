#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <exception>
#include <filesystem>
#include <string>

#include "bench/support/Meshes.h"
#include "bench/support/ReferenceHost.h"
#include "refhost/model/ObjReader.h"
#include "refhost/model/ObjWriter.h"
#include "refhost/model/WholeFile.h"
#include "tests/support/TempDir.h"

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
class ModelFile {
 public:
  static const ModelFile& Get() {
    static const ModelFile model;
    return model;
  }

  const std::filesystem::path& path() const { return path_; }
  std::int64_t bytes() const { return bytes_; }
  // Empty when the file was written and read back exactly.
  const std::string& failure() const { return failure_; }
  std::filesystem::path Scratch(const std::string& name) const { return folder_ / name; }

 private:
  ModelFile() : path_(folder_ / "model.obj") {
    try {
      refhost::Document& written = bench::FreshDocument();
      bench::AddGridMesh(written, "body", kModelVertices);
      refhost::WriteObjFile(written, refhost::ObjFile{}, path_);
      bytes_ = static_cast<std::int64_t>(std::filesystem::file_size(path_));
      refhost::Document& read = refhost::Host::Instance().NewDocument();
      refhost::ReadObjFile(path_, read);
      if (read.ObjectCount() != 1 || !SameMesh(*written.ObjectAt(0), *read.ObjectAt(0)))
        failure_ = "the model did not read back bit-exact";
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

void BM_ReadObjFile(benchmark::State& state) {
  const ModelFile& model = ModelFile::Get();
  if (!model.failure().empty()) return state.SkipWithError(model.failure().c_str());
  for (auto _ : state) {
    // The objects read before are freed outside the timing.
    state.PauseTiming();
    refhost::Document& document = bench::FreshDocument();
    state.ResumeTiming();
    refhost::ReadObjFile(model.path(), document);
  }
  state.SetBytesProcessed(state.iterations() * model.bytes());
  state.counters["file_bytes"] = static_cast<double>(model.bytes());
}

void BM_WriteObjFile(benchmark::State& state) {
  const ModelFile& model = ModelFile::Get();
  if (!model.failure().empty()) return state.SkipWithError(model.failure().c_str());
  refhost::Document& document = bench::FreshDocument();
  const refhost::ObjFile file = refhost::ReadObjFile(model.path(), document);
  const std::filesystem::path copy = model.Scratch("written.obj");
  for (auto _ : state) refhost::WriteObjFile(document, file, copy);
  state.SetBytesProcessed(state.iterations() * model.bytes());
}

void BM_ReadFileBytes(benchmark::State& state) {
  const ModelFile& model = ModelFile::Get();
  if (!model.failure().empty()) return state.SkipWithError(model.failure().c_str());
  for (auto _ : state) benchmark::DoNotOptimize(refhost::ReadWholeFile(model.path()));
  state.SetBytesProcessed(state.iterations() * model.bytes());
}

BENCHMARK(BM_ReadObjFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteObjFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadFileBytes)->Unit(benchmark::kMillisecond);

}  // namespace
