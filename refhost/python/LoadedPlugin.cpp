#include "refhost/python/LoadedPlugin.h"

#include <filesystem>

#include "refhost/host/LibraryPath.h"

namespace refhost::python {

LoadedPlugin::LoadedPlugin(std::string path) : path_(std::move(path)), plugin_(path_) {}

std::vector<int> LoadedPlugin::Run(OpenModel& model, cli::MenuRunRequest request) const {
  request.plugin = path_;
  request.model = model.path();
  cli::RequireMenuCommand(plugin_, request);
  model.RequireUnspoiled();
  cli::MakeRequestedObjectCurrent(model.document(), request);
  cli::PhaseTimes untimed(nullptr);
  cli::MenuRun run;
  try {
    run = cli::RunMenu(plugin_, model.document(), request, untimed);
  } catch (...) {
    model.Spoil();
    throw;
  }
  if (!run.changed)
    throw CommandUnchanged(cli::UnchangedReport(cli::CommandName(plugin_, request)));
  std::vector<int> added;
  for (const Object* object : run.added) added.push_back(object->uniqueID());
  model.NoteRun(std::move(run));
  return added;
}

std::string DefaultPluginPath() {
  const std::filesystem::path host(LibraryPath());
  return (host.parent_path() / ("Blendforge" BLENDFORGE_MODULE_SUFFIX)).lexically_normal().string();
}

}  // namespace refhost::python
