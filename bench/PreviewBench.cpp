// Drawing a preview of a 1M-vertex model, as `refhost run --preview` does for
// the new object: the mesh taken out of the document, coloured by distance
// from the base, and drawn at the default size. Held against reading the same
// model (BM_ReadObjFile), which it must not outlast.
#include <benchmark/benchmark.h>

#include "bench/support/Meshes.h"
#include "bench/support/ReferenceHost.h"
#include "refhost/cli/pictures/PreviewMeshes.h"
#include "refhost/preview/PreviewSheet.h"

namespace {

constexpr int kModelVertices = 1'000'000;

void BM_DrawPreview(benchmark::State& state) {
  refhost::Document& document = bench::FreshDocument();
  const refhost::Object& base = bench::AddGridMesh(document, "body", kModelVertices);
  refhost::Object& moved = bench::AddGridMesh(document, "elem:mix-body", kModelVertices);
  for (int vertex = 0; vertex < moved.VertexCount(); vertex += 10) {
    MQPoint point = moved.Vertex(vertex);
    point.z += 0.5f;
    moved.SetVertex(vertex, point);
  }
  for (auto _ : state) {
    std::vector<refhost::preview::PreviewMesh> meshes;
    meshes.push_back(refhost::cli::MeshOf(moved, moved.name(), &base));
    benchmark::DoNotOptimize(refhost::preview::DrawSheet(meshes, {}));
  }
  state.counters["vertices"] = kModelVertices;
  refhost::Host::Instance().Reset();
}

BENCHMARK(BM_DrawPreview)->Unit(benchmark::kMillisecond);

}  // namespace
