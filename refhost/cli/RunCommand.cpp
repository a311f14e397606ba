#include "refhost/cli/RunCommand.h"

#include <filesystem>

#include "refhost/cli/CliError.h"
#include "refhost/cli/ExitStatus.h"
#include "refhost/cli/MenuRun.h"
#include "refhost/cli/ModelInput.h"
#include "refhost/cli/ModelOutput.h"
#include "refhost/cli/PhaseTimes.h"
#include "refhost/cli/loading/HostedPlugin.h"
#include "refhost/cli/pictures/PreviewMeshes.h"
#include "refhost/cli/streams/StandardStreams.h"
#include "refhost/host/Host.h"
#include "refhost/model/ModelFile.h"
#include "refhost/text/MessageText.h"

namespace refhost::cli {
namespace {

namespace fs = std::filesystem;

// The name of the model file that a result goes beside: the model's own, or
// for a link (such as /dev/stdin redirected from a file) the file it leads
// to. Empty when that is no regular file of the user's: a pipe, a device, or
// anything in the system's /dev or /proc.
std::string BesideWhat(const std::string& model) {
  std::error_code error;
  if (!fs::is_symlink(fs::symlink_status(model, error)))
    return fs::is_regular_file(model, error) ? model : "";
  const fs::path real = fs::canonical(model, error);
  if (error || !fs::is_regular_file(real, error)) return "";
  const std::string text = real.generic_string();
  if (text.rfind("/dev/", 0) == 0 || text.rfind("/proc/", 0) == 0) return "";
  return real.string();
}

std::string OutputPath(const RunOptions& options) {
  if (!options.output.empty()) return options.output;
  std::error_code error;
  // A model that is not there fails to be read, with its own message.
  if (options.model != kStandardStream && !fs::exists(options.model, error))
    return DefaultOutputPath(options.model);
  const std::string beside = options.model == kStandardStream ? "" : BesideWhat(options.model);
  if (beside.empty())
    throw CliError(options.model +
                   ": not a regular file, so the result needs -o OUT (or -o - for stdout)");
  return DefaultOutputPath(beside);
}

// "149.1 MB, 3 objects", or the objects alone when the model is stdin.
std::string ReadDetails(const std::string& model, const Document& document) {
  const std::string size = FileMegabytes(model);
  const std::string objects = std::to_string(ObjectsOf(document).size()) + " objects";
  return size.empty() ? objects : size + ", " + objects;
}

void ReportAdded(const Document& document, const std::vector<const Object*>& added,
                 std::ostream& out) {
  for (const Object* object : added) {
    const int index = document.IndexOf(object);
    out << "Added object " << Quoted(object->name()) << " (" << object->VertexCount()
        << " vertices) at position " << index + 1 << " of " << document.ObjectCount();
    const Object* previous = index > 0 ? document.ObjectAt(index - 1) : nullptr;
    if (previous != nullptr) out << ", right after " << Quoted(previous->name());
    out << ".\n";
  }
}

MenuRunRequest RequestOf(const RunOptions& options) {
  return {options.plugin, options.model, options.object, options.command, options.answers};
}

}  // namespace

std::string DefaultOutputPath(const std::string& model) {
  fs::path path(model);
  return (path.parent_path() / (path.stem().string() + ".merged" + path.extension().string()))
      .string();
}

int RunRunCommand(const RunOptions& options, std::ostream& out, std::ostream& err) {
  const std::string output = OutputPath(options);
  std::ostream& report = output == kStandardStream ? err : out;
  const MenuRunRequest request = RequestOf(options);
  HostedPlugin plugin(options.plugin);
  RequireMenuCommand(plugin, request);
  Document& document = Host::Instance().NewDocument();
  PhaseTimes phases(options.verbose ? &err : nullptr);
  const std::unique_ptr<ModelFile> model = ReadModel(options.model, document);
  phases.End("read", ReadDetails(options.model, document));

  MakeRequestedObjectCurrent(document, request);
  const MenuRun run = RunMenu(plugin, document, request, phases);
  if (!run.changed) {
    report << UnchangedReport(CommandName(plugin, request)) << "\n";
    return kExitUnchanged;
  }
  if (options.verbose) model->notes = [&err](const std::string& note) { err << note << "\n"; };
  phases.Start();
  WriteModel(document, *model, output);
  phases.End("write", FileMegabytes(output));
  ReportAdded(document, run.added, report);
  report << "Wrote the document (" << ObjectsOf(document).size() << " objects) to "
         << (output == kStandardStream ? kStandardOutputName : Escaped(output)) << ".\n";
  if (options.preview.path.empty()) return kExitDone;
  phases.Start();
  WritePreview(MergeMeshes(document, run), options.preview);
  phases.End("preview");
  report << "Drew the preview to " << Escaped(options.preview.path) << ".\n";
  return kExitDone;
}

}  // namespace refhost::cli
