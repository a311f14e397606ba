#include <benchmark/benchmark.h>

#include <exception>
#include <memory>
#include <vector>

#include "bench/BlendBenchmarks.h"
#include "bench/support/BlendCases.h"
#include "bench/support/BlendScene.h"
#include "bench/support/Counters.h"
#include "refhost/cli/loading/HostedPlugin.h"
#include "refhost/widgetservice/ScriptedDriver.h"
#include "refhost/widgetservice/WidgetService.h"

// The whole merge command as a host runs it: MQModifyObject on the plug-in
// module, the dialog answered by a scripted user, the blend of two targets.
namespace {

// The plug-in module, loaded and handed the reference host once per process;
// null when it cannot be.
const refhost::cli::HostedPlugin* Plugin() {
  static const std::unique_ptr<refhost::cli::HostedPlugin> plugin =
      []() -> std::unique_ptr<refhost::cli::HostedPlugin> {
    try {
      return std::make_unique<refhost::cli::HostedPlugin>(bench::BuiltModulePath("Blendforge"));
    } catch (const std::exception&) {
      return nullptr;
    }
  }();
  return plugin.get();
}

// The user picks the first target in the first list and the second in the
// second, keeps both weights at 100 percent and the proposed name, and presses OK.
void AnswerDialogsWithOK() {
  using refhost::DialogAction;
  refhost::WidgetService::Instance().SetDriver(std::make_shared<refhost::ScriptedDriver>(
      std::vector<DialogAction>{DialogAction::SelectItem(1, 0), DialogAction::SelectItem(2, 1),
                                DialogAction::Press(u"OK")}));
}

}  // namespace

namespace bench {

void BM_MergeCommand(benchmark::State& state) {
  const refhost::cli::HostedPlugin* plugin = Plugin();
  if (plugin == nullptr) return state.SkipWithError("the plug-in module cannot be hosted");
  const BlendCase blend(state);
  std::int64_t merged = 0;
  for (auto _ : state) {
    // Every command starts from the same document: the base, its two
    // targets and nothing else, the base current.
    state.PauseTiming();
    const BlendScene scene = MakeBlendScene(blend.vertices, blend.movedPercent, blend.targets);
    AnswerDialogsWithOK();
    state.ResumeTiming();
    merged += plugin->ModifyObject(0, scene.document->handle());
  }
  if (merged != state.iterations()) state.SkipWithError("a command added no object");
  CountTimePer(state, "per_vertex", blend.vertices);
}

}  // namespace bench
